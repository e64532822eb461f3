<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>למעלה מימין</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>למעלה באמצע</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>למעלה משמאל</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>באמצע מימין</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>באמצע</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>באמצע משמאל</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>למטה מימין</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>למטה באמצע</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>למטה משמאל</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>ריק</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>משחק %1. ניצחונות %2, תיקו %3, הפסדים %4. רמת קושי: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>קו הניצחון: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>משחק</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>תיקו</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>נצחונות</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>הפסדים</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>שחקן</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>רמת קושי</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>מחשב</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;קובץ</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;התחלת הטורניר מחדש</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;רמת קושי</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;קל</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;בינוני</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>ק&amp;שה</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;עזרה</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>איך &amp;משחקים</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;אודות</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>שחקן: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>מחשב: %1.</translation>
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
        <translation>קל</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>בינוני</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>קשה</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>ניצחת! עוד משחק?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>ניצחת</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>הפסדת! עוד משחק?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>הפסדת</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>תיקו! עוד משחק?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>אין מנצח</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>שינוי רמת הקושי יתחיל את הטורניר מחדש.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>להתחיל מחדש?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>הטורניר הגיע למספר המשחקים המרבי שלוח התוצאות יכול לספור. טורניר חדש יתחיל.</translation>
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
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;כן</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;לא</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Gridmark - by the Gridmark developers</source>
        <translation>Gridmark - מאת מפתחי Gridmark</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>אודות %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>גרסה %1.%2</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>איך משחקים</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>רגע, באמת לא יודעים איך משחקים Gridmark?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>המנצח הוא מי שמסדר ראשון (3) סימני X או O בקו אחד.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>משחק איקס עיגול נגד המחשב.
גם האפשרויות של Qt עצמה (-style, -platform, -reverse...) נתמכות.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>הצגת עזרה זו ויציאה.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>הצגת הגרסה ויציאה.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>ארגומנט לא צפוי &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>לעזרה, יש להריץ &quot;gridmark --help&quot;.</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>המשתנה %1 אינו מוגדר</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; אינו מגיב</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: לא ניתן לפתוח אף תצוגה (%1)</translation>
    </message>
</context>
</TS>
