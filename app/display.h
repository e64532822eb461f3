#pragma once

#include <QString>

#include "app/command_line.h"

struct xcb_connection_t;

namespace gridmark {

// Qt aborts when its platform finds no display, so the game asks first: the
// window systems Qt will try are each given a quick connection. A platform
// without a display server, such as offscreen, needs no check.
class DisplayProbe {
 public:
  explicit DisplayProbe(const WindowOptions& window);
  ~DisplayProbe();
  DisplayProbe(const DisplayProbe&) = delete;
  DisplayProbe& operator=(const DisplayProbe&) = delete;

  // Empty when a display answered, else the one line to print.
  const QString& problem() const { return problem_; }

  // Call once Qt holds its own connection: an X server whose last client
  // leaves resets, and refuses the next client for a moment.
  void Release();

 private:
  QString problem_;
  xcb_connection_t* x_connection_ = nullptr;
};

}  // namespace gridmark
