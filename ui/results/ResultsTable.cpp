#include "ResultsTable.h"

#include "DesignText.h"
#include "WindowsColor.h"

#include <QStringList>

#include <algorithm>

namespace siltmere::ui {

namespace {

// A row is part of the table when the step that fills it has been taken
// for the current inputs; the window fills and clears a row as a whole.
bool isFilled(const ShownRow& row)
{
    return std::all_of(row.begin(), row.end(), [](const ShownBox& box) { return box.filled; });
}

QString verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Within:
        return QStringLiteral("within limit");
    case Verdict::Above:
        return QStringLiteral("above limit");
    case Verdict::None:
        break;
    }
    return {};
}

// The colour the window paints a percentage in, as an HTML colour.
QString htmlColor(Verdict verdict)
{
    return fromWindowsRgb(verdictColor(verdict)).name();
}

struct Cell {
    QString text;
    Verdict colour = Verdict::None;
};

using Line = QList<Cell>;

Line plainLine(const QStringList& texts)
{
    Line line;
    for (const QString& text : texts)
        line.append({text, Verdict::None});
    return line;
}

QString toText(const QList<Line>& lines)
{
    QString text;
    for (const Line& line : lines) {
        QStringList cells;
        for (const Cell& cell : line)
            cells.append(cell.text);
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QString toHtml(const QList<Line>& lines)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n");
    for (const Line& line : lines) {
        html += QStringLiteral("<tr>");
        for (const Cell& cell : line) {
            if (cell.colour == Verdict::None)
                html += QStringLiteral("<td>");
            else
                html += QStringLiteral("<td style=\"background-color:%1\">").arg(htmlColor(cell.colour));
            html += cell.text.toHtmlEscaped() + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

} // namespace

ResultsTable buildResultsTable(const ShownResults& shown)
{
    QList<Line> lines;
    lines.append(
        plainLine({QStringLiteral("Critical deposition thickness"), shown.thickness, QStringLiteral("Scenario"),
                   shown.scenario, QStringLiteral("Acceptability limit (%)"), shown.limit}));

    QList<Line> results;
    for (const ResultRowSpec& spec : kResultRows) {
        const ShownRow& row = shown.rows[indexOf(spec.id)];
        if (!isFilled(row))
            continue;
        Line line{{toQString(spec.title), Verdict::None}};
        for (const ShownBox& box : row)
            line.append({box.text, spec.judged ? box.verdict : Verdict::None});
        results.append(line);
        if (spec.judged) {
            Line verdicts{{QStringLiteral("Verdict"), Verdict::None}};
            for (const ShownBox& box : row)
                verdicts.append({verdictText(box.verdict), Verdict::None});
            results.append(verdicts);
        }
    }
    if (!results.isEmpty()) {
        QStringList header{QStringLiteral("Subestuary")};
        for (int k = 1; k <= kSubestuaries; ++k)
            header << QString::number(k);
        lines.append(plainLine(header));
        lines.append(results);
    }
    return {toText(lines), toHtml(lines)};
}

} // namespace siltmere::ui
