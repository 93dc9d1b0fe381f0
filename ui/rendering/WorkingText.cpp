#include "WorkingText.h"

#include "DesignText.h"
#include "ReadableText.h"
#include "Rendering.h"

namespace siltmere::ui {

namespace {

QString lineText(const Line& line)
{
    return QString::fromStdString(plainText(line));
}

// The box's text as the box shows it: on green or red where judged, its text
// black or white to read on that, whatever the theme.
QString resultHtml(const std::string& text, Verdict verdict)
{
    if (verdict == Verdict::None)
        return QStringLiteral("<b>%1</b>").arg(escaped(text));
    const QColor back = verdictBack(verdict);
    return QStringLiteral("<span style=\"background-color:%1; color:%2;\"><b>&nbsp;%3&nbsp;</b></span>")
        .arg(back.name(), plainTextOn(back).name(), escaped(text));
}

// A line of the working, powers of ten as superscripts.
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
            html += toQString(kTimesTen) +
                    QStringLiteral("<sup>%1</sup>")
                        .arg(QString::number(span.figure->exponent).replace(QLatin1Char('-'), QChar(0x2212)));
    }
    return html;
}

void writeLines(WorkingDocument& document, const std::vector<Line>& lines, Verdict verdict)
{
    for (const Line& line : lines) {
        document.text += lineText(line) + QLatin1Char('\n');
        document.html += QStringLiteral("<p>%1</p>\n").arg(lineHtml(line, verdict));
    }
}

// A table as tab-separated lines and as HTML in `style`.
void writeTable(WorkingDocument& document, const WorkingTable& table, Verdict verdict, const HtmlTableStyle& style)
{
    QStringList header;
    for (const std::string& name : table.header)
        header << QString::fromStdString(name);
    document.text += header.join(QLatin1Char('\t')) + QLatin1Char('\n');
    document.html += style.table + headerRowHtml(header, style);
    for (const std::vector<Line>& row : table.rows) {
        QStringList cells;
        document.html += QStringLiteral("<tr>");
        for (std::size_t i = 0; i < row.size(); ++i) {
            cells << lineText(row[i]);
            document.html += (i == 0 ? style.first : style.cell) + lineHtml(row[i], verdict) + QStringLiteral("</td>");
        }
        document.text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
        document.html += QStringLiteral("</tr>\n");
    }
    document.html += QStringLiteral("</table>\n");
}

// The working window's tables: as wide as their cells, numbers to the right.
const HtmlTableStyle kWindowTable{
    QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" style=\"border-collapse: collapse;\">\n"),
    QStringLiteral("<th>"), QStringLiteral("<th>"), QStringLiteral("<td align=\"right\">"),
    QStringLiteral("<td align=\"right\">")};

} // namespace

QString headerRowHtml(const QStringList& names, const HtmlTableStyle& style)
{
    QString html = QStringLiteral("<tr>");
    for (qsizetype i = 0; i < names.size(); ++i)
        html += (i == 0 ? style.firstHeader : style.header) + names.at(i).toHtmlEscaped() + QStringLiteral("</th>");
    return html + QStringLiteral("</tr>\n");
}

void writeSections(WorkingDocument& document, const std::vector<WorkingSection>& sections, Verdict verdict,
                   const HtmlTableStyle& style)
{
    for (const WorkingSection& section : sections) {
        document.text += QLatin1Char('\n') + QString::fromStdString(section.heading) + QLatin1Char('\n');
        document.html += QStringLiteral("<h3>%1</h3>\n").arg(escaped(section.heading));
        writeLines(document, section.lines, verdict);
        if (section.table)
            writeTable(document, *section.table, verdict, style);
        writeLines(document, section.after, verdict);
    }
}

namespace {

WorkingDocument rendered(const Working& working, const QString& origin, const QString& stamp)
{
    const QString title = QString::fromStdString(working.title);
    WorkingDocument document{title + QLatin1Char('\n'), QStringLiteral("<h2>%1</h2>\n").arg(title.toHtmlEscaped())};
    if (!stamp.isEmpty()) {
        document.text += stamp + QLatin1Char('\n');
        document.html += QStringLiteral("<p>%1</p>\n").arg(stamp.toHtmlEscaped());
    }
    document.text += origin + QLatin1Char('\n') + lineText(working.inputs) + QLatin1Char('\n');
    document.html +=
        QStringLiteral("<p>%1<br/>%2</p>\n").arg(origin.toHtmlEscaped(), lineHtml(working.inputs, Verdict::None));
    if (!working.pending.empty()) {
        document.text += QLatin1Char('\n') + QString::fromStdString(working.pending) + QLatin1Char('\n');
        document.html += QStringLiteral("<p><b>%1</b></p>\n").arg(escaped(working.pending));
        return document;
    }
    writeSections(document, working.sections, working.verdict, kWindowTable);
    return document;
}

} // namespace

WorkingDocument renderWorking(const Working& working, const QString& origin)
{
    return rendered(working, origin, {});
}

WorkingDocument copiedWorking(const Working& working, const QString& origin, const QString& version,
                              const QDateTime& copied)
{
    return rendered(working, origin,
                    QStringLiteral("Copied from Siltmere %1 on %2; the assessment's inputs: %3.")
                        .arg(version, madeText(copied), QString::fromStdString(working.allInputs)));
}

} // namespace siltmere::ui
