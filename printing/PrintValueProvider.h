#pragma once
#include "PrintValue.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class DeclarationData;

// The answer to every value slot of the page templates: maps each print variable name to a
// field of the declaration or to a sum computed on the spot. Amounts are computed in 80-bit
// extended precision and narrowed to double only when handed over.
//
// The column sum cache carries the column sums ("m181"-"m189") to the net values
// ("m221"-"m229") and the net value of the totals column ("m229") to the per-head income
// ("m8"), so a template must ask for a sum before the values that read it. The cache starts at
// zero and is never reset: a net value asked for before its sum reads the sum of an earlier print.
class PrintValueProvider
{
public:
    using DateSource = std::function<QDate()>;
    static constexpr int CacheSize = 10;

    // The identifier is the one the print command keeps; it is read at each request for "azon".
    PrintValueProvider(const DeclarationData &declaration, const QString &printIdentifier,
                       DateSource today = &QDate::currentDate);

    // The legal representative's name and registered address (Edit7, Edit8) reach page 1
    // through value slots of these names, like every other field, so that brackets typed into
    // the fields print as they are.
    static inline const QString RepresentativeName = QStringLiteral("kepvnev");
    static inline const QString RepresentativeAddress = QStringLiteral("kepvcim");

    // Sets Value for the names of the templates; leaves it untouched for any other name.
    // Reading an amount that does not parse throws the conversion error.
    void Report1GetValue(const QString &VarName, PrintValue &Value);

    // The 167 names of the declaration's values and then the two of the representative, in the
    // order of the variable table.
    static QStringList variableNames();

    const std::array<long double, CacheSize> &columnSumCache() const { return m_cache; }

private:
    long double amount(int group, int position) const;
    long double columnSum(int position);
    long double netValue(int position);
    QString perHeadIncome() const;

    const DeclarationData &m_declaration;
    const QString &m_printIdentifier;
    DateSource m_today;
    std::array<long double, CacheSize> m_cache{};
};
