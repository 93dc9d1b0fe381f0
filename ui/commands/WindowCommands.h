#pragma once

// What every window's commands do alike: an action that runs a command, from
// its shortcut anywhere in the window and from the window's context menu;
// a table or a working put on the clipboard as plain text and HTML; and a
// window of its own opened, or brought to the front where it is open.

#include <QKeySequence>
#include <QString>

#include <functional>

class QAction;
class QObject;
class QWidget;

namespace siltmere::ui {

// An action owned by `owner` under `text` that runs `command` through
// guarded(): an error escaping it ends the program with a report.
QAction* commandAction(QObject& owner, const QString& text, std::function<void()> command);

// commandAction() added to `window`: offered in the window's context menu,
// its `shortcut` (none where empty) working anywhere in the window.
QAction* addWindowCommand(QWidget& window, const QString& text, const QKeySequence& shortcut,
                          std::function<void()> command);

// Puts `text` and `html` on the clipboard together: a spreadsheet or a word
// processor takes the HTML, a plain editor the text.
void copyToClipboard(const QString& text, const QString& html);

// Shows `window` and makes it the active one; a window that is already open
// comes to the front rather than staying hidden behind the main window.
void showOrRaise(QWidget& window);

} // namespace siltmere::ui
