// contact_sheet FILE.png [LANGUAGE...]: the menu bar and scoreboard of the
// game and its How To Play box, in every language it speaks (or those
// given), side by side, for a look at all of them at once.
#include <QApplication>
#include <QDir>
#include <QPainter>

#include "platform/qt_platform_services.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/program_style.h"
#include "ui/translations.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    qFatal("usage: contact_sheet FILE.png [LANGUAGE...]");
  }
  gridmark::UseProgramStyle();
  QStringList languages;
  for (int i = 2; i < argc; ++i) {
    languages << QString::fromLocal8Bit(argv[i]);
  }
  if (languages.isEmpty()) {
    languages << QStringLiteral("en");
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList()) {
      languages
          << file.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0);
    }
  }
  constexpr int kColumns = 6;
  constexpr int kCaption = 18;
  const QSize board(287, 150);
  const QSize tile(314, kCaption + board.height() + 154);
  const auto rows =
      static_cast<int>((languages.size() + kColumns - 1) / kColumns);
  const auto columns =
      static_cast<int>(std::min<qsizetype>(kColumns, languages.size()));
  QImage sheet(columns * tile.width(), rows * tile.height(),
               QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  for (int i = 0; i < languages.size(); ++i) {
    gridmark::UseLanguage(QLocale(languages[i]));
    gridmark::QtPlatformServices platform(&gridmark::MakeDialog);
    gridmark::Form1 form(platform);
    form.show();
    gridmark::frmHowToPlay how;
    const QPoint at((i % kColumns) * tile.width(),
                    (i / kColumns) * tile.height());
    painter.drawText(QRect(at, QSize(tile.width(), kCaption)), Qt::AlignCenter,
                     languages[i]);
    painter.drawPixmap(at + QPoint(0, kCaption),
                       form.grab(QRect(QPoint(), board)));
    painter.drawPixmap(at + QPoint(0, kCaption + board.height()), how.grab());
  }
  painter.end();
  return sheet.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
