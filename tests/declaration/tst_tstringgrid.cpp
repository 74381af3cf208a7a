#include "TStringGrid.h"

#include <QAccessible>
#include <QHeaderView>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTest>
#include <memory>

namespace {

const char *const Headers[] = {"", "Név", "Születési hely", "Szül. ideje", "Anyja neve"};

} // namespace

class TestTStringGrid : public QObject
{
    Q_OBJECT

    std::unique_ptr<TStringGrid> m_grid;

private slots:
    void init()
    {
        m_grid = std::make_unique<TStringGrid>();
        m_grid->resize(649, 250);
        m_grid->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_grid.get()));
    }

    void cleanup() { m_grid.reset(); }

    void headersAreHeaderSectionsNotCells()
    {
        QCOMPARE(m_grid->columnCount(), TStringGrid::ColCount - 1);
        QCOMPARE(m_grid->rowCount(), TStringGrid::RowCount - 1);
        QVERIFY(m_grid->horizontalHeader()->isVisible());
        QVERIFY(m_grid->verticalHeader()->isVisible());
        for (int c = 1; c < TStringGrid::ColCount; ++c)
            QCOMPARE(m_grid->model()->headerData(c - 1, Qt::Horizontal).toString(), QString::fromUtf8(Headers[c]));
        for (int r = 1; r < TStringGrid::RowCount; ++r)
            QCOMPARE(m_grid->model()->headerData(r - 1, Qt::Vertical).toString(), QStringLiteral("%1.").arg(r));
    }

    void sizesInPixels()
    {
        QCOMPARE(m_grid->verticalHeader()->width(), 20);
        QCOMPARE(m_grid->horizontalHeader()->height(), 36);
        const int widths[] = {202, 129, 106, 186};
        for (int c = 0; c < 4; ++c)
            QCOMPARE(m_grid->columnWidth(c), widths[c]);
        for (int r = 0; r < 10; ++r)
            QCOMPARE(m_grid->rowHeight(r), 21);
    }

    void cellsAreAddressedColumnFirstWithHeadersAtZero()
    {
        for (int c = 0; c < TStringGrid::ColCount; ++c)
            QCOMPARE(m_grid->cell(c, 0), QString::fromUtf8(Headers[c]));
        for (int r = 1; r < TStringGrid::RowCount; ++r) {
            QCOMPARE(m_grid->cell(0, r), QStringLiteral("%1.").arg(r));
            for (int c = 1; c < TStringGrid::ColCount; ++c)
                QVERIFY(m_grid->cell(c, r).isEmpty());
        }
        m_grid->setCell(1, 3, QString::fromUtf8(" Kovács Ödön "));
        m_grid->setCell(4, 10, QStringLiteral("Nagy Anna"));
        QCOMPARE(m_grid->cell(1, 3), QString::fromUtf8(" Kovács Ödön "));
        QCOMPARE(m_grid->item(2, 0)->text(), QString::fromUtf8(" Kovács Ödön "));
        QCOMPARE(m_grid->cell(4, 10), QStringLiteral("Nagy Anna"));
        QCOMPARE(m_grid->item(9, 3)->text(), QStringLiteral("Nagy Anna"));
    }

    void headerAndOutOfRangeWritesChangeNothing_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::newRow("column header") << 1 << 0;
        QTest::newRow("row number") << 0 << 4;
        QTest::newRow("corner") << 0 << 0;
        QTest::newRow("beyond the last column") << 5 << 1;
        QTest::newRow("beyond the last row") << 1 << 11;
        QTest::newRow("negative") << -1 << -1;
    }
    void headerAndOutOfRangeWritesChangeNothing()
    {
        QFETCH(int, column);
        QFETCH(int, row);
        const QString before = m_grid->cell(column, row);
        m_grid->setCell(column, row, QStringLiteral("x"));
        QCOMPARE(m_grid->cell(column, row), before);
        for (int c = 1; c < TStringGrid::ColCount; ++c) {
            for (int r = 1; r < TStringGrid::RowCount; ++r)
                QVERIFY(m_grid->cell(c, r).isEmpty());
        }
    }

    void currentCellStartsAtTheFirstDataCellAndStaysInTheData()
    {
        QCOMPARE(m_grid->currentCellColumn(), 1);
        QCOMPARE(m_grid->currentCellRow(), 1);
        m_grid->setFocus();
        QTest::keyClick(m_grid.get(), Qt::Key_Up);
        QTest::keyClick(m_grid.get(), Qt::Key_Left);
        QCOMPARE(m_grid->currentCellColumn(), 1);
        QCOMPARE(m_grid->currentCellRow(), 1);
        m_grid->stepCurrentRow(-1);
        QCOMPARE(m_grid->currentCellRow(), 1);
        m_grid->stepCurrentRow(4);
        QCOMPARE(m_grid->currentCellRow(), 5);
        m_grid->setCurrentCellAt(4, 9);
        m_grid->stepCurrentRow(3);
        QCOMPARE(m_grid->currentCellColumn(), 4);
        QCOMPARE(m_grid->currentCellRow(), 10);
    }

    void theCellEditorIsNamedAfterItsCell()
    {
        m_grid->setCurrentCellAt(4, 7);
        m_grid->setFocus();
        QTest::keyClick(m_grid.get(), Qt::Key_N, Qt::NoModifier);
        auto *editor = m_grid->findChild<QLineEdit *>();
        QVERIFY(editor && editor->isVisible());
        QCOMPARE(editor->accessibleName(), QString::fromUtf8("Anyja neve – 7."));
        QCOMPARE(m_grid->cell(4, 7), QStringLiteral("n"));
    }

    // Clicking a header selects nothing and leaves the current cell where it was.
    void headersCannotBeClicked()
    {
        m_grid->setCurrentCellAt(2, 4);
        QHeaderView *columns = m_grid->horizontalHeader();
        QTest::mouseClick(columns->viewport(), Qt::LeftButton, {}, QPoint(columns->sectionPosition(0) + 5, 10));
        QHeaderView *rows = m_grid->verticalHeader();
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, QPoint(5, rows->sectionPosition(6) + 5));
        QCOMPARE(m_grid->currentCellColumn(), 2);
        QCOMPARE(m_grid->currentCellRow(), 4);
        QCOMPARE(m_grid->selectedItems().size(), 1);
    }

    void cellsTellTheirPlaceToAScreenReader_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("empty cell") << 1 << 3 << QString() << QString::fromUtf8("Név – 3.")
                                    << QString::fromUtf8("Név – 3.");
        QTest::newRow("filled cell") << 3 << 10 << QStringLiteral("2001.01.02") << QStringLiteral("2001.01.02")
                                     << QString::fromUtf8("Szül. ideje – 10.");
    }
    void cellsTellTheirPlaceToAScreenReader()
    {
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(QString, name);
        QFETCH(QString, description);
        m_grid->setCell(column, row, text);
        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(m_grid.get());
        QVERIFY(table && table->tableInterface());
        QCOMPARE(table->tableInterface()->rowCount(), 10);
        QCOMPARE(table->tableInterface()->columnCount(), 4);
        QAccessibleInterface *cell = table->tableInterface()->cellAt(row - 1, column - 1);
        QVERIFY(cell && cell->tableCellInterface());
        QCOMPARE(cell->text(QAccessible::Name), name);
        QCOMPARE(cell->text(QAccessible::Description), description);
        const QList<QAccessibleInterface *> columnHeaders = cell->tableCellInterface()->columnHeaderCells();
        const QList<QAccessibleInterface *> rowHeaders = cell->tableCellInterface()->rowHeaderCells();
        // Header cells are made for the asker, who hands them to the cache to delete them.
        const auto deleteHeaders = qScopeGuard([&] {
            for (QAccessibleInterface *header : columnHeaders + rowHeaders)
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(header));
        });
        QCOMPARE(columnHeaders.size(), 1);
        QCOMPARE(rowHeaders.size(), 1);
        QCOMPARE(columnHeaders[0]->text(QAccessible::Name), QString::fromUtf8(Headers[column]));
        QCOMPARE(rowHeaders[0]->text(QAccessible::Name), QStringLiteral("%1.").arg(row));
    }
};

QTEST_MAIN(TestTStringGrid)
#include "tst_tstringgrid.moc"
