// Copy results through the real window and the real clipboard: the keyboard
// shortcut (the very action of the menus' entries, MenuBarTest) puts the
// table of what the window shows on the clipboard, as text and as HTML, and
// changes nothing in the window.

#include "HandWorked.h"
#include "UiTestSupport.h"

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
        activate();
        QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
    }
    void pressCopyShortcut() const { QTest::keyClick(focus(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier); }
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

    // The table follows what is shown: the inputs alone before any step,
    // and after a change of input only the rows it did not clear.
    void shortcut_copiesWhatTheWindowShows_fromAnyControl_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("steps");
        QTest::addColumn<bool>("otherScenario");
        QTest::addColumn<QString>("expected");
        QTest::newRow("three steps, from the thickness list") << "List1" << true << false << kAfterThreeSteps;
        QTest::newRow("three steps, from the limit box") << "AcceptanceBox" << true << false << kAfterThreeSteps;
        QTest::newRow("three steps, from a calculation button") << "Command3" << true << false << kAfterThreeSteps;
        QTest::newRow("before any step: only the inputs") << "List1" << false << false << kInputs;
        QTest::newRow("scenario changed after the steps: loads and baseline")
            << "List1" << true << true
            << QString(kInputs).replace("with Controls", "without Controls") + kLoadsAndBaseline;
    }

    void shortcut_copiesWhatTheWindowShows_fromAnyControl()
    {
        QFETCH(QString, focus);
        QFETCH(bool, steps);
        QFETCH(bool, otherScenario);
        QFETCH(QString, expected);
        ActiveWindow w;
        if (steps)
            w.allSteps();
        if (otherScenario)
            clickOption(w.option2);
        control<QWidget>(w.form, focus)->setFocus(Qt::OtherFocusReason);
        const Snapshot before = snapshot(w.form);
        w.pressCopyShortcut();
        QCOMPARE(clipboardText(), expected);
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
    // window reads it whichever separator was typed, and written in the
    // desktop's own format, in the text as in the HTML.
    void clipboard_givesTheLimitAsTheWindowReadsIt_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("shown");
        QTest::newRow("German, comma") << "de_DE"
                                       << "20,5"
                                       << "20.5"
                                       << "20,5";
        QTest::newRow("German, point") << "de_DE"
                                       << "20.5"
                                       << "20.5"
                                       << "20,5";
        QTest::newRow("French, comma") << "fr_FR"
                                       << "12,25"
                                       << "12.25"
                                       << "12,25";
        QTest::newRow("English, point") << "en_US"
                                        << "20.5"
                                        << "20.5"
                                        << "20.5";
        QTest::newRow("English, comma") << "en_US"
                                        << "20,5"
                                        << "20.5"
                                        << "20.5";
        QTest::newRow("English, thousands") << "en_US"
                                            << "1,000"
                                            << "1000"
                                            << "1000";
    }

    void clipboard_givesTheLimitAsTheWindowReadsIt()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, number);
        QFETCH(QString, shown);
        QLocale::setDefault(QLocale(locale));
        ActiveWindow w;
        typeLimit(w.limit, typed);
        w.pressCopyShortcut();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QString html = QGuiApplication::clipboard()->mimeData()->html();
        QVERIFY2(html.contains(QStringLiteral("<td sdval=\"%1\" sdnum=\"1033;0;General\" x:num=\"%1\" "
                                              "style=\"mso-number-format:General\">%2</td>")
                                   .arg(number, shown)),
                 qPrintable(html));
        const QString text = QGuiApplication::clipboard()->mimeData()->text();
        QVERIFY2(text.section(QLatin1Char('\n'), 0, 0).endsWith(QStringLiteral("\tAcceptability limit (%)\t") + shown),
                 qPrintable(text));
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
