<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>بالا سمت راست</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>بالا وسط</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>بالا سمت چپ</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>وسط سمت راست</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>وسط</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>وسط سمت چپ</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>پایین سمت راست</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>پایین وسط</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>پایین سمت چپ</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>خالی</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>بازی %1. برد %2، مساوی %3، باخت %4. دشواری: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>خط برنده: %1، %2، %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>بازی</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>مساوی</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>برد</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>باخت</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>بازیکن</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>دشواری</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>رایانه</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>پرونده(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>شروع دوبارهٔ تورنمنت(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>خروج(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>دشواری(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>آسان(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>متوسط(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>سخت(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>راهنما(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>روش بازی(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>دربارهٔ Gridmark(&amp;A)</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>شما: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>رایانه: %1.</translation>
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
        <translation>آسان</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>سخت</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>شما بردید! یک بازی دیگر؟</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>شما بردید</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>شما باختید! یک بازی دیگر؟</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>شما باختید</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>مساوی شد! یک بازی دیگر؟</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>بدون برنده</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>با تغییر دشواری، تورنمنت دوباره شروع می‌شود.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>شروع دوباره؟</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>این تورنمنت به سقف تعداد بازی‌هایی که جدول امتیاز می‌تواند بشمارد رسیده است. تورنمنت تازه‌ای شروع می‌شود.</translation>
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
        <translation>بله(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>خیر(&amp;N)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Gridmark - by the Gridmark developers</source>
        <translation>Gridmark - ساختهٔ توسعه‌دهندگان Gridmark</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>دربارهٔ %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>نسخهٔ %1.%2</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>روش بازی</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>جدی‌جدی بلد نیستید Gridmark بازی کنید؟</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>هر کس زودتر (3) علامت X یا O را در یک خط ردیف کند، برنده است.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>با رایانه دوز بازی کنید.
گزینه‌های خود Qt (-style, -platform, -reverse...) هم پذیرفته می‌شوند.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>نمایش این راهنما و خروج.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>نمایش نسخه و خروج.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>آرگومان غیرمنتظره «%1».</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>برای راهنمایی «gridmark --help» را ببینید.</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 تنظیم نشده است</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; پاسخ نمی‌دهد</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: هیچ نمایشگری باز نشد (%1)</translation>
    </message>
</context>
</TS>
