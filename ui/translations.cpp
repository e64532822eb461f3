#include "ui/translations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
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
// the language, which mirrors the windows, the standard buttons and the
// context menus of the texts a player can copy, which Qt translates into
// fewer languages than the game speaks. The game's catalogue is installed
// last, so its translation wins.
struct Text {
  const char* source;
  const char* comment;
};
[[maybe_unused]] constexpr Text kDirection = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or "
    "to 'RTL' in right-to-left languages (such as Hebrew and Arabic) to get "
    "proper widget layout.");
[[maybe_unused]] constexpr const char* kQtTexts[] = {
    //: A button of the box that ends a game (Yes: play again).
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    //: A button of the box that ends a game (No: end the program).
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    //: A button of the box that asks before a level change restarts the
    //: tournament.
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    //: A button of the box that asks before a level change restarts the
    //: tournament: keeps the tournament and the level.
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    //: Right-click menu of a score box: copies the selected number.
    QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),
    //: Right-click menu of a score box.
    QT_TRANSLATE_NOOP("QLineEdit", "Select All"),
    //: Right-click menu of the notice in the About box: copies the selection.
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Copy"),
    //: Right-click menu of the notice in the About box.
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Select All"),
    //: The Control key, as right-click menus show it beside an item
    //: ("Ctrl+C"): the name printed on the key in your language.
    QT_TRANSLATE_NOOP("QShortcut", "Ctrl"),
};

// Texts of the language in force that the window's own fonts show: the
// captions and the values beside them, the headline of How To Play, and the
// digits.
QString Sample() {
  QString sample = QLocale().toString(1234567890);
  for (const auto& [context, text] :
       {std::pair{"Form1", "Game"},
        {"Form1", "Draws"},
        {"Form1", "Wins"},
        {"Form1", "Losses"},
        {"Form1", "Player"},
        {"Form1", "Difficulty"},
        {"Form1", "CPU"},
        {"Game", "X's"},
        {"Game", "O's"},
        {"Game", "Easy"},
        {"Game", "Medium"},
        {"Game", "Hard"},
        {"frmHowToPlay", "You seriously don't know how to play Gridmark?"}}) {
    sample += QLatin1Char(' ') + QCoreApplication::translate(context, text);
  }
  return sample;
}

// The game's catalogue for the first of the locale's languages it has, its
// own country's before the language's: Brazil has one beside Portugal's,
// which Qt's own search would find first.
QString Catalogue(const QLocale& locale) {
  for (const QString& language : locale.uiLanguages()) {
    const QString name = QLocale(language).name();
    for (const QString& catalogue :
         {name, name.section(QLatin1Char('_'), 0, 0)}) {
      const QString file =
          QStringLiteral(":/i18n/gridmark_%1.qm").arg(catalogue);
      if (QFile::exists(file)) {
        return file;
      }
    }
  }
  return {};
}

}  // namespace

bool UseLanguage(const QLocale& locale) {
  [[maybe_unused]] static const bool registered = (InitTranslations(), true);
  static QTranslator game;
  static QTranslator qt;
  QCoreApplication::removeTranslator(&game);
  QCoreApplication::removeTranslator(&qt);
  const bool found = game.load(Catalogue(locale));
  // Numbers in the player's digits, plain as counters are: no separators.
  QLocale numbers = found ? locale : QLocale::c();
  numbers.setNumberOptions(QLocale::OmitGroupSeparator);
  QLocale::setDefault(numbers);
  if (!found) {
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

QFont LanguageFont(const QFont& designed) {
  // Which letters a family has does not depend on the size: one look per
  // family, weight and language.
  static QHash<QString, QString> families;
  const QString key =
      QStringLiteral("%1|%2|%3")
          .arg(designed.family(), QString::number(designed.weight()),
               QLocale().name());
  auto found = families.constFind(key);
  if (found == families.constEnd()) {
    found = families.insert(key, FontFor(Sample(), designed).family());
  }
  QFont font = designed;
  font.setFamily(*found);
  return font;
}

}  // namespace gridmark
