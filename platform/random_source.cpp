#include "platform/random_source.h"

#include <cstring>

namespace gridmark {

void RandomSource::Seed(double seconds_since_midnight) {
  // Every bit of the time, fraction included, reaches the seed.
  std::uint64_t bits = 0;
  static_assert(sizeof bits == sizeof seconds_since_midnight);
  std::memcpy(&bits, &seconds_since_midnight, sizeof bits);
  std::seed_seq seq{static_cast<std::uint32_t>(bits),
                    static_cast<std::uint32_t>(bits >> 32)};
  engine_.seed(seq);
}

float RandomSource::Next() {
  // 24 random bits fill a float's mantissa exactly, so 1.0 can never come up.
  constexpr float kScale = 1.0F / 16777216.0F;
  return static_cast<float>(engine_() >> 8) * kScale;
}

}  // namespace gridmark
