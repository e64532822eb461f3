#include <gtest/gtest.h>

#include "tests/engine/fakes.h"

namespace gridmark::testing {
namespace {

// intChance, intCareless, intCPUTurn, intMoves, intCell, intMoved, intCPUCell
std::string Vars(const Game& g) {
  std::string out;
  for (int v : {g.intChance, g.intCareless, g.intCPUTurn, g.intMoves, g.intCell,
                g.intMoved, g.intCPUCell}) {
    out += std::to_string(v) + " ";
  }
  return out;
}

TEST(Tournament, StartsAtGameOneWithTheHumanToMoveAndKeepsTheLevel) {
  Rig rig;
  rig.platform.randoms = {0.375F, CellR(0), CellR(5), 0.875F};  // 38.5: 38
  rig.Run(&Game::Form_Load);
  EXPECT_EQ(rig.platform.seeds, std::vector<double>{45296.25});
  EXPECT_EQ(rig.board.View(),
            "......... red | W0 L0 D0 G1 | X's O's Medium | M-");
  // Medium plays 16 to 49 carelessly: no block, the random cell 0.
  EXPECT_EQ(Vars(rig.game), "38 1 1 0 9 0 0 ");
  rig.Click(4);
  rig.Click(3);
  rig.game.intWins = 3;
  rig.board.label[Label::kDifficultytype] = "Hard";
  rig.Run(&Game::mnuRestartTournament_Click);  // no new seed; 88.5: 88
  EXPECT_EQ(rig.platform.seeds.size() + rig.platform.boxes.size(), 1U);
  EXPECT_EQ(rig.board.View(),
            "......... red | W0 L0 D0 G1 | X's O's Hard | M-");
  EXPECT_EQ(Vars(rig.game), "88 0 1 0 9 1 0 ");
}

TEST(Announce, AnyReplyButYesEndsTheProgramThenAndThere) {
  for (std::int16_t reply : {kNo, kOk, kCancel}) {
    Rig rig;
    rig.Position("XX.OO....");
    rig.platform.replies = {reply};
    rig.Click(2);
    rig.Click(5);  // nothing runs once the program has ended
    rig.Run(&Game::mnuRestartTournament_Click);
    EXPECT_EQ(rig.board.View(), "XXXOO.... red012 | W1 | Medium |");
    EXPECT_EQ(rig.platform.closed + rig.platform.rnd_calls, 1);
  }
}

TEST(ChangeLevel, AsksInGameOneOnceMarksAreOnTheBoard) {
  Rig rig;
  rig.Position("X...O....");
  rig.platform.replies = {kCancel};
  rig.Run(&Game::mnuHard_Click);
  ASSERT_EQ(rig.platform.boxes.size(), 1U);
  EXPECT_EQ(rig.platform.boxes[0].substr(0, 7), "Reset?|");
  EXPECT_EQ(rig.board.View(), "X...O.... red | | Medium | E+ M+ H-");
}

TEST(DecideCareless, FollowsTheLevelAtEveryBoundaryAndNeverSwitchesOff) {
  const std::tuple<const char*, int, int> rows[] = {
      {"Easy", 49, 0},   {"Easy", 50, 1},   {"Easy", 101, 1},
      {"Medium", 15, 0}, {"Medium", 16, 1}, {"Medium", 49, 1},
      {"Medium", 50, 0}, {"Hard", 1, 1},    {"Hard", 15, 1},
      {"Hard", 16, 0},   {"hard", 1, 0}};
  for (const auto& [level, chance, careless] : rows) {
    for (std::int16_t before : {0, 1}) {
      Rig rig;
      rig.Position(".........", 1, level, chance);
      rig.game.intCareless = before;
      rig.game.DecideCareless();
      EXPECT_EQ(rig.game.intCareless, before | careless) << level << chance;
    }
  }
}

TEST(ComputerMove, RandomCellRoundsHalvesToEvenAndMustBeEnabled) {
  Rig rig;
  rig.Position("XOXOXOXO.", 1, "Easy", 60);
  rig.board.caption[1].clear();  // empty but disabled: taken all the same
  rig.game.intMoveParity = 1;
  // 8 r = 0.5, 1, 2.5, 7.5: cells 0, 1, 2, then the free 8.
  rig.platform.randoms = {0.0625F, 0.125F, 0.3125F, 0.9375F};
  rig.Run(&Game::ComputerMove);
  EXPECT_EQ(rig.board.View(), "X#XOXOXOO red | | Easy |");
  EXPECT_EQ(Vars(rig.game), "60 1 1 9 9 1 8 ");
}

TEST(FullScoreboard, StartsANewTournamentAtTheSameLevel) {
  const std::pair<std::int16_t ModuleState::*, void (Game::*)()> cases[] = {
      {&ModuleState::intWins, &Game::PlayerWins},
      {&ModuleState::intLosses, &Game::ComputerWins},
      {&ModuleState::intDraws, &Game::CheckDraw},
      {&ModuleState::intGameNumber, &Game::NewGame}};
  for (const auto& [counter, procedure] : cases) {
    Rig rig;
    rig.Position("XOXXOOOXX", 3, "Hard");
    rig.game.*counter = 32767;
    rig.platform.randoms = {ChanceR(60), ChanceR(60)};
    rig.platform.replies = {kOk};
    rig.Run(procedure);
    ASSERT_EQ(rig.platform.boxes.size(), 1U);
    EXPECT_TRUE(rig.platform.boxes[0].starts_with(
        "Gridmark|This tournament has reached the most games the scoreboard "
        "can count. A new tournament will start.|2|"));
    EXPECT_EQ(rig.board.View(), "......... red | W0 L0 D0 G1 | X's O's Hard |");
    EXPECT_EQ(rig.platform.closed, 0);
  }
}

}  // namespace
}  // namespace gridmark::testing
