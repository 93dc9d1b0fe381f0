// Copies the results from the real window and keeps them on the clipboard
// until its standard input closes, so that another program (a spreadsheet)
// can paste them while they are there: on X11 the clipboard's contents live
// in the program that copied them. Used by scripts/checks/calc-paste.py.
//   copied_results_holder LOCALE LIMIT [results|overview]
// chooses the locale (e.g. de_DE), types LIMIT into the limit box, takes the
// three steps, presses Ctrl+Shift+C (or opens the overview with Ctrl+Shift+O
// and presses Ctrl+C there), prints "copied" and waits.

#include "UiTestSupport.h"

#include <QClipboard>
#include <QMimeData>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

using namespace siltmere::test;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool overview = argc == 4 && QByteArray(argv[3]) == "overview";
    if (argc < 3 || argc > 4 || (argc == 4 && !overview && QByteArray(argv[3]) != "results")) {
        std::fprintf(stderr, "usage: copied_results_holder LOCALE LIMIT [results|overview]\n");
        return 2;
    }
    QLocale::setDefault(QLocale(QString::fromLocal8Bit(argv[1])));
    failOnModalDialogs();

    MainWindow w;
    w.activate();
    typeLimit(w.limit, QString::fromLocal8Bit(argv[2]));
    w.allSteps();
    if (overview) {
        if (!w.openOverview()) {
            std::fprintf(stderr, "copied_results_holder: the overview did not open\n");
            return 1;
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    } else {
        QTest::keyClick(w.focus(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    }
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime || !mime->hasHtml() || !QGuiApplication::clipboard()->ownsClipboard()) {
        std::fprintf(stderr, "copied_results_holder: the clipboard does not hold the copied table\n");
        return 1;
    }
    std::printf("copied\n");
    std::fflush(stdout);

    // Whoever started this program closes its standard input when done.
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [] {
        char buffer[64];
        if (read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            QCoreApplication::quit();
    });
    return QApplication::exec();
}
