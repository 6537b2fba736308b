// SPDX-License-Identifier: GPL-3.0-or-later
// The control panel: the window the operator works from. It carries the menu bar and the status
// bar, owns the Session and answers its calls (status texts, boxes, title, menu checks, the
// refresh for the connected and disconnected states). Closing it ends the program.
// User-interface thread only.
#pragma once

#include <QEvent>
#include <QFont>
#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "config/app_config.h"
#include "link/dispatch_target.h"
#include "link/dispatcher.h"
#include "link/session.h"
#include "link/session_host.h"
#include "panel/channel_router.h"
#include "panel/station_list.h"
#include "settings/settings.h"
#include "textwin/colour_scheme.h"

class QAction;
class QMessageBox;
class QLabel;
class QMenu;
class QProgressBar;
class QToolBar;

namespace brxw {

namespace admin {
class CAdminDialogs;
}
class AppConfig;
class PasswordStore;
class CAlertsNotifier;
class CConnectionLogDlg;
class CConsoleDlg;
class CCounterPanel;
class CMainFrame;
class CPactorMenu;
class CPlacedDlg;
class CServerOptionItems;
class CStationListView;
class CTrafficDlg;
class PanelEditorHost;
class WindowLogs;

class CControlPanel : public QMainWindow, public SessionHost, public DispatchTarget {
    Q_OBJECT
public:
    // editorFrame may be null (tests); received files then open nowhere.
    CControlPanel(AppConfig& config, Session::Timing timing, CMainFrame* editorFrame = nullptr,
                  QString workingDirectory = {}, QWidget* parent = nullptr);
    ~CControlPanel() override;

    Session& GetSession() { return *m_session; }
    Dispatcher& GetDispatcher() { return *m_dispatcher; }
    QProgressBar* Progress() const { return m_progress; }
    // Runs a command by its id (menu items, function keys).
    void OnCommand(int command);
    // Reads "Position", names the Connect items after the profiles and starts timer 1.
    void Initialise(std::string startupName);

    QString StatusText() const;
    // Status pane 0, whose tooltip and accessible name are its whole text.
    QLabel* StatusPane() const { return m_pane0; }
    QString RunningText() const;
    // The prompt shown over pane 0, or empty while pane 0's own text shows.
    QString PromptText() const;
    QAction* Action(int command) const;
    QToolBar* ToolBar() const { return m_toolBar; }
    // Recomputes every command's enabled, checked and visible state from the session.
    void UpdateCommandStates();

    // The four text windows (control_panel_windows.cpp) and their toggles.
    CConsoleDlg* Console() const { return m_console; }
    CTrafficDlg* Monitoring() const { return m_monitoring; }
    CTrafficDlg* AllChannels() const { return m_allChannels; }
    CTrafficDlg* OneChannel() const { return m_oneChannel; }
    void ToggleMonitoring();
    void ToggleAllChannels();
    void ToggleOneChannel();
    // F8 (forward) and Shift+F8: the next or previous of the program's open windows, the panel
    // first, the text windows, then the others by title, gets the keyboard. Nothing while a
    // modal dialog is open.
    void CycleWindows(bool forward);
    // The key that runs a toolbar command, as the text it is known by ("F2", "Del"): a function
    // key (function_keys.h), or one of the panel's own keys for the commands that have none;
    // empty for the Pactor commands. For the toolbar's descriptions and the station menu.
    static QString CommandKeyText(int command);
    // The same key as the sysop's language names it ("Entf" in German), as the toolkit's own
    // translation names keys; under English exactly CommandKeyText.
    static QString CommandKeyShown(int command);
    const QFont& TextFont() const { return m_textFont; }
    PanelSettings& Settings() { return m_settings; }
    // The text windows and the editor take a new font, or a new character set.
    void ApplyTextFont(const QFont& font);
    void ApplyAnsiChar(bool ansi);
    // Logging of the four text windows to files (textwin/window_log.h).
    WindowLogs& Logs() const { return *m_logs; }
    // Config > Preferences (control_panel_preferences.cpp).
    void OpenPreferences();
    // The conversions take the pages, and the text kept in the windows moves to the new
    // Windows page.
    void ApplyCodePages(ProfileCodePages pages);
    // The program takes the colour scheme (textwin/colour_scheme.h) and every window it has
    // made repaints in it: the text windows, the station list and the counters.
    void ApplyColours(ColourScheme scheme);

