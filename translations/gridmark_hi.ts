<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>ऊपर बाएँ</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>ऊपर बीच में</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>ऊपर दाएँ</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>बीच में बाएँ</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>बीच में</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>बीच में दाएँ</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>नीचे बाएँ</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>नीचे बीच में</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>नीचे दाएँ</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>खाली</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>बाज़ी %1। जीत %2, ड्रॉ %3, हार %4। कठिनाई: %5।</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>जीत की पंक्ति: %1, %2, %3।</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>बाज़ी</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>ड्रॉ</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>जीत</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>हार</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>खिलाड़ी</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>कठिनाई</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>कंप्यूटर</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>टूर्नामेंट फिर से शुरू करें(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहर निकलें(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>कठिनाई(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>आसान(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>मध्यम(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>कठिन(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>कैसे खेलें(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>परिचय(&amp;A)</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>आपकी चाल: %1।</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>कंप्यूटर की चाल: %1।</translation>
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
        <translation>आसान</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>मध्यम</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>कठिन</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>आप जीत गए! एक और बाज़ी हो जाए?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>आप जीत गए</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>आप हार गए। एक और बाज़ी हो जाए?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>आप हार गए</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>बाज़ी ड्रॉ रही। एक और बाज़ी हो जाए?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>कोई विजेता नहीं</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>कठिनाई बदलने पर टूर्नामेंट फिर से शुरू होगा।</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>टूर्नामेंट फिर से शुरू करें?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>इस टूर्नामेंट में उतनी बाज़ियाँ हो चुकी हैं जितनी स्कोरबोर्ड गिन सकता है। अब नया टूर्नामेंट शुरू होगा।</translation>
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
        <translation>हाँ(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं(&amp;N)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Gridmark - by the Gridmark developers</source>
        <translation>Gridmark - Gridmark डेवलपर्स की ओर से</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 का परिचय</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>संस्करण %1.%2</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>कैसे खेलें</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>सच में? आपको Gridmark खेलना नहीं आता?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>जो खिलाड़ी सबसे पहले एक सीध में (3) X या O बना ले, वही जीतता है।</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>कंप्यूटर के विरुद्ध ज़ीरो-काटा (टिक-टैक-टो) खेलें।
Qt के अपने विकल्प (-style, -platform, -reverse...) भी स्वीकार किए जाते हैं।</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>यह सहायता दिखाएँ और बाहर निकलें।</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>संस्करण दिखाएँ और बाहर निकलें।</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>अनपेक्षित तर्क: “%1”।</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>“gridmark --help” देखें।</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 सेट नहीं है</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; जवाब नहीं दे रहा</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: कोई डिस्प्ले नहीं खोला जा सका (%1)</translation>
    </message>
</context>
</TS>
