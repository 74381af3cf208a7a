#include "CheckDigits.h"
#include "DeclarationForm.h"
#include "FieldCatalogue.h"
#include "Fonts.h"
#include "TForm1.h"
#include "TStringGrid.h"

#include <QAccessible>
#include <QAction>
#include <QHash>
#include <QMenuBar>
#include <QTest>
#include <memory>

namespace {
const QString WrongTaxNumber = QStringLiteral("12345678-1-42");
} // namespace

// Walks the main window's accessibility tree the way a screen reader does and checks what it
// would speak for every field, table cell and menu entry.
class TestAccessibility : public QObject
{
    Q_OBJECT

    std::unique_ptr<TForm1> m_form;
    QHash<QString, QString> m_spoken;  // what the walk met, by a key of the test's own, and its name
    QHash<QString, int> m_fieldVisits; // catalogue fields met in the tree, by name
    QStringList m_unnamed;             // things that should have a name and have none
    QStringList m_staticTexts;         // the captions and labels met, by their names
    int m_cells = 0, m_columnHeaders = 0, m_rowHeaders = 0, m_menuItems = 0, m_editables = 0;

    void requireName(const QString &what, const QString &name)
    {
        if (name.trimmed().isEmpty())
            m_unnamed << what;
    }

    void visitCell(QAccessibleInterface *cell)
    {
        QAccessibleTableCellInterface *place = cell->tableCellInterface();
        const QString key = QStringLiteral("cell %1,%2").arg(place->columnIndex() + 1).arg(place->rowIndex() + 1);
        const QString name = cell->text(QAccessible::Name);
        requireName(key, name);
        m_spoken[key] = name;
        QStringList headers;
        // Header cells are made for the asker, who hands them to the cache to delete them.
        for (QAccessibleInterface *header : place->columnHeaderCells() + place->rowHeaderCells()) {
            headers << header->text(QAccessible::Name);
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(header));
        }
        m_spoken[key + QStringLiteral(" headers")] = headers.join(u'|');
        ++m_cells;
    }

    void visit(QAccessibleInterface *node)
    {
        const QString name = node->text(QAccessible::Name);
        QObject *object = node->object();
        switch (node->role()) {
        case QAccessible::Cell:
            visitCell(node);
            break;
        case QAccessible::ColumnHeader:
            requireName(QStringLiteral("column header %1").arg(m_columnHeaders), name);
            m_spoken[QStringLiteral("column header %1").arg(++m_columnHeaders)] = name;
            break;
        case QAccessible::RowHeader:
            requireName(QStringLiteral("row header %1").arg(m_rowHeaders), name);
            m_spoken[QStringLiteral("row header %1").arg(++m_rowHeaders)] = name;
            break;
        case QAccessible::MenuItem:
            requireName(QStringLiteral("menu item %1").arg(m_menuItems++), name);
            m_spoken[QStringLiteral("menu ") + (object ? object->objectName() : QString())] = name;
            break;
        case QAccessible::StaticText:
            m_staticTexts << name;
            break;
        case QAccessible::EditableText:
            requireName(QStringLiteral("editable text ") + (object ? object->objectName() : QString()), name);
            ++m_editables;
            break;
        default:
            break;
        }
        if (object && object->isWidgetType() && FieldCatalogue::find(object->objectName())) {
            ++m_fieldVisits[object->objectName()];
            requireName(object->objectName(), name);
            m_spoken[object->objectName()] = name;
            m_spoken[object->objectName() + QStringLiteral(" description")] = node->text(QAccessible::Description);
        }
        for (int i = 0; i < node->childCount(); ++i) {
            if (QAccessibleInterface *child = node->child(i))
                visit(child);
        }
    }

