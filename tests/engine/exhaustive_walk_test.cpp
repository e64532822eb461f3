// Walks every reachable game: every human choice and every cell the
// computer's random move can take, at each level, careful and careless, in a
// game the human opens (game 1) and in one the computer opens (game 2, on each
// opening cell), every box answered Yes. After each click the board, the
// counters and the computer's choice are checked against rules worked out
// here independently of the engine.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "engine/game_flow.h"
#include "platform/numbers.h"
#include "tests/engine/fakes.h"
#include "tests/engine/rig.h"

namespace gridmark {
namespace {

using testing::CellR;
using testing::ChanceR;
using testing::FakeBoard;

const std::array<std::array<int, 3>, 8> kLineTable{{{0, 1, 2},
                                                    {3, 4, 5},
                                                    {6, 7, 8},
                                                    {0, 3, 6},
                                                    {1, 4, 7},
                                                    {2, 5, 8},
                                                    {0, 4, 8},
                                                    {2, 4, 6}}};

// Marks as "XO.", one character a cell.
using Marks = std::string;

int Taken(const Marks& m) {
  int n = 0;
  for (char c : m) n += c == '.' ? 0 : 1;
  return n;
}

// The first complete line of `mark` in table order, or -1.
int FirstLine(const Marks& m, char mark) {
  for (int i = 0; i < 8; ++i) {
    const auto& l = kLineTable[i];
    if (m[l[0]] == mark && m[l[1]] == mark && m[l[2]] == mark) return i;
  }
  return -1;
}

// The cell that completes a line of `mark`, taking each line in turn and its
// third, second, then first cell; -1 if none.
int FirstCompletion(const Marks& m, char mark) {
  for (const auto& l : kLineTable) {
    for (int free : {2, 1, 0}) {
      bool others = true;
      for (int k = 0; k < 3; ++k) {
        if (k != free && m[l[k]] != mark) others = false;
      }
      if (others && m[l[free]] == '.') return l[free];
    }
  }
  return -1;
}

// Each level with an intChance that leaves the computer careful and one that
// makes it careless, whether decided first at "Medium" (start-up) or at the
// level itself.
struct LevelSetup {
  const char* name;
  void (Game::*command)();
  int careful;
  int careless;
};

const LevelSetup kLevelSetups[] = {
    {"Easy", &Game::mnuEasy_Click, 10, 60},
    {"Medium", &Game::mnuMedium_Click, 60, 30},
    {"Hard", &Game::mnuHard_Click, 60, 10},
};

const std::string kPlayerLabel = "label Playertype X's";
const std::string kCPULabel = "label CPUtype O's";

// The message is only built when the check fails: the walk checks millions.
#define WALK_EXPECT(ok, what) \
  do {                        \
    if (!(ok)) Fail(what);    \
  } while (false)

struct WalkFailure {
  std::string what;
};

// Plays the game's platform: every box is answered Yes, and each draw is a
// choice point that the walk steers.
class Walker : public PlatformServices {
 public:
  explicit Walker(const LevelSetup& level) : level_(level) {}

  long games = 0;
  long events = 0;
  int even_games_opened = 0;
  // Finished games by game number (1 or 2) and careless state.
  std::array<std::array<long, 2>, 3> games_by{};

  void Run(bool careless) {
    board_ = FakeBoard();
    static_cast<ModuleState&>(game_) = ModuleState();
    seeded_ = 0;
    next_ = Draw::kChance;
    forced_chance_ = careless ? level_.careless : level_.careful;
    Event([&] { game_.Form_Load(); });
    Event([&] { (game_.*(level_.command))(); });
    // Start-up decides first at "Medium".
    const bool careless_at_start =
        careless && std::string(level_.name) == "Medium";
    WALK_EXPECT(game_.intCareless == (careless_at_start ? 1 : 0) &&
                    Taken(MarksOf()) == 0 &&
                    board_.label[Label::kDifficultytype] == level_.name,
                "start-up");
    path_.clear();
    Walk(careless);
  }

