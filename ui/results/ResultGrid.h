#pragma once

// The results grid of the main window, described once: its four rows, top to
// bottom, each with its boxes (one per subestuary), its name, what its boxes
// hold and its colour. The window's layout, its handlers, the copied table
// and the tests find the rows and boxes here.

#include "Constants.h"
#include "WindowsColor.h"
#include "Wording.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace siltmere::ui {

using constants::kSubestuaries;
using siltmere::indexOf;

struct ResultRowSpec {
    ResultRowId id;
    // The design names of the row's boxes, subestuary 1 first.
    std::array<std::string_view, kSubestuaries> boxes;
    // The row's name where the results are listed (the copied table).
    std::string_view title;
    // What a screen reader calls a box, before ", subestuary k".
    std::string_view spokenName;
    // What a box holds, for assistive technology.
    std::string_view description;
    // The boxes' design back colour; kNoColor: a text box's own white.
    std::uint32_t backColor;
    // Coloured green or red by the comparison's verdict.
    bool judged;
};

inline constexpr std::array<ResultRowSpec, kResultRowCount> kResultRows{{
    {ResultRowId::CriticalLoads,
     {"Text3", "Text4", "Text5", "Text6", "Text7", "Text8"},
     "Critical total load (tonnes per event)",
     "Critical total load",
     "Tonnes of sediment from the whole catchment in one event that settle exactly the critical thickness",
     colors::kPaleCyan,
     false},
    {ResultRowId::Baseline,
     {"Text11", "Text12", "Text13", "Text14", "Text15", "Text16"},
     "Exceedances over 25 years, existing land use",
     "Baseline exceedances",
     "Deposition events over 25 years exceeding the critical thickness, existing land use",
     colors::kPaleOrange,
     false},
    {ResultRowId::Scenario,
     {"Text19", "Text20", "Text21", "Text22", "Text23", "Text24"},
     "Exceedances over 25 years, scenario",
     "Scenario exceedances",
     "Deposition events over 25 years exceeding the critical thickness, chosen earthworks scenario",
     colors::kPaleOrange,
     false},
    {ResultRowId::Percentage,
     {"Text28", "Text29", "Text30", "Text31", "Text32", "Text33"},
     "Percentage increase",
     "Percentage increase",
     "Increase of the scenario's exceedances over the baseline, in percent",
     kNoColor,
     true},
}};

constexpr const ResultRowSpec& resultRow(ResultRowId row)
{
    return kResultRows[indexOf(row)];
}

// The colour a percentage box shows for a verdict: green within the limit,
// red above it, white for no percentage.
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

} // namespace siltmere::ui
