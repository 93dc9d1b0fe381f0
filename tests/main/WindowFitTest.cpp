// On the screens planners have (a 1366 x 768 laptop at 125 %, a 1920 x 1080
// one at 150 %, a 1280 x 720 one with a task bar) all four windows open within
// the available area, and every step can still be reached and taken, with the
// keyboard and with the mouse; the main window's menu bar stays whole above
// the scrolled designed area, its menus open on the screen, and the help
// window it opens fits and scrolls. Each screen runs in a child process of
// its own, on Qt's offscreen platform given that screen.

#include "UiTestSupport.h"

#include "Form2.h"
#include "WorkingWindow.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include <cmath>

using namespace siltmere;
using namespace siltmere::test;

namespace {

// A failed check in the child: says what, and ends the child with status 1.
void require(bool condition, const QString& what)
{
    if (!condition) {
        std::printf("%s\n", qPrintable(what));
        std::fflush(stdout);
        std::exit(1);
    }
}

// Whether `widget` is shown whole inside the window's scrolled client area.
bool wholeInView(const QWidget& widget)
{
    const auto* scroll = widget.window()->findChild<QScrollArea*>();
    const QRect inViewport(widget.mapTo(scroll->viewport(), QPoint(0, 0)), widget.size());
    return scroll->viewport()->rect().contains(inViewport);
}

void fitsTheScreen(const QWidget& window)
{
    const QRect available = window.screen()->availableGeometry();
    require(window.width() <= available.width() && window.height() <= available.height(),
            QStringLiteral("%1 is %2 x %3, larger than the available %4 x %5")
                .arg(window.objectName())
                .arg(window.width())
                .arg(window.height())
                .arg(available.width())
                .arg(available.height()));
}

// The menu bar: whole across the top of the window, every menu's title in
// it, the scrolled designed area right under it; Alt+H opens the Help menu
// within the screen, and the help window it opens fits the screen and
// scrolls its guide.
void menuBarAndHelpFit(MainWindow& w)
{
    auto* bar = w.form.findChild<QMenuBar*>();
    require(bar && bar->isVisible() && bar->height() > 0, "no menu bar shown");
    require(bar->geometry() == QRect(0, 0, w.form.width(), bar->height()), "the menu bar is not across the top");
    for (QAction* menu : bar->actions())
        require(bar->rect().contains(bar->actionGeometry(menu)),
                QStringLiteral("the menu %1 is cut off").arg(menu->text()));
    // At 125 % or 150 % the designed area starts on a whole device pixel,
    // so that it is drawn as in a window without a menu bar.
    const qreal areaTop = bar->height() * w.form.devicePixelRatioF();
    require(std::abs(areaTop - std::round(areaTop)) < 1e-6,
            QStringLiteral("the designed area starts at %1 device pixels, between two").arg(areaTop));
    const auto* scroll = w.form.findChild<QScrollArea*>();
    require(scroll->geometry().top() == bar->height() && scroll->geometry().bottom() == w.form.height() - 1,
            "the designed area does not fill the window under the menu bar");

    w.activate();
    QTest::keyClick(w.focus(), Qt::Key_H, Qt::AltModifier);
    auto* help = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    require(help && QTest::qWaitForWindowExposed(help), "Alt+H opened no menu");
    require(help->screen()->availableGeometry().contains(help->geometry()), "the Help menu is off the screen");
    QAction* guide = nullptr;
    for (QAction* item : help->actions()) {
        if (item->text() == QStringLiteral("Siltmere &help"))
            guide = item;
    }
    require(guide != nullptr, "the Help menu has no Siltmere help");
    for (int i = 0; i < 10 && help->activeAction() != guide; ++i)
        QTest::keyClick(help, Qt::Key_Down);
    QTest::keyClick(help, Qt::Key_Return);
    QWidget* window = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->windowTitle() == QStringLiteral("Siltmere Help") && top->isVisible())
            window = top;
    }
    require(window && QTest::qWaitForWindowExposed(window), "Siltmere help opened no help window");
    fitsTheScreen(*window);
    auto* browser = window->findChild<QTextBrowser*>();
    browser->moveCursor(QTextCursor::End);
    require(browser->verticalScrollBar()->value() > 0, "the guide does not scroll to its end");
    require(browser->viewport()->rect().contains(browser->cursorRect()), "the guide's end is out of view");
    window->close();
}

