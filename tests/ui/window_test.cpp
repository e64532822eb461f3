// The window, the dialogs and the Qt platform services, offscreen; run at one
// and at two device pixels to the logical pixel.
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QtTest>
#include <deque>
#include <functional>

#include "tests/engine/fakes.h"
#include "tests/ui/support.h"
#include "ui/main_window.h"

namespace gridmark {
namespace {

using namespace testing;

CellButton* Cell(const QWidget& form, int i) {
  return Find<CellButton>(form, QStringLiteral("cmd1_%1").arg(i));
}

// The marks, then the texts of the named boxes and labels.
QString Show(const QWidget& form, const QStringList& names = {}) {
  QString out;
  for (int i = 0; i < 9; ++i) {
    out += Cell(form, i)->text().isEmpty() ? "." : Cell(form, i)->text();
  }
  for (const QString& name : names) {
    auto* box = form.findChild<QLineEdit*>(name);
    out += ' ' + (box ? box->text() : Find<QLabel>(form, name)->text());
  }
  return out;
}

QAbstractButton* Button(QWidget* box, QMessageBox::StandardButton which) {
  return qobject_cast<QMessageBox*>(box)->button(which);
}

void Trigger(const QWidget& form, const char* item) {
  Find<QAction>(form, item)->trigger();
}

// Pixel for pixel as golden/NAME.png (NAME@2x.png at double density);
// GRIDMARK_UPDATE_GOLDEN=1 writes the files anew.
void ExpectLooksLike(QWidget& widget, const QString& name) {
  const QImage shot =
      widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QString file = QStringLiteral(GOLDEN_DIR "/%1%2.png")
                           .arg(name, shot.devicePixelRatio() > 1 ? "@2x" : "");
  if (qEnvironmentVariableIsSet("GRIDMARK_UPDATE_GOLDEN")) shot.save(file);
  if (QImage(file).convertToFormat(QImage::Format_RGB32) != shot) {
    shot.save(QDir::temp().filePath(QFileInfo(file).fileName()));
    QFAIL(qPrintable(name + " differs from " + file + ", see " +
                     QDir::tempPath()));
  }
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  // Under a light theme of distinct colours: faces in its button colour,
  // score boxes in its window colours, texts in its button-text colour but
  // the pure blue and red captions, and About's black title and description.
  void looksAsDesigned() {
    const QPalette saved = QApplication::palette();
    QPalette theme = saved;
    theme.setColor(QPalette::Button, QColor(200, 190, 180));
    theme.setColor(QPalette::Window, QColor(230, 230, 230));
    theme.setColor(QPalette::Base, QColor(250, 250, 220));
    theme.setColor(QPalette::ButtonText, QColor(0, 60, 60));
    theme.setColor(QPalette::WindowText, QColor(60, 0, 60));
    QApplication::setPalette(theme);
    Scripted platform({ChanceR(60), CellR(0)});
    Form1 form(platform);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Cell(form, 4)->click();
    form.SetCellBackColour(0, kRed);  // taken cells of a won line
    form.SetCellBackColour(4, kRed);
    ExpectLooksLike(form, "window");
    frmHowToPlay how;
    ExpectLooksLike(how, "howtoplay");
    frmAbout about;
    ExpectLooksLike(about, "about");
    QApplication::setPalette(saved);
  }

  // Under a dark scheme the window and the dialogs keep their light look,
  // so no text loses contrast.
  void keepsItsLightLookUnderADarkScheme() {
    const QPalette light = QApplication::palette();
    QList<QImage> shots;
    for (const QPalette& palette : {light, QPalette(QColor(49, 54, 59))}) {
      QApplication::setPalette(palette);
      Scripted platform({ChanceR(60)});
      Form1 form(platform);
      frmHowToPlay how;
      frmAbout about;
      for (QWidget* w : std::initializer_list<QWidget*>{&form, &how, &about}) {
        shots << w->grab().toImage();
      }
    }
    QApplication::setPalette(light);
    QCOMPARE(shots.mid(3), shots.mid(0, 3));
  }

  void frameMenusAndNames() {
    Scripted platform({ChanceR(60)});
    Form1 form(platform);
    form.show();
    QCOMPARE(form.windowTitle(), "Gridmark");
    QCOMPARE(form.windowFlags() &
                 (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                  Qt::WindowMinMaxButtonsHint),
             Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint);
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!form.windowIcon().isNull());
    QStringList menus;
    for (QAction* top : form.menuBar()->actions()) {
      menus << top->menu()->objectName() + ' ' + top->text();
      for (QAction* item : top->menu()->actions()) {
        menus.last() += ", " + item->objectName() + ' ' + item->text() +
                        (item->isEnabled() ? "" : " off") +
                        (item->isCheckable() || item->isSeparator() ||
                                 !item->shortcut().isEmpty()
                             ? " extra"
                             : "");
      }
    }
    QCOMPARE(
        menus,
        QStringList(
            {"mnuFile &File, mnuRestartTournament &Restart Tournament, "
             "mnuExit &Exit",
             "mnuDifficulty &Difficulty, mnuEasy &Easy, mnuMedium "
             "&Medium off, mnuHard &Hard",
             "mnuHelp &Help, mnuHowToPlay &How To Play, mnuAbout &About"}));
    for (const char* name :
         {"txtGamenumber", "txtDraws", "txtWins", "txtLosses"}) {
      QVERIFY(Find<QLineEdit>(form, name)->isReadOnly());
    }
    for (const char* name :
         {"lblGame", "lblDraws", "lblWins", "lblLosses", "lblPlayer", "lblCPU",
          "lblDifficulty", "gridv1_0", "gridv2_1", "gridh1_0", "gridh2_1"}) {
      Find(form, name);
    }
  }

