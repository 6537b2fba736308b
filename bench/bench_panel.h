// SPDX-License-Identifier: GPL-3.0-or-later
// The control panel as the benches use it: a profile for the peer on the loopback port, and the
// four traffic windows opened once logged in; with accessibility asked for, a listener.
#pragma once

#include <QAccessible>
#include <algorithm>
#include <memory>
#include <vector>

#include "config/app_config.h"
#include "link/dispatcher.h"
#include "panel/control_panel.h"
#include "resources/command_ids.h"
#include "support/wait.h"
#include "textwin/text_wnd_accessible.h"

namespace brxw::bench {

inline void SaveLoopbackProfile(AppConfig& config, quint16 port) {
    RemoteConfig profile = AppConfig::DefaultProfile(0);
    profile.hostName = "127.0.0.1";
    profile.port = port;
    config.SaveProfile(0, profile);
}

// Connects with the first profile and, once logged in, opens the monitoring, all-channels,
// one-channel and console windows. False when the login does not come.
inline bool LogInWithAllWindows(CControlPanel& panel) {
    panel.OnCommand(cmd::kConnectRemote0);
    if (!test::WaitUntil([&] { return panel.GetSession().LoggedIn(); })) {
        return false;
    }
    panel.OnCommand(cmd::kMonitoringWindow);
    panel.OnCommand(cmd::kAllChannelsWindow);
    panel.OnCommand(cmd::kOneChannelWindow);
    // The console window may exist already, hidden; what counts is its subscription.
    if ((panel.GetSession().Options() & category::kConsole) == 0) {
        panel.OnCommand(cmd::kConsoleWindow);
    }
    return true;
}

// Once logged in with LogInWithAllWindows: waits until the server has the subscriptions of the
// monitoring, console and channel windows, and gives the four windows that exist.
template <typename Peer>
std::vector<QWidget*> FourWindowsSubscribed(CControlPanel& panel, Peer& peer) {
    test::WaitUntil([&] { return (peer.OptionsByte() & (16 | 32 | 64)) == (16 | 32 | 64); });
    std::vector<QWidget*> windows{panel.Monitoring(), panel.AllChannels(), panel.OneChannel(),
                                  panel.Console()};
    windows.erase(std::remove(windows.begin(), windows.end(), nullptr), windows.end());
    return windows;
}

// With QT_LINUX_ACCESSIBILITY_ALWAYS_ON set the benches measure with accessibility on. Where the
// platform has no accessibility bridge (offscreen), a stand-in listener takes the text windows'
// events and, as a screen reader would, asks for the length of the text each one is about.
// Returns what it got; null when accessibility was not asked for or the platform's own bridge
// listens.
struct Listened {
    long long events = 0;
    long long characters = 0;
};
inline std::shared_ptr<Listened> ListenIfAsked() {
    if (qEnvironmentVariableIsEmpty("QT_LINUX_ACCESSIBILITY_ALWAYS_ON") ||
        QAccessible::isActive()) {
        return nullptr;
    }
    auto listened = std::make_shared<Listened>();
    SetAccessibilityStandIn([listened](QAccessibleEvent& event) {
        if (event.type() != QAccessible::TextInserted && event.type() != QAccessible::TextRemoved) {
            return;
        }
        ++listened->events;
        if (QAccessibleInterface* iface = event.accessibleInterface()) {
            if (QAccessibleTextInterface* text = iface->textInterface()) {
                listened->characters += text->characterCount();
            }
        }
    });
    return listened;
}

}  // namespace brxw::bench
