#pragma once

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "engine/game_state.h"
#include "platform/numbers.h"
#include "platform/qt_platform_services.h"
#include "tests/engine/fakes.h"
#include "tests/ui/ui_test_support.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"

namespace gridmark::testing {

inline constexpr const char* kFullPrompt =
    "This tournament has reached the most games the scoreboard can count. "
    "A new tournament will start.";

// A seeded platform: random reals from one generator, box replies chosen
// at random among what the user can do to the box shown.
class SoakPlatform : public ScriptedPlatform {
 public:
  explicit SoakPlatform(std::uint32_t seed)
      : draws_(seed), user_(seed ^ 0x9E3779B9U), real_(&MakeDialog) {}

  // Decides the reply once the box is up; set by the soak.
  std::function<std::int16_t(const ShownBox&)> answer;
  // Shows the real dialog for 1 in `real_dialog_odds` requests.
  int real_dialog_odds = 200;
  int real_dialogs = 0;
  std::string dialog_fault;

  std::mt19937& user() { return user_; }
  int Roll(int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(user_);
  }

  std::int16_t MsgBox(const std::string& prompt, Buttons buttons,
                      const std::string& title) override {
    boxes.push_back({prompt, buttons, title});
    return answer(boxes.back());
  }
  float Rnd() override {
    // A computer move that never finds a free cell would spin here for ever.
    if (++rnd_calls > draw_limit_) {
      std::fprintf(stderr, "soak: runaway random draws\n");
      std::abort();
    }
    return static_cast<float>(draws_() >> 8) * 0x1p-24F;
  }
  void ShowDialog(Dialog dialog) override {
    dialogs.push_back(dialog);
    if (Roll(real_dialog_odds) == 0) ShowRealDialog(dialog);
  }
  // Called before each event.
  void NewEvent() { draw_limit_ = rnd_calls + 100000; }

  // Shows the real dialog, presses the board through the window while it is
  // up (refused: the dialog is modal) and closes it as a user may.
  void ShowRealDialog(Dialog dialog) {
    ++real_dialogs;
    const int way = Roll(4);
    const int cell = Roll(9);
    QTimer::singleShot(0, [this, dialog, way, cell] {
      DialogForm* shown = real_.Form(dialog);
      if (shown == nullptr || !shown->isVisible() ||
          QApplication::activeModalWidget() != shown) {
        dialog_fault = "dialog not up and modal";
        if (shown) shown->reject();
        return;
      }
      for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* main = dynamic_cast<Form1*>(top); main && main->isVisible()) {
          const QString before = Marks(*main);
          PressThroughWindow(*main, cell);
          if (Marks(*main) != before) dialog_fault = "board took a press";
        }
      }
      const char* ok = dialog == Dialog::kAbout ? "cmdOK" : "OKButton";
      switch (way) {
        case 0:
          Find<QPushButton>(*shown, ok)->click();
          break;
        case 1:
          QTest::keyClick(Find<QPushButton>(*shown, ok), Qt::Key_Return);
          break;
        case 2:
          // Esc closes About; How To Play has no cancel button.
          QTest::keyClick(shown, Qt::Key_Escape);
          if (shown->isVisible()) shown->close();
          break;
        default:
          shown->close();
          break;
      }
    });
    real_.ShowDialog(dialog);
    if (real_.Form(dialog)->isVisible()) dialog_fault = "dialog stayed up";
  }

 private:
  std::mt19937 draws_;
  std::mt19937 user_;
  QtPlatformServices real_;
  int draw_limit_ = 100000;
};

// Drives one seed's run of random user events through real windows and
// checks the window against the rules after every event.
class Soak {
 public:
  using Factory = std::function<std::unique_ptr<Form1>(PlatformServices&)>;

  explicit Soak(std::uint32_t seed, Factory make = {})
      : seed_(seed), platform_(seed), make_(std::move(make)) {
    if (!make_) {
      make_ = [](PlatformServices& p) { return std::make_unique<Form1>(p); };
    }
    platform_.answer = [this](const ShownBox& box) { return OnBox(box); };
  }
  ~Soak() { form_.reset(); }

  // Runs `events` events; returns an empty text, or what went wrong with
  // the seed, the event and the last events so it can be replayed.
  std::string Run(long events) {
    Start();
    for (event_ = 0; event_ < events && error_.empty(); ++event_) {
      if (ended_) {
        AfterEnd();
      } else {
        Step();
      }
    }
    if (error_.empty()) return {};
    std::string out = "seed " + std::to_string(seed_) + ", event " +
                      std::to_string(event_) + ": " + error_ +
                      "\nlast events (oldest first):";
    for (const std::string& line : trace_) out += "\n  " + line;
    out += "\nreplay: GRIDMARK_SOAK_SEEDS=" + std::to_string(seed_) +
           " GRIDMARK_SOAK_EVENTS=" + std::to_string(event_ + 1);
    return out;
  }

