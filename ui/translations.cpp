#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

// Resources of a static library need registering by hand, from outside any
// namespace as the macro requires.
static void InitTranslations() { Q_INIT_RESOURCE(translations); }

namespace gridmark {

bool UseLanguage(const QLocale& locale) {
  [[maybe_unused]] static const bool registered = (InitTranslations(), true);
  static QTranslator game;
  static QTranslator qt;
  QCoreApplication::removeTranslator(&game);
  QCoreApplication::removeTranslator(&qt);
  if (!game.load(locale, QStringLiteral("gridmark"), QStringLiteral("_"),
                 QStringLiteral(":/i18n"))) {
    return false;
  }
  // Qt's buttons in the language the game speaks, never in one it does not.
  if (qt.load(QLocale(game.language()), QStringLiteral("qtbase"),
              QStringLiteral("_"),
              QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&qt);
  }
  QCoreApplication::installTranslator(&game);
  return true;
}

}  // namespace gridmark
