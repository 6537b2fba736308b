// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

#include "config/app_config.h"
#include "editor/edit_doc.h"
#include "editor/editor_icons.h"
#include "editor/kept_files.h"
#include "resources/toolbar_icons.h"
#include "textwin/text_print.h"
#include "textwin/window_log.h"

namespace brxw {

namespace {
constexpr const char* kTitle = "brxWedit";
constexpr const char* kIdle = QT_TRANSLATE_NOOP("brxw::CMainFrame", "Ready");
// Caps lock, num lock and scroll lock, as the status bar names them.
constexpr const char* kKeyNames[3] = {QT_TRANSLATE_NOOP("brxw::CMainFrame", "MAJ"),
                                      QT_TRANSLATE_NOOP("brxw::CMainFrame", "NUM"),
                                      QT_TRANSLATE_NOOP("brxw::CMainFrame", "DEF")};
constexpr int kLockKeys[3] = {Qt::Key_CapsLock, Qt::Key_NumLock, Qt::Key_ScrollLock};

// Sees the application's quit request (quit(), the session manager's end of the session) before
// the application asks every window to close, so the frame can close without a question.
class QuitWatcher : public QObject {
public:
    QuitWatcher(QObject* parent, std::function<void()> quitting)
        : QObject(parent), m_quitting(std::move(quitting)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) {
            m_quitting();
        }
        return false;
    }

private:
    std::function<void()> m_quitting;
};
// How often the lock keys are asked while the editor is active: their lights may change with the
// keyboard in another window's hands, or with no key event reaching the editor at all.
constexpr int kLockKeyPollMs = 250;
}  // namespace

CBrxWeditView::CBrxWeditView(QWidget* parent) : QPlainTextEdit(parent) {
    // Long lines wrap at the right edge on screen; no line break goes into the text.
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::TypeWriter);
    setFont(font);
}

void CBrxWeditView::Print(QPrinter& printer) const {
    // The text font is sized in screen pixels, which the printer would take as its own (a 1200-dpi
    // printer's): a copy of the text is printed in the font's size in points instead.
    const std::unique_ptr<QTextDocument> copy(document()->clone());
    copy->setDefaultFont(PaperFont(font(), logicalDpiY()));
    copy->print(&printer);
}

CMainFrame::CMainFrame(AppConfig& config, QString workingDirectory, QWidget* parent)
    : QMainWindow(parent),
      m_config(config),
      m_workingDirectory(workingDirectory.isEmpty() ? QDir::currentPath()
                                                    : std::move(workingDirectory)),
      m_view(new CBrxWeditView(this)),
      m_doc(new CBrxWeditDoc(*m_view, *this, m_workingDirectory)) {
    runOpenDialog = [](QFileDialog& dialog) {
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    m_doc->setParent(this);
    setWindowIcon(ProgramIcon());
    setCentralWidget(m_view);
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    connect(m_doc, &CBrxWeditDoc::PathChanged, this, &CMainFrame::UpdateTitle);
    connect(m_doc, &CBrxWeditDoc::TextKept, this, &CMainFrame::ShowTextKept);
    // However the program ends, nobody may be there to answer: the text is kept instead.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &CMainFrame::KeepUnsentForQuit);
    qApp->installEventFilter(new QuitWatcher(this, [this] { KeepUnsentForQuit(); }));
    connect(m_view, &QPlainTextEdit::undoAvailable, Action(Command::Undo), &QAction::setEnabled);
    connect(m_view, &QPlainTextEdit::copyAvailable, Action(Command::Cut), &QAction::setEnabled);
    connect(m_view, &QPlainTextEdit::copyAvailable, Action(Command::Copy), &QAction::setEnabled);
    Action(Command::Undo)->setEnabled(false);
    Action(Command::Cut)->setEnabled(false);
    Action(Command::Copy)->setEnabled(false);
    m_view->installEventFilter(this);
    UpdateTitle();
    // Out of sight until the application places it; nothing is recorded before that.
    move(2000, 2000);
}

CMainFrame::~CMainFrame() {
    delete m_printer;
}

QAction* CMainFrame::AddAction(Command command, const QString& text, const QString& prompt,
                               const QList<QKeySequence>& keys) {
    auto* action = new QAction(text, this);
    action->setStatusTip(prompt);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, command] { Run(command); });
    addAction(action);  // the shortcuts work with the menu bar closed
    m_actions[command] = action;
    return action;
}

