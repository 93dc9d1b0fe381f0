#pragma once

// Shared by the window tests: an offscreen QApplication that fails fast on
// an unexpected modal dialog, real input events (mouse clicks on buttons,
// list rows and options; keys typed into the limit box) and a snapshot of
// everything the main window shows.

#include "DesignText.h"
#include "Form1.h"
#include "ResultGrid.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <array>
#include <cstdio>
#include <cstdlib>

namespace siltmere::test {

// A dialog nobody expects would block a test forever: report it and stop.
inline void failOnModalDialogs()
{
    auto* watchdog = new QTimer(qApp);
    QObject::connect(watchdog, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            std::fprintf(stderr, "unexpected modal dialog '%s'\n", qPrintable(modal->windowTitle()));
            std::abort();
        }
    });
    watchdog->start(200);
}

// Which modal dialogs a test program's windows may open: none, so that one
// that opens stops the test at once, or those the test answers itself
// (ReportDialogAnswers).
enum class ModalDialogs { Unexpected, Answered };

// Runs a QtTest class on the offscreen platform, with a desktop-sized screen,
// unless a platform is chosen. Where `childMain` is given, the program started
// as `PROGRAM --child MODE` runs `childMain(MODE)` instead: tests that need a
// process of their own (one that is to end, or to fail) start their own
// program that way.
template <typename TestClass>
int runUiTest(int argc, char** argv, ModalDialogs dialogs = ModalDialogs::Unexpected,
              int (*childMain)(const QString& mode) = nullptr)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", SILTMERE_TEST_PLATFORM);
    QApplication app(argc, argv);
    if (childMain && argc == 3 && QByteArray(argv[1]) == "--child")
        return childMain(QString::fromLocal8Bit(argv[2]));
    if (dialogs == ModalDialogs::Unexpected)
        failOnModalDialogs();
    TestClass test;
    return QTest::qExec(&test, argc, argv);
}

#define SILTMERE_UI_TEST_MAIN(TestClass)                                                                               \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        return siltmere::test::runUiTest<TestClass>(argc, argv);                                                       \
    }
#define SILTMERE_UI_TEST_MAIN_WITH_CHILD(TestClass, childMain)                                                         \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        return siltmere::test::runUiTest<TestClass>(argc, argv, siltmere::test::ModalDialogs::Unexpected, childMain);  \
    }

struct ChildRun {
    bool finished = false;
    int exitCode = -1;
    QProcess::ExitStatus status = QProcess::CrashExit;
    QString output;
};

// Runs this test program as a child in `mode` and waits for it to end.
inline ChildRun runChild(const QString& mode)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--child", mode});
    ChildRun run;
    run.finished = child.waitForFinished(60000);
    if (!run.finished) {
        child.kill();
        child.waitForFinished();
    }
    run.exitCode = child.exitCode();
    run.status = child.exitStatus();
    // Windows ends the child's lines with "\r\n".
    run.output = QString::fromLocal8Bit(child.readAllStandardOutput());
    run.output.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return run;
}

