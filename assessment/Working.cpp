#include "Working.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace siltmere {

namespace {

constexpr int kSignificant = 6;
// Numbers from this small and from this large get a power of ten.
constexpr double kSmallest = 1e-3;
constexpr double kLargest = 1e7;
// The decimals a rounded or judged number is shown with at least, and the
// most it is ever worth: beyond them its shortest exact text is shown.
constexpr int kDecidingDecimals = 2;
constexpr int kMostDecimals = 12;

// Numbers are written alike on every desktop, with a point, as the report
// writes them: std::to_chars does not look at the locale.
std::string fixedText(double value, int decimals)
{
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    return {buffer.data(), result.ptr};
}

std::string shortestText(double value)
{
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

std::string withoutTrailingZeros(std::string text)
{
    if (text.find('.') == std::string::npos)
        return text;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

Figure exactFigure(Quantity quantity, double value, int j = 0)
{
    return {quantity, j, value, shortestText(value), 0, true};
}

// Shown with `decimals` decimals, rounded, the value is rounded to a whole
// number as it is: a text that reads as exactly a half, or on the other side
// of one, would mislead.
bool decidesRounding(double value, int decimals)
{
    const double fraction = value - std::floor(value);
    if (fraction == 0.5)
        return true;
    const double scale = std::pow(10.0, decimals);
    const double shown = std::round(fraction * scale);
    const double half = scale / 2.0;
    return fraction < 0.5 ? shown < half : shown > half;
}

// The value with the fewest decimals, from kDecidingDecimals up, whose text
// rounds to a whole number as the value does and, where a limit is given,
// stands on the same side of it; its exact text where that is as short.
Figure decidingFigure(Quantity quantity, double value, std::optional<double> limit = std::nullopt)
{
    for (int decimals = kDecidingDecimals; decimals <= kMostDecimals; ++decimals) {
        const double scale = std::pow(10.0, decimals);
        const double shown = std::round(value * scale) / scale;
        if (shown == value)
            return exactFigure(quantity, value);
        const bool sameSide = !limit || ((value > *limit) == (shown > *limit));
        if (sameSide && decidesRounding(value, decimals))
            return {quantity, 0, value, fixedText(value, decimals), 0, false};
    }
    // The shortest text that reads back as the model's number.
    return exactFigure(quantity, value);
}

// --- lines ----------------------------------------------------------------

void append(Line& line, std::string_view text)
{
    line.push_back({std::string(text), std::nullopt, false});
}

void append(Line& line, const char* text)
{
    append(line, std::string_view(text));
}

void append(Line& line, const std::string& text)
{
    append(line, std::string_view(text));
}

void append(Line& line, const Figure& figure)
{
    line.push_back({figure.text, figure, false});
}

void append(Line& line, const Span& span)
{
    line.push_back(span);
}

void append(Line& line, int number)
{
    append(line, std::to_string(number));
}

template <typename... Parts>
Line line(const Parts&... parts)
{
    Line built;
    (append(built, parts), ...);
    return built;
}

Span resultSpan(const std::string& boxText)
{
    return {boxText, std::nullopt, true};
}

std::string quoted(std::string_view text)
{
    return "\u201c" + std::string(text) + "\u201d";
}

// "1 and 5", "1, 5 and 6".
std::string listed(const std::vector<int>& numbers)
{
    std::string text;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0)
            text += i + 1 == numbers.size() ? " and " : ", ";
        text += std::to_string(numbers[i]);
    }
    return text;
}

std::string capitalised(std::string text)
{
    if (!text.empty() && text.front() >= 'a' && text.front() <= 'z')
        text.front() = static_cast<char>(text.front() - 'a' + 'A');
    return text;
}

std::string_view thickness(const Assessment& assessment)
{
    return assessment.inputs.thicknessLabel();
}

std::string scenarioName(const Assessment& assessment)
{
    return std::string(assessment.inputs.scenario().spokenName);
}

Figure limitFigure(const Assessment& assessment)
{
    return exactFigure(Quantity::Limit, assessment.inputs.limitValue.value_or(0.0));
}

// The first step not yet taken among those that lead to `row`.
std::optional<StepId> firstStepMissing(const Assessment& assessment, ResultRowId row)
{
    for (const StepSpec& spec : kSteps) {
        if (!assessment.taken(spec.id))
            return spec.id;
        for (std::size_t i = 0; i < spec.rowCount; ++i) {
            if (spec.rows[i] == row)
                return std::nullopt;
        }
    }
    return std::nullopt;
}

std::string stepCaption(StepId id)
{
    std::string caption(step(id).caption);
    while (!caption.empty() && caption.back() == ' ')
        caption.pop_back();
    return caption;
}

std::string_view rowName(ResultRowId row)
{
    switch (row) {
    case ResultRowId::CriticalLoads:
        return "critical total load";
    case ResultRowId::Baseline:
        return "exceedances under the existing land use";
    case ResultRowId::Scenario:
        return "exceedances under the scenario";
    case ResultRowId::Percentage:
        break;
    }
    return "percentage increase";
}

std::string titleFor(const Assessment& assessment, ResultRowId row, int k)
{
    std::string name;
    switch (row) {
    case ResultRowId::CriticalLoads:
        name = "Critical total load";
        break;
    case ResultRowId::Baseline:
        name = "Exceedances under the existing land use";
        break;
    case ResultRowId::Scenario:
        name = "Exceedances under " + scenarioName(assessment);
        break;
    case ResultRowId::Percentage:
        name = "Percentage increase";
        break;
    }
    return name + ", subestuary " + std::to_string(k);
}

Line inputsLine(const Assessment& assessment, ResultRowId row)
{
    const AssessmentInputs& inputs = assessment.inputs;
    Line built = thickness(assessment).empty() ? line("For no critical deposition thickness chosen")
                                               : line("For a critical deposition thickness of ", thickness(assessment));
    if (row == ResultRowId::Baseline)
        append(built, ", under the existing land use");
    if (row == ResultRowId::Scenario || row == ResultRowId::Percentage)
        append(built, ", under " + scenarioName(assessment));
    if (row == ResultRowId::Percentage && inputs.limitValue) {
        append(built, " and an acceptability limit of ");
        const Figure limit = limitFigure(assessment);
        append(built, limit);
        append(built, " %");
        if (inputs.limitText != limit.text)
            append(built, " (typed " + quoted(inputs.limitText) + ")");
    }
    append(built, ".");
    return built;
}

// --- critical total loads ---------------------------------------------------

const char* const kRoundingWords = "a half to the even neighbour";

std::vector<int> sendingNothing(const LoadFigures& figures)
{
    std::vector<int> nothing;
    for (int j = 1; j <= constants::kSubcatchments; ++j) {
        if (figures.settledKg[static_cast<std::size_t>(j - 1)] == 0.0)
            nothing.push_back(j);
    }
    return nothing;
}

std::vector<WorkingSection> loadSections(const Assessment& assessment, int k)
{
    const LoadFigures& figures = assessment.loadFigures(k);
    const LoadChain& chain = assessment.loadChain;
    const std::string in = "subestuary " + std::to_string(k);
    std::vector<WorkingSection> sections;

    WorkingSection settled;
    settled.heading = "Sediment that settles in " + in;
    settled.lines.push_back(line("Of one tonne (", exactFigure(Quantity::UnitEventLoad, chain.unitEventLoadKg),
                                 " kg) of sediment washed off the whole catchment in an event, each subcatchment "
                                 "sends its share, and a proportion of what it sends settles in ",
                                 in, ":"));
    WorkingTable table;
    table.header = {"Subcatchment", "Share of the load", "kg per tonne", "Proportion settling in " + in,
                    "kg settling in " + in};
    Line sum;
    for (int j = 1; j <= constants::kSubcatchments; ++j) {
        const auto i = static_cast<std::size_t>(j - 1);
        if (figures.settledKg[i] == 0.0)
            continue;
        table.rows.push_back({line(j), line(significantFigure(Quantity::LoadShare, figures.loadShare[i], j)),
                              line(significantFigure(Quantity::UnitLoad, figures.unitLoadKg[i], j)),
                              line(significantFigure(Quantity::Proportion, figures.proportion[i], j)),
                              line(significantFigure(Quantity::SettledFrom, figures.settledKg[i], j))});
        if (!sum.empty())
            append(sum, " + ");
        append(sum, significantFigure(Quantity::SettledFrom, figures.settledKg[i], j));
    }
    const Figure total = significantFigure(Quantity::Settled, figures.settledKgTotal);
    table.rows.push_back({line("All"), line(), line(), line(), line(total)});
    settled.table = std::move(table);
    const std::vector<int> nothing = sendingNothing(figures);
    if (nothing.size() == 1)
        settled.after.push_back(line("Subcatchment ", listed(nothing), " sends nothing to ", in, "."));
    else if (!nothing.empty())
        settled.after.push_back(line("Subcatchments ", listed(nothing), " send nothing to ", in, "."));
    // A sum of one is no sum.
    Line sumLine = sum.size() == 1 ? line("All of it from one subcatchment: ") : line("Sum: ");
    if (sum.size() > 1) {
        sumLine.insert(sumLine.end(), sum.begin(), sum.end());
        append(sumLine, " = ");
    }
    append(sumLine, total);
    append(sumLine, " kg settled in " + in + " per tonne of total load.");
    settled.after.push_back(std::move(sumLine));
    sections.push_back(std::move(settled));

    WorkingSection unit;
    unit.heading = "Unit deposition thickness";
    const Figure area = exactFigure(Quantity::Area, figures.areaM2);
    const Figure density = exactFigure(Quantity::Density, chain.settledDensity);
    const Figure unitThickness = significantFigure(Quantity::UnitThickness, figures.unitThickness);
    unit.lines.push_back(line("Spread over the deposition area of ", in, ", ", area,
                              " m\u00b2, at the settled density of ", density, " kg/m\u00b3:"));
    unit.lines.push_back(line(total, " kg \u00f7 (", area, " m\u00b2 \u00d7 ", density,
                              " kg/m\u00b3) = ", unitThickness, " m per tonne of total load."));
    sections.push_back(std::move(unit));

    WorkingSection critical;
    critical.heading = "Critical total load";
    const Figure cdt = significantFigure(Quantity::CriticalThickness, chain.criticalThicknessM);
    const Figure load = decidingFigure(Quantity::CriticalLoad, figures.criticalLoad);
    critical.lines.push_back(
        line("The critical deposition thickness chosen: ", thickness(assessment), " = ", cdt, " m."));
    critical.lines.push_back(line(cdt, " m \u00f7 ", unitThickness, " m per tonne = ", load, " tonnes",
                                  load.exact ? " exactly" : "", ": the load of one event that lays exactly ",
                                  thickness(assessment), " in ", in, "."));
    critical.lines.push_back(line("Rounded to whole tonnes (", kRoundingWords, "), the box shows: ",
                                  resultSpan(assessment.box(ResultRowId::CriticalLoads, k).text)));
    sections.push_back(std::move(critical));
    return sections;
}

// --- exceedances ------------------------------------------------------------

Line countMeaning(const Assessment& assessment, int k)
{
    return line("A count is the number of events over 25 years whose deposit in subestuary ", k,
                " is thicker than the critical deposition thickness of ", thickness(assessment),
                ". The counts come from long-run event simulations of the catchment: one table per land use, a row "
                "per thickness and a column per subestuary.");
}

std::string tableName(const Assessment& assessment, ResultRowId row)
{
    return row == ResultRowId::Baseline ? "the existing land use" : scenarioName(assessment);
}

WorkingSection countSection(const Assessment& assessment, ResultRowId row, int k)
{
    WorkingSection section;
    section.heading = "Exceedances over 25 years";
    section.lines.push_back(countMeaning(assessment, k));
    section.lines.push_back(line("From the table of ", tableName(assessment, row), ", row ", thickness(assessment),
                                 ", column ", k, ", the box shows: ", resultSpan(assessment.box(row, k).text)));
    return section;
}

// --- percentage increase ------------------------------------------------------

std::string events(double count)
{
    return count == 1.0 ? " event" : " events";
}

// Where the whole percentage the box shows would read otherwise than the
// verdict: "20%" within a limit of 20, "38%" within 37.5.
bool roundedMisleads(Verdict verdict, double shown, double limit)
{
    return (verdict == Verdict::Within && shown >= limit) || (verdict == Verdict::Above && shown <= limit);
}

std::vector<WorkingSection> percentSections(const Assessment& assessment, int k)
{
    const PercentFigures& figures = assessment.figures(k);
    const ResultBox& box = assessment.box(ResultRowId::Percentage, k);
    const Figure baseline = exactFigure(Quantity::BaselineCount, figures.baseline);
    const Figure scenario = exactFigure(Quantity::ScenarioCount, figures.scenario);

    WorkingSection counts;
    counts.heading = "Exceedances over 25 years";
    counts.lines.push_back(countMeaning(assessment, k));
    counts.lines.push_back(line("Existing land use: ", baseline, events(figures.baseline), " (its table, row ",
                                thickness(assessment), ", column ", k, ")."));
    counts.lines.push_back(line(capitalised(scenarioName(assessment)), ": ", scenario, events(figures.scenario),
                                " (its table, row ", thickness(assessment), ", column ", k, ")."));

    WorkingSection percent;
    percent.heading = "Percentage increase";
    if (!figures.increase) {
        percent.lines.push_back(line("No percentage: under the existing land use no event in 25 years lays more than ",
                                     thickness(assessment), " in subestuary ", k,
                                     ", so there is nothing to compare the scenario's ", scenario,
                                     events(figures.scenario), " with (an increase over none has no size)."));
        percent.lines.push_back(line("There is no verdict; the box stays white and shows: ", resultSpan(box.text)));
        return {counts, percent};
    }
    const double increase = *figures.increase;
    const std::optional<double> limitValue = assessment.inputs.limitValue;
    const Figure unrounded = decidingFigure(Quantity::Increase, increase, limitValue);
    percent.lines.push_back(line("(scenario \u2212 existing land use) \u00f7 existing land use \u00d7 100 = (",
                                 scenario, " \u2212 ", baseline, ") \u00f7 ", baseline, " \u00d7 100 = ", unrounded,
                                 " %", unrounded.exact ? " exactly." : ", unrounded."));
    if (limitValue) {
        const Figure limit = limitFigure(assessment);
        const bool above = box.verdict == Verdict::Above;
        percent.lines.push_back(line("Judged on the unrounded increase: ", unrounded, " % is ",
                                     above ? "above " : "not above ", limit, " %: ", verdictPhrase(box.verdict), "."));
        if (figures.shown && roundedMisleads(box.verdict, *figures.shown, *limitValue)) {
            percent.lines.push_back(line("The whole percentage the box shows is rounded for display; the verdict "
                                         "was decided on the unrounded ",
                                         unrounded, " %."));
        }
    }
    const char* colour = box.verdict == Verdict::Within  ? ", on green"
                         : box.verdict == Verdict::Above ? ", on red"
                                                         : "";
    if (increase - std::floor(increase) == 0.5) {
        percent.lines.push_back(line(unrounded,
                                     " lies exactly half-way between two whole percentages and goes to "
                                     "the even one, so the box shows",
                                     colour, ": ", resultSpan(box.text)));
    } else {
        percent.lines.push_back(line("Rounded to a whole percent (", kRoundingWords, "), the box shows", colour, ": ",
                                     resultSpan(box.text)));
    }
    return {counts, percent};
}

} // namespace

