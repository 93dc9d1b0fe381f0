#pragma once

// Colours in the windows' design are Windows colour numbers: hex 00BBGGRR
// with red in the low byte, or, with the top bit set, a system colour
// (0x80000000 + n), which follows the desktop's palette.

#include <QColor>
#include <QPalette>

#include <cstdint>

namespace siltmere::ui {

namespace colors {
inline constexpr std::uint32_t kGreen = 65280;            // within the acceptability limit
inline constexpr std::uint32_t kRed = 255;                // above it
inline constexpr std::uint32_t kWhite = 16777215;         // no comparison yet
inline constexpr std::uint32_t kPaleYellow = 8454143;     // 0x0080FFFF, the user's inputs
inline constexpr std::uint32_t kPaleCyan = 16777152;      // 0x00FFFFC0, critical total loads
inline constexpr std::uint32_t kPaleOrange = 12640511;    // 0x00C0E0FF, exceedance counts
inline constexpr std::uint32_t kLightGrey = 12632256;     // 0x00C0C0C0
inline constexpr std::uint32_t kSystemMenu = 0x80000004u; // menu background
} // namespace colors

// A control without a back colour of its own: it keeps its kind's default.
inline constexpr std::uint32_t kNoColor = 0xFFFFFFFFu;

constexpr bool isSystemColor(std::uint32_t value)
{
    return (value & 0x80000000u) != 0;
}

// The colour a Windows colour number names; system colours are taken from
// `palette` where it has a matching role.
QColor fromWindowsColor(std::uint32_t value, const QPalette& palette);

// The colour of a Windows colour number that names no system colour.
QColor fromWindowsRgb(std::uint32_t value);

} // namespace siltmere::ui
