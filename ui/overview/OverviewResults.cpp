#include "OverviewResults.h"

#include "AssessmentSteps.h"
#include "DesignText.h"
#include "SedimentModel.h"

namespace siltmere::ui {

OverviewResults computeOverview(const QString& limitText, double limitValue)
{
    OverviewResults overview;
    SedimentModel model;
    startModel(model);
    AssessmentInputs inputs;
    inputs.limitText = limitText.toStdString();
    inputs.limitValue = limitValue;
    for (std::size_t t = 0; t < kThicknessChoices.size(); ++t) {
        inputs.thicknessPosition = static_cast<int>(t);
        for (std::size_t s = 0; s < kScenarios.size(); ++s) {
            inputs.scenarioNo = kScenarios[s].number;
            overview.assessments[s][t] = assessFully(model, inputs);
        }
    }
    return overview;
}

std::vector<ResultsTable> overviewTables(const OverviewResults& overview)
{
    const QStringList header = subestuaryHeader(toQString(kSubestuaryHeading));

    std::vector<ResultsTable> tables;
    for (std::size_t s = 0; s < kScenarios.size(); ++s) {
        const QString caption = toQString(kScenarios[s].caption);
        TableLine title =
            plainLine({QStringLiteral("%1, %2").arg(toQString(rowWording(ResultRowId::Percentage).title), caption),
                       QStringLiteral("Acceptability limit (%)"), overview.limitText()});
        title.last().value = shortestDecimal(overview.limitValue());
        QList<TableLine> lines{title, plainLine(header)};
        for (std::size_t t = 0; t < kThicknessChoices.size(); ++t) {
            const Assessment& assessment = overview.assessment(s, t);
            const QString thickness = toQString(kThicknessChoices[t].label);
            TableLine percentages = plainLine({thickness});
            QStringList verdicts{QStringLiteral("%1 verdict").arg(thickness)};
            TableLine baseline = plainLine({QStringLiteral("%1 existing land use").arg(thickness)});
            TableLine scenario = plainLine({QStringLiteral("%1 %2").arg(thickness, caption)});
            for (int k = 1; k <= kSubestuaries; ++k) {
                percentages.append(resultCell(assessment, ResultRowId::Percentage, k));
                verdicts.append(toQString(verdictWording(assessment.box(ResultRowId::Percentage, k).verdict).cell));
                baseline.append(resultCell(assessment, ResultRowId::Baseline, k));
                scenario.append(resultCell(assessment, ResultRowId::Scenario, k));
            }
            lines << percentages << plainLine(verdicts) << baseline << scenario;
        }
        tables.push_back(buildTable(lines));
    }

    QList<TableLine> loads{plainLine({toQString(rowWording(ResultRowId::CriticalLoads).title)}), plainLine(header)};
    for (std::size_t t = 0; t < kThicknessChoices.size(); ++t) {
        TableLine line = plainLine({toQString(kThicknessChoices[t].label)});
        for (int k = 1; k <= kSubestuaries; ++k)
            line.append(resultCell(overview.loads(t), ResultRowId::CriticalLoads, k));
        loads << line;
    }
    tables.push_back(buildTable(loads));
    return tables;
}

} // namespace siltmere::ui
