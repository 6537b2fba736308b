// SPDX-License-Identifier: GPL-3.0-or-later
// What the editor's document needs from the rest of the program: the message-edit flag, the
// editor's settings, the two ways of handing a text back to the server, and the control panel
// coming back once the editor is done. The control panel provides it (panel/panel_editor_host.h);
// tests can provide their own. User-interface thread only.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

#include "editor/message_format.h"

namespace brxw {

// Where a fetched file came from: its path on the server and the session that sent it. Only the
// document opened from that file may be uploaded, only under that path, only to that session.
struct FetchOrigin {
    std::string remotePath;
    std::uint64_t session = 0;
};

class EditorHost {
public:
    virtual ~EditorHost() = default;

    // Set while the document is a message the server waits for; cleared after Yes or No.
    virtual bool MessageEdit() const = 0;
    virtual void ClearMessageEdit() = 0;
    virtual MessageOptions Options() const = 0;
    // The BBS the session is with (its profile's name), to name the copies of what is sent.
    virtual QString BbsName() const { return {}; }
    // The outbound operations: true when sent (the local file is then gone), false when
    // nothing went out (no session, a message whose session has ended, file unreadable, a
    // session other than the one the file was fetched from); the file is then kept.
    virtual bool SendMessageText(const QString& path, bool abort) = 0;
    virtual bool UploadFile(const QString& path, const FetchOrigin& origin) = 0;
    // The fetch the current session is waiting for, handed over once to the document that a
    // received file opens; nothing when no fetch waits (the file came unasked).
    virtual std::optional<FetchOrigin> TakeFetchOrigin() = 0;
    // The editor went away: the control panel is shown in its normal size, and the console's
    // input line takes the focus when the console exists.
    virtual void EditorDone() = 0;
};

}  // namespace brxw
