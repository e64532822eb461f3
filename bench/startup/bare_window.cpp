// The yardstick: a bare Qt Widgets window, shown and painted once.
#include <QApplication>
#include <QWidget>

#include "bench/startup/first_paint.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(287, 354);
  QuitOnFirstPaint quit(window);
  window.show();
  return QApplication::exec();
}
