#include <gtest/gtest.h>

#include "engine/computer_player.h"
#include "tests/engine/fakes.h"

namespace gridmark::testing {
namespace {

// intChance, intCareless, intCPUTurn, intMoves, intCell, intMoved and
// intCPUCell.
std::string Vars(const Game& g) {
  std::string out;
  for (int v : {g.intChance, g.intCareless, g.intCPUTurn, g.intMoves, g.intCell,
                g.intMoved, g.intCPUCell}) {
    out += std::to_string(v) + " ";
  }
  return out;
}

TEST(StartUp, SeedsFromTheTimeAndSetsUpGameOneForTheHuman) {
  Rig rig;
  rig.platform.randoms = {0.375F, CellR(0)};  // 100 r + 1 = 38.5: 38
  rig.Run(&Game::Form_Load);
  EXPECT_EQ(rig.platform.seeds, std::vector<double>{45296.25});
  EXPECT_EQ(rig.board.View(),
            "......... red | W0 L0 D0 G1 | X's O's Medium | M-");
  // Medium plays 16 to 49 carelessly: no block, the random cell 0.
  EXPECT_EQ(Vars(rig.game), "38 1 1 0 9 0 0 ");
  rig.Click(4);
  EXPECT_EQ(rig.board.View().substr(0, 9), "O...X....");
}

TEST(RestartTournament, StartsGameOneAtTheSameLevelWithoutReseeding) {
  Rig rig;
  rig.Position("X...O.O.X", 4, "Hard");
  rig.game.intWins = 3;
  rig.game.intCareless = 1;
  rig.game.intCPUCell = 5;
  rig.board.colour[4] = kRed;
  rig.platform.randoms = {0.875F};  // 88.5: 88, careful at Hard
  rig.Run(&Game::mnuRestartTournament_Click);
  EXPECT_EQ(rig.board.View(), "......... red | W0 L0 D0 G1 | X's O's Hard |");
  EXPECT_EQ(Vars(rig.game), "88 0 1 0 9 0 0 ");
  EXPECT_TRUE(rig.platform.seeds.empty() && rig.platform.boxes.empty());
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

TEST(Searches, FollowThePatternTable) {
  std::string table;
  for (const Pattern& p : kPatterns) {
    table += std::to_string(p.held[0] * 100 + p.held[1] * 10 + p.free) + " ";
  }
  // Two cells held, then the cell taken.
  EXPECT_EQ(table,
            "12 21 120 345 354 453 678 687 786 36 63 360 147 174 471 258 285 "
            "582 48 84 480 246 264 462 ");
}

TEST(Searches, CallACellFreeByItsEmptyCaptionAlone) {
  for (const auto& [before, after] :
       {std::pair{"OO.X.X...", "OO.XOX..."}, {"..O...O..", "..O.O.O.."}}) {
    Rig rig;
    rig.Position(before);
    rig.board.enabled[4] = false;
    rig.Run(*before == 'O' ? &Game::BlockingMove : &Game::WinningMove);
    EXPECT_EQ(rig.board.View().substr(0, 9), after);
    EXPECT_EQ(rig.game.intMoved, 1);
  }
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

TEST(ComputerMove, OutOfTurnChangesNothing) {
  Rig rig;
  rig.Position("XX.......", 1, "Hard", 10);
  rig.game.intMoveParity = 0;
  rig.game.intMoved = 7;
  rig.Run(&Game::ComputerMove);
  EXPECT_EQ(rig.board.View(), "XX....... red | | Hard |");
  EXPECT_EQ(Vars(rig.game), "10 0 1 2 9 7 0 ");
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

TEST(NewGame, OddGamesStartEmptyEvenOnesWithARandomO) {
  for (std::int16_t from : {1, 2}) {
    Rig rig;
    rig.Position("XXXOO....", from);
    rig.board.colour[0] = kRed;
    rig.game.intCareless = 1;
    rig.platform.randoms = {ChanceR(30), 0.6875F};  // 8 r = 5.5: cell 6
    rig.Run(&Game::NewGame);
    EXPECT_EQ(rig.board.View(), from == 1
                                    ? "......O.. red | G2 | X's O's Medium |"
                                    : "......... red | G3 | X's O's Medium |");
    EXPECT_EQ(Vars(rig.game),
              from == 1 ? "30 0 0 1 9 0 6 " : "30 0 1 0 9 0 0 ");
    EXPECT_EQ(rig.game.intGameParity, from - 1);
  }
}

TEST(Difficulty, MarksTheItemFirstAndAsksOnlyOverMarks) {
  const struct {
    void (Game::*command)();
    const char *before, *level;
    std::int16_t reply;  // 0: no question
    const char* after;
  } cases[] = {{&Game::mnuEasy_Click, ".........", "Hard", 0,
                "......... red | | Easy | E- M+ H+"},
               {&Game::mnuMedium_Click, "X...O....", "Hard", kOk,
                "......... red | W0 L0 D0 G1 | X's O's Medium | E+ M- H+"},
               {&Game::mnuHard_Click, "....O....", "Easy", kCancel,
                "....O.... red | | Easy | E+ M+ H-"}};
  for (const auto& c : cases) {
    Rig rig;
    rig.Position(c.before, 1, c.level);
    rig.game.intConfirm = 5;
    rig.platform.replies = {c.reply};
    rig.platform.randoms = {ChanceR(60)};
    rig.Run(c.command);
    EXPECT_EQ(rig.board.View(), c.after);
    EXPECT_EQ(rig.game.intConfirm, c.reply ? c.reply : 5);
    EXPECT_EQ(rig.platform.boxes.size(), c.reply ? 1U : 0U);
    for (const auto& box : rig.platform.boxes) {  // asked before any change
      EXPECT_TRUE(box.starts_with(
          "Reset?|Changing This Setting Will Restart The Tournament|1|" +
          std::string(c.before) + " red | | " + c.level));
    }
  }
}

TEST(MenuCommands, ExitEndsAtOnceAndDialogsTouchNothing) {
  Rig rig;
  rig.Position("X...O....");
  rig.Run(&Game::mnuHowToPlay_Click);
  rig.Run(&Game::mnuAbout_Click);
  EXPECT_EQ(rig.platform.dialogs,
            std::vector<Dialog>({Dialog::kHowToPlay, Dialog::kAbout}));
  rig.Run(&Game::mnuExit_Click);
  EXPECT_EQ(rig.platform.closed, 1);
  EXPECT_EQ(rig.board.View(), "X...O.... red | | Medium |");
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
    EXPECT_FALSE(rig.game.Ended());
  }
}

}  // namespace
}  // namespace gridmark::testing
