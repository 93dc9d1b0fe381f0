#include "OutlinedRowDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QTextLine>
#include <QTextOption>

#include <utility>

namespace siltmere::ui {

namespace {

// The styles whose items are painted by Qt's common style, text included:
// Fusion (Linux), and Windows' own for a table. The tests compare the
// cells painted both ways, pixel for pixel, under the first and the last.
bool paintsItemsAsCommonStyle(const QStyle& style)
{
    const QLatin1String name(style.metaObject()->className());
    return name == QLatin1String("QFusionStyle") || name == QLatin1String("QWindowsStyle") ||
           name == QLatin1String("QWindowsVistaStyle");
}

bool isPlainCell(const QStyleOptionViewItem& option)
{
    constexpr auto kOtherFeatures =
        QStyleOptionViewItem::WrapText | QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration;
    constexpr auto kOtherStates = QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_Editing;
    return (option.features & QStyleOptionViewItem::HasDisplay) && !(option.features & kOtherFeatures) &&
           !(option.state & kOtherStates) && !option.text.isEmpty();
}

} // namespace

void OutlinedRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QStyle& style = opt.widget ? *opt.widget->style() : *QApplication::style();
    if (!paintKeptText(*painter, opt, style))
        style.drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
    if (index.row() == row)
        paintOutline(*painter, option, index);
}

bool OutlinedRowDelegate::paintKeptText(QPainter& painter, const QStyleOptionViewItem& option,
                                        const QStyle& style) const
{
    if (!paintsItemsAsCommonStyle(style) || !isPlainCell(option))
        return false;
    const KeptText* kept = keptText(option, style);
    if (!kept)
        return false;
    QStyleOptionViewItem withoutText = option;
    withoutText.text.clear();
    style.drawControl(QStyle::CE_ItemViewItem, &withoutText, &painter, option.widget);

    // The text with the clip and pen the style gives it.
    painter.save();
    painter.setClipRegion(painter.hasClipping() ? painter.clipRegion() & option.rect : QRegion(option.rect));
    QPalette::ColorGroup group = option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(option.state & QStyle::State_Active))
        group = QPalette::Inactive;
    painter.setPen(option.palette.color(group, QPalette::Text));
    kept->layout->draw(&painter, QPointF(option.rect.topLeft()) + kept->position);
    painter.restore();
    return true;
}

// The layout of the cell's text as the style lays it out, and where in the
// cell the style draws it; none where the style would elide the text or
// leave part of it out, which it does in layouts of its own.
const OutlinedRowDelegate::KeptText* OutlinedRowDelegate::keptText(const QStyleOptionViewItem& option,
                                                                   const QStyle& style) const
{
    const auto found = kept_.constFind(option.text);
    if (found != kept_.cend() && found->font == option.font && found->cellSize == option.rect.size() &&
        found->alignment == option.displayAlignment && found->direction == option.direction && found->style == &style)
        return found->layout ? &*found : nullptr;

    // The texts are a table's worth, in two verdicts; a table shown at
    // another size or in another font lays them out afresh.
    constexpr qsizetype kMostKept = 256;
    if (kept_.size() >= kMostKept)
        kept_.clear();

    KeptText kept{option.font, option.rect.size(), option.displayAlignment, option.direction, &style, nullptr, {}};
    QStyleOptionViewItem atOrigin = option;
    atOrigin.rect.moveTo(0, 0);
    const int margin = style.pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
    const QRect textRect =
        style.subElementRect(QStyle::SE_ItemViewItemText, &atOrigin, option.widget).adjusted(margin, 0, -margin, 0);

    QTextOption textOption;
    textOption.setWrapMode(QTextOption::ManualWrap);
    textOption.setTextDirection(option.direction);
    textOption.setAlignment(QStyle::visualAlignment(option.direction, option.displayAlignment));
    auto layout = std::make_shared<QTextLayout>(option.text, option.font);
    layout->setTextOption(textOption);
    layout->setCacheEnabled(true);
    qreal height = 0;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(textRect.width());
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout->endLayout();
    const QRect placed = QStyle::alignedRect(Qt::LayoutDirectionAuto, option.displayAlignment,
                                             layout->boundingRect().size().toSize(), textRect);

    // The style draws the text as laid out here only where every line fits
    // the width and every line is wholly inside the cell, by the style's
    // own measures: with the next line taken to be as tall as this one, and
    // half of it having to show.
    bool whole = placed.top() >= textRect.top();
    for (int i = 0; i < layout->lineCount() && whole; ++i) {
        const QTextLine line = layout->lineAt(i);
        const qreal bottom = line.y() + line.height();
        whole = line.naturalTextWidth() <= textRect.width();
        if (i + 1 < layout->lineCount()) {
            const int halfNext = static_cast<int>(bottom + layout->lineAt(i + 1).height() / 2);
            whole = whole && bottom + line.height() <= textRect.height() &&
                    halfNext + placed.top() <= textRect.height() + textRect.top() &&
                    bottom + placed.top() < textRect.bottom();
        }
    }
    if (whole) {
        kept.layout = std::move(layout);
        kept.position = QPointF(textRect.x(), placed.top());
    }
    const auto stored = kept_.insert(option.text, kept);
    return stored->layout ? &*stored : nullptr;
}

void OutlinedRowDelegate::paintOutline(QPainter& painter, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const
{
    painter.save();
    constexpr int kWidth = 3;
    QPen pen(option.palette.color(QPalette::Highlight), kWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const QRectF r = QRectF(option.rect).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0);
    const QRectF across = QRectF(option.rect).adjusted(0, kWidth / 2.0, 0, -kWidth / 2.0);
    painter.drawLine(across.topLeft(), across.topRight());
    painter.drawLine(across.bottomLeft(), across.bottomRight());
    if (index.column() == 0)
        painter.drawLine(r.topLeft(), r.bottomLeft());
    if (index.column() == index.model()->columnCount() - 1)
        painter.drawLine(r.topRight(), r.bottomRight());
    painter.restore();
}

} // namespace siltmere::ui
