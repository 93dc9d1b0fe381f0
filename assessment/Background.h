#pragma once

// What the background window and the report tell of the model: the
// introduction, and the catchment diagram with its caption.

#include <string_view>

namespace siltmere::background {

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

} // namespace siltmere::background
