// CheckWinner: which line is found, how it is shown, and what follows.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/rig.h"

namespace gridmark {
namespace {

using testing::CellR;
using testing::ChanceR;
using testing::Rig;
using testing::ShownBox;
using Log = std::vector<std::string>;

// The eight lines in the order the sixteen tests take them.
const std::vector<std::vector<int>> kLineTable = {
    {0, 1, 2}, {3, 4, 5}, {6, 7, 8}, {0, 3, 6},
    {1, 4, 7}, {2, 5, 8}, {0, 4, 8}, {2, 4, 6}};

std::string WithLine(const std::vector<int>& line, char mark) {
  std::string cells(9, '.');
  for (int cell : line) cells[cell] = mark;
  return cells;
}

// The cells coloured red, as "012".
std::string RedCells(const testing::FakeBoard& board) {
  std::string red;
  for (int i = 0; i < 9; ++i) {
    if (board.colour.at(i) == kRed) red += static_cast<char>('0' + i);
  }
  return red;
}

std::string Cells(const std::vector<int>& line) {
  std::string out;
  for (int cell : line) out += static_cast<char>('0' + cell);
  return out;
}

// Start-up, then a board to judge; the log starts empty.
void Prepare(Rig& rig, const std::string& cells) {
  rig.Load(60);
  rig.Position(cells);
}

void CheckWinner(Rig& rig) {
  rig.Event([&] { rig.game.CheckWinner(); });
}

TEST(CheckWinner, ColoursEachLineInOrderThenAnnouncesIt) {
  for (char mark : {'X', 'O'}) {
    for (const auto& line : kLineTable) {
      SCOPED_TRACE(std::string(1, mark) + " on " + Cells(line));
      Rig rig;
      Prepare(rig, WithLine(line, mark));
      Log log_at_box;
      std::string red_at_box;
      rig.platform.on_box = [&](const ShownBox&) {
        log_at_box = rig.board.log;
        red_at_box = RedCells(rig.board);
      };
      rig.platform.replies = {kYes};
      rig.platform.randoms = {ChanceR(60), CellR(4)};
      CheckWinner(rig);

      ASSERT_EQ(rig.platform.boxes.size(), 1U);
      EXPECT_EQ(rig.platform.boxes[0].title,
                mark == 'X' ? "You Win" : "You Lose");
      const std::string score = mark == 'X' ? "text Wins 1" : "text Losses 1";
      EXPECT_EQ(log_at_box,
                (Log{"colour " + std::to_string(line[0]) + " 255",
                     "colour " + std::to_string(line[1]) + " 255",
                     "colour " + std::to_string(line[2]) + " 255", score}));
      EXPECT_EQ(red_at_box, Cells(line));
      // The next game's board holds no line: nothing more is announced.
      EXPECT_EQ(rig.board.Marks(), "....O....");
      EXPECT_EQ(RedCells(rig.board), "");
    }
  }
}

TEST(CheckWinner, RunsSixteenTestsInOrderEachReadingTheBoardAfresh) {
  // After each announcement (Yes) the next expected line is put on the new
  // board just before the next caption is read. Only the order human line 1,
  // computer line 1, human line 2, ... finds all sixteen.
  Rig rig;
  Prepare(rig, WithLine(kLineTable[0], 'X'));
  std::size_t next = 1;
  bool inject = false;
  rig.board.on_read = [&](std::int16_t) {
    if (!inject || next == 16) return;
    inject = false;
    const char mark = next % 2 == 0 ? 'X' : 'O';
    for (int cell : kLineTable[next / 2]) {
      rig.board.caption.at(cell) = std::string(1, mark);
      rig.board.enabled.at(cell) = false;
    }
    ++next;
  };
  std::vector<std::string> seen;
  rig.platform.on_box = [&](const ShownBox& box) {
    seen.push_back(box.title + " " + RedCells(rig.board));
    inject = true;
  };
  for (int game = 2; game <= 17; ++game) {
    rig.platform.replies.push_back(kYes);
    rig.platform.randoms.push_back(ChanceR(60));
    if (game % 2 == 0) rig.platform.randoms.push_back(CellR(4));
  }
  CheckWinner(rig);

  std::vector<std::string> expected;
  for (const auto& line : kLineTable) {
    expected.push_back("You Win " + Cells(line));
    expected.push_back("You Lose " + Cells(line));
  }
  EXPECT_EQ(seen, expected);
}

TEST(CheckWinner, DoubleLineShowsOnlyTheFirstInTableOrder) {
  struct Double {
    std::string cells;
    std::string first;
  };
  const std::vector<Double> doubles = {
      {"XXXX..X..", "012"},  // top row and left column, both through 0
      {"X.OXX.X.X", "036"},  // left column and diagonal
      {"OOO.O.O..", "012"},  // top row and the other diagonal
      {"..XXXXX..", "345"},  // middle row and the other diagonal
  };
  for (const auto& d : doubles) {
    for (std::int16_t reply : {kYes, kNo}) {
      SCOPED_TRACE(d.cells + (reply == kYes ? " Yes" : " No"));
      Rig rig;
      Prepare(rig, d.cells);
      std::string red_at_box;
      std::size_t log_at_box = 0;
      rig.platform.on_box = [&](const ShownBox&) {
        red_at_box = RedCells(rig.board);
        log_at_box = rig.board.log.size();
      };
      rig.platform.replies = {reply};
      rig.platform.randoms = {ChanceR(60), CellR(1)};
      CheckWinner(rig);

      EXPECT_EQ(rig.platform.boxes.size(), 1U);
      EXPECT_EQ(red_at_box, d.first);
      EXPECT_EQ(log_at_box, 4U);  // three colours and the score
      if (reply == kYes) {
        EXPECT_EQ(rig.board.Marks(), ".O.......");
        EXPECT_EQ(rig.platform.closed, 0);
      } else {
        EXPECT_EQ(rig.board.log.size(), log_at_box);
        EXPECT_EQ(rig.board.Marks(), d.cells);
        EXPECT_EQ(rig.platform.closed, 1);
        EXPECT_EQ(rig.platform.rnd_calls, 1);
      }
    }
  }
}

TEST(CheckWinner, LeavesBoardsWithoutALineAlone) {
  const std::vector<std::string> boards = {
      ".........",  // empty
      "XXO......",  // two and one
      "XOXXOOOXX",  // full, no line
      "OXOOXXXOO",  // full, no line
      "X.O.X.O.O",  // two open lines
      "xxX......",  // marks are exact text
  };
  for (const auto& cells : boards) {
    SCOPED_TRACE(cells);
    Rig rig;
    Prepare(rig, cells);
    CheckWinner(rig);
    EXPECT_TRUE(rig.board.log.empty());
    EXPECT_TRUE(rig.platform.boxes.empty());
    EXPECT_EQ(rig.game.intWins + rig.game.intLosses, 0);
  }
}

TEST(CheckWinner, ReadsCaptionsNotEnabledFlags) {
  // Marks still enabled are marks; a disabled empty cell is no mark.
  Rig rig;
  Prepare(rig, "XXX......");
  rig.board.enabled = {true,  true,  true,  false, false,
                       false, false, false, false};
  rig.platform.replies = {kYes};
  rig.platform.randoms = {ChanceR(60), CellR(4)};
  CheckWinner(rig);
  ASSERT_EQ(rig.platform.boxes.size(), 1U);
  EXPECT_EQ(rig.platform.boxes[0].title, "You Win");
}

}  // namespace
}  // namespace gridmark
