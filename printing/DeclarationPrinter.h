#pragma once
#include "PrintValueProvider.h"
#include "ProcessorDigits.h"
#include "TReport.h"

#include <functional>

class DeclarationData;
class QWidget;

// The print command of the declaration window with what it keeps between prints: the report
// Report1 with its page templates, the print identifier and the value provider's column sum cache.
class DeclarationPrinter
{
public:
    // Fills the report with its page templates, once.
    using TemplateBuilder = std::function<void(TReport &report)>;

    // The declaration is read at every print and outlives the printer.
    DeclarationPrinter(const DeclarationData &declaration, const TemplateBuilder &buildTemplates,
                       ProcessorWordSource processorWords = readProcessorWords,
                       PrintValueProvider::DateSource today = &QDate::currentDate);

    // Forms the identifier when the applicant's name is not empty, prepares the pages afresh and,
    // when that succeeded, shows the modal preview over window.
    void Nyomtats1Click(QWidget *window);

    const QString &printIdentifier() const { return m_printIdentifier; }
    TReport &report() { return m_report; }

private:
    const DeclarationData &m_declaration;
    ProcessorWordSource m_processorWords;
    QString m_printIdentifier; // empty until the first print with a name
    PrintValueProvider m_provider;
    TReport m_report;
};
