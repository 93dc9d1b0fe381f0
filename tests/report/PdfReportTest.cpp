// The report as a file: a PDF/A-1b document that fits on two pages of A4 or
// US Letter, with embedded outline fonts and text that reads back as the
// windows showed it; and a write that fails keeps whatever file was there.

#include "PdfReport.h"
#include "PdfReadBack.h"
#include "Report.h"
#include "UiTestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace siltmere;
using namespace siltmere::test;

namespace {

const ui::ReportStamp kStamp{QDateTime(QDate(2026, 12, 9), QTime(23, 50), QTimeZone(3600)), QStringLiteral("9.8.7"),
                             QStringLiteral("Test Platform 1")};

// The fullest report there is: the three steps taken and the overview open.
ui::Report fullReport()
{
    MainWindow w;
    w.allSteps();
    const ui::OverviewResults overview = ui::computeOverview(QStringLiteral("20"), 20.0);
    return ui::buildReport(w.form.assessment(), &overview, kStamp);
}

#ifdef Q_OS_LINUX
// A disk that fills up after `bytes`: writes past that size fail (EFBIG)
// instead of ending the process, for as long as this lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*previous_)(int) = nullptr;
};
#endif

} // namespace

class PdfReportTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString written(const QString& name, const QPageSize& pageSize = QPageSize(QPageSize::A4))
    {
        QString path = dir_.filePath(name);
        const std::optional<QString> error = ui::writePdfReport(fullReport(), path, pageSize);
        if (error)
            qWarning("writing %s failed: %s", qPrintable(path), qPrintable(*error));
        keepSample(path, name);
        return path;
    }

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void fullReport_fitsOnTwoPages_data()
    {
        QTest::addColumn<int>("paper");
        // The paper's name as pdfinfo finds it from the page's size.
        QTest::addColumn<QString>("pdfinfoPaper");
        QTest::newRow("A4") << int(QPageSize::A4) << "(A4)";
        QTest::newRow("US Letter") << int(QPageSize::Letter) << "(letter)";
    }

    void fullReport_fitsOnTwoPages()
    {
        QFETCH(int, paper);
        QFETCH(QString, pdfinfoPaper);
        const QString path = written(QStringLiteral("full %1.pdf").arg(QTest::currentDataTag()),
                                     QPageSize(static_cast<QPageSize::PageSizeId>(paper)));
        const int pages = pdfPageCount(path);
        QVERIFY2(pages >= 1 && pages <= 2, qPrintable(QString::number(pages)));
        const QString info = toolOutput(QStringLiteral("pdfinfo"), {path});
        if (!info.isNull())
            QVERIFY2(info.contains(QRegularExpression(QStringLiteral("^Page size:.* pts ") +
                                                          QRegularExpression::escape(pdfinfoPaper) + QLatin1Char('$'),
                                                      QRegularExpression::MultilineOption)),
                     qPrintable(info));
        const QString text = pdfText(path);
        if (!text.isNull()) {
            // The footer counts the pages as the file has them.
            QVERIFY2(text.contains(QStringLiteral("Siltmere — page %1 of %1").arg(pages)), qPrintable(text));
        }
    }

    // What an archive asks of a file: PDF/A-1b, titled, every font embedded
    // as outlines, and a structure a checker accepts.
    void report_isAnArchivablePdf()
    {
        const QString path = written(QStringLiteral("archivable.pdf"));
        QVERIFY(declaresPdfA1(path));

        const QString info = toolOutput(QStringLiteral("pdfinfo"), {path});
        if (!info.isNull()) {
            QVERIFY2(info.contains(QRegularExpression(
                         QStringLiteral("^Title:\\s+Siltmere report: estuarine sediment deposition risk$"),
                         QRegularExpression::MultilineOption)),
                     qPrintable(info));
            QVERIFY2(info.contains(QRegularExpression(QStringLiteral("^Creator:\\s+Siltmere 9.8.7$"),
                                                      QRegularExpression::MultilineOption)),
                     qPrintable(info));
        }

        const QString fonts = toolOutput(QStringLiteral("pdffonts"), {path});
        if (!fonts.isNull()) {
            // A header of two lines, then one line per font; "emb" is the
            // third column from the right.
            const QStringList lines = fonts.trimmed().split(QLatin1Char('\n')).mid(2);
            QVERIFY2(!lines.isEmpty(), qPrintable(fonts));
            for (const QString& line : lines) {
                const QStringList columns = line.simplified().split(QLatin1Char(' '));
                QVERIFY2(columns.size() >= 6 && columns.at(columns.size() - 5) == QStringLiteral("yes"),
                         qPrintable(fonts));
                QVERIFY2(!line.contains(QStringLiteral("Type 3")), qPrintable(fonts));
            }
        }

        const QString check = toolOutput(QStringLiteral("qpdf"), {"--check", path});
        if (!check.isNull())
            QVERIFY2(check.contains(QStringLiteral("No syntax or stream encoding errors found")), qPrintable(check));
    }

    // The overview's tables as the overview computed them, 5 mm at a limit
    // of 20 %: the same numbers the main window's three steps show.
    void overview_readsBackAsComputed()
    {
        const QString text = pdfText(written(QStringLiteral("overview.pdf")));
        if (text.isNull())
            QSKIP("pdftotext is not installed");
        QVERIFY2(text.contains(QStringLiteral("5 mm n/a 56% above 38% above 100% above 20% within 0% within "
                                              "0→0 9→14 8→11 3→6 15→18 1→1")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("5 mm 40909 2074 2219 4093 1509 7248")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Earthworks without Controls")), qPrintable(text));
    }

    // Names as planners give them, and folders deeper than Windows' old
    // limit of 260 characters.
    void write_takesAnyName_data()
    {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QString>("name");
        QTest::newRow("spaces and letters beyond ASCII")
            << QStringList{"Berichte Ørsted", "Ōtāhuhu 2026"} << "Consent report — Étang Ōtāhuhu.pdf";
        QStringList deep;
        for (int i = 0; i < 8; ++i)
            deep << QStringLiteral("subestuary %1 sediment deposition reports folder").arg(i);
        QTest::newRow("a path of more than 400 characters") << deep << "Siltmere report 2026-12-09.pdf";
    }

    void write_takesAnyName()
    {
        QFETCH(QStringList, folders);
        QFETCH(QString, name);
        QTemporaryDir root;
        const QString folder = root.filePath(folders.join(QLatin1Char('/')));
        QVERIFY(QDir().mkpath(folder));
        const QString path = QDir(folder).filePath(name);
        if (folders.size() > 2)
            QVERIFY(path.size() > 400);
        const std::optional<QString> error = ui::writePdfReport(fullReport(), path, QPageSize(QPageSize::A4));
        QVERIFY2(!error, qPrintable(error.value_or(QString())));
        QVERIFY(declaresPdfA1(path));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{name});
    }

    void failedWrite_keepsTheExistingFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("a folder that does not exist") << "no such folder/report.pdf" << false;
        QTest::newRow("a folder that is a file") << "a file/report.pdf" << false;
#ifdef Q_OS_LINUX
        QTest::newRow("a disk that fills up") << "existing report.pdf" << true;
#endif
    }

    void failedWrite_keepsTheExistingFile()
    {
        QFETCH(QString, target);
        QFETCH(bool, diskFull);
        QTemporaryDir folder;
        const QByteArray old = "%PDF-1.4 an earlier report, kept byte for byte\n";
        for (const QString& name : {QStringLiteral("a file"), QStringLiteral("existing report.pdf")}) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        }
        const ui::Report report = fullReport();
        const QString path = folder.filePath(target);

        std::optional<QString> error;
        if (diskFull) {
#ifdef Q_OS_LINUX
            const FileSizeLimit limit(4096);
            error = ui::writePdfReport(report, path, QPageSize(QPageSize::A4));
#endif
        } else {
            error = ui::writePdfReport(report, path, QPageSize(QPageSize::A4));
        }
        QVERIFY(error);
        QVERIFY(!error->isEmpty());
        QCOMPARE(fileBytes(folder.filePath("a file")), old);
        QCOMPARE(fileBytes(folder.filePath("existing report.pdf")), old);
        // No half-written report beside them.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2);
    }
};

SILTMERE_UI_TEST_MAIN(PdfReportTest)
#include "PdfReportTest.moc"
