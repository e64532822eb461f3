#pragma once

#include <algorithm>
#include <array>
#include <deque>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/game_flow.h"

namespace gridmark::testing {

// A board without a window.
class FakeBoard : public Board {
 public:
  using I = std::int16_t;
  using S = std::string;
  std::array<S, 9> caption;
  std::array<bool, 9> enabled{};
  std::array<Colour, 9> colour{};
  std::map<TextBox, S> text;
  std::map<Label, S> label;
  std::map<Level, bool> menu;

  void SetCellCaption(I i, const S& v) override { caption.at(i) = v; }
  S CellCaption(I i) const override { return caption.at(i); }
  void SetCellEnabled(I i, bool v) override { enabled.at(i) = v; }
  bool CellEnabled(I i) const override { return enabled.at(i); }
  void SetCellBackColour(I i, Colour v) override { colour.at(i) = v; }
  void SetText(TextBox box, const S& v) override { text[box] = v; }
  void SetCaption(Label l, const S& v) override { label[l] = v; }
  S Caption(Label l) const override {
    return label.count(l) ? label.at(l) : "";
  }
  void SetMenuEnabled(Level item, bool v) override { menu[item] = v; }

  // Marks as the engine leaves them: "XO.......", '.' a free cell.
  void Set(const std::string& cells) {
    for (std::size_t i = 0; i < 9; ++i) {
      caption[i] = cells[i] == '.' ? "" : cells.substr(i, 1);
      enabled[i] = cells[i] == '.';
      colour[i] = kButtonFace;
    }
  }
  // All on show: "X...O.... red048 | W1 G2 | X's O's Medium | M-"; a free
  // cell disabled shows '#', a taken one enabled its mark in lower case.
  std::string View() const {
    std::string out, red;
    for (std::size_t i = 0; i < 9; ++i) {
      const char m = caption[i].empty() ? '.' : caption[i][0];
      out += m == '.' ? (enabled[i] ? '.' : '#') : enabled[i] ? m | 32 : m;
      if (colour[i] != kButtonFace)
        red += colour[i] == kRed ? char('0' + i) : '?';
    }
    out += " red" + red + " |";
    for (const auto& [box, v] : text)
      out += std::string(" ") + "WLDG"[int(box)] + v;
    out += " |";
    for (const auto& [l, v] : label) out += " " + v;
    out += " |";
    for (const auto& [l, v] : menu)
      out += std::string(" ") + LevelName(l)[0] + (v ? "+" : "-");
    return out;
  }
};

// Random reals and box replies from scripts; boxes recorded.
class ScriptedPlatform : public PlatformServices {
 public:
  std::deque<float> randoms;
  std::deque<std::int16_t> replies;
  std::vector<std::string> boxes;  // "title|prompt|buttons|the board behind"
  std::vector<double> seeds;
  int rnd_calls = 0, closed = 0;
  const FakeBoard* board = nullptr;

  std::int16_t MsgBox(const std::string& prompt, Buttons buttons,
                      const std::string& title) override {
    boxes.push_back(title + "|" + prompt + "|" + std::to_string(int(buttons)) +
                    "|" + board->View());
    return Next(replies);
  }
  double Timer() override { return 45296.25; }  // 12:34:56.25
  void Randomize(double seed) override { seeds.push_back(seed); }
  float Rnd() override { return ++rnd_calls, Next(randoms); }
  void CloseProgram() override { ++closed; }
  void ShowDialog(Dialog) override {}

 private:
  template <typename T>
  static T Next(std::deque<T>& script) {
    if (script.empty()) throw std::logic_error("script ran out");
    const T next = script.front();
    script.pop_front();
    return next;
  }
};

// The r that makes 100 r + 1 round to `chance`, and 8 r to `cell`.
inline float ChanceR(int chance) {
  return std::min((chance - 1) / 100.0F, 0.996F);
}
inline float CellR(int cell) { return std::min(cell / 8.0F, 0.99F); }

// A game on a fake board and a scripted platform.
struct Rig {
  FakeBoard board;
  ScriptedPlatform platform;
  Game game{board, platform};

  Rig() { platform.board = &board; }
  void Run(void (Game::*handler)()) {
    game.HandleEvent([&] { (game.*handler)(); });
  }
  void Click(std::int16_t cell) {
    game.HandleEvent([&] { game.cmd1_Click(cell); });
  }
  // A fresh game in progress: its marks and their count, the level and
  // intChance, and the opener that the game number gives.
  void Position(const std::string& cells, std::int16_t number = 1,
                const std::string& level = "Medium", int chance = 60) {
    board = FakeBoard();
    board.Set(cells);
    board.label[Label::kDifficultytype] = level;
    static_cast<ModuleState&>(game) = ModuleState();
    game.strPlayer = "X";
    game.strCPU = "O";
    game.intMoves =
        std::int16_t(9 - std::count(cells.begin(), cells.end(), '.'));
    game.intGameNumber = number;
    game.intCPUTurn = number % 2;
    game.intChance = std::int16_t(chance);
    game.intCell = 9;
  }
};

}  // namespace gridmark::testing