  // PlatformServices.
  std::int16_t MsgBox(const std::string& prompt, Buttons buttons,
                      const std::string& title) override {
    WALK_EXPECT(buttons == Buttons::kYesNo, "box buttons: " + prompt);
    titles_.push_back(title);
    // The finished game is on show: its line red, the new score written.
    const Marks m = MarksOf();
    int line = -1;
    std::string counter;
    if (title == "You Win") {
      line = FirstLine(m, 'X');
      counter = board_.text[TextBox::kWins] == Str(game_.intWins) ? "" : "W";
    } else if (title == "You Lose") {
      line = FirstLine(m, 'O');
      counter =
          board_.text[TextBox::kLosses] == Str(game_.intLosses) ? "" : "L";
    } else {
      WALK_EXPECT(title == "No Winner" && Taken(m) == 9, "draw box on " + m);
      counter = board_.text[TextBox::kDraws] == Str(game_.intDraws) ? "" : "D";
    }
    WALK_EXPECT(counter.empty(), "score not shown before the box " + title);
    WALK_EXPECT(title == "No Winner" || line >= 0, title + " without a line");
    for (int i = 0; i < 9; ++i) {
      const bool on_line =
          line >= 0 && (kLineTable[line][0] == i || kLineTable[line][1] == i ||
                        kLineTable[line][2] == i);
      WALK_EXPECT(board_.colour[i] == (on_line ? kRed : kButtonFace),
                  "red cells at " + title + " on " + m);
    }
    next_ = Draw::kChance;
    return kYes;
  }
  double Timer() override { return 0.5; }
  void Randomize(double) override { ++seeded_; }
  float Rnd() override {
    switch (next_) {
      case Draw::kChance: {
        // NewGame draws intChance before raising the game number.
        const int new_game = game_.intGameNumber + 1;
        next_ = new_game % 2 == 0 ? Draw::kOpening : Draw::kCell;
        if (forced_chance_ != 0) {
          const int chance = forced_chance_;
          forced_chance_ = 0;
          next_ = Draw::kCell;
          return ChanceR(chance);
        }
        open_game2_ = new_game == 2 && even_games_opened < 18;
        careless_next_ = open_game2_ && Choose(2) == 1;
        return ChanceR(careless_next_ ? level_.careless : level_.careful);
      }
      case Draw::kOpening:
        next_ = Draw::kCell;
        opening_ = open_game2_ ? Choose(9) : 0;
        return CellR(opening_);
      case Draw::kCell:
        break;
    }
    // The random move: one deliberate miss on a taken cell, then each free
    // cell in turn.
    std::vector<int> free;
    int taken = -1;
    for (int i = 0; i < 9; ++i) {
      if (board_.enabled[i]) {
        free.push_back(i);
      } else if (taken < 0) {
        taken = i;
      }
    }
    WALK_EXPECT(!free.empty(), "random move on a full board");
    int cell = taken;
    if (missed_ || taken < 0) {
      cell = free[Choose(static_cast<int>(free.size()))];
    }
    missed_ = true;
    cell_draws_.push_back(cell);
    return CellR(cell);
  }
  void CloseProgram() override { WALK_EXPECT(false, "program closed"); }
  void ShowDialog(Dialog) override { WALK_EXPECT(false, "dialog shown"); }

 private:
  enum class Draw { kCell, kChance, kOpening };

  struct Snapshot {
    ModuleState state;
    std::array<std::string, 9> caption;
    std::array<bool, 9> enabled;
    std::map<TextBox, std::string> text;
  };

  void Event(const std::function<void()>& handler) {
    game_.HandleEvent(handler);
    ++events;
  }

  Marks MarksOf() const { return board_.Marks(); }

  Snapshot Take() const {
    return {game_, board_.caption, board_.enabled, board_.text};
  }
  void Restore(const Snapshot& s) {
    static_cast<ModuleState&>(game_) = s.state;
    board_.caption = s.caption;
    board_.enabled = s.enabled;
    board_.colour.fill(kButtonFace);
    board_.text = s.text;
    board_.log.clear();
  }

