#pragma once
#include <QString>

class TReportPage;

// The personal-data page: title block, office line, personal items 1 to 8, the household
// table and the page strip. A4 portrait, margins 22/20/10/25 mm (left/right/top/bottom).
// Sets the page's paper and margins and adds its objects in drawing order.
void buildPage1(TReportPage &page);
