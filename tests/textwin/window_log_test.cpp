// SPDX-License-Identifier: GPL-3.0-or-later
// Logging to file: the writing thread and the operator's switches, driven through real rings.
#include "textwin/window_log.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "config/app_config.h"
#include "support/qt_printers.h"
#include "support/test_files.h"
#include "support/wait.h"

namespace brxw {
namespace {

constexpr Colour kGreen = 0x0000FF00;

std::int64_t LocalMs(QDate day, QTime time) {
    return QDateTime(day, time).toMSecsSinceEpoch();
}

const QDate kDay(2026, 3, 14);
const std::int64_t kNoon = LocalMs(kDay, QTime(12, 0, 0));

QList<QByteArray> FileLines(const QString& path) {
    QByteArray bytes = test::ReadFile(path);
    if (bytes.endsWith('\n')) {
        bytes.chop(1);
    }
    return bytes.isEmpty() ? QList<QByteArray>() : bytes.split('\n');
}

// A BrxW.ini with profile 0 named profileName, the given [Settings] lines, and the log folder.
struct LogSetup {
    explicit LogSetup(const std::string& profileName, const std::string& settings = "Log_Console=1")
        : config(dir.filePath(QStringLiteral("BrxW.ini"))) {
        logs = dir.filePath(QStringLiteral("logs"));
        QDir().mkpath(logs);
        test::WriteFile(
            dir.filePath(QStringLiteral("BrxW.ini")),
            QByteArray::fromStdString("[Remote 0]\r\nName=" + profileName + "\r\n[Settings]\r\n" +
                                      settings + "\r\nLogFolder=" + logs.toStdString() + "\r\n"));
        config.SetCurrentIndex(0);
    }
    QString Log(const QString& profilePart, LogWindow window, QDate day = kDay) const {
        return QDir(logs).filePath(LogFileName(profilePart, window, day));
    }

