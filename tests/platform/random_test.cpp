#include <gtest/gtest.h>

#include <algorithm>

#include "platform/random_source.h"

// A cell drawn as 8 r stays on the board only while r stays below 1.
TEST(RandomSource, DrawsFillZeroToOneButNeverReachOne) {
  gridmark::RandomSource random;
  random.Seed(45296.25);
  float low = 1.0F, high = 0.0F;
  for (int i = 0; i < 100000; ++i) {
    const float r = random.Next();
    low = std::min(low, r);
    high = std::max(high, r);
  }
  EXPECT_TRUE(low >= 0.0F && low < 0.001F) << low;
  EXPECT_TRUE(high > 0.999F && high < 1.0F) << high;
}
