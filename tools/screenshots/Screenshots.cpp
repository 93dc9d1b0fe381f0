// Takes the README's pictures from the program itself: the main window after
// the three steps (5 mm, earthworks with controls, limit 20 %) and the
// background window. Usage: siltmere_screenshots OUTPUT_DIR
// Run it through tools/screenshots/screenshots.sh, which provides a display.

#include "Form1.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>

#include <cstdio>

namespace {

bool save(QWidget& window, const QString& path)
{
    QApplication::processEvents();
    const bool ok = window.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());

    siltmere::ui::Form1 main;
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        return 1;
    for (const char* step : {"Command1", "Command2", "Command3"})
        QTest::mouseClick(main.findChild<QPushButton*>(step), Qt::LeftButton);
    bool ok = save(main, out.filePath("main-window.png"));

    QTest::mouseClick(main.findChild<QPushButton*>("Command4"), Qt::LeftButton);
    QWidget* background = main.backgroundWindow();
    if (!background || !QTest::qWaitForWindowExposed(background))
        return 1;
    ok = save(*background, out.filePath("background-window.png")) && ok;
    return ok ? 0 : 1;
}
