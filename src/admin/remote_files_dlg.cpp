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
#include <QTreeView>
#include <QVBoxLayout>

#include "admin/admin_texts.h"
#include "admin/remote_files_model.h"
#include "resources/dialog_fit.h"
#include "text/charset.h"

namespace brxw::admin {

namespace {

constexpr qint64 kMaxListingBytes = 4 * 1024 * 1024;

}  // namespace

CRemoteFilesDlg::CRemoteFilesDlg(SendRequestFn send, QWidget* parent)
    : QDialog(parent), m_send(std::move(send)) {
    setWindowTitle(Tr(text::kContext, text::kRemoteFiles));

    m_directory = new QLabel(AnsiToQString(m_browser.Display()), this);
    m_directory->setTextFormat(Qt::PlainText);
    m_note = new QLabel(this);
    m_note->setTextFormat(Qt::PlainText);
    m_note->setWordWrap(true);
    m_note->hide();
    m_wait.setSingleShot(true);
    m_wait.setInterval(30000);
    connect(&m_wait, &QTimer::timeout, this, &CRemoteFilesDlg::ListingNotCome);
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

    // A view over the listing's own items: a folder of thousands of files costs under a hundred
    // bytes a row, where a tree widget's item with three texts and an icon takes 600.
    m_model = new CRemoteFilesModel({tr("Name"), tr("Date"), tr("Size")},
                                    style()->standardIcon(QStyle::SP_DirIcon),
                                    style()->standardIcon(QStyle::SP_FileIcon), this);
    m_tree = new QTreeView(this);
    m_tree->setAccessibleName(tr("Files"));
    m_tree->setModel(m_model);
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

    // Name comes only from the list, which holds what the server listed: the box shows the
    // choice as plain text on the dialog, with no frame or field colour that invites typing.
    m_name = new QLineEdit(this);
    m_name->setReadOnly(true);
    m_name->setFocusPolicy(Qt::NoFocus);
    m_name->setFrame(false);
    QPalette plain = m_name->palette();
    plain.setColor(QPalette::Base, plain.color(QPalette::Window));
    m_name->setPalette(plain);
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
    layout->addWidget(m_note);
    layout->addWidget(m_tree, 1);
    layout->addWidget(m_empty);
    layout->addLayout(nameRow);

    // The chosen item is the selected one: the focus arriving in the list makes an item
    // current without the operator choosing it.
    connect(m_tree->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList selected = m_tree->selectionModel()->selectedIndexes();
        if (selected.isEmpty()) {
            m_browser.ClearChoice();
        } else {
            const int row = selected.front().row();
            m_browser.ItemChanged(std::string(m_model->Name(row)), m_model->Type(row));
        }
        m_name->setText(AnsiToQString(m_browser.Name()));
    });
    connect(m_tree, &QTreeView::doubleClicked, this, &CRemoteFilesDlg::Open);
    connect(m_tree->header(), &QHeaderView::sectionClicked, this, &CRemoteFilesDlg::SortItems);
    connect(m_open, &QPushButton::clicked, this, &CRemoteFilesDlg::Open);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_up, &QToolButton::clicked, this, &CRemoteFilesDlg::Up);
    ResizeInDialogUnits(*this, 283, 143);
    resize(std::max(width(), 214 + 100 + 70 + 40), height());
    FitToScreen(this);
    NoCurrentRow(*m_tree);
    m_tree->setFocus();
}

void CRemoteFilesDlg::Start() {
    const RemoteBrowser::Request start = m_browser.Start();
    if (SendRequest(start)) {
        m_wait.start();
    } else {
        m_browser.GiveUp(false);
    }
}

void CRemoteFilesDlg::Listing(const QString& path) {
    if (!CanRead(path)) {
        return;
    }
    const std::string bytes = ReadAndDelete(path, kMaxListingBytes);
    if (!m_browser.ListingArrived()) {
        return;  // of no directory asked for in this session: it cannot be placed
    }
    m_wait.stop();
    Note({});
    ShowItems(ReadListing(bytes));
}

