<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>Kiri atas</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Tengah atas</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Kanan atas</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>Kiri tengah</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Tengah</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>Kanan tengah</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Kiri bawah</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Tengah bawah</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Kanan bawah</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>kosong</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>Babak %1. Menang %2, seri %3, kalah %4. Kesulitan: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Garis kemenangan: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Babak</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Seri</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Menang</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Kalah</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Pemain</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Kesulitan</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Berkas</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Mulai ulang turnamen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Kesulitan</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Mudah</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Sedang</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>S&amp;ulit</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>B&amp;antuan</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Cara bermain</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Tentang Gridmark</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>Anda: %1.</translation>
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
        <translation>Mudah</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Sedang</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Sulit</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Anda menang! Main satu babak lagi?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Anda menang</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Anda kalah. Main satu babak lagi?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Anda kalah</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Hasilnya seri. Main satu babak lagi?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Tidak ada pemenang</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Mengubah tingkat kesulitan akan memulai ulang turnamen.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Mulai ulang turnamen?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>Turnamen ini sudah mencapai jumlah babak terbanyak yang dapat dihitung papan skor. Turnamen baru akan dimulai.</translation>
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
        <translation>&amp;Ya</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Tidak</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
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
        <translation>Gridmark - oleh para pengembang Gridmark</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Tentang %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versi %1.%2</translation>
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
        <translation>Cara bermain</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Serius, Anda tidak tahu cara bermain Gridmark?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Pemain yang pertama kali mendapatkan (3) X atau O berderet adalah pemenangnya.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Mainkan tic-tac-toe (permainan X-O) melawan komputer.
Opsi bawaan Qt (-style, -platform, -reverse...) juga diterima.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Tampilkan bantuan ini lalu keluar.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Tampilkan versi lalu keluar.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumen tak terduga: “%1”.</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Lihat “gridmark --help”.</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 belum diatur</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; tidak merespons</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: tidak ada layar yang dapat dibuka (%1)</translation>
    </message>
</context>
</TS>
