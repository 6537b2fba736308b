// SPDX-License-Identifier: GPL-3.0-or-later
// CUserPropertiesDlg: the modal "User properties" dialog, and CInputDlg, the small "Input"
// dialog that asks Add user for a callsign. The user dialog lists the callsigns and the
// numbered choices of the key list file, asks for the record of the user the operator picks
// ("GET"), shows the record replies the dispatch hands it, writes a record back ("PUT"), adds
// ("NEW") and deletes ("DEL") users. Created and run by CAdminDialogs at the end of a kind-6
// key list transfer; lives while it runs. User-interface thread only.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "admin/dialog_units.h"
#include "admin/record_exchange.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace brxw::admin {

class CInputDlg : public QDialog {
    Q_OBJECT
public:
    explicit CInputDlg(QWidget* parent = nullptr);
    void SetWarning(WarningFn warning) { m_warning = std::move(warning); }
    QLineEdit* Edit() const { return m_edit; }
    QPushButton* OkButton() const { return m_ok; }
    // The accepted callsign, upper-cased.
    const std::string& Callsign() const { return m_callsign; }

public slots:
    void accept() override;

private:
    QLineEdit* m_edit = nullptr;
    QPushButton* m_ok = nullptr;
    WarningFn m_warning = WarningBox;
    std::string m_callsign;
};

class CUserPropertiesDlg : public QDialog {
    Q_OBJECT
public:
    // Asks for the callsign of a new user; nullopt when cancelled. Runs CInputDlg by default.
    using AskCallsignFn = std::function<std::optional<std::string>(QWidget* parent)>;

    CUserPropertiesDlg(const UserKeys& keys, bool ansiChar, SendRequestFn send,
                       QWidget* parent = nullptr);

    void SetWarning(WarningFn warning) { m_warning = std::move(warning); }
    // Where each record written goes as it is sent; none by default.
    void SetKeepWritten(KeepWrittenFn keep) { m_keepWritten = std::move(keep); }
    void SetAskCallsign(AskCallsignFn ask) { m_askCallsign = std::move(ask); }
    // A kind-6 frame that arrived while the dialog runs.
    void RecordReply(std::string_view payload);
    UserRecord ShownRecord() const;

    QListWidget* UserList() const { return m_users; }
    QListWidget* ChoiceList() const { return m_choices; }
    QCheckBox* FlagBox(const char* label) const;
    // "Name", "Password", "ZIP code", "Private DIR", "Home BBS".
    QLineEdit* Edit(const char* label) const;
    QPushButton* AddButton() const { return m_add; }
    QPushButton* DeleteButton() const { return m_delete; }
    QPushButton* ApplyButton() const { return m_apply; }
    QPushButton* QuitButton() const { return m_quit; }

    void Apply();
    void DeleteUser();
    void AddUser();
    // The link ended: requests still unanswered never will be.
    void SessionEnded();

private:
    void OnUserChosen();
    // Apply and Del user are enabled only while the boxes show the record of the selected user
    // and no request for a record is unanswered.
    void UpdateButtons();
    void Clear();
    void ClearRecord();  // Clear, but the user list keeps its selection
    void Show(const UserRecord& record);
    std::optional<std::string> SelectedCallsign() const;
    void SelectUserRow(int row);

    bool m_ansiChar;
    SendRequestFn m_send;
    WarningFn m_warning = WarningBox;
    KeepWrittenFn m_keepWritten;
    AskCallsignFn m_askCallsign;
    UserRecord m_record;
    int m_asked = 0;                         // GET requests not answered yet
    std::optional<std::string> m_shownCall;  // whose record the boxes show
    bool m_selecting = false;                // the dialog itself changes the user list's selection
    QListWidget* m_users = nullptr;
    QListWidget* m_choices = nullptr;
    std::array<QCheckBox*, std::size(kUserFlags)> m_flags{};
    LabelledEdits m_edits;
    QPushButton* m_add = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_apply = nullptr;
    QPushButton* m_quit = nullptr;
};

}  // namespace brxw::admin
