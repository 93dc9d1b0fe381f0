#include "ReadableText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace siltmere::ui {

namespace {

// The linear light of an sRGB channel, QColor's 16-bit channel value.
double linear(quint16 channel)
{
    // Exactly as QColor's redF() and the others give it: in float.
    const double c = static_cast<float>(channel) / 65535.0F;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// An 8-bit colour, as the screen shows it.
struct Rgb8 {
    int red;
    int green;
    int blue;
};

// The linear light of every 8-bit channel value, looked up: the greyed
// text's search tries a few hundred colours on every change of a box's
// colour, and the main window's boxes change colour on every keystroke in
// the limit.
double linear8Bit(int value)
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> linearLight{};
        for (int v = 0; v < 256; ++v)
            linearLight[static_cast<std::size_t>(v)] = linear(static_cast<quint16>(v * 0x101));
        return linearLight;
    }();
    return table[static_cast<std::size_t>(value)];
}

// WCAG 2's relative luminance of an sRGB colour, from its channels' linear
// light.
double luminance(double red, double green, double blue)
{
    return 0.2126 * red + 0.7152 * green + 0.0722 * blue;
}

double luminance(const Rgb8& rgb)
{
    return luminance(linear8Bit(rgb.red), linear8Bit(rgb.green), linear8Bit(rgb.blue));
}

double luminance(const QColor& color)
{
    const QRgba64 rgb = color.toRgb().rgba64();
    // A colour given in 8-bit channels is looked up; a finer one worked out.
    const auto light = [](quint16 channel) {
        return channel % 0x101 == 0 ? linear8Bit(channel / 0x101) : linear(channel);
    };
    return luminance(light(rgb.red()), light(rgb.green()), light(rgb.blue()));
}

double luminanceContrast(double la, double lb)
{
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb8 mix(const Rgb8& from, const Rgb8& to, int step, int steps)
{
    const auto channel = [&](int a, int b) { return a + (b - a) * step / steps; };
    return {channel(from.red, to.red), channel(from.green, to.green), channel(from.blue, to.blue)};
}

// Text is aimed a little above the contrast it must reach: the thin strokes
// of small text are drawn partly blended into the background.
constexpr double kAimedContrast = 5.0;

constexpr QPalette::ColorGroup kGroups[] = {QPalette::Active, QPalette::Inactive, QPalette::Disabled};

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    return luminanceContrast(luminance(a), luminance(b));
}

QColor plainTextOn(const QColor& back)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, back) >= contrastRatio(white, back) ? black : white;
}

namespace {

// `wanted` where it reaches kReadableContrast on `back` with a margin;
// otherwise black or white, whichever stands out more.
QColor readableOn(const QColor& back, const QColor& wanted)
{
    return contrastRatio(wanted, back) >= kAimedContrast ? wanted : plainTextOn(back);
}

} // namespace

QColor greyedTextOn(const QColor& back, const QColor& text)
{
    // Windows greys disabled text by a neutral grey; the lightest (on a dark
    // text, the darkest) grey on the way from the text to mid-grey that still
    // reaches the contrast. The screen shows whole 8-bit channels, so the
    // ratio is checked on those.
    const QColor readableColor = readableOn(back, text);
    const Rgb8 readable{readableColor.red(), readableColor.green(), readableColor.blue()};
    const Rgb8 midGrey{128, 128, 128};
    constexpr int kSteps = 255;
    const double backLuminance = luminance(back);
    int greyest = 0;
    while (greyest < kSteps &&
           luminanceContrast(luminance(mix(readable, midGrey, greyest + 1, kSteps)), backLuminance) >= kAimedContrast)
        ++greyest;
    if (greyest == 0)
        return readableColor;
    const Rgb8 best = mix(readable, midGrey, greyest, kSteps);
    return QColor(best.red, best.green, best.blue);
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
