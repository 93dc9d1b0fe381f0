#pragma once

// A window's design as data: the window's own properties and one row per
// control, as the designer laid them out in twips. FormBuilder turns such a
// table into widgets; nothing else in the program places a control.

#include "DesignFonts.h"

#include <cstdint>
#include <string_view>

namespace siltmere::ui {

enum class ControlKind {
    Label,        // static text, wraps at word boundaries inside its box
    TextBox,      // single-line text box
    ListBox,      // single-selection list
    PushButton,
    Frame,        // groups its option buttons
    OptionButton, // radio button inside a frame
    Image,        // a picture stretched to fill its box
    PictureBox,   // a picture at its natural size inside a sunken border
};

enum class Align { Left, Center, Right };

inline constexpr std::uint32_t kNoColor = 0xFFFFFFFFu;
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
    std::string_view name;      // the design name, e.g. "Text3" or "Label15(0)"
    ControlKind kind;
    std::string_view container; // empty: the window; otherwise a frame's name
    int left;
    int top;
    int width;
    int height;
    int tab;                    // keyboard order; kNoTab for none
    std::string_view text;      // caption, text, or resource path of a picture
    FontSpec font{};            // family empty: the window font
    std::uint32_t backColor = kNoColor;
    Align align = Align::Left;
    unsigned flags = None;
    std::string_view accessibleName{};
    std::string_view accessibleDescription{};

    constexpr bool has(ControlFlag flag) const { return (flags & flag) != 0; }
};

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
