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

QString percentageTableTitle(std::size_t scenario)
{
    return QStringLiteral("%1, %2").arg(toQString(rowWording(ResultRowId::Percentage).title),
                                        toQString(kScenarios.at(scenario).caption));
}

std::vector<ResultsTable> overviewTables(const OverviewResults& overview)
{
    const QStringList header = subestuaryHeader(toQString(kSubestuaryHeading));

    std::vector<ResultsTable> tables;
    for (std::size_t s = 0; s < kScenarios.size(); ++s) {
        const QString caption = toQString(kScenarios[s].caption);
        TableLine title = plainLine({percentageTableTitle(s), QStringLiteral("Acceptability limit (%)")});
        title.append(limitCell(overview.limitValue()));
        QList<TableLine> lines{title, plainLine(header)};
        for (std::size_t t = 0; t < kThicknessChoices.size(); ++t) {
            const Assessment& assessment = overview.assessment(s, t);
            const QString thickness = toQString(kThicknessChoices[t].label);
            lines << resultLine(thickness, assessment, ResultRowId::Percentage)
                  << verdictLine(QStringLiteral("%1 verdict").arg(thickness), assessment, ResultRowId::Percentage)
                  << resultLine(QStringLiteral("%1 existing land use").arg(thickness), assessment,
                                ResultRowId::Baseline)
                  << resultLine(QStringLiteral("%1 %2").arg(thickness, caption), assessment, ResultRowId::Scenario);
        }
        tables.push_back(buildTable(lines));
    }

    QList<TableLine> loads{plainLine({toQString(rowWording(ResultRowId::CriticalLoads).title)}), plainLine(header)};
    for (std::size_t t = 0; t < kThicknessChoices.size(); ++t)
        loads << resultLine(toQString(kThicknessChoices[t].label), overview.loads(t), ResultRowId::CriticalLoads);
    tables.push_back(buildTable(loads));
    return tables;
}

} // namespace siltmere::ui