    QTemporaryDir dir;
    AppConfig config;
    QString logs;
};

void BindRing(WindowLogs& logs, LogWindow window, TextRing& ring) {
    logs.Bind(window, {[&ring](LineObserver* observer) { ring.SetLineObserver(observer); },
                       [&ring] { return ring.PartialLine(); }});
}

TEST(WindowLog, FloodKeepsEveryLineInOrderStampedAndTheUnfinishedLineAtTheEnd) {
    LogSetup setup("BBS");
    TextRing console;
    console.SetAnsiMode(true);  // bytes stored as received
    TextRing monitoring;        // not switched on: its ring is never observed
    std::int64_t now = kNoon;
    {
        WindowLogs logs(setup.config, [&now] { return now; });
        BindRing(logs, LogWindow::kConsole, console);
        BindRing(logs, LogWindow::kMonitoring, monitoring);
        logs.Load();
        EXPECT_TRUE(logs.Enabled(LogWindow::kConsole));
        EXPECT_FALSE(logs.Enabled(LogWindow::kMonitoring));

        // Several lines per append, as frames bring them; well beyond the ring's 500 lines.
        constexpr int kLines = 20000;
        std::string chunk;
        for (int i = 0; i < kLines; ++i) {
            chunk += "line " + std::to_string(i) + "\n";
            if (i % 7 == 6) {
                console.AppendText(chunk, kGreen);
                monitoring.AppendText(chunk, kGreen);
                chunk.clear();
            }
        }
        console.AppendText(chunk, kGreen);
        now += 1000;
        // Bytes as the window stores them: a carriage return, a byte above 127, and a line of
        // 81 bytes that the window wraps after column 79.
        console.AppendText("cr\rend \xE9t\xE9  \n" + std::string(81, 'x') + "\nunfinished", kGreen);
    }  // the program ends: the unfinished line is written, the thread joined

    const QList<QByteArray> lines =
        FileLines(setup.Log(QStringLiteral("BBS"), LogWindow::kConsole));
    ASSERT_EQ(lines.size(), 20000 + 4);
    for (int i = 0; i < 20000; ++i) {
        ASSERT_EQ(lines[i], "12:00:00 line " + QByteArray::number(i)) << "line " << i;
    }
    EXPECT_EQ(lines[20000], "12:00:01 cr\rend \xE9t\xE9  ");
    EXPECT_EQ(lines[20001], "12:00:01 " + QByteArray(80, 'x'));
    EXPECT_EQ(lines[20002], "12:00:01 x");
    EXPECT_EQ(lines[20003], "12:00:01 unfinished");
    EXPECT_FALSE(QFileInfo::exists(setup.Log(QStringLiteral("BBS"), LogWindow::kMonitoring)));
}

TEST(WindowLog, NothingConfiguredStartsNothingAndWritesNothing) {
    LogSetup setup("BBS", "");
    const QByteArray ini = test::ReadFile(setup.config.Store().Path());
    TextRing console;
    {
        WindowLogs logs(setup.config);
        BindRing(logs, LogWindow::kConsole, console);
        logs.Load();
        console.AppendText("not logged\n", kGreen);
        // Setting a value to what it is writes nothing either.
        EXPECT_FALSE(logs.SetEnabled(LogWindow::kConsole, false));
        EXPECT_FALSE(logs.SetUtf8(false));
    }
    EXPECT_EQ(test::ReadFile(setup.config.Store().Path()), ini);
    EXPECT_EQ(QDir(setup.logs).entryList(QDir::Files), QStringList());
}

TEST(WindowLog, ANewFileBeginsAtLocalMidnight) {
    LogSetup setup("BBS", "Log_Console=1\r\nLogUtf8=1");
    TextRing console;
    console.SetAnsiMode(true);
    std::int64_t now = LocalMs(kDay, QTime(23, 59, 59, 999));
    {
        WindowLogs logs(setup.config, [&now] { return now; });
        BindRing(logs, LogWindow::kConsole, console);
        logs.Load();
        console.AppendText("before midnight\nstarted ", kGreen);
        now = LocalMs(kDay.addDays(1), QTime(0, 0, 0));
        // The line completes after midnight and goes to the new day's file.
        console.AppendText("late \xE9\n", kGreen);
        console.AppendText("after midnight\n", kGreen);
    }
    EXPECT_EQ(FileLines(setup.Log(QStringLiteral("BBS"), LogWindow::kConsole)),
              QList<QByteArray>{"23:59:59 before midnight"});
    // LogUtf8=1: the window's byte 0xE9 is written as UTF-8.
    EXPECT_EQ(FileLines(setup.Log(QStringLiteral("BBS"), LogWindow::kConsole, kDay.addDays(1))),
              (QList<QByteArray>{"00:00:00 started late \xC3\xA9", "00:00:00 after midnight"}));
}

TEST(WindowLog, HostileProfileNamesNeverLeaveTheLogFolder) {
    const struct {
        QString name;
        QString part;
    } cases[] = {
        {QStringLiteral("../x"), QStringLiteral("___x")},
        {QStringLiteral("a/b\\c"), QStringLiteral("a_b_c")},
        {QStringLiteral(".."), QStringLiteral("brxw")},
        {QString(), QStringLiteral("brxw")},
        {QStringLiteral("Q4BBS\x01\t\x7F"
                        "x"),
         QStringLiteral("Q4BBS___x")},
        {QStringLiteral("M\u00FCnchen BBS"), QStringLiteral("M\u00FCnchen_BBS")},
        {QString(200, QLatin1Char('n')), QString(kProfilePartLimit, QLatin1Char('n'))},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SafeFileNamePart(c.name), c.part) << c.name.toStdString();
    }

