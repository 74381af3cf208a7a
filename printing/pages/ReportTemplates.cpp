#include "ReportTemplates.h"
#include "Page1.h"
#include "Page2.h"
#include "Page3.h"
#include "TReport.h"

void buildReportTemplates(TReport &report)
{
    buildPage1(report.addPage(QStringLiteral("Page1")));
    buildPage2(report.addPage(QStringLiteral("Page2")));
    buildPage3(report.addPage(QStringLiteral("Page3")));
}
