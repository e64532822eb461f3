// The end of a game: the boxes, the score, No, restarts and full counters.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/engine/rig.h"

namespace gridmark {
namespace {

using testing::CellR;
using testing::ChanceR;
using testing::ClearingLog;
using testing::Join;
using testing::Rig;
using testing::ShownBox;
using Log = std::vector<std::string>;

// One way for a game to end on a click, starting from scores 4, 5, 6.
struct Ending {
  const char* name;
  int chance;  // at start-up, "Medium"
  const char* position;
  std::int16_t click;
  std::vector<float> draws;  // the computer's, before any announcement
  const char* prompt;
  const char* title;
  TextBox box;
  const char* score;  // the raised count
  std::int16_t ModuleState::*counter;
};

const Ending kEndings[] = {
    {"HumanLine",
     60,
     "XX.OO....",
     2,
     {},
     "You Win, Play Again?",
     "You Win",
     TextBox::kWins,
     "5",
     &ModuleState::intWins},
    {"ComputerLine",
     30,
     "X..OO...X",
     2,
     {CellR(5)},
     "You Lose, Play Again?",
     "You Lose",
     TextBox::kLosses,
     "6",
     &ModuleState::intLosses},
    {"FullBoard",
     60,
     "XOXXOOOX.",
     8,
     {},
     "It Was A Draw, Play Again?",
     "No Winner",
     TextBox::kDraws,
     "7",
     &ModuleState::intDraws},
};

class EndingTest : public ::testing::TestWithParam<Ending> {
 protected:
  void Play(std::int16_t reply) {
    const Ending& e = GetParam();
    rig_.Load(e.chance);
    rig_.game.intWins = 4;
    rig_.game.intLosses = 5;
    rig_.game.intDraws = 6;
    rig_.Position(e.position);
    rig_.platform.randoms.assign(e.draws.begin(), e.draws.end());
    if (reply == kYes) {
      // Game 2: its intChance and opening cell.
      rig_.platform.randoms.push_back(ChanceR(60));
      rig_.platform.randoms.push_back(CellR(4));
    }
    rig_.platform.replies = {reply};
    rig_.platform.on_box = [&](const ShownBox&) {
      text_at_box_ = rig_.board.text[e.box];
      log_at_box_ = rig_.board.log.size();
      draws_at_box_ = rig_.platform.rnd_calls;
    };
    rig_.Click(e.click);
  }