template <typename Widget>
Widget* control(const QWidget& window, const QString& name)
{
    auto* widget = window.findChild<Widget*>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

// The window's own command (an entry of its context menu) called `text`.
inline QAction* windowAction(const QWidget& window, const QString& text)
{
    for (QAction* action : window.actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

inline void click(QPushButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

inline void clickOption(QRadioButton* option)
{
    QStyleOptionButton styleOption;
    styleOption.initFrom(option);
    const QRect indicator = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &styleOption, option);
    QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, indicator.center());
}

inline void clickRow(QListWidget* list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

// Replaces the limit text keystroke by keystroke: select all, then type.
inline void typeLimit(QLineEdit* box, const QString& text)
{
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    else
        QTest::keyClicks(box, text);
}

// The main window, shown, with the controls the tests drive. Every window
// test starts from one of these.
struct MainWindow {
    ui::Form1 form;
    QListWidget* list = control<QListWidget>(form, "List1");
    QLineEdit* limit = control<QLineEdit>(form, "AcceptanceBox");
    QRadioButton* option1 = control<QRadioButton>(form, "Option1");
    QRadioButton* option2 = control<QRadioButton>(form, "Option2");
    QRadioButton* option3 = control<QRadioButton>(form, "Option3");
    QPushButton* command1 = control<QPushButton>(form, "Command1");
    QPushButton* command2 = control<QPushButton>(form, "Command2");
    QPushButton* command3 = control<QPushButton>(form, "Command3");
    QPushButton* command4 = control<QPushButton>(form, "Command4");

    MainWindow()
    {
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            qFatal("window not exposed");
    }
    void allSteps() const
    {
        click(command1);
        click(command2);
        click(command3);
    }

    // Makes the window the active one, so that keys go to its focus widget.
    void activate()
    {
        form.activateWindow();
        if (!QTest::qWaitForWindowActive(&form))
            qFatal("window not active");
    }
    QWidget* focus() const { return QApplication::focusWidget(); }
    void key(Qt::Key key) const { QTest::keyClick(focus(), key); }
    // Tabs until the named control has the focus.
    void tabTo(const QString& name) const
    {
        for (int i = 0; i < 40 && focus()->objectName() != name; ++i)
            key(Qt::Key_Tab);
        if (focus()->objectName() != name)
            qFatal("Tab never reached %s", qPrintable(name));
    }
    // The overview opened with its shortcut from the active main window, and
    // active itself; nullptr where it does not become so.
    ui::OverviewWindow* openOverview()
    {
        activate();
        QTest::keyClick(focus(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        ui::OverviewWindow* overview = form.overviewWindow();
        return overview && QTest::qWaitForWindowActive(overview) ? overview : nullptr;
    }
    // The background window the Background button opened, shown.
    ui::Form2* openBackground() const
    {
        click(command4);
        ui::Form2* background = form.backgroundWindow();
        if (background && !QTest::qWaitForWindowExposed(background))
            qFatal("background window not exposed");
        return background;
    }
};

using ui::kSubestuaries;
inline constexpr auto kSubestuaryCount = static_cast<std::size_t>(kSubestuaries);
inline constexpr std::size_t kRowCount = ui::kResultRows.size();

// The result rows, top to bottom, as indexes into a snapshot.
enum RowIndex {
    CriticalLoads = siltmere::indexOf(ResultRowId::CriticalLoads),
    Baseline = siltmere::indexOf(ResultRowId::Baseline),
    Scenario = siltmere::indexOf(ResultRowId::Scenario),
    Percentage = siltmere::indexOf(ResultRowId::Percentage),
};

// The name of the result box of subestuary k (1..6) in `row`.
inline QString resultBoxName(std::size_t row, int k)
{
    return ui::toQString(ui::kResultRows.at(row).boxes.at(static_cast<std::size_t>(k - 1)));
}

inline QLineEdit* resultBox(const QWidget& window, std::size_t row, int k)
{
    return control<QLineEdit>(window, resultBoxName(row, k));
}

// The colours the result boxes show, as a screen shows them.
inline const QColor kWhite(255, 255, 255);
inline const QColor kGreen(0, 255, 0);
inline const QColor kRed(255, 0, 0);
inline const QColor kPaleCyan(192, 255, 255);
inline const QColor kPaleOrange(255, 224, 192);
// Each row's colour: the loads pale cyan, the counts pale orange, and the
// percentages white until a comparison colours them.
inline const std::array<QColor, kRowCount> kRowColors{kPaleCyan, kPaleOrange, kPaleOrange, kWhite};

struct BoxState {
    QString text;
    bool enabled = false;
    QColor back;
    bool operator==(const BoxState&) const = default;
};

// Everything the main window shows that its handlers change.
struct Snapshot {
    std::array<std::array<BoxState, kSubestuaryCount>, kRowCount> rows;
    bool command2 = false;
    bool command3 = false;
    int caption = -1; // the one visible Label15 index, -1 if not exactly one
    bool legend = false;
    bool operator==(const Snapshot&) const = default;
};

inline QColor backOf(const QLineEdit* box)
{
    return box->palette().color(QPalette::Active, QPalette::Base);
}

inline Snapshot snapshot(const QWidget& window)
{
    Snapshot s;
    for (std::size_t r = 0; r < kRowCount; ++r) {
        for (int k = 1; k <= kSubestuaries; ++k) {
            const auto* box = resultBox(window, r, k);
            s.rows[r][static_cast<std::size_t>(k - 1)] = {box->text(), box->isEnabled(), backOf(box)};
        }
    }
    s.command2 = control<QPushButton>(window, "Command2")->isEnabled();
    s.command3 = control<QPushButton>(window, "Command3")->isEnabled();
    int visible = 0;
    for (int i = 0; i <= 2; ++i) {
        if (control<QLabel>(window, QStringLiteral("Label15(%1)").arg(i))->isVisibleTo(&window)) {
            ++visible;
            s.caption = i;
        }
    }
    if (visible != 1)
        s.caption = -1;
    s.legend = control<QLabel>(window, "Label16")->isVisibleTo(&window);
    return s;
}

// A row as it shows before its step has run: "0" greyed out on its colour.
inline void clearRow(Snapshot& s, RowIndex row)
{
    for (auto& box : s.rows[row])
        box = {QStringLiteral("0"), false, kRowColors[row]};
}

// A row as its step fills it: `figures` (hand-worked, HandWorked.h) on the
// row's colour.
inline void fillRow(Snapshot& s, RowIndex row, const std::array<int, kSubestuaryCount>& figures)
{
    for (std::size_t k = 0; k < kSubestuaryCount; ++k)
        s.rows[row][k] = {QString::number(figures[k]), true, kRowColors[row]};
}

// The display right after start-up: every row cleared, only the first step
// open, the caption "Earthworks" and no legend.
inline Snapshot startupState()
{
    Snapshot s;
    for (auto row : {CriticalLoads, Baseline, Scenario, Percentage})
        clearRow(s, row);
    s.command2 = false;
    s.command3 = false;
    s.caption = 0;
    s.legend = false;
    return s;
}

inline QString describe(const Snapshot& s)
{
    QString out;
    for (std::size_t r = 0; r < kRowCount; ++r) {
        out += ui::toQString(ui::kResultRows.at(r).title) + ":";
        for (const auto& box : s.rows[r])
            out += QStringLiteral(" %1%2%3").arg(box.text, box.enabled ? "" : "(off)",
                                                 r == Percentage ? "[" + box.back.name() + "]" : "");
        out += "\n";
    }
    out += QStringLiteral("Command2 %1, Command3 %2, caption %3, legend %4")
               .arg(s.command2)
               .arg(s.command3)
               .arg(s.caption)
               .arg(s.legend);
    return out;
}

} // namespace siltmere::test
