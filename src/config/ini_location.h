// SPDX-License-Identifier: GPL-3.0-or-later
// Where BrxW.ini lives when the command line does not name it. Used once at start-up by the
// command-line parser; any thread.
#pragma once

#include <QString>
#include <QStringList>

namespace brxw {

inline constexpr const char* kIniFileName = "BrxW.ini";

// Windows: %APPDATA%\brxW\BrxW.ini (only an administrator may write in the Windows directory).
// Elsewhere: $XDG_CONFIG_HOME/BrxW.ini, ~/.config/BrxW.ini when the variable is unset, empty or
// relative. The folder is created (owner-only) when it is missing, so the first write can succeed.
QString DefaultIniPath();

// Where a BrxW.ini of an earlier installation may be, the first place to look at first. Windows:
// the copy Windows made of writes to the Windows directory by a program without elevated rights
// (%LOCALAPPDATA%\VirtualStore\Windows\BrxW.ini), then the Windows directory. Elsewhere none.
QStringList EarlierIniPaths();

struct IniAdoption {
    QString source;   // the earlier BrxW.ini found and copied; empty when none was found
    QString failure;  // why copying `source` failed (the reason only); empty when it did not
};

// The first start without a file at `iniPath`: the first of `earlier` that is a file is copied
// there, byte for byte, and becomes private to the user; the original is neither moved nor
// changed. Nothing is done when `iniPath` exists (a copy never replaces a file).
IniAdoption AdoptEarlierIni(const QString& iniPath, const QStringList& earlier);

}  // namespace brxw
