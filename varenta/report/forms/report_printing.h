#pragma once
// Printing the report text (the preview window's "印刷(&P)", and its PDF
// export, which goes through the same path).
//
// The directives are honoured (see print_pages.h). Each page is set in the
// fixed-pitch Japanese font at 10 points; when the widest printed line does
// not fit the page width the font is made smaller for the whole copy, down
// to 6 points, below which longer lines are cut at the page's edge. A page
// holds as many lines as fit its height; a longer section runs on.
#include <QStringList>

class QPrinter;

namespace varenta::forms {

struct PrintOutcome {
    bool ok = true;  // false: the printer (or PDF file) failed
    int pages = 0;   // sheets printed
};

// Prints lines on printer. A page range chosen in the print dialog
// (QPrinter::PageRange) selects from the printed pages. With nothing to
// print the printer is not opened: ok with 0 pages.
PrintOutcome PrintReportLines(QPrinter& printer, const QStringList& lines);

// A PDF printer for path: A4 portrait with 15 mm margins.
void SetUpPdfPrinter(QPrinter& printer, const QString& path);

}  // namespace varenta::forms
