#include "ui/main_window.h"

#include <QMenuBar>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <utility>
#include <vector>

#include "tests/engine/fakes.h"
#include "tests/ui/ui_test_support.h"

namespace gridmark {

using testing::CellR;
using testing::ChanceR;
using testing::Find;
using testing::FromTwips;

class MainWindowTest : public QObject {
  Q_OBJECT

  testing::ScriptedPlatform platform_;
  std::unique_ptr<Form1> form_;

  // A fresh window; `chance` is Form_Load's draw, then the given randoms.
  void Start(int chance, std::deque<float> randoms = {}) {
    form_ = testing::ShowScripted(platform_, chance, std::move(randoms));
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  }
  QPushButton* Cell(int i) { return testing::Cell(*form_, i); }
  void Click(int i) { QTest::mouseClick(Cell(i), Qt::LeftButton); }
  QString Marks() { return testing::Marks(*form_); }
  QString Text(const char* name) {
    auto* box = Find<QLineEdit>(*form_, name);
    return box ? box->text() : Find<QLabel>(*form_, name)->text();
  }
  QAction* Item(const char* name) { return Find<QAction>(*form_, name); }
  QString Levels() {
    QString out;
    for (const char* name : {"mnuEasy", "mnuMedium", "mnuHard"}) {
      out += Item(name)->isEnabled() ? '1' : '0';
    }
    return out;
  }
  // Red ('R') or button face ('-') across the whole face of each cell.
  QString Faces(std::initializer_list<int> cells) {
    QString out;
    for (int i : cells) {
      const QImage image = Cell(i)->grab().toImage();
      const int w = Cell(i)->width();
      const int h = Cell(i)->height();
      QSet<QRgb> seen;
      for (QPoint at : {QPoint(3, 3), QPoint(w - 4, h - 4), QPoint(w / 2, 4),
                        QPoint(4, h / 2)}) {
        seen.insert(image.pixel(at));
      }
      const QColor face = Cell(i)->palette().color(QPalette::Button);
      out += seen == QSet<QRgb>{qRgb(255, 0, 0)} ? 'R'
             : seen == QSet<QRgb>{face.rgb()}    ? '-'
                                                 : '?';
    }
    return out;
  }

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
  void cleanup() { form_.reset(); }

  void geometry_data() {
    QTest::addColumn<QRect>("box");
    const struct {
      const char* name;
      int left, top, width, height;
    } rows[] = {
        {"lblGame", 225, 120, 735, 255},
        {"txtGamenumber", 1170, 75, 735, 405},
        {"lblDraws", 2010, 135, 735, 255},
        {"txtDraws", 3090, 75, 735, 405},
        {"lblWins", 225, 540, 720, 255},
        {"txtWins", 1170, 495, 735, 405},
        {"lblLosses", 2010, 540, 975, 255},
        {"txtLosses", 3090, 495, 735, 405},
        {"lblPlayer", 225, 975, 855, 270},
        {"lblPlayertype", 1200, 975, 735, 255},
        {"lblDifficulty", 2010, 975, 1095, 375},
        {"lblDifficultytype", 3120, 975, 855, 255},
        {"lblCPU", 225, 1300, 855, 255},
        {"lblCPUtype", 1200, 1305, 735, 240},
        {"cmd1_0", 360, 1605, 1000, 1000},
        {"cmd1_1", 1605, 1605, 1000, 1000},
        {"cmd1_2", 2835, 1605, 1005, 1000},
        {"cmd1_3", 360, 2850, 1000, 1000},
        {"cmd1_4", 1605, 2850, 1000, 1000},
        {"cmd1_5", 2835, 2850, 1000, 1000},
        {"cmd1_6", 360, 4065, 1000, 1000},
        {"cmd1_7", 1620, 4065, 1000, 1000},
        {"cmd1_8", 2835, 4065, 1000, 1000},
        // Lines: their 10-pixel stroke around the table's coordinates.
        {"gridv1_0", 1470 - 75, 1590, 150, 5110 - 1590},
        {"gridv2_1", 2715 - 75, 1590, 150, 5110 - 1590},
        {"gridh1_0", 360, 2700 - 75, 3840 - 360, 165},
        {"gridh2_1", 360, 3960 - 75, 3840 - 360, 150},
    };
    for (const auto& row : rows) {
      QTest::newRow(row.name)
          << FromTwips(row.left, row.top, row.width, row.height);
    }
  }
  void geometry() {
    QFETCH(QRect, box);
    Start(60);
    QWidget* control = Find(*form_, QTest::currentDataTag());
    QCOMPARE(control->parentWidget(), form_->centralWidget());
    QCOMPARE(control->geometry(), box);
    // Positions count from the client area, below the menu bar.
    QCOMPARE(control->mapTo(form_.get(), QPoint(0, 0)),
             box.topLeft() + QPoint(0, form_->menuBar()->height()));
  }

