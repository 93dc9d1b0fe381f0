#pragma once

// Fonts as the designs name them (family, size in points, bold or regular),
// turned into the nearest installed scalable font of the same size and weight.

#include <QFont>
#include <QString>

#include <functional>
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
// The same one size up, for the windows that are read rather than glanced
// at: the overview and the working.
inline constexpr FontSpec kReadingFont{"MS Sans Serif", 9.0, false, false};

// Whether a family is installed and can be drawn at any size. Bitmap faces
// do not count: Windows still ships "MS Sans Serif" and "Courier" as bitmap
// fonts, which have only a few sizes and no bold, and come out at the wrong
// size, weight or face.
using FamilyAvailable = std::function<bool(const QString& family)>;
bool scalableFamilyInstalled(const QString& family);

// The family that stands in for `designFamily` where `available` holds: the
// design's own family, otherwise the first of a list of metric-compatible or
// look-alike substitutes, otherwise the design name itself (leaving the
// choice to the platform's own matching).
QString chooseFamily(std::string_view designFamily, const FamilyAvailable& available);

// Whether a Debian package is installed.
using PackageInstalled = std::function<bool(const QString& package)>;
bool debianPackageInstalled(const QString& package);

// What is wrong when, for some design face, neither it nor any of its
// substitutes is available: one line naming the faces and either the Debian
// packages that provide their substitutes, where one is not installed, or,
// where they all are, the font configuration, which then finds none of their
// fonts. Empty when nothing is missing.
QString missingFontsAdvice(const FamilyAvailable& available, const PackageInstalled& installed);

// chooseFamily() with the fonts installed here, remembered per design face.
// The first call reports missing fonts on standard error (on Linux, where
// they come from packages), once per run.
QString substituteFamily(std::string_view designFamily);

QFont designFont(const FontSpec& spec);

} // namespace siltmere::ui
