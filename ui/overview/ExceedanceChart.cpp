#include "ExceedanceChart.h"

#include "DesignText.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace siltmere::ui {

namespace {

constexpr int kPanelColumns = 3;
constexpr int kPanelRows = (kSubestuaries + kPanelColumns - 1) / kPanelColumns;

struct SeriesStyle {
    QString name;
    QColor light; // on a light background
    QColor dark;  // on a dark one
    Qt::PenStyle line;
    enum class Marker { Circle, Square, Triangle } marker;
};

// What the chart's parts are drawn with, for the widget's palette and font.
struct Look {
    explicit Look(const QWidget& chart)
        : text(chart.palette().color(QPalette::Text))
        , dark(chart.palette().color(QPalette::Base).lightnessF() < 0.5)
        , metrics(chart.font())
        , line(metrics.height())
    {
    }
    QColor text;
    bool dark; // the background
    QFontMetricsF metrics;
    qreal line; // a line of text's height
    qreal marker = std::max<qreal>(6, line * 0.45);
    // The count axis's numbers, at a panel's left.
    qreal countLabels = metrics.horizontalAdvance(QStringLiteral("000")) + line * 0.6;
    // Told apart by colour, line and marker alike, so the chart reads
    // without colour too (printed, or by a planner who does not see red and
    // green apart). The colours are Okabe and Ito's, lighter on a dark
    // background.
    std::array<SeriesStyle, ExceedanceChart::kSeries> series{{
        {QStringLiteral("Existing land use"), QColor(0x40, 0x40, 0x40), QColor(0xd0, 0xd0, 0xd0), Qt::SolidLine,
         SeriesStyle::Marker::Circle},
        {toQString(kScenarios[0].caption), QColor(0x00, 0x72, 0xb2), QColor(0x56, 0xb4, 0xe9), Qt::DashLine,
         SeriesStyle::Marker::Square},
        {toQString(kScenarios[1].caption), QColor(0xd5, 0x5e, 0x00), QColor(0xf0, 0x9a, 0x50), Qt::DotLine,
         SeriesStyle::Marker::Triangle},
    }};

    QColor colour(const SeriesStyle& style) const { return dark ? style.dark : style.light; }
};

void drawMarker(QPainter& painter, const SeriesStyle& style, const QColor& colour, QPointF at, qreal size)
{
    painter.setPen(QPen(colour, 1.5));
    painter.setBrush(colour);
    const qreal r = size / 2;
    switch (style.marker) {
    case SeriesStyle::Marker::Circle:
        painter.drawEllipse(at, r, r);
        break;
    case SeriesStyle::Marker::Square:
        painter.drawRect(QRectF(at.x() - r, at.y() - r, size, size));
        break;
    case SeriesStyle::Marker::Triangle: {
        const QPointF corners[] = {
            {at.x(), at.y() - r * 1.2}, {at.x() + r * 1.1, at.y() + r}, {at.x() - r * 1.1, at.y() + r}};
        painter.drawPolygon(corners, 3);
        break;
    }
    }
}

// One entry per series, side by side along the top.
void drawLegend(QPainter& painter, const Look& look)
{
    const qreal y = look.line * 0.8;
    qreal x = look.line * 0.5;
    for (const SeriesStyle& style : look.series) {
        const QColor colour = look.colour(style);
        painter.setPen(QPen(colour, 2, style.line));
        painter.drawLine(QPointF(x, y), QPointF(x + look.line * 2, y));
        drawMarker(painter, style, colour, {x + look.line, y}, look.marker);
        painter.setPen(look.text);
        painter.drawText(QPointF(x + look.line * 2.4, y + look.metrics.ascent() / 2 - 1), style.name);
        x += look.line * 3 + look.metrics.horizontalAdvance(style.name);
    }
}

// Subestuary k's panel: its title, its own count axis with grid lines, the
// thickness axis and the three series.
void drawPanel(QPainter& painter, const Look& look, const QRectF& panel, int k,
               const std::array<ExceedanceChart::Series, ExceedanceChart::kSeries>& series)
{
    const auto i = static_cast<std::size_t>(k - 1);
    const qreal line = look.line;
    const QRectF plot = panel.adjusted(look.countLabels, line * 1.3, -line * 0.6, -line * 1.3);
    painter.setPen(look.text);
    painter.drawText(QRectF(plot.left(), panel.top(), plot.width(), line * 1.2), Qt::AlignCenter,
                     ExceedanceChart::tr("Subestuary %1").arg(k));

    int largest = 0;
    for (const ExceedanceChart::Series& counts : series)
        largest = std::max(largest, *std::max_element(counts[i].begin(), counts[i].end()));
    // As many grid lines as leave room for their numbers.
    const ExceedanceChart::Axis axis =
        ExceedanceChart::countAxis(largest, std::min(5, static_cast<int>(plot.height() / (line * 1.1))));
    auto yOf = [&](int count) { return plot.bottom() - plot.height() * count / axis.top; };
    auto xOf = [&](std::size_t t) { return plot.left() + plot.width() * (static_cast<qreal>(t) + 0.5) / kThicknesses; };
    QColor grid = look.text;
    grid.setAlphaF(0.25);
    for (int count = 0; count <= axis.top; count += axis.step) {
        painter.setPen(QPen(grid, 1));
        painter.drawLine(QPointF(plot.left(), yOf(count)), QPointF(plot.right(), yOf(count)));
        painter.setPen(look.text);
        painter.drawText(QRectF(panel.left(), yOf(count) - line / 2, look.countLabels - line * 0.3, line),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(count));
    }
    // The thicknesses in millimetres: the chart's caption gives the unit.
    painter.setPen(QPen(look.text, 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    for (std::size_t t = 0; t < kThicknessChoices.size(); ++t) {
        painter.drawText(QRectF(xOf(t) - line * 1.5, plot.bottom() + 1, line * 3, line),
                         Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(std::lround(kThicknessChoices[t].cdtMetres * 1000)));
    }

    for (std::size_t s = 0; s < series.size(); ++s) {
        const QColor colour = look.colour(look.series[s]);
        QPainterPath path(QPointF(xOf(0), yOf(series[s][i][0])));
        for (std::size_t t = 1; t < kThicknessChoices.size(); ++t)
            path.lineTo(xOf(t), yOf(series[s][i][t]));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colour, 2, look.series[s].line));
        painter.drawPath(path);
        for (std::size_t t = 0; t < kThicknessChoices.size(); ++t)
            drawMarker(painter, look.series[s], colour, {xOf(t), yOf(series[s][i][t])}, look.marker);
    }
}

} // namespace

