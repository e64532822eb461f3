#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

#include "app/command_line.h"

struct xcb_connection_t;

namespace gridmark {

// Qt aborts when no platform asked for exists or its platform finds no
// display, so the game asks first: the platforms named are looked up among
// Qt's plugins, and the window systems Qt will try are each given a quick
// connection. A platform without a display server, such as offscreen, needs
// no check.
class DisplayProbe {
 public:
  explicit DisplayProbe(const WindowOptions& window);
  ~DisplayProbe();
  DisplayProbe(const DisplayProbe&) = delete;
  DisplayProbe& operator=(const DisplayProbe&) = delete;

  // Whether Qt will find a platform and its display.
  bool answered() const { return answered_; }
  // When not, the one line to print, in the language installed.
  QString Problem() const;

  // Call once Qt holds its own connection: an X server whose last client
  // leaves resets, and refuses the next client for a moment.
  void Release();

 private:
  // Each variable (or option) naming a display that did not answer, and its
  // value.
  std::vector<std::pair<QString, QByteArray>> tried_;
  bool answered_ = true;
  // Whether a platform asked for exists; when none does, the first asked for
  // and those there are.
  bool platform_exists_ = true;
  QString asked_;
  QStringList platforms_;
  xcb_connection_t* x_connection_ = nullptr;
};

}  // namespace gridmark
