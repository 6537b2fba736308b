// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ssh_tunnel.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QTcpServer>

#include "link/native_socket.h"
#include "text/charset.h"

#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#include <csignal>
#elif defined(_WIN32)
#include <windows.h>
#endif

namespace brxw {
namespace {

constexpr int kPollMs = 100;
constexpr int kStopWaitMs = 1000;
// Only the last lines matter; a chatty ssh does not grow the buffer without end.
constexpr qsizetype kStderrKeep = 4096;

// A loopback port nobody listens on now. ssh binds it a moment later; should another program
// take it meanwhile, ssh exits (ExitOnForwardFailure) and says so.
int FreeLoopbackPort() {
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0)) {
        return 0;
    }
    const int port = server.serverPort();
    server.close();
    return port;
}

#ifdef _WIN32
// A brxW that crashes or is killed leaves no tunnel behind: every ssh is put in one job object
// that ends its processes when the program's last handle to it closes, which is at its end.
void EndWithTheProgram(qint64 pid) {
    static const HANDLE job = [] {
        const HANDLE made = CreateJobObjectW(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        if (made != nullptr && SetInformationJobObject(made, JobObjectExtendedLimitInformation,
                                                       &limits, sizeof limits) == FALSE) {
            CloseHandle(made);
            return HANDLE{nullptr};
        }
        return made;
    }();
    const HANDLE process =
        OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE, static_cast<DWORD>(pid));
    if (job != nullptr && process != nullptr) {
        AssignProcessToJobObject(job, process);
    }
    if (process != nullptr) {
        CloseHandle(process);
    }
}
#endif

}  // namespace

SshTunnel::SshTunnel(int waitMs) : m_waitMs(waitMs) {
    m_pollTimer.setInterval(kPollMs);
    connect(&m_pollTimer, &QTimer::timeout, this, &SshTunnel::Poll);
}

SshTunnel::~SshTunnel() {
    Stop();
    // The ssh processes still ending are this tunnel's children: ended here rather than found
    // running by their destructor (which would warn and kill them without a word to ssh).
    for (QProcess* ending : findChildren<QProcess*>(Qt::FindDirectChildrenOnly)) {
        ending->disconnect(this);
        if (!ending->waitForFinished(kStopWaitMs)) {
            ending->kill();
            ending->waitForFinished(kStopWaitMs);
        }
    }
}

QString SshTunnel::Program() {
    const QString program = qEnvironmentVariable("BRXW_SSH");
    return program.isEmpty() ? QStringLiteral("ssh") : program;
}

QStringList SshTunnel::Arguments(const SshTarget& target, const std::string& remoteHost,
                                 int remotePort, int localPort) {
    // The forward listens on loopback only, whatever GatewayPorts says; an IPv6 address goes in
    // brackets, or ssh would take its colons for the separators of the forward.
    QString host = QString::fromStdString(remoteHost);
    if (host.contains(QLatin1Char(':')) && !host.startsWith(QLatin1Char('['))) {
        host = QLatin1Char('[') + host + QLatin1Char(']');
    }
    QStringList args{QStringLiteral("-N"), QStringLiteral("-L"),
                     QStringLiteral("127.0.0.1:%1:%2:%3").arg(localPort).arg(host).arg(remotePort),
                     QStringLiteral("-o"), QStringLiteral("ExitOnForwardFailure=yes"),
                     QStringLiteral("-o"), QStringLiteral("BatchMode=yes"),
                     // ssh says why a forwarded connection failed ("open failed") at this level,
                     // whatever a configuration file asks for: the session reports its words.
                     QStringLiteral("-o"), QStringLiteral("LogLevel=INFO")};
    if (target.port != 0) {
        args << QStringLiteral("-p") << QString::number(target.port);
    }
    // After "--" nothing can be an option, whatever the destination looks like.
    args << QStringLiteral("--") << QString::fromStdString(target.Destination());
    return args;
}

qint64 SshTunnel::ProcessId() const {
    return m_process ? m_process->processId() : 0;
}

void SshTunnel::Start(const SshTarget& target, const std::string& remoteHost, int remotePort) {
    Stop();
    m_stderr.clear();
    m_channelFailure.clear();
    m_ready = false;
    m_localPort = FreeLoopbackPort();
    if (m_localPort == 0) {
        Fail(QStringToAnsi(tr("no free local port for the forward")));
        return;
    }
    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::SeparateChannels);
    m_process->setStandardOutputFile(QProcess::nullDevice());
    m_process->setStandardInputFile(QProcess::nullDevice());
#ifdef Q_OS_LINUX
    // A brxW that crashes or is killed leaves no tunnel behind.
    m_process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
    QProcess* process = m_process.get();
#ifdef _WIN32
    connect(process, &QProcess::started, this,
            [process] { EndWithTheProgram(process->processId()); });
