#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>
#include <deque>
#include <memory>

#include "platform/numbers.h"
#include "platform/qt_platform_services.h"
#include "tests/engine/fakes.h"
#include "tests/engine/rig.h"
#include "tests/ui/ui_test_support.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"

namespace gridmark {

using testing::CellR;
using testing::ChanceR;
using testing::Find;
using testing::Marks;
using testing::ModalPoller;

namespace {

// Real boxes and dialogs, scripted random numbers (0 once they run out).
class RealBoxes : public QtPlatformServices {
 public:
  explicit RealBoxes(std::deque<float> randoms)
      : QtPlatformServices(&MakeDialog), randoms_(std::move(randoms)) {}
  float Rnd() override {
    if (randoms_.empty()) return 0.0F;
    const float r = randoms_.front();
    randoms_.pop_front();
    return r;
  }

 private:
  std::deque<float> randoms_;
};

QString Text(const QWidget& form, const char* name) {
  if (auto* box = Find<QLineEdit>(form, name)) return box->text();
  return Find<QLabel>(form, name)->text();
}

// Scores, level and menu flags: "game wins losses draws level flags".
QString Scoreboard(const QWidget& form) {
  QString flags;
  for (const char* item : {"mnuEasy", "mnuMedium", "mnuHard"}) {
    flags += Find<QAction>(form, item)->isEnabled() ? '1' : '0';
  }
  return QStringList{Text(form, "txtGamenumber"),     Text(form, "txtWins"),
                     Text(form, "txtLosses"),         Text(form, "txtDraws"),
                     Text(form, "lblDifficultytype"), flags}
      .join(' ');
}

// Everything a press could change: marks, enabled flags, faces, scoreboard.
QString Everything(const QWidget& form) {
  QString out = Marks(form) + ' ';
  for (int i = 0; i < 9; ++i) {
    auto* cell = static_cast<CellButton*>(testing::Cell(form, i));
    out += cell->isEnabled() ? 'e' : 'd';
    out += cell->BackColour().name();
  }
  return out + ' ' + Scoreboard(form);
}

QString Describe(QWidget* modal) {
  auto* box = qobject_cast<QMessageBox*>(modal);
  if (box == nullptr) return modal->objectName();
  QStringList buttons;
  for (QAbstractButton* button : box->buttons()) {
    buttons << button->text().remove('&');
  }
  return modal->windowTitle() + '|' + box->text() + '|' + buttons.join(',');
}

void Answer(QWidget* modal, QMessageBox::StandardButton button) {
  qobject_cast<QMessageBox*>(modal)->button(button)->click();
}

}  // namespace

class FaultTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  // Each counter held at 32767, then raised through the window: the full
  // scoreboard box, then a new tournament at the level chosen.
  void counterOverflow_data() {
    QTest::addColumn<QString>("counter");
    QTest::addColumn<QList<int>>("presses");
    QTest::addColumn<QString>("underBox");
    // Careless at Hard (chance 10): the computer answers at random.
    const QList<int> win{0, 1, 2};
    QTest::newRow("game number") << "txtGamenumber" << win << "XXX.O...O";
    QTest::newRow("wins") << "txtWins" << win << "XXX.O...O";
    QTest::newRow("losses")
        << "txtLosses" << QList<int>{0, 1, 3} << "XXOXO.O..";
    QTest::newRow("draws") << "txtDraws" << QList<int>{0, 8, 7, 2, 3}
                           << "XOXXOOOXX";
  }
  void counterOverflow() {
    QFETCH(QString, counter);
    QFETCH(QList<int>, presses);
    QFETCH(QString, underBox);
    const bool losses = counter == "txtLosses";
    const bool draws = counter == "txtDraws";
    RealBoxes platform(
        losses  ? std::deque<float>{ChanceR(60), CellR(4)}
        : draws ? std::deque<float>{ChanceR(10), CellR(4), CellR(1), CellR(6),
                                    CellR(5)}
                : std::deque<float>{ChanceR(10), CellR(4), CellR(8)});
    Form1 form(platform);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Find<QAction>(form, "mnuHard")->trigger();

    Game& game = form.game();
    std::int16_t& value = counter == "txtGamenumber" ? game.intGameNumber
                          : counter == "txtWins"     ? game.intWins
                          : losses                   ? game.intLosses
                                                     : game.intDraws;
    value = 32767;
    form.SetText(counter == "txtGamenumber" ? TextBox::kGamenumber
                 : counter == "txtWins"     ? TextBox::kWins
                 : losses                   ? TextBox::kLosses
                                            : TextBox::kDraws,
                 "32767");

    QStringList seen;
    std::vector<ModalPoller::Step> steps;
    if (counter == "txtGamenumber") {
      steps.push_back([](QWidget* box) { Answer(box, QMessageBox::Yes); });
    }
    steps.push_back([&](QWidget* box) {
      seen << Describe(box)
           << Marks(form) + ' ' + Text(form, counter.toLatin1());
      Answer(box, QMessageBox::Ok);
    });
    ModalPoller poller(steps);
    for (int cell : presses) testing::PressThroughWindow(form, cell);
    QVERIFY(poller.Done());

    // The finished game stays on the board: the next one never came.
    QCOMPARE(seen, QStringList({"Gridmark|This tournament has reached the "
                                "most games the scoreboard can count. A new "
                                "tournament will start.|OK",
                                underBox + " 32767"}));
    QCOMPARE(Marks(form) + ' ' + Scoreboard(form),
             QStringLiteral("......... 1 0 0 0 Hard 110"));
    QVERIFY(!game.Ended() && form.isVisible());
    // Play goes on in the new tournament.
    testing::PressThroughWindow(form, 4);
    QCOMPARE(Marks(form).count('X'), 1);
    QCOMPARE(Marks(form).count('O'), 1);
  }

