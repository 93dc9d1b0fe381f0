#pragma once

// The sediment model: the whole state of the calculator and the home of every
// calculation. It knows nothing of windows; the main window owns one instance
// for the life of the program, calls its operations from its event handlers
// and copies the display texts of `strRow` into its result boxes.
//
// Indices follow the planners' numbering: j is the subcatchment and k the
// subestuary, both 1..6; every array is indexed from 1.
//
// The record keeps the names the hydrologists use for its quantities, so the
// code reads like the model's own working notes:
//   CDT  critical deposition thickness (m)
//   UDT  unit deposition thickness: m settled in subestuary k per tonne of
//        total catchment event load
//   CSL  critical total load: tonnes per event that settle exactly CDT in k
//   Cjk  kg from subcatchment j that settle in k, per 1000 kg unit event load
//   jk   proportion of subcatchment j's load that settles in k

#include "Constants.h"
#include "OneBasedArray.h"

#include <cstdint>
#include <optional>
#include <string>

namespace siltmere {

using constants::kSlots;
using constants::kSubcatchments;
using constants::kSubestuaries;

// Exceedance counts (events in 25 years, as decimal text), indexed
// (ThickIdx, SlotIdx, k). Only slot 1 holds counts.
using ExceedanceTable = OneBasedArray<std::string, kThicknesses, kSlots, kSubestuaries>;

// An exceedance count held as text, as the percentage step reads it: the
// tables hold plain digits; anything else is a type mismatch.
double countValue(const std::string& text);

// The percentage increase of `withWorks` exceedances over `baseline` ones,
// (withWorks - baseline) / baseline x 100, unrounded, as the percentage step
// computes and judges it; nothing where the baseline has no exceedances to
// compare with. A floating-point fault throws ModelError.
std::optional<double> percentIncrease(double baseline, double withWorks);

struct SedimentModel {
    // --- the record; every number starts at 0, every text empty ---------
    OneBasedArray<std::int32_t, kSubestuaries> DepArea;       // m2, deposition area of subestuary k
    double CDT = 0.0;                                         // m, chosen critical deposition thickness
    OneBasedArray<double, kSubcatchments> LoadShare;          // share of the event load from subcatchment j
    OneBasedArray<double, kSubestuaries> UDT;                 // m per tonne of total event load
    OneBasedArray<double, kSubestuaries> CSL;                 // tonnes per event
    OneBasedArray<double, kSubcatchments> UnitLoad;           // kg of the unit event load from subcatchment j
    OneBasedArray<double, kSubcatchments, kSubestuaries> Cjk; // kg, (j, k)
    OneBasedArray<double, kSubcatchments, kSubestuaries> jk;  // fraction, (j, k)
    OneBasedArray<std::string, kSubestuaries> strRow;         // display texts of the row being produced
    ExceedanceTable strBaseline;                              // existing land use
    ExceedanceTable strScenario1;                             // earthworks with controls
    ExceedanceTable strScenario2;                             // earthworks without controls
    std::int16_t ThickIdx = 0;                                // thickness row of the tables, 1..5
    std::int16_t SlotIdx = 0;                                 // slot within a subestuary; always 1 once initialised
    std::int16_t ScenarioNo = 0;                              // 1 with controls, 2 without
    OneBasedArray<std::int16_t, kSubestuaries> PctFlag;       // +1 within the limit, -1 above it, 0 no comparison

    // --- start-up, constants and the user's thickness choice -------------

    // Stores the constants, runs the critical-load chain once and fills the
    // exceedance tables; sets ScenarioNo to 1. Leaves ThickIdx and CDT as the
    // thickness choice set them, except that a CDT of 0 (no choice made yet)
    // becomes 1.0 in the chain. Writes no display text.
    void Init_Model();

    // Stores the subcatchment load shares and the kg each sends per unit
    // event load.
    void Set_Loads();

    // Maps a 0-based position of the thickness list (-1: nothing selected)
    // to CDT and ThickIdx. Any position past "10 mm" means 20 mm.
    // Recalculates nothing.
    void Select_Thickness(int position);

    // --- critical total loads ---------------------------------------------
    void Return_jk();
    void Calc_Cjk();
    void Calc_UDT();
    // Kilograms of the unit event load that settle in subestuary k: Cjk(j, k)
    // summed over the subcatchments strictly left to right, as Calc_UDT sums
    // them, so that whoever shows the sum shows the model's own number. Its
    // additions raise any fault in the floating-point status; the caller
    // checks it.
    double SettledKg(int k) const;
    void Calc_CSL();
    // The whole chain, then strRow := the six loads rounded to whole tonnes.
    void Calc_CriticalLoads();

    // --- exceedance tables --------------------------------------------------
    void Calc_strBaseline();
    void Calc_strScenario1();
    void Calc_strScenario2();
    // strRow(k) := table(ThickIdx, SlotIdx, k) for k = 1..6.
    void Lookup_Exceedances(const ExceedanceTable& table);
    // The table of the chosen scenario: strScenario1 for scenario 1,
    // strScenario2 for any other number.
    const ExceedanceTable& ScenarioTable() const;

    // --- scenario comparison ------------------------------------------------

    // strRow(k) := percentage increase of the scenario's exceedances over the
    // baseline's ("38%"), or "n/a" where the baseline has none; PctFlag(k)
    // := +1 when the increase is within `limit` percent, -1 above it, 0 for
    // "n/a".
    void Calc_PctIncrease(double limit);
};

} // namespace siltmere
