#include "engine/game_flow.h"

#include <gtest/gtest.h>

#include "tests/engine/fakes.h"

namespace gridmark {
namespace {

using testing::ChanceR;
using testing::FakeBoard;
using testing::ScriptedPlatform;

TEST(StartUp, SetsUpGameOne) {
  FakeBoard board;
  ScriptedPlatform platform;
  platform.randoms = {ChanceR(60)};
  Game game(board, platform);
  game.HandleEvent([&] { game.Form_Load(); });
  EXPECT_EQ(board.Marks(), ".........");
  EXPECT_EQ(board.text[TextBox::kGamenumber], "1");
  EXPECT_EQ(board.label[Label::kDifficultytype], "Medium");
  EXPECT_EQ(game.intChance, 60);
}

}  // namespace
}  // namespace gridmark
