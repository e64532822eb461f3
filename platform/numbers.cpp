#include "platform/numbers.h"

#include <cfenv>
#include <cmath>
#include <limits>

#include "platform/platform_services.h"

namespace gridmark {

std::int16_t CInt(double value) {
  // The default floating-point environment rounds to nearest, ties to even.
  const double rounded = std::nearbyint(value);
  if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
        rounded <= std::numeric_limits<std::int16_t>::max())) {
    throw CounterOverflow();
  }
  return static_cast<std::int16_t>(rounded);
}

void Increment(std::int16_t& counter) {
  if (counter == std::numeric_limits<std::int16_t>::max()) {
    throw CounterOverflow();
  }
  ++counter;
}

std::string Str(std::int16_t value) { return std::to_string(value); }

}  // namespace gridmark
