#pragma once

// The overview: every critical deposition thickness and both earthworks
// scenarios at once, for the acceptability limit the main window holds. For
// each scenario a table of the percentage increases on their green, red or
// white, with the exceedance counts they come from; the critical total
// loads; and a chart of the counts. The combination chosen in the main
// window is outlined.
//
// The window works its numbers out with a model of its own; the main window
// tells it the limit and the chosen combination, and nothing else passes
// between them.

#include "OverviewResults.h"

#include <QWidget>

#include <array>

class QAction;
class QLabel;
class QLayout;
class QTableWidget;
class QTableWidgetItem;

namespace siltmere::ui {

class ExceedanceChart;
class PercentageCellDelegate;

class OverviewWindow : public QWidget {
    Q_OBJECT

public:
    // The overview for a limit the percentage step accepts: `limitText` as
    // typed, `limitValue` as read.
    OverviewWindow(const QString& limitText, double limitValue, QWidget* parent = nullptr);

    // Shows the overview for another limit, as above.
    void showLimit(const QString& text, double value);
    // Outlines the combination the main window has chosen: a position in the
    // thickness list (-1: none) and an index into kScenarios.
    void outlineCombination(int thickness, std::size_t scenario);

    const OverviewResults& results() const { return results_; }

    // The tables, for tests and assistive technology: the percentage tables
    // in kScenarios' order, then the critical total loads.
    QTableWidget& percentageTable(std::size_t scenario) const { return *percentages_.at(scenario); }
    QTableWidget& loadsTable() const { return *loads_; }
    ExceedanceChart& chart() const { return *chart_; }
    // Copy overview (Ctrl+C), for the window's menu bar.
    QAction& copyAction() const { return *copy_; }

    void setVisible(bool visible) override;

signals:
    // "How was this worked out?" for a cell (F1, Enter or its context
    // menu): result box k of `row` in the assessment of `scenario` and
    // `thickness` (kScenarios and list order).
    void workingRequested(std::size_t scenario, std::size_t thickness, ResultRowId row, int k);

private:
    QLayout* addPercentageTables(QWidget* content);
    QLayout* addLoadsAndChart(QWidget* content);
    void offerCopy();
    void offerWorking();
    // Asks for the working of a cell of one of the tables.
    void requestWorking(const QTableWidget& table, const QModelIndex& cell);
    // Puts the overview's tables on the clipboard (Ctrl+C, or "Copy
    // overview" in the window's context menu).
    void copyOverview() const;
    void showResults();
    void showPercentages();
    void fillPercentageTable(std::size_t scenario);
    void fillPercentageCell(QTableWidgetItem& item, std::size_t scenario, std::size_t thickness, int k) const;
    QString cellText(std::size_t scenario, std::size_t thickness, int k, Verdict verdict) const;
    QString cellName(std::size_t scenario, std::size_t thickness, int k) const;
    void fillLoadsTable();

    OverviewResults results_;
    bool sized_ = false;

    QLabel* heading_ = nullptr;
    std::array<QTableWidget*, kScenarios.size()> percentages_{};
    // Each holds the row the main window's choice outlines in its table.
    std::array<PercentageCellDelegate*, kScenarios.size()> outlines_{};
    QTableWidget* loads_ = nullptr;
    ExceedanceChart* chart_ = nullptr;
    QAction* copy_ = nullptr;
};

} // namespace siltmere::ui
