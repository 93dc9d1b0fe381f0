// Printing the report to real CUPS queues, set up by
// scripts/checks/cups-print.sh: a cups-pdf queue whose printed jobs are read
// back, and a queue that refuses jobs. A printed job is the saved report
// page for page: cups-pdf passes a job through Ghostscript, which turns its
// fonts into Type 3 fonts whose text no reader gets back, so the pages are
// compared as a person would, rendered side by side.

#include "PdfReadBack.h"
#include "PdfReport.h"
#include "Report.h"
#include "ReportDialogAnswers.h"
#include "ReportPrinting.h"
#include "UiTestSupport.h"

#include <QDir>
#include <QImage>
#include <QMap>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

using namespace siltmere;
using namespace siltmere::test;

namespace {

const ui::ReportStamp kStamp{QDateTime(QDate(2026, 12, 10), QTime(9, 15), QTimeZone(0)), QStringLiteral("9.8.7"),
                             QStringLiteral("Test Platform 1")};

// Pages are rendered at this resolution to be compared: fine enough that a
// line of figures shows, coarse enough that two renderers' edges agree.
constexpr int kCompareDpi = 50;
// Compared in cells of this many pixels square (about 2.5 mm), by their
// mean grey: a cell whose grey differs by more than kCellTolerance levels
// differs. A printed page may differ from the saved one in at most
// kMostCellsDiffering of its cells.
constexpr int kCell = 5;
constexpr int kCellTolerance = 24;
constexpr double kMostCellsDiffering = 0.002;

QStringList pdfFiles(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

// The pages of a PDF as grey images, rendered by poppler.
QList<QImage> renderedPages(const QString& pdf, const QString& prefix)
{
    const QString output =
        toolOutput(QStringLiteral("pdftoppm"), {"-r", QString::number(kCompareDpi), "-gray", "-png", pdf, prefix});
    QList<QImage> pages;
    if (output.isNull() || !output.isEmpty())
        return pages;
    const QFileInfo stem(prefix);
    QStringList files = QDir(stem.absolutePath()).entryList({stem.fileName() + QStringLiteral("-*.png")}, QDir::Files);
    std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        return a.section(QLatin1Char('-'), -1).section(QLatin1Char('.'), 0, 0).toInt() <
               b.section(QLatin1Char('-'), -1).section(QLatin1Char('.'), 0, 0).toInt();
    });
    for (const QString& file : files)
        pages << QImage(QDir(stem.absolutePath()).filePath(file)).convertToFormat(QImage::Format_Grayscale8);
    return pages;
}

// The share of the cells in which two renderings of a page differ; 1 for
// pages of different sizes.
double cellsDiffering(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull())
        return 1.0;
    int cells = 0;
    int differing = 0;
    for (int y = 0; y + kCell <= a.height(); y += kCell) {
        for (int x = 0; x + kCell <= a.width(); x += kCell) {
            int sumA = 0;
            int sumB = 0;
            for (int dy = 0; dy < kCell; ++dy) {
                const uchar* rowA = a.constScanLine(y + dy) + x;
                const uchar* rowB = b.constScanLine(y + dy) + x;
                for (int dx = 0; dx < kCell; ++dx) {
                    sumA += rowA[dx];
                    sumB += rowB[dx];
                }
            }
            ++cells;
            if (std::abs(sumA - sumB) > kCellTolerance * kCell * kCell)
                ++differing;
        }
    }
    return cells ? double(differing) / cells : 1.0;
}

} // namespace

class CupsPrintTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString printer_ = qEnvironmentVariable("SILTMERE_TEST_PRINTER");
    QString rejecting_ = qEnvironmentVariable("SILTMERE_TEST_REJECTING_PRINTER");
    QString out_ = qEnvironmentVariable("SILTMERE_TEST_PRINTER_OUT");
    // By the state printed: the printed job and the saved report.
    QMap<QString, QPair<QString, QString>> made_;

    // Waits for the queue to finish its jobs and returns the one file it
    // wrote that is not among `before`; empty where there is none.
    QString printedJob(const QStringList& before) const
    {
        QDeadlineTimer deadline(120000);
        while (!deadline.hasExpired()) {
            const bool pending = !toolOutput(QStringLiteral("lpstat"), {"-o", printer_}).trimmed().isEmpty();
            QStringList now = pdfFiles(out_);
            for (const QString& file : before)
                now.removeAll(file);
            if (!pending && now.size() == 1)
                return QDir(out_).filePath(now.first());
            if (!pending && now.size() > 1)
                return {};
            QTest::qWait(200);
        }
        return {};
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!printer_.isEmpty() && !rejecting_.isEmpty() && QFileInfo(out_).isDir(),
                 "run through scripts/checks/cups-print.sh, which sets up the queues");
        QVERIFY(dir_.isValid());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }

    // Chosen in Qt's print dialog, the cups-pdf queue prints the report:
    // on A4, as the queue's paper is, on as many pages as the saved report,
    // each page rendered as the saved one is.
    void printedJob_isTheSavedReportPageForPage_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("overview");
        QTest::newRow("three steps") << 3 << false;
        QTest::newRow("three steps and the overview") << 3 << true;
        QTest::newRow("no step taken") << 0 << false;
    }

    void printedJob_isTheSavedReportPageForPage()
    {
        QFETCH(int, steps);
        QFETCH(bool, overview);
        MainWindow w;
        if (steps == 3)
            w.allSteps();
        const ui::OverviewResults tables = ui::computeOverview(QStringLiteral("20"), 20.0);
        const ui::Report report = ui::buildReport(w.form.shownResults(), overview ? &tables : nullptr, kStamp);
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        const QString saved = dir_.filePath(tag + QStringLiteral(" saved.pdf"));
        QVERIFY(!ui::writePdfReport(report, saved, QPageSize(QPageSize::A4)));

        const QStringList before = pdfFiles(out_);
        ReportDialogAnswers answers;
        answers.printer = printer_;
        QVERIFY(ui::printReport(&w.form, report));
        QCOMPARE(answers.printDialogs, 1);
        QVERIFY2(answers.messages.isEmpty(), qPrintable(answers.messages.value(0).text));
        QVERIFY2(answers.printerNames.contains(printer_) && answers.printerNames.contains(rejecting_),
                 qPrintable(answers.printerNames.join(", ")));
        const QString printed = printedJob(before);
        QVERIFY2(!printed.isEmpty(), "the queue wrote no job");
        keepSample(printed, tag + QStringLiteral(" printed by cups-pdf.pdf"));
        made_[tag] = {printed, saved};

        const int pages = pdfPageCount(saved);
        QVERIFY(pages >= 1);
        QCOMPARE(pdfPageCount(printed), pages);
        const QList<QImage> printedPages = renderedPages(printed, dir_.filePath(tag + QStringLiteral(" printed")));
        const QList<QImage> savedPages = renderedPages(saved, dir_.filePath(tag + QStringLiteral(" saved")));
        QCOMPARE(printedPages.size(), pages);
        QCOMPARE(savedPages.size(), pages);
        for (int page = 0; page < pages; ++page) {
            const double differing = cellsDiffering(printedPages.at(page), savedPages.at(page));
            QVERIFY2(differing <= kMostCellsDiffering,
                     qPrintable(QStringLiteral("page %1: %2% of the cells differ")
                                    .arg(page + 1)
                                    .arg(differing * 100, 0, 'f', 2)));
        }
    }

    // The comparison tells reports apart: the results of three steps are
    // not the page of a report before any step, nor the overview's tables
    // the background's explanation.
    void comparison_tellsDifferentReportsApart_data()
    {
        QTest::addColumn<QString>("printedState");
        QTest::addColumn<QString>("savedState");
        QTest::addColumn<int>("page");
        QTest::newRow("three steps printed, no step saved") << "three steps" << "no step taken" << 1;
        QTest::newRow("the overview printed, the report without it saved")
            << "three steps and the overview" << "three steps" << 2;
    }

    void comparison_tellsDifferentReportsApart()
    {
        QFETCH(QString, printedState);
        QFETCH(QString, savedState);
        QFETCH(int, page);
        if (!made_.contains(printedState) || !made_.contains(savedState))
            QSKIP("the prints to compare were not made");
        const QList<QImage> printed = renderedPages(made_[printedState].first, dir_.filePath("apart printed"));
        const QList<QImage> saved = renderedPages(made_[savedState].second, dir_.filePath("apart saved"));
        QVERIFY(printed.size() >= page && saved.size() >= page);
        const double differing = cellsDiffering(printed.at(page - 1), saved.at(page - 1));
        QVERIFY2(differing > 10 * kMostCellsDiffering, qPrintable(QString::number(differing * 100) + "%"));
    }

    // Ctrl+P to a queue that refuses jobs: one message naming the printer
    // and CUPS's reason, nothing printed, the window as it was; the next
    // print, to a queue that takes it, prints.
    void refusingPrinter_saysSoOnceAndGoesOn()
    {
        MainWindow w;
        w.allSteps();
        w.activate();
        const Snapshot before = snapshot(w.form);
        const QStringList jobsBefore = pdfFiles(out_);
        {
            ReportDialogAnswers answers;
            answers.printer = rejecting_;
            QTest::keyClick(w.focus(), Qt::Key_P, Qt::ControlModifier);
            QCOMPARE(answers.printDialogs, 1);
            QCOMPARE(answers.messages.size(), 1);
            const QString message = answers.messages.first().text;
            QVERIFY2(message.contains(QStringLiteral("could not be printed on “%1”").arg(rejecting_)),
                     qPrintable(message));
            QVERIFY2(message.contains(QStringLiteral("not accepting jobs")), qPrintable(message));
            QVERIFY(!(answers.messages.first().buttons & QMessageBox::Retry));
        }
        QVERIFY(snapshot(w.form) == before);
        QCOMPARE(pdfFiles(out_), jobsBefore);

        w.activate();
        ReportDialogAnswers answers;
        answers.printer = printer_;
        QTest::keyClick(w.focus(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY2(answers.messages.isEmpty(), qPrintable(answers.messages.value(0).text));
        const QString printed = printedJob(jobsBefore);
        QVERIFY2(!printed.isEmpty(), "the queue wrote no job");
        QVERIFY(pdfPageCount(printed) >= 1);
        QVERIFY(snapshot(w.form) == before);
    }
};

// Not SILTMERE_UI_TEST_MAIN: its guard against modal dialogs would stop the
// dialogs that these tests answer.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", SILTMERE_TEST_PLATFORM);
    QApplication app(argc, argv);
    CupsPrintTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CupsPrintTest.moc"
