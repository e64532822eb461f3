#include <QMessageBox>
#include <QtTest>

#include "tests/engine/fakes.h"
#include "tests/ui/support.h"
#include "ui/main_window.h"
#include "ui/translations.h"

namespace gridmark {

// The control and its text, if the text does not fit the control's box.
QString Misfit(const QWidget* control) {
  const QString text = control->property("text").toString();
  const QFontMetrics font(control->font());
  // Labels wrap: no line wider than the box, no more lines than it holds.
  const QRect need = font.boundingRect(QRect(0, 0, control->width(), 1000),
                                       Qt::TextWordWrap, text);
  const bool fits =
      qobject_cast<const QPushButton*>(control)
          ? control->sizeHint().width() <= control->width()
          : need.width() <= control->width() &&
                need.height() <= qMax(control->height(), font.lineSpacing());
  return fits || text.isEmpty() ? "" : control->objectName() + ' ' + text;
}

class TranslationTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void followsTheLocaleElseEnglish() {
    // A level, then Qt's Yes button: Qt's only with the game's own language.
    for (const QString expected :
         {"de_AT|Mittel|&Ja", "pt_BR|Médio|&Sim", "en_US|Medium|&Yes",
          "ja_JP|Medium|&Yes", "C|Medium|&Yes"}) {
      UseLanguage(QLocale(expected.section('|', 0, 0)));
      QCOMPARE(expected.section('|', 0, 0) + '|' + EngineText("Medium") + '|' +
                   QCoreApplication::translate("QPlatformTheme", "&Yes"),
               expected);
    }
  }

  void textsFitTheirControlsInEveryLanguage() {
    for (const char* language : {"de", "fr", "es", "it", "pt_BR"}) {
      QVERIFY(UseLanguage(QLocale(language)));
      testing::Scripted platform({testing::ChanceR(60)});
      auto form = std::make_unique<Form1>(platform);
      frmHowToPlay how_to_play;
      frmAbout about;
      QStringList misfits;
      for (Level level : kLevels) {
        form->SetCaption(Label::kDifficultytype, LevelName(level));
        // The engine reads back its own text; the player sees a translation.
        QCOMPARE(form->Caption(Label::kDifficultytype), LevelName(level));
        QVERIFY(testing::Find<QLabel>(*form, "lblDifficultytype")->text() !=
                LevelName(level));
        for (QWidget* window :
             QList<QWidget*>{form.get(), &how_to_play, &about}) {
          for (QWidget* control : window->findChildren<QWidget*>()) {
            misfits << Misfit(control);
          }
        }
      }
      misfits.removeAll(QString());
      QVERIFY2(misfits.isEmpty(), qPrintable(language + misfits.join("; ")));
    }
  }

  void germanBoxAnswersByItsButtons() {
    QVERIFY(UseLanguage(QLocale("de_DE")));
    QtPlatformServices platform;
    QStringList seen;
    testing::OnModal([&seen](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      seen << box->windowTitle() << box->text()
           << box->button(QMessageBox::No)->text();
      box->button(QMessageBox::No)->click();
    });
    seen << QString::number(
        platform.MsgBox("You Win, Play Again?", Buttons::kYesNo, "You Win"));
    QCOMPARE(seen, QStringList({"Gewonnen", "Gewonnen! Noch eine Runde?",
                                "&Nein", "7"}));
  }
};

}  // namespace gridmark

QTEST_MAIN(gridmark::TranslationTest)
#include "translation_test.moc"
