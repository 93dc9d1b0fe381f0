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
#include <numeric>
#include <ostream>
#include <regex>
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

// What a number of the working may stand for.
enum class Quantity {
    LoadShare,         // share of the event load from subcatchment j
    UnitLoad,          // kg of one tonne of total load from subcatchment j
    Proportion,        // proportion of subcatchment j's load that settles in k
    SettledFrom,       // kg from subcatchment j that settle in k, per tonne
    Settled,           // kg that settle in k, per tonne of total load
    Area,              // deposition area of k, m2
    Density,           // settled density, kg/m3
    UnitEventLoad,     // the unit event load, kg
    UnitThickness,     // unit deposition thickness of k, m per tonne
    CriticalThickness, // the critical deposition thickness, m
    CriticalLoad,      // critical total load of k, tonnes per event, unrounded
    BaselineCount,     // exceedances over 25 years, existing land use
    ScenarioCount,     // exceedances over 25 years, the chosen scenario
    Increase,          // percentage increase, unrounded
    Limit,             // the acceptability limit, percent
};

// A number the working may show, worked out here, and what it stands for.
struct Known {
    Quantity quantity;
    double value;
};

// What subcatchment j (1..6) sends to k: its share, the kg of a tonne, the
// proportion settling in k and the kg settling there.
std::vector<Known> fromSubcatchment(const Expected& e, int j)
{
    const auto i = static_cast<std::size_t>(j - 1);
    return {{Quantity::LoadShare, c::kLoadShare.at(i)},
            {Quantity::UnitLoad, e.unitLoad.at(i)},
            {Quantity::Proportion, e.proportion.at(i)},
            {Quantity::SettledFrom, e.settledFrom.at(i)}};
}

