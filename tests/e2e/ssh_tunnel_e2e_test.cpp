// SPDX-License-Identifier: GPL-3.0-or-later
// A profile with an SSH host: the session reaches the reference peer through the system's ssh
// client and a private sshd on loopback, run as the current user with keys made for the test.
// Exits 77 (skipped) when ssh, ssh-keygen or sshd is not installed.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <sys/prctl.h>
#include <sys/types.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>

#include "config/app_config.h"
#include "link/session.h"
#include "link/ssh_tunnel.h"
#include "support/fake_session_host.h"
#include "support/running_peer.h"
#include "support/wait.h"

namespace brxw {
namespace {

using test::WaitUntil;

const QString kSshd = QStringLiteral("/usr/sbin/sshd");

int FreePort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

bool WriteFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

bool Alive(qint64 pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

// The sshd, its keys and the client's configuration, shared by the tests of this file.
class SshServer {
public:
    bool Start() {
        const QString dir = m_dir.path();
        for (const char* key : {"host_key", "client_key"}) {
            if (QProcess::execute(QStringLiteral("ssh-keygen"),
                                  {QStringLiteral("-q"), QStringLiteral("-t"),
                                   QStringLiteral("ed25519"), QStringLiteral("-N"), QString(),
                                   QStringLiteral("-f"), m_dir.filePath(QLatin1String(key))}) !=
                0) {
                return false;
            }
        }
        QFile::copy(m_dir.filePath(QStringLiteral("client_key.pub")),
                    m_dir.filePath(QStringLiteral("authorized_keys")));
        // As root, sshd wants its privilege separation directory, which the system's service
        // would have made.
        if (::geteuid() == 0) {
            QDir().mkpath(QStringLiteral("/run/sshd"));
        }
        m_port = FreePort();
        const QByteArray config = "ListenAddress 127.0.0.1\nPort " + QByteArray::number(m_port) +
                                  "\nHostKey " + (dir + "/host_key").toUtf8() +
                                  "\nAuthorizedKeysFile " + (dir + "/authorized_keys").toUtf8() +
                                  "\nPidFile " + (dir + "/sshd.pid").toUtf8() +
                                  "\nStrictModes no\nUsePAM no\nPasswordAuthentication no\n"
                                  "KbdInteractiveAuthentication no\nPermitRootLogin "
                                  "prohibit-password\nAllowTcpForwarding yes\nLogLevel ERROR\n";
        const QByteArray client =
            "Host *\n  IdentityFile " + (dir + "/client_key").toUtf8() +
            "\n  IdentitiesOnly yes\n  IdentityAgent none\n  UserKnownHostsFile " +
            (dir + "/known_hosts").toUtf8() +
            "\n  StrictHostKeyChecking accept-new\n  LogLevel ERROR\n";
        const QString wrapper = m_dir.filePath(QStringLiteral("ssh"));
        if (!WriteFile(m_dir.filePath(QStringLiteral("sshd_config")), config) ||
            !WriteFile(m_dir.filePath(QStringLiteral("ssh_config")), client) ||
            !WriteFile(wrapper, "#!/bin/sh\nexec ssh -F '" + (dir + "/ssh_config").toUtf8() +
                                    "' \"$@\"\n")) {
            return false;
        }
        // Another ssh that knows the server under another key (the client's): what a moved or
        // impersonated server looks like.
        QFile pub(m_dir.filePath(QStringLiteral("client_key.pub")));
        if (!pub.open(QIODevice::ReadOnly) ||
            !WriteFile(m_dir.filePath(QStringLiteral("wrong_known_hosts")),
                       "[127.0.0.1]:" + QByteArray::number(m_port) + " " + pub.readAll()) ||
            !WriteFile(WrongHostKeySsh(), "#!/bin/sh\nexec ssh -o UserKnownHostsFile='" +
                                              (dir + "/wrong_known_hosts").toUtf8() + "' -F '" +
                                              (dir + "/ssh_config").toUtf8() + "' \"$@\"\n")) {
            return false;
        }
        for (const QString& script : {wrapper, WrongHostKeySsh()}) {
            QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("BRXW_SSH", wrapper.toLocal8Bit());
        m_ssh = wrapper;

        m_sshd.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Ends with the test even when the test itself is killed or aborts.
        m_sshd.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_sshd.start(kSshd, {QStringLiteral("-D"), QStringLiteral("-e"), QStringLiteral("-f"),
                             m_dir.filePath(QStringLiteral("sshd_config"))});
        return m_sshd.waitForStarted() && WaitUntil([this] {
                   QTcpSocket probe;
                   probe.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(m_port));
                   return probe.waitForConnected(100);
               });
    }

    ~SshServer() {
        m_sshd.terminate();
        m_sshd.waitForFinished(2000);
    }

    int Port() const { return m_port; }
    QString Ssh() const { return m_ssh; }
    QString WrongHostKeySsh() const { return m_dir.filePath(QStringLiteral("ssh-wrong-key")); }

private:
    QTemporaryDir m_dir;
    QProcess m_sshd;
    QString m_ssh;
    int m_port = 0;
};

SshServer* g_server = nullptr;

class SshTunnelE2E : public ::testing::Test {
protected:
    SshTunnelE2E() : m_config(m_dir.filePath(QStringLiteral("BrxW.ini"))) {}

    static void SetUpTestSuite() {
        g_server = new SshServer;
        ASSERT_TRUE(g_server->Start());
    }
    static void TearDownTestSuite() {
        delete g_server;
        g_server = nullptr;
    }

    void SetUp() override { ASSERT_TRUE(m_peer.Start()); }

    void WriteProfile(const std::string& sshHost, const std::string& hostName = "127.0.0.1",
                      int port = 0) {
        RemoteConfig profile = AppConfig::DefaultProfile(0);
        profile.hostName = hostName;
        profile.port = port != 0 ? port : m_peer.Port();
        profile.sshHost = sshHost;
        m_config.SaveProfile(0, profile);
    }

    QTemporaryDir m_dir;
    AppConfig m_config;
    test::RunningPeer m_peer;
    test::FakeSessionHost m_host;
    Session m_session{m_config, m_host, Session::Timing{10, 3600 * 1000, 20000, 10000, 5000}};
};

TEST_F(SshTunnelE2E, LogsInThroughTheTunnelWhichEndsWithTheSessionAndOpensAgainOnReconnect) {
    const std::string sshHost = "127.0.0.1:" + std::to_string(g_server->Port());
    WriteProfile(sshHost);
    // Round 1 loses the link at the peer, round 2 loses ssh itself, round 3 disconnects.
    for (int round = 1; round <= 3; ++round) {
        const int acceptedBefore = m_peer.Server().AcceptedCount();
        if (round == 1) {
            m_host.statusTexts.clear();
            m_session.Connect(0);
        } else {
            for (int i = 0; i < 59; ++i) {
                m_session.CountdownTick();
            }
            m_host.statusTexts.clear();
            m_session.CountdownTick();
        }
        // As a normal user, sshd (without PAM) refuses an account whose password is locked.
        ASSERT_TRUE(WaitUntil([&] { return m_host.logins == round; }, 10000))
            << (m_host.reports.empty() ? m_host.LastStatus() : ReportLine(m_host.reports.back()));
        const std::vector<std::string> expected = {"Opening SSH tunnel to " + sshHost + " ...",
                                                   "Connecting 127.0.0.1 ...", "Sending options...",
                                                   "Authentication in progress ..."};
        EXPECT_EQ(m_host.statusTexts, expected);
        ASSERT_TRUE(WaitUntil([&] { return m_peer.LoggedInCount() > 0; }));
        // The BBS sees the login's connection alone: finding the tunnel up costs it no visit.
        EXPECT_EQ(m_peer.Server().AcceptedCount() - acceptedBefore, 1);
        const qint64 pid = m_session.TunnelProcessId();
        ASSERT_GT(pid, 0);
        EXPECT_TRUE(Alive(pid));

        // The tunnel ends with the session; the countdown's reconnection (the next round)
        // opens a new one.
        if (round == 3) {
            m_session.Disconnect();
        } else {
            if (round == 1) {
                m_peer.Stop();
            } else {
                ::kill(static_cast<pid_t>(pid), SIGKILL);
            }
            ASSERT_TRUE(WaitUntil(
                [&] { return m_session.CurrentState() == Session::State::WaitingToReconnect; }));
            // A tunnel that worked and then broke is a lost link, not a tunnel that failed;
            // when ssh itself ended, that is what the log says.
            const LinkReport& report = m_host.reports.back();
            EXPECT_NE(report.kind, LinkReport::Kind::TunnelFailed) << ReportLine(report);
            if (round == 1) {
                EXPECT_NE(report.kind, LinkReport::Kind::TunnelLost) << ReportLine(report);
            } else {
                EXPECT_EQ(ReportLine(report), "Link down: the SSH tunnel ended: ssh was killed");
            }
            if (round == 1) {
                ASSERT_TRUE(m_peer.Start());
                WriteProfile(sshHost);  // the peer listens on a new port
            }
        }
        EXPECT_EQ(m_session.TunnelProcessId(), 0);
        EXPECT_TRUE(WaitUntil([&] { return !Alive(pid); })) << "ssh " << pid << " is left running";
    }
}

// The tunnel opens, but the SSH server cannot reach the BBS (it is down, or speaks IPv4 only):
// ssh closes the forwarded connection and says why. That is what the log and the countdown say,
// not a refused login, and no box waits for the sysop.
TEST_F(SshTunnelE2E, ABbsTheSshServerCannotReachIsReportedInSshsWordsWithoutABox) {
    const std::string sshHost = "127.0.0.1:" + std::to_string(g_server->Port());
    // Nobody listens on the port, on IPv4 or (bracketed in the forward) on IPv6.
    const int closed = FreePort();
    for (const std::string host : {"127.0.0.1", "::1"}) {
        SCOPED_TRACE(host);
        WriteProfile(sshHost, host, closed);
        m_host.reports.clear();
        m_host.warnings.clear();
        m_session.Connect(0);
        ASSERT_TRUE(WaitUntil([&] { return !m_host.reports.empty(); }, 10000));
        const LinkReport& report = m_host.reports.back();
        EXPECT_EQ(report.kind, LinkReport::Kind::ForwardFailed) << ReportLine(report);
        EXPECT_EQ(report.detail.rfind("connect failed: ", 0), 0u) << ReportLine(report);
        EXPECT_TRUE(m_host.warnings.empty()) << m_host.warnings.front().text;
        EXPECT_EQ(m_session.CurrentState(), Session::State::WaitingToReconnect);
        m_session.CountdownTick();
        EXPECT_EQ(m_host.LastStatus(),
                  "Will reconnect " + host +
                      " in 59 s: the SSH server could not reach the BBS: " + report.detail);
        // Disconnect ends the countdown and with it the retries.
        m_session.Disconnect();
        EXPECT_FALSE(m_session.CountdownRunning());
        EXPECT_EQ(m_session.CurrentState(), Session::State::Idle);
    }
    EXPECT_EQ(m_peer.LoggedInCount(), 0);

    // An SSH server that accepts and then says nothing: Disconnect ends the opening at once.
    QTcpServer dead;
    ASSERT_TRUE(dead.listen(QHostAddress::LocalHost, 0));
    WriteProfile("127.0.0.1:" + std::to_string(dead.serverPort()));
    m_host.reports.clear();
    m_session.Connect(0);
    ASSERT_TRUE(WaitUntil([&] { return dead.hasPendingConnections(); }));
    const qint64 pid = m_session.TunnelProcessId();
    ASSERT_GT(pid, 0);
    m_session.Disconnect();
    EXPECT_EQ(m_session.TunnelProcessId(), 0);
    EXPECT_EQ(m_session.CurrentState(), Session::State::Idle);
    EXPECT_FALSE(m_session.CountdownRunning());
    ASSERT_EQ(m_host.reports.size(), 1u);
    EXPECT_EQ(m_host.reports.back().kind, LinkReport::Kind::OperatorDisconnected);
    EXPECT_TRUE(WaitUntil([&] { return !Alive(pid); })) << "ssh " << pid << " is left running";
}

TEST(SshTunnelStop, AnSshThatIgnoresSigtermDoesNotHoldTheWindowsAndIsKilledAfterItsGrace) {
    QTemporaryDir dir;
    const QString stubborn = dir.filePath(QStringLiteral("stubborn-ssh"));
    // An ignored signal stays ignored across exec.
    ASSERT_TRUE(WriteFile(stubborn, "#!/bin/sh\ntrap '' TERM\n: > \"$0.ready\"\nexec sleep 60\n"));
    ASSERT_TRUE(QFile::setPermissions(stubborn, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const QByteArray before = qgetenv("BRXW_SSH");
    qputenv("BRXW_SSH", stubborn.toLocal8Bit());
    SshTunnel tunnel(60000);
    tunnel.Start(SshTarget{"", "127.0.0.1", 0}, "127.0.0.1", 1);
    ASSERT_TRUE(WaitUntil([&] { return QFileInfo::exists(stubborn + QStringLiteral(".ready")); }));
    const qint64 pid = tunnel.ProcessId();
    tunnel.Stop();
    // Stop returned before ssh ended: it did not wait for it.
    EXPECT_FALSE(tunnel.Running());
    EXPECT_TRUE(Alive(pid));
    EXPECT_TRUE(WaitUntil([&] { return !Alive(pid); }, 10000)) << "ssh " << pid << " survived";
    qputenv("BRXW_SSH", before);
}

TEST_F(SshTunnelE2E, AFailingSshIsReportedInItsOwnWordsAndEnded) {
    struct Case {
        std::string sshHost;
        QString ssh;
        const char* reason;  // ssh's own error line holds this
    };
    const std::string server = "127.0.0.1:" + std::to_string(g_server->Port());
    const Case cases[] = {
        {"127.0.0.1:" + std::to_string(FreePort()), g_server->Ssh(), "Connection refused"},
        {"no-such-user-here@" + server, g_server->Ssh(), "Permission denied"},
        {server, g_server->WrongHostKeySsh(), "Host key verification failed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sshHost);
        qputenv("BRXW_SSH", c.ssh.toLocal8Bit());
        WriteProfile(c.sshHost);
        m_host.reports.clear();
        m_session.Connect(0);
        EXPECT_EQ(m_host.statusTexts.back(), "Opening SSH tunnel to " + c.sshHost + " ...");
        ASSERT_TRUE(WaitUntil([&] { return !m_host.reports.empty(); }, 10000));
        const LinkReport& report = m_host.reports.back();
        EXPECT_EQ(report.kind, LinkReport::Kind::TunnelFailed);
        const std::string line = ReportLine(report);
        EXPECT_EQ(line.rfind("Cannot connect: the SSH tunnel could not be opened: ", 0), 0u)
            << line;
        EXPECT_NE(line.find(c.reason), std::string::npos) << line;
        EXPECT_EQ(m_session.CurrentState(), Session::State::WaitingToReconnect);
        EXPECT_EQ(m_session.TunnelProcessId(), 0);
        EXPECT_FALSE(m_session.HasSocket());
        EXPECT_EQ(m_peer.LoggedInCount(), 0);
    }
    qputenv("BRXW_SSH", g_server->Ssh().toLocal8Bit());
}

}  // namespace
}  // namespace brxw

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (!QFileInfo(brxw::kSshd).isExecutable() ||
        QStandardPaths::findExecutable(QStringLiteral("ssh")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("ssh-keygen")).isEmpty()) {
        std::puts("ssh, ssh-keygen or /usr/sbin/sshd is not installed: skipped");
        return 77;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