  // Shows the real dialog for 1 in `odds` dialog commands.
  void set_real_dialog_odds(int odds) { platform_.real_dialog_odds = odds; }

  long programs() const { return programs_; }
  long games_ended() const { return games_ended_; }
  long overflows() const { return overflows_; }
  int real_dialogs() const { return platform_.real_dialogs; }

 private:
  enum class Kind {
    kPress,
    kRestart,
    kExit,
    kLevel,
    kHowToPlay,
    kAbout,
    kCloseBox
  };
  struct Score {
    int game = 1, wins = 0, losses = 0, draws = 0;
    bool operator==(const Score&) const = default;
  };
  struct Snapshot {
    std::array<QString, 9> caption;
    std::array<bool, 9> enabled{};
    std::array<QRgb, 9> colour{};
    std::array<QString, 7> texts;
    std::array<bool, 3> menu{};
    bool operator==(const Snapshot&) const = default;
  };

  // ---- Program instances ----------------------------------------------

  void Start() {
    form_.reset();
    platform_.NewEvent();
    form_ = make_(platform_);
    form_->show();
    ++programs_;
    ended_ = false;
    after_end_ = 0;
    closed_ = platform_.closed;
    score_ = {};
    level_ = "Medium";
    menu_ = {true, false, true};
    for (int i = 0; i < 9; ++i)
      cells_[i] = static_cast<CellButton*>(Cell(*form_, i));
    boxes_ = {Find<QLineEdit>(*form_, "txtGamenumber"),
              Find<QLineEdit>(*form_, "txtWins"),
              Find<QLineEdit>(*form_, "txtLosses"),
              Find<QLineEdit>(*form_, "txtDraws")};
    labels_ = {Find<QLabel>(*form_, "lblPlayertype"),
               Find<QLabel>(*form_, "lblCPUtype"),
               Find<QLabel>(*form_, "lblDifficultytype")};
    const char* names[] = {
        "mnuRestartTournament", "mnuExit", "mnuEasy", "mnuMedium", "mnuHard",
        "mnuHowToPlay",         "mnuAbout"};
    for (int i = 0; i < 7; ++i) actions_[i] = Find<QAction>(*form_, names[i]);
    // A third of the programs start with a counter at or near its limit.
    if (platform_.Roll(3) == 0) NearLimit();
    Note("start program " + std::to_string(programs_));
    CheckIdle();
  }

  void NearLimit() {
    Game& game = form_->game();
    const int which = platform_.Roll(4);
    const auto value = static_cast<std::int16_t>(32767 - platform_.Roll(3));
    switch (which) {
      case 0: {
        // Odd, so the empty board still fits the game number.
        const auto odd = static_cast<std::int16_t>(value | 1);
        game.intGameNumber = odd;
        form_->SetText(TextBox::kGamenumber, Str(odd));
        score_.game = odd;
        break;
      }
      case 1:
        game.intWins = value;
        form_->SetText(TextBox::kWins, Str(value));
        score_.wins = value;
        break;
      case 2:
        game.intLosses = value;
        form_->SetText(TextBox::kLosses, Str(value));
        score_.losses = value;
        break;
      default:
        game.intDraws = value;
        form_->SetText(TextBox::kDraws, Str(value));
        score_.draws = value;
        break;
    }
  }

  // ---- Events -----------------------------------------------------------