  void keyboardAndScreenReaders() {
    Scripted platform({ChanceR(30), CellR(2), CellR(5)});  // careless
    Form1 form(platform);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    Cell(form, 0)->setFocus();
    for (int i = 1; i < 9; ++i)
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);  // cell 8
    QTest::keyClick(Cell(form, 4), Qt::Key_Return);
    QCOMPARE(Show(form), "..O.XO..X");
    QCOMPARE(Cell(form, 4)->accessibleName() + '|' +
                 Cell(form, 6)->accessibleName() + '|' +
                 Find(form, "lblDifficultytype")->accessibleName(),
             "Centre, X|Bottom left, empty|Difficulty, Medium");
    QCOMPARE(Find<QLabel>(form, "lblWins")->buddy(), Find(form, "txtWins"));
  }

  void dialogsLoadAfreshEachShowing() {
    Scripted platform({ChanceR(60)});
    Form1 form(platform);
    form.show();
    QStringList seen;
    const auto look = [&](QWidget* d, const char* label, const char* other) {
      seen << d->windowTitle() + '|' + Find<QLabel>(*d, label)->text() + '|' +
                  (d->windowHandle()->transientParent() == form.windowHandle()
                       ? ""
                       : "not owned ") +
                  Find<QLabel>(*d, other)->text() + '|' +
                  QString::number(d->geometry().x()) + ',' +
                  QString::number(d->geometry().y()) +
                  (d->windowFlags() & Qt::WindowMinMaxButtonsHint ? " min/max"
                                                                  : "");
      Find<QLabel>(*d, label)->setText("changed");
      d->move(0, 0);
    };
    for (int showing = 0; showing < 2; ++showing) {
      OnModal([&](QWidget* d) {
        look(d, "Label1", "Label2");
        QTest::keyClick(d, Qt::Key_Escape);  // no cancel button here
        seen.last() += d->isVisible() ? "" : " closed by Esc";
        QTest::keyClick(Find(*d, "OKButton"), Qt::Key_Space);
      });
      Trigger(form, "mnuHowToPlay");
      OnModal([&](QWidget* d) {
        look(d, "lblTitle", "lblVersion");
        QTest::keyClick(d, showing ? Qt::Key_Escape : Qt::Key_Return);
      });
      Trigger(form, "mnuAbout");
    }
    const QString how =
        "How To Play|You seriously don't know how to play Gridmark?|The first "
        "player to get "
        "(3) X's or O's in a row wins.|184,250";
    const QString about = "About Gridmark|Gridmark|Version 1.0|156,129";
    QCOMPARE(seen, QStringList({how, about, how, about}));
    QVERIFY(form.isVisible());
  }