  // A taken, so disabled, cell takes no press of any kind.
  void pressOnATakenCell_data() {
    QTest::addColumn<QString>("how");
    for (const char* how : {"click()", "mouse", "Space", "Return", "window"}) {
      QTest::newRow(how) << QString::fromLatin1(how);
    }
  }
  void pressOnATakenCell() {
    QFETCH(QString, how);
    testing::ScriptedPlatform platform;
    platform.randoms = {ChanceR(60), CellR(4)};
    Form1 form(platform);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    testing::Cell(form, 0)->click();
    QCOMPARE(Marks(form), QStringLiteral("X...O...."));
    const QString before = Everything(form);
    const auto fields = testing::Fields(form.game());
    for (int i : {0, 4}) {
      QPushButton* cell = testing::Cell(form, i);
      cell->setFocus();
      if (how == "click()") {
        cell->click();
      } else if (how == "mouse") {
        QTest::mouseClick(cell, Qt::LeftButton);
      } else if (how == "Space") {
        QTest::keyClick(cell, Qt::Key_Space);
      } else if (how == "Return") {
        QTest::keyClick(cell, Qt::Key_Return);
      } else {
        testing::PressThroughWindow(form, i);
      }
    }
    QCOMPARE(Everything(form), before);
    QVERIFY(testing::Fields(form.game()) == fields);
    QCOMPARE(platform.rnd_calls, 2);
    QVERIFY(platform.boxes.empty());
  }

  // The item of the level in force is disabled and cannot be chosen.
  void disabledLevelItem() {
    testing::ScriptedPlatform platform;
    platform.randoms = {ChanceR(60), CellR(4)};
    Form1 form(platform);
    testing::Cell(form, 0)->click();
    const QString before = Everything(form);
    Find<QAction>(form, "mnuMedium")->trigger();
    QCOMPARE(Everything(form), before);
    QVERIFY(platform.boxes.empty());
  }

  // While a box or dialog is up, the window takes no press and no key.
  void eventsRefusedWhileModal_data() {
    QTest::addColumn<QString>("item");
    QTest::newRow("level question") << "mnuEasy";
    QTest::newRow("How To Play") << "mnuHowToPlay";
    QTest::newRow("About") << "mnuAbout";
  }
  void eventsRefusedWhileModal() {
    QFETCH(QString, item);
    RealBoxes platform({ChanceR(60), CellR(4)});
    Form1 form(platform);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    testing::PressThroughWindow(form, 0);
    const QString before = Everything(form);
    QStringList seen;
    ModalPoller poller({[&](QWidget* modal) {
      seen << Describe(modal).section('|', 0, 0);
      for (int i : {8, 0}) testing::PressThroughWindow(form, i);
      QTest::keyClick(form.windowHandle(), Qt::Key_F, Qt::AltModifier);
      seen << Everything(form);
      seen << (QApplication::activePopupWidget() ? "menu open" : "no menu");
      modal->close();
    }});
    Find<QAction>(form, item.toLatin1())->trigger();
    QVERIFY(poller.Done());
    const QString modal = item == "mnuEasy"        ? "Reset?"
                          : item == "mnuHowToPlay" ? "frmHowToPlay"
                                                   : "frmAbout";
    // The level question marks the chosen item before it asks.
    const QString during =
        item == "mnuEasy" ? QString(before).replace(" 101", " 011") : before;
    QCOMPARE(seen, QStringList({modal, during, "no menu"}));
    QCOMPARE(Everything(form), during);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  // The close box in the middle of a game ends the run with status 0.
  void closeBoxDuringAGame() {
    QApplication::setQuitOnLastWindowClosed(true);
    RealBoxes platform({ChanceR(60), CellR(4)});
    Form1 form(platform);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    testing::PressThroughWindow(form, 0);
    QCOMPARE(Marks(form), QStringLiteral("X...O...."));
    QTimer::singleShot(0, &form, [&] { form.close(); });
    QTimer::singleShot(5000, &form, [] { QCoreApplication::exit(99); });
    const int status = QApplication::exec();
    QApplication::setQuitOnLastWindowClosed(false);
    QCOMPARE(status, 0);
    QVERIFY(!form.isVisible());
    QCOMPARE(Marks(form), QStringLiteral("X...O...."));
  }
};

}  // namespace gridmark

QTEST_MAIN(gridmark::FaultTest)
#include "fault_test.moc"
