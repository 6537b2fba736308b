// SPDX-License-Identifier: GPL-3.0-or-later
// BrxW.ini as a sysop's disk may leave it: cut off in the middle of a line, overwritten with
// binary garbage, lines of 10 000 bytes, sections and keys typed twice, a folder that cannot be
// written or does not exist, and a writer killed in the middle of replacing the file.
#include "config/app_config.h"
#include "config/ini_store.h"
#include "settings/settings.h"

#include "config/config_test_support.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/ptrace.h>
#endif
#include <csignal>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace brxw {
namespace {

using test::ReadBytes;
using test::WriteBytes;

// Every key a profile or the settings can hold, for "nothing else changed" checks.
std::vector<std::string> EveryValue(const IniStore& store) {
    std::vector<std::string> values;
    for (int n = 0; n < kRemoteConfigCount; ++n) {
        for (const char* key : {"Name", "Host Name", "Port", "Callsign", "Password", "AutoConnect",
                                "Status", "Message", "State_m", "Position_c", "Size_c"}) {
            values.push_back(store.Read(AppConfig::ProfileSection(n), key, "<none>"));
        }
    }
    for (const char* key : {"Font_Name", "Font_Params", "AnsiChar", "SignatureText", "Position"}) {
        values.push_back(store.Read("Settings", key, "<none>"));
    }
    return values;
}

std::string Garbage(std::size_t size) {
    std::string bytes(size, '\0');
    std::uint32_t x = 0x2545F491;
    for (char& c : bytes) {
        x = x * 1664525u + 1013904223u;
        c = static_cast<char>(x >> 24);
        if (c == '[') {
            c = '\0';  // no section of its own, so the profiles below are found for certain
        }
    }
    return bytes;
}

struct DamagedCase {
    const char* what;
    std::string contents;
    std::vector<RemoteConfig> profiles;  // 0 to 3 as they must load
};

RemoteConfig Defaults(int n) {
    return AppConfig::DefaultProfile(n);
}

RemoteConfig With(RemoteConfig c, const std::string& name, int port, const std::string& call) {
    c.name = name.empty() ? c.name : name;
    c.port = port;
    c.callsign = call.empty() ? c.callsign : call;
    return c;
}

std::vector<DamagedCase> DamagedFiles() {
    const std::string longName(10000, 'N');
    return {
        {"cut off in the middle of a line",
         "[Remote 0]\r\nName=Home BBS\r\nPort=6300\r\nHost Na",
         {With(Defaults(0), "Home BBS", 6300, ""), Defaults(1), Defaults(2), Defaults(3)}},
        {"binary garbage before a good section",
         Garbage(4096) + "\r\n[Remote 1]\r\nPort=6301\r\nCallsign=Q1ABC\r\n",
         {Defaults(0), With(Defaults(1), "", 6301, "Q1ABC"), Defaults(2), Defaults(3)}},
        {"binary garbage only",
         Garbage(4096),
         {Defaults(0), Defaults(1), Defaults(2), Defaults(3)}},
        {"lines of 10 000 bytes",
         "[Remote 0]\r\nName=" + longName + "\r\n" + std::string(10000, 'x') +
             "\r\nPort=4000\r\n[" + std::string(10000, 'S') + "]\r\nPort=1\r\n[Remote 2]\r\n" +
             "Callsign=" + std::string(10000, 'C') + "\r\n",
         {With(Defaults(0), longName.substr(0, 15), 4000, ""), Defaults(1),
          With(Defaults(2), "", 3286, std::string(15, 'C')), Defaults(3)}},
        {"a last line ending in two carriage returns, in a file of bare line feeds",
         "[Settings]\nAnsiChar=0\n[Remote 0]\nName=Home\r\r",
         {With(Defaults(0), "Home\r", 3286, ""), Defaults(1), Defaults(2), Defaults(3)}},
        {"sections and keys typed twice: the first wins",
         "[Remote 0]\r\nPort=1111\r\nport=2222\r\n[remote 0]\r\nName=Second\r\nPort=3333\r\n"
         "[Remote 3]\r\nName=Three\r\n[REMOTE 3]\r\nName=Again\r\n",
         {With(Defaults(0), "", 1111, ""), Defaults(1), Defaults(2),
          With(Defaults(3), "Three", 3286, "")}},
    };
}

// The program starts with what can be read and defaults for the rest; the settings it writes
// back at start and a later write set their keys and lose none of the others, whatever else the
// file holds.
TEST(IniRobustnessTest, DamagedFilesLoadWhatTheyCanAndWritesKeepEveryOtherKey) {
    for (const DamagedCase& c : DamagedFiles()) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString path = dir.filePath("BrxW.ini");
        ASSERT_TRUE(WriteBytes(path, c.contents));
        AppConfig config(path);
        for (int n = 0; n < kRemoteConfigCount; ++n) {
            EXPECT_EQ(config.LoadProfile(n), c.profiles[static_cast<std::size_t>(n)]) << n;
        }

        IniStore& store = config.Store();
        std::vector<std::string> expected = EveryValue(store);
        // The control panel's start: the settings take their defaults and write them back.
        PanelSettings settings(config);
        settings.Load();
        EXPECT_EQ(settings.Font(), FontParams{});
        EXPECT_EQ(settings.AnsiChar(), 0);
        EXPECT_EQ(settings.Justification(), 1);
        std::string& ansiChar = expected[expected.size() - 3];
        ansiChar = ansiChar == "<none>" ? "0" : ansiChar;
        EXPECT_EQ(EveryValue(store), expected);

        ASSERT_TRUE(store.Write("Remote 0", "Port", "4321"));
        ASSERT_TRUE(store.Write("Settings", "AnsiChar", "1"));
        expected[2] = "4321";
        ansiChar = "1";
        EXPECT_EQ(EveryValue(store), expected);
        // Nothing of the old file is thrown away: it is all still there, around the edits.
        const std::string now = ReadBytes(path);
        EXPECT_GE(now.size(), c.contents.size());
        EXPECT_EQ(now.substr(0, 8), c.contents.substr(0, 8));
    }
}

