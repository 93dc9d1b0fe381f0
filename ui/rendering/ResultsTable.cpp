#include "ResultsTable.h"

#include "DesignText.h"

#include <QLocale>
#include <QStringList>

namespace siltmere::ui {

QString shortestDecimal(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

TableCell limitCell(double value)
{
    QLocale desktop;
    desktop.setNumberOptions(QLocale::OmitGroupSeparator);
    const double limit = value == 0.0 ? 0.0 : value; // never "-0"
    return {desktop.toString(limit, 'g', QLocale::FloatingPointShortest), Verdict::None, shortestDecimal(limit),
            NumberFormat::General};
}

namespace {

// The model writes loads and counts as whole numbers in plain digits and a
// percentage from the whole number it rounded the increase to; the box
// texts do not depend on the locale.
TableCell resultCell(const Assessment& assessment, ResultRowId row, int k)
{
    const ResultBox& box = assessment.box(row, k);
    const QString text = QString::fromStdString(box.text);
    if (!rowWording(row).judged)
        return {text, Verdict::None, text, NumberFormat::Whole};
    const std::optional<std::int16_t> percent = assessment.figures(k).shown;
    if (!percent)
        return {text, box.verdict, {}, NumberFormat::General};
    return {text, box.verdict, shortestDecimal(*percent / 100.0), NumberFormat::Percent};
}

} // namespace

TableLine resultLine(const QString& label, const Assessment& assessment, ResultRowId row)
{
    TableLine line = plainLine({label});
    for (int k = 1; k <= kSubestuaries; ++k)
        line.append(resultCell(assessment, row, k));
    return line;
}

TableLine verdictLine(const QString& label, const Assessment& assessment, ResultRowId row)
{
    QStringList verdicts{label};
    for (int k = 1; k <= kSubestuaries; ++k)
        verdicts.append(toQString(verdictWording(assessment.box(row, k).verdict).cell));
    return plainLine(verdicts);
}

QStringList subestuaryHeader(const QString& first)
{
    QStringList header{first};
    for (int k = 1; k <= kSubestuaries; ++k)
        header << QString::number(k);
    return header;
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
        const QString colour = verdictBack(cell.colour).name();
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

ResultsTable buildResultsTable(const Assessment& assessment)
{
    const AssessmentInputs& inputs = assessment.inputs;
    QList<TableLine> lines;
    TableLine inputsLine =
        plainLine({QStringLiteral("Critical deposition thickness"), toQString(inputs.thicknessLabel()),
                   QStringLiteral("Scenario"), toQString(inputs.scenario().caption),
                   QStringLiteral("Acceptability limit (%)"), QString::fromStdString(inputs.limitText)});
    if (inputs.limitValue)
        inputsLine.last() = limitCell(*inputs.limitValue);
    lines.append(inputsLine);

    QList<TableLine> results;
    for (const ResultRowWording& spec : kResultRowWordings) {
        if (!assessment.filled(spec.id))
            continue;
        results.append(resultLine(toQString(spec.title), assessment, spec.id));
        if (spec.judged)
            results.append(verdictLine(QStringLiteral("Verdict"), assessment, spec.id));
    }
    if (!results.isEmpty()) {
        lines.append(plainLine(subestuaryHeader(toQString(kSubestuaryHeading))));
        lines.append(results);
    }
    return buildTable(lines);
}

} // namespace siltmere::ui
