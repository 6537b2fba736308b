#include "panel/control_panel.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
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
    BuildMenus();
    BuildCentralArea();
    BuildStatusBar();
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

QAction* CControlPanel::AddCommand(QMenu* menu, const QString& text, int command) {
    QAction* action = menu->addAction(text);
    connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
    m_actions[command] = action;
    return action;
}

QAction* CControlPanel::Action(int command) const {
    auto it = m_actions.find(command);
    return it == m_actions.end() ? nullptr : it->second;
}

void CControlPanel::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    AddCommand(file, QStringLiteral("&Exit\tAltF4"), cmd::kExit);

    QMenu* connectMenu = menuBar()->addMenu(QStringLiteral("&Connect"));
    for (int n = 0; n < cmd::kRemoteCount; ++n) {
        QAction* item =
            AddCommand(connectMenu, QStringLiteral("Remote &%1").arg(n + 1), cmd::kConnectRemote0 + n);
        item->setCheckable(true);
    }
    connectMenu->addSeparator();
    AddCommand(connectMenu, QStringLiteral("&Disconnect"), cmd::kDisconnect)->setEnabled(false);
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

void CControlPanel::BuildStatusBar() {
    m_pane0 = new QLabel(QString::fromLatin1(str::kNotConnected), this);
    m_pane0->setFixedWidth(kPane0Width);
    m_pane1 = new QLabel(this);
    statusBar()->addWidget(m_pane0);
    statusBar()->addWidget(m_pane1, 1);
    statusBar()->setSizeGripEnabled(false);
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

void CControlPanel::OnCommand(int command) {
    if (command >= cmd::kConnectRemote0 && command < cmd::kConnectRemote0 + cmd::kRemoteCount) {
        m_session->Connect(command - cmd::kConnectRemote0);
    } else if (command == cmd::kDisconnect) {
        if (m_session->LoggedIn()) {
            m_session->Disconnect();
        }
    } else if (command == cmd::kExit) {
        close();
    }
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
    Action(cmd::kDisconnect)->setEnabled(loggedIn);
    if (loggedIn) {
        SetStatusText(str::kInitializing);
        m_pane1->setText(QString::fromLatin1(str::kRunning));
        emit LoggedIn();
        return;
    }
    SetTitle(str::kPanelTitleNotConnected);
    for (int n = 0; n < cmd::kRemoteCount; ++n) {
        SetConnectItemChecked(cmd::kConnectRemote0 + n, false);
    }
    m_dispatcher->SessionEnded();
    m_pane1->clear();
    SetStatusText(str::kNotConnected);
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
