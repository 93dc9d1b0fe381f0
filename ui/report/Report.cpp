#include "Report.h"

#include "DesignText.h"
#include "Form1Layout.h"
#include "Form2Layout.h"
#include "WindowsColor.h"

#include <QLocale>
#include <QStringList>

#include <array>
#include <string_view>

namespace siltmere::ui {

namespace {

// A caption of the main window's design, found by its control's name: the
// fixed parameters and the step buttons are captions only, so the report
// reads them where the window gets them.
constexpr std::string_view designCaption(std::string_view name)
{
    for (const ControlSpec& control : form1::kControls) {
        if (control.name == name)
            return control.text;
    }
    return {};
}

constexpr std::string_view kDensityCaption = designCaption("Text1");
constexpr std::string_view kUnitLoadCaption = designCaption("Text2");
static_assert(!kDensityCaption.empty() && !kUnitLoadCaption.empty());

// The three steps, each with the rows it fills.
struct Step {
    std::string_view button;
    std::array<ResultRowId, 2> rows;
    int rowCount;
};

constexpr std::array<Step, 3> kSteps{{
    {"Command1", {ResultRowId::CriticalLoads, ResultRowId::CriticalLoads}, 1},
    {"Command2", {ResultRowId::Baseline, ResultRowId::Scenario}, 2},
    {"Command3", {ResultRowId::Percentage, ResultRowId::Percentage}, 1},
}};

// A step button's caption as a sentence quotes it: one caption ends in a space.
QString stepName(const Step& step)
{
    return toQString(designCaption(step.button)).trimmed();
}

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString escaped(std::string_view text)
{
    return toQString(text).toHtmlEscaped();
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
    QString html = QStringLiteral("<tr><th align=\"left\" width=\"28%\">%1</th>").arg(escaped(first));
    for (int k = 1; k <= kSubestuaries; ++k)
        html += QStringLiteral("<th align=\"center\" width=\"12%\">%1</th>").arg(k);
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

QString inputsSection(const ShownResults& shown)
{
    const QString limit = shown.limitValue ? percentText(*shown.limitValue) : shown.limit;
    const std::array<std::pair<QString, QString>, 5> rows{{
        {QStringLiteral("Critical deposition thickness"), shown.thickness},
        {QStringLiteral("Scenario"), shown.scenario},
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

QString resultsSection(const ShownResults& shown)
{
    QString html = heading(QStringLiteral("Results"));
    QString rows;
    for (const ResultRowSpec& spec : kResultRows) {
        const ShownRow& row = shown.rows[indexOf(spec.id)];
        if (!isFilled(row))
            continue;
        rows += QStringLiteral("<tr><td>%1</td>").arg(escaped(spec.title));
        for (const ShownBox& box : row) {
            if (!spec.judged) {
                rows += QStringLiteral("<td align=\"center\">%1</td>").arg(escaped(box.text));
                continue;
            }
            rows += verdictCell(box.verdict) + QStringLiteral("<b>%1</b>").arg(escaped(box.text));
            const QString words = toQString(verdictPhrase(box.verdict));
            if (!words.isEmpty())
                rows += QStringLiteral("<br/><span style=\"font-size: 7.5pt;\">%1</span>").arg(escaped(words));
            rows += QStringLiteral("</td>");
        }
        rows += QStringLiteral("</tr>\n");
    }
    if (!rows.isEmpty())
        html += kTable + subestuaryHeader(QStringLiteral("Subestuary")) + rows + QStringLiteral("</table>\n");

    QStringList notTaken;
    for (const Step& step : kSteps) {
        bool taken = true;
        for (int i = 0; i < step.rowCount; ++i)
            taken = taken && isFilled(shown.rows[indexOf(step.rows.at(static_cast<std::size_t>(i)))]);
        if (!taken)
            notTaken << QStringLiteral("“%1”").arg(stepName(step));
    }
    if (notTaken.isEmpty()) {
        if (shown.limitValue) {
            html += paragraph(QStringLiteral("All three steps have been taken for these inputs. Each percentage is "
                                             "the increase of the scenario's exceedances over the existing land "
                                             "use's, marked “within the limit” (green) or “above the limit” (red) "
                                             "of %1; n/a: the existing land use has no exceedances to compare with.")
                                  .arg(percentText(*shown.limitValue)));
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

QString overviewTable(const OverviewResults& overview, std::size_t scenario)
{
    QString html = QStringLiteral("<h3>%1</h3>\n").arg(escaped(kScenarios.at(scenario).caption));
    html += kTable + subestuaryHeader(QStringLiteral("Thickness"));
    for (std::size_t t = 0; t < kThicknessChoices.size(); ++t) {
        html += QStringLiteral("<tr><td>%1</td>").arg(escaped(kThicknessChoices.at(t).label));
        for (int k = 1; k <= kSubestuaries; ++k) {
            const OverviewCell& cell = overview.cell(scenario, t, k);
            html += verdictCell(cell.verdict) + QStringLiteral("<b>%1</b>").arg(escaped(cell.percentage));
            const QString word = toQString(verdictWord(cell.verdict));
            if (!word.isEmpty())
                html += QLatin1Char(' ') + escaped(word);
            html += QStringLiteral("<br/>%1 → %2</td>").arg(escaped(cell.baseline), escaped(cell.scenario));
        }
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

QString overviewSection(const OverviewResults& overview)
{
    QString html = heading(QStringLiteral("All thicknesses and scenarios"));
    html += paragraph(QStringLiteral("For every critical deposition thickness: the percentage increase of the "
                                     "scenario's exceedances over the existing land use's, “within” (green) or "
                                     "“above” (red) the acceptability limit of %1, and below it the exceedances "
                                     "over 25 years, existing land use → scenario.")
                          .arg(percentText(overview.limitValue)));
    html += QStringLiteral("<div style=\"font-size: 8pt;\">\n");
    for (std::size_t s = 0; s < kScenarios.size(); ++s)
        html += overviewTable(overview, s);
    html += QStringLiteral("<h3>%1</h3>\n").arg(escaped(resultRow(ResultRowId::CriticalLoads).title));
    html += kTable + subestuaryHeader(QStringLiteral("Thickness"));
    for (std::size_t t = 0; t < kThicknessChoices.size(); ++t) {
        html += QStringLiteral("<tr><td>%1</td>").arg(escaped(kThicknessChoices.at(t).label));
        for (const QString& load : overview.loads.at(t))
            html += QStringLiteral("<td align=\"center\">%1</td>").arg(escaped(load));
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n</div>\n");
}

QString backgroundSection()
{
    QString html = heading(QStringLiteral("Background"));
    html += paragraph(toQString(form2::kIntroduction));
    html += QStringLiteral("<p align=\"center\"><img src=\"%1\" width=\"%2\" height=\"%2\"/></p>\n")
                .arg(QLatin1String(kDiagramUrl))
                .arg(form2::kDiagramPixels * 2 / 5);
    html += paragraph(toQString(form2::kDiagramCaption));
    return html;
}

} // namespace

Report buildReport(const ShownResults& shown, const OverviewResults* overview, const ReportStamp& stamp)
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
    html += inputsSection(shown);
    html += resultsSection(shown);
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
