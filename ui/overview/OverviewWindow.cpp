#include "OverviewWindow.h"

#include "CachedLayoutDelegate.h"
#include "DesignFonts.h"
#include "DesignText.h"
#include "ExceedanceChart.h"
#include "FatalError.h"
#include "FormBuilder.h"
#include "ReadableText.h"
#include "ResultGrid.h"
#include "ResultsTable.h"
#include "WindowCommands.h"
#include "WindowsColor.h"
#include "Working.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace siltmere::ui {

// The percentage cells: the thickness chosen in the main window outlined in
// the highlight colour across its row, and every cell as large as its text
// with either verdict, so that a new limit changes the cells' words and
// colours but never the window's layout.
class PercentageCellDelegate : public CachedLayoutDelegate {
public:
    using CachedLayoutDelegate::CachedLayoutDelegate;

    // A cell's texts with either verdict.
    static constexpr int kEitherVerdictRole = Qt::UserRole;
    // The row outlined, or -1 for none.
    int outlinedRow = -1;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        CachedLayoutDelegate::paint(painter, option, index);
        if (index.row() != outlinedRow)
            return;
        painter->save();
        constexpr int kWidth = 3;
        QPen pen(option.palette.color(QPalette::Highlight), kWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter->setPen(pen);
        const QRectF r = QRectF(option.rect).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0);
        const QRectF across = QRectF(option.rect).adjusted(0, kWidth / 2.0, 0, -kWidth / 2.0);
        painter->drawLine(across.topLeft(), across.topRight());
        painter->drawLine(across.bottomLeft(), across.bottomRight());
        if (index.column() == 0)
            painter->drawLine(r.topLeft(), r.bottomLeft());
        if (index.column() == index.model()->columnCount() - 1)
            painter->drawLine(r.topRight(), r.bottomRight());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QStyle& style = opt.widget ? *opt.widget->style() : *QApplication::style();
        QSize widest(0, 0);
        for (const QString& text : index.data(kEitherVerdictRole).toStringList()) {
            opt.text = displayText(text, opt.locale);
            widest = widest.expandedTo(style.sizeFromContents(QStyle::CT_ItemViewItem, &opt, QSize(), opt.widget));
        }
        return widest;
    }
};

namespace {

QString thicknessLabel(std::size_t t)
{
    return toQString(kThicknessChoices[t].label);
}

QString boxText(const Assessment& assessment, ResultRowId row, int k)
{
    return QString::fromStdString(assessment.box(row, k).text);
}

// The verdict in words, or why there is none.
QString verdictWords(Verdict verdict)
{
    return toQString(verdict == Verdict::None ? kNoComparison : verdictWording(verdict).phrase);
}

QTableWidget* newTable(const QString& name, QWidget* parent)
{
    auto* table = new QTableWidget(kThicknesses, kSubestuaries, parent);
    table->setAccessibleName(name);
    QStringList thicknesses;
    for (std::size_t t = 0; t < kThicknessChoices.size(); ++t)
        thicknesses << thicknessLabel(t);
    table->setVerticalHeaderLabels(thicknesses);
    for (int k = 1; k <= kSubestuaries; ++k) {
        auto* header = new QTableWidgetItem(QString::number(k));
        header->setToolTip(QObject::tr("Subestuary %1").arg(k));
        table->setHorizontalHeaderItem(k - 1, header);
    }
    for (int row = 0; row < kThicknesses; ++row) {
        for (int column = 0; column < kSubestuaries; ++column) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignCenter);
            table->setItem(row, column, cell);
        }
    }
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A selection would paint over the verdict colours.
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    return table;
}

// The column width and row height that fit a table's texts, with room
// around them: every column as wide as the widest, every row as tall as the
// tallest, a grid that reads as one.
QSize evenCellSize(QTableWidget& table)
{
    table.resizeColumnsToContents();
    table.resizeRowsToContents();
    const int padding = table.fontMetrics().height() / 2;
    int width = 0;
    for (int c = 0; c < table.columnCount(); ++c)
        width = std::max(width, table.columnWidth(c) + padding);
    int height = 0;
    for (int r = 0; r < table.rowCount(); ++r)
        height = std::max(height, table.rowHeight(r) + padding / 2);
    return {width, height};
}

