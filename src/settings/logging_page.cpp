// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/logging_page.h"

#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryFile>
#include <QVBoxLayout>

#include "resources/translate.h"
#include "text/charset.h"

namespace brxw {

CLoggingPage::CLoggingPage(WindowLogs& logs, QWidget* parent)
    : CPreferencesPage(parent),
      m_logs(logs),
      m_folder(new QLineEdit(this)),
      m_browse(new QPushButton(tr("&Browse..."), this)),
      m_windowCharset(new QRadioButton(tr("The &window's character set"), this)),
      m_utf8(new QRadioButton(tr("&UTF-8"), this)) {
    setObjectName(QStringLiteral("logging"));

    auto* windows = new QGroupBox(tr("Log to file"), this);
    auto* windowsLayout = new QVBoxLayout(windows);
    for (const LogWindow window : kLogWindows) {
        // Each title carries its mnemonic, which the page's other texts and its OK and Cancel
        // leave free.
        auto* box = new QCheckBox(Tr("brxw::WindowLogs", LogWindowTitle(window).data()), windows);
        box->setChecked(logs.Enabled(window));
        windowsLayout->addWidget(box);
        m_windows[static_cast<std::size_t>(window)] = box;
    }

    auto* files = new QGroupBox(tr("Files"), this);
    auto* folderLabel = new QLabel(tr("&Folder:"), files);
    folderLabel->setBuddy(m_folder);
    m_folder->setText(logs.Folder());
    // Empty stands for the user's state folder, which the field shows greyed.
    m_folder->setPlaceholderText(logs.DefaultFolder());
    m_folder->setClearButtonEnabled(true);
    m_folder->setMinimumWidth(300);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folderLabel);
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(m_browse);
    auto* naming = new QLabel(
        tr("One file per window and day, named after the profile, the window and "
           "the date, such as %1.\nEach line begins with the time it arrived.")
            .arg(LogFileName(QStringLiteral("BBS"), LogWindow::kConsole, QDate::currentDate())),
        files);
    naming->setWordWrap(true);
    auto* charsetLabel = new QLabel(tr("Character set of the files:"), files);
    (logs.Utf8() ? m_utf8 : m_windowCharset)->setChecked(true);
    auto* charsetRow = new QHBoxLayout;
    charsetRow->addWidget(m_windowCharset);
    charsetRow->addWidget(m_utf8);
    charsetRow->addStretch(1);
    auto* filesLayout = new QVBoxLayout(files);
    filesLayout->addLayout(folderRow);
    filesLayout->addWidget(naming);
    filesLayout->addWidget(charsetLabel);
    filesLayout->addLayout(charsetRow);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(windows);
    layout->addWidget(files);
    layout->addStretch(1);

    connect(m_browse, &QPushButton::clicked, this, &CLoggingPage::Browse);
}

void CLoggingPage::Browse() {
    const QString start =
        m_folder->text().trimmed().isEmpty() ? m_logs.DefaultFolder() : m_folder->text().trimmed();
    const QString chosen = QFileDialog::getExistingDirectory(this, tr("Log folder"), start);
    if (!chosen.isEmpty()) {
        m_folder->setText(QDir::toNativeSeparators(chosen));
    }
}

QString CLoggingPage::FolderFault(const QString& folder) const {
    const QString path = folder.isEmpty() ? m_logs.DefaultFolder() : folder;
    if (!QDir::isAbsolutePath(path)) {
        return tr("Please give the folder's whole path, such as %1.")
            .arg(QDir::toNativeSeparators(m_logs.DefaultFolder()));
    }
    const std::string stored = QStringToAnsi(folder);
    if (AnsiToQString(stored) != folder) {
        return tr(
            "The folder's name has characters that BrxW.ini cannot keep. "
            "Please choose another folder.");
    }
    if (stored.size() > kLogFolderLimit) {
        return tr("The folder's name is too long: BrxW.ini keeps at most %1 "
                  "characters.")
            .arg(kLogFolderLimit);
    }
    const QFileInfo info(path);
    if (folder.isEmpty() && !info.exists()) {
        return {};  // the default folder is made with the first file
    }
    if (!info.isDir()) {
        return tr("The folder %1 does not exist.").arg(QDir::toNativeSeparators(path));
    }
    QTemporaryFile probe(QDir(path).filePath(QStringLiteral("brxw-XXXXXX.tmp")));
    if (!probe.open()) {
        return tr("Files cannot be written in the folder %1: %2.")
            .arg(QDir::toNativeSeparators(path), probe.errorString());
    }
    return {};
}

bool CLoggingPage::Validate() {
    const QString folder = m_folder->text().trimmed();
    bool logging = false;
    for (const QCheckBox* box : m_windows) {
        logging = logging || box->isChecked();
    }
    // An unchanged folder is not in the way of a page on which no window logs.
    if (!logging && folder == m_logs.Folder()) {
        return true;
    }
    const QString fault = FolderFault(folder);
    if (fault.isEmpty()) {
        return true;
    }
    QMessageBox::warning(this, tr("Preferences"), fault);
    m_folder->setFocus(Qt::OtherFocusReason);
    m_folder->selectAll();
    return false;
}

void CLoggingPage::Apply() {
    // The folder first, so that a window switched on now opens its file there.
    m_logs.SetFolder(m_folder->text().trimmed());
    m_logs.SetUtf8(m_utf8->isChecked());
    for (const LogWindow window : kLogWindows) {
        m_logs.SetEnabled(window, WindowBox(window)->isChecked());
    }
}

}  // namespace brxw
