#pragma once

// Every combination of critical deposition thickness and scenario at once,
// for one acceptability limit: what the main window's three steps would show
// for each of them. Worked out by a model of its own, through the same model
// operations in the same order as the main window's handlers, so the two can
// never disagree; the main window's model is never touched.

#include "ResultGrid.h"
#include "ResultsTable.h"
#include "Thickness.h"

#include <QString>

#include <array>
#include <cstddef>
#include <vector>

namespace siltmere::ui {

// One thickness, scenario and subestuary: the boxes of the main window's
// exceedance and percentage rows for that combination.
struct OverviewCell {
    QString percentage;              // as the percentage row shows it: "56%", "n/a"
    Verdict verdict = Verdict::None; // the colour that row gives it
    QString baseline;                // exceedances over 25 years, existing land use
    QString scenario;                // exceedances over 25 years, the scenario
};

using OverviewRow = std::array<OverviewCell, kSubestuaries>;
using LoadsRow = std::array<QString, kSubestuaries>;

struct OverviewResults {
    QString limit;           // the limit as typed, in percent
    double limitValue = 0.0; // as the percentage step reads it
    // Critical total loads (tonnes per event) as the first row shows them,
    // by thickness in list order, then subestuary.
    std::array<LoadsRow, kThicknesses> loads;
    // By scenario (kScenarios order), thickness in list order, subestuary.
    std::array<std::array<OverviewRow, kThicknesses>, kScenarios.size()> cells;

    const OverviewCell& cell(std::size_t scenario, std::size_t thickness, int k) const
    {
        return cells.at(scenario).at(thickness).at(static_cast<std::size_t>(k - 1));
    }
};

// The overview for a limit the percentage step accepts (`limitText` as typed,
// `limitValue` as read). A model fault throws ModelError, as the steps do.
OverviewResults computeOverview(const QString& limitText, double limitValue);

// The overview as tables to copy, as the main window copies its results:
// one per scenario (for each thickness its percentages on their colours,
// their verdicts in words and the two exceedance counts), then the critical
// total loads.
std::vector<ResultsTable> overviewTables(const OverviewResults& overview);

} // namespace siltmere::ui
