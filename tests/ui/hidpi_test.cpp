// Runs with QT_SCALE_FACTOR=2: two device pixels to each logical pixel.
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>
#include <memory>

#include "tests/engine/fakes.h"
#include "tests/ui/ui_test_support.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"

namespace gridmark {

using testing::ChanceR;
using testing::Find;

namespace {

// Each text that does not fit its control: "name: text".
QStringList Overflowing(const QWidget& root) {
  QStringList out;
  for (const QLabel* label : root.findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;
    const QRect room = label->contentsRect();
    const QRect need = label->fontMetrics().boundingRect(
        room, static_cast<int>(label->alignment()) | Qt::TextWordWrap,
        label->text());
    // Wrapped as the label wraps it, no line may be wider than the label.
    if (need.width() > room.width()) {
      out << label->objectName() + ": " + label->text();
    }
  }
  for (const QPushButton* button : root.findChildren<QPushButton*>()) {
    if (button->fontMetrics().horizontalAdvance(button->text()) >
        button->width() - 4) {
      out << button->objectName() + ": " + button->text();
    }
  }
  return out;
}

// How many device pixels of row `y` are grey, counting from x 0.
int GreyRun(const QImage& image, int y) {
  int run = 0;
  for (int x = 0; x < image.width(); ++x) {
    if (image.pixel(x, y) == qRgb(128, 128, 128)) ++run;
  }
  return run;
}

}  // namespace

class HidpiTest : public QObject {
  Q_OBJECT

  testing::ScriptedPlatform platform_;

 private slots:
  void initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
  }

  void windowDoublesInDevicePixels() {
    platform_.randoms = {ChanceR(60)};
    Form1 form(platform_);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.devicePixelRatio(), 2.0);
    // The layout stays in logical pixels...
    QCOMPARE(form.centralWidget()->size(), QSize(287, 354));
    // ...and the window is drawn at twice as many device pixels.
    const QPixmap shot = form.grab();
    QCOMPARE(shot.devicePixelRatio(), 2.0);
    QCOMPARE(shot.size(), 2 * form.size());

    // The 10-pixel grid lines are 20 device pixels wide: gridv1 and gridv2
    // crossed by a row between the cells' tops.
    const QImage client = form.centralWidget()->grab().toImage();
    QCOMPARE(client.size(), QSize(574, 708));
    QCOMPARE(GreyRun(client, 2 * 200), 2 * 2 * 10);
    QCOMPARE(Overflowing(form), QStringList());
  }

  void dialogsDoubleInDevicePixels_data() {
    QTest::addColumn<Dialog>("dialog");
    QTest::addColumn<QSize>("client");
    QTest::newRow("How To Play") << Dialog::kHowToPlay << QSize(314, 154);
    QTest::newRow("About") << Dialog::kAbout << QSize(382, 222);
  }
  void dialogsDoubleInDevicePixels() {
    QFETCH(Dialog, dialog);
    QFETCH(QSize, client);
    std::unique_ptr<DialogForm> form = MakeDialog(dialog);
    form->Load();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const QPixmap shot = form->grab();
    QCOMPARE(form->size(), client);
    QCOMPARE(shot.devicePixelRatio(), 2.0);
    QCOMPARE(shot.size(), 2 * client);
    QCOMPARE(Overflowing(*form), QStringList());
  }

  // The icon is drawn from its SVG at the size asked for, not blown up from
  // a small bitmap.
  void iconStaysSharp() {
    platform_.randoms = {ChanceR(60)};
    Form1 form(platform_);
    const QIcon icon = form.windowIcon();
    QVERIFY(icon.availableSizes().contains(QSize(64, 64)));
    const QPixmap title_bar = icon.pixmap(QSize(32, 32), 2.0);
    QCOMPARE(title_bar.size(), QSize(64, 64));
    QCOMPARE(title_bar.devicePixelRatio(), 2.0);

    QImage drawn(64, 64, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    QSvgRenderer(QStringLiteral(":/gridmark.svg")).render(&painter);
    painter.end();
    drawn.setDevicePixelRatio(2.0);
    QCOMPARE(title_bar.toImage().convertToFormat(drawn.format()), drawn);

    // About's 32 by 32 picture box gets the same 64-pixel drawing.
    std::unique_ptr<DialogForm> about = MakeDialog(Dialog::kAbout);
    const QPixmap picture = Find<QLabel>(*about, "picIcon")->pixmap();
    QCOMPARE(picture.size(), QSize(64, 64));
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    QCOMPARE(picture.toImage().convertToFormat(drawn.format()), drawn);
  }
};

}  // namespace gridmark

QTEST_MAIN(gridmark::HidpiTest)
#include "hidpi_test.moc"
