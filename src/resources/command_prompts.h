// SPDX-License-Identifier: GPL-3.0-or-later
// Prompt texts of the control panel's commands: shown in status pane 0 while a menu item is
// highlighted or the pointer rests on a toolbar button. The part after the first line break is
// the toolbar button's tooltip. The texts are translated where they are shown, in the context
// "brxw::CommandPrompt" (CommandPromptShown), and split after the translation.
#pragma once

#include <QtGlobal>

#include "resources/command_ids.h"
#include "resources/translate.h"

namespace brxw {

// Never shown: handed to the prompt overlay, it hides the overlay (compared, so not translated).
inline constexpr const char* kIdlePrompt = "Ready";

inline const char* CommandPrompt(int command) {
    switch (command) {
        case cmd::kExit:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt", "Terminate brxW");
        case cmd::kConsoleWindow:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt",
                                     "Console connection\nConsole connection");
        case cmd::kMonitoringWindow:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt", "Ports monitoring\nPorts monitoring");
        case cmd::kAllChannelsWindow:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt",
                                     "All channels monitoring\nAll channels monitoring");
        case cmd::kOneChannelWindow:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt",
                                     "One channel monitoring\nChannel monitoring");
        case cmd::kDisconnectChannel:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt", "Disconnect channel\nDisconnect");
        case cmd::kImmediateDisconnect:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt",
                                     "Immediate disconnect\nImmediate disconnect");
        case cmd::kEditMessageProperties:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt",
                                     "Edit message properties\nMessage properties");
        case cmd::kEditUserProperties:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt",
                                     "Edit user properties\nUser properties");
        case cmd::kPendingForward:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt", "Pending forward\nPending forward");
        case cmd::kOpenConfigFile:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt", "Open configuration file\nOpen file");
        case cmd::kPactorScan:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt", "Pactor scan\nPactor scan");
        case cmd::kPactorReceive:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt", "Pactor receive\nPactor receive");
        case cmd::kPactorSend:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt", "Pactor send\nPactor send");
        case cmd::kConnectRemote0:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt", "Connect \"Remote 0\"");
        case cmd::kConnectRemote0 + 1:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt", "Connect \"Remote 1\"");
        case cmd::kConnectRemote0 + 2:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt", "Connect \"Remote 2\"");
        case cmd::kConnectRemote0 + 3:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt", "Connect \"Remote 3\"");
        case cmd::kDisconnect:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt", "Close the connection");
        case cmd::kConnectionLog:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt",
                                     "Show when the link came up and why it went down");
        case cmd::kPreferences:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt",
                                     "Character sets, logging to files, alerts and colours");
        case cmd::kUserGuide:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt",
                                     "Open the sysop's guide in the browser");
        case cmd::kConfigRemote0:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt", "Configure \"Remote 0\"");
        case cmd::kConfigRemote0 + 1:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt", "Configure \"Remote 1\"");
        case cmd::kConfigRemote0 + 2:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt", "Configure \"Remote 2\"");
        case cmd::kConfigRemote0 + 3:
            return QT_TRANSLATE_NOOP("brxw::CommandPrompt", "Configure \"Remote 3\"");
        default:
            return "";
    }
}

// The prompt in the sysop's language, still with its line break before the tooltip.
inline QString CommandPromptShown(int command) {
    const char* text = CommandPrompt(command);
    return *text == '\0' ? QString() : Tr("brxw::CommandPrompt", text);
}

}  // namespace brxw
