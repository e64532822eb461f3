<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>A dalt a l&apos;esquerra</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>A dalt al centre</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>A dalt a la dreta</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>Al centre a l&apos;esquerra</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Al centre</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>Al centre a la dreta</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>A baix a l&apos;esquerra</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>A baix al centre</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>A baix a la dreta</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>lliure</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>Partida %1. Triomfs %2, empats %3, derrotes %4. Dificultat: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Línia guanyadora: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Empats</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Triomfs</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Derrotes</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Dificultat</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Màquina</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fitxer</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Reinicia el torneig</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Dificultat</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Fàcil</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Mitjà</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Difícil</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Com es juga</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Quant al Gridmark</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>La vostra jugada: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>Jugada de la màquina: %1.</translation>
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
        <translation>Fàcil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mitjà</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Heu guanyat! Voleu jugar una altra partida?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Heu guanyat</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Heu perdut. Voleu jugar una altra partida?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Heu perdut</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Empat! Voleu jugar una altra partida?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>No hi ha guanyador</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Si canvieu la dificultat, el torneig tornarà a començar.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Voleu reiniciar el torneig?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>Aquest torneig ha arribat al màxim de partides que pot comptar el marcador. Començarà un torneig nou.</translation>
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
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Gridmark - by the Gridmark developers</source>
        <translation>Gridmark - pels desenvolupadors del Gridmark</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Quant al %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versió %1.%2</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>Com es juga</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>De debò que no sabeu jugar al Gridmark?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Guanya el primer jugador que aconsegueixi posar (3) X o (3) O en ratlla.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Jugueu al tres en ratlla contra la màquina.
També s&apos;accepten les opcions pròpies de Qt (-style, -platform, -reverse...).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra aquesta ajuda i surt.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versió i surt.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inesperat: «%1».</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Vegeu «gridmark --help».</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 no està definida</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; no respon</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: no s&apos;ha pogut obrir cap pantalla (%1)</translation>
    </message>
</context>
</TS>