#endif
    connect(process, &QProcess::readyReadStandardError, this, &SshTunnel::ReadStderr);
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            Fail(QStringToAnsi(tr("cannot run %1: %2").arg(Program(), m_process->errorString())));
        }
    });
    connect(process, &QProcess::finished, this, [this] {
        if (m_ready) {
            // Its end closes the forwarded connection: the session sees a lost link and
            // reconnects, with a new tunnel.
            return;
        }
        std::string line = LastErrorLine();
        Fail(line.empty() ? QStringToAnsi(tr("ssh ended before the forward was open")) : line);
    });
    m_started.start();
    m_pollTimer.start();
    process->start(Program(), Arguments(target, remoteHost, remotePort, m_localPort));
}

void SshTunnel::Poll() {
    if (!m_process) {
        return;
    }
    if (m_started.hasExpired(m_waitMs)) {
        std::string line = LastErrorLine();
        Fail(QStringToAnsi(
                 tr("ssh did not open the forward within %1 seconds").arg(m_waitMs / 1000)) +
             (line.empty() ? "" : ": " + line));
        return;
    }
    // Up once ssh listens on the port (it does so after it has logged in). Seen by binding the
    // port, not by connecting through it: a connection would go on to the BBS, which would count
    // a visit that never logs in.
    if (!LoopbackPortListened(static_cast<std::uint16_t>(m_localPort))) {
        return;
    }
    m_pollTimer.stop();
    m_ready = true;
    if (onReady) {
        onReady(m_localPort);
    }
}

void SshTunnel::ReadStderr() {
    if (!m_process) {
        return;
    }
    const QByteArray got = m_process->readAllStandardError();
    if (got.isEmpty()) {
        return;
    }
    m_stderr += got;
    if (m_stderr.size() > kStderrKeep) {
        m_stderr = m_stderr.right(kStderrKeep);
    }
    // "channel 2: open failed: connect failed: Connection refused": the forwarded connection
    // could not be made on the far side.
    static const QByteArray kOpenFailed = QByteArrayLiteral("open failed");
    const QList<QByteArray> lines = m_stderr.split('\n');
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
        const qsizetype at = it->indexOf(kOpenFailed);
        if (at < 0) {
            continue;
        }
        QByteArray reason = it->mid(at + kOpenFailed.size()).trimmed();
        if (reason.startsWith(':')) {
            reason = reason.mid(1).trimmed();
        }
        m_channelFailure = (reason.isEmpty() ? it->trimmed() : reason).toStdString();
        break;
    }
}

std::string SshTunnel::ChannelFailure(int waitMs) {
    ReadStderr();
    if (m_channelFailure.empty() && m_process && m_process->state() == QProcess::Running) {
        m_process->setReadChannel(QProcess::StandardError);
        m_process->waitForReadyRead(waitMs);
        ReadStderr();
    }
    return m_channelFailure;
}

std::string SshTunnel::EndReason(int waitMs) {
    if (!m_process || !m_ready) {
        return {};
    }
    if (m_process->state() != QProcess::NotRunning && !m_process->waitForFinished(waitMs)) {
        return {};
    }
    std::string line = LastErrorLine();
    if (!line.empty()) {
        return line;
    }
    return m_process->exitStatus() == QProcess::CrashExit
               ? QStringToAnsi(tr("ssh was killed"))
               : QStringToAnsi(tr("ssh ended with exit code %1").arg(m_process->exitCode()));
}

std::string SshTunnel::LastErrorLine() {
    ReadStderr();
    const QList<QByteArray> lines = m_stderr.split('\n');
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
        const QByteArray line = it->trimmed();
        if (!line.isEmpty()) {
            return line.toStdString();
        }
    }
    return {};
}

void SshTunnel::Fail(std::string reason) {
    Stop();
    if (onFailed) {
        onFailed(reason);
    }
}

void SshTunnel::Stop() {
    m_pollTimer.stop();
    if (!m_process) {
        return;
    }
    std::unique_ptr<QProcess> process = std::move(m_process);
    process->disconnect(this);
    if (process->state() == QProcess::NotRunning) {
        // Possibly called from one of the process's own signals: deleted once that has returned.
        process.release()->deleteLater();
        return;
    }
    process->terminate();
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) {
        // The program is ending: nothing runs later, so wait here.
        if (!process->waitForFinished(kStopWaitMs)) {
            process->kill();
            process->waitForFinished(kStopWaitMs);
        }
        process.release()->deleteLater();
        return;
    }
    // The windows go on at once: an ssh that takes its time over SIGTERM ends on its own, is
    // killed after a grace, or, when the tunnel goes first, is waited for by its destructor.
    QProcess* ending = process.release();
    ending->setParent(this);
    connect(ending, &QProcess::finished, ending, &QObject::deleteLater);
    QTimer::singleShot(kStopWaitMs, ending, [ending] { ending->kill(); });
}

}  // namespace brxw
