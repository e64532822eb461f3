<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>Arriba á esquerda</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Arriba no centro</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Arriba á dereita</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>No centro á esquerda</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>No centro</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>No centro á dereita</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Abaixo á esquerda</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Abaixo no centro</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Abaixo á dereita</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>Partida %1. Vitorias %2, empates %3, derrotas %4. Dificultade: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Liña gañadora: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Empates</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Vitorias</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Derrotas</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Xogador</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Dificultade</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Máquina</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Reiniciar o torneo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Saír</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Dificultade</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Fácil</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Medio</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Difícil</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Axuda</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Como xogar</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de Gridmark</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>A súa xogada: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>Xogada da máquina: %1.</translation>
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
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Gañou! Quere xogar outra partida?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Gañou</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Perdeu. Quere xogar outra partida?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Perdeu</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Empate! Quere xogar outra partida?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Non hai gañador</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Se cambia a dificultade, o torneo comezará de novo.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Reiniciar o torneo?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>Este torneo chegou ao máximo de partidas que pode contar o marcador. Comezará un torneo novo.</translation>
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
        <translation>&amp;Si</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Gridmark - by the Gridmark developers</source>
        <translation>Gridmark - polos desenvolvedores de Gridmark</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versión %1.%2</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>Como xogar</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>En serio que non sabe xogar ao Gridmark?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Gaña o primeiro xogador que consiga poñer (3) X ou O en liña.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Xogue ao tres en raia contra a máquina.
Tamén se aceptan as opcións propias de Qt (-style, -platform, -reverse...).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra esta axuda e sae.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra a versión e sae.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado: «%1».</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Consulte «gridmark --help».</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 non está definida</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; non responde</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: non se puido abrir ningunha pantalla (%1)</translation>
    </message>
</context>
</TS>
