#pragma once

// The main window as designed, in twips. Rows are in stacking order: where
// controls overlap, a later row lies in front (the photograph and labels at
// the back; boxes, the list, frames and buttons in front).

#include "ControlSpec.h"
#include "ResultGrid.h"
#include "WindowsColor.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace siltmere::ui::form1 {

inline constexpr WindowSpec kWindow{"Form1", "Siltmere", 12525, 10350};

// The design fonts of this window besides the window font.
inline constexpr FontSpec kHeading{"MS Sans Serif", 18.0, true, false};
inline constexpr FontSpec kLarge{"MS Sans Serif", 18.0, false, false};
inline constexpr FontSpec kRowName{"MS Sans Serif", 9.75, true, false};
inline constexpr FontSpec kLegend{"MS Sans Serif", 9.75, false, false};
inline constexpr FontSpec kStepButton{"MS Sans Serif", 13.5, false, false};
inline constexpr FontSpec kDescription{"Arial", 9.0, false, false};
inline constexpr FontSpec kSymbol{"Arial Black", 9.75, true, true};
inline constexpr FontSpec kBackgroundButton{"Century Gothic", 11.25, true, false};
inline constexpr FontSpec kResult{"Courier", 12.0, true, false};

// The acceptability limit the window starts with, in percent.
inline constexpr std::string_view kDesignLimit = "20";

// The 24 result boxes share one style: "0", centred, Courier 12 bold,
// disabled and read-only; they differ in box, colour and keyboard order. Box
// k of a row is the row's box of subestuary k (1..6); the window names it for
// screen readers from the row's description.
constexpr ControlSpec resultBox(ResultRowId row, int k, TwipsBox box, int tab)
{
    const ResultRowSpec& spec = resultRow(row);
    return textBox(spec.boxes.at(static_cast<std::size_t>(k - 1)), box, tab, kClearedText)
        .withFont(kResult)
        .withBack(spec.backColor)
        .withAlign(Align::Center)
        .withFlags(Disabled | ReadOnly)
        .described(spec.description);
}

// A column number above or below a row of boxes.
constexpr ControlSpec columnNumber(std::string_view name, TwipsBox box, int tab, std::string_view number,
                                   std::string_view accessibleName)
{
    return label(name, box, tab, number, kHeading).named(accessibleName);
}

