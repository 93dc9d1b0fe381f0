#include "CheckedArithmetic.h"

#include "ModelError.h"

namespace siltmere::fp::detail {

void raiseFault(int faults)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    if (faults & FE_INVALID)
        throw ModelError::invalidOperation();
    if (faults & FE_DIVBYZERO)
        throw ModelError::divisionByZero();
    throw ModelError::floatingOverflow();
}

} // namespace siltmere::fp::detail
