// The steps as the main window and the overview take them: every thickness
// and scenario assessed in full against values worked out by hand from the
// catchment's tables, and the record the steps keep as inputs change
// between them.

#include "AssessmentSteps.h"
#include "HandWorked.h"
#include "ModelError.h"
#include "StartedModel.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

namespace siltmere {
namespace {

using namespace test;

Verdict verdictOf(const char* mark)
{
    const std::string m = mark;
    return m == "+" ? Verdict::Within : m == "-" ? Verdict::Above : Verdict::None;
}

AssessmentInputs inputsFor(int thickness, int scenario, double limit)
{
    AssessmentInputs inputs;
    inputs.thicknessPosition = thickness;
    inputs.scenarioNo = static_cast<std::int16_t>(scenario);
    inputs.limitText = std::to_string(limit);
    inputs.limitValue = limit;
    return inputs;
}

TEST(AssessFully, EveryCombinationAtTwentyGivesTheHandWorkedPercentagesAndVerdicts)
{
    // One model for all ten, in the overview's order, as the overview runs.
    SedimentModel model = test::startedModel();
    for (int scenario = 1; scenario <= 2; ++scenario) {
        const ByThickness& counts = scenario == 1 ? kHandWorkedWithControls : kHandWorkedWithoutControls;
        for (std::size_t t = 0; t < counts.size(); ++t) {
            SCOPED_TRACE(testing::Message() << "thickness " << t << ", scenario " << scenario);
            const HandWorkedPercentages& expected = kHandWorkedAtTwenty[static_cast<std::size_t>(scenario - 1)][t];
            const Assessment a = assessFully(model, inputsFor(static_cast<int>(t), scenario, 20.0));
            for (const StepSpec& s : kSteps)
                EXPECT_TRUE(a.taken(s.id));
            for (int k = 1; k <= kSubestuaries; ++k) {
                const auto i = static_cast<std::size_t>(k - 1);
                EXPECT_EQ(a.box(ResultRowId::CriticalLoads, k).text, std::to_string(kHandWorkedLoads[t][i]));
                EXPECT_EQ(a.box(ResultRowId::Percentage, k).text, expected.texts[i]) << "k " << k;
                EXPECT_EQ(a.box(ResultRowId::Percentage, k).verdict, verdictOf(expected.verdicts[i])) << "k " << k;
                // The numbers behind the texts agree with them: the counts
                // compared, and the percentage the box shows is the increase
                // rounded, "n/a" has none.
                const PercentFigures& f = a.figures(k);
                EXPECT_EQ(f.baseline, kHandWorkedBaseline[t][i]);
                EXPECT_EQ(f.scenario, counts[t][i]);
                EXPECT_EQ(a.box(ResultRowId::Baseline, k).text, std::to_string(kHandWorkedBaseline[t][i]));
                EXPECT_EQ(a.box(ResultRowId::Scenario, k).text, std::to_string(counts[t][i]));
                ASSERT_EQ(f.shown.has_value(), f.increase.has_value());
                if (f.shown) {
                    EXPECT_EQ(std::to_string(*f.shown) + "%", expected.texts[i]);
                }
            }
        }
    }
}

TEST(AssessFully, KeepsTheUnroundedIncreaseThatDecidedTheVerdict)
{
    SedimentModel model = test::startedModel();
    // 1 mm with controls, subestuary 2: 61 to 73 events, 19.67 %, shown "20%".
    const Assessment oneMm = assessFully(model, inputsFor(0, 1, 20.0));
    EXPECT_EQ(oneMm.figures(2).baseline, 61.0);
    EXPECT_EQ(oneMm.figures(2).scenario, 73.0);
    EXPECT_NEAR(*oneMm.figures(2).increase, 1200.0 / 61.0, 1e-12);
    // 5 mm with controls, subestuary 3: 8 to 11 events, exactly 37.5 %, shown
    // "38%" and within a limit of 37.5.
    const Assessment fiveMm = assessFully(model, inputsFor(2, 1, 37.5));
    EXPECT_EQ(*fiveMm.figures(3).increase, 37.5);
    EXPECT_EQ(*fiveMm.figures(3).shown, 38);
    EXPECT_EQ(fiveMm.box(ResultRowId::Percentage, 3).verdict, Verdict::Within);
    // Critical total loads at 5 mm: 0.005 m / (settled kg per tonne / (area x
    // 1200 kg/m3)), rounded: subestuary 1 settles 0.25 x 8 + 0.1 x 2 = 2.2 kg
    // per tonne over 15000 m2.
    EXPECT_EQ(fiveMm.box(ResultRowId::CriticalLoads, 1).text,
              std::to_string(std::lround(0.005 / (2.2 / (15000.0 * 1200.0)))));
    EXPECT_EQ(fiveMm.box(ResultRowId::CriticalLoads, 1).text, "40909");
}

TEST(Steps, AnInputChangeClearsWhatDependsOnIt)
{
    SedimentModel model = test::startedModel();
    Assessment a;
    chooseThickness(model, a, 2);
    chooseLimit(model, a, "20", 20.0);
    takeCriticalLoads(model, a);
    takeExceedances(model, a);
    takePctIncrease(model, a);

    // A scenario keeps the loads and the baseline; its own row, the
    // percentages and the model's row texts go.
    chooseScenario(model, a, 2);
    EXPECT_TRUE(a.filled(ResultRowId::CriticalLoads));
    EXPECT_TRUE(a.filled(ResultRowId::Baseline));
    EXPECT_FALSE(a.filled(ResultRowId::Scenario));
    EXPECT_FALSE(a.filled(ResultRowId::Percentage));
    EXPECT_TRUE(a.taken(StepId::CriticalLoads));
    EXPECT_FALSE(a.taken(StepId::Exceedances));
    for (int k = 1; k <= kSubestuaries; ++k)
        EXPECT_EQ(model.strRow(k), "0");

    // The step again gives the scenario without controls' counts.
    takeExceedances(model, a);
    EXPECT_EQ(a.box(ResultRowId::Scenario, 2).text, "16");

    // A thickness or a limit clears every row.
    chooseLimit(model, a, "abc", std::nullopt);
    for (const auto& row : a.rows)
        EXPECT_FALSE(row.has_value());
    takeCriticalLoads(model, a);
    takeExceedances(model, a);
    // A limit that is not a number cannot judge: the model's type mismatch.
    EXPECT_THROW(takePctIncrease(model, a), ModelError);
    chooseThickness(model, a, 0);
    EXPECT_EQ(a.inputs.thicknessLabel(), "1 mm");
    for (const auto& row : a.rows)
        EXPECT_FALSE(row.has_value());
}

} // namespace
} // namespace siltmere
