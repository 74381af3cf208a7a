#include "FieldCatalogue.h"

#include <QHash>
#include <algorithm>

namespace FieldCatalogue {

namespace {

// Text and amount fields use the window's base font; the table's data cells are in Tahoma.
const FieldFont BaseFont{QStringLiteral("MS Sans Serif"), 11};

FieldSpec textField(int n, int tab, QRect geometry, const char *text, QPoint captionPos)
{
    const LabelSpec label{QString::fromUtf8(text), captionPos};
    return {.name = QStringLiteral("Edit%1").arg(n),
            .kind = FieldKind::Text,
            .section = 1,
            .tabOrder = tab,
            .geometry = geometry,
            .caption = label.text,
            .labels = {label},
            .font = BaseFont};
}

// A group's inputs stand in one column under its first row, the total to their right at the
// height of the fourth; each has its row label to the left and "Ft." to the right.
FieldSpec groupField(int group, int position, int tab)
{
    const BoxSpec &box = incomeGroups()[group - 1];
    const int firstRowY = box.subCaption ? 56 : 32;
    const bool total = position == TotalPosition;
    const QRect geometry =
        total ? QRect(456, firstRowY + 64, 100, 21) : QRect(168, firstRowY + 24 * (position - 1), 100, 21);
    const int labelX = total ? 376 : position == 1 ? 16 : 144;
    const int unitX = total ? 560 : 272;
    return {.name = QStringLiteral("PBNumEdit%1").arg(9 * group - 7 + position - 1),
            .kind = FieldKind::Amount,
            .section = box.section,
            .group = group,
            .position = position,
            .tabOrder = total ? -1 : tab,
            .geometry = geometry,
            .labels = {{rowLabel(position), {labelX, geometry.y()}}, {QStringLiteral("Ft."), {unitX, geometry.y()}}},
            .font = BaseFont};
}

std::vector<FieldSpec> buildFields()
{
    const QRect wide(128, 0, 561, 21), narrow(128, 0, 201, 21);
    const auto at = [](QRect r, int y) { return r.translated(0, y); };
    const LabelSpec peopleCaption = {
        QString::fromUtf8("Az igénylővel egy háztartásban élő közeli hozzátartozók száma: "), {24, 400}};

    std::vector<FieldSpec> fields = {
        textField(1, 0, at(wide, 48), "Igénylő neve:", {24, 48}),
        textField(2, 1, at(wide, 72), "Leánykori név:", {24, 72}),
        textField(3, 2, at(wide, 136), "Az igénylő bejelentett lakóhelyének címe:", {24, 112}),
        textField(4, 3, at(wide, 184), "Az igénylő tartózkodási helyének címe:", {24, 160}),
        {.name = QStringLiteral("PBNumEdit1"),
         .kind = FieldKind::Amount,
         .section = 1,
         .tabOrder = 6,
         .geometry = QRect(440, 400, 57, 21),
         .caption = peopleCaption.text,
         .labels = {peopleCaption, {QString::fromUtf8("fő"), {504, 400}}},
         .font = BaseFont},
        {.name = QStringLiteral("AdvStringGrid1"),
         .kind = FieldKind::Table,
         .section = 1,
         .tabOrder = 7,
         .geometry = QRect(8, 31, 649, 250),
         .caption = tableBox().caption,
         .font = {QStringLiteral("Tahoma"), 11}},
        textField(5, 4, at(narrow, 224), "TAJ száma:", {24, 224}),
        textField(6, 5, at(narrow, 248), "Adószáma:", {24, 248}),
        textField(7, 8, at(wide, 312),
                  "Ha az ellátást igénylő nem cselekvőképes, a törvényes képviselő neve:", {24, 288}),
        textField(8, 9, at(wide, 360), "A törvényes képviselő bejelentett lakóhelyének címe:", {24, 336}),
    };

    int tab = 10;
    for (int g = 1; g <= GroupCount; ++g) {
        for (int p = 1; p <= GroupPositions; ++p) {
            fields.push_back(groupField(g, p, tab));
            tab += p != TotalPosition;
        }
    }
    return fields;
}

} // namespace

const std::vector<BoxSpec> &incomeGroups()
{
    // Every income group's box spans the section panel's width less its margins.
    const auto group = [](int number, int section, int y, int height, const char *text, const char *subCaption = "") {
        BoxSpec box{number, section, QRect(16, y, 673, height), QString::fromUtf8(text), std::nullopt};
        if (*subCaption)
            box.subCaption = LabelSpec{QString::fromUtf8(subCaption), {16, 24}, LabelStyle::SubCaption};
        return box;
    };
    static const std::vector<BoxSpec> groups = {
        group(2, 2, 40, 233, "Munkaviszonyból, munkavégzésre irányuló egyéb jogviszonyból származó jövedelem, táppénz"),
        group(3, 2, 288, 233, "Társas és egyéni vállalkozásból származó jövedelem"),
        group(4, 2, 536, 233,
              "Ingatlan, ingó vagyontárgyak értékesítéséből, vagyoni értékű jog átruházásából származó jövedelem"),
        group(5, 2, 784, 233, "Nyugellátás, baleseti nyugellátás, egyéb nyugdíjszerű ellátások"),
        group(6, 2, 1040, 257, "A gyermek ellátásához és gondozásához kapcsolódó támogatások",
              "(GYED, GYES, GYET, családi pótlék, gyermektartásdíj, stb.)"),
        group(7, 2, 1312, 257, "Önkormányzati és munkaügyi szervek által folyósított rendszeres pénzbeli ellátás",
              "(munkanélküli járadék, rendszeres szociális és nevelési segély, jövedelempótló támogatások, stb.)"),
        group(8, 2, 1584, 233, "Föld bérbeadásából származó jövedelem"),
        group(9, 2, 1832, 257, "Egyéb", "(ösztöndíj, értékpapírból származó jövedelem, kis összegű kifizetések, stb.)"),
        group(10, 3, 40, 233, "Személyi jövedelemadó, vagy előleg összege"),
        group(11, 3, 288, 233, "Egészségbiztosítási és nyugdíjjárulék összege"),
        group(12, 3, 536, 233, "Munkavállalói járulék összege"),
    };
    return groups;
}

const BoxSpec &tableBox()
{
    static const BoxSpec box{.number = 1,
                             .section = 1,
                             .geometry = QRect(24, 440, 665, 297),
                             .caption =
                                 QString::fromUtf8("Az igénylővel egy háztartásban élő közeli hozzátartozók adatai:")};
    return box;
}

const std::vector<FieldSpec> &fields()
{
    static const std::vector<FieldSpec> catalogue = buildFields();
    return catalogue;
}

const std::vector<SectionSpec> &sections()
{
    const auto section = [](int number, int y, int height, const char *caption) {
        return SectionSpec{QStringLiteral("Panel%1").arg(number + 1), QStringLiteral("HeaderFill%1").arg(number),
                           QRect(24, y, 705, height), QRect(1, 0, 703, 27), QString::fromUtf8(caption)};
    };
    static const std::vector<SectionSpec> all = {
        section(1, 64, 753, "    I. SZEMÉLYI ADATOK"),
        section(2, 840, 2105, "     II. JÖVEDELMI ADATOK"),
        section(3, 2968, 785, "     III. JÖVEDELMI ADATOK - ADÓK ÉS JÁRULÉKOK"),
    };
    return all;
}

const std::vector<TitleSpec> &titles()
{
    static const std::vector<TitleSpec> all = {
        {QStringLiteral("Label9"), QString::fromUtf8("JÖVEDELEMNYILATKOZAT"), QRect(24, 18, 361, 32)},
        {QStringLiteral("Label10"), QStringLiteral("KTV3815"), QRect(616, 18, 113, 32)},
    };
    return all;
}

QRect contentPanel()
{
    return QRect(16, 16, 761, 3775);
}

std::optional<int> find(QStringView name)
{
    // The names are ASCII: a name with any other character matches none.
    if (!std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return std::nullopt;
    return find(QByteArrayView(name.toLatin1()));
}

std::optional<int> find(QByteArrayView name)
{
    // Each name in small letters with its first field; a load looks up the name of every line.
    static const QHash<QByteArray, int> byName = [] {
        QHash<QByteArray, int> index;
        for (int i = int(fields().size()) - 1; i >= 0; --i)
            index.insert(fields()[i].name.toLatin1().toLower(), i);
        return index;
    }();
    // Only ASCII letters change: any other byte still matches no name.
    const auto found = byName.constFind(name.toByteArray().toLower());
    if (found == byName.constEnd())
        return std::nullopt;
    return *found;
}

int amountIndex(int group, int position)
{
    // The groups' fields close the catalogue, in ascending number from group 1's first input.
    static const int first = int(fields().size()) - GroupCount * GroupPositions;
    return first + (group - 1) * GroupPositions + (position - 1);
}

int tableIndex()
{
    static const int index = *find(u"AdvStringGrid1");
    return index;
}

QString tableHeader(int column, int row)
{
    static const char *const headings[TableColumns] = {"", "Név", "Születési hely", "Szül. ideje", "Anyja neve"};
    if (row == 0 && column >= 0 && column < TableColumns)
        return QString::fromUtf8(headings[column]);
    if (column == 0 && row >= 1 && row < TableRows)
        return QStringLiteral("%1.").arg(row);
    return {};
}

QString rowLabel(int position)
{
    static const char *const labels[GroupPositions] = {
        "Kérelmező jövedelme:", "a.,", "b.,", "c.,", "d.,", "e.,", "f.,", "g.,", "Összesen:"};
    return QString::fromUtf8(labels[position - 1]);
}

} // namespace FieldCatalogue
