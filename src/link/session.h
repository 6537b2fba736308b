// SPDX-License-Identifier: GPL-3.0-or-later
// The one TCP session with the server: host lookup, non-blocking connect, login, the receive
// thread, closing, and the reconnection countdown; plus the outbound operations, which all use
// its socket. A state machine driven by commands, two timers and socket notifications.
//
// Owned by the control panel; lives on the user-interface thread, where every call is made.
// The receive thread it starts only reads the socket and posts LinkEvents to an internal sink.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "config/remote_config.h"
#include "link/connection_log.h"
#include "link/frame_queue.h"
#include "link/link_events.h"
#include "link/native_socket.h"
#include "link/receive_thread.h"
#include "link/ssh_tunnel.h"

class QHostInfo;

namespace brxw {

class AppConfig;
class PasswordStore;
class SessionHost;

class Session : public QObject {
    Q_OBJECT
public:
    enum class State {
        Idle,
        ReadingPassword,  // the profile's password is asked of the keyring
        Resolving,
        Connecting,
        AwaitingChallenge,
        LoggedIn,
        WaitingToReconnect
    };

    struct Timing {
        int startupDelayMs = 500;    // timer 1: the automatic connection after start
        int countdownTickMs = 1000;  // timer 2: one second of the reconnection countdown
        // A send that cannot go out in this time means the server no longer reads: the link
        // is treated as broken rather than freezing the program.
        int sendTimeoutMs = 20000;
        // A server that closes this soon after the login reply, before sending any frame, has
        // refused the login rather than dropped a working session. 0: no such verdict.
        int loginVerdictMs = 10000;
        // How long the SSH tunnel of a profile that names one has to come up.
        int tunnelWaitMs = SshTunnel::kDefaultWaitMs;
    };
    static constexpr int kReconnectSeconds = 60;
    // Queued frames are dispatched in slices of at most this long, so that a flood from the
    // server leaves the windows time to paint and the timers time to run between slices.
    static constexpr int kDispatchSliceMs = 15;

    Session(AppConfig& config, SessionHost& host, Timing timing);
    Session(AppConfig& config, SessionHost& host) : Session(config, host, Timing{}) {}
    ~Session() override;

    // Where profiles marked "Password In Keyring" have their password; without one such a
    // profile cannot connect. Not owned; it must outlive the session.
    void SetPasswordStore(PasswordStore* store) { m_passwords = store; }

    // Start-up: remember the configuration named on the command line and start timer 1.
    void Start(std::string startupName);
    // Connect > configuration n (command 32776 + n); also the end of the countdown.
    void Connect(int n);
    // Connect > Disconnect: ends the session, or stops an attempt or the countdown, and logs
    // that the operator ended it.
    void Disconnect();
    void CloseSession();

    // Outbound operations; each does nothing while there is no session socket.
    void SendFrame(std::uint8_t kind, std::string_view text);
    void SendOptions();
    void SendRawText(std::string_view text);
    // Framed upload of a local file under RemoteFilePath(); deletes the file once sent. False,
    // with the file left in place, when there is no session or the file cannot be read.
    bool UploadFile(const QString& localPath);
    // The message text, or "\n/ABORT\n" when aborted; deletes the file once sent. False, with
    // the file left in place, when there is no session or the file cannot be read.
    bool SendMessageText(const QString& localPath, bool abort, bool ansiCharset);

    // Logins and link ends of this run, each also handed to the host as it happens.
    const ConnectionLog& Log() const { return m_log; }
    ConnectionLog& Log() { return m_log; }

    State CurrentState() const { return m_state; }
    // Logged in, or an attempt or the countdown under way: what Disconnect stops.
    bool Active() const { return m_loggedIn || m_state != State::Idle; }
    bool LoggedIn() const { return m_loggedIn; }
    // Changes when a session starts and when it ends: what one session asked for is told
    // apart from what the next may be sent.
    std::uint64_t Generation() const { return m_generation; }
    bool HasSocket() const { return m_socket.IsOpen(); }
    std::uint32_t Options() const { return m_options; }
    void SetOptions(std::uint32_t options) { m_options = options; }
    int ConnectCommand() const { return m_connectCommand; }
    int Countdown() const { return m_countdown; }
    const RemoteConfig& Remote() const { return m_remote; }
    // The process id of the SSH tunnel's ssh; 0 when no tunnel runs.
    qint64 TunnelProcessId() const { return m_tunnel.ProcessId(); }
    FrameQueue& Queue() { return m_queue; }
    // The path of the last file fetched in this session; empty once the session ends.
    const std::string& RemoteFilePath() const { return m_remoteFilePath; }
    void SetRemoteFilePath(std::string path) { m_remoteFilePath = std::move(path); }

    // The timers' ticks; public so that tests drive the countdown without waiting.
    void StartupTick();
    void CountdownTick();
    bool CountdownRunning() const { return m_countdownTimer.isActive(); }
    // Where the receive thread posts its LinkEvents; tests post stale ones to it.
    QObject* LinkEventTarget() const;

private:
    class EventSink;
    friend class EventSink;

    // The host lookup, or the connect when the host is an address.
    void Resolve();
    void OnKeyringPassword(bool ok, const std::string& password, const QString& error);
    void StartConnect(bool direct);
    void StartTunnel();
    void OnTunnelFailed(const std::string& reason);
    void OnLookup(const QHostInfo& info);
    void OnConnectResult();
    void OnChallenge();
    void OnLinkEvent(const LinkEvent& event);
    // The reason a receive-side end gives, with what the session saw itself: a failed send,
    // or a server that closed during the login.
    LinkReport BrokenLinkReport(LinkEndCause cause, int code) const;
    void Report(LinkReport report);
    void EndSession();
    void ScheduleReconnect();
    void NetworkError(const char* caption, int code);
    void AbortLookup();
    void StopThreadAndClose();
    void Send(std::string_view bytes);
    // Hands queued frames to the host: a slice at a time, or all of them when the link breaks.
    void DispatchPending(bool all);

    AppConfig& m_config;
    SessionHost& m_host;
    Timing m_timing;
    std::unique_ptr<EventSink> m_sink;

    NativeSocket m_socket;
    SshTunnel m_tunnel;
    ReceiveThread m_receiver;
    FrameQueue m_queue;
    std::unique_ptr<QSocketNotifier> m_writeNotifier;
    std::unique_ptr<QSocketNotifier> m_readNotifier;
    QTimer m_startupTimer;
    QTimer m_countdownTimer;
    QTimer m_dispatchTimer;

    State m_state = State::Idle;
    std::string m_startupName;
    RemoteConfig m_remote;
    std::uint32_t m_address = 0;
    int m_connectPort = 0;  // the profile's port, or the tunnel's local end
    int m_lookupId = -1;
    PasswordStore* m_passwords = nullptr;
    // Numbers the keyring reads: an answer for a connect that was replaced or ended is dropped.
    std::uint64_t m_keyringRead = 0;
    int m_connectCommand;
    bool m_loggedIn = false;
    int m_countdown = 0;
    std::uint32_t m_options = 0;
    std::uint64_t m_generation = 0;
    std::string m_remoteFilePath;
    // Why the last attempt or session ended: the countdown says it until the next attempt.
    std::string m_countdownReason;

    ConnectionLog m_log;
    std::optional<LinkReport> m_sendFailure;  // why this side shut the socket down, if it did
    bool m_frameSinceLogin = false;
    QElapsedTimer m_sinceLogin;
};

}  // namespace brxw
