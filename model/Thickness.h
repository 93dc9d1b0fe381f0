#pragma once

// The five critical deposition thicknesses a planner can choose: the depth of
// freshly settled sediment at which estuarine life is harmed. The thickness
// list of the main window shows `label` in this order; the model maps the
// chosen position to the thickness in metres and to the thickness row of the
// exceedance tables.

#include <array>
#include <cstdint>
#include <string_view>

namespace siltmere {

struct ThicknessChoice {
    std::string_view label;
    double cdtMetres;
    std::int16_t thickIdx;
};

inline constexpr std::array kThicknessChoices{
    ThicknessChoice{"1 mm", 0.001, 1}, ThicknessChoice{"2 mm", 0.002, 2}, ThicknessChoice{"5 mm", 0.005, 3},
    ThicknessChoice{"10 mm", 0.01, 4}, ThicknessChoice{"20 mm", 0.02, 5},
};

// How many thicknesses there are to choose from: the rows of the exceedance
// tables.
inline constexpr int kThicknesses = static_cast<int>(kThicknessChoices.size());

// The choice the calculator starts with: 5 mm.
inline constexpr int kStartupThicknessPosition = 2;

} // namespace siltmere
