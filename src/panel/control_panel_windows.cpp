// SPDX-License-Identifier: GPL-3.0-or-later
// The control panel's four text windows: creation on first opening, the toggles with their
// options bits, placement and state keys, the close requests, and the routing of channel traffic.
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QStatusBar>
#include <algorithm>
#include <string>
#include <vector>

#include "alerts/alerts_notifier.h"
#include "config/app_config.h"
#include "link/frame.h"
#include "panel/control_panel.h"
#include "panel/station_list_view.h"
#include "resources/command_ids.h"
#include "textwin/console_dlg.h"
#include "textwin/placement.h"
#include "textwin/text_wnd.h"
#include "textwin/traffic_dlg.h"
#include "textwin/window_log_ui.h"

namespace brxw {

// A channel-traffic window as the router sees it.
class CControlPanel::WindowSink : public TrafficSink {
public:
    WindowSink(CTrafficDlg& window, const bool& created, bool followsChannel)
        : m_window(window), m_created(created), m_followsChannel(followsChannel) {}
    bool Exists() const override { return m_created; }
    std::optional<int> Channel() const override {
        if (!m_followsChannel || m_window.Channel() < 0) {
            return std::nullopt;
        }
        return m_window.Channel();
    }
    void AppendText(std::string_view text, std::uint32_t colour) override {
        m_window.AppendText(text, colour);
    }

private:
    CTrafficDlg& m_window;
    const bool& m_created;
    bool m_followsChannel;
};

namespace {
constexpr int kStateOpen = 5;
constexpr int kConsoleHeight = 395;
constexpr int kTrafficHeight = 400;
}  // namespace

void CControlPanel::CreateTextWindows() {
    m_console = new CConsoleDlg(
        this, &m_config, [this](std::string_view text) { m_session->SendRawText(text); }, this);
    m_monitoring = new CTrafficDlg('m', this, &m_config, this);
    m_allChannels = new CTrafficDlg('a', this, &m_config, this);
    m_oneChannel = new CTrafficDlg('o', this, &m_config, this);
    // Until the operator picks a station, the one-channel window follows no channel.
    m_oneChannel->SetChannel(-1);
    m_allChannelsSink = std::make_unique<WindowSink>(*m_allChannels, m_allChannelsCreated, false);
    m_oneChannelSink = std::make_unique<WindowSink>(*m_oneChannel, m_oneChannelCreated, true);
    m_router = std::make_unique<ChannelRouter>(*m_allChannelsSink, *m_oneChannelSink);

    m_logs = std::make_unique<WindowLogs>(m_config);
    BindWindowLog(*m_logs, LogWindow::kConsole, *m_console->TextView());
    BindWindowLog(*m_logs, LogWindow::kMonitoring, *m_monitoring->TextView());
    BindWindowLog(*m_logs, LogWindow::kAllChannels, *m_allChannels->TextView());
    BindWindowLog(*m_logs, LogWindow::kChannel, *m_oneChannel->TextView());
    // A log that cannot be written says so where link reports show, until the next state text.
    connect(m_logs.get(), &WindowLogs::Stopped, this,
            [this](const QString& text) { statusBar()->showMessage(text); });
}

void CControlPanel::TurnOn(CPlacedDlg& window, bool& created, char letter, int defaultHeight,
                           bool showExisting) {
    const Placement placement =
        ReadPlacement(m_config, letter, Placement{0, 0, 590, defaultHeight});
    window.SetPlacement(placement.x, placement.y, placement.width, placement.height);
    if (!created) {
        created = true;
        if (&window == m_console) {
            m_console->SetTextFont(m_textFont, true);
            m_console->SetAnsiMode(m_ansiChar);
        } else {
            static_cast<CTrafficDlg&>(window).SetTextFont(m_textFont, true);
            static_cast<CTrafficDlg&>(window).SetAnsiMode(m_ansiChar);
        }
        window.show();  // a window is visible from its creation on
    } else if (showExisting) {
        window.show();
    }
}

void CControlPanel::WriteWindowState(const char* key, bool on) {
    m_config.WriteProfileText(key, std::to_string(on ? kStateOpen : 0));
}

void CControlPanel::ToggleConsole() {
    std::uint32_t options = m_session->Options();
    if ((options & category::kConsole) != 0) {
        SetChecked(cmd::kConsoleWindow, false);
        options &= ~std::uint32_t{category::kConsole};
        if (m_consoleCreated) {
            m_console->hide();
        }
    } else {
        SetChecked(cmd::kConsoleWindow, true);
        options |= category::kConsole;
        // An existing console is shown when the server confirms the console connection.
        TurnOn(*m_console, m_consoleCreated, 'c', kConsoleHeight, false);
    }
    m_session->SetOptions(options);
    m_session->SendOptions();
    UpdateCommandStates();
}

void CControlPanel::ToggleMonitoring() {
    std::uint32_t options = m_session->Options();
    const bool on = (options & category::kMonitoring) == 0;
    SetChecked(cmd::kMonitoringWindow, on);
    if (on) {
        options |= category::kMonitoring;
        TurnOn(*m_monitoring, m_monitoringCreated, 'm', kTrafficHeight, true);
    } else {
        options &= ~std::uint32_t{category::kMonitoring};
        if (m_monitoringCreated) {
            m_monitoring->hide();
        }
    }
    WriteWindowState("State_m", on);
    m_session->SetOptions(options);
    m_session->SendOptions();
    UpdateCommandStates();
}

void CControlPanel::ToggleAllChannels() {
    const bool on = !m_allChannels->isVisible();
    SetChecked(cmd::kAllChannelsWindow, on);
    if (on) {
        TurnOn(*m_allChannels, m_allChannelsCreated, 'a', kTrafficHeight, true);
    } else if (m_allChannelsCreated) {
        m_allChannels->hide();
    }
    WriteWindowState("State_0", on);
    UpdateChannelBit();
}

void CControlPanel::ToggleOneChannel() {
    const bool on = !m_oneChannel->isVisible();
    SetChecked(cmd::kOneChannelWindow, on);
    if (on) {
        TurnOn(*m_oneChannel, m_oneChannelCreated, 'o', kTrafficHeight, true);
        OnStationSelectionChanged();  // the window follows the selected station
    } else if (m_oneChannelCreated) {
        m_oneChannel->hide();
    }
    WriteWindowState("State_o", on);
    UpdateChannelBit();
}

void CControlPanel::UpdateChannelBit() {
    // Channel traffic is subscribed exactly while one of its two windows is visible.
    const std::uint32_t options = m_session->Options();
    const bool wanted = m_allChannels->isVisible() || m_oneChannel->isVisible();
    const std::uint32_t updated =
        wanted ? options | category::kChannel : options & ~std::uint32_t{category::kChannel};
    if (updated != options) {
        m_session->SetOptions(updated);
        m_session->SendOptions();
    }
    UpdateCommandStates();
}

bool CControlPanel::OnCloseRequest(QEvent::Type type) {
    const std::uint32_t options = m_session->Options();
    if (type == kConsoleClosedEvent) {
        if (m_consoleCreated && (options & category::kConsole) != 0) {
            ToggleConsole();
        }
    } else if (type == kMonitoringClosedEvent) {
        if (m_monitoringCreated && (options & category::kMonitoring) != 0) {
            ToggleMonitoring();
        }
    } else if (type == kAllChannelsClosedEvent) {
        if (m_allChannelsCreated && (options & category::kChannel) != 0) {
            ToggleAllChannels();
        }
    } else if (type == kChannelClosedEvent) {
        if (m_oneChannelCreated && (options & category::kChannel) != 0) {
            ToggleOneChannel();
        }
    } else {
        return false;
    }
    return true;
}

void CControlPanel::HideTextWindows() {
    for (CPlacedDlg* window :
         {static_cast<CPlacedDlg*>(m_console), static_cast<CPlacedDlg*>(m_monitoring),
          static_cast<CPlacedDlg*>(m_allChannels), static_cast<CPlacedDlg*>(m_oneChannel)}) {
        window->hide();
    }
    for (int command : {cmd::kConsoleWindow, cmd::kMonitoringWindow, cmd::kAllChannelsWindow,
                        cmd::kOneChannelWindow}) {
        SetChecked(command, false);
    }
}

void CControlPanel::RestoreWindows(bool allChannels, bool monitoring) {
    if (allChannels && !m_allChannels->isVisible()) {
        ToggleAllChannels();
    }
    if (monitoring && (m_session->Options() & category::kMonitoring) == 0) {
        ToggleMonitoring();
    }
}

// The dispatch's side of the windows.

bool CControlPanel::ConsoleCreated() const {
    return m_consoleCreated;
}
void CControlPanel::ConsoleText(std::string_view text, std::uint32_t colour) {
    m_console->AppendText(text, colour);
    m_alerts->ConsoleText(text);
}
void CControlPanel::ShowConsole() {
    if (m_consoleCreated) {
        m_console->show();
        if (m_focusConsoleOnShow) {
            m_focusConsoleOnShow = false;
            FocusTextWindow(*m_console);
        }
    }
}

void CControlPanel::FocusTextWindow(CPlacedDlg& window) {
    window.raise();
    window.activateWindow();
    if (&window == m_console) {
        m_console->FocusInput();
    } else {
        static_cast<CTrafficDlg&>(window).TextView()->setFocus(Qt::OtherFocusReason);
    }
}

void CControlPanel::CycleWindows(bool forward) {
    if (QApplication::activeModalWidget() != nullptr) {
        return;
    }
    std::vector<QWidget*> windows{this};
    for (QWidget* window :
         {static_cast<QWidget*>(m_console), static_cast<QWidget*>(m_monitoring),
          static_cast<QWidget*>(m_allChannels), static_cast<QWidget*>(m_oneChannel)}) {
        if (window->isVisible()) {
            windows.push_back(window);
        }
    }
    // The editor, the connection log and the administration dialogs, in a fixed order.
    std::vector<QWidget*> others;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (window->isVisible() && (type == Qt::Window || type == Qt::Dialog) &&
            std::find(windows.begin(), windows.end(), window) == windows.end()) {
            others.push_back(window);
        }
    }
    std::stable_sort(others.begin(), others.end(), [](const QWidget* a, const QWidget* b) {
        return a->windowTitle() < b->windowTitle();
    });
    windows.insert(windows.end(), others.begin(), others.end());
    const auto active = std::find(windows.begin(), windows.end(), QApplication::activeWindow());
    std::size_t next = 0;
    if (active != windows.end()) {
        const std::size_t at = static_cast<std::size_t>(active - windows.begin());
        next = (at + (forward ? 1 : windows.size() - 1)) % windows.size();
    }
    QWidget* window = windows[next];
    if (window->isMinimized()) {
        window->showNormal();
    }
    window->raise();
    window->activateWindow();
}
void CControlPanel::HideConsole() {
    if (m_consoleCreated) {
        m_console->hide();
    }
}
bool CControlPanel::MonitoringCreated() const {
    return m_monitoringCreated;
}
void CControlPanel::MonitoringText(std::string_view text, std::uint32_t colour) {
    m_monitoring->AppendText(text, colour);
    m_alerts->MonitoringText(text);
}
void CControlPanel::ChannelTraffic(int channel, std::uint8_t trafficByte, std::string_view text) {
    m_router->Route(channel, trafficByte, text);
    m_alerts->ChannelText(channel, text);
}

}  // namespace brxw
