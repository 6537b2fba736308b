// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/command_line.h"

#include "text/charset.h"

#include "config/ini_location.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>

#include <array>

namespace brxw {
namespace {

// Qt's own switches that take the next argument as their value (QGuiApplication, QApplication
// and the xcb platform). Qt accepts them with one dash or two.
constexpr std::array<const char*, 17> kQtSwitchesWithValue = {
    "platform",        "platformpluginpath",
    "platformtheme",   "plugin",
    "qwindowgeometry", "qwindowtitle",
    "qwindowicon",     "geometry",
    "title",           "icon",
    "display",         "name",
    "visual",          "session",
    "style",           "stylesheet",
    "qmljsdebugger"};
// And those that take no value.
constexpr std::array<const char*, 7> kQtSwitchesAlone = {
    "reverse", "nograb", "dograb", "sync", "widgetcount", "cmap", "testability"};

#ifdef _WIN32
constexpr const char* kDefaultIniText =
    "%APPDATA%\\brxW\\BrxW.ini; on the first start a copy of an earlier BrxW.ini from "
    "%LOCALAPPDATA%\\VirtualStore\\Windows or the Windows directory";
#else
constexpr const char* kDefaultIniText =
    "$XDG_CONFIG_HOME/BrxW.ini, or ~/.config/BrxW.ini when XDG_CONFIG_HOME is unset or relative";
#endif

// brxW's options, and Qt's valued switches hidden from the help, so that the parser gives every
// switch its value and leaves only the true positional arguments.
struct Parser {
    Parser();

    QCommandLineParser parser;
    const QCommandLineOption help{
        QStringList{QStringLiteral("h"), QStringLiteral("?"), QStringLiteral("help")},
        QStringLiteral("Show this help and exit.")};
    const QCommandLineOption version{QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit.")};
    const QCommandLineOption ini{
        QStringList{QStringLiteral("ini")},
        QStringLiteral("The settings file to read and write instead of the default, %1.")
            .arg(QLatin1String(kDefaultIniText)),
        QStringLiteral("FILE")};
    const QCommandLineOption screenshots{
        QStringList{QStringLiteral("screenshots")},
        QStringLiteral("Demonstration run: once logged in, save a PNG of every window and dialog "
                       "into DIR, print their paths and quit (exit code 1 when it could not log "
                       "in). Works offscreen (QT_QPA_PLATFORM=offscreen)."),
        QStringLiteral("DIR")};
};

Parser::Parser() {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("brxW: the sysop's control program for a packet-radio BBS's remote "
                       "console.\nQt's own options (-platform NAME, -style NAME, ...) are "
                       "accepted too; any other option is an error (exit status 2)."));
    parser.addPositionalArgument(
        QStringLiteral("PROFILE"),
        QStringLiteral("The name of a profile in BrxW.ini (Name= of [Remote 0] to [Remote 3], "
                       "any case) to connect at start; it must be the last argument."),
        QStringLiteral("[PROFILE]"));
    parser.addOptions({help, version, ini, screenshots});
    for (const char* name : kQtSwitchesWithValue) {
        QCommandLineOption qtSwitch(QString::fromLatin1(name), QString(), QStringLiteral("VALUE"));
        qtSwitch.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtSwitch);
    }
    for (const char* name : kQtSwitchesAlone) {
        QCommandLineOption qtSwitch(QString::fromLatin1(name));
        qtSwitch.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtSwitch);
    }
}

bool IsSwitch(const QString& arg) {
#ifdef _WIN32
    if (arg.startsWith(QLatin1Char('/'))) {
        return true;
    }
#endif
    return arg.startsWith(QLatin1Char('-'));
}

qsizetype PositionalCount(const QStringList& args) {
    Parser parsed;
    parsed.parser.parse(args);
    return parsed.parser.positionalArguments().size();
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& args) {
    CommandLine result;
    Parser parsed;
    if (!parsed.parser.parse(args)) {
        result.request = CommandLine::Request::Refuse;
        result.error = parsed.parser.errorText();
        return result;
    }
    for (const QCommandLineOption* valued : {&parsed.ini, &parsed.screenshots}) {
        if (parsed.parser.isSet(*valued) && parsed.parser.value(*valued).isEmpty()) {
            result.request = CommandLine::Request::Refuse;
            result.error =
                QStringLiteral("Empty value for option '%1'.").arg(valued->names().constFirst());
            return result;
        }
    }
    // One profile at most: a name of two words typed without quotes would otherwise connect
    // its last word.
    const QStringList names = parsed.parser.positionalArguments();
    if (names.size() > 1) {
        result.request = CommandLine::Request::Refuse;
        result.error = QStringLiteral(
                           "More than one profile name (%1); a name with blanks is "
                           "written in quotes: \"%2\".")
                           .arg(names.join(QStringLiteral(", ")), names.join(QLatin1Char(' ')));
        return result;
    }
    if (parsed.parser.isSet(parsed.help)) {
        result.request = CommandLine::Request::ShowHelp;
    } else if (parsed.parser.isSet(parsed.version)) {
        result.request = CommandLine::Request::ShowVersion;
    }
    // The last argument is a positional one, not the value of the switch before it, exactly when
    // leaving it out leaves one positional argument fewer.
    if (args.size() > 1 && !IsSwitch(args.last()) &&
        parsed.parser.positionalArguments().size() >
            PositionalCount(args.mid(0, args.size() - 1))) {
        result.startupName = QStringToAnsi(args.last());
    }
    result.screenshotDir = parsed.parser.value(parsed.screenshots);
    if (result.request == CommandLine::Request::Run) {
        const QString iniPath = parsed.parser.value(parsed.ini);
        result.iniPath =
            iniPath.isEmpty() ? DefaultIniPath() : QFileInfo(iniPath).absoluteFilePath();
        result.iniNamed = !iniPath.isEmpty();
    }
    return result;
}

QString CommandLineHelp() {
    return Parser().parser.helpText();
}

}  // namespace brxw