    // Through BrxW.ini and a window: the file lands in the log folder and nowhere else.
    LogSetup setup("../../x/..\x01y");
    TextRing console;
    {
        WindowLogs logs(setup.config, [] { return kNoon; });
        BindRing(logs, LogWindow::kConsole, console);
        logs.Load();
        console.AppendText("hello\n", kGreen);
        // Renamed in Setup: the next line goes to the new name's file.
        ASSERT_TRUE(setup.config.WriteSetting("Remote 0", "Name", "Club"));
        logs.ProfileEdited();
        console.AppendText("renamed\n", kGreen);
    }
    EXPECT_EQ(QDir(setup.logs).entryList(QDir::Files | QDir::Hidden | QDir::System),
              (QStringList{LogFileName(QStringLiteral("______x____y"), LogWindow::kConsole, kDay),
                           LogFileName(QStringLiteral("Club"), LogWindow::kConsole, kDay)}));
    EXPECT_EQ(FileLines(setup.Log(QStringLiteral("Club"), LogWindow::kConsole)),
              QList<QByteArray>{"12:00:00 renamed"});
    EXPECT_EQ(QDir(setup.dir.path()).entryList(QDir::Files), QStringList{"BrxW.ini"});
}

TEST(WindowLog, AWriteErrorIsReportedOnceAndTheWindowGoesOn) {
    LogSetup setup("BBS", "Log_Console=1\r\nLog_Monitoring=1");
    // The console's file is a full disk; the monitoring window's file is a folder.
    const QString consoleFile = setup.Log(QStringLiteral("BBS"), LogWindow::kConsole);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), consoleFile));
    const QString monitoringFile = setup.Log(QStringLiteral("BBS"), LogWindow::kMonitoring);
    ASSERT_TRUE(QDir().mkpath(monitoringFile));
    TextRing console;
    TextRing monitoring;
    WindowLogs logs(setup.config, [] { return kNoon; });
    BindRing(logs, LogWindow::kConsole, console);
    BindRing(logs, LogWindow::kMonitoring, monitoring);
    logs.Load();
    QStringList reports;
    QObject::connect(&logs, &WindowLogs::Stopped,
                     [&reports](const QString& text) { reports.append(text); });

    for (int i = 0; i < 100; ++i) {
        console.AppendText("console line\n", kGreen);
        monitoring.AppendText("monitoring line\n", kGreen);
    }
    ASSERT_TRUE(test::WaitUntil([&] { return reports.size() == 2; }));
    console.AppendText("more\n", kGreen);
    monitoring.AppendText("more\n", kGreen);
    QCoreApplication::processEvents();
    reports.sort();
    EXPECT_EQ(
        reports,
        (QStringList{
            "Logging stopped: " + QFileInfo(consoleFile).fileName() + ": No space left on device",
            "Logging stopped: " + QFileInfo(monitoringFile).fileName() + ": Is a directory"}));
    // The windows go on; their logs are off for this run, the stored switches stay on.
    EXPECT_EQ(console.LineCount(), 102);
    EXPECT_FALSE(logs.Enabled(LogWindow::kConsole));
    EXPECT_FALSE(logs.Enabled(LogWindow::kMonitoring));
    std::string stored;
    ASSERT_TRUE(setup.config.ReadSetting(kSettingsSection, "Log_Console", stored));
    EXPECT_EQ(stored, "1");

    // Switched on again once the disk is mended, the window logs again.
    ASSERT_TRUE(QFile::remove(consoleFile));
    EXPECT_TRUE(logs.SetEnabled(LogWindow::kConsole, true));
    console.AppendText("back\n", kGreen);
    logs.Shutdown();
    EXPECT_EQ(FileLines(consoleFile), QList<QByteArray>{"12:00:00 back"});
    EXPECT_EQ(reports.size(), 2);
}

// Everything a pipe holds until its writer closes it.
QByteArray ReadToEnd(int fd) {
    QByteArray bytes;
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n > 0) {
            bytes.append(chunk, n);
        } else if (n == 0 || errno != EINTR) {
            return bytes;
        }
    }
}

