// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the inbound dispatch hands frames to: the panels, the text windows, the toolbar,
// the progress indicator, the editor and the administration dialogs. The control panel
// implements it; the dispatch's tests use a recording fake.
#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace brxw {

class DispatchTarget {
public:
    virtual ~DispatchTarget() = default;

    // Subscription streams; texts are the payload (also readable as NUL-terminated).
    virtual void MessageCounters(std::string_view text) = 0;
    virtual void SystemStatus(std::string_view text) = 0;
    virtual void StationCount(std::string_view text) = 0;
    virtual void StationLine(std::string_view text) = 0;
    virtual void ChannelTraffic(int channel, std::uint8_t trafficByte, std::string_view text) = 0;

    // The console and monitoring windows; "created" means their native window exists.
    virtual bool ConsoleCreated() const = 0;
    virtual void ConsoleText(std::string_view text, std::uint32_t colour) = 0;
    virtual void ShowConsole() = 0;
    virtual void HideConsole() = 0;
    virtual void ToggleConsole() = 0;
    virtual bool MonitoringCreated() const = 0;
    virtual void MonitoringText(std::string_view text, std::uint32_t colour) = 0;
    virtual std::uint32_t Options() const = 0;

    // Capabilities, server options and Pactor.
    virtual void ShowToolbarButton(int command) = 0;
    virtual void ServerOptionsAvailable() = 0;
    virtual void ServerOptionsList(std::string_view text) = 0;
    virtual void PactorState(std::string_view text) = 0;

    virtual void ShowWarning(const std::string& caption, const std::string& text) = 0;
    virtual void SendRequest(std::uint8_t kind, std::string_view text) = 0;
    virtual void OpenInEditor(const QString& path) = 0;

    // A file the server sent could not be stored: its path and why (the transfer of `kind`
    // has ended; an administration dialog does not open on it).
    virtual void ReceptionFailed(std::uint8_t kind, const QString& path, const QString& reason) = 0;

    // The file-reception indicator over status pane 1.
    virtual void ProgressBegin(std::int32_t total) = 0;
    virtual void ProgressUpdate(std::int32_t received) = 0;
    virtual void ProgressEnd() = 0;

    // Administration dialogs. Record replies go to an open dialog; receptions end by opening one.
    virtual bool RemoteFilesOpen() const = 0;
    virtual void DirectoryListingReceived(const QString& path) = 0;
    virtual bool PendingForwardOpen() const = 0;
    virtual void OpenPendingForward(const QString& path) = 0;
    virtual bool UserPropertiesOpen() const = 0;
    virtual void UserRecordReply(std::string_view payload) = 0;
    virtual void OpenUserProperties(const QString& path) = 0;
    virtual bool MessagePropertiesOpen() const = 0;
    virtual void MessageRecordReply(std::string_view payload) = 0;
    virtual void OpenMessageProperties(const QString& path) = 0;
};

}  // namespace brxw
