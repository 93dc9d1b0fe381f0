#pragma once

// One assessment: the inputs a planner chose, which of the three steps have
// been taken for them, and what each step gave, as the result boxes show it
// and with the numbers behind it. The main window keeps one and fills its
// boxes from it; the overview keeps one for every thickness and scenario;
// the copied tables, the report and the chart render them. Nothing in it is
// read back from a window or recovered from a display text.

#include "Constants.h"
#include "Thickness.h"
#include "Wording.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace siltmere {

using constants::kSubestuaries;

struct AssessmentInputs {
    // The position chosen in the thickness list (kThicknessChoices), -1 for
    // none.
    int thicknessPosition = -1;
    std::int16_t scenarioNo = kScenarios[0].number;
    // The limit as typed (UTF-8), in percent, and as the percentage step
    // reads it (nothing: not a number).
    std::string limitText;
    std::optional<double> limitValue;

    // "5 mm", or empty where no thickness is chosen.
    std::string_view thicknessLabel() const;
    const ScenarioSpec& scenario() const { return kScenarios[scenarioIndex(scenarioNo)]; }
};

// One result box: the model's text and, on the percentage row, its verdict.
struct ResultBox {
    std::string text;
    Verdict verdict = Verdict::None;
};

using ResultTexts = std::array<ResultBox, kSubestuaries>;

// What the percentage step worked with for one subestuary: the two counts as
// it read them, and the unrounded increase (nothing: "n/a").
struct PercentFigures {
    double baseline = 0.0;
    double scenario = 0.0;
    std::optional<double> increase;
    // The whole percentage the box shows, as the model rounded it.
    std::optional<std::int16_t> shown;
};

// What the critical-load step worked with for one subestuary k, copied from
// the model's record as it computed them: for each subcatchment j (index
// j - 1) its share of the event load, the kg of the one-tonne unit event
// load it sends (UnitLoad), the proportion of that settling in k (jk) and
// the kg settling there (Cjk); their sum; k's deposition area, its unit
// deposition thickness and its critical total load unrounded.
struct LoadFigures {
    std::array<double, constants::kSubcatchments> loadShare{};
    std::array<double, constants::kSubcatchments> unitLoadKg{};
    std::array<double, constants::kSubcatchments> proportion{};
    std::array<double, constants::kSubcatchments> settledKg{};
    double settledKgTotal = 0.0; // kg settled in k per tonne of total load
    std::int32_t areaM2 = 0;     // DepArea(k)
    double unitThickness = 0.0;  // UDT(k), m per tonne of total load
    double criticalLoad = 0.0;   // CSL(k), tonnes per event
};

// The numbers every subestuary's critical total load shares.
struct LoadChain {
    double criticalThicknessM = 0.0; // CDT, m
    double settledDensity = 0.0;     // kg/m3
    double unitEventLoadKg = 0.0;    // the unit event load, kg
};

struct Assessment {
    AssessmentInputs inputs;
    // By ResultRowId; nothing: the step that fills the row has not been
    // taken for the current inputs.
    std::array<std::optional<ResultTexts>, kResultRowCount> rows;
    // Set with the percentage row.
    std::array<PercentFigures, kSubestuaries> percentages{};
    // Set with the critical-load row.
    LoadChain loadChain{};
    std::array<LoadFigures, kSubestuaries> loads{};

    const std::optional<ResultTexts>& row(ResultRowId id) const { return rows[indexOf(id)]; }
    bool filled(ResultRowId id) const { return row(id).has_value(); }
    // Every row the step fills is filled.
    bool taken(StepId id) const;
    const ResultBox& box(ResultRowId id, int k) const { return row(id).value()[static_cast<std::size_t>(k - 1)]; }
    const PercentFigures& figures(int k) const { return percentages[static_cast<std::size_t>(k - 1)]; }
    const LoadFigures& loadFigures(int k) const { return loads[static_cast<std::size_t>(k - 1)]; }
};

} // namespace siltmere
