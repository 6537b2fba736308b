// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/control_panel.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QMessageBox>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <optional>

#include "admin/admin_dialogs.h"
#include "alerts/alerts_notifier.h"
#include "config/app_config.h"
#include "config/password_store.h"
#ifdef BRXW_HAVE_KEYRING
#include "config/keyring_store.h"
#endif
#include "editor/main_frame.h"
#include "link/frame.h"
#include "link/traffic_colour.h"
#include "panel/about_dlg.h"
#include "panel/connection_log_dlg.h"
#include "panel/counter_panel.h"
#include "panel/counters.h"
#include "panel/pactor_menu.h"
#include "panel/panel_editor_host.h"
#include "panel/server_option_items.h"
#include "panel/station_list_view.h"
#include "panel/user_guide.h"
#include "resources/command_ids.h"
#include "resources/strings.h"
#include "resources/toolbar_icons.h"
#include "resources/translate.h"
#include "settings/font_mapping.h"
#include "settings/settings_dlg.h"
#include "settings/setup_dlg.h"
#include "text/charset.h"
#include "text/text_scan.h"
#include "textwin/console_dlg.h"
#include "textwin/text_wnd.h"
#include "textwin/traffic_dlg.h"
#include "textwin/window_log.h"

namespace brxw {

CControlPanel::CControlPanel(AppConfig& config, Session::Timing timing, CMainFrame* editorFrame,
                             QString workingDirectory, QWidget* parent)
    : QMainWindow(parent),
      m_config(config),
      m_editorFrame(editorFrame),
#ifdef BRXW_HAVE_KEYRING
      m_keyring(std::make_unique<KeyringStore>()),
#endif
      m_session(std::make_unique<Session>(config, *this, timing)),
      m_dispatcher(std::make_unique<Dispatcher>(
          m_session->Queue(), *this,
          workingDirectory.isEmpty() ? QDir::currentPath() : workingDirectory)),
      m_settings(config) {
    setWindowTitle(QString::fromLatin1(str::kPanelTitle));
    m_session->SetPasswordStore(m_keyring.get());
    setWindowFlag(Qt::Window);
    setWindowIcon(ProgramIcon());
    // The text font comes from "Font_Name" and "Font_Params", or the defaults when either is
    // missing or unusable.
    m_textFont = FontFromParams(PanelSettings::ReadFont(m_config));
    if (m_editorFrame != nullptr) {
        m_editorFrame->View()->setFont(m_textFont);
        m_editorHost = std::make_unique<PanelEditorHost>(*this);
        m_editorFrame->SetHost(m_editorHost.get());
    }
    CreateTextWindows();
    BuildMenus();
    BuildToolBar();
    BuildCommandKeys();
    BuildServerControls();
    BuildCentralArea();
    BuildStatusBar();
    // The scheme of BrxW.ini from the first paint on (the classic one leaves the system's
    // window colours alone).
    ApplyColours(LoadColourScheme(m_config));
    m_alerts = new CAlertsNotifier(
        statusBar(), [this] { return m_ansiChar; }, this);
    m_alerts->Configure(LoadAlertSettings(m_config));
    HideAdministrationButtons();
    UpdateCommandStates();
    m_config.SetFailureHandler(
        [this](const QString& message, bool repeated) { ReportConfigFailure(message, repeated); });
}

void CControlPanel::ReportConfigFailure(const QString& message, bool repeated) {
    std::fprintf(stderr, "brxw: %s\n", qPrintable(message));
    statusBar()->showMessage(message);
    if (m_collectConfigFailures) {
        if (m_collectedConfigFailure.isEmpty()) {
            m_collectedConfigFailure = message;
        }
        return;
    }
    if (repeated || m_configFailureBox) {
        return;
    }
    // Not modal to the program: the write may come from a move or a closing dialog, which must
    // go on; the box stays until the sysop has read it.
    m_configFailureBox =
        new QMessageBox(QMessageBox::Warning, QString::fromLatin1(str::kPanelTitle), message,
                        QMessageBox::Ok, this);
    m_configFailureBox->setAttribute(Qt::WA_DeleteOnClose);
    m_configFailureBox->open();
}

CControlPanel::~CControlPanel() {
    // Nothing more is shown: a failure to store the place goes to stderr only.
    m_config.SetFailureHandler([](const QString& message, bool) {
        std::fprintf(stderr, "brxw: %s\n", qPrintable(message));
    });
    SavePosition();
    if (m_editorFrame != nullptr) {
        m_editorFrame->SetHost(nullptr);
    }
    // The session (and its receive thread) goes before the windows it reports to.
    m_session.reset();
    m_dispatcher.reset();
    // The lines the windows have not completed are written, the log files closed.
    m_logs->Shutdown();
    if (m_waitCursor) {
        QApplication::restoreOverrideCursor();
    }
}

void CControlPanel::BuildCentralArea() {
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(10);
    m_stationView = new CStationListView(m_stations, central);
    m_stationView->SetFont(m_textFont);
    layout->addWidget(m_stationView, 1);
    auto* counters = new QVBoxLayout;
    m_statusPanel = new CCounterPanel(QString::fromLatin1(counter_text::kStatusCaption), central);
    m_messagesPanel =
        new CCounterPanel(QString::fromLatin1(counter_text::kMessagesCaption), central);
    for (CCounterPanel* panel : {m_statusPanel, m_messagesPanel}) {
        counters->addWidget(panel);
    }
    SizeCounters();
    counters->addStretch(1);
    layout->addLayout(counters);
    setCentralWidget(central);

    connect(m_statusPanel, &CCounterPanel::toggled, this,
            [this](bool checked) { OnCounterToggled(true, checked); });
    connect(m_messagesPanel, &CCounterPanel::toggled, this,
            [this](bool checked) { OnCounterToggled(false, checked); });
    connect(m_stationView, &CStationListView::SelectionChangedByOperator, this,
            &CControlPanel::OnStationSelectionChanged);
    connect(m_stationView, &CStationListView::StationDoubleClicked, this,
            [this] { OnCommand(cmd::kOneChannelWindow); });
    connect(m_stationView, &CStationListView::StationActivated, this,
            &CControlPanel::ActivateStation);
    connect(m_stationView, &CStationListView::StationMenuWanted, this,
            &CControlPanel::ShowStationMenu);
    // Any change of the selection, also a press below the last row that clears it, changes
    // which station commands apply.
    connect(m_stationView->ListView()->selectionModel(), &QItemSelectionModel::selectionChanged,
            this, [this] { UpdateCommandStates(); });
}

void CControlPanel::NameConnectItems() {
    for (int n = 0; n < cmd::kRemoteCount; ++n) {
        const RemoteConfig profile = m_config.LoadProfile(n);
        Action(cmd::kConnectRemote0 + n)->setText(AnsiToQString(profile.name));
        Action(cmd::kConfigRemote0 + n)->setText(AnsiToQString(profile.name));
        Action(cmd::kConfigRemote0 + n)->setChecked(profile.autoConnect != 0);
    }
}

void CControlPanel::RunSetupDialog(int n) {
    m_collectConfigFailures = true;
    m_collectedConfigFailure.clear();
#ifdef BRXW_HAVE_KEYRING
    const auto outcome =
        RunSetup(m_config, n, this, m_keyring.get(), KeyringStore::UnavailableReason());
#else
    const auto outcome = RunSetup(m_config, n, this);
#endif
    m_collectConfigFailures = false;
    if (!outcome) {
        return;  // cancelled: nothing changes
    }
    Action(outcome->connectCommand)->setText(AnsiToQString(outcome->itemText));
    Action(outcome->configCommand)->setText(AnsiToQString(outcome->itemText));
    for (const MenuCheck& check : outcome->configChecks) {
        if (QAction* item = Action(check.command)) {
            item->setChecked(check.checked);
        }
    }
    if (!outcome->saved) {
        // The store's message names the file and the system's reason.
        ShowWarning(QStringToAnsi(tr("Setup")),
                    QStringToAnsi(tr("The configuration could not be written. %1")
                                      .arg(m_collectedConfigFailure.isEmpty()
                                               ? tr("Cannot write %1.").arg(m_config.Store().Path())
                                               : m_collectedConfigFailure)));
    }
    if (!outcome->keyringProblem.empty()) {
        ShowWarning(QStringToAnsi(tr("Setup")), outcome->keyringProblem);
    }
    // Log files are named after the profile: a renamed one names the next lines' files.
    m_logs->ProfileEdited();
}

void CControlPanel::RunSettingsDialog() {
    CSettingsDlg dialog(m_settings, m_textFont, this);
    connect(&dialog, &CSettingsDlg::fontChanged, this, &CControlPanel::ApplyTextFont);
    connect(&dialog, &CSettingsDlg::ansiCharChanged, this,
            [this](int ansi) { ApplyAnsiChar(ansi != 0); });
    dialog.exec();
    if (m_consoleCreated) {
        m_console->FocusInput();
    }
}

void CControlPanel::ForEachCreatedTrafficWindow(const std::function<void(CTrafficDlg&)>& action) {
    const std::pair<CTrafficDlg*, bool> windows[] = {{m_monitoring, m_monitoringCreated},
                                                     {m_allChannels, m_allChannelsCreated},
                                                     {m_oneChannel, m_oneChannelCreated}};
    for (const auto& [window, created] : windows) {
        if (created) {
            action(*window);
        }
    }
}

void CControlPanel::SizeCounters() {
    // The figures are as large as the traffic's text, and never smaller than the system's.
    QFont font = QApplication::font();
    const int textPixels = QFontInfo(m_textFont).pixelSize();
    if (textPixels > QFontInfo(font).pixelSize()) {
        font.setPixelSize(textPixels);
    }
    for (CCounterPanel* panel : {m_statusPanel, m_messagesPanel}) {
        panel->setFont(font);
        // Room for the widest figures from the start: a top-level window does not grow by
        // itself when a longer value arrives later.
        panel->setMinimumWidth(panel->sizeHint().width());
    }
}

void CControlPanel::ApplyTextFont(const QFont& font) {
    m_textFont = font;
    m_stationView->SetFont(font);
    SizeCounters();
    if (m_consoleCreated) {
        m_console->SetTextFont(font, true);
    }
    ForEachCreatedTrafficWindow([&font](CTrafficDlg& window) { window.SetTextFont(font, true); });
    if (m_editorFrame != nullptr) {
        m_editorFrame->View()->setFont(font);
    }
}

void CControlPanel::ApplyAnsiChar(bool ansi) {
    m_ansiChar = ansi;
    if (m_consoleCreated) {
        m_console->SetAnsiMode(ansi);
    }
    ForEachCreatedTrafficWindow([ansi](CTrafficDlg& window) { window.SetAnsiMode(ansi); });
}

void CControlPanel::Initialise(std::string startupName) {
    std::optional<QPoint> place;
    std::string position;
    if (m_config.ReadSetting(kSettingsSection, "Position", position)) {
        const auto xy = ScanLongs(position, 2);
        const long x = xy.empty() ? 0 : xy[0];
        const long y = xy.size() < 2 ? 0 : xy[1];
        // A negative left edge is where a minimised window was stored: leave the window be.
        if (x >= 0) {
            place = QPoint(static_cast<int>(std::min(x, 100000L)),
                           static_cast<int>(std::clamp(y, -100000L, 100000L)));
        }
    } else {
        place = QPoint(0, 0);
    }
    if (place) {
        PlaceFrame(*place);
    }
    // A file that exists but cannot be read gives every default, auto-connect off: say so.
    m_config.CheckReadable();
    NameConnectItems();
    // Each stored setting, or its default, becomes current (and is written back when absent).
    m_settings.Load();
    m_logs->Load();
    m_ansiChar = m_settings.AnsiChar() != 0;
    SetStatusText(TrAnsi("brxw::str", str::kNotConnected));
    m_pane1->clear();
    m_session->Start(std::move(startupName));
}

bool CControlPanel::HasHandler(int command) const {
    switch (command) {
        case cmd::kExit:
        case cmd::kDisconnect:
        case cmd::kConnectionLog:
        case cmd::kPreferences:
        case cmd::kAbout:
        case cmd::kCopyright:
        case cmd::kUserGuide:
        case cmd::kEditMessageProperties:
        case cmd::kEditUserProperties:
        case cmd::kPendingForward:
        case cmd::kOpenConfigFile:
        case cmd::kConsoleWindow:
        case cmd::kMonitoringWindow:
        case cmd::kAllChannelsWindow:
        case cmd::kOneChannelWindow:
        case cmd::kDisconnectChannel:
        case cmd::kImmediateDisconnect:
        case cmd::kSettings:
        case cmd::kPactorScan:
        case cmd::kPactorReceive:
        case cmd::kPactorSend:
            return true;
        default:
            return (command >= cmd::kConnectRemote0 &&
                    command < cmd::kConnectRemote0 + cmd::kRemoteCount) ||
                   (command >= cmd::kConfigRemote0 &&
                    command < cmd::kConfigRemote0 + cmd::kRemoteCount);
    }
}

void CControlPanel::OnCommand(int command) {
    if (command >= cmd::kConnectRemote0 && command < cmd::kConnectRemote0 + cmd::kRemoteCount) {
        m_session->Connect(command - cmd::kConnectRemote0);
        return;
    }
    if (command >= cmd::kConfigRemote0 && command < cmd::kConfigRemote0 + cmd::kRemoteCount) {
        RunSetupDialog(command - cmd::kConfigRemote0);
        return;
    }
    if (ServerOptions::IsOptionCommand(command)) {
        m_optionItems->Toggle(command);
        return;
    }
    switch (command) {
        case cmd::kDisconnect:
            if (m_session->Active()) {
                m_session->Disconnect();
            }
            break;
        case cmd::kConnectionLog:
            ShowConnectionLog();
            break;
        case cmd::kExit:
            close();
            break;
        case cmd::kSettings:
            RunSettingsDialog();
            break;
        case cmd::kPreferences:
            OpenPreferences();
            break;
        // A window the operator turns on gets the keyboard; turned off, the keyboard stays
        // where it was.
        case cmd::kConsoleWindow:
            ToggleConsole();
            m_focusConsoleOnShow = false;
            if (m_consoleCreated && (m_session->Options() & category::kConsole) != 0) {
                if (m_console->isVisible()) {
                    FocusTextWindow(*m_console);
                } else {
                    m_focusConsoleOnShow = true;
                }
            }
            break;
        case cmd::kMonitoringWindow:
            ToggleMonitoring();
            if (m_monitoring->isVisible()) {
                FocusTextWindow(*m_monitoring);
            }
            break;
        case cmd::kAllChannelsWindow:
            ToggleAllChannels();
            if (m_allChannels->isVisible()) {
                FocusTextWindow(*m_allChannels);
            }
            break;
        case cmd::kOneChannelWindow:
            ToggleOneChannel();
            if (m_oneChannel->isVisible()) {
                FocusTextWindow(*m_oneChannel);
            }
            break;
        case cmd::kDisconnectChannel:
            DisconnectStation(false);
            break;
        case cmd::kImmediateDisconnect:
            DisconnectStation(true);
            break;
        case cmd::kAbout:
            CAboutDlg(this).exec();
            break;
        case cmd::kCopyright:
            CCopyrightDlg(this).exec();
            break;
        case cmd::kUserGuide:
            OpenUserGuide();
            break;
        case cmd::kPactorScan:
        case cmd::kPactorReceive:
        case cmd::kPactorSend:
            m_pactor->Press(command);
            break;
        // The replies to these requests open their dialogs.
        case cmd::kEditMessageProperties:
            m_admin->RequestList(kind::kMessageRecords);
            break;
        case cmd::kEditUserProperties:
            m_admin->RequestList(kind::kUserRecords);
            break;
        case cmd::kOpenConfigFile:
            m_admin->RunRemoteFiles();
            break;
        case cmd::kPendingForward:
            m_admin->RequestList(kind::kForward);
            break;
        default:
            break;
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

QString CControlPanel::StatusText() const {
    return m_pane0->text();
}
QString CControlPanel::RunningText() const {
    return m_pane1->text();
}

void CControlPanel::SetStatusText(const std::string& text) {
    // The next state text, the countdown's first tick among them, ends a link report.
    statusBar()->clearMessage();
    const QString shown = AnsiToQString(text);
    m_pane0->setText(shown);
    m_pane0->setToolTip(PlainTextTip(shown));
    m_pane0->setAccessibleName(shown);
    // Every step of an attempt passes here: Disconnect follows whether one is under way.
    UpdateCommandStates();
}

void CControlPanel::SetTitle(const std::string& title) {
    setWindowTitle(AnsiToQString(title));
}

void CControlPanel::ShowWarning(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::Warning, AnsiToQString(caption), AnsiToQString(text),
                    QMessageBox::Ok, this);
    box.exec();
}

void CControlPanel::ShowLinkWarning(const std::string& caption, const std::string& text) {
    // Not modal: the countdown runs on, Disconnect stays at hand, and a later failure while the
    // box still shows takes its place rather than piling another box on it.
    if (m_linkBox == nullptr) {
        m_linkBox =
            new QMessageBox(QMessageBox::Warning, QString(), QString(), QMessageBox::Ok, this);
        m_linkBox->setAttribute(Qt::WA_DeleteOnClose);
        m_linkBox->setWindowModality(Qt::NonModal);
    }
    m_linkBox->setWindowTitle(AnsiToQString(caption));
    m_linkBox->setText(AnsiToQString(text));
    m_linkBox->show();
    m_linkBox->raise();
}

void CControlPanel::SetChecked(int command, bool checked) {
    if (QAction* item = Action(command)) {
        item->setChecked(checked);
    }
}

void CControlPanel::SetConnectItemChecked(int command, bool checked) {
    SetChecked(command, checked);
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

void CControlPanel::SessionStateChanged(bool loggedIn) {
    if (loggedIn) {
        m_alerts->SessionStarted();
        m_admin->SessionStarted(m_session->Remote().name);
        SetStatusText(TrAnsi("brxw::str", str::kInitializing));
        m_pane1->setText(Tr("brxw::str", str::kRunning));
        UpdateCommandStates();
        emit LoggedIn();
        return;
    }
    SetTitle(TrAnsi("brxw::str", str::kPanelTitleNotConnected));
    for (int n = 0; n < cmd::kRemoteCount; ++n) {
        SetConnectItemChecked(cmd::kConnectRemote0 + n, false);
    }
    m_statusPanel->Clear();
    m_statusPanel->ShowFrame(false);
    m_pactor->Remove();  // goes with the Status frame
    m_messagesPanel->Clear();
    m_messagesPanel->ShowFrame(false);
    HideTextWindows();
    HideAdministrationButtons();
    SetCounterChecks(false, false);
    m_dispatcher->SessionEnded();
    m_admin->SessionEnded();
    m_pane1->clear();
    m_optionItems->Detach();
    SetStationCount(0);
    UpdateCommandStates();
}

void CControlPanel::FrameArrived(const InboundFrame& frame) {
    m_dispatcher->Dispatch(frame);
}

void CControlPanel::LinkReported(const ConnectionLogEntry& entry) {
    if (m_connectionLog != nullptr) {
        m_connectionLog->EntryAdded();
    }
    UpdateCommandStates();  // a countdown may have started
    // Logins and the operator's own disconnects are for the log; every other end says why it
    // happened where the sysop is looking, over the panes' own texts, until the next state
    // text (the countdown's first tick) replaces it.
    const auto kind = entry.report.kind;
    if (kind == LinkReport::Kind::LoggedIn || kind == LinkReport::Kind::OperatorDisconnected) {
        return;
    }
    const std::string line = ReportLine(entry.report);
    statusBar()->showMessage(AnsiToQString(line));
    if (m_consoleCreated) {
        const QByteArray time = LocalTimeText(entry.time, QStringLiteral("hh:mm:ss")).toLatin1();
        // On a line of its own, also after a console line that the server left unfinished.
        std::string text = m_console->TextView()->Ring().WriteColumn() != 0 ? "\n" : "";
        text += "*** " + time.toStdString() + " " + line + "\n";
        m_console->AppendText(text, kLinkNoticeColour);
    }
}

void CControlPanel::ShowConnectionLog() {
    if (m_connectionLog == nullptr) {
        m_connectionLog = new CConnectionLogDlg(m_session->Log(), this);
    }
    m_connectionLog->show();
    m_connectionLog->raise();
    m_connectionLog->activateWindow();
}

void CControlPanel::OpenUserGuide() {
    // Both places come from CMake (src/panel/CMakeLists.txt): the docs folder relative to the
    // bin folder, and the build's own copy.
    const GuideSearch search =
        FindUserGuide(QCoreApplication::applicationDirPath(), QStringLiteral(BRXW_INSTALLED_GUIDE),
                      QStringLiteral(BRXW_BUILD_TREE_GUIDE));
    QString problem;
    if (search.found.isEmpty()) {
        problem = tr("The user guide was not found. It was looked for in:\n%1")
                      .arg(search.tried.join(QLatin1Char('\n')));
    } else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(search.found))) {
        problem = tr("The user guide %1 could not be opened: the desktop has no "
                     "browser or viewer for it. Open it in a browser yourself.")
                      .arg(search.found);
    }
    if (!problem.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, tr("User guide"), problem, QMessageBox::Ok, this);
        box.exec();
    }
}

