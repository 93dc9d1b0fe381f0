// The scenario comparison: percentage increase of exceedances over the
// baseline, judged against the planner's acceptability limit.

#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

namespace siltmere::test {
namespace {

using Flags = std::array<int, kSubestuaries>;

struct ComparisonCase {
    int position; // thickness list position
    int scenario;
    double limit;
    Row texts;
    Flags flags;
};

// The thickness as listed, the scenario in words and the limit with "_" for
// its decimal point: "2mm_withoutControls_limit50", "5mm_withControls_limit37_5".
std::string caseName(const ComparisonCase& c)
{
    std::array<char, 32> digits{};
    std::snprintf(digits.data(), digits.size(), "%.10g", c.limit < 0 ? -c.limit : c.limit);
    std::string limit = digits.data();
    for (char& ch : limit)
        if (ch == '.')
            ch = '_';
    return std::string(kThicknessNames[static_cast<std::size_t>(c.position)]) +
           (c.scenario == 1 ? "_withControls" : "_withoutControls") + "_limit" + (c.limit < 0 ? "Minus" : "") + limit;
}

Flags flagsOf(const SedimentModel& model)
{
    Flags flags{};
    for (int k = 1; k <= kSubestuaries; ++k)
        flags[static_cast<std::size_t>(k - 1)] = model.PctFlag(k);
    return flags;
}

void compare(SedimentModel& model, int position, int scenario, double limit)
{
    model.Select_Thickness(position);
    model.ScenarioNo = static_cast<std::int16_t>(scenario);
    model.Calc_PctIncrease(limit);
}

class PctIncrease : public ::testing::TestWithParam<ComparisonCase> {};

TEST_P(PctIncrease, TextsAndFlags)
{
    const ComparisonCase& c = GetParam();
    SedimentModel model = startedModel();
    compare(model, c.position, c.scenario, c.limit);
    EXPECT_EQ(rowOf(model), c.texts);
    EXPECT_EQ(flagsOf(model), c.flags);
}

const std::string na = "n/a";

// A percentage exactly at the limit is within it; the unrounded percentage
// decides, not the whole number shown.
INSTANTIATE_TEST_SUITE_P(
    OtherLimits, PctIncrease,
    ::testing::Values(ComparisonCase{1, 2, 50, {na, "57%", "55%", "108%", "64%", "50%"}, {0, -1, -1, -1, -1, 1}},
                      ComparisonCase{3, 2, 50, {na, "100%", "150%", na, "50%", na}, {0, -1, -1, 0, 1, 0}},
                      ComparisonCase{2, 1, 0, {na, "56%", "38%", "100%", "20%", "0%"}, {0, -1, -1, -1, -1, 1}},
                      ComparisonCase{2, 1, -1, {na, "56%", "38%", "100%", "20%", "0%"}, {0, -1, -1, -1, -1, -1}},
                      ComparisonCase{2, 1, 37.5, {na, "56%", "38%", "100%", "20%", "0%"}, {0, -1, 1, -1, 1, 1}},
                      ComparisonCase{2, 1, 37, {na, "56%", "38%", "100%", "20%", "0%"}, {0, -1, -1, -1, 1, 1}},
                      ComparisonCase{0, 1, 19.68, {na, "20%", "18%", "37%", "14%", "40%"}, {0, 1, 1, -1, 1, -1}},
                      ComparisonCase{0, 1, 19.6, {na, "20%", "18%", "37%", "14%", "40%"}, {0, -1, 1, -1, 1, -1}},
                      ComparisonCase{4, 2, 1e6, {na, na, na, na, "100%", na}, {0, 0, 0, 0, 1, 0}}),
    [](const auto& param) { return caseName(param.param); });

TEST(PctIncrease, FlagsOfAnEarlierRunNeverCarryOver)
{
    SedimentModel model = startedModel();
    compare(model, 0, 2, 20); // flags -1 at subestuaries 2 to 6
    compare(model, 3, 2, 20); // 10 mm: subestuaries 4 and 6 have no baseline
    EXPECT_EQ(flagsOf(model), (Flags{0, -1, -1, 0, -1, 0}));
    compare(model, 4, 1, 1e6); // 20 mm: only subestuary 5 compares
    EXPECT_EQ(flagsOf(model), (Flags{0, 0, 0, 0, 1, 0}));
}

TEST(PctIncrease, ChangesNothingButTheRowAndFlags)
{
    SedimentModel model = startedModel();
    model.Calc_CriticalLoads();
    const SedimentModel before = model;
    model.Calc_PctIncrease(20);
    EXPECT_EQ(model.strBaseline, before.strBaseline);
    EXPECT_EQ(model.strScenario1, before.strScenario1);
    EXPECT_EQ(model.strScenario2, before.strScenario2);
    EXPECT_EQ(model.CSL, before.CSL);
    EXPECT_EQ(model.CDT, before.CDT);
    EXPECT_EQ(model.ThickIdx, before.ThickIdx);
    EXPECT_EQ(model.ScenarioNo, before.ScenarioNo);
}

TEST(PctIncrease, NegativeIncreaseShowsAMinusSign)
{
    SedimentModel model = startedModel();
    model.strScenario1(3, 1, 2) = "8"; // baseline 9 -> scenario 8: -11.1 %
    model.Calc_PctIncrease(20);
    EXPECT_EQ(model.strRow(2), "-11%");
    EXPECT_EQ(model.PctFlag(2), 1);
}

} // namespace
} // namespace siltmere::test
