#pragma once

// A file another program holds open so that it cannot be replaced: on
// Windows a PDF reader keeps the report it shows open without sharing it
// for writing or deleting, and saving or printing over it fails with
// "Access denied" until the reader lets it go. Saying so, and offering to
// try again, lets the planner close it there instead of guessing.

#include <QString>

class QWidget;

namespace siltmere::ui {

// True where `path` names a file that another program holds open against
// being written or replaced (Windows' sharing violation). Always false where
// the platform lets a file that is open be replaced, as Linux does.
bool isHeldOpenByAnotherProgram(const QString& path);

// The message for a report that could not be written to `path` because
// another program holds it open: `failed` is the sentence that opens it
// ("The report could not be saved as"), `title` the message's title.
// Returns true when the planner pressed Retry.
bool askRetryWhileInUse(QWidget* parent, const QString& title, const QString& failed, const QString& path);

} // namespace siltmere::ui
