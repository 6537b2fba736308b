// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/edit_doc.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextCursor>
#include <cstdio>

#include "editor/editor_host.h"
#include "editor/kept_files.h"
#include "editor/main_frame.h"
#include "editor/message_format.h"
#include "resources/translate.h"
#include "text/charset.h"

namespace brxw {

namespace {

constexpr const char* kContext = "brxw::CBrxWeditDoc";
constexpr const char* kCaption = QT_TRANSLATE_NOOP("brxw::CBrxWeditDoc", "Editor");
constexpr const char* kSendMessage = QT_TRANSLATE_NOOP("brxw::CBrxWeditDoc", "Send message");
constexpr const char* kUploadDocument = QT_TRANSLATE_NOOP("brxw::CBrxWeditDoc", "Upload document");
// Names for a document made with New, which has no file of its own yet.
constexpr const char* kUntitledMessage = "brx_message.txt";
constexpr const char* kUntitledDocument = "brx_document.txt";
// A copy of a file the operator opened, made to be sent and deleted in its place.
constexpr const char* kOutgoingCopy = "brx_outgoing.txt";
constexpr const char* kUnsentSuffix = ".unsent";

// Files the editor creates hold messages, which may be private mail: the owner's alone (the
// umask may narrow it further). An existing file keeps its permissions.
constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ReadUser | QFileDevice::WriteUser;

QMessageBox::StandardButton AskWithBox(QWidget* owner, const QString& text) {
    return QMessageBox::question(owner, Tr(kContext, kCaption), text,
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                 QMessageBox::Yes);
}

QMessageBox::StandardButton AskSaveChangesWithBox(QWidget* owner, const QString& text) {
    return QMessageBox::warning(owner, Tr(kContext, kCaption), text,
                                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                QMessageBox::Save);
}

// The view's text with '\n' between lines; no character is replaced on the way (plain-text
// export would turn a no-break space into a blank).
QString ViewText(const QPlainTextEdit& view) {
    QString text = view.document()->toRawText();
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            c = u'\n';
        }
    }
    return text;
}

}  // namespace

std::string EditorTextFromFile(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 16 + 1);
    for (const char c : bytes) {
        if (c == '\n') {
            text.append("\r\n");
        } else if (c != '\r' && c != '\0') {
            text.push_back(c);
        }
    }
    return text;
}

CBrxWeditDoc::CBrxWeditDoc(CBrxWeditView& view, QWidget& frame, QString workingDirectory)
    : m_view(view), m_frame(frame), m_workingDirectory(std::move(workingDirectory)) {
    ask = [this](const QString& text) { return AskWithBox(&m_frame, text); };
    askSaveChanges = [this](const QString& text) { return AskSaveChangesWithBox(&m_frame, text); };
    warn = [this](const QString& text) { QMessageBox::warning(&m_frame, tr(kCaption), text); };
}

bool CBrxWeditDoc::IsModified() const {
    return m_view.document()->isModified();
}

void CBrxWeditDoc::SetPath(const QString& path) {
    m_path = path;
    emit PathChanged(m_path);
}

std::string CBrxWeditDoc::EditorText() const {
    // Characters outside the code page (typed or pasted) are written as '?'; the view keeps
    // them, its caret and its undo steps, so a cancelled save changes nothing on screen.
    const std::string bytes = QStringToAnsi(ViewText(m_view));
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 16 + 1);
    for (const char c : bytes) {
        if (c == '\n') {
            text.append("\r\n");
        } else {
            text.push_back(c);
        }
    }
    return text;
}

void CBrxWeditDoc::SetEditorText(std::string_view text) {
    std::string lines;
    lines.reserve(text.size());
    for (const char c : text) {
        if (c != '\r') {
            lines.push_back(c);
        }
    }
    m_view.setPlainText(AnsiToQString(lines));
    m_view.moveCursor(QTextCursor::Start);
    m_view.ensureCursorVisible();
}

void CBrxWeditDoc::DeleteContents() {
    m_view.clear();
    m_view.document()->setModified(false);
}

void CBrxWeditDoc::OnNewDocument() {
    DeleteContents();
    m_own = false;
    m_origin.reset();
    SetPath({});
}

