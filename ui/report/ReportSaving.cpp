#include "ReportSaving.h"

#include "FileInUse.h"
#include "PdfReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

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
    const QString failed = tr("The report could not be saved as");
    for (;;) {
        const std::optional<QString> error = writePdfReport(report, path, pageSize);
        if (!error)
            return true;
        if (isHeldOpenByAnotherProgram(path)) {
            if (askRetryWhileInUse(parent, saveReportTitle(), failed, path))
                continue;
            return false;
        }
        QMessageBox::warning(parent, saveReportTitle(),
                             QStringLiteral("%1\n%2\n\n%3").arg(failed, QDir::toNativeSeparators(path), *error));
        return false;
    }
}

} // namespace siltmere::ui
