<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>U góry po lewej</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>U góry pośrodku</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>U góry po prawej</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>Pośrodku po lewej</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Na środku</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>Pośrodku po prawej</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Na dole po lewej</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Na dole pośrodku</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Na dole po prawej</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>Partia %1. Wygrane: %2, remisy: %3, porażki: %4. Poziom: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Zwycięska linia: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Partia</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Remisy</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Wygr.</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Porażki</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Rozpocznij turniej od nowa</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>Po&amp;ziom</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>Ł&amp;atwy</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>Ś&amp;redni</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Trudny</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Jak grać</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>Ty: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>Komputer: %1.</translation>
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
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Trudny</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Wygrywasz! Jeszcze jedna partia?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Wygrana</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Przegrywasz. Jeszcze jedna partia?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Porażka</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Remis! Jeszcze jedna partia?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Brak zwycięzcy</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Zmiana poziomu rozpocznie turniej od nowa.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Zacząć od nowa?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>W tym turnieju rozegrano już tyle partii, ile zdoła zliczyć tablica wyników. Rozpoczyna się nowy turniej.</translation>
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
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Gridmark – autorstwa zespołu Gridmark</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Wersja %1.%2</translation>
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
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Serio nie wiesz, jak się gra w Gridmark?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Wygrywa ten, kto pierwszy ułoży w rzędzie (3) X lub O.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Zagraj w kółko i krzyżyk z komputerem.
Obsługiwane są też standardowe opcje Qt (-style, -platform, -reverse...).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Wyświetla tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Wyświetla wersję i kończy działanie.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Zobacz „gridmark --help”.</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>Zmienna %1 nie jest ustawiona</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; nie odpowiada</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: nie można otworzyć żadnego ekranu (%1)</translation>
    </message>
</context>
</TS>