    // The station list and the counters (control_panel_stations.cpp).
    StationList& Stations() { return m_stations; }
    CStationListView* StationView() const { return m_stationView; }
    CCounterPanel* StatusPanel() const { return m_statusPanel; }
    CCounterPanel* MessagesPanel() const { return m_messagesPanel; }
    // The server's Pactor controls and option items.
    CPactorMenu* PactorMenu() const { return m_pactor; }
    CServerOptionItems* ServerOptionItems() const { return m_optionItems; }
    // The operator's alerts: what the server sends is passed to it (alerts/alerts_notifier.h).
    CAlertsNotifier& AlertsNotifier() const { return *m_alerts; }
    // Connect > Connection log: created on first use, then shown and hidden.
    void ShowConnectionLog();
    CConnectionLogDlg* ConnectionLogWindow() const { return m_connectionLog; }
    // Help > User guide: the installed guide (else the build tree's) in the desktop's browser;
    // a box names where it was looked for when there is none or nothing could show it.
    void OpenUserGuide();
    // The four administration dialogs.
    admin::CAdminDialogs& AdminDialogs() const { return *m_admin; }
    // The disconnect commands; ask stands in for the confirmation box in tests.
    void DisconnectStation(bool immediate);
    std::function<bool(const QString& text)> confirmDisconnect;

    // SessionHost
    void SetStatusText(const std::string& text) override;
    void SetTitle(const std::string& title) override;
    void ShowWarning(const std::string& caption, const std::string& text) override;
    void ShowLinkWarning(const std::string& caption, const std::string& text) override;
    void SetCounterChecks(bool status, bool messages) override;
    void SetConnectItemChecked(int command, bool checked) override;
    void SetWaitCursor(bool waiting) override;
    void EmptyStationList() override;
    void RestoreWindows(bool allChannels, bool monitoring) override;
    void SessionStateChanged(bool loggedIn) override;
    void FrameArrived(const InboundFrame& frame) override;
    void LinkReported(const ConnectionLogEntry& entry) override;
    void ProfileChosen(int n) override;

    // DispatchTarget (control_panel_dispatch.cpp)
    void MessageCounters(std::string_view text) override;
    void SystemStatus(std::string_view text) override;
    void StationCount(std::string_view text) override;
    void StationLine(std::string_view text) override;
    void ChannelTraffic(int channel, std::uint8_t trafficByte, std::string_view text) override;
    bool ConsoleCreated() const override;
    void ConsoleText(std::string_view text, std::uint32_t colour) override;
    void ShowConsole() override;
    void HideConsole() override;
    void ToggleConsole() override;
    bool MonitoringCreated() const override;
    void MonitoringText(std::string_view text, std::uint32_t colour) override;
    std::uint32_t Options() const override;
    void ShowToolbarButton(int command) override;
    void ServerOptionsAvailable() override;
    void ServerOptionsList(std::string_view text) override;
    void PactorState(std::string_view text) override;
    void SendRequest(std::uint8_t kind, std::string_view text) override;
    void OpenInEditor(const QString& path) override;
    void ReceptionFailed(std::uint8_t kind, const QString& path, const QString& reason) override;
    void ProgressBegin(std::int32_t total) override;
    void ProgressUpdate(std::int32_t received) override;
    void ProgressEnd() override;
    bool RemoteFilesOpen() const override;
    void DirectoryListingReceived(const QString& path) override;
    bool PendingForwardOpen() const override;
    void OpenPendingForward(const QString& path) override;
    bool UserPropertiesOpen() const override;
    void UserRecordReply(std::string_view payload) override;
    void OpenUserProperties(const QString& path) override;
    bool MessagePropertiesOpen() const override;
    void MessageRecordReply(std::string_view payload) override;
    void OpenMessageProperties(const QString& path) override;

    // What ending the program keeps, whichever way it ends (File > Exit, a quit signal, the
    // session manager): the panel's place. Done once; closing the panel calls it.
    void PrepareToEnd();

signals:
    // Emitted after every refresh for the logged-in state (the demo waits for it).
    void LoggedIn();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void PlaceFrame(QPoint place);
    // control_panel_bars.cpp
    void BuildMenus();
    void BuildToolBar();
    // A separator shows only between two groups that each show a button, so that hidden
    // administration or Pactor buttons leave no separators side by side or at the end.
    void UpdateToolbarSeparators();
    void BuildStatusBar();
    // The counter panels take the text font's size (at least the system's) and room for it.
    void SizeCounters();
    // Pane 0's least width in its font: at least 250 pixels, and room for its own texts; a
    // longer text widens it as far as the status bar allows.
    int Pane0Width() const;
    void BuildServerControls();
    void ShowPrompt(const QString& prompt);
    void HideAdministrationButtons();
    bool HasHandler(int command) const;