#ifdef __linux__
// Runs body in a child process and gives its exit code.
template <typename Body>
int InChild(Body body) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

TEST(IniRobustnessTest, ReadOnlyOrMissingFolderReadsButRefusesToWriteAndSaysWhy) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("gone/BrxW.ini");
    AppConfig absent(missing);
    std::vector<std::pair<QString, bool>> told;
    absent.SetFailureHandler(
        [&](const QString& message, bool repeated) { told.emplace_back(message, repeated); });
    EXPECT_TRUE(absent.CheckReadable());  // no file yet is the first start, not a fault
    EXPECT_EQ(absent.LoadProfile(0), AppConfig::DefaultProfile(0));
    EXPECT_FALSE(absent.Store().Write("Remote 0", "Name", "x"));
    EXPECT_EQ(absent.Store().LastWriteError(),
              "Cannot write " + missing + ": No such file or directory.");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("gone")));
    // Through the accessors every failure is told; the same one again is marked as repeated.
    EXPECT_FALSE(absent.WriteSetting("Settings", "Position", "0010 0010"));
    EXPECT_FALSE(absent.SaveProfile(1, AppConfig::DefaultProfile(1)));
    ASSERT_EQ(told.size(), 7u);
    EXPECT_EQ(told[0], std::make_pair(absent.Store().LastWriteError(), false));
    EXPECT_EQ(told[6], std::make_pair(absent.Store().LastWriteError(), true));
    ASSERT_TRUE(QDir().mkpath(dir.filePath("gone")));
    EXPECT_TRUE(absent.WriteSetting("Settings", "Position", "0010 0010"));
    EXPECT_TRUE(absent.Store().LastWriteError().isEmpty());
    ASSERT_TRUE(QDir(dir.filePath("gone")).removeRecursively());
    EXPECT_FALSE(absent.WriteSetting("Settings", "Position", "0020 0020"));
    EXPECT_EQ(told.back(), std::make_pair(absent.Store().LastWriteError(), false));

    // A file that exists but cannot be read is told at start, and never rewritten.
    const QString folderAsFile = dir.filePath("dir.ini");
    ASSERT_TRUE(QDir().mkpath(folderAsFile));
    AppConfig unreadable(folderAsFile);
    unreadable.SetFailureHandler(
        [&](const QString& message, bool repeated) { told.emplace_back(message, repeated); });
    EXPECT_FALSE(unreadable.CheckReadable());
    EXPECT_TRUE(told.back().first.startsWith("Cannot read " + folderAsFile + ": Is a directory."))
        << told.back().first.toStdString();
    EXPECT_FALSE(unreadable.WriteSetting("Settings", "Position", "0010 0010"));
    EXPECT_EQ(told.back().first,
              "Cannot write " + folderAsFile + ": it cannot be read (Is a directory).");

    // A folder the user may read but not write. Root writes anywhere, so the writer runs as an
    // unprivileged user when the test runs as root.
    ASSERT_EQ(::chmod(dir.path().toLocal8Bit().constData(), 0755), 0);
    const QString folder = dir.filePath("ro");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + "/BrxW.ini";
    const std::string old = "[Remote 0]\r\nName=Home\r\n";
    ASSERT_TRUE(WriteBytes(path, old));
    const uid_t user = ::geteuid() == 0 ? 65534 : ::geteuid();
    ASSERT_EQ(::chown(path.toLocal8Bit().constData(), user, static_cast<gid_t>(-1)), 0);
    ASSERT_EQ(::chown(folder.toLocal8Bit().constData(), user, static_cast<gid_t>(-1)), 0);
    ASSERT_EQ(::chmod(path.toLocal8Bit().constData(), 0600), 0);
    ASSERT_EQ(::chmod(folder.toLocal8Bit().constData(), 0500), 0);
    const int result = InChild([&] {
        if (::geteuid() == 0 && ::setuid(user) != 0) {
            return 10;
        }
        AppConfig config(path);
        if (config.LoadProfile(0).name != "Home") {
            return 11;
        }
        if (config.Store().Write("Remote 0", "Name", "Away")) {
            return 12;
        }
        if (config.Store().LastWriteError() != "Cannot write " + path + ": Permission denied.") {
            return 13;
        }
        // The file itself read-only, in a folder the user may write.
        if (::chmod(folder.toLocal8Bit().constData(), 0700) != 0 ||
            ::chmod(path.toLocal8Bit().constData(), 0400) != 0) {
            return 14;
        }
        if (config.Store().Write("Remote 0", "Name", "Away")) {
            return 15;
        }
        return config.Store().LastWriteError() == "Cannot write " + path + ": Permission denied."
                   ? 0
                   : 16;
    });
    ::chmod(folder.toLocal8Bit().constData(), 0700);
    if (result == 10) {
        GTEST_SKIP() << "no unprivileged user to write as";
    }
    EXPECT_EQ(result, 0) << "11: not read, 12 or 15: written, 13 or 16: no reason given";
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"BrxW.ini"});
}