  // The choice at the next choice point of this click: as given for a
  // replayed prefix, else the first of the `n` options.
  int Choose(int n) {
    if (point_ == choices_.size()) choices_.push_back(0);
    if (point_ == options_.size()) options_.push_back(n);
    WALK_EXPECT(choices_[point_] < n, "choice point changed between replays");
    return choices_[point_++];
  }

  [[noreturn]] void Fail(const std::string& what) const {
    std::ostringstream out;
    out << level_.name << ", clicks";
    for (const auto& [cell, choices] : path_) {
      out << " " << cell << Describe(choices);
    }
    out << ": " << what;
    throw WalkFailure{out.str()};
  }

  // Explores every click from the current position, and every choice of the
  // draws inside each click.
  void Walk(bool careless) {
    const Snapshot here = Take();
    const Marks before = MarksOf();
    for (std::int16_t h = 0; h < 9; ++h) {
      if (!here.enabled[h]) continue;  // the window clicks enabled cells only
      std::vector<int> choices;
      for (;;) {
        Restore(here);
        choices_ = choices;
        options_.clear();
        point_ = 0;
        missed_ = false;
        open_game2_ = false;
        cell_draws_.clear();
        titles_.clear();
        path_.push_back({h, choices});
        Event([&] { game_.cmd1_Click(h); });

        const bool ended = game_.intGameNumber != here.state.intGameNumber;
        Check(here, before, h, careless);
        // Choice points are member state: keep them before going deeper.
        const std::vector<int> made = choices_;
        const std::vector<int> options = options_;
        if (!ended) {
          Walk(careless);
        } else {
          ++games;
          ++games_by.at(static_cast<std::size_t>(here.state.intGameNumber))
                .at(careless ? 1 : 0);
          if (open_game2_ && game_.intGameNumber == 2) {
            ++even_games_opened;
            Walk(careless_next_);
          }
        }
        path_.pop_back();

        int i = static_cast<int>(made.size()) - 1;
        while (i >= 0 && made[i] + 1 >= options[i]) --i;
        if (i < 0) break;
        choices.assign(made.begin(), made.begin() + i + 1);
        ++choices[i];
      }
    }
  }

  static std::string Describe(const std::vector<int>& choices) {
    std::string out;
    for (int c : choices) out += "/" + std::to_string(c);
    return out;
  }

