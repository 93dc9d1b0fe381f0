// Saving the report from the main window: Ctrl+S or the context menu's
// entry, the save dialog's proposal, the report's text as the window shows
// it, and a save that fails, which says why and where and changes nothing.

#include "HandWorked.h"
#include "PdfReadBack.h"
#include "ReportDialogAnswers.h"
#include "UiTestSupport.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace siltmere;
using namespace siltmere::test;

namespace {

const QString kSaveEntry = QStringLiteral("Save report as PDF…");

// Answers the dialogs a save opens, as a planner would: the save dialog with
// `path`, a question to replace a file with Yes, a warning with OK.
struct SaveAnswers : ReportDialogAnswers {
    explicit SaveAnswers(const QString& path)
    {
        savePath = path;
        onMessage = [](const ShownMessage& shown) {
            return shown.buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::NoButton;
        };
    }
    // The text of the warnings shown, if any.
    QString warning() const
    {
        QStringList warnings;
        for (const ShownMessage& shown : messages) {
            if (!shown.buttons.testFlag(QMessageBox::Yes))
                warnings << shown.text;
        }
        return warnings.join(QLatin1Char('\n'));
    }
};

struct ActiveWindow : MainWindow {
    ActiveWindow() { activate(); }
    void pressSave() const { QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier); }
};

// What the window shows, as its rows read in the report: a row's name wraps
// in its cell, so its last words follow the numbers.
const QString kLoads =
    QString::fromStdString("Critical total load (tonnes per " + joined(kHandWorkedLoads[kFiveMm], " ") + " event)");
const QString kBaseline = QString::fromStdString("Exceedances over 25 years, " +
                                                 joined(kHandWorkedBaseline[kFiveMm], " ") + " existing land use");
const QString kScenario =
    QString::fromStdString("Exceedances over 25 years, " + joined(kHandWorkedWithControls[kFiveMm], " ") + " scenario");
const QString kPercentages = QStringLiteral("Percentage increase n/a 56% 38% 100% 20% 0% "
                                            "above the limit above the limit above the limit within the limit "
                                            "within the limit");

} // namespace

class SaveReportTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void saving_writesWhatTheWindowShows_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("otherScenario");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("notShown");
        const QString notTaken = QStringLiteral("Steps not yet taken for these inputs: ");
        QTest::newRow("the three steps taken")
            << 3 << false
            << QStringList{kLoads, kBaseline, kScenario, kPercentages, "Scenario Earthworks with Controls"}
            << QStringList{notTaken};
        QTest::newRow("only the loads step taken")
            << 1 << false
            << QStringList{kLoads, notTaken + "“Calculate: Exceedances over 25 Year Period” and “Calculate: % increase "
                                              "scenario vs baseline”."}
            << QStringList{kBaseline, kScenario, "Percentage increase"};
        QTest::newRow("no step taken")
            << 0 << false
            << QStringList{notTaken + "“Calculate: Critical Total Loads”, “Calculate: Exceedances over 25 Year "
                                      "Period” and “Calculate: % increase scenario vs baseline”."}
            << QStringList{"Subestuary 1 2 3 4 5 6", "Critical total load (tonnes per"};
        // The baseline stays; the scenario's row was cleared with the change.
        QTest::newRow("scenario changed after the steps")
            << 3 << true
            << QStringList{kLoads, kBaseline, "Scenario Earthworks without Controls",
                           notTaken + "“Calculate: Exceedances over 25 Year Period” and “Calculate: % increase "
                                      "scenario vs baseline”."}
            << QStringList{kScenario, "Percentage increase"};
    }

    void saving_writesWhatTheWindowShows()
    {
        QFETCH(int, steps);
        QFETCH(bool, otherScenario);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, notShown);
        ActiveWindow w;
        const std::array<QPushButton*, 3> buttons{w.command1, w.command2, w.command3};
        for (int i = 0; i < steps; ++i)
            click(buttons.at(static_cast<std::size_t>(i)));
        if (otherScenario)
            clickOption(w.option2);
        const Snapshot before = snapshot(w.form);

        const QString path = dir_.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
        SaveAnswers answers(path);
        w.pressSave();
        QVERIFY2(answers.warning().isEmpty(), qPrintable(answers.warning()));
        QVERIFY(snapshot(w.form) == before);
        keepSample(path, QStringLiteral("window, %1.pdf").arg(QTest::currentDataTag()));

        QVERIFY(declaresPdfA1(path));
        const int pages = pdfPageCount(path);
        QVERIFY2(pages >= 1 && pages <= 2, qPrintable(QString::number(pages)));
        const QString text = pdfText(path);
        if (text.isNull())
            QSKIP("pdftotext is not installed: the file was checked, its text was not");
        for (const QString& line : shown)
            QVERIFY2(text.contains(line), qPrintable(line + "\nnot in:\n" + text));
        for (const QString& line : notShown)
            QVERIFY2(!text.contains(line), qPrintable(line + "\nin:\n" + text));
        // The fixed inputs, the program and where it ran, the background.
        for (const QString& line :
             {QStringLiteral("Critical deposition thickness 5 mm"), QStringLiteral("Acceptability limit 20 %"),
              QStringLiteral("Settled sediment density 1200 kg/m³"), QStringLiteral("Unit sediment load 1000 kg"),
              QStringLiteral("with Siltmere " SILTMERE_VERSION),
              QStringLiteral("Platform: ") + QSysInfo::prettyProductName(),
              QStringLiteral("6 subcatchments deposit sediment into the estuary")}) {
            QVERIFY2(text.contains(line), qPrintable(line + "\nnot in:\n" + text));
        }
    }

    // The overview's tables are in the report while the overview is open,
    // and Ctrl+S saves from the overview too.
    void report_holdsTheOverviewWhileItIsOpen_data()
    {
        QTest::addColumn<bool>("closeIt");
        QTest::newRow("saved from the open overview") << false;
        QTest::newRow("saved after closing the overview") << true;
    }

    void report_holdsTheOverviewWhileItIsOpen()
    {
        QFETCH(bool, closeIt);
        ActiveWindow w;
        QWidget* overview = w.openOverview();
        QVERIFY(overview);
        if (closeIt) {
            overview->close();
            w.activate();
        }
        const QString path = dir_.filePath(QStringLiteral("overview %1.pdf").arg(closeIt));
        SaveAnswers answers(path);
        w.pressSave();
        QVERIFY2(answers.warning().isEmpty(), qPrintable(answers.warning()));
        keepSample(path, QStringLiteral("window, %1.pdf").arg(QTest::currentDataTag()));
        const QString text = pdfText(path);
        if (text.isNull())
            QSKIP("pdftotext is not installed");
        // 5 mm with controls, as the overview's cells show it.
        const QString row = QStringLiteral("5 mm n/a 56% above 38% above 100% above 20% within 0% within");
        QVERIFY2(text.contains(row) != closeIt, qPrintable(text));
    }

    // The limit the percentages were judged by, as the step read it.
    void report_givesTheLimitAsTheWindowReadIt()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ActiveWindow w;
        typeLimit(w.limit, QStringLiteral("37,5"));
        w.allSteps();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QString path = dir_.filePath(QStringLiteral("limit 37,5.pdf"));
        SaveAnswers answers(path);
        w.pressSave();
        const QString text = pdfText(path);
        if (text.isNull())
            QSKIP("pdftotext is not installed");
        QVERIFY2(text.contains(QStringLiteral("Acceptability limit 37.5 %")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("“above the limit” (red) of 37.5 %")), qPrintable(text));
    }

    // The save dialog's proposal: today's report in the documents folder. A
    // name with spaces and letters beyond ASCII, replacing a file, is
    // written. (The entry's place in the window's menus: MenuBarTest.)
    void entry_proposesTodaysReportInTheDocumentsFolder()
    {
        ActiveWindow w;
        QAction* entry = windowAction(w.form, kSaveEntry);
        QVERIFY(entry);
        const QString overviewEntry = QStringLiteral("Overview of all thicknesses and scenarios…");
        // A text box's own editing menu ends with the window's entries.
        QStringList boxMenu;
        QTimer::singleShot(0, this, [&boxMenu] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (const QAction* action : menu->actions())
                    boxMenu << action->text();
                menu->close();
            }
        });
        emit w.limit->customContextMenuRequested(QPoint(4, 4));
        QCOMPARE(boxMenu.mid(boxMenu.size() - 5),
                 (QStringList{QStringLiteral("Copy results"), overviewEntry, kSaveEntry,
                              QStringLiteral("Print report…"), QStringLiteral("Print preview…")}));

        const QString folder = dir_.filePath(QStringLiteral("Rapports d’été – Ōtāhuhu"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = QDir(folder).filePath(QStringLiteral("Consent report — Ōtāhuhu estuary.pdf"));
        {
            QFile existing(path);
            QVERIFY(existing.open(QIODevice::WriteOnly) && existing.write("older") == 5);
        }
        const QDate before = QDate::currentDate();
        SaveAnswers answers(path);
        entry->trigger();
        const QDate after = QDate::currentDate();

        const QFileInfo proposed(answers.proposedSave);
        QVERIFY2(proposed.fileName() == QStringLiteral("Siltmere report %1.pdf").arg(before.toString(Qt::ISODate)) ||
                     proposed.fileName() == QStringLiteral("Siltmere report %1.pdf").arg(after.toString(Qt::ISODate)),
                 qPrintable(answers.proposedSave));
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (QFileInfo::exists(documents))
            QCOMPARE(proposed.absolutePath(), QFileInfo(documents).absoluteFilePath());
        // The file there was replaced (asking first is the dialog's part).
        QVERIFY(answers.warning().isEmpty());
        QVERIFY(declaresPdfA1(path));
    }

    // Qt's file dialog writes the toolkit's settings shared by every Qt
    // program as it closes: a planner who cancels is left with none, one who
    // saves keeps the dialog's history. The settings already there are set
    // aside and put back.
    void cancelledSave_leavesNoSettings()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings shared(QSettings::UserScope, QStringLiteral("QtProject"));
        QHash<QString, QVariant> kept;
        for (const QString& key : shared.allKeys())
            kept.insert(key, shared.value(key));
        shared.clear();
        shared.sync();
        QFile::remove(shared.fileName());
        const auto written = [] {
            return !QSettings(QSettings::UserScope, QStringLiteral("QtProject")).allKeys().isEmpty();
        };

        ActiveWindow w;
        {
            ReportDialogAnswers cancel;
            cancel.cancelSave = true;
            windowAction(w.form, kSaveEntry)->trigger();
        }
        const bool afterCancel = written();
        const bool fileAfterCancel = QFileInfo::exists(shared.fileName());
        {
            SaveAnswers save(dir_.filePath(QStringLiteral("kept history.pdf")));
            windowAction(w.form, kSaveEntry)->trigger();
        }
        const bool afterSave = written();

        shared.clear();
        for (auto it = kept.cbegin(); it != kept.cend(); ++it)
            shared.setValue(it.key(), it.value());
        shared.sync();
        QStandardPaths::setTestModeEnabled(false);
        QVERIFY(!afterCancel);
        QVERIFY2(!fileAfterCancel, qPrintable(shared.fileName()));
        QVERIFY(afterSave);
    }

    // A folder that cannot be written: the warning names the file as the
    // platform writes paths and says why; the window goes on as it was.
    void failedSave_saysWhyAndWhere()
    {
        ActiveWindow w;
        w.allSteps();
        const Snapshot before = snapshot(w.form);
        const QString notAFolder = dir_.filePath(QStringLiteral("not a folder"));
        {
            QFile file(notAFolder);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QString path = notAFolder + QStringLiteral("/report.pdf");
        QString warning;
        {
            SaveAnswers answers(path);
            w.pressSave();
            warning = answers.warning();
        }
        QVERIFY2(warning.contains(QDir::toNativeSeparators(path)), qPrintable(warning));
        // The reason follows the path; a platform words it its own way.
        const QString reason = warning.section(QDir::toNativeSeparators(path), 1).trimmed();
        QVERIFY2(!reason.isEmpty(), qPrintable(warning));
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(snapshot(w.form) == before);
        // The window still saves, once it has the focus back, and does not
        // propose the folder that failed.
        w.activate();
        SaveAnswers again(dir_.filePath(QStringLiteral("after a failure.pdf")));
        w.pressSave();
        QVERIFY(again.warning().isEmpty());
        QVERIFY2(QFileInfo(again.proposedSave).absolutePath() != notAFolder, qPrintable(again.proposedSave));
        QVERIFY(declaresPdfA1(dir_.filePath(QStringLiteral("after a failure.pdf"))));
    }
};

// Not SILTMERE_UI_TEST_MAIN: its guard against modal dialogs would stop the
// save dialog that these tests answer.
int main(int argc, char** argv)
{
    return siltmere::test::runUiTest<SaveReportTest>(argc, argv, siltmere::test::ModalDialogs::Answered);
}

#include "SaveReportTest.moc"
