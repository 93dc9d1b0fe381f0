// The working behind every result: each number it shows, for every
// thickness, scenario, limit and subestuary, against values worked out here
// from the catchment's constants by plain double arithmetic (not the model's
// functions), and each chain ending in exactly the box's text.

#include "Working.h"
#include "AssessmentSteps.h"
#include "StartedModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace siltmere {
namespace {

namespace c = constants;

struct Case {
    int thickness; // position in the thickness list
    int scenario;  // the model's scenario number
    double limit;  // percent
};

void PrintTo(const Case& c, std::ostream* out)
{
    *out << "thickness position " << c.thickness << ", scenario " << c.scenario << ", limit " << c.limit;
}

// The critical deposition thicknesses in millimetres, in list order.
constexpr std::array<double, 5> kThicknessMm{1, 2, 5, 10, 20};

// Everything the working may show for one case and subestuary k, worked out
// independently of the code.
struct Expected {
    std::array<double, 6> unitLoad{};
    std::array<double, 6> proportion{};
    std::array<double, 6> settledFrom{};
    double settled = 0;
    double area = 0;
    double unitThickness = 0;
    double cdt = 0;
    double criticalLoad = 0;
    std::string loadText;
    double baseline = 0;
    double scenario = 0;
    bool hasIncrease = false;
    double increase = 0;
    std::string percentText;
    Verdict verdict = Verdict::None;
};

Expected expectedFor(const Case& c, int k)
{
    Expected e;
    const auto col = static_cast<std::size_t>(k - 1);
    for (std::size_t j = 0; j < 6; ++j) {
        e.unitLoad[j] = c::kLoadShare[j] * 1000.0;
        e.proportion[j] = c::kJk[j][col];
        e.settledFrom[j] = e.proportion[j] * e.unitLoad[j];
        e.settled += e.settledFrom[j];
    }
    e.area = c::kDepArea[col];
    e.unitThickness = e.settled / (e.area * 1200.0);
    e.cdt = kThicknessMm[static_cast<std::size_t>(c.thickness)] / 1000.0;
    e.criticalLoad = e.cdt / e.unitThickness;
    // nearbyint rounds half to even in the default rounding mode.
    e.loadText = std::to_string(static_cast<long long>(std::nearbyint(e.criticalLoad)));
    const auto row = static_cast<std::size_t>(c.thickness);
    e.baseline = c::kBaselineCounts[row][col];
    e.scenario = (c.scenario == 1 ? c::kScenario1Counts : c::kScenario2Counts)[row][col];
    e.hasIncrease = e.baseline >= 1;
    if (e.hasIncrease) {
        e.increase = (e.scenario - e.baseline) / e.baseline * 100.0;
        e.percentText = std::to_string(static_cast<long long>(std::nearbyint(e.increase))) + "%";
        e.verdict = e.increase > c.limit ? Verdict::Above : Verdict::Within;
    } else {
        e.percentText = "n/a";
    }
    return e;
}

double expectedValue(const Figure& f, const Expected& e, const Case& c)
{
    const auto j = static_cast<std::size_t>(f.j - 1);
    switch (f.quantity) {
    case Quantity::LoadShare:
        return c::kLoadShare.at(j);
    case Quantity::UnitLoad:
        return e.unitLoad.at(j);
    case Quantity::Proportion:
        return e.proportion.at(j);
    case Quantity::SettledFrom:
        return e.settledFrom.at(j);
    case Quantity::Settled:
        return e.settled;
    case Quantity::Area:
        return e.area;
    case Quantity::Density:
        return 1200.0;
    case Quantity::UnitEventLoad:
        return 1000.0;
    case Quantity::UnitThickness:
        return e.unitThickness;
    case Quantity::CriticalThickness:
        return e.cdt;
    case Quantity::CriticalLoad:
        return e.criticalLoad;
    case Quantity::BaselineCount:
        return e.baseline;
    case Quantity::ScenarioCount:
        return e.scenario;
    case Quantity::Increase:
        return e.increase;
    case Quantity::Limit:
        return c.limit;
    }
    ADD_FAILURE() << "unknown quantity";
    return 0;
}

// The number a figure's text stands for, and half a unit of its last digit.
struct Shown {
    double value;
    double halfUnit;
};

Shown shownValue(const Figure& f)
{
    double mantissa = 0;
    const char* end = f.text.data() + f.text.size();
    const auto parsed = std::from_chars(f.text.data(), end, mantissa);
    EXPECT_TRUE(parsed.ec == std::errc() && parsed.ptr == end) << "not a number: " << f.text;
    const std::size_t point = f.text.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(f.text.size() - point - 1);
    const double scale = std::pow(10.0, f.exponent);
    return {mantissa * scale, 0.5 * std::pow(10.0, -decimals) * scale};
}

// Checks one number shown: the value the working read is the independent
// one, and its text is that value to the digits it shows.
void checkFigure(const Figure& f, const Expected& e, const Case& c, std::set<Quantity>& seen)
{
    seen.insert(f.quantity);
    const double expected = expectedValue(f, e, c);
    SCOPED_TRACE(testing::Message() << "quantity " << static_cast<int>(f.quantity) << ", j " << f.j << ", text "
                                    << f.text << " e" << f.exponent);
    EXPECT_DOUBLE_EQ(f.value, expected);
    const Shown shown = shownValue(f);
    if (f.exact) {
        EXPECT_EQ(shown.value, expected) << "said exact";
    } else {
        EXPECT_LE(std::fabs(shown.value - expected), shown.halfUnit * (1 + 1e-9));
        EXPECT_NE(shown.value, expected) << "exact, but not said so";
        // Enough to check by hand: a rounded or judged number to the
        // hundredth at least, any other to six significant figures.
        if (f.quantity == Quantity::CriticalLoad || f.quantity == Quantity::Increase) {
            EXPECT_LE(std::fabs(shown.value - expected), 0.005);
        } else {
            EXPECT_LE(std::fabs(shown.value - expected), 5e-6 * std::fabs(expected));
        }
    }
    // A rounded or judged number is shown with what decides it: its text
    // rounds as the value does and lies on the same side of the limit.
    if (f.quantity == Quantity::CriticalLoad || f.quantity == Quantity::Increase) {
        EXPECT_EQ(std::nearbyint(shown.value), std::nearbyint(expected));
    }
    if (f.quantity == Quantity::Increase) {
        EXPECT_EQ(shown.value > c.limit, expected > c.limit);
    }
}

std::vector<const Line*> linesOf(const Working& w)
{
    std::vector<const Line*> lines{&w.inputs};
    for (const WorkingSection& s : w.sections) {
        for (const Line& l : s.lines)
            lines.push_back(&l);
        if (s.table) {
            for (const auto& row : s.table->rows)
                for (const Line& cell : row)
                    lines.push_back(&cell);
        }
        for (const Line& l : s.after)
            lines.push_back(&l);
    }
    return lines;
}

const Line& lastLine(const Working& w)
{
    const WorkingSection& last = w.sections.back();
    return last.after.empty() ? last.lines.back() : last.after.back();
}

// Some line of the working, read as plain text, holds `text`.
bool says(const Working& w, std::string_view text)
{
    for (const Line* l : linesOf(w))
        if (plainText(*l).find(text) != std::string::npos)
            return true;
    return false;
}

AssessmentInputs inputsFor(const Case& c)
{
    AssessmentInputs inputs;
    inputs.thicknessPosition = c.thickness;
    inputs.scenarioNo = static_cast<std::int16_t>(c.scenario);
    inputs.limitValue = c.limit;
    inputs.limitText = c.limit == 37.5 ? "37.5" : std::to_string(static_cast<int>(c.limit));
    return inputs;
}

std::set<Quantity> loadQuantities()
{
    return {Quantity::UnitEventLoad, Quantity::LoadShare,         Quantity::UnitLoad,    Quantity::Proportion,
            Quantity::SettledFrom,   Quantity::Settled,           Quantity::Area,        Quantity::Density,
            Quantity::UnitThickness, Quantity::CriticalThickness, Quantity::CriticalLoad};
}

class EveryWorking : public testing::TestWithParam<Case> {};

TEST_P(EveryWorking, ShowsTheIndependentNumbersAndEndsInTheBoxText)
{
    const Case c = GetParam();
    SedimentModel model = test::startedModel();
    const Assessment a = assessFully(model, inputsFor(c));
    for (int k = 1; k <= kSubestuaries; ++k) {
        SCOPED_TRACE(testing::Message() << "subestuary " << k);
        const Expected e = expectedFor(c, k);
        // The boxes themselves hold the independent results.
        ASSERT_EQ(a.box(ResultRowId::CriticalLoads, k).text, e.loadText);
        ASSERT_EQ(a.box(ResultRowId::Percentage, k).text, e.percentText);
        ASSERT_EQ(a.box(ResultRowId::Percentage, k).verdict, e.verdict);

        for (const ResultRowId row :
             {ResultRowId::CriticalLoads, ResultRowId::Baseline, ResultRowId::Scenario, ResultRowId::Percentage}) {
            SCOPED_TRACE(testing::Message() << "row " << static_cast<int>(row));
            const Working w = workingFor(a, row, k);
            ASSERT_TRUE(w.pending.empty());
            ASSERT_FALSE(w.sections.empty());
            std::set<Quantity> seen;
            std::set<int> subcatchments;
            for (const Line* l : linesOf(w)) {
                for (const Span& s : *l) {
                    if (!s.figure)
                        continue;
                    EXPECT_EQ(s.text, s.figure->text);
                    checkFigure(*s.figure, e, c, seen);
                    if (s.figure->quantity == Quantity::SettledFrom)
                        subcatchments.insert(s.figure->j);
                }
            }
            // The chain ends in exactly the box's text, and only there.
            const std::string& box = a.box(row, k).text;
            ASSERT_TRUE(w.result.has_value());
            EXPECT_EQ(*w.result, box);
            ASSERT_FALSE(lastLine(w).empty());
            EXPECT_TRUE(lastLine(w).back().result);
            EXPECT_EQ(lastLine(w).back().text, box);

            switch (row) {
            case ResultRowId::CriticalLoads: {
                EXPECT_EQ(box, e.loadText);
                EXPECT_EQ(seen, loadQuantities());
                // Only the subcatchments that send k something are listed.
                std::set<int> sending;
                for (int j = 1; j <= 6; ++j)
                    if (e.settledFrom[static_cast<std::size_t>(j - 1)] != 0.0)
                        sending.insert(j);
                EXPECT_EQ(subcatchments, sending);
                EXPECT_EQ(w.sections.front().table->rows.size(), sending.size() + 1);
                EXPECT_EQ(says(w, " send nothing to ") || says(w, " sends nothing to "), sending.size() < 6);
                break;
            }
            case ResultRowId::Baseline:
                EXPECT_EQ(box, std::to_string(static_cast<int>(e.baseline)));
                EXPECT_TRUE(seen.empty());
                break;
            case ResultRowId::Scenario:
                EXPECT_EQ(box, std::to_string(static_cast<int>(e.scenario)));
                EXPECT_TRUE(seen.empty());
                break;
            case ResultRowId::Percentage:
                EXPECT_EQ(box, e.percentText);
                EXPECT_EQ(w.verdict, e.verdict);
                if (e.hasIncrease) {
                    EXPECT_EQ(seen, (std::set<Quantity>{Quantity::BaselineCount, Quantity::ScenarioCount,
                                                        Quantity::Increase, Quantity::Limit}));
                    EXPECT_TRUE(says(w, verdictPhrase(e.verdict)));
                    EXPECT_TRUE(says(w, e.verdict == Verdict::Above ? " % is above " : " % is not above "));
                } else {
                    EXPECT_EQ(seen,
                              (std::set<Quantity>{Quantity::BaselineCount, Quantity::ScenarioCount, Quantity::Limit}));
                }
                break;
            }
        }
    }

    // The report's tables: the same numbers for the six subestuaries, the
    // last row of each the boxes' texts.
    const std::vector<WorkingSection> tables = workingTables(a);
    ASSERT_EQ(tables.size(), 3U);
    const std::array<ResultRowId, 3> lastRows{ResultRowId::CriticalLoads, ResultRowId::Scenario,
                                              ResultRowId::Percentage};
    for (std::size_t t = 0; t < tables.size(); ++t) {
        ASSERT_TRUE(tables[t].table);
        const WorkingTable& table = *tables[t].table;
        ASSERT_EQ(table.header.size(), 7U);
        for (const auto& cells : table.rows) {
            ASSERT_EQ(cells.size(), 7U);
            for (int k = 1; k <= kSubestuaries; ++k) {
                // The quantity's name and any number it has is in the first
                // cell, which holds for every subestuary.
                const Expected e = expectedFor(c, k);
                std::set<Quantity> seen;
                for (const std::size_t cell : {std::size_t{0}, static_cast<std::size_t>(k)})
                    for (const Span& s : cells[cell])
                        if (s.figure)
                            checkFigure(*s.figure, e, c, seen);
            }
        }
        const auto& shown = table.rows.back();
        for (int k = 1; k <= kSubestuaries; ++k) {
            const Line& cell = shown[static_cast<std::size_t>(k)];
            ASSERT_EQ(cell.size(), 1U);
            EXPECT_TRUE(cell.front().result);
            EXPECT_EQ(cell.front().text, a.box(lastRows[t], k).text);
        }
    }
}

std::vector<Case> everyCase()
{
    std::vector<Case> cases;
    for (const double limit : {20.0, 37.5, 50.0})
        for (int scenario = 1; scenario <= 2; ++scenario)
            for (int thickness = 0; thickness < 5; ++thickness)
                cases.push_back({thickness, scenario, limit});
    return cases;
}

std::string caseName(const testing::TestParamInfo<Case>& info)
{
    const Case& c = info.param;
    std::string limit = c.limit == 37.5 ? "37_5" : std::to_string(static_cast<int>(c.limit));
    return std::to_string(static_cast<int>(kThicknessMm[static_cast<std::size_t>(c.thickness)])) + "mm_" +
           (c.scenario == 1 ? "withControls" : "withoutControls") + "_limit" + limit;
}

INSTANTIATE_TEST_SUITE_P(ThicknessScenarioLimit, EveryWorking, testing::ValuesIn(everyCase()), caseName);

// The two results that look wrong without their working, as a reviewer
// reads them.
struct Example {
    const char* name;
    Case inputs;
    int k;
    const char* unrounded;
    const char* verdictLine;
    const char* shown;
};

constexpr std::array<Example, 2> kExamples{{
    {"1 mm with controls, limit 20: 20% within",
     {0, 1, 20.0},
     2,
     "(scenario \u2212 existing land use) \u00f7 existing land use \u00d7 100 = (73 \u2212 61) \u00f7 61 \u00d7 100 = "
     "19.67 %, unrounded.",
     "Judged on the unrounded increase: 19.67 % is not above 20 %: within the limit.",
     "20%"},
    {"5 mm with controls, limit 37.5: 38% within",
     {2, 1, 37.5},
     3,
     "(scenario \u2212 existing land use) \u00f7 existing land use \u00d7 100 = (11 \u2212 8) \u00f7 8 \u00d7 100 = "
     "37.5 % exactly.",
     "Judged on the unrounded increase: 37.5 % is not above 37.5 %: within the limit.",
     "38%"},
}};

TEST(WorkingExamples, TheRoundedPercentagesNextToTheirLimitsReadAsExplained)
{
    for (const Example& example : kExamples) {
        SCOPED_TRACE(example.name);
        SedimentModel model = test::startedModel();
        const Assessment a = assessFully(model, inputsFor(example.inputs));
        const Working w = workingFor(a, ResultRowId::Percentage, example.k);
        std::vector<std::string> lines;
        for (const Line* l : linesOf(w))
            lines.push_back(plainText(*l));
        EXPECT_NE(std::find(lines.begin(), lines.end(), example.unrounded), lines.end());
        EXPECT_NE(std::find(lines.begin(), lines.end(), example.verdictLine), lines.end());
        EXPECT_EQ(w.verdict, Verdict::Within);
        EXPECT_EQ(*w.result, example.shown);
    }
}

TEST(WorkingExamples, SubcatchmentsSendingNothingAreNamedAndUnitThicknessHasItsPowerOfTen)
{
    SedimentModel model = test::startedModel();
    const Assessment a = assessFully(model, inputsFor({0, 1, 20.0}));
    const Working w = workingFor(a, ResultRowId::CriticalLoads, 2);
    std::vector<std::string> lines;
    for (const Line* l : linesOf(w))
        lines.push_back(plainText(*l));
    // 169.2 kg over 58500 m2 at 1200 kg/m3, by hand: 2.41026 x 10^-6 m.
    for (const char* expected :
         {"Subcatchments 1 and 5 send nothing to subestuary 2.",
          "Sum: 3 + 108 + 58 + 0.2 = 169.2 kg settled in subestuary 2 per tonne of total load.",
          "169.2 kg \u00f7 (58500 m\u00b2 \u00d7 1200 kg/m\u00b3) = 2.41026 \u00d7 10\u207b\u2076 m "
          "per tonne of total load."})
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
}

// A box not yet worked out names the first step to take, whichever box.
struct PendingCase {
    int stepsTaken;
    ResultRowId row;
    const char* step; // the step to take first; nullptr: worked out
};

constexpr std::array<PendingCase, 8> kPending{{
    {0, ResultRowId::CriticalLoads, "Calculate: Critical Total Loads"},
    {0, ResultRowId::Percentage, "Calculate: Critical Total Loads"},
    {1, ResultRowId::CriticalLoads, nullptr},
    {1, ResultRowId::Baseline, "Calculate: Exceedances over 25 Year Period"},
    {1, ResultRowId::Percentage, "Calculate: Exceedances over 25 Year Period"},
    {2, ResultRowId::Scenario, nullptr},
    {2, ResultRowId::Percentage, "Calculate: % increase scenario vs baseline"},
    {3, ResultRowId::Percentage, nullptr},
}};

TEST(WorkingPending, ABoxNotYetWorkedOutNamesTheStepToTakeFirst)
{
    for (const PendingCase& p : kPending) {
        SCOPED_TRACE(testing::Message() << p.stepsTaken << " steps, row " << static_cast<int>(p.row));
        SedimentModel model = test::startedModel();
        Assessment a;
        chooseThickness(model, a, 2);
        chooseLimit(model, a, "20", 20.0);
        if (p.stepsTaken > 0)
            takeCriticalLoads(model, a);
        if (p.stepsTaken > 1)
            takeExceedances(model, a);
        if (p.stepsTaken > 2)
            takePctIncrease(model, a);
        const Working w = workingFor(a, p.row, 4);
        if (!p.step) {
            EXPECT_TRUE(w.pending.empty());
            EXPECT_TRUE(w.result.has_value());
            continue;
        }
        EXPECT_FALSE(w.result.has_value());
        EXPECT_TRUE(w.sections.empty());
        EXPECT_NE(w.pending.find("\u201c" + std::string(p.step) + "\u201d first"), std::string::npos) << w.pending;
    }
}

} // namespace
} // namespace siltmere
