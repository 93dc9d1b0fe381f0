#pragma once

// The results grid of the main window, described once: its four rows, top to
// bottom, each with its wording, its boxes (one per subestuary) and their
// colour. The window's layout, its handlers and the tests find the rows and
// boxes here.

#include "Constants.h"
#include "WindowsColor.h"
#include "Wording.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace siltmere::ui {

using constants::kSubestuaries;
using siltmere::indexOf;

struct ResultRowSpec : ResultRowWording {
    // The design names of the row's boxes, subestuary 1 first.
    std::array<std::string_view, kSubestuaries> boxes;
    // The boxes' design back colour; kNoColor: a text box's own white.
    std::uint32_t backColor;
};

inline constexpr std::array<ResultRowSpec, kResultRowCount> kResultRows{{
    {rowWording(ResultRowId::CriticalLoads), {"Text3", "Text4", "Text5", "Text6", "Text7", "Text8"}, colors::kPaleCyan},
    {rowWording(ResultRowId::Baseline),
     {"Text11", "Text12", "Text13", "Text14", "Text15", "Text16"},
     colors::kPaleOrange},
    {rowWording(ResultRowId::Scenario),
     {"Text19", "Text20", "Text21", "Text22", "Text23", "Text24"},
     colors::kPaleOrange},
    {rowWording(ResultRowId::Percentage), {"Text28", "Text29", "Text30", "Text31", "Text32", "Text33"}, kNoColor},
}};

constexpr const ResultRowSpec& resultRow(ResultRowId row)
{
    return kResultRows[indexOf(row)];
}

} // namespace siltmere::ui
