#pragma once

// A report written as a PDF/A-1b file, made to be archived: its text stays
// text in embedded scalable fonts, the diagram is an image, and each page
// carries the program's name and its number in the footer. Saving it where
// the planner chose, with what the planner is told when that fails: on
// Windows a PDF reader keeps the report it shows open without sharing it
// for writing or deleting, and saving or printing over it fails with
// "Access denied" until the reader lets it go. Saying so, and offering to
// try again, lets the planner close it there instead of guessing.

#include "Report.h"

#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <optional>

class QPagedPaintDevice;
class QWidget;

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

// Writes the report to `path` through a temporary file that takes the path's
// place only once it is complete, so that a failure never leaves half a
// report nor harms a file already there. Returns why it failed, or nothing.
std::optional<QString> writePdfReport(const Report& report, const QString& path, const QPageSize& pageSize);

// The title of the messages about saving, as the save entry words it.
QString saveReportTitle();

// Asks where to save with the platform's own save dialog. Qt's file dialog
// records its history and last folder in the toolkit's settings shared by
// every Qt program ("QtProject": ~/.config/QtProject.conf, or the registry
// under HKEY_CURRENT_USER\Software\QtProject) whenever it closes, saved or
// not; a planner who cancels is left with none that were not there before.
// Returns the path chosen, or an empty one.
QString askSavePath(QWidget* parent, const QString& proposed, const QString& filter);

// Writes the report as a PDF at `path`. Where that fails, one message says
// where and why; where another program holds the file open (a PDF reader
// showing the last report), it says so and offers Retry, which writes the
// same report again, and Cancel. A file already at `path` stays as it was
// until a write succeeds. Returns true once the report is saved.
bool saveReportWithRetry(QWidget* parent, const Report& report, const QString& path, const QPageSize& pageSize);

// Tells the planner that the report could not be written to `path`, in a
// message under `title` that `failed` opens ("The report could not be saved
// as") and the path and `reason` follow. Where another program holds the
// file open (Windows' sharing violation; never where the platform lets a
// file that is open be replaced, as Linux does) it says so instead and
// offers Retry and Cancel. Returns true when the planner pressed Retry.
bool retryAfterWriteFailure(QWidget* parent, const QString& title, const QString& failed, const QString& path,
                            const QString& reason);

} // namespace siltmere::ui
