// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the program: its icon and the 16 x 15 toolbar images, drawn at run time so
// that they stay crisp at any scale and need no image files.
#pragma once

#include <QIcon>
#include <functional>

class QPainter;

namespace brxw {

QIcon ProgramIcon();
// The toolbar image of a command; an empty icon for a command without one. It is drawn when
// shown, with light lines where the application's palette gives the button a dark ground.
QIcon ToolbarIcon(int command);
// A 16 x 15 toolbar image drawn by draw (antialiased, on a transparent ground), for the other
// windows' toolbars.
QIcon DrawToolbarIcon(const std::function<void(QPainter&)>& draw);

}  // namespace brxw
