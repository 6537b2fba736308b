// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/quit_signals.h"

#include <QSocketNotifier>

#ifdef _WIN32
#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#else
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
#else
namespace {

// Console control events come on a thread of their own. Closing the console, logging off and
// shutting down end the process once the handler returns: it waits for the program to end (the
// object's destructor), up to a little under the five seconds Windows grants.
std::mutex g_mutex;
std::condition_variable g_ended;
QuitSignals* g_instance = nullptr;  // guarded by g_mutex
constexpr std::chrono::milliseconds kEndWait{4500};

BOOL WINAPI OnConsoleEvent(DWORD type) {
    std::unique_lock<std::mutex> lock(g_mutex);
    QuitSignals* instance = g_instance;
    if (instance == nullptr) {
        return FALSE;
    }
    QMetaObject::invokeMethod(
        instance, [instance] { emit instance->quitRequested(); }, Qt::QueuedConnection);
    if (type == CTRL_CLOSE_EVENT || type == CTRL_LOGOFF_EVENT || type == CTRL_SHUTDOWN_EVENT) {
        g_ended.wait_for(lock, kEndWait, [] { return g_instance == nullptr; });
    }
    return TRUE;
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
#else
    {
        const std::lock_guard<std::mutex> lock(g_mutex);
        g_instance = this;
    }
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
#endif
}

QuitSignals::~QuitSignals() {
#ifdef _WIN32
    SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
    {
        const std::lock_guard<std::mutex> lock(g_mutex);
        g_instance = nullptr;
    }
    g_ended.notify_all();
#else
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