void applyCellSize(QTableWidget& table, QSize cell)
{
    for (int c = 0; c < table.columnCount(); ++c)
        table.setColumnWidth(c, cell.width());
    for (int r = 0; r < table.rowCount(); ++r)
        table.setRowHeight(r, cell.height());
    // Exactly the size of its headers and cells, worked out here rather than
    // left to the view, which knows its headers' sizes only once shown.
    const int frame = 2 * table.frameWidth();
    table.setFixedSize(table.verticalHeader()->sizeHint().width() + cell.width() * table.columnCount() + frame,
                       table.horizontalHeader()->sizeHint().height() + cell.height() * table.rowCount() + frame);
}

// Sets a role of a cell where it differs: every change draws the cell again.
void setIfChanged(QTableWidgetItem& item, int role, const QVariant& value)
{
    if (item.data(role) != value)
        item.setData(role, value);
}

// A cell's text on a colour the design fixes, its text readable on it
// whatever the theme.
void setColoured(QTableWidgetItem& item, const QString& text, std::uint32_t windowsColor)
{
    const QColor back = fromWindowsRgb(windowsColor);
    setIfChanged(item, Qt::DisplayRole, text);
    setIfChanged(item, Qt::BackgroundRole, QBrush(back));
    setIfChanged(item, Qt::ForegroundRole, QBrush(plainTextOn(back)));
}

QGroupBox* group(const QString& title, QWidget* content, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

// The overview scrolls where the screen is smaller than it.
void scrollWhereSmaller(QWidget& window, QWidget* content)
{
    auto* scroll = new QScrollArea(&window);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(&window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
}

} // namespace

OverviewWindow::OverviewWindow(const QString& limitText, double limitValue, QWidget* parent)
    : QWidget(parent)
    , results_(computeOverview(limitText, limitValue))
{
    setUpWindow(*this, QStringLiteral("Overview"), tr("Siltmere Overview"));
    setFont(designFont(kReadingFont));

    auto* content = new QWidget(this);
    heading_ = new QLabel(content);
    QFont headingFont = heading_->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.2);
    heading_->setFont(headingFont);
    auto* key =
        new QLabel(tr("Green: within the acceptability limit; red: above it; n/a: %1.\n"
                      "Under each percentage, the exceedances over 25 years: existing land use \u2192 earthworks. "
                      "Outlined: the thickness and scenario chosen in the main window.")
                       .arg(toQString(kNoComparison)),
                   content);
    // Two lines of their own, not wrapped: a wrapped label's height depends
    // on the width a scroll bar leaves, and the window is sized from it.
    QLayout* scenarios = addPercentageTables(content);
    QLayout* lower = addLoadsAndChart(content);
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(heading_);
    layout->addWidget(key);
    layout->addLayout(scenarios);
    layout->addLayout(lower, 1);
    scrollWhereSmaller(*this, content);

    offerCopy();
    offerWorking();
    showResults();
    fitToScreenOnFirstShow(*this);
}

QLayout* OverviewWindow::addPercentageTables(QWidget* content)
{
    auto* scenarios = new QHBoxLayout;
    for (std::size_t s = 0; s < kScenarios.size(); ++s) {
        const QString caption = toQString(kScenarios[s].caption);
        percentages_[s] = newTable(percentageTableTitle(s), content);
        outlines_[s] = new PercentageCellDelegate(percentages_[s]);
        percentages_[s]->setItemDelegate(outlines_[s]);
        scenarios->addWidget(
            group(tr("%1: percentage increase by thickness (down) and subestuary (across)").arg(caption),
                  percentages_[s], content));
    }
    scenarios->addStretch();
    return scenarios;
}

QLayout* OverviewWindow::addLoadsAndChart(QWidget* content)
{
    loads_ = newTable(tr("Critical total load, tonnes per event"), content);
    chart_ = new ExceedanceChart(content);
    auto* lower = new QHBoxLayout;
    auto* loadsBox = group(toQString(rowWording(ResultRowId::CriticalLoads).title), loads_, content);
    loadsBox->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    lower->addWidget(loadsBox, 0, Qt::AlignTop);
    lower->addWidget(group(chart_->accessibleName(), chart_, content), 1);
    return lower;
}

