#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "engine/game_flow.h"
#include "tests/engine/fakes.h"

namespace gridmark::testing {

// A game wired to a fake board and a scripted platform.
struct Rig {
  FakeBoard board;
  ScriptedPlatform platform;
  Game game{board, platform};

  void Event(const std::function<void()>& handler) {
    game.HandleEvent(handler);
  }
  // Start-up at "Medium", the first draw giving intChance `chance`.
  void Load(int chance = 60) {
    platform.randoms.push_back(ChanceR(chance));
    Event([&] { game.Form_Load(); });
  }
  void Click(std::int16_t cell) {
    Event([&] { game.cmd1_Click(cell); });
  }
  void SetLevel(const std::string& level) {
    board.label[Label::kDifficultytype] = level;
  }
  // A game in progress: the marks ("X.O......"), a matching mark count and
  // the opener that the game number gives. The log starts afresh.
  void Position(const std::string& cells, std::int16_t game_number = 1) {
    board.Set(cells);
    game.intMoves = 0;
    for (char c : cells) game.intMoves += c == '.' ? 0 : 1;
    game.intGameNumber = game_number;
    game.intCPUTurn = game_number % 2 == 1 ? 1 : 0;
    board.log.clear();
  }
  // Log entries from position `from` on.
  std::vector<std::string> LogFrom(std::size_t from) const {
    return {board.log.begin() + static_cast<std::ptrdiff_t>(from),
            board.log.end()};
  }
};

// Every module variable, for comparing whole states.
inline auto Fields(const ModuleState& s) {
  return std::make_tuple(s.strPlayer, s.strCPU, s.intCareless, s.intChance,
                         s.intMoves, s.intGameNumber, s.intWins, s.intLosses,
                         s.intDraws, s.intCPUCell, s.intMoveParity,
                         s.intGameParity, s.intCPUTurn, s.intAnswer,
                         s.intConfirm, s.intCell, s.intMoved);
}

// The 27 writes that clear the board: caption, enabled, colour, cell by cell.
inline std::vector<std::string> ClearingLog() {
  std::vector<std::string> out;
  for (int i = 0; i < 9; ++i) {
    const std::string cell = std::to_string(i);
    out.push_back("caption " + cell + " ");
    out.push_back("enabled " + cell + " 1");
    out.push_back("colour " + cell + " face");
  }
  return out;
}

inline std::vector<std::string> Join(std::vector<std::string> a,
                                     const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace gridmark::testing
