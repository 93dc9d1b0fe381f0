#pragma once

// Every combination of critical deposition thickness and scenario at once,
// for one acceptability limit: the assessment the main window's three steps
// give for each of them, taken through the same steps by a model of its own;
// the main window's model is never touched.

#include "Assessment.h"
#include "ResultsTable.h"

#include <QString>

#include <array>
#include <cstddef>
#include <vector>

namespace siltmere::ui {

struct OverviewResults {
    // By scenario (kScenarios order), then thickness in list order: every
    // step taken, each for the same acceptability limit.
    std::array<std::array<Assessment, kThicknesses>, kScenarios.size()> assessments;

    const Assessment& assessment(std::size_t scenario, std::size_t thickness) const
    {
        return assessments.at(scenario).at(thickness);
    }
    // The limit as typed, in percent, and as the percentage step read it.
    QString limitText() const { return QString::fromStdString(assessment(0, 0).inputs.limitText); }
    double limitValue() const { return assessment(0, 0).inputs.limitValue.value(); }
    // The critical total loads do not depend on the scenario.
    const Assessment& loads(std::size_t thickness) const { return assessment(0, thickness); }
};

// The overview for a limit the percentage step accepts (`limitText` as typed,
// `limitValue` as read). A model fault throws ModelError, as the steps do.
OverviewResults computeOverview(const QString& limitText, double limitValue);

// The title of a scenario's (kScenarios order) table of percentages, as the
// overview window heads it and its copy names it: the percentage row's title,
// then the scenario's caption.
QString percentageTableTitle(std::size_t scenario);

// The overview as tables to copy, as the main window copies its results:
// one per scenario (for each thickness its percentages on their colours,
// their verdicts in words and the two exceedance counts), then the critical
// total loads.
std::vector<ResultsTable> overviewTables(const OverviewResults& overview);

} // namespace siltmere::ui
