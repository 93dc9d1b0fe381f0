// Cost of each step button's handler, pressed through a real mouse click on
// the offscreen platform: the model's step plus filling six boxes.

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
