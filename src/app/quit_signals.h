// SPDX-License-Identifier: GPL-3.0-or-later
// The requests to end the program that come from outside it: SIGTERM (logout, shutdown, kill),
// SIGINT (Ctrl+C in the terminal it was started from) and SIGHUP (that terminal closed). Each
// becomes the quitRequested() signal in the event loop, so that the program ends the way
// File > Exit ends it. On Windows the console's control events do the same: Ctrl+C, Ctrl+Break,
// the console closed, logoff and shutdown (a program without a console has the session manager's
// end of session, which main() takes from QGuiApplication::commitDataRequest). One instance, made
// in main(); user-interface thread only.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace brxw {

class QuitSignals : public QObject {
    Q_OBJECT
public:
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

signals:
    void quitRequested();

private:
    void Read();

    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace brxw
