// Text on the designed back colours stays readable under a light and a dark
// theme: for every designed colour the text a box gets reaches WCAG 2's AA
// contrast (4.5 : 1) in every state, computed here by the standard's own
// formula, independently of the program's.

#include "FormBuilder.h"
#include "WindowsColor.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <cmath>

using namespace siltmere::ui;

namespace {

// WCAG 2.x relative luminance and contrast ratio, from 8-bit sRGB.
double relativeLuminance(const QColor& color)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.red()) + 0.7152 * channel(color.green()) + 0.0722 * channel(color.blue());
}

double wcagContrast(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A light theme as Qt's Fusion style gives it, and a dark one with the
// colours of GNOME's Adwaita dark: light text, pale grey disabled text.
QPalette lightTheme()
{
    QPalette palette(QColor(0xef, 0xef, 0xef));
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0xbe, 0xbe, 0xbe));
    palette.setColor(QPalette::Highlight, QColor(0x30, 0x8c, 0xc6));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    return palette;
}

QPalette darkTheme()
{
    QPalette palette(QColor(0x35, 0x35, 0x35), QColor(0x2d, 0x2d, 0x2d));
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
        palette.setColor(QPalette::Active, role, QColor(0xee, 0xee, 0xec));
        palette.setColor(QPalette::Inactive, role, QColor(0xee, 0xee, 0xec));
        palette.setColor(QPalette::Disabled, role, QColor(0x91, 0x91, 0x90));
    }
    palette.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    palette.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    return palette;
}

} // namespace

class TextContrastTest : public QObject {
    Q_OBJECT

private slots:
    void designedColours_carryReadableTextInEveryState_data()
    {
        QTest::addColumn<QPalette>("theme");
        QTest::addColumn<quint32>("back");
        const std::pair<const char*, quint32> colours[] = {
            {"pale cyan (critical loads)", colors::kPaleCyan},
            {"pale orange (exceedances)", colors::kPaleOrange},
            {"pale yellow (list, limit)", colors::kPaleYellow},
            {"white (no verdict)", colors::kWhite},
            {"green (within the limit)", colors::kGreen},
            {"red (above the limit)", colors::kRed},
            {"light grey", colors::kLightGrey},
            {"menu colour (the theme's)", colors::kSystemMenu},
        };
        for (const auto& [name, number] : colours) {
            QTest::addRow("light theme, %s", name) << lightTheme() << number;
            QTest::addRow("dark theme, %s", name) << darkTheme() << number;
        }
    }

    void designedColours_carryReadableTextInEveryState()
    {
        QFETCH(QPalette, theme);
        QFETCH(quint32, back);
        QLineEdit box;
        box.setPalette(theme);
        setBackColor(box, back);
        const QPalette p = box.palette();
        const QColor shown = p.color(QPalette::Active, QPalette::Base);
        QCOMPARE(shown, fromWindowsColor(back, theme));

        const struct {
            const char* what;
            QPalette::ColorGroup group;
            QPalette::ColorRole ink;
            QPalette::ColorRole paper;
        } pairs[] = {
            {"text", QPalette::Active, QPalette::Text, QPalette::Base},
            {"text, window inactive", QPalette::Inactive, QPalette::Text, QPalette::Base},
            {"label text", QPalette::Active, QPalette::WindowText, QPalette::Window},
            {"greyed text", QPalette::Disabled, QPalette::Text, QPalette::Base},
            {"greyed label text", QPalette::Disabled, QPalette::WindowText, QPalette::Window},
            {"selected entry", QPalette::Active, QPalette::HighlightedText, QPalette::Highlight},
            {"selected entry, window inactive", QPalette::Inactive, QPalette::HighlightedText, QPalette::Highlight},
        };
        for (const auto& pair : pairs) {
            const double ratio = wcagContrast(p.color(pair.group, pair.ink), p.color(pair.group, pair.paper));
            QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2 : 1").arg(pair.what).arg(ratio, 0, 'f', 2)));
        }
        // Greyed text still looks greyed: lighter contrast than the plain text,
        // and on a designed colour as faint as it may be, little above the
        // contrast it must reach.
        const double greyed = wcagContrast(p.color(QPalette::Disabled, QPalette::Text), shown);
        QVERIFY(greyed < wcagContrast(p.color(QPalette::Active, QPalette::Text), shown));
        if (!isSystemColor(back))
            QVERIFY2(greyed < 5.5, qPrintable(QStringLiteral("%1 : 1").arg(greyed, 0, 'f', 2)));
    }

    // A step button not yet available keeps the theme's face, and its
    // caption is greyed yet readable on it.
    void disabledButtons_haveReadableCaptions_data()
    {
        QTest::addColumn<QPalette>("theme");
        QTest::newRow("light theme") << lightTheme();
        QTest::newRow("dark theme") << darkTheme();
    }

    void disabledButtons_haveReadableCaptions()
    {
        QFETCH(QPalette, theme);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(theme);
        constexpr std::array steps{pushButton("Step", {150, 150, 1500, 400}, 1, "Calculate").withFlags(Disabled)};
        QWidget window;
        const Controls controls = buildForm(window, {"Probe", "Probe", 3000, 1500}, steps);
        const QPalette p = controls.get<QPushButton>(QStringLiteral("Step"))->palette();
        QApplication::setPalette(before);
        const QColor face = p.color(QPalette::Disabled, QPalette::Button);
        const double greyed = wcagContrast(p.color(QPalette::Disabled, QPalette::ButtonText), face);
        QVERIFY2(greyed >= 4.5, qPrintable(QStringLiteral("%1 : 1").arg(greyed, 0, 'f', 2)));
        QVERIFY(greyed < wcagContrast(p.color(QPalette::Active, QPalette::ButtonText), face));
        QCOMPARE(face, theme.color(QPalette::Disabled, QPalette::Button));
    }
};

QTEST_MAIN(TextContrastTest)
#include "TextContrastTest.moc"
