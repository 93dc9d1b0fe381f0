#pragma once

// The results as a table that spreadsheets and word processors take from the
// clipboard: one line with the three inputs, a line of subestuary numbers,
// then one line per filled result row, and under the percentages a line that
// says in words what their colours say. Built only from what the window
// shows; rows that are cleared (the step not yet taken for the current
// inputs) are left out, so a table never mixes stale and current results.

#include "ShownResults.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace siltmere::ui {

struct ResultsTable {
    QString text; // tab-separated lines, each ending in a newline
    QString html; // the same as an HTML table, percentages on their colours,
                  // numbers marked as numbers for spreadsheets
};

ResultsTable buildResultsTable(const ShownResults& shown);

// The parts such tables are made of, for other tables of results.

// How a spreadsheet is to show a cell that it takes as a number.
enum class NumberFormat { Whole, Percent, General };

struct TableCell {
    QString text;
    Verdict colour = Verdict::None;
    // The number a spreadsheet is to take, in the C locale's digits
    // ("0.56"); empty: the cell is text.
    QString value;
    NumberFormat format = NumberFormat::General;
};

using TableLine = QList<TableCell>;

// A result as the model writes it ("40909", "56%", "n/a"), on the colour of
// `colour`; whole numbers and percentages go as numbers.
TableCell resultCell(const QString& text, Verdict colour = Verdict::None);
// Cells of plain text.
TableLine plainLine(const QStringList& texts);
// A verdict in words, as the copied tables give it: "within limit".
QString verdictText(Verdict verdict);
// The lines as tab-separated text and as one HTML table.
ResultsTable buildTable(const QList<TableLine>& lines);

} // namespace siltmere::ui
