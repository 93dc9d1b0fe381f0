// The menu bars of the main window and the overview, driven by the keyboard
// as a user would: each item is the very action its shortcut and its
// context-menu entries run, and choosing it any of these ways does what the
// command does. The menus hold every command, in order, under access keys
// of their own.

#include "UiTestSupport.h"

#include "ExceedanceChart.h"
#include "OverviewWindow.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

using namespace siltmere;
using namespace siltmere::test;

namespace {

// Closes every modal dialog a command opens, as soon as it is up, and keeps
// its title: the commands' dialogs (save, About) are what shows they ran.
class DialogCloser : public QObject {
public:
    DialogCloser()
    {
        timer_.callOnTimeout(this, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog == closing_)
                return;
            closing_ = dialog;
            titles << dialog->windowTitle();
            // Closed once this timer's call has returned, outside the
            // dialog's own event handling.
            QTimer::singleShot(0, dialog, [dialog] { dialog->reject(); });
        });
        timer_.start(10);
    }
    QStringList titles;

private:
    QTimer timer_;
    QPointer<QDialog> closing_;
};

QMenuBar& menuBarOf(const QWidget& window)
{
    return *control<QMenuBar>(window, "MenuBar");
}

QMenu* menuTitled(const QWidget& window, const QString& title)
{
    for (QAction* action : menuBarOf(window).actions()) {
        if (action->text() == title)
            return action->menu();
    }
    return nullptr;
}

QAction* itemOf(const QMenu& menu, const QString& text)
{
    for (QAction* action : menu.actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

QStringList itemTexts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions) {
        if (!action->isSeparator())
            texts << action->text();
    }
    return texts;
}

// In the popup menu that is open, moves to `action` with the arrow keys and
// presses Enter; says whether the action is one of the menu's.
bool chooseInOpenMenu(QAction* action)
{
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu || !menu->actions().contains(action))
        return false;
    for (int i = 0; i < menu->actions().size() && menu->activeAction() != action; ++i)
        QTest::keyClick(menu, Qt::Key_Down);
    if (menu->activeAction() != action)
        return false;
    QTest::keyClick(menu, Qt::Key_Return);
    return true;
}

// Opens a context menu by `open`, which returns once the menu has closed,
// and chooses `action` in it.
bool chooseInContextMenu(QAction* action, const std::function<void()>& open)
{
    bool chosen = false;
    QTimer::singleShot(0, [action, &chosen] {
        chosen = chooseInOpenMenu(action);
        if (!chosen && QApplication::activePopupWidget())
            QApplication::activePopupWidget()->close();
    });
    open();
    return chosen;
}

const QString kUntouched = QStringLiteral("clipboard untouched");

// What a command did: closed the window, opened dialogs or windows (their
// titles), or filled the clipboard.
QString effect(const QWidget& window, const DialogCloser& dialogs, const QWidgetList& shownBefore)
{
    if (!window.isVisible())
        return QStringLiteral("closed");
    if (!dialogs.titles.isEmpty())
        return QStringLiteral("dialog ") + dialogs.titles.join(QLatin1String(", "));
    QStringList opened;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && !shownBefore.contains(top) && !qobject_cast<QMenu*>(top))
            opened << top->windowTitle();
    }
    if (!opened.isEmpty())
        return QStringLiteral("window ") + opened.join(QLatin1String(", "));
    if (QGuiApplication::clipboard()->text() != kUntouched)
        return QStringLiteral("clipboard");
    return QStringLiteral("nothing");
}

QWidgetList shownWindows()
{
    QWidgetList shown;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible())
            shown << top;
    }
    return shown;
}

enum class Route { Shortcut, MenuBar, WindowContextMenu, BoxContextMenu };

QString routeName(Route route)
{
    switch (route) {
    case Route::Shortcut:
        return QStringLiteral("shortcut");
    case Route::MenuBar:
        return QStringLiteral("menu bar");
    case Route::WindowContextMenu:
        return QStringLiteral("window's context menu");
    case Route::BoxContextMenu:
        return QStringLiteral("text box's context menu");
    }
    return {};
}

// The main window made the active one or, `inOverview`, the overview opened
// from it with its shortcut and active; nullptr where it does not become so.
QWidget* activeWindowOf(MainWindow& w, bool inOverview)
{
    if (inOverview)
        return w.openOverview();
    w.activate();
    return &w.form;
}

// The access key of a menu title or item ("&File": Alt+F), empty for none.
QKeySequence accessKey(const QString& text)
{
    return QKeySequence::mnemonic(text);
}

} // namespace

class MenuBarTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Quit closes the last window; the test goes on.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void eachItem_isTheActionOfItsShortcutAndContextMenuEntry_data()
    {
        QTest::addColumn<bool>("inOverview");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QKeySequence>("shortcut"); // empty: none
        QTest::addColumn<bool>("inContextMenus");   // the window's, and in the main window every text box's
        QTest::addColumn<QString>("expectedEffect");
        const QKeySequence none;
        QTest::newRow("File > Save report as PDF…")
            << false << "&File"
            << "Save report as PDF…" << QKeySequence(Qt::CTRL | Qt::Key_S) << true << "dialog Save report as PDF";
        QTest::newRow("File > Quit") << false << "&File"
                                     << "&Quit" << QKeySequence(Qt::CTRL | Qt::Key_Q) << false << "closed";
        QTest::newRow("Edit > Copy results")
            << false << "&Edit"
            << "Copy results" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C) << true << "clipboard";
        QTest::newRow("View > Overview…")
            << false << "&View"
            << "Overview of all thicknesses and scenarios…" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O) << true
            << "window Siltmere Overview";
        QTest::newRow("View > Background") << false << "&View"
                                           << "Background" << none << false << "window Siltmere Background Information";
        QTest::newRow("Help > Siltmere help") << false << "&Help"
                                              << "Siltmere &help" << none << false << "window Siltmere Help";
        QTest::newRow("Help > About Siltmere") << false << "&Help"
                                               << "&About Siltmere" << none << false << "dialog About Siltmere";
        QTest::newRow("Help > About Qt") << false << "&Help"
                                         << "About &Qt" << none << false << "dialog About Qt";
        QTest::newRow("overview: File > Save report as PDF…")
            << true << "&File"
            << "Save report as PDF…" << QKeySequence(Qt::CTRL | Qt::Key_S) << true << "dialog Save report as PDF";
        QTest::newRow("overview: Edit > Copy overview")
            << true << "&Edit"
            << "Copy overview" << QKeySequence(Qt::CTRL | Qt::Key_C) << true << "clipboard";
    }

    void eachItem_isTheActionOfItsShortcutAndContextMenuEntry()
    {
        QFETCH(bool, inOverview);
        QFETCH(QString, menu);
        QFETCH(QString, item);
        QFETCH(QKeySequence, shortcut);
        QFETCH(bool, inContextMenus);
        QFETCH(QString, expectedEffect);

        QList<Route> routes{Route::MenuBar};
        if (!shortcut.isEmpty())
            routes << Route::Shortcut;
        if (inContextMenus)
            routes << Route::WindowContextMenu;
        if (inContextMenus && !inOverview)
            routes << Route::BoxContextMenu;

        for (const Route route : routes) {
            // A fresh main window for every route: the commands open windows
            // and one closes it.
            MainWindow w;
            QWidget* window = activeWindowOf(w, inOverview);
            QVERIFY(window);
            const QString context = routeName(route);
            QMenu* popup = menuTitled(*window, menu);
            QVERIFY2(popup, qPrintable(menu));
            QAction* action = itemOf(*popup, item);
            QVERIFY2(action, qPrintable(item));
            QCOMPARE(action->shortcut(), shortcut);
            QVERIFY(action->isEnabled());
            // The window's context menu holds exactly the window's own
            // actions; the commands without an entry there are not in it.
            QCOMPARE(window->actions().contains(action), inContextMenus);

            QSignalSpy triggered(action, &QAction::triggered);
            const QWidgetList shownBefore = shownWindows();
            QGuiApplication::clipboard()->setText(kUntouched);
            DialogCloser dialogs;
            switch (route) {
            case Route::Shortcut:
                QTest::keySequence(QApplication::focusWidget(), shortcut);
                break;
            case Route::MenuBar:
                // Alt and the menu's access key open it; the arrow keys
                // and Enter choose the item.
                QTest::keyClick(QApplication::focusWidget(), accessKey(menu)[0].key(), Qt::AltModifier);
                QVERIFY2(chooseInOpenMenu(action), qPrintable(context));
                break;
            case Route::WindowContextMenu: {
                // A right-click anywhere in the window: here on a label or
                // the chart, which pass it on to the window.
                QWidget* target = inOverview ? static_cast<QWidget*>(&w.form.overviewWindow()->chart())
                                             : control<QWidget>(w.form, "Label5");
                QVERIFY2(chooseInContextMenu(action,
                                             [target] {
                                                 QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                                                                         target->mapToGlobal(QPoint(2, 2)));
                                                 QApplication::sendEvent(target, &event);
                                             }),
                         qPrintable(context));
                break;
            }
            case Route::BoxContextMenu:
                for (QLineEdit* box : {w.limit, resultBox(w.form, Percentage, 3)}) {
                    // Its own editing menu, with the entry added to it.
                    QCOMPARE(box->contextMenuPolicy(), Qt::CustomContextMenu);
                    QVERIFY2(chooseInContextMenu(action, [box] { emit box->customContextMenuRequested(QPoint(4, 4)); }),
                             qPrintable(box->objectName()));
                    if (box == w.limit) {
                        // The same action from a result box's menu too.
                        QCOMPARE(triggered.count(), 1);
                        triggered.clear();
                        dialogs.titles.clear();
                    }
                }
                break;
            }
            // QTest::qWaitFor, not QTRY_*: Qt 6.8's QTRY macros narrow a
            // std::chrono count to int in the caller's code, which
            // -Werror=conversion refuses.
            const auto effectNow = [&] { return effect(w.form.isVisible() ? *window : w.form, dialogs, shownBefore); };
            // Waits for both, then says which one is off.
            (void)QTest::qWaitFor([&] { return triggered.count() == 1 && effectNow() == expectedEffect; }, 2000);
            QCOMPARE(triggered.count(), 1);
            QCOMPARE(effectNow(), expectedEffect);
        }
    }

    void menus_holdEveryCommandInOrder_data()
    {
        QTest::addColumn<bool>("inOverview");
        QTest::addColumn<QStringList>("menus");
        // The window's own context menu: the report's entries beside the
        // copy, and in the main window the overview before them.
        QTest::addColumn<QStringList>("contextMenu");
        QTest::newRow("main window")
            << false
            << QStringList{"&File: Save report as PDF… | Print report… | Print preview… | &Quit", "&Edit: Copy results",
                           "&View: Overview of all thicknesses and scenarios… | Background",
                           "&Help: How was this worked out? | Siltmere &help | &About Siltmere | About &Qt"}
            << QStringList{"Copy results",        "Overview of all thicknesses and scenarios…",
                           "Save report as PDF…", "Print report…",
                           "Print preview…",      "How was this worked out?"};
        QTest::newRow("overview") << true
                                  << QStringList{"&File: Save report as PDF… | Print report… | Print preview…",
                                                 "&Edit: Copy overview"}
                                  << QStringList{"Copy overview", "Save report as PDF…", "Print report…",
                                                 "Print preview…"};
    }

    void menus_holdEveryCommandInOrder()
    {
        QFETCH(bool, inOverview);
        QFETCH(QStringList, menus);
        QFETCH(QStringList, contextMenu);
        MainWindow w;
        QWidget* window = activeWindowOf(w, inOverview);
        QVERIFY(window);
        QStringList shown;
        for (QAction* title : menuBarOf(*window).actions())
            shown << title->text() + QStringLiteral(": ") + itemTexts(title->menu()->actions()).join(" | ");
        QCOMPARE(shown, menus);
        QCOMPARE(itemTexts(window->actions()), contextMenu);
    }

    // Alt and a letter open a menu and, in it, choose an item, each letter
    // used once; the designed window's captions have none, so nothing there
    // takes them.
    void accessKeys_areTheMenusOwnAndEachUsedOnce()
    {
        MainWindow w;
        QVERIFY(w.openOverview());
        for (const QWidget* window : {static_cast<QWidget*>(&w.form), static_cast<QWidget*>(w.form.overviewWindow())}) {
            QList<QKeySequence> titles;
            for (QAction* title : menuBarOf(*window).actions()) {
                const QKeySequence key = accessKey(title->text());
                QVERIFY2(!key.isEmpty(), qPrintable(title->text()));
                QVERIFY2(!titles.contains(key), qPrintable(title->text()));
                titles << key;
                QList<QKeySequence> items;
                for (const QAction* entry : title->menu()->actions()) {
                    const QKeySequence itemKey = accessKey(entry->text());
                    QVERIFY2(itemKey.isEmpty() || !items.contains(itemKey), qPrintable(entry->text()));
                    items << itemKey;
                }
            }
        }
        for (const QAbstractButton* button : w.form.findChildren<QAbstractButton*>())
            QVERIFY2(!button->text().contains(QLatin1Char('&')), qPrintable(button->objectName()));
        for (const QLabel* label : w.form.findChildren<QLabel*>())
            QVERIFY2(!label->text().contains(QLatin1Char('&')), qPrintable(label->objectName()));
    }
};

// No watchdog for modal dialogs here: the commands' own dialogs are what
// the test waits for, and it closes every one.
int main(int argc, char** argv)
{
    return siltmere::test::runUiTest<MenuBarTest>(argc, argv, siltmere::test::ModalDialogs::Answered);
}
#include "MenuBarTest.moc"
