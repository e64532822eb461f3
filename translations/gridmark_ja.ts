<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>左上</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>上中央</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>左中央</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>右中央</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>下中央</translation>
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
        <translation>空き</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>ゲーム %1。勝ち %2、引き分け %3、負け %4。難易度：%5。</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>揃ったライン：%1、%2、%3。</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>引き分け</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>勝ち</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>負け</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>あなた</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>難易度</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>CPU</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>トーナメントをやり直す(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>難易度(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>かんたん(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>ふつう(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>むずかしい(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>遊び方(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Gridmark について(&amp;A)</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>あなた：%1。</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>CPU：%1。</translation>
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
        <translation>かんたん</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>ふつう</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>むずかしい</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>あなたの勝ちです！もう1ゲーム遊びますか？</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>あなたの勝ち</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>あなたの負けです。もう1ゲーム遊びますか？</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>あなたの負け</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>引き分けです。もう1ゲーム遊びますか？</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>勝者なし</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>難易度を変更すると、トーナメントが最初からやり直しになります。</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>やり直しますか？</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>このトーナメントは、スコアボードで数えられるゲーム数の上限に達しました。新しいトーナメントを開始します。</translation>
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
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>Gridmark - 制作：Gridmark 開発者</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>バージョン %1.%2</translation>
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
        <translation>遊び方</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>まさか Gridmark の遊び方を知らないんですか？</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>先に X か O を (3) つ一列に並べた方の勝ちです。</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>CPU と三目並べで対戦します。
Qt 自体のオプション (-style, -platform, -reverse...) も使用できます。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数「%1」です。</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>「gridmark --help」を参照してください。</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 が設定されていません</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; が応答しません</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: ディスプレイを開けませんでした (%1)</translation>
    </message>
</context>
</TS>
