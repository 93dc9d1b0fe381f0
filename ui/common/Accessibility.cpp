#include "Accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QItemSelectionModel>
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

} // namespace

void announceTopLevelWidgetsAsWindows()
{
    static const bool installed = [] {
        QAccessible::installFactory(topLevelWidgetAsWindow);
        return true;
    }();
    (void)installed;
}

void keepCurrentEntryOnlyWhileFocused(QAbstractItemView& view)
{
    view.installEventFilter(new CurrentEntryKeeper(view));
}

} // namespace siltmere::ui