ExceedanceChart::ExceedanceChart(QWidget* parent)
    : QWidget(parent)
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setAccessibleName(tr("Exceedances over 25 years against critical deposition thickness"));
    setAccessibleDescription(tr("A line chart per subestuary of the counts in the tables; each panel has its own "
                                "scale"));
}

void ExceedanceChart::setResults(const OverviewResults& results)
{
    for (std::size_t t = 0; t < kThicknessChoices.size(); ++t) {
        for (int k = 1; k <= kSubestuaries; ++k) {
            const auto i = static_cast<std::size_t>(k - 1);
            // The counts as the percentage step read them: whole numbers.
            series_[0][i][t] = static_cast<int>(results.assessment(0, t).figures(k).baseline);
            for (std::size_t s = 0; s < kScenarios.size(); ++s)
                series_[s + 1][i][t] = static_cast<int>(results.assessment(s, t).figures(k).scenario);
        }
    }
    update();
}

ExceedanceChart::Axis ExceedanceChart::countAxis(int largest, int mostSteps)
{
    mostSteps = std::max(mostSteps, 1);
    if (largest <= 0)
        return {1, 1};
    for (int power = 1;; power *= 10) {
        for (const int multiple : {1, 2, 5}) {
            const int step = multiple * power;
            const int top = (largest + step - 1) / step * step;
            if (top / step <= mostSteps)
                return {top, step};
        }
    }
}

QSize ExceedanceChart::sizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 36, line * 19};
}

QSize ExceedanceChart::minimumSizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 27, line * 13};
}

void ExceedanceChart::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const Look look(*this);
    drawLegend(painter, look);

    // The panels, under the legend and above the thickness axis's caption,
    // filling the grid row by row.
    const QRectF grid(0, look.line * 1.6, width(), height() - look.line * 2.8);
    const QSizeF panel(grid.width() / kPanelColumns, grid.height() / kPanelRows);
    for (int k = 1; k <= kSubestuaries; ++k) {
        const int column = (k - 1) % kPanelColumns;
        const int row = (k - 1) / kPanelColumns;
        const QPointF corner(grid.left() + panel.width() * column, grid.top() + panel.height() * row);
        drawPanel(painter, look, QRectF(corner, panel), k, series_);
    }

    painter.setPen(look.text);
    painter.drawText(QRectF(0, height() - look.line * 1.2, width(), look.line * 1.2), Qt::AlignCenter,
                     tr("Critical deposition thickness (mm); events over 25 years up each panel"));
}

} // namespace siltmere::ui
