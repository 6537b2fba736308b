// SPDX-License-Identifier: GPL-3.0-or-later
// Where BrxW.ini lives when the command line does not name it. Used once at start-up by the
// command-line parser; any thread.
#pragma once

#include <QString>

namespace brxw {

inline constexpr const char* kIniFileName = "BrxW.ini";

// Windows: the Windows directory when it exists and can be written (that needs elevated rights
// on current Windows), else the user's application-data folder. Elsewhere:
// $XDG_CONFIG_HOME/BrxW.ini, ~/.config/BrxW.ini when the variable is unset, empty or relative.
// The folder is created (owner-only) when it is missing, so the first write can succeed.
QString DefaultIniPath();

}  // namespace brxw
