#pragma once

// Saving a report where the planner chose, with what the planner is told
// when that fails.

#include "Report.h"

#include <QPageSize>
#include <QString>

class QWidget;

namespace siltmere::ui {

// The title of the messages about saving, as the save entry words it.
QString saveReportTitle();

// Writes the report as a PDF at `path`. Where that fails, one message says
// where and why; where another program holds the file open (a PDF reader
// showing the last report), it says so and offers Retry, which writes the
// same report again, and Cancel. A file already at `path` stays as it was
// until a write succeeds. Returns true once the report is saved.
bool saveReportWithRetry(QWidget* parent, const Report& report, const QString& path, const QPageSize& pageSize);

} // namespace siltmere::ui
