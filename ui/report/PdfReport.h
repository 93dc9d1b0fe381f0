#pragma once

// A report written as a PDF/A-1b file, made to be archived: its text stays
// text in embedded scalable fonts, the diagram is an image, and each page
// carries the program's name and its number in the footer.

#include "Report.h"

#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <optional>

class QIODevice;
class QPagedPaintDevice;

namespace siltmere::ui {

// The paper a report is laid out on: US Letter where the desktop measures in
// US units, A4 everywhere else.
QPageSize reportPageSize(const QLocale& locale = QLocale());

// The report's paper with its margins, as a saved report has it and as a
// print starts out with (the print dialog may change both).
QPageLayout reportPageLayout(const QPageSize& pageSize);

// Lays the report out on `device`'s page, inside its margins, and paints its
// pages there, each numbered in its footer: the one layout a saved report
// and a printed one share, so that the two never drift apart. `device` is
// a PDF writer or a printer (or a print preview's) set up with its page
// size and margins, and not yet painted on. Returns the number of pages, 0
// when nothing could be drawn.
int paintReport(const Report& report, QPagedPaintDevice& device);

// Writes the report's pages as a PDF to `device`, which is open for writing.
// Returns the number of pages, 0 when nothing could be drawn.
int renderPdfReport(const Report& report, QIODevice& device, const QPageSize& pageSize);

// Writes the report to `path` through a temporary file that takes the path's
// place only once it is complete, so that a failure never leaves half a
// report nor harms a file already there. Returns why it failed, or nothing.
std::optional<QString> writePdfReport(const Report& report, const QString& path, const QPageSize& pageSize);

} // namespace siltmere::ui
