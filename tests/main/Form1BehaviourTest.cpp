// The main window driven as a planner drives it: clicks on the list, the
// options and the buttons, keys typed into the limit box. After every action
// the whole display is compared with what the window is meant to show after it.

#include "HandWorked.h"
#include "UiTestSupport.h"

#include <QtTest>

using namespace siltmere;
using namespace siltmere::test;

namespace {

// The percentages' texts and colours at a limit of 20 %.
void setPercentages(Snapshot& s, const HandWorkedPercentages& percentages)
{
    for (std::size_t k = 0; k < kSubestuaryCount; ++k) {
        const QString verdict = QString::fromLatin1(percentages.verdicts[k]);
        s.rows[Percentage][k] = {QString::fromLatin1(percentages.texts[k]), true,
                                 verdict == "+"   ? kGreen
                                 : verdict == "-" ? kRed
                                                  : kWhite};
    }
}

// The display after all three steps at 5 mm, earthworks with controls,
// limit 20.
Snapshot fiveMillimetresWithControls()
{
    Snapshot s = startupState();
    fillRow(s, CriticalLoads, kHandWorkedLoads[kFiveMm]);
    fillRow(s, Baseline, kHandWorkedBaseline[kFiveMm]);
    fillRow(s, Scenario, kHandWorkedWithControls[kFiveMm]);
    setPercentages(s, kHandWorkedAtTwenty[0][kFiveMm]);
    s.command2 = true;
    s.command3 = true;
    s.caption = 1;
    s.legend = true;
    return s;
}

#define COMPARE_STATE(actual, expected)                                                                                \
    do {                                                                                                               \
        const Snapshot& a_ = (actual);                                                                                 \
        const Snapshot& e_ = (expected);                                                                               \
        if (!(a_ == e_))                                                                                               \
            QFAIL(qPrintable("display differs\nactual:\n" + describe(a_) + "\nexpected:\n" + describe(e_)));           \
    } while (false)

} // namespace

class Form1BehaviourTest : public QObject {
    Q_OBJECT

private slots:
    void startupState_isTheDesignStateWithFiveMillimetresChosen()
    {
        MainWindow w;
        COMPARE_STATE(snapshot(w.form), startupState());
        QCOMPARE(w.list->count(), 5);
        const QStringList entries{"1 mm", "2 mm", "5 mm", "10 mm", "20 mm"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(w.list->item(i)->text(), entries[i]);
        QCOMPARE(w.list->selectedItems().size(), 1);
        QCOMPARE(w.list->currentRow(), 2);
        QCOMPARE(w.limit->text(), QStringLiteral("20"));
        // Which options are chosen: ScreenReaderTest.
        QCOMPARE(w.form.model().CDT, 0.005);
        QCOMPARE(w.form.model().ThickIdx, std::int16_t{3});
        QCOMPARE(w.form.model().ScenarioNo, std::int16_t{1});
        QVERIFY(w.command1->isEnabled());
        QVERIFY(w.command4->isEnabled());
    }

    void laterStepsCannotBeTakenBeforeTheFirst()
    {
        MainWindow w;
        click(w.command2);
        click(w.command3);
        COMPARE_STATE(snapshot(w.form), startupState());
    }

    void threeSteps_fillTheRowsInOrder()
    {
        MainWindow w;
        Snapshot expected = startupState();
        click(w.command1);
        fillRow(expected, CriticalLoads, kHandWorkedLoads[kFiveMm]);
        expected.command2 = true;
        COMPARE_STATE(snapshot(w.form), expected);

        click(w.command2);
        fillRow(expected, Baseline, kHandWorkedBaseline[kFiveMm]);
        fillRow(expected, Scenario, kHandWorkedWithControls[kFiveMm]);
        expected.command3 = true;
        expected.caption = 1;
        COMPARE_STATE(snapshot(w.form), expected);

        click(w.command3);
        COMPARE_STATE(snapshot(w.form), fiveMillimetresWithControls());
    }

    // Each input handler, run after all three steps, clears exactly what
    // depends on its input.
    void inputHandlers_clearWhatDependsOnTheirInput_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("clearsLoadsAndBaseline");
        QTest::addColumn<int>("caption");
        QTest::newRow("thickness") << "thickness" << true << 0;
        QTest::newRow("limit") << "limit" << true << 1;
        QTest::newRow("scenario 2") << "option2" << false << 2;
        QTest::newRow("scenario 1") << "option1" << false << 1;
    }

    void inputHandlers_clearWhatDependsOnTheirInput()
    {
        QFETCH(QString, action);
        QFETCH(bool, clearsLoadsAndBaseline);
        QFETCH(int, caption);
        MainWindow w;
        if (action == "option1") {
            clickOption(w.option2);
        }
        w.allSteps();
        const Snapshot before = snapshot(w.form);
        QVERIFY(before.legend);

        if (action == "thickness")
            clickRow(w.list, 0);
        else if (action == "limit")
            QTest::keyClicks(w.limit, "5");
        else if (action == "option2")
            clickOption(w.option2);
        else
            clickOption(w.option1);

        Snapshot expected = before;
        clearRow(expected, Scenario);
        clearRow(expected, Percentage);
        expected.command3 = false;
        expected.legend = false;
        if (clearsLoadsAndBaseline) {
            clearRow(expected, CriticalLoads);
            clearRow(expected, Baseline);
            expected.command2 = false;
        }
        expected.caption = caption;
        COMPARE_STATE(snapshot(w.form), expected);
    }

    void scenarioChoice_setsTheModelsScenario()
    {
        MainWindow w;
        clickOption(w.option2);
        QCOMPARE(w.form.model().ScenarioNo, std::int16_t{2});
        QVERIFY(!w.option1->isChecked());
        QVERIFY(w.option3->isChecked());
        clickOption(w.option1);
        QCOMPARE(w.form.model().ScenarioNo, std::int16_t{1});
    }

