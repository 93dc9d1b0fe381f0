#include "CheckedArithmetic.h"

#include "ModelError.h"

#include <cfenv>

namespace siltmere::fp {

namespace {
constexpr int kFaults = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;
}

void clearStatus()
{
    std::feclearexcept(FE_ALL_EXCEPT);
}

void check()
{
    const int raised = std::fetestexcept(kFaults);
    std::feclearexcept(FE_ALL_EXCEPT);
    if (raised & FE_INVALID)
        throw ModelError::invalidOperation();
    if (raised & FE_DIVBYZERO)
        throw ModelError::divisionByZero();
    if (raised & FE_OVERFLOW)
        throw ModelError::floatingOverflow();
}

// Each operation reads its operands from volatile objects and writes its
// result to one: the arithmetic therefore happens here, at run time, between
// the previous status test and the next.
double add(double a, double b)
{
    volatile double x = a;
    volatile double y = b;
    volatile double r = x + y;
    return r;
}

double sub(double a, double b)
{
    volatile double x = a;
    volatile double y = b;
    volatile double r = x - y;
    return r;
}

double mul(double a, double b)
{
    volatile double x = a;
    volatile double y = b;
    volatile double r = x * y;
    return r;
}

double div(double a, double b)
{
    volatile double x = a;
    volatile double y = b;
    volatile double r = x / y;
    return r;
}

} // namespace siltmere::fp
