#include "ui/dialogs.h"

#include <QPlainTextEdit>
#include <QtTest>

#include "platform/qt_platform_services.h"
#include "tests/ui/ui_test_support.h"

namespace gridmark {

using testing::Find;
using testing::FromTwips;

class DialogsTest : public QObject {
  Q_OBJECT

  static QString Texts(const QWidget& dialog,
                       std::initializer_list<const char*> labels) {
    QStringList out{dialog.windowTitle()};
    for (const char* name : labels) out << Find<QLabel>(dialog, name)->text();
    return out.join('|');
  }

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  // Button face is the Button colour everywhere, even where a theme gives
  // the window background another one.
  void backgroundsAreButtonFace() {
    const QPalette saved = QApplication::palette();
    QPalette themed = saved;
    themed.setColor(QPalette::Button, QColor(200, 190, 180));
    themed.setColor(QPalette::Window, QColor(90, 90, 90));
    QApplication::setPalette(themed);
    frmHowToPlay how;
    frmAbout about;
    const QImage how_image = how.grab().toImage();
    const QImage about_image = about.grab().toImage();
    QApplication::setPalette(saved);

    const QRgb face = qRgb(200, 190, 180);
    QCOMPARE(how_image.pixel(4, 4), face);        // the dialog
    QCOMPARE(how_image.pixel(12, 10), face);      // inside Label1
    QCOMPARE(about_image.pixel(4, 4), face);      // the dialog
    QCOMPARE(about_image.pixel(300, 20), face);   // inside lblTitle
    QCOMPARE(about_image.pixel(200, 190), face);  // inside Text1
  }

  void layout() {
    frmHowToPlay how;
    frmAbout about;
    const struct {
      QWidget* dialog;
      const char* name;
      QRect box;
    } controls[] = {
        {&how, "OKButton", FromTwips(1800, 1800, 1215, 375)},
        {&how, "Label1", FromTwips(120, 120, 4455, 855)},
        {&how, "Label2", FromTwips(120, 1200, 4455, 375)},
        {&about, "cmdOK", FromTwips(4245, 2145, 1260, 345)},
        {&about, "picIcon", FromTwips(240, 240, 540, 540)},
        {&about, "lblDescription", FromTwips(1050, 1125, 3885, 330)},
        {&about, "lblTitle", FromTwips(1050, 240, 3885, 480)},
        {&about, "lblVersion", FromTwips(1050, 780, 3885, 225)},
        {&about, "Text1", FromTwips(120, 2040, 3975, 1335)},
    };
    for (const auto& control : controls) {
      QCOMPARE(Find(*control.dialog, control.name)->geometry(), control.box);
    }
    // Client areas at their screen positions, fixed, close box only.
    QCOMPARE(how.geometry(), QRect(184, 250, 314, 154));
    QCOMPARE(about.geometry(), QRect(156, 129, 382, 222));
    for (QDialog* dialog : std::initializer_list<QDialog*>{&how, &about}) {
      QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
      QCOMPARE(dialog->windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
      QVERIFY(!(dialog->windowFlags() &
                (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
      QVERIFY(!dialog->windowIcon().isNull());
    }
    auto* label1 = Find<QLabel>(how, "Label1");
    QCOMPARE(label1->font().family() + ' ' +
                 QString::number(label1->font().pointSizeF()),
             QStringLiteral("Arial 14.25"));
    QVERIFY(label1->font().bold() && label1->wordWrap());
    QVERIFY(label1->alignment() & Find<QLabel>(how, "Label2")->alignment() &
            Qt::AlignHCenter);
    QVERIFY(!Find<QPushButton>(how, "OKButton")->isDefault());
    QVERIFY(Find<QPushButton>(about, "cmdOK")->isDefault());
    QCOMPARE(Find<QLabel>(about, "picIcon")->pixmap().size(), QSize(32, 32));
  }

  void texts() {
    frmHowToPlay how;
    QCOMPARE(Texts(how, {"Label1", "Label2"}),
             QStringLiteral("How To Play|You seriously don't know how to play "
                            "Gridmark?|The first player to get (3) X's or O's "
                            "in a row wins."));
    frmAbout about;
    QCOMPARE(Texts(about, {"lblTitle", "lblVersion"}),
             QStringLiteral("About Gridmark|Gridmark|Version 1.0"));
    const QString credit = Find<QLabel>(about, "lblDescription")->text();
    QVERIFY(credit.startsWith("Gridmark - ") && credit.size() > 11);
    // The notice: two empty paragraphs, each ended by a line break.
    auto* notice = Find<QPlainTextEdit>(about, "Text1");
    QCOMPARE(QByteArray(frmAbout::kNotice), QByteArray("\r\n\r\n"));
    QCOMPARE(notice->toPlainText(), QStringLiteral("\n\n"));
    QVERIFY(notice->isReadOnly());
    QCOMPARE(notice->palette().color(QPalette::Base),
             notice->palette().color(QPalette::Button));
  }

  // Grey over white, from x 6 and 7 to 377 at y 131 and 132.
  void aboutEtchedRule() {
    frmAbout about;
    const QImage image = about.grab().toImage();
    const QRgb grey = qRgb(128, 128, 128);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb face = about.palette().color(QPalette::Window).rgb();
    const struct {
      int x, y;
      QRgb colour;
    } pixels[] = {{100, 131, grey}, {100, 132, white}, {6, 131, grey},
                  {7, 132, white},  {376, 132, white}, {100, 130, face},
                  {100, 133, face}, {6, 132, face},    {377, 131, face}};
    for (const auto& pixel : pixels) {
      QCOMPARE(image.pixel(pixel.x, pixel.y), pixel.colour);
    }
  }

  // About: Enter and Esc press OK. How To Play: OK is no cancel button, so
  // Esc leaves it up; Enter on the focused OK closes it.
  void keys() {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
      frmAbout about;
      about.show();
      QTest::keyClick(Find(about, "cmdOK"), key);
      QVERIFY(!about.isVisible());
    }
    frmHowToPlay how;
    how.show();
    QTest::keyClick(Find(how, "OKButton"), Qt::Key_Escape);
    QVERIFY(how.isVisible());
    QTest::keyClick(Find(how, "OKButton"), Qt::Key_Return);
    QVERIFY(!how.isVisible());
  }

  // Shown twice: one form object, loaded afresh each time.
  void platformCreatesOnceAndReloads() {
    int made = 0;
    QtPlatformServices platform([&](Dialog which) {
      ++made;
      return MakeDialog(which);
    });
    QStringList seen;
    const auto look_and_scribble = [&](QWidget* modal) {
      seen << Texts(*modal, {"lblTitle"}) + '|' +
                  Find<QPlainTextEdit>(*modal, "Text1")->toPlainText();
      modal->setWindowTitle("changed");
      Find<QLabel>(*modal, "lblTitle")->setText("changed");
      Find<QPlainTextEdit>(*modal, "Text1")->setPlainText("changed");
      modal->close();
    };
    for (int showing = 0; showing < 2; ++showing) {
      testing::ModalPoller poller({look_and_scribble});
      platform.ShowDialog(Dialog::kAbout);
      QVERIFY(poller.Done());
    }
    QCOMPARE(made, 1);
    QCOMPARE(seen, QStringList(2, "About Gridmark|Gridmark|\n\n"));
    QVERIFY(!platform.Form(Dialog::kAbout)->isVisible());
  }
};

}  // namespace gridmark

QTEST_MAIN(gridmark::DialogsTest)
#include "dialogs_test.moc"
