#include "app/command_line.h"

#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>

#include "ui/translations.h"

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

// Sets `parser` up and reads `arguments` with it; returns what is wrong with
// them, empty when nothing. Texts come in the language installed at the time.
QString Parse(const QStringList& arguments, QCommandLineParser& parser) {
  // Qt's options are single-dash words such as -style.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(QCoreApplication::translate(
      "gridmark",
      "Play noughts and crosses against the computer.\n"
      "Qt's own options (-style, -platform, -reverse...) are accepted too."));
  parser.addOption(
      {{QStringLiteral("h"), QStringLiteral("help")},
       QCoreApplication::translate("gridmark", "Show this help and exit.")});
  parser.addOption(
      {{QStringLiteral("v"), QStringLiteral("version")},
       QCoreApplication::translate("gridmark", "Show the version and exit.")});
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
  if (!parser.parse(arguments)) return parser.errorText();
  if (!parser.positionalArguments().isEmpty()) {
    return QCoreApplication::translate("gridmark", "Unexpected argument '%1'.")
        .arg(parser.positionalArguments().constFirst());
  }
  return QString();
}

}  // namespace

MessageLanguage::MessageLanguage() : application_(argc_, argv_) {
  UseLanguage(QLocale::system());
}

std::optional<int> ReadCommandLine(int argc, char** argv,
                                   WindowOptions* window) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

  const QString help = QStringLiteral("help");
  const QString version = QStringLiteral("version");
  {
    QCommandLineParser parser;
    if (Parse(arguments, parser).isEmpty() && !parser.isSet(help) &&
        !parser.isSet(version)) {
      window->platform = parser.value(QStringLiteral("platform"));
      window->display = parser.value(QStringLiteral("display"));
      return std::nullopt;
    }
  }

  // Something to print: read again, now in the user's language.
  const MessageLanguage language;
  QCommandLineParser parser;
  const QString error = Parse(arguments, parser);
  if (!error.isEmpty()) {
    Print(stderr, QStringLiteral("gridmark: %1 %2\n")
                      .arg(error, QCoreApplication::translate(
                                      "gridmark", "See 'gridmark --help'.")));
    return 2;
  }
  if (parser.isSet(help)) {
    Print(stdout, parser.helpText());
    return 0;
  }
  Print(stdout, QStringLiteral("gridmark %1\n").arg(GRIDMARK_VERSION));
  return 0;
}

}  // namespace gridmark
