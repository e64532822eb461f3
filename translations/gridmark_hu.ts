<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>Bal felső</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Felső középső</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Jobb felső</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>Bal középső</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Közép</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>Jobb középső</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Bal alsó</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Alsó középső</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Jobb alsó</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>üres</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>%1. parti. Győzelem: %2, döntetlen: %3, vereség: %4. Nehézség: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Nyerő vonal: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Parti</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Dönt.</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Győz.</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Vereség</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Játékos</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Nehézség</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Gép</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fájl</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Bajnokság újraindítása</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Kilépés</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Nehézség</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Könnyű</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>Kö&amp;zepes</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Nehéz</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Súgó</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Játékszabályok</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Névjegy</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>Te: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>Gép: %1.</translation>
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
        <translation>Könnyű</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Közepes</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Nehéz</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Nyertél! Még egy parti?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Nyertél</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Vesztettél. Még egy parti?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Vesztettél</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Döntetlen! Még egy parti?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Nincs győztes</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>A nehézség módosítása újraindítja a bajnokságot.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Újraindítás?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>Ebben a bajnokságban már annyi parti volt, amennyit az eredményjelző meg tud számolni. Új bajnokság kezdődik.</translation>
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
        <translation>&amp;Igen</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nem</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
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
        <translation>Gridmark – a Gridmark fejlesztőitől</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>A %1 névjegye</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Verzió: %1.%2</translation>
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
        <translation>Játékszabályok</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Komolyan nem tudod, hogyan kell Gridmarkot játszani?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Az nyer, aki elsőként rak ki (3) X-et vagy O-t egy vonalban.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Játssz tic-tac-toe-t (3×3-as amőbát) a gép ellen.
A Qt saját kapcsolói (-style, -platform, -reverse...) is használhatók.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>A súgó megjelenítése és kilépés.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>A verzió megjelenítése és kilépés.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Váratlan argumentum: „%1”.</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Lásd: „gridmark --help”.</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 nincs beállítva</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; nem válaszol</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: egyetlen kijelzőt sem sikerült megnyitni (%1)</translation>
    </message>
</context>
</TS>
