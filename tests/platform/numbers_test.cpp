#include "platform/numbers.h"

#include <gtest/gtest.h>

#include <array>

#include "platform/platform_services.h"
#include "platform/random_source.h"

namespace gridmark {
namespace {

TEST(CInt, RoundsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(CInt(0.5), 0);
  EXPECT_EQ(CInt(1.5), 2);
  EXPECT_EQ(CInt(2.5), 2);
  EXPECT_EQ(CInt(7.5), 8);
  EXPECT_EQ(CInt(100.5), 100);
  EXPECT_EQ(CInt(-0.5), 0);
  EXPECT_EQ(CInt(-1.5), -2);
}

TEST(CInt, RoundsOtherValuesToTheNearest) {
  EXPECT_EQ(CInt(0.49999), 0);
  EXPECT_EQ(CInt(0.50001), 1);
  EXPECT_EQ(CInt(7.4999), 7);
  EXPECT_EQ(CInt(100.9), 101);
  EXPECT_EQ(CInt(32767.4), 32767);
}

TEST(CInt, OverflowsOutsideSixteenBits) {
  EXPECT_THROW(CInt(32767.5), CounterOverflow);
  EXPECT_THROW(CInt(-32769.0), CounterOverflow);
  EXPECT_EQ(CInt(-32768.0), -32768);
}

TEST(Increment, RaisesByOneUpToTheLimit) {
  std::int16_t counter = 32766;
  Increment(counter);
  EXPECT_EQ(counter, 32767);
  EXPECT_THROW(Increment(counter), CounterOverflow);
  EXPECT_EQ(counter, 32767);
}

TEST(Str, IsPlainDecimalText) {
  EXPECT_EQ(Str(0), "0");
  EXPECT_EQ(Str(7), "7");
  EXPECT_EQ(Str(12), "12");
  EXPECT_EQ(Str(32767), "32767");
  EXPECT_EQ(Str(-5), "-5");
}

TEST(RandomSource, StaysInTheHalfOpenUnitInterval) {
  RandomSource random;
  random.Seed(45296.25);
  for (int i = 0; i < 200000; ++i) {
    const float r = random.Next();
    ASSERT_GE(r, 0.0F);
    ASSERT_LT(r, 1.0F);
  }
}

TEST(RandomSource, SameSeedSameSequenceAndFractionMatters) {
  RandomSource a;
  RandomSource b;
  RandomSource c;
  a.Seed(100.5);
  b.Seed(100.5);
  c.Seed(100.25);
  bool differs = false;
  for (int i = 0; i < 16; ++i) {
    const float x = a.Next();
    EXPECT_EQ(x, b.Next());
    differs = differs || x != c.Next();
  }
  EXPECT_TRUE(differs);
}

// Draws as the game makes them: a cell is 8 r rounded, intChance 100 r + 1.
TEST(RandomSource, ChanceEndsComeUpHalfAsOftenAsTheOthers) {
  RandomSource random;
  random.Seed(3600.75);
  std::array<int, 102> count{};
  constexpr int kDraws = 2000000;
  for (int i = 0; i < kDraws; ++i) {
    const int chance = CInt(100.0 * random.Next() + 1.0);
    ASSERT_GE(chance, 1);
    ASSERT_LE(chance, 101);
    ++count.at(static_cast<std::size_t>(chance));
  }
  for (std::size_t chance = 1; chance <= 101; ++chance) {
    const double expected =
        kDraws * (chance == 1 || chance == 101 ? 1.0 / 200 : 1.0 / 100);
    EXPECT_NEAR(count.at(chance), expected, expected * 0.05)
        << "chance " << chance;
  }
}

}  // namespace
}  // namespace gridmark
