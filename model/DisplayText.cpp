#include "DisplayText.h"

#include "ModelError.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace siltmere {

namespace {

// Rounds to the nearest whole number, ties to even (2.5 -> 2, 3.5 -> 4),
// whatever rounding mode the processor is in.
double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double below = std::floor(value);
    const double fraction = value - below; // exact for every finite double
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1.0;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

} // namespace

std::string wholeNumberText(double value)
{
    const double rounded = roundHalfEven(value);
    // Fixed notation with no fractional digits prints an integral double as
    // its exact digits, however large.
    std::array<char, std::numeric_limits<double>::max_exponent10 + 8> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), rounded, std::chars_format::fixed, 0);
    std::string text(buffer.data(), result.ptr);
    if (text == "-0")
        text = "0";
    return text;
}

std::int16_t roundToInt16(double value)
{
    const double rounded = roundHalfEven(value);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() && rounded <= std::numeric_limits<std::int16_t>::max()))
        throw ModelError::integerOverflow();
    return static_cast<std::int16_t>(rounded);
}

} // namespace siltmere
