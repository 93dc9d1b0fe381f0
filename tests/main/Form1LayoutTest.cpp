// The main window as designed, checked against the design's twips worked out
// by hand: a sample of controls in their boxes, the result strips, captions
// that fit, colours, stacking and keyboard order, and nothing moved by a
// resize or by the menu bar above the designed area.

#include "UiTestSupport.h"

#include "DesignFonts.h"
#include "Form1Layout.h"
#include "FormBuilder.h"
#include "StretchedImage.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QMenuBar>
#include <QtTest>

#include <utility>

using namespace siltmere;
using namespace siltmere::test;
using namespace siltmere::ui;

namespace {

QString textOf(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* box = qobject_cast<const QLineEdit*>(widget))
        return box->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    return {};
}

// A design font as the window asks for it: family, size and weight.
struct DesignFont {
    const char* family;
    double points;
    bool bold;
};
constexpr DesignFont kWindowFontExpected{"MS Sans Serif", 8.0, false};

} // namespace

class Form1LayoutTest : public QObject {
    Q_OBJECT

private slots:
    // Positions and sizes in pixels worked out by hand from the window's
    // design in twips (15 twips to the pixel, each edge rounded to the
    // nearest pixel), for a sample of every kind of control and of every
    // row of the results grid.
    void controls_standWhereTheyWereDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption"); // null: a control without one
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        const QString form = QStringLiteral("ClientArea"); // controls stand on the window's client area
        const DesignFont w = kWindowFontExpected;
        struct Row {
            const char* name;
            QString container;
            QRect geometry;
            QString caption;
            bool enabled;
            DesignFont font;
        };
        const DesignFont heading{"MS Sans Serif", 18.0, true};
        const DesignFont step{"MS Sans Serif", 13.5, false};
        const DesignFont result{"Courier", 12.0, true};
        const Row rows[] = {
            {"Image1", form, QRect(408, 48, 401, 241), QString(), true, w},
            {"Label5", form, QRect(48, 8, 281, 33), "Estuary Parameters:", true, heading},
            {"Label1(0)", form, QRect(48, 56, 33, 17), "CDT", true, {"Arial Black", 9.75, true}},
            {"List1", form, QRect(88, 56, 73, 69), QString(), true, w},
            {"Text1", form, QRect(88, 133, 73, 19), "1200 kg/m3", false, w},
            {"AcceptanceBox", form, QRect(88, 184, 53, 37), "20", true, {"MS Sans Serif", 18.0, false}},
            {"Label14", form, QRect(171, 200, 185, 25),
             "(used to assess the scenario results relative to the baseline calculations)", true, w},
            {"Command4", form, QRect(64, 240, 273, 37), "Background", true, {"Century Gothic", 11.25, true}},
            {"Frame2", form, QRect(32, 312, 177, 49), "Baseline", true, w},
            {"Option3", "Frame2", QRect(8, 16, 145, 25), "Existing Land Use", true, w},
            {"Frame1", form, QRect(32, 376, 177, 97), "Scenarios", true, w},
            {"Option2", "Frame1", QRect(8, 56, 161, 25), "Earthworks without Controls", true, w},
            {"Command1", form, QRect(219, 320, 400, 41), "Calculate: Critical Total Loads", true, step},
            {"Text3", form, QRect(219, 360, 67, 33), "0", false, result},
            {"Text4", form, QRect(285, 360, 67, 33), "0", false, result},
            {"Text16", form, QRect(552, 443, 67, 30), "0", false, result},
            {"Command2", form, QRect(219, 473, 400, 41), "Calculate: Exceedances over 25 Year Period ", false, step},
            {"Text22", form, QRect(418, 514, 67, 30), "0", false, result},
            {"Text28", form, QRect(226, 600, 53, 25), "0", false, result},
            {"Text33", form, QRect(558, 600, 53, 25), "0", false, result},
            {"Command3", form, QRect(219, 626, 400, 41), "Calculate: % increase scenario vs baseline", false, step},
            {"Label6", form, QRect(627, 360, 201, 33), "tonnes per event", true, heading},
            {"Label10(0)", form, QRect(243, 400, 29, 30), "1", true, heading},
            {"Label10(10)", form, QRect(576, 552, 29, 30), "6", true, heading},
            {"Label15(1)",
             form,
             QRect(627, 520, 164, 41),
             "Earthworks with Controls",
             true,
             {"MS Sans Serif", 9.75, true}},
            {"Label16",
             form,
             QRect(632, 600, 185, 81),
             "Results are indicated in Green if below the Acceptability Limit, Red if above the Acceptability Limit",
             true,
             {"MS Sans Serif", 9.75, false}},
        };
        for (const Row& row : rows)
            QTest::newRow(row.name) << QString::fromLatin1(row.name) << row.container << row.geometry << row.caption
                                    << row.enabled << QString::fromLatin1(row.font.family) << row.font.points
                                    << row.font.bold;
    }

    void controls_standWhereTheyWereDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        QFETCH(bool, enabled);
        QFETCH(QString, family);
        QFETCH(double, points);
        QFETCH(bool, bold);
        MainWindow w;
        auto* widget = control<QWidget>(w.form, name);
        QCOMPARE(widget->geometry(), geometry);
        QCOMPARE(widget->parentWidget()->objectName(), container);
        if (!caption.isNull())
            QCOMPARE(textOf(widget), caption);
        QCOMPARE(widget->isEnabled(), enabled);

        // The design font, or its stand-in, at the design size and weight.
        const QFontInfo info(widget->font());
        QCOMPARE(widget->font().pointSizeF(), points);
        QVERIFY(qAbs(info.pointSizeF() - points) <= 0.5); // as rendered, to the nearest pixel
        QCOMPARE(info.bold(), bold);
        QVERIFY(!info.italic());
        QVERIFY2(info.family().startsWith(substituteFamily(family.toStdString())), qPrintable(info.family()));
    }

    void designFonts_haveInstalledStandIns_data()
    {
        QTest::addColumn<QString>("design");
        QTest::addColumn<QString>("expected");
        for (const auto& [design, expected] :
             {std::pair{"MS Sans Serif", "Liberation Sans"}, std::pair{"Arial", "Liberation Sans"},
              std::pair{"Arial Black", "Liberation Sans"}, std::pair{"Courier", "Nimbus Mono PS"},
              std::pair{"Century Gothic", "URW Gothic"}})
            QTest::newRow(design) << QString::fromLatin1(design) << QString::fromLatin1(expected);
    }

    void designFonts_haveInstalledStandIns()
    {
        QFETCH(QString, design);
        QFETCH(QString, expected);
        if (QFontDatabase::families().contains(design))
            QSKIP("the design font itself is installed");
        QCOMPARE(substituteFamily(design.toStdString()), expected);
    }

    void captions_fitTheirBoxes()
    {
        MainWindow w;
        for (const ControlSpec& spec : form1::kControls) {
            const auto* widget = control<QWidget>(w.form, toQString(spec.name));
            const QString text = textOf(widget);
            if (text.isEmpty() || spec.kind == ControlKind::TextBox)
                continue;
            const QFontMetrics metrics(widget->font());
            int room = widget->width();
            if (spec.kind == ControlKind::PushButton)
                room -= 8; // bevel and margins
            if (spec.kind == ControlKind::OptionButton)
                room -= widget->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                        widget->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
            if (spec.kind == ControlKind::Label) {
                const QRect needed = metrics.boundingRect(QRect(0, 0, room, 10000), Qt::TextWordWrap, text);
                QVERIFY2(needed.height() <= widget->height() + 1 && needed.width() <= room,
                         qPrintable(QStringLiteral("%1 needs %2x%3 in %4x%5")
                                        .arg(toQString(spec.name))
                                        .arg(needed.width())
                                        .arg(needed.height())
                                        .arg(room)
                                        .arg(widget->height())));
            } else {
                QVERIFY2(metrics.horizontalAdvance(text.trimmed()) <= room,
                         qPrintable(QStringLiteral("%1 needs %2 of %3")
                                        .arg(toQString(spec.name))
                                        .arg(metrics.horizontalAdvance(text.trimmed()))
                                        .arg(room)));
            }
        }
    }

    void resultBoxes_areCentredBoldReadOnlyAndGreyedOnTheirRowColour()
    {
        MainWindow w;
        for (std::size_t r = 0; r < 4; ++r) {
            for (int k = 1; k <= kSubestuaries; ++k) {
                // Its "0", greyed out: Form1BehaviourTest's start-up snapshot.
                const auto* box = resultBox(w.form, r, k);
                QVERIFY(box->isReadOnly());
                QVERIFY(box->alignment() & Qt::AlignHCenter);
                QVERIFY(box->font().bold());
                QCOMPARE(box->palette().color(QPalette::Disabled, QPalette::Base), kRowColors[r]);
                QVERIFY(box->palette().color(QPalette::Disabled, QPalette::Text) !=
                        box->palette().color(QPalette::Active, QPalette::Text));
            }
        }
    }

    void resultStrips_touchAndThePercentageRowIsCentredUnderThem()
    {
        MainWindow w;
        for (std::size_t r = 0; r < Percentage; ++r) {
            for (int k = 1; k < kSubestuaries; ++k) {
                const auto* left = resultBox(w.form, r, k);
                const auto* right = resultBox(w.form, r, k + 1);
                const int gap = right->x() - (left->x() + left->width());
                QVERIFY2(gap >= -1 && gap <= 0,
                         qPrintable(QStringLiteral("row %1 box %2 gap %3").arg(r).arg(k).arg(gap)));
            }
        }
        for (int k = 1; k <= kSubestuaries; ++k) {
            const auto* column = resultBox(w.form, CriticalLoads, k);
            const auto* percentage = resultBox(w.form, Percentage, k);
            QVERIFY(qAbs(column->geometry().center().x() - percentage->geometry().center().x()) <= 1);
        }
    }

    void stacking_putsInputsAndButtonsInFrontOfLabels()
    {
        MainWindow w;
        const QObjectList children = control<QWidget>(w.form, "ClientArea")->children();
        auto at = [&](const QString& name) { return children.indexOf(control<QWidget>(w.form, name)); };
        using Index = decltype(at(QString()));
        QVERIFY(at("Label13") > at("Label12"));
        QVERIFY(at("Label14") > at("Label12"));
        for (int i = 0; i <= 2; ++i)
            QVERIFY(at("Label7(1)") > at(QStringLiteral("Label15(%1)").arg(i)));
        Index frontmostLabel = at("Image1");
        for (const ControlSpec& spec : form1::kControls)
            if (spec.kind == ControlKind::Label)
                frontmostLabel = qMax(frontmostLabel, at(toQString(spec.name)));
        QVERIFY(at("Image1") < at("Label5"));
        for (const char* front : {"List1", "Text1", "AcceptanceBox", "Text3", "Text33", "Frame1", "Frame2", "Command1",
                                  "Command2", "Command3", "Command4"})
            QVERIFY2(at(front) > frontmostLabel, qPrintable(front));
    }

    void photograph_fillsItsBoxWithoutKeepingItsAspect()
    {
        MainWindow w;
        const auto* image = control<StretchedImage>(w.form, "Image1");
        QCOMPARE(image->sourceSize(), QSize(920, 653));
        QCOMPARE(image->size(), QSize(401, 241));
        const QImage shown = control<QWidget>(w.form, "ClientArea")->grab(image->geometry()).toImage();
        // Painted edge to edge: the corners show the photograph, not the
        // window background.
        const QColor face = w.form.palette().color(QPalette::Window);
        QVERIFY(shown.pixelColor(1, 1) != face);
        QVERIFY(shown.pixelColor(shown.width() - 2, shown.height() - 2) != face);
    }

    void parameterRectangle_isDrawnInWindowText()
    {
        MainWindow w;
        const QImage shot = control<QWidget>(w.form, "ClientArea")->grab().toImage();
        const QColor ink = w.form.palette().color(QPalette::WindowText);
        // The middle of each side of the rectangle from (32, 48) to (360, 288).
        for (const QPoint middle : {QPoint(196, 48), QPoint(360, 168), QPoint(196, 288), QPoint(32, 168)})
            QCOMPARE(shot.pixelColor(middle), ink);
        QVERIFY(shot.pixelColor(QPoint(34, 88)) != ink); // just inside the left side
    }

    // The three scenario captions share one place, one shown at a time
    // (which one, and the legend: Form1BehaviourTest's snapshots).
    void captionsAndColumnNumbers_standInPlace()
    {
        MainWindow w;
        const QRect place = control<QLabel>(w.form, "Label15(0)")->geometry();
        for (int i = 1; i <= 2; ++i)
            QCOMPARE(control<QLabel>(w.form, QStringLiteral("Label15(%1)").arg(i))->geometry().topLeft(),
                     place.topLeft());
        // Both rows of column numbers read 1 to 6 from left to right.
        for (const int base : {0, 15}) {
            int previousX = -1;
            for (int n = 1; n <= 6; ++n) {
                const int index = base == 0 ? n - 1 : 16 - n;
                const auto* label = control<QLabel>(w.form, QStringLiteral("Label10(%1)").arg(index));
                QCOMPARE(label->text(), QString::number(n));
                QVERIFY(label->x() > previousX);
                previousX = label->x();
            }
        }
    }

    void tabKey_visitsTheEnabledControlsInDesignOrder()
    {
        MainWindow w;
        w.activate();
        QCOMPARE(w.focus()->objectName(), QStringLiteral("List1"));
        QStringList visited;
        for (int i = 0; i < 6; ++i) {
            w.key(Qt::Key_Tab);
            visited << w.focus()->objectName();
        }
        QCOMPARE(visited, (QStringList{"Option1", "Option3", "Command1", "AcceptanceBox", "Command4", "List1"}));

        click(w.command1); // enables Command2 and the load row
        w.list->setFocus();
        w.key(Qt::Key_Backtab);
        QCOMPARE(w.focus()->objectName(), QStringLiteral("Command2"));
        w.key(Qt::Key_Backtab);
        QCOMPARE(w.focus()->objectName(), QStringLiteral("Command4"));
    }

    void resizing_movesAndResizesNothing()
    {
        MainWindow w;
        QVERIFY(w.form.minimumSize() != w.form.maximumSize()); // resizable
        QHash<QString, QRect> before;
        for (const ControlSpec& spec : form1::kControls)
            before.insert(toQString(spec.name), control<QWidget>(w.form, toQString(spec.name))->geometry());
        for (const QSize size : {QSize(1200, 900), QSize(300, 200)}) {
            w.form.resize(size);
            QCoreApplication::processEvents();
            for (auto it = before.cbegin(); it != before.cend(); ++it)
                QCOMPARE(control<QWidget>(w.form, it.key())->geometry(), it.value());
        }
    }

    // The menu bar lies above the designed area and changes nothing on it:
    // the window with its menu bar shows the designed area at the bar's
    // height exactly as the same window without one shows it at the top,
    // pixel for pixel, every control in the same place.
    void menuBar_leavesTheDesignedAreaAsItWas()
    {
        ui::Form1 without;
        delete control<QMenuBar>(without, "MenuBar");
        without.show();
        QVERIFY(QTest::qWaitForWindowExposed(&without));
        // The bar itself shown across the top: WindowFitTest, on every screen.
        MainWindow with;
        const auto* bar = control<QMenuBar>(with.form, "MenuBar");
        QCOMPARE(with.form.size(), without.size() + QSize(0, bar->height()));
        const auto* area = control<QWidget>(with.form, "ClientArea");
        const auto* areaWithout = control<QWidget>(without, "ClientArea");
        QCOMPARE(area->mapTo(&with.form, QPoint(0, 0)), QPoint(0, bar->height()));
        QCOMPARE(areaWithout->mapTo(&without, QPoint(0, 0)), QPoint(0, 0));
        // Nothing scrolls: the viewport shows the whole designed area.
        QCOMPARE(area->parentWidget()->size(), area->size());
        for (const ControlSpec& spec : form1::kControls) {
            const auto* widget = control<QWidget>(with.form, toQString(spec.name));
            QCOMPARE(widget->mapTo(area, QPoint(0, 0)),
                     control<QWidget>(without, toQString(spec.name))->mapTo(areaWithout, QPoint(0, 0)));
            QCOMPARE(widget->size(), control<QWidget>(without, toQString(spec.name))->size());
        }
        // Each grabbed while it is the active window, which the focused
        // list's selection shows.
        with.activate();
        const QImage shown = with.form.grab(QRect(area->mapTo(&with.form, QPoint(0, 0)), area->size())).toImage();
        without.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&without));
        const QImage shownWithout = without.grab(QRect(QPoint(0, 0), areaWithout->size())).toImage();
        QCOMPARE(shown.size(), QSize(835, 690) * with.form.devicePixelRatio());
        QVERIFY(shown == shownWithout);
    }
};

SILTMERE_UI_TEST_MAIN(Form1LayoutTest)
#include "Form1LayoutTest.moc"
