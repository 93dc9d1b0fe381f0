#pragma once

// The results as a table that spreadsheets and word processors take from the
// clipboard: one line with the three inputs, a line of subestuary numbers,
// then one line per filled result row, and under the percentages a line that
// says in words what their colours say. Built only from what the window
// shows; rows that are cleared (the step not yet taken for the current
// inputs) are left out, so a table never mixes stale and current results.

#include "ShownResults.h"

#include <QString>

namespace siltmere::ui {

struct ResultsTable {
    QString text; // tab-separated lines, each ending in a newline
    QString html; // the same as an HTML table, percentages on their colours,
                  // numbers marked as numbers for spreadsheets
};

ResultsTable buildResultsTable(const ShownResults& shown);

} // namespace siltmere::ui
