#include "DeclarationForm.h"
#include "ErrorBox.h"
#include "ExpectedError.h"
#include "FieldCatalogue.h"
#include "FormFixture.h"
#include "InMemoryDeclaration.h"
#include "NamedSettings.h"
#include "TStringGrid.h"

#include <QMap>
#include <QRegularExpression>
#include <QTest>
#include <memory>

// The one contract of the declaration's data, run over both of its holders: the window's
// fields and the in-memory declaration that the tests and fuzz targets use in their place.
// Every row runs on each holder, so the two cannot drift apart.
namespace {

using State = QMap<QString, QString>;

// A holder named by a row: "window" or "memory".
class Holder
{
public:
    explicit Holder(const QString &name)
    {
        if (name == u"window")
            m_window = std::make_unique<FormFixture>();
        else
            m_memory = std::make_unique<InMemoryDeclaration>();
    }
    DeclarationData &data()
    {
        if (m_window)
            return m_window->form;
        return *m_memory;
    }
    const FormFixture *window() const { return m_window.get(); }

private:
    std::unique_ptr<FormFixture> m_window;
    std::unique_ptr<InMemoryDeclaration> m_memory;
};

QString cellKey(int column, int row)
{
    return QStringLiteral("[%1,%2]").arg(column).arg(row);
}

// Every field's text by name, and every cell of the table and of a border around it.
State stateOf(const DeclarationData &data)
{
    State state;
    const auto &fields = FieldCatalogue::fields();
    for (int i = 0; i < int(fields.size()); ++i)
        state[fields[i].name] = data.text(i);
    for (int c = -1; c <= FieldCatalogue::TableColumns; ++c) {
        for (int r = -1; r <= FieldCatalogue::TableRows; ++r)
            state[cellKey(c, r)] = data.cell(c, r);
    }
    return state;
}

// A new window's: text fields and the table's own text empty, amounts "0", the table's
// headings in row 0 and its row numbers in column 0, everything else empty.
State freshState()
{
    State state;
    for (const FieldSpec &field : FieldCatalogue::fields())
        state[field.name] = field.kind == FieldKind::Amount ? QStringLiteral("0") : QString();
    for (int c = -1; c <= FieldCatalogue::TableColumns; ++c) {
        for (int r = -1; r <= FieldCatalogue::TableRows; ++r)
            state[cellKey(c, r)] = QString();
    }
    const QStringList headings = {QString(), QString::fromUtf8("Név"), QString::fromUtf8("Születési hely"),
                                  QString::fromUtf8("Szül. ideje"), QString::fromUtf8("Anyja neve")};
    for (int c = 0; c < headings.size(); ++c)
        state[cellKey(c, 0)] = headings[c];
    for (int r = 1; r <= 10; ++r)
        state[cellKey(0, r)] = QStringLiteral("%1.").arg(r);
    return state;
}

// "Name=text" or "[c,r]=text", the text running to the end.
std::pair<QString, QString> splitAssignment(const QString &assignment)
{
    const qsizetype at = assignment.indexOf(u'=');
    return {assignment.left(at), assignment.mid(at + 1)};
}

// Writes one "Name=text" or "[c,r]=text" into the holder; returns the error the write raised.
QString write(DeclarationData &data, const QString &assignment)
{
    const auto [key, assigned] = splitAssignment(assignment);
    const QString text = assigned; // a lambda may not capture a structured binding in every compiler
    static const QRegularExpression cell(QStringLiteral("^\\[(-?\\d+),(-?\\d+)\\]$"));
    if (const QRegularExpressionMatch match = cell.match(key); match.hasMatch()) {
        data.setCell(match.captured(1).toInt(), match.captured(2).toInt(), text);
        return {};
    }
    const int index = *FieldCatalogue::find(key);
    return errorOf([&] { data.setText(index, text); });
}

void addHolderRows(const char *name, const std::function<void(QTestData &)> &columns)
{
    for (const char *holder : {"window", "memory"})
        columns(QTest::addRow("%s: %s", holder, name) << QString::fromLatin1(holder));
}

const QString NotAFloat = QStringLiteral("'%1' is not a valid floating point value");

} // namespace

class TestDeclarationData : public QObject
{
    Q_OBJECT
    QStringList m_errorBox; // what reached the error box: nothing, a write's error goes to its caller
    const ErrorSinkForTesting m_errorSink{[this](const QString &message) { m_errorBox << message; }};

private slots:
    void init() { m_errorBox.clear(); }
    void cleanup() { QCOMPARE(m_errorBox, QStringList()); }