// The child: the main window on the screen it was given, the three steps
// taken with the keyboard, then the last one again with the mouse; then the
// background window, closed with its button; then the overview, which in
// mode "whole" must show everything without scrolling.
int childMain(const QString& mode)
{
    MainWindow w;
    w.activate();
    fitsTheScreen(w.form);
    for (const char* step : {"Command1", "Command2", "Command3"}) {
        w.tabTo(step);
        require(wholeInView(*w.focus()), QStringLiteral("Tab to %1 leaves it out of view").arg(step));
        w.key(Qt::Key_Space);
    }
    require(resultBox(w.form, Percentage, 2)->text() == QStringLiteral("56%"), "the keyboard's step 3 did not run");

    // The mouse: scroll down to the last step's button and click it.
    typeLimit(w.limit, QStringLiteral("60"));
    click(w.command1);
    auto* scroll = w.form.findChild<QScrollArea*>();
    scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
    require(wholeInView(*w.command2), "scrolled down, step 2 is out of view");
    QTest::mouseClick(w.command2, Qt::LeftButton);
    require(wholeInView(*w.command3), "scrolled down, step 3 is out of view");
    QTest::mouseClick(w.command3, Qt::LeftButton);
    require(backOf(resultBox(w.form, Percentage, 2)) == kGreen, "the mouse's step 3 did not run at the limit of 60");

    ui::Form2* background = w.openBackground();
    require(background != nullptr, "no background window");
    fitsTheScreen(*background);
    auto* close = control<QPushButton>(*background, "Command1");
    background->findChild<QScrollArea*>()->ensureWidgetVisible(close);
    require(wholeInView(*close), "the background window's Close is out of reach");
    QTest::mouseClick(close, Qt::LeftButton);
    require(!background->isVisible(), "Close did not close the background window");

    w.activate();
    w.key(Qt::Key_Tab); // any control: the shortcut is the window's
    QTest::keyClick(w.focus(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    QWidget* overview = w.form.overviewWindow();
    require(overview && QTest::qWaitForWindowExposed(overview), "Ctrl+Shift+O opened no overview");
    fitsTheScreen(*overview);
    const auto* overviewScroll = overview->findChild<QScrollArea*>();
    const bool scrolls =
        overviewScroll->horizontalScrollBar()->isVisible() || overviewScroll->verticalScrollBar()->isVisible();
    require(mode != QStringLiteral("whole") || !scrolls,
            QStringLiteral("the overview needs scrolling on this screen: %1 x %2 showing %3 x %4")
                .arg(overview->width())
                .arg(overview->height())
                .arg(overviewScroll->widget()->width())
                .arg(overviewScroll->widget()->height()));
    require(scrolls || overviewScroll->widget()->size() == overviewScroll->viewport()->size(),
            "the overview is cut off without scroll bars");

    menuBarAndHelpFit(w);
    // The working of a critical load, the longest there is, from F1 on its
    // box: within the screen, its text scrolling where it is longer.
    w.activate();
    resultBox(w.form, CriticalLoads, 2)->setFocus(Qt::TabFocusReason);
    w.key(Qt::Key_F1);
    ui::WorkingWindow* working = w.form.workingWindow();
    require(working && QTest::qWaitForWindowExposed(working), "F1 opened no working window");
    fitsTheScreen(*working);
    const QScrollBar* bar = working->browser().verticalScrollBar();
    require(bar->maximum() == 0 || bar->isVisible(), "the working is cut off without a scroll bar");
    return 0;
}

} // namespace

class WindowFitTest : public QObject {
    Q_OBJECT

private slots:
    void everyStep_canBeReachedOnThePlannersScreens_data()
    {
        // The screen in pixels and the desktop's scale: Qt works in pixels
        // divided by the scale, and the task bar takes its share of the height.
        QTest::addColumn<QSize>("available");
        QTest::addColumn<QString>("scale");
        // "whole": the overview fits without scrolling.
        QTest::addColumn<QString>("overview");
        QTest::newRow("1366 x 768 at 100 %, task bar 40") << QSize(1366, 728) << "1"
                                                          << "whole";
        QTest::newRow("1366 x 768 at 125 %, task bar 48") << QSize(1366, 720) << "1.25"
                                                          << "fit";
        QTest::newRow("1920 x 1080 at 150 %, task bar 72") << QSize(1920, 1008) << "1.5"
                                                           << "fit";
        QTest::newRow("1280 x 720 at 100 %, task bar 40") << QSize(1280, 680) << "1"
                                                          << "fit";
        QTest::newRow("2560 x 1440 at 200 %, task bar 96") << QSize(2560, 1344) << "2"
                                                           << "fit";
        QTest::newRow("800 x 600, narrower than the window") << QSize(800, 600) << "1"
                                                             << "fit";
    }

    void everyStep_canBeReachedOnThePlannersScreens()
    {
        QFETCH(QSize, available);
        QFETCH(QString, scale);
        QFETCH(QString, overview);
        // A file name without a drive or folder, since the platform's options
        // are separated by colons: the child starts in a temporary folder
        // that holds it.
        const QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString config = QStringLiteral("screen-%1x%2.json").arg(available.width()).arg(available.height());
        QFile file(folder.filePath(config));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QStringLiteral(R"({"windowFrameMargins": false, "screens": [{"name": "laptop", "x": 0, "y": 0,
                                      "width": %1, "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96}]})")
                       .arg(available.width())
                       .arg(available.height())
                       .toUtf8());
        file.close();

        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config);
        environment.insert("QT_SCALE_FACTOR", scale);
        child.setProcessEnvironment(environment);
        child.setWorkingDirectory(folder.path());
        child.start(QCoreApplication::applicationFilePath(), {"--child", overview});
        QVERIFY(child.waitForFinished(60000));
        const QString said = QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, qPrintable(said));
    }
};

SILTMERE_UI_TEST_MAIN_WITH_CHILD(WindowFitTest, childMain)
#include "WindowFitTest.moc"