  void Check(const Snapshot& here, const Marks& before, int h, bool careless) {
    const ModuleState& was = here.state;
    const bool hard = std::string(level_.name) == "Hard";
    Marks expected = before;
    expected[h] = 'X';
    std::vector<std::string> log{"enabled " + std::to_string(h) + " 0",
                                 "caption " + std::to_string(h) + " X"};
    // The human's mark ends the game, or the computer answers.
    std::string result;
    int line = FirstLine(expected, 'X');
    if (line >= 0 || Taken(expected) == 9) {
      result = line >= 0 ? "You Win" : "No Winner";
      WALK_EXPECT(cell_draws_.empty(),
                  "the computer drew after the game ended");
    } else {
      int cell = -1;
      const int block = FirstCompletion(expected, 'X');
      const int win = FirstCompletion(expected, 'O');
      if (!careless && block >= 0) {
        cell = block;
      } else if (hard && win >= 0) {
        cell = win;
      }
      if (cell >= 0) {
        WALK_EXPECT(cell_draws_.empty(), "drew although it could block or win");
      } else {
        // Otherwise only the random draw decides.
        WALK_EXPECT(!cell_draws_.empty(), "no random draw");
        cell = cell_draws_.back();
        for (std::size_t i = 0; i + 1 < cell_draws_.size(); ++i) {
          WALK_EXPECT(expected[cell_draws_[i]] != '.', "free cell passed over");
        }
      }
      WALK_EXPECT(expected[cell] == '.', "computer took a taken cell");
      expected[cell] = 'O';
      log.push_back("enabled " + std::to_string(cell) + " 0");
      log.push_back("caption " + std::to_string(cell) + " O");
      line = FirstLine(expected, 'O');
      if (line >= 0) {
        result = "You Lose";
      } else if (Taken(expected) == 9) {
        result = "No Winner";
      }
    }

    // The log: every mark on a free, already disabled cell.
    std::array<std::string, 9> caption = here.caption;
    std::array<bool, 9> enabled = here.enabled;
    for (const std::string& entry : board_.log) {
      const bool is_caption = entry.rfind("caption ", 0) == 0;
      if (!is_caption && entry.rfind("enabled ", 0) != 0) continue;
      const int cell = entry[8] - '0';
      const std::string_view value = std::string_view(entry).substr(10);
      if (!is_caption) {
        enabled[cell] = value == "1";
      } else {
        if (!value.empty()) {
          WALK_EXPECT(caption[cell].empty(),
                      "mark written over a mark: " + entry);
          WALK_EXPECT(!enabled[cell],
                      "mark written on an enabled cell: " + entry);
        }
        caption[cell] = value;
      }
    }

    const bool ended = !result.empty();
    WALK_EXPECT(ended == (game_.intGameNumber == was.intGameNumber + 1) &&
                    (ended || game_.intGameNumber == was.intGameNumber),
                "game number after " + expected);
    WALK_EXPECT(titles_ == (ended ? std::vector<std::string>{result}
                                  : std::vector<std::string>{}),
                "boxes after " + expected);
    const int wins = result == "You Win" ? 1 : 0;
    const int losses = result == "You Lose" ? 1 : 0;
    const int draws = result == "No Winner" ? 1 : 0;
    WALK_EXPECT(game_.intWins == was.intWins + wins &&
                    game_.intLosses == was.intLosses + losses &&
                    game_.intDraws == was.intDraws + draws,
                "score after " + expected);

    // After a game: its line, its score, then the next game set up.
    std::vector<std::string> tail;
    if (ended) {
      if (line >= 0) {
        for (int cell : kLineTable[line]) {
          log.push_back("colour " + std::to_string(cell) + " 255");
        }
      }
      const char* box = wins     ? "text Wins "
                        : losses ? "text Losses "
                                 : "text Draws ";
      const int count = wins     ? game_.intWins
                        : losses ? game_.intLosses
                                 : game_.intDraws;
      log.push_back(box + std::to_string(count));
      log.push_back("text Gamenumber " + std::to_string(game_.intGameNumber));
      log.push_back(kPlayerLabel);
      log.push_back(kCPULabel);
      expected = Marks(9, '.');
      if (game_.intGameNumber % 2 == 0) {
        expected[opening_] = 'O';
        tail.push_back("enabled " + std::to_string(opening_) + " 0");
        tail.push_back("caption " + std::to_string(opening_) + " O");
      }
      WALK_EXPECT(game_.intCareless == 0,
                  "careless carried into the next game");
      WALK_EXPECT(game_.intCPUTurn == (game_.intGameNumber % 2 == 1 ? 1 : 0),
                  "opener of the next game");
    } else {
      WALK_EXPECT(game_.intCareless == (careless ? 1 : 0), "careless state");
    }
    static const std::vector<std::string> clearing = testing::ClearingLog();
    const std::size_t cleared = ended ? clearing.size() : 0;
    const auto& actual = board_.log;
    WALK_EXPECT(actual.size() == log.size() + cleared + tail.size() &&
                    std::equal(log.begin(), log.end(), actual.begin()) &&
                    std::equal(clearing.begin(), clearing.begin() + cleared,
                               actual.begin() + log.size()) &&
                    std::equal(tail.begin(), tail.end(),
                               actual.begin() + log.size() + cleared),
                "log after " + expected);
    WALK_EXPECT(MarksOf() == expected,
                "board " + MarksOf() + " for " + expected);

    // The invariants between events.
    for (int i = 0; i < 9; ++i) {
      const std::string& c = board_.caption[i];
      WALK_EXPECT((c.empty() && board_.enabled[i]) ||
                      ((c == "X" || c == "O") && !board_.enabled[i]),
                  "cell " + std::to_string(i) + " neither free nor taken");
      WALK_EXPECT(board_.colour[i] == kButtonFace, "colour left on the board");
    }
    WALK_EXPECT(game_.intMoves == Taken(MarksOf()), "intMoves");
    WALK_EXPECT(game_.intCell == 9, "intCell");
    WALK_EXPECT(
        board_.text[TextBox::kWins] == Str(game_.intWins) &&
            board_.text[TextBox::kLosses] == Str(game_.intLosses) &&
            board_.text[TextBox::kDraws] == Str(game_.intDraws) &&
            board_.text[TextBox::kGamenumber] == Str(game_.intGameNumber),
        "scoreboard");
    WALK_EXPECT(seeded_ == 1, "seeded again");
  }

