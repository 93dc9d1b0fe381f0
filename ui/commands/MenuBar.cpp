#include "MenuBar.h"

#include "About.h"
#include "FatalError.h"
#include "HelpWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include <stdexcept>

namespace siltmere::ui {

namespace {

void add(QMenu& menu, QAction* action, const char* command)
{
    if (!action)
        throw std::logic_error(std::string("the menu bar lacks the command ") + command);
    menu.addAction(action);
}

void addOptional(QMenu& menu, QAction* action)
{
    if (action)
        menu.addAction(action);
}

QMenuBar* newMenuBar(QWidget* parent)
{
    auto* bar = new QMenuBar(parent);
    bar->setObjectName(QStringLiteral("MenuBar"));
    return bar;
}

} // namespace

void addProgramCommands(QWidget& window, MainCommands& commands)
{
    commands.quit = new QAction(QObject::tr("&Quit"), &window);
    commands.quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    commands.quit->setMenuRole(QAction::QuitRole);
    QObject::connect(commands.quit, &QAction::triggered, &window, guarded([&window] { window.close(); }));

    commands.help = new QAction(QObject::tr("Siltmere &help"), &window);
    auto* opener = new HelpWindowOpener(commands.help);
    QObject::connect(commands.help, &QAction::triggered, opener, guarded([opener] { opener->open(); }));

    commands.aboutSiltmere = new QAction(QObject::tr("&About Siltmere"), &window);
    commands.aboutSiltmere->setMenuRole(QAction::AboutRole);
    QObject::connect(commands.aboutSiltmere, &QAction::triggered, &window,
                     guarded([&window] { showAboutSiltmere(&window); }));

    commands.aboutQt = new QAction(QObject::tr("About &Qt"), &window);
    commands.aboutQt->setMenuRole(QAction::AboutQtRole);
    QObject::connect(commands.aboutQt, &QAction::triggered, &window,
                     guarded([&window] { QMessageBox::aboutQt(&window); }));
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
    QMenu* file = bar->addMenu(QObject::tr("&File"));
    add(*file, commands.saveReport, "Save report");
    addOptional(*file, commands.print);
    addOptional(*file, commands.printPreview);
    file->addSeparator();
    add(*file, commands.quit, "Quit");

    QMenu* edit = bar->addMenu(QObject::tr("&Edit"));
    add(*edit, commands.copyResults, "Copy results");

    QMenu* view = bar->addMenu(QObject::tr("&View"));
    add(*view, commands.overview, "Overview");
    add(*view, commands.background, "Background");

    QMenu* help = bar->addMenu(QObject::tr("&Help"));
    if (commands.working) {
        help->addAction(commands.working);
        help->addSeparator();
    }
    add(*help, commands.help, "Siltmere help");
    help->addSeparator();
    add(*help, commands.aboutSiltmere, "About Siltmere");
    add(*help, commands.aboutQt, "About Qt");
    return bar;
}

QMenuBar* buildOverviewMenuBar(QWidget* parent, const OverviewCommands& commands)
{
    QMenuBar* bar = newMenuBar(parent);
    QMenu* file = bar->addMenu(QObject::tr("&File"));
    add(*file, commands.saveReport, "Save report");
    addOptional(*file, commands.print);
    addOptional(*file, commands.printPreview);
    QMenu* edit = bar->addMenu(QObject::tr("&Edit"));
    add(*edit, commands.copyOverview, "Copy overview");
    return bar;
}

} // namespace siltmere::ui
