// SPDX-License-Identifier: GPL-3.0-or-later
// SshTunnel against a stand-in for ssh (BRXW_SSH, a shell script): the arguments it is given,
// when the tunnel counts as open, what is said when it ends before and after that, and that
// nothing of it outlives the tunnel. The real ssh and sshd: tests/e2e/ssh_tunnel_e2e_test.cpp.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTemporaryDir>

#include <sys/types.h>
#include <cerrno>
#include <csignal>
#include <optional>

#include "link/ssh_tunnel.h"
#include "support/wait.h"

namespace brxw {
namespace {

using test::WaitUntil;

TEST(SshTunnelTest, TheArgumentsForwardALoopbackPortOnlyAndNothingBecomesAnOption) {
    EXPECT_EQ(
        SshTunnel::Arguments({"sysop", "gw.example.org", 2222}, "bbs.example.org", 3286, 40000),
        (QStringList{"-N", "-L", "127.0.0.1:40000:bbs.example.org:3286", "-o",
                     "ExitOnForwardFailure=yes", "-o", "BatchMode=yes", "-o", "LogLevel=INFO", "-p",
                     "2222", "--", "sysop@gw.example.org"}));
    // An IPv6 address of the BBS goes in brackets; ssh's own default port is not named.
    EXPECT_EQ(
        SshTunnel::Arguments({"", "gw", 0}, "::1", 6300, 40001),
        (QStringList{"-N", "-L", "127.0.0.1:40001:[::1]:6300", "-o", "ExitOnForwardFailure=yes",
                     "-o", "BatchMode=yes", "-o", "LogLevel=INFO", "--", "gw"}));
}

// A stand-in for ssh that writes its arguments to <script>.args, waits for <script>.end, then
// says a great deal on stderr, last of all its reason, and exits 255 as ssh does.
class FakeSsh {
public:
    FakeSsh() : m_script(m_dir.filePath(QStringLiteral("ssh"))) {
        QFile file(m_script);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            "#!/bin/sh\n"
            "printf '%s\\n' \"$@\" > \"$0.args\"\n"
            "while [ ! -e \"$0.end\" ]; do sleep 0.02; done\n"
            "i=0\n"
            "while [ $i -lt 200 ]; do\n"
            "  echo \"debug1: chatter $i, which a chatty ssh writes before its last word\" >&2\n"
            "  i=$((i + 1))\n"
            "done\n"
            "echo 'Connection to gw closed by remote host.' >&2\n"
            "exit 255\n");
        file.close();
        QFile::setPermissions(m_script, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        m_before = qgetenv("BRXW_SSH");
        qputenv("BRXW_SSH", m_script.toLocal8Bit());
    }
    ~FakeSsh() { qputenv("BRXW_SSH", m_before); }

    // The arguments it was started with, once it has written them.
    QStringList Arguments() const {
        QFile file(m_script + QStringLiteral(".args"));
        if (!WaitUntil([&] { return file.exists() && file.size() > 0; }) ||
            !file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    void End() const {
        QFile file(m_script + QStringLiteral(".end"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    }

private:
    QTemporaryDir m_dir;
    QString m_script;
    QByteArray m_before;
};

TEST(SshTunnelTest, ReadyOnceTheForwardListensAndAnEndAfterThatIsTheSessionsToReport) {
    const std::string lastWord = "Connection to gw closed by remote host.";
    for (const bool forwardListens : {true, false}) {
        SCOPED_TRACE(forwardListens ? "ssh ends while the session is up" : "ssh ends at once");
        FakeSsh ssh;
        SshTunnel tunnel(60000);
        std::optional<int> ready;
        std::optional<std::string> failed;
        tunnel.onReady = [&](int port) { ready = port; };
        tunnel.onFailed = [&](const std::string& reason) { failed = reason; };
        tunnel.Start({"sysop", "gw", 2222}, "bbs.example.org", 3286);

        // Started with exactly the pinned arguments, around a loopback port of its own.
        const QStringList args = ssh.Arguments();
        ASSERT_EQ(args.size(), 13) << args.join(' ').toStdString();
        const int port = args[2].section(QLatin1Char(':'), 1, 1).toInt();
        ASSERT_GT(port, 0);
        EXPECT_EQ(args, SshTunnel::Arguments({"sysop", "gw", 2222}, "bbs.example.org", 3286, port));

        // ssh listens on the port once it has logged in; here the test does it for it.
        QTcpServer forward;
        if (forwardListens) {
            ASSERT_TRUE(forward.listen(QHostAddress::LocalHost, static_cast<quint16>(port)));
            ASSERT_TRUE(WaitUntil([&] { return ready.has_value(); }));
            EXPECT_EQ(*ready, port);
        }
        ssh.End();
        if (forwardListens) {
            // The session sees its link end and asks why: ssh's last line, not the first 4 KiB
            // of its chatter. The tunnel itself reports no failed opening.
            EXPECT_EQ(tunnel.EndReason(10000), lastWord);
            QCoreApplication::processEvents();
            EXPECT_FALSE(failed.has_value()) << *failed;
        } else {
            ASSERT_TRUE(WaitUntil([&] { return failed.has_value(); }, 10000));
            EXPECT_EQ(*failed, lastWord);
            EXPECT_FALSE(ready.has_value());
            EXPECT_FALSE(tunnel.Running());
        }
    }
}

QStringList g_warnings;

TEST(SshTunnelTest, AnSshStillOpeningEndsWithTheTunnelAndIsNotLeftToTheApplication) {
    FakeSsh ssh;
    qint64 pid = 0;
    g_warnings.clear();
    const QtMessageHandler before = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { g_warnings << text; });
    {
        SshTunnel tunnel(60000);
        tunnel.Start({"", "gw", 0}, "bbs", 3286);
        ASSERT_FALSE(ssh.Arguments().isEmpty());
        pid = tunnel.ProcessId();
        ASSERT_GT(pid, 0);
        // A Connect that replaces the attempt stops it without waiting, then the program ends.
        tunnel.Stop();
    }
    qInstallMessageHandler(before);
    // Ended and reaped by the tunnel itself, not destroyed still running (by the application as
    // it quits, or by the tunnel), which Qt warns of on stderr.
    EXPECT_TRUE(g_warnings.isEmpty()) << g_warnings.join('\n').toStdString();
    EXPECT_TRUE(::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
        << "ssh " << pid << " outlived its tunnel";
}

}  // namespace
}  // namespace brxw
