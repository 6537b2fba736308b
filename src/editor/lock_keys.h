// SPDX-License-Identifier: GPL-3.0-or-later
// The state of the caps-lock, num-lock and scroll-lock keys as the window system tells it, for
// the editor's key indicators. Under X11 the keyboard extension's indicators are asked (one round
// trip per key); on Windows the keys' toggle state. Where the platform cannot tell (Wayland, the
// offscreen platform), nothing is known. User-interface thread only.
#pragma once

#include <optional>

namespace brxw {

struct LockKeys {
    bool caps = false;
    bool num = false;
    bool scroll = false;
    bool operator==(const LockKeys&) const = default;
};

// The keys' state now; nullopt where the platform cannot tell.
std::optional<LockKeys> ReadLockKeys();

}  // namespace brxw
