#pragma once
#include "PreparedPage.h"

#include <vector>

class QPrinter;

// Sends prepared pages to a printer or a PDF file at their true size: each page on its own
// sheet size and orientation, never scaled to fit and never cropped to the printer's margins.
namespace PagePrinting {

// Prints the pages in the printer's page range (all by default), handling copies itself where
// the printer cannot. Throws when the printer or its output file cannot be opened.
void print(QPrinter &printer, const std::vector<PreparedPage> &pages);

// The same print path with a PDF file as the printer.
void writePdf(const QString &path, const std::vector<PreparedPage> &pages);

} // namespace PagePrinting
