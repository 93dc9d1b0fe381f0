#include "WorkingText.h"

#include "DesignText.h"
#include "ReadableText.h"
#include "ResultGrid.h"
#include "WindowsColor.h"

namespace siltmere::ui {

namespace {

QString escaped(const std::string& text)
{
    return QString::fromStdString(text).toHtmlEscaped();
}

QString plainLine(const Line& line)
{
    return QString::fromStdString(plainText(line));
}

// The box's text as the box shows it: on green or red where judged, its text
// black or white to read on that, whatever the theme.
QString resultHtml(const std::string& text, Verdict verdict)
{
    if (verdict == Verdict::None)
        return QStringLiteral("<b>%1</b>").arg(escaped(text));
    const QColor back = fromWindowsRgb(verdictColor(verdict));
    return QStringLiteral("<span style=\"background-color:%1; color:%2;\"><b>&nbsp;%3&nbsp;</b></span>")
        .arg(back.name(), plainTextOn(back).name(), escaped(text));
}

QString lineHtml(const Line& line, Verdict verdict)
{
    QString html;
    for (const Span& span : line) {
        if (span.result) {
            html += resultHtml(span.text, verdict);
            continue;
        }
        html += escaped(span.text);
        if (span.figure && span.figure->exponent != 0)
            html += QStringLiteral(" \u00d7 10<sup>%1</sup>")
                        .arg(QString::number(span.figure->exponent).replace(QLatin1Char('-'), QChar(0x2212)));
    }
    return html;
}

} // namespace

QString lineHtml(const Line& line)
{
    return lineHtml(line, Verdict::None);
}

WorkingDocument renderWorking(const Working& working, const QString& origin)
{
    WorkingDocument document;
    QString& text = document.text;
    QString& html = document.html;
    const QString title = QString::fromStdString(working.title);
    text = title + QLatin1Char('\n') + origin + QLatin1Char('\n') + plainLine(working.inputs) + QLatin1Char('\n');
    html = QStringLiteral("<h2>%1</h2>\n<p>%2<br/>%3</p>\n")
               .arg(title.toHtmlEscaped(), origin.toHtmlEscaped(), lineHtml(working.inputs));
    if (!working.pending.empty()) {
        text += QLatin1Char('\n') + QString::fromStdString(working.pending) + QLatin1Char('\n');
        html += QStringLiteral("<p><b>%1</b></p>\n").arg(escaped(working.pending));
        return document;
    }
    for (const WorkingSection& section : working.sections) {
        text += QLatin1Char('\n') + QString::fromStdString(section.heading) + QLatin1Char('\n');
        html += QStringLiteral("<h3>%1</h3>\n").arg(escaped(section.heading));
        const auto paragraphs = [&](const std::vector<Line>& lines) {
            for (const Line& line : lines) {
                text += plainLine(line) + QLatin1Char('\n');
                html += QStringLiteral("<p>%1</p>\n").arg(lineHtml(line, working.verdict));
            }
        };
        paragraphs(section.lines);
        if (section.table) {
            QStringList header;
            html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" "
                                   "style=\"border-collapse: collapse;\">\n<tr>");
            for (const std::string& name : section.table->header) {
                header << QString::fromStdString(name);
                html += QStringLiteral("<th>%1</th>").arg(escaped(name));
            }
            text += header.join(QLatin1Char('\t')) + QLatin1Char('\n');
            html += QStringLiteral("</tr>\n");
            for (const std::vector<Line>& row : section.table->rows) {
                QStringList cells;
                html += QStringLiteral("<tr>");
                for (const Line& cell : row) {
                    cells << plainLine(cell);
                    html += QStringLiteral("<td align=\"right\">%1</td>").arg(lineHtml(cell, working.verdict));
                }
                text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
                html += QStringLiteral("</tr>\n");
            }
            html += QStringLiteral("</table>\n");
        }
        paragraphs(section.after);
    }
    return document;
}

} // namespace siltmere::ui
