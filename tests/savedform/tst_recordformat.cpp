#include "ExpectedError.h"
#include "FieldCatalogue.h"
#include "InMemoryDeclaration.h"
#include "LineBuffer.h"
#include "RecordFormat.h"
#include "Windows1250.h"

#include <QTest>

namespace {

int indexOf(const char *name)
{
    return *FieldCatalogue::find(QString::fromLatin1(name));
}

QByteArray cp1250(const char *utf8)
{
    return Windows1250::encode(QString::fromUtf8(utf8));
}

// The output buffer as a load leaves it: the deciphered plaintext.
LineBuffer plaintext(const QList<QByteArray> &lines)
{
    LineBuffer buffer;
    buffer.add(RecordFormat::marker());
    for (const QByteArray &line : lines)
        buffer.add(line);
    return buffer;
}

} // namespace

class TestRecordFormat : public QObject
{
    Q_OBJECT
private:
    LineBuffer saved(const DeclarationData &declaration)
    {
        LineBuffer collection, output;
        RecordFormat::collect(declaration, collection, output);
        RecordFormat::filter(collection, output);
        return output;
    }

private slots:
    void markerIsNineBytes()
    {
        QCOMPARE(RecordFormat::marker(), cp1250("hajóskötő"));
        QCOMPARE(RecordFormat::marker().size(), 9);
    }

    void collectWalksComponentOrder()
    {
        InMemoryDeclaration f;
        LineBuffer collection, output;
        output.add("left over");
        RecordFormat::collect(f, collection, output);
        QCOMPARE(output.count(), 0);
        QCOMPARE(collection.count(), 8 + 100 + 40);
        QCOMPARE(collection.line(0), QByteArray("Edit1_"));
        QCOMPARE(collection.line(4), QByteArray("PBNumEdit1_0"));
        QCOMPARE(collection.line(5), QByteArray("AdvStringGrid1_[1,1]"));
        QCOMPARE(collection.line(14), QByteArray("AdvStringGrid1_[1,10]"));
        QCOMPARE(collection.line(15), QByteArray("AdvStringGrid1_[2,1]"));
        QCOMPARE(collection.line(44), QByteArray("AdvStringGrid1_[4,10]"));
        QCOMPARE(collection.line(45), QByteArray("Edit5_"));
        QCOMPARE(collection.line(49), QByteArray("PBNumEdit2_0"));
        QCOMPARE(collection.line(147), QByteArray("PBNumEdit100_0"));
    }

    void typicalPlaintext()
    {
        InMemoryDeclaration f;
        f.setText(indexOf("Edit1"), QStringLiteral("Kiss Anna"));
        f.setText(indexOf("PBNumEdit1"), QStringLiteral("1"));
        f.setCell(1, 1, QString::fromUtf8("Kiss Béla"));
        f.setCell(2, 1, QString::fromUtf8("Pécs"));
        f.setText(indexOf("Edit5"), QStringLiteral("123456789"));
        f.setText(indexOf("PBNumEdit2"), QStringLiteral("150000"));
        f.setText(indexOf("PBNumEdit10"), QStringLiteral("150000"));

        const LineBuffer out = saved(f);
        QCOMPARE(out.count(), 143);
        QCOMPARE(out.line(0), RecordFormat::marker());
        QCOMPARE(out.line(1), QByteArray("Edit1_Kiss Anna"));
        QCOMPARE(out.line(2), QByteArray("PBNumEdit1_1"));
        QCOMPARE(out.line(3), cp1250("AdvStringGrid1_[1,1]Kiss Béla"));
        QCOMPARE(out.line(4), QByteArray("AdvStringGrid1_[1,2]"));
        QCOMPARE(out.line(12), QByteArray("AdvStringGrid1_[1,10]"));
        QCOMPARE(out.line(13), cp1250("AdvStringGrid1_[2,1]Pécs"));
        QCOMPARE(out.line(43), QByteArray("Edit5_123456789"));
        QCOMPARE(out.line(44), QByteArray("PBNumEdit2_150000"));
        QCOMPARE(out.line(45), QByteArray("PBNumEdit3_0"));
        QCOMPARE(out.line(52), QByteArray("PBNumEdit10_150000"));
        QCOMPARE(out.line(142), QByteArray("PBNumEdit100_0"));
        QVERIFY(out.text().endsWith("PBNumEdit100_0\r\n"));
    }