    void BuildCentralArea();
    // control_panel_windows.cpp
    void CreateTextWindows();
    void TurnOn(CPlacedDlg& window, bool& created, char letter, int defaultHeight,
                bool showExisting);
    void WriteWindowState(const char* key, bool on);
    void UpdateChannelBit();
    // A window the operator opened gets the keyboard: raised, activated, focus in its text.
    void FocusTextWindow(CPlacedDlg& window);
    // Enter on a station: opens the one-channel window on it, or goes there when it is open.
    void ActivateStation();
    // One channel, Disconnect and Immediate disconnect at that place, as the toolbar has them.
    void ShowStationMenu(QPoint globalPos);
    void BuildCommandKeys();
    bool OnCloseRequest(QEvent::Type type);
    void HideTextWindows();
    // Checks or unchecks a command's menu item and toolbar button.
    void SetChecked(int command, bool checked);
    // control_panel_stations.cpp
    void OnStationSelectionChanged();
    void OnCounterToggled(bool status, bool checked);
    void SetStationCount(int count);
    void NameConnectItems();
    void RunSetupDialog(int n);
    void RunSettingsDialog();
    void ForEachCreatedTrafficWindow(const std::function<void(CTrafficDlg&)>& action);
    void SavePosition();
    QAction* AddCommand(QMenu* menu, const QString& text, int command);

    AppConfig& m_config;
    CMainFrame* m_editorFrame;
    std::unique_ptr<PanelEditorHost> m_editorHost;  // the editor's way back to the panel
    // Where profiles keep their password when the operator wants it out of BrxW.ini; null when
    // brxW was built without the keyring. Before the session, which uses it, so it outlives it.
    std::unique_ptr<PasswordStore> m_keyring;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<Dispatcher> m_dispatcher;
    QProgressBar* m_progress = nullptr;
    std::map<int, QAction*> m_actions;
    QMenu* m_optionsMenu = nullptr;
    CPactorMenu* m_pactor = nullptr;
    CServerOptionItems* m_optionItems = nullptr;
    admin::CAdminDialogs* m_admin = nullptr;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_pane0 = nullptr;
    QLabel* m_pane1 = nullptr;
    QLabel* m_promptOverlay = nullptr;  // over pane 0 while a prompt shows
    QPointer<QMessageBox> m_linkBox;    // the one box of a failed connection, if it shows

    PanelSettings m_settings;
    QFont m_textFont;
    bool m_ansiChar = false;
    CConsoleDlg* m_console = nullptr;
    CConnectionLogDlg* m_connectionLog = nullptr;
    CTrafficDlg* m_monitoring = nullptr;
    CTrafficDlg* m_allChannels = nullptr;
    CTrafficDlg* m_oneChannel = nullptr;
    // A text window counts as existing once it has been opened; afterwards it is only hidden.
    bool m_consoleCreated = false;
    bool m_monitoringCreated = false;
    bool m_allChannelsCreated = false;
    bool m_oneChannelCreated = false;
    // The operator turned an existing console on: it gets the keyboard when the server's
    // confirmation shows it.
    bool m_focusConsoleOnShow = false;
    class WindowSink;
    std::unique_ptr<TrafficSink> m_allChannelsSink;
    std::unique_ptr<TrafficSink> m_oneChannelSink;
    std::unique_ptr<ChannelRouter> m_router;
    std::unique_ptr<WindowLogs> m_logs;

    StationList m_stations;
    CStationListView* m_stationView = nullptr;
    CCounterPanel* m_statusPanel = nullptr;
    CCounterPanel* m_messagesPanel = nullptr;
    CAlertsNotifier* m_alerts = nullptr;
    bool m_waitCursor = false;
    bool m_positionSaved = false;
    std::optional<QPoint> m_framePlace;  // where the frame goes at the first showing
    // A failed write of BrxW.ini, or a file that cannot be read: shown in a box (one at a time,
    // and once for the same fault until a write succeeds again), in the status bar and on
    // stderr. Setup collects its own and says them in its message.
    void ReportConfigFailure(const QString& message, bool repeated);
    QPointer<QMessageBox> m_configFailureBox;
    bool m_collectConfigFailures = false;
    QString m_collectedConfigFailure;
};

}  // namespace brxw
