// The clipboard table built from what the window shows: which rows it holds
// for each stage of the three steps, the verdict line, and the HTML version
// for word processors and spreadsheets.

#include "ResultsTable.h"
#include "AssessmentSteps.h"
#include "HandWorked.h"
#include "StartedModel.h"

#include <QTest>

#include <optional>

using namespace siltmere;
using namespace siltmere::ui;

Q_DECLARE_METATYPE(std::optional<double>)
Q_DECLARE_METATYPE(siltmere::Verdict)

namespace {

// 5 mm, earthworks with controls, limit 20 %, after `stepsTaken` of the
// three steps, taken by the model as the main window takes them.
Assessment atStage(int stepsTaken)
{
    SedimentModel model = test::startedModel();
    Assessment assessment;
    chooseThickness(model, assessment, kStartupThicknessPosition);
    chooseLimit(model, assessment, "20", 20.0);
    if (stepsTaken >= 1)
        takeCriticalLoads(model, assessment);
    if (stepsTaken >= 2)
        takeExceedances(model, assessment);
    if (stepsTaken >= 3)
        takePctIncrease(model, assessment);
    return assessment;
}

const QString kInputs = QStringLiteral(
    "Critical deposition thickness\t5 mm\tScenario\tEarthworks with Controls\tAcceptability limit (%)\t20\n");
const QString kHeader = QStringLiteral("Subestuary\t1\t2\t3\t4\t5\t6\n");
// A table line: its label, then a hand-worked row at 5 mm.
QString tableLine(const char* label, const auto& row)
{
    return QString::fromStdString(label + ("\t" + test::joined(row, "\t")) + "\n");
}

const QString kLoads = tableLine("Critical total load (tonnes per event)", test::kHandWorkedLoads[test::kFiveMm]);
const QString kBaseline =
    tableLine("Exceedances over 25 years, existing land use", test::kHandWorkedBaseline[test::kFiveMm]);
const QString kScenario =
    tableLine("Exceedances over 25 years, scenario", test::kHandWorkedWithControls[test::kFiveMm]);
const QString kPercent = tableLine("Percentage increase", test::kHandWorkedAtTwenty[0][test::kFiveMm].texts);
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
        SedimentModel model = test::startedModel();
        Assessment assessment = atStage(2);
        chooseScenario(model, assessment, kScenarios[1].number);
        const QString inputs = QString(kInputs).replace("with Controls", "without Controls");
        QCOMPARE(buildResultsTable(assessment).text, inputs + kHeader + kLoads + kBaseline);
    }

    // What a spreadsheet takes from each kind of cell: the percentages and
    // counts as numbers with their formats (LibreOffice's sdval/sdnum,
    // Excel's x:num/mso-number-format), the verdict colours as attribute
    // and style, everything else as text.
    void html_resultCell_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Verdict>("verdict");
        QTest::addColumn<QString>("cell");
        // The whole percentage the model rounded to, where it shows one.
        QTest::newRow("a percentage above the limit")
            << 3 << "56%" << Verdict::Above
            << "<td bgcolor=\"#ff0000\" sdval=\"0.56\" sdnum=\"1033;1033;0%\" x:num=\"0.56\" "
               "style=\"background-color:#ff0000;mso-number-format:0%\">56%</td>";
        QTest::newRow("a percentage within the limit")
            << 3 << "0%" << Verdict::Within
            << "<td bgcolor=\"#00ff00\" sdval=\"0\" sdnum=\"1033;1033;0%\" x:num=\"0\" "
               "style=\"background-color:#00ff00;mso-number-format:0%\">0%</td>";
        QTest::newRow("a hundred percent is one")
            << 3 << "100%" << Verdict::Above
            << "<td bgcolor=\"#ff0000\" sdval=\"1\" sdnum=\"1033;1033;0%\" x:num=\"1\" "
               "style=\"background-color:#ff0000;mso-number-format:0%\">100%</td>";
        QTest::newRow("7 percent is 0.07, not the nearest binary fraction's digits")
            << 3 << "7%" << Verdict::Within
            << "<td bgcolor=\"#00ff00\" sdval=\"0.07\" sdnum=\"1033;1033;0%\" x:num=\"0.07\" "
               "style=\"background-color:#00ff00;mso-number-format:0%\">7%</td>";
        QTest::newRow("a decrease") << 3 << "-33%" << Verdict::Within
                                    << "<td bgcolor=\"#00ff00\" sdval=\"-0.33\" sdnum=\"1033;1033;0%\" x:num=\"-0.33\" "
                                       "style=\"background-color:#00ff00;mso-number-format:0%\">-33%</td>";
        QTest::newRow("no percentage: text on no colour") << 3 << "n/a" << Verdict::None << "<td>n/a</td>";
        QTest::newRow("a critical load: a whole number")
            << 0 << "40909" << Verdict::None
            << "<td sdval=\"40909\" sdnum=\"1033;1033;0\" x:num=\"40909\" style=\"mso-number-format:0\">40909</td>";
        QTest::newRow("an exceedance count")
            << 2 << "14" << Verdict::None
            << "<td sdval=\"14\" sdnum=\"1033;1033;0\" x:num=\"14\" style=\"mso-number-format:0\">14</td>";
        QTest::newRow("a count of nought") << 1 << "0" << Verdict::None
                                           << "<td sdval=\"0\" sdnum=\"1033;1033;0\" x:num=\"0\" "
                                              "style=\"mso-number-format:0\">0</td>";
    }

    void html_resultCell()
    {
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(Verdict, verdict);
        QFETCH(QString, cell);
        Assessment assessment = atStage(3);
        (*assessment.rows[static_cast<std::size_t>(row)])[1] = {text.toStdString(), verdict};
        // The percentage the model held behind the text: the number a
        // spreadsheet gets comes from it, never from the text.
        std::optional<std::int16_t>& shown = assessment.percentages[1].shown;
        shown = text.endsWith('%') ? std::optional<std::int16_t>(static_cast<std::int16_t>(text.chopped(1).toInt()))
                                   : std::nullopt;
        const QString html = buildResultsTable(assessment).html;
        // The box's cell is the third of its line, after the row's name and
        // subestuary 1.
        const QString line = html.section(QLatin1Char('\n'), row + 3, row + 3);
        QCOMPARE(line.section(QStringLiteral("</td>"), 2, 2) + QStringLiteral("</td>"), cell);
    }

    void html_limitCell_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::optional<double>>("read");
        QTest::addColumn<QString>("cell");
        QTest::newRow("a whole limit") << "20" << std::optional<double>(20.0)
                                       << "<td sdval=\"20\" sdnum=\"1033;0;General\" x:num=\"20\" "
                                          "style=\"mso-number-format:General\">20</td>";
        // The text is the limit judged by, in the desktop's format (here
        // English), not as typed: a pasted "1,000" would be ambiguous.
        QTest::newRow("typed with a comma: the number the verdicts used")
            << "20,5" << std::optional<double>(20.5)
            << "<td sdval=\"20.5\" sdnum=\"1033;0;General\" x:num=\"20.5\" "
               "style=\"mso-number-format:General\">20.5</td>";
        QTest::newRow("German thousands: no separator") << "1.000" << std::optional<double>(1000.0)
                                                        << "<td sdval=\"1000\" sdnum=\"1033;0;General\" x:num=\"1000\" "
                                                           "style=\"mso-number-format:General\">1000</td>";
        QTest::newRow("an exponent: its value") << "1e1" << std::optional<double>(10.0)
                                                << "<td sdval=\"10\" sdnum=\"1033;0;General\" x:num=\"10\" "
                                                   "style=\"mso-number-format:General\">10</td>";
        QTest::newRow("minus zero: zero") << "-0" << std::optional<double>(-0.0)
                                          << "<td sdval=\"0\" sdnum=\"1033;0;General\" x:num=\"0\" "
                                             "style=\"mso-number-format:General\">0</td>";
        QTest::newRow("not a number: text") << "" << std::optional<double>() << "<td></td>";
    }

    void html_limitCell()
    {
        QFETCH(QString, typed);
        QFETCH(std::optional<double>, read);
        QFETCH(QString, cell);
        Assessment assessment = atStage(3);
        assessment.inputs.limitText = typed.toStdString();
        assessment.inputs.limitValue = read;
        const QString inputs = buildResultsTable(assessment).html.section(QLatin1Char('\n'), 1, 1);
        QCOMPARE(inputs.section(QStringLiteral("</td>"), 5, 5) + QStringLiteral("</td>"), cell);
    }

    void html_colours_onlyThePercentagesWithAVerdict()
    {
        const QString html = buildResultsTable(atStage(3)).html;
        QVERIFY(html.startsWith("<table"));
        QCOMPARE(html.count("<tr>"), 7);
        QCOMPARE(html.count("<td"), html.count("</td>"));
        QCOMPARE(html.count("bgcolor=\"#ff0000\""), 3);
        QCOMPARE(html.count("bgcolor=\"#00ff00\""), 2);
        QCOMPARE(html.count("background-color:#ff0000"), 3);
        QCOMPARE(html.count("background-color:#00ff00"), 2);
        // The verdict words and the names stay text.
        QVERIFY(html.contains("<td>above limit</td>"));
        QVERIFY(html.contains("<td>Verdict</td><td></td><td>above limit</td>"));
    }

    void html_escapesTheTexts()
    {
        Assessment assessment = atStage(0);
        assessment.inputs.limitText = "<b>&";
        assessment.inputs.limitValue = std::nullopt;
        const QString html = buildResultsTable(assessment).html;
        QVERIFY(html.contains("<td>&lt;b&gt;&amp;</td>"));
        QVERIFY(!html.contains("<b>"));
    }
};

QTEST_GUILESS_MAIN(ResultsTableTest)
#include "ResultsTableTest.moc"