bool CBrxWeditDoc::OnOpenDocument(const QString& path, OpenedBy by) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        warn(tr("Cannot open %1: %2.").arg(path, file.errorString()));
        return false;
    }
    const qint64 length = file.size();
    if (length > kMaxFileBytes) {
        warn(tr("%1 is too large to edit.").arg(path));
        return false;
    }
    const QByteArray bytes = file.read(length);
    if (bytes.size() != length) {
        warn(file.error() != QFileDevice::NoError
                 ? tr("Cannot read %1: %2.").arg(path, file.errorString())
                 : tr("Unexpected end of file while reading %1.").arg(path));
        return false;
    }
    // The operator who opens a file has answered for the changed text already (Save or
    // Discard); a received file comes unasked, so the text goes to safety first.
    if (by == OpenedBy::Reception && !KeepUnsentText(path)) {
        return false;
    }
    std::string text =
        EditorTextFromFile(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    Dump(text);
    const bool message = m_host != nullptr && m_host->MessageEdit();
    if (message) {
        const MessageOptions options = m_host->Options();
        // A message comes in the server's character set and goes back converted to it: shown
        // in the Windows one, it keeps its accents both ways.
        if (!options.ansiChar) {
            text = OemToAnsi(text);
        }
        text = PrepareMessage(text, options);
    }
    SetEditorText(text);
    m_view.document()->setModified(false);
    m_own = by == OpenedBy::Reception;
    m_origin.reset();
    if (m_own && !message && m_host != nullptr) {
        m_origin = m_host->TakeFetchOrigin();
    }
    SetPath(path);
    return true;
}

void CBrxWeditDoc::Dump(std::string_view text) {
    QString failure;
    if (WriteDiagnosticDump(m_workingDirectory, text, &failure).isEmpty() && !m_dumpFailureShown) {
        // Said once: the same folder would fail the same way on every later file.
        m_dumpFailureShown = true;
        warn(tr("%1 No diagnostic dump is written.").arg(failure));
    }
}

QString CBrxWeditDoc::UnsentPath() const {
    // Beside the document's file, never in it: a received file of the same name may just have
    // replaced it.
    const QString name =
        m_path.isEmpty() ? QDir(m_workingDirectory).filePath(QString::fromLatin1(kUntitledDocument))
                         : m_path;
    return name + QString::fromLatin1(kUnsentSuffix);
}

bool CBrxWeditDoc::KeepUnsentText(const QString& arriving) {
    if (!IsModified() || m_view.document()->isEmpty()) {
        return true;
    }
    const QString kept = UnsentPath();
    const QString failure = WritePrivateFile(kept, EditorText());
    if (!failure.isEmpty()) {
        warn(tr("%1 The text you were editing stays in the editor; %2, which "
                "arrived, was not opened.")
                 .arg(failure, QDir::toNativeSeparators(arriving)));
        return false;
    }
    emit TextKept(kept);
    return true;
}

QString CBrxWeditDoc::KeepUnsentForQuit() {
    if (!IsModified() || m_view.document()->isEmpty()) {
        return {};
    }
    // Nobody may be there to read a box while the program ends: stderr says where the text
    // went, and so does a box at the next start. A folder that cannot take it whole (a full
    // disk) leaves no part of it there; the next folder is tried.
    const QFileInfo unsent(UnsentPath());
    const KeptText kept =
        KeepText(EditorText(), unsent.fileName(), KeptTextFolders(unsent.absolutePath()));
    for (const QString& failure : kept.failures) {
        std::fprintf(stderr, "brxW: %s\n", qPrintable(failure));
    }
    if (kept.path.isEmpty()) {
        std::fprintf(stderr, "brxW: The changed text could not be kept.\n");
    } else {
        std::fprintf(stderr, "brxW: The changed text is kept in %s.\n",
                     qPrintable(QDir::toNativeSeparators(kept.path)));
        m_view.document()->setModified(false);
    }
    LeaveEndNote(kept);
    return kept.path;
}

QString CBrxWeditDoc::WriteFile(const QString& path, std::string_view bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate, kOwnerOnly)) {
        return tr("Cannot write %1: %2.").arg(path, file.errorString());
    }
    const bool written =
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) == qint64(bytes.size());
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        return tr("Cannot write %1: %2.").arg(path, file.errorString());
    }
    return {};
}

bool CBrxWeditDoc::OwnFile(const QString& path) const {
    // Received or created by the program, in its working directory: the program's to delete.
    return m_own &&
           QFileInfo(path).absolutePath() == QFileInfo(m_workingDirectory).absoluteFilePath();
}

