#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>

#include "platform/platform_services.h"
#include "ui/controls.h"

namespace gridmark {

// Tells a screen reader what the board shows and what happens on it.
//
// A screen reader drops any change to the name or description of the control
// it holds as its focus, but reads one made before the focus arrives. So
// while the game handles an event the board's focus rests on a silent widget;
// whenever the program is about to wait, every other cell's name catches up
// with its mark; the free cell that then takes the focus carries the news of
// the moves and the score, and the cell that had the focus catches up once
// the focus has left it. The score is also the name of a status bar, where a
// screen reader finds it on request.
class Narrator : public QObject {
  Q_DECLARE_TR_FUNCTIONS(Narrator)

 public:
  // The scoreboard the status is read from.
  struct Scoreboard {
    QLineEdit* game;
    QLineEdit* wins;
    QLineEdit* draws;
    QLineEdit* losses;
    QLabel* level;
  };

  // `rest` is where the focus waits; the status bar covers `status_area`
  // of it, behind the scoreboard.
  Narrator(QWidget* rest, const std::array<CellButton*, 9>& cells,
           const Scoreboard& scoreboard, QRect status_area);

  // Before the game handles an event.
  void Hold();
  // A mark has been placed on `cell`, by the player or by the computer.
  void Placed(std::size_t cell, bool by_player);
  // Before a box opens: what its focused button says beyond the prompt.
  QString BoxNews(Buttons buttons);
  // Once the game has handled the event: the focus goes back to the board.
  void Settle();

 private:
  // The game number, score and level, as one sentence.
  QString Status() const;
  // Every cell but the held one says what it shows; `next` also tells `news`.
  void CatchUp(const CellButton* next, const QString& news);
  void Tell(CellButton* cell, const QString& description);
  // The focus has moved to `now`.
  void Moved(QWidget* now);

  QWidget* rest_;
  std::array<CellButton*, 9> cells_;
  Scoreboard scoreboard_;
  QWidget* status_bar_;
  // The cell a screen reader holds as its focus, and the last one the focus
  // left for the silent widget.
  CellButton* held_ = nullptr;
  std::size_t from_ = 0;
  // The marks placed since the news was last told, as sentences.
  QStringList news_;
  QString told_status_;
};

}  // namespace gridmark
