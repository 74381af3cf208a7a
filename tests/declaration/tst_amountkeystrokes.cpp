#include "AmountKeystrokes.h"
#include "NamedSettings.h"

#include <QTest>

namespace {
// A field state written as its text with "|" at the caret and "<" at the other end of the
// selection: "1<23|4" has "23" selected with the caret behind it.
AmountEditState stateFrom(QString marked)
{
    const int caret = static_cast<int>(marked.indexOf(u'|'));
    marked.remove(caret, 1);
    qsizetype anchor = marked.indexOf(u'<');
    if (anchor >= 0)
        marked.remove(anchor, 1);
    AmountEditState state{marked, caret, caret};
    if (anchor >= 0) {
        state.caret = anchor < caret ? caret - 1 : caret;
        state.anchor = static_cast<int>(anchor);
    }
    return state;
}

QString marked(const AmountEditState &state)
{
    QString text = state.text;
    if (!state.hasSelection())
        return text.insert(state.caret, u'|');
    if (state.anchor < state.caret)
        return text.insert(state.caret, u'|').insert(state.anchor, u'<');
    return text.insert(state.anchor, u'<').insert(state.caret, u'|');
}

// Keys as a string: "⌫" presses Backspace, "⌦" Delete; every other character is typed.
const QChar BackspaceKey(0x232B);
const QChar DeleteKey(0x2326);

void press(AmountKeystrokes &keystrokes, const QString &keys)
{
    for (QChar key : keys) {
        if (key == BackspaceKey)
            keystrokes.backspace();
        else if (key == DeleteKey)
            keystrokes.deleteForward();
        else
            keystrokes.typeCharacter(key);
    }
}

const QString Nbsp(QChar(0xA0));
} // namespace

class TestAmountKeystrokes : public QObject
{
    Q_OBJECT
private slots:
    void markedNotation()
    {
        QCOMPARE(marked(stateFrom("1<23|4")), QString("1<23|4"));
        QCOMPARE(marked(stateFrom("1|23<4")), QString("1|23<4"));
        QCOMPARE(stateFrom("1|23<4").caret, 1);
        QCOMPARE(stateFrom("1|23<4").anchor, 3);
        QCOMPARE(stateFrom("1<23|4").caret, 3);
        QCOMPARE(stateFrom("1<23|4").anchor, 1);
    }

    void keys_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<int>("beeps");

