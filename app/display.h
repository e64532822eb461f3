#pragma once

#include <QString>

#include "app/command_line.h"

namespace gridmark {

// Qt aborts when its platform finds no display, so the game asks first: the
// window systems Qt will try are each given a quick connection. Returns an
// empty text when one answers (or when a platform without a display server,
// such as offscreen, was chosen), else the one line to print.
QString NoDisplayMessage(const WindowOptions& window);

}  // namespace gridmark
