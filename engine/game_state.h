#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace gridmark {

// Colours in blue-green-red encoding (red in the lowest byte).
using Colour = std::uint32_t;
constexpr Colour kButtonFace = 0x8000000F;  // the system button-face colour
constexpr Colour kRed = 255;

enum class TextBox { kWins, kLosses, kDraws, kGamenumber };
enum class Label { kPlayertype, kCPUtype, kDifficultytype };
enum class Level { kEasy, kMedium, kHard };

constexpr std::array<Level, 3> kLevels{Level::kEasy, Level::kMedium,
                                       Level::kHard};
// The caption of lblDifficultytype, and so the level itself.
const char* LevelName(Level level);

// The controls of the main window that the game reads and writes. The nine
// cells (index 0 to 8, row by row from the top left) are the board itself.
class Board {
 public:
  virtual ~Board() = default;

  virtual void SetCellCaption(std::int16_t cell, const std::string& text) = 0;
  virtual std::string CellCaption(std::int16_t cell) const = 0;
  virtual void SetCellEnabled(std::int16_t cell, bool enabled) = 0;
  virtual bool CellEnabled(std::int16_t cell) const = 0;
  virtual void SetCellBackColour(std::int16_t cell, Colour colour) = 0;

  virtual void SetText(TextBox box, const std::string& text) = 0;
  virtual void SetCaption(Label label, const std::string& text) = 0;
  virtual std::string Caption(Label label) const = 0;
  virtual void SetMenuEnabled(Level item, bool enabled) = 0;
};

// The eight lines of three cells, in the order every search takes them:
// rows, columns, then the two diagonals.
using Line = std::array<std::int16_t, 3>;
constexpr std::array<Line, 8> kLines{{{0, 1, 2},
                                      {3, 4, 5},
                                      {6, 7, 8},
                                      {0, 3, 6},
                                      {1, 4, 7},
                                      {2, 5, 8},
                                      {0, 4, 8},
                                      {2, 4, 6}}};

// The module variables of the main window, in declaration order.
struct ModuleState {
  std::string strPlayer;         // the human's mark, "X"
  std::string strCPU;            // the computer's mark, "O"
  std::int16_t intCareless = 0;  // 1: this game the computer does not block
  std::int16_t intChance = 0;    // the game's random number, 1 to 101
  std::int16_t intMoves = 0;     // marks on the board
  std::int16_t intGameNumber = 0;
  std::int16_t intWins = 0;
  std::int16_t intLosses = 0;
  std::int16_t intDraws = 0;
  std::int16_t intCPUCell = 0;     // last cell drawn for the computer
  std::int16_t intMoveParity = 0;  // intMoves mod 2 after the human's mark
  std::int16_t intGameParity = 0;  // intGameNumber mod 2
  std::int16_t intCPUTurn = 0;     // the move parity of the computer's turns
  std::int16_t intAnswer = 0;      // reply to the last play-again box
  std::int16_t intConfirm = 0;     // reply to the last level-change question
  std::int16_t intCell = 0;        // counter of the board-clearing loop
  std::int16_t intMoved = 0;       // 1 once the computer has moved this turn
};

}  // namespace gridmark
