// SPDX-License-Identifier: GPL-3.0-or-later
// Prompt texts of the control panel's commands: shown in status pane 0 while a menu item is
// highlighted or the pointer rests on a toolbar button. The part after the first line break is
// the toolbar button's tooltip.
#pragma once

#include "resources/command_ids.h"

namespace brxw {

inline constexpr const char* kIdlePrompt = "Ready";

inline const char* CommandPrompt(int command) {
    switch (command) {
        case cmd::kExit:
            return "Terminate brxW";
        case cmd::kConsoleWindow:
            return "Console connection\nConsole connection";
        case cmd::kMonitoringWindow:
            return "Ports monitoring\nPorts monitoring";
        case cmd::kAllChannelsWindow:
            return "All channels monitoring\nAll channels monitoring";
        case cmd::kOneChannelWindow:
            return "One channel monitoring\nChannel monitoring";
        case cmd::kDisconnectChannel:
            return "Disconnect channel\nDisconnect";
        case cmd::kImmediateDisconnect:
            return "Immediate disconnect\nImmediate disconnect";
        case cmd::kEditMessageProperties:
            return "Edit message properties\nMessage properties";
        case cmd::kEditUserProperties:
            return "Edit user properties\nUser properties";
        case cmd::kPendingForward:
            return "Pending forward\nPending forward";
        case cmd::kOpenConfigFile:
            return "Open configuration file\nOpen file";
        case cmd::kPactorScan:
            return "Pactor scan\nPactor scan";
        case cmd::kPactorReceive:
            return "Pactor receive\nPactor receive";
        case cmd::kPactorSend:
            return "Pactor send\nPactor send";
        case cmd::kConnectRemote0:
            return "Connect \"Remote 0\"";
        case cmd::kConnectRemote0 + 1:
            return "Connect \"Remote 1\"";
        case cmd::kConnectRemote0 + 2:
            return "Connect \"Remote 2\"";
        case cmd::kConnectRemote0 + 3:
            return "Connect \"Remote 3\"";
        case cmd::kDisconnect:
            return "Close the connection";
        case cmd::kConnectionLog:
            return "Show when the link came up and why it went down";
        case cmd::kPreferences:
            return "Character sets, logging to files, alerts and colours";
        case cmd::kUserGuide:
            return "Open the sysop's guide in the browser";
        case cmd::kConfigRemote0:
            return "Configure \"Remote 0\"";
        case cmd::kConfigRemote0 + 1:
            return "Configure \"Remote 1\"";
        case cmd::kConfigRemote0 + 2:
            return "Configure \"Remote 2\"";
        case cmd::kConfigRemote0 + 3:
            return "Configure \"Remote 3\"";
        default:
            return "";
    }
}

}  // namespace brxw
