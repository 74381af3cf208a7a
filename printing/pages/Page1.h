#pragma once

class TReportPage;

// The personal-data page: title block, office line, personal items 1 to 8, the household
// table and the page strip. Sets the page's paper and margins and adds its objects in drawing order.
void buildPage1(TReportPage &page);
