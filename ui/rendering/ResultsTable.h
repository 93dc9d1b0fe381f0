#pragma once

// The results as a table that spreadsheets and word processors take from the
// clipboard: one line with the three inputs, a line of subestuary numbers,
// then one line per filled result row, and under the percentages a line that
// says in words what their colours say. Built from the assessment the
// window shows; rows that are cleared (the step not yet taken for the
// current inputs) are left out, so a table never mixes stale and current
// results.

#include "Assessment.h"
#include "Rendering.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace siltmere::ui {

struct ResultsTable {
    QString text; // tab-separated lines, each ending in a newline
    QString html; // the same as an HTML table, percentages on their colours,
                  // numbers marked as numbers for spreadsheets
};

ResultsTable buildResultsTable(const Assessment& assessment);

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

// `label`, then the boxes of a filled row, 1 to 6, as the boxes show them,
// each on the colour of its verdict; loads, counts and whole percentages go
// as numbers, "n/a" as text.
TableLine resultLine(const QString& label, const Assessment& assessment, ResultRowId row);
// `label`, then the verdicts of a filled judged row's boxes, 1 to 6, in
// words.
TableLine verdictLine(const QString& label, const Assessment& assessment, ResultRowId row);
// Cells of plain text.
TableLine plainLine(const QStringList& texts);
// The heading of a line of subestuary numbers, then 1 to 6.
QStringList subestuaryHeader(const QString& first);
// A number as a spreadsheet is to take it, in the C locale's digits: the
// shortest text that reads back as the same double.
QString shortestDecimal(double value);
// The acceptability limit judged by (not as typed: "1e1" is 10), in the
// desktop's number format as a spreadsheet there reads pasted text.
TableCell limitCell(double value);
// The lines as tab-separated text and as one HTML table.
ResultsTable buildTable(const QList<TableLine>& lines);

} // namespace siltmere::ui
