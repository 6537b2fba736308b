// SPDX-License-Identifier: GPL-3.0-or-later
// The control panel's side of the editor: the message-edit flag kept by the dispatch, the
// editor's settings, the session's message and upload sends, and the panel and console coming
// back after a hand-over. Owned by the control panel, which hands it to the editor frame.
// User-interface thread only.
#pragma once

#include "editor/editor_host.h"

namespace brxw {

class CControlPanel;

class PanelEditorHost : public EditorHost {
public:
    explicit PanelEditorHost(CControlPanel& panel) : m_panel(panel) {}

    bool MessageEdit() const override;
    void ClearMessageEdit() override;
    MessageOptions Options() const override;
    QString BbsName() const override;
    bool SendMessageText(const QString& path, bool abort) override;
    bool UploadFile(const QString& path, const FetchOrigin& origin) override;
    std::optional<FetchOrigin> TakeFetchOrigin() override;
    void EditorDone() override;

private:
    CControlPanel& m_panel;
};

}  // namespace brxw
