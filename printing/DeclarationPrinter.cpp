#include "DeclarationPrinter.h"
#include "DeclarationData.h"
#include "ErrorBox.h"
#include "FieldCatalogue.h"
#include "PrintIdentifier.h"

DeclarationPrinter::DeclarationPrinter(const DeclarationData &declaration, const TemplateBuilder &buildTemplates,
                                       ProcessorWordSource processorWords, PrintValueProvider::DateSource today)
    : m_declaration(declaration), m_processorWords(std::move(processorWords)),
      m_provider(m_declaration, m_printIdentifier, std::move(today)), m_report(showErrorBox)
{
    m_report.OnGetValue = [this](const QString &VarName, PrintValue &Value) {
        m_provider.Report1GetValue(VarName, Value);
    };
    buildTemplates(m_report);
}

void DeclarationPrinter::Nyomtats1Click(QWidget *window)
{
    static const int nameIndex = *FieldCatalogue::find(QStringLiteral("Edit1"));
    const QString name = m_declaration.text(nameIndex);
    if (!name.isEmpty()) {
        m_printIdentifier = PrintIdentifier::form(name, ProcessorDigits(m_processorWords()));
        if (auto *barcode = dynamic_cast<TBarCodeView *>(m_report.FindObject(u"BarCode1")))
            barcode->Text = m_printIdentifier;
    }
    if (m_report.PrepareReport(true))
        m_report.ShowPreparedReport(window);
}
