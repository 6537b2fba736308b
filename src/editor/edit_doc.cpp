#include "editor/edit_doc.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextCursor>

#include "editor/editor_host.h"
#include "editor/main_frame.h"
#include "editor/message_format.h"
#include "text/charset.h"

namespace brxw {

namespace {

constexpr const char* kCaption = "Editor";
constexpr const char* kSendMessage = "Send message";
constexpr const char* kUploadDocument = "Upload document";
// Names for a document made with New, which has no file of its own yet.
constexpr const char* kUntitledMessage = "brx_message.txt";
constexpr const char* kUntitledDocument = "brx_document.txt";

QMessageBox::StandardButton AskWithBox(QWidget* owner, const QString& text) {
    return QMessageBox::question(owner, QString::fromLatin1(kCaption), text,
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                 QMessageBox::Yes);
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
    warn = [this](const QString& text) {
        QMessageBox::warning(&m_frame, QString::fromLatin1(kCaption), text);
    };
}

bool CBrxWeditDoc::IsModified() const {
    return m_view.document()->isModified();
}

void CBrxWeditDoc::SetPath(const QString& path) {
    m_path = path;
    emit PathChanged(m_path);
}

std::string CBrxWeditDoc::EditorText() {
    const QString shown = ViewText(m_view);
    const std::string bytes = QStringToAnsi(shown);
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 16 + 1);
    for (const char c : bytes) {
        if (c == '\n') {
            text.append("\r\n");
        } else {
            text.push_back(c);
        }
    }
    // Characters outside the code page (typed or pasted) become what is sent: '?'.
    if (AnsiToQString(bytes) != shown) {
        const bool modified = IsModified();
        SetEditorText(text);
        m_view.document()->setModified(modified);
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
    SetPath({});
}

bool CBrxWeditDoc::OnOpenDocument(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        warn(QStringLiteral("Cannot open %1.").arg(path));
        return false;
    }
    const qint64 length = file.size();
    if (length > kMaxFileBytes) {
        warn(QStringLiteral("%1 is too large to edit.").arg(path));
        return false;
    }
    const QByteArray bytes = file.read(length);
    if (bytes.size() != length) {
        warn(QStringLiteral("Unexpected end of file while reading %1.").arg(path));
        return false;
    }
    KeepUnsentText();
    std::string text =
        EditorTextFromFile(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    WriteDiagnosticDump(m_workingDirectory, text);
    if (m_host != nullptr && m_host->MessageEdit()) {
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
    SetPath(path);
    return true;
}

void CBrxWeditDoc::KeepUnsentText() {
    if (!IsModified() || m_view.document()->isEmpty()) {
        return;
    }
    // Not in the document's own file: a received file of the same name has just replaced it.
    const QString name =
        m_path.isEmpty() ? QString::fromLatin1(kUntitledDocument) : QFileInfo(m_path).fileName();
    const QString kept = QDir(m_workingDirectory).filePath(name + QStringLiteral(".unsent"));
    if (WriteFile(kept, EditorText())) {
        emit TextKept(kept);
    }
}

bool CBrxWeditDoc::WriteFile(const QString& path, std::string_view bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const bool written =
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) == qint64(bytes.size());
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

bool CBrxWeditDoc::OnSaveDocument(const QString& given) {
    QString path = given.isEmpty() ? m_path : given;
    const bool message = m_host != nullptr && m_host->MessageEdit();
    if (path.isEmpty()) {
        path = QDir(m_workingDirectory)
                   .filePath(QString::fromLatin1(message ? kUntitledMessage : kUntitledDocument));
    }
    const bool written = WriteFile(path, EditorText());
    if (written) {
        m_view.document()->setModified(false);
        if (path != m_path) {
            SetPath(path);
        }
    }
    if (m_host == nullptr) {
        if (!written) {
            warn(QStringLiteral("Cannot write %1.").arg(path));
        }
        return written;
    }
    return message ? SaveMessage(path, written) : SaveUpload(path, written);
}

bool CBrxWeditDoc::SaveMessage(const QString& path, bool written) {
    switch (ask(QString::fromLatin1(kSendMessage))) {
        case QMessageBox::Yes: {
            // The file is what goes out: one that could not be written would send old text.
            if (!written) {
                warn(QStringLiteral("Cannot write %1: the message was not sent.").arg(path));
                return false;
            }
            const MessageOptions options = m_host->Options();
            if (options.breakLine) {
                const std::string text = EditorText();
                WriteDiagnosticDump(m_workingDirectory, text);
                if (!WriteFile(path, BreakMessageLines(text, options.justification))) {
                    warn(QStringLiteral("Cannot write %1: the message was not sent.").arg(path));
                    return false;
                }
            }
            if (!m_host->SendMessageText(path, false)) {
                warn(
                    QStringLiteral("The message was not sent: not connected, or the connection "
                                   "that asked for it was lost."));
                return false;
            }
            break;
        }
        case QMessageBox::No:
            if (!m_host->SendMessageText(path, true)) {
                QFile::remove(path);  // given up; nobody waits for it any more
            }
            break;
        default:
            return false;
    }
    m_host->ClearMessageEdit();
    HandedBack();
    return true;
}

bool CBrxWeditDoc::SaveUpload(const QString& path, bool written) {
    switch (ask(QString::fromLatin1(kUploadDocument))) {
        case QMessageBox::Yes:
            if (!written) {
                warn(QStringLiteral("Cannot write %1: the document was not uploaded.").arg(path));
                return false;
            }
            if (!m_host->UploadFile(path)) {
                warn(
                    QStringLiteral("Not connected, or no remote file to write to: the document "
                                   "was not uploaded."));
                return false;
            }
            break;
        case QMessageBox::No:
            // A received file is done with; a file of the operator's own, opened from
            // elsewhere, is not the editor's to delete.
            if (QFileInfo(path).absolutePath() ==
                QFileInfo(m_workingDirectory).absoluteFilePath()) {
                QFile::remove(path);
            }
            break;
        default:
            return false;
    }
    HandedBack();
    return true;
}

void CBrxWeditDoc::HandedBack() {
    m_frame.hide();
    m_host->EditorDone();
    DeleteContents();
    SetPath({});
}

}  // namespace brxw
