// The control panel: the window the operator works from. It carries the menu bar and the status
// bar, owns the Session and answers its calls (status texts, boxes, title, menu checks, the
// refresh for the connected and disconnected states). Closing it ends the program.
// User-interface thread only.
#pragma once

#include <QMainWindow>
#include <map>
#include <memory>
#include <string>

#include "link/session.h"
#include "link/session_host.h"

class QAction;
class QLabel;
class QMenu;

namespace brxw {

class AppConfig;

class CControlPanel : public QMainWindow, public SessionHost {
    Q_OBJECT
public:
    CControlPanel(AppConfig& config, Session::Timing timing, QWidget* parent = nullptr);
    ~CControlPanel() override;

    Session& GetSession() { return *m_session; }
    // Runs a command by its id (menu items, function keys).
    void OnCommand(int command);
    // Reads "Position", names the Connect items after the profiles and starts timer 1.
    void Initialise(std::string startupName);

    QString StatusText() const;
    QString RunningText() const;
    QAction* Action(int command) const;

    // SessionHost
    void SetStatusText(const std::string& text) override;
    void SetTitle(const std::string& title) override;
    void ShowWarning(const std::string& caption, const std::string& text) override;
    void SetCounterChecks(bool status, bool messages) override;
    void SetConnectItemChecked(int command, bool checked) override;
    void SetWaitCursor(bool waiting) override;
    void EmptyStationList() override;
    void RestoreWindows(bool allChannels, bool monitoring) override;
    void SessionStateChanged(bool loggedIn) override;
    void FrameQueued() override;

signals:
    // Emitted after every refresh for the logged-in state (the demo waits for it).
    void LoggedIn();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildStatusBar();
    void BuildCentralArea();
    void NameConnectItems();
    void SavePosition();
    QAction* AddCommand(QMenu* menu, const QString& text, int command);

    AppConfig& m_config;
    std::unique_ptr<Session> m_session;
    std::map<int, QAction*> m_actions;
    QLabel* m_pane0 = nullptr;
    QLabel* m_pane1 = nullptr;
    bool m_waitCursor = false;
    bool m_positionSaved = false;
};

}  // namespace brxw
