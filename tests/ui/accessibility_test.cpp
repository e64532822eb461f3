#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
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
using testing::ModalPoller;
using testing::ScriptedRandoms;

namespace {

QAccessibleInterface* Access(QObject* object) {
  return QAccessible::queryAccessibleInterface(object);
}

// The nine cells as a screen reader finds them: "name" for a free cell,
// "name*" for a taken (disabled) one, and '?' for a cell that is not a
// focusable button.
QStringList Cells(const QWidget& form) {
  QStringList out;
  for (int i = 0; i < 9; ++i) {
    QAccessibleInterface* cell = Access(testing::Cell(form, i));
    QString entry = cell->text(QAccessible::Name);
    if (cell->state().disabled) entry += '*';
    if (cell->role() != QAccessible::Button || !cell->state().focusable) {
      entry += '?';
    }
    out << entry;
  }
  return out;
}

// "role:name" of every descendant with a name, depth first.
QStringList Tree(QAccessibleInterface* node) {
  QStringList out;
  for (int i = 0; i < node->childCount(); ++i) {
    QAccessibleInterface* child = node->child(i);
    const QString name = child->text(QAccessible::Name);
    if (!name.isEmpty()) {
      out << QString::number(child->role(), 16) + ':' + name;
    }
    out << Tree(child);
  }
  return out;
}

QString Entry(QAccessible::Role role, const char* name) {
  return QString::number(role, 16) + ':' + QString::fromLatin1(name);
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

  testing::ScriptedPlatform platform_;
  std::unique_ptr<Form1> form_;

  void Start(int chance, std::deque<float> randoms) {
    form_ = testing::ShowScripted(platform_, chance, std::move(randoms));
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  }
  void Click(int i) {
    QTest::mouseClick(testing::Cell(*form_, i), Qt::LeftButton);
  }
  QAccessibleInterface* Control(const char* name) {
    return Access(Find(*form_, name));
  }

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
  void cleanup() { form_.reset(); }

  // Careless at Medium: the computer answers at 4 and 8, the human wins on
  // the top row, and game 2 opens with an O at 2.
  void cellsSayTheirPlaceAndMark() {
    Start(30, {CellR(4), CellR(8), ChanceR(30), CellR(2), ChanceR(30)});
    QCOMPARE(
        Cells(*form_),
        QStringList({"Top left, empty", "Top centre, empty", "Top right, empty",
                     "Centre left, empty", "Centre, empty",
                     "Centre right, empty", "Bottom left, empty",
                     "Bottom centre, empty", "Bottom right, empty"}));

    Click(0);
    QCOMPARE(
        Cells(*form_),
        QStringList({"Top left, X*", "Top centre, empty", "Top right, empty",
                     "Centre left, empty", "Centre, O*", "Centre right, empty",
                     "Bottom left, empty", "Bottom centre, empty",
                     "Bottom right, empty"}));

    Click(1);
    QStringList at_box;
    platform_.on_box = [&](const testing::ShownBox&) {
      at_box = Cells(*form_);
    };
    platform_.replies = {kYes};
    Click(2);
    QCOMPARE(at_box,
             QStringList({"Top left, X*", "Top centre, X*", "Top right, X*",
                          "Centre left, empty", "Centre, O*",
                          "Centre right, empty", "Bottom left, empty",
                          "Bottom centre, empty", "Bottom right, O*"}));
    QCOMPARE(
        Cells(*form_),
        QStringList({"Top left, empty", "Top centre, empty", "Top right, O*",
                     "Centre left, empty", "Centre, empty",
                     "Centre right, empty", "Bottom left, empty",
                     "Bottom centre, empty", "Bottom right, empty"}));

    form_->findChild<QAction*>(QStringLiteral("mnuRestartTournament"))
        ->trigger();
    QCOMPARE(Cells(*form_).filter(QStringLiteral(", empty")).size(), 9);
    QVERIFY(Cells(*form_).filter(QStringLiteral("*")).isEmpty());
  }

  // Each score box is named by its label and reads its number as its value;
  // the mark and level captions say what they are.
  void scoreboardCanBeToldApart() {
    Start(30, {CellR(4), CellR(8), ChanceR(30), CellR(2), ChanceR(30)});
    const struct {
      const char* control;
      const char* name;
      const char* value;
    } boxes[] = {{"txtGamenumber", "Game", "1"},
                 {"txtWins", "Wins", "0"},
                 {"txtLosses", "Losses", "0"},
                 {"txtDraws", "Draws", "0"}};
    for (const auto& box : boxes) {
      QAccessibleInterface* access = Control(box.control);
      QCOMPARE(access->role(), QAccessible::EditableText);
      QCOMPARE(access->text(QAccessible::Name), QString::fromLatin1(box.name));
      QCOMPARE(access->text(QAccessible::Value),
               QString::fromLatin1(box.value));
      QVERIFY(access->state().readOnly);
    }
    QCOMPARE(Control("txtWins")->relations(QAccessible::Label).size(), 1);
    QCOMPARE(Control("txtWins")
                 ->relations(QAccessible::Label)
                 .at(0)
                 .first->object()
                 ->objectName(),
             QStringLiteral("lblWins"));

    QStringList captions;
    for (const char* name :
         {"lblPlayertype", "lblCPUtype", "lblDifficultytype"}) {
      QAccessibleInterface* access = Control(name);
      QCOMPARE(access->role(), QAccessible::StaticText);
      captions << access->text(QAccessible::Name);
    }
    QCOMPARE(captions,
             QStringList({"Player, X's", "CPU, O's", "Difficulty, Medium"}));

    // The scores and the level's name follow the game.
    platform_.replies = {kYes};
    Click(0);
    Click(1);
    Click(2);
    QCOMPARE(Control("txtWins")->text(QAccessible::Value), QStringLiteral("1"));
    QCOMPARE(Control("txtGamenumber")->text(QAccessible::Value),
             QStringLiteral("2"));
    form_->findChild<QAction*>(QStringLiteral("mnuRestartTournament"))
        ->trigger();
    form_->findChild<QAction*>(QStringLiteral("mnuHard"))->trigger();
    QCOMPARE(Control("lblDifficultytype")->text(QAccessible::Name),
             QStringLiteral("Difficulty, Hard"));
    QCOMPARE(Control("txtWins")->text(QAccessible::Value), QStringLiteral("0"));
  }

  // The play-again box is an alert whose prompt, title and default button a
  // screen reader can read, and it is answered by Enter.
  void announcementBoxIsReadOut() {
    ScriptedRandoms platform({ChanceR(30), CellR(4), CellR(8), ChanceR(30)});
    Form1 form(platform);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(testing::Cell(form, 0), Qt::LeftButton);
    QTest::mouseClick(testing::Cell(form, 1), Qt::LeftButton);
    QStringList seen;
    ModalPoller poller({[&](QWidget* box) {
      QAccessibleInterface* access = Access(box);
      seen << QString::number(access->role(), 16)
           << access->text(QAccessible::Name)
           << access->text(QAccessible::Value);
      for (QAbstractButton* button :
           qobject_cast<QMessageBox*>(box)->buttons()) {
        QAccessibleInterface* reply = Access(button);
        seen << reply->text(QAccessible::Name) +
                    (reply->state().defaultButton ? " default" : "");
      }
      seen << Tree(access).filter(QStringLiteral("Play Again"));
      QTest::keyClick(box, Qt::Key_Return);
    }});
    QTest::mouseClick(testing::Cell(form, 2), Qt::LeftButton);
    QVERIFY(poller.Done());
    QCOMPARE(
        seen,
        QStringList({QString::number(QAccessible::AlertMessage, 16), "You Win",
                     "You Win, Play Again?", "Yes default", "No",
                     Entry(QAccessible::StaticText, "You Win, Play Again?")}));
    QCOMPARE(Find<QLineEdit>(form, "txtGamenumber")->text(),
             QStringLiteral("2"));
  }

  // Both dialogs name themselves by their titles and expose every text.
  void dialogsAreReadOut() {
    ScriptedRandoms platform({ChanceR(60)});
    Form1 form(platform);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QStringList about;
    QStringList how_to_play;
    ModalPoller poller({
        [&](QWidget* dialog) {
          about << Access(dialog)->text(QAccessible::Name)
                << Tree(Access(dialog));
          QTest::keyClick(dialog, Qt::Key_Return);
        },
        [&](QWidget* dialog) {
          how_to_play << Access(dialog)->text(QAccessible::Name)
                      << Tree(Access(dialog));
          QTest::keyClick(dialog, Qt::Key_Return);
        },
    });
    form.findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
    form.findChild<QAction*>(QStringLiteral("mnuHowToPlay"))->trigger();
    QVERIFY(poller.Done());
    QCOMPARE(about,
             QStringList({"About Gridmark", Entry(QAccessible::Button, "OK"),
                          Entry(QAccessible::StaticText,
                                "Gridmark - by the Gridmark developers"),
                          Entry(QAccessible::StaticText, "Gridmark"),
                          Entry(QAccessible::StaticText, "Version 1.0")}));
    QCOMPARE(
        how_to_play,
        QStringList({"How To Play", Entry(QAccessible::Button, "OK"),
                     Entry(QAccessible::StaticText,
                           "You seriously don't know how to play Gridmark?"),
                     Entry(QAccessible::StaticText,
                           "The first player to get (3) X's or O's in a row "
                           "wins.")}));
  }
};

}  // namespace gridmark

QTEST_MAIN(gridmark::AccessibilityTest)
#include "accessibility_test.moc"
