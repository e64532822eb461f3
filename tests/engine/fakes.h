#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/game_state.h"
#include "platform/platform_services.h"

namespace gridmark::testing {

// A board without a window: keeps every control's state and logs each write
// ("caption 4 X", "enabled 4 0", "colour 4 255", "colour 4 face" for the
// button face, "text Wins 1",
// "label Difficultytype Medium", "menu Medium 0").
class FakeBoard : public Board {
 public:
  std::array<std::string, 9> caption{};
  std::array<bool, 9> enabled{};
  std::array<Colour, 9> colour{};
  std::map<TextBox, std::string> text;
  std::map<Label, std::string> label;
  std::map<Level, bool> menu{
      {Level::kEasy, true}, {Level::kMedium, true}, {Level::kHard, true}};
  std::vector<std::string> log;
  // Run after each write is logged, and before a cell's caption is read.
  std::function<void(const std::string& entry)> on_write;
  std::function<void(std::int16_t cell)> on_read;

  void SetCellCaption(std::int16_t cell, const std::string& value) override {
    caption.at(Index(cell)) = value;
    Log(CellEntry("caption", cell, value));
  }
  std::string CellCaption(std::int16_t cell) const override {
    if (on_read) on_read(cell);
    return caption.at(Index(cell));
  }
  void SetCellEnabled(std::int16_t cell, bool value) override {
    enabled.at(Index(cell)) = value;
    Log(CellEntry("enabled", cell, value ? "1" : "0"));
  }
  bool CellEnabled(std::int16_t cell) const override {
    return enabled.at(Index(cell));
  }
  void SetCellBackColour(std::int16_t cell, Colour value) override {
    colour.at(Index(cell)) = value;
    // Named rather than 2147483663, which would not fit a short string.
    Log(CellEntry("colour", cell,
                  value == kButtonFace ? "face" : std::to_string(value)));
  }
  void SetText(TextBox box, const std::string& value) override {
    text[box] = value;
    Log("text " + Name(box) + " " + value);
  }
  void SetCaption(Label which, const std::string& value) override {
    label[which] = value;
    Log("label " + Name(which) + " " + value);
  }
  std::string Caption(Label which) const override {
    auto found = label.find(which);
    return found == label.end() ? std::string() : found->second;
  }
  void SetMenuEnabled(Level item, bool value) override {
    menu[item] = value;
    Log(std::string("menu ") + LevelName(item) + " " + (value ? "1" : "0"));
  }

  // Puts marks on the board as the engine would, without logging: "XO..." one
  // character a cell, '.' for a free cell.
  void Set(const std::string& cells) {
    for (std::size_t i = 0; i < 9; ++i) {
      caption.at(i) = cells.at(i) == '.' ? "" : std::string(1, cells.at(i));
      enabled.at(i) = cells.at(i) == '.';
    }
  }
  // The marks as "XO..." text.
  std::string Marks() const {
    std::string out;
    for (const auto& c : caption) out += c.empty() ? '.' : c.at(0);
    return out;
  }

  static std::string Name(TextBox box) {
    switch (box) {
      case TextBox::kWins:
        return "Wins";
      case TextBox::kLosses:
        return "Losses";
      case TextBox::kDraws:
        return "Draws";
      case TextBox::kGamenumber:
        return "Gamenumber";
    }
    return "?";
  }
  static std::string Name(Label which) {
    switch (which) {
      case Label::kPlayertype:
        return "Playertype";
      case Label::kCPUtype:
        return "CPUtype";
      case Label::kDifficultytype:
        return "Difficultytype";
    }
    return "?";
  }

 private:
  // Built in one buffer: the exhaustive walk logs millions of these.
  static std::string CellEntry(std::string_view kind, std::int16_t cell,
                               std::string_view value) {
    std::string entry;
    entry.reserve(kind.size() + value.size() + 3);
    // Index() has already checked the cell: one digit.
    entry.append(kind).append(1, ' ').append(1, static_cast<char>('0' + cell));
    entry.append(1, ' ').append(value);
    return entry;
  }
  void Log(std::string entry) {
    log.push_back(std::move(entry));
    if (on_write) on_write(log.back());
  }
  static std::size_t Index(std::int16_t cell) {
    if (cell < 0 || cell > 8) throw std::out_of_range("cell index");
    return static_cast<std::size_t>(cell);
  }
};

struct ShownBox {
  std::string prompt;
  Buttons buttons;
  std::string title;
};

// Random reals and box replies given in order; everything else recorded.
// Running out of script throws, so a test never silently gets a default.
class ScriptedPlatform : public PlatformServices {
 public:
  std::deque<float> randoms;
  std::deque<std::int16_t> replies;
  std::vector<ShownBox> boxes;
  std::vector<double> seeds;
  std::vector<Dialog> dialogs;
  double timer = 45296.25;  // 12:34:56.25
  int closed = 0;
  int rnd_calls = 0;
  // Runs when a box is shown, before it is answered.
  std::function<void(const ShownBox&)> on_box;
  // Runs at each draw, before the number is taken from the script.
  std::function<void()> on_rnd;

  std::int16_t MsgBox(const std::string& prompt, Buttons buttons,
                      const std::string& title) override {
    boxes.push_back({prompt, buttons, title});
    if (on_box) on_box(boxes.back());
    if (replies.empty()) throw std::logic_error("no reply scripted: " + prompt);
    const std::int16_t reply = replies.front();
    replies.pop_front();
    return reply;
  }
  double Timer() override { return timer; }
  void Randomize(double seed) override { seeds.push_back(seed); }
  float Rnd() override {
    ++rnd_calls;
    if (on_rnd) on_rnd();
    if (randoms.empty()) throw std::logic_error("no random number scripted");
    const float r = randoms.front();
    randoms.pop_front();
    return r;
  }
  void CloseProgram() override { ++closed; }
  void ShowDialog(Dialog dialog) override { dialogs.push_back(dialog); }
};

// The real r that makes 100 r + 1 round to `chance`.
inline float ChanceR(int chance) {
  return chance == 101 ? 0.999F : static_cast<float>(chance - 1) / 100.0F;
}
// The real r that makes 8 r round to `cell`.
inline float CellR(int cell) { return static_cast<float>(cell) / 8.0F; }

}  // namespace gridmark::testing
