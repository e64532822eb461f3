#include <QApplication>

#include "platform/app_info.h"
#include "platform/qt_platform_services.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/translations.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Before any text is made, the command-line help included.
  gridmark::UseLanguage(QLocale::system());
  QApplication::setApplicationName(QString::fromLatin1(gridmark::kAppTitle));
  QApplication::setApplicationVersion(QStringLiteral(GRIDMARK_VERSION));
  QApplication::setWindowIcon(gridmark::ProgramIcon());
  // Ties the window to its desktop entry and icon.
  QGuiApplication::setDesktopFileName(
      QStringLiteral("io.github.gridmark.Gridmark"));

  gridmark::QtPlatformServices platform(&gridmark::MakeDialog);
  gridmark::Form1 window(platform);
  window.show();
  return QApplication::exec();
}
