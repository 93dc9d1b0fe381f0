#pragma once

// A file another program holds open so that it cannot be replaced: on
// Windows a PDF reader keeps the report it shows open without sharing it
// for writing or deleting, and saving or printing over it fails with
// "Access denied" until the reader lets it go. Saying so, and offering to
// try again, lets the planner close it there instead of guessing.

#include <QString>

class QWidget;

namespace siltmere::ui {

// Tells the planner that the report could not be written to `path`, in a
// message under `title` that `failed` opens ("The report could not be saved
// as") and the path and `reason` follow. Where another program holds the
// file open (Windows' sharing violation; never where the platform lets a
// file that is open be replaced, as Linux does) it says so instead and
// offers Retry and Cancel. Returns true when the planner pressed Retry.
bool retryAfterWriteFailure(QWidget* parent, const QString& title, const QString& failed, const QString& path,
                            const QString& reason);

} // namespace siltmere::ui
