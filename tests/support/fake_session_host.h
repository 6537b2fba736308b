// SPDX-License-Identifier: GPL-3.0-or-later
// A SessionHost that records every call, for the session's tests.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "link/connection_log.h"
#include "link/frame_queue.h"
#include "link/session_host.h"

namespace brxw::test {

class FakeSessionHost : public SessionHost {
public:
    struct Warning {
        std::string caption;
        std::string text;
    };

    void SetStatusText(const std::string& text) override {
        statusTexts.push_back(text);
        if (onStatusText) {
            onStatusText(text);
        }
    }
    void SetTitle(const std::string& text) override { title = text; }
    void ShowWarning(const std::string& caption, const std::string& text) override {
        warnings.push_back({caption, text});
    }
    void ShowLinkWarning(const std::string& caption, const std::string& text) override {
        warnings.push_back({caption, text});
    }
    void SetCounterChecks(bool s, bool m) override {
        statusChecked = s;
        messagesChecked = m;
    }
    void SetConnectItemChecked(int command, bool checked) override {
        checkedItem = checked ? command : (checkedItem == command ? 0 : checkedItem);
    }
    void SetWaitCursor(bool waiting) override { waitCursor = waiting; }
    void EmptyStationList() override { ++stationListEmptied; }
    void RestoreWindows(bool allChannels, bool monitoring) override {
        restoredAllChannels = allChannels;
        restoredMonitoring = monitoring;
    }
    void SessionStateChanged(bool loggedIn) override {
        (loggedIn ? logins : logouts) += 1;
        this->loggedIn = loggedIn;
    }
    void FrameArrived(const InboundFrame& frame) override {
        if (onFrame) {
            onFrame(frame);
        } else {
            frames.push_back(frame);
        }
    }

    void LinkReported(const ConnectionLogEntry& entry) override { reports.push_back(entry.report); }

    const std::string& LastStatus() const {
        static const std::string none;
        return statusTexts.empty() ? none : statusTexts.back();
    }

    std::function<void(const std::string&)> onStatusText;  // e.g. to act at a given step
    std::function<void(const InboundFrame&)> onFrame;      // set to dispatch frames as they arrive
    std::vector<InboundFrame> frames;                      // else they are collected here
    std::vector<std::string> statusTexts;
    std::vector<Warning> warnings;
    std::vector<LinkReport> reports;
    std::string title;
    bool statusChecked = false;
    bool messagesChecked = false;
    int checkedItem = 0;
    bool waitCursor = false;
    int stationListEmptied = 0;
    bool restoredAllChannels = false;
    bool restoredMonitoring = false;
    int logins = 0;
    int logouts = 0;
    bool loggedIn = false;
};

}  // namespace brxw::test
