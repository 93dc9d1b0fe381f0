#pragma once

// The windows are designed in twips, 1/1440 inch: 15 twips make one
// device-independent pixel at 96 dots per inch. Qt's high-DPI scaling takes
// it from there, so the whole window scales as one.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace siltmere::ui {

inline constexpr int kTwipsPerPixel = 15;

// Nearest pixel to a position in twips (halves away from zero).
constexpr int twipsToPixels(int twips)
{
    return twips >= 0 ? (2 * twips + kTwipsPerPixel) / (2 * kTwipsPerPixel)
                      : -((-2 * twips + kTwipsPerPixel) / (2 * kTwipsPerPixel));
}

// A control's box. The edges are rounded, not the width, so controls that
// touch or overlap by a few twips in the design still touch on screen.
constexpr QRect rectFromTwips(int left, int top, int width, int height)
{
    const int x1 = twipsToPixels(left);
    const int y1 = twipsToPixels(top);
    const int x2 = twipsToPixels(left + width);
    const int y2 = twipsToPixels(top + height);
    return QRect(x1, y1, x2 - x1, y2 - y1);
}

constexpr QPoint pointFromTwips(int x, int y)
{
    return QPoint(twipsToPixels(x), twipsToPixels(y));
}

constexpr QSize sizeFromTwips(int width, int height)
{
    return QSize(twipsToPixels(width), twipsToPixels(height));
}

} // namespace siltmere::ui
