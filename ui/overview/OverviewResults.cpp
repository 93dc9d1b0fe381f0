#include "OverviewResults.h"

#include "DesignText.h"
#include "SedimentModel.h"

#include <QLocale>

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

std::vector<ResultsTable> overviewTables(const OverviewResults& overview)
{
    QStringList header{QStringLiteral("Subestuary")};
    for (int k = 1; k <= kSubestuaries; ++k)
        header << QString::number(k);

    std::vector<ResultsTable> tables;
    for (std::size_t s = 0; s < kScenarios.size(); ++s) {
        const QString caption = toQString(kScenarios[s].caption);
        TableLine title = plainLine({QStringLiteral("Percentage increase, %1").arg(caption),
                                     QStringLiteral("Acceptability limit (%)"), overview.limit});
        title.last().value = QString::number(overview.limitValue, 'g', QLocale::FloatingPointShortest);
        QList<TableLine> lines{title, plainLine(header)};
        for (std::size_t t = 0; t < kThicknessChoices.size(); ++t) {
            const QString thickness = toQString(kThicknessChoices[t].label);
            TableLine percentages = plainLine({thickness});
            QStringList verdicts{QStringLiteral("%1 verdict").arg(thickness)};
            TableLine baseline = plainLine({QStringLiteral("%1 existing land use").arg(thickness)});
            TableLine scenario = plainLine({QStringLiteral("%1 %2").arg(thickness, caption)});
            for (const OverviewCell& cell : overview.cells[s][t]) {
                percentages.append(resultCell(cell.percentage, cell.verdict));
                verdicts.append(verdictText(cell.verdict));
                baseline.append(resultCell(cell.baseline));
                scenario.append(resultCell(cell.scenario));
            }
            lines << percentages << plainLine(verdicts) << baseline << scenario;
        }
        tables.push_back(buildTable(lines));
    }

    QList<TableLine> loads{plainLine({QStringLiteral("Critical total load (tonnes per event)")}), plainLine(header)};
    for (std::size_t t = 0; t < kThicknessChoices.size(); ++t) {
        TableLine line = plainLine({toQString(kThicknessChoices[t].label)});
        for (const QString& load : overview.loads[t])
            line.append(resultCell(load));
        loads << line;
    }
    tables.push_back(buildTable(loads));
    return tables;
}

} // namespace siltmere::ui
