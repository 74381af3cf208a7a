#include "CheckDigits.h"
#include "DeclarationForm.h"
#include "Error.h"
#include "ErrorBox.h"
#include "FieldCatalogue.h"
#include "Fonts.h"
#include "FormScrollArea.h"
#include "TEdit.h"
#include "TForm1.h"
#include "THeaderFill.h"
#include "TStringGrid.h"
#include "WindowTesting.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

using WindowTesting::declarationOf;
using WindowTesting::headerFillOf;
using WindowTesting::scrollAreaOf;
using WindowTesting::type;
using WindowTesting::wheel;

namespace {

const QColor HighlightStart(0xFB, 0xE6, 0x94);
const QColor HighlightEnd(0xEE, 0x95, 0x15);
const QColor PlainFill(0xD2, 0xCF, 0xBE);
const QColor PlainCaption(0x4F, 0x50, 0x45);

QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

// The expected tab order: section I as the form lays it out, then every group's eight inputs.
QStringList expectedTabOrder()
{
    QStringList order = {"Edit1", "Edit2",      "Edit3",          "Edit4", "Edit5",
                         "Edit6", "PBNumEdit1", "AdvStringGrid1", "Edit7", "Edit8"};
    for (int g = 1; g <= 11; ++g) {
        for (int p = 0; p < 8; ++p)
            order << QStringLiteral("PBNumEdit%1").arg(9 * g - 7 + p);
    }
    return order;
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

    std::unique_ptr<TForm1> m_form;

    FormScrollArea *scroll() const { return scrollAreaOf(*m_form); }
    QWidget *field(const char *name) const
    {
        return declarationOf(*m_form).widget(*FieldCatalogue::find(QString::fromLatin1(name)));
    }
    bool highlighted(int section) const
    {
        const THeaderFill *bar = headerFillOf(*m_form, section);
        return bar->startColor() == HighlightStart && bar->endColor() == HighlightEnd &&
               bar->captionColor() == QColor(Qt::black);
    }
    bool plain(int section) const
    {
        const THeaderFill *bar = headerFillOf(*m_form, section);
        return bar->startColor() == PlainFill && bar->endColor() == PlainFill && bar->captionColor() == PlainCaption;
    }

private slots:
    void initTestCase() { Fonts::installLookAlikes(); }

    void init()
    {
        m_form = std::make_unique<TForm1>();
        m_form->showFillingWorkArea();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }

    void cleanup() { m_form.reset(); }

    void captionsAreExact()
    {
        QCOMPARE(m_form->windowTitle(),
                 QString::fromUtf8("Elektronikus nyomtatvány - Kökényvára Polgármesteri Hivatal"));
        QCOMPARE(headerFillOf(*m_form, 1)->caption(), QString::fromUtf8("    I. SZEMÉLYI ADATOK"));
        QCOMPARE(headerFillOf(*m_form, 2)->caption(), QString::fromUtf8("     II. JÖVEDELMI ADATOK"));
        QCOMPARE(headerFillOf(*m_form, 3)->caption(),
                 QString::fromUtf8("     III. JÖVEDELMI ADATOK - ADÓK ÉS JÁRULÉKOK"));
        QCOMPARE(m_form->findChild<QLabel *>("Label9")->text(), QString::fromUtf8("JÖVEDELEMNYILATKOZAT"));
        QCOMPARE(m_form->findChild<QLabel *>("Label10")->text(), QStringLiteral("KTV3815"));

        const QList<QAction *> menu = m_form->menuBar()->actions();
        QCOMPARE(menu.size(), 4);
        const QStringList captions = {QString::fromUtf8("Nyomtatás"), QString::fromUtf8("Űrlap mentése"),
                                      QString::fromUtf8("Kitöltött űrlap betöltése"), QString::fromUtf8("Kilépés")};
        const QStringList names = {"Nyomtats1", "Kitltsmentse1", "Kitltttrlapbetltse1", "Kilps1"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(menu[i]->text(), captions[i]);
            QCOMPARE(menu[i]->objectName(), names[i]);
            QVERIFY(menu[i]->menu() == nullptr);
            QVERIFY(menu[i]->shortcut().isEmpty());
        }
    }

    void fieldsSitWhereTheCatalogueSays()
    {
        const auto &fields = FieldCatalogue::fields();
        for (size_t i = 0; i < fields.size(); ++i) {
            QWidget *w = declarationOf(*m_form).widget(int(i));
            QCOMPARE(w->objectName(), fields[i].name);
            QCOMPARE(w->geometry(), fields[i].geometry);
            QCOMPARE(w->isEnabled(), fields[i].tabOrder >= 0);
        }
        QCOMPARE(field("AdvStringGrid1")->parentWidget()->objectName(), QStringLiteral("GroupBox1"));
        QCOMPARE(field("PBNumEdit47")->parentWidget()->objectName(), QStringLiteral("GroupBox7"));
        QCOMPARE(m_form->findChild<QWidget *>("Panel3")->geometry(), QRect(24, 840, 705, 2105));
    }

    void startsWithEdit1AndSectionOne()
    {
        QCOMPARE(focusName(), QStringLiteral("Edit1"));
        QVERIFY(highlighted(1));
        QVERIFY(plain(2));
        QVERIFY(plain(3));
        QCOMPARE(scroll()->position(), 0);
    }

    void allBarsHighlightedBeforeTheFirstEnter()
    {
        const TForm1 hidden;
        for (int s = 1; s <= 3; ++s) {
            QCOMPARE(headerFillOf(hidden, s)->startColor(), HighlightStart);
            QCOMPARE(headerFillOf(hidden, s)->endColor(), HighlightEnd);
            QCOMPARE(headerFillOf(hidden, s)->captionColor(), hidden.palette().color(QPalette::WindowText));
        }
    }

    // The income groups are built as the window needs them: before its first frame those it
    // shows, the rest after that frame, and all of them before anything could reach one.
    void groupsAreBuiltBeforeAnythingReachesThem_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("then");
        QTest::newRow("short window, its first frame") << 500 << "frame";
        QTest::newRow("section II in view, its first frame") << 1400 << "frame";
        QTest::newRow("the whole form in view") << 4000 << "nothing";
        QTest::newRow("Tab from the last field of section I") << 500 << "tab";
        QTest::newRow("a wheel turn") << 500 << "wheel";
        QTest::newRow("scrolled down") << 500 << "scroll";
        QTest::newRow("grown taller") << 500 << "grow";
        QTest::newRow("a screen reader starts") << 500 << "screen reader";
    }
    void groupsAreBuiltBeforeAnythingReachesThem()
    {
        QFETCH(int, height);
        QFETCH(QString, then);
        TForm1 form;
        form.setGeometry(0, 0, 800, height);
        form.show();
        DeclarationForm &declaration = declarationOf(form);
        const QWidget *client = scrollAreaOf(form)->widget();
        for (int g = 1; g <= FieldCatalogue::GroupCount; ++g) {
            const BoxSpec &box = FieldCatalogue::incomeGroups()[g - 1];
            const auto *panel = form.findChild<QWidget *>(FieldCatalogue::sections()[box.section - 1].panel);
            const bool shown = panel->mapTo(client, box.geometry.topLeft()).y() < height;
            QCOMPARE(declaration.fields().isBuilt(g), shown);
            if (shown)
                QVERIFY(form.findChild<QWidget *>(QStringLiteral("GroupBox%1").arg(box.number))->isVisible());
        }
        QCOMPARE(declaration.fields().isComplete(), then == "nothing");
        if (then == "frame") {
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            QTRY_VERIFY(declaration.fields().isComplete());
        } else if (then == "tab") {
            QWidget *last = declaration.widget(*FieldCatalogue::find(u"Edit8"));
            last->setFocus();
            QTest::keyClick(last, Qt::Key_Tab);
            QCOMPARE(form.focusWidget()->objectName(), QStringLiteral("PBNumEdit2"));
        } else if (then == "wheel") {
            wheel(declaration.widget(0), -120);
        } else if (then == "scroll") {
            scrollAreaOf(form)->setPosition(300);
        } else if (then == "grow") {
            form.resize(800, height + 100);
        } else if (then == "screen reader") {
            QAccessible::setActive(true);
            QAccessible::setActive(false);
        }
        QVERIFY(declaration.fields().isComplete());
        for (const BoxSpec &box : FieldCatalogue::incomeGroups())
            QVERIFY(form.findChild<QWidget *>(QStringLiteral("GroupBox%1").arg(box.number))->isVisible());
    }

