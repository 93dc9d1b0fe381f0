#pragma once

// Floating-point arithmetic whose faults the model must notice.
//
// Every stored result of the load chain and the scenario comparison is
// followed by a look at the processor's floating-point status: an invalid
// operation, a division by zero or an overflow raised since the previous look
// stops the running model operation with an error naming the condition.
// Underflow and inexact results are harmless here and are ignored.
//
// Compilers do not treat the floating-point status as something that orders
// code, so each operation pins its operands and its result with an empty
// assembler statement: the arithmetic then happens at run time, exactly
// between the previous status test and the next, and cannot be folded at
// compile time or dropped.

#include <cfenv>
#include <functional>

#if defined(__x86_64__) && defined(__SSE2__)
#include <immintrin.h>
#endif

namespace siltmere::fp {

namespace detail {

inline constexpr int kFaults = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

// Throws the model error for the first of the raised `faults` (invalid
// operation, then division by zero, then overflow), after clearing the status.
[[noreturn]] void raiseFault(int faults);

inline int raisedFaults()
{
#if defined(__x86_64__) && defined(__SSE2__) && defined(__GLIBC__)
    // Doubles are computed in the SSE unit here; its status register alone
    // is read, which is far cheaper than the full environment. glibc gives
    // the FE_ flags the register's own bit positions.
    static_assert(FE_INVALID == 0x01 && FE_DIVBYZERO == 0x04 && FE_OVERFLOW == 0x08);
    return static_cast<int>(_mm_getcsr()) & kFaults;
#else
    return std::fetestexcept(kFaults);
#endif
}

template <typename T>
inline void pin(T& value)
{
#if defined(__GNUC__) || defined(__clang__)
    __asm__ volatile("" : "+m"(value) : : "memory");
#else
    // Compilers without GNU assembler statements (MSVC): a round trip through
    // a volatile object cannot be folded or moved either. MSVC also needs
    // /fp:strict, which the build sets, to keep the status flags observable.
    volatile T copy = value;
    value = copy;
#endif
}

} // namespace detail

// Forgets every fault raised so far; each model operation starts with this,
// so faults raised elsewhere in the program (the window toolkit, say) are
// never charged to the model.
inline void clearStatus()
{
    // Clearing rewrites the whole floating-point environment, which costs far
    // more than a look at it; usually there is nothing to clear.
    if (detail::raisedFaults() != 0)
        std::feclearexcept(FE_ALL_EXCEPT);
}

// Throws ModelError if an invalid operation, a division by zero or an
// overflow has been raised since the last clearStatus() or check().
inline void check()
{
    if (const int faults = detail::raisedFaults())
        detail::raiseFault(faults);
}

namespace detail {

// An operation done at run time, between two looks at the status: its
// operands and its result pinned, so that the compiler neither folds it nor
// moves it past a look.
template <typename Operation>
struct Pinned {
    double operator()(double a, double b) const
    {
        pin(a);
        pin(b);
        double r = Operation{}(a, b);
        pin(r);
        return r;
    }
};

} // namespace detail

inline constexpr detail::Pinned<std::plus<>> add{};
inline constexpr detail::Pinned<std::minus<>> sub{};
inline constexpr detail::Pinned<std::multiplies<>> mul{};
inline constexpr detail::Pinned<std::divides<>> div{};

} // namespace siltmere::fp
