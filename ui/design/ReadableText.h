#pragma once

// Text colours that stay readable on a background the design fixes. A box
// painted in one of the design's pale colours keeps that colour under a dark
// desktop theme, whose light text would all but vanish on it; the text on
// such a box therefore follows the box, not the theme.

#include <QColor>
#include <QPalette>

namespace siltmere::ui {

// The contrast the windows' texts reach at least: WCAG 2's level AA for
// normal-sized text.
inline constexpr double kReadableContrast = 4.5;

// WCAG 2's contrast ratio of two opaque colours, from 1 (none) to 21.
double contrastRatio(const QColor& a, const QColor& b);

// Black or white, whichever stands out more on `back`.
QColor plainTextOn(const QColor& back);

// A grey that still looks greyed out next to `text` on `back` (as close to
// `back` as it may go) yet reaches kReadableContrast on it, with a margin.
QColor greyedTextOn(const QColor& back, const QColor& text);

// Sets the text roles of `palette` (every colour group) for text on `back`.
// A design colour (`followTheme` false) gets text chosen for it alone: plain
// text, and greyed text for disabled controls. A theme colour keeps the
// theme's text wherever that is readable. Selected text stays readable on the
// theme's highlight either way.
void setTextRolesFor(QPalette& palette, const QColor& back, bool followTheme);

} // namespace siltmere::ui
