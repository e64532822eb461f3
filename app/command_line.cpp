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

// Qt's texts of the command line, carried by the game's catalogue too: it is
// installed after Qt's, so its translation wins, and Qt's own covers fewer
// languages than the game speaks.
[[maybe_unused]] constexpr const char* kParserTexts[] = {
    //: First line of the --help text. %1 is the program's name followed by
    //: "[options]".
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    //: Stands for the options in the first line of the --help text, after the
    //: program's name: "Usage: gridmark [options]".
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    //: Heading of the list of options in the --help text.
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    //: The one-line error on a wrong option. %1 is the option as typed,
    //: without its dashes. Put your language's quotation marks around %1; the
    //: English uses plain single quotes.
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    //: The one-line error on several wrong options. %1 is the options as
    //: typed, without their dashes, joined by ", ".
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    //: The one-line error on an option given without its value. %1 is the
    //: option as typed. Put your language's quotation marks around %1; the
    //: English uses plain single quotes.
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    //: The one-line error on a value given to an option that takes none. %1 is
    //: the option as typed. Put your language's quotation marks around %1;
    //: the English uses plain single quotes.
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

void Print(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
}

// Sets `parser` up and reads `arguments` with it; returns what is wrong with
// them, empty when nothing. Texts come in the language installed at the time.
QString Parse(const QStringList& arguments, QCommandLineParser& parser) {
  // Qt's options are single-dash words such as -style.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  //: --help text, below the usage line: what the program is (first line)
  //: and the options of Qt's it takes, by their names (second line).
  parser.setApplicationDescription(QCoreApplication::translate(
      "gridmark",
      "Play noughts and crosses against the computer.\n"
      "Qt's own options (-style, -platform, -reverse...) are accepted too."));
  parser.addOption(
      {{QStringLiteral("h"), QStringLiteral("help")},
       //: --help text: what -h and --help do.
       QCoreApplication::translate("gridmark", "Show this help and exit.")});
  parser.addOption(
      {{QStringLiteral("v"), QStringLiteral("version")},
       //: --help text: what -v and --version do.
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
    //: The one-line error on a word the program does not take, joined before
    //: "See 'gridmark --help'." by "gridmark: %1 %2". %1 is the word as
    //: typed: put your language's quotation marks around it.
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
      window->plugin_path = parser.value(QStringLiteral("platformpluginpath"));
      return std::nullopt;
    }
  }

  // Something to print: read again, now in the user's language.
  const MessageLanguage language;
  QCommandLineParser parser;
  const QString error = Parse(arguments, parser);
  if (!error.isEmpty()) {
    const QString hint =
        //: Follows the one-line error on a wrong argument, joined to it by
        //: "gridmark: %1 %2". The command stays as it is, in your language's
        //: quotation marks.
        QCoreApplication::translate("gridmark", "See 'gridmark --help'.");
    //: The line printed on a wrong argument. %1 is the sentence saying what is
    //: wrong, %2 the sentence that points to --help. Join them as your
    //: language joins two sentences.
    Print(stderr, QCoreApplication::translate("gridmark", "gridmark: %1 %2")
                          .arg(error, hint) +
                      QLatin1Char('\n'));
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
