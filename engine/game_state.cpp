#include "engine/game_state.h"

namespace gridmark {

const char* LevelName(Level level) {
  switch (level) {
    case Level::kEasy:
      return "Easy";
    case Level::kMedium:
      return "Medium";
    case Level::kHard:
      return "Hard";
  }
  return "";
}

}  // namespace gridmark
