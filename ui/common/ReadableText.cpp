#include "ReadableText.h"

#include <cmath>

namespace siltmere::ui {

namespace {

// WCAG 2's relative luminance of an sRGB colour.
double luminance(const QColor& color)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

QColor mix(const QColor& from, const QColor& to, int step, int steps)
{
    const auto channel = [&](int a, int b) { return a + (b - a) * step / steps; };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

// Text is aimed a little above the contrast it must reach: the thin strokes
// of small text are drawn partly blended into the background.
constexpr double kAimedContrast = 5.0;

constexpr QPalette::ColorGroup kGroups[] = {QPalette::Active, QPalette::Inactive, QPalette::Disabled};

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor plainTextOn(const QColor& back)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, back) >= contrastRatio(white, back) ? black : white;
}

QColor greyedTextOn(const QColor& back, const QColor& text)
{
    // Windows greys disabled text by a neutral grey; the lightest (on a dark
    // text, the darkest) grey on the way from the text to mid-grey that still
    // reaches the contrast. The screen shows whole 8-bit channels, so the
    // ratio is checked on those.
    const QColor readable = readableOn(back, text);
    const QColor midGrey(128, 128, 128);
    constexpr int kSteps = 255;
    QColor best = readable;
    for (int step = 1; step <= kSteps; ++step) {
        const QColor candidate = mix(readable, midGrey, step, kSteps);
        if (contrastRatio(candidate, back) < kAimedContrast)
            break;
        best = candidate;
    }
    return best;
}

QColor readableOn(const QColor& back, const QColor& wanted)
{
    return contrastRatio(wanted, back) >= kAimedContrast ? wanted : plainTextOn(back);
}

void setTextRolesFor(QPalette& palette, const QColor& back, bool followTheme)
{
    for (const auto group : kGroups) {
        const bool disabled = group == QPalette::Disabled;
        for (const auto role : {QPalette::Text, QPalette::WindowText}) {
            const QColor theme = palette.color(group, role);
            const QColor plain =
                followTheme ? readableOn(back, palette.color(QPalette::Active, role)) : plainTextOn(back);
            QColor chosen = plain;
            if (disabled)
                chosen =
                    followTheme && contrastRatio(theme, back) >= kAimedContrast ? theme : greyedTextOn(back, plain);
            else if (followTheme)
                chosen = readableOn(back, theme);
            palette.setColor(group, role, chosen);
        }
        const QColor highlight = palette.color(group, QPalette::Highlight);
        palette.setColor(group, QPalette::HighlightedText,
                         readableOn(highlight, palette.color(group, QPalette::HighlightedText)));
    }
}

} // namespace siltmere::ui
