#pragma once

// The inputs and results as the main window shows them: what the window
// keeps of each result box when it fills or clears it, so that copying or
// reporting the results never reads them back from the screen.

#include "ResultGrid.h"

#include <QString>

#include <algorithm>
#include <array>
#include <optional>

namespace siltmere::ui {

struct ShownBox {
    QString text;
    bool filled = false;             // the model's text for the current inputs
    Verdict verdict = Verdict::None; // judged rows only
};

using ShownRow = std::array<ShownBox, kSubestuaries>;

struct ShownResults {
    QString thickness; // the chosen list entry, e.g. "5 mm"
    QString scenario;  // the chosen option's caption
    QString limit;     // the limit as typed, in percent
    // The limit as the percentage step reads that text (nothing: not a
    // number), so a spreadsheet gets the number the verdicts were judged
    // by, whatever decimal separator was typed.
    std::optional<double> limitValue;
    std::array<ShownRow, kResultRows.size()> rows{};
};

// A row is shown as a result when the step that fills it has been taken for
// the current inputs; the window fills and clears a row as a whole.
inline bool isFilled(const ShownRow& row)
{
    return std::all_of(row.begin(), row.end(), [](const ShownBox& box) { return box.filled; });
}

} // namespace siltmere::ui
