// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/session.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QHostInfo>
#include <QPointer>

#include "config/app_config.h"
#include "config/password_store.h"
#include "link/link_events.h"
#include "link/login.h"
#include "link/session_host.h"
#include "link/socket_errors.h"
#include "resources/command_ids.h"
#include "resources/strings.h"
#include "resources/translate.h"
#include "text/charset.h"

namespace brxw {

// Receives the receive thread's events on the user-interface thread and hands them back.
class Session::EventSink : public QObject {
public:
    explicit EventSink(Session& session) : m_session(session) {}
    bool event(QEvent* e) override {
        MarkEventReceived(e);
        if (e->type() == kFrameQueuedEvent || e->type() == kLinkBrokenEvent) {
            m_session.OnLinkEvent(*static_cast<LinkEvent*>(e));
            return true;
        }
        return QObject::event(e);
    }

private:
    Session& m_session;
};

namespace {

int WsaFromLookupError(QHostInfo::HostInfoError error) {
    switch (error) {
        case QHostInfo::NoError:
            return 0;
        case QHostInfo::HostNotFound:
            return wsa::kHostNotFound;
        case QHostInfo::UnknownError:
            break;
    }
    return wsa::kNoRecovery;
}

// A close or a reset: the server ended the connection (rather than the network failing).
bool ClosedByServer(LinkEndCause cause, int code) {
    return cause == LinkEndCause::EndOfStream ||
           (cause == LinkEndCause::ReceiveError &&
            (code == wsa::kConnectionReset || code == wsa::kConnectionAborted));
}

// How long a closed forwarded connection waits for ssh to say why: ssh writes its line before
// it closes, so the wait ends as soon as the line is read; only a close ssh has nothing to say
// about (the BBS's own) waits it out.
constexpr int kSshWordMs = 300;

LinkReport ConnectFailure(int code) {
    return code == wsa::kConnectionRefused ? LinkReport{LinkReport::Kind::Refused}
                                           : LinkReport{LinkReport::Kind::ConnectFailed, code};
}

}  // namespace

Session::Session(AppConfig& config, SessionHost& host, Timing timing)
    : m_config(config),
      m_host(host),
      m_timing(timing),
      m_sink(std::make_unique<EventSink>(*this)),
      m_tunnel(timing.tunnelWaitMs),
      m_connectCommand(cmd::kDisconnect) {
    m_startupTimer.setSingleShot(true);
    m_startupTimer.setInterval(m_timing.startupDelayMs);
    connect(&m_startupTimer, &QTimer::timeout, this, &Session::StartupTick);
    m_countdownTimer.setInterval(m_timing.countdownTickMs);
    connect(&m_countdownTimer, &QTimer::timeout, this, &Session::CountdownTick);
    m_dispatchTimer.setSingleShot(true);
    m_dispatchTimer.setInterval(0);
    connect(&m_dispatchTimer, &QTimer::timeout, this, [this] { DispatchPending(false); });
    m_tunnel.onReady = [this](int localPort) {
        m_address = 0x7F000001;  // 127.0.0.1
        m_connectPort = localPort;
        StartConnect(true);
    };
    m_tunnel.onFailed = [this](const std::string& reason) { OnTunnelFailed(reason); };
}

Session::~Session() {
    m_tunnel.Stop();
    AbortLookup();
    StopThreadAndClose();
}

QObject* Session::LinkEventTarget() const {
    return m_sink.get();
}

void Session::Start(std::string startupName) {
    m_startupName = std::move(startupName);
    m_startupTimer.start();
}

void Session::StartupTick() {
    m_startupTimer.stop();
    if (!m_startupName.empty()) {
        const std::string name = std::move(m_startupName);
        m_startupName.clear();
        for (int n = 0; n < kRemoteConfigCount; ++n) {
            if (NamesEqual(m_config.LoadProfile(n).name, name)) {
                Connect(n);
                return;
            }
        }
        m_host.ShowWarning(TrAnsi("brxw::str", str::kNetworkCaption),
                           TrPrintf("brxw::str", str::kCannotFindConfig, name.c_str()));
        return;
    }
    for (int n = 0; n < kRemoteConfigCount; ++n) {
        if (m_config.LoadProfile(n).autoConnect != 0) {
            Connect(n);
            return;
        }
    }
}

void Session::Connect(int n) {
    if (n < 0 || n >= kRemoteConfigCount) {
        return;
    }
    m_countdownTimer.stop();
    m_host.EmptyStationList();
    AbortLookup();
    const bool replacing = m_loggedIn;
    CloseSession();
    if (replacing) {
        Report({LinkReport::Kind::OperatorDisconnected});
    }

    m_countdownReason.clear();
    m_connectCommand = cmd::kConnectRemote0 + n;
    m_host.SetWaitCursor(true);
    m_options = kOptionsAtConnect;
    m_config.SetCurrentIndex(n);
    m_remote = m_config.LoadProfile(n);
    m_host.ProfileChosen(n);
    m_connectPort = m_remote.port;

    ++m_keyringRead;
    if (m_remote.passwordInKeyring) {
        m_state = State::ReadingPassword;
        m_host.SetStatusText(TrPrintf("brxw::str", str::kReadingKeyring, m_remote.name.c_str()));
        if (m_passwords == nullptr) {
            OnKeyringPassword(false, {}, Tr("brxw::str", str::kNoKeyring));
            return;
        }
        // Answered later: the keyring may first have to start or be unlocked.
        const std::uint64_t read = m_keyringRead;
        m_passwords->Read(KeyringEntry(m_config, n), [guard = QPointer<Session>(this), read](
                                                         bool ok, const std::string& password,
                                                         const QString& error) {
            if (guard && guard->m_keyringRead == read && guard->m_state == State::ReadingPassword) {
                guard->OnKeyringPassword(ok, password, error);
            }
        });
        return;
    }
    Resolve();
}

void Session::OnKeyringPassword(bool ok, const std::string& password, const QString& error) {
    if (!ok) {
        // No password is better than a wrong one: the server would count a failed login.
        m_state = State::Idle;
        m_host.SetWaitCursor(false);
        const std::string text = TrPrintf("brxw::str", str::kKeyringUnreadable,
                                          m_remote.name.c_str(), QStringToAnsi(error).c_str());
        m_host.SetStatusText(text);
        m_host.ShowWarning(TrAnsi("brxw::str", str::kNetworkCaption), text);
        return;
    }
    m_remote.password = password;
    Resolve();
}

void Session::Resolve() {
    if (!m_remote.sshHost.empty()) {
        StartTunnel();
        return;
    }
    if (auto address = ParseDottedIpv4(m_remote.hostName)) {
        m_address = *address;
        StartConnect(true);
        return;
    }
    m_state = State::Resolving;
    m_host.SetStatusText(TrPrintf("brxw::str", str::kResolving, m_remote.hostName.c_str()));
    m_lookupId =
        QHostInfo::lookupHost(QString::fromLatin1(m_remote.hostName), this, &Session::OnLookup);
}

void Session::StartTunnel() {
    m_state = State::Connecting;
    m_host.SetStatusText(TrPrintf("brxw::str", str::kOpeningSshTunnel, m_remote.sshHost.c_str()));
    const std::optional<SshTarget> target = ParseSshHost(m_remote.sshHost);
    if (!target) {
        OnTunnelFailed(BadSshHostMessage(m_remote.sshHost));
        return;
    }
    m_tunnel.Start(*target, m_remote.hostName, m_remote.port);
}

void Session::OnTunnelFailed(const std::string& reason) {
    // The tunnel has stopped itself (or never started, for a malformed host).
    m_state = State::Idle;
    m_host.SetWaitCursor(false);
    ScheduleReconnect();
    Report({LinkReport::Kind::TunnelFailed, 0, reason});
}

void Session::AbortLookup() {
    if (m_lookupId >= 0) {
        QHostInfo::abortHostLookup(m_lookupId);
        m_lookupId = -1;
    }
}

void Session::OnLookup(const QHostInfo& info) {
    if (info.lookupId() != m_lookupId || m_state != State::Resolving) {
        return;  // a lookup that a later Connect has replaced
    }
    m_lookupId = -1;
    int error = WsaFromLookupError(info.error());
    if (error == 0) {
        // The session speaks IPv4 only; a name with no IPv4 address has no usable record.
        error = wsa::kNoData;
        for (const QHostAddress& address : info.addresses()) {
            if (address.protocol() == QAbstractSocket::IPv4Protocol) {
                m_address = address.toIPv4Address();
                error = 0;
                break;
            }
        }
    }
    if (error != 0) {
        m_state = State::Idle;
        m_host.SetWaitCursor(false);
        NetworkError(str::kErrorHostInfo, error);
        m_host.SetStatusText(TrAnsi("brxw::str", str::kNotConnected));
        Report(error == wsa::kHostNotFound ? LinkReport{LinkReport::Kind::HostNotFound}
                                           : LinkReport{LinkReport::Kind::LookupFailed, error});
        return;
    }
    StartConnect(false);
}

void Session::StartConnect(bool direct) {
    m_host.SetStatusText(TrPrintf("brxw::str", str::kConnecting, m_remote.hostName.c_str()));
    int error = m_socket.Open();
    if (error == 0) {
        error = m_socket.SetBlocking(false);
    }
    if (error == 0) {
        m_state = State::Connecting;
        m_writeNotifier = std::make_unique<QSocketNotifier>(static_cast<qintptr>(m_socket.Handle()),
                                                            QSocketNotifier::Write);
        connect(m_writeNotifier.get(), &QSocketNotifier::activated, this,
                &Session::OnConnectResult);
        // The port comes from the INI file: one that TCP cannot have is refused, not wrapped.
        error = m_connectPort < 0 || m_connectPort > 0xFFFF
                    ? wsa::kAddressNotAvailable
                    : m_socket.StartConnect(m_address, static_cast<std::uint16_t>(m_connectPort));
        // Connected at once (possible on loopback): the write notifier reports it all the same.
        if (error == wsa::kWouldBlock) {
            error = 0;
        }
    }
    if (error != 0) {
        // Closed before the box, whose event loop would otherwise report the same failure
        // a second time through the write notifier. A socket that could not even be created
        // leaves nothing to close, so the cursor is restored here as well.
        CloseSession();
        m_host.SetWaitCursor(false);
        ScheduleReconnect();
        if (direct) {
            m_host.SetStatusText(
                TrPrintf("brxw::str", str::kCannotConnect, m_remote.hostName.c_str()));
        }
        Report(ConnectFailure(error));
        NetworkError(str::kErrorEstablishing, error);
    }
}

void Session::OnConnectResult() {
    m_writeNotifier.reset();
    const int error = m_socket.ConnectResult();
    if (error != 0) {
        CloseSession();
        m_host.SetStatusText(TrPrintf("brxw::str", str::kCannotConnect, m_remote.hostName.c_str()));
        ScheduleReconnect();
        Report(ConnectFailure(error));
        return;
    }
    m_state = State::AwaitingChallenge;
    m_host.SetTitle(StrPrintf(str::kPanelTitleConnected, m_remote.name.c_str()));
    const bool status = m_config.ReadProfileInt("Status", 0) != 0;
    const bool messages = m_config.ReadProfileInt("Message", 0) != 0;
    m_host.SetCounterChecks(status, messages);
    if (status) {
        m_options |= category::kSystemStatus;
    }
    if (messages) {
        m_options |= category::kMessageCounters;
    }
    m_host.SetStatusText(TrAnsi("brxw::str", str::kSendingOptions));
    m_readNotifier = std::make_unique<QSocketNotifier>(static_cast<qintptr>(m_socket.Handle()),
                                                       QSocketNotifier::Read);
    connect(m_readNotifier.get(), &QSocketNotifier::activated, this, &Session::OnChallenge);
    SendRawText(LoginLine(m_options, m_remote.callsign));
}

void Session::OnChallenge() {
    if (m_loggedIn) {
        return;
    }
    m_readNotifier.reset();
    m_socket.SetBlocking(true);
    m_socket.SetSendTimeout(m_timing.sendTimeoutMs);
    // One read of at most 256 bytes: the server sends its challenge word within it.
    char buffer[256];
    const long got = RecvSome(m_socket.Handle(), buffer, sizeof buffer);
    if (got <= 0) {
        const int code = got < 0 ? LastSocketError() : 0;
        LinkReport report{LinkReport::Kind::LoginRefused};
        // Through a tunnel ssh accepts the connection itself and closes it when the SSH server
        // cannot reach the BBS: that is no refused login, and ssh says what it is.
        const std::string forward =
            m_tunnel.Running() ? m_tunnel.ChannelFailure(kSshWordMs) : std::string();
        if (!forward.empty()) {
            report = {LinkReport::Kind::ForwardFailed, 0, forward};
        } else if (m_sendFailure) {
            report = *m_sendFailure;  // the login line itself could not go out
        } else if (!ClosedByServer(got < 0 ? LinkEndCause::ReceiveError : LinkEndCause::EndOfStream,
                                   code)) {
            report = {LinkReport::Kind::ReceiveFailed, code};
        }
        CloseSession();
        ScheduleReconnect();
        Report(report);
        if (forward.empty()) {
            m_host.ShowLinkWarning(TrAnsi("brxw::str", str::kNetworkCaption),
                                   TrAnsi("brxw::str", str::kConnectionClosed));
        }
        return;
    }
    const std::string challenge = ChallengeWord(std::string_view(buffer, std::size_t(got)));
    m_host.SetStatusText(TrAnsi("brxw::str", str::kAuthenticating));

    ++m_generation;
    m_frameSinceLogin = false;
    m_sinceLogin.start();
    m_receiver.Start(m_socket.Handle(), m_queue, m_sink.get(), m_generation);
    SendRawText(LoginReply(challenge, m_remote.password));

    m_host.SetConnectItemChecked(m_connectCommand, true);
    m_host.SetWaitCursor(false);
    m_state = State::LoggedIn;
    m_host.RestoreWindows(m_config.ReadProfileInt("State_0", 0) != 0,
                          m_config.ReadProfileInt("State_m", 0) != 0);
    m_loggedIn = true;
    m_host.SessionStateChanged(true);
    Report({LinkReport::Kind::LoggedIn});
}

void Session::OnLinkEvent(const LinkEvent& event) {
    const int type = event.type();
    const std::uint64_t generation = event.Generation();
    // Events of a session that has been closed or replaced since they were posted.
    if (generation != m_generation || !m_socket.IsOpen() || !m_loggedIn) {
        return;
    }
    if (type == kFrameQueuedEvent) {
        // Frames wait in the queue; they are handed on from a zero-time timer, which runs after
        // the pending events, paints included, have had their turn.
        if (!m_dispatchTimer.isActive()) {
            m_dispatchTimer.start();
        }
        return;
    }
    // The frames the server sent before it went away are shown before the session ends.
    DispatchPending(true);
    if (generation != m_generation || !m_socket.IsOpen()) {
        return;  // a frame's handler ended or replaced the session meanwhile
    }
    LinkReport report = BrokenLinkReport(event.Cause(), event.Code());
    // ssh ending takes the forwarded connection with it: then the tunnel is what broke.
    if (m_tunnel.Running()) {
        if (std::string why = m_tunnel.EndReason(kSshWordMs); !why.empty()) {
            report = {LinkReport::Kind::TunnelLost, 0, std::move(why)};
        }
    }
    EndSession();
    Report(report);
    ScheduleReconnect();
}

LinkReport Session::BrokenLinkReport(LinkEndCause cause, int code) const {
    if (m_sendFailure) {
        // This side shut the socket down after the failed send; the receive thread only saw
        // the end that followed.
        return *m_sendFailure;
    }
    if (cause == LinkEndCause::FrameTooLong) {
        return {LinkReport::Kind::FrameTooLong, code};
    }
    if (ClosedByServer(cause, code) && !m_frameSinceLogin && m_timing.loginVerdictMs > 0 &&
        m_sinceLogin.isValid() && !m_sinceLogin.hasExpired(m_timing.loginVerdictMs)) {
        return {LinkReport::Kind::LoginRefused};
    }
    if (cause == LinkEndCause::ReceiveError) {
        return {LinkReport::Kind::ReceiveFailed, code};
    }
    return {LinkReport::Kind::ServerClosed};
}

void Session::Report(LinkReport report) {
    // The countdown that follows an end keeps its reason in view until the next attempt.
    if (report.kind != LinkReport::Kind::LoggedIn &&
        report.kind != LinkReport::Kind::OperatorDisconnected) {
        m_countdownReason = ReasonText(report);
    }
    m_host.LinkReported(m_log.Add(m_remote.name, m_remote.hostName, report));
}

void Session::DispatchPending(bool all) {
    QElapsedTimer slice;
    slice.start();
    const std::uint64_t generation = m_generation;
    // One frame at a time, in order. A handler may end the session (which empties the queue)
    // or open a dialog whose event loop comes back here; each pop is whole by itself.
    while (auto frame = m_queue.PopFrame()) {
        m_frameSinceLogin = true;
        m_host.FrameArrived(*frame);
        if (generation != m_generation) {
            return;  // the session ended or was replaced: what is queued now is not this pass's
        }
        if (!all && slice.elapsed() >= kDispatchSliceMs) {
            break;
        }
    }
    // The receive thread posts again only once the queue was empty, so what is left is this
    // side's to come back for.
    if (m_queue.Size() > 0 && !m_dispatchTimer.isActive()) {
        m_dispatchTimer.start();
    }
}

void Session::Disconnect() {
    // Also an attempt under way (keyring, lookup, tunnel, connect, login) and the countdown:
    // whatever is going on stops, and nothing starts again by itself.
    const bool active = Active();
    EndSession();
    if (active) {
        Report({LinkReport::Kind::OperatorDisconnected});
    }
}

void Session::EndSession() {
    m_countdownTimer.stop();
    if (m_state == State::ReadingPassword) {
        ++m_keyringRead;  // its answer is no longer awaited
        m_host.SetWaitCursor(false);
    }
    m_host.EmptyStationList();
    AbortLookup();
    CloseSession();
    if (m_connectCommand != cmd::kDisconnect) {
        m_host.SetConnectItemChecked(m_connectCommand, false);
    }
    m_loggedIn = false;
    m_state = State::Idle;
    m_host.SessionStateChanged(false);
}

void Session::StopThreadAndClose() {
    m_writeNotifier.reset();
    m_readNotifier.reset();
    m_receiver.RequestStop();
    m_socket.Shutdown();
    m_receiver.Join();
    m_socket.Close();
    // Frames, events and the fetched file's path of the closed session must not reach the next
    // one.
    ++m_generation;
    m_remoteFilePath.clear();
    m_sendFailure.reset();
    m_queue.Clear();
    m_dispatchTimer.stop();
}

void Session::CloseSession() {
    // The tunnel belongs to one session: a reconnection opens a new one.
    m_tunnel.Stop();
    if (!m_socket.IsOpen()) {
        return;
    }
    StopThreadAndClose();
    m_loggedIn = false;
    m_state = State::Idle;
    m_host.SetWaitCursor(false);
    m_host.SessionStateChanged(false);
}

void Session::ScheduleReconnect() {
    m_state = State::WaitingToReconnect;
    m_countdown = kReconnectSeconds;
    m_countdownTimer.start();
}

void Session::CountdownTick() {
    if (m_state != State::WaitingToReconnect) {
        m_countdownTimer.stop();
        return;
    }
    --m_countdown;
    if (m_countdown <= 0) {
        m_countdownTimer.stop();
        Connect(m_connectCommand - cmd::kConnectRemote0);
        return;
    }
    const std::string left =
        TrPrintf("brxw::str", str::kReconnectIn, m_remote.hostName.c_str(), m_countdown);
    std::string text = TrPrintf("brxw::str", str::kWillReconnect, left.c_str());
    if (!m_countdownReason.empty()) {
        text =
            TrPrintf("brxw::str", str::kReconnectReason, text.c_str(), m_countdownReason.c_str());
    }
    m_host.SetStatusText(text);
}

void Session::NetworkError(const char* caption, int code) {
    m_host.ShowLinkWarning(TrAnsi("brxw::str", str::kNetworkCaption),
                           StrPrintf(str::kNetworkErrorText, TrAnsi("brxw::str", caption).c_str(),
                                     SocketErrorShown(code).c_str()));
}

}  // namespace brxw
