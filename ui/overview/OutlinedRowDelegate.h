#pragma once

// How the overview's percentage cells are painted: as Qt's own item
// delegate paints them, with one row outlined (the main window's chosen
// thickness), and with each cell text's layout kept from one painting to
// the next.
//
// A keystroke in the limit recolours most of the cells. Qt's common style
// lays a cell's text out afresh (shaping it with HarfBuzz) three times
// each time it paints it, which made up half the keystroke's time. The
// texts are few (each cell shows one of two verdicts), so their layouts are
// kept and drawn where the style would draw them: the style paints the
// cell's background and the rest, the delegate its text. Only the plain
// case takes that way (one text, no icon or check box, not selected or
// focused, not elided, under a style that paints items as Qt's common style
// does); any other cell is painted wholly by the style.

#include <QHash>
#include <QPoint>
#include <QStyledItemDelegate>
#include <QTextLayout>

#include <memory>

namespace siltmere::ui {

class OutlinedRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The row outlined, or -1 for none.
    int row = -1;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    // A text laid out as the style lays it out, for cells of one size and
    // font, and where the style draws it, relative to the cell.
    struct KeptText {
        QFont font;
        QSize cellSize;
        Qt::Alignment alignment;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        const QStyle* style = nullptr;
        std::shared_ptr<QTextLayout> layout;
        QPointF position;
    };

    // Paints the cell's text from its kept layout, after the style has
    // painted the rest; false where the cell is not the plain case.
    bool paintKeptText(QPainter& painter, const QStyleOptionViewItem& option, const QStyle& style) const;
    const KeptText* keptText(const QStyleOptionViewItem& option, const QStyle& style) const;
    void paintOutline(QPainter& painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;

    mutable QHash<QString, KeptText> kept_;
};

} // namespace siltmere::ui