// What the folder holds after a writer was killed: the file's bytes (empty when absent) and its
// permission bits.
struct Outcome {
    bool exists = false;
    std::string bytes;
    unsigned mode = 0;
};

Outcome Look(const QString& path) {
    Outcome outcome;
    struct stat st {};
    outcome.exists = ::stat(path.toLocal8Bit().constData(), &st) == 0;
    if (outcome.exists) {
        outcome.bytes = ReadBytes(path);
        outcome.mode = st.st_mode & 0777;
    }
    return outcome;
}

enum class Killed { kAtStop, kFinishedBefore, kNoTracing };

// Starts a writer and kills it at its stop-th system-call stop (entry and exit count one each).
constexpr int kCannotTrace = 77;
Killed KillWriterAt(const QString& path, int stop) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) {
            ::_exit(kCannotTrace);  // a sandbox without ptrace
        }
        ::raise(SIGSTOP);
        IniStore store(path);
        ::_exit(store.Write("Remote 0", "Password", "new secret") ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);  // the child's own stop
    if (WIFEXITED(status)) {
        return Killed::kNoTracing;
    }
    for (int seen = 0;; ++seen) {
        if (seen == stop) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return Killed::kAtStop;
        }
        if (::ptrace(PTRACE_SYSCALL, child, nullptr, nullptr) != 0) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return Killed::kNoTracing;
        }
        ::waitpid(child, &status, 0);
        if (WIFEXITED(status) || WIFSIGNALED(status)) {
            return Killed::kFinishedBefore;
        }
    }
}

// The write replaces the file atomically: killed at any system call, the writer leaves the old
// file or the new one, never a mix, never readable by others; the next write repairs the rest.
TEST(IniRobustnessTest, WriterKilledAtAnySystemCallLeavesTheOldOrTheNewFile) {
    const std::string old = "; hand-edited\r\n[Remote 0]\r\nName=Home\r\nPassword=old\r\n";
    const std::string updated =
        "; hand-edited\r\n[Remote 0]\r\nName=Home\r\nPassword=new secret\r\n";
    for (const bool existing : {true, false}) {
        SCOPED_TRACE(existing ? "replacing a file" : "creating the file");
        int olds = 0;
        int news = 0;
        int stop = 0;
        for (;; ++stop) {
            QTemporaryDir dir;
            const QString path = dir.filePath("BrxW.ini");
            if (existing) {
                ASSERT_TRUE(WriteBytes(path, old));
                ASSERT_EQ(::chmod(path.toLocal8Bit().constData(), 0600), 0);
            }
            const Killed killed = KillWriterAt(path, stop);
            if (killed == Killed::kNoTracing) {
                GTEST_SKIP() << "this system lets no process trace its child";
            }
            if (killed == Killed::kFinishedBefore) {
                break;
            }
            const Outcome outcome = Look(path);
            const std::string before = existing ? old : "";
            const std::string after = existing ? updated : "[Remote 0]\r\nPassword=new secret\r\n";
            if (!existing && !outcome.exists) {
                ++olds;
            } else {
                ASSERT_TRUE(outcome.exists) << "killed at stop " << stop;
                ASSERT_TRUE(outcome.bytes == before || outcome.bytes == after)
                    << "killed at stop " << stop << ": " << outcome.bytes;
                EXPECT_EQ(outcome.mode, 0600u) << "killed at stop " << stop;
                ++(outcome.bytes == before ? olds : news);
            }
            // Whatever a killed writer left beside the file, the next write goes through.
            IniStore store(path);
            ASSERT_TRUE(store.Write("Remote 0", "Name", "Next"));
            EXPECT_EQ(store.Read("Remote 0", "Name"), "Next");
        }
        // The writer was interrupted before and after the file was replaced.
        EXPECT_GT(stop, 10);
        EXPECT_GT(olds, 0);
        EXPECT_GT(news, 0);
    }
}
#endif

}  // namespace
}  // namespace brxw