  const LevelSetup& level_;
  FakeBoard board_;
  Game game_{board_, *this};

  Draw next_ = Draw::kChance;
  int forced_chance_ = 0;
  std::vector<int> choices_;
  std::vector<int> options_;
  std::size_t point_ = 0;
  bool missed_ = false;
  bool open_game2_ = false;
  bool careless_next_ = false;
  int opening_ = 0;
  std::vector<int> cell_draws_;
  std::vector<std::string> titles_;
  // The clicks so far and the choices made in each, for failure messages.
  std::vector<std::pair<int, std::vector<int>>> path_;
  int seeded_ = 0;
};

TEST(ExhaustiveWalk, EveryReachableGameKeepsTheRules) {
  // The levels share nothing, so each is walked on a thread of its own.
  struct Result {
    long games = 0;
    long events = 0;
    int even_games_opened = 0;
    std::array<std::array<long, 2>, 3> games_by{};
    std::string failure;
  };
  std::array<Result, 3> results;
  const auto start = std::chrono::steady_clock::now();
  std::vector<std::thread> threads;
  for (std::size_t i = 0; i < results.size(); ++i) {
    threads.emplace_back([&results, i] {
      Walker walker(kLevelSetups[i]);
      try {
        walker.Run(false);
        walker.Run(true);
      } catch (const WalkFailure& failure) {
        results[i].failure = failure.what;
      }
      results[i].games = walker.games;
      results[i].events = walker.events;
      results[i].even_games_opened = walker.even_games_opened;
      results[i].games_by = walker.games_by;
    });
  }
  for (auto& thread : threads) thread.join();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
          .count();

  long games = 0;
  long events = 0;
  for (std::size_t i = 0; i < results.size(); ++i) {
    const Result& r = results[i];
    EXPECT_EQ(r.failure, "");
    EXPECT_EQ(r.even_games_opened, 18) << kLevelSetups[i].name;
    if (i < 2) {
      // Careless at Easy and Medium the computer only plays at random: every
      // one of the 255168 games of noughts and crosses, whoever opens.
      EXPECT_EQ(r.games_by[1][1], 255168) << kLevelSetups[i].name;
      EXPECT_EQ(r.games_by[2][1], 255168) << kLevelSetups[i].name;
    }
    std::printf(
        "[ walk     ] %-6s %9ld games %9ld events (game 1: %ld careful, %ld "
        "careless; game 2: %ld careful, %ld careless)\n",
        kLevelSetups[i].name, r.games, r.events, r.games_by[1][0],
        r.games_by[1][1], r.games_by[2][0], r.games_by[2][1]);
    games += r.games;
    events += r.events;
  }
  std::printf("[ walk     ] total  %9ld games %9ld events in %.2f s\n", games,
              events, seconds);
  ::testing::Test::RecordProperty("games", std::to_string(games));
  ::testing::Test::RecordProperty("events", std::to_string(events));
}

}  // namespace
}  // namespace gridmark
