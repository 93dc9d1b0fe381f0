// Takes the README's pictures from the program itself: the main window after
// the three steps (5 mm, earthworks with controls, limit 20 %), the
// background window, the overview, the help window and the working behind a
// percentage. Usage: siltmere_screenshots OUTPUT_DIR [--texts] [--dark]
// Run it through tools/screenshots/screenshots.sh, which provides a display.
//
// With --texts it writes beside each picture NAME.texts.tsv, where each text of the
// window lies in it (name, x, y, width, height in the picture's pixels), and
// it also pictures the main window as it opens (main-window-start.png, the
// cleared boxes greyed): scripts/checks/contrast.py measures every text's
// contrast from these. With --dark the windows get a dark palette with the
// colours of GNOME's Adwaita dark (light text), as a dark desktop gives them
// where Qt's own GTK theme passes on only part of it.

#include "Form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTextStream>

#include <cstdio>
#include <cstring>

namespace {

// Where `widget` draws its text, in `window`'s coordinates: inside the
// frame, and beside a radio button's indicator, whose ring is no text.
QRect textArea(QWidget& widget, QWidget& window)
{
    QRect area = widget.rect();
    if (auto* option = qobject_cast<QRadioButton*>(&widget)) {
        QStyleOptionButton style;
        style.initFrom(option);
        style.text = option->text();
        area = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
    } else if (auto* group = qobject_cast<QGroupBox*>(&widget)) {
        QStyleOptionGroupBox style;
        style.initFrom(group);
        style.text = group->title();
        style.subControls = QStyle::SC_GroupBoxLabel;
        area = group->style()->subControlRect(QStyle::CC_GroupBox, &style, QStyle::SC_GroupBoxLabel, group);
    } else if (qobject_cast<QLineEdit*>(&widget) || qobject_cast<QPushButton*>(&widget)) {
        area = widget.rect().adjusted(3, 3, -3, -3); // the frame's lines are no text
    }
    return QRect(widget.mapTo(&window, area.topLeft()), area.size());
}

void writeTexts(QWidget& window, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    QTextStream out(&file);
    const auto row = [&out](const QString& name, const QRect& r) {
        out << name << '\t' << r.x() << '\t' << r.y() << '\t' << r.width() << '\t' << r.height() << '\n';
    };
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->objectName().isEmpty())
            continue;
        if (auto* list = qobject_cast<QListWidget*>(widget)) {
            for (int i = 0; i < list->count(); ++i) {
                const QRect item = list->visualItemRect(list->item(i));
                row(widget->objectName() + QLatin1Char('[') + list->item(i)->text() + QLatin1Char(']'),
                    QRect(list->viewport()->mapTo(&window, item.topLeft()), item.size()));
            }
            continue;
        }
        const auto* label = qobject_cast<QLabel*>(widget);
        if ((label && !label->text().isEmpty()) || qobject_cast<QLineEdit*>(widget) ||
            qobject_cast<QAbstractButton*>(widget) || qobject_cast<QGroupBox*>(widget))
            row(widget->objectName(), textArea(*widget, window));
    }
}

QPalette darkPalette()
{
    QPalette palette(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
    const QColor text(0xee, 0xee, 0xec);
    const QColor greyed(0x91, 0x91, 0x90);
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
        palette.setColor(QPalette::Active, role, text);
        palette.setColor(QPalette::Inactive, role, text);
        palette.setColor(QPalette::Disabled, role, greyed);
    }
    palette.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    palette.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    return palette;
}

bool save(QWidget& window, const QString& path, bool texts)
{
    QApplication::processEvents();
    const bool ok = window.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    if (texts)
        writeTexts(window, QString(path).replace(QLatin1String(".png"), QLatin1String(".texts.tsv")));
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    bool texts = false;
    bool dark = false;
    for (int i = 2; i < argc; ++i) {
        texts = texts || std::strcmp(argv[i], "--texts") == 0;
        dark = dark || std::strcmp(argv[i], "--dark") == 0;
    }
    if (argc < 2 || argc - 2 != int{texts} + int{dark}) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR [--texts] [--dark]\n", argv[0]);
        return 2;
    }
    if (dark)
        QApplication::setPalette(darkPalette());
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());

    siltmere::ui::Form1 main;
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        return 1;
    bool ok = !texts || save(main, out.filePath("main-window-start.png"), texts);
    // On a screen smaller than the window's design the client area scrolls:
    // each button is scrolled into view before it is clicked, as a user
    // would, and the picture shows the window scrolled to the last step.
    auto* scroll = main.findChild<QScrollArea*>();
    for (const char* step : {"Command1", "Command2", "Command3"}) {
        auto* button = main.findChild<QPushButton*>(step);
        scroll->ensureWidgetVisible(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    ok = save(main, out.filePath("main-window.png"), texts) && ok;

    QTest::mouseClick(main.findChild<QPushButton*>("Command4"), Qt::LeftButton);
    QWidget* background = main.backgroundWindow();
    if (!background || !QTest::qWaitForWindowExposed(background))
        return 1;
    ok = save(*background, out.filePath("background-window.png"), texts) && ok;

    // The overview, opened from the keyboard as a planner would.
    main.activateWindow();
    if (!QTest::qWaitForWindowActive(&main))
        return 1;
    QTest::keyClick(&main, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    QWidget* overview = main.overviewWindow();
    if (!overview || !QTest::qWaitForWindowExposed(overview))
        return 1;
    ok = save(*overview, out.filePath("overview-window.png"), texts) && ok;

    // The help window, from the main window's Help menu.
    QAction* guide = nullptr;
    for (QAction* menu : main.findChild<QMenuBar*>()->actions()) {
        for (QAction* item : menu->menu()->actions()) {
            if (item->text() == QStringLiteral("Siltmere &help"))
                guide = item;
        }
    }
    if (!guide)
        return 1;
    guide->trigger();
    QWidget* help = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QStringLiteral("Help"))
            help = window;
    }
    if (!help || !QTest::qWaitForWindowExposed(help))
        return 1;
    ok = save(*help, out.filePath("help-window.png"), false) && ok;
    // The working behind a percentage that looks at its limit: 1 mm with
    // controls, subestuary 2 ("20%" within 20), its box clicked and F1.
    main.activateWindow();
    if (!QTest::qWaitForWindowActive(&main))
        return 1;
    auto* list = main.findChild<QListWidget*>("List1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(0)).center());
    for (const char* step : {"Command1", "Command2", "Command3"})
        QTest::mouseClick(main.findChild<QPushButton*>(step), Qt::LeftButton);
    auto* box = main.findChild<QLineEdit*>("Text29");
    scroll->ensureWidgetVisible(box);
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_F1);
    QWidget* working = main.workingWindow();
    if (!working || !QTest::qWaitForWindowExposed(working))
        return 1;
    ok = save(*working, out.filePath("working-window.png"), texts) && ok;
    return ok ? 0 : 1;
}
