// SPDX-License-Identifier: GPL-3.0-or-later
// CRemoteFilesDlg: the modal "Remote files" dialog, a browser of the server's file tree one
// directory at a time. It asks for the root's listing as it starts, shows each listing file
// the dispatch hands it (directories first), and on Open either asks for the chosen
// directory's listing or fetches the chosen file (kind 2, which then opens in the editor),
// ending when the file has arrived. What it asked for and did not get, it says. Created and run by
// CAdminDialogs for the "Open configuration file" command; lives while it runs. User-interface
// thread only.
#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>

#include "admin/dialog_units.h"
#include "admin/remote_listing.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeView;

namespace brxw::admin {

class CRemoteFilesModel;

class CRemoteFilesDlg : public QDialog {
    Q_OBJECT
public:
    // fetch: kind 2 for a file, whose path the session keeps for the later upload.
    CRemoteFilesDlg(SendRequestFn send, QWidget* parent = nullptr);

    void SetWarning(WarningFn warning) { m_warning = std::move(warning); }
    // How long a listing asked for may take before the dialog says that none came (30 s).
    void SetListingWait(int ms) { m_wait.setInterval(ms); }
    // Sends the root's listing request; CAdminDialogs calls it once the dialog is registered.
    void Start();
    // A listing file arrived: the list shows it (and the file is deleted) when it is the one
    // asked for; a file that cannot be read leaves the list as it was.
    void Listing(const QString& path);
    // The link ended: nothing is asked until the next session, and a listing awaited will not
    // come. The list stays as the server sent it.
    void SessionEnded();
    // A new session: the list starts again from the root's listing, since what the last
    // session listed may not hold in this one.
    void SessionStarted();
    // A fetched file arrived (and opens in the editor): the dialog ends if it asked for one.
    void FileArrived();

    const RemoteBrowser& Browser() const { return m_browser; }
    // The list: a view over Model(), one row per item of the listing shown.
    QTreeView* Tree() const { return m_tree; }
    CRemoteFilesModel* Model() const { return m_model; }
    QLabel* DirectoryLabel() const { return m_directory; }
    QLineEdit* NameBox() const { return m_name; }
    // What the dialog says about the listing asked for, the link, or a listing that never came.
    QLabel* NoteLabel() const { return m_note; }
    QToolButton* UpButton() const { return m_up; }
    QPushButton* OpenButton() const { return m_open; }

    void Open();
    void Up();

private:
    void Send(const RemoteBrowser::Step& step);
    bool SendRequest(const RemoteBrowser::Request& request);
    void ShowItems(const std::vector<ListingItem>& items);
    void Note(const std::string& text);
    void ListingNotCome();
    void SortItems();

    SendRequestFn m_send;
    WarningFn m_warning = WarningBox;
    RemoteBrowser m_browser;
    bool m_linked = true;  // the session the dialog was opened in, or a new one, runs
    QTimer m_wait;
    QLabel* m_directory = nullptr;
    QLabel* m_note = nullptr;
    QToolButton* m_up = nullptr;
    CRemoteFilesModel* m_model = nullptr;
    QTreeView* m_tree = nullptr;
    QLabel* m_empty = nullptr;
    QLineEdit* m_name = nullptr;
    QPushButton* m_open = nullptr;
};

}  // namespace brxw::admin
