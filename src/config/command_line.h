// The program's command line: which INI file to use and which profile to connect at start-up.
// Parsed once by the application object at start-up; any thread.
#pragma once

#include <QString>
#include <QStringList>

#include <string>

namespace brxw {

struct CommandLine {
    QString iniPath;          // --ini FILE or --ini=FILE, made absolute; else DefaultIniPath()
    std::string startupName;  // Windows-1252 bytes; empty when none was given
};

// args[0] is the program. The last argument names the profile to connect at start-up when it
// is not a switch (it starts with '-', or on Windows also '/') and not the value of one: the
// FILE of --ini, or the value of Qt's own switches (-platform X, -style X, ...). Unknown
// switches are ignored.
CommandLine ParseCommandLine(const QStringList& args);

}  // namespace brxw
