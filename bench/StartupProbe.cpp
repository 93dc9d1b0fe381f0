// Starts a window, waits until its first frame is painted, and quits: one
// start-up of either the calculator's main window or, for comparison, a bare
// Qt Widgets window of the same size. startup_bench runs both many times.
//   startup_probe siltmere|bare

#include "Form1.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QWidget>

#include <cstring>
#include <memory>

namespace {

// Notes the first paint of the window it watches.
class FirstPaint : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

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
    FirstPaint watcher;
    window->installEventFilter(&watcher);
    window->show();
    const QDeadlineTimer deadline(10000);
    while (!watcher.painted && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return watcher.painted ? 0 : 1;
}
