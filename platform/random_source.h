#pragma once

#include <cstdint>
#include <random>

namespace gridmark {

// The program's one random generator: single-precision reals in [0, 1).
class RandomSource {
 public:
  void Seed(double seconds_since_midnight);
  float Next();

 private:
  std::mt19937 engine_;
};

}  // namespace gridmark
