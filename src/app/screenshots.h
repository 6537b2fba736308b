// SPDX-License-Identifier: GPL-3.0-or-later
// Headless demonstration: once the panel has logged in and traffic has had time to arrive, save a
// PNG of every visible window, of the panel with its Options menu (and the Pactor menu, when
// the server has one) opened over it, of the four administration dialogs filled from the
// server, of the monitoring window with its find bar open, of a text window scrolled back and
// of the panel beside the monitoring window in each colour scheme, print the paths and quit.
// Used by "./run demo" without a display.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace brxw {

class CControlPanel;

// Opens the console and, on the first station, the one-channel window, so that a screenshot run
// shows every window.
void OpenEveryWindow(CControlPanel& panel);

class ScreenshotRun : public QObject {
    Q_OBJECT
public:
    // settleMs: how long to let traffic arrive after login; giveUpMs: when to stop waiting.
    ScreenshotRun(CControlPanel& panel, QString directory, int settleMs = 4000,
                  int giveUpMs = 30000);
    int ExitCode() const { return m_exitCode; }

private:
    void TakeAndQuit(bool loggedIn);

    CControlPanel& m_panel;
    QString m_directory;
    QTimer m_settle;
    QTimer m_giveUp;
    int m_exitCode = 1;
};

}  // namespace brxw
