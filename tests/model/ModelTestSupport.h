#pragma once

#include "Constants.h"
#include "HandWorked.h"
#include "SedimentModel.h"
#include "StartedModel.h"

#include <array>
#include <string>

namespace siltmere::test {

using constants::kSubestuaries;
using Row = std::array<std::string, kSubestuaries>;

// The names of the thickness list's positions 0..4, for test names.
inline constexpr std::array<const char*, 5> kThicknessNames{"1mm", "2mm", "5mm", "10mm", "20mm"};

inline Row rowOf(const SedimentModel& model)
{
    Row row;
    for (int k = 1; k <= kSubestuaries; ++k)
        row[static_cast<std::size_t>(k - 1)] = model.strRow(k);
    return row;
}

// A row of hand-worked figures as the model's texts.
inline Row textsOf(const SubestuaryFigures& figures)
{
    Row texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = std::to_string(figures[i]);
    return texts;
}

inline void setRow(SedimentModel& model, const Row& row)
{
    for (int k = 1; k <= kSubestuaries; ++k)
        model.strRow(k) = row[static_cast<std::size_t>(k - 1)];
}

} // namespace siltmere::test
