#include <QtTest>
#include <cmath>

#include "tests/ui/ui_test_support.h"

namespace gridmark {

class DesktopTest : public QObject {
  Q_OBJECT

  // Relative luminance plus the 0.05 of flare that contrast ratios add.
  static double Luminance(QRgb rgb) {
    const auto linear = [](int c) {
      const double s = c / 255.0;
      return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) +
           0.0722 * linear(qBlue(rgb)) + 0.05;
  }

  // Each text's contrast, grabbed: in its box less 3 pixels of frame the most
  // common colour is the background, the farthest one from it the text.
  static QMap<QString, double> Contrasts() {
    testing::ScriptedRandoms platform({});
    Form1 form(platform);
    form.SetCellCaption(4, "X");
    frmHowToPlay how;
    frmAbout about;
    QMap<QString, double> out;
    for (QWidget* top : std::initializer_list<QWidget*>{&form, &how, &about}) {
      const QImage grab = top->grab().toImage();
      for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->property("text").isValid() && !w->inherits("QMenuBar"))
          continue;
        const QImage image = grab.copy(
            QRect(w->mapTo(top, QPoint(3, 3)), w->size() - QSize(6, 6)));
        QHash<QRgb, int> counts;
        QRgb back = image.pixel(0, 0);
        for (int i = 0; i < image.width() * image.height(); ++i) {
          const QRgb rgb = image.pixel(i % image.width(), i / image.width());
          if (++counts[rgb] > counts.value(back)) back = rgb;
        }
        double& best = out[top->objectName() + '.' + w->objectName()] = 1;
        for (QRgb rgb : counts.keys())
          best = std::max({best, Luminance(rgb) / Luminance(back),
                           Luminance(back) / Luminance(rgb)});
      }
    }
    return out;
  }

 private slots:
  // Boxes and dialogs belong to the window; boxes appear centred on it.
  void boxesAndDialogsBelongToTheWindow() {
    testing::ScriptedRandoms platform({});
    Form1 form(platform);
    form.move(200, 100);  // away from the screen's centre
    form.show();
    QList<QWindow*> owners;
    QList<QRect> boxes;
    const std::function<void()> opens[] = {
        [&] { platform.MsgBox("Play Again?", Buttons::kYesNo, "You Win"); },
        [&] { platform.ShowDialog(Dialog::kHowToPlay); },
        [&] { platform.ShowDialog(Dialog::kAbout); }};
    for (const auto& open : opens) {
      testing::ModalPoller poller({[&](QWidget* modal) {
        owners << modal->windowHandle()->transientParent();
        boxes << modal->geometry();
        qobject_cast<QDialog*>(modal)->accept();
      }});
      open();
    }
    QCOMPARE(owners, QList<QWindow*>(3, form.windowHandle()));
    const QPoint off = boxes[0].center() - form.geometry().center();
    QVERIFY(off.manhattanLength() < 3);
    QCOMPARE(boxes[1].topLeft(), QPoint(184, 250));
    QCOMPARE(boxes[2].topLeft(), QPoint(156, 129));
  }

  // Under a dark scheme each text keeps its light contrast, or 4.5:1.
  void textsStayReadableUnderDarkPalette() {
    const QMap<QString, double> light = Contrasts();
    QApplication::setPalette(QPalette(QColor(49, 54, 59), QColor(49, 54, 59)));
    const QMap<QString, double> dark = Contrasts();
    QApplication::setPalette(QPalette());
    QVERIFY(light.size() >= 28);
    for (auto [name, contrast] : light.asKeyValueRange()) {
      const double now = dark.value(name);
      const QString seen =
          QStringLiteral("%1 %2 -> %3").arg(name).arg(contrast).arg(now);
      QVERIFY2(now >= std::min(contrast, 4.5) - 0.01, qPrintable(seen));
    }
  }
};

}  // namespace gridmark

QTEST_MAIN(gridmark::DesktopTest)
#include "desktop_test.moc"
