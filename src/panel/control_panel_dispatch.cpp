// SPDX-License-Identifier: GPL-3.0-or-later
// The control panel as the inbound dispatch's target: the server's options and Pactor state,
// the administration dialogs (CAdminDialogs), the editor and the reception indicator.
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <algorithm>

#include "admin/admin_dialogs.h"
#include "editor/main_frame.h"
#include "panel/control_panel.h"
#include "panel/pactor_menu.h"
#include "panel/server_option_items.h"
#include "resources/strings.h"
#include "resources/translate.h"
#include "text/charset.h"

namespace brxw {

void CControlPanel::ServerOptionsAvailable() {
    m_optionItems->Attach();
}
void CControlPanel::ServerOptionsList(std::string_view text) {
    m_optionItems->List(text);
}
void CControlPanel::PactorState(std::string_view text) {
    m_pactor->Report(text);
}

bool CControlPanel::RemoteFilesOpen() const {
    return m_admin->RemoteFilesOpen();
}
void CControlPanel::DirectoryListingReceived(const QString& path) {
    m_admin->DirectoryListingReceived(path);
}
bool CControlPanel::PendingForwardOpen() const {
    return m_admin->PendingForwardOpen();
}
void CControlPanel::OpenPendingForward(const QString& path) {
    m_admin->OpenPendingForward(path);
}
bool CControlPanel::UserPropertiesOpen() const {
    return m_admin->UserPropertiesOpen();
}
void CControlPanel::UserRecordReply(std::string_view payload) {
    m_admin->UserRecordReply(payload);
}
void CControlPanel::OpenUserProperties(const QString& path) {
    m_admin->OpenUserProperties(path);
}
bool CControlPanel::MessagePropertiesOpen() const {
    return m_admin->MessagePropertiesOpen();
}
void CControlPanel::MessageRecordReply(std::string_view payload) {
    m_admin->MessageRecordReply(payload);
}
void CControlPanel::OpenMessageProperties(const QString& path) {
    m_admin->OpenMessageProperties(path);
}

std::uint32_t CControlPanel::Options() const {
    return m_session->Options();
}

void CControlPanel::SendRequest(std::uint8_t kind, std::string_view text) {
    m_session->SendFrame(kind, text);
}

void CControlPanel::ReceptionFailed(std::uint8_t kind, const QString& path, const QString& reason) {
    // A list asked for that will not show: its button works again.
    m_admin->ListFailed(kind);
    ShowWarning(TrAnsi("brxw::str", str::kReceptionCaption),
                TrPrintf("brxw::str", str::kCannotStoreReceived,
                         QStringToAnsi(QDir::toNativeSeparators(path)).c_str(),
                         QStringToAnsi(reason).c_str()));
}

void CControlPanel::OpenInEditor(const QString& path) {
    m_admin->FileArrived();  // Remote files ends once the file it asked for is here
    if (m_editorFrame == nullptr) {
        return;
    }
    showMinimized();
    m_editorFrame->show();
    m_editorFrame->raise();
    m_editorFrame->activateWindow();
    m_editorFrame->View()->setFocus();
    if (!m_editorFrame->OpenDocument(path) && m_editorFrame->DocumentPath().isEmpty()) {
        // Nothing to edit after all: the panel comes back.
        m_editorFrame->hide();
        showNormal();
    }
}

void CControlPanel::ProgressBegin(std::int32_t total) {
    if (m_progress != nullptr) {
        return;  // a second begin keeps the indicator that exists
    }
    // A child of the status bar, laid exactly over pane 1.
    m_progress = new QProgressBar(statusBar());
    m_progress->setRange(0, std::max(total, 0));
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->setGeometry(m_pane1->geometry());
    m_progress->show();
}

void CControlPanel::ProgressUpdate(std::int32_t received) {
    if (m_progress != nullptr) {
        // Pane 1 narrows while an alert shows beside it; the indicator follows.
        m_progress->setGeometry(m_pane1->geometry());
        m_progress->setValue(std::min(received, m_progress->maximum()));
    }
}

void CControlPanel::ProgressEnd() {
    delete m_progress;
    m_progress = nullptr;
}

}  // namespace brxw
