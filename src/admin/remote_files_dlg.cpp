// SPDX-License-Identifier: GPL-3.0-or-later
#include "admin/remote_files_dlg.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "admin/admin_texts.h"
#include "text/charset.h"

namespace brxw::admin {

namespace {

constexpr int kNameRole = Qt::UserRole;      // the name's bytes, when not plain ASCII
constexpr int kTypeRole = Qt::UserRole + 1;  // the type character
constexpr qint64 kMaxListingBytes = 4 * 1024 * 1024;

// The name's bytes as the server sent them: kept beside the text only when it is not plain
// ASCII, which reads the same in every code page.
std::string NameOf(const QTreeWidgetItem& item) {
    const QVariant bytes = item.data(0, kNameRole);
    return bytes.isValid() ? bytes.toByteArray().toStdString()
                           : item.text(0).toLatin1().toStdString();
}

}  // namespace

CRemoteFilesDlg::CRemoteFilesDlg(SendRequestFn send, QWidget* parent)
    : QDialog(parent), m_send(std::move(send)) {
    setWindowTitle(Tr(text::kContext, text::kRemoteFiles));

    m_directory = new QLabel(AnsiToQString(m_browser.Display()), this);
    m_directory->setTextFormat(Qt::PlainText);
    m_up = new QToolButton(this);
    m_up->setText(tr("Up"));
    m_up->setToolTip(tr("Up"));
    m_up->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
    m_up->setIconSize(QSize(16, 16));
    m_up->setShortcut(QKeySequence(Qt::Key_Backspace));
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Directory :"), this));
    top->addWidget(m_directory, 1);
    top->addWidget(m_up);

    m_tree = new QTreeWidget(this);
    m_tree->setAccessibleName(tr("Files"));
    m_tree->setColumnCount(3);
    m_tree->setHeaderLabels({tr("Name"), tr("Date"), tr("Size")});
    m_tree->setRootIsDecorated(false);
    m_tree->setItemsExpandable(false);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tree->setSortingEnabled(false);
    m_tree->setAllColumnsShowFocus(true);
    m_tree->setIconSize(QSize(16, 16));
    // Every row is one line of the tree's font beside a 16-pixel icon, so every row has the same
    // height (a name in another script, drawn from a fallback font, too): the tree need not
    // measure all the rows above one to find where it is, 45 ms for End in 5 000 files.
    m_tree->setUniformRowHeights(true);
    m_tree->header()->setSectionsClickable(true);
    m_tree->header()->setSortIndicatorShown(false);
    m_tree->setColumnWidth(0, 214);
    m_tree->setColumnWidth(1, 100);
    m_tree->setColumnWidth(2, 70);
    m_empty = new QLabel(Tr(text::kContext, text::kEmptyDirectory), this);
    m_empty->hide();

    m_name = new QLineEdit(this);
    m_name->setReadOnly(true);
    m_name->setFocusPolicy(Qt::NoFocus);  // Name comes only from the list
    auto* nameRow = new QHBoxLayout;
    auto* nameLabel = new QLabel(tr("Name :"), this);
    nameLabel->setBuddy(m_name);
    m_name->setAccessibleName(tr("Name"));
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(m_name, 1);
    m_open = new QPushButton(tr("&Open"), this);
    m_open->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    nameRow->addWidget(m_open);
    nameRow->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_tree, 1);
    layout->addWidget(m_empty);
    layout->addLayout(nameRow);

    // The chosen item is the selected one: the focus arriving in the list makes an item
    // current without the operator choosing it.
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> selected = m_tree->selectedItems();
        if (selected.isEmpty()) {
            m_browser.ClearChoice();
        } else {
            m_browser.ItemChanged(NameOf(*selected.front()),
                                  static_cast<char>(selected.front()->data(0, kTypeRole).toInt()));
        }
        m_name->setText(AnsiToQString(m_browser.Name()));
    });
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &CRemoteFilesDlg::Open);
    connect(m_tree->header(), &QHeaderView::sectionClicked, this, &CRemoteFilesDlg::SortItems);
    connect(m_open, &QPushButton::clicked, this, &CRemoteFilesDlg::Open);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_up, &QToolButton::clicked, this, &CRemoteFilesDlg::Up);
    ResizeInDialogUnits(*this, 283, 143);
    resize(std::max(width(), 214 + 100 + 70 + 40), height());
    NoCurrentRow(*m_tree);
    m_tree->setFocus();
}

void CRemoteFilesDlg::Start() {
    const RemoteBrowser::Request start = RemoteBrowser::Start();
    m_send(start.kind, start.text);
}

void CRemoteFilesDlg::Listing(const QString& path) {
    if (!CanRead(path)) {
        return;
    }
    const std::vector<ListingItem> items = ReadListing(ReadAndDelete(path, kMaxListingBytes));
    m_browser.ListingShown();
    m_directory->setText(AnsiToQString(m_browser.Display()));
    m_tree->clear();
    const QIcon folder = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon file = style()->standardIcon(QStyle::SP_FileIcon);
    // Made outside the tree and handed over in one insertion: an item made in the tree is
    // announced to the model and the view alone, thousands of times for a big folder.
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(items.size()));
    for (const ListingItem& entry : items) {
        auto* item = new QTreeWidgetItem;
        item->setText(0, AnsiToQString(entry.name));
        item->setText(1, AnsiToQString(entry.date));
        item->setText(2, AnsiToQString(entry.size));
        item->setIcon(0, entry.IsDirectory() ? folder : file);
        if (!IsPlainAscii(entry.name)) {
            item->setData(0, kNameRole,
                          QByteArray(entry.name.data(), static_cast<qsizetype>(entry.name.size())));
        }
        item->setData(0, kTypeRole, static_cast<int>(static_cast<unsigned char>(entry.type)));
        rows.append(item);
    }
    m_tree->addTopLevelItems(rows);
    m_empty->setVisible(items.empty());
    NoCurrentRow(*m_tree);  // the new listing, too, waits for the operator's choice
}

void CRemoteFilesDlg::SortItems() {
    // Directories first again, the order within a type kept; the current item stays current.
    QTreeWidgetItem* current = m_tree->currentItem();
    QList<QTreeWidgetItem*> items = m_tree->invisibleRootItem()->takeChildren();
    std::stable_sort(items.begin(), items.end(), [](QTreeWidgetItem* a, QTreeWidgetItem* b) {
        return a->data(0, kTypeRole).toInt() > b->data(0, kTypeRole).toInt();
    });
    m_tree->addTopLevelItems(items);
    if (current != nullptr) {
        m_tree->setCurrentItem(current);
    }
}

void CRemoteFilesDlg::Send(const RemoteBrowser::Step& step) {
    if (!step.refusal.empty()) {
        m_warning(this, text::Shown(text::kRemoteFiles), step.refusal);
        return;
    }
    if (!step.send) {
        return;
    }
    m_directory->setText(AnsiToQString(m_browser.Display()));
    if (!step.request.endsDialog) {
        // The items shown belong to the directory left: none of them is chosen any more.
        m_tree->clearSelection();
        m_name->setText(AnsiToQString(m_browser.Name()));
    }
    m_send(step.request.kind, step.request.text);
    if (step.request.endsDialog) {
        accept();
    }
}

void CRemoteFilesDlg::Open() {
    Send(m_browser.Open());
}

void CRemoteFilesDlg::Up() {
    Send(m_browser.Up());
}

}  // namespace brxw::admin
