<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca">
<context>
    <name>Form1</name>
    <message>
        <source>Gridmark</source>
        <extracomment>Title of the main window: the program&apos;s name, as it is.</extracomment>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt, beside the game number: at most 58 pixels wide.</extracomment>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt, beside the count of drawn games: at most 67 pixels wide.</extracomment>
        <translation>Empats</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt, beside the count of games you won: at most 58 pixels wide.</extracomment>
        <translation>Triomfs</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt, beside the count of games you lost: at most 67 pixels wide.</extracomment>
        <translation>Derrotes</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt, beside your mark (&quot;X&apos;s&quot;): at most 60 pixels wide.</extracomment>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt, beside the level (Easy, Medium or Hard): at most 69 pixels wide; the same word as the Difficulty menu, and the level names agree with it.</extracomment>
        <translation>Dificultat</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt, beside the computer&apos;s mark (&quot;O&apos;s&quot;): at most 60 pixels wide.</extracomment>
        <translation>Màquina</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu title in the menu bar, beside Difficulty and Help: the three together fit 287 pixels. &amp; marks the access key, unlike the other two.</extracomment>
        <translation>&amp;Fitxer</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <extracomment>File menu item: starts a new tournament (the scores go back to 0).</extracomment>
        <translation>&amp;Reinicia el torneig</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>File menu item: ends the program.</extracomment>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <extracomment>Menu title in the menu bar, of the levels: the same word as the Difficulty caption of the scoreboard; the level names agree with it.</extracomment>
        <translation>&amp;Dificultat</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <extracomment>Difficulty menu item: the level, as the scoreboard names it beside the Difficulty caption.</extracomment>
        <translation>&amp;Fàcil</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <extracomment>Difficulty menu item: the level, as the scoreboard names it beside the Difficulty caption.</extracomment>
        <translation>&amp;Mitjana</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <extracomment>Difficulty menu item: the level, as the scoreboard names it beside the Difficulty caption.</extracomment>
        <translation>&amp;Difícil</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu title in the menu bar, beside File and Difficulty.</extracomment>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <extracomment>Help menu item: opens the box with the rule of the game.</extracomment>
        <translation>&amp;Com es juga</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>Help menu item: opens the box with the program&apos;s name and version.</extracomment>
        <translation>&amp;Quant al Gridmark</translation>
    </message>
    <message>
        <source>Game</source>
        <comment>spoken</comment>
        <extracomment>Spoken only, no width limit: the name of the box showing the number of the game. A full word, never an abbreviation.</extracomment>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Wins</source>
        <comment>spoken</comment>
        <extracomment>Spoken only, no width limit: the name of the box counting the games you won. A full word, never an abbreviation.</extracomment>
        <translation>Triomfs</translation>
    </message>
    <message>
        <source>Draws</source>
        <comment>spoken</comment>
        <extracomment>Spoken only, no width limit: the name of the box counting the drawn games. A full word, never an abbreviation.</extracomment>
        <translation>Empats</translation>
    </message>
    <message>
        <source>Losses</source>
        <comment>spoken</comment>
        <extracomment>Spoken only, no width limit: the name of the box counting the games you lost. A full word, never an abbreviation.</extracomment>
        <translation>Derrotes</translation>
    </message>
    <message>
        <source>Player</source>
        <comment>spoken</comment>
        <extracomment>Spoken only, no width limit: the name of the label showing your mark. A full word, never an abbreviation.</extracomment>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Computer</source>
        <comment>spoken</comment>
        <extracomment>Spoken only, no width limit: the name of the label showing the computer&apos;s mark. A full word, never an abbreviation.</extracomment>
        <translation>Màquina</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <comment>spoken</comment>
        <extracomment>Spoken only, no width limit: the name of the label showing the level. A full word, never an abbreviation.</extracomment>
        <translation>Dificultat</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>X&apos;s</source>
        <extracomment>Your mark, beside the Player caption of the scoreboard: bold Arial 9.75 pt, at most 49 pixels wide. X stays X.</extracomment>
        <translation>X</translation>
    </message>
    <message>
        <source>O&apos;s</source>
        <extracomment>The computer&apos;s mark, beside the CPU caption of the scoreboard: bold Arial 9.75 pt, at most 49 pixels wide. O stays O.</extracomment>
        <translation>O</translation>
    </message>
    <message>
        <source>Easy</source>
        <extracomment>A level, beside the Difficulty caption (bold Arial 9.75 pt, at most 74 pixels wide) and in the spoken score: the same word as the Difficulty menu&apos;s item, agreeing with the Difficulty caption.</extracomment>
        <translation>Fàcil</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>A level, as Easy.</extracomment>
        <translation>Mitjana</translation>
    </message>
    <message>
        <source>Hard</source>
        <extracomment>A level, as Easy.</extracomment>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <extracomment>Prompt of the box after a game you won: Yes plays the next game, No ends the program.</extracomment>
        <translation>Heu guanyat! Voleu jugar una altra partida?</translation>
    </message>
    <message>
        <source>You Win</source>
        <extracomment>Title of the box after a game you won. The box is as wide as its title needs, so keep it short.</extracomment>
        <translation>Heu guanyat</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <extracomment>Prompt of the box after a game the computer won: Yes plays the next game, No ends the program.</extracomment>
        <translation>Heu perdut. Voleu jugar una altra partida?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <extracomment>Title of the box after a game the computer won. The box is as wide as its title needs, so keep it short.</extracomment>
        <translation>Heu perdut</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <extracomment>Prompt of the box after a drawn game: Yes plays the next game, No ends the program.</extracomment>
        <translation>Empat! Voleu jugar una altra partida?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <extracomment>Title of the box after a drawn game. The box is as wide as its title needs, so keep it short.</extracomment>
        <translation>Sense guanyador</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <extracomment>Prompt of the box that asks before a new level, with marks on the board: OK changes the level and starts a new tournament, Cancel keeps both.</extracomment>
        <translation>Si canvieu la dificultat, el torneig tornarà a començar.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <extracomment>Title of that box. The box is as wide as its title needs, so keep it short.</extracomment>
        <translation>Reiniciar?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <extracomment>Prompt of the box shown when the game number or a count has reached the scoreboard&apos;s largest number (32767); OK starts a new tournament.</extracomment>
        <translation>Aquest torneig ha arribat al màxim de partides que pot comptar el marcador. Començarà un torneig nou.</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <extracomment>Title of that box: the program&apos;s name, as it is.</extracomment>
        <translation>Gridmark</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>Top left</source>
        <extracomment>Spoken only, no width limit: this and the eight places after it name the cells of the board. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>A dalt a l&apos;esquerra</translation>
    </message>
    <message>
        <source>Top centre</source>
        <extracomment>Spoken only: a cell&apos;s place (see Top left).</extracomment>
        <translation>A dalt al centre</translation>
    </message>
    <message>
        <source>Top right</source>
        <extracomment>Spoken only: a cell&apos;s place (see Top left).</extracomment>
        <translation>A dalt a la dreta</translation>
    </message>
    <message>
        <source>Centre left</source>
        <extracomment>Spoken only: a cell&apos;s place (see Top left).</extracomment>
        <translation>Al centre a l&apos;esquerra</translation>
    </message>
    <message>
        <source>Centre</source>
        <extracomment>Spoken only: a cell&apos;s place (see Top left), the middle of the board.</extracomment>
        <translation>Al centre</translation>
    </message>
    <message>
        <source>Centre right</source>
        <extracomment>Spoken only: a cell&apos;s place (see Top left).</extracomment>
        <translation>Al centre a la dreta</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <extracomment>Spoken only: a cell&apos;s place (see Top left).</extracomment>
        <translation>A baix a l&apos;esquerra</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <extracomment>Spoken only: a cell&apos;s place (see Top left).</extracomment>
        <translation>A baix al centre</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <extracomment>Spoken only: a cell&apos;s place (see Top left).</extracomment>
        <translation>A baix a la dreta</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Spoken only, no width limit: a cell without a mark.</extracomment>
        <translation>lliure</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <extracomment>Spoken only, no width limit: the scoreboard, said after each move, in the boxes that end a game and on a screen reader&apos;s status bar command. %1 is the game number, %2 to %4 the counts, %5 a level (Easy, Medium or Hard, as translated for the Difficulty caption).</extracomment>
        <translation>Partida %1. Triomfs %2, empats %3, derrotes %4. Dificultat: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <extracomment>Spoken only, no width limit: the three places of the line that won, each as spoken for a cell.</extracomment>
        <translation>Línia guanyadora: %1, %2, %3.</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <extracomment>Spoken only, no width limit: where you have just put your mark, %1 a cell&apos;s place. The news of a move, then the computer&apos;s answer, then the score are said as one.</extracomment>
        <translation>La vostra jugada: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <extracomment>Spoken only, no width limit: where the computer has just put its mark, %1 a cell&apos;s place.</extracomment>
        <translation>Jugada de la màquina: %1.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Spoken only, no width limit: a cell&apos;s name, %1 its place and %2 its mark, X, O or &quot;empty&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <extracomment>First line of the --help text. %1 is the program&apos;s name followed by &quot;[options]&quot;.</extracomment>
        <translation>Ús: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <extracomment>Stands for the options in the first line of the --help text, after the program&apos;s name: &quot;Usage: gridmark [options]&quot;.</extracomment>
        <translation>[opcions]</translation>
    </message>
    <message>
        <source>Options:</source>
        <extracomment>Heading of the list of options in the --help text.</extracomment>
        <translation>Opcions:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <extracomment>The one-line error on a wrong option. %1 is the option as typed, without its dashes. Put your language&apos;s quotation marks around %1; the English uses plain single quotes.</extracomment>
        <translation>Opció desconeguda: «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <extracomment>The one-line error on several wrong options. %1 is the options as typed, without their dashes, joined by &quot;, &quot;.</extracomment>
        <translation>Opcions desconegudes: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>The one-line error on an option given without its value. %1 is the option as typed. Put your language&apos;s quotation marks around %1; the English uses plain single quotes.</extracomment>
        <translation>Falta un valor després de «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <extracomment>The one-line error on a value given to an option that takes none. %1 is the option as typed. Put your language&apos;s quotation marks around %1; the English uses plain single quotes.</extracomment>
        <translation>Valor inesperat després de «%1».</translation>
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
    <name>QLineEdit</name>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Right-click menu of a score box: copies the selected number.</extracomment>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>Right-click menu of a score box.</extracomment>
        <translation>Selecciona-ho tot</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A button of the box that ends a game (Yes: play again).</extracomment>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A button of the box that ends a game (No: end the program).</extracomment>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A button of the box that asks before a level change restarts the tournament.</extracomment>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A button of the box that asks before a level change restarts the tournament: keeps the tournament and the level.</extracomment>
        <translation>Cancel·la</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Ctrl</source>
        <extracomment>The Control key, as right-click menus show it beside an item (&quot;Ctrl+C&quot;): the name printed on the key in your language.</extracomment>
        <translation>Ctrl</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Right-click menu of the notice in the About box: copies the selection.</extracomment>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>Right-click menu of the notice in the About box.</extracomment>
        <translation>Selecciona-ho tot</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <extracomment>The button that closes About: at most 84 pixels wide.</extracomment>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Gridmark - by the Gridmark developers</source>
        <extracomment>About&apos;s by-line, below the version: at most 299 pixels wide, on up to two lines. The first Gridmark is the program, the second names its makers.</extracomment>
        <translation>Gridmark - pels desenvolupadors del Gridmark</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>Title of the About box, as the Help menu item says it. %1 is the program&apos;s name, Gridmark.</extracomment>
        <translation>Quant al %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <extracomment>About box, below the title, in the dialog&apos;s font: at most 300 pixels wide. %1.%2 is the version, 1.0, in your language&apos;s digits.</extracomment>
        <translation>Versió %1.%2</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>OK</source>
        <extracomment>The button that closes How To Play: at most 81 pixels wide.</extracomment>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>How To Play</source>
        <extracomment>Title of the How To Play box, as the Help menu item says it.</extracomment>
        <translation>Com es juga</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <extracomment>How To Play&apos;s headline, teasing: bold Arial 14.25 pt, centred in lines of 297 pixels, at most three. A line break (
) or a no-break space is welcome where a word would otherwise stand alone on its line.</extracomment>
        <translation>De debò que no sabeu
