// SPDX-License-Identifier: GPL-3.0-or-later
// Command identifiers of the control panel. The numbers are fixed: the Connect and Config items
// are addressed by arithmetic on them (32776 + n, 32783 + n).
#pragma once

namespace brxw::cmd {

inline constexpr int kConsoleWindow = 32773;
inline constexpr int kMonitoringWindow = 32774;
inline constexpr int kAllChannelsWindow = 32775;
inline constexpr int kConnectRemote0 = 32776;  // 32776..32779: Connect > the four configurations
inline constexpr int kDisconnect = 32780;
inline constexpr int kConnectionLog = 32840;  // Connect > Connection log
inline constexpr int kConfigRemote0 = 32783;  // 32783..32786: Config > the four configurations
inline constexpr int kPreferences = 32841;    // Config > Preferences
inline constexpr int kUserGuide = 32842;      // Help > User guide
inline constexpr int kOpenConfigFile = 32794;
inline constexpr int kOneChannelWindow = 32795;
inline constexpr int kSettings = 32796;
inline constexpr int kCopyright = 32797;
inline constexpr int kPendingForward = 32804;
inline constexpr int kEditUserProperties = 32808;
inline constexpr int kEditMessageProperties = 32809;
inline constexpr int kImmediateDisconnect = 32812;
inline constexpr int kDisconnectChannel = 32813;
inline constexpr int kPactorScan = 32830;
inline constexpr int kPactorReceive = 32831;
inline constexpr int kPactorSend = 32832;
inline constexpr int kAbout = 57664;  // the framework's About command
inline constexpr int kExit = 57665;   // the framework's Exit command

inline constexpr int kRemoteCount = 4;

}  // namespace brxw::cmd