    void writes_data()
    {
        QTest::addColumn<QString>("holder");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QStringList>("writes");
        QTest::addColumn<QStringList>("errors");   // raised by the writes, in order
        QTest::addColumn<QStringList>("expected"); // what differs from a new window afterwards
        const auto row = [](const char *name, const char *settings, const QStringList &writes,
                            const QStringList &errors, const QStringList &expected) {
            addHolderRows(name, [&](QTestData &data) {
                data << QString::fromLatin1(settings) << writes << errors << expected;
            });
        };
        const QString kovacs = QString::fromUtf8("Kovács Éva");
        row("nothing written: as a new window", "hu", {}, {}, {});
        row("text field", "hu", {"Edit1=" + kovacs}, {}, {"Edit1=" + kovacs});
        row("text with a line break", "hu", {"Edit3=first\nsecond"}, {}, {"Edit3=first\nsecond"});
        row("text field emptied again", "hu", {"Edit2=x", "Edit2="}, {}, {});
        row("amount outside the groups", "hu", {"PBNumEdit1=2,5"}, {}, {"PBNumEdit1=2,5"});
        row("amount outside the groups that does not parse", "hu", {"PBNumEdit1=abc"}, {}, {"PBNumEdit1=abc"});
        row("group input gives its total", "hu", {"PBNumEdit2=150000", "PBNumEdit3=1234,5"}, {},
            {"PBNumEdit2=150000", "PBNumEdit3=1234,5", "PBNumEdit10=151234,5"});
        row("last group", "hu", {"PBNumEdit92=1", "PBNumEdit99=2"}, {},
            {"PBNumEdit92=1", "PBNumEdit99=2", "PBNumEdit100=3"});
        row("total in the display form", "hu", {"PBNumEdit11=1E3", "PBNumEdit12=-0,25"}, {},
            {"PBNumEdit11=1E3", "PBNumEdit12=-0,25", "PBNumEdit19=999,75"});
        row("total of 0,1 and 0,2 in 18 digits", "hu", {"PBNumEdit38=0,1", "PBNumEdit39=0,2"}, {},
            {"PBNumEdit38=0,1", "PBNumEdit39=0,2", "PBNumEdit46=0,3"});
        row("total of 10^20 in the exponent form", "hu", {"PBNumEdit20=1E20"}, {},
            {"PBNumEdit20=1E20", "PBNumEdit28=1E20"});
        row("total in English", "en", {"PBNumEdit2=1.5", "PBNumEdit3=2"}, {},
            {"PBNumEdit2=1.5", "PBNumEdit3=2", "PBNumEdit10=3.5"});
        row("empty and lone minus inputs read as zero", "hu", {"PBNumEdit2=7", "PBNumEdit3=3", "PBNumEdit4=", "PBNumEdit2=-"},
            {}, {"PBNumEdit2=-", "PBNumEdit3=3", "PBNumEdit4=", "PBNumEdit10=3"});
        row("input that does not parse raises, its text stays and the total keeps its text", "hu",
            {"PBNumEdit2=100", "PBNumEdit3=12a"}, {NotAFloat.arg("12a")},
            {"PBNumEdit2=100", "PBNumEdit3=12a", "PBNumEdit10=100"});
        row("the first input in row order that does not parse stops the sum", "hu", {"PBNumEdit3=x", "PBNumEdit2=5"},
            {NotAFloat.arg("x"), NotAFloat.arg("x")}, {"PBNumEdit2=5", "PBNumEdit3=x"});
        row("writing the same text recomputes nothing", "hu", {"PBNumEdit10=7", "PBNumEdit2=0"}, {},
            {"PBNumEdit10=7"});
        row("writing a total recomputes nothing", "hu", {"PBNumEdit2=5", "PBNumEdit10=7"}, {},
            {"PBNumEdit2=5", "PBNumEdit10=7"});
        row("the next changed input replaces a written total", "hu", {"PBNumEdit10=7", "PBNumEdit3=1"}, {},
            {"PBNumEdit3=1", "PBNumEdit10=1"});
        row("a total that does not parse is never read", "hu", {"PBNumEdit10=zz", "PBNumEdit2=1"}, {},
            {"PBNumEdit2=1", "PBNumEdit10=1"});
        row("the table's own index takes no text", "hu", {"AdvStringGrid1=x"}, {}, {});
        row("data cells", "hu", {"[3,7]=1970.01.02", "[1,1]=" + kovacs, "[4,10]=last"}, {},
            {"[3,7]=1970.01.02", "[1,1]=" + kovacs, "[4,10]=last"});
        const QString full(FieldCatalogue::FieldCapacity, u'x');
        row("a field and a cell hold 32767 characters at most", "hu",
            {"Edit1=" + full + "y", "PBNumEdit1=" + QString(40000, u'1'), "[2,3]=" + full + "yz"}, {},
            {"Edit1=" + full, "PBNumEdit1=" + QString(FieldCatalogue::FieldCapacity, u'1'), "[2,3]=" + full});
        row("header cells and cells outside the table take nothing", "hu",
            {"[0,1]=x", "[1,0]=x", "[0,0]=x", "[5,1]=x", "[1,11]=x", "[-1,1]=x", "[1,-1]=x"}, {}, {});
    }
    void writes()
    {
        QFETCH(QString, holder);
        QFETCH(QString, settings);
        QFETCH(QStringList, writes);
        QFETCH(QStringList, errors);
        QFETCH(QStringList, expected);
        const RegionalSettings::PinForTesting pin(settingsNamed(settings));
        Holder h(holder);
        QStringList raised;
        for (const QString &assignment : writes) {
            if (const QString error = write(h.data(), assignment); !error.isEmpty())
                raised << error;
        }
        QCOMPARE(raised, errors);
        State state = freshState();
        for (const QString &assignment : expected) {
            const auto [key, text] = splitAssignment(assignment);
            QVERIFY2(state.contains(key), qPrintable(key));
            state[key] = text;
        }
        QCOMPARE(stateOf(h.data()), state);
    }

