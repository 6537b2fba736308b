// SPDX-License-Identifier: GPL-3.0-or-later
// CAdminDialogs: the four administration dialogs as the control panel holds them. It opens
// each one, modal to the panel, when its list arrives (or, for the remote files, on the command),
// keeps a reference to the one that runs so that the dispatch can route replies and listings to it,
// and forgets it when it ends. Owned by the control panel, which forwards the dispatch's calls
// here. User-interface thread only.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>

#include "admin/dialog_units.h"

class QDialog;
class QWidget;

namespace brxw::admin {

class CMessagePropertiesDlg;
class CPendingForwardDlg;
class CRemoteFilesDlg;
class CUserPropertiesDlg;

class CAdminDialogs : public QObject {
    Q_OBJECT
public:
    // send: one request frame; ansiChar: whether the server's text is in the Windows
    // character set (read when a dialog opens).
    CAdminDialogs(QWidget& owner, SendRequestFn send, std::function<bool()> ansiChar);

    bool RemoteFilesOpen() const { return m_remoteFiles != nullptr; }
    bool PendingForwardOpen() const { return m_pendingForward != nullptr; }
    bool UserPropertiesOpen() const { return m_userProperties != nullptr; }
    bool MessagePropertiesOpen() const { return m_messageProperties != nullptr; }

    // Each reads and deletes its list file, then runs its dialog until it ends.
    void OpenPendingForward(const QString& path);
    void OpenUserProperties(const QString& path);
    void OpenMessageProperties(const QString& path);
    // "Open configuration file".
    void RunRemoteFiles();
    // A record button (kinds 4, 6 and 7): sends "LIST" unless the kind's dialog is open or a
    // "LIST" of the kind is still unanswered (a double click sends one); with the link down it
    // says so in the owner's status bar.
    void RequestList(std::uint8_t kind);
    bool ListAsked(std::uint8_t kind) const;
    // The kind's list transfer ended without a list to show (it could not be stored).
    void ListFailed(std::uint8_t kind);
    // The link ended: no request sent before will be answered.
    void SessionEnded();
    // A session logged in to the BBS named so (the profile's name).
    void SessionStarted(const std::string& bbs);

    void DirectoryListingReceived(const QString& path);
    // A fetched file arrived and opens in the editor.
    void FileArrived();
    void UserRecordReply(std::string_view payload);
    void MessageRecordReply(std::string_view payload);

    // The dialog that runs, if any (the innermost one).
    QDialog* Running() const { return m_running; }

signals:
    // A dialog is about to run; its event loop starts right after (tests and the screenshot
    // run act on it from there).
    void dialogOpened(QDialog* dialog);

private:
    void Run(QDialog& dialog);
    // Keeps each record sent in the log of records written to the BBS of the session.
    KeepWrittenFn KeepWritten() const;

    QWidget& m_owner;
    SendRequestFn m_send;
    std::function<bool()> m_ansiChar;
    CRemoteFilesDlg* m_remoteFiles = nullptr;
    CPendingForwardDlg* m_pendingForward = nullptr;
    CUserPropertiesDlg* m_userProperties = nullptr;
    CMessagePropertiesDlg* m_messageProperties = nullptr;
    QDialog* m_running = nullptr;
    std::set<std::uint8_t> m_listsAsked;  // kinds whose "LIST" is unanswered
    std::string m_bbs;                    // the profile of the session, for the records' log
};

}  // namespace brxw::admin
