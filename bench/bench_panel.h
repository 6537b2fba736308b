// SPDX-License-Identifier: GPL-3.0-or-later
// The control panel as the benches use it: a profile for the peer on the loopback port, and the
// four traffic windows opened once logged in.
#pragma once

#include "config/app_config.h"
#include "link/dispatcher.h"
#include "panel/control_panel.h"
#include "resources/command_ids.h"
#include "support/wait.h"

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

}  // namespace brxw::bench