  void Step() {
    platform_.NewEvent();
    const Snapshot before = Snap();
    const std::size_t boxes = platform_.boxes.size();
    const std::size_t dialogs = platform_.dialogs.size();
    before_marks_ = Marks(*form_);
    game_ended_ = false;
    new_game_ = false;
    expect_game_overflow_ = false;
    const Score score = score_;

    const int roll = platform_.Roll(1000);
    if (roll < 620) {
      Press(platform_.Roll(9));
      CheckPress(before, score);
    } else if (roll < 680) {
      Do(Kind::kRestart, 0);
      if (!ended_) {
        score_ = {};
        Expect(Marks(*form_) == ".........", "restart left marks");
      }
    } else if (roll < 880) {
      const int item = platform_.Roll(3);
      const bool marked = before_marks_ != ".........";
      const bool enabled = menu_[item];
      level_item_ = item;
      Do(Kind::kLevel, item);
      if (!enabled) {
        Expect(Snap() == before, "a disabled level item changed the window");
      } else {
        menu_ = {true, true, true};
        menu_[item] = false;
        if (!marked) level_ = LevelName(kLevels[item]);
        Expect(platform_.boxes.size() == boxes + (marked ? 1 : 0),
               "level question shown or missing");
      }
    } else if (roll < 990) {
      const bool about = platform_.Roll(2) == 0;
      Do(about ? Kind::kAbout : Kind::kHowToPlay, 0);
      Expect(platform_.dialogs.size() == dialogs + 1 &&
                 platform_.dialogs.back() ==
                     (about ? Dialog::kAbout : Dialog::kHowToPlay),
             "dialog not requested");
      Expect(platform_.dialog_fault.empty(), platform_.dialog_fault);
      Expect(Snap() == before, "a dialog changed the window");
    } else if (roll < 997) {
      Do(Kind::kExit, 0);
      Expect(ended_, "Exit did not end the program");
      Expect(Snap() == before, "Exit changed the window");
    } else {
      Note("close box");
      form_->close();
      Expect(!form_->isVisible(), "the close box left the window up");
      Start();
      return;
    }
    if (ended_) {
      Expect(form_->game().Ended(), "ended program still takes events");
      Expect(platform_.closed == closed_ + 1, "program not closed once");
      CheckWindow(true);
      return;
    }
    CheckIdle();
  }

  void Do(Kind kind, int item) {
    kind_ = kind;
    switch (kind) {
      case Kind::kRestart:
        Note("Restart Tournament");
        actions_[0]->trigger();
        break;
      case Kind::kExit:
        Note("Exit");
        actions_[1]->trigger();
        ended_ = true;
        break;
      case Kind::kLevel:
        Note(std::string("level ") + LevelName(kLevels[item]));
        actions_[2 + item]->trigger();
        break;
      case Kind::kHowToPlay:
        Note("How To Play");
        actions_[5]->trigger();
        break;
      case Kind::kAbout:
        Note("About");
        actions_[6]->trigger();
        break;
      default:
        break;
    }
  }

  // A press on any cell, in any of the ways a user presses a button.
  void Press(int i) {
    kind_ = Kind::kPress;
    press_cell_ = i;
    CellButton* cell = cells_[i];
    const int how = platform_.Roll(20);
    const char* ways[] = {"mouse", "click()", "Space", "window"};
    const int way = how < 11 ? 0 : how < 15 ? 1 : how < 19 ? 2 : 3;
    Note(std::string("press ") + std::to_string(i) + " (" + ways[way] +
         (cell->isEnabled() ? "" : ", disabled") + ")");
    switch (way) {
      case 0:
        QTest::mouseClick(cell, Qt::LeftButton);
        break;
      case 1:
        cell->click();
        break;
      case 2:
        QTest::keyClick(cell, Qt::Key_Space);
        break;
      default:
        PressThroughWindow(*form_, i);
        break;
    }
  }

  void CheckPress(const Snapshot& before, const Score& score) {
    const QString was = before_marks_;
    if (was[press_cell_] != '.') {
      Expect(Snap() == before && score_ == score,
             "a press on a taken cell changed the window");
      return;
    }
    if (ended_ || !error_.empty()) return;
    const QString now = Marks(*form_);
    if (new_game_) {
      // The rest of the click runs on the new board and changes nothing.
      const bool odd = score_.game % 2 == 1;
      Expect(now.count('X') == 0 && now.count('O') == (odd ? 0 : 1),
             "the next game does not start as it should");
      return;
    }
    Expect(score_ == score, "scores moved without a game end");
    int new_o = 0;
    for (int j = 0; j < 9; ++j) {
      if (j == press_cell_) {
        Expect(now[j] == 'X', "pressed cell lacks the X");
      } else if (was[j] != '.') {
        Expect(now[j] == was[j], "a mark changed");
      } else if (now[j] == 'O') {
        ++new_o;
      } else {
        Expect(now[j] == '.', "stray mark");
      }
    }
    Expect(new_o == 1, "the computer did not answer with one mark");
  }

  // Further events to a program that has ended: none may do anything.
  void AfterEnd() {
    platform_.NewEvent();
    const Snapshot before = Snap();
    const std::size_t boxes = platform_.boxes.size();
    const std::size_t dialogs = platform_.dialogs.size();
    const Score score = score_;
    if (platform_.Roll(2) == 0) {
      Press(platform_.Roll(9));
    } else {
      const int a = platform_.Roll(7);
      Note("after the end: " + actions_[a]->objectName().toStdString());
      actions_[a]->trigger();
    }
    Expect(Snap() == before && score_ == score &&
               platform_.boxes.size() == boxes &&
               platform_.dialogs.size() == dialogs &&
               platform_.closed == closed_ + 1,
           "an ended program took an event");
    if (++after_end_ >= 3) Start();
  }

