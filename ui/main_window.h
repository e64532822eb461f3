#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "engine/game_flow.h"
#include "engine/game_state.h"
#include "platform/platform_services.h"
#include "ui/controls.h"
#include "ui/narrator.h"

namespace gridmark {

// The main window: scoreboard, board and menus. Its controls are the game's
// board, and every event of it goes to the game through the event boundary.
class Form1 : public QWidget, public Board {
  Q_DECLARE_TR_FUNCTIONS(Form1)

 public:
  // Builds the window and runs its load handler; show() it afterwards.
  explicit Form1(PlatformServices& platform, QWidget* parent = nullptr);

  Game& game() { return game_; }
  const Game& game() const { return game_; }

  // Board
  void SetCellCaption(std::int16_t cell, const std::string& text) override;
  std::string CellCaption(std::int16_t cell) const override;
  void SetCellEnabled(std::int16_t cell, bool enabled) override;
  bool CellEnabled(std::int16_t cell) const override;
  void SetCellBackColour(std::int16_t cell, Colour colour) override;
  void SetText(TextBox box, const std::string& text) override;
  void SetCaption(Label label, const std::string& text) override;
  std::string Caption(Label label) const override;
  void SetMenuEnabled(Level item, bool enabled) override;

 private:
  // Runs a window event through the game, with the screen reader's news.
  void Dispatch(const std::function<void()>& handler);

  void CreateScoreboard(QWidget* client);
  void CreateBoard(QWidget* client);
  QMenuBar* CreateMenus();
  RoomyLabel* AddLabel(QWidget* client, const char* name, const char* caption,
                       QRect box, QPoint room, const QFont& font,
                       const QColor& text_colour);
  QLineEdit* AddTextBox(QWidget* client, const char* name, QRect box);
  QAction* AddItem(QMenu* menu, const char* name, const char* caption,
                   void (Game::*handler)());
  QLineEdit* Box(TextBox box) const;
  RoomyLabel* CaptionLabel(Label label) const;

  Game game_;
  QWidget* client_ = nullptr;
  std::array<CellButton*, 9> cmd1_{};
  QLineEdit* txtGamenumber_ = nullptr;
  QLineEdit* txtDraws_ = nullptr;
  QLineEdit* txtWins_ = nullptr;
  QLineEdit* txtLosses_ = nullptr;
  RoomyLabel* lblPlayertype_ = nullptr;
  RoomyLabel* lblDifficultytype_ = nullptr;
  RoomyLabel* lblCPUtype_ = nullptr;
  // The engine's own text of each caption label, which it reads back; the
  // label shows it translated.
  std::array<std::string, 3> captions_{};
  Narrator* narrator_ = nullptr;
  QAction* mnuEasy_ = nullptr;
  QAction* mnuMedium_ = nullptr;
  QAction* mnuHard_ = nullptr;
};

}  // namespace gridmark
