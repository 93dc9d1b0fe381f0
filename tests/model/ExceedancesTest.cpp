// Exceedance counts over 25 years: the three fixed tables and their lookup.

#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace siltmere::test {
namespace {

enum class Table { Baseline, Scenario1, Scenario2 };

const ExceedanceTable& tableOf(const SedimentModel& model, Table table)
{
    switch (table) {
    case Table::Baseline:
        return model.strBaseline;
    case Table::Scenario1:
        return model.strScenario1;
    case Table::Scenario2:
        break;
    }
    return model.strScenario2;
}

struct LookupCase {
    int thickIdx;
    Table table;
};

std::string caseName(const LookupCase& c)
{
    const char* table = c.table == Table::Baseline    ? "baseline"
                        : c.table == Table::Scenario1 ? "withControls"
                                                      : "withoutControls";
    return std::string(kThicknessNames[static_cast<std::size_t>(c.thickIdx - 1)]) + "_" + table;
}

// Every row of the three tables.
std::vector<LookupCase> everyRow()
{
    std::vector<LookupCase> rows;
    for (int thickIdx = 1; thickIdx <= 5; ++thickIdx)
        for (const Table table : {Table::Baseline, Table::Scenario1, Table::Scenario2})
            rows.push_back({thickIdx, table});
    return rows;
}

// The counts of a row, worked out by hand, as the model's texts.
Row handWorkedRow(const LookupCase& c)
{
    const ByThickness& table = c.table == Table::Baseline    ? kHandWorkedBaseline
                               : c.table == Table::Scenario1 ? kHandWorkedWithControls
                                                             : kHandWorkedWithoutControls;
    return textsOf(table[static_cast<std::size_t>(c.thickIdx - 1)]);
}

class LookupExceedances : public ::testing::TestWithParam<LookupCase> {};

TEST_P(LookupExceedances, CopiesTheThicknessRowOfTheTable)
{
    const LookupCase& c = GetParam();
    SedimentModel model = startedModel();
    model.ThickIdx = static_cast<std::int16_t>(c.thickIdx);
    model.Lookup_Exceedances(tableOf(model, c.table));
    EXPECT_EQ(rowOf(model), handWorkedRow(c));
}

INSTANTIATE_TEST_SUITE_P(EveryRow, LookupExceedances, ::testing::ValuesIn(everyRow()),
                         [](const auto& param) { return caseName(param.param); });

TEST(ScenarioTable, FollowsTheScenarioNumber)
{
    SedimentModel model = startedModel();
    model.ScenarioNo = 1;
    EXPECT_EQ(&model.ScenarioTable(), &model.strScenario1);
    model.ScenarioNo = 2;
    EXPECT_EQ(&model.ScenarioTable(), &model.strScenario2);
    model.ScenarioNo = 0;
    EXPECT_EQ(&model.ScenarioTable(), &model.strScenario2);
}

TEST(LookupExceedances, TheSecondLookupReplacesTheFirst)
{
    SedimentModel model = startedModel();
    model.Lookup_Exceedances(model.strBaseline);
    model.Lookup_Exceedances(model.strScenario2);
    EXPECT_EQ(rowOf(model), textsOf(kHandWorkedWithoutControls[kFiveMm]));
}

TEST(ExceedanceTables, OnlySlotOneIsFilledWithPlainDigits)
{
    const SedimentModel model = startedModel();
    for (const auto* table : {&model.strBaseline, &model.strScenario1, &model.strScenario2}) {
        for (int thick = 1; thick <= 5; ++thick) {
            for (int k = 1; k <= kSubestuaries; ++k) {
                const std::string& count = (*table)(thick, 1, k);
                ASSERT_FALSE(count.empty());
                EXPECT_EQ(count.find_first_not_of("0123456789"), std::string::npos) << count;
                EXPECT_TRUE(count == "0" || count.front() != '0') << count;
                EXPECT_TRUE((*table)(thick, 2, k).empty());
                EXPECT_TRUE((*table)(thick, 3, k).empty());
            }
        }
    }
}

TEST(ExceedanceTables, OnlyOneMillimetreSubestuaryOneDiffersBetweenBaselineAndScenarios)
{
    const SedimentModel model = startedModel();
    EXPECT_EQ(model.strBaseline(1, 1, 1), "0");
    EXPECT_EQ(model.strScenario1(1, 1, 1), "1");
    EXPECT_EQ(model.strScenario2(1, 1, 1), "1");
    for (int thick = 2; thick <= 5; ++thick)
        for (const auto* table : {&model.strBaseline, &model.strScenario1, &model.strScenario2})
            EXPECT_EQ((*table)(thick, 1, 1), "0");
}

} // namespace
} // namespace siltmere::test
