// The clipboard table built from what the window shows: which rows it holds
// for each stage of the three steps, the verdict line, and the HTML version
// for word processors.

#include "ResultsTable.h"

#include <QTest>

using namespace siltmere::ui;

namespace {

using Texts = std::array<const char*, 6>;

std::array<ShownBox, 6> filledRow(const Texts& texts)
{
    std::array<ShownBox, 6> row;
    for (std::size_t k = 0; k < 6; ++k)
        row[k] = {QString::fromLatin1(texts[k]), true, Verdict::None};
    return row;
}

std::array<ShownBox, 6> clearedRow()
{
    std::array<ShownBox, 6> row;
    row.fill({QStringLiteral("0"), false, Verdict::None});
    return row;
}

// 5 mm, earthworks with controls, limit 20 %: the values of the model's
// reference tables at each stage of the three steps.
ShownResults atStage(int stepsTaken)
{
    ShownResults shown{QStringLiteral("5 mm"), QStringLiteral("Earthworks with Controls"), QStringLiteral("20"), {}};
    shown.rows = {clearedRow(), clearedRow(), clearedRow(), clearedRow()};
    if (stepsTaken >= 1)
        shown.rows[0] = filledRow({"40909", "2074", "2219", "4093", "1509", "7248"});
    if (stepsTaken >= 2) {
        shown.rows[1] = filledRow({"0", "9", "8", "3", "15", "1"});
        shown.rows[2] = filledRow({"0", "14", "11", "6", "18", "1"});
    }
    if (stepsTaken >= 3) {
        shown.rows[3] = filledRow({"n/a", "56%", "38%", "100%", "20%", "0%"});
        const std::array<Verdict, 6> verdicts{Verdict::None,  Verdict::Above,  Verdict::Above,
                                              Verdict::Above, Verdict::Within, Verdict::Within};
        for (std::size_t k = 0; k < 6; ++k)
            shown.rows[3][k].verdict = verdicts[k];
    }
    return shown;
}

const QString kInputs = QStringLiteral(
    "Critical deposition thickness\t5 mm\tScenario\tEarthworks with Controls\tAcceptability limit (%)\t20\n");
const QString kHeader = QStringLiteral("Subestuary\t1\t2\t3\t4\t5\t6\n");
const QString kLoads = QStringLiteral("Critical total load (tonnes per event)\t40909\t2074\t2219\t4093\t1509\t7248\n");
const QString kBaseline = QStringLiteral("Exceedances over 25 years, existing land use\t0\t9\t8\t3\t15\t1\n");
const QString kScenario = QStringLiteral("Exceedances over 25 years, scenario\t0\t14\t11\t6\t18\t1\n");
const QString kPercent = QStringLiteral("Percentage increase\tn/a\t56%\t38%\t100%\t20%\t0%\n");
const QString kVerdicts =
    QStringLiteral("Verdict\t\tabove limit\tabove limit\tabove limit\twithin limit\twithin limit\n");

} // namespace

class ResultsTableTest : public QObject {
    Q_OBJECT

private slots:
    void text_holdsTheInputsAndOnlyTheFilledRows_data()
    {
        QTest::addColumn<int>("stepsTaken");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing calculated: the inputs line alone") << 0 << kInputs;
        QTest::newRow("critical total loads") << 1 << kInputs + kHeader + kLoads;
        QTest::newRow("exceedances") << 2 << kInputs + kHeader + kLoads + kBaseline + kScenario;
        QTest::newRow("all three steps: percentages and their verdicts")
            << 3 << kInputs + kHeader + kLoads + kBaseline + kScenario + kPercent + kVerdicts;
    }

    void text_holdsTheInputsAndOnlyTheFilledRows()
    {
        QFETCH(int, stepsTaken);
        QFETCH(QString, expected);
        QCOMPARE(buildResultsTable(atStage(stepsTaken)).text, expected);
    }

    // After a change of scenario the critical loads and the baseline stay
    // filled while the scenario and percentage rows are cleared: the table
    // skips the cleared rows in the middle as well.
    void text_skipsClearedRowsBetweenFilledOnes()
    {
        ShownResults shown = atStage(2);
        shown.scenario = QStringLiteral("Earthworks without Controls");
        shown.rows[2] = clearedRow();
        const QString inputs = QString(kInputs).replace("with Controls", "without Controls");
        QCOMPARE(buildResultsTable(shown).text, inputs + kHeader + kLoads + kBaseline);
    }

    // The window fills and clears a row as a whole; a row caught with a box
    // still cleared is not a result of the current inputs.
    void text_leavesOutARowWithAnyClearedBox()
    {
        ShownResults shown = atStage(1);
        shown.rows[0][5].filled = false;
        QCOMPARE(buildResultsTable(shown).text, kInputs);
    }

    void html_colours_onlyThePercentagesWithAVerdict()
    {
        const QString html = buildResultsTable(atStage(3)).html;
        QVERIFY(html.startsWith("<table"));
        QCOMPARE(html.count("<tr>"), 7);
        QCOMPARE(html.count("background-color:#ff0000"), 3);
        QCOMPARE(html.count("background-color:#00ff00"), 2);
        QVERIFY(html.contains("<td style=\"background-color:#ff0000\">56%</td>"));
        QVERIFY(html.contains("<td style=\"background-color:#00ff00\">0%</td>"));
        QVERIFY(html.contains("<td>n/a</td>"));
    }

    void html_escapesTheTexts()
    {
        ShownResults shown = atStage(0);
        shown.limit = QStringLiteral("<b>&");
        const QString html = buildResultsTable(shown).html;
        QVERIFY(html.contains("<td>&lt;b&gt;&amp;</td>"));
        QVERIFY(!html.contains("<b>"));
    }
};

QTEST_GUILESS_MAIN(ResultsTableTest)
#include "ResultsTableTest.moc"
