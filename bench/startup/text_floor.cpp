// The least any window with text costs: a bare window of the game's size
// showing one label in the default font, which brings in fontconfig, the
// font database and a font engine.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(287, 354);
  QLabel label(QStringLiteral("Gridmark"), &window);
  label.move(20, 20);
  window.show();
  return QApplication::exec();
}