  // ---- Boxes --------------------------------------------------------------

  std::int16_t OnBox(const ShownBox& box) {
    Note("  box \"" + box.prompt + "\"");
    Game& game = form_->game();
    const QString red = RedLine();
    if (box.prompt == "You Win, Play Again?" ||
        box.prompt == "You Lose, Play Again?" ||
        box.prompt == "It Was A Draw, Play Again?") {
      const bool win = box.prompt[4] == 'W';
      const bool loss = box.prompt[4] == 'L';
      Expect(kind_ == Kind::kPress && !game_ended_,
             "game-over box outside a press, or twice");
      Expect(box.buttons == Buttons::kYesNo, "play-again box buttons");
      Expect(box.title == (win    ? "You Win"
                           : loss ? "You Lose"
                                  : "No Winner"),
             "play-again box title");
      Expect(red == (win ? "X" : loss ? "O" : ""), "red line wrong under box");
      if (!win && !loss)
        Expect(Marks(*form_).count('.') == 0, "draw with room");
      int& counter = win ? score_.wins : loss ? score_.losses : score_.draws;
      ++counter;
      game_ended_ = true;
      ++games_ended_;
      CheckScore("under the play-again box");
      // Esc and the close box leave a Yes/No box up: no reply yet.
      for (;;) {
        const int roll = platform_.Roll(40);
        if (roll < 34) {
          Note("  Yes");
          new_game_ = true;
          if (score_.game == 32767) {
            expect_game_overflow_ = true;
          } else {
            ++score_.game;
          }
          return kYes;
        }
        if (roll == 34) {
          Note("  No");
          ended_ = true;
          return kNo;
        }
        Note(roll < 37 ? "  Esc (no reply)" : "  close box (no reply)");
      }
    }
    if (box.prompt == kFullPrompt) {
      Expect(box.buttons == Buttons::kOk && box.title == "Gridmark",
             "overflow box");
      const bool full =
          expect_game_overflow_ ? game.intGameNumber == 32767
          : red == "X"          ? score_.wins == 32767 && game.intWins == 32767
          : red == "O" ? score_.losses == 32767 && game.intLosses == 32767
                       : red.isEmpty() && Marks(*form_).count('.') == 0 &&
                             score_.draws == 32767 && game.intDraws == 32767;
      Expect(kind_ == Kind::kPress && full, "overflow box without overflow");
      CheckScore("under the overflow box");
      ++overflows_;
      game_ended_ = true;
      new_game_ = true;
      score_ = {};
      const int roll = platform_.Roll(3);
      Note(roll == 0 ? "  OK" : roll == 1 ? "  Esc" : "  close box");
      return kOk;
    }
    if (box.prompt == "Changing This Setting Will Restart The Tournament") {
      Expect(kind_ == Kind::kLevel && box.title == "Reset?" &&
                 box.buttons == Buttons::kOkCancel &&
                 before_marks_ != ".........",
             "level question out of place");
      const int roll = platform_.Roll(6);
      if (roll < 3) {
        Note("  OK");
        level_ = LevelName(kLevels[level_item_]);
        score_ = {};
        return kOk;
      }
      Note(roll == 3 ? "  Cancel" : roll == 4 ? "  Esc" : "  close box");
      return kCancel;
    }
    Fail("unknown box \"" + box.prompt + "\"");
    return kCancel;
  }

  // ---- Checks -------------------------------------------------------------

  // The mark of the one red line, "" for none, "?" for any other red.
  QString RedLine() const {
    std::vector<int> red;
    for (int i = 0; i < 9; ++i) {
      if (cells_[i]->BackColour() != Face(i)) red.push_back(i);
    }
    if (red.empty()) return {};
    if (red.size() != 3) return QStringLiteral("?");
    for (const Line& line : kLines) {
      if (red == std::vector<int>(line.begin(), line.end())) {
        const QString mark = cells_[red[0]]->text();
        bool one = !mark.isEmpty();
        for (int i : red) {
          one = one && cells_[i]->text() == mark &&
                cells_[i]->BackColour() == QColor(255, 0, 0);
        }
        return one ? mark : QStringLiteral("?");
      }
    }
    return QStringLiteral("?");
  }

