// SPDX-License-Identifier: GPL-3.0-or-later
#include "admin/message_properties_dlg.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "admin/admin_texts.h"
#include "link/dispatcher.h"
#include "resources/dialog_fit.h"
#include "text/charset.h"

namespace brxw::admin {

namespace {

// The row that holds one group's radio buttons. Assistive technology reads it as a group named
// after its label ("Type"), so the buttons are heard as the choices of one question.
class LetterRow : public QWidget {
public:
    using QWidget::QWidget;

    static QAccessibleInterface* Accessible(const QString& key, QObject* object) {
        if (key == QLatin1String("QWidget")) {
            if (auto* row = dynamic_cast<LetterRow*>(object)) {
                return new QAccessibleWidget(row, QAccessible::Grouping);
            }
        }
        return nullptr;
    }
};

// The buttons carry their letter alone, which the record exchange reads back; what a letter
// stands for is the server's, so a screen reader hears "Type A", "Status $".
QButtonGroup* LetterGroup(std::string_view letters, QLabel& label, QGridLayout& grid, int row,
                          QWidget* parent) {
    QAccessible::installFactory(LetterRow::Accessible);  // ignored when installed already
    auto* container = new LetterRow(parent);
    container->setAccessibleName(label.text());
    label.setBuddy(container);
    auto* layout = new QHBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(parent);
    for (char letter : letters) {
        auto* button = new QRadioButton(QString(QLatin1Char(letter)), container);
        button->setAccessibleName(label.text() + QLatin1Char(' ') + QLatin1Char(letter));
        group->addButton(button);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    grid.addWidget(&label, row, 0);
    grid.addWidget(container, row, 1);
    return group;
}

}  // namespace

void CheckLetter(QButtonGroup& group, char letter) {
    // An exclusive group keeps one button checked; a reply may leave none.
    group.setExclusive(false);
    for (QAbstractButton* button : group.buttons()) {
        button->setChecked(letter != 0 && button->text() == QString(QLatin1Char(letter)));
    }
    group.setExclusive(true);
}

char CheckedLetter(const QButtonGroup& group) {
    // The first checked button in the group's order, as Apply reads them.
    for (QAbstractButton* button : group.buttons()) {
        if (button->isChecked()) {
            return button->text().at(0).toLatin1();
        }
    }
    return 0;
}

CMessagePropertiesDlg::CMessagePropertiesDlg(const std::vector<std::string>& keys, bool ansiChar,
                                             SendRequestFn send, QWidget* parent)
    : QDialog(parent), m_ansiChar(ansiChar), m_send(std::move(send)) {
    setWindowTitle(Tr(text::kContext, text::kMessageProperties));

    m_keys = new QListWidget(this);
    AddKeyItems(*m_keys, keys);
    m_keys->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* msgLabel = new QLabel(tr("&Msg"), this);
    msgLabel->setBuddy(m_keys);
    m_keys->setAccessibleName(tr("Msg"));  // a list takes no name from its label
    auto* keyColumn = new QVBoxLayout;
    keyColumn->addWidget(msgLabel);
    keyColumn->addWidget(m_keys, 1);

    m_data = new QCheckBox(tr("&Data"), this);
    m_data->setLayoutDirection(Qt::RightToLeft);  // the text left of the box
    // Labels in one column, the radio buttons in rows beside them.
    auto* flags = new QGridLayout;
    flags->addWidget(m_data, 0, 0, 1, 2, Qt::AlignLeft | Qt::AlignAbsolute);
    m_types = LetterGroup(kMessageTypes, *new QLabel(tr("Type"), this), *flags, 1, this);
    m_statuses = LetterGroup(kMessageStatuses, *new QLabel(tr("Status"), this), *flags, 2, this);
    flags->setRowStretch(3, 1);
    auto* flagsColumn = new QVBoxLayout;
    flagsColumn->addLayout(flags, 1);

    auto* top = new QHBoxLayout;
    top->addLayout(keyColumn, 1);
    top->addLayout(flagsColumn, 2);

    // Two columns of boxes, then VIA and Title across.
    auto* grid = new QGridLayout;
    m_edits.Add(*grid, this, "From", tr("&From"), 0, 0, 1);
    m_edits.Add(*grid, this, "Sent", tr("S&ent"), 0, 2, 1);
    m_edits.Add(*grid, this, "To", tr("&To"), 1, 0, 1);
    m_edits.Add(*grid, this, "Received", tr("&Received"), 1, 2, 1);
    m_edits.Add(*grid, this, "BID", tr("&BID"), 2, 0, 1);
    m_edits.Add(*grid, this, "Size", tr("Si&ze"), 2, 2, 1);
    m_edits.Add(*grid, this, "VIA", tr("&VIA"), 3, 0, 3);
    m_edits.Add(*grid, this, "Title", tr("T&itle"), 4, 0, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    m_apply = new QPushButton(tr("&Apply"), this);
    m_apply->setDefault(true);
    m_apply->setEnabled(false);
    m_quit = new QPushButton(tr("&Quit"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_apply);
    buttons->addWidget(m_quit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(m_keys, &QListWidget::itemSelectionChanged, this, &CMessagePropertiesDlg::OnKeyChosen);
    connect(m_apply, &QPushButton::clicked, this, &CMessagePropertiesDlg::Apply);
    connect(m_quit, &QPushButton::clicked, this, &QDialog::reject);
    ResizeInDialogUnits(*this, 202, 194);
    FitToScreen(this);
    TabToChecked(*m_types);
    TabToChecked(*m_statuses);
    // Choosing a key asks for its record: the operator's first move chooses the first key.
    NoCurrentRow(*m_keys);
    m_keys->setFocus();
}

QLineEdit* CMessagePropertiesDlg::Edit(const char* label) const {
    return m_edits.Find(label);
}

std::optional<std::string> CMessagePropertiesDlg::SelectedKey() const {
    const QList<QListWidgetItem*> selected = m_keys->selectedItems();
    if (selected.isEmpty()) {
        return std::nullopt;
    }
    return KeyOf(*selected.front());
}

void CMessagePropertiesDlg::UpdateApply() {
    m_apply->setEnabled(m_asked.empty() && m_shownKey && SelectedKey() == m_shownKey);
}

void CMessagePropertiesDlg::OnKeyChosen() {
    const std::optional<std::string> key = SelectedKey();
    if (!key) {
        UpdateApply();
        return;
    }
    const Composed get = ComposeGet("GET", *key);
    if (!get.Ok()) {
        UpdateApply();
        m_warning(this, text::Shown(text::kMessageProperties), get.refusal);
        return;
    }
    // The boxes keep their values until the reply, but they are not this key's record: Apply
    // waits for it.
    if (SendOrWarn(m_send, m_warning, this, text::kMessageProperties, kind::kMessageRecords,
                   get.request)) {
        m_asked.push_back(*key);
    }
    UpdateApply();
}

void CMessagePropertiesDlg::RecordReply(std::string_view payload) {
    if (!m_asked.empty()) {
        m_shownKey = m_asked.front();
        m_asked.pop_front();
    }
    m_record = ShownRecord();
    ApplyMessageReply(m_record, payload, m_ansiChar);
    Show(m_record);
    UpdateApply();
}

void CMessagePropertiesDlg::SessionEnded() {
    m_asked.clear();
    UpdateApply();
}

void CMessagePropertiesDlg::Show(const MessageRecord& record) {
    CheckLetter(*m_types, record.type);
    CheckLetter(*m_statuses, record.status);
    TabToChecked(*m_types);
    TabToChecked(*m_statuses);
    m_data->setChecked(record.data);
    const std::pair<const char*, const std::string*> texts[] = {{"From", &record.from},
                                                                {"To", &record.to},
                                                                {"BID", &record.bid},
                                                                {"Size", &record.size},
                                                                {"VIA", &record.via},
                                                                {"Title", &record.title},
                                                                {"Received", &record.received.text},
                                                                {"Sent", &record.sent.text}};
    for (const auto& [label, value] : texts) {
        m_edits.Show(label, *value);
    }
}

MessageRecord CMessagePropertiesDlg::ShownRecord() const {
    MessageRecord record = m_record;  // keeps the values the dates were shown from
    record.type = CheckedLetter(*m_types);
    record.status = CheckedLetter(*m_statuses);
    record.data = m_data->isChecked();
    const auto text = [this](const char* label) { return m_edits.Text(label); };
    record.from = text("From");
    record.to = text("To");
    record.bid = text("BID");
    record.size = text("Size");
    record.via = text("VIA");
    record.title = text("Title");
    record.received.text = text("Received");
    record.sent.text = text("Sent");
    return record;
}

void CMessagePropertiesDlg::Apply() {
    if (!m_apply->isEnabled()) {
        return;
    }
    const std::optional<std::string> key = SelectedKey();
    if (!key || key != m_shownKey) {
        m_warning(this, text::Shown(text::kMessageProperties),
                  text::Shown(text::kNoMessageSelected));
        return;
    }
    const Composed put = ComposeMessagePut(ShownRecord(), *key, m_ansiChar);
    if (!put.Ok()) {
        m_warning(this, text::Shown(text::kMessageProperties), put.refusal);
        return;
    }
    SendAndKeep(m_send, m_warning, m_keepWritten, this, text::kMessageProperties,
                kind::kMessageRecords, put.request);
}

}  // namespace brxw::admin
