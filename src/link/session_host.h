// SPDX-License-Identifier: GPL-3.0-or-later
// What the session needs from the window that owns it (the control panel): status texts, boxes,
// the title, menu checks, the cursor and the refresh for the connected or disconnected state.
// Tests implement it with a recording fake.
#pragma once

#include <string>

namespace brxw {

class InboundFrame;
struct ConnectionLogEntry;

class SessionHost {
public:
    virtual ~SessionHost() = default;

    // Status bar pane 0.
    virtual void SetStatusText(const std::string& text) = 0;
    virtual void SetTitle(const std::string& title) = 0;
    // A warning box (exclamation icon, OK button).
    virtual void ShowWarning(const std::string& caption, const std::string& text) = 0;
    // The same box for a failed connection, which must not wait for the sysop: this returns at
    // once, and the session goes on (the countdown runs) while the box shows.
    virtual void ShowLinkWarning(const std::string& caption, const std::string& text) = 0;
    // The Status and Messages check boxes, set from the profile at connect.
    virtual void SetCounterChecks(bool status, bool messages) = 0;
    virtual void SetConnectItemChecked(int command, bool checked) = 0;
    virtual void SetWaitCursor(bool waiting) = 0;
    virtual void EmptyStationList() = 0;
    // At login: reopen the windows that were open when this profile was last used, all-channels
    // first; each goes through its toggle, which sends the options update.
    virtual void RestoreWindows(bool allChannels, bool monitoring) = 0;
    // The refresh of the panel for the connected (logged in) or disconnected state.
    virtual void SessionStateChanged(bool loggedIn) = 0;
    // The next frame of the current session, taken from the queue in the order it arrived.
    virtual void FrameArrived(const InboundFrame& frame) = 0;
    // A login or the end of a session or an attempt, just added to the session's log; after
    // the session's own status texts, before the reconnection countdown's first tick.
    virtual void LinkReported(const ConnectionLogEntry& entry) = 0;
    // A connection to profile n begins (it is now the current profile), before anything of it
    // is sent or received: the text conversions take the profile's code pages.
    virtual void ProfileChosen(int n) { static_cast<void>(n); }
};

}  // namespace brxw