inline constexpr std::array<ControlSpec, 66> kControls{{
    // The parameter area's neighbour, the photograph, behind everything else.
    image("Image1", {6120, 720, 6015, 3615}, ":/assets/estuary.jpg")
        .named("Photograph of a sediment-laden estuary")
        .described("Photograph of a sediment-laden estuary: brown, silty water and mud flats below green hills and a "
                   "small town, under a grey sky; an inset shows footprints pressed into a thick layer of settled "
                   "mud."),
    // The parameter area: labels.
    label("Label5", {720, 120, 4215, 495}, 14, "Estuary Parameters:", kHeading),
    label("Label1(0)", {720, 840, 495, 255}, 0, "CDT", kSymbol).withAlign(Align::Right),
    label("Label3", {2520, 960, 2655, 255}, 2, "Critical Deposition Thickness", kDescription),
    label("Label8", {2565, 2040, 2535, 255}, 5, "Settled Sediment Density", kDescription),
    label("Label9", {2565, 2400, 1815, 255}, 7, "Unit Sediment Load", kDescription),
    label("Label12", {2160, 2760, 495, 495}, 44, "%", kLarge),
    label("Label13", {2565, 2760, 2655, 255}, 45, "Enter an Acceptability limit:", kDescription),
    label("Label14", {2565, 3000, 2775, 375}, 52,
          "(used to assess the scenario results relative to the baseline calculations)"),
    // The results grid: labels naming rows and columns.
    label("Label6", {9405, 5400, 3015, 495}, 16, "tonnes per event", kHeading)
        .withBack(colors::kLightGrey)
        .withFlags(Transparent),
    columnNumber("Label10(0)", {3645, 6000, 435, 450}, 8, "1", "Subestuary 1"),
    columnNumber("Label10(1)", {4635, 6000, 435, 450}, 37, "2", "Subestuary 2"),
    columnNumber("Label10(2)", {5640, 6000, 435, 450}, 38, "3", "Subestuary 3"),
    columnNumber("Label10(3)", {6645, 6000, 435, 450}, 39, "4", "Subestuary 4"),
    columnNumber("Label10(4)", {7635, 6000, 435, 450}, 40, "5", "Subestuary 5"),
    columnNumber("Label10(5)", {8640, 6000, 435, 450}, 41, "6", "Subestuary 6"),
    label("Label7(0)", {9405, 6120, 2175, 255}, 17, "SUBESTUARY NUMBER").withFlags(Transparent),
    label("Label11(0)", {9405, 6765, 2295, 375}, 32, "Existing Land Use", kRowName),
    label("Label15(0)", {9405, 7800, 2295, 375}, 60, "Earthworks", kRowName),
    label("Label15(1)", {9405, 7800, 2460, 615}, 61, kScenarios[0].caption, kRowName),
    label("Label15(2)", {9405, 7800, 2400, 615}, 62, kScenarios[1].caption, kRowName),
    // The second row of column numbers counts down its indexes.
    columnNumber("Label10(15)", {3645, 8280, 435, 450}, 51, "1", "Subestuary 1"),
    columnNumber("Label10(14)", {4635, 8280, 435, 450}, 50, "2", "Subestuary 2"),
    columnNumber("Label10(13)", {5640, 8280, 435, 450}, 49, "3", "Subestuary 3"),
    columnNumber("Label10(12)", {6645, 8280, 435, 450}, 48, "4", "Subestuary 4"),
    columnNumber("Label10(11)", {7635, 8280, 435, 450}, 47, "5", "Subestuary 5"),
    columnNumber("Label10(10)", {8640, 8280, 435, 450}, 46, "6", "Subestuary 6"),
    label("Label7(1)", {9405, 8400, 2175, 255}, 53, "SUBESTUARY NUMBER"),
    label("Label16", {9480, 9000, 2775, 1215}, 63,
          "Results are indicated in Green if below the Acceptability Limit, Red if above the Acceptability Limit",
          kLegend),
    // The frames and their option buttons (boxes inside the frame).
    frame("Frame2", {480, 4680, 2655, 735}, 12, "Baseline"),
    optionButton("Option3", "Frame2", {120, 240, 2175, 375}, 13, "Existing Land Use")
        .withFlags(Checked)
        .named("Baseline: existing land use")
        .described("The baseline scenario is always the existing, mainly pastoral land use"),
    frame("Frame1", {480, 5640, 2655, 1455}, 9, "Scenarios"),
    optionButton("Option1", "Frame1", {120, 240, 2175, 495}, 10, kScenarios[0].caption)
        .withFlags(Checked)
        .named("Scenario: earthworks with controls")
        .described("88 ha of earthworks with sediment retention ponds"),
    optionButton("Option2", "Frame1", {120, 840, 2415, 375}, 11, kScenarios[1].caption)
        .named("Scenario: earthworks without controls")
        .described("The same 88 ha of earthworks without any controls"),
    // The parameter area: the inputs and fixed parameters.
    listBox("List1", {1320, 840, 1095, 1035}, 3)
        .withBack(colors::kPaleYellow)
        .named("Critical deposition thickness")
        .described("Depth of settled sediment at which estuarine life is harmed"),
    textBox("Text1", {1320, 1995, 1095, 285}, 4, kDensityCaption)
        .withBack(colors::kSystemMenu)
        .withFlags(Disabled | ReadOnly)
        .named("Settled sediment density")
        .described(kDensityDescription),
    textBox("Text2", {1320, 2385, 1095, 285}, 6, kUnitLoadCaption)
        .withBack(colors::kSystemMenu)
        .withFlags(Disabled | ReadOnly)
        .named("Unit sediment load")
        .described(kUnitLoadDescription),
    textBox("AcceptanceBox", {1320, 2760, 800, 555}, 42, kDesignLimit)
        .withFont(kLarge)
        .withBack(colors::kPaleYellow)
        .withAlign(Align::Right)
        .named("Acceptability limit, percent")
        .described("Largest acceptable increase of the scenario's exceedances over the baseline, in percent"),
    // The results grid: the 24 result boxes, one column per subestuary.
    resultBox(ResultRowId::CriticalLoads, 1, {3285, 5400, 1000, 495}, 33),
    resultBox(ResultRowId::CriticalLoads, 2, {4275, 5400, 1000, 495}, 34),
    resultBox(ResultRowId::CriticalLoads, 3, {5280, 5400, 1000, 495}, 18),
    resultBox(ResultRowId::CriticalLoads, 4, {6285, 5400, 1000, 495}, 19),
    resultBox(ResultRowId::CriticalLoads, 5, {7275, 5400, 1000, 495}, 20),
    resultBox(ResultRowId::CriticalLoads, 6, {8280, 5400, 1000, 495}, 21),
    resultBox(ResultRowId::Baseline, 1, {3285, 6645, 1000, 450}, 22),
    resultBox(ResultRowId::Baseline, 2, {4275, 6645, 1000, 450}, 23),
    resultBox(ResultRowId::Baseline, 3, {5280, 6645, 1000, 450}, 24),
    resultBox(ResultRowId::Baseline, 4, {6285, 6645, 1000, 450}, 25),
    resultBox(ResultRowId::Baseline, 5, {7275, 6645, 1000, 450}, 26),
    resultBox(ResultRowId::Baseline, 6, {8280, 6645, 1000, 450}, 27),
    resultBox(ResultRowId::Scenario, 1, {3285, 7710, 1000, 450}, 28),
    resultBox(ResultRowId::Scenario, 2, {4275, 7710, 1000, 450}, 29),
    resultBox(ResultRowId::Scenario, 3, {5280, 7710, 1000, 450}, 30),
    resultBox(ResultRowId::Scenario, 4, {6270, 7710, 1000, 450}, 31),
    resultBox(ResultRowId::Scenario, 5, {7275, 7710, 1000, 450}, 35),
    resultBox(ResultRowId::Scenario, 6, {8280, 7710, 1000, 450}, 36),
    resultBox(ResultRowId::Percentage, 1, {3390, 9000, 800, 375}, 54),
    resultBox(ResultRowId::Percentage, 2, {4380, 9000, 800, 375}, 55),
    resultBox(ResultRowId::Percentage, 3, {5370, 9000, 800, 375}, 56),
    resultBox(ResultRowId::Percentage, 4, {6375, 9000, 800, 375}, 57),
    resultBox(ResultRowId::Percentage, 5, {7380, 9000, 800, 375}, 58),
    resultBox(ResultRowId::Percentage, 6, {8370, 9000, 800, 375}, 59),
    // The step buttons and the Background button, in front of the rest.
    pushButton("Command1", {3285, 4800, 6000, 615}, 15, step(StepId::CriticalLoads).caption, kStepButton)
        .withBack(colors::kPaleYellow)
        .described("Computes the critical total load of each subestuary for the chosen thickness"),
    // The design caption ends in a space, which assistive technology need not read.
    pushButton("Command2", {3285, 7095, 6000, 615}, 1, step(StepId::Exceedances).caption, kStepButton)
        .withFlags(Disabled)
        .named("Calculate: Exceedances over 25 Year Period")
        .described("Looks up the exceedances over 25 years for the existing land use and the chosen scenario"),
    pushButton("Command3", {3285, 9390, 6000, 615}, 43, step(StepId::PctIncrease).caption, kStepButton)
        .withFlags(Disabled)
        .described("Compares the scenario with the baseline and judges each increase against the acceptability limit"),
    pushButton("Command4", {960, 3600, 4095, 555}, 64, "Background", kBackgroundButton)
        .described("Opens a window that explains the model"),
}};

// The rectangle around the parameter area.
inline constexpr std::array<LineSpec, 4> kLines{{
    {"Line1", 480, 720, 5395, 720},   // top
    {"Line2", 5400, 4320, 5400, 720}, // right
    {"Line3", 480, 4320, 5395, 4320}, // bottom
    {"Line4", 480, 720, 480, 4320},   // left
}};

} // namespace siltmere::ui::form1
