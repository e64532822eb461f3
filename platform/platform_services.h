#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace gridmark {

// Reply codes of a message box.
enum Reply : std::int16_t { kOk = 1, kCancel = 2, kYes = 6, kNo = 7 };

// Button sets of a message box; the first button is always the default.
enum class Buttons { kYesNo, kOkCancel, kOk };

enum class Dialog { kHowToPlay, kAbout };

// Thrown to end the program: it unwinds the running handler and all its
// callers up to the event boundary, so no later step of any of them runs.
struct ProgramEnded {};

// Raised by a guarded increment of a counter that already holds 32767.
class CounterOverflow : public std::overflow_error {
 public:
  CounterOverflow() : std::overflow_error("Overflow") {}
};

// What the game needs from the windowing platform. The engine and the window
// reach message boxes, randomness, dialogs and the end of the program only
// through this, so tests can script every one of them.
class PlatformServices {
 public:
  virtual ~PlatformServices() = default;

  // Modal; returns kYes/kNo, kOk/kCancel or kOk for the three button sets.
  virtual std::int16_t MsgBox(const std::string& prompt, Buttons buttons,
                              const std::string& title) = 0;

  // Seconds since midnight, with fraction.
  virtual double Timer() = 0;
  virtual void Randomize(double seed) = 0;
  // Uniform in [0, 1), never 1.
  virtual float Rnd() = 0;

  // Closes every window once the running handler has unwound.
  virtual void CloseProgram() = 0;

  // Creates the dialog on first use, loads it afresh and shows it modally;
  // returns once it has been closed.
  virtual void ShowDialog(Dialog dialog) = 0;
};

// Stops the running handler at once; the event boundary closes the program.
[[noreturn]] inline void EndProgram() { throw ProgramEnded{}; }

}  // namespace gridmark
