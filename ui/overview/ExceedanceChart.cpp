#include "ExceedanceChart.h"

#include "DesignText.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

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

// Told apart by colour, line and marker alike, so the chart reads without
// colour too (printed, or by a planner who does not see red and green
// apart). The colours are Okabe and Ito's, lighter on a dark background.
std::array<SeriesStyle, ExceedanceChart::kSeries> seriesStyles()
{
    return {{
        {QStringLiteral("Existing land use"), QColor(0x40, 0x40, 0x40), QColor(0xd0, 0xd0, 0xd0), Qt::SolidLine,
         SeriesStyle::Marker::Circle},
        {toQString(kScenarios[0].caption), QColor(0x00, 0x72, 0xb2), QColor(0x56, 0xb4, 0xe9), Qt::DashLine,
         SeriesStyle::Marker::Square},
        {toQString(kScenarios[1].caption), QColor(0xd5, 0x5e, 0x00), QColor(0xf0, 0x9a, 0x50), Qt::DotLine,
         SeriesStyle::Marker::Triangle},
    }};
}

void drawMarker(QPainter& painter, SeriesStyle::Marker marker, QPointF at, qreal size)
{
    const qreal r = size / 2;
    switch (marker) {
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

bool isDark(const QColor& background)
{
    return background.lightnessF() < 0.5;
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
    const QPalette& colours = palette();
    const QColor text = colours.color(QPalette::Text);
    const bool dark = isDark(colours.color(QPalette::Base));
    const QFontMetricsF metrics(font());
    const qreal line = metrics.height();
    const qreal marker = std::max<qreal>(6, line * 0.45);
    const auto styles = seriesStyles();

    // The legend: one entry per series, side by side along the top.
    qreal x = line * 0.5;
    const qreal legendY = line * 0.8;
    for (const SeriesStyle& style : styles) {
        const QColor colour = dark ? style.dark : style.light;
        painter.setPen(QPen(colour, 2, style.line));
        painter.drawLine(QPointF(x, legendY), QPointF(x + line * 2, legendY));
        painter.setPen(QPen(colour, 1.5));
        painter.setBrush(colour);
        drawMarker(painter, style.marker, {x + line, legendY}, marker);
        painter.setPen(text);
        painter.drawText(QPointF(x + line * 2.4, legendY + metrics.ascent() / 2 - 1), style.name);
        x += line * 3 + metrics.horizontalAdvance(style.name);
    }

    // The panels, under the legend and above the thickness axis's caption.
    const QRectF grid(0, line * 1.6, width(), height() - line * 2.8);
    const qreal panelWidth = grid.width() / kPanelColumns;
    const qreal panelHeight = grid.height() / kPanelRows;
    const QString countsLabelWidest = QStringLiteral("000");
    const qreal left = metrics.horizontalAdvance(countsLabelWidest) + line * 0.6;
    QColor gridColour = text;
    gridColour.setAlphaF(0.25);

    for (int k = 1; k <= kSubestuaries; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        // Panels fill the grid row by row.
        const int column = (k - 1) % kPanelColumns;
        const int row = (k - 1) / kPanelColumns;
        const QRectF panel(grid.left() + panelWidth * column, grid.top() + panelHeight * row, panelWidth, panelHeight);
        const QRectF plot = panel.adjusted(left, line * 1.3, -line * 0.6, -line * 1.3);

        painter.setPen(text);
        painter.drawText(QRectF(plot.left(), panel.top(), plot.width(), line * 1.2), Qt::AlignCenter,
                         tr("Subestuary %1").arg(k));

        int largest = 0;
        for (const Series& series : series_)
            largest = std::max(largest, *std::max_element(series[i].begin(), series[i].end()));
        // As many grid lines as leave room for their numbers.
        const Axis axis = countAxis(largest, std::min(5, static_cast<int>(plot.height() / (line * 1.1))));
        auto yOf = [&](int count) { return plot.bottom() - plot.height() * count / axis.top; };
        auto xOf = [&](std::size_t t) {
            return plot.left() + plot.width() * (static_cast<qreal>(t) + 0.5) / kThicknesses;
        };

        // The count axis: grid lines and their numbers.
        for (int count = 0; count <= axis.top; count += axis.step) {
            const qreal y = yOf(count);
            painter.setPen(QPen(gridColour, 1));
            painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
            painter.setPen(text);
            painter.drawText(QRectF(panel.left(), y - line / 2, left - line * 0.3, line),
                             Qt::AlignRight | Qt::AlignVCenter, QString::number(count));
        }
        // The thickness axis: the five thicknesses, in millimetres.
        painter.setPen(QPen(text, 1));
        painter.drawLine(plot.bottomLeft(), plot.bottomRight());
        for (std::size_t t = 0; t < kThicknessChoices.size(); ++t) {
            QString label = toQString(kThicknessChoices[t].label);
            label.chop(3); // " mm": the axis's caption says it once
            painter.drawText(QRectF(xOf(t) - line * 1.5, plot.bottom() + 1, line * 3, line),
                             Qt::AlignHCenter | Qt::AlignTop, label);
        }

        for (std::size_t s = 0; s < series_.size(); ++s) {
            const QColor colour = dark ? styles[s].dark : styles[s].light;
            QPainterPath path;
            for (std::size_t t = 0; t < kThicknessChoices.size(); ++t) {
                const QPointF point(xOf(t), yOf(series_[s][i][t]));
                if (t == 0)
                    path.moveTo(point);
                else
                    path.lineTo(point);
            }
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(colour, 2, styles[s].line));
            painter.drawPath(path);
            painter.setPen(QPen(colour, 1.5));
            painter.setBrush(colour);
            for (std::size_t t = 0; t < kThicknessChoices.size(); ++t)
                drawMarker(painter, styles[s].marker, {xOf(t), yOf(series_[s][i][t])}, marker);
        }
    }

    painter.setPen(text);
    painter.drawText(QRectF(0, height() - line * 1.2, width(), line * 1.2), Qt::AlignCenter,
                     tr("Critical deposition thickness (mm); events over 25 years up each panel"));
}

} // namespace siltmere::ui
