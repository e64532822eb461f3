<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>Sol üst</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Üst orta</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Sağ üst</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>Sol orta</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>Sağ orta</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Sol alt</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Alt orta</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Sağ alt</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>boş</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>Oyun %1. %2 zafer, %3 beraberlik, %4 yenilgi. Zorluk: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Kazanan çizgi: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Oyun</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Berabere</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Zafer</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Yenilgi</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Oyuncu</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Zorluk</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Bilgisayar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Turnuvayı yeniden başlat</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Zorluk</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Kolay</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Orta</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Zor</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Nasıl oynanır</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Hakkında</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>Siz: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>Bilgisayar: %1.</translation>
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
        <translation>Kolay</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Zor</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Kazandınız! Bir oyun daha?</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Kazandınız</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Kaybettiniz. Bir oyun daha?</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Kaybettiniz</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Berabere! Bir oyun daha?</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Kazanan yok</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Zorluğu değiştirmek turnuvayı yeniden başlatacak.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Yeniden başlatılsın mı?</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>Bu turnuva, skor tablosunun sayabileceği en yüksek oyun sayısına ulaştı. Yeni bir turnuva başlayacak.</translation>
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
        <translation>&amp;Evet</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Gridmark - by the Gridmark developers</source>
        <translation>Gridmark – Gridmark geliştiricileri tarafından</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 Hakkında</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Sürüm %1.%2</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>Nasıl oynanır</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Cidden Gridmark oynamayı bilmiyor musunuz?</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Aynı sıraya ilk (3) X veya O dizen oyuncu kazanır.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Bilgisayara karşı XOX (tic-tac-toe) oynayın.
Qt’nin kendi seçenekleri (-style, -platform, -reverse...) de kabul edilir.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Bu yardımı gösterir ve çıkar.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Sürümü gösterir ve çıkar.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Beklenmeyen argüman: “%1”.</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>“gridmark --help” komutuna bakın.</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 değişkeni tanımlı değil</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; yanıt vermiyor</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: hiçbir ekran açılamadı (%1)</translation>
    </message>
</context>
</TS>
