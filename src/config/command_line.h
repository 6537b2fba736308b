// The program's command line: which INI file to use, which profile to connect at start-up, and
// the requests that answer without starting the program (--help, --version).
// Parsed once by the application object at start-up; any thread.
#pragma once

#include <QString>
#include <QStringList>

#include <string>

namespace brxw {

struct CommandLine {
    enum class Request { Run, ShowHelp, ShowVersion };

    Request request = Request::Run;  // --help wins over --version
    // --ini FILE or --ini=FILE, made absolute; else DefaultIniPath(). Left empty for a help or
    // version request, which must not create the default folder.
    QString iniPath;
    std::string startupName;  // Windows code page bytes; empty when none was given
    QString screenshotDir;    // --screenshots DIR: the headless demonstration run
};

// args[0] is the program. The last argument names the profile to connect at start-up when it
// is not a switch (it starts with '-', or on Windows also '/') and not the value of one: the
// FILE of --ini, the DIR of --screenshots, or the value of Qt's own switches (-platform X,
// -style X, ...). Unknown switches are ignored, so that an old start-up shortcut keeps working.
// Options are also accepted with one dash (-ini FILE), as Qt accepts its own.
CommandLine ParseCommandLine(const QStringList& args);

// The text that --help prints: usage, the PROFILE argument and every option of brxW.
QString CommandLineHelp();

}  // namespace brxw
