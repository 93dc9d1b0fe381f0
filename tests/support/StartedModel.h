#pragma once

// A model in the state the main window leaves it after start-up, for the
// tests, the fuzz targets and the benchmarks, which drive the model without a
// window.

#include "AssessmentSteps.h"
#include "SedimentModel.h"

namespace siltmere::test {

inline SedimentModel startedModel()
{
    SedimentModel model;
    startModel(model);
    return model;
}

} // namespace siltmere::test
