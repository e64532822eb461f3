#include "ui/translations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <utility>

#include "ui/text_fit.h"

// Resources of a static library need registering by hand, from outside any
// namespace as the macro requires.
static void InitTranslations() { Q_INIT_RESOURCE(translations); }

namespace gridmark {

namespace {

// Qt's own texts that every catalogue of the game carries: the direction of
// the language, which mirrors the windows, and the standard buttons, which
// Qt translates into fewer languages than the game speaks.
struct Text {
  const char* source;
  const char* comment;
};
[[maybe_unused]] constexpr Text kDirection = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or "
    "to 'RTL' in right-to-left languages (such as Hebrew and Arabic) to get "
    "proper widget layout.");
[[maybe_unused]] constexpr const char* kButtons[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
};

}  // namespace

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

bool FontsDrawLanguage() {
  // One text of each window; a script's glyphs come from one font.
  for (const auto& [context, text] :
       {std::pair{"Form1", "&Difficulty"},
        {"Game", "You Win, Play Again?"},
        {"frmHowToPlay", "You seriously don't know how to play Gridmark?"}}) {
    if (!Drawable(QCoreApplication::translate(context, text),
                  QApplication::font())) {
      return false;
    }
  }
  return true;
}

}  // namespace gridmark
