// SPDX-License-Identifier: GPL-3.0-or-later
// CMessagePropertiesDlg: the modal "Message properties" dialog. It lists the message keys of
// the key list file, asks the server for the record the operator picks ("GET"), shows each
// record reply the dispatch hands it while it runs, and writes the record back on Apply
// ("PUT"). Created and run by CAdminDialogs at the end of a kind-7 key list transfer; lives
// while it runs. User-interface thread only.
#pragma once

#include <QDialog>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "admin/dialog_units.h"
#include "admin/record_exchange.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace brxw::admin {

class CMessagePropertiesDlg : public QDialog {
    Q_OBJECT
public:
    CMessagePropertiesDlg(const std::vector<std::string>& keys, bool ansiChar, SendRequestFn send,
                          QWidget* parent = nullptr);

    void SetWarning(WarningFn warning) { m_warning = std::move(warning); }
    // Where each record written goes as it is sent; none by default.
    void SetKeepWritten(KeepWrittenFn keep) { m_keepWritten = std::move(keep); }
    // A kind-7 frame that arrived while the dialog runs.
    void RecordReply(std::string_view payload);
    // The controls as a record (what Apply writes).
    MessageRecord ShownRecord() const;

    QListWidget* KeyList() const { return m_keys; }
    QPushButton* ApplyButton() const { return m_apply; }
    QPushButton* QuitButton() const { return m_quit; }
    QCheckBox* DataBox() const { return m_data; }
    QButtonGroup* TypeGroup() const { return m_types; }
    QButtonGroup* StatusGroup() const { return m_statuses; }
    // "From", "To", "BID", "Size", "VIA", "Title", "Received", "Sent".
    QLineEdit* Edit(const char* label) const;

    void Apply();
    // The link ended: requests still unanswered never will be.
    void SessionEnded();

private:
    void OnKeyChosen();
    void Show(const MessageRecord& record);
    std::optional<std::string> SelectedKey() const;
    // Apply is enabled only while the boxes show the record of the selected key and no
    // request for a record is unanswered.
    void UpdateApply();

    bool m_ansiChar;
    SendRequestFn m_send;
    WarningFn m_warning = WarningBox;
    KeepWrittenFn m_keepWritten;
    MessageRecord m_record;
    // The keys asked for with GET, oldest first: each record reply answers the oldest one.
    std::deque<std::string> m_asked;
    std::optional<std::string> m_shownKey;  // whose record the boxes show
    QListWidget* m_keys = nullptr;
    QCheckBox* m_data = nullptr;
    QButtonGroup* m_types = nullptr;
    QButtonGroup* m_statuses = nullptr;
    LabelledEdits m_edits;
    QPushButton* m_apply = nullptr;
    QPushButton* m_quit = nullptr;
};

// Checks the button whose text is `letter` in an exclusive group, or none when 0.
void CheckLetter(QButtonGroup& group, char letter);
// The letter of the group's checked button, or 0.
char CheckedLetter(const QButtonGroup& group);

}  // namespace brxw::admin
