#include "engine/computer_player.h"

#include "engine/game_flow.h"
#include "platform/numbers.h"

namespace gridmark {

bool CarelessAt(const std::string& level, std::int16_t chance) {
  if (level == "Easy") {
    return chance > 49;
  }
  if (level == "Medium") {
    return chance > 15 && chance < 50;
  }
  if (level == "Hard") {
    return chance < 16;
  }
  return false;
}

void Game::ComputerMove() {
  if (intMoveParity != intCPUTurn) {
    return;
  }
  intMoved = 0;
  DecideCareless();
  if (intCareless == 0) {
    BlockingMove();
  }
  // Only Hard looks for its own winning cell, careless or not, and only when
  // it has not blocked.
  if (board_.Caption(Label::kDifficultytype) == "Hard" && intMoved == 0) {
    WinningMove();
  }
  while (intMoved == 0) {
    intCPUCell = CInt(8.0 * platform_.Rnd());
    if (board_.CellEnabled(intCPUCell)) {
      intMoved = 1;
      PlaceMark(intCPUCell, strCPU);
    }
  }
}

void Game::DecideCareless() {
  // Only ever switches careless play on; a new game switches it off.
  if (CarelessAt(board_.Caption(Label::kDifficultytype), intChance)) {
    intCareless = 1;
  }
}

void Game::BlockingMove() { TakePatternCell(strPlayer); }

void Game::WinningMove() { TakePatternCell(strCPU); }

// Takes the free cell of the first pattern whose two cells hold `mark`.
void Game::TakePatternCell(const std::string& mark) {
  for (const Pattern& pattern : kPatterns) {
    if (board_.CellCaption(pattern.held[0]) == mark &&
        board_.CellCaption(pattern.held[1]) == mark &&
        board_.CellCaption(pattern.free).empty()) {
      PlaceMark(pattern.free, strCPU);
      intMoved = 1;
      return;
    }
  }
}

}  // namespace gridmark