  Rig rig_;
  std::string text_at_box_;
  std::size_t log_at_box_ = 0;
  int draws_at_box_ = 0;
};

TEST_P(EndingTest, CountsOnceAndShowsTheScoreBeforeTheBox) {
  const Ending& e = GetParam();
  Play(kYes);
  ASSERT_EQ(rig_.platform.boxes.size(), 1U);
  EXPECT_EQ(rig_.platform.boxes[0].prompt, e.prompt);
  EXPECT_EQ(rig_.platform.boxes[0].title, e.title);
  EXPECT_EQ(rig_.platform.boxes[0].buttons, Buttons::kYesNo);
  EXPECT_EQ(text_at_box_, e.score);
  EXPECT_EQ(rig_.game.intAnswer, kYes);
  EXPECT_EQ(rig_.game.intWins + rig_.game.intLosses + rig_.game.intDraws, 16);
  EXPECT_EQ(std::to_string(rig_.game.*(e.counter)), e.score);
  EXPECT_EQ(rig_.game.intGameNumber, 2);
  EXPECT_EQ(rig_.board.text[TextBox::kGamenumber], "2");
}

TEST_P(EndingTest, NoEndsTheProgramBeforeAnyFurtherStep) {
  const Ending& e = GetParam();
  Play(kNo);
  ASSERT_EQ(rig_.platform.boxes.size(), 1U);
  EXPECT_EQ(rig_.platform.closed, 1);
  EXPECT_TRUE(rig_.game.Ended());
  EXPECT_EQ(rig_.game.intAnswer, kNo);
  // Nothing after the box: no new game, no computer mark, no other draw.
  EXPECT_EQ(rig_.board.log.size(), log_at_box_);
  EXPECT_EQ(rig_.platform.rnd_calls, draws_at_box_);
  EXPECT_EQ(rig_.board.text[e.box], e.score);
  EXPECT_EQ(rig_.game.intGameNumber, 1);

  // The window is closing: later events do nothing.
  const std::string marks = rig_.board.Marks();
  rig_.Click(4);
  rig_.Event([&] { rig_.game.mnuRestartTournament_Click(); });
  EXPECT_EQ(rig_.board.log.size(), log_at_box_);
  EXPECT_EQ(rig_.board.Marks(), marks);
  EXPECT_EQ(rig_.platform.closed, 1);
  EXPECT_EQ(rig_.platform.rnd_calls, draws_at_box_);
}

INSTANTIATE_TEST_SUITE_P(Outcomes, EndingTest, ::testing::ValuesIn(kEndings),
                         [](const ::testing::TestParamInfo<Ending>& info) {
                           return std::string(info.param.name);
                         });

TEST(Outcomes, HumanWinThenNoLeavesTheComputerUnmoved) {
  // The computer's own line at 0 is open, but No stops the click first.
  Rig rig;
  rig.Load(60);
  rig.SetLevel("Hard");
  rig.Position("..XO.XO..");
  rig.platform.replies = {kNo};
  rig.Click(8);
  EXPECT_EQ(rig.board.Marks(), "..XO.XO.X");
  EXPECT_EQ(rig.platform.closed, 1);
  EXPECT_EQ(rig.platform.rnd_calls, 1);
}

TEST(RestartTournament, StartsGameOneAndKeepsTheLevel) {
  Rig rig;
  rig.Load(60);
  rig.SetLevel("Hard");
  rig.Position("X...O.O..", 6);
  rig.game.intWins = 3;
  rig.game.intLosses = 2;
  rig.game.intDraws = 1;
  rig.game.intCPUCell = 6;
  rig.game.intAnswer = kYes;
  rig.game.intConfirm = kOk;
  rig.game.intMoved = 1;
  rig.game.intMoveParity = 1;
  rig.game.intGameParity = 0;
  rig.platform.randoms = {ChanceR(10)};
  rig.Event([&] { rig.game.RestartTournament(); });

  EXPECT_EQ(rig.board.log, Join({"text Wins 0", "text Losses 0", "text Draws 0",
                                 "text Gamenumber 1", "label Playertype X's",
                                 "label CPUtype O's"},
                                ClearingLog()));
  EXPECT_EQ(rig.board.label[Label::kDifficultytype], "Hard");
  EXPECT_EQ(rig.platform.seeds.size(), 1U);
  EXPECT_EQ(rig.platform.rnd_calls, 2);
  const Game& g = rig.game;
  EXPECT_EQ(g.intChance, 10);
  EXPECT_EQ(g.intCareless, 1);  // "Hard" and 10
  EXPECT_EQ(g.intWins + g.intLosses + g.intDraws + g.intMoves, 0);
  EXPECT_EQ(g.intCPUCell, 0);
  EXPECT_EQ(g.intGameNumber, 1);
  EXPECT_EQ(g.intCPUTurn, 1);
  EXPECT_EQ(g.intCell, 9);
  // Left alone: written before they are next read.
  EXPECT_EQ(g.intAnswer, kYes);
  EXPECT_EQ(g.intConfirm, kOk);
  EXPECT_EQ(g.intMoved, 1);
  EXPECT_EQ(g.intMoveParity, 1);
  EXPECT_EQ(g.intGameParity, 0);
}

TEST(RestartTournament, ClearsTheCarelessStateBeforeDecidingAgain) {
  Rig rig;
  rig.Load(30);
  ASSERT_EQ(rig.game.intCareless, 1);
  rig.platform.randoms = {ChanceR(60)};
  rig.Event([&] { rig.game.RestartTournament(); });
  EXPECT_EQ(rig.game.intCareless, 0);
}

// A counter at 32767 and the event that raises it: the counter does not
// wrap, the click stops, one OK box explains, and the tournament restarts.
struct Full {
  const char* name;
  std::int16_t ModuleState::*counter;
  TextBox box;
  int chance;
  const char* position;
  std::int16_t click;
  std::vector<float> draws;
  std::vector<std::int16_t> replies;  // before the OK box
  Log click_log;                      // everything written before the OK box
};

const Full kFull[] = {
    {"Wins",
     &ModuleState::intWins,
     TextBox::kWins,
     60,
     "XX.OO....",
     2,
     {},
     {},
     {"enabled 2 0", "caption 2 X", "colour 0 255", "colour 1 255",
      "colour 2 255"}},
    {"Losses",
     &ModuleState::intLosses,
     TextBox::kLosses,
     30,
     "X..OO...X",
     2,
     {CellR(5)},
     {},
     {"enabled 2 0", "caption 2 X", "enabled 5 0", "caption 5 O",
      "colour 3 255", "colour 4 255", "colour 5 255"}},
    {"Draws",
     &ModuleState::intDraws,
     TextBox::kDraws,
     60,
     "XOXXOOOX.",
     8,
     {},
     {},
     {"enabled 8 0", "caption 8 X"}},
    {"GameNumber",
     &ModuleState::intGameNumber,
     TextBox::kGamenumber,
     60,
     "XX.OO....",
     2,
     {ChanceR(60)},
     {kYes},
     {"enabled 2 0", "caption 2 X", "colour 0 255", "colour 1 255",
      "colour 2 255", "text Wins 1"}},
};

class FullCounterTest : public ::testing::TestWithParam<Full> {};

TEST_P(FullCounterTest, RestartsTheTournamentAtTheSameLevel) {
  const Full& f = GetParam();
  Rig rig;
  rig.Load(f.chance);
  rig.SetLevel("Easy");
  rig.Position(f.position,
               f.counter == &ModuleState::intGameNumber ? 32767 : 1);
  rig.game.*(f.counter) = 32767;
  rig.board.text[f.box] = "32767";
  rig.platform.randoms.assign(f.draws.begin(), f.draws.end());
  rig.platform.randoms.push_back(ChanceR(80));  // the restart's
  rig.platform.replies.assign(f.replies.begin(), f.replies.end());
  rig.platform.replies.push_back(kOk);
  std::int16_t counter_at_box = 0;
  std::string text_at_box;
  Log log_at_box;
  rig.platform.on_box = [&](const ShownBox& box) {
    if (box.buttons != Buttons::kOk) return;
    counter_at_box = rig.game.*(f.counter);
    text_at_box = rig.board.text[f.box];
    log_at_box = rig.board.log;
  };
  rig.Click(f.click);

  ASSERT_EQ(rig.platform.boxes.size(), f.replies.size() + 1);
  const ShownBox& full = rig.platform.boxes.back();
  EXPECT_EQ(full.buttons, Buttons::kOk);
  EXPECT_NE(full.prompt.find("most games the scoreboard can count"),
            std::string::npos)
      << full.prompt;
  EXPECT_NE(full.prompt.find("new tournament will start"), std::string::npos)
      << full.prompt;
  EXPECT_EQ(counter_at_box, 32767);
  EXPECT_EQ(text_at_box, "32767");
  EXPECT_EQ(log_at_box, f.click_log);

  // Then exactly a restart: no reseed, one draw, the level kept.
  EXPECT_EQ(
      rig.LogFrom(log_at_box.size()),
      Join({"text Wins 0", "text Losses 0", "text Draws 0", "text Gamenumber 1",
            "label Playertype X's", "label CPUtype O's"},
           ClearingLog()));
  EXPECT_TRUE(rig.platform.randoms.empty());
  EXPECT_EQ(rig.platform.seeds.size(), 1U);
  EXPECT_EQ(rig.game.intChance, 80);
  EXPECT_EQ(rig.game.intCareless, 1);  // "Easy" and 80
  EXPECT_EQ(rig.board.label[Label::kDifficultytype], "Easy");
  EXPECT_EQ(rig.game.intGameNumber, 1);
  EXPECT_EQ(rig.game.intWins + rig.game.intLosses + rig.game.intDraws, 0);
  EXPECT_EQ(rig.board.Marks(), ".........");
  EXPECT_EQ(rig.platform.closed, 0);

  // The program goes on.
  EXPECT_FALSE(rig.game.Ended());
  rig.platform.randoms = {CellR(0)};
  rig.Click(4);
  EXPECT_EQ(rig.board.Marks(), "O...X....");
}

INSTANTIATE_TEST_SUITE_P(Outcomes, FullCounterTest, ::testing::ValuesIn(kFull),
                         [](const ::testing::TestParamInfo<Full>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace gridmark