        // Digits
        QTest::newRow("digit over a lone zero") << "hu"
                                                << "0|"
                                                << "5"
                                                << "5|" << QStringList{"5"} << 0;
        QTest::newRow("digit in front of the zero of 0,5") << "hu"
                                                           << "|0,5"
                                                           << "3"
                                                           << "3|,5" << QStringList{"3,5"} << 0;
        QTest::newRow("digits 1 0 0") << "hu"
                                      << "0|"
                                      << "100"
                                      << "100|" << QStringList{"1", "10", "100"} << 0;
        QTest::newRow("digit appended") << "hu"
                                        << "12|"
                                        << "3"
                                        << "123|" << QStringList{"123"} << 0;
        QTest::newRow("digit inserted") << "hu"
                                        << "1|2"
                                        << "3"
                                        << "13|2" << QStringList{"132"} << 0;
        QTest::newRow("zero behind minus replaced") << "hu"
                                                    << "-0|"
                                                    << "5"
                                                    << "-5|" << QStringList{"-5"} << 0;
        QTest::newRow("zero behind minus, caret at 1") << "hu"
                                                       << "-|0,5"
                                                       << "7"
                                                       << "-7|,5" << QStringList{"-7,5"} << 0;
        QTest::newRow("caret in front of the minus") << "hu"
                                                     << "|-12"
                                                     << "5"
                                                     << "-5|12" << QStringList{"-512"} << 0;
        QTest::newRow("unlimited decimals")
            << "hu"
            << "0,12345678901234|"
            << "56"
            << "0,1234567890123456|" << QStringList{"0,123456789012345", "0,1234567890123456"} << 0;
        // Decimal separator
        QTest::newRow("separator at the end from the start") << "hu"
                                                             << "|1234"
                                                             << ","
                                                             << "1234,|" << QStringList{"1234,"} << 0;
        QTest::newRow("separator at the end from the middle") << "hu"
                                                              << "12|34"
                                                              << ","
                                                              << "1234,|" << QStringList{"1234,"} << 0;
        QTest::newRow("second separator jumps") << "hu"
                                                << "1|234,5"
                                                << ","
                                                << "1234,|5" << QStringList{} << 0;
        QTest::newRow("separator before the exponent") << "hu"
                                                       << "12E5|"
                                                       << ","
                                                       << "12,|E5" << QStringList{"12,E5"} << 0;
        QTest::newRow("period under comma settings") << "hu"
                                                     << "12|"
                                                     << "."
                                                     << "12|" << QStringList{} << 1;
        QTest::newRow("period under period settings") << "en"
                                                      << "1|2"
                                                      << "."
                                                      << "12.|" << QStringList{"12."} << 0;
        QTest::newRow("comma under period settings") << "en"
                                                     << "12|"
                                                     << ","
                                                     << "12|" << QStringList{} << 1;
        QTest::newRow("separator collapses a selection") << "hu"
                                                         << "1<23|4"
                                                         << ","
                                                         << "1234,|" << QStringList{"1234,"} << 0;
        // Minus
        QTest::newRow("minus anywhere") << "hu"
                                        << "12|34"
                                        << "-"
                                        << "-12|34" << QStringList{"-1234"} << 0;
        QTest::newRow("minus again") << "hu"
                                     << "-12|34"
                                     << "-"
                                     << "12|34" << QStringList{"1234"} << 0;
        QTest::newRow("minus into zero") << "hu"
                                         << "0|"
                                         << "-"
                                         << "-0|" << QStringList{"-0"} << 0;
        QTest::newRow("minus with caret at 0") << "hu"
                                               << "|-5"
                                               << "-"
                                               << "|5" << QStringList{"5"} << 0;
        QTest::newRow("minus in the exponent") << "hu"
                                               << "1E5|"
                                               << "-"
                                               << "1E-5|" << QStringList{"1E-5"} << 0;
        QTest::newRow("minus in the exponent again") << "hu"
                                                     << "1E-5|"
                                                     << "-"
                                                     << "1E5|" << QStringList{"1E5"} << 0;
        QTest::newRow("minus directly behind E") << "hu"
                                                 << "1E|5"
                                                 << "-"
                                                 << "1E-|5" << QStringList{"1E-5"} << 0;
        QTest::newRow("minus in front of E") << "hu"
                                             << "1|E5"
                                             << "-"
                                             << "-1|E5" << QStringList{"-1E5"} << 0;
        QTest::newRow("minus over the whole text") << "hu"
                                                   << "<12|"
                                                   << "-"
                                                   << "-0|" << QStringList{"0", "-0"} << 0;
        // Exponent mark
        QTest::newRow("e appends E") << "hu"
                                     << "12|34"
                                     << "e"
                                     << "1234E|" << QStringList{"1234E"} << 0;
        QTest::newRow("E appends E") << "hu"
                                     << "|1234"
                                     << "E"
                                     << "1234E|" << QStringList{"1234E"} << 0;
        QTest::newRow("second E jumps") << "hu"
                                        << "|1234E5"
                                        << "e"
                                        << "1234E|5" << QStringList{} << 0;
        QTest::newRow("E behind a lone minus") << "hu"
                                               << "-|"
                                               << "E"
                                               << "-0E|" << QStringList{"-0E"} << 0;
        QTest::newRow("E into an emptied box") << "hu"
                                               << "-|"
                                               << "-E"
                                               << "0E|" << QStringList{"", "0E"} << 0;
        QTest::newRow("E collapses a selection") << "hu"
                                                 << "1<23|4"
                                                 << "E"
                                                 << "1234E|" << QStringList{"1234E"} << 0;
        // Exponent digits
        QTest::newRow("exponent digit") << "hu"
                                        << "1E|"
                                        << "5"
                                        << "1E5|" << QStringList{"1E5"} << 0;
        QTest::newRow("exponent zero replaced") << "hu"
                                                << "1E|0"
                                                << "7"
                                                << "1E7|" << QStringList{"1E7"} << 0;
        QTest::newRow("exponent 4932 allowed") << "hu"
                                               << "1E493|"
                                               << "2"
                                               << "1E4932|" << QStringList{"1E4932"} << 0;
        QTest::newRow("exponent 4933 refused") << "hu"
                                               << "1E493|"
                                               << "3"
                                               << "1E493|" << QStringList{} << 1;
        QTest::newRow("exponent -4933 refused") << "hu"
                                                << "1E-493|"
                                                << "3"
                                                << "1E-493|" << QStringList{} << 1;
        QTest::newRow("exponent digit in front refused") << "hu"
                                                         << "1E|999"
                                                         << "9"
                                                         << "1E|999" << QStringList{} << 1;
        QTest::newRow("exponent digit in front allowed") << "hu"
                                                         << "1E|932"
                                                         << "4"
                                                         << "1E4|932" << QStringList{"1E4932"} << 0;
        QTest::newRow("exponent leading zero replaced, 4932 still checked") << "hu"
                                                                            << "1E|0700"
                                                                            << "7"
                                                                            << "1E|0700" << QStringList{} << 1;
        QTest::newRow("exponent digit goes behind its minus") << "hu"
                                                              << "1E|-3"
                                                              << "5"
                                                              << "1E-5|3" << QStringList{"1E-53"} << 0;
        // Refused characters
        QTest::newRow("letter") << "hu"
                                << "1|2"
                                << "a"
                                << "1|2" << QStringList{} << 1;
        QTest::newRow("space") << "hu"
                               << "1|2"
                               << " "
                               << "1|2" << QStringList{} << 1;
        QTest::newRow("return") << "hu"
                                << "1|2"
                                << "\r"
                                << "1|2" << QStringList{} << 1;
        QTest::newRow("escape") << "hu"
                                << "1|2"
                                << "\x1b"
                                << "1|2" << QStringList{} << 1;
        QTest::newRow("plus") << "hu"
                              << "1|2"
                              << "+"
                              << "1|2" << QStringList{} << 1;
        QTest::newRow("thousand separator") << "hu"
                                            << "1|2" << Nbsp << "1|2" << QStringList{} << 1;
        QTest::newRow("refused keeps the selection") << "hu"
                                                     << "<12|"
                                                     << "x"
                                                     << "<12|" << QStringList{} << 1;
        // Typing over a selection
        QTest::newRow("digit over the whole text") << "hu"
                                                   << "<1234|"
                                                   << "7"
                                                   << "7|" << QStringList{"0", "7"} << 0;
        QTest::newRow("digit over a whole zero") << "hu"
                                                 << "|0<"
                                                 << "7"
                                                 << "7|" << QStringList{"7"} << 0;
        QTest::newRow("digit over part") << "hu"
                                         << "<12|34"
                                         << "5"
                                         << "5|34" << QStringList{"34", "534"} << 0;
        // Backspace and Delete
        QTest::newRow("backspace behind the separator")
            << "hu"
            << "12,|5" << QString(BackspaceKey) << "1|,5" << QStringList{"1,5"} << 0;
        QTest::newRow("backspace the only integer digit")
            << "hu"
            << "5|,3" << QString(BackspaceKey) << "0|,3" << QStringList{"0,3"} << 0;
        QTest::newRow("delete the only digit") << "hu"
                                               << "|7" << QString(DeleteKey) << "0|" << QStringList{"0"} << 0;
        QTest::newRow("backspace the only digit") << "hu"
                                                  << "7|" << QString(BackspaceKey) << "0|" << QStringList{"0"} << 0;
        QTest::newRow("backspace a digit") << "hu"
                                           << "12|3" << QString(BackspaceKey) << "1|3" << QStringList{"13"} << 0;
        QTest::newRow("backspace a decimal") << "hu"
                                             << "1,25|" << QString(BackspaceKey) << "1,2|" << QStringList{"1,2"} << 0;
        QTest::newRow("delete a decimal") << "hu"
                                          << "1,|25" << QString(DeleteKey) << "1,|5" << QStringList{"1,5"} << 0;
        QTest::newRow("delete steps over the separator")
            << "hu"
            << "1|,5" << QString(DeleteKey) << "1,|" << QStringList{"1,"} << 0;
        QTest::newRow("backspace steps over E")
            << "hu"
            << "12E|5" << QString(BackspaceKey) << "1|E5" << QStringList{"1E5"} << 0;
        QTest::newRow("delete steps over the separator and E")
            << "hu"
            << "0|,E-12" << QString(DeleteKey) << "0,E|12" << QStringList{"0,E12"} << 0;
        QTest::newRow("backspace steps over E and the separator")
            << "hu"
            << "5,E|3" << QString(BackspaceKey) << "0|,E3" << QStringList{"0,E3"} << 0;
        QTest::newRow("backspace at the start") << "hu"
                                                << "|12" << QString(BackspaceKey) << "|12" << QStringList{} << 0;
        QTest::newRow("delete at the end") << "hu"
                                           << "12|" << QString(DeleteKey) << "12|" << QStringList{} << 0;
        QTest::newRow("backspace over separator at the start")
            << "hu"
            << ",|5" << QString(BackspaceKey) << ",|5" << QStringList{} << 0;
        QTest::newRow("backspace the minus") << "hu"
                                             << "-|5" << QString(BackspaceKey) << "|5" << QStringList{"5"} << 0;
        QTest::newRow("backspace a lone minus") << "hu"
                                                << "-|" << QString(BackspaceKey) << "|0" << QStringList{"0"} << 0;
        QTest::newRow("delete the minus") << "hu"
                                          << "|-5" << QString(DeleteKey) << "|5" << QStringList{"5"} << 0;
        QTest::newRow("first digit with a minus behind")
            << "hu"
            << "5|E-3" << QString(BackspaceKey) << "0|E-3" << QStringList{"0E-3"} << 0;
        QTest::newRow("only digit behind minus in front of E")
            << "hu"
            << "-5|E3" << QString(BackspaceKey) << "-0|E3" << QStringList{"-0E3"} << 0;
        QTest::newRow("backspace the last digit behind minus")
            << "hu"
            << "-5|" << QString(BackspaceKey) << "-|" << QStringList{"-"} << 0;
        QTest::newRow("only digit in front of E")
            << "hu"
            << "5|E3" << QString(BackspaceKey) << "0|E3" << QStringList{"0E3"} << 0;
        QTest::newRow("zero stays zero") << "hu"
                                         << "0|" << QString(BackspaceKey) << "0|" << QStringList{} << 0;
        QTest::newRow("backspace steps over a thousand separator")
            << "hu" << QString("12" + Nbsp + "|345") << QString(BackspaceKey) << QString("1|" + Nbsp + "345")
            << QStringList{QString("1" + Nbsp + "345")} << 0;
        QTest::newRow("backspace the character before the separator")
            << "hu"
            << "1,|" << QString(BackspaceKey) << "0|," << QStringList{"0,"} << 0;
        // Deleting a selection
        QTest::newRow("delete the whole text") << "hu"
                                               << "<1234|" << QString(DeleteKey) << "0|" << QStringList{"0"} << 0;
        QTest::newRow("backspace the whole text") << "hu"
                                                  << "|1234<" << QString(BackspaceKey) << "0|" << QStringList{"0"} << 0;
        QTest::newRow("selection keeps the separator")
            << "hu"
            << "1<2,3|4" << QString(BackspaceKey) << "1|,4" << QStringList{"1,4"} << 0;
        QTest::newRow("selection behind the first two characters")
            << "hu"
            << "98<76,54|3" << QString(BackspaceKey) << "98|,3" << QStringList{"98,3"} << 0;
        QTest::newRow("selection keeps the E") << "hu"
                                               << "1<2E5|" << QString(DeleteKey) << "1|E" << QStringList{"1E"} << 0;
        QTest::newRow("selection of the only integer digit")
            << "hu"
            << "<5|,3" << QString(BackspaceKey) << "0|,3" << QStringList{"0,3"} << 0;
        QTest::newRow("selection of the minus") << "hu"
                                                << "<-|5" << QString(DeleteKey) << "|5" << QStringList{"5"} << 0;
        QTest::newRow("selection of the exponent minus")
            << "hu"
            << "1E<-|5" << QString(BackspaceKey) << "1E|5" << QStringList{"1E5"} << 0;
        QTest::newRow("selection of a thousand separator")
            << "hu" << QString("1<" + Nbsp + "|234") << QString(BackspaceKey) << QString("1" + Nbsp + "|234")
            << QStringList{} << 0;
        // The Backspace character that follows the key press
        QTest::newRow("backspace character") << "hu"
                                             << "12|"
                                             << "\x08"
                                             << "12|" << QStringList{} << 0;
    }
    void keys()
    {
        QFETCH(QString, settings);
        QFETCH(QString, before);
        QFETCH(QString, keys);
        QFETCH(QString, after);
        QFETCH(QStringList, changes);
        QFETCH(int, beeps);

        AmountKeystrokes keystrokes(stateFrom(before), settingsNamed(settings));
        press(keystrokes, keys);
        QCOMPARE(marked(keystrokes.state()), after);
        QCOMPARE(keystrokes.changes(), changes);
        QCOMPARE(keystrokes.beeps(), beeps);
    }

    void clipboard_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("clipboard"); // pasted text, or the expected clipboard text
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<int>("beeps");

        QTest::newRow("paste keeps the number") << "<0|"
                                                << "paste"
                                                << "1 234,5 Ft"
                                                << "1234,5|" << QStringList{"1234,5"} << 4;
        QTest::newRow("paste over a selection") << "1<23|4"
                                                << "paste"
                                                << "9"
                                                << "19|4" << QStringList{"14", "194"} << 0;
        QTest::newRow("paste refuses clipboard control characters") << "1|"
                                                                    << "paste"
                                                                    << "\x16\x03\x18"
                                                                    << "1|" << QStringList{} << 3;
        QTest::newRow("paste a minus toggles") << "12|"
                                               << "paste"
                                               << "-3"
                                               << "-123|" << QStringList{"-123"} << 0;
        QTest::newRow("paste digits in front of an exponent") << "123|E4"
                                                              << "paste"
                                                              << "56 7-8"
                                                              << "-1235678|E4" << QStringList{"-1235678E4"} << 1;
        QTest::newRow("paste digits into an exponent") << "5E1|"
                                                       << "paste"
                                                       << "23450"
                                                       << "5E1234|" << QStringList{"5E1234"} << 2;
        QTest::newRow("copy drops grouping") << QString("<1" + Nbsp + "234|") << "copy"
                                             << "1234" << QString("<1" + Nbsp + "234|") << QStringList{} << 0;
        QTest::newRow("copy a lone minus") << "<-|5"
                                           << "copy"
                                           << "-0"
                                           << "<-|5" << QStringList{} << 0;
        QTest::newRow("copy without selection") << "12|"
                                                << "copy"
                                                << ""
                                                << "12|" << QStringList{} << 0;
        QTest::newRow("cut") << "1<23|4"
                             << "cut"
                             << "23"
                             << "1|4" << QStringList{"14"} << 0;
        QTest::newRow("cut the whole text") << "<12,5|"
                                            << "cut"
                                            << "12,5"
                                            << "0|" << QStringList{"0"} << 0;
        QTest::newRow("cut without selection") << "12|"
                                               << "cut"
                                               << ""
                                               << "12|" << QStringList{} << 0;
    }
    void clipboard()
    {
        QFETCH(QString, before);
        QFETCH(QString, action);
        QFETCH(QString, clipboard);
        QFETCH(QString, after);
        QFETCH(QStringList, changes);
        QFETCH(int, beeps);

        AmountKeystrokes keystrokes(stateFrom(before), RegionalSettings::hungarian());
        if (action == u"paste")
            keystrokes.paste(clipboard);
        else if (action == u"copy")
            QCOMPARE(keystrokes.copy(), clipboard);
        else
            QCOMPARE(keystrokes.cut(), clipboard);
        QCOMPARE(marked(keystrokes.state()), after);
        QCOMPARE(keystrokes.changes(), changes);
        QCOMPARE(keystrokes.beeps(), beeps);
    }
};

QTEST_GUILESS_MAIN(TestAmountKeystrokes)
#include "tst_amountkeystrokes.moc"
