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

inline constexpr std::array<ThicknessChoice, 5> kThicknessChoices{{
    {"1 mm", 0.001, 1},
    {"2 mm", 0.002, 2},
    {"5 mm", 0.005, 3},
    {"10 mm", 0.01, 4},
    {"20 mm", 0.02, 5},
}};

// The choice the calculator starts with: 5 mm.
inline constexpr int kStartupThicknessPosition = 2;

} // namespace siltmere
