#pragma once

// Builds a window's controls from its design table: kind, position and size
// in twips, caption, font, colours, design-time state, accessible name and
// keyboard order. Controls are created in table order, so a later row lies in
// front of an earlier one where they overlap.

#include "ControlSpec.h"
#include "DesignText.h"

#include <QHash>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <span>
#include <stdexcept>

class QLineEdit;
class QMenuBar;

namespace siltmere::ui {

class Controls {
public:
    void add(const QString& name, QWidget* widget) { widgets_.insert(name, widget); }

    template <typename Widget>
    Widget* get(const QString& name) const
    {
        auto* widget = qobject_cast<Widget*>(widgets_.value(name));
        if (!widget)
            throw std::logic_error("no control named " + name.toStdString() + " of the expected kind");
        return widget;
    }

private:
    QHash<QString, QWidget*> widgets_;
};

// Names `window` (for tests and assistive technology) and gives it its
// caption and the program's icon.
void setUpWindow(QWidget& window, const QString& name, const QString& caption);

// Makes `window` a window of its own beside the main window, owned by none;
// closing it from its title bar destroys it.
void makeOwnWindow(QWidget& window);

// Sets up `window` (as setUpWindow, its client size and window font) and creates
// every control of `controls`, and the `lines`, on its client area, which
// scrolls where the window is smaller than the design. The window opens at
// the designed size, or smaller where the screen's available area is.
Controls buildForm(QWidget& window, const WindowSpec& spec, std::span<const ControlSpec> controls,
                   std::span<const LineSpec> lines = {});

// When `window` is first shown, grows it by its menu bar's height (see
// placeMenuBar), then shrinks it to the screen's available area where it is
// larger, leaving room for its frame, and widens it by a scroll bar where the
// screen allows, so that only the bar that is needed appears. The window's
// contents must scroll.
void fitToScreenOnFirstShow(QWidget& window);

// Puts `menuBar` above everything `window`'s layout holds (a built form's
// scrolled client area): that keeps its size, and its controls their places
// on it. The window, sized for its contents, grows by the menu bar's height
// as it is first shown, before it is fitted to the screen; the menu bar is
// measured then, in the style and fonts it is shown in. Call it before the
// window is first shown; throws std::logic_error for a window without a
// layout.
void placeMenuBar(QWidget& window, QMenuBar& menuBar);

// Paints a control's background in a Windows colour number, in every colour
// group, so a disabled box stays on its row's colour.
void setBackColor(QWidget& widget, std::uint32_t windowsColor);

} // namespace siltmere::ui