Figure significantFigure(Quantity quantity, double value, int j)
{
    const double size = std::fabs(value);
    if (size == 0.0 || (size >= kSmallest && size < kLargest)) {
        const int exponent = size == 0.0 ? 0 : static_cast<int>(std::floor(std::log10(size)));
        const int decimals = std::max(0, kSignificant - 1 - exponent);
        std::string text = withoutTrailingZeros(fixedText(value, decimals));
        const bool exact = text == shortestText(value);
        return {quantity, j, value, std::move(text), 0, exact};
    }
    int exponent = static_cast<int>(std::floor(std::log10(size)));
    double mantissa = value / std::pow(10.0, exponent);
    // 9.9999996 would show as 10.00000.
    if (std::fabs(std::round(mantissa * 1e5) / 1e5) >= 10.0) {
        exponent += 1;
        mantissa = value / std::pow(10.0, exponent);
    }
    return {quantity, j, value, withoutTrailingZeros(fixedText(mantissa, kSignificant - 1)), exponent, false};
}

std::string superscript(int exponent)
{
    static constexpr std::array<std::string_view, 10> kDigits{"\u2070", "\u00b9", "\u00b2", "\u00b3", "\u2074",
                                                              "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
    std::string text = exponent < 0 ? "\u207b" : "";
    for (const char digit : std::to_string(std::abs(exponent)))
        text += kDigits[static_cast<std::size_t>(digit - '0')];
    return text;
}

std::string plainText(const Line& line)
{
    std::string text;
    for (const Span& span : line) {
        text += span.text;
        if (span.figure && span.figure->exponent != 0)
            text += " \u00d7 10" + superscript(span.figure->exponent);
    }
    return text;
}

Working workingFor(const Assessment& assessment, ResultRowId row, int k)
{
    Working working;
    working.title = titleFor(assessment, row, k);
    working.inputs = inputsLine(assessment, row);
    if (const std::optional<StepId> missing = firstStepMissing(assessment, row)) {
        working.pending = "The " + std::string(rowName(row)) + " of subestuary " + std::to_string(k) +
                          " has not been worked out for these inputs yet: take the step " +
                          quoted(stepCaption(*missing)) + " first.";
        return working;
    }
    switch (row) {
    case ResultRowId::CriticalLoads:
        working.sections = loadSections(assessment, k);
        break;
    case ResultRowId::Baseline:
    case ResultRowId::Scenario:
        working.sections = {countSection(assessment, row, k)};
        break;
    case ResultRowId::Percentage:
        working.sections = percentSections(assessment, k);
        break;
    }
    const ResultBox& box = assessment.box(row, k);
    working.result = box.text;
    working.verdict = box.verdict;
    return working;
}

std::vector<WorkingSection> workingTables(const Assessment& assessment)
{
    std::vector<WorkingSection> sections;
    const auto columns = [](auto cell) {
        std::vector<Line> cells;
        for (int k = 1; k <= kSubestuaries; ++k)
            cells.push_back(cell(k));
        return cells;
    };
    const auto tableRow = [&columns](Line label, auto cell) {
        std::vector<Line> cells = columns(cell);
        cells.insert(cells.begin(), std::move(label));
        return cells;
    };
    std::vector<std::string> header{"Subestuary"};
    for (int k = 1; k <= kSubestuaries; ++k)
        header.push_back(std::to_string(k));

    if (assessment.taken(StepId::CriticalLoads)) {
        const LoadChain& chain = assessment.loadChain;
        const Figure density = exactFigure(Quantity::Density, chain.settledDensity);
        const Figure cdt = significantFigure(Quantity::CriticalThickness, chain.criticalThicknessM);
        WorkingSection section;
        section.heading = "Critical total load";
        section.lines.push_back(line("Of one tonne (", exactFigure(Quantity::UnitEventLoad, chain.unitEventLoadKg),
                                     " kg) of sediment washed off the whole catchment in an event, each subcatchment "
                                     "sends its share (kg per tonne), and a proportion of that settles in each "
                                     "subestuary: proportion \u2192 kg settling, per tonne; \u2013: nothing. The "
                                     "kg settling are summed and spread over the subestuary's deposition area at "
                                     "the settled density of ",
                                     density, " kg/m\u00b3; the critical deposition thickness, ", thickness(assessment),
                                     " = ", cdt,
                                     " m, divided by that unit deposition thickness is the critical "
                                     "total load, rounded to whole tonnes (",
                                     kRoundingWords, ")."));
        WorkingTable table;
        table.header = header;
        const LoadFigures& first = assessment.loadFigures(1);
        for (int j = 1; j <= constants::kSubcatchments; ++j) {
            const auto i = static_cast<std::size_t>(j - 1);
            table.rows.push_back(
                tableRow(line("Subcatchment ", j, ": ", significantFigure(Quantity::UnitLoad, first.unitLoadKg[i], j),
                              " kg per tonne"),
                         [&assessment, i, j](int k) {
                             const LoadFigures& f = assessment.loadFigures(k);
                             if (f.settledKg[i] == 0.0)
                                 return line("\u2013");
                             return line(significantFigure(Quantity::Proportion, f.proportion[i], j), " \u2192 ",
                                         significantFigure(Quantity::SettledFrom, f.settledKg[i], j));
                         }));
        }
        table.rows.push_back(tableRow(line("Settled, kg per tonne"), [&assessment](int k) {
            return line(significantFigure(Quantity::Settled, assessment.loadFigures(k).settledKgTotal));
        }));
        table.rows.push_back(tableRow(line("Deposition area, m\u00b2"), [&assessment](int k) {
            return line(exactFigure(Quantity::Area, assessment.loadFigures(k).areaM2));
        }));
        table.rows.push_back(tableRow(
            line("Unit deposition thickness, m per tonne: settled \u00f7 (area \u00d7 ", density, " kg/m\u00b3)"),
            [&assessment](int k) {
                return line(significantFigure(Quantity::UnitThickness, assessment.loadFigures(k).unitThickness));
            }));
        table.rows.push_back(tableRow(
            line("Critical total load, tonnes: ", cdt, " m \u00f7 unit deposition thickness"), [&assessment](int k) {
                return line(decidingFigure(Quantity::CriticalLoad, assessment.loadFigures(k).criticalLoad));
            }));
        table.rows.push_back(tableRow(line("Shown, whole tonnes"), [&assessment](int k) {
            return line(resultSpan(assessment.box(ResultRowId::CriticalLoads, k).text));
        }));
        section.table = std::move(table);
        sections.push_back(std::move(section));
    }

    if (assessment.taken(StepId::Exceedances)) {
        WorkingSection section;
        section.heading = "Exceedances over 25 years";
        section.lines.push_back(
            line("A count is the number of events over 25 years whose deposit in the subestuary "
                 "is thicker than the critical deposition thickness of ",
                 thickness(assessment), ", from long-run event simulations of the catchment: the row ",
                 thickness(assessment), " of the table of the existing land use and of the table of ",
                 scenarioName(assessment), "."));
        WorkingTable table;
        table.header = header;
        for (const ResultRowId row : {ResultRowId::Baseline, ResultRowId::Scenario}) {
            table.rows.push_back(
                tableRow(line(row == ResultRowId::Baseline ? std::string("Existing land use")
                                                           : capitalised(scenarioName(assessment)),
                              ", events"),
                         [&assessment, row](int k) { return line(resultSpan(assessment.box(row, k).text)); }));
        }
        section.table = std::move(table);
        sections.push_back(std::move(section));
    }

    if (assessment.taken(StepId::PctIncrease) && assessment.inputs.limitValue) {
        const Figure limit = limitFigure(assessment);
        WorkingSection section;
        section.heading = "Percentage increase";
        section.lines.push_back(line("(scenario \u2212 existing land use) \u00f7 existing land use \u00d7 100, from "
                                     "the counts above, judged unrounded against the acceptability limit of ",
                                     limit,
                                     " % (an increase exactly at the limit is within it), then rounded to a "
                                     "whole percent (",
                                     kRoundingWords, "). n/a: ", kNoComparison, ", so no increase and no verdict."));
        WorkingTable table;
        table.header = header;
        table.rows.push_back(tableRow(line("Increase, %, unrounded"), [&assessment](int k) {
            const PercentFigures& f = assessment.figures(k);
            if (!f.increase)
                return line("none");
            const Figure increase = decidingFigure(Quantity::Increase, *f.increase, assessment.inputs.limitValue);
            return increase.exact ? line(increase, " exactly") : line(increase);
        }));
        table.rows.push_back(tableRow(line("Against the limit of ", limit, " %"), [&assessment](int k) {
            const Verdict verdict = assessment.box(ResultRowId::Percentage, k).verdict;
            if (verdict == Verdict::None)
                return line("\u2013");
            return line(verdictWord(verdict));
        }));
        table.rows.push_back(tableRow(line("Shown"), [&assessment](int k) {
            return line(resultSpan(assessment.box(ResultRowId::Percentage, k).text));
        }));
        section.table = std::move(table);
        sections.push_back(std::move(section));
    }
    return sections;
}

} // namespace siltmere
