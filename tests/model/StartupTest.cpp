// The model's start-up and the thickness choice.

#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <array>

namespace siltmere::test {
namespace {

TEST(Startup, StateAfterTheWindowsStartupOrder)
{
    const SedimentModel model = startedModel();
    EXPECT_EQ(model.CDT, 0.005);
    EXPECT_EQ(model.ThickIdx, 3);
    EXPECT_EQ(model.SlotIdx, 1);
    EXPECT_EQ(model.ScenarioNo, 1);
    constexpr std::array<double, 6> unitLoads{8, 10, 240, 580, 160, 2};
    constexpr std::array<double, 6> shares{0.008, 0.01, 0.24, 0.58, 0.16, 0.002};
    constexpr std::array<int, 6> areas{15000, 58500, 21450, 43800, 52350, 95550};
    for (int i = 1; i <= 6; ++i) {
        const auto at = static_cast<std::size_t>(i - 1);
        EXPECT_EQ(model.UnitLoad(i), unitLoads[at]) << i;
        EXPECT_EQ(model.LoadShare(i), shares[at]) << i;
        EXPECT_EQ(model.DepArea(i), areas[at]) << i;
        EXPECT_EQ(model.strRow(i), "0") << i;
        EXPECT_EQ(model.PctFlag(i), 0) << i;
    }
    EXPECT_EQ(model.CSL(1), 40909.09090909091);
}

TEST(Startup, AFreshRecordIsAllZeroAndEmpty)
{
    const SedimentModel model;
    EXPECT_EQ(model.CDT, 0.0);
    EXPECT_EQ(model.ThickIdx, 0);
    EXPECT_EQ(model.SlotIdx, 0);
    EXPECT_EQ(model.ScenarioNo, 0);
    for (int k = 1; k <= kSubestuaries; ++k) {
        EXPECT_EQ(model.DepArea(k), 0);
        EXPECT_EQ(model.CSL(k), 0.0);
        EXPECT_TRUE(model.strRow(k).empty());
        EXPECT_TRUE(model.strBaseline(3, 1, k).empty());
    }
}

TEST(Startup, SetLoadsTwiceStoresTheSameValues)
{
    SedimentModel model = startedModel();
    const auto shares = model.LoadShare;
    const auto loads = model.UnitLoad;
    model.Set_Loads();
    model.Set_Loads();
    EXPECT_EQ(model.LoadShare, shares);
    EXPECT_EQ(model.UnitLoad, loads);
}

struct ThicknessCase {
    int position;
    double cdt;
    int thickIdx;
};

class SelectThickness : public ::testing::TestWithParam<ThicknessCase> {};

TEST_P(SelectThickness, MapsPositionToThicknessAndRow)
{
    SedimentModel model = startedModel();
    model.Select_Thickness(GetParam().position);
    EXPECT_EQ(model.CDT, GetParam().cdt);
    EXPECT_EQ(model.ThickIdx, GetParam().thickIdx);
}

INSTANTIATE_TEST_SUITE_P(EveryPosition, SelectThickness,
                         ::testing::Values(ThicknessCase{0, 0.001, 1}, ThicknessCase{1, 0.002, 2},
                                           ThicknessCase{2, 0.005, 3}, ThicknessCase{3, 0.01, 4},
                                           ThicknessCase{4, 0.02, 5}, ThicknessCase{-1, 0.02, 5},
                                           ThicknessCase{5, 0.02, 5}, ThicknessCase{-7, 0.02, 5}),
                         [](const auto& param) {
                             const int position = param.param.position;
                             return (position < 0 ? "minus" : "") + std::to_string(position < 0 ? -position : position);
                         });

TEST(SelectThickness, RecalculatesNothing)
{
    SedimentModel model = startedModel();
    model.Calc_CriticalLoads();
    const auto loads = model.CSL;
    const Row texts = rowOf(model);
    model.Select_Thickness(0);
    EXPECT_EQ(model.CSL, loads);
    EXPECT_EQ(rowOf(model), texts);
}

TEST(SelectThickness, BackAndForthChangesOnlyTheThickness)
{
    SedimentModel model = startedModel();
    model.Select_Thickness(0);
    const SedimentModel before = model;
    model.Select_Thickness(4);
    model.Select_Thickness(0);
    EXPECT_EQ(model.CDT, 0.001);
    EXPECT_EQ(model.ThickIdx, 1);
    EXPECT_EQ(model.CSL, before.CSL);
    EXPECT_EQ(model.UDT, before.UDT);
    EXPECT_EQ(model.strRow, before.strRow);
    EXPECT_EQ(model.strBaseline, before.strBaseline);
    EXPECT_EQ(model.ScenarioNo, before.ScenarioNo);
}

} // namespace
} // namespace siltmere::test
