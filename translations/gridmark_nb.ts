<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>Øverst til venstre</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Øverst i midten</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Øverst til høyre</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>Midten til venstre</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Midten</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>Midten til høyre</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Nederst til venstre</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Nederst i midten</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Nederst til høyre</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tom</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>Parti %1. Seirer %2, uavgjort %3, tap %4. Nivå: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Vinnerrekke: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Parti</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Uavgjort</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Seirer</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Tap</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Spiller</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Nivå</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Maskinen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fil</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Start turneringen på nytt</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Nivå</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Lett</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Middels</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Vanskelig</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Slik spiller du</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Om Gridmark</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>Du: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>Maskinen: %1.</translation>
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
        <translation>Lett</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Middels</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Vanskelig</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Du vant! Et parti til?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Du vant</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Du tapte. Et parti til?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Du tapte</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Det ble uavgjort. Et parti til?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Ingen vinner</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Hvis du endrer nivået, starter turneringen på nytt.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Starte på nytt?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>Turneringen har nådd det høyeste antallet partier poengtavlen kan telle. En ny turnering starter.</translation>
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
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nei</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
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
        <translation>Gridmark – av Gridmark-utviklerne</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Om %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versjon %1.%2</translation>
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
        <translation>Slik spiller du</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Vet du virkelig ikke hvordan man spiller Gridmark?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Den som først får (3) X-er eller O-er på rad, vinner.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Spill bondesjakk mot maskinen.
Qts egne valg (-style, -platform, -reverse...) godtas også.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Vis denne hjelpen og avslutt.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Vis versjonen og avslutt.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Uventet argument «%1».</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Se «gridmark --help».</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 er ikke satt</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; svarer ikke</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: kunne ikke åpne noen skjerm (%1)</translation>
    </message>
</context>
</TS>