bool CBrxWeditDoc::SaveModified() {
    if (!IsModified()) {
        return true;
    }
    const QString name = m_path.isEmpty() ? tr("Untitled") : QFileInfo(m_path).fileName();
    switch (askSaveChanges(tr("Save the changes to %1?").arg(name))) {
        case QMessageBox::Save:
            m_handedBack = false;
            return OnSaveDocument(m_path) && !m_handedBack;
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

bool CBrxWeditDoc::OnSaveDocument(const QString& given) {
    QString path = given.isEmpty() ? m_path : given;
    const bool message = m_host != nullptr && m_host->MessageEdit();
    if (path.isEmpty()) {
        path = QDir(m_workingDirectory)
                   .filePath(QString::fromLatin1(message ? kUntitledMessage : kUntitledDocument));
        m_own = true;  // created by the program
    }
    const QString failure = WriteFile(path, EditorText());
    if (failure.isEmpty()) {
        m_view.document()->setModified(false);
        if (path != m_path) {
            SetPath(path);
        }
    }
    if (m_host == nullptr) {
        if (!failure.isEmpty()) {
            warn(failure);
        }
        return failure.isEmpty();
    }
    return message ? SaveMessage(path, failure) : SaveUpload(path, failure);
}

QString CBrxWeditDoc::OutgoingPath(const QString& path) const {
    return OwnFile(path) ? path
                         : QDir(m_workingDirectory).filePath(QString::fromLatin1(kOutgoingCopy));
}

QString CBrxWeditDoc::OutgoingFile(const QString& path, std::string_view bytes, QString& failure) {
    const QString out = OutgoingPath(path);
    failure = WriteFile(out, bytes);
    return out;
}

bool CBrxWeditDoc::SaveMessage(const QString& path, const QString& failure) {
    switch (ask(tr(kSendMessage))) {
        case QMessageBox::Yes: {
            // The file is what goes out: one that could not be written would send old text.
            if (!failure.isEmpty()) {
                warn(failure + tr(" The message was not sent."));
                return false;
            }
            const MessageOptions options = m_host->Options();
            std::string text = EditorText();
            if (options.breakLine) {
                Dump(text);
                text = BreakMessageLines(text, options.justification);
            }
            // The sent file is deleted: a file of the operator's own goes out as a copy.
            QString outFailure;
            const QString out =
                options.breakLine || !OwnFile(path) ? OutgoingFile(path, text, outFailure) : path;
            if (!outFailure.isEmpty()) {
                warn(outFailure + tr(" The message was not sent."));
                return false;
            }
            const SentCopy copy =
                KeepCopy(MessageTitle(text, QFileInfo(path).completeBaseName()), text);
            if (!m_host->SendMessageText(out, false)) {
                if (out != path) {
                    QFile::remove(out);
                }
                DropCopy(copy);
                warn(
                    tr("The message was not sent: not connected, or the connection "
                       "that asked for it was lost."));
                return false;
            }
            TellCopyFailure(copy);
            break;
        }
        case QMessageBox::No: {
            // The abort sends no text; only a file of the program's own is given up with it.
            const QString out = OutgoingPath(path);
            if (!m_host->SendMessageText(out, true) && out == path) {
                QFile::remove(path);  // given up; nobody waits for it any more
            }
            break;
        }
        default:
            return false;
    }
    m_host->ClearMessageEdit();
    HandedBack();
    return true;
}

bool CBrxWeditDoc::SaveUpload(const QString& path, const QString& failure) {
    switch (ask(tr(kUploadDocument))) {
        case QMessageBox::Yes: {
            if (!failure.isEmpty()) {
                warn(failure + tr(" The document was not uploaded."));
                return false;
            }
            // Only the fetched file goes back, to the path and the session it came from.
            if (!m_origin) {
                warn(tr("This document was not fetched from the BBS, so there is no "
                        "file there to replace: nothing was uploaded. The text is "
                        "kept in %1.")
                         .arg(QDir::toNativeSeparators(path)));
                return false;
            }
            const SentCopy copy = KeepCopy(AnsiToQString(m_origin->remotePath), EditorText());
            if (!m_host->UploadFile(path, *m_origin)) {
                DropCopy(copy);
                warn(tr("Not connected to the session that %1 was fetched from: "
                        "nothing was uploaded. The text is kept in %2.")
                         .arg(AnsiToQString(m_origin->remotePath), QDir::toNativeSeparators(path)));
                return false;
            }
            TellCopyFailure(copy);
            break;
        }
        case QMessageBox::No:
            // A received file is done with; a file of the operator's own, opened from
            // elsewhere, is not the editor's to delete.
            if (OwnFile(path)) {
                QFile::remove(path);
            }
            break;
        default:
            return false;
    }
    HandedBack();
    return true;
}

CBrxWeditDoc::SentCopy CBrxWeditDoc::KeepCopy(const QString& title, std::string_view bytes) {
    // Kept before it goes, so that a program that dies in the send still has it.
    SentCopy copy;
    const QString folder = sentFolder();
    const QDateTime now = QDateTime::currentDateTime();
    copy.path =
        KeepSentCopy(folder, SentCopyName(m_host->BbsName(), title, now), bytes, &copy.failure);
    if (!copy.path.isEmpty()) {
        PruneSentCopies(folder, now);
    }
    return copy;
}

void CBrxWeditDoc::DropCopy(const SentCopy& copy) {
    if (!copy.path.isEmpty()) {
        QFile::remove(copy.path);  // nothing went out: the editor keeps the text
    }
}

void CBrxWeditDoc::TellCopyFailure(const SentCopy& copy) {
    if (copy.path.isEmpty()) {
        warn(tr("%1 It was sent, but no copy of it is kept.").arg(copy.failure));
    }
}

void CBrxWeditDoc::HandedBack() {
    m_frame.hide();
    m_host->EditorDone();
    DeleteContents();
    m_own = false;
    m_origin.reset();
    m_handedBack = true;
    SetPath({});
}

}  // namespace brxw
