#pragma once

#include "SedimentModel.h"

#include <array>
#include <string>

namespace siltmere::test {

using Row = std::array<std::string, 6>;

// A model in the state the main window leaves it after start-up: the list's
// selection of "5 mm" chooses the thickness and clears the result texts, then
// the model initialises itself.
inline SedimentModel startedModel()
{
    SedimentModel model;
    model.Select_Thickness(2);
    for (int k = 1; k <= 6; ++k)
        model.strRow(k) = "0";
    model.Init_Model();
    return model;
}

inline Row rowOf(const SedimentModel& model)
{
    Row row;
    for (int k = 1; k <= 6; ++k)
        row[static_cast<std::size_t>(k - 1)] = model.strRow(k);
    return row;
}

inline void setRow(SedimentModel& model, const Row& row)
{
    for (int k = 1; k <= 6; ++k)
        model.strRow(k) = row[static_cast<std::size_t>(k - 1)];
}

} // namespace siltmere::test
