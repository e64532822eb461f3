<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>Form1</name>
    <message>
        <source>Top left</source>
        <extracomment>This and the eight places after it are spoken, never shown. In a right-to-left language the board is mirrored: name each cell as it is seen there, left and right swapped.</extracomment>
        <translation>Πάνω αριστερά</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Πάνω στη μέση</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Πάνω δεξιά</translation>
    </message>
    <message>
        <source>Centre left</source>
        <translation>Αριστερά στη μέση</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Κέντρο</translation>
    </message>
    <message>
        <source>Centre right</source>
        <translation>Δεξιά στη μέση</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Κάτω αριστερά</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Κάτω στη μέση</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Κάτω δεξιά</translation>
    </message>
    <message>
        <source>Gridmark</source>
        <translation>Gridmark</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>κενό</translation>
    </message>
    <message>
        <source>Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.</source>
        <translation>Γύρος %1. Νίκες %2, ισοπαλίες %3, ήττες %4. Δυσκολία: %5.</translation>
    </message>
    <message>
        <source>Winning line: %1, %2, %3.</source>
        <translation>Νικητήρια γραμμή: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Γύρος</translation>
    </message>
    <message>
        <source>Draws</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Ισοπαλ.</translation>
    </message>
    <message>
        <source>Wins</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.</extracomment>
        <translation>Νίκες</translation>
    </message>
    <message>
        <source>Losses</source>
        <extracomment>Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.</extracomment>
        <translation>Ήττες</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Παίκτης</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the same word as the Difficulty menu.</extracomment>
        <translation>Δυσκολία</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.</extracomment>
        <translation>Η/Υ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Αρχείο</translation>
    </message>
    <message>
        <source>&amp;Restart Tournament</source>
        <translation>&amp;Επανεκκίνηση τουρνουά</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Δυσκολία</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Εύκολο</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Μέτριο</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Δύσκολο</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Πώς παίζεται</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Σχετικά</translation>
    </message>
    <message>
        <source>You: %1.</source>
        <translation>Εσείς: %1.</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <translation>Υπολογιστής: %1.</translation>
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
        <translation>Εύκολο</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Μέτριο</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Δύσκολο</translation>
    </message>
    <message>
        <source>You Win, Play Again?</source>
        <translation>Κερδίσατε! Άλλος ένας γύρος;</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Κερδίσατε</translation>
    </message>
    <message>
        <source>You Lose, Play Again?</source>
        <translation>Χάσατε. Άλλος ένας γύρος;</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Χάσατε</translation>
    </message>
    <message>
        <source>It Was A Draw, Play Again?</source>
        <translation>Ισοπαλία! Άλλος ένας γύρος;</translation>
    </message>
    <message>
        <source>No Winner</source>
        <translation>Κανένας νικητής</translation>
    </message>
    <message>
        <source>Changing This Setting Will Restart The Tournament</source>
        <translation>Η αλλαγή της δυσκολίας θα ξεκινήσει το τουρνουά από την αρχή.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Επανεκκίνηση;</translation>
    </message>
    <message>
        <source>This tournament has reached the most games the scoreboard can count. A new tournament will start.</source>
        <translation>Το τουρνουά έφτασε στον μέγιστο αριθμό γύρων που μπορεί να μετρήσει ο πίνακας βαθμολογίας. Θα ξεκινήσει νέο τουρνουά.</translation>
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
        <translation>&amp;Ναι</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Όχι</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>Gridmark - by the Gridmark developers</source>
        <translation>Gridmark – από τους δημιουργούς του Gridmark</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Σχετικά με το %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Έκδοση %1.%2</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>Πώς παίζεται</translation>
    </message>
    <message>
        <source>You seriously don&apos;t know how to play Gridmark?</source>
        <translation>Σοβαρά τώρα, δεν ξέρετε να παίζετε Gridmark;</translation>
    </message>
    <message>
        <source>The first player to get (3) X&apos;s or O&apos;s in a row wins.</source>
        <translation>Κερδίζει ο παίκτης που θα βάλει πρώτος (3) X ή O στη σειρά.</translation>
    </message>
</context>
<context>
    <name>gridmark</name>
    <message>
        <source>Play noughts and crosses against the computer.
Qt&apos;s own options (-style, -platform, -reverse...) are accepted too.</source>
        <translation>Παίξτε τρίλιζα εναντίον του υπολογιστή.
Γίνονται δεκτές και οι επιλογές του ίδιου του Qt (-style, -platform, -reverse...).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Εμφάνιση αυτής της βοήθειας και έξοδος.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Εμφάνιση της έκδοσης και έξοδος.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Απρόσμενο όρισμα «%1».</translation>
    </message>
    <message>
        <source>See &apos;gridmark --help&apos;.</source>
        <translation>Δείτε «gridmark --help».</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>η μεταβλητή %1 δεν έχει οριστεί</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; does not answer</source>
        <translation>%1=&quot;%2&quot; δεν αποκρίνεται</translation>
    </message>
    <message>
        <source>gridmark: no display could be opened (%1)</source>
        <translation>gridmark: δεν ήταν δυνατό να ανοιχτεί καμία οθόνη (%1)</translation>
    </message>
</context>
</TS>
