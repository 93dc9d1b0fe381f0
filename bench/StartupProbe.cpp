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

// Notes the first frame of the window it watches: the first paint of the
// window or of any widget in it. Where the window's own area is all covered
// by its children (the main window's client area fills it), only they are
// painted; a frame's widgets are all painted and put on the screen in one
// pass, so when the loop below sees the first paint the frame is complete.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(const QWidget& window)
        : window_(window)
    {
    }
    bool painted = false;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            if (const auto* widget = qobject_cast<const QWidget*>(watched); widget && widget->window() == &window_)
                painted = true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QWidget& window_;
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
    FirstPaint watcher(*window);
    app.installEventFilter(&watcher);
    window->show();
    const QDeadlineTimer deadline(10000);
    while (!watcher.painted && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return watcher.painted ? 0 : 1;
}
