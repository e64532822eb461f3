// contact_sheet FILE.png: the menu bar and scoreboard of the game in every
// language it speaks, side by side, for a look at all of them at once.
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
  if (argc != 2) {
    qFatal("usage: contact_sheet FILE.png");
  }
  gridmark::UseProgramStyle();
  QStringList languages{QStringLiteral("en")};
  for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList()) {
    languages
        << file.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0);
  }
  constexpr int kColumns = 6;
  constexpr int kCaption = 18;
  const QSize tile(287, 150);
  const auto rows =
      static_cast<int>((languages.size() + kColumns - 1) / kColumns);
  QImage sheet(kColumns * tile.width(), rows * (tile.height() + kCaption),
               QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  for (int i = 0; i < languages.size(); ++i) {
    gridmark::UseLanguage(QLocale(languages[i]));
    gridmark::QtPlatformServices platform(&gridmark::MakeDialog);
    gridmark::Form1 form(platform);
    form.show();
    const QPoint at((i % kColumns) * tile.width(),
                    (i / kColumns) * (tile.height() + kCaption));
    painter.drawText(QRect(at, QSize(tile.width(), kCaption)), Qt::AlignCenter,
                     languages[i]);
    painter.drawPixmap(at + QPoint(0, kCaption),
                       form.grab(QRect(QPoint(), tile)));
  }
  painter.end();
  return sheet.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
