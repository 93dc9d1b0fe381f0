#include "CachedLayoutDelegate.h"

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

// Whether the style draws a text laid out in `textRect`, its top at `top`,
// as it is laid out: every line fits the width and is wholly inside the
// cell, by the style's own measures (the next line taken to be as tall as
// this one, and half of it having to show). Otherwise the style cuts it
// short in a layout of its own.
bool showsWhole(const QTextLayout& layout, const QRect& textRect, int top)
{
    if (top < textRect.top())
        return false;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        if (line.naturalTextWidth() > textRect.width())
            return false;
        if (i + 1 == layout.lineCount())
            break;
        const qreal bottom = line.y() + line.height();
        const int halfNext = static_cast<int>(bottom + layout.lineAt(i + 1).height() / 2);
        if (bottom + line.height() > textRect.height() || halfNext + top > textRect.height() + textRect.top() ||
            bottom + top >= textRect.bottom())
            return false;
    }
    return true;
}

} // namespace

void CachedLayoutDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QStyle& style = opt.widget ? *opt.widget->style() : *QApplication::style();
    const Kept* text = paintsItemsAsCommonStyle(style) && isPlainCell(opt) ? &kept(opt, style) : nullptr;
    if (!text || !text->layout) {
        style.drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
        return;
    }
    QStyleOptionViewItem withoutText = opt;
    withoutText.text.clear();
    style.drawControl(QStyle::CE_ItemViewItem, &withoutText, painter, opt.widget);

    // The text with the clip and pen the style gives it.
    painter->save();
    painter->setClipRegion(painter->hasClipping() ? painter->clipRegion() & opt.rect : QRegion(opt.rect));
    QPalette::ColorGroup group = opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(opt.state & QStyle::State_Active))
        group = QPalette::Inactive;
    painter->setPen(opt.palette.color(group, QPalette::Text));
    text->layout->draw(painter, QPointF(opt.rect.topLeft()) + text->position);
    painter->restore();
}

const CachedLayoutDelegate::Kept& CachedLayoutDelegate::kept(const QStyleOptionViewItem& option,
                                                             const QStyle& style) const
{
    const Shape shape{option.font, option.rect.size(), option.displayAlignment, option.direction, &style};
    if (shape != shape_) {
        kept_.clear();
        shape_ = shape;
    }
    auto found = kept_.find(option.text);
    if (found == kept_.end())
        found = kept_.insert(option.text, layOut(option, style));
    return *found;
}

CachedLayoutDelegate::Kept CachedLayoutDelegate::layOut(const QStyleOptionViewItem& option, const QStyle& style)
{
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
    if (!showsWhole(*layout, textRect, placed.top()))
        return {};
    return {std::move(layout), QPointF(textRect.x(), placed.top())};
}

} // namespace siltmere::ui
