#pragma once

#include <QString>
#include <optional>

namespace gridmark {

// The Qt options that decide where the window opens.
struct WindowOptions {
  QString platform;  // -platform, empty when not given
  QString display;   // -display (X11), empty when not given
};

// Reads the command line before Qt starts, so that --help and --version work
// without a display. Prints what they ask for, or one line naming a wrong
// argument, and returns the status to exit with; returns nothing when the game
// is to be played. Qt's own options are let through for QApplication.
std::optional<int> ReadCommandLine(int argc, char** argv,
                                   WindowOptions* window);

}  // namespace gridmark