    // Each piece is typed after steps 1 and 2 were taken again: every
    // keystroke of a new limit clears all rows.
    void aChangedLimit_clearsAllRows_data()
    {
        QTest::addColumn<QStringList>("pieces");
        QTest::addColumn<QString>("limit");
        QTest::newRow("the whole limit deleted: \"0\"") << QStringList{""} << "0";
        QTest::newRow("a new limit typed key by key") << QStringList{"3", "7"} << "37";
    }

    void aChangedLimit_clearsAllRows()
    {
        QFETCH(QStringList, pieces);
        QFETCH(QString, limit);
        MainWindow w;
        w.allSteps();
        typeLimit(w.limit, pieces.takeFirst());
        for (const QString& piece : pieces) {
            QVERIFY(!w.command2->isEnabled());
            click(w.command1);
            click(w.command2);
            QVERIFY(w.command3->isEnabled());
            QTest::keyClicks(w.limit, piece);
        }
        QCOMPARE(w.limit->text(), limit);
        Snapshot expected = startupState();
        expected.caption = 1;
        COMPARE_STATE(snapshot(w.form), expected);
    }

    void aLetterAfterTheDigits_replacesTheWholeLimitByZero()
    {
        MainWindow w;
        QTest::keyClick(w.limit, Qt::Key_End);
        QTest::keyClicks(w.limit, "5");
        QCOMPARE(w.limit->text(), QStringLiteral("205"));
        QTest::keyClicks(w.limit, "x");
        QCOMPARE(w.limit->text(), QStringLiteral("0"));
    }

    void otherScenarioAfterThePercentageStep_keepsLoadsAndBaseline()
    {
        MainWindow w;
        w.allSteps();
        clickOption(w.option2);
        QVERIFY(w.command2->isEnabled());
        QVERIFY(!w.command3->isEnabled());
        click(w.command2);
        Snapshot expected = fiveMillimetresWithControls();
        fillRow(expected, Scenario, kHandWorkedWithoutControls[kFiveMm]);
        clearRow(expected, Percentage);
        expected.caption = 2;
        expected.legend = false;
        COMPARE_STATE(snapshot(w.form), expected);
    }

    void aThicknessChoice_showsTheGeneralCaptionWhateverTheScenario()
    {
        MainWindow w;
        clickOption(w.option2);
        w.allSteps();
        QCOMPARE(snapshot(w.form).caption, 2);
        clickRow(w.list, 0);
        Snapshot expected = startupState();
        COMPARE_STATE(snapshot(w.form), expected);
        QVERIFY(w.option2->isChecked());
        click(w.command1);
        click(w.command2);
        QCOMPARE(snapshot(w.form).caption, 2);
        QCOMPARE(snapshot(w.form).rows[Scenario][1].text, QStringLiteral("108"));
    }

    void pressingAStepAgain_refillsItsRowAndLeavesTheRest()
    {
        MainWindow w;
        w.allSteps();
        click(w.command1);
        COMPARE_STATE(snapshot(w.form), fiveMillimetresWithControls());
        click(w.command2);
        COMPARE_STATE(snapshot(w.form), fiveMillimetresWithControls());
        click(w.command3);
        COMPARE_STATE(snapshot(w.form), fiveMillimetresWithControls());
    }

    void subestuariesWithoutBaselineCounts_stayWhiteBesideColouredOnes()
    {
        MainWindow w;
        w.allSteps(); // 5 mm: subestuary 4 red, 6 green
        clickRow(w.list, 3);
        clickOption(w.option2);
        w.allSteps(); // 10 mm: subestuaries 1, 4 and 6 have no baseline count
        Snapshot expected = snapshot(w.form);
        setPercentages(expected, kHandWorkedAtTwenty[1][3]);
        COMPARE_STATE(snapshot(w.form), expected);
    }

    void everyThickness_showsItsCriticalLoads_data()
    {
        QTest::addColumn<int>("row");
        const std::array<const char*, 5> thicknesses{"1 mm", "2 mm", "5 mm", "10 mm", "20 mm"};
        for (std::size_t row = 0; row < thicknesses.size(); ++row)
            QTest::newRow(thicknesses[row]) << static_cast<int>(row);
    }

    void everyThickness_showsItsCriticalLoads()
    {
        QFETCH(int, row);
        MainWindow w;
        if (row != 2)
            clickRow(w.list, row);
        click(w.command1);
        const SubestuaryFigures& loads = kHandWorkedLoads[static_cast<std::size_t>(row)];
        for (std::size_t k = 0; k < kSubestuaryCount; ++k)
            QCOMPARE(snapshot(w.form).rows[CriticalLoads][k].text, QString::number(loads[k]));
    }

    void aThicknessCanNotBeUnselected()
    {
        MainWindow w;
        clickRow(w.list, 1);
        const QRect rect = w.list->visualItemRect(w.list->item(1));
        QTest::mouseClick(w.list->viewport(), Qt::LeftButton, Qt::ControlModifier, rect.center());
        QCOMPARE(w.list->selectedItems().size(), 1);
        QCOMPARE(w.form.model().ThickIdx, std::int16_t{2});
    }

    void keyboardArrows_chooseThicknessesToo()
    {
        MainWindow w;
        w.list->setFocus();
        click(w.command1);
        QTest::keyClick(w.list, Qt::Key_Down);
        QCOMPARE(w.form.model().ThickIdx, std::int16_t{4});
        QVERIFY(!w.command2->isEnabled());
    }
};

SILTMERE_UI_TEST_MAIN(Form1BehaviourTest)
#include "Form1BehaviourTest.moc"
