// The engine's speed: one click with the computer's answer, and whole games.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "engine/game_flow.h"
#include "platform/random_source.h"

namespace gridmark {
namespace {

// Keeps the controls' state and nothing else: no log.
class LeanBoard final : public Board {
 public:
  std::array<std::string, 9> caption;
  std::array<bool, 9> enabled{};
  std::array<Colour, 9> colour{};

  void SetCellCaption(std::int16_t cell, const std::string& text) override {
    caption[static_cast<std::size_t>(cell)] = text;
  }
  std::string CellCaption(std::int16_t cell) const override {
    return caption[static_cast<std::size_t>(cell)];
  }
  void SetCellEnabled(std::int16_t cell, bool value) override {
    enabled[static_cast<std::size_t>(cell)] = value;
  }
  bool CellEnabled(std::int16_t cell) const override {
    return enabled[static_cast<std::size_t>(cell)];
  }
  void SetCellBackColour(std::int16_t cell, Colour value) override {
    colour[static_cast<std::size_t>(cell)] = value;
  }
  void SetText(TextBox box, const std::string& text) override {
    text_[static_cast<std::size_t>(box)] = text;
  }
  void SetCaption(Label label, const std::string& text) override {
    label_[static_cast<std::size_t>(label)] = text;
  }
  std::string Caption(Label label) const override {
    return label_[static_cast<std::size_t>(label)];
  }
  void SetMenuEnabled(Level item, bool value) override {
    menu_[static_cast<std::size_t>(item)] = value;
  }

 private:
  std::array<std::string, 4> text_;
  std::array<std::string, 3> label_;
  std::array<bool, 3> menu_{};
};

// The real generator behind a fixed seed; every box answered Yes.
class BenchPlatform final : public PlatformServices {
 public:
  std::int16_t MsgBox(const std::string&, Buttons,
                      const std::string&) override {
    return kYes;
  }
  double Timer() override { return 45296.25; }
  void Randomize(double seed) override { random_.Seed(seed); }
  float Rnd() override { return random_.Next(); }
  void CloseProgram() override {}
  void ShowDialog(Dialog) override {}

 private:
  RandomSource random_;
};

void Click(Game& game, std::int16_t cell) {
  game.HandleEvent([&] { game.cmd1_Click(cell); });
}

// One click in the middle of game 1 ("X" at 0, "O" at 4; the human takes 8
// and the computer, with nothing to block, answers at random). The position
// is put back before each click, which costs a few copies of short strings.
void BM_Click(benchmark::State& state) {
  LeanBoard board;
  BenchPlatform platform;
  Game game(board, platform);
  game.HandleEvent([&] { game.Form_Load(); });
  Click(game, 0);
  for (std::int16_t cell = 0; cell < 9; ++cell) {
    board.SetCellCaption(cell, cell == 0 ? "X" : cell == 4 ? "O" : "");
    board.SetCellEnabled(cell, cell != 0 && cell != 4);
  }
  game.intMoves = 2;
  const LeanBoard start_board = board;
  const ModuleState start_state = game;
  for (auto _ : state) {
    board.caption = start_board.caption;
    board.enabled = start_board.enabled;
    static_cast<ModuleState&>(game) = start_state;
    Click(game, 8);
    benchmark::DoNotOptimize(game.intMoves);
  }
  if (game.intMoves != 4) state.SkipWithError("the click did not play");
}
BENCHMARK(BM_Click);

// Clicks as they come in play: a random free cell each time, so about one
// click in three also ends the game and sets up the next.
void BM_ClickInPlay(benchmark::State& state) {
  LeanBoard board;
  BenchPlatform platform;
  Game game(board, platform);
  game.HandleEvent([&] { game.Form_Load(); });
  std::minstd_rand human(7);
  for (auto _ : state) {
    std::int16_t cell = static_cast<std::int16_t>(human() % 9);
    while (!board.enabled[static_cast<std::size_t>(cell)]) {
      cell = static_cast<std::int16_t>((cell + 1) % 9);
    }
    Click(game, cell);
    if (game.intGameNumber > 30000) {
      game.HandleEvent([&] { game.mnuRestartTournament_Click(); });
    }
  }
}
BENCHMARK(BM_ClickInPlay);

// Whole games, the human playing a random free cell, every box answered Yes;
// the tournament restarts before its counters could fill up.
void BM_Game(benchmark::State& state) {
  LeanBoard board;
  BenchPlatform platform;
  Game game(board, platform);
  game.HandleEvent([&] { game.Form_Load(); });
  std::minstd_rand human(11);
  std::int64_t clicks = 0;
  for (auto _ : state) {
    const std::int16_t number = game.intGameNumber;
    while (game.intGameNumber == number) {
      std::int16_t cell = static_cast<std::int16_t>(human() % 9);
      while (!board.enabled[static_cast<std::size_t>(cell)]) {
        cell = static_cast<std::int16_t>((cell + 1) % 9);
      }
      Click(game, cell);
      ++clicks;
    }
    if (game.intGameNumber > 30000) {
      game.HandleEvent([&] { game.mnuRestartTournament_Click(); });
    }
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["clicks_per_game"] = benchmark::Counter(
      static_cast<double>(clicks) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_Game);

}  // namespace
}  // namespace gridmark

BENCHMARK_MAIN();