void CRemoteFilesDlg::ShowItems(const std::vector<ListingItem>& items) {
    m_directory->setText(AnsiToQString(m_browser.Display()));
    // The items shown go, and with them the choice among them.
    m_tree->selectionModel()->clear();
    m_model->SetItems(items);
    m_name->setText(AnsiToQString(m_browser.Name()));
    m_empty->setVisible(items.empty() && !m_browser.Asked());
    NoCurrentRow(*m_tree);  // the new listing, too, waits for the operator's choice
}

void CRemoteFilesDlg::Note(const std::string& text) {
    m_note->setText(AnsiToQString(text));
    m_note->setVisible(!text.empty());
}

void CRemoteFilesDlg::ListingNotCome() {
    const bool file = m_browser.AskedFile();
    if (const auto path = m_browser.GiveUp(true)) {
        Note(TrPrintf(text::kContext, file ? text::kFileNotCome : text::kListingNotCome,
                      path->c_str()));
    }
}

void CRemoteFilesDlg::SessionEnded() {
    m_linked = false;
    m_wait.stop();
    const bool file = m_browser.AskedFile();
    const auto path = m_browser.GiveUp(false);
    Note(path ? TrPrintf(text::kContext,
                         file ? text::kLinkLostBeforeFile : text::kLinkLostBeforeListing,
                         path->c_str())
              : text::Shown(text::kLinkLostListShown));
}

void CRemoteFilesDlg::FileArrived() {
    if (m_browser.FileArrived()) {
        m_wait.stop();
        accept();
    }
}

void CRemoteFilesDlg::SessionStarted() {
    m_linked = true;
    Start();
    ShowItems({});
    if (m_browser.Asked()) {
        Note(text::Shown(text::kListingAfterLogin));
    }
}

void CRemoteFilesDlg::SortItems() {
    // Directories first again, the order within a type kept. The current item stays current and
    // becomes the chosen one; the list goes back to its top and then as far as shows that item.
    const bool hasCurrent = m_tree->currentIndex().isValid();
    m_model->SortDirectoriesFirst();
    m_tree->scrollToTop();
    if (hasCurrent) {
        const QModelIndex current = m_tree->currentIndex();  // moved with its item
        m_tree->setCurrentIndex(current);
        m_tree->scrollTo(current);
    }
}

bool CRemoteFilesDlg::SendRequest(const RemoteBrowser::Request& request) {
    // Between sessions nothing goes out, even once a new link is being made: the list shown
    // belongs to the session that ended.
    if (m_linked && m_send(request.kind, request.text)) {
        return true;
    }
    m_warning(this, text::Shown(text::kRemoteFiles),
              TrPrintf(text::kContext, text::kNotSent, request.path.c_str()));
    return false;
}

void CRemoteFilesDlg::Send(const RemoteBrowser::Step& step) {
    if (!step.refusal.empty()) {
        m_warning(this, text::Shown(text::kRemoteFiles), step.refusal);
        return;
    }
    if (!step.send || !SendRequest(step.request)) {
        return;  // unsent: the path and the list stay as the server has them
    }
    m_browser.Sent(step.request);
    // The items shown belong to the directory listed: none of them is chosen any more, and
    // they stay until the listing asked for replaces them (or the file arrives).
    m_tree->clearSelection();
    m_name->setText(AnsiToQString(m_browser.Name()));
    Note(TrPrintf(text::kContext, step.request.endsDialog ? text::kFileAsked : text::kListingAsked,
                  step.request.path.c_str()));
    m_wait.start();
}

void CRemoteFilesDlg::Open() {
    Send(m_browser.Open());
}

void CRemoteFilesDlg::Up() {
    Send(m_browser.Up());
}

}  // namespace brxw::admin
