// Printing the report from the main window: the entries beside "Save report
// as PDF…", a cancelled print dialog that changes nothing, a print to a PDF
// file (from the print dialog and from the preview) that holds the saved
// report's pages and text, the preview's pages, and a file held open by
// another program, which the planner is told about and which Retry writes
// once it is let go (Windows only: Linux replaces such a file).

#include "PdfReadBack.h"
#include "PdfReport.h"
#include "Report.h"
#include "ReportDialogAnswers.h"
#include "ReportPrinting.h"
#include "UiTestSupport.h"

#include <QAction>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

using namespace siltmere;
using namespace siltmere::test;

namespace {

const QString kPrintEntry = QStringLiteral("Print report…");
const QString kPreviewEntry = QStringLiteral("Print preview…");

const ui::ReportStamp kStamp{QDateTime(QDate(2026, 12, 10), QTime(9, 15), QTimeZone(0)), QStringLiteral("9.8.7"),
                             QStringLiteral("Test Platform 1")};

#ifndef Q_OS_WIN
// The moment a report was made differs between two made one after the
// other; the rest is to be the same.
QString withoutMoment(QString text)
{
    static const QRegularExpression kMoment(QStringLiteral("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d UTC[+-]\\d\\d:\\d\\d"));
    return text.replace(kMoment, QStringLiteral("(moment)"));
}

QString pageSizeOf(const QString& path)
{
    const QString info = toolOutput(QStringLiteral("pdfinfo"), {path});
    return info.section(QStringLiteral("Page size:"), 1).section(QLatin1Char('\n'), 0, 0).simplified();
}
#endif

#ifdef Q_OS_WIN
// A program that holds `path` open without sharing it, as a PDF reader on
// Windows does, until it is let go.
class Holder {
public:
    explicit Holder(const QString& path)
    {
        process_.start(QCoreApplication::applicationDirPath() + QStringLiteral("/hold_open.exe"), {path});
        held_ = process_.waitForStarted(30000) && process_.waitForReadyRead(30000) &&
                process_.readAllStandardOutput().startsWith("held");
    }
    ~Holder() { letGo(); }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;
    bool held() const { return held_; }
    void letGo()
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.closeWriteChannel();
        if (!process_.waitForFinished(30000))
            process_.kill();
    }

private:
    QProcess process_;
    bool held_ = false;
};
#endif

} // namespace

class PrintReportTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        // A4 for the saved report, as for the printed one.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }

    // Ctrl+P printing, and the overview's entries the very same commands
    // (where the entries stand: MenuBarTest).
    void entries_printWithCtrlPFromEitherWindow()
    {
        MainWindow w;
        QAction* print = windowAction(w.form, kPrintEntry);
        QAction* preview = windowAction(w.form, kPreviewEntry);
        QVERIFY(print && preview);
        QCOMPARE(print->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        QWidget* overview = w.openOverview();
        QVERIFY(overview);
        QVERIFY(windowAction(*overview, kPrintEntry) == print && windowAction(*overview, kPreviewEntry) == preview);
    }

#ifndef Q_OS_WIN
    // Qt's own print dialog: cancelled, nothing is said and nothing changes.
    void cancelledPrint_saysNothing()
    {
        MainWindow w;
        w.allSteps();
        w.activate();
        const Snapshot before = snapshot(w.form);
        ReportDialogAnswers answers;
        answers.cancelPrint = true;
        QTest::keyClick(w.focus(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(answers.printDialogs, 1);
        QVERIFY(answers.messages.isEmpty());
        QVERIFY(snapshot(w.form) == before);
    }

    // Printed to a PDF file, from the print dialog or from the preview, the
    // report has the saved report's pages, paper and text.
    void printToFile_givesTheSavedReport_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("overview");
        QTest::addColumn<bool>("fromPreview");
        QTest::newRow("three steps, from the print dialog") << 3 << false << false;
        QTest::newRow("three steps and the overview, from the print dialog") << 3 << true << false;
        QTest::newRow("no step taken, from the print dialog") << 0 << false << false;
        QTest::newRow("three steps and the overview, from the preview") << 3 << true << true;
    }

    void printToFile_givesTheSavedReport()
    {
        QFETCH(int, steps);
        QFETCH(bool, overview);
        QFETCH(bool, fromPreview);
        MainWindow w;
        if (steps == 3)
            w.allSteps();
        if (overview)
            QVERIFY(w.openOverview());
        w.activate();
        const Snapshot before = snapshot(w.form);
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        const QString printed = dir_.filePath(tag + QStringLiteral(" printed.pdf"));
        const QString saved = dir_.filePath(tag + QStringLiteral(" saved.pdf"));
        {
            ReportDialogAnswers answers;
            answers.printToFile = printed;
            answers.printFromPreview = fromPreview;
            if (fromPreview)
                windowAction(w.form, kPreviewEntry)->trigger();
            else
                QTest::keyClick(w.focus(), Qt::Key_P, Qt::ControlModifier);
            QCOMPARE(answers.printDialogs, 1);
            QVERIFY2(answers.messages.isEmpty(), qPrintable(answers.messages.value(0).text));
            if (fromPreview)
                QVERIFY(answers.previewPages >= 1);
        }
        {
            w.activate();
            ReportDialogAnswers answers;
            answers.savePath = saved;
            QTest::keyClick(w.focus(), Qt::Key_S, Qt::ControlModifier);
            QVERIFY(answers.messages.isEmpty());
        }
        QVERIFY(snapshot(w.form) == before);
        keepSample(printed, tag + QStringLiteral(", printed.pdf"));
        keepSample(saved, tag + QStringLiteral(", saved.pdf"));

        QVERIFY(QFileInfo::exists(printed));
        const int pages = pdfPageCount(saved);
        QVERIFY(pages >= 1);
        QCOMPARE(pdfPageCount(printed), pages);
        const QString text = pdfText(saved);
        if (text.isNull())
            QSKIP("poppler's tools are not installed: the pages were counted, their text not read");
        QCOMPARE(pageSizeOf(printed), pageSizeOf(saved));
        QVERIFY(pageSizeOf(saved).contains(QStringLiteral("(A4)")));
        QCOMPARE(withoutMoment(pdfText(printed)), withoutMoment(text));
        // What the state puts on the page is there, so the two did not
        // agree by both being empty.
        QCOMPARE(text.contains(QStringLiteral("Percentage increase n/a 56% 38% 100% 20% 0%")), steps == 3);
        QCOMPARE(text.contains(QStringLiteral("5 mm n/a 56% above")), overview);
    }
#endif

    // The preview has the pages the saved report has.
    void preview_showsTheReportsPages_data()
    {
        QTest::addColumn<bool>("overview");
        QTest::newRow("three steps") << false;
        QTest::newRow("three steps and the overview") << true;
    }

    void preview_showsTheReportsPages()
    {
        QFETCH(bool, overview);
        MainWindow w;
        w.allSteps();
        const ui::OverviewResults tables = ui::computeOverview(QStringLiteral("20"), 20.0);
        const ui::Report report = ui::buildReport(w.form.assessment(), overview ? &tables : nullptr, kStamp);
        const QString saved = dir_.filePath(QStringLiteral("preview %1.pdf").arg(overview));
        QVERIFY(!ui::writePdfReport(report, saved, ui::reportPageSize()));
        ReportDialogAnswers answers;
        ui::previewReport(&w.form, report);
        QVERIFY(answers.messages.isEmpty());
        QCOMPARE(answers.previewPages, pdfPageCount(saved));
    }

    // Saved over, or printed to, a file another program holds open: the
    // message says so and offers Retry, the earlier file stays until then,
    // and Retry writes the same report once the file is let go. A file that
    // cannot be written for another reason gets one message without Retry.
    void fileInUse_saysSoAndRetries_data()
    {
        QTest::addColumn<bool>("print");
        QTest::addColumn<bool>("held");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::newRow("saved while held, Retry once let go") << false << true << QMessageBox::Retry;
        QTest::newRow("saved while held, Cancel") << false << true << QMessageBox::Cancel;
        QTest::newRow("printed to a file while held, Retry once let go") << true << true << QMessageBox::Retry;
        QTest::newRow("saved into a folder that is a file") << false << false << QMessageBox::Ok;
        QTest::newRow("printed into a folder that is a file") << true << false << QMessageBox::Ok;
    }

    void fileInUse_saysSoAndRetries()
    {
        QFETCH(bool, print);
        QFETCH(bool, held);
        QFETCH(QMessageBox::StandardButton, answer);
#ifndef Q_OS_WIN
        if (held)
            QSKIP("Linux lets a file that another program has open be replaced");
#endif
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        QString path = dir_.filePath(tag + QStringLiteral(".pdf"));
        {
            QFile older(held ? path : dir_.filePath(tag));
            QVERIFY(older.open(QIODevice::WriteOnly) && older.write("older") == 5);
        }
        if (!held)
            path = dir_.filePath(tag) + QStringLiteral("/report.pdf");
        const ui::Report report = ui::buildReport(Assessment{}, nullptr, kStamp);
        QWidget parent;

#ifdef Q_OS_WIN
        Holder holder(held ? path : QString());
        QVERIFY(!held || holder.held());
#endif
        ReportDialogAnswers answers;
        QByteArray whileShown;
        // Held open, the file cannot be read either: it is read once let
        // go, before Retry.
        answers.onMessage = [&](const ShownMessage&) {
#ifdef Q_OS_WIN
            if (answer == QMessageBox::Retry)
                holder.letGo();
#endif
            whileShown = fileBytes(path);
            return answer;
        };
        bool done = false;
        if (print) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            ui::prepareReportPrinter(printer, report);
            done = ui::printReportOn(&parent, printer, report);
        } else {
            done = ui::saveReportWithRetry(&parent, report, path, ui::reportPageSize());
        }
#ifdef Q_OS_WIN
        holder.letGo();
#endif

        QCOMPARE(answers.messages.size(), 1);
        const ShownMessage& message = answers.messages.first();
        QVERIFY2(message.text.contains(QDir::toNativeSeparators(path)), qPrintable(message.text));
        QCOMPARE(message.text.contains(QStringLiteral("in use by another program")), held);
        QCOMPARE(bool(message.buttons & QMessageBox::Retry), held);
        if (held && answer == QMessageBox::Retry)
            QCOMPARE(whileShown, QByteArray("older"));
        QCOMPARE(done, answer == QMessageBox::Retry);
        if (done)
            QVERIFY(fileBytes(path).startsWith("%PDF-"));
        else if (held)
            QCOMPARE(fileBytes(path), QByteArray("older"));
        else
            QVERIFY(!QFileInfo::exists(path));
    }
};

// Not SILTMERE_UI_TEST_MAIN: its guard against modal dialogs would stop the
// dialogs that these tests answer.
int main(int argc, char** argv)
{
    return siltmere::test::runUiTest<PrintReportTest>(argc, argv, siltmere::test::ModalDialogs::Answered);
}

#include "PrintReportTest.moc"
