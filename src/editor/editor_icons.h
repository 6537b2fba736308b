// SPDX-License-Identifier: GPL-3.0-or-later
// The 16 x 15 toolbar images of the editor (save, cut, copy, paste, print), drawn at run time
// like the control panel's.
#pragma once

#include <QIcon>

namespace brxw {

// command: a CMainFrame::Command value; an empty icon for a command without a button.
QIcon EditorIcon(int command);

}  // namespace brxw
