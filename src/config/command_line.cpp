#include "config/command_line.h"

#include "config/ini_location.h"

#include <QFileInfo>

#include <array>
#include <string_view>

namespace brxw {
namespace {

// Qt's own switches that take the next argument as their value (QGuiApplication, QApplication
// and the xcb platform), named with one leading dash as Qt also accepts them with two.
constexpr std::array<std::string_view, 17> kQtSwitchesWithValue = {
    "-platform",        "-platformpluginpath",
    "-platformtheme",   "-plugin",
    "-qwindowgeometry", "-qwindowtitle",
    "-qwindowicon",     "-geometry",
    "-title",           "-icon",
    "-display",         "-name",
    "-visual",          "-session",
    "-style",           "-stylesheet",
    "-qmljsdebugger"};

bool IsSwitch(const QString& arg) {
#ifdef _WIN32
    if (arg.startsWith(QLatin1Char('/'))) {
        return true;
    }
#endif
    return arg.startsWith(QLatin1Char('-'));
}

bool TakesValue(const QString& arg) {
    QString name = arg;
    if (name.startsWith(QStringLiteral("--"))) {
        name.remove(0, 1);
    }
    const QByteArray latin = name.toLatin1();
    const std::string_view view(latin.constData(), static_cast<std::size_t>(latin.size()));
    for (std::string_view known : kQtSwitchesWithValue) {
        if (view == known) {
            return true;
        }
    }
    return false;
}

// Windows-1252 bytes 0x80..0x9F and the characters they stand for; 0 where the byte is unused
// (Windows maps those five to the C1 control of the same number).
constexpr std::array<char32_t, 32> kAnsiHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ToAnsiChar(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (std::size_t i = 0; i < kAnsiHighControls.size(); ++i) {
        if (kAnsiHighControls[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

// QString to Windows-1252 bytes, as the INI file and the server hold names; a character the
// code page lacks becomes '?'.
std::string ToAnsi(const QString& text) {
    std::string out;
    const QList<uint> codePoints = text.toUcs4();
    out.reserve(static_cast<std::size_t>(codePoints.size()));
    for (uint c : codePoints) {
        out.push_back(ToAnsiChar(c));
    }
    return out;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& args) {
    CommandLine result;
    qsizetype nameIndex = -1;  // the last argument that is neither a switch nor a value
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QStringLiteral("--ini")) {
            if (i + 1 < args.size()) {
                result.iniPath = args[++i];
            }
        } else if (arg.startsWith(QStringLiteral("--ini="))) {
            result.iniPath = arg.mid(6);
        } else if (IsSwitch(arg)) {
            if (TakesValue(arg)) {
                ++i;
            }
        } else {
            nameIndex = i;
        }
    }
    if (nameIndex >= 0 && nameIndex == args.size() - 1) {
        result.startupName = ToAnsi(args[nameIndex]);
    }
    result.iniPath =
        result.iniPath.isEmpty() ? DefaultIniPath() : QFileInfo(result.iniPath).absoluteFilePath();
    return result;
}

}  // namespace brxw
