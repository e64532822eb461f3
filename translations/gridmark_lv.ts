<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>Augšā pa kreisi</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Augšā vidū</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Augšā pa labi</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>Vidū pa kreisi</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Vidū</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>Vidū pa labi</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Apakšā pa kreisi</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Apakšā vidū</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Apakšā pa labi</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tukšs</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>Spēle %1. Uzvaras %2, neizšķirti %3, zaudējumi %4. Līmenis: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Uzvaras rinda: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Spēle</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Neizšķ.</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Uzv.</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Zaud.</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Spēlētājs</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Līmenis</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Dators</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fails</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Sākt turnīru no jauna</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Iziet</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Līmenis</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Viegls</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Normāls</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Grūts</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Palīdzība</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Kā spēlēt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Par Gridmark</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>Jūs: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>Dators: %1.</translation>
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
        <translation>Viegls</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Normāls</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Grūts</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Jūs uzvarējāt! Vai spēlēsiet vēl vienu spēli?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Jūs uzvarējāt</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Jūs zaudējāt. Vai spēlēsiet vēl vienu spēli?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Jūs zaudējāt</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Neizšķirts! Vai spēlēsiet vēl vienu spēli?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Nav uzvarētāja</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Ja mainīsiet līmeni, turnīrs sāksies no jauna.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Sākt no jauna?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>Šajā turnīrā ir aizvadīts tik daudz spēļu, cik rezultātu tablo spēj saskaitīt. Sāksies jauns turnīrs.</translation>
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
        <translation>&amp;Jā</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nē</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>Gridmark - by the Gridmark developers</source>
        <translation>Gridmark – autori: Gridmark izstrādātāji</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Par %1</translation>
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
        <translation>Labi</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>Kā spēlēt</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Vai tiešām nezināt, kā spēlēt Gridmark?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Uzvar tas, kurš pirmais saliek (3) X vai O vienā rindā.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Spēlējiet krustiņus un nullītes pret datoru.
Tiek pieņemtas arī Qt opcijas (-style, -platform, -reverse...).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Parādīt šo palīdzību un iziet.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Parādīt versiju un iziet.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Negaidīts arguments „%1“.</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Skatiet „gridmark --help“.</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 nav iestatīts</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; neatbild</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: neizdevās atvērt nevienu displeju (%1)</translation>
    </message>
</context>
</TS>
