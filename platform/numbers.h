#pragma once

#include <cstdint>
#include <string>

namespace gridmark {

// Nearest 16-bit integer, halves to the even neighbour (0.5 -> 0, 1.5 -> 2).
// Throws CounterOverflow outside the 16-bit range.
std::int16_t CInt(double value);

// counter + 1, or CounterOverflow with the counter unchanged at 32767.
void Increment(std::int16_t& counter);

// Plain decimal text: no leading spaces or zeros, no separators.
std::string Str(std::int16_t value);

}  // namespace gridmark