  void messageBoxButtonSets() {
    Scripted platform({});
    const std::tuple<Buttons, int, std::int16_t, const char*> cases[] = {
        {Buttons::kOkCancel, Qt::Key_Escape, kCancel, "OK Cancel"},
        {Buttons::kOkCancel, Qt::Key_Return, kOk, "OK Cancel"},
        {Buttons::kOk, Qt::Key_Return, kOk, "OK"}};
    for (const auto& [buttons, key, reply, texts] : cases) {
      QString seen;
      OnModal([&](QWidget* box) {
        for (QAbstractButton* b : qobject_cast<QMessageBox*>(box)->buttons()) {
          seen += (seen.isEmpty() ? "" : " ") + b->text() +
                  (b->icon().isNull() ? "" : " icon");
        }
        QTest::keyClick(box, Qt::Key(key));
      });
      QCOMPARE(platform.MsgBox("prompt", buttons, "title"), reply);
      QCOMPARE(seen, texts);
    }
  }

  void timerIsSecondsSinceMidnightWithFraction() {
    Scripted platform({});
    bool fraction = false;
    for (int i = 0; i < 3; ++i, QTest::qWait(7)) {
      const double now = QTime::currentTime().msecsSinceStartOfDay() / 1e3;
      const double timer = platform.Timer();
      QVERIFY(qAbs(timer - now) < 1.0);
      fraction = fraction || timer != std::floor(timer);
    }
    QVERIFY(fraction);
  }

  // Last: once the program has ended every later modal loop returns at once.
  void playsThroughRealBoxes() {
    // Careless at Medium: the computer plays cells 3 and 4 at random.
    Scripted platform({ChanceR(30), CellR(3), CellR(4), ChanceR(60), CellR(8)});
    Form1 form(platform);
    form.move(200, 100);  // away from the screen's centre
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Cell(form, 0)->click();
    Cell(form, 1)->click();
    QString seen;
    OnModal([&](QWidget* box) {
      QTest::keyClick(box, Qt::Key_Escape);  // a question Esc cannot answer
      box->close();
      QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                        Cell(form, 8)->mapTo(&form, QPoint(30, 30)));
      auto* message = qobject_cast<QMessageBox*>(box);
      seen = box->windowTitle() + '|' + message->text() + '|' +
             message->defaultButton()->text() + '|' + Show(form, {"txtWins"}) +
             '|' + Cell(form, 1)->BackColour().name() + '|' +
             QString::number(message->buttons().size() + message->icon()) +
             (box->windowHandle()->transientParent() == form.windowHandle()
                  ? " owned"
                  : "") +
             (form.geometry().contains(box->geometry()) &&
                      qAbs(box->geometry().center().y() -
                           form.geometry().center().y()) < 3
                  ? " centred"
                  : "");
      Button(box, QMessageBox::Yes)->click();
    });
    Cell(form, 2)->click();
    QCOMPARE(seen,
             "You Win|You Win, Play Again?|&Yes|XXXOO.... 1|#ff0000|2 owned "
             "centred");
    QCOMPARE(Show(form, {"txtGamenumber"}), "........O 2");
    QCOMPARE(Cell(form, 1)->BackColour(),
             form.palette().color(QPalette::Button));
    OnModal([&](QWidget* box) {  // a level change over the opening mark asks
      seen = box->windowTitle();
      Button(box, QMessageBox::Cancel)->click();
    });
    Trigger(form, "mnuHard");
    QCOMPARE(seen + ' ' + Show(form, {"lblDifficultytype"}),
             "Reset? ........O Medium");
    Trigger(form, "mnuExit");
    QVERIFY(form.game().Ended() && !form.isVisible());
  }
};

}  // namespace gridmark

QTEST_MAIN(gridmark::WindowTest)
#include "window_test.moc"
