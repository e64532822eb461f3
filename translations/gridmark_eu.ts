<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>Goian ezkerrean</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Goian erdian</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Goian eskuinean</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>Erdian ezkerrean</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Erdian</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>Erdian eskuinean</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Behean ezkerrean</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Behean erdian</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Behean eskuinean</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>hutsik</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>Partida %1. %2 irabazi, %3 berdin, %4 galdu. Zailtasuna: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Lerro irabazlea: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Berdin</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Irabazi</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Galdu</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Jokalaria</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Zailtasuna</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Makina</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fitxategia</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Berrabiarazi txapelketa</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Irten</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Zailtasuna</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Erraza</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>E&amp;rtaina</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Zaila</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Laguntza</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Nola jokatu</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Honi buruz</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>Zure jokaldia: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>Makinaren jokaldia: %1.</translation>
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
        <translation>Erraza</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Ertaina</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Zaila</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Irabazi duzu! Beste partida bat?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Irabazi duzu</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Galdu duzu. Beste partida bat?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Galdu duzu</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Berdin amaitu da! Beste partida bat?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Ez dago irabazlerik</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Zailtasuna aldatzen baduzu, txapelketa berriro hasiko da.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Txapelketa berrabiarazi?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>Txapelketa honek markagailuak zenba dezakeen partida kopuru handiena jokatu du. Txapelketa berri bat hasiko da.</translation>
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
        <translation>&amp;Bai</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ez</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Utzi</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>Gridmark - by the Gridmark developers</source>
        <translation>Gridmark - Gridmark garatzaileek egina</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Honi buruz: %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>%1.%2 bertsioa</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>Nola jokatu</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Benetan ez dakizu Gridmark nola jokatzen den?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>(3) X edo O lerroan lehenengo jartzen dituen jokalariak irabazten du.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Jokatu hiru lerroan makinaren aurka.
Qt-ren berezko aukerak ere onartzen dira (-style, -platform, -reverse...).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Erakutsi laguntza hau eta irten.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Erakutsi bertsioa eta irten.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Ustekabeko argumentua: «%1».</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Ikusi «gridmark --help».</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 ez dago ezarrita</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; ez du erantzuten</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: ezin izan da pantailarik ireki (%1)</translation>
    </message>
</context>
</TS>
