<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>Вверху слева</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Вверху посередине</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Вверху справа</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>Посередине слева</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>В центре</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>Посередине справа</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Внизу слева</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Внизу посередине</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Внизу справа</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>Партия %1. Выигрыши: %2, ничьи: %3, проигрыши: %4. Уровень: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Выигрышная линия: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Партия</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Ничьи</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Выигр.</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Проигр.</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Игрок</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Уровень</translation>
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
        <translation>&amp;Начать турнир заново</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Уровень</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Лёгкий</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Средний</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Трудный</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Как играть</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>Вы: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>Компьютер: %1.</translation>
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
        <translation>Лёгкий</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средний</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Трудный</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Вы выиграли! Ещё партию?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Вы выиграли</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Вы проиграли. Ещё партию?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Вы проиграли</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Ничья! Ещё партию?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Победителя нет</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>При смене уровня турнир начнётся заново.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Начать заново?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>Табло не может учесть больше партий в этом турнире. Начинается новый турнир.</translation>
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
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Gridmark - by the Gridmark developers</source>
        <translation>Gridmark — от разработчиков Gridmark</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Версия %1.%2</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>Как играть</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Вы что, правда не знаете, как играть в Gridmark?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Побеждает тот, кто первым выстроит в ряд (3) X или O.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Сыграйте в крестики-нолики с компьютером.
Также принимаются стандартные параметры Qt (-style, -platform, -reverse...).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неожиданный аргумент «%1».</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Подробнее: «gridmark --help».</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>Переменная %1 не задана</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; не отвечает</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: не удалось открыть ни один дисплей (%1)</translation>
    </message>
</context>
</TS>
