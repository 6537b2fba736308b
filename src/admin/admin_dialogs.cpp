// SPDX-License-Identifier: GPL-3.0-or-later
#include "admin/admin_dialogs.h"

#include <QDateTime>
#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QMainWindow>
#include <QPointer>
#include <QStatusBar>
#include <QWidget>
#include <vector>

#include "admin/admin_texts.h"
#include "admin/forward_list.h"
#include "admin/message_properties_dlg.h"
#include "admin/pending_forward_dlg.h"
#include "admin/record_log.h"
#include "admin/remote_files_dlg.h"
#include "admin/user_properties_dlg.h"
#include "link/dispatcher.h"
#include "resources/strings.h"
#include "text/charset.h"

namespace brxw::admin {

namespace {

constexpr qint64 kMaxListBytes = 4 * 1024 * 1024;

// Holds `slot` pointing at the dialog while it runs.
template <typename Dialog>
class Registered {
public:
    Registered(Dialog*& slot, Dialog& dialog) : m_slot(slot) { m_slot = &dialog; }
    ~Registered() { m_slot = nullptr; }
    Registered(const Registered&) = delete;
    Registered& operator=(const Registered&) = delete;

private:
    Dialog*& m_slot;
};

}  // namespace

CAdminDialogs::CAdminDialogs(QWidget& owner, SendRequestFn send, std::function<bool()> ansiChar)
    : QObject(&owner), m_owner(owner), m_send(std::move(send)), m_ansiChar(std::move(ansiChar)) {}

void CAdminDialogs::Run(QDialog& dialog) {
    // Modal to the panel as a dialog is to the window that owns it: the panel's menus, toolbar
    // and controls take no input until the dialog ends, while the event loop keeps delivering
    // the server's frames. The panel's own window is not blocked, so its close box still ends
    // the program at once (a dialog modal to the whole toolkit would swallow that request).
    std::vector<QPointer<QWidget>> disabled;
    for (QWidget* child : m_owner.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && child->isEnabled()) {
            child->setEnabled(false);
            disabled.emplace_back(child);
        }
    }
    QDialog* outer = m_running;
    m_running = &dialog;
    QEventLoop loop;
    connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    emit dialogOpened(&dialog);
    if (dialog.isVisible()) {
        loop.exec(QEventLoop::DialogExec);
    }
    dialog.hide();
    m_running = outer;
    for (const QPointer<QWidget>& child : disabled) {
        if (child != nullptr) {
            child->setEnabled(true);
        }
    }
}

void CAdminDialogs::RequestList(std::uint8_t kind) {
    const bool open = kind == kind::kForward          ? PendingForwardOpen()
                      : kind == kind::kUserRecords    ? UserPropertiesOpen()
                      : kind == kind::kMessageRecords ? MessagePropertiesOpen()
                                                      : true;
    // While a record dialog runs every frame of its kind is a record reply for it, so a second
    // key list would be read as field lines; one list asked for is enough.
    if (open || ListAsked(kind)) {
        return;
    }
    if (!m_send(kind, "LIST")) {
        if (auto* window = qobject_cast<QMainWindow*>(&m_owner)) {
            window->statusBar()->showMessage(
                AnsiToQString(TrPrintf(text::kContext, text::kNotSent, "LIST")));
        }
        return;
    }
    m_listsAsked.insert(kind);
}

bool CAdminDialogs::ListAsked(std::uint8_t kind) const {
    return m_listsAsked.count(kind) != 0;
}

void CAdminDialogs::ListFailed(std::uint8_t kind) {
    m_listsAsked.erase(kind);
}

void CAdminDialogs::SessionEnded() {
    m_listsAsked.clear();
    if (m_userProperties != nullptr) {
        m_userProperties->SessionEnded();
    }
    if (m_messageProperties != nullptr) {
        m_messageProperties->SessionEnded();
    }
    if (m_remoteFiles != nullptr) {
        m_remoteFiles->SessionEnded();
    }
}

void CAdminDialogs::SessionStarted(const std::string& bbs) {
    m_bbs = bbs;
    if (m_remoteFiles != nullptr) {
        m_remoteFiles->SessionStarted();
    }
}

void CAdminDialogs::OpenPendingForward(const QString& path) {
    m_listsAsked.erase(kind::kForward);
    CPendingForwardDlg dialog(ReadForwardList(ReadAndDelete(path, kMaxListBytes)), m_send,
                              &m_owner);
    Registered registered(m_pendingForward, dialog);
    Run(dialog);
}

void CAdminDialogs::OpenUserProperties(const QString& path) {
    m_listsAsked.erase(kind::kUserRecords);
    CUserPropertiesDlg dialog(ReadUserKeys(ReadAndDelete(path, kMaxListBytes)), m_ansiChar(),
                              m_send, &m_owner);
    dialog.SetKeepWritten(KeepWritten());
    Registered registered(m_userProperties, dialog);
    Run(dialog);
}

void CAdminDialogs::OpenMessageProperties(const QString& path) {
    m_listsAsked.erase(kind::kMessageRecords);
    CMessagePropertiesDlg dialog(ReadMessageKeys(ReadAndDelete(path, kMaxListBytes)), m_ansiChar(),
                                 m_send, &m_owner);
    dialog.SetKeepWritten(KeepWritten());
    Registered registered(m_messageProperties, dialog);
    Run(dialog);
}

KeepWrittenFn CAdminDialogs::KeepWritten() const {
    return [this](std::uint8_t kind, std::string_view request) -> std::string {
        const std::string failure =
            AppendRecordLog(RecordLogPath(AnsiToQString(m_bbs)),
                            RecordLogLine(QDateTime::currentDateTime(), kind, request));
        return failure.empty() ? failure
                               : TrPrintf(text::kContext, text::kRecordNotKept, failure.c_str());
    };
}

void CAdminDialogs::RunRemoteFiles() {
    if (m_remoteFiles != nullptr) {
        return;  // one browser at a time
    }
    CRemoteFilesDlg dialog(m_send, &m_owner);
    Registered registered(m_remoteFiles, dialog);
    dialog.Start();
    Run(dialog);
}

void CAdminDialogs::DirectoryListingReceived(const QString& path) {
    if (m_remoteFiles != nullptr) {
        m_remoteFiles->Listing(path);
    } else {
        QFile::remove(path);
    }
}

void CAdminDialogs::FileArrived() {
    if (m_remoteFiles != nullptr) {
        m_remoteFiles->FileArrived();
    }
}

void CAdminDialogs::UserRecordReply(std::string_view payload) {
    if (m_userProperties != nullptr) {
        m_userProperties->RecordReply(payload);
    }
}

void CAdminDialogs::MessageRecordReply(std::string_view payload) {
    if (m_messageProperties != nullptr) {
        m_messageProperties->RecordReply(payload);
    }
}

}  // namespace brxw::admin
