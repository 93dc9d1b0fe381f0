#pragma once

// The background window as designed, in twips.

#include "Background.h"
#include "ControlSpec.h"

#include <array>

namespace siltmere::ui::form2 {

inline constexpr WindowSpec kWindow{"Form2", "Siltmere Background Information", 10560, 11745};

// The texts the report quotes too.
using background::kDiagramCaption;
using background::kDiagramPixels;
using background::kIntroduction;

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
