<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Oben Mitte</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Unten Mitte</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Spielstärke</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Remis</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Siege</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Niederl.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>Turnier &amp;neu starten</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Spielstärke</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Leicht</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>S&amp;chwer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>Runde %1. Siege %2, Remis %3, Niederlagen %4. Spielstärke: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Gewinnreihe: %1, %2, %3.</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>Du: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>Computer: %1.</translation>
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
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Gewonnen! Noch eine Runde?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Verloren! Noch eine Runde?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Unentschieden! Noch eine Runde?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Kein Sieger</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Wenn du die Spielstärke änderst, beginnt das Turnier von vorn.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Neu anfangen?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>Mehr Spiele kann die Anzeige in diesem Turnier nicht zählen. Ein neues Turnier beginnt.</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Gridmark - by the Gridmark developers</source>
        <translation>Gridmark - von den Gridmark-Entwicklern</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
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
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Du weißt echt nicht, wie man Gridmark spielt?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Wer zuerst (3) X oder O in einer Reihe hat, siegt.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Tic-Tac-Toe gegen den Computer spielen.
Qts eigene Optionen (-style, -platform, -reverse...) werden ebenfalls angenommen.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Siehe &apos;gridmark --help&apos;.</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 ist nicht gesetzt</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; antwortet nicht</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: keine Anzeige konnte geöffnet werden (%1)</translation>
    </message>
</context>
</TS>
