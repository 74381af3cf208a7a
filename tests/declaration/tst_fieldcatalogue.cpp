#include "FieldCatalogue.h"

#include <QTest>

class TestFieldCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void componentOrder()
    {
        QStringList expected = {"Edit1",          "Edit2", "Edit3", "Edit4", "PBNumEdit1",
                                "AdvStringGrid1", "Edit5", "Edit6", "Edit7", "Edit8"};
        for (int n = 2; n <= 100; ++n)
            expected << QStringLiteral("PBNumEdit%1").arg(n);
        QStringList names;
        for (const FieldSpec &field : FieldCatalogue::fields())
            names << field.name;
        QCOMPARE(names, expected);
    }

    void kindsAndGroups()
    {
        int text = 0, amount = 0, table = 0;
        for (const FieldSpec &field : FieldCatalogue::fields()) {
            text += field.kind == FieldKind::Text;
            amount += field.kind == FieldKind::Amount;
            table += field.kind == FieldKind::Table;
            // Text and amount fields in the window's base font, the table in its cells' font.
            QCOMPARE(field.font.family, field.kind == FieldKind::Table ? "Tahoma" : "MS Sans Serif");
            QCOMPARE(field.font.pixelHeight, 11);
        }
        QCOMPARE(text, 8);
        QCOMPARE(amount, 100);
        QCOMPARE(table, 1);
        for (int g = 1; g <= FieldCatalogue::GroupCount; ++g) {
            for (int p = 1; p <= FieldCatalogue::GroupPositions; ++p) {
                const FieldSpec &field = FieldCatalogue::fields()[FieldCatalogue::amountIndex(g, p)];
                QCOMPARE(field.name, QStringLiteral("PBNumEdit%1").arg(9 * g - 7 + p - 1));
                QCOMPARE(field.group, g);
                QCOMPARE(field.position, p);
                QCOMPARE(field.section, g <= 8 ? 2 : 3);
                QCOMPARE(field.tabOrder < 0, p == FieldCatalogue::TotalPosition);
            }
        }
        QCOMPARE(FieldCatalogue::fields()[FieldCatalogue::tableIndex()].kind, FieldKind::Table);
    }

    void groupRowsFollowTheSubCaption_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("firstRowY");
        QTest::addColumn<int>("totalY");
        QTest::newRow("group 4, no sub-caption") << 4 << 32 << 96;
        QTest::newRow("group 5, sub-caption") << 5 << 56 << 120;
        QTest::newRow("group 6, sub-caption") << 6 << 56 << 120;
        QTest::newRow("group 8, sub-caption") << 8 << 56 << 120;
        QTest::newRow("group 11") << 11 << 32 << 96;
    }
    void groupRowsFollowTheSubCaption()
    {
        QFETCH(int, group);
        QFETCH(int, firstRowY);
        QFETCH(int, totalY);
        const auto &fields = FieldCatalogue::fields();
        QCOMPARE(fields[FieldCatalogue::amountIndex(group, 1)].geometry, QRect(168, firstRowY, 100, 21));
        QCOMPARE(fields[FieldCatalogue::amountIndex(group, 8)].geometry.y(), firstRowY + 7 * 24);
        QCOMPARE(fields[FieldCatalogue::amountIndex(group, 9)].geometry, QRect(456, totalY, 100, 21));
    }

    void captionsAreExact_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QPoint>("captionPos");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Edit1") << "Edit1" << QString::fromUtf8("Igénylő neve:") << QPoint(24, 48)
                               << QRect(128, 48, 561, 21);
        QTest::newRow("Edit3") << "Edit3" << QString::fromUtf8("Az igénylő bejelentett lakóhelyének címe:")
                               << QPoint(24, 112) << QRect(128, 136, 561, 21);
        QTest::newRow("Edit5") << "Edit5" << QString::fromUtf8("TAJ száma:") << QPoint(24, 224)
                               << QRect(128, 224, 201, 21);
        QTest::newRow("Edit7") << "Edit7"
                               << QString::fromUtf8(
                                      "Ha az ellátást igénylő nem cselekvőképes, a törvényes képviselő neve:")
                               << QPoint(24, 288) << QRect(128, 312, 561, 21);
        QTest::newRow("PBNumEdit1, trailing blank")
            << "PBNumEdit1" << QString::fromUtf8("Az igénylővel egy háztartásban élő közeli hozzátartozók száma: ")
            << QPoint(24, 400) << QRect(440, 400, 57, 21);
    }
    void captionsAreExact()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QPoint, captionPos);
        QFETCH(QRect, geometry);
        const FieldSpec &field = FieldCatalogue::fields()[*FieldCatalogue::find(name)];
        QCOMPARE(field.caption, caption);
        QCOMPARE(field.labels.front().text, caption);
        QCOMPARE(field.labels.front().pos, captionPos);
        QCOMPARE(field.geometry, geometry);
    }

    void labelsBesideTheirFields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("pos");
        QTest::newRow("PBNumEdit1, unit") << "PBNumEdit1" << 1 << QString::fromUtf8("fő") << QPoint(504, 400);
        QTest::newRow("first row") << "PBNumEdit2" << 0 << QString::fromUtf8("Kérelmező jövedelme:") << QPoint(16, 32);
        QTest::newRow("first row, unit") << "PBNumEdit2" << 1 << "Ft." << QPoint(272, 32);
        QTest::newRow("row a., under a sub-caption") << "PBNumEdit48" << 0 << "a.," << QPoint(144, 80);
        QTest::newRow("total") << "PBNumEdit10" << 0 << QString::fromUtf8("Összesen:") << QPoint(376, 96);
        QTest::newRow("total, unit") << "PBNumEdit10" << 1 << "Ft." << QPoint(560, 96);
    }
    void labelsBesideTheirFields()
    {
        QFETCH(QString, name);
        QFETCH(int, label);
        QFETCH(QString, text);
        QFETCH(QPoint, pos);
        const FieldSpec &field = FieldCatalogue::fields()[*FieldCatalogue::find(name)];
        QCOMPARE(field.labels.size(), size_t(2));
        QCOMPARE(field.labels[label].text, text);
        QCOMPARE(field.labels[label].pos, pos);
    }

    void boxesAndPanels()
    {
        const BoxSpec &table = FieldCatalogue::tableBox();
        QCOMPARE(table.caption, QString::fromUtf8("Az igénylővel egy háztartásban élő közeli hozzátartozók adatai:"));
        QCOMPARE(table.geometry, QRect(24, 440, 665, 297));
        QCOMPARE(FieldCatalogue::fields()[FieldCatalogue::tableIndex()].caption, table.caption);
        QVERIFY(FieldCatalogue::fields()[FieldCatalogue::tableIndex()].labels.empty());
        QCOMPARE(FieldCatalogue::incomeGroups()[5].geometry, QRect(16, 1312, 673, 257));
        QCOMPARE(FieldCatalogue::incomeGroups()[5].subCaption->pos, QPoint(16, 24));
        QCOMPARE(FieldCatalogue::incomeGroups()[5].subCaption->style, LabelStyle::SubCaption);
        const auto &sections = FieldCatalogue::sections();
        QCOMPARE(int(sections.size()), 3);
        QCOMPARE(sections[1].panel, QStringLiteral("Panel3"));
        QCOMPARE(sections[1].bar, QStringLiteral("HeaderFill2"));
        QCOMPARE(sections[1].geometry, QRect(24, 840, 705, 2105));
        QCOMPARE(sections[2].caption, QString::fromUtf8("     III. JÖVEDELMI ADATOK - ADÓK ÉS JÁRULÉKOK"));
        // Every section's boxes lie inside its panel, below its header bar.
        for (const BoxSpec &box : FieldCatalogue::incomeGroups()) {
            const QRect panel(QPoint(), sections[box.section - 1].geometry.size());
            QVERIFY(panel.contains(box.geometry));
            QVERIFY(box.geometry.top() > sections[box.section - 1].barGeometry.bottom());
        }
    }

    void groupCaptions()
    {
        const auto &groups = FieldCatalogue::incomeGroups();
        QCOMPARE(int(groups.size()), 11);
        QCOMPARE(groups[0].caption,
                 QString::fromUtf8(
                     "Munkaviszonyból, munkavégzésre irányuló egyéb jogviszonyból származó jövedelem, táppénz"));
        QCOMPARE(groups[5].subCaption->text,
                 QString::fromUtf8("(munkanélküli járadék, rendszeres szociális és nevelési segély, "
                                   "jövedelempótló támogatások, stb.)"));
        QCOMPARE(groups[7].caption, QStringLiteral("Egyéb"));
        QCOMPARE(groups[10].caption, QString::fromUtf8("Munkavállalói járulék összege"));
        QCOMPARE(groups[10].number, 12);
        QVERIFY(!groups[3].subCaption);
    }

    void findByName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::newRow("exact") << "Edit1" << 0;
        QTest::newRow("lower case") << "edit1" << 0;
        QTest::newRow("upper case") << "EDIT1" << 0;
        QTest::newRow("mixed") << "pbnumEDIT100" << 108;
        QTest::newRow("table") << "advstringgrid1" << 5;
        QTest::newRow("unknown") << "Edit9" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("prefix only") << "PBNumEdit" << -1;
        QTest::newRow("trailing blank") << "Edit1 " << -1;
        QTest::newRow("accented letters are not folded") << QString::fromUtf8("Édit1") << -1;
    }
    void findByName()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QCOMPARE(FieldCatalogue::find(name).value_or(-1), index);
    }
};

QTEST_GUILESS_MAIN(TestFieldCatalogue)
#include "tst_fieldcatalogue.moc"
