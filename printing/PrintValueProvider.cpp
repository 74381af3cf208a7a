#include "PrintValueProvider.h"
#include "AmountText.h"
#include "DeclarationData.h"
#include "FieldCatalogue.h"
#include "RegionalSettings.h"

#include <QHash>
#include <charconv>
#include <cmath>

namespace {

enum class Kind { Field, Cell, Date, Identifier, Amount, ColumnSum, NetValue, PerHead };

struct Variable
{
    Kind kind;
    int first = 0;  // catalogue index, cell column, group or position
    int second = 0; // cell row or group position
};

constexpr int IncomeGroups = 8; // groups 9-11 are the deductions

struct VariableTable
{
    QStringList names;
    QHash<QString, Variable> byName;

    void add(const QString &name, Variable variable)
    {
        names.append(name);
        byName.insert(name, variable);
    }
};

int fieldIndex(const QString &name)
{
    return *FieldCatalogue::find(name);
}

VariableTable buildTable()
{
    VariableTable table;
    const auto m = [](int number) { return QStringLiteral("m%1").arg(number); };
    for (int n = 1; n <= 6; ++n)
        table.add(m(n), {Kind::Field, fieldIndex(QStringLiteral("Edit%1").arg(n))});
    table.add(m(7), {Kind::Field, fieldIndex(QStringLiteral("PBNumEdit1"))}); // the text as shown
    table.add(QStringLiteral("datum"), {Kind::Date});
    table.add(QStringLiteral("azon"), {Kind::Identifier});
    for (int column = 1; column <= FieldCatalogue::TableDataColumns; ++column) {
        for (int row = 1; row <= FieldCatalogue::TableDataRows; ++row)
            table.add(m(9 + FieldCatalogue::TableDataRows * (column - 1) + (row - 1)), {Kind::Cell, column, row});
    }
    const auto addGroup = [&](int group, int firstNumber) {
        for (int p = 1; p <= FieldCatalogue::GroupPositions; ++p)
            table.add(m(firstNumber + p - 1), {Kind::Amount, group, p});
    };
    for (int g = 1; g <= IncomeGroups; ++g)
        addGroup(g, 101 + 10 * (g - 1));
    for (int p = 1; p <= FieldCatalogue::GroupPositions; ++p)
        table.add(m(180 + p), {Kind::ColumnSum, p});
    for (int g = IncomeGroups + 1; g <= FieldCatalogue::GroupCount; ++g)
        addGroup(g, 111 + 10 * (g - 1));
    for (int p = 1; p <= FieldCatalogue::GroupPositions; ++p)
        table.add(m(220 + p), {Kind::NetValue, p});
    table.add(m(8), {Kind::PerHead});
    table.add(PrintValueProvider::RepresentativeName, {Kind::Field, fieldIndex(QStringLiteral("Edit7"))});
    table.add(PrintValueProvider::RepresentativeAddress, {Kind::Field, fieldIndex(QStringLiteral("Edit8"))});
    return table;
}

const VariableTable &variables()
{
    static const VariableTable table = buildTable();
    return table;
}

// A whole number as signed decimal digits, never "-0". From 10^18 on, where the amount fields
// themselves switch to it, in the amounts' exponent form: thousands of digits would run out of
// the memo and print cut off, as a different number.
QString integerText(long double whole)
{
    if (whole == 0)
        return QStringLiteral("0");
    if (std::fabs(whole) >= 1e18L)
        return formatAmount(whole, RegionalSettings::current());
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, whole, std::chars_format::fixed, 0);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

} // namespace

PrintValueProvider::PrintValueProvider(const DeclarationData &declaration, const QString &printIdentifier,
                                       DateSource today)
    : m_declaration(declaration), m_printIdentifier(printIdentifier), m_today(std::move(today))
{
}

QStringList PrintValueProvider::variableNames()
{
    return variables().names;
}

void PrintValueProvider::Report1GetValue(const QString &VarName, PrintValue &Value)
{
    const auto found = variables().byName.constFind(VarName);
    if (found == variables().byName.constEnd())
        return;
    const Variable &variable = *found;
    switch (variable.kind) {
    case Kind::Field:
        Value = m_declaration.text(variable.first);
        break;
    case Kind::Cell:
        Value = m_declaration.cell(variable.first, variable.second);
        break;
    case Kind::Date:
        Value = m_today().toString(RegionalSettings::current().shortDateFormat);
        break;
    case Kind::Identifier:
        Value = m_printIdentifier;
        break;
    case Kind::Amount:
        Value = double(amount(variable.first, variable.second));
        break;
    case Kind::ColumnSum:
        Value = double(columnSum(variable.first));
        break;
    case Kind::NetValue:
        Value = double(netValue(variable.first));
        break;
    case Kind::PerHead:
        Value = perHeadIncome();
        break;
    }
}

long double PrintValueProvider::amount(int group, int position) const
{
    return m_declaration.value(FieldCatalogue::amountIndex(group, position));
}

long double PrintValueProvider::columnSum(int position)
{
    long double sum = amount(1, position);
    for (int g = 2; g <= IncomeGroups; ++g)
        sum += amount(g, position);
    m_cache[position - 1] = sum;
    return sum;
}

long double PrintValueProvider::netValue(int position)
{
    const long double deductions = (amount(9, position) + amount(10, position)) + amount(11, position);
    const long double net = m_cache[position - 1] - deductions;
    if (position == FieldCatalogue::TotalPosition)
        m_cache[CacheSize - 1] = net;
    return net;
}

QString PrintValueProvider::perHeadIncome() const
{
    static const int people = fieldIndex(QStringLiteral("PBNumEdit1"));
    const long double net = m_cache[CacheSize - 1];
    if (net == 0 || m_declaration.value(people) == 0)
        return QStringLiteral("-");
    // The default rounding mode rounds halves to even: 2.5 gives 2, 3.5 gives 4.
    const long double perHead = std::nearbyint(net / m_declaration.value(people));
    if (!std::isfinite(perHead))
        return QStringLiteral("-");
    return integerText(perHead) + QStringLiteral(" Ft.");
}