    // A value goes and comes back exactly, a "$" in it included.
    void valueRoundTrip_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("restored");
        QTest::newRow("underscore") << QStringLiteral("A_B") << QByteArray("Edit1_A_B") << QStringLiteral("A_B");
        QTest::newRow("blanks only") << QStringLiteral("   ") << QByteArray("Edit1_   ") << QStringLiteral("   ");
        QTest::newRow("leading blanks") << QStringLiteral("  x ") << QByteArray("Edit1_  x ") << QStringLiteral("  x ");
        QTest::newRow("dollar") << QString::fromUtf8("Ár: 5$") << cp1250("Edit1_Ár: 5$") << QString::fromUtf8("Ár: 5$");
        QTest::newRow("dollars only") << QStringLiteral("$$") << QByteArray("Edit1_$$") << QStringLiteral("$$");
        QTest::newRow("brackets") << QStringLiteral("[1,2]x") << QByteArray("Edit1_[1,2]x") << QStringLiteral("[1,2]x");
    }
    void valueRoundTrip()
    {
        QFETCH(QString, value);
        QFETCH(QByteArray, line);
        QFETCH(QString, restored);
        InMemoryDeclaration source;
        source.setText(indexOf("Edit1"), value);
        const LineBuffer out = saved(source);
        QCOMPARE(out.line(1), line);

        InMemoryDeclaration target;
        RecordFormat::restore(out, target);
        QCOMPARE(target.text(indexOf("Edit1")), restored);
    }

    void cellKeepsDollarAndUnderscore()
    {
        InMemoryDeclaration source;
        source.setCell(3, 7, QStringLiteral("5$ _x_"));
        source.setText(indexOf("PBNumEdit47"), QStringLiteral("12,5"));
        const LineBuffer out = saved(source);
        InMemoryDeclaration target;
        target.setCell(3, 8, QStringLiteral("emptied by the load"));
        RecordFormat::restore(out, target);
        QCOMPARE(target.cell(3, 7), QStringLiteral("5$ _x_"));
        QCOMPARE(target.cell(3, 8), QString());
        QCOMPARE(target.text(indexOf("PBNumEdit47")), QStringLiteral("12,5"));
    }

    void multiLineValue()
    {
        InMemoryDeclaration source;
        source.setText(indexOf("Edit3"), QStringLiteral("first\nsecond"));
        const LineBuffer out = saved(source);
        QCOMPARE(out.line(1), QByteArray("Edit3_first"));
        QCOMPARE(out.line(2), QByteArray("$Edit3_second"));
        QCOMPARE(out.line(3), QByteArray("PBNumEdit1_0"));

        InMemoryDeclaration target;
        RecordFormat::restore(out, target);
        QCOMPARE(target.text(indexOf("Edit3")), QStringLiteral("second"));
    }

    void filterDropsEmptyLinesAndKeepsTheLastName()
    {
        LineBuffer collection, output;
        for (const char *line : {"Edit1_a", "", "x", "Edit2_", "y", "Foo_bar_baz", "z"})
            collection.add(line);
        RecordFormat::filter(collection, output);
        QCOMPARE(output.text(),
                 RecordFormat::marker() + "\r\nEdit1_a\r\n$Edit1_x\r\n$Edit1_y\r\nFoo_bar_baz\r\n$Foo_z\r\n");
    }

    void restoreAppliesInOrderAndByName()
    {
        InMemoryDeclaration f;
        f.setText(indexOf("Edit2"), QStringLiteral("kept"));
        f.setText(indexOf("Edit4"), QStringLiteral("kept too"));
        RecordFormat::restore(plaintext({"edit1_x", "y", "EDIT3_upper", "Edit4_", "PBNumEdit5_7"}), f);
        QCOMPARE(f.text(indexOf("Edit1")), QStringLiteral("y")); // completed as Edit1
        QCOMPARE(f.text(indexOf("Edit2")), QStringLiteral("kept"));
        QCOMPARE(f.text(indexOf("Edit3")), QStringLiteral("upper"));
        QCOMPARE(f.text(indexOf("Edit4")), QString());
        QCOMPARE(f.text(indexOf("PBNumEdit5")), QStringLiteral("7"));
    }

    void foreignLinesAreSkipped()
    {
        InMemoryDeclaration f;
        f.setText(indexOf("Edit1"), QStringLiteral("before"));
        RecordFormat::restore(plaintext({"no separator", "Edit2_two", "Unknown_value", "continued", "_empty name",
                                         "Edit10_x", "$Edit5_five"}),
                              f);
        QCOMPARE(f.text(indexOf("Edit1")), QStringLiteral("before"));
        QCOMPARE(f.text(indexOf("Edit2")), QStringLiteral("two"));
        QCOMPARE(f.text(indexOf("Edit5")), QStringLiteral("five"));
        for (int i = 0; i < int(FieldCatalogue::fields().size()); ++i) {
            const QString name = FieldCatalogue::fields()[i].name;
            if (name != QLatin1String("Edit2") && name != QLatin1String("Edit5") && name != QLatin1String("Edit1"))
                QVERIFY2(!f.text(i).contains(QLatin1String("continued")), qPrintable(name));
        }
    }

    void tablePositions_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("error");
        QTest::newRow("column not a number")
            << QByteArray("AdvStringGrid1_[x,1]t") << QStringLiteral("'x' is not a valid integer value");
        QTest::newRow("row not a number")
            << QByteArray("AdvStringGrid1_[1,1.5]t") << QStringLiteral("'1.5' is not a valid integer value");
        QTest::newRow("no comma") << QByteArray("AdvStringGrid1_[12]t")
                                  << QStringLiteral("'' is not a valid integer value");
        QTest::newRow("brackets reversed")
            << QByteArray("AdvStringGrid1_]1,1[t") << QStringLiteral("'' is not a valid integer value");
        QTest::newRow("outside the grid") << QByteArray("AdvStringGrid1_[9,99]t") << QString();
        QTest::newRow("header row") << QByteArray("AdvStringGrid1_[1,0]t") << QString();
        QTest::newRow("header column") << QByteArray("AdvStringGrid1_[0,1]t") << QString();
        QTest::newRow("negative") << QByteArray("AdvStringGrid1_[-1,1]t") << QString();
        QTest::newRow("no brackets") << QByteArray("AdvStringGrid1_t") << QString();
        QTest::newRow("overflow") << QByteArray("AdvStringGrid1_[99999999999,1]t")
                                  << QStringLiteral("'99999999999' is not a valid integer value");
    }
    void tablePositions()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, error);
        InMemoryDeclaration f;
        const QString header = f.cell(1, 0);
        const LineBuffer buffer = plaintext({"Edit1_before", line, "Edit2_after"});
        QCOMPARE(errorOf([&] { RecordFormat::restore(buffer, f); }), error);
        QCOMPARE(f.text(indexOf("Edit1")), QStringLiteral("before"));
        QCOMPARE(f.text(indexOf("Edit2")), error.isEmpty() ? QStringLiteral("after") : QString());
        QCOMPARE(f.cell(1, 0), header);
        QCOMPARE(f.cell(0, 1), QStringLiteral("1."));
        for (int c = 1; c < FieldCatalogue::TableColumns; ++c) {
            for (int r = 1; r < FieldCatalogue::TableRows; ++r)
                QCOMPARE(f.cell(c, r), QString());
        }
    }

    void tableLineSetsItsCell()
    {
        InMemoryDeclaration f;
        RecordFormat::restore(plaintext({"AdvStringGrid1_[4,10]last", "advstringgrid1_[+2,01]padded"}), f);
        QCOMPARE(f.cell(4, 10), QStringLiteral("last"));
        QCOMPARE(f.cell(2, 1), QStringLiteral("padded"));
    }

    void saveAndRestoreAFullForm()
    {
        InMemoryDeclaration source;
        const auto &fields = FieldCatalogue::fields();
        for (int i = 0; i < int(fields.size()); ++i) {
            if (fields[i].kind == FieldKind::Text)
                source.setText(i, QString::fromUtf8("érték %1 ő").arg(i));
            else if (fields[i].kind == FieldKind::Amount)
                source.setText(i, QString::number(i * 1000 + 1));
        }
        for (int c = 1; c < FieldCatalogue::TableColumns; ++c) {
            for (int r = 1; r < FieldCatalogue::TableRows; ++r)
                source.setCell(c, r, QStringLiteral("c%1r%2").arg(c).arg(r));
        }
        const LineBuffer out = saved(source);
        QCOMPARE(out.count(), 1 + 8 + 100 + 40);

        InMemoryDeclaration target;
        RecordFormat::restore(out, target);
        for (int i = 0; i < int(fields.size()); ++i)
            QCOMPARE(target.text(i), source.text(i));
        for (int c = 1; c < FieldCatalogue::TableColumns; ++c) {
            for (int r = 1; r < FieldCatalogue::TableRows; ++r)
                QCOMPARE(target.cell(c, r), source.cell(c, r));
        }
    }
};

QTEST_GUILESS_MAIN(TestRecordFormat)
#include "tst_recordformat.moc"
