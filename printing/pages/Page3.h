#pragma once

class TReportPage;

// The declaration page: the applicant's declaration, place and date of signing, and ten dotted
// signature lines with their captions. Sets the page's paper and margins and adds its objects in
// drawing order.
void buildPage3(TReportPage &page);