void OverviewWindow::offerCopy()
{
    copy_ = addWindowCommand(*this, tr("Copy overview"), QKeySequence::Copy, [this] { copyOverview(); });
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

// Opens at the size its tables and chart need (smaller where the screen is),
// worked out once the style has polished every widget: its fonts and margins
// decide the size.
void OverviewWindow::setVisible(bool visible)
{
    if (visible && !sized_) {
        sized_ = true;
        ensurePolished();
        // The polished fonts decide the cells' sizes.
        showResults();
        // The layouts keep the sizes they were given before the polish.
        for (QWidget* widget : findChildren<QWidget*>())
            widget->updateGeometry();
        for (QLayout* layout : findChildren<QLayout*>())
            layout->invalidate();
        resize(findChild<QScrollArea*>()->widget()->sizeHint());
    }
    QWidget::setVisible(visible);
}

void OverviewWindow::showLimit(const QString& text, double value)
{
    results_ = computeOverview(text, value);
    // A limit changes only the verdicts: the loads and the counts the chart
    // draws stay as they are.
    showPercentages();
}

void OverviewWindow::outlineCombination(int thickness, std::size_t scenario)
{
    // The main window says its combination after every change of an input,
    // most of them keystrokes in the limit that leave it as it is.
    bool changed = false;
    for (std::size_t s = 0; s < kScenarios.size(); ++s) {
        const int row = s == scenario ? thickness : -1;
        changed = changed || outlines_[s]->outlinedRow != row;
        outlines_[s]->outlinedRow = row;
    }
    if (!changed)
        return;
    showPercentages();
    // The outline is the delegate's: no cell's data changes with it.
    for (QTableWidget* table : percentages_)
        table->viewport()->update();
}

void OverviewWindow::showResults()
{
    showPercentages();
    fillLoadsTable();
    chart_->setResults(results_);
    // Each table's cells sized for the fonts as they are now.
    for (QTableWidget* table : percentages_)
        applyCellSize(*table, evenCellSize(*table));
    applyCellSize(*loads_, evenCellSize(*loads_));
}

void OverviewWindow::showPercentages()
{
    heading_->setText(tr("Percentage increase of exceedances over the existing land use, for the acceptability "
                         "limit of %1")
                          .arg(QString::fromStdString(percentText(results_.limitValue()))));
    for (std::size_t s = 0; s < kScenarios.size(); ++s)
        fillPercentageTable(s);
}

QString OverviewWindow::cellName(std::size_t scenario, std::size_t thickness, int k) const
{
    const Assessment& assessment = results_.assessment(scenario, thickness);
    const ResultBox& box = assessment.box(ResultRowId::Percentage, k);
    // The whole percentage the box shows, read out with its unit apart.
    const std::optional<std::int16_t> shown = assessment.figures(k).shown;
    const QString percentage = shown ? QStringLiteral("%1 %").arg(*shown) : QString::fromStdString(box.text);
    QString name =
        tr("%1, subestuary %2, %3: %4, %5; %6 to %7 events")
            .arg(thicknessLabel(thickness))
            .arg(k)
            .arg(toQString(kScenarios[scenario].spokenName), percentage, verdictWords(box.verdict),
                 boxText(assessment, ResultRowId::Baseline, k), boxText(assessment, ResultRowId::Scenario, k));
    if (static_cast<int>(thickness) == outlines_[scenario]->outlinedRow)
        name += tr("; chosen in the main window");
    return name;
}

// A percentage cell's text: the percentage, the verdict's word beside it
// (colour is never the only carrier, on screen or printed in black and
// white) and under it the two counts.
QString OverviewWindow::cellText(std::size_t scenario, std::size_t thickness, int k, Verdict verdict) const
{
    const Assessment& assessment = results_.assessment(scenario, thickness);
    const QString percentage = boxText(assessment, ResultRowId::Percentage, k);
    const QString mark = toQString(verdictWording(verdict).word);
    QString text = mark.isEmpty() ? percentage : percentage + QLatin1Char(' ') + mark;
    return text +
           QStringLiteral("\n%1 \u2192 %2")
               .arg(boxText(assessment, ResultRowId::Baseline, k), boxText(assessment, ResultRowId::Scenario, k));
}

void OverviewWindow::fillPercentageTable(std::size_t scenario)
{
    QTableWidget& table = *percentages_[scenario];
    bool resized = false;
    for (std::size_t t = 0; t < kThicknessChoices.size(); ++t) {
        for (int k = 1; k <= kSubestuaries; ++k)
            fillPercentageCell(*table.item(static_cast<int>(t), k - 1), scenario, t, k);
        QFont headerFont = table.font();
        headerFont.setBold(static_cast<int>(t) == outlines_[scenario]->outlinedRow);
        QTableWidgetItem& header = *table.verticalHeaderItem(static_cast<int>(t));
        if (header.font() != headerFont) {
            header.setFont(headerFont);
            // A bold thickness widens the header, and with it the table.
            resized = true;
        }
    }
    if (resized)
        applyCellSize(table, {table.columnWidth(0), table.rowHeight(0)});
}

// A cell that shows what it showed is left alone, so only the cells a new
// limit changes are drawn again.
void OverviewWindow::fillPercentageCell(QTableWidgetItem& item, std::size_t scenario, std::size_t thickness,
                                        int k) const
{
    const Verdict verdict = results_.assessment(scenario, thickness).box(ResultRowId::Percentage, k).verdict;
    const QString text = cellText(scenario, thickness, k, verdict);
    setColoured(item, text, verdictColor(verdict));
    // A limit changes only the verdicts: the texts either verdict gives stay.
    if (!item.data(PercentageCellDelegate::kEitherVerdictRole).isValid())
        item.setData(PercentageCellDelegate::kEitherVerdictRole,
                     verdict == Verdict::None ? QStringList{text}
                                              : QStringList{cellText(scenario, thickness, k, Verdict::Within),
                                                            cellText(scenario, thickness, k, Verdict::Above)});
    setIfChanged(item, Qt::AccessibleTextRole, cellName(scenario, thickness, k));
    setIfChanged(item, Qt::ToolTipRole,
                 verdict == Verdict::None ? verdictWords(verdict)
                                          : tr("%1 of %2%").arg(verdictWords(verdict), results_.limitText()));
}

void OverviewWindow::fillLoadsTable()
{
    const std::uint32_t back = resultRow(ResultRowId::CriticalLoads).backColor;
    for (std::size_t t = 0; t < kThicknessChoices.size(); ++t) {
        for (int k = 1; k <= kSubestuaries; ++k) {
            const QString load = boxText(results_.loads(t), ResultRowId::CriticalLoads, k);
            QTableWidgetItem& item = *loads_->item(static_cast<int>(t), k - 1);
            setColoured(item, load, back);
            item.setData(Qt::AccessibleTextRole, tr("%1, subestuary %2: critical total load %3 tonnes per event")
                                                     .arg(thicknessLabel(t))
                                                     .arg(k)
                                                     .arg(load));
        }
    }
}

// "How was this worked out?" for every cell: F1 or Enter on the current cell
// of the table in hand, and each cell's context menu, which also offers the
// window's own entries.
void OverviewWindow::offerWorking()
{
    auto* working = new QAction(tr("How was this worked out?"), this);
    working->setShortcut(QKeySequence(Qt::Key_F1));
    // The table's own: the window's would offer it in the window's context
    // menu, where no cell is meant.
    working->setShortcutContext(Qt::WidgetShortcut);
    std::vector<QTableWidget*> tables(percentages_.begin(), percentages_.end());
    tables.push_back(loads_);
    for (QTableWidget* table : tables) {
        table->addAction(working);
        connect(table, &QAbstractItemView::activated, this,
                guarded([this, table](const QModelIndex& cell) { requestWorking(*table, cell); }));
        table->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(table, &QWidget::customContextMenuRequested, this, guarded([this, table](const QPoint& position) {
                    const QModelIndex cell = table->indexAt(position);
                    QMenu menu;
                    if (cell.isValid()) {
                        table->setCurrentIndex(cell);
                        QAction* entry = menu.addAction(tr("How was this worked out?"));
                        entry->setShortcut(QKeySequence(Qt::Key_F1));
                        connect(entry, &QAction::triggered, this,
                                guarded([this, table, cell] { requestWorking(*table, cell); }));
                        menu.addSeparator();
                    }
                    menu.addActions(actions());
                    menu.exec(table->viewport()->mapToGlobal(position));
                }));
    }

    connect(working, &QAction::triggered, this, guarded([this, tables] {
                for (QTableWidget* table : tables) {
                    if (table->hasFocus())
                        requestWorking(*table, table->currentIndex());
                }
            }));
}

void OverviewWindow::requestWorking(const QTableWidget& table, const QModelIndex& cell)
{
    // A table just given the focus may have no current cell yet: its first.
    const auto thickness = static_cast<std::size_t>(cell.isValid() ? cell.row() : 0);
    const int k = (cell.isValid() ? cell.column() : 0) + 1;
    if (&table == loads_)
        emit workingRequested(0, thickness, ResultRowId::CriticalLoads, k);
    for (std::size_t s = 0; s < percentages_.size(); ++s) {
        if (&table == percentages_[s])
            emit workingRequested(s, thickness, ResultRowId::Percentage, k);
    }
}

void OverviewWindow::copyOverview() const
{
    QString text;
    QString html;
    for (const ResultsTable& table : overviewTables(results_)) {
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + table.text;
        html += (html.isEmpty() ? QString() : QStringLiteral("<br>\n")) + table.html;
    }
    copyToClipboard(text, html);
}

} // namespace siltmere::ui
