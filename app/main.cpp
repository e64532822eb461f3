#include <QApplication>
#include <cstdio>

#include "app/command_line.h"
#include "app/display.h"
#include "platform/app_info.h"
#include "platform/qt_platform_services.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/program_style.h"
#include "ui/translations.h"

int main(int argc, char** argv) {
  // Both run before QApplication, which would abort without a display.
  gridmark::WindowOptions where;
  if (const auto status = gridmark::ReadCommandLine(argc, argv, &where)) {
    return *status;
  }
  gridmark::DisplayProbe display(where);
  if (!display.answered()) {
    const gridmark::MessageLanguage language;
    std::fprintf(stderr, "%s\n", display.Problem().toLocal8Bit().constData());
    return 1;
  }

  QApplication app(argc, argv);
  display.Release();
  // Before any text is made; English rather than empty boxes where no font
  // at hand draws the user's language.
  if (gridmark::UseLanguage(QLocale::system()) &&
      !gridmark::FontsDrawLanguage()) {
    gridmark::UseLanguage(QLocale::c());
  }
  QApplication::setApplicationName(QString::fromLatin1(gridmark::kAppTitle));
  QApplication::setApplicationVersion(QStringLiteral(GRIDMARK_VERSION));
  // Ties the window to its desktop entry and icon.
  QGuiApplication::setDesktopFileName(
      QStringLiteral("io.github.gridmark.Gridmark"));

  gridmark::UseProgramStyle();

  gridmark::QtPlatformServices platform(&gridmark::MakeDialog);
  gridmark::Form1 window(platform);
  window.show();
  return QApplication::exec();
}
