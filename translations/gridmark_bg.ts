<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>Горе вляво</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Горе в средата</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Горе вдясно</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>В средата вляво</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>В центъра</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>В средата вдясно</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Долу вляво</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Долу в средата</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Долу вдясно</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>празно</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>Игра %1. Победи: %2, равни: %3, загуби: %4. Трудност: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Печеливша линия: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Игра</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Равни</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Победи</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Загуби</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Играч</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Трудност</translation>
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
        <translation>&amp;Нов турнир</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Изход</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Трудност</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Лесна</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Средна</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Трудна</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Помощ</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Как се играе</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Относно</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>Вие: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>Компютър: %1.</translation>
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
        <translation>Лесна</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средна</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Трудна</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Спечелихте! Още една игра?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Победа</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Загубихте. Още една игра?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Загуба</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Равенство! Още една игра?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Няма победител</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>При промяна на трудността турнирът ще започне отначало.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Започване отначало?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>Турнирът достигна най-големия брой игри, който таблото може да отчете. Започва нов турнир.</translation>
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
        <translation>&amp;Не</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Добре</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>Добре</translation>
    </message>
    <message>
        <source>Gridmark - by the Gridmark developers</source>
        <translation>Gridmark — от разработчиците на Gridmark</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Относно %1</translation>
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
        <translation>Добре</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>Как се играе</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Наистина ли не знаете правилата на Gridmark?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Печели първият, който подреди в редица (3) X или O.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Играйте на морски шах срещу компютъра.
Приемат се и стандартните опции на Qt (-style, -platform, -reverse...).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показва тази помощ и излиза.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показва версията и излиза.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неочакван аргумент „%1“.</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Вижте „gridmark --help“.</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>Променливата %1 не е зададена</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; не отговаря</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: не може да се отвори нито един дисплей (%1)</translation>
    </message>
</context>
</TS>
