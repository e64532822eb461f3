<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>Gore lijevo</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Gore u sredini</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Gore desno</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>Lijevo u sredini</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Sredina</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>Desno u sredini</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Dolje lijevo</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Dolje u sredini</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Dolje desno</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>prazno</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>Partija %1. Pobjede: %2, remiji: %3, porazi: %4. Težina: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Pobjednička linija: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Partija</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Remiji</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Pobj.</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Porazi</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Igrač</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Težina</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Računalo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datoteka</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Ponovno pokreni turnir</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Izlaz</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Težina</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Lako</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Srednje</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Teško</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoć</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Kako igrati</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programu</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>Vi: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>Računalo: %1.</translation>
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
        <translation>Lako</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Srednje</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Teško</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Pobijedili ste! Još jednu partiju?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Pobijedili ste</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Izgubili ste. Još jednu partiju?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Izgubili ste</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Remi je! Još jednu partiju?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Nema pobjednika</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Promjena težine ponovno će pokrenuti turnir.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Ponovno pokrenuti turnir?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>Ovaj je turnir dosegao najveći broj partija koji semafor može izbrojiti. Počinje novi turnir.</translation>
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
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Gridmark - by the Gridmark developers</source>
        <translation>Gridmark – izradio razvojni tim Gridmarka</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programu %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Inačica %1.%2</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>Kako igrati</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Ozbiljno? Ne znate igrati Gridmark?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Pobjeđuje igrač koji prvi složi (3) X-a ili O-a u nizu.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Igrajte križić-kružić protiv računala.
Prihvaćaju se i vlastite opcije Qt-a (-style, -platform, -reverse...).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Prikazuje ovu pomoć i izlazi.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Prikazuje inačicu i izlazi.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Neočekivani argument „%1“.</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Pogledajte „gridmark --help“.</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>varijabla %1 nije postavljena</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; ne odgovara</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: nije moguće otvoriti nijedan zaslon (%1)</translation>
    </message>
</context>
</TS>