    void values_data()
    {
        QTest::addColumn<QString>("holder");
        QTest::addColumn<QStringList>("writes");
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("error"); // raised by reading the value
        const auto row = [](const char *name, const QStringList &writes, const char *field, double value,
                            const QString &error) {
            addHolderRows(name, [&](QTestData &data) {
                data << writes << QString::fromLatin1(field) << value << error;
            });
        };
        row("people", {"PBNumEdit1=2,5"}, "PBNumEdit1", 2.5, {});
        row("group input", {"PBNumEdit13=1234,5"}, "PBNumEdit13", 1234.5, {});
        row("new amount", {}, "PBNumEdit13", 0, {});
        row("exponent", {"PBNumEdit13=-1e3"}, "PBNumEdit13", -1000, {});
        row("people that do not parse", {"PBNumEdit1=abc"}, "PBNumEdit1", 0, NotAFloat.arg("abc"));
        row("group input that does not parse", {"PBNumEdit42=1,2,3"}, "PBNumEdit42", 0, NotAFloat.arg("1,2,3"));
        row("total written directly", {"PBNumEdit19=12,5"}, "PBNumEdit19", 12.5, {});
        row("total of the inputs", {"PBNumEdit38=0,5", "PBNumEdit39=0,25"}, "PBNumEdit46", 0.75, {});
    }
    void values()
    {
        QFETCH(QString, holder);
        QFETCH(QStringList, writes);
        QFETCH(QString, field);
        QFETCH(double, value);
        QFETCH(QString, error);
        const RegionalSettings::PinForTesting hungarian(RegionalSettings::hungarian());
        Holder h(holder);
        for (const QString &assignment : writes)
            write(h.data(), assignment); // a write's own error is the writes test's concern
        long double read = 0;
        QCOMPARE(errorOf([&] { read = h.data().value(*FieldCatalogue::find(field)); }), error);
        if (error.isEmpty())
            QCOMPARE(read, static_cast<long double>(value));
    }

    // The table's size is the catalogue's, in the widget too.
    void tableSize_data()
    {
        QTest::addColumn<QString>("holder");
        addHolderRows("every cell written", [](QTestData &) {});
    }
    void tableSize()
    {
        QFETCH(QString, holder);
        Holder h(holder);
        if (const FormFixture *window = h.window()) {
            QCOMPARE(window->form.grid()->columnCount() + 1, FieldCatalogue::TableColumns);
            QCOMPARE(window->form.grid()->rowCount() + 1, FieldCatalogue::TableRows);
        }
        State expected = freshState();
        for (int c = -1; c <= FieldCatalogue::TableColumns; ++c) {
            for (int r = -1; r <= FieldCatalogue::TableRows; ++r) {
                h.data().setCell(c, r, cellKey(c, r));
                if (c >= 1 && c < FieldCatalogue::TableColumns && r >= 1 && r < FieldCatalogue::TableRows)
                    expected[cellKey(c, r)] = cellKey(c, r);
            }
        }
        QCOMPARE(stateOf(h.data()), expected);
    }
};

QTEST_MAIN(TestDeclarationData)
#include "tst_declarationdata.moc"
