// SPDX-License-Identifier: GPL-3.0-or-later
#include "admin/user_properties_dlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

#include "admin/admin_texts.h"
#include "link/dispatcher.h"
#include "resources/dialog_fit.h"
#include "resources/strings.h"
#include "text/charset.h"

namespace brxw::admin {

CInputDlg::CInputDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(Tr(text::kContext, text::kInput));
    m_edit = new QLineEdit(this);
    m_edit->setMaxLength(static_cast<int>(kMaxKeyBytes));  // the callsign area holds 19
    auto* label = new QLabel(tr("&Callsign :"), this);
    label->setBuddy(m_edit);
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setDefault(true);
    m_ok->setEnabled(false);  // an empty callsign adds nobody
    auto* cancel = new QPushButton(tr("Cancel"), this);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_edit, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    connect(m_edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_ok->setEnabled(!text.isEmpty()); });
    connect(m_ok, &QPushButton::clicked, this, &CInputDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    ResizeInDialogUnits(*this, 171, 47);
    m_edit->setFocus();
}

void CInputDlg::accept() {
    if (m_edit->text().isEmpty()) {
        return;
    }
    const CallsignCheck check = CheckCallsign(QStringToAnsi(m_edit->text()));
    m_edit->setText(AnsiToQString(check.upper));
    if (!check.valid) {
        m_warning(this, text::Shown(text::kInput), InvalidCallsignText(check.upper));
        m_edit->setFocus();
        return;
    }
    m_callsign = check.upper;
    QDialog::accept();
}

CUserPropertiesDlg::CUserPropertiesDlg(const UserKeys& keys, bool ansiChar, SendRequestFn send,
                                       QWidget* parent)
    : QDialog(parent), m_ansiChar(ansiChar), m_send(std::move(send)) {
    setWindowTitle(Tr(text::kContext, text::kUserProperties));
    m_askCallsign = [this](QWidget* owner) -> std::optional<std::string> {
        CInputDlg input(owner);
        input.SetWarning(m_warning);
        if (input.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return input.Callsign();
    };

    m_users = new QListWidget(this);
    AddKeyItems(*m_users, keys.callsigns);
    m_choices = new QListWidget(this);
    for (const UserChoice& choice : keys.choices) {
        auto* item = new QListWidgetItem(AnsiToQString(choice.text), m_choices);
        item->setData(Qt::UserRole, choice.value);
    }
    // The lists have no label on the screen; assistive technology hears what they hold.
    m_users->setAccessibleName(tr("Users"));
    m_choices->setAccessibleName(tr("Choices"));
    for (QListWidget* list : {m_users, m_choices}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
    }
    // The flags scroll where a large font makes their column taller than the screen.
    auto* flagsBody = new QWidget(this);
    auto* flagsColumn = new QVBoxLayout(flagsBody);
    flagsColumn->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < std::size(kUserFlags); ++i) {
        m_flags[i] = new QCheckBox(Tr(kUserFlagsContext, kUserFlags[i].label), flagsBody);
        flagsColumn->addWidget(m_flags[i]);
    }
    flagsColumn->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(m_users, 1);
    top->addWidget(m_choices, 1);
    top->addWidget(new CFittingScrollArea(flagsBody, this));

    auto* grid = new QGridLayout;
    const std::pair<const char*, QString> boxes[] = {{"Name", tr("&Name")},
                                                     {"Password", tr("&Password")},
                                                     {"ZIP code", tr("&ZIP code")},
                                                     {"Private DIR", tr("Pri&vate DIR")},
                                                     {"Home BBS", tr("&Home BBS")}};
    int row = 0;
    for (const auto& [name, label] : boxes) {
        m_edits.Add(*grid, this, name, label, row++, 0);
    }

    m_add = new QPushButton(tr("Add &user"), this);
    m_delete = new QPushButton(tr("&Del user"), this);
    m_apply = new QPushButton(tr("&Apply"), this);
    m_quit = new QPushButton(tr("&Quit"), this);
    m_apply->setDefault(true);
    m_delete->setEnabled(false);
    m_apply->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_add, m_delete, m_apply, m_quit}) {
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(m_users, &QListWidget::itemSelectionChanged, this, &CUserPropertiesDlg::OnUserChosen);
    // An entry selected without its record (a user just added) is chosen by a click on it or
    // Enter, as the selection does not change then.
    const auto chooseAgain = [this](QListWidgetItem* item) {
        if (item->isSelected() && m_asked == 0 && SelectedCallsign() != m_shownCall) {
            OnUserChosen();
        }
    };
    connect(m_users, &QListWidget::itemClicked, this, chooseAgain);
    connect(m_users, &QListWidget::itemActivated, this, chooseAgain);
    connect(m_add, &QPushButton::clicked, this, &CUserPropertiesDlg::AddUser);
    connect(m_delete, &QPushButton::clicked, this, &CUserPropertiesDlg::DeleteUser);
    connect(m_apply, &QPushButton::clicked, this, &CUserPropertiesDlg::Apply);
    connect(m_quit, &QPushButton::clicked, this, &QDialog::reject);
    ResizeInDialogUnits(*this, 233, 226);
    FitToScreen(this);
    // Choosing a user asks for the record: the operator's first move chooses the first one.
    NoCurrentRow(*m_users);
    NoCurrentRow(*m_choices);
    m_users->setFocus();
}

