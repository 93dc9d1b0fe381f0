#pragma once

// A result's working as the working window shows it and as it is copied:
// plain text, and HTML that takes its text colours from the palette it is
// shown with, so that it reads in light and dark themes alike.

#include "Working.h"

#include <QString>

namespace siltmere::ui {

struct WorkingDocument {
    QString text; // plain text, lines ending in a newline; tables tab-separated
    QString html; // the same as HTML, the box's text on its verdict's colour
};

// `origin` says where the result is shown ("Main window"), as a line before
// the working.
WorkingDocument renderWorking(const Working& working, const QString& origin);

// A line of the working as HTML, powers of ten as superscripts.
QString lineHtml(const Line& line);

} // namespace siltmere::ui