    void tabOrderForwardWraps()
    {
        const QStringList expected = expectedTabOrder();
        for (const QString &name : expected) {
            QCOMPARE(focusName(), name);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(focusName(), QStringLiteral("Edit1"));
    }

    void tabOrderBackwardWraps()
    {
        QStringList expected = expectedTabOrder();
        std::reverse(expected.begin(), expected.end());
        expected.prepend(QStringLiteral("Edit1"));
        for (qsizetype i = 0; i + 1 < expected.size(); ++i) {
            QCOMPARE(focusName(), expected[i]);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        }
        QCOMPARE(focusName(), QStringLiteral("Edit1"));
    }

    void totalsNeverTakeFocus()
    {
        QWidget *total = field("PBNumEdit10");
        QTest::mouseClick(total, Qt::LeftButton);
        QVERIFY(!total->hasFocus());
        QCOMPARE(total->focusPolicy(), Qt::NoFocus);
    }

    void tabIntoSectionTwoHighlightsItAndScrollsExactly()
    {
        field("Edit8")->setFocus();
        QTest::keyClick(field("Edit8"), Qt::Key_Tab);
        QWidget *first = field("PBNumEdit2");
        QCOMPARE(focusName(), QStringLiteral("PBNumEdit2"));
        QVERIFY(highlighted(2));
        QVERIFY(plain(1));
        QVERIFY(plain(3));
        // It was below the view: now its bottom edge is the view's bottom edge.
        const int bottom = first->mapTo(scroll()->widget(), QPoint(0, first->height())).y();
        QCOMPARE(scroll()->position() + scroll()->viewport()->height(), bottom);
    }

    void focusAboveTheViewScrollsItsTopToTheTop()
    {
        scroll()->setPosition(1000);
        field("Edit2")->setFocus();
        QCOMPARE(scroll()->position(), field("Edit2")->mapTo(scroll()->widget(), QPoint()).y());
    }

    void clickIntoSectionThreeHighlightsIt()
    {
        QWidget *tax = field("PBNumEdit74");
        scroll()->showWidget(tax);
        QTest::mouseClick(tax, Qt::LeftButton);
        QCOMPARE(focusName(), QStringLiteral("PBNumEdit74"));
        QVERIFY(highlighted(3));
        QVERIFY(plain(1));
        QVERIFY(plain(2));
    }

    void wheelStepsAccumulate_data()
    {
        QTest::addColumn<QList<int>>("deltas");
        QTest::addColumn<int>("moved");
        QTest::newRow("three notches down") << QList<int>{-120, -120, -120} << 60;
        QTest::newRow("half a notch") << QList<int>{-60} << 0;
        QTest::newRow("two halves") << QList<int>{-60, -60} << 20;
        QTest::newRow("one event of three notches") << QList<int>{-360} << 60;
        QTest::newRow("remainder keeps its sign") << QList<int>{-100, 40, -100} << 20;
        QTest::newRow("up and down") << QList<int>{-240, 120} << 20;
    }
    void wheelStepsAccumulate()
    {
        QFETCH(QList<int>, deltas);
        QFETCH(int, moved);
        scroll()->setPosition(500);
        // The pointer is over another field than the focused one: the window scrolls all the same.
        for (int delta : deltas)
            wheel(field("PBNumEdit30"), delta);
        QCOMPARE(scroll()->position(), 500 + moved);
    }

    void scrollsVerticallyOnly()
    {
        QScrollBar *bar = scroll()->verticalScrollBar();
        QCOMPARE(bar->singleStep(), 8);
        QCOMPARE(bar->pageStep(), scroll()->viewport()->height());
        QVERIFY(!bar->hasTracking());
        // Narrower than the content: the right part is cut off, with no horizontal bar.
        m_form->resize(400, m_form->height());
        QTRY_COMPARE(scroll()->viewport()->width() < 777, true);
        QVERIFY(!scroll()->horizontalScrollBar()->isVisible());
        QCOMPARE(scroll()->widget()->width(), scroll()->viewport()->width());
    }

    void wheelIsClampedAtBothEnds()
    {
        wheel(field("Edit1"), 120);
        QCOMPARE(scroll()->position(), 0);
        const int max = scroll()->verticalScrollBar()->maximum();
        QCOMPARE(max, 16 + 3775 - scroll()->viewport()->height());
        scroll()->setPosition(max - 10);
        wheel(field("Edit1"), -120);
        QCOMPARE(scroll()->position(), max);
        wheel(field("Edit1"), -120);
        QCOMPARE(scroll()->position(), max);
    }

    void wheelInTheTableMovesTheCurrentRow()
    {
        auto *grid = declarationOf(*m_form).grid();
        grid->setFocus();
        const int position = scroll()->position();
        QCOMPARE(grid->currentCellRow(), 1);
        QCOMPARE(grid->currentCellColumn(), 1);
        wheel(field("Edit1"), -120);
        wheel(field("Edit1"), -120);
        QCOMPARE(grid->currentCellRow(), 3);
        wheel(grid->viewport(), 360);
        QCOMPARE(grid->currentCellRow(), 1); // never onto the header row
        QCOMPARE(scroll()->position(), position);
    }

    void tableTextFollowsTheEditorAndTabLeaves()
    {
        auto *grid = declarationOf(*m_form).grid();
        grid->setFocus();
        grid->setCurrentCellAt(1, 3);
        type(grid, QString::fromUtf8("Kovács Ödön "));
        // The editor is still open and the stored text already follows it.
        QVERIFY(grid->findChild<QLineEdit *>() && grid->findChild<QLineEdit *>()->isVisible());
        QCOMPARE(grid->cell(1, 3), QString::fromUtf8("Kovács Ödön "));
        // Each keystroke stored does not move the caret: typing in the middle stays there.
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        type(grid, QStringLiteral("dr"));
        QCOMPARE(grid->cell(1, 3), QString::fromUtf8("Kovács drÖdön "));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(grid->currentCellRow(), 3);
        QCOMPARE(grid->currentCellColumn(), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("Edit7"));
        QCOMPARE(declarationOf(*m_form).cell(1, 3), QString::fromUtf8("Kovács drÖdön "));
    }

    void tabFromAnOpenCellEditorLeavesTheTable()
    {
        auto *grid = declarationOf(*m_form).grid();
        grid->setFocus();
        type(grid, QStringLiteral("x"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("Edit7"));
        grid->setFocus();
        type(grid, QStringLiteral("y"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focusName(), QStringLiteral("PBNumEdit1"));
        // Typing into a closed cell starts a fresh text, as in a spreadsheet.
        QCOMPARE(grid->cell(1, 1), QStringLiteral("y"));
    }

    void tableHeadersAndShape()
    {
        auto *grid = declarationOf(*m_form).grid();
        // The headers are the view's header sections; the model holds the 4 x 10 data cells.
        QCOMPARE(grid->columnCount(), 4);
        QCOMPARE(grid->rowCount(), 10);
        const QStringList headers = {"", QString::fromUtf8("Név"), QString::fromUtf8("Születési hely"),
                                     QString::fromUtf8("Szül. ideje"), QString::fromUtf8("Anyja neve")};
        for (int c = 0; c < 5; ++c)
            QCOMPARE(grid->cell(c, 0), headers[c]);
        for (int r = 1; r <= 10; ++r) {
            QCOMPARE(grid->cell(0, r), QStringLiteral("%1.").arg(r));
            for (int c = 1; c <= 4; ++c)
                QVERIFY(grid->cell(c, r).isEmpty());
        }
        const int widths[] = {20, 202, 129, 106, 186};
        QCOMPARE(grid->verticalHeader()->width(), widths[0]);
        for (int c = 1; c < 5; ++c)
            QCOMPARE(grid->columnWidth(c - 1), widths[c]);
        QCOMPARE(grid->horizontalHeader()->height(), 36);
        QCOMPARE(grid->rowHeight(9), 21);
    }

    void charactersOutsideWindows1250AreRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("cyrillic") << QString::fromUtf8("aЖb") << QStringLiteral("ab");
        QTest::newRow("hungarian") << QString::fromUtf8("őŰ") << QString::fromUtf8("őŰ");
        QTest::newRow("cjk") << QString::fromUtf8("漢") << QString();
    }
    void charactersOutsideWindows1250AreRefused()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        auto *edit = qobject_cast<QLineEdit *>(field("Edit3"));
        edit->setFocus();
        type(edit, typed);
        QCOMPARE(edit->text(), kept);
    }

    void pasteOfForeignTextOrLineBreaksIsRefused()
    {
        auto *edit = qobject_cast<QLineEdit *>(field("Edit1"));
        edit->setText(QStringLiteral("Nagy"));
        QApplication::clipboard()->setText(QString::fromUtf8("Жанна"));
        edit->paste();
        QCOMPARE(edit->text(), QStringLiteral("Nagy"));
        QApplication::clipboard()->setText(QString::fromUtf8(" Őrs"));
        edit->paste();
        QCOMPARE(edit->text(), QString::fromUtf8("Nagy Őrs"));
        // One line: a saved form would bring back only the part after a line break.
        for (const char *lines : {"\nBéla", "\rBéla", "Béla\r\n"}) {
            QApplication::clipboard()->setText(QString::fromUtf8(lines));
            edit->paste();
            QCOMPARE(edit->text(), QString::fromUtf8("Nagy Őrs"));
        }
        // No more than a field holds.
        QApplication::clipboard()->setText(QString(40000, u'x'));
        edit->paste();
        QCOMPARE(edit->text().size(), 32767);
    }

    // A wrong number is hinted once the user leaves its field, and the right one typed over it
    // clears the hint at once; nothing typed is changed.
    void checkDigitHintFollowsTheTyping_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("wrong");
        QTest::addColumn<QString>("right");
        QTest::newRow("TAJ number") << "Edit5"
                                    << "123 456 789"
                                    << "123 456 788";
        QTest::newRow("tax identification number") << "Edit6"
                                                   << "8123456789"
                                                   << "8123456786";
        QTest::newRow("enterprise tax number") << "Edit6"
                                               << "12345678-1-42"
                                               << "12345676-1-42";
    }
    void checkDigitHintFollowsTheTyping()
    {
        QFETCH(QString, name);
        QFETCH(QString, wrong);
        QFETCH(QString, right);
        const QString hint = name == "Edit5" ? CheckDigits::tajHint(wrong) : CheckDigits::taxNumberHint(wrong);
        QVERIFY(!hint.isEmpty());
        QWidget *edit = declarationOf(*m_form).widget(*FieldCatalogue::find(name));
        const auto frameColour = [edit] { return edit->grab().toImage().pixelColor(0, edit->height() / 2); };
        const QColor plainFrame = frameColour();
        QTest::mouseClick(edit, Qt::LeftButton);
        type(edit, wrong);
        QCOMPARE(edit->toolTip(), QString()); // nothing while the user types
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(edit->toolTip(), hint);
        QCOMPARE(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Description), hint);
        QCOMPARE(frameColour(), QColor(0xE0, 0x00, 0x00));
        QCOMPARE(declarationOf(*m_form).text(*FieldCatalogue::find(name)), wrong);

        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        type(edit, right);
        QCOMPARE(focusName(), name);
        QCOMPARE(edit->toolTip(), QString());
        QCOMPARE(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Description), QString());
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(edit->toolTip(), QString());
        QCOMPARE(frameColour(), plainFrame);
        QCOMPARE(declarationOf(*m_form).text(*FieldCatalogue::find(name)), right);
    }

    void errorGuardShowsTheMessageAndKeepsChanges()
    {
        QStringList shown;
        const ErrorSinkForTesting sink([&shown](const QString &message) { shown << message; });
        auto *edit = qobject_cast<QLineEdit *>(field("Edit2"));
        guarded([edit] {
            edit->setText(QStringLiteral("before"));
            throw Error::invalidFloat(QStringLiteral("1E"));
        });
        guarded([] { throw std::runtime_error("plain"); });
        QCOMPARE(shown,
                 (QStringList{QStringLiteral("'1E' is not a valid floating point value"), QStringLiteral("plain")}));
        QCOMPARE(edit->text(), QStringLiteral("before"));
        QVERIFY(m_form->isVisible());
    }

    void everyFieldHasTheCatalogueFont_data()
    {
        QTest::addColumn<int>("index");
        const auto &fields = FieldCatalogue::fields();
        for (int i = 0; i < int(fields.size()); ++i)
            QTest::newRow(qPrintable(fields[i].name)) << i;
    }
    void everyFieldHasTheCatalogueFont()
    {
        // Amount fields sit in group boxes whose caption font is Arial bold: none may inherit it.
        QFETCH(int, index);
        const FieldSpec &field = FieldCatalogue::fields()[index];
        const QFont font = declarationOf(*m_form).widget(index)->font();
        QCOMPARE(font.family(), Fonts::drawnFamily(field.font.family));
        QCOMPARE(font.pixelSize(), field.font.pixelHeight);
        QVERIFY(!font.bold());
        QVERIFY(!font.italic());
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
