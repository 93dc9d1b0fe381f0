#pragma once

// A table's cells painted as Qt's own item delegate paints them, each text
// from a layout cached at its first painting.
//
// A keystroke in the acceptability limit recolours most of the overview's
// percentage cells, and laying each cell's text out afresh every time it is
// painted doubled the keystroke's time. A table shows few texts (each
// percentage with one of two verdicts), so their layouts are kept and drawn
// where the style would draw them, the style painting the rest of the cell.
// Only a cell of text alone takes that way (not selected, focused or cut
// short, under a style that paints items as Qt's common style does); any
// other is painted wholly by the style.

#include <QHash>
#include <QStyledItemDelegate>
#include <QTextLayout>

#include <memory>
#include <tuple>

namespace siltmere::ui {

class CachedLayoutDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    // A text laid out as the style lays it out, and where in the cell the
    // style draws it; no layout where the style would cut the text short.
    struct Kept {
        std::shared_ptr<QTextLayout> layout;
        QPointF position;
    };
    // What the kept layouts were laid out for (font, cell size, alignment,
    // direction and style): the cells of one table share it, and a table
    // shown at another size or in another font lays its texts out afresh.
    using Shape = std::tuple<QFont, QSize, Qt::Alignment, Qt::LayoutDirection, const QStyle*>;

    const Kept& kept(const QStyleOptionViewItem& option, const QStyle& style) const;
    static Kept layOut(const QStyleOptionViewItem& option, const QStyle& style);

    mutable Shape shape_;
    mutable QHash<QString, Kept> kept_;
};

} // namespace siltmere::ui