// The numbers that lead to box k of `row`.
std::vector<Known> knownFor(ResultRowId row, const Expected& e, const Case& c)
{
    std::vector<Known> known;
    if (row == ResultRowId::CriticalLoads) {
        for (int j = 1; j <= 6; ++j) {
            const std::vector<Known> sent = fromSubcatchment(e, j);
            known.insert(known.end(), sent.begin(), sent.end());
        }
        known.insert(known.end(), {{Quantity::Settled, e.settled},
                                   {Quantity::Area, e.area},
                                   {Quantity::Density, 1200.0},
                                   {Quantity::UnitEventLoad, 1000.0},
                                   {Quantity::UnitThickness, e.unitThickness},
                                   {Quantity::CriticalThickness, e.cdt},
                                   {Quantity::CriticalLoad, e.criticalLoad}});
    }
    if (row == ResultRowId::Percentage) {
        known.insert(
            known.end(),
            {{Quantity::BaselineCount, e.baseline}, {Quantity::ScenarioCount, e.scenario}, {Quantity::Limit, c.limit}});
        if (e.hasIncrease)
            known.push_back({Quantity::Increase, e.increase});
    }
    return known;
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

// Whether `f` is `expected` as the working shows a number standing for
// `quantity`: read as the model computed it, and written exactly where it
// says so, otherwise to half a unit of its last digit and near enough to
// check by hand (a rounded or judged number to the hundredth at least, any
// other to six significant figures). A rounded or judged number is shown with
// what decides it: its text rounds as the value does and lies on the same
// side of the limit.
bool shows(const Figure& f, Quantity quantity, double expected, const Case& c)
{
    if (std::fabs(f.value - expected) > 1e-12 * std::fabs(expected))
        return false;
    const Shown shown = shownValue(f);
    const double error = std::fabs(shown.value - expected);
    const bool deciding = quantity == Quantity::CriticalLoad || quantity == Quantity::Increase;
    if (f.exact != (error == 0.0))
        return false;
    if (!f.exact && (error > shown.halfUnit * (1 + 1e-9) || error > (deciding ? 0.005 : 5e-6 * std::fabs(expected))))
        return false;
    if (deciding && std::nearbyint(shown.value) != std::nearbyint(expected))
        return false;
    return quantity != Quantity::Increase || (shown.value > c.limit) == (expected > c.limit);
}

// Checks every number of `line` against `known`, and collects what they stand
// for: a number none of `known` stands for is a fault.
void collectShown(const Line& line, const std::vector<Known>& known, const Case& c, std::set<Quantity>& seen)
{
    for (const Span& s : line) {
        if (!s.figure)
            continue;
        EXPECT_EQ(s.text, s.figure->text);
        bool some = false;
        for (const Known& k : known) {
            if (shows(*s.figure, k.quantity, k.value, c)) {
                seen.insert(k.quantity);
                some = true;
            }
        }
        EXPECT_TRUE(some) << "a number that leads nowhere: " << s.text << " e" << s.figure->exponent << " in "
                          << plainText(line);
    }
}

// A cell's numbers are `expected`, in order.
void expectCell(const Line& cell, const std::vector<Known>& expected, const Case& c)
{
    std::vector<Figure> figures;
    for (const Span& s : cell)
        if (s.figure)
            figures.push_back(*s.figure);
    ASSERT_EQ(figures.size(), expected.size()) << plainText(cell);
    for (std::size_t i = 0; i < figures.size(); ++i)
        EXPECT_TRUE(shows(figures[i], expected[i].quantity, expected[i].value, c)) << plainText(cell);
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
    inputs.limitText = c.limit == static_cast<int>(c.limit) ? std::to_string(static_cast<int>(c.limit))
                       : c.limit == 37.5                    ? "37.5"
                                                            : "55.56";
    return inputs;
}

// What the numbers of `known` stand for.
std::set<Quantity> quantitiesOf(const std::vector<Known>& known)
{
    std::set<Quantity> quantities;
    for (const Known& k : known)
        quantities.insert(k.quantity);
    return quantities;
}

// The subcatchments that send k something.
std::set<int> sendingTo(const Expected& e)
{
    std::set<int> sending;
    for (int j = 1; j <= 6; ++j)
        if (e.settledFrom.at(static_cast<std::size_t>(j - 1)) != 0.0)
            sending.insert(j);
    return sending;
}

// The table of the subcatchments that send k something: a row for each,
// its numbers that subcatchment's, then their sum.
void checkSubcatchmentTable(const WorkingTable& table, const Expected& e, const Case& c)
{
    std::set<int> listed;
    for (std::size_t r = 0; r + 1 < table.rows.size(); ++r) {
        const std::vector<Line>& cells = table.rows[r];
        ASSERT_EQ(cells.size(), 5U);
        const int j = std::stoi(plainText(cells.front()));
        listed.insert(j);
        const std::vector<Known> sent = fromSubcatchment(e, j);
        for (std::size_t i = 0; i < sent.size(); ++i)
            expectCell(cells[i + 1], {sent[i]}, c);
    }
    EXPECT_EQ(listed, sendingTo(e));
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
            // Every number that leads to the box is shown, and no other.
            const std::vector<Known> known = knownFor(row, e, c);
            std::set<Quantity> seen;
            for (const Line* l : linesOf(w))
                collectShown(*l, known, c, seen);
            EXPECT_EQ(seen, quantitiesOf(known));
            // The chain ends in exactly the box's text, and only there.
            const std::string& box = a.box(row, k).text;
            ASSERT_FALSE(lastLine(w).empty());
            EXPECT_TRUE(lastLine(w).back().result);
            EXPECT_EQ(lastLine(w).back().text, box);

            switch (row) {
            case ResultRowId::CriticalLoads:
                EXPECT_EQ(box, e.loadText);
                // Only the subcatchments that send k something are listed.
                checkSubcatchmentTable(*w.sections.front().table, e, c);
                EXPECT_EQ(says(w, " send nothing to ") || says(w, " sends nothing to "), sendingTo(e).size() < 6);
                break;
            case ResultRowId::Baseline:
                EXPECT_EQ(box, std::to_string(static_cast<int>(e.baseline)));
                // The counts are the model's own tables, claimed from nowhere
                // else and not to be recomputed from the loads.
                EXPECT_TRUE(says(w, "given by the model, in a fixed table per land use"));
                break;
            case ResultRowId::Scenario:
                EXPECT_EQ(box, std::to_string(static_cast<int>(e.scenario)));
                break;
            case ResultRowId::Percentage:
                EXPECT_EQ(box, e.percentText);
                EXPECT_EQ(w.verdict, e.verdict);
                if (e.hasIncrease) {
                    EXPECT_TRUE(says(w, verdictWording(e.verdict).phrase));
                    EXPECT_TRUE(says(w, e.verdict == Verdict::Above ? " % is above " : " % is not above "));
                }
                break;
            }
        }
    }

    // The report's tables: the same numbers for the six subestuaries, each
    // subcatchment's in its row, the last row of each the boxes' texts.
    const std::vector<WorkingSection> tables = workingTables(a);
    ASSERT_EQ(tables.size(), 3U);
    const std::array<ResultRowId, 3> lastRows{ResultRowId::CriticalLoads, ResultRowId::Scenario,
                                              ResultRowId::Percentage};
    for (std::size_t t = 0; t < tables.size(); ++t) {
        ASSERT_TRUE(tables[t].table);
        const WorkingTable& table = *tables[t].table;
        ASSERT_EQ(table.header.size(), 7U);
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            const std::vector<Line>& cells = table.rows[r];
            ASSERT_EQ(cells.size(), 7U);
            for (int k = 1; k <= kSubestuaries; ++k) {
                // The quantity's name and any number it has is in the first
                // cell, which holds for every subestuary.
                const Expected e = expectedFor(c, k);
                std::vector<Known> known = knownFor(ResultRowId::CriticalLoads, e, c);
                const std::vector<Known> percent = knownFor(ResultRowId::Percentage, e, c);
                known.insert(known.end(), percent.begin(), percent.end());
                std::set<Quantity> seen;
                collectShown(cells.front(), known, c, seen);
                collectShown(cells[static_cast<std::size_t>(k)], known, c, seen);
                if (t == 0 && r < 6) {
                    const std::vector<Known> sent = fromSubcatchment(e, static_cast<int>(r) + 1);
                    expectCell(cells.front(), {sent[1]}, c);
                    expectCell(cells[static_cast<std::size_t>(k)],
                               sent[3].value == 0.0 ? std::vector<Known>{} : std::vector<Known>{sent[2], sent[3]}, c);
                }
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
     "1200/61 % \u2248 19.67 % (rounded to 2 decimals).",
     "Judged before rounding to a whole percent: 1200/61 % \u2248 19.67 % is not above 20 %: within the limit.",
     "20%"},
    {"5 mm with controls, limit 37.5: 38% within",
     {2, 1, 37.5},
     3,
     "(scenario \u2212 existing land use) \u00f7 existing land use \u00d7 100 = (11 \u2212 8) \u00f7 8 \u00d7 100 = "
     "37.5 % exactly.",
     "Judged before rounding to a whole percent: 37.5 % is not above 37.5 %: within the limit.",
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
        EXPECT_EQ(lastLine(w).back().text, example.shown);
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
    // 169.2 kg per tonne over 58500 m2 at 1200 kg/m3, by hand: 2.41026 x
    // 10^-6 m per tonne, the units balanced on both sides.
    for (const char* expected :
         {"Subcatchments 1 and 5 send nothing to subestuary 2.",
          "Sum: 3 + 108 + 58 + 0.2 = 169.2 kg settled in subestuary 2 per tonne of total load.",
          "169.2 kg per tonne of total load \u00f7 (58500 m\u00b2 \u00d7 1200 kg/m\u00b3) = 2.41026 \u00d7 "
          "10\u207b\u2076 m per tonne of total load."})
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

// Read as a reviewer reads it with a pocket calculator: the product and
// quotient the load's line writes out, from the numbers printed on it, gives
// the load printed there to its last decimal, for every thickness and
// subestuary.
TEST(WorkingAsPrinted, EveryLoadFollowsFromTheNumbersOnItsLine)
{
    const std::regex expression(
        "= ([0-9.]+) m \u00d7 ([0-9.]+) m\u00b2 \u00d7 ([0-9.]+) kg/m\u00b3 \u00f7 ([0-9.]+) kg "
        "per tonne of total load = ([0-9.]+) tonnes");
    for (int thickness = 0; thickness < 5; ++thickness) {
        SedimentModel model = test::startedModel();
        const Assessment a = assessFully(model, inputsFor({thickness, 1, 20.0}));
        for (int k = 1; k <= kSubestuaries; ++k) {
            SCOPED_TRACE(testing::Message() << "thickness " << thickness << ", subestuary " << k);
            // The working's lines as text, the line that writes the load
            // out found by its shape.
            std::string printed;
            std::smatch numbers;
            const Working w = workingFor(a, ResultRowId::CriticalLoads, k);
            for (const Line* l : linesOf(w)) {
                printed = plainText(*l);
                if (std::regex_search(printed, numbers, expression))
                    break;
            }
            ASSERT_FALSE(numbers.empty());
            const auto value = [&](std::size_t i) { return std::stold(numbers[i].str()); };
            const std::string load = numbers[5].str();
            const std::size_t point = load.find('.');
            const int decimals = point == std::string::npos ? 0 : static_cast<int>(load.size() - point - 1);
            const long double worked = value(1) * value(2) * value(3) / value(4);
            EXPECT_LE(std::fabs(worked - value(5)), 0.5L * std::pow(10.0L, -decimals) + 1e-9L) << printed;
        }
    }
}

// Read as a reviewer reads it: the increase the working writes from the two
// counts on its line, its fraction worked out by hand and its decimals
// rounded from that, and the verdict its next line states, against the limit
// printed there, for every percentage with a baseline at several limits.
TEST(WorkingAsPrinted, EveryIncreaseAndVerdictFollowFromTheCountsOnTheSheet)
{
    const std::regex formula("= \\((\\d+) \u2212 (\\d+)\\) \u00f7 (\\d+) \u00d7 100 = (?:(-?\\d+)/(\\d+) % \u2248 )?"
                             "(-?[0-9.]+) % (exactly|\\(rounded to (\\d+) decimals\\))\\.$");
    const std::regex judged("^Judged before rounding to a whole percent: .*?(-?[0-9.]+) % is (not )?above "
                            "([0-9.]+) %: (within|above) the limit\\.$");
    int read = 0;
    for (const double limit : {0.0, 20.0, 37.5, 55.56, 100.0}) {
        for (const std::int16_t scenario : {std::int16_t{1}, std::int16_t{2}}) {
            for (int thickness = 0; thickness < 5; ++thickness) {
                SedimentModel model = test::startedModel();
                const Assessment a = assessFully(model, inputsFor({thickness, scenario, limit}));
                for (int k = 1; k <= kSubestuaries; ++k) {
                    const Working w = workingFor(a, ResultRowId::Percentage, k);
                    std::vector<std::string> lines;
                    for (const Line* l : linesOf(w))
                        lines.push_back(plainText(*l));
                    std::smatch f;
                    const auto at = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) {
                        return std::regex_search(l, f, formula);
                    });
                    if (at == lines.end())
                        continue; // no baseline, no increase
                    SCOPED_TRACE(*at);
                    ++read;
                    const long long s = std::stoll(f[1]), b = std::stoll(f[2]);
                    ASSERT_EQ(f[3].str(), f[2].str());
                    const long double exact = 100.0L * (s - b) / b;
                    const long double shown = std::stold(f[6]);
                    if (f[7] == "exactly") {
                        EXPECT_EQ(shown * b, 100.0L * (s - b));
                    } else {
                        ASSERT_TRUE(f[4].matched); // the counts are whole: a fraction
                        const long long numerator = std::stoll(f[4]), denominator = std::stoll(f[5]);
                        EXPECT_EQ(numerator * b, 100 * (s - b) * denominator);
                        EXPECT_EQ(std::gcd(numerator, denominator), 1);
                        const int decimals = std::stoi(f[8]);
                        EXPECT_EQ(f[6].str().size() - f[6].str().find('.') - 1, static_cast<std::size_t>(decimals));
                        EXPECT_LE(std::fabs(shown - exact), 0.5L * std::pow(10.0L, -decimals) + 1e-12L);
                    }
                    std::smatch j;
                    ASSERT_TRUE(std::regex_search(*(at + 1), j, judged)) << *(at + 1);
                    const long double printedLimit = std::stold(j[3]);
                    const bool above = !j[2].matched;
                    EXPECT_EQ(above, exact > printedLimit);
                    EXPECT_EQ(above, std::stold(j[1]) > printedLimit); // the decimals printed stand on its side
                    EXPECT_EQ(j[4] == "above", above);
                }
            }
        }
    }
    EXPECT_GT(read, 100);
}

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
            EXPECT_FALSE(w.sections.empty());
            continue;
        }
        EXPECT_TRUE(w.sections.empty());
        EXPECT_NE(w.pending.find("\u201c" + std::string(p.step) + "\u201d first"), std::string::npos) << w.pending;
    }
}

} // namespace
} // namespace siltmere
