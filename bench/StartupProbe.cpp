// Starts a window, waits until it is on screen, and quits: one start-up of
// either the calculator's main window or, for comparison, a bare Qt Widgets
// window of the same size. startup_bench runs both many times.
//   startup_probe siltmere|bare

#include "Form1.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cstring>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    std::unique_ptr<QWidget> window;
    if (bare) {
        window = std::make_unique<QWidget>();
        window->resize(835, 690);
        window->setWindowTitle("Siltmere");
    } else {
        window = std::make_unique<siltmere::ui::Form1>();
    }
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return 1;
    window->grab(); // the first frame is painted
    return 0;
}