// The disk stalls (the file is a pipe that is full and nobody reads) while a flood arrives: the
// queue holds exactly its bound, the file says how many lines were lost where they were lost,
// and once the disk takes lines again they follow without another count.
TEST(WindowLog, AStalledDiskDropsLinesWithACountAndKeepsTheBound) {
    QTemporaryDir dir;
    const QString path =
        QDir(dir.path()).filePath(LogFileName(QStringLiteral("p"), LogWindow::kChannel, kDay));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    // A reader that does not read yet: the writer's open succeeds and its writes fill the pipe.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    const int pipeSize = ::fcntl(fd, F_GETPIPE_SZ);
    ASSERT_GT(pipeSize, 0);
    constexpr int kCapacity = 100;
    constexpr int kDropped = 50;
    QByteArray stalled;
    QByteArray resumed;
    {
        LogWriter writer({}, kCapacity);
        writer.SetTarget(dir.path(), QStringLiteral("p"));
        // A line longer than the pipe holds: the thread takes it alone and stalls writing it.
        const std::string stall(static_cast<std::size_t>(pipeSize) * 2, 's');
        writer.Append(LogWindow::kChannel, kNoon, stall);
        ASSERT_TRUE(test::WaitUntil(
            [fd] {
                int queued = 0;
                return ::ioctl(fd, FIONREAD, &queued) == 0 && queued > 0;
            },
            20000));
        for (int i = 0; i < kCapacity + kDropped; ++i) {
            writer.Append(LogWindow::kChannel, kNoon, "flood " + std::to_string(i));
        }
        writer.Close(LogWindow::kChannel);  // the count, then the file closes
        ASSERT_EQ(::fcntl(fd, F_SETFL, 0), 0);
        stalled = ReadToEnd(fd);
        ::close(fd);
        EXPECT_TRUE(stalled.startsWith("12:00:00 " + QByteArray::fromStdString(stall) + "\n"));
        stalled.remove(0, static_cast<qsizetype>(9 + stall.size() + 1));

        // The disk is back: the next lines open the file again and carry no count.
        writer.Append(LogWindow::kChannel, kNoon, "after 0");
        writer.Append(LogWindow::kChannel, kNoon, "after 1");
        std::thread reader([&] {
            QFile pipe(path);
            if (pipe.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
                resumed = pipe.readAll();
            }
        });
        writer.Stop();
        reader.join();
    }
    QList<QByteArray> lines = stalled.split('\n');
    ASSERT_EQ(lines.takeLast(), "");
    ASSERT_EQ(lines.size(), kCapacity + 1);
    for (int i = 0; i < kCapacity; ++i) {
        ASSERT_EQ(lines[i], "12:00:00 flood " + QByteArray::number(i));
    }
    EXPECT_EQ(lines.last(), "12:00:00 --- " + QByteArray::number(kDropped) +
                                " lines dropped: the log file did not keep up ---");
    EXPECT_EQ(resumed, "12:00:00 after 0\n12:00:00 after 1\n");
}

// A relative log folder is taken from BrxW.ini's folder, wherever the program was started.
TEST(WindowLog, ARelativeFolderIsTakenFromTheFolderOfBrxWIni) {
    LogSetup setup("BBS");
    const QString relative = QStringLiteral("relative/logs");
    const QString folder = setup.dir.filePath(relative);
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_NE(QDir::currentPath(), setup.dir.path());
    TextRing console;
    {
        WindowLogs logs(setup.config, [] { return kNoon; });
        BindRing(logs, LogWindow::kConsole, console);
        logs.Load();
        EXPECT_TRUE(logs.SetFolder(relative));
        EXPECT_EQ(logs.EffectiveFolder(), folder);
        console.AppendText("typed\n", kGreen);
    }
    {
        // As stored in BrxW.ini, at the next start.
        WindowLogs logs(setup.config, [] { return kNoon; });
        BindRing(logs, LogWindow::kConsole, console);
        logs.Load();
        EXPECT_EQ(logs.Folder(), relative);
        console.AppendText("stored\n", kGreen);
    }
    EXPECT_EQ(FileLines(QDir(folder).filePath(
                  LogFileName(QStringLiteral("BBS"), LogWindow::kConsole, kDay))),
              (QList<QByteArray>{"12:00:00 typed", "12:00:00 stored"}));
}

