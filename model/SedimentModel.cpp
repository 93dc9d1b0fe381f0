#include "SedimentModel.h"

#include "CheckedArithmetic.h"
#include "Constants.h"
#include "DisplayText.h"
#include "ModelError.h"
#include "Thickness.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace siltmere {

namespace {

// The smallest baseline count that gives a percentage, the percentage factor,
// and the margin a percentage must exceed the limit by to count as above it.
constexpr double kMinBaselineCount = 1.0;
constexpr double kPercent = 100.0;
constexpr double kAboveLimitMargin = 0.0;

void fillCounts(ExceedanceTable& table, const constants::CountTable& counts)
{
    constexpr int kCountSlot = 1;
    for (int row = 1; row <= kThicknesses; ++row)
        for (int k = 1; k <= kSubestuaries; ++k)
            table(row, kCountSlot, k) = std::to_string(counts[constants::at(row)][constants::at(k)]);
}

} // namespace

double countValue(const std::string& text)
{
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end)
        throw ModelError::typeMismatch(text);
    return value;
}

std::optional<double> percentIncrease(double baseline, double withWorks)
{
    // No baseline exceedances: an increase has no meaning here.
    if (baseline < kMinBaselineCount)
        return std::nullopt;
    fp::clearStatus();
    const double increase = fp::mul(fp::div(fp::sub(withWorks, baseline), baseline), kPercent);
    fp::check();
    return increase;
}

void SedimentModel::Init_Model()
{
    SlotIdx = 1;
    for (int k = 1; k <= kSubestuaries; ++k)
        DepArea(k) = constants::kDepArea[constants::at(k)];
    Set_Loads();
    Return_jk();
    Calc_Cjk();
    Calc_UDT();
    Calc_CSL();
    Calc_strBaseline();
    Calc_strScenario1();
    Calc_strScenario2();
    ScenarioNo = 1;
}

void SedimentModel::Set_Loads()
{
    for (int j = 1; j <= kSubcatchments; ++j)
        LoadShare(j) = constants::kLoadShare[constants::at(j)];
    fp::clearStatus();
    for (int j = 1; j <= kSubcatchments; ++j) {
        UnitLoad(j) = fp::mul(LoadShare(j), constants::kUnitEventLoadKg);
        fp::check();
    }
}

void SedimentModel::Select_Thickness(int position)
{
    const int last = static_cast<int>(kThicknessChoices.size()) - 1;
    const int row = position >= 0 && position < last ? position : last;
    const auto& choice = kThicknessChoices[static_cast<std::size_t>(row)];
    CDT = choice.cdtMetres;
    ThickIdx = choice.thickIdx;
}

void SedimentModel::Return_jk()
{
    for (int j = 1; j <= kSubcatchments; ++j)
        for (int k = 1; k <= kSubestuaries; ++k)
            jk(j, k) = constants::kJk[constants::at(j)][constants::at(k)];
}

void SedimentModel::Calc_Cjk()
{
    fp::clearStatus();
    for (int j = 1; j <= kSubcatchments; ++j) {
        for (int k = 1; k <= kSubestuaries; ++k) {
            Cjk(j, k) = fp::mul(jk(j, k), UnitLoad(j));
            fp::check();
        }
    }
}

void SedimentModel::Calc_UDT()
{
    fp::clearStatus();
    for (int k = 1; k <= kSubestuaries; ++k) {
        const double settledKg = SettledKg(k);
        // kg spread over the area at settled density gives metres.
        const double area = static_cast<double>(DepArea(k));
        const double kgPerMetre = fp::mul(area, constants::kSettledDensity);
        UDT(k) = fp::div(settledKg, kgPerMetre);
        fp::check();
    }
}

double SedimentModel::SettledKg(int k) const
{
    double settledKg = fp::add(Cjk(1, k), Cjk(2, k));
    for (int j = 3; j <= kSubcatchments; ++j)
        settledKg = fp::add(settledKg, Cjk(j, k));
    return settledKg;
}

void SedimentModel::Calc_CSL()
{
    // A record on which no thickness was ever chosen computes loads per
    // metre of deposit; the replacement stays until the next choice.
    if (CDT == 0.0)
        CDT = 1.0;
    fp::clearStatus();
    for (int k = 1; k <= kSubestuaries; ++k) {
        CSL(k) = fp::div(CDT, UDT(k));
        fp::check();
    }
}

void SedimentModel::Calc_CriticalLoads()
{
    Set_Loads();
    Return_jk();
    Calc_Cjk();
    Calc_UDT();
    Calc_CSL();
    for (int k = 1; k <= kSubestuaries; ++k)
        strRow(k) = wholeNumberText(CSL(k));
}

void SedimentModel::Calc_strBaseline()
{
    fillCounts(strBaseline, constants::kBaselineCounts);
}

void SedimentModel::Calc_strScenario1()
{
    fillCounts(strScenario1, constants::kScenario1Counts);
}

void SedimentModel::Calc_strScenario2()
{
    fillCounts(strScenario2, constants::kScenario2Counts);
}

void SedimentModel::Lookup_Exceedances(const ExceedanceTable& table)
{
    for (int k = 1; k <= kSubestuaries; ++k)
        strRow(k) = table(ThickIdx, SlotIdx, k);
}

const ExceedanceTable& SedimentModel::ScenarioTable() const
{
    return ScenarioNo == 1 ? strScenario1 : strScenario2;
}

void SedimentModel::Calc_PctIncrease(double limit)
{
    for (int k = 1; k <= kSubestuaries; ++k)
        PctFlag(k) = 0;

    const ExceedanceTable& scenario = ScenarioTable();
    for (int k = 1; k <= kSubestuaries; ++k) {
        const double baseline = countValue(strBaseline(ThickIdx, SlotIdx, k));
        const double withWorks = countValue(scenario(ThickIdx, SlotIdx, k));

        const std::optional<double> percent = percentIncrease(baseline, withWorks);
        if (!percent) {
            strRow(k) = "n/a";
            continue;
        }
        const double increase = *percent;
        strRow(k) = std::to_string(roundToInt16(increase)) + "%";

        // The unrounded increase decides, so one exactly at the limit is
        // still acceptable. A limit that is not a number cannot judge
        // anything: that is an invalid operation, whichever way the
        // processor's comparison would have gone.
        const double overLimit = fp::sub(increase, limit);
        fp::check();
        if (std::isnan(overLimit))
            throw ModelError::invalidOperation();
        PctFlag(k) = std::isgreater(overLimit, kAboveLimitMargin) ? -1 : 1;
    }
}

} // namespace siltmere
