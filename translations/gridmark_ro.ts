<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>Stânga sus</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Sus la mijloc</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Dreapta sus</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>Stânga la mijloc</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centru</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>Dreapta la mijloc</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Stânga jos</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Jos la mijloc</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Dreapta jos</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>liber</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>Partida %1. Victorii: %2, egaluri: %3, pierderi: %4. Dificultate: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Linie câștigătoare: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Egaluri</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Victorii</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Pierderi</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Jucător</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Dificultate</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Computer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fișier</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Repornire turneu</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Ieșire</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Dificultate</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Ușor</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Mediu</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Greu</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajutor</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Cum se joacă</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Despre</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>Dumneavoastră: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>Computer: %1.</translation>
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
        <translation>Ușor</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediu</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Greu</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Ați câștigat! Mai jucați o partidă?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Ați câștigat</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Ați pierdut. Mai jucați o partidă?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Ați pierdut</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Egal! Mai jucați o partidă?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Niciun câștigător</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Schimbarea dificultății va reporni turneul.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Reporniți turneul?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>Acest turneu a ajuns la numărul maxim de partide pe care le poate număra tabela de scor. Începe un turneu nou.</translation>
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
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
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
        <translation>Gridmark – de la dezvoltatorii Gridmark</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Despre %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versiunea %1.%2</translation>
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
        <translation>Cum se joacă</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Chiar nu știți cum se joacă Gridmark?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Câștigă primul jucător care pune (3) X sau O în linie.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Jucați X și 0 împotriva computerului.
Sunt acceptate și opțiunile proprii ale Qt (-style, -platform, -reverse...).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afișează acest ajutor și iese.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afișează versiunea și iese.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument neașteptat: „%1”.</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Consultați „gridmark --help”.</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>variabila %1 nu este definită</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; nu răspunde</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: nu s-a putut deschide niciun afișaj (%1)</translation>
    </message>
</context>
</TS>
