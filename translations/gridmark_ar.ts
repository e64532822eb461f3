<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>أعلى اليمين</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>أعلى الوسط</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>أعلى اليسار</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>وسط اليمين</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>الوسط</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>وسط اليسار</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>أسفل اليمين</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>أسفل الوسط</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>أسفل اليسار</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>فارغة</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>الجولة %1. فوز %2، تعادل %3، خسارة %4. الصعوبة: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>الخط الفائز: %1، %2، %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>الجولة</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>تعادل</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>فوز</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>خسارة</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>اللاعب</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>الصعوبة</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>الحاسوب</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ملف(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>بدء البطولة من جديد(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>خروج(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>الصعوبة(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>سهل(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>متوسط(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>صعب(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>مساعدة(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>طريقة اللعب(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>حول Gridmark(&amp;A)</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>أنت: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>الحاسوب: %1.</translation>
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
        <translation>سهل</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>صعب</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>لقد فزت! جولة أخرى؟</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>لقد فزت</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>لقد خسرت! جولة أخرى؟</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>لقد خسرت</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>انتهت بالتعادل! جولة أخرى؟</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>لا فائز</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>سيؤدي تغيير الصعوبة إلى بدء البطولة من جديد.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>البدء من جديد؟</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>بلغت هذه البطولة أقصى عدد من الجولات يمكن للوحة النتائج عدّه. ستبدأ بطولة جديدة.</translation>
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
        <translation>نعم(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>لا(&amp;N)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Gridmark - by the Gridmark developers</source>
        <translation>Gridmark - من إعداد مطوري Gridmark</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>حول %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>الإصدار %1.%2</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>طريقة اللعب</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>حقًا لا تعرف كيف تلعب Gridmark؟</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>يفوز أول من يصفّ (3) علامات X أو O في خط واحد.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>لعبة إكس-أو ضد الحاسوب.
تُقبل أيضًا خيارات Qt الخاصة (-style, -platform, -reverse...).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>عرض هذه المساعدة ثم الخروج.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>عرض الإصدار ثم الخروج.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>وسيط غير متوقع «%1».</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>راجع «gridmark --help».</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 غير مضبوط</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; لا يستجيب</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: تعذّر فتح أي شاشة عرض (%1)</translation>
    </message>
</context>
</TS>
