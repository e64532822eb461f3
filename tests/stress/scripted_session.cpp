// One scripted session of the real window, short enough to run under
// valgrind: games, menus, boxes, real dialogs, program ends and restarts.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/stress/soak.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  const long events = argc > 1 ? std::atol(argv[1]) : 2000;
  gridmark::testing::Soak soak(42);
  soak.set_real_dialog_odds(10);
  const std::string error = soak.Run(events);
  if (!error.empty()) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  std::printf("%ld events: %ld programs, %ld games, %d real dialogs\n", events,
              soak.programs(), soak.games_ended(), soak.real_dialogs());
  return 0;
}
