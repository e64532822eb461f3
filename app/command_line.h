#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

namespace gridmark {

// The Qt options that decide where the window opens.
struct WindowOptions {
  QString platform;     // -platform, empty when not given
  QString display;      // -display (X11), empty when not given
  QString plugin_path;  // -platformpluginpath, empty when not given
};

// A short-lived application speaking the user's language, for the messages
// printed on the ways out before the window opens. Its only argument is the
// program's name, which --help shows.
class MessageLanguage {
 public:
  MessageLanguage();

 private:
  int argc_ = 1;
  char name_[9] = "gridmark";
  char* argv_[2] = {name_, nullptr};
  QCoreApplication application_;
};

// Reads the command line before Qt starts, so that --help and --version work
// without a display. Prints what they ask for, or one line naming a wrong
// argument, in the user's language, and returns the status to exit with;
// returns nothing when the game is to be played. Qt's own options are let
// through for QApplication.
std::optional<int> ReadCommandLine(int argc, char** argv,
                                   WindowOptions* window);

}  // namespace gridmark
