// Every game the engine can reach, each human choice and each random draw,
// careful and careless, at Hard and below, with either opener: after every
// click the board is what the rules give, and a finished game is announced
// over its red line with its count up, then followed by the next set-up only.
#include <gtest/gtest.h>

#include "tests/engine/fakes.h"

namespace gridmark::testing {
namespace {

// The eight lines in table order, and the search's 24 entries: two cells
// held, then the cell taken.
constexpr std::string_view kLineTable = "012345678036147258048246";
constexpr std::string_view kSearchTable =
    "012021120345354453678687786036063360147174471258285582048084480246264462";

// The first complete line, as "048", or "".
std::string FirstLine(const std::string& m) {
  for (std::size_t i = 0; i < kLineTable.size(); i += 3) {
    const char a = m[kLineTable[i] - '0'];
    if (a != '.' && a == m[kLineTable[i + 1] - '0'] &&
        a == m[kLineTable[i + 2] - '0']) {
      return std::string(kLineTable.substr(i, 3));
    }
  }
  return "";
}

// The free cell of the first entry whose two cells hold `mark`, or -1.
int PatternCell(const std::string& m, char mark) {
  for (std::size_t i = 0; i < kSearchTable.size(); i += 3) {
    const int free = kSearchTable[i + 2] - '0';
    if (m[kSearchTable[i] - '0'] == mark &&
        m[kSearchTable[i + 1] - '0'] == mark && m[free] == '.') {
      return free;
    }
  }
  return -1;
}

// The level, whether the computer plays carelessly, and the game number:
// 1 for the human to open, 2 for the computer.
using WalkCase = std::tuple<std::string, bool, int>;

class Walk : public ::testing::TestWithParam<WalkCase> {
 protected:
  void Explore(const std::string& marks) {
    const ModuleState state = rig_.game;
    const FakeBoard board = rig_.board;
    for (int h = 0; h < 9; ++h) {
      // Each free cell a draw may give; on a full board nothing is drawn.
      for (int k = 0; k < 9 && marks[h] == '.'; ++k) {
        const bool last = marks.find('.', marks.find('.') + 1) == marks.npos;
        if (!last && (k == h || marks[k] != '.')) continue;
        static_cast<ModuleState&>(rig_.game) = state;
        rig_.board = board;
        if (!Click(marks, h, k)) break;  // nothing drawn: one way on
      }
    }
  }

  // Plays cell h, every random draw giving cell k; returns whether the
  // computer's move was drawn.
  bool Click(std::string want, int h, int k) {
    const auto& [level, careless, game] = GetParam();
    want[h] = 'X';
    int cell = careless ? -1 : PatternCell(want, 'X');
    if (cell < 0 && level == "Hard") cell = PatternCell(want, 'O');
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
      EXPECT_EQ(
          rig_.platform.boxes,
          std::vector<std::string>{box + ", Play Again?|0|" + want + " red" +
                                   line + " | " + who + "1 | " + level + " |"});
      std::string next(9, '.');
      if (game == 1) next[k] = 'O';
      EXPECT_EQ(view, next + " red | " + who + "1 G" +
                          std::to_string(game + 1) + " | X's O's " + level +
                          " |");
      // The next game: the computer's turn by its opener, played carefully
      // until its first turn decides, and no mark counted twice.
      EXPECT_EQ(rig_.game.intCPUTurn * 100 + rig_.game.intCareless * 10 +
                    rig_.game.intMoves,
                game == 1 ? 1 : 100);
    }
    return !human_ends && cell < 0;
  }

  Rig rig_;
  long games_ = 0;
};

TEST_P(Walk, EveryGameKeepsTheRules) {
  const auto& [level, careless, game] = GetParam();
  // intChance 30 is careless at Medium, 10 at Hard; 60 careful at both.
  const int chance = !careless ? 60 : level == "Hard" ? 10 : 30;
  for (int opening = game == 1 ? 8 : 0; opening < 9; ++opening) {
    std::string cells(9, '.');
    if (game == 2) cells[opening] = 'O';
    rig_.Position(cells, std::int16_t(game), level, chance);
    Explore(cells);
  }
  // Played at random, every possible game comes up once.
  if (careless && level != "Hard") {
    EXPECT_EQ(games_, 255168);
  }
}

std::string Name(const ::testing::TestParamInfo<WalkCase>& info) {
  const auto& [level, careless, game] = info.param;
  return level + (careless ? "Careless" : "Careful") +
         (game == 1 ? "HumanOpens" : "ComputerOpens");
}

INSTANTIATE_TEST_SUITE_P(Engine, Walk,
                         ::testing::Combine(::testing::Values("Medium", "Hard"),
                                            ::testing::Bool(),
                                            ::testing::Values(1, 2)),
                         Name);

}  // namespace
}  // namespace gridmark::testing
