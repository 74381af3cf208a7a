#pragma once

class TReport;

// Adds the three page templates "Page1", "Page2" and "Page3" to the report, in print order.
// They are built once; the print command changes only the text of the barcode "BarCode1".
void buildReportTemplates(TReport &report);
