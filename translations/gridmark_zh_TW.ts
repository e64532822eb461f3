<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>左上</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>中上</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>左中</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>右中</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>中下</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空白</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>第 %1 局。勝 %2 局，和 %3 局，敗 %4 局。難度：%5。</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>獲勝連線：%1、%2、%3。</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>局數</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>和局</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>勝局</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>敗局</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>玩家</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>難度</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>電腦</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>重新開始錦標賽(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>結束(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>難度(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>簡單(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>中等(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>困難(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>遊戲玩法(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>關於 Gridmark(&amp;A)</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>你：%1。</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>電腦：%1。</translation>
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
        <translation>簡單</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中等</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>困難</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>你贏了！再來一局？</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>你贏了</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>你輸了！再來一局？</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>你輸了</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>和局！再來一局？</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>不分勝負</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>變更難度將會重新開始錦標賽。</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>要重新開始嗎？</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>本次錦標賽的局數已達到計分板能記錄的上限，將開始新的錦標賽。</translation>
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
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Gridmark - by the Gridmark developers</source>
        <translation>Gridmark - 由 Gridmark 開發者製作</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>關於 %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>版本 %1.%2</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>遊戲玩法</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>不會吧，你真的不知道怎麼玩 Gridmark？</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>誰先讓 (3) 個 X 或 O 連成一線，誰就獲勝。</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>和電腦玩圈圈叉叉（井字遊戲）。
Qt 本身的選項（-style, -platform, -reverse...）也可以使用。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>顯示此說明並結束。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>顯示版本並結束。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>非預期的引數「%1」。</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>請參閱「gridmark --help」。</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 未設定</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; 沒有回應</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: 無法開啟任何圖形顯示（%1）</translation>
    </message>
</context>
</TS>
