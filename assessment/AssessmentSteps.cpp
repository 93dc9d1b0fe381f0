#include "AssessmentSteps.h"

#include "DisplayText.h"
#include "ModelError.h"

namespace siltmere {

std::string_view AssessmentInputs::thicknessLabel() const
{
    if (thicknessPosition < 0 || thicknessPosition >= kThicknesses)
        return {};
    return kThicknessChoices[static_cast<std::size_t>(thicknessPosition)].label;
}

bool Assessment::taken(StepId id) const
{
    const StepSpec& spec = step(id);
    for (std::size_t i = 0; i < spec.rowCount; ++i) {
        if (!filled(spec.rows[i]))
            return false;
    }
    return true;
}

namespace {

void clearRowTexts(SedimentModel& model)
{
    for (int k = 1; k <= kSubestuaries; ++k)
        model.strRow(k) = std::string(kClearedText);
}

ResultTexts rowTexts(const SedimentModel& model)
{
    ResultTexts texts;
    for (int k = 1; k <= kSubestuaries; ++k)
        texts[static_cast<std::size_t>(k - 1)].text = model.strRow(k);
    return texts;
}

} // namespace

void startModel(SedimentModel& model)
{
    model.Select_Thickness(kStartupThicknessPosition);
    clearRowTexts(model);
    model.Init_Model();
}

void chooseThickness(SedimentModel& model, Assessment& assessment, int position)
{
    model.Select_Thickness(position);
    assessment.inputs.thicknessPosition = position;
    clearRowTexts(model);
    assessment.rows = {};
}

void chooseScenario(SedimentModel& model, Assessment& assessment, std::int16_t scenarioNo)
{
    // The loads and the baseline do not depend on the scenario and stay.
    model.ScenarioNo = scenarioNo;
    assessment.inputs.scenarioNo = scenarioNo;
    clearRowTexts(model);
    assessment.rows[indexOf(ResultRowId::Scenario)].reset();
    assessment.rows[indexOf(ResultRowId::Percentage)].reset();
}

void chooseLimit(SedimentModel& model, Assessment& assessment, const std::string& text, std::optional<double> value)
{
    // Only the percentages depend on the limit, but a new limit starts all
    // three steps afresh.
    assessment.inputs.limitText = text;
    assessment.inputs.limitValue = value;
    clearRowTexts(model);
    assessment.rows = {};
}

void takeCriticalLoads(SedimentModel& model, Assessment& assessment)
{
    model.Calc_CriticalLoads();
    assessment.rows[indexOf(ResultRowId::CriticalLoads)] = rowTexts(model);
    // The numbers the step worked with, as the model holds them, for the
    // working behind each box.
    assessment.loadChain = {model.CDT, constants::kSettledDensity, constants::kUnitEventLoadKg};
    for (int k = 1; k <= kSubestuaries; ++k) {
        LoadFigures& figures = assessment.loads[static_cast<std::size_t>(k - 1)];
        for (int j = 1; j <= constants::kSubcatchments; ++j) {
            const auto i = static_cast<std::size_t>(j - 1);
            figures.loadShare[i] = model.LoadShare(j);
            figures.unitLoadKg[i] = model.UnitLoad(j);
            figures.proportion[i] = model.jk(j, k);
            figures.settledKg[i] = model.Cjk(j, k);
        }
        // The model summed these without a fault moments ago.
        figures.settledKgTotal = model.SettledKg(k);
        figures.areaM2 = model.DepArea(k);
        figures.unitThickness = model.UDT(k);
        figures.criticalLoad = model.CSL(k);
    }
}

void takeExceedances(SedimentModel& model, Assessment& assessment)
{
    model.Lookup_Exceedances(model.strBaseline);
    assessment.rows[indexOf(ResultRowId::Baseline)] = rowTexts(model);
    model.Lookup_Exceedances(model.ScenarioTable());
    assessment.rows[indexOf(ResultRowId::Scenario)] = rowTexts(model);
}

void takePctIncrease(SedimentModel& model, Assessment& assessment)
{
    const std::optional<double> limit = assessment.inputs.limitValue;
    if (!limit)
        throw ModelError::typeMismatch(assessment.inputs.limitText);
    model.Calc_PctIncrease(*limit);
    ResultTexts texts = rowTexts(model);
    const ExceedanceTable& scenario = model.ScenarioTable();
    for (int k = 1; k <= kSubestuaries; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        texts[i].verdict = verdictOf(model.PctFlag(k));
        // The numbers the step worked with, by the model's own conversion and
        // arithmetic, for the working behind each box.
        PercentFigures& figures = assessment.percentages[i];
        figures.baseline = countValue(model.strBaseline(model.ThickIdx, model.SlotIdx, k));
        figures.scenario = countValue(scenario(model.ThickIdx, model.SlotIdx, k));
        figures.increase = percentIncrease(figures.baseline, figures.scenario);
        figures.shown = figures.increase ? std::optional<std::int16_t>(roundToInt16(*figures.increase)) : std::nullopt;
    }
    assessment.rows[indexOf(ResultRowId::Percentage)] = texts;
}

Assessment assessFully(SedimentModel& model, const AssessmentInputs& inputs)
{
    Assessment assessment;
    chooseThickness(model, assessment, inputs.thicknessPosition);
    chooseScenario(model, assessment, inputs.scenarioNo);
    chooseLimit(model, assessment, inputs.limitText, inputs.limitValue);
    takeCriticalLoads(model, assessment);
    takeExceedances(model, assessment);
    takePctIncrease(model, assessment);
    return assessment;
}

} // namespace siltmere
