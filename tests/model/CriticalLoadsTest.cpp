// Critical total loads: the load of one event that lays exactly the critical
// thickness in each subestuary. Results are compared bit for bit with values
// worked out independently of this code, in double precision, from the
// deposition proportions, unit loads and areas of the modelled estuary.

#include "DisplayText.h"
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace siltmere::test {
namespace {

// Kilograms of the one-tonne unit event load that come from subcatchment j
// (rows) and settle in subestuary k (columns): each subcatchment's unit load
// (8, 10, 240, 580, 160 and 2 kg) times its deposition proportions.
constexpr std::array<std::array<double, 6>, 6> kSettledKg{{
    {2, 0, 0, 0, 0.4, 0.4},
    {0, 3, 0, 0, 1.5, 0.5},
    {0, 108, 0, 0, 24, 12},
    {0, 58, 58, 0, 174, 58},
    {0, 0, 0, 64, 8, 8},
    {0.2, 0.2, 0, 0.2, 0.2, 0.2},
}};

TEST(SettledLoad, EverySubcatchmentSendsItsShareToEverySubestuary)
{
    const SedimentModel model = startedModel();
    for (int j = 1; j <= 6; ++j)
        for (int k = 1; k <= kSubestuaries; ++k)
            EXPECT_DOUBLE_EQ(model.Cjk(j, k),
                             kSettledKg[static_cast<std::size_t>(j - 1)][static_cast<std::size_t>(k - 1)])
                << "subcatchment " << j << ", subestuary " << k;
}

// Metres of settled sediment per tonne of total event load in subestuary k:
// the kilograms settling there over its area times the settled density.
struct SubestuaryCase {
    int k;
    double udt;
};

constexpr std::array<SubestuaryCase, 6> kUnitThickness{{
    {1, 1.2222222222222222e-07},
    {2, 2.41025641025641e-06},
    {3, 2.2533022533022532e-06},
    {4, 1.2214611872146119e-06},
    {5, 3.3126392868513213e-06},
    {6, 6.898656898656899e-07},
}};

TEST(UnitDepositionThickness, IsBitExactForEverySubestuary)
{
    const SedimentModel model = startedModel();
    for (const auto& c : kUnitThickness)
        EXPECT_EQ(model.UDT(c.k), c.udt) << "subestuary " << c.k;
}

TEST(UnitDepositionThickness, DoesNotDependOnTheThickness)
{
    for (int position = 0; position < 5; ++position) {
        SedimentModel model = startedModel();
        model.Select_Thickness(position);
        model.Calc_CriticalLoads();
        for (const auto& c : kUnitThickness)
            EXPECT_EQ(model.UDT(c.k), c.udt) << "position " << position << ", k " << c.k;
    }
}

struct ThicknessCase {
    int position;
    std::array<double, 6> csl;
};

const std::array<ThicknessCase, 5> kThicknessCases{{
    {0,
     {8181.818181818182, 414.8936170212766, 443.7931034482759, 818.6915887850467, 301.87409899086975,
      1449.5575221238937}},
    {1,
     {16363.636363636364, 829.7872340425532, 887.5862068965517, 1637.3831775700935, 603.7481979817395,
      2899.1150442477874}},
    {2,
     {40909.09090909091, 2074.468085106383, 2218.9655172413795, 4093.457943925234, 1509.370494954349,
      7247.787610619469}},
    {3,
     {81818.18181818182, 4148.936170212766, 4437.931034482759, 8186.915887850468, 3018.740989908698,
      14495.575221238938}},
    {4,
     {163636.36363636365, 8297.872340425532, 8875.862068965518, 16373.831775700935, 6037.481979817396,
      28991.150442477876}},
}};

// The loads rounded to whole tonnes, as the boxes show them.
Row handWorkedTexts(int position)
{
    return textsOf(kHandWorkedLoads[static_cast<std::size_t>(position)]);
}

class CriticalLoadsByThickness : public ::testing::TestWithParam<ThicknessCase> {};

TEST_P(CriticalLoadsByThickness, LoadsAreBitExactAndTextsRounded)
{
    const ThicknessCase& c = GetParam();
    SedimentModel model = startedModel();
    model.Select_Thickness(c.position);
    model.Calc_CriticalLoads();
    for (int k = 1; k <= kSubestuaries; ++k)
        EXPECT_EQ(model.CSL(k), c.csl[static_cast<std::size_t>(k - 1)]) << "k " << k;
    EXPECT_EQ(rowOf(model), handWorkedTexts(c.position));
}

TEST_P(CriticalLoadsByThickness, RunningTwiceGivesTheSameLoads)
{
    const ThicknessCase& c = GetParam();
    SedimentModel model = startedModel();
    model.Select_Thickness(c.position);
    model.Calc_CriticalLoads();
    const auto firstLoads = model.CSL;
    model.Calc_CriticalLoads();
    EXPECT_EQ(model.CSL, firstLoads);
    EXPECT_EQ(rowOf(model), handWorkedTexts(c.position));
}

INSTANTIATE_TEST_SUITE_P(CriticalLoads, CriticalLoadsByThickness, ::testing::ValuesIn(kThicknessCases),
                         [](const auto& param) {
                             return std::string(kThicknessNames[static_cast<std::size_t>(param.param.position)]);
                         });

TEST(CriticalLoads, StartupChainAlreadyHoldsTheFiveMillimetreLoads)
{
    SedimentModel model = startedModel();
    for (int k = 1; k <= kSubestuaries; ++k)
        EXPECT_EQ(model.CSL(k), kThicknessCases[2].csl[static_cast<std::size_t>(k - 1)]) << "k " << k;
}

TEST(CriticalLoads, ANewThicknessIsUsedOnlyByTheNextRun)
{
    SedimentModel model = startedModel();
    model.Calc_CriticalLoads();
    model.Select_Thickness(4);
    EXPECT_EQ(model.CSL(1), kThicknessCases[2].csl[0]);
    EXPECT_EQ(rowOf(model), handWorkedTexts(2));
    model.Calc_CriticalLoads();
    EXPECT_EQ(rowOf(model), handWorkedTexts(4));
}

TEST(CriticalLoads, RecordWithoutAThicknessComputesPerMetreAndKeepsIt)
{
    SedimentModel model;
    model.Init_Model();
    EXPECT_EQ(model.CDT, 1.0);
    EXPECT_EQ(model.ThickIdx, 0);
    model.Calc_CriticalLoads();
    EXPECT_EQ(rowOf(model), (Row{"8181818", "414894", "443793", "818692", "301874", "1449558"}));
    EXPECT_EQ(model.CDT, 1.0);
}

struct RoundingCase {
    const char* name;
    double value;
    std::string text;
};

class WholeNumberText : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(WholeNumberText, RoundsHalfToEvenAndPrintsDigitsOnly)
{
    EXPECT_EQ(wholeNumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Ties, WholeNumberText,
                         ::testing::Values(RoundingCase{"twoAndAHalf", 2.5, "2"},
                                           RoundingCase{"threeAndAHalf", 3.5, "4"}, RoundingCase{"aHalf", 0.5, "0"},
                                           RoundingCase{"oneAndAHalf", 1.5, "2"},
                                           RoundingCase{"justBelowTwoAndAHalf", 2.4999999999999996, "2"},
                                           RoundingCase{"justAboveTwoAndAHalf", 2.5000000000000004, "3"},
                                           RoundingCase{"load5mm", 40909.09090909091, "40909"},
                                           RoundingCase{"load20mm", 163636.36363636365, "163636"},
                                           RoundingCase{"loadPerMetre", 8181818.181818182, "8181818"},
                                           RoundingCase{"tenToThe22", 1e22, "10000000000000000000000"}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(RoundToInt16, HalvesGoToTheEvenNeighbourAndRangeIsEnforced)
{
    EXPECT_EQ(roundToInt16(37.5), 38);
    EXPECT_EQ(roundToInt16(12.5), 12);
    EXPECT_EQ(roundToInt16(-2.5), -2);
    EXPECT_EQ(roundToInt16(32767.4), 32767);
    EXPECT_EQ(roundToInt16(-32768.5), -32768);
    EXPECT_THROW(roundToInt16(32767.5), ModelError);
    EXPECT_THROW(roundToInt16(-32769.0), ModelError);
}

} // namespace
} // namespace siltmere::test
