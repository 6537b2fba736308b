// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/command_line.h"
#include "config/ini_location.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <tuple>
#include <vector>

namespace brxw {
namespace {

class CommandLineTest : public testing::Test {
protected:
    // Keep the default location inside a scratch folder.
    void SetUp() override {
        m_savedXdg = qgetenv("XDG_CONFIG_HOME");
        m_savedHome = qgetenv("HOME");
        qputenv("XDG_CONFIG_HOME", XdgFolder().toLocal8Bit());
        qputenv("HOME", m_dir.filePath("home").toLocal8Bit());
    }
    void TearDown() override {
        qputenv("XDG_CONFIG_HOME", m_savedXdg);
        qputenv("HOME", m_savedHome);
    }
    QString XdgFolder() const { return m_dir.filePath("xdg/cfg"); }

    QTemporaryDir m_dir;
    QByteArray m_savedXdg;
    QByteArray m_savedHome;
};

TEST_F(CommandLineTest, DefaultPathFollowsXdgAndCreatesTheFolder) {
    EXPECT_EQ(DefaultIniPath(), m_dir.filePath("xdg/cfg/BrxW.ini"));
    EXPECT_TRUE(QDir(XdgFolder()).exists());
    qputenv("XDG_CONFIG_HOME", "relative/dir");
    EXPECT_EQ(DefaultIniPath(), m_dir.filePath("home/.config/BrxW.ini"));

    // The folder made is the user's own to enter and write: BrxW.ini and its lock can be made
    // in it. Root enters any folder, so an unprivileged child makes it and writes there.
    const uid_t user = ::geteuid() == 0 ? 65534 : ::geteuid();
    const QString own = m_dir.filePath("own");
    ASSERT_TRUE(QDir().mkpath(own));
    ASSERT_EQ(::chmod(m_dir.path().toLocal8Bit().constData(), 0755), 0);
    ASSERT_EQ(::chown(own.toLocal8Bit().constData(), user, static_cast<gid_t>(-1)), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && ::setuid(user) != 0) {
            ::_exit(10);
        }
        qputenv("XDG_CONFIG_HOME", (own + "/new/cfg").toLocal8Bit());
        QFile ini(DefaultIniPath());
        if (!ini.open(QIODevice::WriteOnly)) {
            ::_exit(11);
        }
        struct stat info {};
        ::stat((own + "/new/cfg").toLocal8Bit().constData(), &info);
        ::_exit((info.st_mode & 0777) == 0700 ? 0 : 12);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 10) {
        GTEST_SKIP() << "no unprivileged user to run as";
    }
    EXPECT_EQ(WEXITSTATUS(status), 0) << "11: BrxW.ini could not be made, 12: not owner-only";
}

TEST_F(CommandLineTest, TakesIniFileScreenshotsAndStartupName) {
    const QString defaultPath = m_dir.filePath("xdg/cfg/BrxW.ini");
    const QString relative = QDir::current().absoluteFilePath("x.ini");
    struct Case {
        QStringList args;
        QString iniPath;
        std::string name;
        QString shots;
    };
    const std::vector<Case> cases = {
        {{"brxw"}, defaultPath, "", ""},
        {{"brxw", "Home"}, defaultPath, "Home", ""},
        // --ini in both forms, with one dash as Qt takes its own, and with nothing after it.
        {{"brxw", "--ini", "x.ini"}, relative, "", ""},
        {{"brxw", "--ini=/tmp/y.ini", "Home"}, "/tmp/y.ini", "Home", ""},
        {{"brxw", "-ini", "/tmp/y.ini", "Home"}, "/tmp/y.ini", "Home", ""},
        {{"brxw", "Home", "--ini", "/tmp/y.ini"}, "/tmp/y.ini", "", ""},
        {{"brxw", "Home", "--ini", "Home"}, relative.chopped(5) + "Home", "", ""},
        {{"brxw", "--ini", "-x.ini", "Home"}, relative.chopped(5) + "-x.ini", "Home", ""},
        {{"brxw", "--screenshots", "shots"}, defaultPath, "", "shots"},
        {{"brxw", "--screenshots=/tmp/s", "Home"}, defaultPath, "Home", "/tmp/s"},
        // The values of Qt's own switches, with one dash or two, are never the profile.
        {{"brxw", "-platform", "offscreen"}, defaultPath, "", ""},
        {{"brxw", "Home", "--style", "Fusion"}, defaultPath, "", ""},
        {{"brxw", "Home", "-stylesheet", "a.qss"}, defaultPath, "", ""},
        {{"brxw", "-platform", "offscreen", "-reverse", "Home"}, defaultPath, "Home", ""},
        {{"brxw", "-qwindowgeometry", "640x480", "-display", ":1", "Home"},
         defaultPath,
         "Home",
         ""},
        // Qt's switches without a value, and the last switch hiding the name.
        {{"brxw", "-nograb", "--sync", "Home"}, defaultPath, "Home", ""},
        {{"brxw", "Home", "-reverse"}, defaultPath, "", ""},
        {{"brxw", "--", "-Home"}, defaultPath, "", ""},
        {{"brxw", QString::fromUtf8("Caf\u00e9 \u20ac \u4e00")},
         defaultPath,
         "Caf\xE9 \x80 ?",
         ""}};
    for (const Case& c : cases) {
        const CommandLine parsed = ParseCommandLine(c.args);
        const std::string line = c.args.join(' ').toStdString();
        EXPECT_EQ(parsed.request, CommandLine::Request::Run) << line;
        EXPECT_EQ(parsed.iniPath, c.iniPath) << line;
        EXPECT_EQ(parsed.startupName, c.name) << line;
        EXPECT_EQ(parsed.screenshotDir, c.shots) << line;
    }
}

TEST_F(CommandLineTest, HelpVersionAndAWrongLineAreRequestsThatTouchNoFolder) {
    using Request = CommandLine::Request;
    const std::vector<std::tuple<QStringList, Request>> cases = {
        {{"brxw", "--help"}, Request::ShowHelp},
        {{"brxw", "-h", "Home"}, Request::ShowHelp},
        {{"brxw", "-?"}, Request::ShowHelp},
        {{"brxw", "--version", "--help"}, Request::ShowHelp},
        {{"brxw", "--version"}, Request::ShowVersion},
        {{"brxw", "-platform", "offscreen", "-v", "--ini", "a.ini"}, Request::ShowVersion},
        // A wrong line is refused before anything else is looked at: an unknown option in any
        // spelling, a mistyped one whose value would become the profile, an option without its
        // value.
        {{"brxw", "--bogus"}, Request::Refuse},
        {{"brxw", "--Version"}, Request::Refuse},
        {{"brxw", "-x", "Home"}, Request::Refuse},
        {{"brxw", "--foo=bar", "--help"}, Request::Refuse},
        {{"brxw", "--inii", "/tmp/x.ini"}, Request::Refuse},
        {{"brxw", "Home", "--ini"}, Request::Refuse},
        {{"brxw", "--ini=", "Home"}, Request::Refuse},
        {{"brxw", "--screenshots"}, Request::Refuse},
        {{"brxw", "--screenshots="}, Request::Refuse},
        // One profile at most: a two-word name without quotes is not its last word.
        {{"brxw", "Tunnel", "hang"}, Request::Refuse},
        {{"brxw", "Old", "--ini", "a.ini", "Home"}, Request::Refuse},
        // A switch's value is not a request (last: these make the INI folder).
        {{"brxw", "--ini", "--help"}, Request::Run},
        {{"brxw", "-title", "-v"}, Request::Run}};
    for (const auto& [args, request] : cases) {
        const CommandLine parsed = ParseCommandLine(args);
        EXPECT_EQ(parsed.request, request) << args.join(' ').toStdString();
        EXPECT_EQ(parsed.error.isEmpty(), request != Request::Refuse);
        if (request != Request::Run) {
            EXPECT_TRUE(parsed.iniPath.isEmpty());
            EXPECT_FALSE(QDir(XdgFolder()).exists()) << "the request made the INI folder";
        }
    }
}

#ifdef BRXW_PROGRAM
// The program itself, as a sysop types it at a shell without a display: it answers and ends
// before any window would need one.
TEST_F(CommandLineTest, ProgramAnswersHelpAndVersionWithoutADisplay) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), XdgFolder());
    QString errors;
    const auto run = [&](const QStringList& args, int status = 0) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(BRXW_PROGRAM), args);
        EXPECT_TRUE(process.waitForFinished(30000)) << args.join(' ').toStdString();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        errors = QString::fromLocal8Bit(process.readAllStandardError());
        EXPECT_EQ(process.exitCode(), status) << errors.toStdString();
        return QString::fromLocal8Bit(process.readAllStandardOutput());
    };

    EXPECT_EQ(run({QStringLiteral("--version")}), QStringLiteral("brxW " BRXW_VERSION "\n"));
    EXPECT_EQ(run({QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("-v")}),
              QStringLiteral("brxW " BRXW_VERSION "\n"));

    const QString help = run({QStringLiteral("--help"), QStringLiteral("Home")});
    for (const char* expected :
         {"Usage: ", " [options] [PROFILE]", "\n  PROFILE ", "-h, -?, --help ", "-v, --version ",
          "--ini <FILE> ", "~/.config/BrxW.ini", "--screenshots <DIR> "}) {
        EXPECT_TRUE(help.contains(QLatin1String(expected))) << expected << "\n"
                                                            << help.toStdString();
    }
    // Qt's own switches are known to the parser but are not brxW's to document.
    EXPECT_FALSE(help.contains(QStringLiteral("<VALUE>"))) << help.toStdString();
    EXPECT_FALSE(QDir(XdgFolder()).exists());

    // A wrong line: the fault and the usage on stderr, nothing on stdout, status 2, and still no
    // display needed (without the refusal, --inii would start the program and fail for want
    // of one).
    const std::vector<std::tuple<QStringList, const char*>> wrong = {
        {{"--bogus"}, "Unknown option 'bogus'."},
        {{"--Version"}, "Unknown option 'Version'."},
        {{"--inii", "/tmp/x.ini"}, "Unknown option 'inii'."},
        {{"Home", "--ini"}, "Missing value after '--ini'."},
        {{"Tunnel", "hang"}, "More than one profile name (Tunnel, hang)"}};
    for (const auto& [args, message] : wrong) {
        EXPECT_EQ(run(args, 2), QString()) << args.join(' ').toStdString();
        EXPECT_TRUE(errors.startsWith(QStringLiteral("brxw: ") + QLatin1String(message)))
            << errors.toStdString();
        EXPECT_TRUE(errors.contains(QLatin1String(" [options] [PROFILE]"))) << errors.toStdString();
    }
    EXPECT_FALSE(QDir(XdgFolder()).exists());

    // The reference server names its version the same way.
    QProcess peer;
    peer.start(QStringLiteral(BRXW_PEER_PROGRAM), {QStringLiteral("--version")});
    ASSERT_TRUE(peer.waitForFinished(30000));
    EXPECT_EQ(peer.exitCode(), 0);
    EXPECT_EQ(QString::fromLocal8Bit(peer.readAllStandardOutput()),
              QStringLiteral("brxw-peer " BRXW_VERSION "\n"));
}
// SIGTERM (logout, shutdown, kill), SIGINT and SIGHUP end the program as File > Exit does: a
// normal exit that stores the panel's place; killed by the signal, it stored nothing.
TEST_F(CommandLineTest, ProgramEndsOnAQuitSignalAsFileExitDoes) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        const QString ini = m_dir.filePath(QStringLiteral("signal%1.ini").arg(signal));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(m_dir.path());
        process.start(QStringLiteral(BRXW_PROGRAM), {QStringLiteral("--ini"), ini});
        ASSERT_TRUE(process.waitForStarted(30000));
        // The settings written back at start show that the panel is up.
        for (int i = 0; i < 3000 && !QFile::exists(ini); ++i) {
            QThread::msleep(10);
        }
        ASSERT_TRUE(QFile::exists(ini)) << signal;
        ::kill(static_cast<pid_t>(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(30000)) << signal;
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_EQ(process.exitCode(), 0) << signal;
        QFile file(ini);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().contains("\nPosition=")) << signal;
    }
}
// A second start on the same BrxW.ini, reached through a linked folder, hands its profile to the
// first, which connects it; one that gets no answer shows a box that SIGTERM ends.
TEST_F(CommandLineTest, ASecondStartHandsItsProfileToTheFirstAndItsBoxEndsOnASignal) {
    // The BBS of profile 0: a listening socket that counts who connects.
    const int server = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(server, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(server, 4), 0);
    ASSERT_EQ(::getsockname(server, reinterpret_cast<sockaddr*>(&address), &length), 0);
    const auto connected = [server](int ms) {
        pollfd wanted{server, POLLIN, 0};
        return ::poll(&wanted, 1, ms) == 1;
    };

    ASSERT_TRUE(QDir().mkpath(m_dir.filePath("real")));
    ASSERT_TRUE(QFile::link(m_dir.filePath("real"), m_dir.filePath("linked")));
    const QString ini = m_dir.filePath("real/BrxW.ini");
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("[Remote 0]\r\nName=Home BBS\r\nHost Name=127.0.0.1\r\nPort=%1\r\n")
                   .arg(ntohs(address.sin_port))
                   .toLatin1());
    file.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.filePath("run"));
    ASSERT_TRUE(QDir().mkpath(m_dir.filePath("run")));
    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(QStringLiteral(BRXW_PROGRAM), {QStringLiteral("--ini"), ini});
    ASSERT_TRUE(first.waitForStarted(30000));
    // Up when it listens in the runtime folder.
    const QDir lockFolder(m_dir.filePath("run/brxw"));
    for (int i = 0; i < 3000 && lockFolder.entryList({"*.sock"}, QDir::System).isEmpty(); ++i) {
        QThread::msleep(10);
    }
    ASSERT_FALSE(lockFolder.entryList({"*.sock"}, QDir::System).isEmpty());
    EXPECT_FALSE(connected(700)) << "the first connected by itself";

    const auto second = [&](const QStringList& args, int status, const QString& says) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(BRXW_PROGRAM), args);
        EXPECT_TRUE(process.waitForFinished(30000)) << args.join(' ').toStdString();
        EXPECT_EQ(process.exitCode(), status) << args.join(' ').toStdString();
        const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
        EXPECT_TRUE(errors.contains(says)) << errors.toStdString();
    };
    const QString linked = m_dir.filePath("linked/BrxW.ini");
    second({"--ini", linked, "home bbs"}, 0, "its window is brought forward and connects home bbs");
    EXPECT_TRUE(connected(10000)) << "the profile was not handed over";
    second({"--ini", linked, "Away"}, 0, "Cannot find Away in configuration");

    // The first hangs: the second waits for its answer, then shows its box until SIGTERM.
    ::kill(static_cast<pid_t>(first.processId()), SIGSTOP);
    QProcess boxed;
    boxed.setProcessEnvironment(environment);
    boxed.start(QStringLiteral(BRXW_PROGRAM), {QStringLiteral("--ini"), linked});
    ASSERT_TRUE(boxed.waitForStarted(30000));
    QThread::msleep(4500);  // the 3 s the answer is awaited, and the box coming up
    ::kill(static_cast<pid_t>(boxed.processId()), SIGTERM);
    EXPECT_TRUE(boxed.waitForFinished(10000)) << "the box ignored SIGTERM";
    EXPECT_EQ(boxed.exitCode(), 1);
    EXPECT_TRUE(boxed.readAllStandardError().contains("If no brxW runs, remove"));
    boxed.kill();
    boxed.waitForFinished(1000);

    ::kill(static_cast<pid_t>(first.processId()), SIGCONT);
    first.terminate();
    EXPECT_TRUE(first.waitForFinished(30000));
    ::close(server);
}
#endif

}  // namespace
}  // namespace brxw
