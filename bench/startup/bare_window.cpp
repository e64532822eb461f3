// The yardstick: a bare Qt Widgets window of the game's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(287, 354);
  window.show();
  return QApplication::exec();
}
