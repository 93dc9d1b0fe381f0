#include "WindowsColor.h"

#include <array>

namespace siltmere::ui {

namespace {

struct SystemColor {
    std::uint32_t index;
    QPalette::ColorRole role;
};

// Windows system colours the designs use, and the palette roles that play the
// same part on every desktop.
constexpr std::array<SystemColor, 9> kSystemColors{{
    {4, QPalette::Window},     // menu background
    {5, QPalette::Base},       // window (text box) background
    {7, QPalette::WindowText}, // menu text
    {8, QPalette::Text},       // window text
    {13, QPalette::Highlight}, // selected item
    {14, QPalette::HighlightedText},
    {15, QPalette::Button}, // button face
    {16, QPalette::Mid},    // button shadow
    {18, QPalette::ButtonText},
}};

// The palette role that stands for Windows system colour n; the window
// background for colours the designs do not use.
QPalette::ColorRole roleOfSystemColor(std::uint32_t n)
{
    for (const auto& entry : kSystemColors)
        if (entry.index == n)
            return entry.role;
    return QPalette::Window;
}

} // namespace

QColor fromWindowsColor(std::uint32_t value, const QPalette& palette)
{
    if (isSystemColor(value))
        return palette.color(QPalette::Active, roleOfSystemColor(value & 0x7FFFFFFFu));
    return fromWindowsRgb(value);
}

QColor fromWindowsRgb(std::uint32_t value)
{
    // 00BBGGRR: red in the low byte.
    const int red = static_cast<int>(value & 0xFFu);
    const int green = static_cast<int>((value >> 8) & 0xFFu);
    const int blue = static_cast<int>((value >> 16) & 0xFFu);
    return QColor(red, green, blue);
}

} // namespace siltmere::ui
