<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Arriba en el centro</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>En medio a la izquierda</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>En el centro</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>En medio a la derecha</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Abajo en el centro</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>Máquina</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Emp.</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Vict.</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Derr.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Reiniciar el torneo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Dificultad</translation>
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
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Cómo se juega</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>Partida %1. Victorias %2, empates %3, derrotas %4. Dificultad: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Línea ganadora: %1, %2, %3.</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>Tú: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>Máquina: %1.</translation>
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
        <translation>¡Has ganado! ¿Otra partida?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Has ganado</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Has perdido. ¿Otra partida?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Has perdido</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>¡Empate! ¿Otra partida?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Sin ganador</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Si cambias el nivel, el torneo empieza de nuevo.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>¿Empezar de nuevo?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>Este torneo ha llegado al máximo de partidas que puede contar el marcador. Empieza un torneo nuevo.</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
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
        <translation>Gridmark - de los creadores de Gridmark</translation>
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
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>¿En serio no sabes jugar a Gridmark?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Gana quien consiga primero (3) X u O en raya.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Juega al tres en raya contra el ordenador.
También se aceptan las opciones propias de Qt (-style, -platform, -reverse...).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Consulte «gridmark --help».</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 no está definida</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; no responde</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: no se pudo abrir ninguna pantalla (%1)</translation>
    </message>
</context>
</TS>
