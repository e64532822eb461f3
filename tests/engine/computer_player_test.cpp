// The computer's turn: the careless decision, the two pattern searches and
// the random move.

#include "engine/computer_player.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/rig.h"

namespace gridmark {
namespace {

using testing::CellR;
using testing::ChanceR;
using testing::Fields;
using testing::Rig;
using Log = std::vector<std::string>;

struct Entry {
  int held_a;
  int held_b;
  int free;
};

// Both searches take these in this order.
const Entry kTable[24] = {
    {0, 1, 2}, {0, 2, 1}, {1, 2, 0}, {3, 4, 5}, {3, 5, 4}, {4, 5, 3},
    {6, 7, 8}, {6, 8, 7}, {7, 8, 6}, {0, 3, 6}, {0, 6, 3}, {3, 6, 0},
    {1, 4, 7}, {1, 7, 4}, {4, 7, 1}, {2, 5, 8}, {2, 8, 5}, {5, 8, 2},
    {0, 4, 8}, {0, 8, 4}, {4, 8, 0}, {2, 4, 6}, {2, 6, 4}, {4, 6, 2},
};

TEST(Patterns, FollowTheTableEntryByEntry) {
  for (std::size_t i = 0; i < 24; ++i) {
    SCOPED_TRACE("entry " + std::to_string(i + 1));
    EXPECT_EQ(kPatterns[i].held[0], kTable[i].held_a);
    EXPECT_EQ(kPatterns[i].held[1], kTable[i].held_b);
    EXPECT_EQ(kPatterns[i].free, kTable[i].free);
  }
}

// A board for one search, with the computer to move.
struct SearchRig : Rig {
  explicit SearchRig(const std::string& cells) {
    Load(60);
    Position(cells);
    game.intMoved = 0;
  }
  // Runs the search; returns the cell taken, or -1 with nothing changed.
  int Run(bool blocking) {
    const ModuleState before = game;
    const std::string marks = board.Marks();
    if (blocking) {
      game.BlockingMove();
    } else {
      game.WinningMove();
    }
    if (board.log.empty()) {
      EXPECT_EQ(Fields(game), Fields(before));
      return -1;
    }
    EXPECT_EQ(board.log.size(), 2U);
    const int cell = board.log[0].at(8) - '0';
    EXPECT_EQ(board.log, (Log{"enabled " + std::to_string(cell) + " 0",
                              "caption " + std::to_string(cell) + " O"}));
    // Exactly that cell and the two counters changed.
    std::string expected = marks;
    expected.at(cell) = 'O';
    EXPECT_EQ(board.Marks(), expected);
    ModuleState after = before;
    after.intMoves = static_cast<std::int16_t>(before.intMoves + 1);
    after.intMoved = 1;
    EXPECT_EQ(Fields(game), Fields(after));
    return cell;
  }
};

TEST(Searches, EachEntryTakesItsFreeCell) {
  for (const Entry& e : kTable) {
    for (bool blocking : {true, false}) {
      std::string cells(9, '.');
      cells[e.held_a] = blocking ? 'X' : 'O';
      cells[e.held_b] = blocking ? 'X' : 'O';
      SCOPED_TRACE(cells);
      SearchRig rig(cells);
      EXPECT_EQ(rig.Run(blocking), e.free);
    }
  }
}

TEST(Searches, TakeTheFirstMatchInTableOrder) {
  struct Case {
    const char* cells;
    bool blocking;
    int taken;
  };
  const Case cases[] = {
      {".........", true, -1},  {".........", false, -1},
      {"X.X.O....", true, 1},    // entry 2
      {"..O.X...X", true, 0},    // entry 21
      {"XX.X....O", true, 2},    // entry 1 before entry 10
      {"XXOX.....", true, 6},    // entry 1 blocked by O: on to entry 10
      {"OO.......", true, -1},   // the computer's own line is no block
      {"OO.X....X", false, 2},   // entry 1
      {"X.O...O.X", false, 4},   // entry 23
      {"OO.XOX...", false, 2},   // entry 1 before entries 13 and 19
      {"OOX.O...X", false, 7},   // entry 1 blocked by X: on to entry 13
      {"XX....O..", false, -1},  // the human's line is not the computer's
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cells);
    SearchRig rig(c.cells);
    EXPECT_EQ(rig.Run(c.blocking), c.taken);
  }
}

TEST(Searches, FreeMeansAnEmptyCaptionWhateverTheFlag) {
  for (bool blocking : {true, false}) {
    const std::string mark = blocking ? "X" : "O";
    // A disabled cell with an empty caption is taken.
    SearchRig disabled(blocking ? "XX......." : "OO.......");
    disabled.board.enabled.at(2) = false;
    EXPECT_EQ(disabled.Run(blocking), 2);

    // An enabled cell with a caption is not; the search goes on.
    SearchRig taken(blocking ? "XXO.X...." : "OOX.O....");
    taken.board.enabled.at(2) = true;
    EXPECT_EQ(taken.Run(blocking), 7);
  }
}

TEST(DecideCareless, FollowsTheLevelTableAtEveryBoundary) {
  struct Case {
    const char* level;
    int chance;
    int careless;
  };
  const Case cases[] = {
      {"Easy", 1, 0},     {"Easy", 49, 0},   {"Easy", 50, 1},
      {"Easy", 101, 1},   {"Medium", 1, 0},  {"Medium", 15, 0},
      {"Medium", 16, 1},  {"Medium", 49, 1}, {"Medium", 50, 0},
      {"Medium", 101, 0}, {"Hard", 1, 1},    {"Hard", 15, 1},
      {"Hard", 16, 0},    {"Hard", 101, 0},  {"hard", 1, 0},
      {"Easy ", 60, 0},   {"", 30, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.level) + " " + std::to_string(c.chance));
    Rig rig;
    rig.Load(60);
    rig.SetLevel(c.level);
    rig.game.intChance = static_cast<std::int16_t>(c.chance);
    rig.game.intCareless = 0;
    const ModuleState before = rig.game;
    rig.board.log.clear();
    rig.game.DecideCareless();
    EXPECT_EQ(rig.game.intCareless, c.careless);
    ModuleState expected = before;
    expected.intCareless = static_cast<std::int16_t>(c.careless);
    EXPECT_EQ(Fields(rig.game), Fields(expected));
    EXPECT_TRUE(rig.board.log.empty());
    EXPECT_EQ(CarelessAt(c.level, static_cast<std::int16_t>(c.chance)),
              c.careless == 1);

    // Never switched back off.
    rig.game.intCareless = 1;
    rig.game.DecideCareless();
    EXPECT_EQ(rig.game.intCareless, 1);
  }
}

