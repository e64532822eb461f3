#include <gtest/gtest.h>

#include <algorithm>

#include "platform/random_source.h"

namespace gridmark {
namespace {

// A cell drawn as 8 r stays on the board only while r stays below 1.
TEST(RandomSource, DrawsFillZeroToOneButNeverReachOne) {
  RandomSource random;
  random.Seed(45296.25);
  float low = 1.0F;
  float high = 0.0F;
  for (int i = 0; i < 100000; ++i) {
    const float r = random.Next();
    low = std::min(low, r);
    high = std::max(high, r);
  }
  EXPECT_GE(low, 0.0F);
  EXPECT_LT(low, 0.001F);
  EXPECT_LT(high, 1.0F);
  EXPECT_GT(high, 0.999F);
}

}  // namespace
}  // namespace gridmark
