#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "engine/game_state.h"
#include "platform/platform_services.h"

namespace gridmark {

// The game: the main window's module state and every procedure that works on
// it. The window owns one, implements Board with its controls and sends each
// of its events through HandleEvent.
class Game : public ModuleState {
 public:
  Game(Board& board, PlatformServices& platform);

  // The event boundary. Ending the program and a counter overflow unwind to
  // here; once the program has ended no further event is handled.
  void HandleEvent(const std::function<void()>& handler);

  // Event handlers.
  void Form_Load();
  void cmd1_Click(std::int16_t Index);
  void mnuRestartTournament_Click();
  void mnuExit_Click();
  void mnuEasy_Click();
  void mnuMedium_Click();
  void mnuHard_Click();
  void mnuHowToPlay_Click();
  void mnuAbout_Click();

  // Game flow and outcomes.
  void NewGame();
  void CheckWinner();
  void CheckDraw();
  void PlayerWins();
  void ComputerWins();
  void RestartTournament();

  // The computer player.
  void ComputerMove();
  void DecideCareless();
  void BlockingMove();
  void WinningMove();

 private:
  std::int16_t DrawChance();
  void StartTournament();
  void ShowMarkLabels();
  void ClearBoard();
  void PlaceMark(std::int16_t cell, const std::string& mark);
  bool LineHolds(const Line& line, const std::string& mark) const;
  void ColourLine(const Line& line);
  void Announce(std::int16_t& counter, TextBox box, const char* prompt,
                const char* title);
  void TakePatternCell(const std::string& mark);
  void ChangeLevel(Level level);

  Board& board_;
  PlatformServices& platform_;
  bool ended_ = false;
};

}  // namespace gridmark
