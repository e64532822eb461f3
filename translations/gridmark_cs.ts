<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>Nahoře vlevo</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Nahoře uprostřed</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Nahoře vpravo</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>Uprostřed vlevo</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Uprostřed</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>Uprostřed vpravo</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Dole vlevo</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Dole uprostřed</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Dole vpravo</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>prázdné</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>Hra %1. Výhry: %2, remízy: %3, prohry: %4. Obtížnost: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Vítězná řada: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Hra</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Remízy</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Výhry</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Prohry</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Hráč</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Obtížnost</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Počítač</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Začít turnaj znovu</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Obtížnost</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Lehká</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Střední</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Těžká</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Jak hrát</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programu</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>Vy: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>Počítač: %1.</translation>
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
        <translation>Lehká</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Střední</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Těžká</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Vyhráli jste! Ještě jednu hru?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Výhra</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Prohráli jste. Ještě jednu hru?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Prohra</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Remíza! Ještě jednu hru?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Bez vítěze</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Změna obtížnosti spustí turnaj znovu od začátku.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Začít znovu?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>V tomto turnaji už bylo odehráno tolik her, kolik výsledková tabulka dokáže započítat. Začíná nový turnaj.</translation>
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
        <translation>&amp;Ano</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
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
        <translation>Gridmark – od vývojářů projektu Gridmark</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programu %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Verze %1.%2</translation>
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
        <translation>Jak hrát</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Vážně nevíte, jak se hraje Gridmark?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Vyhrává ten, kdo jako první dostane do řady (3) X nebo O.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Zahrajte si piškvorky proti počítači.
Lze použít i standardní volby Qt (-style, -platform, -reverse...).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Zobrazí tuto nápovědu a skončí.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Zobrazí verzi a skončí.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Neočekávaný argument „%1“.</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Viz „gridmark --help“.</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>Proměnná %1 není nastavena</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; neodpovídá</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: nepodařilo se otevřít žádný displej (%1)</translation>
    </message>
</context>
</TS>
