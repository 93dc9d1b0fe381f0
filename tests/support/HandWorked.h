#pragma once

// The results worked out by hand from the catchment's tables, written once
// for every test that checks them: a row per thickness in the list's order
// (1, 2, 5, 10 and 20 mm), a column per subestuary.

#include <array>
#include <cstddef>
#include <string>
#include <type_traits>

namespace siltmere::test {

using SubestuaryFigures = std::array<int, 6>;
using ByThickness = std::array<SubestuaryFigures, 5>;
using SubestuaryTexts = std::array<const char*, 6>;

// The thickness the program starts with.
inline constexpr std::size_t kFiveMm = 2;

// Critical total loads: the critical deposition thickness over the unit
// deposition thickness, in whole tonnes.
inline constexpr ByThickness kHandWorkedLoads{{{8182, 415, 444, 819, 302, 1450},
                                               {16364, 830, 888, 1637, 604, 2899},
                                               {40909, 2074, 2219, 4093, 1509, 7248},
                                               {81818, 4149, 4438, 8187, 3019, 14496},
                                               {163636, 8298, 8876, 16374, 6037, 28991}}};

// Exceedances of the critical load over 25 years, by land use.
inline constexpr ByThickness kHandWorkedBaseline{
    {{0, 61, 56, 30, 77, 15}, {0, 30, 29, 12, 42, 6}, {0, 9, 8, 3, 15, 1}, {0, 3, 2, 0, 6, 0}, {0, 0, 0, 0, 1, 0}}};
inline constexpr ByThickness kHandWorkedWithControls{
    {{1, 73, 66, 41, 88, 21}, {0, 41, 40, 18, 49, 9}, {0, 14, 11, 6, 18, 1}, {0, 5, 4, 1, 7, 0}, {0, 1, 1, 0, 2, 0}}};
inline constexpr ByThickness kHandWorkedWithoutControls{{{1, 108, 100, 49, 131, 26},
                                                         {0, 47, 45, 25, 69, 9},
                                                         {0, 16, 14, 6, 25, 1},
                                                         {0, 6, 5, 1, 9, 0},
                                                         {0, 1, 1, 0, 2, 0}}};

// The percentage increases at a limit of 20 %, by scenario (with controls
// first): (scenario - baseline) / baseline x 100 from the counts above,
// rounded half to even, and their verdicts, judged unrounded ("+" within,
// "-" above, "" none).
struct HandWorkedPercentages {
    SubestuaryTexts texts;
    SubestuaryTexts verdicts;
};
inline constexpr std::array<std::array<HandWorkedPercentages, 5>, 2> kHandWorkedAtTwenty{{
    {{{{"n/a", "20%", "18%", "37%", "14%", "40%"}, {"", "+", "+", "-", "+", "-"}},
      {{"n/a", "37%", "38%", "50%", "17%", "50%"}, {"", "-", "-", "-", "+", "-"}},
      {{"n/a", "56%", "38%", "100%", "20%", "0%"}, {"", "-", "-", "-", "+", "+"}},
      {{"n/a", "67%", "100%", "n/a", "17%", "n/a"}, {"", "-", "-", "", "+", ""}},
      {{"n/a", "n/a", "n/a", "n/a", "100%", "n/a"}, {"", "", "", "", "-", ""}}}},
    {{{{"n/a", "77%", "79%", "63%", "70%", "73%"}, {"", "-", "-", "-", "-", "-"}},
      {{"n/a", "57%", "55%", "108%", "64%", "50%"}, {"", "-", "-", "-", "-", "-"}},
      {{"n/a", "78%", "75%", "100%", "67%", "0%"}, {"", "-", "-", "-", "-", "+"}},
      {{"n/a", "100%", "150%", "n/a", "50%", "n/a"}, {"", "-", "-", "", "-", ""}},
      {{"n/a", "n/a", "n/a", "n/a", "100%", "n/a"}, {"", "", "", "", "-", ""}}}},
}};

// A row's figures as a copied table or a report's line gives them: "40909",
// `separator`, "2074" and so on.
template <typename Row>
std::string joined(const Row& row, const std::string& separator)
{
    std::string text;
    for (const auto& figure : row) {
        if (&figure != &row.front())
            text += separator;
        if constexpr (std::is_same_v<std::decay_t<decltype(figure)>, int>)
            text += std::to_string(figure);
        else
            text += figure;
    }
    return text;
}

} // namespace siltmere::test
