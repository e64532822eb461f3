#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>
#include <deque>

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

class QtPlatformTest : public QObject {
  Q_OBJECT

  static QMessageBox* Box(QWidget* modal) {
    return qobject_cast<QMessageBox*>(modal);
  }
  // "title|prompt|buttons|default button|icon"
  static QString Describe(QWidget* modal) {
    QStringList buttons;
    for (QAbstractButton* button : Box(modal)->buttons()) {
      buttons << button->text().remove('&');
    }
    buttons.sort();
    return QStringList{
        modal->windowTitle(), Box(modal)->text(), buttons.join(','),
        Box(modal)->defaultButton()->text().remove('&'),
        Box(modal)->icon() == QMessageBox::NoIcon ? "no icon" : "icon"}
        .join('|');
  }

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void yesNoBoxAnswersOnlyYesOrNo() {
    QtPlatformServices platform;
    QStringList seen;
    ModalPoller poller({
        [&](QWidget* box) {
          seen << Describe(box);
          QTest::keyClick(box, Qt::Key_Escape);
        },
        [&](QWidget* box) { seen << (box->close() ? "closed" : "still up"); },
        [&](QWidget* box) { Box(box)->button(QMessageBox::No)->click(); },
    });
    QCOMPARE(
        platform.MsgBox("You Win, Play Again?", Buttons::kYesNo, "You Win"),
        std::int16_t{kNo});
    QVERIFY(poller.Done());
    QCOMPARE(seen, QStringList({"You Win|You Win, Play Again?|No,Yes|Yes|"
                                "no icon",
                                "still up"}));
  }

  void boxReplies_data() {
    QTest::addColumn<Buttons>("buttons");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("reply");
    QTest::newRow("Yes/No Enter") << Buttons::kYesNo << "Enter" << int{kYes};
    QTest::newRow("OK/Cancel Enter")
        << Buttons::kOkCancel << "Enter" << int{kOk};
    QTest::newRow("OK/Cancel Esc")
        << Buttons::kOkCancel << "Esc" << int{kCancel};
    QTest::newRow("OK/Cancel close box")
        << Buttons::kOkCancel << "close" << int{kCancel};
  }
  void boxReplies() {
    QFETCH(Buttons, buttons);
    QFETCH(QString, action);
    QFETCH(int, reply);
    QtPlatformServices platform;
    ModalPoller poller({[&](QWidget* box) {
      if (action == "close") {
        box->close();
      } else {
        QTest::keyClick(box, action == "Esc" ? Qt::Key_Escape : Qt::Key_Return);
      }
    }});
    QCOMPARE(int{platform.MsgBox("prompt", buttons, "title")}, reply);
    QVERIFY(poller.Done());
  }

  // The play-again box shows the finished game, red line and all, and the
  // board takes no press until it is answered.
  void playAgainBoxOverTheWindow() {
    ScriptedRandoms platform({ChanceR(60), CellR(4), ChanceR(60), CellR(8)});
    Form1 form(platform);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    testing::PressThroughWindow(form, 0);
    testing::PressThroughWindow(form, 1);
    QCOMPARE(Marks(form), QStringLiteral("XXO.O...."));
    QStringList seen;
    ModalPoller poller({
        [&](QWidget* box) {
          seen << Describe(box);
          const QImage shot = form.grab().toImage();
          for (int i : {2, 4, 6}) {
            QWidget* cell = testing::Cell(form, i);
            seen << shot.pixelColor(cell->mapTo(&form, QPoint(4, 4))).name();
          }
          testing::PressThroughWindow(form, 8);
          seen << Marks(form);
        },
        [&](QWidget* box) { Box(box)->button(QMessageBox::Yes)->click(); },
    });
    testing::PressThroughWindow(form, 3);
    QVERIFY(poller.Done());
    QCOMPARE(seen, QStringList({"You Lose|You Lose, Play Again?|No,Yes|Yes|"
                                "no icon",
                                "#ff0000", "#ff0000", "#ff0000", "XXOXO.O.."}));
    QCOMPARE(Marks(form) + Find<QLineEdit>(form, "txtGamenumber")->text(),
             QStringLiteral("........O2"));
  }

  void levelQuestionCancelledByEsc() {
    ScriptedRandoms platform({ChanceR(60), CellR(4)});
    Form1 form(platform);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(testing::Cell(form, 0), Qt::LeftButton);
    QString seen;
    ModalPoller poller({[&](QWidget* box) {
      seen = Describe(box);
      QTest::keyClick(box, Qt::Key_Escape);
    }});
    Find<QAction>(form, "mnuEasy")->trigger();
    QVERIFY(poller.Done());
    QCOMPARE(seen, QStringLiteral("Reset?|Changing This Setting Will Restart "
                                  "The Tournament|Cancel,OK|OK|no icon"));
    QCOMPARE(Marks(form) + Find<QLabel>(form, "lblDifficultytype")->text(),
             QStringLiteral("X...O....Medium"));
  }

  // Exit, and the close box, leave the event loop with status 0.
  void endingTheProgram() {
    for (bool close_box : {false, true}) {
      QApplication::setQuitOnLastWindowClosed(close_box);
      ScriptedRandoms platform({ChanceR(60)});
      Form1 form(platform);
      form.show();
      QTimer::singleShot(0, &form, [&] {
        if (close_box) {
          form.close();
        } else {
          Find<QAction>(form, "mnuExit")->trigger();
        }
      });
      QTimer::singleShot(5000, &form, [] { QCoreApplication::exit(99); });
      QCOMPARE(QApplication::exec(), 0);
      QVERIFY(!form.isVisible());
    }
    QApplication::setQuitOnLastWindowClosed(false);
  }
};

}  // namespace gridmark

QTEST_MAIN(gridmark::QtPlatformTest)
#include "qt_platform_test.moc"