QCheckBox* CUserPropertiesDlg::FlagBox(const char* label) const {
    for (std::size_t i = 0; i < std::size(kUserFlags); ++i) {
        if (std::strcmp(kUserFlags[i].label, label) == 0) {
            return m_flags[i];
        }
    }
    return nullptr;
}

QLineEdit* CUserPropertiesDlg::Edit(const char* label) const {
    return m_edits.Find(label);
}

std::optional<std::string> CUserPropertiesDlg::SelectedCallsign() const {
    const QList<QListWidgetItem*> selected = m_users->selectedItems();
    if (selected.isEmpty()) {
        return std::nullopt;
    }
    return KeyOf(*selected.front());
}

void CUserPropertiesDlg::SelectUserRow(int row) {
    m_selecting = true;
    if (row < 0) {
        m_users->clearSelection();
    } else {
        m_users->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
    m_selecting = false;
}

void CUserPropertiesDlg::OnUserChosen() {
    if (m_selecting) {
        return;
    }
    const std::optional<std::string> call = SelectedCallsign();
    if (!call) {
        UpdateButtons();
        return;
    }
    const Composed get = ComposeGet("GET", *call);
    if (!get.Ok()) {
        Clear();
        m_warning(this, text::Shown(text::kUserProperties), get.refusal);
        return;
    }
    if (!SendOrWarn(m_send, m_warning, this, text::kUserProperties, kind::kUserRecords,
                    get.request)) {
        UpdateButtons();  // the boxes stay, but they are not this user's record
        return;
    }
    ++m_asked;
    // The boxes are emptied until the reply; the entry stays selected (the list would select
    // it again at once, asking a second time), and the reply selects the user its field 1
    // names.
    ClearRecord();
}

void CUserPropertiesDlg::UpdateButtons() {
    const bool shown = m_asked == 0 && m_shownCall && SelectedCallsign() == m_shownCall;
    m_apply->setEnabled(shown);
    m_delete->setEnabled(shown);
}

void CUserPropertiesDlg::SessionEnded() {
    m_asked = 0;
    UpdateButtons();
}

void CUserPropertiesDlg::Clear() {
    SelectUserRow(-1);
    ClearRecord();
}

void CUserPropertiesDlg::ClearRecord() {
    m_choices->clearSelection();
    // Everything goes, the flags word too: the bits without a box belong to the user whose
    // record was shown, and must not be written under the next one.
    m_record = UserRecord();
    Show(m_record);
    m_shownCall.reset();
    UpdateButtons();
}

void CUserPropertiesDlg::Show(const UserRecord& record) {
    for (std::size_t i = 0; i < std::size(kUserFlags); ++i) {
        m_flags[i]->setChecked((record.checked & kUserFlags[i].bit) != 0);
    }
    const std::pair<const char*, const std::string*> texts[] = {{"Name", &record.name},
                                                                {"Password", &record.password},
                                                                {"ZIP code", &record.zip},
                                                                {"Private DIR", &record.privateDir},
                                                                {"Home BBS", &record.homeBbs}};
    for (const auto& [label, value] : texts) {
        m_edits.Show(label, *value);
    }
}

UserRecord CUserPropertiesDlg::ShownRecord() const {
    UserRecord record = m_record;
    record.checked = 0;
    for (std::size_t i = 0; i < std::size(kUserFlags); ++i) {
        if (m_flags[i]->isChecked()) {
            record.checked |= kUserFlags[i].bit;
        }
    }
    const auto text = [this](const char* label) { return m_edits.Text(label); };
    record.name = text("Name");
    record.password = text("Password");
    record.zip = text("ZIP code");
    record.privateDir = text("Private DIR");
    record.homeBbs = text("Home BBS");
    return record;
}

void CUserPropertiesDlg::RecordReply(std::string_view payload) {
    m_record = ShownRecord();
    const UserReplyKeys keys = ApplyUserReply(m_record, payload, m_ansiChar);
    if (m_asked > 0) {
        --m_asked;
    }
    // The record is the user its field 1 names; without it, nobody's that Apply could write.
    // The list stays in its order, so the user is found by halving it.
    const std::optional<int> row =
        keys.callsign ? FindKeyRow(*m_users, *keys.callsign) : std::nullopt;
    if (m_asked == 0) {
        SelectUserRow(row ? *row : -1);
        m_shownCall = SelectedCallsign();
    } else {
        // An older request's reply: the selection stays on the user the operator chose last.
        m_shownCall.reset();
    }
    if (keys.choice) {
        for (int i = 0; i < m_choices->count(); ++i) {
            if (m_choices->item(i)->data(Qt::UserRole).toInt() == *keys.choice) {
                m_choices->setCurrentRow(i, QItemSelectionModel::ClearAndSelect);
                break;
            }
        }
    }
    Show(m_record);
    UpdateButtons();
}

void CUserPropertiesDlg::Apply() {
    if (!m_apply->isEnabled()) {
        return;
    }
    const std::optional<std::string> call = SelectedCallsign();
    if (!call || call != m_shownCall) {
        m_warning(this, text::Shown(text::kUserProperties), text::Shown(text::kNoUserSelected));
        return;
    }
    const QList<QListWidgetItem*> choice = m_choices->selectedItems();
    const int value = choice.isEmpty() ? -1 : choice.front()->data(Qt::UserRole).toInt();
    const Composed put = ComposeUserPut(ShownRecord(), value, *call, m_ansiChar);
    if (!put.Ok()) {
        m_warning(this, text::Shown(text::kUserProperties), put.refusal);
        return;
    }
    SendAndKeep(m_send, m_warning, m_keepWritten, this, text::kUserProperties, kind::kUserRecords,
                put.request);
}

void CUserPropertiesDlg::DeleteUser() {
    const std::optional<std::string> call = SelectedCallsign();
    if (!call) {
        m_warning(this, text::Shown(text::kUserProperties), text::Shown(text::kNoUserSelected));
        return;
    }
    const Composed del = ComposeGet("DEL", *call);
    if (!del.Ok()) {
        m_warning(this, text::Shown(text::kUserProperties), del.refusal);
        return;
    }
    // The entry goes only once the request is out: the list stays as the server has it.
    if (!SendOrWarn(m_send, m_warning, this, text::kUserProperties, kind::kUserRecords,
                    del.request)) {
        return;
    }
    m_selecting = true;  // the row that becomes current is not a choice of the operator
    delete m_users->selectedItems().front();
    m_selecting = false;
    Clear();
}

void CUserPropertiesDlg::AddUser() {
    const std::optional<std::string> call = m_askCallsign(this);
    if (!call || call->empty()) {
        return;
    }
    if (FindKeyRow(*m_users, *call)) {
        // The entry shown stays as it is: selecting the existing one here would let Apply
        // write the fields on screen under that user.
        m_warning(this, text::Shown(text::kAddUser),
                  TrPrintf(text::kContext, text::kCallsignExists, call->c_str()));
        return;
    }
    const Composed add = ComposeGet("NEW", *call);
    if (!add.Ok()) {
        m_warning(this, text::Shown(text::kAddUser), add.refusal);
        return;
    }
    if (!SendOrWarn(m_send, m_warning, this, text::kAddUser, kind::kUserRecords, add.request)) {
        return;
    }
    // The new entry is selected and shown without asking for its record, and the boxes keep
    // what they hold; inserting it moves the rows under the selection, which is no choice of
    // the operator either. The boxes are not the new user's record, so Apply and Del user
    // wait until the operator chooses the entry.
    m_selecting = true;
    QListWidgetItem* item = AddKeyItem(*m_users, *call, KeyInsertRow(*m_users, *call));
    m_selecting = false;
    SelectUserRow(m_users->row(item));
    m_users->scrollToItem(item);
    UpdateButtons();
}

}  // namespace brxw::admin
