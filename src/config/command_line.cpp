#include "config/command_line.h"

#include "text/charset.h"

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
        result.startupName = QStringToAnsi(args[nameIndex]);
    }
    result.iniPath =
        result.iniPath.isEmpty() ? DefaultIniPath() : QFileInfo(result.iniPath).absoluteFilePath();
    return result;
}

}  // namespace brxw
