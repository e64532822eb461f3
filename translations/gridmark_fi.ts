<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>Ylhäällä vasemmalla</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Ylhäällä keskellä</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Ylhäällä oikealla</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>Keskellä vasemmalla</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Keskellä</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>Keskellä oikealla</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Alhaalla vasemmalla</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Alhaalla keskellä</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Alhaalla oikealla</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tyhjä</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>Peli %1. Voitot %2, tasapelit %3, tappiot %4. Taso: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Voittorivi: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Peli</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Tasap.</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Voitot</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Tappiot</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Pelaaja</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Taso</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Tietokone</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tiedosto</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Aloita turnaus alusta</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>T&amp;aso</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Helppo</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Keskivaikea</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Vaikea</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ohje</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Peliohjeet</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Tietoja</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>Sinä: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>Tietokone: %1.</translation>
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
        <translation>Helppo</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Keskivaikea</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Vaikea</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Voitit! Vielä yksi peli?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Voitit</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Hävisit. Vielä yksi peli?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Hävisit</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Tasapeli! Vielä yksi peli?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Ei voittajaa</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Tason vaihtaminen aloittaa turnauksen alusta.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Aloitetaanko alusta?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>Turnauksessa on pelattu niin monta peliä kuin tulostaulu pystyy laskemaan. Uusi turnaus alkaa.</translation>
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
        <translation>&amp;Kyllä</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ei</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
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
        <translation>Gridmark – tekijät: Gridmarkin kehittäjät</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Tietoja ohjelmasta %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versio %1.%2</translation>
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
        <translation>Peliohjeet</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Etkö tosiaan osaa pelata Gridmarkia?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Se, joka saa ensimmäisenä (3) X:ää tai O:ta riviin, voittaa.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Pelaa ristinollaa tietokonetta vastaan.
Myös Qt:n omat valitsimet (-style, -platform, -reverse...) hyväksytään.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Näytä tämä ohje ja lopeta.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Näytä versio ja lopeta.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Odottamaton argumentti ”%1”.</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Katso ”gridmark --help”.</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>Muuttujaa %1 ei ole asetettu</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; ei vastaa</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: mitään näyttöä ei voitu avata (%1)</translation>
    </message>
</context>
</TS>
