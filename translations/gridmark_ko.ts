<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>왼쪽 위</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>위쪽 가운데</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>오른쪽 위</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>왼쪽 가운데</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>가운데</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>오른쪽 가운데</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>왼쪽 아래</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>아래쪽 가운데</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>오른쪽 아래</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>비어 있음</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>게임 %1. 승리 %2회, 무승부 %3회, 패배 %4회. 난이도: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>완성된 줄: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>게임</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>무승부</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>승리</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>패배</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>플레이어</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>난이도</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>컴퓨터</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>토너먼트 다시 시작(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>끝내기(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>난이도(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>쉬움(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>보통(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>어려움(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>게임 방법(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Gridmark 정보(&amp;A)</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>플레이어: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>컴퓨터: %1.</translation>
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
        <translation>쉬움</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>어려움</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>이겼습니다! 한 게임 더 하시겠습니까?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>승리</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>졌습니다. 한 게임 더 하시겠습니까?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>패배</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>무승부입니다. 한 게임 더 하시겠습니까?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>승자 없음</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>난이도를 바꾸면 토너먼트가 처음부터 다시 시작됩니다.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>다시 시작하시겠습니까?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>이번 토너먼트가 점수판에서 셀 수 있는 최대 게임 수에 도달했습니다. 새 토너먼트를 시작합니다.</translation>
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
        <translation>예(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>아니요(&amp;N)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Gridmark - by the Gridmark developers</source>
        <translation>Gridmark - Gridmark 개발자 제작</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 정보</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>버전 %1.%2</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>게임 방법</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>설마 Gridmark를 할 줄 모르신다는 말씀입니까?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>X나 O를 한 줄에 먼저 (3)개 놓는 쪽이 이깁니다.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>컴퓨터를 상대로 틱택토를 플레이합니다.
Qt 자체 옵션(-style, -platform, -reverse...)도 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>이 도움말을 표시하고 끝냅니다.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>버전을 표시하고 끝냅니다.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>예기치 않은 인수 ‘%1’입니다.</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>‘gridmark --help’를 참고하십시오.</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 변수가 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; 디스플레이가 응답하지 않습니다</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: 디스플레이를 열 수 없습니다 (%1)</translation>
    </message>
</context>
</TS>
