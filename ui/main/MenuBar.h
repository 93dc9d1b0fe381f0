#pragma once

// The menu bars: every command of a window where a newcomer looks for it
// first, with access keys. A menu holds the window's own QAction objects,
// the same ones its context menus and shortcuts use, so that text, shortcut
// and enabled state are one.

class QAbstractButton;
class QAction;
class QMenuBar;
class QWidget;

namespace siltmere::ui {

// The main window's commands, by the menu that holds them.
struct MainCommands {
    // File
    QAction* saveReport = nullptr;
    QAction* print = nullptr;
    QAction* printPreview = nullptr;
    QAction* quit = nullptr;
    // Edit
    QAction* copyResults = nullptr;
    // View
    QAction* overview = nullptr;
    QAction* background = nullptr;
    // Help
    QAction* working = nullptr;
    QAction* help = nullptr;
    QAction* aboutSiltmere = nullptr;
    QAction* aboutQt = nullptr;
};

// The overview window's commands.
struct OverviewCommands {
    QAction* saveReport = nullptr;
    QAction* print = nullptr;
    QAction* printPreview = nullptr;
    QAction* copyOverview = nullptr;
};

// Fills in Quit (Ctrl+Q: closes `window`), Siltmere help (the one help
// window), About Siltmere and About Qt, as actions owned by `window`. They
// are not added to the window itself, so its context menu stays as it is;
// their shortcuts work from the menu bar.
void addProgramCommands(QWidget& window, MainCommands& commands);

// An action that presses `button`, under the button's own caption: the
// button's handler runs as from a click. Owned by the button.
QAction* pressingAction(QAbstractButton& button);

// &File, &Edit, &View and &Help.
QMenuBar* buildMainMenuBar(QWidget* parent, const MainCommands& commands);

// &File and &Edit.
QMenuBar* buildOverviewMenuBar(QWidget* parent, const OverviewCommands& commands);

} // namespace siltmere::ui
