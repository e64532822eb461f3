#include "app/command_line.h"

#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>

namespace gridmark {
namespace {

// Options that QGuiApplication, QApplication and the xcb platform take out of
// argv themselves; the game only has to accept them.
constexpr const char* kQtOptionsWithValue =
    "platform platformpluginpath platformtheme plugin qwindowgeometry geometry "
    "qwindowicon icon qwindowtitle title session display name visual style "
    "stylesheet qmljsdebugger";
constexpr const char* kQtFlags =
    "reverse testability widgetcount nograb dograb";

void Print(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
}

}  // namespace

std::optional<int> ReadCommandLine(int argc, char** argv,
                                   WindowOptions* window) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

  QCommandLineParser parser;
  // Qt's options are single-dash words such as -style.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(QStringLiteral(
      "Play noughts and crosses against the computer.\n"
      "Qt's own options (-style, -platform, -reverse...) are accepted too."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Show this help and exit."));
  const QCommandLineOption version(
      {QStringLiteral("v"), QStringLiteral("version")},
      QStringLiteral("Show the version and exit."));
  parser.addOption(help);
  parser.addOption(version);
  for (const QString& name :
       QString::fromLatin1(kQtOptionsWithValue).split(' ')) {
    QCommandLineOption option(name, QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const QString& name : QString::fromLatin1(kQtFlags).split(' ')) {
    QCommandLineOption option(name);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }

  QString error;
  if (!parser.parse(arguments)) {
    error = parser.errorText();
  } else if (!parser.positionalArguments().isEmpty()) {
    error = QStringLiteral("Unexpected argument '%1'.")
                .arg(parser.positionalArguments().constFirst());
  }
  if (!error.isEmpty()) {
    Print(stderr,
          QStringLiteral("gridmark: %1 See 'gridmark --help'.\n").arg(error));
    return 2;
  }
  if (parser.isSet(help)) {
    // Before QCoreApplication exists the parser cannot name the program.
    Print(stdout, parser.helpText().replace(QLatin1String("<executable_name>"),
                                            QLatin1String("gridmark")));
    return 0;
  }
  if (parser.isSet(version)) {
    Print(stdout, QStringLiteral("gridmark %1\n").arg(GRIDMARK_VERSION));
    return 0;
  }
  window->platform = parser.value(QStringLiteral("platform"));
  window->display = parser.value(QStringLiteral("display"));
  return std::nullopt;
}

}  // namespace gridmark
