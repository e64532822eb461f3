// Start-up, the steps of a click, and how games follow one another.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "platform/random_source.h"
#include "tests/engine/rig.h"

namespace gridmark {
namespace {

using testing::CellR;
using testing::ChanceR;
using testing::ClearingLog;
using testing::Join;
using testing::Rig;
using Log = std::vector<std::string>;

TEST(StartUp, SetsUpGameOneInOrder) {
  Rig rig;
  rig.platform.timer = 3723.5;
  rig.Load(60);

  EXPECT_EQ(rig.board.log,
            Join({"menu Medium 0", "label Difficultytype Medium", "text Wins 0",
                  "text Losses 0", "text Draws 0", "text Gamenumber 1",
                  "label Playertype X's", "label CPUtype O's"},
                 ClearingLog()));
  EXPECT_EQ(rig.platform.seeds, std::vector<double>{3723.5});
  EXPECT_EQ(rig.platform.rnd_calls, 1);
  EXPECT_TRUE(rig.platform.boxes.empty());
  EXPECT_TRUE(rig.board.menu[Level::kEasy]);
  EXPECT_FALSE(rig.board.menu[Level::kMedium]);
  EXPECT_TRUE(rig.board.menu[Level::kHard]);

  const Game& g = rig.game;
  EXPECT_EQ(g.strPlayer, "X");
  EXPECT_EQ(g.strCPU, "O");
  EXPECT_EQ(g.intChance, 60);
  EXPECT_EQ(g.intCareless, 0);
  EXPECT_EQ(g.intMoves, 0);
  EXPECT_EQ(g.intGameNumber, 1);
  EXPECT_EQ(g.intCPUTurn, 1);
  EXPECT_EQ(g.intCell, 9);
  EXPECT_FALSE(g.Ended());
}

TEST(StartUp, MakesTheFirstCarelessDecisionAtMedium) {
  Rig careless;
  careless.Load(30);
  EXPECT_EQ(careless.game.intChance, 30);
  EXPECT_EQ(careless.game.intCareless, 1);

  Rig careful;
  careful.Load(50);
  EXPECT_EQ(careful.game.intCareless, 0);
}

TEST(StartUp, ChanceRoundsTheFirstDrawHalvesToEven) {
  // 100 r + 1 for r = 0 and for the largest real below 1.
  Rig low;
  low.platform.randoms = {0.0F};
  low.Event([&] { low.game.Form_Load(); });
  EXPECT_EQ(low.game.intChance, 1);

  Rig high;
  high.platform.randoms = {0.99999994F};
  high.Event([&] { high.game.Form_Load(); });
  EXPECT_EQ(high.game.intChance, 101);
}

TEST(Click, MarksCountsThenHandsOverToTheComputer) {
  Rig rig;
  rig.Load(60);
  rig.board.log.clear();
  // The count must rise after the caption is written and before the
  // computer draws.
  std::vector<int> moves_at_write;
  rig.board.on_write = [&](const std::string&) {
    moves_at_write.push_back(rig.game.intMoves);
  };
  std::string marks_at_draw;
  int parity_at_draw = -1;
  rig.platform.on_rnd = [&] {
    marks_at_draw = rig.board.Marks();
    parity_at_draw = rig.game.intMoveParity;
  };
  // The first draw hits the human's cell and is drawn again.
  rig.platform.randoms = {CellR(4), CellR(0)};
  rig.Click(4);

  EXPECT_EQ(rig.board.log,
            (Log{"enabled 4 0", "caption 4 X", "enabled 0 0", "caption 0 O"}));
  EXPECT_EQ(moves_at_write, (std::vector<int>{0, 0, 1, 1}));
  EXPECT_EQ(marks_at_draw, "....X....");
  EXPECT_EQ(parity_at_draw, 1);
  EXPECT_EQ(rig.platform.rnd_calls, 3);
  EXPECT_EQ(rig.game.intMoves, 2);
  EXPECT_EQ(rig.game.intCPUCell, 0);
  EXPECT_EQ(rig.game.intMoved, 1);
  EXPECT_EQ(rig.game.intCell, 9);
  EXPECT_TRUE(rig.platform.boxes.empty());
}

TEST(Click, WinningMarkIsAnnouncedBeforeTheComputerAndTheNextGameOpens) {
  Rig rig;
  rig.Load(60);
  rig.Position("XX.OO....");
  std::string marks_at_box;
  rig.platform.on_box = [&](const testing::ShownBox&) {
    marks_at_box = rig.board.Marks();
  };
  rig.platform.replies = {kYes};
  // Game 2: its intChance, then the opening cell.
  rig.platform.randoms = {ChanceR(77), CellR(5)};
  rig.Click(2);

  EXPECT_EQ(marks_at_box, "XXXOO....");
  EXPECT_EQ(
      rig.board.log,
      Join(Join({"enabled 2 0", "caption 2 X", "colour 0 255", "colour 1 255",
                 "colour 2 255", "text Wins 1", "text Gamenumber 2",
                 "label Playertype X's", "label CPUtype O's"},
                ClearingLog()),
           {"enabled 5 0", "caption 5 O"}));
  EXPECT_EQ(rig.board.Marks(), ".....O...");
  EXPECT_EQ(rig.game.intChance, 77);
  EXPECT_EQ(rig.game.intCPUCell, 5);
  EXPECT_EQ(rig.game.intMoves, 1);
  EXPECT_EQ(rig.game.intGameNumber, 2);
  EXPECT_EQ(rig.game.intGameParity, 0);
  EXPECT_EQ(rig.game.intCPUTurn, 0);
  EXPECT_EQ(rig.game.intMoveParity, 1);
  EXPECT_EQ(rig.game.intWins, 1);
  EXPECT_EQ(rig.game.intCell, 9);
  EXPECT_EQ(rig.platform.rnd_calls, 3);
  EXPECT_EQ(rig.platform.boxes.size(), 1U);
}

TEST(NewGame, OddGameDrawsOneNumberAndStartsEmpty) {
  Rig rig;
  rig.Load(60);
  rig.Position("O.X..X.O.", 2);
  rig.game.intCareless = 1;
  rig.platform.randoms = {ChanceR(42)};
  rig.Event([&] { rig.game.NewGame(); });

  EXPECT_EQ(rig.platform.rnd_calls, 2);
  EXPECT_EQ(rig.board.Marks(), ".........");
  EXPECT_EQ(rig.game.intChance, 42);
  EXPECT_EQ(rig.game.intCareless, 0);
  EXPECT_EQ(rig.game.intGameNumber, 3);
  EXPECT_EQ(rig.game.intGameParity, 1);
  EXPECT_EQ(rig.game.intCPUTurn, 1);
  EXPECT_EQ(rig.game.intMoves, 0);
  EXPECT_EQ(rig.board.log.back(), "colour 8 face");
}

TEST(NewGame, OpeningCellRoundsHalvesToEven) {
  // 8 r = 0.5, 1.5, 2.5, 7.5 and nearly 8.
  const std::vector<std::pair<float, int>> draws{
      {0.0625F, 0}, {0.1875F, 2}, {0.3125F, 2}, {0.9375F, 8}, {0.999F, 8}};
  for (const auto& [r, cell] : draws) {
    Rig rig;
    rig.Load(60);
    rig.platform.randoms = {ChanceR(60), r};
    rig.Event([&] { rig.game.NewGame(); });
    std::string expected(9, '.');
    expected[cell] = 'O';
    EXPECT_EQ(rig.board.Marks(), expected) << "r = " << r;
    EXPECT_EQ(rig.game.intCPUCell, cell);
  }
}

TEST(NewGame, OpeningCellsFollowTheRoundedDistribution) {
  // The real generator behind many even games: corners 0 and 8 half as often.
  RandomSource random;
  random.Seed(1234.5);
  std::array<int, 9> count{};
  constexpr int kGames = 80000;
  Rig rig;
  rig.Load(60);
  for (int i = 0; i < kGames; ++i) {
    rig.game.intGameNumber = 1;
    rig.platform.randoms = {random.Next(), random.Next()};
    rig.Event([&] { rig.game.NewGame(); });
    ++count.at(static_cast<std::size_t>(rig.game.intCPUCell));
    rig.board.log.clear();
  }
  for (int cell = 0; cell < 9; ++cell) {
    const double expected =
        kGames * (cell == 0 || cell == 8 ? 1.0 / 16 : 1.0 / 8);
    EXPECT_NEAR(count.at(cell), expected, expected * 0.05) << "cell " << cell;
  }
}

// A game that ends inside a click: the rest of the click runs on the next
// game and changes nothing.
TEST(GameEndsInsideAClick, HumanLineInAnEvenGameLeavesAnEmptyOddGame) {
  Rig rig;
  rig.Load(60);
  rig.Position("XX.O..O.O", 2);
  rig.platform.replies = {kYes};
  rig.platform.randoms = {ChanceR(60)};
  rig.Click(2);

  EXPECT_EQ(rig.board.Marks(), ".........");
  EXPECT_EQ(rig.game.intGameNumber, 3);
  EXPECT_EQ(rig.game.intMoves, 0);
  EXPECT_EQ(rig.game.intCPUTurn, 1);
  EXPECT_EQ(rig.game.intMoveParity, 0);
  EXPECT_EQ(rig.game.intWins, 1);
  EXPECT_EQ(rig.game.intDraws, 0);
  EXPECT_EQ(rig.platform.boxes.size(), 1U);
  EXPECT_EQ(rig.platform.rnd_calls, 2);
  EXPECT_EQ(rig.board.log.back(), "colour 8 face");
}

TEST(GameEndsInsideAClick, HumanLineInAnOddGameLeavesOneOpeningMark) {
  Rig rig;
  rig.Load(60);
  rig.Position("X.X.O.O..");
  rig.platform.replies = {kYes};
  rig.platform.randoms = {ChanceR(60), CellR(1)};
  rig.Click(1);

  EXPECT_EQ(rig.board.Marks(), ".O.......");
  EXPECT_EQ(rig.game.intMoves, 1);
  EXPECT_EQ(rig.game.intCPUTurn, 0);
  EXPECT_EQ(rig.game.intWins, 1);
  EXPECT_EQ(rig.platform.boxes.size(), 1U);
  EXPECT_EQ(rig.platform.rnd_calls, 3);
}

TEST(GameEndsInsideAClick, HumanNinthMarkDrawsOnceAndTheComputerWaits) {
  Rig rig;
  rig.Load(60);
  rig.Position("XOXXOOOX.");
  rig.platform.replies = {kYes};
  rig.platform.randoms = {ChanceR(60), CellR(3)};
  rig.Click(8);

  ASSERT_EQ(rig.platform.boxes.size(), 1U);
  EXPECT_EQ(rig.platform.boxes[0].title, "No Winner");
  EXPECT_EQ(rig.game.intDraws, 1);
  EXPECT_EQ(rig.game.intWins, 0);
  EXPECT_EQ(rig.game.intLosses, 0);
  EXPECT_EQ(rig.board.Marks(), "...O.....");
  EXPECT_EQ(rig.game.intMoves, 1);
  EXPECT_EQ(rig.platform.rnd_calls, 3);
}

TEST(GameEndsInsideAClick, NinthMarkOnALineIsAWinAndNoDraw) {
  Rig rig;
  rig.Load(60);
  rig.Position("XOXOXOOX.");
  rig.platform.replies = {kYes};
  rig.platform.randoms = {ChanceR(60), CellR(3)};
  rig.Click(8);

  ASSERT_EQ(rig.platform.boxes.size(), 1U);
  EXPECT_EQ(rig.platform.boxes[0].title, "You Win");
  EXPECT_EQ(rig.game.intWins, 1);
  EXPECT_EQ(rig.game.intDraws, 0);
  EXPECT_EQ(rig.board.text[TextBox::kDraws], "0");
}

TEST(GameEndsInsideAClick, ComputerLineInAnOddGameLeavesOneOpeningMark) {
  Rig rig;
  rig.Load(30);  // careless: no block at 1
  rig.Position("X..OO...X");
  rig.platform.replies = {kYes};
  rig.platform.randoms = {CellR(5), ChanceR(60), CellR(0)};
  rig.Click(2);

  ASSERT_EQ(rig.platform.boxes.size(), 1U);
  EXPECT_EQ(rig.platform.boxes[0].title, "You Lose");
  EXPECT_EQ(rig.game.intLosses, 1);
  EXPECT_EQ(rig.game.intDraws, 0);
  EXPECT_EQ(rig.board.Marks(), "O........");
  EXPECT_EQ(rig.game.intMoves, 1);
  EXPECT_EQ(rig.game.intGameNumber, 2);
}

TEST(GameEndsInsideAClick, ComputerLineInAnEvenGameLeavesAnEmptyOddGame) {
  Rig rig;
  rig.Load(60);
  rig.Position("X..OO..XO", 2);
  rig.game.intCareless = 1;  // no block at 2
  rig.platform.replies = {kYes};
  rig.platform.randoms = {CellR(5), ChanceR(60)};
  rig.Click(1);

  ASSERT_EQ(rig.platform.boxes.size(), 1U);
  EXPECT_EQ(rig.platform.boxes[0].title, "You Lose");
  EXPECT_EQ(rig.game.intLosses, 1);
  EXPECT_EQ(rig.board.Marks(), ".........");
  EXPECT_EQ(rig.game.intGameNumber, 3);
  EXPECT_EQ(rig.platform.rnd_calls, 3);
}

TEST(GameEndsInsideAClick, ComputerNinthMarkDrawsOnceInAnEvenGame) {
  Rig rig;
  rig.Load(60);
  rig.Position("OXOOXX..O", 2);
  rig.platform.replies = {kYes};
  rig.platform.randoms = {ChanceR(60)};
  std::string marks_at_box;
  rig.platform.on_box = [&](const testing::ShownBox&) {
    marks_at_box = rig.board.Marks();
  };
  rig.Click(6);  // the computer blocks at 7, the last cell

  EXPECT_EQ(marks_at_box, "OXOOXXXOO");
  ASSERT_EQ(rig.platform.boxes.size(), 1U);
  EXPECT_EQ(rig.platform.boxes[0].title, "No Winner");
  EXPECT_EQ(rig.game.intDraws, 1);
  EXPECT_EQ(rig.game.intLosses, 0);
  EXPECT_EQ(rig.board.Marks(), ".........");
  EXPECT_EQ(rig.game.intGameNumber, 3);
  EXPECT_EQ(rig.platform.rnd_calls, 2);
}

}  // namespace
}  // namespace gridmark
