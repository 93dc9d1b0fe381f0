#pragma once

// Exceedances over 25 years against critical deposition thickness: one small
// panel per subestuary, the five thicknesses along each, a line for the
// existing land use and for each earthworks scenario, and a legend.
//
// Painted here rather than with Qt's chart module: the chart is a few lines
// and markers on six small grids, and the chart module would add a library
// (and its QML-free but large graphics-view stack) to build for Windows and
// to carry in the Debian package for that alone.

#include "OverviewResults.h"

#include <QWidget>

#include <array>

namespace siltmere::ui {

class ExceedanceChart : public QWidget {
    Q_OBJECT

public:
    explicit ExceedanceChart(QWidget* parent = nullptr);

    void setResults(const OverviewResults& results);

    // The three series, existing land use first, then kScenarios' order.
    static constexpr std::size_t kSeries = 1 + kScenarios.size();
    using Series = std::array<std::array<int, kThicknesses>, kSubestuaries>; // [k - 1][thickness]

    const std::array<Series, kSeries>& series() const { return series_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The top of a panel's count axis: a round number at or above `largest`,
    // in steps of 1, 2 or 5 times a power of ten, with the step it is
    // divided into (at most `mostSteps`, which is at least 1).
    struct Axis {
        int top;
        int step;
    };
    static Axis countAxis(int largest, int mostSteps);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<Series, kSeries> series_{};
};

} // namespace siltmere::ui
