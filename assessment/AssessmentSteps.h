#pragma once

// The steps of an assessment, each as the model takes it: the model's
// operations in the order the calculator runs them, and what they give
// written into the assessment. The main window's handlers take them one by
// one as the planner presses buttons and changes inputs; the overview takes
// every step for every thickness and scenario with a model of its own. One
// set of functions for both, so the two cannot disagree.

#include "Assessment.h"
#include "SedimentModel.h"

#include <optional>
#include <string>

namespace siltmere {

// A model in the state the calculator starts in: the start-up thickness is
// chosen (its choice clears the result texts to "0") before the model
// initialises itself.
void startModel(SedimentModel& model);

// Input changes: each sets what it changes in the model and clears the rows
// that depend on it (the model's row texts go back to "0").
void chooseThickness(SedimentModel& model, Assessment& assessment, int position);
void chooseScenario(SedimentModel& model, Assessment& assessment, std::int16_t scenarioNo);
void chooseLimit(SedimentModel& model, Assessment& assessment, const std::string& text, std::optional<double> value);

// The three steps, each after the one before it.
void takeCriticalLoads(SedimentModel& model, Assessment& assessment);
void takeExceedances(SedimentModel& model, Assessment& assessment);
// Judges by the limit as read; a limit that is not a number is a type
// mismatch, as the model reports it.
void takePctIncrease(SedimentModel& model, Assessment& assessment);

// The whole assessment for `inputs`, every step taken in order on a model
// started as above (which it leaves as the last step left it).
Assessment assessFully(SedimentModel& model, const AssessmentInputs& inputs);

} // namespace siltmere
