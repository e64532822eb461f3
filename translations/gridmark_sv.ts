<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>Överst till vänster</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Överst i mitten</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Överst till höger</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>Mitten till vänster</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Mitten</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>Mitten till höger</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Nederst till vänster</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Nederst i mitten</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Nederst till höger</translation>
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
        <translation>Parti %1. Vunnit %2, oavgjort %3, förlorat %4. Nivå: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Vinnande rad: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Parti</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Oavgjort</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Vunnit</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Förlorat</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Spelare</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Nivå</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Datorn</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Starta om turneringen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Nivå</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Lätt</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Medel</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Svår</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Så spelar du</translation>
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
        <translation>Datorn: %1.</translation>
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
        <translation>Lätt</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Svår</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Du vann! Ett parti till?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Du vann</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Du förlorade. Ett parti till?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Du förlorade</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Det blev oavgjort. Ett parti till?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Ingen vinnare</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Om du ändrar nivån startar turneringen om från början.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Börja om?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>Turneringen har nått det största antal partier som resultattavlan kan räkna. En ny turnering startar.</translation>
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
        <translation>&amp;Nej</translation>
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
        <translation>Gridmark – av Gridmarks utvecklare</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Om %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Version %1.%2</translation>
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
        <translation>Så spelar du</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Kan du verkligen inte spela Gridmark?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Den som först får (3) X eller O i rad vinner.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Spela tre i rad mot datorn.
Qts egna flaggor (-style, -platform, -reverse...) accepteras också.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Visa den här hjälpen och avsluta.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Visa versionen och avsluta.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Oväntat argument ”%1”.</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Se ”gridmark --help”.</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 är inte satt</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; svarar inte</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: det gick inte att öppna någon skärm (%1)</translation>
    </message>
</context>
</TS>
