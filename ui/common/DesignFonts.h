#pragma once

// Fonts as the designs name them (family, size in points, bold or regular),
// turned into the nearest installed font of the same size and weight.

#include <QFont>
#include <QString>

#include <string_view>

namespace siltmere::ui {

struct FontSpec {
    std::string_view family; // empty: the window's font
    double pointSize = 0.0;
    bool bold = false;
    bool black = false; // extra heavy (Arial Black)

    constexpr bool isWindowFont() const { return family.empty(); }
};

// MS Sans Serif 8 pt regular, the font of both windows.
inline constexpr FontSpec kWindowFont{"MS Sans Serif", 8.0, false, false};

// The installed family that stands in for `designFamily`: the design's own
// family where it is installed, otherwise the first installed one of a list
// of metric-compatible or look-alike substitutes, otherwise the design name
// (leaving the choice to the platform's own matching).
QString substituteFamily(std::string_view designFamily);

QFont designFont(const FontSpec& spec);

} // namespace siltmere::ui
