// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/quit_signals.h"

#include <QSocketNotifier>

#ifndef _WIN32
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#endif

namespace brxw {

#ifndef _WIN32
namespace {

// The handler may only do what is safe in a signal handler: it writes one byte to the pair's
// one end, and the event loop reads it from the other.
int g_pair[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void OnQuitSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pair[0], &byte, 1);
    errno = saved;
}

}  // namespace
#endif

QuitSignals::QuitSignals(QObject* parent) : QObject(parent) {
#ifndef _WIN32
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pair) != 0) {
        return;  // the signals then keep their default action
    }
    m_notifier = new QSocketNotifier(g_pair[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QuitSignals::Read);
    struct sigaction action = {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kSignals) {
        ::sigaction(number, &action, nullptr);
    }
#endif
}

QuitSignals::~QuitSignals() {
#ifndef _WIN32
    if (m_notifier == nullptr) {
        return;
    }
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int number : kSignals) {
        ::sigaction(number, &action, nullptr);
    }
    delete m_notifier;
    ::close(g_pair[0]);
    ::close(g_pair[1]);
    g_pair[0] = g_pair[1] = -1;
#endif
}

void QuitSignals::Read() {
#ifndef _WIN32
    char bytes[16];
    while (::read(g_pair[1], bytes, sizeof bytes) > 0) {
    }
#endif
    emit quitRequested();
}

}  // namespace brxw
