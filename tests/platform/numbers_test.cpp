#include "platform/numbers.h"

#include <gtest/gtest.h>

#include "platform/platform_services.h"
#include "platform/random_source.h"

namespace gridmark {
namespace {

TEST(Numbers, RoundHalvesToEvenAndGuardSixteenBits) {
  EXPECT_EQ(CInt(-2.5) + CInt(-32768.4) + CInt(32767.4), -2 - 32768 + 32767);
  EXPECT_THROW(CInt(32767.5), CounterOverflow);
  EXPECT_THROW(CInt(-32769), CounterOverflow);
  std::int16_t counter = 32766;
  Increment(counter);
  EXPECT_THROW(Increment(counter), CounterOverflow);
  EXPECT_EQ(Str(counter) + Str(0) + Str(-5), "327670-5");
}

TEST(RandomSource, StaysBelowOneAndTheSeedsFractionMatters) {
  RandomSource a, b, c;
  a.Seed(100.5);
  b.Seed(100.5);
  c.Seed(100.25);
  bool differs = false;
  float high = 0.0F;
  for (int i = 0; i < 100000; ++i) {
    const float x = a.Next();
    ASSERT_TRUE(x == b.Next() && x >= 0.0F);
    high = std::max(high, x);
    differs = differs || x != c.Next();
  }
  EXPECT_TRUE(differs);
  EXPECT_TRUE(high > 0.9999F && high < 1.0F);  // all of [0, 1), never 1
}

}  // namespace
}  // namespace gridmark
