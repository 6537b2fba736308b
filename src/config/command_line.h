// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: which INI file to use, which profile to connect at start-up, and
// the requests that answer without starting the program (--help, --version, a wrong line).
// Parsed once by the application object at start-up; any thread.
#pragma once

#include <QString>
#include <QStringList>

#include <string>

namespace brxw {

struct CommandLine {
    // Refuse: an unknown option, an option without its value, or more than one profile name;
    // `error` says which, and the program prints it with the usage to stderr and exits 2.
    enum class Request { Run, ShowHelp, ShowVersion, Refuse };

    Request request = Request::Run;  // a wrong line wins, then --help, then --version
    QString error;
    // --ini FILE or --ini=FILE, made absolute; else DefaultIniPath(). Left empty for any other
    // request than Run, which must not create the default folder.
    QString iniPath;
    bool iniNamed = false;    // --ini was given: no earlier BrxW.ini is looked for
    std::string startupName;  // Windows code page bytes; empty when none was given
    QString screenshotDir;    // --screenshots DIR: the headless demonstration run
};

// args[0] is the program. The last argument names the profile to connect at start-up when it
// is not a switch (it starts with '-', or on Windows also '/') and not the value of one: the
// FILE of --ini, the DIR of --screenshots, or the value of Qt's own switches (-platform X,
// -style X, ...). An unknown switch, --ini or --screenshots without a value, or a second
// profile name (a name of two words without quotes) is refused:
// started anyway, a mistyped --inii FILE would take FILE for the profile's name.
// Options are also accepted with one dash (-ini FILE), as Qt accepts its own.
CommandLine ParseCommandLine(const QStringList& args);

// The text that --help prints: usage, the PROFILE argument and every option of brxW.
QString CommandLineHelp();

}  // namespace brxw
