#pragma once

// A window's design as data: the window's own properties and one row per
// control, as the designer laid them out in twips. FormBuilder turns such a
// table into widgets; nothing else in the program places a control.

#include "DesignFonts.h"
#include "WindowsColor.h"

#include <cstdint>
#include <string_view>

namespace siltmere::ui {

enum class ControlKind {
    Label,   // static text, wraps at word boundaries inside its box
    TextBox, // single-line text box
    ListBox, // single-selection list
    PushButton,
    Frame,        // groups its option buttons
    OptionButton, // radio button inside a frame
    Image,        // a picture stretched to fill its box
    PictureBox,   // a picture at its natural size inside a sunken border
};

enum class Align { Left, Center, Right };

inline constexpr int kNoTab = -1;

// Design-time state flags.
enum ControlFlag : unsigned {
    None = 0,
    Disabled = 1u << 0,
    ReadOnly = 1u << 1,
    Checked = 1u << 2,     // option button chosen
    Transparent = 1u << 3, // label drawn without its back colour
};

struct ControlSpec {
    std::string_view name; // the design name, e.g. "Text3" or "Label15(0)"
    ControlKind kind;
    std::string_view container; // empty: the window; otherwise a frame's name
    int left;
    int top;
    int width;
    int height;
    int tab;               // keyboard order; kNoTab for none
    std::string_view text; // caption, text, or resource path of a picture
    FontSpec font{};       // family empty: the window font
    std::uint32_t backColor = kNoColor;
    Align align = Align::Left;
    unsigned flags = None;
    std::string_view accessibleName{};
    std::string_view accessibleDescription{};

    constexpr bool has(ControlFlag flag) const { return (flags & flag) != 0; }

    // A copy of this row with `change` made to it; defined before the steps
    // below that use it, which clang 14 otherwise cannot evaluate in a
    // constant expression.
    constexpr ControlSpec changed(auto change) const
    {
        ControlSpec copy = *this;
        change(copy);
        return copy;
    }

    // What a design row sets beyond kind, place, keyboard order and text.
    constexpr ControlSpec withFont(const FontSpec& value) const
    {
        return changed([&](ControlSpec& row) { row.font = value; });
    }
    constexpr ControlSpec withBack(std::uint32_t windowsColor) const
    {
        return changed([&](ControlSpec& row) { row.backColor = windowsColor; });
    }
    constexpr ControlSpec withAlign(Align value) const
    {
        return changed([&](ControlSpec& row) { row.align = value; });
    }
    constexpr ControlSpec withFlags(unsigned value) const
    {
        return changed([&](ControlSpec& row) { row.flags |= value; });
    }
    // The name assistive technology reads out; empty keeps the caption.
    constexpr ControlSpec named(std::string_view spokenName) const
    {
        return changed([&](ControlSpec& row) { row.accessibleName = spokenName; });
    }
    constexpr ControlSpec described(std::string_view description) const
    {
        return changed([&](ControlSpec& row) { row.accessibleDescription = description; });
    }
};

// A control's outer box in its container, in twips.
struct TwipsBox {
    int left;
    int top;
    int width;
    int height;
};

// One constructor per kind, so that a design row reads as name, kind, box,
// keyboard order and caption; everything else starts at the kind's default
// and is changed with the with...() steps above.
constexpr ControlSpec control(ControlKind kind, std::string_view name, TwipsBox box, int tab, std::string_view text,
                              std::string_view container = {})
{
    return ControlSpec{.name = name,
                       .kind = kind,
                       .container = container,
                       .left = box.left,
                       .top = box.top,
                       .width = box.width,
                       .height = box.height,
                       .tab = tab,
                       .text = text};
}

constexpr ControlSpec label(std::string_view name, TwipsBox box, int tab, std::string_view caption,
                            const FontSpec& font = {})
{
    return control(ControlKind::Label, name, box, tab, caption).withFont(font);
}

constexpr ControlSpec textBox(std::string_view name, TwipsBox box, int tab, std::string_view text)
{
    return control(ControlKind::TextBox, name, box, tab, text);
}

constexpr ControlSpec listBox(std::string_view name, TwipsBox box, int tab)
{
    return control(ControlKind::ListBox, name, box, tab, {});
}

constexpr ControlSpec pushButton(std::string_view name, TwipsBox box, int tab, std::string_view caption,
                                 const FontSpec& font = {})
{
    return control(ControlKind::PushButton, name, box, tab, caption).withFont(font);
}

constexpr ControlSpec frame(std::string_view name, TwipsBox box, int tab, std::string_view caption)
{
    return control(ControlKind::Frame, name, box, tab, caption);
}

// An option button; its box is relative to `frameName`.
constexpr ControlSpec optionButton(std::string_view name, std::string_view frameName, TwipsBox box, int tab,
                                   std::string_view caption)
{
    return control(ControlKind::OptionButton, name, box, tab, caption, frameName);
}

// A picture stretched over its box; it takes no part in the keyboard order.
constexpr ControlSpec image(std::string_view name, TwipsBox box, std::string_view resource)
{
    return control(ControlKind::Image, name, box, kNoTab, resource);
}

constexpr ControlSpec pictureBox(std::string_view name, TwipsBox box, int tab, std::string_view resource)
{
    return control(ControlKind::PictureBox, name, box, tab, resource);
}

struct LineSpec {
    std::string_view name;
    int x1;
    int y1;
    int x2;
    int y2;
};

struct WindowSpec {
    std::string_view name;
    std::string_view caption;
    int clientWidth;  // twips
    int clientHeight; // twips
};

} // namespace siltmere::ui
