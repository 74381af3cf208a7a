#include "AmountFieldTesting.h"
#include "DeclarationForm.h"
#include "FieldCatalogue.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {
int input(int group, int row)
{
    return FieldCatalogue::amountIndex(group, row + 1);
}

int total(int group)
{
    return FieldCatalogue::amountIndex(group, FieldCatalogue::TotalPosition);
}
} // namespace

class TestLiveTotals : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QWidget> m_window;
    DeclarationForm *m_form = nullptr;
    QStringList m_errors;
    const AmountFieldTesting::HungarianCapturingErrors m_plumbing{m_errors};

    TNumEdit *field(int index) const { return m_form->numEdit(index); }

    static void focusWithText(TNumEdit *edit, const QString &text)
    {
        AmountFieldTesting::focusWithText(edit, text, int(text.size()));
    }

private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        m_window->resize(720, 2200);
        auto *panel2 = new QWidget(m_window.get());
        auto *panel3 = new QWidget(m_window.get());
        auto *panel4 = new QWidget(m_window.get());
        panel2->setGeometry(0, 0, 720, 800);
        panel3->setGeometry(0, 0, 720, 2200);
        panel4->setGeometry(0, 0, 720, 800);
        m_form = new DeclarationForm(panel2, panel3, panel4, m_window.get());
        QVERIFY(AmountFieldTesting::showActive(m_window.get()));
        m_errors.clear();
    }

    void cleanup() { m_window.reset(); }

    void totalsStartAtZero()
    {
        for (int g = 1; g <= FieldCatalogue::GroupCount; ++g) {
            QCOMPARE(field(total(g))->Text(), QString("0"));
            QVERIFY(!field(total(g))->isEnabled());
        }
    }

    void totalFollowsEveryKeystroke()
    {
        TNumEdit *row0 = field(input(1, 0));
        focusWithText(row0, "0");
        QStringList totals;
        connect(row0, &TNumEdit::OnChange, this, [&] { totals.append(field(total(1))->Text()); });
        QTest::keyClicks(row0, "100");
        QCOMPARE(totals, (QStringList{"1", "10", "100"}));
    }

    void totalFollowsDeletion()
    {
        focusWithText(field(input(1, 0)), "100");
        TNumEdit *rowC = field(input(1, 3));
        focusWithText(rowC, "50");
        QCOMPARE(field(total(1))->Text(), QString("150"));
        rowC->selectAll();
        QTest::keyClick(rowC, Qt::Key_Delete);
        QCOMPARE(rowC->Text(), QString("0"));
        QCOMPARE(field(total(1))->Text(), QString("100"));
    }

    void sums_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0,1 + 0,2") << 2 << QStringList{"0,1", "0,2"} << "0,3";
        QTest::newRow("negative") << 4 << QStringList{"1000", "-500"} << "500";
        QTest::newRow("2^53 + 1 plus 1") << 6 << QStringList{"9007199254740993", "1"} << "9007199254740994";
        const QString p = "200000000000000000";
        QTest::newRow("eight times 2e17") << 11 << QStringList{p, p, p, p, p, p, p, p} << "1,6E18";
    }
    void sums()
    {
        QFETCH(int, group);
        QFETCH(QStringList, inputs);
        QFETCH(QString, shown);
        // Typed into the fields, key by key.
        for (int row = 0; row < inputs.size(); ++row) {
            TNumEdit *edit = field(input(group, row));
            focusWithText(edit, "0");
            edit->selectAll();
            QTest::keyClicks(edit, inputs[row]);
            QCOMPARE(edit->Text(), inputs[row]);
        }
        QCOMPARE(field(total(group))->Text(), shown);
        QVERIFY(m_errors.isEmpty());
    }

    void otherTotalsStayUntouched()
    {
        QSignalSpy totalChanges(field(total(2)), &TNumEdit::OnChange);
        QSignalSpy group1Changes(field(total(1)), &TNumEdit::OnChange);
        field(input(3, 5))->setText("42");
        QCOMPARE(field(total(3))->Text(), QString("42"));
        QCOMPARE(totalChanges.count(), 0);
        // The household count belongs to no group.
        field(4)->setText("3");
        QCOMPARE(group1Changes.count(), 0);
        for (int g = 1; g <= FieldCatalogue::GroupCount; ++g) {
            if (g != 3)
                QCOMPARE(field(total(g))->Text(), QString("0"));
        }
    }

    void writingTheTotalRunsNoHandler()
    {
        field(total(5))->setText("999");
        QCOMPARE(field(total(5))->Text(), QString("999"));
        field(input(5, 0))->setText("1");
        QCOMPARE(field(total(5))->Text(), QString("1"));
    }

    void badTextStopsTheTotal()
    {
        field(input(7, 0))->setText("5");
        QCOMPARE(field(total(7))->Text(), QString("5"));
        field(input(7, 4))->setText("E"); // as a load writes it
        QCOMPARE(m_errors, QStringList{"'E' is not a valid floating point value"});
        QCOMPARE(field(total(7))->Text(), QString("5"));

        // Every change in the group names the same input, the first in row order that fails.
        field(input(7, 6))->setText("x");
        field(input(7, 1))->setText("2");
        QCOMPARE(m_errors.size(), 3);
        QCOMPARE(m_errors.last(), QString("'E' is not a valid floating point value"));
        QCOMPARE(field(total(7))->Text(), QString("5"));

        field(input(7, 6))->setText("3");
        QCOMPARE(m_errors.last(), QString("'E' is not a valid floating point value"));
        field(input(7, 4))->setText("10");
        QCOMPARE(field(total(7))->Text(), QString("20"));
        QCOMPARE(m_errors.size(), 4);
    }

    void focusExitReformatsAndTotalStays()
    {
        TNumEdit *row0 = field(input(8, 0));
        focusWithText(row0, "1,50");
        QCOMPARE(field(total(8))->Text(), QString("1,5"));
        QSignalSpy totalChanges(field(total(8)), &TNumEdit::OnChange);
        QSignalSpy inputChanges(row0, &TNumEdit::OnChange);
        field(input(8, 1))->setFocus(Qt::TabFocusReason);
        QCOMPARE(row0->Text(), QString("1,5"));
        QCOMPARE(inputChanges.count(), 1);
        QCOMPARE(totalChanges.count(), 0);
        QCOMPARE(field(total(8))->Text(), QString("1,5"));
    }

    void totalsTakeNoTyping()
    {
        TNumEdit *totalField = field(total(1));
        QCOMPARE(totalField->focusPolicy(), Qt::NoFocus);
        QTest::mouseClick(totalField, Qt::LeftButton);
        QVERIFY(!totalField->hasFocus());
        QTest::keyClicks(totalField, "12");
        QCOMPARE(totalField->Text(), QString("0"));
        QCOMPARE(totalField->palette().color(QPalette::Disabled, QPalette::Base), QColor(0xF0, 0xF0, 0xF0));
    }
};

QTEST_MAIN(TestLiveTotals)
#include "tst_livetotals.moc"
