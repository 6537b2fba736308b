// SPDX-License-Identifier: GPL-3.0-or-later
// Panel tests against the reference peer: profile 0 aimed at the peer and a shown, initialised
// control panel on it, not yet connected.
#pragma once

#include <memory>

#include "config/app_config.h"
#include "panel/control_panel.h"
#include "support/running_peer.h"

namespace brxw::test {

inline std::unique_ptr<CControlPanel> OpenPanelForPeer(AppConfig& config, const RunningPeer& peer) {
    RemoteConfig profile = AppConfig::DefaultProfile(0);
    profile.hostName = "127.0.0.1";
    profile.port = peer.Port();
    config.SaveProfile(0, profile);
    auto panel = std::make_unique<CControlPanel>(config, Session::Timing{10, 3600 * 1000});
    panel->show();
    panel->activateWindow();
    panel->Initialise("");
    return panel;
}

}  // namespace brxw::test
