#pragma once

// The words an assessment is told in wherever more than one place tells it:
// the main window, the overview, the working, the copied tables and the
// report take their verdicts, row names, step captions and fixed parameters
// from here.

#include "Constants.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace siltmere {

// A percentage increase against the acceptability limit, as the model's
// PctFlag gives it: +1 within, -1 above, 0 no percentage ("n/a").
enum class Verdict { None, Within, Above };

constexpr Verdict verdictOf(std::int16_t pctFlag)
{
    return pctFlag > 0 ? Verdict::Within : pctFlag < 0 ? Verdict::Above : Verdict::None;
}

// A verdict in words, where the colour is not the only carrier (a screen
// reader, a printed page, a spreadsheet); empty for no percentage.
struct VerdictWording {
    std::string_view word;   // beside a percentage: "above"
    std::string_view phrase; // in a sentence: "above the limit"
    std::string_view cell;   // a copied table's cell: "above limit"
};

constexpr VerdictWording verdictWording(Verdict verdict)
{
    return verdict == Verdict::Within  ? VerdictWording{"within", "within the limit", "within limit"}
           : verdict == Verdict::Above ? VerdictWording{"above", "above the limit", "above limit"}
                                       : VerdictWording{};
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

// What a result row is called.
struct ResultRowWording {
    ResultRowId id;
    // Where the results are listed (the copied tables, the report).
    std::string_view title;
    // What a screen reader calls a box, before ", subestuary k".
    std::string_view spokenName;
    // What a box holds, for assistive technology.
    std::string_view description;
    // What the working's sentences call a box's result; capitalised, its
    // title, where the scenario's row names the scenario instead.
    std::string_view resultName;
    // Judged against the acceptability limit, and shown on its verdict's
    // colour.
    bool judged;
};

inline constexpr std::array<ResultRowWording, kResultRowCount> kResultRowWordings{{
    {ResultRowId::CriticalLoads, "Critical total load (tonnes per event)", "Critical total load",
     "Tonnes of sediment from the whole catchment in one event that settle exactly the critical thickness",
     "critical total load", false},
    {ResultRowId::Baseline, "Exceedances over 25 years, existing land use", "Baseline exceedances",
     "Deposition events over 25 years exceeding the critical thickness, existing land use",
     "exceedances under the existing land use", false},
    {ResultRowId::Scenario, "Exceedances over 25 years, scenario", "Scenario exceedances",
     "Deposition events over 25 years exceeding the critical thickness, chosen earthworks scenario",
     "exceedances under the scenario", false},
    {ResultRowId::Percentage, "Percentage increase", "Percentage increase",
     "Increase of the scenario's exceedances over the baseline, in percent", "percentage increase", true},
}};

constexpr const ResultRowWording& rowWording(ResultRowId row)
{
    return kResultRowWordings[indexOf(row)];
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

    constexpr std::string_view quotedCaption() const { return caption.substr(0, caption.find_last_not_of(' ') + 1); }
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
// The density as the working and the report write units.
inline constexpr std::string_view kDensityText = "1200 kg/m\u00b3";
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

// Text in quotation marks, as a sentence quotes a caption.
inline std::string quoted(std::string_view text)
{
    return "\u201c" + std::string(text) + "\u201d";
}

// Items listed as a sentence lists them: "1 and 5", "1, 5 and 6".
inline std::string listed(const std::vector<std::string>& items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i)
        text += (i == 0 ? "" : i + 1 == items.size() ? " and " : ", ") + items[i];
    return text;
}

} // namespace siltmere
