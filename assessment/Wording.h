#pragma once

// The words an assessment is told in, wherever it is shown: in the main
// window, the overview, the copied tables and the report. Each wording is
// written here once.

#include "Constants.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace siltmere {

// A percentage increase against the acceptability limit, as the model's
// PctFlag gives it: +1 within, -1 above, 0 no percentage ("n/a").
enum class Verdict { None, Within, Above };

constexpr Verdict verdictOf(std::int16_t pctFlag)
{
    return pctFlag > 0 ? Verdict::Within : pctFlag < 0 ? Verdict::Above : Verdict::None;
}

// A verdict in a word ("above"), as a phrase ("above the limit") and as a
// copied table's cell ("above limit"), where the colour is not the only
// carrier (a screen reader, a printed page, a spreadsheet); empty for no
// percentage.
constexpr std::string_view verdictWord(Verdict verdict)
{
    return verdict == Verdict::Within ? "within" : verdict == Verdict::Above ? "above" : "";
}

constexpr std::string_view verdictPhrase(Verdict verdict)
{
    return verdict == Verdict::Within ? "within the limit" : verdict == Verdict::Above ? "above the limit" : "";
}

constexpr std::string_view verdictCellText(Verdict verdict)
{
    return verdict == Verdict::Within ? "within limit" : verdict == Verdict::Above ? "above limit" : "";
}

// Why a subestuary has no percentage.
inline constexpr std::string_view kNoComparison = "no exceedances under the existing land use";

// The four result rows, top to bottom; each row holds one result per
// subestuary.
enum class ResultRowId { CriticalLoads, Baseline, Scenario, Percentage };

inline constexpr std::size_t kResultRowCount = 4;

constexpr std::size_t indexOf(ResultRowId row)
{
    return static_cast<std::size_t>(row);
}

// The three steps, in the order they are taken, each with the button that
// takes it and the rows it fills.
enum class StepId { CriticalLoads, Exceedances, PctIncrease };

struct StepSpec {
    StepId id;
    // The button's design caption; the second ends in a space, which a
    // sentence quoting it leaves out.
    std::string_view caption;
    std::array<ResultRowId, 2> rows;
    std::size_t rowCount;
};

inline constexpr std::array<StepSpec, 3> kSteps{{
    {StepId::CriticalLoads,
     "Calculate: Critical Total Loads",
     {ResultRowId::CriticalLoads, ResultRowId::CriticalLoads},
     1},
    {StepId::Exceedances,
     "Calculate: Exceedances over 25 Year Period ",
     {ResultRowId::Baseline, ResultRowId::Scenario},
     2},
    {StepId::PctIncrease,
     "Calculate: % increase scenario vs baseline",
     {ResultRowId::Percentage, ResultRowId::Percentage},
     1},
}};

constexpr const StepSpec& step(StepId id)
{
    return kSteps[static_cast<std::size_t>(id)];
}

// The two earthworks scenarios, as the model numbers them, with the caption
// the main window gives each and the name a sentence gives it.
struct ScenarioSpec {
    std::int16_t number;
    std::string_view caption;
    std::string_view spokenName;
};

inline constexpr std::array<ScenarioSpec, 2> kScenarios{{
    {1, "Earthworks with Controls", "earthworks with controls"},
    {2, "Earthworks without Controls", "earthworks without controls"},
}};

// The position in kScenarios of a model's scenario number: the model takes
// any number but 1 as the scenario without controls.
constexpr std::size_t scenarioIndex(std::int16_t scenarioNo)
{
    return scenarioNo == kScenarios[0].number ? 0 : 1;
}

// The fixed parameters as the main window and the report show them.
inline constexpr std::string_view kDensityCaption = "1200 kg/m3";
inline constexpr std::string_view kDensityDescription = "Fixed at 1200 kilograms per cubic metre";
inline constexpr std::string_view kUnitLoadCaption = "1000 kg";
inline constexpr std::string_view kUnitLoadDescription = "Fixed at 1000 kilograms";
static_assert(constants::kSettledDensity == 1200.0 && constants::kUnitEventLoadKg == 1000.0,
              "the fixed parameters' captions name the model's constants");

// What a cleared box shows: the step that fills it has not been taken for
// the current inputs.
inline constexpr std::string_view kClearedText = "0";

// The heading of a column of subestuary numbers, 1 to 6.
inline constexpr std::string_view kSubestuaryHeading = "Subestuary";

} // namespace siltmere
