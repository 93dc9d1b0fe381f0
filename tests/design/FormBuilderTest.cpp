// The builder that turns a design table into widgets, tried on a small
// made-up window: what it makes of each column of a row, the keyboard order
// it derives from the tab numbers, the stacking order from the row order, and
// how it treats the option buttons of a frame; and the design's units, twips
// and Windows colour numbers.

#include "UiTestSupport.h"

#include "ControlSpec.h"
#include "FormBuilder.h"
#include "Twips.h"
#include "WindowsColor.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QMenuBar>
#include <QScrollArea>
#include <QtTest>

#include <array>
#include <stdexcept>

using namespace siltmere;
using namespace siltmere::test;
using namespace siltmere::ui;

namespace {

constexpr WindowSpec kProbeWindow{"Probe", "Probe window", 3000, 1500};

constexpr FontSpec kBigBold{"MS Sans Serif", 18.0, true, false};

// Rows deliberately out of keyboard order; "Cover" lies on top of "Note".
constexpr std::array<ControlSpec, 8> kProbeControls{{
    label("Note", {150, 150, 1500, 300}, 7, "A note", kBigBold),
    textBox("Value", {150, 600, 1007, 300}, 3, "42")
        .withBack(colors::kPaleCyan)
        .withAlign(Align::Center)
        .withFlags(Disabled | ReadOnly)
        .named("Value of the probe")
        .described("What the probe measured"),
    pushButton("Go", {1500, 600, 1200, 450}, 2, "&Go").withBack(colors::kPaleYellow),
    frame("Choice", {150, 1000, 2700, 450}, 5, "Choice"),
    optionButton("Left", "Choice", {75, 150, 1200, 255}, 4, "Left").withFlags(Checked),
    optionButton("Right", "Choice", {1350, 150, 1200, 255}, 6, "Right"),
    textBox("Cover", {150, 150, 600, 300}, 1, "cover"),
    label("Unreached", {2000, 150, 900, 300}, kNoTab, "no tab"),
}};

struct ProbeWindow {
    QWidget window;
    Controls controls = buildForm(window, kProbeWindow, kProbeControls);

    ProbeWindow()
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("probe window not exposed");
    }
};

} // namespace

class FormBuilderTest : public QObject {
    Q_OBJECT

private slots:
    void window_takesItsNameCaptionClientSizeAndFont()
    {
        ProbeWindow p;
        QCOMPARE(p.window.objectName(), QStringLiteral("Probe"));
        QCOMPARE(p.window.windowTitle(), QStringLiteral("Probe window"));
        QCOMPARE(p.window.size(), QSize(200, 100));
        QCOMPARE(p.window.font().pointSizeF(), 8.0);
        QVERIFY(!p.window.font().bold());
    }

