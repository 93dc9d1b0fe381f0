// Cost of each step button's handler, pressed through a real mouse click on
// the offscreen platform: the model's step plus filling six boxes; and of
// opening and following the overview.

#include "Form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

struct ShownWindow {
    siltmere::ui::Form1 form;
    ShownWindow()
    {
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            qFatal("window not exposed");
    }
    QPushButton* button(const char* name) { return form.findChild<QPushButton*>(name); }
};

void clickEach(benchmark::State& state, const char* name, std::initializer_list<const char*> before)
{
    ShownWindow w;
    for (const char* step : before)
        QTest::mouseClick(w.button(step), Qt::LeftButton);
    QPushButton* button = w.button(name);
    for (auto _ : state)
        QTest::mouseClick(button, Qt::LeftButton);
}

void BM_Command1_CriticalLoads(benchmark::State& state)
{
    clickEach(state, "Command1", {});
}
BENCHMARK(BM_Command1_CriticalLoads)->Unit(benchmark::kMicrosecond);

void BM_Command2_Exceedances(benchmark::State& state)
{
    clickEach(state, "Command2", {"Command1"});
}
BENCHMARK(BM_Command2_Exceedances)->Unit(benchmark::kMicrosecond);

void BM_Command3_PctIncrease(benchmark::State& state)
{
    clickEach(state, "Command3", {"Command1", "Command2"});
}
BENCHMARK(BM_Command3_PctIncrease)->Unit(benchmark::kMicrosecond);

void BM_ThicknessChoice(benchmark::State& state)
{
    ShownWindow w;
    auto* list = w.form.findChild<QListWidget*>("List1");
    int row = 0;
    for (auto _ : state) {
        list->setCurrentRow(row);
        row = (row + 1) % 5;
    }
}
BENCHMARK(BM_ThicknessChoice)->Unit(benchmark::kMicrosecond);

void BM_LimitKeystroke(benchmark::State& state)
{
    ShownWindow w;
    auto* limit = w.form.findChild<QLineEdit*>("AcceptanceBox");
    for (auto _ : state) {
        QTest::keyClick(limit, Qt::Key_5);
        QTest::keyClick(limit, Qt::Key_Backspace);
    }
}
BENCHMARK(BM_LimitKeystroke)->Unit(benchmark::kMicrosecond);

// From Ctrl+Shift+O to the overview drawn, the first time (the overview is
// built on first use): ten combinations worked out, the window built, shown
// and painted. Its budget is 50 ms.
void BM_OverviewFirstOpen(benchmark::State& state)
{
    ShownWindow w;
    w.form.activateWindow();
    if (!QTest::qWaitForWindowActive(&w.form))
        qFatal("window not active");
    for (auto _ : state) {
        QTest::keyClick(w.form.focusWidget(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        QWidget* overview = w.form.overviewWindow();
        if (!overview || !QTest::qWaitForWindowExposed(overview))
            qFatal("no overview");
        overview->repaint();
        state.PauseTiming();
        delete overview;
        w.form.activateWindow();
        if (!QTest::qWaitForWindowActive(&w.form))
            qFatal("window not active");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OverviewFirstOpen)->Unit(benchmark::kMillisecond);

// A keystroke in the limit box while the overview is open: the overview
// works its ten combinations out again and redraws what changed, its
// percentage tables (the loads and the chart do not depend on the limit),
// as the event loop puts it on the screen. Its budget is 3 ms for the two keystrokes.
void BM_LimitKeystrokeWithOverview(benchmark::State& state)
{
    ShownWindow w;
    w.form.activateWindow();
    if (!QTest::qWaitForWindowActive(&w.form))
        qFatal("window not active");
    QTest::keyClick(w.form.focusWidget(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    QWidget* overview = w.form.overviewWindow();
    if (!overview || !QTest::qWaitForWindowExposed(overview))
        qFatal("no overview");
    auto* limit = w.form.findChild<QLineEdit*>("AcceptanceBox");
    for (auto _ : state) {
        QTest::keyClick(limit, Qt::Key_5);
        QCoreApplication::processEvents();
        QTest::keyClick(limit, Qt::Key_Backspace);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_LimitKeystrokeWithOverview)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // The tests' desktop-sized screen, on which the window opens unscrolled
    // and every button can be clicked.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", SILTMERE_TEST_PLATFORM);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
