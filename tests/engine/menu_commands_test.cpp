// The menu commands: level changes, restart, exit and the two dialogs.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/engine/rig.h"

namespace gridmark {
namespace {

using testing::ChanceR;
using testing::ClearingLog;
using testing::Fields;
using testing::Join;
using testing::Rig;
using testing::ShownBox;
using Log = std::vector<std::string>;

const Log kRestartLog =
    Join({"text Wins 0", "text Losses 0", "text Draws 0", "text Gamenumber 1",
          "label Playertype X's", "label CPUtype O's"},
         ClearingLog());

struct LevelCommand {
  const char* level;
  void (Game::*handler)();
  Log menu;  // the three flags, in order
};

const LevelCommand kLevelCommands[] = {
    {"Easy",
     &Game::mnuEasy_Click,
     {"menu Easy 0", "menu Medium 1", "menu Hard 1"}},
    {"Medium",
     &Game::mnuMedium_Click,
     {"menu Easy 1", "menu Medium 0", "menu Hard 1"}},
    {"Hard",
     &Game::mnuHard_Click,
     {"menu Easy 1", "menu Medium 1", "menu Hard 0"}},
};

class LevelCommandTest : public ::testing::TestWithParam<LevelCommand> {
 protected:
  // Game 3 of a tournament with scores 3, 4, 5 and the given marks.
  void Prepare(const std::string& cells, std::int16_t game_number = 3) {
    rig_.Load(60);
    rig_.SetLevel("Medium");
    rig_.game.intWins = 3;
    rig_.game.intLosses = 4;
    rig_.game.intDraws = 5;
    rig_.game.intConfirm = 0;
    rig_.Position(cells, game_number);
    rig_.platform.on_box = [&](const ShownBox&) {
      log_at_box_ = rig_.board.log;
    };
  }
  void Choose() {
    rig_.Event([&] { (rig_.game.*(GetParam().handler))(); });
  }

