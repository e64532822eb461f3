// Every game the engine can reach: each free cell the human may choose and
// each free cell a random draw may give, careful and careless, at Hard and
// below it, with either opener. After every click the board must be what the
// rules give; a finished game must be announced over its red line with its
// count up, and be followed by nothing but the next game's set-up.
#include <gtest/gtest.h>

#include "engine/computer_player.h"
#include "tests/engine/fakes.h"

namespace gridmark::testing {
namespace {

// The first complete line in table order, as "048", or "".
std::string FirstLine(const std::string& m) {
  for (const auto& [a, b, c] : kLines) {
    if (m[a] != '.' && m[a] == m[b] && m[b] == m[c]) {
      return std::to_string(1000 + a * 100 + b * 10 + c).substr(1);
    }
  }
  return "";
}

// The free cell of the first pattern whose two cells hold `mark`, or -1.
int PatternCell(const std::string& m, char mark) {
  for (const auto& [held, free] : kPatterns) {
    if (m[held[0]] == mark && m[held[1]] == mark && m[free] == '.') return free;
  }
  return -1;
}

struct WalkCase {
  std::string level;
  int chance;
  bool careless;
  int game;  // 1: the human opens, 2: the computer
};

class Walk : public ::testing::TestWithParam<WalkCase> {
 protected:
  void Explore(const std::string& marks) {
    const ModuleState state = rig_.game;
    const FakeBoard board = rig_.board;
    for (int h = 0; h < 9; ++h) {
      if (marks[h] != '.') continue;
      std::vector<int> draws;
      for (int k = 0; k < 9; ++k) {
        if (k != h && marks[k] == '.') draws.push_back(k);
      }
      if (draws.empty()) draws.push_back(0);  // a full board: nothing drawn
      for (int k : draws) {
        static_cast<ModuleState&>(rig_.game) = state;
        rig_.board = board;
        if (!Click(marks, h, k)) break;  // nothing drawn: one way on
      }
    }
  }

  // Plays cell h, every random draw giving cell k; returns whether the
  // computer's move was drawn.
  bool Click(std::string want, int h, int k) {
    const WalkCase& c = GetParam();
    want[h] = 'X';
    int cell = c.careless ? -1 : PatternCell(want, 'X');
    if (cell < 0 && c.level == "Hard") cell = PatternCell(want, 'O');
    const bool human_ends = !FirstLine(want).empty() || want.find('.') > 8;
    if (!human_ends) want[cell < 0 ? k : cell] = 'O';
    rig_.platform.randoms.assign(3, CellR(k));
    rig_.platform.replies = {kYes};
    rig_.platform.boxes.clear();
    rig_.Click(std::int16_t(h));

    const std::string line = FirstLine(want), view = rig_.board.View();
    if (line.empty() && want.find('.') < 9) {
      EXPECT_EQ(view.substr(0, 9), want);
      EXPECT_EQ(rig_.game.intMoves,
                9 - std::count(want.begin(), want.end(), '.'));
      EXPECT_TRUE(rig_.platform.boxes.empty()) << want;
      if (!HasFailure()) Explore(want);
    } else {
      ++games_;
      const char who = line.empty()                 ? 'D'
                       : want[line[0] - '0'] == 'X' ? 'W'
                                                    : 'L';
      const std::string box = who == 'D'   ? "No Winner|It Was A Draw"
                              : who == 'W' ? "You Win|You Win"
                                           : "You Lose|You Lose";
      EXPECT_EQ(rig_.platform.boxes,
                std::vector<std::string>{box + ", Play Again?|0|" + want +
                                         " red" + line + " | " + who + "1 | " +
                                         c.level + " |"});
      std::string next(9, '.');
      if (c.game == 1) next[k] = 'O';
      EXPECT_EQ(view, next + " red | " + who + "1 G" +
                          std::to_string(c.game + 1) + " | X's O's " + c.level +
                          " |");
    }
    return !human_ends && cell < 0;
  }

  Rig rig_;
  long games_ = 0;
};

TEST_P(Walk, EveryGameKeepsTheRules) {
  const WalkCase& c = GetParam();
  for (int opening = c.game == 1 ? 8 : 0; opening < 9; ++opening) {
    std::string cells(9, '.');
    if (c.game == 2) cells[opening] = 'O';
    rig_.Position(cells, std::int16_t(c.game), c.level, c.chance);
    Explore(cells);
  }
  // Played at random, every possible game comes up once.
  if (c.careless && c.level != "Hard") {
    EXPECT_EQ(games_, 255168);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Engine, Walk,
    ::testing::Values(
        WalkCase{"Medium", 30, true, 1}, WalkCase{"Medium", 30, true, 2},
        WalkCase{"Medium", 60, false, 1}, WalkCase{"Medium", 60, false, 2},
        WalkCase{"Hard", 10, true, 1}, WalkCase{"Hard", 10, true, 2},
        WalkCase{"Hard", 60, false, 1}, WalkCase{"Hard", 60, false, 2}),
    [](const auto& info) {
      const WalkCase& c = info.param;
      return c.level + (c.careless ? "Careless" : "Careful") +
             (c.game == 1 ? "HumanOpens" : "ComputerOpens");
    });

}  // namespace
}  // namespace gridmark::testing
