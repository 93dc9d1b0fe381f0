#pragma once

// How the calculator writes numbers into its result boxes: whole numbers,
// rounded to nearest with an exact half going to the even neighbour, as plain
// decimal digits (no grouping, no decimal point, no exponent).

#include <cstdint>
#include <string>

namespace siltmere {

// The display text of a critical total load: `value` rounded half to even and
// written as its decimal digits ("40909" for 40909.09...).
std::string wholeNumberText(double value);

// Rounds half to even into a 16-bit whole number, as percentages are held;
// throws the model's overflow error outside -32768..32767.
std::int16_t roundToInt16(double value);

} // namespace siltmere
