#pragma once

// What the windows, the copied tables, the working and the report render
// alike: a verdict's colour, and the record's texts in HTML.

#include "WindowsColor.h"
#include "Wording.h"

#include <QColor>
#include <QString>

#include <cstdint>
#include <string_view>

namespace siltmere::ui {

// The colour a percentage box shows for a verdict, as the design numbers
// it: green within the limit, red above it, white for no percentage.
constexpr std::uint32_t verdictColor(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Within:
        return colors::kGreen;
    case Verdict::Above:
        return colors::kRed;
    case Verdict::None:
        break;
    }
    return colors::kWhite;
}

// The same colour, for HTML and for painting.
QColor verdictBack(Verdict verdict);

// A text of the record (UTF-8) as HTML shows it literally.
QString escaped(std::string_view text);

} // namespace siltmere::ui
