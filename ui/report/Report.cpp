#include "Report.h"

#include "Background.h"
#include "DesignText.h"
#include "Rendering.h"
#include "ResultsTable.h"
#include "Working.h"
#include "WorkingText.h"

#include <QStringList>

#include <array>
#include <string>
#include <vector>

namespace siltmere::ui {

namespace {

// Numbers in the report are written alike on every desktop, so that a
// report reads the same wherever it was made, and as its working writes them.
QString percent(double value)
{
    return QString::fromStdString(percentText(value));
}

// The report's tables: a page wide, a column per subestuary.
const HtmlTableStyle kReportTable{
    QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                   "style=\"border-collapse: collapse;\">\n"),
    QStringLiteral("<th align=\"left\" width=\"28%\">"), QStringLiteral("<th align=\"center\" width=\"12%\">"),
    QStringLiteral("<td>"), QStringLiteral("<td align=\"center\">")};

// A table of the report with its header row: `first`, then 1 to 6.
QString tableStart(const QString& first)
{
    return kReportTable.table + headerRowHtml(subestuaryHeader(first), kReportTable);
}

// A row of one of those tables, up to its first cell: `label`.
QString rowStart(std::string_view label)
{
    return QStringLiteral("<tr>") + kReportTable.first + escaped(label) + QStringLiteral("</td>");
}

QString heading(const QString& text)
{
    return QStringLiteral("<h2>%1</h2>\n").arg(text.toHtmlEscaped());
}

QString paragraph(const QString& text)
{
    return QStringLiteral("<p>%1</p>\n").arg(text.toHtmlEscaped());
}

// What a percentage is, and what its colours say, the verdicts as `words`
// names them after `marked`.
QString increaseMeaning(const QString& marked, std::string_view VerdictWording::*words)
{
    return QStringLiteral("increase of the scenario's exceedances over the existing land use's, %1“%2” (green) or "
                          "“%3” (red)")
        .arg(marked, toQString(verdictWording(Verdict::Within).*words),
             toQString(verdictWording(Verdict::Above).*words));
}

QString inputsSection(const AssessmentInputs& inputs)
{
    const QString limit = inputs.limitValue ? percent(*inputs.limitValue) : QString::fromStdString(inputs.limitText);
    const std::array<std::pair<QString, QString>, 5> rows{{
        {QStringLiteral("Critical deposition thickness"), toQString(inputs.thicknessLabel())},
        {QStringLiteral("Scenario"), toQString(inputs.scenario().caption)},
        {QStringLiteral("Acceptability limit"), limit},
        {QStringLiteral("Settled sediment density"), toQString(kDensityText)},
        {QStringLiteral("Unit sediment load"), toQString(kUnitLoadCaption)},
    }};
    QString html = heading(QStringLiteral("Inputs"));
    html += QStringLiteral("<table border=\"0\" cellspacing=\"0\" cellpadding=\"2\">\n");
    for (const auto& [name, value] : rows)
        html += QStringLiteral("<tr><td>%1</td><td width=\"24\"></td><td><b>%2</b></td></tr>\n")
                    .arg(name.toHtmlEscaped(), value.toHtmlEscaped());
    return html + QStringLiteral("</table>\n");
}

// A judged result on the colour the window paints its verdict in, its
// verdict in words under it where `phrase`, beside it otherwise.
QString judgedCell(const ResultBox& box, bool phrase)
{
    QString html = box.verdict == Verdict::None
                       ? kReportTable.cell
                       : QStringLiteral("<td align=\"center\" bgcolor=\"%1\">").arg(verdictBack(box.verdict).name());
    html += QStringLiteral("<b>%1</b>").arg(escaped(box.text));
    const VerdictWording wording = verdictWording(box.verdict);
    const QString words = toQString(phrase ? wording.phrase : wording.word).toHtmlEscaped();
    if (words.isEmpty())
        return html;
    if (phrase)
        return html + QStringLiteral("<br/><span style=\"font-size: 7.5pt;\">%1</span>").arg(words);
    return html + QLatin1Char(' ') + words;
}

// What the results shown mean, or which steps are still to take.
QString resultsNote(const Assessment& assessment)
{
    std::vector<std::string> notTaken;
    for (const StepSpec& step : kSteps) {
        if (!assessment.taken(step.id))
            notTaken.push_back(quoted(step.quotedCaption()));
    }
    if (!notTaken.empty()) {
        return paragraph(QStringLiteral("Steps not yet taken for these inputs: %1. Their results are not shown.")
                             .arg(QString::fromStdString(listed(notTaken))));
    }
    const std::optional<double> limit = assessment.inputs.limitValue;
    if (!limit)
        return {};
    return paragraph(QStringLiteral("All three steps have been taken for these inputs. Each percentage is the %1 of "
                                    "%2; n/a: the existing land use has no exceedances to compare with.")
                         .arg(increaseMeaning(QStringLiteral("marked "), &VerdictWording::phrase), percent(*limit)));
}

QString resultsSection(const Assessment& assessment)
{
    QString html = heading(QStringLiteral("Results"));
    QString rows;
    for (const ResultRowWording& spec : kResultRowWordings) {
        if (!assessment.filled(spec.id))
            continue;
        rows += rowStart(spec.title);
        for (const ResultBox& box : *assessment.row(spec.id))
            rows += spec.judged ? judgedCell(box, true) + QStringLiteral("</td>")
                                : kReportTable.cell + escaped(box.text) + QStringLiteral("</td>");
        rows += QStringLiteral("</tr>\n");
    }
    if (!rows.isEmpty())
        html += tableStart(toQString(kSubestuaryHeading)) + rows + QStringLiteral("</table>\n");
    return html + resultsNote(assessment);
}

// How the results shown were worked out: for each step taken, what its
// table's rows mean, then the table, a column per subestuary, so that a
// printed report can be checked without the program.
QString workingSection(const Assessment& assessment)
{
    const std::vector<WorkingSection> steps = workingTables(assessment);
    if (steps.empty())
        return {};
    WorkingDocument document;
    writeSections(document, steps, Verdict::None, kReportTable);
    return heading(QStringLiteral("How the results were worked out")) +
           QStringLiteral("<div style=\"font-size: 8pt;\">\n") + document.html + QStringLiteral("</div>\n");
}

QString overviewTable(const OverviewResults& overview, std::size_t scenario)
{
    QString html = QStringLiteral("<h3>%1</h3>\n").arg(escaped(kScenarios.at(scenario).caption));
    html += tableStart(QStringLiteral("Thickness"));
    for (std::size_t t = 0; t < kThicknessChoices.size(); ++t) {
        const Assessment& assessment = overview.assessment(scenario, t);
        html += rowStart(kThicknessChoices.at(t).label);
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
    html += paragraph(QStringLiteral("For every critical deposition thickness: the percentage %1 the acceptability "
                                     "limit of %2, and below it the exceedances over 25 years, existing land use → "
                                     "scenario.")
                          .arg(increaseMeaning(QString(), &VerdictWording::word), percent(overview.limitValue())));
    html += QStringLiteral("<div style=\"font-size: 8pt;\">\n");
    for (std::size_t s = 0; s < kScenarios.size(); ++s)
        html += overviewTable(overview, s);
    html += QStringLiteral("<h3>%1</h3>\n").arg(escaped(rowWording(ResultRowId::CriticalLoads).title));
    html += tableStart(QStringLiteral("Thickness"));
    for (std::size_t t = 0; t < kThicknessChoices.size(); ++t) {
        html += rowStart(kThicknessChoices.at(t).label);
        for (const ResultBox& load : *overview.loads(t).row(ResultRowId::CriticalLoads))
            html += kReportTable.cell + escaped(load.text) + QStringLiteral("</td>");
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
    html = QStringLiteral("<h1>%1</h1>\n").arg(report.title.toHtmlEscaped());
    // The platform has a line of its own: a report made elsewhere differs in
    // that line only.
    html +=
        QStringLiteral("<p>Made %1 with Siltmere %2<br/>Platform: %3</p>\n")
            .arg(madeText(stamp.made).toHtmlEscaped(), stamp.version.toHtmlEscaped(), stamp.platform.toHtmlEscaped());
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
