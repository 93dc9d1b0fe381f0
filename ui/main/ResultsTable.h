#pragma once

// The results as a table that spreadsheets and word processors take from the
// clipboard: one line with the three inputs, a line of subestuary numbers,
// then one line per filled result row, and under the percentages a line that
// says in words what their colours say. Built only from what the window
// shows; rows that are cleared (the step not yet taken for the current
// inputs) are left out, so a table never mixes stale and current results.

#include "Constants.h"

#include <QString>

#include <array>

namespace siltmere::ui {

enum class Verdict {
    None,   // no percentage ("n/a"): no colour
    Within, // green: within the acceptability limit
    Above,  // red: above it
};

struct ShownBox {
    QString text;
    bool filled = false;             // enabled: the model's text for the current inputs
    Verdict verdict = Verdict::None; // the percentage row only
};

// The rows in the window's order: critical total loads, baseline
// exceedances, scenario exceedances, percentage increase.
inline constexpr int kResultRows = 4;
inline constexpr int kPercentageRow = 3;

struct ShownResults {
    QString thickness; // the chosen list entry, e.g. "5 mm"
    QString scenario;  // the chosen option's caption
    QString limit;     // the limit as typed, in percent
    std::array<std::array<ShownBox, constants::kSubestuaries>, kResultRows> rows{};
};

struct ResultsTable {
    QString text; // tab-separated lines, each ending in a newline
    QString html; // the same as an HTML table, percentages on their colours
};

ResultsTable buildResultsTable(const ShownResults& shown);

} // namespace siltmere::ui
