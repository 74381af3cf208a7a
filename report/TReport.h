#pragma once
#include "ErrorGuard.h"
#include "PreparedPage.h"
#include "PrintValue.h"
#include "TReportPage.h"

#include <functional>
#include <memory>
#include <vector>

class QWidget;

// The report: page templates in print order, the value provider that answers their value
// slots, and the pages of the last preparation, which the preview shows and prints as they are.
// Its owner hands it the display of the errors that end a preparation or a command of the preview.
class TReport
{
public:
    using GetValueHandler = std::function<void(const QString &VarName, PrintValue &Value)>;

    explicit TReport(ErrorDisplay showError) : m_showError(std::move(showError)) {}

    TReportPage &addPage(const QString &name);

    // The object of that name on any page, names compared without regard to case; nullptr if none.
    TView *FindObject(QStringView name) const;

    // Lays out every page, resolving each value slot once through OnGetValue. An error (a value
    // that cannot be read, a name that OnGetValue leaves unanswered) ends the preparation: its
    // message goes to the error display and the result is false. Without clearPrevious the new
    // pages follow those of the earlier preparation.
    bool PrepareReport(bool clearPrevious);

    // The modal preview of the prepared pages, from which they print.
    void ShowPreparedReport(QWidget *parent);

    const std::vector<PreparedPage> &preparedPages() const { return m_prepared; }

    std::vector<std::unique_ptr<TReportPage>> Pages;
    GetValueHandler OnGetValue;

private:
    QString resolve(const QString &name) const;

    ErrorDisplay m_showError;
    std::vector<PreparedPage> m_prepared;
};
