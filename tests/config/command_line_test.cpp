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
        {{"brxw", "Old", "Home"}, defaultPath, "Home", ""},
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
        {{"Home", "--ini"}, "Missing value after '--ini'."}};
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
#endif

}  // namespace
}  // namespace brxw
