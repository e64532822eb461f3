#include "ui/narrator.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <algorithm>
#include <utility>

#include "ui/look.h"

namespace gridmark {

namespace {

// Where each cell lies, as a screen reader says it.
constexpr std::array<const char*, 9> kCellPlaces{
    //: Spoken only, no width limit: this and the eight places after it name
    //: the cells of the board. In a right-to-left language the board is
    //: mirrored: name each cell as it is seen there, left and right swapped.
    QT_TRANSLATE_NOOP("Narrator", "Top left"),
    //: Spoken only: a cell's place (see Top left).
    QT_TRANSLATE_NOOP("Narrator", "Top centre"),
    //: Spoken only: a cell's place (see Top left).
    QT_TRANSLATE_NOOP("Narrator", "Top right"),
    //: Spoken only: a cell's place (see Top left).
    QT_TRANSLATE_NOOP("Narrator", "Centre left"),
    //: Spoken only: a cell's place (see Top left), the middle of the board.
    QT_TRANSLATE_NOOP("Narrator", "Centre"),
    //: Spoken only: a cell's place (see Top left).
    QT_TRANSLATE_NOOP("Narrator", "Centre right"),
    //: Spoken only: a cell's place (see Top left).
    QT_TRANSLATE_NOOP("Narrator", "Bottom left"),
    //: Spoken only: a cell's place (see Top left).
    QT_TRANSLATE_NOOP("Narrator", "Bottom centre"),
    //: Spoken only: a cell's place (see Top left).
    QT_TRANSLATE_NOOP("Narrator", "Bottom right")};

// Drawn by nobody: the scoreboard, to assistive technology.
class StatusBar : public QWidget {
 public:
  using QWidget::QWidget;
};

QAccessibleInterface* StatusBarInterface(const QString& /*class_name*/,
                                         QObject* object) {
  if (auto* bar = dynamic_cast<StatusBar*>(object)) {
    return new QAccessibleWidget(bar, QAccessible::StatusBar);
  }
  return nullptr;
}

}  // namespace

Narrator::Narrator(QWidget* rest, const std::array<CellButton*, 9>& cells,
                   const Scoreboard& scoreboard, QRect status_area)
    : QObject(rest),
      rest_(rest),
      cells_(cells),
      scoreboard_(scoreboard),
      status_bar_(new StatusBar(rest)) {
  [[maybe_unused]] static const bool status_bar_role =
      (QAccessible::installFactory(&StatusBarInterface), true);
  status_bar_->setObjectName(QStringLiteral("scoreboard"));
  status_bar_->setAttribute(Qt::WA_TransparentForMouseEvents);
  status_bar_->setGeometry(status_area);
  status_bar_->lower();
  // Qt tells a screen reader of the new focus only after this signal.
  connect(qApp, &QApplication::focusChanged, this, [this] {
    QMetaObject::invokeMethod(
        this, [this] { Moved(QApplication::focusWidget()); },
        Qt::QueuedConnection);
  });
}

void Narrator::Hold() {
  QWidget* focus = rest_->window()->focusWidget();
  const auto it = std::find(cells_.begin(), cells_.end(), focus);
  if (it != cells_.end()) {
    Moved(focus);  // a click may have brought the focus just now
    from_ = static_cast<std::size_t>(it - cells_.begin());
    rest_->setFocus();
  }
}

void Narrator::Placed(std::size_t cell, bool by_player) {
  //: Spoken only, no width limit: where you have just put your mark, %1 a
  //: cell's place. The news of a move, then the computer's answer, then the
  //: score are said as one.
  const QString you = tr("You: %1.");
  //: Spoken only, no width limit: where the computer has just put its mark,
  //: %1 a cell's place.
  const QString computer = tr("Computer: %1.");
  news_ << (by_player ? you : computer).arg(tr(kCellPlaces.at(cell)));
}

QString Narrator::BoxNews(Buttons buttons) {
  CatchUp(nullptr, {});
  if (buttons == Buttons::kOkCancel) {
    return {};  // the level question: its prompt says it all
  }
  QStringList told = std::exchange(news_, {});
  QStringList line;
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    if (cells_[i]->BackColour() == ToQColor(kRed, cells_[i]->palette())) {
      line << tr(kCellPlaces[i]);
    }
  }
  if (line.size() == 3) {
    //: Spoken only, no width limit: the three places of the line that won,
    //: each as spoken for a cell.
    told << tr("Winning line: %1, %2, %3.").arg(line[0], line[1], line[2]);
  }
  told_status_ = Status();
  told << told_status_;
  return told.join(QLatin1Char(' '));
}

void Narrator::Settle() {
  // The free cell the focus moves on to, round the board in tab order.
  CellButton* next = nullptr;
  for (std::size_t k = 0; k < cells_.size() && next == nullptr; ++k) {
    CellButton* cell = cells_[(from_ + k) % cells_.size()];
    next = cell->isEnabled() ? cell : nullptr;
  }
  // The score goes with every move and every change of it, and only then:
  // a Tab from cell to cell says just the cell.
  QStringList told = std::exchange(news_, {});
  const QString status = Status();
  if (!told.isEmpty() || status != told_status_) {
    told << status;
  }
  told_status_ = status;
  CatchUp(next, told.join(QLatin1Char(' ')));
  if (next != nullptr) {
    next->setFocus();
  }
  Moved(next);
}

QString Narrator::Status() const {
  //: Spoken only, no width limit: the scoreboard, said after each move, in
  //: the boxes that end a game and on a screen reader's status bar command.
  //: %1 is the game number, %2 to %4 the counts, %5 a level (Easy, Medium
  //: or Hard, as translated for the Difficulty caption).
  return tr("Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.")
      .arg(scoreboard_.game->text(), scoreboard_.wins->text(),
           scoreboard_.draws->text(), scoreboard_.losses->text(),
           scoreboard_.level->text());
}

void Narrator::CatchUp(const CellButton* next, const QString& news) {
  for (CellButton* cell : cells_) {
    if (cell != held_ || cell == next) {
      Tell(cell, cell == next ? news : QString());
    }
  }
  status_bar_->setAccessibleName(Status());
}

void Narrator::Tell(CellButton* cell, const QString& description) {
  const auto place = static_cast<std::size_t>(
      std::find(cells_.begin(), cells_.end(), cell) - cells_.begin());
  //: Spoken only, no width limit: a cell's name, %1 its place and %2 its
  //: mark, X, O or "empty".
  const QString name =
      tr("%1, %2").arg(tr(kCellPlaces.at(place)),
                       //: Spoken only, no width limit: a cell without a mark.
                       cell->Mark().isEmpty() ? tr("empty") : cell->Mark());
  if (cell->accessibleName() != name) {
    cell->setAccessibleName(name);
  }
  if (cell->accessibleDescription() != description) {
    cell->setAccessibleDescription(description);
  }
}

void Narrator::Moved(QWidget* now) {
  // Neither the silent widget nor a menu takes a screen reader's focus from
  // a cell: a menu tells it of its items only as they become current, later.
  if (now == nullptr || now == rest_ || now->inherits("QMenu") ||
      now->inherits("QMenuBar")) {
    return;
  }
  const auto it = std::find(cells_.begin(), cells_.end(), now);
  CellButton* left = std::exchange(held_, it == cells_.end() ? nullptr : *it);
  if (left != nullptr && left != held_) {
    Tell(left, {});
  }
}

}  // namespace gridmark
