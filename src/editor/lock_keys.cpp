// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/lock_keys.h"

#include <QGuiApplication>

// Built with libX11's keyboard extension and a Qt that can run on X11.
#if defined(BRXW_HAVE_XKB) && QT_CONFIG(xcb)
#define BRXW_ASK_XKB 1
#include <X11/XKBlib.h>
#endif
#if defined(Q_OS_WIN)
#include <windows.h>
#endif

namespace brxw {

#if defined(BRXW_ASK_XKB)
namespace {

// The indicator the keyboard map names so, on or off; false when the map has no such indicator.
bool Indicator(Display* display, Atom name) {
    Bool on = False;
    return name != None && XkbGetNamedIndicator(display, name, nullptr, &on, nullptr, nullptr) &&
           on;
}

}  // namespace
#endif

std::optional<LockKeys> ReadLockKeys() {
#if defined(BRXW_ASK_XKB)
    auto* x11 = qGuiApp == nullptr ? nullptr
                                   : qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 == nullptr ? nullptr : x11->display();
    if (display == nullptr) {
        return std::nullopt;  // another platform plugin (Wayland, offscreen)
    }
    // The names are the keyboard map's; looked up once for the display Qt keeps open.
    static Display* named = nullptr;
    static Atom names[3] = {None, None, None};
    if (named != display) {
        named = display;
        const char* const texts[3] = {"Caps Lock", "Num Lock", "Scroll Lock"};
        for (int i = 0; i < 3; ++i) {
            names[i] = XInternAtom(display, texts[i], False);
        }
    }
    return LockKeys{Indicator(display, names[0]), Indicator(display, names[1]),
                    Indicator(display, names[2])};
#elif defined(Q_OS_WIN)
    return LockKeys{(GetKeyState(VK_CAPITAL) & 1) != 0, (GetKeyState(VK_NUMLOCK) & 1) != 0,
                    (GetKeyState(VK_SCROLL) & 1) != 0};
#else
    return std::nullopt;
#endif
}

}  // namespace brxw
