// Copy results through the real window and the real clipboard: the keyboard
// shortcut and the context menu's entry put the table of what the window
// shows on the clipboard, as text and as HTML, and change nothing in the
// window.

#include "HandWorked.h"
#include "UiTestSupport.h"

#include <QAction>
#include <QClipboard>
#include <QMimeData>
#include <QtTest>

using namespace siltmere;
using namespace siltmere::test;

namespace {

const QString kInputs = QStringLiteral(
    "Critical deposition thickness\t5 mm\tScenario\tEarthworks with Controls\tAcceptability limit (%)\t20\n");
// What the window shows at 5 mm, row by row, as the copied table gives it.
const QString kLoadsAndBaseline = QString::fromStdString(
    "Subestuary\t1\t2\t3\t4\t5\t6\nCritical total load (tonnes per event)\t" + joined(kHandWorkedLoads[kFiveMm], "\t") +
    "\nExceedances over 25 years, existing land use\t" + joined(kHandWorkedBaseline[kFiveMm], "\t") + "\n");
const QString kAfterThreeSteps =
    kInputs + kLoadsAndBaseline +
    QString::fromStdString("Exceedances over 25 years, scenario\t" + joined(kHandWorkedWithControls[kFiveMm], "\t") +
                           "\nPercentage increase\t" + joined(kHandWorkedAtTwenty[0][kFiveMm].texts, "\t") + "\n") +
    QStringLiteral("Verdict\t\tabove limit\tabove limit\tabove limit\twithin limit\twithin limit\n");

struct ActiveWindow : MainWindow {
    ActiveWindow()
    {
        form.activateWindow();
        if (!QTest::qWaitForWindowActive(&form))
            qFatal("window not active");
        QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
    }
    void pressCopyShortcut() const
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    }
    QAction* menuEntry() const
    {
        for (QAction* action : form.actions()) {
            if (action->text() == QStringLiteral("Copy results"))
                return action;
        }
        return nullptr;
    }
};

QString clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

} // namespace

class CopyResultsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void shortcut_copiesTheThreeStepsResults_fromAnyControl_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::newRow("the thickness list") << "List1";
        QTest::newRow("the limit box") << "AcceptanceBox";
        QTest::newRow("a calculation button") << "Command3";
    }

    void shortcut_copiesTheThreeStepsResults_fromAnyControl()
    {
        QFETCH(QString, focus);
        ActiveWindow w;
        w.allSteps();
        control<QWidget>(w.form, focus)->setFocus(Qt::OtherFocusReason);
        const Snapshot before = snapshot(w.form);
        w.pressCopyShortcut();
        QCOMPARE(clipboardText(), kAfterThreeSteps);
        QVERIFY2(snapshot(w.form) == before, qPrintable(describe(snapshot(w.form))));
        QCOMPARE(w.limit->text(), QStringLiteral("20"));
    }

    void clipboard_alsoHoldsTheColouredHtmlTable()
    {
        ActiveWindow w;
        w.allSteps();
        w.pressCopyShortcut();
        const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
        QVERIFY(mime && mime->hasHtml());
        QVERIFY(mime->html().contains("<td bgcolor=\"#ff0000\" sdval=\"0.56\" sdnum=\"1033;1033;0%\" x:num=\"0.56\" "
                                      "style=\"background-color:#ff0000;mso-number-format:0%\">56%</td>"));
        QVERIFY(mime->html().contains("<td bgcolor=\"#00ff00\" sdval=\"0.2\" sdnum=\"1033;1033;0%\" x:num=\"0.2\" "
                                      "style=\"background-color:#00ff00;mso-number-format:0%\">20%</td>"));
    }

    // The spreadsheet gets the limit the verdicts were judged by, read as the
    // window reads it, whichever separator was typed.
    void clipboard_givesTheLimitAsTheWindowReadsIt_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("number");
        QTest::newRow("German, comma") << "de_DE"
                                       << "20,5"
                                       << "20.5";
        QTest::newRow("German, point") << "de_DE"
                                       << "20.5"
                                       << "20.5";
        QTest::newRow("French, comma") << "fr_FR"
                                       << "12,25"
                                       << "12.25";
        QTest::newRow("English, point") << "en_US"
                                        << "20.5"
                                        << "20.5";
        QTest::newRow("English, comma") << "en_US"
                                        << "20,5"
                                        << "20.5";
    }

    void clipboard_givesTheLimitAsTheWindowReadsIt()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, number);
        QLocale::setDefault(QLocale(locale));
        ActiveWindow w;
        typeLimit(w.limit, typed);
        w.pressCopyShortcut();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QString html = QGuiApplication::clipboard()->mimeData()->html();
        QVERIFY2(html.contains(QStringLiteral("<td sdval=\"%1\" sdnum=\"1033;0;General\" x:num=\"%1\" "
                                              "style=\"mso-number-format:General\">%2</td>")
                                   .arg(number, typed)),
                 qPrintable(html));
    }

    void beforeAnyStep_onlyTheInputsAreCopied()
    {
        ActiveWindow w;
        w.pressCopyShortcut();
        QCOMPARE(clipboardText(), kInputs);
    }

    // A change of input clears results: the table follows what is shown.
    void afterAScenarioChange_onlyTheRowsStillShownAreCopied()
    {
        ActiveWindow w;
        w.allSteps();
        clickOption(w.option2);
        w.pressCopyShortcut();
        QCOMPARE(clipboardText(), QString(kInputs).replace("with Controls", "without Controls") + kLoadsAndBaseline);
    }

    void contextMenu_offersCopyResults_overTheWindowAndItsBoxes()
    {
        ActiveWindow w;
        QCOMPARE(w.form.contextMenuPolicy(), Qt::ActionsContextMenu);
        QAction* entry = w.menuEntry();
        QVERIFY(entry);
        QCOMPARE(entry->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+C")));
        // Text boxes keep their editing menu, with the entry added to it.
        QCOMPARE(w.limit->contextMenuPolicy(), Qt::CustomContextMenu);

        w.allSteps();
        entry->trigger();
        QCOMPARE(clipboardText(), kAfterThreeSteps);
    }

    void copying_runsNoHandler()
    {
        ActiveWindow w;
        w.allSteps();
        const std::string before = w.form.model().strRow(2);
        QSignalSpy listChanges(w.list, &QListWidget::itemSelectionChanged);
        QSignalSpy limitChanges(w.limit, &QLineEdit::textChanged);
        w.pressCopyShortcut();
        QCOMPARE(listChanges.count(), 0);
        QCOMPARE(limitChanges.count(), 0);
        QCOMPARE(w.form.model().strRow(2), before);
    }
};

SILTMERE_UI_TEST_MAIN(CopyResultsTest)
#include "CopyResultsTest.moc"
