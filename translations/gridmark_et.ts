<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>Üleval vasakul</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Üleval keskel</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Üleval paremal</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>Keskel vasakul</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Keskel</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>Keskel paremal</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>All vasakul</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>All keskel</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>All paremal</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tühi</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>Mäng %1. Võite %2, viike %3, kaotusi %4. Tase: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Võidurida: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Mäng</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Viike</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Võite</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Kaotusi</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Mängija</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Tase</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Arvuti</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fail</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Alusta turniiri uuesti</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Välju</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Tase</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Lihtne</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Keskmine</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Raske</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Abi</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Kuidas mängida</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Teave</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>Sina: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>Arvuti: %1.</translation>
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
        <translation>Lihtne</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Keskmine</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Raske</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Sa võitsid! Veel üks mäng?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Sa võitsid</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Sa kaotasid. Veel üks mäng?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Sa kaotasid</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Viik! Veel üks mäng?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Võitjat pole</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Taseme muutmine alustab turniiri uuesti.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Alustada uuesti?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>See turniir on jõudnud suurima mängude arvuni, mida tabloo suudab lugeda. Algab uus turniir.</translation>
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
        <translation>&amp;Jah</translation>
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
        <translation>Loobu</translation>
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
        <translation>Gridmark – Gridmarki arendajatelt</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 – teave</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versioon %1.%2</translation>
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
        <translation>Kuidas mängida</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Kas sa tõesti ei tea, kuidas Gridmarki mängida?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Võidab see, kes saab esimesena (3) X-i või O-d ritta.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Mängi arvuti vastu trips-traps-trulli.
Ka Qt enda võtmed (-style, -platform, -reverse...) on lubatud.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Näita seda abi ja välju.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Näita versiooni ja välju.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Ootamatu argument „%1“.</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Vaata „gridmark --help“.</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 pole määratud</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; ei vasta</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: ühtegi kuvarit ei õnnestunud avada (%1)</translation>
    </message>
</context>
</TS>
