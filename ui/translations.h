#pragma once

#include <QFont>
#include <QLocale>

namespace gridmark {

// Shows the game in `locale`'s language from here on: installs the game's
// translation and Qt's own, in place of any installed before, and writes
// numbers in the locale's digits. Where the game has no translation for the
// language it installs neither and returns false, so every text stays in
// English, with English digits.
bool UseLanguage(const QLocale& locale);

// `designed`, or where it lacks letters of the language in force, the same
// size and weight in the family that draws them all.
QFont LanguageFont(const QFont& designed);

// Whether the fonts at hand draw the language in force: without them its
// texts would show as empty boxes.
bool FontsDrawLanguage();

}  // namespace gridmark
