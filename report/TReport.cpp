#include "TReport.h"
#include "Error.h"
#include "GeneralFloatFormat.h"
#include "PagePreparation.h"
#include "PreviewDialog.h"
#include "RegionalSettings.h"

TReportPage &TReport::addPage(const QString &name)
{
    Pages.push_back(std::make_unique<TReportPage>(name));
    return *Pages.back();
}

TView *TReport::FindObject(QStringView name) const
{
    for (const auto &page : Pages) {
        for (const auto &object : page->Objects) {
            if (name.compare(object->Name, Qt::CaseInsensitive) == 0)
                return object.get();
        }
    }
    return nullptr;
}

QString TReport::resolve(const QString &name) const
{
    PrintValue value;
    if (OnGetValue)
        OnGetValue(name, value);
    if (const auto *text = std::get_if<QString>(&value))
        return *text;
    if (const auto *number = std::get_if<double>(&value))
        return GeneralFloatFormat::format(*number, RegionalSettings::current().decimalSeparator);
    throw Error(QStringLiteral("Unknown variable \"%1\"").arg(name));
}

bool TReport::PrepareReport(bool clearPrevious)
{
    if (clearPrevious)
        m_prepared.clear();
    std::vector<PreparedPage> pages;
    bool prepared = false;
    const auto prepareAll = [&] {
        for (const auto &page : Pages)
            pages.push_back(PagePreparation::prepare(*page, [this](const QString &name) { return resolve(name); }));
        prepared = true;
    };
    guarded(prepareAll, m_showError);
    if (prepared)
        m_prepared.insert(m_prepared.end(), std::make_move_iterator(pages.begin()),
                          std::make_move_iterator(pages.end()));
    return prepared;
}

void TReport::ShowPreparedReport(QWidget *parent)
{
    PreviewDialog preview(m_prepared, m_showError, parent);
    preview.showModal();
}