  Rig rig_;
  Log log_at_box_;
};

TEST_P(LevelCommandTest, EmptyBoardChangesTheLevelWithoutAsking) {
  const LevelCommand& c = GetParam();
  Prepare(".........");
  const ModuleState before = rig_.game;
  Choose();
  EXPECT_EQ(rig_.board.log,
            Join(c.menu, {std::string("label Difficultytype ") + c.level}));
  EXPECT_TRUE(rig_.platform.boxes.empty());
  EXPECT_EQ(rig_.platform.rnd_calls, 1);
  EXPECT_EQ(Fields(rig_.game), Fields(before));  // intConfirm kept too
}

TEST_P(LevelCommandTest, MarksOnTheBoardAskAndOkRestartsAtTheNewLevel) {
  const LevelCommand& c = GetParam();
  Prepare("X...O....");
  rig_.platform.replies = {kOk};
  rig_.platform.randoms = {ChanceR(60)};
  Choose();

  ASSERT_EQ(rig_.platform.boxes.size(), 1U);
  const ShownBox& box = rig_.platform.boxes[0];
  EXPECT_EQ(box.prompt, "Changing This Setting Will Restart The Tournament");
  EXPECT_EQ(box.title, "Reset?");
  EXPECT_EQ(box.buttons, Buttons::kOkCancel);
  EXPECT_EQ(log_at_box_, c.menu);  // the flags come first
  EXPECT_EQ(rig_.board.log,
            Join(Join(c.menu, {std::string("label Difficultytype ") + c.level}),
                 kRestartLog));
  EXPECT_EQ(rig_.game.intConfirm, kOk);
  EXPECT_EQ(rig_.game.intGameNumber, 1);
  EXPECT_EQ(rig_.game.intWins + rig_.game.intLosses + rig_.game.intDraws, 0);
  EXPECT_EQ(rig_.board.Marks(), ".........");
  EXPECT_EQ(rig_.platform.seeds.size(), 1U);
}

TEST_P(LevelCommandTest, CancelKeepsEverythingButTheMenuFlags) {
  const LevelCommand& c = GetParam();
  Prepare("X...O....");
  rig_.platform.replies = {kCancel};
  ModuleState expected = rig_.game;
  expected.intConfirm = kCancel;
  Choose();
  EXPECT_EQ(rig_.platform.boxes.size(), 1U);
  EXPECT_EQ(rig_.board.log, c.menu);
  EXPECT_EQ(rig_.board.label[Label::kDifficultytype], "Medium");
  EXPECT_EQ(Fields(rig_.game), Fields(expected));
  EXPECT_EQ(rig_.board.Marks(), "X...O....");
}

TEST_P(LevelCommandTest, OpeningMarkOfAnEvenGameIsEnoughToAsk) {
  Prepare("....O....", 4);
  rig_.platform.replies = {kCancel};
  Choose();
  EXPECT_EQ(rig_.platform.boxes.size(), 1U);
}

INSTANTIATE_TEST_SUITE_P(
    MenuCommands, LevelCommandTest, ::testing::ValuesIn(kLevelCommands),
    [](const ::testing::TestParamInfo<LevelCommand>& info) {
      return std::string(info.param.level);
    });

TEST(MenuCommands, AfterCancelTheLevelInForceCanBeChosenAgain) {
  Rig rig;
  rig.Load(60);
  rig.Position("X...O....");
  rig.platform.replies = {kCancel, kOk};
  rig.platform.randoms = {ChanceR(60)};
  rig.Event([&] { rig.game.mnuHard_Click(); });
  EXPECT_TRUE(rig.board.menu[Level::kMedium]);
  EXPECT_FALSE(rig.board.menu[Level::kHard]);
  EXPECT_EQ(rig.board.label[Label::kDifficultytype], "Medium");

  rig.Event([&] { rig.game.mnuMedium_Click(); });
  EXPECT_EQ(rig.platform.boxes.size(), 2U);
  EXPECT_FALSE(rig.board.menu[Level::kMedium]);
  EXPECT_TRUE(rig.board.menu[Level::kHard]);
  EXPECT_EQ(rig.board.label[Label::kDifficultytype], "Medium");
  EXPECT_EQ(rig.board.Marks(), ".........");
}

TEST(MenuCommands, RestartTournamentAsksNothingAndKeepsTheLevel) {
  Rig rig;
  rig.Load(60);
  rig.SetLevel("Easy");
  rig.Position("X..OO....", 2);
  rig.game.intLosses = 1;
  rig.platform.randoms = {ChanceR(20)};
  rig.Event([&] { rig.game.mnuRestartTournament_Click(); });
  EXPECT_TRUE(rig.platform.boxes.empty());
  EXPECT_EQ(rig.board.log, kRestartLog);
  EXPECT_EQ(rig.game.intChance, 20);
  EXPECT_EQ(rig.game.intCareless, 0);  // "Easy" and 20
  EXPECT_EQ(rig.board.label[Label::kDifficultytype], "Easy");

  // And again straight after.
  rig.board.log.clear();
  rig.platform.randoms = {ChanceR(90)};
  rig.Event([&] { rig.game.mnuRestartTournament_Click(); });
  EXPECT_EQ(rig.board.log, kRestartLog);
  EXPECT_EQ(rig.game.intCareless, 1);
}

TEST(MenuCommands, ExitEndsTheProgramAtOnce) {
  Rig rig;
  rig.Load(60);
  rig.Position("X...O....");
  rig.Event([&] { rig.game.mnuExit_Click(); });
  EXPECT_EQ(rig.platform.closed, 1);
  EXPECT_TRUE(rig.game.Ended());
  EXPECT_TRUE(rig.board.log.empty());
  EXPECT_TRUE(rig.platform.boxes.empty());

  rig.Click(8);
  rig.Event([&] { rig.game.mnuHowToPlay_Click(); });
  EXPECT_TRUE(rig.board.log.empty());
  EXPECT_TRUE(rig.platform.dialogs.empty());
  EXPECT_EQ(rig.platform.closed, 1);
}

TEST(MenuCommands, DialogsTouchNothingElse) {
  Rig rig;
  rig.Load(60);
  rig.Position("X...O....");
  const ModuleState before = rig.game;
  rig.Event([&] { rig.game.mnuHowToPlay_Click(); });
  rig.Event([&] { rig.game.mnuAbout_Click(); });
  rig.Event([&] { rig.game.mnuAbout_Click(); });
  EXPECT_EQ(rig.platform.dialogs,
            (std::vector<Dialog>{Dialog::kHowToPlay, Dialog::kAbout,
                                 Dialog::kAbout}));
  EXPECT_TRUE(rig.board.log.empty());
  EXPECT_TRUE(rig.platform.boxes.empty());
  EXPECT_EQ(rig.platform.rnd_calls, 1);
  EXPECT_EQ(Fields(rig.game), Fields(before));

  // The same game goes on: the computer blocks at 1.
  rig.Click(2);
  EXPECT_EQ(rig.board.Marks(), "XOX.O....");
}

}  // namespace
}  // namespace gridmark