QAction* CMainFrame::Action(Command command) const {
    const auto it = m_actions.find(command);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::BuildMenus() {
    using QKS = QKeySequence;
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(AddAction(Command::Save, tr("&Save\tCtrl+S"), tr("Saves the document"),
                              {QKS(Qt::CTRL | Qt::Key_S)}));
    file->addSeparator();
    file->addAction(AddAction(Command::Print, tr("&Print...\tCtrl+P"), tr("Prints the document"),
                              {QKS(Qt::CTRL | Qt::Key_P)}));
    file->addAction(AddAction(Command::PrintPreview, tr("Print pre&view"),
                              tr("Shows the document as it will be printed")));
    file->addAction(AddAction(Command::PrintSetup, tr("Print se&tup..."),
                              tr("Changes the printer and the page")));
    file->addSeparator();
    file->addAction(
        AddAction(Command::Quit, tr("&Quit"), tr("Hands the document back and closes the editor")));
    // New and Open have shortcuts only.
    AddAction(Command::New, tr("New"), tr("Creates a new document"), {QKS(Qt::CTRL | Qt::Key_N)});
    AddAction(Command::Open, tr("Open..."), tr("Opens an existing document"),
              {QKS(Qt::CTRL | Qt::Key_O)});

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(AddAction(Command::Undo, tr("&Undo\tCtrl+Z"), tr("Undoes the last action"),
                              {QKS(Qt::CTRL | Qt::Key_Z), QKS(Qt::ALT | Qt::Key_Backspace)}));
    edit->addSeparator();
    edit->addAction(AddAction(Command::Cut, tr("&Cut\tCtrl+X"),
                              tr("Cuts the selection and puts it on the clipboard"),
                              {QKS(Qt::CTRL | Qt::Key_X), QKS(Qt::SHIFT | Qt::Key_Delete)}));
    edit->addAction(AddAction(Command::Copy, tr("C&opy\tCtrl+C"),
                              tr("Copies the selection to the clipboard"),
                              {QKS(Qt::CTRL | Qt::Key_C), QKS(Qt::CTRL | Qt::Key_Insert)}));
    edit->addAction(AddAction(Command::Paste, tr("&Paste\tCtrl+V"),
                              tr("Inserts the clipboard's contents"),
                              {QKS(Qt::CTRL | Qt::Key_V), QKS(Qt::SHIFT | Qt::Key_Insert)}));

    QMenu* display = menuBar()->addMenu(tr("&Display"));
    QAction* bars[] = {
        AddAction(Command::ToggleToolBar, tr("&Toolbar"), tr("Shows or hides the toolbar")),
        AddAction(Command::ToggleStatusBar, tr("&Status bar"),
                  tr("Shows or hides the status bar"))};
    for (QAction* bar : bars) {
        bar->setCheckable(true);
        bar->setChecked(true);
        display->addAction(bar);
    }
}

void CMainFrame::BuildToolBar() {
    m_toolBar = new QToolBar(tr("Toolbar"), this);
    m_toolBar->setObjectName(QStringLiteral("editorToolBar"));
    m_toolBar->setIconSize(QSize(16, 15));
    m_toolBar->setMovable(true);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    const Command buttons[] = {Command::Save, Command::Cut, Command::Copy, Command::Paste,
                               Command::Print};
    for (const Command command : buttons) {
        QAction* action = Action(command);
        action->setIcon(EditorIcon(static_cast<int>(command)));
        action->setToolTip(
            action->text().section(u'\t', 0, 0).remove(u'&').remove(QStringLiteral("...")));
        m_toolBar->addAction(action);
        if (command == Command::Save || command == Command::Paste) {
            m_toolBar->addSeparator();
        }
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    // The frame's context menu hides and shows the toolbar too: Display > Toolbar follows it.
    connect(m_toolBar, &QToolBar::visibilityChanged, Action(Command::ToggleToolBar),
            &QAction::setChecked);
}

void CMainFrame::BuildStatusBar() {
    m_ready = new QLabel(tr(kIdle), this);
    statusBar()->addWidget(m_ready, 1);
    // Each pane keeps its width whether its key is on or off, so that a light going on moves
    // nothing; a language whose indicator is longer than the English ones widens them all.
    int paneWidth = fontMetrics().horizontalAdvance(QStringLiteral("MAJW"));
    for (const char* name : kKeyNames) {
        const QString shown = tr(name);
        if (shown != QLatin1String(name)) {
            paneWidth = std::max(paneWidth, fontMetrics().horizontalAdvance(shown + u'W'));
        }
    }
    for (int i = 0; i < 3; ++i) {
        m_keys[i] = new QLabel(this);
        m_keys[i]->setAlignment(Qt::AlignCenter);
        m_keys[i]->setFrameShape(QFrame::Panel);
        m_keys[i]->setFrameShadow(QFrame::Sunken);
        m_keys[i]->setMinimumWidth(paneWidth);
        statusBar()->addPermanentWidget(m_keys[i]);
    }
    m_lockKeyPoll = new QTimer(this);
    m_lockKeyPoll->setInterval(kLockKeyPollMs);
    connect(m_lockKeyPoll, &QTimer::timeout, this, &CMainFrame::RefreshLockKeys);
}

QString CMainFrame::StatusText() const {
    const QString prompt = statusBar()->currentMessage();
    return prompt.isEmpty() ? m_ready->text() : prompt;
}

QString CMainFrame::KeyIndicators() const {
    QStringList shown;
    for (QLabel* key : m_keys) {
        shown << key->text();
    }
    return shown.join(u' ');
}

void CMainFrame::ShowKey(int index, bool on) {
    m_keyOn[index] = on;
    m_keys[index]->setText(on ? tr(kKeyNames[index]) : QString());
}

bool CMainFrame::RefreshLockKeys() {
    const std::optional<LockKeys> keys = readLockKeys ? readLockKeys() : std::nullopt;
    if (!keys) {
        return false;
    }
    ShowKey(0, keys->caps);
    ShowKey(1, keys->num);
    ShowKey(2, keys->scroll);
    return true;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    // A lock key pressed or released in the editor: its light is read again at once (a lock may
    // go off only on the release). Where the platform cannot tell, the press toggles the last
    // known state.
    const bool press = event->type() == QEvent::KeyPress;
    if (watched == m_view && (press || event->type() == QEvent::KeyRelease)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        for (int i = 0; i < 3; ++i) {
            if (key == kLockKeys[i] && !RefreshLockKeys() && press) {
                ShowKey(i, !m_keyOn[i]);
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow()) {
            RefreshLockKeys();
            m_lockKeyPoll->start();
        } else {
            m_lockKeyPoll->stop();
        }
    }
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    RefreshLockKeys();
}

void CMainFrame::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    m_lockKeyPoll->stop();
}

void CMainFrame::SetHost(EditorHost* host) {
    m_doc->SetHost(host);
}

const QString& CMainFrame::DocumentPath() const {
    return m_doc->PathName();
}

bool CMainFrame::OpenDocument(const QString& path) {
    return m_doc->OnOpenDocument(path);
}

void CMainFrame::UpdateTitle() {
    const QString path = m_doc->PathName();
    const QString name = path.isEmpty() ? tr("Untitled") : QFileInfo(path).fileName();
    setWindowTitle(name + QStringLiteral(" - ") + QString::fromLatin1(kTitle));
}

void CMainFrame::Run(Command command) {
    switch (command) {
        case Command::Save:
            m_doc->OnSaveDocument(m_doc->PathName());
            break;
        case Command::Print:
            PrintWithDialog();
            break;
        case Command::PrintPreview:
            PrintPreview();
            break;
        case Command::PrintSetup:
            PrintSetup();
            break;
        case Command::Quit:
            close();
            break;
        case Command::Undo:
            m_view->undo();
            break;
        case Command::Cut:
            m_view->cut();
            break;
        case Command::Copy:
            m_view->copy();
            break;
        case Command::Paste:
            m_view->paste();
            break;
        case Command::New:
            NewDocument();
            break;
        case Command::Open:
            OpenWithDialog();
            break;
        case Command::ToggleToolBar:
            m_toolBar->setVisible(Action(command)->isChecked());
            break;
        case Command::ToggleStatusBar:
            statusBar()->setVisible(Action(command)->isChecked());
            break;
    }
}

void CMainFrame::NewDocument() {
    if (m_doc->SaveModified()) {
        m_doc->OnNewDocument();
    }
}

void CMainFrame::OpenWithDialog() {
    if (!m_doc->SaveModified()) {
        return;
    }
    const QString start =
        DocumentPath().isEmpty() ? m_workingDirectory : QFileInfo(DocumentPath()).path();
    QFileDialog dialog(this, tr("Open"), start, tr("All Files (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Qt's own dialog, whose places can offer the copies of what was sent (a desktop's dialog
    // shows only its own).
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QString sent = m_doc->sentFolder();
    MakePrivateFolder(sent);
    QList<QUrl> places = dialog.sidebarUrls();
    places << QUrl::fromLocalFile(sent);
    dialog.setSidebarUrls(places);
    const QString path = runOpenDialog ? runOpenDialog(dialog) : QString();
    if (!path.isEmpty()) {
        m_doc->OnOpenDocument(path, CBrxWeditDoc::OpenedBy::Operator);
    }
}

void CMainFrame::ShowTextKept(const QString& path) {
    // A box that stays until read, without stopping the reception that replaced the text.
    auto* box = new QMessageBox(QMessageBox::Information, tr("Editor"),
                                tr("A new file arrived while you were editing. The text you were "
                                   "editing is kept in\n%1")
                                    .arg(QDir::toNativeSeparators(path)),
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("textKeptBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->show();
}

void CMainFrame::TellOfTextKeptAtEnd() {
    const std::optional<KeptText> kept = TakeEndNote();
    if (!kept) {
        return;
    }
    QString text = kept->path.isEmpty()
                       ? tr("When brxW last ended, the text you were editing could not be kept.")
                       : tr("When brxW last ended, the text you were editing was kept in\n%1")
                             .arg(QDir::toNativeSeparators(kept->path));
    if (!kept->failures.isEmpty()) {
        text += QStringLiteral("\n\n") + kept->failures.join(u'\n');
    }
    auto* box =
        new QMessageBox(kept->path.isEmpty() ? QMessageBox::Warning : QMessageBox::Information,
                        tr("Editor"), text, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("textKeptAtEndBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->show();
}

QString CMainFrame::KeepUnsentForQuit() {
    // Asked on the quit request and again as the event loop ends: kept (or told lost) once.
    if (m_quitting) {
        return {};
    }
    m_quitting = true;
    return m_doc->KeepUnsentForQuit();
}

QPrinter& CMainFrame::Printer() {
    // One printer for the frame's life, so print setup's choices last until the next print.
    if (m_printer == nullptr) {
        m_printer = new QPrinter(QPrinter::HighResolution);
    }
    return *m_printer;
}

void CMainFrame::PrintWithDialog() {
    QPrintDialog dialog(&Printer(), this);
    if (dialog.exec() == QDialog::Accepted) {
        m_view->Print(Printer());
    }
}

void CMainFrame::PrintPreview() {
    QPrintPreviewDialog preview(&Printer(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { m_view->Print(*printer); });
    preview.exec();
}

void CMainFrame::PrintSetup() {
    QPageSetupDialog dialog(&Printer(), this);
    dialog.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_quitting) {
        event->accept();  // the program ends; the text is kept already
        return;
    }
    // Closing hands the document back instead; the document hides the frame after Yes or No.
    event->ignore();
    m_doc->OnSaveDocument(m_doc->PathName());
}

void CMainFrame::WritePair(const char* key, int a, int b) {
    char value[32];
    std::snprintf(value, sizeof value, "%04d %04d", a, b);
    m_config.WriteSetting(kSettingsSection, key, value);
}

void CMainFrame::RestorePlacement() {
    // "Size_e" and "Position_e" live in "Settings", not in a profile's section.
    m_placement = Placement{0, 0, 600, 400};
    std::string value;
    if (m_config.ReadSetting(kSettingsSection, "Size_e", value)) {
        int w = 0;
        int h = 0;
        if (std::sscanf(value.c_str(), "%d %d", &w, &h) == 2 && w > 0 && h > 0) {
            m_placement.width = w;
            m_placement.height = h;
            if (m_config.ReadSetting(kSettingsSection, "Position_e", value)) {
                int x = 0;
                int y = 0;
                if (std::sscanf(value.c_str(), "%d %d", &x, &y) == 2) {
                    m_placement.x = x;
                    m_placement.y = y;
                }
            }
        }
    }
    m_placement = ClampPlacement(m_placement);
    move(m_placement.x, m_placement.y);
    resize(m_placement.width, m_placement.height);
    m_frameFitted = false;
    m_placementSaving = true;
}

void CMainFrame::FitFrame() {
    // The stored size is the whole window's; once the window system has framed the window, the
    // inside is made smaller by the frame so the whole comes out as stored.
    if (m_frameFitted || !m_placementSaving || !isVisible()) {
        return;
    }
    const QSize frame = frameGeometry().size() - geometry().size();
    if (frame.width() <= 0 && frame.height() <= 0) {
        return;
    }
    m_frameFitted = true;
    resize(std::max(1, m_placement.width - frame.width()),
           std::max(1, m_placement.height - frame.height()));
}

void CMainFrame::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    FitFrame();
    if (m_placementSaving) {
        const QRect frame = frameGeometry();
        WritePair("Position_e", frame.left(), frame.top());
    }
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (m_placementSaving) {
        const QRect frame = frameGeometry();
        WritePair("Size_e", frame.width(), frame.height());
    }
}

}  // namespace brxw
