// The message editor's frame: the program's main window, created at start-up and kept hidden
// until a message or a file is to be edited. Owns the editor's view. User-interface thread only.
#pragma once

#include <QMainWindow>
#include <QPlainTextEdit>

namespace brxw {

class AppConfig;

// The editor's view: a plain-text editor over the document's text.
class CBrxWeditView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CBrxWeditView(QWidget* parent = nullptr);
};

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(AppConfig& config, QWidget* parent = nullptr);

    CBrxWeditView* View() const { return m_view; }
    // Moves the frame to the stored "Size_e" and "Position_e" (600 by 400 at 0, 0 by default).
    void RestorePlacement();
    // Shows the file (Windows-1252 text) as the editor's document; false when it cannot be read.
    bool OpenDocument(const QString& path);
    const QString& DocumentPath() const { return m_documentPath; }

private:
    AppConfig& m_config;
    CBrxWeditView* m_view;
    QString m_documentPath;
};

}  // namespace brxw
