// SPDX-License-Identifier: GPL-3.0-or-later
// CAlertsNotifier: shows the alerts that the logic (Alerts) raises. Every alert takes the alert
// pane at the right of the control panel's status bar (hidden until the first alert, so nothing
// changes for an operator who wants none); on request the bell rings and a desktop
// notification appears, through the freedesktop notification service on the session bus (an
// asynchronous call: the user-interface thread never waits for the desktop), or through the
// system tray where there is no such service. It also runs the timer that ends the quiet
// periods.
//
// Owned by the control panel, which feeds it what the server sends. User-interface thread only.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>
#include <string_view>

#include "alerts/alerts.h"

class QLabel;
class QStatusBar;
class QSystemTrayIcon;

namespace brxw {

class CAlertsNotifier : public QObject {
    Q_OBJECT
public:
    // The pane goes into `bar`; `ansiMode` tells whether the server's text is in the Windows
    // character set.
    CAlertsNotifier(QStatusBar* bar, std::function<bool()> ansiMode, QObject* parent = nullptr);
    ~CAlertsNotifier() override;

    void Configure(const AlertSettings& settings);
    Alerts& Logic() { return m_alerts; }

    // What the server sends, passed on to the logic; the summary timer follows.
    void SessionStarted();
    void StationLine(std::string_view payload);
    void MonitoringText(std::string_view text);
    void ConsoleText(std::string_view text);
    void ChannelText(int channel, std::string_view text);

    // The Preferences page's Test button: a sample alert with the page's switches.
    void FireTest(bool sound, bool desktop);

    // Delivers the summaries now due (the timer calls it when a quiet period ends).
    void EndQuietPeriods();

    // The alert pane: its text is the last alert's.
    QLabel* Pane() const { return m_pane; }
    QTimer& SummaryTimer() { return m_timer; }
    // Why the last desktop notification could not be shown; empty when it was.
    const QString& DesktopError() const { return m_desktopError; }
    // The notification service's id of the kind's last notification; 0 before one was shown.
    unsigned ShownId(AlertKind kind) const { return m_shown[static_cast<std::size_t>(kind)]; }

    // Tests put their own in place of the bell and the desktop.
    std::function<void()> ringBell;
    std::function<void(const QString& text)> showOnDesktop;

private:
    void Deliver(const AlertNotice& notice, bool sound, bool desktop);
    void ArmTimer();
    void NotifyDesktop(AlertKind kind, const QString& text);
    void ShowInTray(const QString& text);

    Alerts m_alerts;
    QLabel* m_pane = nullptr;
    QTimer m_timer;
    std::optional<Alerts::Clock> m_armedFor;
    QString m_desktopError;
    // The service's id of each kind's last notification: the next of that kind replaces it.
    unsigned m_shown[kAlertKindCount] = {};
    QSystemTrayIcon* m_tray = nullptr;
};

}  // namespace brxw
