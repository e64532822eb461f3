#pragma once

#include <QLocale>

namespace gridmark {

// Shows the game in `locale`'s language from here on: installs the game's
// translation and Qt's own (for the standard buttons), in place of any
// installed before. Where the game has no translation for the language it
// installs neither and returns false, so every text stays in English.
bool UseLanguage(const QLocale& locale);

// Whether the fonts at hand draw the language in force: without them its
// texts would show as empty boxes.
bool FontsDrawLanguage();

}  // namespace gridmark
