#include "Working.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <numeric>
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

std::string shortestText(double value, std::chars_format format = std::chars_format::general)
{
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format);
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

// The shortest text that reads back as `value`, with a power of ten where a
// significant figure gets one; -0 is written 0.
Figure exactFigure(double value)
{
    if (value == 0.0)
        value = 0.0;
    const double size = std::fabs(value);
    if (size == 0.0 || (size >= kSmallest && size < kLargest))
        return {value, shortestText(value, std::chars_format::fixed), 0, true};
    const std::string text = shortestText(value, std::chars_format::scientific);
    const std::size_t e = text.find('e');
    return {value, text.substr(0, e), std::stoi(text.substr(e + 1)), true};
}

// `value` to six significant figures, trailing zeros dropped, times a power
// of ten below 0.001 and from ten million up.
Figure significantFigure(double value)
{
    const double size = std::fabs(value);
    if (size == 0.0 || (size >= kSmallest && size < kLargest)) {
        const int exponent = size == 0.0 ? 0 : static_cast<int>(std::floor(std::log10(size)));
        const int decimals = std::max(0, kSignificant - 1 - exponent);
        std::string text = withoutTrailingZeros(fixedText(value, decimals));
        const bool exact = text == shortestText(value, std::chars_format::fixed);
        return {value, std::move(text), 0, exact};
    }
    int exponent = static_cast<int>(std::floor(std::log10(size)));
    double mantissa = value / std::pow(10.0, exponent);
    // 9.9999996 would show as 10.00000.
    if (std::fabs(std::round(mantissa * 1e5) / 1e5) >= 10.0) {
        exponent += 1;
        mantissa = value / std::pow(10.0, exponent);
    }
    // All six figures, zeros too, as its neighbours in a table have them.
    return {value, fixedText(mantissa, kSignificant - 1), exponent, false};
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
Figure decidingFigure(double value, std::optional<double> limit = std::nullopt)
{
    for (int decimals = kDecidingDecimals; decimals <= kMostDecimals; ++decimals) {
        const double scale = std::pow(10.0, decimals);
        const double shown = std::round(value * scale) / scale;
        if (shown == value)
            return exactFigure(value);
        const bool sameSide = !limit || ((value > *limit) == (shown > *limit));
        if (sameSide && decidesRounding(value, decimals))
            return {value, fixedText(value, decimals), 0, false};
    }
    // The shortest text that reads back as the model's number.
    return exactFigure(value);
}

// The exponent as superscript digits: -6 as "⁻⁶".
std::string superscript(int exponent)
{
    static constexpr std::array<std::string_view, 10> kDigits{"\u2070", "\u00b9", "\u00b2", "\u00b3", "\u2074",
                                                              "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
    std::string text = exponent < 0 ? "\u207b" : "";
    for (const char digit : std::to_string(std::abs(exponent)))
        text += kDigits[static_cast<std::size_t>(digit - '0')];
    return text;
}

// --- lines ----------------------------------------------------------------

void append(Line& line, std::string_view text)
{
    line.push_back({std::string(text), std::nullopt, false});
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

void append(Line& line, const Line& more)
{
    line.insert(line.end(), more.begin(), more.end());
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
    return exactFigure(assessment.inputs.limitValue.value_or(0.0));
}

// The first step not yet taken among those that lead to `row`.
std::optional<StepId> firstStepMissing(const Assessment& assessment, ResultRowId row)
{
    for (const StepSpec& spec : kSteps) {
        if (!assessment.taken(spec.id))
            return spec.id;
        for (std::size_t i = 0; i < spec.rowCount; ++i)
            if (spec.rows[i] == row)
                return std::nullopt;
    }
    return std::nullopt;
}

// The heading of the step that ends in a result of `row`.
std::string resultHeading(ResultRowId row)
{
    return capitalised(std::string(rowWording(row).resultName));
}

// "Percentage increase, subestuary 2"; the scenario's row names the
// scenario.
std::string titleFor(const Assessment& assessment, ResultRowId row, int k)
{
    const std::string name = row == ResultRowId::Scenario ? "exceedances under " + scenarioName(assessment)
                                                          : std::string(rowWording(row).resultName);
    return capitalised(name) + ", subestuary " + std::to_string(k);
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

// One column per subestuary, headed by its number.
std::vector<std::string> subestuaryColumns()
{
    std::vector<std::string> header{std::string(kSubestuaryHeading)};
    for (int k = 1; k <= kSubestuaries; ++k)
        header.push_back(std::to_string(k));
    return header;
}

// A table row of the six subestuaries: its label, then `cell` of each.
template <typename Cell>
std::vector<Line> subestuaryRow(Line label, const Cell& cell)
{
    std::vector<Line> cells{std::move(label)};
    for (int k = 1; k <= kSubestuaries; ++k)
        cells.push_back(cell(k));
    return cells;
}

// A table row of the six boxes' texts of `row`.
std::vector<Line> boxesRow(const Assessment& assessment, Line label, ResultRowId row)
{
    return subestuaryRow(std::move(label), [&](int k) { return line(resultSpan(assessment.box(row, k).text)); });
}

// --- critical total loads ---------------------------------------------------

const char* const kRoundingWords = "a half to the even neighbour";

// What the loads rest on, said once where they are worked out.
Line loadAssumptions(const LoadChain& chain)
{
    return line("The model takes each subcatchment's share of an event's sediment, and the proportion of it that "
                "settles in each subestuary, to be the same in every event, and what settles in a subestuary to "
                "spread evenly over the subestuary's fixed deposition area at one settled density, ",
                exactFigure(chain.settledDensity),
                " kg/m\u00b3. The shares, proportions, areas and density are the model's fixed values.");
}

// How the loads' working begins: where one tonne of the catchment's sediment
// goes, then `rest`.
template <typename... Rest>
Line ofOneTonne(const LoadChain& chain, const Rest&... rest)
{
    return line("Of one tonne (", exactFigure(chain.unitEventLoadKg),
                " kg) of sediment washed off the whole catchment in an event, each subcatchment sends its share",
                rest...);
}

// Which subcatchments send nothing to k, and the sum of the kg the others
// send, `sent`, that settle there.
std::vector<Line> settledSum(const LoadFigures& figures, const std::vector<Figure>& sent, const std::string& in)
{
    std::vector<Line> lines;
    std::vector<std::string> nothing;
    for (int j = 1; j <= constants::kSubcatchments; ++j) {
        if (figures.settledKg[static_cast<std::size_t>(j - 1)] == 0.0)
            nothing.push_back(std::to_string(j));
    }
    if (nothing.size() == 1)
        lines.push_back(line("Subcatchment ", listed(nothing), " sends nothing to ", in, "."));
    else if (!nothing.empty())
        lines.push_back(line("Subcatchments ", listed(nothing), " send nothing to ", in, "."));
    // A sum of one is no sum.
    Line sum = sent.size() == 1 ? line("All of it from one subcatchment: ") : line("Sum: ");
    for (std::size_t i = 0; sent.size() > 1 && i < sent.size(); ++i) {
        append(sum, sent[i]);
        append(sum, i + 1 < sent.size() ? " + " : " = ");
    }
    append(sum, significantFigure(figures.settledKgTotal));
    append(sum, " kg settled in " + in + " per tonne of total load.");
    lines.push_back(std::move(sum));
    return lines;
}

// The subcatchments that send k something, each with what it sends and what
// of that settles in k, and their sum.
WorkingSection settledSection(const Assessment& assessment, int k, const std::string& in)
{
    const LoadFigures& figures = assessment.loadFigures(k);
    WorkingTable table{
        {"Subcatchment", "Share of the load", "kg per tonne", "Proportion settling in " + in, "kg settling in " + in},
        {}};
    std::vector<Figure> sent;
    for (int j = 1; j <= constants::kSubcatchments; ++j) {
        const auto i = static_cast<std::size_t>(j - 1);
        if (figures.settledKg[i] == 0.0)
            continue;
        sent.push_back(significantFigure(figures.settledKg[i]));
        table.rows.push_back({line(j), line(significantFigure(figures.loadShare[i])),
                              line(significantFigure(figures.unitLoadKg[i])),
                              line(significantFigure(figures.proportion[i])), line(sent.back())});
    }
    table.rows.push_back({line("All"), line(), line(), line(), line(significantFigure(figures.settledKgTotal))});
    return {.heading = "Sediment that settles in " + in,
            .lines = {loadAssumptions(assessment.loadChain),
                      ofOneTonne(assessment.loadChain, ", and a proportion of what it sends settles in ", in, ":")},
            .table = std::move(table),
            .after = settledSum(figures, sent, in)};
}

WorkingSection unitThicknessSection(const Assessment& assessment, int k, const std::string& in)
{
    const LoadFigures& figures = assessment.loadFigures(k);
    const Figure area = exactFigure(figures.areaM2);
    const Figure density = exactFigure(assessment.loadChain.settledDensity);
    return {.heading = "Unit deposition thickness",
            .lines = {line("Spread over the deposition area of ", in, ", ", area,
                           " m\u00b2, at the settled density of ", density, " kg/m\u00b3:"),
                      line(significantFigure(figures.settledKgTotal), " kg per tonne of total load \u00f7 (", area,
                           " m\u00b2 \u00d7 ", density, " kg/m\u00b3) = ", significantFigure(figures.unitThickness),
                           " m per tonne of total load.")}};
}

WorkingSection criticalLoadSection(const Assessment& assessment, int k, const std::string& in, std::string_view shown)
{
    const LoadFigures& figures = assessment.loadFigures(k);
    const Figure cdt = significantFigure(assessment.loadChain.criticalThicknessM);
    const Figure area = exactFigure(figures.areaM2);
    const Figure density = exactFigure(assessment.loadChain.settledDensity);
    const Figure settled = significantFigure(figures.settledKgTotal);
    const Figure load = decidingFigure(figures.criticalLoad);
    // The thickness over the unit deposition thickness, written out from the
    // figures that make the unit thickness rather than its six-figure text:
    // the load then follows, to the decimals shown, from the numbers shown.
    return {.heading = resultHeading(ResultRowId::CriticalLoads),
            .lines = {line("The critical deposition thickness chosen: ", thickness(assessment), " = ", cdt, " m."),
                      line(cdt, " m \u00f7 (", settled, " kg per tonne of total load \u00f7 (", area,
                           " m\u00b2 \u00d7 ", density, " kg/m\u00b3)) = ", cdt, " m \u00d7 ", area, " m\u00b2 \u00d7 ",
                           density, " kg/m\u00b3 \u00f7 ", settled, " kg per tonne of total load = ", load, " tonnes",
                           load.exact ? " exactly" : "", ": the load of one event that lays exactly ",
                           thickness(assessment), " in ", in, "."),
                      line("Rounded to whole tonnes (", kRoundingWords, "), ", shown,
                           " shows: ", resultSpan(assessment.box(ResultRowId::CriticalLoads, k).text))}};
}

std::vector<WorkingSection> loadSections(const Assessment& assessment, int k, std::string_view shown)
{
    const std::string in = "subestuary " + std::to_string(k);
    return {settledSection(assessment, k, in), unitThicknessSection(assessment, k, in),
            criticalLoadSection(assessment, k, in, shown)};
}

// A row per subcatchment: the kg of a tonne it sends, and in each
// subestuary's column the proportion of that settling there and the kg.
std::vector<std::vector<Line>> contributionRows(const Assessment& assessment)
{
    std::vector<std::vector<Line>> rows;
    const LoadFigures& first = assessment.loadFigures(1);
    for (std::size_t i = 0; i < first.unitLoadKg.size(); ++i) {
        const int j = static_cast<int>(i) + 1;
        rows.push_back(subestuaryRow(
            line("Subcatchment ", j, ": ", significantFigure(first.unitLoadKg[i]), " kg per tonne"), [&](int k) {
                const LoadFigures& f = assessment.loadFigures(k);
                return f.settledKg[i] == 0.0
                           ? line("\u2013")
                           : line(significantFigure(f.proportion[i]), " \u2192 ", significantFigure(f.settledKg[i]));
            }));
    }
    return rows;
}

// The report's table of the six critical total loads: each subcatchment's
// contribution to each subestuary, then the chain to the load shown.
WorkingSection loadTable(const Assessment& assessment)
{
    const LoadChain& chain = assessment.loadChain;
    const Figure density = exactFigure(chain.settledDensity);
    const Figure cdt = significantFigure(chain.criticalThicknessM);
    const Line meaning = ofOneTonne(
        chain,
        " (kg per tonne), and a proportion of that settles in each subestuary: proportion \u2192 kg settling, per "
        "tonne; \u2013: nothing. The kg settling are summed and spread over the subestuary's deposition area at the "
        "settled density of ",
        density, " kg/m\u00b3; the critical deposition thickness, ", thickness(assessment), " = ", cdt,
        " m, divided by that unit deposition thickness is the critical total load, rounded to whole tonnes (",
        kRoundingWords, ").");
    WorkingTable table{subestuaryColumns(), contributionRows(assessment)};
    const auto each = [&](auto figure) {
        return [&, figure](int k) { return line(figure(assessment.loadFigures(k))); };
    };
    table.rows.push_back(subestuaryRow(line("Settled, kg per tonne"),
                                       each([](const LoadFigures& f) { return significantFigure(f.settledKgTotal); })));
    table.rows.push_back(subestuaryRow(line("Deposition area, m\u00b2"),
                                       each([](const LoadFigures& f) { return exactFigure(f.areaM2); })));
    table.rows.push_back(subestuaryRow(
        line("Unit deposition thickness, m per tonne: settled \u00f7 (area \u00d7 ", density, " kg/m\u00b3)"),
        each([](const LoadFigures& f) { return significantFigure(f.unitThickness); })));
    table.rows.push_back(subestuaryRow(
        line("Critical total load, tonnes: ", cdt, " m \u00d7 area \u00d7 ", density, " kg/m\u00b3 \u00f7 settled"),
        each([](const LoadFigures& f) { return decidingFigure(f.criticalLoad); })));
    table.rows.push_back(boxesRow(assessment, line("Shown, whole tonnes"), ResultRowId::CriticalLoads));
    return {.heading = resultHeading(ResultRowId::CriticalLoads),
            .lines = {loadAssumptions(chain), meaning},
            .table = std::move(table)};
}

// --- exceedances ------------------------------------------------------------

const char* const kCountsHeading = "Exceedances over 25 years";

// What a count is, for a deposit in `where`, then `rest`.
template <typename... Rest>
Line countMeaning(const Assessment& assessment, const std::string& where, const Rest&... rest)
{
    return line("A count is the number of events over 25 years whose deposit in ", where,
                " is thicker than the critical deposition thickness of ", thickness(assessment), rest...);
}

Line countMeaning(const Assessment& assessment, int k)
{
    return countMeaning(assessment, "subestuary " + std::to_string(k),
                        ". The counts are given by the model, in a fixed table per land use, a row per thickness and "
                        "a column per subestuary; they are not worked out from the loads.");
}

// The land use a count row is of, as a label names it.
std::string landUseLabel(const Assessment& assessment, ResultRowId row)
{
    return row == ResultRowId::Baseline ? "Existing land use" : capitalised(scenarioName(assessment));
}

WorkingSection countSection(const Assessment& assessment, ResultRowId row, int k, std::string_view shown)
{
    return {
        .heading = kCountsHeading,
        .lines = {countMeaning(assessment, k),
                  line("From the table of ",
                       row == ResultRowId::Baseline ? std::string("the existing land use") : scenarioName(assessment),
                       ", row ", thickness(assessment), ", column ", k, ", ", shown,
                       " shows: ", resultSpan(assessment.box(row, k).text))}};
}

WorkingSection countTable(const Assessment& assessment)
{
    const auto countsRow = [&](ResultRowId row) {
        return boxesRow(assessment, line(landUseLabel(assessment, row), ", events"), row);
    };
    return {.heading = kCountsHeading,
            .lines = {countMeaning(assessment, "the subestuary", ", given by the model's fixed tables: the row ",
                                   thickness(assessment), " of the table of the existing land use and of the table of ",
                                   scenarioName(assessment), ".")},
            .table = WorkingTable{subestuaryColumns(),
                                  {countsRow(ResultRowId::Baseline), countsRow(ResultRowId::Scenario)}}};
}

// --- percentage increase ------------------------------------------------------

const char* const kIncreaseFormula = "(scenario \u2212 existing land use) \u00f7 existing land use \u00d7 100";

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

// The two counts the percentage of subestuary k compares.
WorkingSection comparedCounts(const Assessment& assessment, int k)
{
    const PercentFigures& figures = assessment.figures(k);
    WorkingSection counts{.heading = kCountsHeading, .lines = {countMeaning(assessment, k)}};
    for (const auto& [row, count] :
         {std::pair{ResultRowId::Baseline, figures.baseline}, std::pair{ResultRowId::Scenario, figures.scenario}}) {
        counts.lines.push_back(line(landUseLabel(assessment, row), ": ", exactFigure(count), events(count),
                                    " (its table, row ", thickness(assessment), ", column ", k, ")."));
    }
    return counts;
}

// The increase of whole counts as a fraction in lowest terms, "500/9";
// none where it is a whole number or the counts are not whole.
std::optional<std::string> increaseFraction(const PercentFigures& figures)
{
    const double b = figures.baseline;
    const double s = figures.scenario;
    constexpr double kWholeCounts = 1e9;
    if (b <= 0.0 || b > kWholeCounts || std::fabs(s) > kWholeCounts || b != std::floor(b) || s != std::floor(s))
        return std::nullopt;
    const auto denominator = static_cast<long long>(b);
    const long long numerator = 100 * (static_cast<long long>(s) - denominator);
    const long long divisor = std::gcd(numerator, denominator);
    if (divisor == denominator)
        return std::nullopt;
    return std::to_string(numerator / divisor) + "/" + std::to_string(denominator / divisor);
}

// How many decimals a figure's text has.
std::size_t decimalsOf(const Figure& figure)
{
    const std::size_t point = figure.text.find('.');
    return point == std::string::npos ? 0 : figure.text.size() - point - 1;
}

// The increase as it is, each number followed by `unit`: "50 %", or
// "500/9 % ≈ 55.56 %" where the decimals shown are rounded.
Line exactIncrease(const PercentFigures& figures, const Figure& decided, std::string_view unit)
{
    if (decided.exact)
        return line(decided, unit);
    const std::optional<std::string> fraction = increaseFraction(figures);
    return fraction ? line(*fraction, unit, " \u2248 ", decided, unit) : line("\u2248 ", decided, unit);
}

// The increase, judged against the limit and rounded to the shown text.
void judgeIncrease(const Assessment& assessment, int k, std::string_view shown, WorkingSection& percent)
{
    const PercentFigures& figures = assessment.figures(k);
    const ResultBox& box = assessment.box(ResultRowId::Percentage, k);
    const Figure baseline = exactFigure(figures.baseline);
    const std::optional<double> limitValue = assessment.inputs.limitValue;
    const Figure decided = decidingFigure(*figures.increase, limitValue);
    const Line exact = exactIncrease(figures, decided, " %");
    percent.lines.push_back(
        line(kIncreaseFormula, " = (", exactFigure(figures.scenario), " \u2212 ", baseline, ") \u00f7 ", baseline,
             " \u00d7 100 = ", exact,
             decided.exact ? " exactly." : " (rounded to " + std::to_string(decimalsOf(decided)) + " decimals)."));
    if (limitValue) {
        percent.lines.push_back(line("Judged before rounding to a whole percent: ", exact,
                                     box.verdict == Verdict::Above ? " is above " : " is not above ",
                                     limitFigure(assessment), " %: ", verdictWording(box.verdict).phrase, "."));
        if (figures.shown && roundedMisleads(box.verdict, *figures.shown, *limitValue)) {
            percent.lines.push_back(line("The whole percentage ", shown,
                                         " shows is rounded for display; the verdict was decided before rounding."));
        }
    }
    const char* colour = box.verdict == Verdict::Within  ? ", on green"
                         : box.verdict == Verdict::Above ? ", on red"
                                                         : "";
    if (*figures.increase - std::floor(*figures.increase) == 0.5) {
        percent.lines.push_back(line(decided,
                                     " lies exactly half-way between two whole percentages and goes to "
                                     "the even one, so ",
                                     shown, " shows", colour, ": ", resultSpan(box.text)));
    } else {
        percent.lines.push_back(line("Rounded to a whole percent (", kRoundingWords, "), ", shown, " shows", colour,
                                     ": ", resultSpan(box.text)));
    }
}

std::vector<WorkingSection> percentSections(const Assessment& assessment, int k, std::string_view shown)
{
    const PercentFigures& figures = assessment.figures(k);
    WorkingSection percent{.heading = resultHeading(ResultRowId::Percentage)};
    if (figures.increase) {
        judgeIncrease(assessment, k, shown, percent);
    } else {
        percent.lines.push_back(line("No percentage: under the existing land use no event in 25 years lays more than ",
                                     thickness(assessment), " in subestuary ", k,
                                     ", so there is nothing to compare the scenario's ", exactFigure(figures.scenario),
                                     events(figures.scenario), " with (an increase over none has no size)."));
        percent.lines.push_back(line("There is no verdict; ", shown, " stays white and shows: ",
                                     resultSpan(assessment.box(ResultRowId::Percentage, k).text)));
    }
    return {comparedCounts(assessment, k), percent};
}

WorkingSection percentTable(const Assessment& assessment)
{
    const Figure limit = limitFigure(assessment);
    WorkingTable table{subestuaryColumns(), {}};
    table.rows.push_back(subestuaryRow(line("Increase before rounding, %"), [&](int k) {
        const PercentFigures& f = assessment.figures(k);
        if (!f.increase)
            return line("none");
        const Figure increase = decidingFigure(*f.increase, assessment.inputs.limitValue);
        return increase.exact ? line(increase, " exactly") : exactIncrease(f, increase, "");
    }));
    table.rows.push_back(subestuaryRow(line("Against the limit of ", limit, " %"), [&](int k) {
        const Verdict verdict = assessment.box(ResultRowId::Percentage, k).verdict;
        return verdict == Verdict::None ? line("\u2013") : line(verdictWording(verdict).word);
    }));
    table.rows.push_back(boxesRow(assessment, line("Shown"), ResultRowId::Percentage));
    return {.heading = resultHeading(ResultRowId::Percentage),
            .lines = {line(kIncreaseFormula,
                           ", from the counts above, judged before rounding against the acceptability limit of ", limit,
                           " % (an increase exactly at the limit is within it), then rounded to a whole "
                           "percent (",
                           kRoundingWords, "); \u2248: rounded to the decimals shown. n/a: ", kNoComparison,
                           ", so no increase and no verdict.")},
            .table = std::move(table)};
}

} // namespace

std::string plainText(const Line& line)
{
    std::string text;
    for (const Span& span : line) {
        text += span.text;
        if (span.figure && span.figure->exponent != 0)
            text += std::string(kTimesTen) + superscript(span.figure->exponent);
    }
    return text;
}

std::string percentText(double value)
{
    return plainText(line(exactFigure(value), " %"));
}

Working workingFor(const Assessment& assessment, ResultRowId row, int k, ShownIn shownIn)
{
    const std::string_view shown = shownIn == ShownIn::Box ? "the box" : "the overview's cell";
    Working working;
    working.title = titleFor(assessment, row, k);
    working.inputs = inputsLine(assessment, row);
    const AssessmentInputs& inputs = assessment.inputs;
    working.allInputs = "critical deposition thickness " +
                        (thickness(assessment).empty() ? std::string("none") : std::string(thickness(assessment))) +
                        ", scenario " + scenarioName(assessment) + ", acceptability limit " +
                        (inputs.limitValue ? percentText(*inputs.limitValue) : quoted(inputs.limitText));
    if (const std::optional<StepId> missing = firstStepMissing(assessment, row)) {
        working.pending = "The " + std::string(rowWording(row).resultName) + " of subestuary " + std::to_string(k) +
                          " has not been worked out for these inputs yet: take the step " +
                          quoted(step(*missing).quotedCaption()) + " first.";
        return working;
    }
    switch (row) {
    case ResultRowId::CriticalLoads:
        working.sections = loadSections(assessment, k, shown);
        break;
    case ResultRowId::Baseline:
    case ResultRowId::Scenario:
        working.sections = {countSection(assessment, row, k, shown)};
        break;
    case ResultRowId::Percentage:
        working.sections = percentSections(assessment, k, shown);
        break;
    }
    working.verdict = assessment.box(row, k).verdict;
    return working;
}

std::vector<WorkingSection> workingTables(const Assessment& assessment)
{
    std::vector<WorkingSection> sections;
    if (assessment.taken(StepId::CriticalLoads))
        sections.push_back(loadTable(assessment));
    if (assessment.taken(StepId::Exceedances))
        sections.push_back(countTable(assessment));
    if (assessment.taken(StepId::PctIncrease) && assessment.inputs.limitValue)
        sections.push_back(percentTable(assessment));
    return sections;
}

} // namespace siltmere
