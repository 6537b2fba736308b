// SPDX-License-Identifier: GPL-3.0-or-later
// The text windows' side of logging to file: a window's ring tells the logs of its lines, and its
// context menu carries the "Log to file" switch. User-interface thread only.
#pragma once

#include "textwin/window_log.h"

namespace brxw {

class CTextWnd;

// Binds view to logs as window; both must live until logs is shut down.
void BindWindowLog(WindowLogs& logs, LogWindow window, CTextWnd& view);

}  // namespace brxw
