#pragma once

// The fixed description of the modelled catchment and estuary. The catchment
// (2700 ha, gentle to rolling, moderately erodible soil) is split into six
// subcatchments j; the estuary into six subestuary environments k. All values
// are constants of the tool: every run starts from the same data.

#include "Thickness.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace siltmere::constants {

// Position in the 0-based tables below of the model's 1-based index i.
constexpr std::size_t at(int i)
{
    return static_cast<std::size_t>(i - 1);
}

// The catchment is split into this many subcatchments j, and the estuary
// into this many subestuary environments k, one column of results each.
inline constexpr int kSubcatchments = 6;
inline constexpr int kSubestuaries = 6;

// Each subestuary has this many slots in the exceedance tables; only the
// first holds counts.
inline constexpr int kSlots = 3;

// Unit event load: one tonne of sediment from the whole catchment, in kg.
inline constexpr double kUnitEventLoadKg = 1000.0;
// Density of freshly settled estuarine sediment, kg/m3.
inline constexpr double kSettledDensity = 1200.0;

// Share of the catchment's total event load that comes from subcatchment j.
// The shares add up to 1.
inline constexpr std::array<double, kSubcatchments> kLoadShare{0.008, 0.01, 0.24, 0.58, 0.16, 0.002};

// Area over which the sediment reaching subestuary k settles, m2.
inline constexpr std::array<std::int32_t, kSubestuaries> kDepArea{15000, 58500, 21450, 43800, 52350, 95550};

// Proportion of subcatchment j's load (rows) that settles in subestuary k
// (columns). Rows need not add up to 1: the rest leaves the estuary for the
// open coast.
inline constexpr std::array<std::array<double, kSubestuaries>, kSubcatchments> kJk{{
    {0.25, 0, 0, 0, 0.05, 0.05},
    {0, 0.3, 0, 0, 0.15, 0.05},
    {0, 0.45, 0, 0, 0.1, 0.05},
    {0, 0.1, 0.1, 0, 0.3, 0.1},
    {0, 0, 0, 0.4, 0.05, 0.05},
    {0.1, 0.1, 0, 0.1, 0.1, 0.1},
}};

// Exceedance counts: the number of deposition events (slugs) in 25 years
// whose deposit in subestuary k (columns) exceeds the critical thickness of
// each thickness row (1, 2, 5, 10, 20 mm). They come from long-run event
// simulations of the catchment and are held by the model as text.
using CountTable = std::array<std::array<std::int16_t, kSubestuaries>, kThicknesses>;

// Existing land use (mainly pastoral).
inline constexpr CountTable kBaselineCounts{{
    {0, 61, 56, 30, 77, 15},
    {0, 30, 29, 12, 42, 6},
    {0, 9, 8, 3, 15, 1},
    {0, 3, 2, 0, 6, 0},
    {0, 0, 0, 0, 1, 0},
}};

// 88 ha of earthworks with sediment retention ponds.
inline constexpr CountTable kScenario1Counts{{
    {1, 73, 66, 41, 88, 21},
    {0, 41, 40, 18, 49, 9},
    {0, 14, 11, 6, 18, 1},
    {0, 5, 4, 1, 7, 0},
    {0, 1, 1, 0, 2, 0},
}};

// The same earthworks without any controls.
inline constexpr CountTable kScenario2Counts{{
    {1, 108, 100, 49, 131, 26},
    {0, 47, 45, 25, 69, 9},
    {0, 16, 14, 6, 25, 1},
    {0, 6, 5, 1, 9, 0},
    {0, 1, 1, 0, 2, 0},
}};

} // namespace siltmere::constants