  void windowFontsColoursAndGridLines() {
    Start(60);
    const int menu = form_->menuBar()->height();
    QVERIFY(menu > 0);
    QCOMPARE(form_->centralWidget()->geometry(), QRect(0, menu, 287, 354));
    QCOMPARE(form_->minimumSize(), QSize(287, 354 + menu));
    QCOMPARE(form_->maximumSize(), QSize(287, 354 + menu));
    QCOMPARE(form_->windowTitle(), QStringLiteral("Gridmark"));
    QVERIFY(!(form_->windowFlags() &
              (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!form_->windowIcon().isNull());

    // Caption, font and text colour of every scoreboard control and cell.
    const QString text =
        QApplication::palette().color(QPalette::ButtonText).name();
    const QString large = "Arial 12 bold ";
    const QString small = "Arial 9.75 bold ";
    const QString blue = "#0000ff";
    const QString red = "#ff0000";
    const std::vector<std::pair<const char*, QString>> expected{
        {"lblGame", "Game|" + large + text},
        {"lblDraws", "Draws|" + large + text},
        {"lblWins", "Wins|" + large + text},
        {"lblLosses", "Losses|" + large + text},
        {"lblPlayer", "Player|" + small + blue},
        {"lblPlayertype", "X's|" + small + red},
        {"lblDifficulty", "Difficulty|" + small + blue},
        {"lblDifficultytype", "Medium|" + small + red},
        {"lblCPU", "CPU|" + small + blue},
        {"lblCPUtype", "O's|" + small + red}};
    for (const auto& [name, look] : expected) {
      auto* label = Find<QLabel>(*form_, name);
      const QFont font = label->font();
      QCOMPARE(label->text() + '|' + font.family() + ' ' +
                   QString::number(font.pointSizeF()) +
                   (font.bold() ? " bold " : " ") +
                   label->palette().color(QPalette::WindowText).name(),
               look);
    }
    for (const char* name :
         {"txtGamenumber", "txtDraws", "txtWins", "txtLosses"}) {
      const QFont font = Find(*form_, name)->font();
      QCOMPARE(font.family() + ' ' + QString::number(font.pointSizeF()) +
                   (font.bold() ? " bold" : ""),
               QStringLiteral("Arial 12 bold"));
    }
    for (int i = 0; i < 9; ++i) {
      const QFont font = Cell(i)->font();
      QCOMPARE(font.family() + ' ' + QString::number(font.pointSizeF()) +
                   (font.bold() ? " bold" : ""),
               QStringLiteral("Comic Sans MS 36 bold"));
    }
    QVERIFY(Find<QLineEdit>(*form_, "txtDraws")->isReadOnly());

    const QImage image = form_->centralWidget()->grab().toImage();
    const QRgb grey = qRgb(128, 128, 128);
    QCOMPARE(image.pixel(97, 200), grey);   // gridv1
    QCOMPARE(image.pixel(180, 300), grey);  // gridv2
    QCOMPARE(image.pixel(150, 263), grey);  // gridh2
    // gridh1 rises by a pixel from its left end to its right end.
    QCOMPARE(image.pixel(30, 185), grey);
    QVERIFY(image.pixel(30, 175) != grey);
    QCOMPARE(image.pixel(250, 175), grey);
    QVERIFY(image.pixel(250, 185) != grey);
  }

  // Button face is the Button colour, even where a theme gives the window
  // background another one: the client area, the labels and the cells.
  void backgroundIsButtonFace() {
    const QPalette saved = QApplication::palette();
    QPalette themed = saved;
    themed.setColor(QPalette::Button, QColor(200, 190, 180));
    themed.setColor(QPalette::Window, QColor(90, 90, 90));
    QApplication::setPalette(themed);
    Start(60);
    const QImage image = form_->centralWidget()->grab().toImage();
    QApplication::setPalette(saved);

    const QRgb face = qRgb(200, 190, 180);
    QCOMPARE(image.pixel(2, 2), face);     // the client area
    QCOMPARE(image.pixel(62, 20), face);   // inside lblGame
    QCOMPARE(image.pixel(204, 87), face);  // inside lblDifficulty
    QCOMPARE(image.pixel(40, 205), face);  // the face of cmd1(3)
  }

  // Only the cells are tab stops, in the tables' order, and the focus moves
  // on to the next cell when a cell is taken.
  void tabOrderAndMenus() {
    Start(60);
    QStringList order;
    for (QWidget* w = Cell(0); order.size() < 13; w = w->nextInFocusChain()) {
      if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
      if (w->objectName().startsWith("txt")) order << w->objectName() + '*';
    }
    QCOMPARE(order.join(' '),
             QStringLiteral("cmd1_0 cmd1_1 cmd1_2 cmd1_3 cmd1_4 cmd1_5 cmd1_6 "
                            "cmd1_7 cmd1_8 txtGamenumber* txtWins* txtDraws* "
                            "txtLosses*"));
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    Cell(8)->setFocus();
    Cell(8)->setEnabled(false);
    QCOMPARE(QApplication::focusWidget(), Cell(0));

    QStringList tree;
    for (QAction* top : form_->menuBar()->actions()) {
      tree << top->menu()->objectName() + '=' + top->text();
      for (QAction* item : top->menu()->actions()) {
        QVERIFY(!item->isSeparator() && item->shortcut().isEmpty());
        tree << item->objectName() + '=' + item->text();
      }
    }
    QCOMPARE(
        tree.join(' '),
        QStringLiteral("mnuFile=&File mnuRestartTournament=&Restart Tournament "
                       "mnuExit=&Exit mnuDifficulty=&Difficulty mnuEasy=&Easy "
                       "mnuMedium=&Medium mnuHard=&Hard mnuHelp=&Help "
                       "mnuHowToPlay=&How To Play mnuAbout=&About"));
  }

  void startUpDisplay() {
    Start(60);
    QCOMPARE(Marks(), QStringLiteral("........."));
    QCOMPARE(Faces({0, 1, 2, 3, 4, 5, 6, 7, 8}), QStringLiteral("---------"));
    for (int i = 0; i < 9; ++i) QVERIFY(Cell(i)->isEnabled());
    QCOMPARE(Text("txtGamenumber") + Text("txtWins") + Text("txtLosses") +
                 Text("txtDraws") + Text("lblPlayertype") + Text("lblCPUtype") +
                 Text("lblDifficultytype") + Levels(),
             QStringLiteral("1000X'sO'sMedium101"));
    QCOMPARE(platform_.seeds, std::vector<double>{platform_.timer});
  }

  // Careful at Medium: the computer blocks 0-3 at 6 and so completes 2-4-6.
  void computerWinsAndYesStartsAnEvenGame() {
    Start(60, {CellR(4), ChanceR(60), CellR(8)});
    QString seen;
    platform_.on_box = [&](const testing::ShownBox& box) {
      seen = QString::fromStdString(box.prompt + "|" + box.title + "|") +
             Text("txtLosses") + '|' + Marks() + '|' + Faces({2, 4, 6, 0});
    };
    platform_.replies = {kYes};
    Click(0);
    QCOMPARE(Marks(), QStringLiteral("X...O...."));
    Click(1);
    QCOMPARE(Marks(), QStringLiteral("XXO.O...."));
    Click(3);
    QCOMPARE(seen,
             QStringLiteral("You Lose, Play Again?|You Lose|1|XXOXO.O..|RRR-"));
    QCOMPARE(platform_.boxes.at(0).buttons, Buttons::kYesNo);
    // Game 2: the opening mark only, every face back to normal.
    QCOMPARE(Marks(), QStringLiteral("........O"));
    QVERIFY(!Cell(8)->isEnabled() && Cell(7)->isEnabled());
    QCOMPARE(Faces({2, 4, 6}), QStringLiteral("---"));
    QCOMPARE(Text("txtGamenumber") + Text("txtLosses") + Text("txtWins"),
             QStringLiteral("210"));
  }

  // Careless at Medium (chance 30): random answers at 4 and 8. Space and
  // Enter press a cell as a click does; a taken cell takes no press.
  void humanWinsAndNoEndsTheProgram() {
    Start(30, {CellR(4), CellR(8)});
    platform_.replies = {kNo};
    Cell(0)->setFocus();
    QTest::keyClick(Cell(0), Qt::Key_Space);
    Click(0);
    QCOMPARE(Marks(), QStringLiteral("X...O...."));
    Click(1);
    Cell(2)->setFocus();
    QTest::keyClick(Cell(2), Qt::Key_Return);
    QCOMPARE(platform_.boxes.at(0).prompt, std::string("You Win, Play Again?"));
    QCOMPARE(platform_.boxes.at(0).title, std::string("You Win"));
    QCOMPARE(platform_.closed, 1);
    QCOMPARE(Text("txtWins"), QStringLiteral("1"));
    // Nothing runs once the program has ended.
    Cell(5)->click();
    QCOMPARE(Marks(), QStringLiteral("XXX.O...O"));
  }

  void levelChange_data() {
    QTest::addColumn<bool>("marked");
    QTest::addColumn<int>("reply");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("board");
    QTest::newRow("empty board") << false << 0 << "Hard"
                                 << ".........";
    QTest::newRow("OK") << true << int{kOk} << "Hard"
                        << ".........";
    QTest::newRow("Cancel") << true << int{kCancel} << "Medium"
                            << "X...O....";
  }
  void levelChange() {
    QFETCH(bool, marked);
    QFETCH(int, reply);
    QFETCH(QString, level);
    QFETCH(QString, board);
    Start(60, {CellR(4), ChanceR(60)});
    if (marked) Click(0);
    if (reply != 0) platform_.replies = {static_cast<std::int16_t>(reply)};
    Item("mnuHard")->trigger();
    QCOMPARE(Text("lblDifficultytype"), level);
    QCOMPARE(Marks(), board);
    // The chosen item is disabled even when the change is cancelled.
    QCOMPARE(Levels(), QStringLiteral("110"));
    QCOMPARE(platform_.boxes.size(), static_cast<std::size_t>(marked));
    if (marked) {
      QCOMPARE(
          platform_.boxes[0].prompt,
          std::string("Changing This Setting Will Restart The Tournament"));
      QCOMPARE(platform_.boxes[0].title, std::string("Reset?"));
      QCOMPARE(platform_.boxes[0].buttons, Buttons::kOkCancel);
    }
  }

  void restartDialogsAndExit() {
    Start(60, {CellR(4), ChanceR(60)});
    Click(0);
    Item("mnuRestartTournament")->trigger();
    QCOMPARE(Marks(), QStringLiteral("........."));
    Item("mnuHowToPlay")->trigger();
    Item("mnuAbout")->trigger();
    QCOMPARE(platform_.dialogs,
             (std::vector<Dialog>{Dialog::kHowToPlay, Dialog::kAbout}));
    Item("mnuExit")->trigger();
    QCOMPARE(platform_.closed, 1);
    QVERIFY(platform_.boxes.empty());
  }

  void fullScoreboardStartsANewTournament() {
    Start(30, {CellR(4), CellR(8), ChanceR(30)});
    form_->game().intWins = 32767;
    platform_.replies = {kOk};
    Click(0);
    Click(1);
    Click(2);
    QCOMPARE(platform_.boxes.at(0).buttons, Buttons::kOk);
    QCOMPARE(Marks() + Text("txtWins"), QStringLiteral(".........0"));
    QCOMPARE(platform_.closed, 0);
  }
};

}  // namespace gridmark

QTEST_MAIN(gridmark::MainWindowTest)
#include "main_window_test.moc"
