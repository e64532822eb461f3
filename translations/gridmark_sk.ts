<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>Hore vľavo</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Hore v strede</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Hore vpravo</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>V strede vľavo</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>V strede</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>V strede vpravo</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Dole vľavo</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Dole v strede</translation>
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
        <translation>prázdne</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>Hra %1. Výhry: %2, remízy: %3, prehry: %4. Obtiažnosť: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Víťazný rad: %1, %2, %3.</translation>
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
        <translation>Prehry</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Hráč</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Obtiažnosť</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Počítač</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Súbor</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Začať turnaj odznova</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Obtiažnosť</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Ľahká</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Stredná</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Ťažká</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomocník</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Ako hrať</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programe</translation>
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
        <translation>Ľahká</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Stredná</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Ťažká</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Vyhrali ste! Ešte jednu hru?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Výhra</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Prehrali ste. Ešte jednu hru?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Prehra</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Remíza! Ešte jednu hru?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Bez víťaza</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Zmena obtiažnosti spustí turnaj odznova.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Začať odznova?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>V tomto turnaji sa už odohralo toľko hier, koľko dokáže výsledková tabuľka započítať. Začína sa nový turnaj.</translation>
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
        <translation>&amp;Áno</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
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
        <translation>Gridmark – od vývojárov projektu Gridmark</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programe %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Verzia %1.%2</translation>
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
        <translation>Ako hrať</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Vážne neviete, ako sa hrá Gridmark?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Vyhráva ten, kto ako prvý dostane do radu (3) X alebo O.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Zahrajte si piškvorky proti počítaču.
Podporované sú aj štandardné voľby Qt (-style, -platform, -reverse...).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Zobrazí tohto pomocníka a skončí.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Zobrazí verziu a skončí.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Neočakávaný argument „%1“.</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Pozrite si „gridmark --help“.</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>Premenná %1 nie je nastavená</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; neodpovedá</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: nepodarilo sa otvoriť žiadny displej (%1)</translation>
    </message>
</context>
</TS>
