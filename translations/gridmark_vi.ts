<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>Trên cùng bên trái</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Trên cùng ở giữa</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Trên cùng bên phải</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>Giữa bên trái</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Chính giữa</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>Giữa bên phải</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Dưới cùng bên trái</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Dưới cùng ở giữa</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Dưới cùng bên phải</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>trống</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>Ván %1. Thắng %2, hòa %3, thua %4. Độ khó: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Đường thắng: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Ván</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Hòa</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Thắng</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Thua</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Bạn</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Độ khó</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Máy tính</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tệp</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Bắt đầu lại giải đấu</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Thoát</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>Độ &amp;khó</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Dễ</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Trung bình</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Khó</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Trợ &amp;giúp</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Cách chơi</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Giới thiệu</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>Bạn: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>Máy tính: %1.</translation>
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
        <translation>Dễ</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Trung bình</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Khó</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Bạn thắng rồi! Chơi thêm ván nữa không?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Bạn thắng</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Bạn thua rồi! Chơi thêm ván nữa không?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Bạn thua</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Hòa rồi! Chơi thêm ván nữa không?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Không ai thắng</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Nếu bạn thay đổi độ khó, giải đấu sẽ bắt đầu lại từ đầu.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Bắt đầu lại giải đấu?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>Giải đấu này đã đạt số ván tối đa mà bảng điểm có thể đếm. Một giải đấu mới sẽ bắt đầu.</translation>
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
        <translation>&amp;Có</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Không</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy bỏ</translation>
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
        <translation>Gridmark - của các nhà phát triển Gridmark</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Giới thiệu %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Phiên bản %1.%2</translation>
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
        <translation>Cách chơi</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Bạn thật sự không biết chơi Gridmark sao?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Người đầu tiên xếp được (3) X hoặc O thẳng hàng sẽ thắng.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Chơi tic-tac-toe (cờ ca-rô 3x3) với máy tính.
Các tùy chọn riêng của Qt (-style, -platform, -reverse...) cũng được chấp nhận.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Hiển thị trợ giúp này rồi thoát.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Hiển thị phiên bản rồi thoát.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Đối số không mong đợi: “%1”.</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Xem “gridmark --help”.</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 chưa được đặt</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; không phản hồi</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: không thể mở màn hình nào (%1)</translation>
    </message>
</context>
</TS>
