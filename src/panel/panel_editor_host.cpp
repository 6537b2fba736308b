// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/panel_editor_host.h"

#include "link/session.h"
#include "panel/control_panel.h"
#include "text/charset.h"
#include "textwin/console_dlg.h"

namespace brxw {

bool PanelEditorHost::MessageEdit() const {
    return m_panel.GetDispatcher().MessageEdit();
}

void PanelEditorHost::ClearMessageEdit() {
    m_panel.GetDispatcher().SetMessageEdit(false);
}

MessageOptions PanelEditorHost::Options() const {
    const PanelSettings& settings = m_panel.Settings();
    MessageOptions options;
    options.prefix = settings.Prefix() != 0;
    options.signature = settings.Signature() != 0;
    options.signatureText = settings.SignatureText();
    options.breakLine = settings.BreakLine() != 0;
    options.justification = settings.Justification() != 0;
    options.ansiChar = settings.AnsiChar() != 0;
    return options;
}

QString PanelEditorHost::BbsName() const {
    return AnsiToQString(m_panel.GetSession().Remote().name);
}

bool PanelEditorHost::SendMessageText(const QString& path, bool abort) {
    if (m_panel.GetDispatcher().MessageOrphaned()) {
        return false;
    }
    return m_panel.GetSession().SendMessageText(path, abort, m_panel.Settings().AnsiChar() != 0);
}

bool PanelEditorHost::UploadFile(const QString& path, const FetchOrigin& origin) {
    Session& session = m_panel.GetSession();
    // Another session, even a new one of the same profile, may be another BBS.
    if (!session.LoggedIn() || origin.session != session.Generation() ||
        origin.remotePath.empty()) {
        return false;
    }
    // The upload goes under the document's own path, whatever was asked for since.
    const std::string asked = session.RemoteFilePath();
    session.SetRemoteFilePath(origin.remotePath);
    const bool sent = session.UploadFile(path);
    session.SetRemoteFilePath(asked);
    return sent;
}

std::optional<FetchOrigin> PanelEditorHost::TakeFetchOrigin() {
    Session& session = m_panel.GetSession();
    if (!session.LoggedIn() || session.RemoteFilePath().empty()) {
        return std::nullopt;
    }
    FetchOrigin origin{session.RemoteFilePath(), session.Generation()};
    // One fetch, one document: a file the server sends later on its own has no path to go to.
    session.SetRemoteFilePath({});
    return origin;
}

void PanelEditorHost::EditorDone() {
    m_panel.showNormal();
    m_panel.raise();
    m_panel.activateWindow();
    if (m_panel.ConsoleCreated() && m_panel.Console() != nullptr) {
        m_panel.Console()->FocusInput();
    }
}

}  // namespace brxw
