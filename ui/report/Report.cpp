#include "Report.h"

#include "Background.h"
#include "DesignText.h"
#include "ResultGrid.h"
#include "ResultsTable.h"
#include "WindowsColor.h"
#include "Working.h"
#include "WorkingText.h"

#include <QLocale>
#include <QStringList>

#include <array>
#include <string_view>

namespace siltmere::ui {

namespace {

// A step button's caption as a sentence quotes it: one caption ends in a space.
QString stepName(const StepSpec& step)
{
    return toQString(step.caption).trimmed();
}

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString escaped(std::string_view text)
{
    return toQString(text).toHtmlEscaped();
}

QString escaped(const std::string& text)
{
    return QString::fromStdString(text).toHtmlEscaped();
}

// Numbers in the report are written alike on every desktop, so that a
// report reads the same wherever it was made.
QString percentText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest) + QLatin1Char('%');
}

QString madeText(const QDateTime& made)
{
    const int offsetMinutes = made.offsetFromUtc() / 60;
    const QChar sign = offsetMinutes < 0 ? QLatin1Char('-') : QLatin1Char('+');
    const int minutes = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
    return QStringLiteral("%1 UTC%2%3:%4")
        .arg(made.toString(QStringLiteral("yyyy-MM-dd HH:mm")), sign)
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// A cell's opening tag, on the colour the window paints its verdict in.
QString verdictCell(Verdict verdict)
{
    if (verdict == Verdict::None)
        return QStringLiteral("<td align=\"center\">");
    return QStringLiteral("<td align=\"center\" bgcolor=\"%1\">").arg(fromWindowsRgb(verdictColor(verdict)).name());
}

QString subestuaryHeader(const QString& first)
{
    const QStringList names = ui::subestuaryHeader(first);
    QString html = QStringLiteral("<tr><th align=\"left\" width=\"28%\">%1</th>").arg(escaped(names.first()));
    for (qsizetype k = 1; k < names.size(); ++k)
        html += QStringLiteral("<th align=\"center\" width=\"12%\">%1</th>").arg(escaped(names.at(k)));
    return html + QStringLiteral("</tr>\n");
}

const QString kTable = QStringLiteral(
    "<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" style=\"border-collapse: collapse;\">\n");

QString heading(const QString& text)
{
    return QStringLiteral("<h2>%1</h2>\n").arg(escaped(text));
}

QString paragraph(const QString& text)
{
    return QStringLiteral("<p>%1</p>\n").arg(escaped(text));
}

QString inputsSection(const AssessmentInputs& inputs)
{
    const QString limit =
        inputs.limitValue ? percentText(*inputs.limitValue) : QString::fromStdString(inputs.limitText);
    const std::array<std::pair<QString, QString>, 5> rows{{
        {QStringLiteral("Critical deposition thickness"), toQString(inputs.thicknessLabel())},
        {QStringLiteral("Scenario"), toQString(inputs.scenario().caption)},
        {QStringLiteral("Acceptability limit"), limit},
        {QStringLiteral("Settled sediment density"), toQString(kDensityCaption)},
        {QStringLiteral("Unit sediment load"), toQString(kUnitLoadCaption)},
    }};
    QString html = heading(QStringLiteral("Inputs"));
    html += QStringLiteral("<table border=\"0\" cellspacing=\"0\" cellpadding=\"2\">\n");
    for (const auto& [name, value] : rows)
        html += QStringLiteral("<tr><td>%1</td><td width=\"24\"></td><td><b>%2</b></td></tr>\n")
                    .arg(escaped(name), escaped(value));
    return html + QStringLiteral("</table>\n");
}

// A judged result on its colour, its verdict in words under it where
// `phrase`, beside it otherwise.
QString judgedCell(const ResultBox& box, bool phrase)
{
    QString html = verdictCell(box.verdict) + QStringLiteral("<b>%1</b>").arg(escaped(box.text));
    const QString words = toQString(phrase ? verdictPhrase(box.verdict) : verdictWord(box.verdict));
    if (words.isEmpty())
        return html;
    if (phrase)
        return html + QStringLiteral("<br/><span style=\"font-size: 7.5pt;\">%1</span>").arg(escaped(words));
    return html + QLatin1Char(' ') + escaped(words);
}

QString resultsSection(const Assessment& assessment)
{
    QString html = heading(QStringLiteral("Results"));
    QString rows;
    for (const ResultRowSpec& spec : kResultRows) {
        if (!assessment.filled(spec.id))
            continue;
        rows += QStringLiteral("<tr><td>%1</td>").arg(escaped(spec.title));
        for (const ResultBox& box : *assessment.row(spec.id)) {
            rows += spec.judged ? judgedCell(box, true) + QStringLiteral("</td>")
                                : QStringLiteral("<td align=\"center\">%1</td>").arg(escaped(box.text));
        }
        rows += QStringLiteral("</tr>\n");
    }
    if (!rows.isEmpty())
        html += kTable + subestuaryHeader(toQString(kSubestuaryHeading)) + rows + QStringLiteral("</table>\n");

    QStringList notTaken;
    for (const StepSpec& step : kSteps) {
        if (!assessment.taken(step.id))
            notTaken << QStringLiteral("“%1”").arg(stepName(step));
    }
    const std::optional<double> limit = assessment.inputs.limitValue;
    if (notTaken.isEmpty()) {
        if (limit) {
            html += paragraph(QStringLiteral("All three steps have been taken for these inputs. Each percentage is "
                                             "the increase of the scenario's exceedances over the existing land "
                                             "use's, marked “%1” (green) or “%2” (red) of %3; n/a: the existing "
                                             "land use has no exceedances to compare with.")
                                  .arg(toQString(verdictPhrase(Verdict::Within)),
                                       toQString(verdictPhrase(Verdict::Above)), percentText(*limit)));
        }
    } else {
        QString list = notTaken.join(QStringLiteral(", "));
        if (notTaken.size() > 1) {
            const qsizetype last = list.lastIndexOf(QStringLiteral(", "));
            list.replace(last, 2, QStringLiteral(" and "));
        }
        html += paragraph(
            QStringLiteral("Steps not yet taken for these inputs: %1. Their results are not shown.").arg(list));
    }
    return html;
}

// How the results shown were worked out: for each step taken, what its
// table's rows mean, then the table, a column per subestuary, so that a
// printed report can be checked without the program.
QString workingSection(const Assessment& assessment)
{
    const std::vector<WorkingSection> steps = workingTables(assessment);
    if (steps.empty())
        return {};
    QString html = heading(QStringLiteral("How the results were worked out"));
    html += QStringLiteral("<div style=\"font-size: 8pt;\">\n");
    for (const WorkingSection& step : steps) {
        html += QStringLiteral("<h3>%1</h3>\n").arg(escaped(step.heading));
        for (const Line& line : step.lines)
            html += QStringLiteral("<p>%1</p>\n").arg(lineHtml(line));
        if (!step.table)
            continue;
        html += kTable + subestuaryHeader(QString::fromStdString(step.table->header.front()));
        for (const std::vector<Line>& row : step.table->rows) {
            html += QStringLiteral("<tr><td>%1</td>").arg(lineHtml(row.front()));
            for (std::size_t k = 1; k < row.size(); ++k) {
                // The boxes' texts in bold, as the results show them.
                const bool shown = !row[k].empty() && row[k].front().result;
                html += QStringLiteral("<td align=\"center\">%1</td>")
                            .arg(shown ? QStringLiteral("<b>%1</b>").arg(lineHtml(row[k])) : lineHtml(row[k]));
            }
            html += QStringLiteral("</tr>\n");
        }
        html += QStringLiteral("</table>\n");
    }
    return html + QStringLiteral("</div>\n");
}

QString overviewTable(const OverviewResults& overview, std::size_t scenario)
{
    QString html = QStringLiteral("<h3>%1</h3>\n").arg(escaped(kScenarios.at(scenario).caption));
    html += kTable + subestuaryHeader(QStringLiteral("Thickness"));
    for (std::size_t t = 0; t < kThicknessChoices.size(); ++t) {
        const Assessment& assessment = overview.assessment(scenario, t);
        html += QStringLiteral("<tr><td>%1</td>").arg(escaped(kThicknessChoices.at(t).label));
        for (int k = 1; k <= kSubestuaries; ++k) {
            html += judgedCell(assessment.box(ResultRowId::Percentage, k), false);
            html += QStringLiteral("<br/>%1 → %2</td>")
                        .arg(escaped(assessment.box(ResultRowId::Baseline, k).text),
                             escaped(assessment.box(ResultRowId::Scenario, k).text));
        }
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

QString overviewSection(const OverviewResults& overview)
{
    QString html = heading(QStringLiteral("All thicknesses and scenarios"));
    html += paragraph(QStringLiteral("For every critical deposition thickness: the percentage increase of the "
                                     "scenario's exceedances over the existing land use's, “%1” (green) or "
                                     "“%2” (red) the acceptability limit of %3, and below it the exceedances "
                                     "over 25 years, existing land use → scenario.")
                          .arg(toQString(verdictWord(Verdict::Within)), toQString(verdictWord(Verdict::Above)),
                               percentText(overview.limitValue())));
    html += QStringLiteral("<div style=\"font-size: 8pt;\">\n");
    for (std::size_t s = 0; s < kScenarios.size(); ++s)
        html += overviewTable(overview, s);
    html += QStringLiteral("<h3>%1</h3>\n").arg(escaped(resultRow(ResultRowId::CriticalLoads).title));
    html += kTable + subestuaryHeader(QStringLiteral("Thickness"));
    for (std::size_t t = 0; t < kThicknessChoices.size(); ++t) {
        html += QStringLiteral("<tr><td>%1</td>").arg(escaped(kThicknessChoices.at(t).label));
        for (const ResultBox& load : *overview.loads(t).row(ResultRowId::CriticalLoads))
            html += QStringLiteral("<td align=\"center\">%1</td>").arg(escaped(load.text));
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n</div>\n");
}

QString backgroundSection()
{
    QString html = heading(QStringLiteral("Background"));
    html += paragraph(toQString(background::kIntroduction));
    html += QStringLiteral("<p align=\"center\"><img src=\"%1\" width=\"%2\" height=\"%2\"/></p>\n")
                .arg(QLatin1String(kDiagramUrl))
                .arg(background::kDiagramPixels * 2 / 5);
    html += paragraph(toQString(background::kDiagramCaption));
    return html;
}

} // namespace

Report buildReport(const Assessment& assessment, const OverviewResults* overview, const ReportStamp& stamp)
{
    Report report;
    report.title = QStringLiteral("Siltmere report: estuarine sediment deposition risk");
    report.creator = QStringLiteral("Siltmere %1").arg(stamp.version);
    report.diagram = QImage(QStringLiteral(":/assets/catchment@2x.png"));

    QString& html = report.html;
    html = QStringLiteral("<h1>%1</h1>\n").arg(escaped(report.title));
    // The platform has a line of its own: a report made elsewhere differs in
    // that line only.
    html += QStringLiteral("<p>Made %1 with Siltmere %2<br/>Platform: %3</p>\n")
                .arg(escaped(madeText(stamp.made)), escaped(stamp.version), escaped(stamp.platform));
    html += inputsSection(assessment.inputs);
    html += resultsSection(assessment);
    html += workingSection(assessment);
    if (overview)
        html += overviewSection(*overview);
    html += backgroundSection();
    return report;
}

QString reportFooter(int page, int pages)
{
    return QStringLiteral("Siltmere — page %1 of %2").arg(page).arg(pages);
}

QString proposedReportName(QDate date)
{
    return QStringLiteral("Siltmere report %1.pdf").arg(date.toString(QStringLiteral("yyyy-MM-dd")));
}

} // namespace siltmere::ui
