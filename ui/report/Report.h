#pragma once

// The report a planner saves as a PDF for a consent report's archive: the
// inputs and the results exactly as the main window shows them, the overview
// of every thickness and scenario where that window is open, and the
// background window's explanation with the catchment diagram. Built from the
// assessments the windows keep (never read back from the screen), with the moment, the
// program's version and the platform given, so that the same inputs always
// give the same report.

#include "Assessment.h"
#include "OverviewResults.h"

#include <QDate>
#include <QDateTime>
#include <QImage>
#include <QString>

namespace siltmere::ui {

// When, by which version and on which platform a report is made.
struct ReportStamp {
    QDateTime made;
    QString version;  // e.g. "1.1.0"
    QString platform; // e.g. "Debian GNU/Linux 12 (bookworm)"
};

struct Report {
    QString title;   // also the PDF's title
    QString creator; // the PDF's creator: the program and its version
    QString html;    // the body, as QTextDocument reads HTML
    QImage diagram;  // the catchment diagram, where the body names kDiagramUrl
};

// The name the body gives the diagram's image.
inline constexpr char kDiagramUrl[] = "siltmere:catchment-diagram";

// `overview`: the overview window's results, or nullptr where that window is
// not open.
Report buildReport(const Assessment& assessment, const OverviewResults* overview, const ReportStamp& stamp);

// The line at the foot of each page, e.g. "Siltmere — page 1 of 2".
QString reportFooter(int page, int pages);

// The file name the save dialog proposes for a report made on `date`.
QString proposedReportName(QDate date);

} // namespace siltmere::ui
