#pragma once

class TReportPage;

// The income page: one row per income group and total line, one column per person of the
// household and the group total, and the monthly family net income per head under the table.
// Sets the page's paper and margins and adds its objects in drawing order.
//
// The order is part of the page's behaviour: the column sums ("m181"-"m189") are asked for
// before the net values ("m221"-"m229") that read them back, and "m229" before "m8".
void buildPage2(TReportPage &page);
