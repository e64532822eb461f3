<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>Zgoraj levo</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Zgoraj na sredini</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Zgoraj desno</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>Levo na sredini</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Sredina</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>Desno na sredini</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Spodaj levo</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Spodaj na sredini</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Spodaj desno</translation>
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
        <translation>Igra %1. Zmage: %2, remiji: %3, porazi: %4. Težavnost: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Zmagovalna linija: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Igra</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Remiji</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Zmage</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Porazi</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Igralec</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Težavnost</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Tekmec</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datoteka</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Znova zaženi turnir</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Izhod</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Težavnost</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Lahko</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Srednje</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Težko</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoč</translation>
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
        <translation>Računalnik: %1.</translation>
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
        <translation>Lahko</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Srednje</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Težko</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Zmagali ste! Še eno igro?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Zmagali ste</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Izgubili ste. Še eno igro?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Izgubili ste</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Remi! Še eno igro?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Ni zmagovalca</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Sprememba težavnosti bo znova zagnala turnir.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Znova zagnati turnir?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>Ta turnir je dosegel največje število iger, ki jih semafor lahko prešteje. Začel se bo nov turnir.</translation>
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
        <translation>V redu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>Gridmark - by the Gridmark developers</source>
        <translation>Gridmark – razvijalci Gridmarka</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programu %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Različica %1.%2</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>Kako igrati</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Resno ne veste, kako se igra Gridmark?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Zmaga igralec, ki prvi postavi (3) X ali O v vrsto.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Igrajte križce in krožce proti računalniku.
Sprejete so tudi lastne možnosti ogrodja Qt (-style, -platform, -reverse...).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Prikaže to pomoč in konča.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Prikaže različico in konča.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nepričakovan argument „%1“.</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Glejte „gridmark --help“.</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>spremenljivka %1 ni nastavljena</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; se ne odziva</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: nobenega zaslona ni bilo mogoče odpreti (%1)</translation>
    </message>
</context>
</TS>
