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

namespace brxw {

class CBrxWeditView;
class EditorHost;

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

    // Loads the file into the view (a changed text it replaces is kept, see KeepUnsentText),
    // writes the diagnostic dump, and prepares the text as a message when the message-edit flag
    // is set. False, with the view unchanged, when the file
    // cannot be read whole.
    bool OnOpenDocument(const QString& path);
    // An empty, untitled document.
    void OnNewDocument();
    // Saves the text to path (the document's own file when empty) and asks "Send message" or
    // "Upload document". True after Yes or No (the editor is then hidden and emptied); false
    // after Cancel and when the text could not be written or handed over (the editor stays).
    bool OnSaveDocument(const QString& path);
    void DeleteContents();

    // The view's text as the file holds it: bytes of the Windows code page, CR LF between lines. A
    // character the code page lacks is shown as '?' from now on, so the text sent is the text seen.
    std::string EditorText();
    void SetEditorText(std::string_view text);

    // The question boxes and the warnings; tests may answer them without a box.
    std::function<QMessageBox::StandardButton(const QString& text)> ask;
    std::function<void(const QString& text)> warn;

signals:
    void PathChanged(const QString& path);
    // A changed text that a newly opened file replaced was written to path first.
    void TextKept(const QString& path);

private:
    bool WriteFile(const QString& path, std::string_view bytes);
    // Before a received file replaces a text the operator changed and has not handed back, the
    // text is written to "<name>.unsent" in the working directory.
    void KeepUnsentText();
    bool SaveMessage(const QString& path, bool written);
    bool SaveUpload(const QString& path, bool written);
    void HandedBack();
    void SetPath(const QString& path);

    CBrxWeditView& m_view;
    QWidget& m_frame;
    QString m_workingDirectory;
    EditorHost* m_host = nullptr;
    QString m_path;
};

}  // namespace brxw
