#pragma once

// A report written as a PDF/A-1b file, made to be archived: its text stays
// text in embedded scalable fonts, the diagram is an image, and each page
// carries the program's name and its number in the footer.

#include "Report.h"

#include <QLocale>
#include <QPageSize>
#include <QString>

#include <optional>

class QIODevice;

namespace siltmere::ui {

// The paper a report is laid out on: US Letter where the desktop measures in
// US units, A4 everywhere else.
QPageSize reportPageSize(const QLocale& locale = QLocale());

// Writes the report's pages as a PDF to `device`, which is open for writing.
// Returns the number of pages, 0 when nothing could be drawn.
int renderPdfReport(const Report& report, QIODevice& device, const QPageSize& pageSize);

// Writes the report to `path` through a temporary file that takes the path's
// place only once it is complete, so that a failure never leaves half a
// report nor harms a file already there. Returns why it failed, or nothing.
std::optional<QString> writePdfReport(const Report& report, const QString& path, const QPageSize& pageSize);

} // namespace siltmere::ui
