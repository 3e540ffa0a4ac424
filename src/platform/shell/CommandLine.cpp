// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shell/CommandLine.h"

#include "platform/desktop/Language.h"

#include <QCommandLineParser>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
// What --help prints, word for word, in English; the translations give it in the user's
// language. The manual page is made from this same text at build time
// (dist/CMakeLists.txt), so keep the raw-string markers as they are.
const char* const kHelp = QT_TRANSLATE_NOOP("CommandLine", R"help(Usage: lentaro [options]
Lentaro converts a length between inch, millimetre, centimetre and mil.

Options:
  -h, --help     Show this help.
  -v, --version  Show the version.
)help");

// Options that every Qt program takes; a user who passes -platform or -style to
// Lentaro means them for Qt, not as mistakes.
constexpr std::array<std::string_view, 14> kQtOptionsWithValue = {
    "platform",      "platformpluginpath",
    "platformtheme", "plugin",
    "display",       "style",
    "stylesheet",    "qwindowgeometry",
    "qwindowtitle",  "qwindowicon",
    "session",       "name",
    "title",         "visual"};
constexpr std::array<std::string_view, 5> kQtFlags = {"reverse", "widgetcount", "nograb", "dograb",
                                                      "sync"};

template <typename Names> bool isOneOf(std::string_view name, const Names& names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// True when every argument is one of Qt's own, which QApplication reads itself. That is
// how the program is nearly always started, and then nothing is built for the command
// line: no parser, and no Qt object before the application.
bool onlyQtOptions(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg.starts_with("--"))
            arg.remove_prefix(1);
        if (!arg.starts_with('-'))
            return false;
        arg.remove_prefix(1);
        if (isOneOf(arg, kQtFlags))
            continue;
        if (!isOneOf(arg, kQtOptionsWithValue) || ++i == argc)
            return false;
    }
    return true;
}

void acceptQtOptions(QCommandLineParser& parser) {
    for (const std::string_view name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name.data(), qsizetype(name.size())),
                                  QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const std::string_view name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name.data(), qsizetype(name.size())));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// False when the text did not get all the way out: a full disk, a closed stream.
bool print(FILE* stream, const QString& text) {
#ifdef Q_OS_WIN
    // A window program has no console of its own; started from one, it answers there.
    const DWORD which = stream == stdout ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
    if (!GetStdHandle(which) && AttachConsole(ATTACH_PARENT_PROCESS))
        stream = std::freopen("CONOUT$", "w", stream);
    if (!stream)
        return false;
#endif
    return std::fputs(text.toLocal8Bit().constData(), stream) >= 0 && std::fflush(stream) == 0 &&
           !std::ferror(stream);
}

// An answer that was asked for and never arrived is a failure, as for any command a
// script might run.
int answer(const QString& text, const Language& language) {
    if (print(stdout, text))
        return 0;
    const QString why = QString::fromLocal8Bit(std::strerror(errno));
    print(stderr, language
                      .text("CommandLine",
                            QT_TRANSLATE_NOOP("CommandLine",
                                              "lentaro: cannot write to standard output: %1\n"))
                      .arg(why));
    return CommandLine::kOutputError;
}

// The parser's complaint in the user's language. Qt's own words, which it translates only
// once the application exists: an unknown option is the mistake made most.
QString complaint(const QCommandLineParser& parser, const Language& language) {
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.size() == 1)
        return language
            .text("QCommandLineParser",
                  QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."))
            .arg(unknown.first());
    if (unknown.size() > 1)
        return language
            .text("QCommandLineParser",
                  QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."))
            .arg(unknown.join(QStringLiteral(", ")));
    return parser.errorText();
}
} // namespace

int CommandLine::handle(int argc, char* argv[]) {
    if (onlyQtOptions(argc, argv))
        return kGoOn;

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version(QStringList{"v", "version"});
    parser.addOption(help);
    parser.addOption(version);
    acceptQtOptions(parser);

    const Language language;
    QString error;
    if (!parser.parse(arguments))
        error = complaint(parser, language);
    else if (!parser.positionalArguments().isEmpty())
        error =
            language
                .text("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Unexpected argument '%1'."))
                .arg(parser.positionalArguments().first());
    const QString usage = language.text("CommandLine", kHelp);
    if (!error.isEmpty()) {
        print(stderr, QStringLiteral("lentaro: %1\n").arg(error) + usage);
        return kUsageError;
    }
    if (parser.isSet(help))
        return answer(usage, language);
    if (parser.isSet(version))
        return answer(QStringLiteral("lentaro %1\n").arg(QStringLiteral(LENTARO_VERSION)),
                      language);
    return kGoOn;
}
