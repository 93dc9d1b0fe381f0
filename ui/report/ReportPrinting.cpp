#include "ReportPrinting.h"

#include "PdfReport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPaintEngine>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QScreen>

#include <algorithm>
#include <optional>

#ifdef SILTMERE_HAS_CUPS
#include <cups/cups.h>
#endif

namespace siltmere::ui {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("siltmere::ui::ReportPrinting", text);
}

QString printTitle()
{
    return tr("Print report");
}

// The PDF file Qt prints to, or empty where the print system takes the
// job (which on Windows may write a file of its own: "Print to file").
QString outputFile(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
}

// Why a print to a file failed: the print engine keeps its reason to
// itself, so the file (or, where there is none yet, its folder) is asked.
QString fileFailure(const QString& path)
{
    if (QFileInfo::exists(path)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite))
            return file.errorString();
    } else {
        QSaveFile probe(path);
        if (!probe.open(QIODevice::WriteOnly))
            return probe.errorString();
        probe.cancelWriting();
    }
    return tr("The file could not be written.");
}

#ifdef Q_OS_WIN
// Qt's Windows print engine tells of a job the spooler refused (StartDoc or
// EndDoc failing) only in a logged message, and still ends the print as
// done: that message is the one place the failure shows, so it is listened
// for while a report prints. Every message goes on to the handler before.
class SpoolerWarnings {
public:
    SpoolerWarnings()
    {
        active_ = this;
        previous_ = qInstallMessageHandler(&SpoolerWarnings::handle);
    }
    ~SpoolerWarnings()
    {
        qInstallMessageHandler(previous_);
        active_ = nullptr;
    }
    SpoolerWarnings(const SpoolerWarnings&) = delete;
    SpoolerWarnings& operator=(const SpoolerWarnings&) = delete;

    // The system's reason, e.g. "Access is denied.", or empty.
    QString failure;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        // "QWin32PrintEngine::end: EndDoc failed (<the system's reason>)"
        if (active_ && active_->failure.isEmpty() && (type == QtWarningMsg || type == QtCriticalMsg) &&
            message.startsWith(QLatin1String("QWin32PrintEngine")) && message.contains(QLatin1String(" failed"))) {
            const qsizetype open = message.lastIndexOf(QLatin1Char('('));
            active_->failure = open < 0 ? message : message.mid(open + 1).chopped(1).trimmed();
        }
        if (previous_)
            previous_(type, context, message);
    }

    static inline SpoolerWarnings* active_ = nullptr;
    static inline QtMessageHandler previous_ = nullptr;
};
#endif

// One print of the report on `printer`; why it failed, or nothing.
std::optional<QString> printOnce(QPrinter& printer, const Report& report)
{
    const QString file = outputFile(printer);
#ifdef Q_OS_WIN
    const SpoolerWarnings spooler;
#endif
    const bool painted = paintReport(report, printer) > 0;
    if (!file.isEmpty())
        return painted ? std::nullopt : std::optional<QString>(fileFailure(file));
#ifdef Q_OS_WIN
    if (!spooler.failure.isEmpty())
        return tr("The print system did not take the job: %1").arg(spooler.failure);
#endif
    if (!painted)
        return tr("The print system did not take the job.");
#ifdef SILTMERE_HAS_CUPS
    // Qt hands the finished job to CUPS as the painter ends and drops
    // CUPS's answer; CUPS keeps the answer to this thread's last request,
    // which was that job's, so a printer that refuses it is told here.
    if (printer.outputFormat() == QPrinter::NativeFormat && cupsLastError() >= IPP_STATUS_ERROR_BAD_REQUEST)
        return QString::fromUtf8(cupsLastErrorString());
#endif
    return std::nullopt;
}

// Says why the print failed; true where the planner asks to print again
// (a file another program holds open).
bool retryAfterFailure(QWidget* parent, const QPrinter& printer, const QString& reason)
{
    const QString file = outputFile(printer);
    if (!file.isEmpty())
        return retryAfterWriteFailure(parent, printTitle(), tr("The report could not be printed to"), file, reason);
    QMessageBox::warning(parent, printTitle(),
                         tr("The report could not be printed on “%1”.\n\n%2").arg(printer.printerName(), reason));
    return false;
}

} // namespace

QString printReportEntry()
{
    return tr("Print report…");
}

QString printPreviewEntry()
{
    return tr("Print preview…");
}

QKeySequence printReportShortcut()
{
    return QKeySequence(Qt::CTRL | Qt::Key_P);
}

void prepareReportPrinter(QPrinter& printer, const Report& report)
{
    // The job's name in the print queue, and the file a print to a file
    // proposes: the name a saved report is proposed under.
    printer.setDocName(QFileInfo(proposedReportName(QDate::currentDate())).completeBaseName());
    printer.setCreator(report.creator);
    if (printer.outputFormat() != QPrinter::NativeFormat)
        printer.setPageSize(reportPageSize());
    // A printer that cannot print that near the edge keeps its own margins.
    printer.setPageMargins(reportPageLayout(printer.pageLayout().pageSize()).margins(), QPageLayout::Millimeter);
    if (printer.outputFormat() != QPrinter::NativeFormat ||
        QPrinterInfo(printer).supportedColorModes().contains(QPrinter::Color))
        printer.setColorMode(QPrinter::Color);
}

bool printReport(QWidget* parent, const Report& report)
{
    QPrinter printer(QPrinter::HighResolution);
    prepareReportPrinter(printer, report);
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    // These platforms' print dialogs show printers only, and none opens
    // where there is none.
    if (printer.outputFormat() != QPrinter::NativeFormat) {
        QMessageBox::warning(parent, printTitle(),
                             tr("No printer is installed. Add one in the system's printer settings, or save the "
                                "report as PDF and print that where a printer is."));
        return false;
    }
#endif
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(printTitle());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return printReportOn(parent, printer, report);
}

void previewReport(QWidget* parent, const Report& report)
{
    QPrinter printer(QPrinter::HighResolution);
    prepareReportPrinter(printer, report);
    QPrintPreviewDialog dialog(&printer, parent);
    // Tall enough to read a page at once: Qt's own size shows it as a
    // thumbnail.
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        const int height = available.height() * 9 / 10;
        dialog.resize(std::min(available.width(), height * 4 / 5), height);
    }
    // The preview paints on a recording engine; its Print button paints on
    // the printer itself, and the dialog then closes as accepted.
    std::optional<QString> printError;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        if (target->paintEngine() && target->paintEngine()->type() == QPaintEngine::Picture)
            paintReport(report, *target);
        else
            printError = printOnce(*target, report);
    });
    if (dialog.exec() == QDialog::Accepted && printError && retryAfterFailure(parent, printer, *printError))
        printReportOn(parent, printer, report);
}

bool printReportOn(QWidget* parent, QPrinter& printer, const Report& report)
{
    for (;;) {
        const std::optional<QString> error = printOnce(printer, report);
        if (!error)
            return true;
        if (!retryAfterFailure(parent, printer, *error))
            return false;
    }
}

} // namespace siltmere::ui
