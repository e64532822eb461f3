#pragma once

#include <array>
#include <cstdint>

#include "engine/game_state.h"

namespace gridmark {

// One entry of the move searches: when cells `held` carry the mark looked for
// and cell `free` is empty, `free` is the cell to take.
struct Pattern {
  std::array<std::int16_t, 2> held;
  std::int16_t free;
};

// Each line in turn, its free cell looked for at the third, second, then
// first position: 24 entries.
constexpr std::array<Pattern, 24> MakePatterns() {
  std::array<Pattern, 24> patterns{};
  std::size_t n = 0;
  for (const Line& line : kLines) {
    const auto [a, b, c] = line;
    patterns[n++] = {{a, b}, c};
    patterns[n++] = {{a, c}, b};
    patterns[n++] = {{b, c}, a};
  }
  return patterns;
}
inline constexpr std::array<Pattern, 24> kPatterns = MakePatterns();

// Whether a game at this level with this random number is played carelessly.
bool CarelessAt(const std::string& level, std::int16_t chance);

}  // namespace gridmark
