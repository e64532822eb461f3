// The game's own start-up, as in app/main.cpp, ending at Form1's first paint.
#include <QApplication>

#include "bench/startup/first_paint.h"
#include "platform/app_info.h"
#include "platform/qt_platform_services.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(gridmark::kAppTitle));
  QApplication::setWindowIcon(gridmark::ProgramIcon());
  QGuiApplication::setDesktopFileName(
      QStringLiteral("io.github.gridmark.Gridmark"));

  gridmark::QtPlatformServices platform(&gridmark::MakeDialog);
  gridmark::Form1 window(platform);
  QuitOnFirstPaint quit(window);
  window.show();
  return QApplication::exec();
}
