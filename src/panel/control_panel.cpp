#include "panel/control_panel.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>

#include "config/app_config.h"
#include "config/text_scan.h"
#include "resources/command_ids.h"
#include "resources/strings.h"
#include "panel/about_dlg.h"
#include "panel/toolbar_icons.h"
#include "textwin/charset.h"

namespace brxw {

namespace {
constexpr int kPane0Width = 250;
}

CControlPanel::CControlPanel(AppConfig& config, Session::Timing timing, CMainFrame* editorFrame,
                             QString workingDirectory, QWidget* parent)
    : QMainWindow(parent),
      m_config(config),
      m_editorFrame(editorFrame),
      m_session(std::make_unique<Session>(config, *this, timing)),
      m_dispatcher(std::make_unique<Dispatcher>(
          m_session->Queue(), *this,
          workingDirectory.isEmpty() ? QDir::currentPath() : workingDirectory)) {
    setWindowTitle(QString::fromLatin1(str::kPanelTitle));
    setWindowFlag(Qt::Window);
    setWindowIcon(ProgramIcon());
    BuildMenus();
    BuildToolBar();
    BuildCentralArea();
    BuildStatusBar();
    HideAdministrationButtons();
    UpdateCommandStates();
}

CControlPanel::~CControlPanel() {
    SavePosition();
    // The session (and its receive thread) goes before the windows it reports to.
    m_session.reset();
    m_dispatcher.reset();
    if (m_waitCursor) {
        QApplication::restoreOverrideCursor();
    }
}

void CControlPanel::BuildCentralArea() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(8, 6, 8, 6);
    auto* header =
        new QLabel(QStringLiteral("Ch Callsign          Start   Time    Rt Buf C/Fwd"), central);
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPixelSize(13);
    header->setFont(fixed);
    auto* stations = new QListWidget(central);
    stations->setFont(fixed);
    stations->setMinimumSize(header->sizeHint().width() + 24, 14 * 8);
    layout->addWidget(header);
    layout->addWidget(stations, 1);
    setCentralWidget(central);
}

void CControlPanel::NameConnectItems() {
    for (int n = 0; n < cmd::kRemoteCount; ++n) {
        const RemoteConfig profile = m_config.LoadProfile(n);
        Action(cmd::kConnectRemote0 + n)->setText(AnsiToQString(profile.name));
    }
}

void CControlPanel::Initialise(std::string startupName) {
    std::string position;
    if (m_config.ReadSetting(kSettingsSection, "Position", position)) {
        const auto xy = ScanLongs(position, 2);
        const long x = xy.empty() ? 0 : xy[0];
        const long y = xy.size() < 2 ? 0 : xy[1];
        // A negative left edge is where a minimised window was stored: leave the window be.
        if (x >= 0) {
            move(static_cast<int>(std::min(x, 100000L)),
                 static_cast<int>(std::clamp(y, -100000L, 100000L)));
        }
    } else {
        move(0, 0);
    }
    NameConnectItems();
    SetStatusText(str::kNotConnected);
    m_pane1->clear();
    m_session->Start(std::move(startupName));
}

bool CControlPanel::HasHandler(int command) const {
    switch (command) {
        case cmd::kExit:
        case cmd::kDisconnect:
        case cmd::kAbout:
        case cmd::kCopyright:
        case cmd::kEditMessageProperties:
        case cmd::kEditUserProperties:
        case cmd::kPendingForward: return true;
        default:
            return command >= cmd::kConnectRemote0 &&
                   command < cmd::kConnectRemote0 + cmd::kRemoteCount;
    }
}

void CControlPanel::OnCommand(int command) {
    if (command >= cmd::kConnectRemote0 && command < cmd::kConnectRemote0 + cmd::kRemoteCount) {
        m_session->Connect(command - cmd::kConnectRemote0);
        return;
    }
    switch (command) {
        case cmd::kDisconnect:
            if (m_session->LoggedIn()) {
                m_session->Disconnect();
            }
            break;
        case cmd::kExit: close(); break;
        case cmd::kAbout: CAboutDlg(this).exec(); break;
        case cmd::kCopyright: CCopyrightDlg(this).exec(); break;
        // The replies to these requests open their dialogs.
        case cmd::kEditMessageProperties: m_session->SendFrame(kind::kMessageRecords, "LIST"); break;
        case cmd::kEditUserProperties: m_session->SendFrame(kind::kUserRecords, "LIST"); break;
        case cmd::kPendingForward:
            if (!PendingForwardOpen()) {
                m_session->SendFrame(kind::kForward, "LIST");
            }
            break;
        default: break;
    }
}

void CControlPanel::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape never close the panel.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

QString CControlPanel::StatusText() const { return m_pane0->text(); }
QString CControlPanel::RunningText() const { return m_pane1->text(); }

void CControlPanel::SetStatusText(const std::string& text) { m_pane0->setText(AnsiToQString(text)); }

void CControlPanel::SetTitle(const std::string& title) { setWindowTitle(AnsiToQString(title)); }

void CControlPanel::ShowWarning(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::Warning, AnsiToQString(caption), AnsiToQString(text),
                    QMessageBox::Ok, this);
    box.exec();
}

void CControlPanel::SetCounterChecks(bool, bool) {
    // The Status and Messages check boxes arrive with the counters.
}

void CControlPanel::SetConnectItemChecked(int command, bool checked) {
    if (QAction* item = Action(command)) {
        item->setChecked(checked);
    }
}

void CControlPanel::SetWaitCursor(bool waiting) {
    if (waiting == m_waitCursor) {
        return;
    }
    m_waitCursor = waiting;
    if (waiting) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void CControlPanel::EmptyStationList() {
    // The station list arrives with its own change.
}

void CControlPanel::RestoreWindows(bool, bool) {
    // The traffic windows arrive with their own change.
}

void CControlPanel::SessionStateChanged(bool loggedIn) {
    if (loggedIn) {
        SetStatusText(str::kInitializing);
        m_pane1->setText(QString::fromLatin1(str::kRunning));
        UpdateCommandStates();
        emit LoggedIn();
        return;
    }
    SetTitle(str::kPanelTitleNotConnected);
    for (int n = 0; n < cmd::kRemoteCount; ++n) {
        SetConnectItemChecked(cmd::kConnectRemote0 + n, false);
    }
    HideAdministrationButtons();
    m_dispatcher->SessionEnded();
    m_pane1->clear();
    SetStatusText(str::kNotConnected);
    UpdateCommandStates();
}

void CControlPanel::FrameQueued() { m_dispatcher->DispatchOne(); }

void CControlPanel::SavePosition() {
    if (m_positionSaved) {
        return;
    }
    m_positionSaved = true;
    const QPoint topLeft = frameGeometry().topLeft();
    m_config.WriteSetting(kSettingsSection, "Position", FormatPair(topLeft.x(), topLeft.y()));
}

void CControlPanel::closeEvent(QCloseEvent* event) {
    SavePosition();
    event->accept();
    // Closing the panel ends the program, editor frame included, without asking anything.
    QApplication::quit();
}

}  // namespace brxw
