// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Waiting with a bound for something another thread (or the peer) does, while the calling
// thread's Qt events keep flowing (its sockets, timers and posted events).

#include <QCoreApplication>
#include <QElapsedTimer>

#include <chrono>
#include <functional>
#include <thread>

namespace brxw::test {

// True as soon as pred() holds; false when it still does not after timeoutMs.
inline bool WaitUntil(const std::function<bool()>& pred, int timeoutMs = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!pred()) {
        if (clock.elapsed() >= timeoutMs) {
            return pred();
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

}  // namespace brxw::test
