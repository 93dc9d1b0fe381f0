// Faults in the arithmetic or the tables: the running operation stops at the
// failing element with an error naming the condition; elements before it keep
// their new values, later ones their old values, and later steps do not run.
// None of these can happen with the built-in data, so each test plants one.

#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <functional>
#include <limits>

namespace siltmere::test {
namespace {

constexpr double kSentinel = -12345.0;

ErrorCode errorOf(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const ModelError& error) {
        return error.code();
    }
    ADD_FAILURE() << "the operation did not fail";
    return ErrorCode{};
}

const Row kStaleRow{"a", "b", "c", "d", "e", "f"};

TEST(FaultInjection, ZeroAreaWithSedimentIsADivisionByZeroAtThatSubestuary)
{
    SedimentModel model = startedModel();
    const auto goodUdt = model.UDT;
    for (int k = 1; k <= kSubestuaries; ++k)
        model.UDT(k) = kSentinel;
    model.DepArea(3) = 0;
    EXPECT_EQ(errorOf([&] { model.Calc_UDT(); }), ErrorCode::DivisionByZero);
    EXPECT_EQ(model.UDT(1), goodUdt(1));
    EXPECT_EQ(model.UDT(2), goodUdt(2));
    EXPECT_TRUE(std::isinf(model.UDT(3)));
    for (int k = 4; k <= kSubestuaries; ++k)
        EXPECT_EQ(model.UDT(k), kSentinel) << k;
}

TEST(FaultInjection, ZeroAreaWithoutSedimentIsAnInvalidOperation)
{
    SedimentModel model = startedModel();
    for (int j = 1; j <= 6; ++j)
        model.Cjk(j, 4) = 0.0;
    for (int k = 1; k <= kSubestuaries; ++k)
        model.UDT(k) = kSentinel;
    model.DepArea(4) = 0;
    EXPECT_EQ(errorOf([&] { model.Calc_UDT(); }), ErrorCode::InvalidOperation);
    EXPECT_NE(model.UDT(3), kSentinel);
    EXPECT_TRUE(std::isnan(model.UDT(4)));
    EXPECT_EQ(model.UDT(5), kSentinel);
    EXPECT_EQ(model.UDT(6), kSentinel);
}

TEST(FaultInjection, AFailedChainNeitherComputesLoadsNorWritesTexts)
{
    SedimentModel model = startedModel();
    for (int k = 1; k <= kSubestuaries; ++k)
        model.CSL(k) = kSentinel;
    setRow(model, kStaleRow);
    model.DepArea(1) = 0;
    EXPECT_EQ(errorOf([&] { model.Calc_CriticalLoads(); }), ErrorCode::DivisionByZero);
    for (int k = 1; k <= kSubestuaries; ++k)
        EXPECT_EQ(model.CSL(k), kSentinel) << k;
    EXPECT_EQ(rowOf(model), kStaleRow);
}

TEST(FaultInjection, ZeroUnitThicknessFailsTheLoadStep)
{
    SedimentModel model = startedModel();
    for (int k = 1; k <= kSubestuaries; ++k)
        model.CSL(k) = kSentinel;
    model.UDT(2) = 0.0;
    EXPECT_EQ(errorOf([&] { model.Calc_CSL(); }), ErrorCode::DivisionByZero);
    EXPECT_EQ(model.CSL(1), 40909.09090909091);
    EXPECT_TRUE(std::isinf(model.CSL(2)));
    EXPECT_EQ(model.CSL(3), kSentinel);
}

TEST(FaultInjection, AnEnormousThicknessOverflows)
{
    SedimentModel model = startedModel();
    model.CDT = 1e305;
    EXPECT_EQ(errorOf([&] { model.Calc_CSL(); }), ErrorCode::Overflow);
    EXPECT_TRUE(std::isinf(model.CSL(1)));
}

TEST(FaultInjection, InfiniteLoadTimesZeroProportionIsInvalidInTheMatrix)
{
    SedimentModel model = startedModel();
    const auto goodCjk = model.Cjk;
    for (int j = 1; j <= 6; ++j)
        for (int k = 1; k <= kSubestuaries; ++k)
            model.Cjk(j, k) = kSentinel;
    model.UnitLoad(2) = INFINITY; // jk(2, 1) is 0
    EXPECT_EQ(errorOf([&] { model.Calc_Cjk(); }), ErrorCode::InvalidOperation);
    for (int k = 1; k <= kSubestuaries; ++k)
        EXPECT_EQ(model.Cjk(1, k), goodCjk(1, k)) << k;
    EXPECT_TRUE(std::isnan(model.Cjk(2, 1)));
    EXPECT_EQ(model.Cjk(2, 2), kSentinel);
    EXPECT_EQ(model.Cjk(6, 6), kSentinel);
}

TEST(FaultInjection, HugeProductOverflowsInTheMatrix)
{
    SedimentModel model = startedModel();
    model.jk(1, 1) = 1e300;
    model.UnitLoad(1) = 1e300;
    EXPECT_EQ(errorOf([&] { model.Calc_Cjk(); }), ErrorCode::Overflow);
}

TEST(FaultInjection, UnderflowAndInexactAreNotFaults)
{
    SedimentModel model = startedModel();
    model.CDT = 1e-320; // subnormal thickness: the loads underflow
    EXPECT_NO_THROW(model.Calc_CSL());
    EXPECT_GE(model.CSL(1), 0.0);
}

TEST(FaultInjection, FaultsRaisedBeforeAnOperationAreNotChargedToIt)
{
    SedimentModel model = startedModel();
    std::feraiseexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
    EXPECT_NO_THROW(model.Calc_CriticalLoads());
    std::feraiseexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
    EXPECT_NO_THROW(model.Calc_PctIncrease(20));
    std::feclearexcept(FE_ALL_EXCEPT);
}

class ThicknessRowOutOfRange : public ::testing::TestWithParam<int> {};

TEST_P(ThicknessRowOutOfRange, LookupFailsBeforeWritingAnything)
{
    SedimentModel model = startedModel();
    setRow(model, kStaleRow);
    model.ThickIdx = static_cast<std::int16_t>(GetParam());
    EXPECT_EQ(errorOf([&] { model.Lookup_Exceedances(model.strBaseline); }), ErrorCode::SubscriptOutOfRange);
    EXPECT_EQ(rowOf(model), kStaleRow);
}

TEST_P(ThicknessRowOutOfRange, ComparisonFailsBeforeWritingAnything)
{
    SedimentModel model = startedModel();
    model.Calc_PctIncrease(20); // leaves non-zero flags behind
    setRow(model, kStaleRow);
    model.ThickIdx = static_cast<std::int16_t>(GetParam());
    EXPECT_EQ(errorOf([&] { model.Calc_PctIncrease(20); }), ErrorCode::SubscriptOutOfRange);
    EXPECT_EQ(rowOf(model), kStaleRow);
    for (int k = 1; k <= kSubestuaries; ++k)
        EXPECT_EQ(model.PctFlag(k), 0) << k;
}

INSTANTIATE_TEST_SUITE_P(BelowAndAbove, ThicknessRowOutOfRange, ::testing::Values(0, 6, -1), [](const auto& param) {
    const int row = param.param;
    return (row < 0 ? "rowMinus" : "row") + std::to_string(row < 0 ? -row : row);
});

TEST(FaultInjection, SlotOutsideItsThreeFails)
{
    SedimentModel model = startedModel();
    model.SlotIdx = 4;
    EXPECT_EQ(errorOf([&] { model.Lookup_Exceedances(model.strScenario1); }), ErrorCode::SubscriptOutOfRange);
    model.SlotIdx = 0;
    EXPECT_EQ(errorOf([&] { model.Calc_PctIncrease(20); }), ErrorCode::SubscriptOutOfRange);
}

TEST(FaultInjection, PercentageBeyondSixteenBitsOverflowsAndKeepsEarlierTexts)
{
    SedimentModel model = startedModel();
    setRow(model, kStaleRow);
    model.strBaseline(3, 1, 2) = "1";
    model.strScenario1(3, 1, 2) = "400"; // +39900 %
    EXPECT_EQ(errorOf([&] { model.Calc_PctIncrease(20); }), ErrorCode::Overflow);
    EXPECT_EQ(model.strRow(1), "n/a");
    EXPECT_EQ(model.strRow(2), "b");
    EXPECT_EQ(model.strRow(6), "f");
}

TEST(FaultInjection, ALimitThatIsNotANumberIsAnInvalidOperationWhateverTheCompiler)
{
    SedimentModel model = startedModel();
    setRow(model, kStaleRow);
    EXPECT_EQ(errorOf([&] { model.Calc_PctIncrease(std::numeric_limits<double>::quiet_NaN()); }),
              ErrorCode::InvalidOperation);
    EXPECT_EQ(model.strRow(1), "n/a"); // no comparison needed there
    EXPECT_EQ(model.strRow(2), "56%"); // written before the limit was applied
    EXPECT_EQ(model.strRow(3), "c");
    for (int k = 1; k <= kSubestuaries; ++k)
        EXPECT_EQ(model.PctFlag(k), 0) << k;
    // The next run, with a number, is unaffected.
    EXPECT_NO_THROW(model.Calc_PctIncrease(20));
    EXPECT_EQ(model.PctFlag(2), -1);
}

TEST(FaultInjection, ACountThatIsNotANumberIsATypeMismatch)
{
    SedimentModel model = startedModel();
    model.strScenario1(3, 1, 3) = "8x";
    EXPECT_EQ(errorOf([&] { model.Calc_PctIncrease(20); }), ErrorCode::TypeMismatch);
    model.strScenario1(3, 1, 3) = "";
    EXPECT_EQ(errorOf([&] { model.Calc_PctIncrease(20); }), ErrorCode::TypeMismatch);
}

TEST(ModelError, TheDescriptionNamesTheConditionAndTheOffendingText)
{
    EXPECT_EQ(ModelError::divisionByZero().description(), "Division by zero");
    EXPECT_EQ(ModelError::integerOverflow().description(), "Overflow: whole number outside -32768 to 32767");
    const ModelError mismatch = ModelError::typeMismatch("8x");
    EXPECT_EQ(mismatch.code(), ErrorCode::TypeMismatch);
    EXPECT_EQ(mismatch.description(), "Type mismatch: \"8x\" is not a number");
    EXPECT_STREQ(mismatch.what(), "Type mismatch: \"8x\" is not a number");
}

} // namespace
} // namespace siltmere::test
