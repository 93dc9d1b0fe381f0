#include "OverviewResults.h"

#include "SedimentModel.h"

namespace siltmere::ui {

namespace {

template <std::size_t N>
std::array<QString, N> rowTexts(const SedimentModel& model)
{
    std::array<QString, N> texts;
    for (std::size_t i = 0; i < N; ++i)
        texts[i] = QString::fromStdString(model.strRow(static_cast<int>(i) + 1));
    return texts;
}

} // namespace

OverviewResults computeOverview(const QString& limitText, double limitValue)
{
    OverviewResults overview;
    overview.limit = limitText;
    overview.limitValue = limitValue;

    // Started as the main window starts its model: the start-up thickness is
    // chosen before the model is initialised.
    SedimentModel model;
    model.Select_Thickness(kStartupThicknessPosition);
    model.Init_Model();

    for (std::size_t t = 0; t < kThicknessChoices.size(); ++t) {
        model.Select_Thickness(static_cast<int>(t));
        model.Calc_CriticalLoads();
        overview.loads[t] = rowTexts<kSubestuaries>(model);
        for (std::size_t s = 0; s < kScenarios.size(); ++s) {
            model.ScenarioNo = kScenarios[s].number;
            model.Lookup_Exceedances(model.strBaseline);
            const auto baseline = rowTexts<kSubestuaries>(model);
            model.Lookup_Exceedances(model.ScenarioTable());
            const auto scenario = rowTexts<kSubestuaries>(model);
            model.Calc_PctIncrease(limitValue);
            const auto percentages = rowTexts<kSubestuaries>(model);
            for (std::size_t i = 0; i < kSubestuaries; ++i) {
                overview.cells[s][t][i] = {percentages[i], verdictOf(model.PctFlag(static_cast<int>(i) + 1)),
                                           baseline[i], scenario[i]};
            }
        }
    }
    return overview;
}

} // namespace siltmere::ui
