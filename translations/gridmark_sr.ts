<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>Горе лево</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Горе у средини</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Горе десно</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>У средини лево</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>У средини</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>У средини десно</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Доле лево</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Доле у средини</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Доле десно</translation>
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
        <translation>Игра %1. Победе: %2, ремији: %3, порази: %4. Тежина: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Победничка линија: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Игра</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Ремији</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Победе</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Порази</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Играч</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Тежина</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Рачунар</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Датотека</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Поново покрени турнир</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Излаз</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Тежина</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Лака</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Средња</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Тешка</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Помоћ</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Како се игра</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О програму</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>Ви: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>Рачунар: %1.</translation>
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
        <translation>Лака</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средња</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Тешка</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Победили сте! Још једна игра?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Победа</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Изгубили сте. Још једна игра?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Пораз</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Реми! Још једна игра?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Нема победника</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Промена тежине покренуће турнир испочетка.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Почети испочетка?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>Овај турнир је достигао највећи број игара који табела резултата може да изброји. Почиње нови турнир.</translation>
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
        <translation>У реду</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Откажи</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>У реду</translation>
    </message>
    <message>
        <source>Gridmark - by the Gridmark developers</source>
        <translation>Gridmark — развио тим Gridmark</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>О програму %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Верзија %1.%2</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>OK</source>
        <translation>У реду</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>Како се игра</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Стварно не знате како се игра Gridmark?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Побеђује онај ко први поређа у низ (3) X или O.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Играјте икс-окс против рачунара.
Подржане су и стандардне Qt опције (-style, -platform, -reverse...).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Приказује ову помоћ и излази.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Приказује верзију и излази.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неочекивани аргумент „%1“.</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Погледајте „gridmark --help“.</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>Променљива %1 није постављена</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; не одговара</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: није могуће отворити ниједан екран (%1)</translation>
    </message>
</context>
</TS>
