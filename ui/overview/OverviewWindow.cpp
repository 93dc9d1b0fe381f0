#include "OverviewWindow.h"

#include "DesignFonts.h"
#include "DesignText.h"
#include "ExceedanceChart.h"
#include "FatalError.h"
#include "FormBuilder.h"
#include "ReadableText.h"
#include "ResultsTable.h"
#include "WindowsColor.h"

#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QScrollArea>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace siltmere::ui {

// Outlines one row of a table: the main window's chosen thickness.
class OutlinedRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    int row = -1;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        if (index.row() != row)
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
};

namespace {

QString thicknessLabel(std::size_t t)
{
    return toQString(kThicknessChoices[t].label);
}

// The verdict in words, or why there is none.
QString verdictWords(Verdict verdict)
{
    return verdict == Verdict::None ? QObject::tr("no exceedances under the existing land use")
                                    : toQString(verdictPhrase(verdict));
}

QTableWidget* newTable(const QString& name, QWidget* parent)
{
    auto* table = new QTableWidget(kThicknesses, kSubestuaries, parent);
    table->setAccessibleName(name);
    QStringList thicknesses;
    for (std::size_t t = 0; t < kThicknessChoices.size(); ++t)
        thicknesses << thicknessLabel(t);
    table->setVerticalHeaderLabels(thicknesses);
    QStringList subestuaries;
    for (int k = 1; k <= kSubestuaries; ++k)
        subestuaries << QString::number(k);
    table->setHorizontalHeaderLabels(subestuaries);
    for (int k = 1; k <= kSubestuaries; ++k)
        table->horizontalHeaderItem(k - 1)->setToolTip(QObject::tr("Subestuary %1").arg(k));
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

// Every column as wide as the widest, every row as tall as the tallest, with
// room around the texts: a grid that reads as one.
void evenOut(QTableWidget& table)
{
    table.resizeColumnsToContents();
    table.resizeRowsToContents();
    const int padding = table.fontMetrics().height() / 2;
    int width = 0;
    for (int c = 0; c < table.columnCount(); ++c)
        width = std::max(width, table.columnWidth(c) + padding);
    for (int c = 0; c < table.columnCount(); ++c)
        table.setColumnWidth(c, width);
    int height = 0;
    for (int r = 0; r < table.rowCount(); ++r)
        height = std::max(height, table.rowHeight(r) + padding / 2);
    for (int r = 0; r < table.rowCount(); ++r)
        table.setRowHeight(r, height);
    // Exactly the size of its headers and cells, worked out here rather than
    // left to the view, which knows its headers' sizes only once shown.
    const int frame = 2 * table.frameWidth();
    table.setFixedSize(table.verticalHeader()->sizeHint().width() + width * table.columnCount() + frame,
                       table.horizontalHeader()->sizeHint().height() + height * table.rowCount() + frame);
}

// A cell on a colour the design fixes, its text readable on it whatever the
// theme.
QTableWidgetItem* colouredItem(const QString& text, std::uint32_t windowsColor)
{
    auto* item = new QTableWidgetItem(text);
    const QColor back = fromWindowsRgb(windowsColor);
    item->setBackground(back);
    item->setForeground(plainTextOn(back));
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

QGroupBox* group(const QString& title, QWidget* content, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

} // namespace

OverviewWindow::OverviewWindow(const QString& limitText, double limitValue, QWidget* parent)
    : QWidget(parent)
    , results_(computeOverview(limitText, limitValue))
{
    setObjectName(QStringLiteral("Overview"));
    setWindowTitle(tr("Siltmere Overview"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/siltmere.png")));
    // The main window's own font (or its stand-in), 8 pt like its texts, but
    // one size up: the overview's tables are read at a glance.
    QFont windowFont = designFont(kWindowFont);
    windowFont.setPointSizeF(9.0);
    setFont(windowFont);

    auto* content = new QWidget(this);
    heading_ = new QLabel(content);
    QFont headingFont = heading_->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.2);
    heading_->setFont(headingFont);
    auto* key = new QLabel(
        tr("Green: within the acceptability limit; red: above it; n/a: no exceedances under the existing land use.\n"
           "Under each percentage, the exceedances over 25 years: existing land use \u2192 earthworks. "
           "Outlined: the thickness and scenario chosen in the main window."),
        content);
    // Two lines of their own, not wrapped: a wrapped label's height depends
    // on the width a scroll bar leaves, and the window is sized from it.

    auto* scenarios = new QHBoxLayout;
    for (std::size_t s = 0; s < kScenarios.size(); ++s) {
        const QString caption = toQString(kScenarios[s].caption);
        percentages_[s] = newTable(tr("Percentage increase, %1").arg(caption), content);
        outlines_[s] = new OutlinedRowDelegate(percentages_[s]);
        percentages_[s]->setItemDelegate(outlines_[s]);
        scenarios->addWidget(
            group(tr("%1: percentage increase by thickness (down) and subestuary (across)").arg(caption),
                  percentages_[s], content));
    }
    scenarios->addStretch();

    loads_ = newTable(tr("Critical total load, tonnes per event"), content);
    chart_ = new ExceedanceChart(content);
    auto* lower = new QHBoxLayout;
    auto* loadsBox = group(tr("Critical total load (tonnes per event)"), loads_, content);
    loadsBox->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    lower->addWidget(loadsBox, 0, Qt::AlignTop);
    lower->addWidget(group(chart_->accessibleName(), chart_, content), 1);

    auto* layout = new QVBoxLayout(content);
    layout->addWidget(heading_);
    layout->addWidget(key);
    layout->addLayout(scenarios);
    layout->addLayout(lower, 1);

    // The overview scrolls where the screen is smaller than it.
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    auto* copy = new QAction(tr("Copy overview"), this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    addAction(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copy, &QAction::triggered, this, guarded([this] { copyOverview(); }));
    copy_ = copy;

    showResults();
    fitToScreenOnFirstShow(*this);
}

// Opens at the size its tables and chart need (smaller where the screen is),
// worked out once the style has polished every widget: its fonts and margins
// decide the size.
void OverviewWindow::setVisible(bool visible)
{
    if (visible && !sized_) {
        sized_ = true;
        ensurePolished();
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
    showResults();
}

void OverviewWindow::outlineCombination(int thickness, std::size_t scenario)
{
    outlinedThickness_ = thickness;
    outlinedScenario_ = scenario;
    showResults();
}

void OverviewWindow::showResults()
{
    heading_->setText(tr("Percentage increase of exceedances over the existing land use, for the acceptability "
                         "limit of %1%")
                          .arg(results_.limit));
    for (std::size_t s = 0; s < kScenarios.size(); ++s)
        fillPercentageTable(s);
    fillLoadsTable();
    chart_->setResults(results_);
}

QString OverviewWindow::cellName(std::size_t scenario, std::size_t thickness, int k) const
{
    const OverviewCell& cell = results_.cell(scenario, thickness, k);
    QString percentage = cell.percentage;
    percentage.replace(QLatin1Char('%'), QStringLiteral(" %"));
    QString name = tr("%1, subestuary %2, %3: %4, %5; %6 to %7 events")
                       .arg(thicknessLabel(thickness))
                       .arg(k)
                       .arg(toQString(kScenarios[scenario].spokenName), percentage, verdictWords(cell.verdict),
                            cell.baseline, cell.scenario);
    if (static_cast<int>(thickness) == outlinedThickness_ && scenario == outlinedScenario_)
        name += tr("; chosen in the main window");
    return name;
}

void OverviewWindow::fillPercentageTable(std::size_t scenario)
{
    QTableWidget& table = *percentages_[scenario];
    for (std::size_t t = 0; t < kThicknessChoices.size(); ++t) {
        for (int k = 1; k <= kSubestuaries; ++k) {
            const OverviewCell& cell = results_.cell(scenario, t, k);
            // The verdict's word beside the percentage: colour is never the
            // only carrier, on screen or printed in black and white.
            const QString mark = toQString(verdictWord(cell.verdict));
            QString text = mark.isEmpty() ? cell.percentage : cell.percentage + QLatin1Char(' ') + mark;
            text += QStringLiteral("\n%1 \u2192 %2").arg(cell.baseline, cell.scenario);
            QTableWidgetItem* item = colouredItem(text, verdictColor(cell.verdict));
            item->setData(Qt::AccessibleTextRole, cellName(scenario, t, k));
            item->setToolTip(cell.verdict == Verdict::None
                                 ? verdictWords(cell.verdict)
                                 : tr("%1 of %2%").arg(verdictWords(cell.verdict), results_.limit));
            table.setItem(static_cast<int>(t), k - 1, item);
        }
        const bool outlined = static_cast<int>(t) == outlinedThickness_ && scenario == outlinedScenario_;
        QFont headerFont = table.font();
        headerFont.setBold(outlined);
        table.verticalHeaderItem(static_cast<int>(t))->setFont(headerFont);
    }
    outlines_[scenario]->row = scenario == outlinedScenario_ ? outlinedThickness_ : -1;
    evenOut(table);
    table.viewport()->update();
}

void OverviewWindow::fillLoadsTable()
{
    const std::uint32_t back = resultRow(ResultRowId::CriticalLoads).backColor;
    for (std::size_t t = 0; t < kThicknessChoices.size(); ++t) {
        for (int k = 1; k <= kSubestuaries; ++k) {
            const QString& load = results_.loads[t][static_cast<std::size_t>(k - 1)];
            QTableWidgetItem* item = colouredItem(load, back);
            item->setData(Qt::AccessibleTextRole, tr("%1, subestuary %2: critical total load %3 tonnes per event")
                                                      .arg(thicknessLabel(t))
                                                      .arg(k)
                                                      .arg(load));
            loads_->setItem(static_cast<int>(t), k - 1, item);
        }
    }
    evenOut(*loads_);
}

void OverviewWindow::copyOverview() const
{
    QString text;
    QString html;
    for (const ResultsTable& table : overviewTables(results_)) {
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + table.text;
        html += (html.isEmpty() ? QString() : QStringLiteral("<br>\n")) + table.html;
    }
    auto* mime = new QMimeData;
    mime->setText(text);
    mime->setHtml(html);
    QGuiApplication::clipboard()->setMimeData(mime);
}

} // namespace siltmere::ui
