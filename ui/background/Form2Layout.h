#pragma once

// The background window as designed, in twips.

#include "ControlSpec.h"

#include <array>

namespace siltmere::ui::form2 {

inline constexpr WindowSpec kWindow{"Form2", "Siltmere Background Information", 10560, 11745};

inline constexpr std::string_view kIntroduction =
    "This tool predicts the frequency with which sediment eroded from the land deposits in a thick slug in the "
    "estuary, with potentially adverse impacts upon the estuarine biota. Predictions are made for a 2700 ha "
    "hypothetical catchment with a gentle to rolling topography and moderately erodible soil. The existing landuse "
    "(baseline scenario) is predominantly pastoral. Under scenario #1, 88 ha of earthworking (bare earth) is ongoing "
    "within the catchment, with associated sediment retention ponds. Under scenario #2, the same area of earthworks "
    "is exposed but without any controls. Conceptually, the modelled estuary is represented by 6 subestuary "
    "environments, each of which receives a pre-defined proportion of the total sediment load from the land, which "
    "deposits over a pre-defined area within the estuary. The user is able to choose the depth of deposited sediment "
    "at which adverse inputs upon biota occur (the critical depth). The tool quantifies the number of sediment slugs "
    "that occur over a 25 year period that exceed the user-defined critical depth. Comparisons between scenarios can "
    "be made, as well as an assessment of the acceptability of risk.";

inline constexpr std::string_view kDiagramCaption =
    "In the conceptual catchment shown here, 6 subcatchments deposit sediment into the estuary. The estuary is "
    "divided into 6 subestuary environments, each receiving a modelled proportion of sediment from each "
    "subcatchment.";

// The diagram is 496 x 496 pixels; the picture box is exactly the picture
// plus its 2-pixel sunken border on each side (7440 + 2 x 30 twips).
inline constexpr int kDiagramPixels = 496;

inline constexpr std::array<ControlSpec, 4> kControls{{
    label("Label1", {240, 240, 10095, 1935}, 1, kIntroduction),
    pictureBox("Picture1", {1440, 2280, 7500, 7500}, 2, ":/assets/catchment.png")
        .named("Conceptual catchment and estuary diagram")
        .described("Six subcatchments, numbered 1 to 6, send sediment into an estuary divided into six subestuary "
                   "areas of the same numbers: 1, 3 and 5 above the estuary, 6 at its head on the left, 4 and 2 "
                   "below it; the estuary opens onto the coast on the right."),
    label("Label2", {240, 10320, 9975, 615}, 3, kDiagramCaption),
    pushButton("Command1", {7920, 11160, 2535, 375}, 0, "Close").described("Hides this window"),
}};

} // namespace siltmere::ui::form2