// A board with the computer to move, as after the human's mark.
Rig& ComputerToMove(Rig& rig, const char* level, int chance,
                    const std::string& cells) {
  rig.Load(chance);
  rig.SetLevel(level);
  rig.game.intCareless = 0;
  rig.Position(cells);
  rig.game.intMoveParity = rig.game.intCPUTurn;
  rig.game.intMoved = 0;
  return rig;
}

TEST(ComputerMove, TurnGateFailingChangesNothing) {
  Rig rig;
  ComputerToMove(rig, "Easy", 80, "XX.OO....");
  rig.game.intMoveParity = 0;  // intCPUTurn is 1
  rig.game.intMoved = 1;
  const ModuleState before = rig.game;
  rig.Event([&] { rig.game.ComputerMove(); });
  EXPECT_EQ(Fields(rig.game), Fields(before));
  EXPECT_TRUE(rig.board.log.empty());
  EXPECT_EQ(rig.platform.rnd_calls, 1);
}

TEST(ComputerMove, TriesBlockWinAndRandomByLevelAndCarelessness) {
  // X threatens 2, O could win at 5; a random draw would give 8.
  struct Case {
    const char* level;
    int chance;
    int taken;
  };
  const Case cases[] = {
      {"Hard", 60, 2},    // careful: blocks although it could win
      {"Hard", 10, 5},    // careless: still completes its own line
      {"Medium", 60, 2},  // careful: blocks
      {"Medium", 30, 8},  // careless: random
      {"Easy", 10, 2},    // careful: blocks
      {"Easy", 80, 8},    // careless: random, not the winning cell
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.level) + " " + std::to_string(c.chance));
    Rig rig;
    ComputerToMove(rig, c.level, c.chance, "XX.OO.X..");
    rig.platform.randoms = {CellR(8)};
    rig.Event([&] { rig.game.ComputerMove(); });
    std::string expected = "XX.OO.X..";
    expected.at(c.taken) = 'O';
    EXPECT_EQ(rig.board.Marks(), expected);
    EXPECT_EQ(rig.game.intMoved, 1);
    EXPECT_EQ(rig.game.intMoves, 6);
    EXPECT_EQ(rig.platform.randoms.empty(), c.taken == 8);
  }
}