    void controls_getTheirKindContainerAndBoxInPixels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("label") << "Note"
                               << "QLabel"
                               << "ClientArea" << QRect(10, 10, 100, 20);
        // 150 + 1007 twips end at 77.13 pixels: the right edge rounds to 77.
        QTest::newRow("text box, edge rounded") << "Value"
                                                << "QLineEdit"
                                                << "ClientArea" << QRect(10, 40, 67, 20);
        QTest::newRow("push button") << "Go"
                                     << "QPushButton"
                                     << "ClientArea" << QRect(100, 40, 80, 30);
        QTest::newRow("frame") << "Choice"
                               << "QGroupBox"
                               << "ClientArea" << QRect(10, 67, 180, 30);
        QTest::newRow("option inside its frame") << "Right"
                                                 << "QRadioButton"
                                                 << "Choice" << QRect(90, 10, 80, 17);
    }

    void controls_getTheirKindContainerAndBoxInPixels()
    {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QString, container);
        QFETCH(QRect, geometry);
        ProbeWindow p;
        const auto* widget = control<QWidget>(p.window, name);
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
        QCOMPARE(widget->parentWidget()->objectName(), container);
        QCOMPARE(widget->geometry(), geometry);
    }

    void rowSettings_reachTheWidget()
    {
        ProbeWindow p;
        const auto* note = control<QLabel>(p.window, "Note");
        QCOMPARE(note->text(), QStringLiteral("A note"));
        QVERIFY(note->wordWrap());
        QCOMPARE(note->font().pointSizeF(), 18.0);
        QVERIFY(note->font().bold());

        const auto* value = control<QLineEdit>(p.window, "Value");
        QCOMPARE(value->text(), QStringLiteral("42"));
        QVERIFY(!value->isEnabled());
        QVERIFY(value->isReadOnly());
        QVERIFY(value->alignment() & Qt::AlignHCenter);
        QCOMPARE(value->font().pointSizeF(), 8.0); // the window font
        QCOMPARE(value->palette().color(QPalette::Disabled, QPalette::Base), kPaleCyan);
        QCOMPARE(value->accessibleName(), QStringLiteral("Value of the probe"));
        QCOMPARE(value->accessibleDescription(), QStringLiteral("What the probe measured"));

        const auto* cover = control<QLineEdit>(p.window, "Cover");
        QVERIFY(cover->isEnabled());
        QVERIFY(!cover->isReadOnly());
        QVERIFY(cover->alignment() & Qt::AlignLeft);
    }

    void pushButtons_keepTheSystemColoursAndSpeakTheirCaptionWithoutAccessKey()
    {
        ProbeWindow p;
        const auto* go = control<QPushButton>(p.window, "Go");
        // The row's pale yellow is not drawn: a standard button has the window's colours.
        QCOMPARE(go->palette().color(QPalette::Button), p.window.palette().color(QPalette::Button));
        QCOMPARE(go->accessibleName(), QStringLiteral("Go"));
        QVERIFY(!go->isDefault());
        QVERIFY(!go->autoDefault());
    }

    void optionsOfAFrame_formOneExclusiveGroup()
    {
        ProbeWindow p;
        auto* left = control<QRadioButton>(p.window, "Left");
        auto* right = control<QRadioButton>(p.window, "Right");
        QVERIFY(left->isChecked());
        QVERIFY(!right->isChecked());
        QVERIFY(left->group() && left->group() == right->group());
        right->click();
        QVERIFY(!left->isChecked());
        QVERIFY(right->isChecked());
        right->click(); // a second click leaves it chosen
        QVERIFY(right->isChecked());
    }

    void keyboardOrder_followsTheTabNumbersNotTheRows()
    {
        ProbeWindow p;
        p.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.window));
        control<QLineEdit>(p.window, "Cover")->setFocus();
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        // Tab 1 Cover, 2 Go, 3 Value (disabled), 4 the chosen option (Tab
        // leaves its group rather than visiting 6, the other option), 7 a label.
        QCOMPARE(visited, (QStringList{"Cover", "Go", "Left", "Cover", "Go"}));
        QCOMPARE(control<QLabel>(p.window, "Note")->focusPolicy(), Qt::NoFocus);
        QCOMPARE(control<QGroupBox>(p.window, "Choice")->focusPolicy(), Qt::NoFocus);
    }

    void laterRows_lieInFront()
    {
        ProbeWindow p;
        const QObjectList children = control<QWidget>(p.window, "ClientArea")->children();
        QVERIFY(children.indexOf(control<QWidget>(p.window, "Cover")) >
                children.indexOf(control<QWidget>(p.window, "Note")));
        QCOMPARE(p.window.childAt(QPoint(20, 20)), control<QWidget>(p.window, "Cover"));
    }

    void controls_areFoundByNameAndKind()
    {
        ProbeWindow p;
        QCOMPARE(p.controls.get<QLineEdit>("Value"), control<QLineEdit>(p.window, "Value"));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, p.controls.get<QPushButton>("Value"));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, p.controls.get<QLabel>("Missing"));
    }

    // A menu bar over a built window: the client area keeps its designed
    // size and place under it, each control its place on the client area,
    // and the window grows by exactly the height the bar takes, also where
    // the menus are wider than the window.
    void menuBar_sitsAboveTheClientAreaWhichKeepsItsSize_data()
    {
        QTest::addColumn<QStringList>("menus");
        QTest::newRow("one menu") << QStringList{"&Probe"};
        QTest::newRow("menus wider than the window")
            << QStringList{"&First menu", "&Second menu", "&Third menu", "F&ourth menu", "Fi&fth menu"};
    }

    void menuBar_sitsAboveTheClientAreaWhichKeepsItsSize()
    {
        QFETCH(QStringList, menus);
        QWidget window;
        buildForm(window, kProbeWindow, kProbeControls);
        auto* bar = new QMenuBar(&window);
        for (const QString& title : menus)
            bar->addMenu(title)->addAction(QStringLiteral("Item"));
        placeMenuBar(window, *bar);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ProbeWindow plain;

        QVERIFY(bar->height() > 0);
        QCOMPARE(window.size(), QSize(200, 100 + bar->height()));
        QCOMPARE(bar->geometry(), QRect(0, 0, 200, bar->height()));
        const auto* area = control<QWidget>(window, "ClientArea");
        QCOMPARE(area->size(), QSize(200, 100));
        QCOMPARE(area->mapTo(&window, QPoint(0, 0)), QPoint(0, bar->height()));
        // Shown whole, without scroll bars.
        QCOMPARE(window.findChild<QScrollArea*>()->viewport()->size(), QSize(200, 100));
        for (const ControlSpec& spec : kProbeControls) {
            const QString name = toQString(spec.name);
            QCOMPARE(control<QWidget>(window, name)->geometry(), control<QWidget>(plain.window, name)->geometry());
        }
    }

    // Halves away from zero: a control's edges land on the pixel nearest
    // their twips, whichever side of the origin.
    void twips_roundToTheNearestPixel_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("one pixel") << 15 << 1;
        QTest::newRow("just under one and a half") << 22 << 1;
        QTest::newRow("just over one and a half") << 23 << 2;
        QTest::newRow("negative") << -23 << -2;
    }

    void twips_roundToTheNearestPixel()
    {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(twipsToPixels(twips), pixels);
    }

    // Boxes that touch in the design touch on screen: their edges are
    // rounded, not their widths (10 twips wide, each would be one pixel).
    void twips_roundEdgesNotWidths()
    {
        QCOMPARE(rectFromTwips(0, 0, 10, 10), QRect(0, 0, 1, 1));
        QCOMPARE(rectFromTwips(10, 10, 10, 10), QRect(1, 1, 0, 0));
        QCOMPARE(rectFromTwips(20, 20, 10, 10), QRect(1, 1, 1, 1));
    }

    // Windows colour numbers hold red in their low byte; the system colours
    // (high bit set) follow the palette.
    void windowsColours_areReadAsWindowsWritesThem_data()
    {
        QTest::addColumn<uint>("number");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("green") << uint(65280) << QColor(0, 255, 0);
        QTest::newRow("red") << uint(255) << QColor(255, 0, 0);
        QTest::newRow("white") << uint(16777215) << QColor(255, 255, 255);
        QTest::newRow("pale yellow") << uint(8454143) << QColor(255, 255, 128);
        QTest::newRow("pale cyan") << uint(16777152) << QColor(192, 255, 255);
        QTest::newRow("pale orange") << uint(12640511) << QColor(255, 224, 192);
        QTest::newRow("system: window background") << uint(0x80000004u) << QColor(1, 2, 3);
        QTest::newRow("system: button face") << uint(0x8000000Fu) << QColor(4, 5, 6);
    }

    void windowsColours_areReadAsWindowsWritesThem()
    {
        QFETCH(uint, number);
        QFETCH(QColor, expected);
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(1, 2, 3));
        palette.setColor(QPalette::Button, QColor(4, 5, 6));
        QCOMPARE(fromWindowsColor(number, palette), expected);
    }

    void menuBar_needsAWindowWithALayout()
    {
        QWidget window;
        QMenuBar bar;
        QVERIFY_THROWS_EXCEPTION(std::logic_error, placeMenuBar(window, bar));
    }
};

SILTMERE_UI_TEST_MAIN(FormBuilderTest)
#include "FormBuilderTest.moc"
