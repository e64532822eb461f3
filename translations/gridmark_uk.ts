<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>Угорі ліворуч</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Угорі посередині</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Угорі праворуч</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>Посередині ліворуч</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>У центрі</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>Посередині праворуч</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Унизу ліворуч</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Унизу посередині</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Унизу праворуч</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>порожньо</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>Партія %1. Перемоги: %2, нічиї: %3, поразки: %4. Рівень: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Виграшна лінія: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Партія</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Нічиї</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Перем.</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Поразки</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Гравець</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Рівень</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Комп.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Почати турнір заново</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Рівень</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Легкий</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Середній</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Важкий</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Як грати</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Про програму</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>Ви: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>Комп’ютер: %1.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>X&apos;s</source>
        <translation>X</translation>
    </message>
    <message>
        <source>O&apos;s</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Легкий</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Середній</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Важкий</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Ви перемогли! Ще одну партію?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Перемога</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Ви програли. Ще одну партію?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Поразка</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Нічия! Ще одну партію?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Переможця немає</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Після зміни рівня турнір почнеться заново.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Почати заново?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>Табло не може врахувати більше партій у цьому турнірі. Починається новий турнір.</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Так</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ні</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Gridmark - by the Gridmark developers</source>
        <translation>Gridmark — від розробників Gridmark</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Про програму %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Версія %1.%2</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>Як грати</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Ви що, справді не знаєте, як грати в Gridmark?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Перемагає той, хто першим вишикує в ряд (3) X або O.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Зіграйте в хрестики-нулики з комп’ютером.
Також підтримуються стандартні параметри Qt (-style, -platform, -reverse...).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показати цю довідку й вийти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показати версію й вийти.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неочікуваний аргумент «%1».</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Докладніше: «gridmark --help».</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>Змінну %1 не встановлено</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; не відповідає</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: не вдалося відкрити жодного дисплея (%1)</translation>
    </message>
</context>
</TS>