void CControlPanel::SavePosition() {
    if (m_positionSaved) {
        return;
    }
    m_positionSaved = true;
    const QPoint topLeft = frameGeometry().topLeft();
    m_config.WriteSetting(kSettingsSection, "Position", FormatPair(topLeft.x(), topLeft.y()));
}

// The stored position is the frame's. An X11 window manager frames a new window around the
// place its inside asks for, unless the window says that the place is its frame's: placed by its
// inside at 0 0, the title bar would lie above the screen, and a move once the manager has framed
// the window races the manager's own placement. So before the first showing the place goes to the
// window as its frame's position, last of all (showing first sizes the window, which makes the
// place the inside's again); the manager then maps the frame there.
void CControlPanel::PlaceFrame(QPoint place) {
    move(place);
    if (!isVisible()) {
        m_framePlace = place;
    }
}

void CControlPanel::showEvent(QShowEvent* event) {
    if (m_framePlace && !event->spontaneous()) {
        if (QWindow* window = windowHandle()) {
            // Its size first: a window whose geometry differs from the widget's is given the
            // widget's as the inside's at the showing.
            window->resize(size());
            window->setFramePosition(*m_framePlace);
        }
        m_framePlace.reset();
    }
    QMainWindow::showEvent(event);
}

void CControlPanel::PrepareToEnd() {
    SavePosition();
}

void CControlPanel::closeEvent(QCloseEvent* event) {
    PrepareToEnd();
    event->accept();
    // Closing the panel ends the program, editor frame included, without asking anything.
    // exit() rather than quit(): quit() first asks every window to close, the traffic windows
    // turn that into their own close requests (which would store their states as 0), and one
    // refusal cancels the quit. Ending stores no window state and leaves every window as it is.
    QCoreApplication::exit(0);
}

}  // namespace brxw
