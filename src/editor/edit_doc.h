// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's document: decides what happens around the editing. Opening prepares a message
// (quote prefix and signature) when the server waits for one; saving asks the operator what to
// do with the text and hands it back, as a message or as a file upload, then hides the editor.
//
// Owned by the editor frame; the text itself lives in the view. The editor host (the control
// panel's side) is not owned and may be absent: the document is then an ordinary text file.
// User-interface thread only.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "editor/editor_host.h"
#include "editor/kept_files.h"

namespace brxw {

class CBrxWeditView;

// The editor's text from a file's bytes: carriage returns dropped, each line feed a carriage
// return plus line feed. A zero byte ends no line but is dropped too: the text is sent as plain
// text, in which a zero byte would start a framed record.
std::string EditorTextFromFile(std::string_view bytes);

class CBrxWeditDoc : public QObject {
    Q_OBJECT
public:
    // Files larger than this are not opened: the editor is for messages and small files.
    static constexpr qint64 kMaxFileBytes = 32 * 1024 * 1024;

    // frame: the window the questions belong to and that is hidden after a hand-over.
    CBrxWeditDoc(CBrxWeditView& view, QWidget& frame, QString workingDirectory);

    void SetHost(EditorHost* host) { m_host = host; }
    EditorHost* Host() const { return m_host; }
    const QString& PathName() const { return m_path; }
    bool IsModified() const;

    // Who opens a file: the program with a file it received (the control panel), or the
    // operator with Open. Only a received file may be uploaded or deleted once done with.
    enum class OpenedBy { Reception, Operator };

    // Loads the file into the view, writes the diagnostic dump, and prepares the text as a
    // message when the message-edit flag is set. A received file that replaces a changed text
    // keeps that text first (see KeepUnsentText). False, with the view unchanged, when the
    // file cannot be read whole or the changed text could not be kept.
    bool OnOpenDocument(const QString& path, OpenedBy by = OpenedBy::Reception);
    // An empty, untitled document.
    void OnNewDocument();
    // Saves the text to path (the document's own file when empty) and asks "Send message" or
    // "Upload document". True after Yes or No (the editor is then hidden and emptied); false
    // after Cancel and when the text could not be written or handed over (the editor stays).
    bool OnSaveDocument(const QString& path);
    void DeleteContents();
    // Before New or Open: a changed text asks Save, Discard or Cancel. True when the command
    // may go on: after Discard, and after a Save that wrote the text and left it in the
    // editor. False after Cancel, a Save that failed or was cancelled, and a Save that handed
    // the document back (the editor is gone, its work done).
    bool SaveModified();
    // The program is ending with nobody to ask: a changed text is written whole to
    // "<name>.unsent" beside the document's file (in the working directory when untitled), or,
    // when that folder cannot take it, in the state folder or the runtime folder. stderr says
    // where, or that it could not be kept, and so does a note for the next start. Returns the
    // path written, empty when nothing needed keeping or it failed.
    QString KeepUnsentForQuit();

    // The view's text as the file holds it: bytes of the Windows code page, CR LF between
    // lines, a character the code page lacks written as '?'. The view is left as it is.
    std::string EditorText() const;
    void SetEditorText(std::string_view text);

    // The question boxes and the warnings; tests may answer them without a box.
    std::function<QMessageBox::StandardButton(const QString& text)> ask;
    std::function<QMessageBox::StandardButton(const QString& text)> askSaveChanges;
    std::function<void(const QString& text)> warn;
    // Where a copy of each message sent and each file uploaded is kept.
    std::function<QString()> sentFolder = SentFolder;

signals:
    void PathChanged(const QString& path);
    // A changed text that a newly opened file replaced was written to path first.
    void TextKept(const QString& path);

private:
    // Writes the file; an empty string, or the reason it failed with the path.
    QString WriteFile(const QString& path, std::string_view bytes);
    void Dump(std::string_view text);
    // Before a received file replaces a text the operator changed and has not handed back, the
    // text is written to "<name>.unsent". False when it could not be (the warning said why,
    // naming the file that arrived).
    bool KeepUnsentText(const QString& arriving);
    QString UnsentPath() const;
    // The file that goes out: the document's own when the program received or created it,
    // otherwise a copy in the working directory, as what goes out is deleted once sent.
    QString OutgoingPath(const QString& path) const;
    QString OutgoingFile(const QString& path, std::string_view bytes, QString& failure);
    bool SaveMessage(const QString& path, const QString& failure);
    bool SaveUpload(const QString& path, const QString& failure);
    // The copy of what goes out, kept in the sent folder before it goes.
    struct SentCopy {
        QString path;  // empty when it could not be kept
        QString failure;
    };
    SentCopy KeepCopy(const QString& title, std::string_view bytes);
    void DropCopy(const SentCopy& copy);
    void TellCopyFailure(const SentCopy& copy);
    void HandedBack();
    void SetPath(const QString& path);
    bool OwnFile(const QString& path) const;

    CBrxWeditView& m_view;
    QWidget& m_frame;
    QString m_workingDirectory;
    EditorHost* m_host = nullptr;
    QString m_path;
    // The file was received or created by the program (not opened by the operator).
    bool m_own = false;
    // Where the document was fetched from; none for anything but a fetched file.
    std::optional<FetchOrigin> m_origin;
    bool m_handedBack = false;
    bool m_dumpFailureShown = false;
};

}  // namespace brxw
