#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QtTest>
#include <deque>
#include <memory>

#include "platform/qt_platform_services.h"
#include "tests/engine/fakes.h"
#include "tests/ui/ui_test_support.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"

namespace gridmark {

using testing::CellR;
using testing::ChanceR;
using testing::Find;
using testing::Marks;
using testing::ModalPoller;
using testing::ScriptedRandoms;

namespace {

QString Focused() {
  QWidget* focus = QApplication::focusWidget();
  return focus ? focus->objectName() : QStringLiteral("none");
}

}  // namespace

// Keys go in through the window system, as a keyboard sends them, to a shown
// and active window.
class KeyboardTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ScriptedRandoms> platform_;
  std::unique_ptr<Form1> form_;

  void Start(std::deque<float> randoms) {
    platform_ = std::make_unique<ScriptedRandoms>(std::move(randoms));
    form_ = std::make_unique<Form1>(*platform_);
    form_->show();
    Reactivate();
  }
  // Offscreen, no window is active once a modal one closes, where a window
  // manager would hand the activation back to the main window.
  void Reactivate() {
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(form_->windowHandle(), key, modifiers);
  }
  // Opens a menu by Alt and its access key; the name of the menu that opened.
  QString OpenMenu(Qt::Key access_key) {
    Key(access_key, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    return popup ? popup->objectName() : QStringLiteral("none");
  }
  // Chooses an item of the open menu by its access key.
  void ChooseItem(Qt::Key access_key) {
    QWidget* popup = QApplication::activePopupWidget();
    QVERIFY(popup != nullptr);
    QTest::keyClick(popup, access_key);
  }
  QString Text(const char* name) {
    auto* box = Find<QLineEdit>(*form_, name);
    return box ? box->text() : Find<QLabel>(*form_, name)->text();
  }

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
  void cleanup() {
    form_.reset();
    platform_.reset();
  }

  // Careless at Medium (chance 30): the computer answers at 4 and 8. Tab
  // skips the taken cells, Space marks the focused one, and Enter answers
  // the play-again box with its default, Yes.
  void wholeGameByKeys() {
    Start({ChanceR(30), CellR(4), CellR(8), ChanceR(30), CellR(2)});
    QStringList focus{Focused()};
    Key(Qt::Key_Space);
    focus << Marks(*form_) + ' ' + Focused();
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    focus << Focused();
    Key(Qt::Key_Space);
    focus << Marks(*form_) + ' ' + Focused();
    Key(Qt::Key_Tab);
    focus << Focused();
    QString box_seen;
    ModalPoller poller({[&](QWidget* box) {
      box_seen = box->windowTitle() + '|' +
                 qobject_cast<QMessageBox*>(box)->text() + '|' + Marks(*form_) +
                 '|' + Text("txtWins");
      QTest::keyClick(box->windowHandle(), Qt::Key_Return);
    }});
    Key(Qt::Key_Space);
    QVERIFY(poller.Done());
    Reactivate();
    QCOMPARE(focus, QStringList({"cmd1_0", "X...O.... cmd1_1", "cmd1_3",
                                 "X..XO...O cmd1_5", "cmd1_6"}));
    QCOMPARE(box_seen,
             QStringLiteral("You Win|You Win, Play Again?|X..XO.X.O|1"));
    // Game 2 opens with the computer's O at 2.
    QCOMPARE(Marks(*form_) + ' ' + Text("txtGamenumber") + Text("txtWins"),
             QStringLiteral("..O...... 21"));
    // The focus moved on from the winning cell and stays on the board.
    QCOMPARE(Focused(), QStringLiteral("cmd1_7"));
  }

  // Alt and a menu's access key open it; an item's access key chooses it.
  void difficultyMenuByKeys() {
    Start({ChanceR(60), CellR(4), ChanceR(60)});
    QCOMPARE(OpenMenu(Qt::Key_D), QStringLiteral("mnuDifficulty"));
    ChooseItem(Qt::Key_E);
    QVERIFY(QApplication::activePopupWidget() == nullptr);
    QCOMPARE(Text("lblDifficultytype"), QStringLiteral("Easy"));
    QVERIFY(!Find<QAction>(*form_, "mnuEasy")->isEnabled());

    // With a mark down the change asks first; Enter is OK, the default.
    Key(Qt::Key_Space);
    QCOMPARE(Marks(*form_), QStringLiteral("X...O...."));
    QString asked;
    ModalPoller poller({[&](QWidget* box) {
      asked = box->windowTitle();
      QTest::keyClick(box->windowHandle(), Qt::Key_Return);
    }});
    QCOMPARE(OpenMenu(Qt::Key_D), QStringLiteral("mnuDifficulty"));
    ChooseItem(Qt::Key_H);
    QVERIFY(poller.Done());
    Reactivate();
    QCOMPARE(asked, QStringLiteral("Reset?"));
    QCOMPARE(Text("lblDifficultytype") + ' ' + Marks(*form_),
             QStringLiteral("Hard ........."));
  }

  // Help's dialogs close by Enter: About's default button and How To
  // Play's focused OK button.
  void helpDialogsAndFileMenuByKeys() {
    Start({ChanceR(60), CellR(4), ChanceR(60)});
    QStringList shown;
    const ModalPoller::Step answer = [&](QWidget* dialog) {
      // The dialog's own focus, which its keys go to as it becomes active.
      shown << dialog->windowTitle() + ' ' +
                   dialog->focusWidget()->objectName();
      QTest::keyClick(dialog->windowHandle(), Qt::Key_Return);
    };
    ModalPoller poller({answer, answer});
    QCOMPARE(OpenMenu(Qt::Key_H), QStringLiteral("mnuHelp"));
    ChooseItem(Qt::Key_A);
    Reactivate();
    QCOMPARE(OpenMenu(Qt::Key_H), QStringLiteral("mnuHelp"));
    ChooseItem(Qt::Key_H);
    QVERIFY(poller.Done());
    Reactivate();
    QCOMPARE(shown,
             QStringList({"About Gridmark cmdOK", "How To Play OKButton"}));

    Key(Qt::Key_Space);
    QCOMPARE(Marks(*form_), QStringLiteral("X...O...."));
    QCOMPARE(OpenMenu(Qt::Key_F), QStringLiteral("mnuFile"));
    ChooseItem(Qt::Key_R);
    QCOMPARE(Marks(*form_), QStringLiteral("........."));
    QCOMPARE(OpenMenu(Qt::Key_F), QStringLiteral("mnuFile"));
    ChooseItem(Qt::Key_E);
    QVERIFY(!form_->isVisible());
  }
};

}  // namespace gridmark

QTEST_MAIN(gridmark::KeyboardTest)
#include "keyboard_test.moc"
