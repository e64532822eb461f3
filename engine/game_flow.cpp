#include "engine/game_flow.h"

#include "platform/numbers.h"

namespace gridmark {

namespace {

constexpr const char* kFullPrompt =
    "This tournament has reached the most games the scoreboard can count. "
    "A new tournament will start.";
constexpr const char* kFullTitle = "Gridmark";

}  // namespace

Game::Game(Board& board, PlatformServices& platform)
    : board_(board), platform_(platform) {}

void Game::HandleEvent(const std::function<void()>& handler) {
  if (ended_) {
    return;
  }
  try {
    handler();
  } catch (const ProgramEnded&) {
    ended_ = true;
    platform_.CloseProgram();
  } catch (const CounterOverflow&) {
    // A scoreboard that cannot count on would otherwise crash the program
    // and lose the tournament; start a new one instead, at the same level.
    platform_.MsgBox(kFullPrompt, Buttons::kOk, kFullTitle);
    RestartTournament();
  }
}

// ---- Start-up and the human's move ----------------------------------------

void Game::Form_Load() {
  platform_.Randomize(platform_.Timer());
  intChance = DrawChance();
  board_.SetMenuEnabled(Level::kMedium, false);
  board_.SetCaption(Label::kDifficultytype, LevelName(Level::kMedium));
  StartTournament();
}

void Game::cmd1_Click(std::int16_t Index) {
  PlaceMark(Index, strPlayer);
  CheckWinner();
  CheckDraw();
  // A game that ended above has already been replaced by the next one, whose
  // parity keeps the computer from moving in it now.
  intMoveParity = static_cast<std::int16_t>(intMoves % 2);
  ComputerMove();
  CheckWinner();
  CheckDraw();
}

void Game::NewGame() {
  intChance = DrawChance();
  intCareless = 0;
  Increment(intGameNumber);
  intGameParity = static_cast<std::int16_t>(intGameNumber % 2);
  intMoves = 0;
  intCPUTurn = 0;
  board_.SetText(TextBox::kGamenumber, Str(intGameNumber));
  ShowMarkLabels();
  ClearBoard();
  if (intGameParity == 1) {
    intCPUTurn = 1;
    return;
  }
  // Even games: the computer opens on a random cell of the empty board.
  intCPUCell = CInt(8.0 * platform_.Rnd());
  PlaceMark(intCPUCell, strCPU);
}

// ---- Outcomes --------------------------------------------------------------

void Game::CheckWinner() {
  for (const Line& line : kLines) {
    // Each test reads the board afresh: an announcement that returns has
    // already set up the next game.
    if (LineHolds(line, strPlayer)) {
      ColourLine(line);
      PlayerWins();
    }
    if (LineHolds(line, strCPU)) {
      ColourLine(line);
      ComputerWins();
    }
  }
}

void Game::CheckDraw() {
  // The winner check always runs first, so nine marks here mean no line.
  if (intMoves != 9) {
    return;
  }
  Announce(intDraws, TextBox::kDraws, "It Was A Draw, Play Again?",
           "No Winner");
}

void Game::PlayerWins() {
  Announce(intWins, TextBox::kWins, "You Win, Play Again?", "You Win");
}

void Game::ComputerWins() {
  Announce(intLosses, TextBox::kLosses, "You Lose, Play Again?", "You Lose");
}

void Game::RestartTournament() {
  // The random sequence goes on and the level stays as chosen.
  intChance = DrawChance();
  StartTournament();
}

// ---- Menu commands ---------------------------------------------------------

void Game::mnuRestartTournament_Click() { RestartTournament(); }

void Game::mnuExit_Click() { EndProgram(); }

void Game::mnuEasy_Click() { ChangeLevel(Level::kEasy); }

void Game::mnuMedium_Click() { ChangeLevel(Level::kMedium); }

void Game::mnuHard_Click() { ChangeLevel(Level::kHard); }

void Game::mnuHowToPlay_Click() { platform_.ShowDialog(Dialog::kHowToPlay); }

void Game::mnuAbout_Click() { platform_.ShowDialog(Dialog::kAbout); }

void Game::ChangeLevel(Level level) {
  // The menu marks the chosen level even if the change is then cancelled.
  for (Level item : kLevels) {
    board_.SetMenuEnabled(item, item != level);
  }
  if (intMoves != 0 && intGameNumber >= 1) {
    intConfirm =
        platform_.MsgBox("Changing This Setting Will Restart The Tournament",
                         Buttons::kOkCancel, "Reset?");
    if (intConfirm == kOk) {
      board_.SetCaption(Label::kDifficultytype, LevelName(level));
      RestartTournament();
    }
    return;
  }
  board_.SetCaption(Label::kDifficultytype, LevelName(level));
}

// ---- Helpers ---------------------------------------------------------------

std::int16_t Game::DrawChance() {
  return CInt(100.0 * static_cast<double>(platform_.Rnd()) + 1.0);
}

// Game 1 of a tournament, the human to move; shared by start-up and restart.
void Game::StartTournament() {
  intCareless = 0;
  intWins = 0;
  intLosses = 0;
  intDraws = 0;
  intCPUCell = 0;
  intMoves = 0;
  intGameNumber = 1;
  intCPUTurn = 1;
  strPlayer = "X";
  strCPU = "O";
  board_.SetText(TextBox::kWins, Str(intWins));
  board_.SetText(TextBox::kLosses, Str(intLosses));
  board_.SetText(TextBox::kDraws, Str(intDraws));
  board_.SetText(TextBox::kGamenumber, Str(intGameNumber));
  ShowMarkLabels();
  ClearBoard();
  DecideCareless();
}

void Game::ShowMarkLabels() {
  board_.SetCaption(Label::kPlayertype, strPlayer + "'s");
  board_.SetCaption(Label::kCPUtype, strCPU + "'s");
}

void Game::ClearBoard() {
  for (intCell = 0; intCell != 9; Increment(intCell)) {
    board_.SetCellCaption(intCell, "");
    board_.SetCellEnabled(intCell, true);
    board_.SetCellBackColour(intCell, kButtonFace);
  }
}

void Game::PlaceMark(std::int16_t cell, const std::string& mark) {
  // Disabled first, so a cell never shows a mark while it can be clicked.
  board_.SetCellEnabled(cell, false);
  board_.SetCellCaption(cell, mark);
  Increment(intMoves);
}

bool Game::LineHolds(const Line& line, const std::string& mark) const {
  for (std::int16_t cell : line) {
    if (board_.CellCaption(cell) != mark) {
      return false;
    }
  }
  return true;
}

void Game::ColourLine(const Line& line) {
  for (std::int16_t cell : line) {
    board_.SetCellBackColour(cell, kRed);
  }
}

void Game::Announce(std::int16_t& counter, TextBox box, const char* prompt,
                    const char* title) {
  Increment(counter);
  board_.SetText(box, Str(counter));
  intAnswer = platform_.MsgBox(prompt, Buttons::kYesNo, title);
  if (intAnswer != kYes) {
    EndProgram();
  }
  NewGame();
}

}  // namespace gridmark
