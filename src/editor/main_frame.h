// SPDX-License-Identifier: GPL-3.0-or-later
// The message editor's frame: the program's main window, created at start-up and kept hidden
// until a message or a file is to be edited. Owns the view (the text), the document (what
// happens on opening and saving), the menus, the toolbar and the status bar. Closing it, or
// "Quit", saves the document instead: the document hides the frame once the text is handed back.
// When the program ends, a changed text is kept in "<name>.unsent" and nothing is asked.
// User-interface thread only.
#pragma once

#include <QMainWindow>
#include <QPlainTextEdit>
#include <functional>
#include <map>
#include <optional>

#include "editor/lock_keys.h"
#include "textwin/placement.h"

class QAction;
class QFileDialog;
class QLabel;
class QPrinter;
class QTimer;
class QToolBar;

namespace brxw {

class AppConfig;
class CBrxWeditDoc;
class EditorHost;

// The editor's view: the text in a fixed-pitch font, long lines wrapped on screen only.
class CBrxWeditView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CBrxWeditView(QWidget* parent = nullptr);
    // The text laid out on the printer's pages (also the print preview's), in the view's font at
    // the size it has on screen.
    void Print(QPrinter& printer) const;
};

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    enum class Command {
        Save,
        Print,
        PrintPreview,
        PrintSetup,
        Quit,
        Undo,
        Cut,
        Copy,
        Paste,
        New,
        Open,
        ToggleToolBar,
        ToggleStatusBar
    };

    // workingDirectory: where untitled documents and the diagnostic dumps are written; the
    // current directory when empty.
    explicit CMainFrame(AppConfig& config, QString workingDirectory = {},
                        QWidget* parent = nullptr);
    ~CMainFrame() override;

    CBrxWeditView* View() const { return m_view; }
    CBrxWeditDoc& Document() const { return *m_doc; }
    QAction* Action(Command command) const;
    QToolBar* ToolBar() const { return m_toolBar; }
    // The idle text "Ready", or the prompt of the command under the pointer.
    QString StatusText() const;
    // The three key indicators "MAJ", "NUM" and "DEF" (caps, num and scroll lock), as shown
    // (empty while the key is off).
    QString KeyIndicators() const;
    // Where the indicators learn the lock keys' state: asked when the frame is shown, when it
    // becomes active and every quarter second while it stays active (never while it is not).
    // Where it cannot tell, the indicators follow the lock keys pressed in the editor.
    std::function<std::optional<LockKeys>()> readLockKeys = ReadLockKeys;
    // Runs Open's file dialog (set up with its folder and places, the copies of what was sent
    // among them) and gives the file chosen, empty after Cancel; tests may answer it themselves.
    std::function<QString(QFileDialog& dialog)> runOpenDialog;

    // The control panel's side of the document; set once when the panel is created.
    void SetHost(EditorHost* host);
    // Moves the frame to the stored "Size_e" and "Position_e" (600 by 400 at 0, 0 by default),
    // then records every later move and resize.
    void RestorePlacement();
    // Opens a received file as the document; false when it cannot be read whole.
    bool OpenDocument(const QString& path);
    // The program ends and nobody may be there to answer: a changed text is kept in
    // "<name>.unsent" beside its file (or in the state or runtime folder when that folder cannot
    // take it), and the frame closes from now on without asking. Called by itself on the
    // application's quit request and on aboutToQuit (exit() included), acting on the first;
    // returns the file written, if any.
    QString KeepUnsentForQuit();
    // At start: where the text kept when the program last ended went, or that it could not be
    // kept, in a box that stays until read. Nothing when nothing was kept.
    void TellOfTextKeptAtEnd();
    const QString& DocumentPath() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    QAction* AddAction(Command command, const QString& text, const QString& prompt,
                       const QList<QKeySequence>& keys = {});
    void Run(Command command);
    QPrinter& Printer();
    void PrintWithDialog();
    void PrintPreview();
    void PrintSetup();
    void NewDocument();
    void OpenWithDialog();
    void ShowTextKept(const QString& path);
    void UpdateTitle();
    void FitFrame();
    void WritePair(const char* key, int a, int b);
    // Shows the lock keys' state; false (nothing changed) where the platform cannot tell.
    bool RefreshLockKeys();
    void ShowKey(int index, bool on);

    AppConfig& m_config;
    QString m_workingDirectory;
    CBrxWeditView* m_view;
    CBrxWeditDoc* m_doc;
    std::map<Command, QAction*> m_actions;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_ready = nullptr;
    QLabel* m_keys[3] = {};
    bool m_keyOn[3] = {};
    QTimer* m_lockKeyPoll = nullptr;  // runs only while the frame is the active window
    QPrinter* m_printer = nullptr;    // kept between print setup and printing
    bool m_placementSaving = false;
    bool m_frameFitted = false;
    bool m_quitting = false;
    Placement m_placement;
};

}  // namespace brxw
