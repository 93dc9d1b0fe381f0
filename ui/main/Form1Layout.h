#pragma once

// The main window as designed, in twips. Rows are in stacking order: where
// controls overlap, a later row lies in front (the photograph and labels at
// the back; boxes, the list, frames and buttons in front).

#include "Constants.h"
#include "ControlSpec.h"
#include "WindowsColor.h"

#include <array>
#include <cstddef>

namespace siltmere::ui::form1 {

inline constexpr WindowSpec kWindow{"Form1", "Siltmere", 12525, 10350};

// One column of the results grid per subestuary.
using constants::kSubestuaries;

// The four rows of the results grid, top to bottom.
enum class ResultRowId { CriticalLoads, Baseline, Scenario, Percentage };
inline constexpr std::size_t kResultRows = 4;

// Each row's boxes are numbered on from the box of subestuary 1: Text3 to
// Text8, Text11 to Text16, Text19 to Text24 and Text28 to Text33.
constexpr int firstBoxNumber(ResultRowId row)
{
    switch (row) {
    case ResultRowId::CriticalLoads:
        return 3;
    case ResultRowId::Baseline:
        return 11;
    case ResultRowId::Scenario:
        return 19;
    case ResultRowId::Percentage:
        break;
    }
    return 28;
}

// The number in the name of the box of subestuary k (1..kSubestuaries).
constexpr int resultBoxNumber(ResultRowId row, int k)
{
    return firstBoxNumber(row) + k - 1;
}

// What a percentage box holds, for assistive technology; the step that fills
// the row adds whether the increase is within the limit, which a sighted
// user reads from the box's colour.
inline constexpr std::string_view kPercentageDescription =
    "Increase of the scenario's exceedances over the baseline, in percent";

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

// The 24 result boxes share one style: "0", centred, Courier 12 bold,
// disabled and read-only; they differ in box, colour and keyboard order.
constexpr ControlSpec resultBox(std::string_view name, TwipsBox box, int tab, std::uint32_t back,
                                std::string_view accessibleName, std::string_view description)
{
    return textBox(name, box, tab, "0")
        .withFont(kResult)
        .withBack(back)
        .withAlign(Align::Center)
        .withFlags(Disabled | ReadOnly)
        .named(accessibleName)
        .described(description);
}

inline constexpr std::string_view kLoadDescription =
    "Tonnes of sediment from the whole catchment in one event that settle exactly the critical thickness";
inline constexpr std::string_view kBaselineDescription =
    "Deposition events over 25 years exceeding the critical thickness, existing land use";
inline constexpr std::string_view kScenarioDescription =
    "Deposition events over 25 years exceeding the critical thickness, chosen earthworks scenario";

constexpr ControlSpec loadBox(std::string_view name, TwipsBox box, int tab, std::string_view accessibleName)
{
    return resultBox(name, box, tab, colors::kPaleCyan, accessibleName, kLoadDescription);
}

constexpr ControlSpec baselineBox(std::string_view name, TwipsBox box, int tab, std::string_view accessibleName)
{
    return resultBox(name, box, tab, colors::kPaleOrange, accessibleName, kBaselineDescription);
}

constexpr ControlSpec scenarioBox(std::string_view name, TwipsBox box, int tab, std::string_view accessibleName)
{
    return resultBox(name, box, tab, colors::kPaleOrange, accessibleName, kScenarioDescription);
}

// The percentage boxes have no colour of their own until the third step.
constexpr ControlSpec percentageBox(std::string_view name, TwipsBox box, int tab, std::string_view accessibleName)
{
    return resultBox(name, box, tab, kNoColor, accessibleName, kPercentageDescription);
}

// A column number above or below a row of boxes.
constexpr ControlSpec columnNumber(std::string_view name, TwipsBox box, int tab, std::string_view number,
                                   std::string_view accessibleName)
{
    return label(name, box, tab, number, kHeading).named(accessibleName);
}

inline constexpr std::array<ControlSpec, 66> kControls{{
    // The parameter area's neighbour, the photograph, behind everything else.
    image("Image1", {6120, 720, 6015, 3615}, ":/assets/estuary.jpg").named("Photograph of a sediment-laden estuary"),
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
    label("Label15(1)", {9405, 7800, 2460, 615}, 61, "Earthworks with Controls", kRowName),
    label("Label15(2)", {9405, 7800, 2400, 615}, 62, "Earthworks without Controls", kRowName),
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
    optionButton("Option1", "Frame1", {120, 240, 2175, 495}, 10, "Earthworks with Controls")
        .withFlags(Checked)
        .named("Scenario: earthworks with controls")
        .described("88 ha of earthworks with sediment retention ponds"),
    optionButton("Option2", "Frame1", {120, 840, 2415, 375}, 11, "Earthworks without Controls")
        .named("Scenario: earthworks without controls")
        .described("The same 88 ha of earthworks without any controls"),
    // The parameter area: the inputs and fixed parameters.
    listBox("List1", {1320, 840, 1095, 1035}, 3)
        .withBack(colors::kPaleYellow)
        .named("Critical deposition thickness")
        .described("Depth of settled sediment at which estuarine life is harmed"),
    textBox("Text1", {1320, 1995, 1095, 285}, 4, "1200 kg/m3")
        .withBack(colors::kSystemMenu)
        .withFlags(Disabled | ReadOnly)
        .named("Settled sediment density")
        .described("Fixed at 1200 kilograms per cubic metre"),
    textBox("Text2", {1320, 2385, 1095, 285}, 6, "1000 kg")
        .withBack(colors::kSystemMenu)
        .withFlags(Disabled | ReadOnly)
        .named("Unit sediment load")
        .described("Fixed at 1000 kilograms"),
    textBox("AcceptanceBox", {1320, 2760, 800, 555}, 42, "20")
        .withFont(kLarge)
        .withBack(colors::kPaleYellow)
        .withAlign(Align::Right)
        .named("Acceptability limit, percent")
        .described("Largest acceptable increase of the scenario's exceedances over the baseline, in percent"),
    // The results grid: the 24 result boxes, one column per subestuary.
    loadBox("Text3", {3285, 5400, 1000, 495}, 33, "Critical total load, subestuary 1"),
    loadBox("Text4", {4275, 5400, 1000, 495}, 34, "Critical total load, subestuary 2"),
    loadBox("Text5", {5280, 5400, 1000, 495}, 18, "Critical total load, subestuary 3"),
    loadBox("Text6", {6285, 5400, 1000, 495}, 19, "Critical total load, subestuary 4"),
    loadBox("Text7", {7275, 5400, 1000, 495}, 20, "Critical total load, subestuary 5"),
    loadBox("Text8", {8280, 5400, 1000, 495}, 21, "Critical total load, subestuary 6"),
    baselineBox("Text11", {3285, 6645, 1000, 450}, 22, "Baseline exceedances, subestuary 1"),
    baselineBox("Text12", {4275, 6645, 1000, 450}, 23, "Baseline exceedances, subestuary 2"),
    baselineBox("Text13", {5280, 6645, 1000, 450}, 24, "Baseline exceedances, subestuary 3"),
    baselineBox("Text14", {6285, 6645, 1000, 450}, 25, "Baseline exceedances, subestuary 4"),
    baselineBox("Text15", {7275, 6645, 1000, 450}, 26, "Baseline exceedances, subestuary 5"),
    baselineBox("Text16", {8280, 6645, 1000, 450}, 27, "Baseline exceedances, subestuary 6"),
    scenarioBox("Text19", {3285, 7710, 1000, 450}, 28, "Scenario exceedances, subestuary 1"),
    scenarioBox("Text20", {4275, 7710, 1000, 450}, 29, "Scenario exceedances, subestuary 2"),
    scenarioBox("Text21", {5280, 7710, 1000, 450}, 30, "Scenario exceedances, subestuary 3"),
    scenarioBox("Text22", {6270, 7710, 1000, 450}, 31, "Scenario exceedances, subestuary 4"),
    scenarioBox("Text23", {7275, 7710, 1000, 450}, 35, "Scenario exceedances, subestuary 5"),
    scenarioBox("Text24", {8280, 7710, 1000, 450}, 36, "Scenario exceedances, subestuary 6"),
    percentageBox("Text28", {3390, 9000, 800, 375}, 54, "Percentage increase, subestuary 1"),
    percentageBox("Text29", {4380, 9000, 800, 375}, 55, "Percentage increase, subestuary 2"),
    percentageBox("Text30", {5370, 9000, 800, 375}, 56, "Percentage increase, subestuary 3"),
    percentageBox("Text31", {6375, 9000, 800, 375}, 57, "Percentage increase, subestuary 4"),
    percentageBox("Text32", {7380, 9000, 800, 375}, 58, "Percentage increase, subestuary 5"),
    percentageBox("Text33", {8370, 9000, 800, 375}, 59, "Percentage increase, subestuary 6"),
    // The step buttons and the Background button, in front of the rest.
    pushButton("Command1", {3285, 4800, 6000, 615}, 15, "Calculate: Critical Total Loads", kStepButton)
        .withBack(colors::kPaleYellow)
        .described("Computes the critical total load of each subestuary for the chosen thickness"),
    // The design caption ends in a space, which assistive technology need not read.
    pushButton("Command2", {3285, 7095, 6000, 615}, 1, "Calculate: Exceedances over 25 Year Period ", kStepButton)
        .withFlags(Disabled)
        .named("Calculate: Exceedances over 25 Year Period")
        .described("Looks up the exceedances over 25 years for the existing land use and the chosen scenario"),
    pushButton("Command3", {3285, 9390, 6000, 615}, 43, "Calculate: % increase scenario vs baseline", kStepButton)
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
