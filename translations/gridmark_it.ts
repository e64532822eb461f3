<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>In alto a sinistra</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>In alto al centro</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>In alto a destra</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>Al centro a sinistra</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Al centro</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>Al centro a destra</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>In basso a sinistra</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>In basso al centro</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>In basso a destra</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Tu</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Difficoltà</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Partita</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Pareggi</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Vittorie</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Sconfitte</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Ricomincia il torneo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Difficoltà</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Facile</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Medio</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Difficile</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Come si gioca</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni su Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>Partita %1. Vittorie %2, pareggi %3, sconfitte %4. Difficoltà: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Linea vincente: %1, %2, %3.</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>Tu: %1.</translation>
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
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Hai vinto! Un&apos;altra partita?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Hai vinto</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Hai perso! Un&apos;altra partita?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Hai perso</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Pareggio! Un&apos;altra partita?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Nessun vincitore</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Se cambi la difficoltà, il torneo ricomincia da capo.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Ricominciare?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>Questo torneo ha raggiunto il numero massimo di partite che il tabellone può contare. Inizia un nuovo torneo.</translation>
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
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Gridmark - dagli sviluppatori di Gridmark</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versione %1.%2</translation>
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
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Davvero non sai giocare a Gridmark?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Vince chi mette per primo (3) X o (3) O in fila.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Gioca a tris contro il computer.
Sono accettate anche le opzioni proprie di Qt (-style, -platform, -reverse...).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Vedi «gridmark --help».</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 non è impostata</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; non risponde</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: impossibile aprire un display (%1)</translation>
    </message>
</context>
</TS>
