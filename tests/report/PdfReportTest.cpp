// The report as a file: a PDF/A-1b document that fits on three pages of A4
// or US Letter with the working and the overview (two without them), with
// embedded outline fonts and text that reads back as the windows showed it
// and as the results were worked out; and a write that fails keeps whatever
// file was there.

#include "PdfReport.h"
#include "PdfReadBack.h"
#include "Report.h"
#include "UiTestSupport.h"

#include "AssessmentSteps.h"
#include "HandWorked.h"
#include "StartedModel.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

#include <array>
#include <cmath>
#include <numeric>
#include <tuple>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace siltmere;
using namespace siltmere::test;

namespace {

const ui::ReportStamp kStamp{QDateTime(QDate(2026, 12, 9), QTime(23, 50), QTimeZone(3600)), QStringLiteral("9.8.7"),
                             QStringLiteral("Test Platform 1")};

// The report after `steps` of the three steps, with the overview open or
// not; the fullest there is: all three and the overview.
ui::Report report(int steps, bool withOverview)
{
    MainWindow w;
    const std::array<QPushButton*, 3> buttons{w.command1, w.command2, w.command3};
    for (int i = 0; i < steps; ++i)
        click(buttons.at(static_cast<std::size_t>(i)));
    const ui::OverviewResults overview = ui::computeOverview(QStringLiteral("20"), 20.0);
    return ui::buildReport(w.form.assessment(), withOverview ? &overview : nullptr, kStamp);
}

ui::Report fullReport()
{
    return report(3, true);
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

    void report_fitsItsPages_data()
    {
        QTest::addColumn<int>("paper");
        // The paper's name as pdfinfo finds it from the page's size.
        QTest::addColumn<QString>("pdfinfoPaper");
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("overview");
        QTest::addColumn<int>("most"); // pages at most
        for (const auto& [paper, name, tag] : {std::tuple{int(QPageSize::A4), "(A4)", "A4"},
                                               std::tuple{int(QPageSize::Letter), "(letter)", "US Letter"}}) {
            QTest::addRow("%s, results, working and overview: three pages", tag) << paper << name << 3 << true << 3;
            QTest::addRow("%s, results and working, no overview: two pages", tag) << paper << name << 3 << false << 2;
            QTest::addRow("%s, no step taken, no overview: two pages", tag) << paper << name << 0 << false << 2;
        }
    }

    void report_fitsItsPages()
    {
        QFETCH(int, paper);
        QFETCH(QString, pdfinfoPaper);
        QFETCH(int, steps);
        QFETCH(bool, overview);
        QFETCH(int, most);
        const QString path = dir_.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()).replace(':', ' '));
        const std::optional<QString> error =
            ui::writePdfReport(report(steps, overview), path, QPageSize(static_cast<QPageSize::PageSizeId>(paper)));
        QVERIFY2(!error, qPrintable(error.value_or(QString())));
        keepSample(path, QFileInfo(path).fileName());
        const int pages = pdfPageCount(path);
        QVERIFY2(pages >= 1 && pages <= most, qPrintable(QString::number(pages)));
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
        // Text drawn out of sight is still found by a search: every word
        // lies below the top margin and above the footer's line.
        const QString boxes = toolOutput(QStringLiteral("pdftotext"), {"-bbox", path, "-"});
        const double top = ui::reportPageLayout(QPageSize(static_cast<QPageSize::PageSizeId>(paper)))
                               .paintRect(QPageLayout::Point)
                               .top();
        const QRegularExpression word(
            QStringLiteral("yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\">([^<]*)<"));
        for (const QString& page : boxes.split(QStringLiteral("<page "), Qt::SkipEmptyParts).mid(1)) {
            const QString footer = QStringLiteral(">page</word>");
            const QRegularExpressionMatch pageWord = word.match(page, page.indexOf(footer) - 60);
            QVERIFY2(pageWord.hasMatch(), qPrintable(page));
            const double footerTop = pageWord.captured(1).toDouble();
            for (const QRegularExpressionMatch& w : word.globalMatch(page)) {
                const bool inFooter = w.captured(1).toDouble() == footerTop;
                QVERIFY2(w.captured(1).toDouble() >= top - 0.5 && (inFooter || w.captured(2).toDouble() < footerTop),
                         qPrintable(w.captured(0)));
            }
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
        QVERIFY2(text.contains(QString::fromStdString("5 mm " + joined(kHandWorkedLoads[kFiveMm], " "))),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Earthworks without Controls")), qPrintable(text));
    }

    // The working of the results shown, as a reviewer reads it from the
    // printed page: each step's table against values worked out here from
    // the catchment's constants, by plain arithmetic.
    void working_readsBackAsWorkedOut_data()
    {
        QTest::addColumn<int>("thickness"); // position in the list
        QTest::addColumn<int>("scenario");  // the model's number
        QTest::addColumn<double>("limit");
        QTest::newRow("1 mm with controls, limit 20: 19.67 % within") << 0 << 1 << 20.0;
        QTest::newRow("5 mm with controls, limit 37.5: exactly 37.5 % within") << 2 << 1 << 37.5;
        QTest::newRow("20 mm without controls, limit 50: mostly n/a") << 4 << 2 << 50.0;
    }

    void working_readsBackAsWorkedOut()
    {
        QFETCH(int, thickness);
        QFETCH(int, scenario);
        QFETCH(double, limit);
        namespace c = constants;
        SedimentModel model = test::startedModel();
        AssessmentInputs inputs;
        inputs.thicknessPosition = thickness;
        inputs.scenarioNo = static_cast<std::int16_t>(scenario);
        inputs.limitValue = limit;
        inputs.limitText = QString::number(limit).toStdString();
        const QString path = dir_.filePath(QStringLiteral("working %1.pdf").arg(thickness));
        QVERIFY(!ui::writePdfReport(ui::buildReport(assessFully(model, inputs), nullptr, kStamp), path,
                                    QPageSize(QPageSize::A4)));
        keepSample(path, QFileInfo(path).fileName());
        const QString text = pdfText(path);
        if (text.isNull())
            QSKIP("pdftotext is not installed");
        QVERIFY(text.contains(QStringLiteral("How the results were worked out")));

        // Each row of a step's table: its name (which may wrap in its cell)
        // and its six cells in a run.
        const std::array<double, 5> metres{0.001, 0.002, 0.005, 0.01, 0.02};
        const double cdt = metres.at(static_cast<std::size_t>(thickness));
        const auto row = static_cast<std::size_t>(thickness);
        QString scenarioName = ui::toQString(kScenarios.at(scenario == 1 ? 0 : 1).spokenName);
        scenarioName[0] = scenarioName[0].toUpper();
        std::array<std::pair<QString, QStringList>, 8> rows{{
            {QStringLiteral("Settled, kg per tonne"), {}},
            {QStringLiteral("Critical total load, tonnes: %1 m").arg(cdt), {}},
            {QStringLiteral("Shown, whole tonnes"), {}},
            {QStringLiteral("Existing land use, events"), {}},
            {scenarioName + QStringLiteral(", events"), {}},
            {QStringLiteral("Increase before rounding, %"), {}},
            {QStringLiteral("Against the limit of %1 %").arg(limit), {}},
            {QStringLiteral("Shown"), {}},
        }};
        for (std::size_t k = 0; k < 6; ++k) {
            double kg = 0;
            for (std::size_t j = 0; j < 6; ++j)
                kg += c::kJk[j][k] * c::kLoadShare[j] * 1000.0;
            const double load = cdt / (kg / (c::kDepArea[k] * 1200.0));
            rows[0].second << QString::number(kg, 'g', 6);
            rows[1].second << QString::number(load, 'f', 2);
            rows[2].second << QString::number(std::nearbyint(load), 'f', 0);
            const int b = c::kBaselineCounts[row][k];
            const int s = (scenario == 1 ? c::kScenario1Counts : c::kScenario2Counts)[row][k];
            rows[3].second << QString::number(b);
            rows[4].second << QString::number(s);
            if (b == 0) {
                rows[5].second << QStringLiteral("none");
                rows[6].second << QStringLiteral("\u2013");
                rows[7].second << QStringLiteral("n/a");
                continue;
            }
            const double increase = (s - b) * 100.0 / b;
            // A whole or half percentage is exact; the others to the
            // hundredth, which decides both the rounding and the verdict here.
            const bool exact = (s - b) * 200 % b == 0;
            // The others as the fraction of the counts in lowest terms,
            // then to the hundredth.
            const int divisor = std::gcd(100 * (s - b), b);
            rows[5].second << (exact ? QString::number(increase) + QStringLiteral(" exactly")
                                     : QStringLiteral("%1/%2 \u2248 %3")
                                           .arg(100 * (s - b) / divisor)
                                           .arg(b / divisor)
                                           .arg(increase, 0, 'f', 2));
            rows[6].second << (increase > limit ? QStringLiteral("above") : QStringLiteral("within"));
            rows[7].second << QStringLiteral("%1%").arg(std::nearbyint(increase));
        }
        for (const auto& [name, cells] : rows) {
            QVERIFY2(text.contains(name), qPrintable(name));
            if (cells.join(QString()).contains(QChar(0x2248))) {
                // A fraction and its decimals may wrap in their narrow cell.
                for (const QString& cell : cells) {
                    for (const QString& part : cell.split(QStringLiteral(" \u2248 ")))
                        QVERIFY2(text.contains(part), qPrintable(name + QStringLiteral(": ") + part));
                }
                continue;
            }
            const QString run = cells.join(QLatin1Char(' '));
            QVERIFY2(text.contains(QLatin1Char(' ') + run + QLatin1Char(' ')),
                     qPrintable(name + QStringLiteral(": ") + run));
        }
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