TEST(ComputerMove, EasyAndMediumNeverLookForTheirOwnLine) {
  for (const char* level : {"Easy", "Medium"}) {
    Rig rig;
    ComputerToMove(rig, level, level == std::string("Easy") ? 10 : 60,
                   "X..OO...X");
    rig.platform.randoms = {CellR(7)};
    rig.Event([&] { rig.game.ComputerMove(); });
    EXPECT_EQ(rig.board.Marks(), "X..OO..OX") << level;
    EXPECT_EQ(rig.game.intCareless, 0);
  }
}

TEST(ComputerMove, RandomMoveRoundsHalvesToEven) {
  const std::vector<std::pair<float, int>> draws{
      {0.0625F, 0}, {0.1875F, 2}, {0.3125F, 2}, {0.9375F, 8}, {0.5F, 4}};
  for (const auto& [r, cell] : draws) {
    Rig rig;
    ComputerToMove(rig, "Medium", 60, ".........");
    rig.platform.randoms = {r};
    rig.Event([&] { rig.game.ComputerMove(); });
    EXPECT_EQ(rig.board.log, (Log{"enabled " + std::to_string(cell) + " 0",
                                  "caption " + std::to_string(cell) + " O"}))
        << "r = " << r;
    EXPECT_EQ(rig.game.intCPUCell, cell);
    EXPECT_EQ(rig.game.intMoves, 1);
    EXPECT_EQ(rig.game.intMoved, 1);
  }
}

TEST(ComputerMove, RandomMoveDrawsUntilItHitsTheLastFreeCell) {
  Rig rig;
  ComputerToMove(rig, "Medium", 60, "XOXXOOOX.");
  rig.platform.randoms = {CellR(0), CellR(7), CellR(1), CellR(8)};
  rig.Event([&] { rig.game.ComputerMove(); });
  EXPECT_EQ(rig.board.Marks(), "XOXXOOOXO");
  EXPECT_EQ(rig.board.log, (Log{"enabled 8 0", "caption 8 O"}));
  EXPECT_EQ(rig.game.intCPUCell, 8);
  EXPECT_EQ(rig.platform.rnd_calls, 1 + 4);
}

TEST(ComputerMove, RandomMoveGoesByTheEnabledFlag) {
  // A disabled cell is taken for the random move, even with no caption.
  Rig rig;
  ComputerToMove(rig, "Medium", 60, "X........");
  rig.board.enabled.at(1) = false;
  rig.platform.randoms = {CellR(1), CellR(0), CellR(2)};
  rig.Event([&] { rig.game.ComputerMove(); });
  EXPECT_EQ(rig.board.log, (Log{"enabled 2 0", "caption 2 O"}));
  EXPECT_EQ(rig.platform.rnd_calls, 1 + 3);
}

TEST(Carelessness, ALevelChangeTakesEffectAtTheNextTurn) {
  // Careful at "Medium" with 60; "Easy" with 60 is careless.
  Rig rig;
  rig.Load(60);
  ASSERT_EQ(rig.game.intCareless, 0);
  rig.Event([&] { rig.game.mnuEasy_Click(); });
  EXPECT_EQ(rig.game.intCareless, 0);
  rig.platform.randoms = {CellR(4)};
  rig.Click(0);
  EXPECT_EQ(rig.game.intCareless, 1);
  // So the open line 0-1 is not blocked.
  rig.platform.randoms = {CellR(8)};
  rig.Click(1);
  EXPECT_EQ(rig.board.Marks(), "XX..O...O");
}

TEST(Carelessness, StaysOnAfterALevelChange) {
  // Careless at "Medium" with 30; "Hard" alone with 30 would be careful.
  Rig rig;
  rig.Load(30);
  ASSERT_EQ(rig.game.intCareless, 1);
  rig.Event([&] { rig.game.mnuHard_Click(); });
  ASSERT_EQ(rig.board.label[Label::kDifficultytype], "Hard");
  rig.platform.randoms = {CellR(4)};
  rig.Click(0);
  rig.platform.randoms = {CellR(3)};
  rig.Click(1);
  EXPECT_EQ(rig.board.Marks(), "XX.OO....");
  EXPECT_EQ(rig.game.intCareless, 1);
  // At "Hard" the careless computer wins at 5 rather than block at 2.
  std::string marks_at_box;
  rig.platform.on_box = [&](const testing::ShownBox&) {
    marks_at_box = rig.board.Marks();
  };
  rig.platform.replies = {kYes};
  rig.platform.randoms = {ChanceR(60), CellR(4)};
  rig.Click(6);
  EXPECT_EQ(marks_at_box, "XX.OOOX..");
  ASSERT_EQ(rig.platform.boxes.size(), 1U);
  EXPECT_EQ(rig.platform.boxes[0].title, "You Lose");
}

}  // namespace
}  // namespace gridmark
