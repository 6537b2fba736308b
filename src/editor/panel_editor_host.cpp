#include "editor/panel_editor_host.h"

#include "panel/control_panel.h"
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

bool PanelEditorHost::SendMessageText(const QString& path, bool abort) {
    if (m_panel.GetDispatcher().MessageOrphaned()) {
        return false;
    }
    return m_panel.GetSession().SendMessageText(path, abort, m_panel.Settings().AnsiChar() != 0);
}

bool PanelEditorHost::UploadFile(const QString& path) {
    return m_panel.GetSession().UploadFile(path);
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
