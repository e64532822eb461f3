<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>Viršuje kairėje</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Viršuje viduryje</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Viršuje dešinėje</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>Viduryje kairėje</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Viduryje</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>Viduryje dešinėje</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Apačioje kairėje</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Apačioje viduryje</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Apačioje dešinėje</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tuščia</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>Partija %1. Pergalės %2, lygiosios %3, pralaimėjimai %4. Lygis: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Laiminti eilė: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Partija</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Lyg.</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Perg.</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Pral.</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Žaidėjas</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Lygis</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Komp.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Failas</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Pradėti turnyrą iš naujo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Išeiti</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Lygis</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Lengvas</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Vidutinis</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Sunkus</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Žinynas</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Kaip žaisti</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Apie Gridmark</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>Jūs: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>Kompiuteris: %1.</translation>
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
        <translation>Lengvas</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Vidutinis</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Sunkus</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Laimėjote! Sužaisite dar vieną partiją?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Laimėjote</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Pralaimėjote. Sužaisite dar vieną partiją?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Pralaimėjote</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Lygiosios! Sužaisite dar vieną partiją?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Nugalėtojo nėra</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Pakeitus lygį, turnyras prasidės iš naujo.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Pradėti iš naujo?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>Šiame turnyre sužaista tiek partijų, kiek rezultatų lentelė gali suskaičiuoti. Prasidės naujas turnyras.</translation>
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
        <translation>&amp;Taip</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atsisakyti</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Gridmark - by the Gridmark developers</source>
        <translation>Gridmark – autoriai: Gridmark kūrėjai</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Apie %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versija %1.%2</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>Kaip žaisti</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Jūs tikrai nežinote, kaip žaidžiamas Gridmark?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Laimi tas, kuris pirmas sudeda (3) X arba O vienoje eilėje.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Žaiskite kryžiukus ir nuliukus prieš kompiuterį.
Taip pat priimamos Qt parinktys (-style, -platform, -reverse...).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Rodyti šį žinyną ir išeiti.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Rodyti versiją ir išeiti.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Netikėtas argumentas „%1“.</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Žr. „gridmark --help“.</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 nenustatytas</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; neatsako</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: nepavyko atverti jokio ekrano (%1)</translation>
    </message>
</context>
</TS>
