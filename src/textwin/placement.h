// SPDX-License-Identifier: GPL-3.0-or-later
// Placement: where a traffic window (console, monitoring, all channels, one channel) opens, as
// remembered per remote configuration in the keys "Size_<letter>" and "Position_<letter>"
// ("%04d %04d": width and height, left and top of the whole window in screen pixels).
//
// The values come from a hand-editable INI file, so they are clamped to sizes a window can
// sensibly have before anyone uses them. Free functions; the opening command and the windows
// call them on the user-interface thread (they read and write through AppConfig).
#pragma once

#include <string>

namespace brxw {

class AppConfig;

struct Placement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Placement&) const = default;
};

inline constexpr Placement kConsolePlacement{0, 0, 590, 395};
inline constexpr Placement kTrafficPlacement{0, 0, 590, 400};

// Window sizes are kept within these bounds, positions within +-kMaxWindowCoordinate, so that
// position plus size stays inside what every window system can address.
inline constexpr int kMinWindowWidth = 120;
inline constexpr int kMinWindowHeight = 100;
inline constexpr int kMaxWindowExtent = 8192;
inline constexpr int kMaxWindowCoordinate = 16000;

// The letter a window's keys are built from: letter itself when it is an ASCII letter, 'o' (the
// one-channel window) for anything else, so a key never holds a stray byte.
char PlacementLetter(char letter);
std::string SizeKey(char letter);      // "Size_c"
std::string PositionKey(char letter);  // "Position_c"

// p with its size clamped to the bounds above and its position to the coordinate range.
Placement ClampPlacement(Placement p);

// The placement stored for the window with letter in the current remote configuration. The size
// key is read first; without a pair of positive numbers there, the defaults stand whole and the
// position key is not read. A position key without a pair of numbers keeps the default position.
Placement ReadPlacement(const AppConfig& config, char letter, Placement defaults);

}  // namespace brxw