  QColor Face(int i) const {
    return cells_[i]->palette().color(QPalette::Active, QPalette::Button);
  }

  void CheckScore(const char* where) {
    const Game& game = form_->game();
    const Score shown{game.intGameNumber, game.intWins, game.intLosses,
                      game.intDraws};
    Expect(shown == score_, std::string("counters moved wrongly ") + where);
    const int values[] = {game.intGameNumber, game.intWins, game.intLosses,
                          game.intDraws};
    for (int i = 0; i < 4; ++i) {
      Expect(boxes_[i]->text().toStdString() ==
                 Str(static_cast<std::int16_t>(values[i])),
             std::string("score box differs from its counter ") + where);
    }
  }

  // The window at rest; `ended` allows the finished game's red line.
  void CheckWindow(bool ended) {
    const Game& game = form_->game();
    int taken = 0;
    int xs = 0;
    int os = 0;
    for (int i = 0; i < 9; ++i) {
      const QString text = cells_[i]->text();
      const bool enabled = cells_[i]->isEnabled();
      if (text.isEmpty()) {
        Expect(enabled, "free cell disabled");
      } else {
        Expect((text == "X" || text == "O") && !enabled,
               "taken cell enabled or bad caption");
        ++taken;
        (text == "X" ? xs : os) += 1;
      }
    }
    const QString red = RedLine();
    Expect(red.isEmpty() || (ended && red != "?"),
           "red cell while no box is up");
    Expect(game.intMoves == taken, "intMoves differs from the taken cells");
    Expect(game.intCell == 9, "intCell is not 9");
    CheckScore("at rest");
    Expect(labels_[0]->text() == "X's" && labels_[1]->text() == "O's",
           "mark labels");
    Expect(labels_[2]->text().toStdString() == level_, "level label");
    for (int i = 0; i < 3; ++i) {
      Expect(actions_[2 + i]->isEnabled() == menu_[i], "level menu flags");
    }
    const bool odd = game.intGameNumber % 2 == 1;
    if (ended) {
      Expect(odd ? xs - os == 0 || xs - os == 1 : os - xs == 0 || os - xs == 1,
             "marks do not fit the opener");
    } else {
      Expect(odd ? xs == os : os == xs + 1, "marks do not fit the opener");
    }
  }

  void CheckIdle() {
    CheckWindow(false);
    Expect(!form_->game().Ended(), "program ended unasked");
    Expect(platform_.closed == closed_, "program closed unasked");
  }

  Snapshot Snap() const {
    Snapshot s;
    for (int i = 0; i < 9; ++i) {
      s.caption[i] = cells_[i]->text();
      s.enabled[i] = cells_[i]->isEnabled();
      s.colour[i] = cells_[i]->BackColour().rgb();
    }
    for (int i = 0; i < 4; ++i) s.texts[i] = boxes_[i]->text();
    for (int i = 0; i < 3; ++i) {
      s.texts[4 + i] = labels_[i]->text();
      s.menu[i] = actions_[2 + i]->isEnabled();
    }
    return s;
  }

  void Expect(bool ok, const std::string& what) {
    if (!ok) Fail(what);
  }
  void Fail(const std::string& what) {
    if (error_.empty()) {
      error_ = what + " (board " + Marks(*form_).toStdString() + ", game " +
               std::to_string(form_->game().intGameNumber) + ")";
    }
  }
  void Note(std::string line) {
    trace_.push_back(std::to_string(event_) + ": " + std::move(line));
    if (trace_.size() > 40) trace_.pop_front();
  }

  std::uint32_t seed_;
  SoakPlatform platform_;
  Factory make_;
  std::unique_ptr<Form1> form_;
  std::array<CellButton*, 9> cells_{};
  std::array<QLineEdit*, 4> boxes_{};
  std::array<QLabel*, 3> labels_{};
  std::array<QAction*, 7> actions_{};

  long event_ = 0;
  long programs_ = 0;
  long games_ended_ = 0;
  long overflows_ = 0;
  bool ended_ = false;
  int after_end_ = 0;
  int closed_ = 0;
  Score score_;
  std::string level_ = "Medium";
  std::array<bool, 3> menu_{true, false, true};

  // The event under way.
  Kind kind_ = Kind::kPress;
  int press_cell_ = 0;
  int level_item_ = 0;
  QString before_marks_;
  bool game_ended_ = false;
  bool new_game_ = false;
  bool expect_game_overflow_ = false;

  std::string error_;
  std::deque<std::string> trace_;
};

}  // namespace gridmark::testing
