#pragma once

// A model in the state the main window leaves it after start-up: the list's
// selection of the start-up thickness chooses it and clears the result texts
// to "0", then the model initialises itself. For the tests, the fuzz targets
// and the benchmarks, which drive the model without a window.

#include "Constants.h"
#include "SedimentModel.h"
#include "Thickness.h"

namespace siltmere::test {

inline SedimentModel startedModel()
{
    SedimentModel model;
    model.Select_Thickness(kStartupThicknessPosition);
    // assign() rather than `= "0"`, which GCC 12 at -O2 and above flags with
    // a false -Wrestrict warning.
    for (int k = 1; k <= constants::kSubestuaries; ++k)
        model.strRow(k).assign(1, '0');
    model.Init_Model();
    return model;
}

} // namespace siltmere::test