private slots:
    void initTestCase()
    {
        Fonts::installLookAlikes();
        m_form = std::make_unique<TForm1>();
        m_form->showFillingWorkArea();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        // A wrong tax number written while its field lacks the focus, as a load writes it.
        m_form->findChild<DeclarationForm *>()->setText(*FieldCatalogue::find(u"Edit6"), WrongTaxNumber);
        // A screen reader starting while the window is up: the whole form is there to be read.
        QAccessible::setActive(true);
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_form.get());
        QVERIFY(window);
        visit(window);
    }

    void cleanupTestCase() { m_form.reset(); }

    void nothingEditableIsUnnamed() { QCOMPARE(m_unnamed, QStringList()); }

    // A field left out of the tree, or met twice, would change this count.
    void everyCatalogueFieldIsInTheTreeOnceWithAName()
    {
        const int fields = int(FieldCatalogue::fields().size());
        QCOMPARE(m_fieldVisits.size(), fields);
        for (auto it = m_fieldVisits.cbegin(); it != m_fieldVisits.cend(); ++it)
            QVERIFY2(it.value() == 1, qPrintable(it.key()));
        int named = 0;
        for (const FieldSpec &field : FieldCatalogue::fields())
            named += !m_spoken.value(field.name).isEmpty();
        QCOMPARE(named, fields);
        // The eight text fields and the hundred amount fields are the window's edit boxes.
        QCOMPARE(m_editables, fields - 1);
    }

    // Every caption, label and unit of the form, and the titles, is read as a static text.
    void everyCaptionIsReadAsStaticText()
    {
        QStringList expected;
        for (const TitleSpec &title : FieldCatalogue::titles())
            expected << title.text;
        for (const BoxSpec &box : FieldCatalogue::incomeGroups()) {
            if (box.subCaption)
                expected << box.subCaption->text;
        }
        for (const FieldSpec &field : FieldCatalogue::fields()) {
            for (const LabelSpec &label : field.labels)
                expected << label.text;
        }
        QStringList met = m_staticTexts;
        expected.sort();
        met.sort();
        QCOMPARE(met, expected);
    }

    void theTableExposesItsCellsAndHeaders()
    {
        QCOMPARE(m_cells, 40);
        QCOMPARE(m_columnHeaders, 4);
        QCOMPARE(m_rowHeaders, 10);
    }

    void theMenuEntriesAreNamedByTheirCaptions()
    {
        const QList<QAction *> actions = m_form->menuBar()->actions();
        QCOMPARE(m_menuItems, actions.size());
        for (QAction *action : actions)
            QCOMPARE(m_spoken.value(QStringLiteral("menu ") + action->objectName()), action->text());
    }

    void spokenNames_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");
        QTest::newRow("text field") << "Edit2" << QString::fromUtf8("Leánykori név");
        QTest::newRow("household count") << "PBNumEdit1"
                                         << QString::fromUtf8(
                                                "Az igénylővel egy háztartásban élő közeli hozzátartozók száma");
        QTest::newRow("applicant's income")
            << "PBNumEdit11"
            << QString::fromUtf8("Társas és egyéni vállalkozásból származó jövedelem – Kérelmező jövedelme");
        QTest::newRow("member row") << "PBNumEdit66" << QString::fromUtf8("Egyéb – a.,");
        QTest::newRow("total") << "PBNumEdit73" << QString::fromUtf8("Egyéb – Összesen");
        QTest::newRow("table") << "AdvStringGrid1"
                               << QString::fromUtf8("Az igénylővel egy háztartásban élő közeli hozzátartozók adatai");
        QTest::newRow("column header") << "column header 1" << QString::fromUtf8("Név");
        QTest::newRow("last column header") << "column header 4" << QStringLiteral("Anyja neve");
        QTest::newRow("row header") << "row header 3" << QStringLiteral("3.");
        QTest::newRow("last row header") << "row header 10" << QStringLiteral("10.");
        QTest::newRow("empty cell") << "cell 2,3" << QString::fromUtf8("Születési hely – 3.");
        QTest::newRow("cell headers") << "cell 2,3 headers" << QString::fromUtf8("Születési hely|3.");
        QTest::newRow("sub-caption as description")
            << "PBNumEdit40 description"
            << QString::fromUtf8("(GYED, GYES, GYET, családi pótlék, gyermektartásdíj, stb.)");
        QTest::newRow("no sub-caption, no description") << "PBNumEdit30 description" << QString();
        QTest::newRow("check-digit hint as description")
            << "Edit6 description" << CheckDigits::taxNumberHint(WrongTaxNumber);
        QTest::newRow("no hint, no description") << "Edit5 description" << QString();
        QTest::newRow("menu entry") << "menu Kilps1" << QString::fromUtf8("Kilépés");
        QTest::newRow("menu entry with accents") << "menu Kitltsmentse1" << QString::fromUtf8("Űrlap mentése");
    }
    void spokenNames()
    {
        QFETCH(QString, key);
        QFETCH(QString, name);
        QVERIFY2(m_spoken.contains(key), qPrintable(key));
        QCOMPARE(m_spoken.value(key), name);
    }

    // What is typed into a cell is what the cell says; its place stays in the description.
    void aFilledCellSpeaksItsText()
    {
        TStringGrid *grid = m_form->findChild<DeclarationForm *>()->grid();
        grid->setCell(1, 2, QString::fromUtf8("Kiss Ödön"));
        QAccessibleInterface *cell = QAccessible::queryAccessibleInterface(grid)->tableInterface()->cellAt(1, 0);
        QCOMPARE(cell->text(QAccessible::Name), QString::fromUtf8("Kiss Ödön"));
        QCOMPARE(cell->text(QAccessible::Description), QString::fromUtf8("Név – 2."));
        grid->setCell(1, 2, QString());
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
