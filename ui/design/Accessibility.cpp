#include "Accessibility.h"

#include "StretchedImage.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPersistentModelIndex>

namespace siltmere::ui {

namespace {

// The toolkit names a plain widget's accessible role "client", which AT-SPI
// reports as a filler; a window of its own is a frame to a screen reader.
QAccessibleInterface* topLevelWidgetAsWindow(const QString& className, QObject* object)
{
    if (className != QLatin1String("QWidget") || !object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (!widget->isWindow())
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

// Parks the current entry while the focus is elsewhere. Installed on the
// view, so it sees the focus change before the view does: on the way back
// the entry is restored first, and the view finds a current entry and
// leaves the selection as it is.
class CurrentEntryKeeper : public QObject {
public:
    explicit CurrentEntryKeeper(QAbstractItemView& view)
        : QObject(&view)
        , view_(view)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &view_ || !view_.selectionModel())
            return false;
        QItemSelectionModel& selection = *view_.selectionModel();
        if (event->type() == QEvent::FocusOut && selection.currentIndex().isValid()) {
            parked_ = selection.currentIndex();
            selection.setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        } else if ((event->type() == QEvent::FocusIn || event->type() == QEvent::KeyPress) && parked_.isValid() &&
                   !selection.currentIndex().isValid()) {
            // A key that a program sends to the list while it lacks the
            // focus moves on from the chosen entry, as it always did.
            selection.setCurrentIndex(parked_, QItemSelectionModel::NoUpdate);
            parked_ = QPersistentModelIndex();
        }
        return false;
    }

private:
    QAbstractItemView& view_;
    QPersistentModelIndex parked_;
};

// A label of text, read by a screen reader as text: besides its name (the
// whole caption, unless the design gives it a name of its own) it offers the
// caption through the text interface, which screen readers use to read a
// long text by line, word or character. The toolkit's own label offers only
// the name.
class TextLabel : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TextLabel(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return caption();
        if (t == QAccessible::Value)
            return {};
        return QAccessibleWidget::text(t);
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // Read-only text without a caret or selection.
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        return caption().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(caption().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    QString caption() const { return static_cast<QLabel*>(widget())->text(); }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    // A photograph is an image to a screen reader, which then reads its
    // description; the toolkit would call the plain widget a filler.
    if (className == QLatin1String(StretchedImage::staticMetaObject.className()) && object)
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    if (className == QLatin1String("QLabel") && object) {
        auto* label = static_cast<QLabel*>(object);
        if (!label->text().isEmpty())
            return new TextLabel(label);
        return nullptr;
    }
    return topLevelWidgetAsWindow(className, object);
}

} // namespace

void installScreenReaderRoles()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    (void)installed;
}

void keepCurrentEntryOnlyWhileFocused(QAbstractItemView& view)
{
    view.installEventFilter(new CurrentEntryKeeper(view));
}

} // namespace siltmere::ui
