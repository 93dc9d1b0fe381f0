#pragma once

// Printing a report through the platform's print system (CUPS on Linux, the
// spooler on Windows): the same pages a saved report holds, laid out by the
// same code, on the printer's paper. A cancelled dialog does nothing; a
// print that fails says so in one message, and the program goes on.

#include "Report.h"

#include <QKeySequence>
#include <QString>

class QPrinter;
class QWidget;

namespace siltmere::ui {

// The entries that print, as every menu words them, and the key that
// prints (Ctrl+P).
QString printReportEntry();
QString printPreviewEntry();
QKeySequence printReportShortcut();

// Sets `printer` up for the report: its job name, the report's margins, colour
// where the printer has it, and where there is no printer to print on (only
// a file) the paper a saved report has. The printer's own paper stays.
void prepareReportPrinter(QPrinter& printer, const Report& report);

// The platform's print dialog for the report, then the print on the printer
// chosen there. Returns true once the print system has taken the job.
bool printReport(QWidget* parent, const Report& report);

// Qt's print preview: the report's pages exactly as they will print, on the
// default printer's paper; its Print button prints them as printReport does.
void previewReport(QWidget* parent, const Report& report);

// Prints the report on `printer` as a print dialog has set it up, with the
// messages and the Retry printReport has. Returns true once printed.
bool printReportOn(QWidget* parent, QPrinter& printer, const Report& report);

} // namespace siltmere::ui
