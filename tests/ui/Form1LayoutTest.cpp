// The main window as designed: every control in its box, with its caption,
// font, colours and design-time state, in the designed stacking and keyboard
// order, and nothing cut off or moved.

#include "UiTestSupport.h"

#include "DesignFonts.h"
#include "Form1Layout.h"
#include "FormBuilder.h"
#include "StretchedImage.h"
#include "Twips.h"
#include "WindowsColor.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QtTest>

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

const ControlSpec& specOf(const QString& name)
{
    for (const ControlSpec& spec : form1::kControls)
        if (toQString(spec.name) == name)
            return spec;
    qFatal("no design row for %s", qPrintable(name));
}

using ShownForm = MainWindow;

} // namespace

class Form1LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void window_hasItsCaptionAndClientArea()
    {
        ShownForm w;
        QCOMPARE(w.form.windowTitle(), QStringLiteral("Siltmere"));
        QCOMPARE(w.form.size(), QSize(835, 690));
        QVERIFY(w.form.minimumSize() != w.form.maximumSize()); // resizable
        QCOMPARE(w.form.font().pointSizeF(), 8.0);
    }

    void everyControl_matchesItsDesignRow_data()
    {
        QTest::addColumn<QString>("name");
        for (const ControlSpec& spec : form1::kControls)
            QTest::newRow(spec.name.data()) << toQString(spec.name);
    }

    void everyControl_matchesItsDesignRow()
    {
        QFETCH(QString, name);
        const ControlSpec& spec = specOf(name);
        ShownForm w;
        auto* widget = control<QWidget>(w.form, name);
        QCOMPARE(widget->geometry(), rectFromTwips(spec.left, spec.top, spec.width, spec.height));
        QCOMPARE(widget->parentWidget()->objectName(),
                 spec.container.empty() ? QStringLiteral("Form1") : toQString(spec.container));
        if (spec.kind != ControlKind::Image && spec.kind != ControlKind::ListBox)
            QCOMPARE(textOf(widget), toQString(spec.text));
        QCOMPARE(widget->isEnabled(), !spec.has(Disabled));
        QVERIFY2(!widget->accessibleName().trimmed().isEmpty(), "every control has an accessible name");

        // The design font, or its stand-in, at the design size and weight.
        const FontSpec& font = spec.font.isWindowFont() ? kWindowFont : spec.font;
        const QFontInfo info(widget->font());
        QCOMPARE(widget->font().pointSizeF(), font.pointSize);
        QVERIFY(qAbs(info.pointSizeF() - font.pointSize) <= 0.5); // as rendered, to the nearest pixel
        QCOMPARE(info.bold(), font.bold);
        QVERIFY(!info.italic());
        QVERIFY2(info.family().startsWith(substituteFamily(font.family)), qPrintable(info.family())); // any foundry
    }

    void designFonts_haveInstalledStandIns_data()
    {
        QTest::addColumn<QString>("design");
        QTest::addColumn<QString>("expected");
        QTest::newRow("MS Sans Serif") << "MS Sans Serif" << "Liberation Sans";
        QTest::newRow("Arial") << "Arial" << "Liberation Sans";
        QTest::newRow("Arial Black") << "Arial Black" << "Liberation Sans";
        QTest::newRow("Courier") << "Courier" << "Nimbus Mono PS";
        QTest::newRow("Century Gothic") << "Century Gothic" << "URW Gothic";
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
        ShownForm w;
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
        ShownForm w;
        const std::array<QColor, 4> rowColours{QColor(192, 255, 255), QColor(255, 224, 192), QColor(255, 224, 192),
                                               QColor(255, 255, 255)};
        for (std::size_t r = 0; r < 4; ++r) {
            for (int k = 1; k <= 6; ++k) {
                const auto* box = control<QLineEdit>(w.form, QStringLiteral("Text%1").arg(kRowFirstBox[r] + k - 1));
                QCOMPARE(box->text(), QStringLiteral("0"));
                QVERIFY(box->isReadOnly());
                QVERIFY(!box->isEnabled());
                QVERIFY(box->alignment() & Qt::AlignHCenter);
                QVERIFY(box->font().bold());
                QCOMPARE(box->palette().color(QPalette::Disabled, QPalette::Base), rowColours[r]);
                QVERIFY(box->palette().color(QPalette::Disabled, QPalette::Text) !=
                        box->palette().color(QPalette::Active, QPalette::Text));
            }
        }
    }

    void resultStrips_touchAndThePercentageRowIsCentredUnderThem()
    {
        ShownForm w;
        for (std::size_t r = 0; r < 3; ++r) {
            for (int k = 1; k < 6; ++k) {
                const auto* left = control<QLineEdit>(w.form, QStringLiteral("Text%1").arg(kRowFirstBox[r] + k - 1));
                const auto* right = control<QLineEdit>(w.form, QStringLiteral("Text%1").arg(kRowFirstBox[r] + k));
                const int gap = right->x() - (left->x() + left->width());
                QVERIFY2(gap >= -1 && gap <= 0, qPrintable(QStringLiteral("row %1 box %2 gap %3").arg(r).arg(k).arg(gap)));
            }
        }
        for (int k = 1; k <= 6; ++k) {
            const auto* column = control<QLineEdit>(w.form, QStringLiteral("Text%1").arg(2 + k));
            const auto* percentage = control<QLineEdit>(w.form, QStringLiteral("Text%1").arg(27 + k));
            QVERIFY(qAbs(column->geometry().center().x() - percentage->geometry().center().x()) <= 1);
        }
    }

    void stacking_putsInputsAndButtonsInFrontOfLabels()
    {
        ShownForm w;
        const QObjectList children = w.form.children();
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
        for (const char* front : {"List1", "Text1", "AcceptanceBox", "Text3", "Text33", "Frame1", "Frame2",
                                     "Command1", "Command2", "Command3", "Command4"})
            QVERIFY2(at(front) > frontmostLabel, qPrintable(front));
    }

    void photograph_fillsItsBoxWithoutKeepingItsAspect()
    {
        ShownForm w;
        const auto* image = control<StretchedImage>(w.form, "Image1");
        QCOMPARE(image->sourceSize(), QSize(920, 653));
        QCOMPARE(image->size(), QSize(401, 241));
        const QImage shown = w.form.grab(image->geometry()).toImage();
        // Painted edge to edge: the corners show the photograph, not the
        // window background.
        const QColor face = w.form.palette().color(QPalette::Window);
        QVERIFY(shown.pixelColor(1, 1) != face);
        QVERIFY(shown.pixelColor(shown.width() - 2, shown.height() - 2) != face);
    }

    void parameterRectangle_isDrawnInWindowText()
    {
        ShownForm w;
        const QImage shot = w.form.grab().toImage();
        const QColor ink = w.form.palette().color(QPalette::WindowText);
        for (const LineSpec& line : form1::kLines) {
            const QPoint middle = (pointFromTwips(line.x1, line.y1) + pointFromTwips(line.x2, line.y2)) / 2;
            QCOMPARE(shot.pixelColor(middle), ink);
        }
        QVERIFY(shot.pixelColor(pointFromTwips(480, 720 + 600) + QPoint(2, 0)) != ink);
    }

    void startup_leavesOneScenarioCaptionAndHidesTheLegend()
    {
        ShownForm w;
        const QRect place = control<QLabel>(w.form, "Label15(0)")->geometry();
        for (int i = 1; i <= 2; ++i)
            QCOMPARE(control<QLabel>(w.form, QStringLiteral("Label15(%1)").arg(i))->geometry().topLeft(),
                     place.topLeft());
        QVERIFY(control<QLabel>(w.form, "Label15(0)")->isVisible());
        QVERIFY(!control<QLabel>(w.form, "Label15(1)")->isVisible());
        QVERIFY(!control<QLabel>(w.form, "Label15(2)")->isVisible());
        QVERIFY(!control<QLabel>(w.form, "Label16")->isVisible());
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
        ShownForm w;
        w.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("List1"));
        QStringList visited;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, (QStringList{"Option1", "Option3", "Command1", "AcceptanceBox", "Command4", "List1"}));

        click(control<QPushButton>(w.form, "Command1")); // enables Command2 and the load row
        control<QListWidget>(w.form, "List1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command4"));
    }

    void resizing_movesAndResizesNothing()
    {
        ShownForm w;
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

    void twips_roundEdgesNotWidths()
    {
        QCOMPARE(twipsToPixels(15), 1);
        QCOMPARE(twipsToPixels(22), 1);
        QCOMPARE(twipsToPixels(23), 2);
        QCOMPARE(twipsToPixels(-23), -2);
        QCOMPARE(rectFromTwips(3285, 5400, 1000, 495), QRect(219, 360, 67, 33));
        QCOMPARE(rectFromTwips(4275, 5400, 1000, 495), QRect(285, 360, 67, 33));
        QCOMPARE(rectFromTwips(5280, 5400, 1000, 495), QRect(352, 360, 67, 33));
    }

    void windowsColours_haveRedInTheLowByte_data()
    {
        QTest::addColumn<uint>("number");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("green") << uint(65280) << QColor(0, 255, 0);
        QTest::newRow("red") << uint(255) << QColor(255, 0, 0);
        QTest::newRow("white") << uint(16777215) << QColor(255, 255, 255);
        QTest::newRow("pale yellow") << uint(8454143) << QColor(255, 255, 128);
        QTest::newRow("pale cyan") << uint(16777152) << QColor(192, 255, 255);
        QTest::newRow("pale orange") << uint(12640511) << QColor(255, 224, 192);
    }

    void windowsColours_haveRedInTheLowByte()
    {
        QFETCH(uint, number);
        QFETCH(QColor, expected);
        QCOMPARE(fromWindowsColor(number, QPalette()), expected);
    }

    void systemColours_followThePalette()
    {
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(1, 2, 3));
        palette.setColor(QPalette::Button, QColor(4, 5, 6));
        QCOMPARE(fromWindowsColor(0x80000004u, palette), QColor(1, 2, 3));
        QCOMPARE(fromWindowsColor(0x8000000Fu, palette), QColor(4, 5, 6));
    }
};

SILTMERE_UI_TEST_MAIN(Form1LayoutTest)
#include "Form1LayoutTest.moc"
