#include "ReportSaving.h"

#include "FileInUse.h"
#include "PdfReport.h"

#include <QCoreApplication>

#include <optional>

namespace siltmere::ui {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("siltmere::ui::ReportSaving", text);
}

} // namespace

QString saveReportTitle()
{
    return tr("Save report as PDF");
}

bool saveReportWithRetry(QWidget* parent, const Report& report, const QString& path, const QPageSize& pageSize)
{
    for (;;) {
        const std::optional<QString> error = writePdfReport(report, path, pageSize);
        if (!error)
            return true;
        if (!retryAfterWriteFailure(parent, saveReportTitle(), tr("The report could not be saved as"), path, *error))
            return false;
    }
}

} // namespace siltmere::ui
