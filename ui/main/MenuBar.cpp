#include "MenuBar.h"

#include "About.h"
#include "HelpWindow.h"
#include "WindowCommands.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

namespace siltmere::ui {

namespace {

QMenuBar* newMenuBar(QWidget* parent)
{
    auto* bar = new QMenuBar(parent);
    bar->setObjectName(QStringLiteral("MenuBar"));
    return bar;
}

// The report's commands, alike in both windows.
QMenu* addFileMenu(QMenuBar& bar, QAction* saveReport, QAction* print, QAction* printPreview)
{
    QMenu* file = bar.addMenu(QObject::tr("&File"));
    file->addActions({saveReport, print, printPreview});
    return file;
}

} // namespace

void addProgramCommands(QWidget& window, MainCommands& commands)
{
    commands.quit = commandAction(window, QObject::tr("&Quit"), [&window] { window.close(); });
    commands.quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    commands.quit->setMenuRole(QAction::QuitRole);

    auto* opener = new HelpWindowOpener(&window);
    commands.help = commandAction(window, QObject::tr("Siltmere &help"), [opener] { opener->open(); });

    commands.aboutSiltmere =
        commandAction(window, QObject::tr("&About Siltmere"), [&window] { showAboutSiltmere(&window); });
    commands.aboutSiltmere->setMenuRole(QAction::AboutRole);

    commands.aboutQt = commandAction(window, QObject::tr("About &Qt"), [&window] { QMessageBox::aboutQt(&window); });
    commands.aboutQt->setMenuRole(QAction::AboutQtRole);
}

QAction* pressingAction(QAbstractButton& button)
{
    auto* action = new QAction(button.text(), &button);
    QObject::connect(action, &QAction::triggered, &button, &QAbstractButton::click);
    return action;
}

QMenuBar* buildMainMenuBar(QWidget* parent, const MainCommands& commands)
{
    QMenuBar* bar = newMenuBar(parent);
    QMenu* file = addFileMenu(*bar, commands.saveReport, commands.print, commands.printPreview);
    file->addSeparator();
    file->addAction(commands.quit);

    bar->addMenu(QObject::tr("&Edit"))->addAction(commands.copyResults);
    bar->addMenu(QObject::tr("&View"))->addActions({commands.overview, commands.background});

    QMenu* help = bar->addMenu(QObject::tr("&Help"));
    help->addAction(commands.working);
    help->addSeparator();
    help->addAction(commands.help);
    help->addSeparator();
    help->addActions({commands.aboutSiltmere, commands.aboutQt});
    return bar;
}

QMenuBar* buildOverviewMenuBar(QWidget* parent, const OverviewCommands& commands)
{
    QMenuBar* bar = newMenuBar(parent);
    addFileMenu(*bar, commands.saveReport, commands.print, commands.printPreview);
    bar->addMenu(QObject::tr("&Edit"))->addAction(commands.copyOverview);
    return bar;
}

} // namespace siltmere::ui
