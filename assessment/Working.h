#pragma once

// How each result was worked out: for one result box (a row and a subestuary
// k) the chain of steps that gave its text, in words and numbers, so that a
// reviewer can check it with a pocket calculator; and for the report the same
// steps for all six subestuaries, one table per step. Every number is read
// from the assessment, as the model computed it, and written to a sensible
// number of significant figures, or with as many decimals as deciding its
// rounding or its verdict takes; the chain ends in exactly the box's text.
// Nothing here is worked out afresh: the working shows what was computed.

#include "Assessment.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace siltmere {

// A number as the working shows it: `text`, times ten to `exponent` where
// that is not 0 (2.41026 x 10^-6), in the units the words around it name.
struct Figure {
    // As the assessment holds it.
    double value = 0.0;
    std::string text;
    int exponent = 0;
    // `text` (and exponent) is exactly `value`, not a rounding of it.
    bool exact = false;
};

// What stands between a number and its power of ten, in plain text and HTML.
inline constexpr std::string_view kTimesTen = " \u00d7 10";

// A piece of a line: words, a number, or the box's text that ends a chain.
struct Span {
    std::string text; // the words, or the number's text, or the box's text
    std::optional<Figure> figure;
    bool result = false;
};

using Line = std::vector<Span>;

// A small table of a step (the subcatchments' contributions): a header and
// rows of cells, each cell a line.
struct WorkingTable {
    std::vector<std::string> header;
    std::vector<std::vector<Line>> rows;
};

struct WorkingSection {
    std::string heading;
    std::vector<Line> lines{};
    std::optional<WorkingTable> table{};
    std::vector<Line> after{}; // lines after the table
};

struct Working {
    // "Percentage increase, subestuary 2".
    std::string title;
    // The inputs the result was worked out for.
    Line inputs;
    // Every input of the assessment, those the result does not depend on
    // too, for a copy that must say what it is wherever it is pasted.
    std::string allInputs;
    // Empty where the box has not been worked out for the current inputs;
    // `pending` then says which step to take first. The last line ends in
    // the box's text, shown on the colour of `verdict`.
    std::vector<WorkingSection> sections;
    std::string pending;
    Verdict verdict = Verdict::None;
};

// Where the result the working ends in is shown: a result box of the main
// window, or a cell of the overview.
enum class ShownIn { Box, OverviewCell };

// The working behind result k (1..6) of `row`.
Working workingFor(const Assessment& assessment, ResultRowId row, int k, ShownIn shownIn = ShownIn::Box);

// The working of every step taken, for the six subestuaries at once: one
// section per step, its table a row per quantity and a column per
// subestuary (header: the quantity, then 1 to 6), its lines what the table's
// rows mean. Empty before the first step.
std::vector<WorkingSection> workingTables(const Assessment& assessment);

// A line as plain text; numbers with an exponent as "2.41026 × 10⁻⁶".
std::string plainText(const Line& line);

// A limit or an increase as the working writes it: "20 %", "1 × 10⁻⁶ %".
std::string percentText(double value);

} // namespace siltmere
