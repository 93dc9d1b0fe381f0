#pragma once

// The main window as designed, in twips. Rows are in stacking order: where
// controls overlap, a later row lies in front (the photograph and labels at
// the back; boxes, the list, frames and buttons in front).

#include "ControlSpec.h"
#include "WindowsColor.h"

#include <array>

namespace siltmere::ui::form1 {

inline constexpr WindowSpec kWindow{"Form1", "Siltmere", 12525, 10350};

// What a percentage box holds, for assistive technology; the step that fills
// the row adds whether the increase is within the limit, which a sighted
// user reads from the box's colour.
inline constexpr std::string_view kPercentageDescription =
    "Increase of the scenario's exceedances over the baseline, in percent";

// Column per field: name, kind, container, left, top, width, height, tab,
// caption or text, font, back colour, alignment, state, accessible name,
// accessible description.
inline constexpr std::array<ControlSpec, 66> kControls{{
    // Area 2, the photograph, behind everything else.
    {"Image1", ControlKind::Image, "", 6120, 720, 6015, 3615, kNoTab, ":/assets/estuary.jpg", {}, kNoColor, Align::Left, None, "Photograph of a sediment-laden estuary", ""},
    // Area 1, the parameter area: labels.
    {"Label5", ControlKind::Label, "", 720, 120, 4215, 495, 14, "Estuary Parameters:", {"MS Sans Serif", 18.0, true, false}, kNoColor, Align::Left, None, "", ""},
    {"Label1(0)", ControlKind::Label, "", 720, 840, 495, 255, 0, "CDT", {"Arial Black", 9.75, true, true}, kNoColor, Align::Right, None, "", ""},
    {"Label3", ControlKind::Label, "", 2520, 960, 2655, 255, 2, "Critical Deposition Thickness", {"Arial", 9.0, false, false}, kNoColor, Align::Left, None, "", ""},
    {"Label8", ControlKind::Label, "", 2565, 2040, 2535, 255, 5, "Settled Sediment Density", {"Arial", 9.0, false, false}, kNoColor, Align::Left, None, "", ""},
    {"Label9", ControlKind::Label, "", 2565, 2400, 1815, 255, 7, "Unit Sediment Load", {"Arial", 9.0, false, false}, kNoColor, Align::Left, None, "", ""},
    {"Label12", ControlKind::Label, "", 2160, 2760, 495, 495, 44, "%", {"MS Sans Serif", 18.0, false, false}, kNoColor, Align::Left, None, "", ""},
    {"Label13", ControlKind::Label, "", 2565, 2760, 2655, 255, 45, "Enter an Acceptability limit:", {"Arial", 9.0, false, false}, kNoColor, Align::Left, None, "", ""},
    {"Label14", ControlKind::Label, "", 2565, 3000, 2775, 375, 52, "(used to assess the scenario results relative to the baseline calculations)", {}, kNoColor, Align::Left, None, "", ""},
    // Area 4, the results grid: labels naming rows and columns.
    {"Label6", ControlKind::Label, "", 9405, 5400, 3015, 495, 16, "tonnes per event", {"MS Sans Serif", 18.0, true, false}, colors::kLightGrey, Align::Left, Transparent, "", ""},
    {"Label10(0)", ControlKind::Label, "", 3645, 6000, 435, 450, 8, "1", {"MS Sans Serif", 18.0, true, false}, kNoColor, Align::Left, None, "Subestuary 1", ""},
    {"Label10(1)", ControlKind::Label, "", 4635, 6000, 435, 450, 37, "2", {"MS Sans Serif", 18.0, true, false}, kNoColor, Align::Left, None, "Subestuary 2", ""},
    {"Label10(2)", ControlKind::Label, "", 5640, 6000, 435, 450, 38, "3", {"MS Sans Serif", 18.0, true, false}, kNoColor, Align::Left, None, "Subestuary 3", ""},
    {"Label10(3)", ControlKind::Label, "", 6645, 6000, 435, 450, 39, "4", {"MS Sans Serif", 18.0, true, false}, kNoColor, Align::Left, None, "Subestuary 4", ""},
    {"Label10(4)", ControlKind::Label, "", 7635, 6000, 435, 450, 40, "5", {"MS Sans Serif", 18.0, true, false}, kNoColor, Align::Left, None, "Subestuary 5", ""},
    {"Label10(5)", ControlKind::Label, "", 8640, 6000, 435, 450, 41, "6", {"MS Sans Serif", 18.0, true, false}, kNoColor, Align::Left, None, "Subestuary 6", ""},
    {"Label7(0)", ControlKind::Label, "", 9405, 6120, 2175, 255, 17, "SUBESTUARY NUMBER", {}, kNoColor, Align::Left, Transparent, "", ""},
    {"Label11(0)", ControlKind::Label, "", 9405, 6765, 2295, 375, 32, "Existing Land Use", {"MS Sans Serif", 9.75, true, false}, kNoColor, Align::Left, None, "", ""},
    {"Label15(0)", ControlKind::Label, "", 9405, 7800, 2295, 375, 60, "Earthworks", {"MS Sans Serif", 9.75, true, false}, kNoColor, Align::Left, None, "", ""},
    {"Label15(1)", ControlKind::Label, "", 9405, 7800, 2460, 615, 61, "Earthworks with Controls", {"MS Sans Serif", 9.75, true, false}, kNoColor, Align::Left, None, "", ""},
    {"Label15(2)", ControlKind::Label, "", 9405, 7800, 2400, 615, 62, "Earthworks without Controls", {"MS Sans Serif", 9.75, true, false}, kNoColor, Align::Left, None, "", ""},
    {"Label10(15)", ControlKind::Label, "", 3645, 8280, 435, 450, 51, "1", {"MS Sans Serif", 18.0, true, false}, kNoColor, Align::Left, None, "Subestuary 1", ""},
    {"Label10(14)", ControlKind::Label, "", 4635, 8280, 435, 450, 50, "2", {"MS Sans Serif", 18.0, true, false}, kNoColor, Align::Left, None, "Subestuary 2", ""},
    {"Label10(13)", ControlKind::Label, "", 5640, 8280, 435, 450, 49, "3", {"MS Sans Serif", 18.0, true, false}, kNoColor, Align::Left, None, "Subestuary 3", ""},
    {"Label10(12)", ControlKind::Label, "", 6645, 8280, 435, 450, 48, "4", {"MS Sans Serif", 18.0, true, false}, kNoColor, Align::Left, None, "Subestuary 4", ""},
    {"Label10(11)", ControlKind::Label, "", 7635, 8280, 435, 450, 47, "5", {"MS Sans Serif", 18.0, true, false}, kNoColor, Align::Left, None, "Subestuary 5", ""},
    {"Label10(10)", ControlKind::Label, "", 8640, 8280, 435, 450, 46, "6", {"MS Sans Serif", 18.0, true, false}, kNoColor, Align::Left, None, "Subestuary 6", ""},
    {"Label7(1)", ControlKind::Label, "", 9405, 8400, 2175, 255, 53, "SUBESTUARY NUMBER", {}, kNoColor, Align::Left, None, "", ""},
    {"Label16", ControlKind::Label, "", 9480, 9000, 2775, 1215, 63, "Results are indicated in Green if below the Acceptability Limit, Red if above the Acceptability Limit", {"MS Sans Serif", 9.75, false, false}, kNoColor, Align::Left, None, "", ""},
    // Area 3, the frames and their option buttons (positions inside the frame).
    {"Frame2", ControlKind::Frame, "", 480, 4680, 2655, 735, 12, "Baseline", {}, kNoColor, Align::Left, None, "", ""},
    {"Option3", ControlKind::OptionButton, "Frame2", 120, 240, 2175, 375, 13, "Existing Land Use", {}, kNoColor, Align::Left, Checked, "Baseline: existing land use", "The baseline scenario is always the existing, mainly pastoral land use"},
    {"Frame1", ControlKind::Frame, "", 480, 5640, 2655, 1455, 9, "Scenarios", {}, kNoColor, Align::Left, None, "", ""},
    {"Option1", ControlKind::OptionButton, "Frame1", 120, 240, 2175, 495, 10, "Earthworks with Controls", {}, kNoColor, Align::Left, Checked, "Scenario: earthworks with controls", "88 ha of earthworks with sediment retention ponds"},
    {"Option2", ControlKind::OptionButton, "Frame1", 120, 840, 2415, 375, 11, "Earthworks without Controls", {}, kNoColor, Align::Left, None, "Scenario: earthworks without controls", "The same 88 ha of earthworks without any controls"},
    // Area 1: the inputs and fixed parameters.
    {"List1", ControlKind::ListBox, "", 1320, 840, 1095, 1035, 3, "", {}, colors::kPaleYellow, Align::Left, None, "Critical deposition thickness", "Depth of settled sediment at which estuarine life is harmed"},
    {"Text1", ControlKind::TextBox, "", 1320, 1995, 1095, 285, 4, "1200 kg/m3", {}, colors::kSystemMenu, Align::Left, Disabled | ReadOnly, "Settled sediment density", "Fixed at 1200 kilograms per cubic metre"},
    {"Text2", ControlKind::TextBox, "", 1320, 2385, 1095, 285, 6, "1000 kg", {}, colors::kSystemMenu, Align::Left, Disabled | ReadOnly, "Unit sediment load", "Fixed at 1000 kilograms"},
    {"AcceptanceBox", ControlKind::TextBox, "", 1320, 2760, 800, 555, 42, "20", {"MS Sans Serif", 18.0, false, false}, colors::kPaleYellow, Align::Right, None, "Acceptability limit, percent", "Largest acceptable increase of the scenario's exceedances over the baseline, in percent"},
    // Area 4: the 24 result boxes, one column per subestuary.
    {"Text3", ControlKind::TextBox, "", 3285, 5400, 1000, 495, 33, "0", {"Courier", 12.0, true, false}, colors::kPaleCyan, Align::Center, Disabled | ReadOnly, "Critical total load, subestuary 1", "Tonnes of sediment from the whole catchment in one event that settle exactly the critical thickness"},
    {"Text4", ControlKind::TextBox, "", 4275, 5400, 1000, 495, 34, "0", {"Courier", 12.0, true, false}, colors::kPaleCyan, Align::Center, Disabled | ReadOnly, "Critical total load, subestuary 2", "Tonnes of sediment from the whole catchment in one event that settle exactly the critical thickness"},
    {"Text5", ControlKind::TextBox, "", 5280, 5400, 1000, 495, 18, "0", {"Courier", 12.0, true, false}, colors::kPaleCyan, Align::Center, Disabled | ReadOnly, "Critical total load, subestuary 3", "Tonnes of sediment from the whole catchment in one event that settle exactly the critical thickness"},
    {"Text6", ControlKind::TextBox, "", 6285, 5400, 1000, 495, 19, "0", {"Courier", 12.0, true, false}, colors::kPaleCyan, Align::Center, Disabled | ReadOnly, "Critical total load, subestuary 4", "Tonnes of sediment from the whole catchment in one event that settle exactly the critical thickness"},
    {"Text7", ControlKind::TextBox, "", 7275, 5400, 1000, 495, 20, "0", {"Courier", 12.0, true, false}, colors::kPaleCyan, Align::Center, Disabled | ReadOnly, "Critical total load, subestuary 5", "Tonnes of sediment from the whole catchment in one event that settle exactly the critical thickness"},
    {"Text8", ControlKind::TextBox, "", 8280, 5400, 1000, 495, 21, "0", {"Courier", 12.0, true, false}, colors::kPaleCyan, Align::Center, Disabled | ReadOnly, "Critical total load, subestuary 6", "Tonnes of sediment from the whole catchment in one event that settle exactly the critical thickness"},
    {"Text11", ControlKind::TextBox, "", 3285, 6645, 1000, 450, 22, "0", {"Courier", 12.0, true, false}, colors::kPaleOrange, Align::Center, Disabled | ReadOnly, "Baseline exceedances, subestuary 1", "Deposition events over 25 years exceeding the critical thickness, existing land use"},
    {"Text12", ControlKind::TextBox, "", 4275, 6645, 1000, 450, 23, "0", {"Courier", 12.0, true, false}, colors::kPaleOrange, Align::Center, Disabled | ReadOnly, "Baseline exceedances, subestuary 2", "Deposition events over 25 years exceeding the critical thickness, existing land use"},
    {"Text13", ControlKind::TextBox, "", 5280, 6645, 1000, 450, 24, "0", {"Courier", 12.0, true, false}, colors::kPaleOrange, Align::Center, Disabled | ReadOnly, "Baseline exceedances, subestuary 3", "Deposition events over 25 years exceeding the critical thickness, existing land use"},
    {"Text14", ControlKind::TextBox, "", 6285, 6645, 1000, 450, 25, "0", {"Courier", 12.0, true, false}, colors::kPaleOrange, Align::Center, Disabled | ReadOnly, "Baseline exceedances, subestuary 4", "Deposition events over 25 years exceeding the critical thickness, existing land use"},
    {"Text15", ControlKind::TextBox, "", 7275, 6645, 1000, 450, 26, "0", {"Courier", 12.0, true, false}, colors::kPaleOrange, Align::Center, Disabled | ReadOnly, "Baseline exceedances, subestuary 5", "Deposition events over 25 years exceeding the critical thickness, existing land use"},
    {"Text16", ControlKind::TextBox, "", 8280, 6645, 1000, 450, 27, "0", {"Courier", 12.0, true, false}, colors::kPaleOrange, Align::Center, Disabled | ReadOnly, "Baseline exceedances, subestuary 6", "Deposition events over 25 years exceeding the critical thickness, existing land use"},
    {"Text19", ControlKind::TextBox, "", 3285, 7710, 1000, 450, 28, "0", {"Courier", 12.0, true, false}, colors::kPaleOrange, Align::Center, Disabled | ReadOnly, "Scenario exceedances, subestuary 1", "Deposition events over 25 years exceeding the critical thickness, chosen earthworks scenario"},
    {"Text20", ControlKind::TextBox, "", 4275, 7710, 1000, 450, 29, "0", {"Courier", 12.0, true, false}, colors::kPaleOrange, Align::Center, Disabled | ReadOnly, "Scenario exceedances, subestuary 2", "Deposition events over 25 years exceeding the critical thickness, chosen earthworks scenario"},
    {"Text21", ControlKind::TextBox, "", 5280, 7710, 1000, 450, 30, "0", {"Courier", 12.0, true, false}, colors::kPaleOrange, Align::Center, Disabled | ReadOnly, "Scenario exceedances, subestuary 3", "Deposition events over 25 years exceeding the critical thickness, chosen earthworks scenario"},
    {"Text22", ControlKind::TextBox, "", 6270, 7710, 1000, 450, 31, "0", {"Courier", 12.0, true, false}, colors::kPaleOrange, Align::Center, Disabled | ReadOnly, "Scenario exceedances, subestuary 4", "Deposition events over 25 years exceeding the critical thickness, chosen earthworks scenario"},
    {"Text23", ControlKind::TextBox, "", 7275, 7710, 1000, 450, 35, "0", {"Courier", 12.0, true, false}, colors::kPaleOrange, Align::Center, Disabled | ReadOnly, "Scenario exceedances, subestuary 5", "Deposition events over 25 years exceeding the critical thickness, chosen earthworks scenario"},
    {"Text24", ControlKind::TextBox, "", 8280, 7710, 1000, 450, 36, "0", {"Courier", 12.0, true, false}, colors::kPaleOrange, Align::Center, Disabled | ReadOnly, "Scenario exceedances, subestuary 6", "Deposition events over 25 years exceeding the critical thickness, chosen earthworks scenario"},
    {"Text28", ControlKind::TextBox, "", 3390, 9000, 800, 375, 54, "0", {"Courier", 12.0, true, false}, kNoColor, Align::Center, Disabled | ReadOnly, "Percentage increase, subestuary 1", kPercentageDescription},
    {"Text29", ControlKind::TextBox, "", 4380, 9000, 800, 375, 55, "0", {"Courier", 12.0, true, false}, kNoColor, Align::Center, Disabled | ReadOnly, "Percentage increase, subestuary 2", kPercentageDescription},
    {"Text30", ControlKind::TextBox, "", 5370, 9000, 800, 375, 56, "0", {"Courier", 12.0, true, false}, kNoColor, Align::Center, Disabled | ReadOnly, "Percentage increase, subestuary 3", kPercentageDescription},
    {"Text31", ControlKind::TextBox, "", 6375, 9000, 800, 375, 57, "0", {"Courier", 12.0, true, false}, kNoColor, Align::Center, Disabled | ReadOnly, "Percentage increase, subestuary 4", kPercentageDescription},
    {"Text32", ControlKind::TextBox, "", 7380, 9000, 800, 375, 58, "0", {"Courier", 12.0, true, false}, kNoColor, Align::Center, Disabled | ReadOnly, "Percentage increase, subestuary 5", kPercentageDescription},
    {"Text33", ControlKind::TextBox, "", 8370, 9000, 800, 375, 59, "0", {"Courier", 12.0, true, false}, kNoColor, Align::Center, Disabled | ReadOnly, "Percentage increase, subestuary 6", kPercentageDescription},
    // The step buttons and the Background button, in front of the rest.
    {"Command1", ControlKind::PushButton, "", 3285, 4800, 6000, 615, 15, "Calculate: Critical Total Loads", {"MS Sans Serif", 13.5, false, false}, colors::kPaleYellow, Align::Left, None, "", "Computes the critical total load of each subestuary for the chosen thickness"},
    {"Command2", ControlKind::PushButton, "", 3285, 7095, 6000, 615, 1, "Calculate: Exceedances over 25 Year Period ", {"MS Sans Serif", 13.5, false, false}, kNoColor, Align::Left, Disabled, "Calculate: Exceedances over 25 Year Period", "Looks up the exceedances over 25 years for the existing land use and the chosen scenario"},
    {"Command3", ControlKind::PushButton, "", 3285, 9390, 6000, 615, 43, "Calculate: % increase scenario vs baseline", {"MS Sans Serif", 13.5, false, false}, kNoColor, Align::Left, Disabled, "", "Compares the scenario with the baseline and judges each increase against the acceptability limit"},
    {"Command4", ControlKind::PushButton, "", 960, 3600, 4095, 555, 64, "Background", {"Century Gothic", 11.25, true, false}, kNoColor, Align::Left, None, "", "Opens a window that explains the model"},
}};

// The rectangle around the parameter area.
inline constexpr std::array<LineSpec, 4> kLines{{
    {"Line1", 480, 720, 5395, 720},   // top
    {"Line2", 5400, 4320, 5400, 720}, // right
    {"Line3", 480, 4320, 5395, 4320}, // bottom
    {"Line4", 480, 720, 480, 4320},   // left
}};

} // namespace siltmere::ui::form1
