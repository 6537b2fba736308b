// What the editor's document needs from the rest of the program: the message-edit flag, the
// editor's settings, the two ways of handing a text back to the server, and the control panel
// coming back once the editor is done. The control panel provides it (panel_editor_host.h);
// tests can provide their own. User-interface thread only.
#pragma once

#include <QString>

#include "editor/message_format.h"

namespace brxw {

class EditorHost {
public:
    virtual ~EditorHost() = default;

    // Set while the document is a message the server waits for; cleared after Yes or No.
    virtual bool MessageEdit() const = 0;
    virtual void ClearMessageEdit() = 0;
    virtual MessageOptions Options() const = 0;
    // The outbound operations: true when sent (the local file is then gone), false when
    // nothing went out (no session, a message whose session has ended, file unreadable, no
    // remote path); the file is then kept.
    virtual bool SendMessageText(const QString& path, bool abort) = 0;
    virtual bool UploadFile(const QString& path) = 0;
    // The editor went away: the control panel is shown in its normal size, and the console's
    // input line takes the focus when the console exists.
    virtual void EditorDone() = 0;
};

}  // namespace brxw
