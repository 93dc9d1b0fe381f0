#pragma once

#include "Constants.h"
#include "SedimentModel.h"

#include <array>
#include <string>

namespace siltmere::test {

using constants::kSubestuaries;
using Row = std::array<std::string, kSubestuaries>;

// The names of the thickness list's positions 0..4, for test names.
inline constexpr std::array<const char*, 5> kThicknessNames{"1mm", "2mm", "5mm", "10mm", "20mm"};

// A model in the state the main window leaves it after start-up: the list's
// selection of "5 mm" chooses the thickness and clears the result texts, then
// the model initialises itself.
inline SedimentModel startedModel()
{
    SedimentModel model;
    model.Select_Thickness(2);
    // assign() rather than `= "0"`, which GCC 12 at -O2 and above flags with
    // a false -Wrestrict warning.
    for (int k = 1; k <= kSubestuaries; ++k)
        model.strRow(k).assign(1, '0');
    model.Init_Model();
    return model;
}

inline Row rowOf(const SedimentModel& model)
{
    Row row;
    for (int k = 1; k <= kSubestuaries; ++k)
        row[static_cast<std::size_t>(k - 1)] = model.strRow(k);
    return row;
}

inline void setRow(SedimentModel& model, const Row& row)
{
    for (int k = 1; k <= kSubestuaries; ++k)
        model.strRow(k) = row[static_cast<std::size_t>(k - 1)];
}

} // namespace siltmere::test
