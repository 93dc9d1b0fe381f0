#pragma once

// A result's working as the working window shows it and as it is copied:
// plain text, and HTML that takes its text colours from the palette it is
// shown with, so that it reads in light and dark themes alike. The report
// writes its steps' working with the same HTML, in tables of its own shape.

#include "Working.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

namespace siltmere::ui {

struct WorkingDocument {
    QString text; // plain text, lines ending in a newline; tables tab-separated
    QString html; // the same as HTML, the box's text on its verdict's colour
};

// `origin` says where the result is shown ("Main window"), as a line before
// the working.
WorkingDocument renderWorking(const Working& working, const QString& origin);

// The same as a copy carries it: under the title, which Siltmere made the
// copy and when, and every input of the assessment, so that pasted into a
// document it still says what it is.
WorkingDocument copiedWorking(const Working& working, const QString& origin, const QString& version,
                              const QDateTime& copied);

// How a table is written in HTML: its opening tag (its line ended), and the
// opening tags of the first column's cells and of the others', in the header
// and in the body.
struct HtmlTableStyle {
    QString table;
    QString firstHeader;
    QString header;
    QString first;
    QString cell;
};

// A header row of `names`, in `style`.
QString headerRowHtml(const QStringList& names, const HtmlTableStyle& style);

// Adds sections of a working to `document`, their HTML tables in `style`;
// the box's text on the colour of `verdict`.
void writeSections(WorkingDocument& document, const std::vector<WorkingSection>& sections, Verdict verdict,
                   const HtmlTableStyle& style);

} // namespace siltmere::ui