// Without a folder of their own the files go to the user's state folder, made private with its
// missing parents; a state folder that cannot be made is reported with its path and the reason.
TEST(WindowLog, WithoutAFolderTheFilesGoToTheUsersStateFolderMadePrivate) {
    QTemporaryDir dir;
    const QString ini = QDir(dir.path()).filePath(QStringLiteral("BrxW.ini"));
    test::WriteFile(ini, "[Remote 0]\r\nName=BBS\r\n[Settings]\r\nLog_Console=1\r\n");
    const QString state = QDir(dir.path()).filePath(QStringLiteral("home/state"));
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", state.toLocal8Bit());
    AppConfig config(ini);
    config.SetCurrentIndex(0);
    TextRing console;
    {
        WindowLogs logs(config, [] { return kNoon; });
        BindRing(logs, LogWindow::kConsole, console);
        logs.Load();
        EXPECT_EQ(logs.EffectiveFolder(), state + QStringLiteral("/brxw"));
        console.AppendText("kept\n", kGreen);
    }
    const QString folder = state + QStringLiteral("/brxw");
    EXPECT_EQ(FileLines(QDir(folder).filePath(
                  LogFileName(QStringLiteral("BBS"), LogWindow::kConsole, kDay))),
              QList<QByteArray>{"12:00:00 kept"});
    for (const QString& made : {state, folder}) {
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(made).constData(), &info), 0) << made.toStdString();
        EXPECT_EQ(info.st_mode & 07777, 0700u) << made.toStdString();
    }

    // A state folder below a plain file cannot be made.
    const QString blocked = QDir(dir.path()).filePath(QStringLiteral("file/state"));
    test::WriteFile(QDir(dir.path()).filePath(QStringLiteral("file")), "not a folder");
    qputenv("XDG_STATE_HOME", blocked.toLocal8Bit());
    WindowLogs logs(config, [] { return kNoon; });
    BindRing(logs, LogWindow::kConsole, console);
    QStringList reports;
    QObject::connect(&logs, &WindowLogs::Stopped,
                     [&reports](const QString& text) { reports.append(text); });
    logs.Load();
    console.AppendText("lost\n", kGreen);
    EXPECT_TRUE(test::WaitUntil([&] { return !reports.isEmpty(); }));
    EXPECT_EQ(reports.value(0), "Logging stopped: " + QDir(dir.path()).filePath(QStringLiteral("file")) +
                                    ": Not a directory");
    logs.Shutdown();
    if (saved.isNull()) {
        qunsetenv("XDG_STATE_HOME");
    } else {
        qputenv("XDG_STATE_HOME", saved);
    }
}

// A crash (SIGKILL) loses nothing the writer has flushed, and the writer flushes by itself: the
// lines reach the file without the program ending.
TEST(WindowLog, AKilledProgramKeepsEveryFlushedLine) {
    QTemporaryDir dir;
    const QString path =
        QDir(dir.path()).filePath(LogFileName(QStringLiteral("crash"), LogWindow::kConsole, kDay));
    constexpr int kLines = 5000;
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        auto* writer = new LogWriter();  // never stopped: the process is killed
        writer->SetTarget(dir.path(), QStringLiteral("crash"));
        for (int i = 0; i < kLines; ++i) {
            writer->Append(LogWindow::kConsole, kNoon, "before the crash " + std::to_string(i));
        }
        for (;;) {
            ::pause();
        }
    }
    const bool flushed = test::WaitUntil(
        [&] {
            const QByteArray bytes = test::ReadFile(path);
            return bytes.endsWith('\n') && bytes.count('\n') == kLines;
        },
        20000);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(flushed) << "the writer did not flush by itself";
    EXPECT_TRUE(WIFSIGNALED(status));
    const QList<QByteArray> lines = FileLines(path);
    ASSERT_EQ(lines.size(), kLines);
    for (int i = 0; i < kLines; ++i) {
        ASSERT_EQ(lines[i], "12:00:00 before the crash " + QByteArray::number(i));
    }
}

}  // namespace
}  // namespace brxw
