#include "ResultsTable.h"

#include "DesignText.h"
#include "WindowsColor.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

namespace siltmere::ui {

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

namespace {

// The colour the window paints a percentage in, as an HTML colour.
QString htmlColor(Verdict verdict)
{
    return fromWindowsRgb(verdictColor(verdict)).name();
}

QString shortestDecimal(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace

// A result box's text as the model writes it: whole numbers ("40909", "0")
// and whole percentages ("56%", "-33%") become numbers; anything else
// ("n/a") stays text. The box texts do not depend on the locale.
TableCell resultCell(const QString& text, Verdict colour)
{
    static const QRegularExpression kModelNumber(QStringLiteral("^(-?[0-9]+)(%?)$"));
    const QRegularExpressionMatch match = kModelNumber.match(text);
    if (!match.hasMatch())
        return {text, colour, {}, NumberFormat::General};
    if (match.capturedView(2).isEmpty())
        return {text, colour, match.captured(1), NumberFormat::Whole};
    bool isInt = false;
    const int percent = match.capturedView(1).toInt(&isInt);
    if (!isInt)
        return {text, colour, {}, NumberFormat::General};
    return {text, colour, shortestDecimal(percent / 100.0), NumberFormat::Percent};
}

TableLine plainLine(const QStringList& texts)
{
    TableLine line;
    for (const QString& text : texts)
        line.append({text, Verdict::None, {}, NumberFormat::General});
    return line;
}

namespace {

QString toText(const QList<TableLine>& lines)
{
    QString text;
    for (const TableLine& line : lines) {
        QStringList cells;
        for (const TableCell& cell : line)
            cells.append(cell.text);
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

// The format codes of LibreOffice and Excel for a number's format, as US
// English writes them.
QString formatCode(NumberFormat format)
{
    switch (format) {
    case NumberFormat::Whole:
        return QStringLiteral("0");
    case NumberFormat::Percent:
        return QStringLiteral("0%");
    case NumberFormat::General:
        break;
    }
    return QStringLiteral("General");
}

// A cell's opening tag. LibreOffice Calc, pasting HTML, ignores CSS colours
// and, with its import options as they come, takes "56%" as text: it reads
// the bgcolor attribute, and a number from sdval with its format from sdnum,
// as in Calc's own HTML. Excel's own HTML marks numbers with x:num and
// mso-number-format. The style keeps the colour for word processors and
// browsers.
QString openingTag(const TableCell& cell)
{
    QStringList attributes;
    QStringList style;
    if (cell.colour != Verdict::None) {
        const QString colour = htmlColor(cell.colour);
        attributes << QStringLiteral("bgcolor=\"%1\"").arg(colour);
        style << QStringLiteral("background-color:%1").arg(colour);
    }
    if (!cell.value.isEmpty()) {
        const QString value = cell.value.toHtmlEscaped();
        const QString code = formatCode(cell.format).toHtmlEscaped();
        // sdnum: the value and the code are US English (1033); the format's
        // language is US English too (1033) or, for General, the pasting
        // Calc's own (0), so that a German Calc shows the limit 20.5 as
        // "20,5". A German Calc given "0%" in its own language shows 0.56 as
        // "0,56", so the whole numbers and percentages keep US English, which
        // shows them alike in every locale.
        const QString language = cell.format == NumberFormat::General ? QStringLiteral("0") : QStringLiteral("1033");
        attributes << QStringLiteral("sdval=\"%1\"").arg(value)
                   << QStringLiteral("sdnum=\"1033;%1;%2\"").arg(language, code)
                   << QStringLiteral("x:num=\"%1\"").arg(value);
        style << QStringLiteral("mso-number-format:%1").arg(code);
    }
    if (!style.isEmpty())
        attributes << QStringLiteral("style=\"%1\"").arg(style.join(QLatin1Char(';')));
    return attributes.isEmpty() ? QStringLiteral("<td>")
                                : QStringLiteral("<td %1>").arg(attributes.join(QLatin1Char(' ')));
}

QString toHtml(const QList<TableLine>& lines)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n");
    for (const TableLine& line : lines) {
        html += QStringLiteral("<tr>");
        for (const TableCell& cell : line)
            html += openingTag(cell) + cell.text.toHtmlEscaped() + QStringLiteral("</td>");
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

} // namespace

ResultsTable buildTable(const QList<TableLine>& lines)
{
    return {toText(lines), toHtml(lines)};
}

ResultsTable buildResultsTable(const ShownResults& shown)
{
    QList<TableLine> lines;
    TableLine inputs =
        plainLine({QStringLiteral("Critical deposition thickness"), shown.thickness, QStringLiteral("Scenario"),
                   shown.scenario, QStringLiteral("Acceptability limit (%)"), shown.limit});
    if (shown.limitValue)
        inputs.last().value = shortestDecimal(*shown.limitValue);
    lines.append(inputs);

    QList<TableLine> results;
    for (const ResultRowSpec& spec : kResultRows) {
        const ShownRow& row = shown.rows[indexOf(spec.id)];
        if (!isFilled(row))
            continue;
        TableLine line = plainLine({toQString(spec.title)});
        for (const ShownBox& box : row)
            line.append(resultCell(box.text, spec.judged ? box.verdict : Verdict::None));
        results.append(line);
        if (spec.judged) {
            QStringList verdicts{QStringLiteral("Verdict")};
            for (const ShownBox& box : row)
                verdicts.append(verdictText(box.verdict));
            results.append(plainLine(verdicts));
        }
    }
    if (!results.isEmpty()) {
        QStringList header{QStringLiteral("Subestuary")};
        for (int k = 1; k <= kSubestuaries; ++k)
            header << QString::number(k);
        lines.append(plainLine(header));
        lines.append(results);
    }
    return buildTable(lines);
}

} // namespace siltmere::ui
