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
#include <QProcess>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

using namespace siltmere;
using namespace siltmere::test;

namespace {

const ui::ReportStamp kStamp{QDateTime(QDate(2026, 12, 10), QTime(9, 15), QTimeZone(0)), QStringLiteral("9.8.7"),
                             QStringLiteral("Test Platform 1")};

// Pages are rendered at this resolution to be compared: fine enough that
// each figure of a table shows in a dozen pixels or more.
constexpr int kCompareDpi = 150;
// Ghostscript's fonts render a shade bolder than the saved report's, and a
// line of text may sit a pixel or two lower (Ghostscript 10.05 puts a bold
// heading 1.5 pixels off at this resolution), so glyph edges fall up to two
// pixels apart; a pixel differs only where no pixel within kReach of its
// place on the other page comes within kGreyTolerance levels of its grey.
// Measured with Ghostscript 10.0 and 10.05: a printed page and its saved one
// differ in 0 or 1 such pixels; a report that gives the limit as 21% where
// the other has 20% (one figure changed, the rest alike) in 18 to 23. A page
// may differ in kMostPixelsApart.
constexpr int kReach = 2;
constexpr int kGreyTolerance = 128;
constexpr int kMostPixelsApart = 8;

QStringList pdfFiles(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

// The pages of a PDF as grey images, rendered by poppler.
QList<QImage> renderedPages(const QString& pdf, const QString& prefix)
{
    QProcess pdftoppm;
    // Its warnings about Ghostscript's Type 3 glyphs are many and harmless.
    pdftoppm.setStandardErrorFile(QProcess::nullDevice());
    pdftoppm.start(QStringLiteral("pdftoppm"), {"-r", QString::number(kCompareDpi), "-gray", "-png", pdf, prefix});
    QList<QImage> pages;
    if (!pdftoppm.waitForFinished(120000) || pdftoppm.exitStatus() != QProcess::NormalExit || pdftoppm.exitCode() != 0)
        return pages;
    // Named PREFIX-N.png, N with as many digits as the last page's number.
    const QFileInfo stem(prefix);
    const QDir folder = stem.absoluteDir();
    QStringList files = folder.entryList({stem.fileName() + QStringLiteral("-*.png")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        pages << QImage(folder.filePath(file)).convertToFormat(QImage::Format_Grayscale8);
    return pages;
}

// The pixels of `a` that no pixel of `b` within kReach of their place comes
// close to in grey.
int pixelsWithoutMatch(const QImage& a, const QImage& b)
{
    int apart = 0;
    for (int y = kReach; y + kReach < a.height(); ++y) {
        for (int x = kReach; x + kReach < a.width(); ++x) {
            const int grey = a.constScanLine(y)[x];
            bool matched = false;
            for (int dy = -kReach; dy <= kReach && !matched; ++dy) {
                const uchar* row = b.constScanLine(y + dy);
                for (int dx = -kReach; dx <= kReach && !matched; ++dx)
                    matched = std::abs(grey - row[x + dx]) <= kGreyTolerance;
            }
            if (!matched)
                ++apart;
        }
    }
    return apart;
}

// How many pixels two renderings of a page differ in, either way; every
// pixel where the pages' sizes differ.
int pixelsApart(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull())
        return std::max(a.width() * a.height(), b.width() * b.height());
    return std::max(pixelsWithoutMatch(a, b), pixelsWithoutMatch(b, a));
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
    // wrote that is not among `before`; empty where there is none, or at
    // once where the queue stopped, as CUPS stops a queue whose filter
    // failed (queueState() says why).
    QString printedJob(const QStringList& before) const
    {
        QDeadlineTimer deadline(120000);
        while (!deadline.hasExpired() && !queueState().contains(QStringLiteral("disabled"))) {
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

    QString queueState() const { return toolOutput(QStringLiteral("lpstat"), {"-l", "-p", printer_}); }

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
        const ui::Report report = ui::buildReport(w.form.assessment(), overview ? &tables : nullptr, kStamp);
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
        QVERIFY2(!printed.isEmpty(), qPrintable("the queue wrote no job: " + queueState()));
        keepSample(printed, tag + QStringLiteral(" printed by cups-pdf.pdf"));
        keepSample(saved, tag + QStringLiteral(" saved.pdf"));
        made_[tag] = {printed, saved};

        const int pages = pdfPageCount(saved);
        QVERIFY(pages >= 1);
        QCOMPARE(pdfPageCount(printed), pages);
        const QList<QImage> printedPages = renderedPages(printed, dir_.filePath(tag + QStringLiteral(" printed")));
        const QList<QImage> savedPages = renderedPages(saved, dir_.filePath(tag + QStringLiteral(" saved")));
        QCOMPARE(printedPages.size(), pages);
        QCOMPARE(savedPages.size(), pages);
        for (int page = 0; page < pages; ++page) {
            const int apart = pixelsApart(printedPages.at(page), savedPages.at(page));
            QVERIFY2(apart <= kMostPixelsApart,
                     qPrintable(QStringLiteral("page %1: %2 pixels differ").arg(page + 1).arg(apart)));
        }
    }

    // The comparison tells reports apart, down to a figure: the print of
    // the three steps is not the page of the same steps judged by a limit
    // one percent higher (its verdicts alike, one figure of the inputs
    // changed), nor a report before any step.
    void comparison_tellsDifferentReportsApart_data()
    {
        QTest::addColumn<QString>("limit");
        QTest::addColumn<int>("steps");
        QTest::newRow("the limit one figure apart") << "21" << 3;
        QTest::newRow("no step taken") << "20" << 0;
    }

    void comparison_tellsDifferentReportsApart()
    {
        QFETCH(QString, limit);
        QFETCH(int, steps);
        if (!made_.contains(QStringLiteral("three steps")))
            QSKIP("the print to compare with was not made");
        MainWindow w;
        typeLimit(w.limit, limit);
        if (steps == 3)
            w.allSteps();
        const ui::Report report = ui::buildReport(w.form.assessment(), nullptr, kStamp);
        const QString other = dir_.filePath(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".pdf"));
        QVERIFY(!ui::writePdfReport(report, other, QPageSize(QPageSize::A4)));
        keepSample(other, QFileInfo(other).fileName());
        const QList<QImage> printed =
            renderedPages(made_[QStringLiteral("three steps")].first, dir_.filePath("apart printed"));
        const QList<QImage> saved = renderedPages(other, dir_.filePath("apart saved"));
        QVERIFY(!printed.isEmpty() && !saved.isEmpty());
        const int apart = pixelsApart(printed.first(), saved.first());
        QVERIFY2(apart > kMostPixelsApart, qPrintable(QStringLiteral("%1 pixels differ").arg(apart)));
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
        QVERIFY2(!printed.isEmpty(), qPrintable("the queue wrote no job: " + queueState()));
        QVERIFY(pdfPageCount(printed) >= 1);
        QVERIFY(snapshot(w.form) == before);
    }
};

// Not SILTMERE_UI_TEST_MAIN: its guard against modal dialogs would stop the
// dialogs that these tests answer.
int main(int argc, char** argv)
{
    return siltmere::test::runUiTest<CupsPrintTest>(argc, argv, siltmere::test::ModalDialogs::Answered);
}

#include "CupsPrintTest.moc"
