// SPDX-License-Identifier: GPL-3.0-or-later
// A DispatchTarget that records every call as one line of text ("StationLine 05Q1ABC"), so a
// test compares what the dispatch did with a list of expected lines.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "link/dispatch_target.h"

namespace brxw::test {

class FakeDispatchTarget : public DispatchTarget {
public:
    void MessageCounters(std::string_view t) override { Log("MessageCounters", t); }
    void SystemStatus(std::string_view t) override { Log("SystemStatus", t); }
    void StationCount(std::string_view t) override { Log("StationCount", t); }
    void StationLine(std::string_view t) override { Log("StationLine", t); }
    void ChannelTraffic(int channel, std::uint8_t traffic, std::string_view t) override {
        Log("ChannelTraffic " + std::to_string(channel) + " " + std::to_string(traffic), t);
    }
    bool ConsoleCreated() const override { return consoleCreated; }
    void ConsoleText(std::string_view t, std::uint32_t colour) override {
        Log("ConsoleText " + std::to_string(colour), t);
    }
    void ShowConsole() override { Log("ShowConsole"); }
    void HideConsole() override { Log("HideConsole"); }
    void ToggleConsole() override { Log("ToggleConsole"); }
    bool MonitoringCreated() const override { return monitoringCreated; }
    void MonitoringText(std::string_view t, std::uint32_t colour) override {
        Log("MonitoringText " + std::to_string(colour), t);
    }
    std::uint32_t Options() const override { return options; }
    void ShowToolbarButton(int command) override {
        Log("ShowToolbarButton " + std::to_string(command));
    }
    void ServerOptionsAvailable() override { Log("ServerOptionsAvailable"); }
    void ServerOptionsList(std::string_view t) override { Log("ServerOptionsList", t); }
    void PactorState(std::string_view t) override { Log("PactorState", t); }
    void ShowWarning(const std::string& caption, const std::string& text) override {
        Log("ShowWarning " + caption, text);
    }
    void SendRequest(std::uint8_t kind, std::string_view t) override {
        Log("SendRequest " + std::to_string(kind), t);
        if (onSendRequest) {
            onSendRequest(kind, t);
        }
    }
    void OpenInEditor(const QString& path) override { Log("OpenInEditor", Name(path)); }
    void ReceptionFailed(std::uint8_t kind, const QString& path, const QString& reason) override {
        Log("ReceptionFailed " + std::to_string(kind), Name(path) + ": " + reason.toStdString());
    }
    void ProgressBegin(std::int32_t total) override {
        Log("ProgressBegin " + std::to_string(total));
    }
    void ProgressUpdate(std::int32_t n) override { Log("ProgressUpdate " + std::to_string(n)); }
    void ProgressEnd() override { Log("ProgressEnd"); }
    bool RemoteFilesOpen() const override { return remoteFilesOpen; }
    void DirectoryListingReceived(const QString& path) override {
        Log("DirectoryListing", Name(path));
    }
    bool PendingForwardOpen() const override { return pendingForwardOpen; }
    void OpenPendingForward(const QString& path) override { Log("OpenPendingForward", Name(path)); }
    bool UserPropertiesOpen() const override { return userPropertiesOpen; }
    void UserRecordReply(std::string_view t) override { Log("UserRecordReply", t); }
    void OpenUserProperties(const QString& path) override { Log("OpenUserProperties", Name(path)); }
    bool MessagePropertiesOpen() const override { return messagePropertiesOpen; }
    void MessageRecordReply(std::string_view t) override { Log("MessageRecordReply", t); }
    void OpenMessageProperties(const QString& path) override {
        Log("OpenMessageProperties", Name(path));
    }

    std::function<void(std::uint8_t, std::string_view)> onSendRequest;  // e.g. to a session
    std::vector<std::string> calls;
    bool consoleCreated = false;
    bool monitoringCreated = false;
    bool remoteFilesOpen = false;
    bool pendingForwardOpen = false;
    bool userPropertiesOpen = false;
    bool messagePropertiesOpen = false;
    std::uint32_t options = 140;

private:
    static std::string Name(const QString& path) {
        return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1).toStdString();
    }
    void Log(const std::string& what) { calls.push_back(what); }
    void Log(const std::string& what, std::string_view text) {
        calls.push_back(what + " " + std::string(text));
    }
};

}  // namespace brxw::test