jugar al Gridmark?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <extracomment>How To Play&apos;s rule, below the headline: centred in lines of 297 pixels, at most two. (3) is the number three in your digits; X and O are the marks, kept as they are. A line break (
) or a no-break space is welcome to keep &quot;(3)&quot; with its mark, or a word from standing alone.</extracomment>
        <translation>Guanya el primer jugador que aconsegueixi
posar (3)&#xa0;X o (3)&#xa0;O en ratlla.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <extracomment>--help text, below the usage line: what the program is (first line) and the options of Qt&apos;s it takes, by their names (second line).</extracomment>
        <translation>Jugueu al tres en ratlla contra la màquina.
També s&apos;accepten les opcions pròpies de Qt (-style, -platform, -reverse...).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <extracomment>--help text: what -h and --help do.</extracomment>
        <translation>Mostra aquesta ajuda i surt.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <extracomment>--help text: what -v and --version do.</extracomment>
        <translation>Mostra la versió i surt.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>The one-line error on a word the program does not take, joined before &quot;See &apos;gridmark --help&apos;.&quot; by &quot;gridmark: %1 %2&quot;. %1 is the word as typed: put your language&apos;s quotation marks around it.</extracomment>
        <translation>Argument inesperat: «%1».</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <extracomment>Follows the one-line error on a wrong argument, joined to it by &quot;gridmark: %1 %2&quot;. The command stays as it is, in your language&apos;s quotation marks.</extracomment>
        <translation>Vegeu «gridmark --help».</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <extracomment>A reason inside the parentheses of &quot;gridmark: no display could be opened (%1)&quot;, so it starts in lower case. %1 is the name of an environment variable, such as DISPLAY.</extracomment>
        <translation>%1 no està definida</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <extracomment>A reason inside the parentheses of &quot;gridmark: no display could be opened (%1)&quot;, so it starts in lower case. %1 is the name of an environment variable or the -display option, %2 its value.</extracomment>
        <translation>%1=&quot;%2&quot; no respon</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <extracomment>Printed when the game starts where no window system answers. %1 is the list of reasons, each joined to the next by &quot;%1, %2&quot;.</extracomment>
        <translation>gridmark: no s&apos;ha pogut obrir cap pantalla (%1)</translation>
    </message>
    <message>
        <source>gridmark: %1 %2</source>
        <extracomment>The line printed on a wrong argument. %1 is the sentence saying what is wrong, %2 the sentence that points to --help. Join them as your language joins two sentences.</extracomment>
        <translation>gridmark: %1 %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins two items of a list in parentheses: the reasons in &quot;gridmark: no display could be opened (%1)&quot;, or the platforms in &quot;gridmark: no platform is called ...&quot;. %1 may be a list joined this way already. Arabic and Persian use their own comma.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>gridmark: no platform is called &quot;%1&quot; (the platforms are %2)</source>
        <extracomment>Printed when no platform asked for with -platform or QT_QPA_PLATFORM exists. %1 is the name asked for, as typed; %2 the names of the platforms there are, joined by &quot;%1, %2&quot;. Put your language&apos;s quotation marks around %1.</extracomment>
        <translation>gridmark: no hi ha cap plataforma anomenada «%1» (plataformes disponibles: %2)</translation>
    </message>
</context>
</TS>
