// SPDX-License-Identifier: GPL-3.0-or-later
// One program per BrxW.ini: the lock in the runtime folder, the call that brings the first
// program forward and hands it a profile, a lock left by a dead program, a folder reached
// through a link, a read-only folder, and the folder used when the runtime folder is missing.
#include "config/instance_lock.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <atomic>
#include <thread>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/wait.h"

namespace brxw {
namespace {

using Answer = InstanceLock::Answer;
using Outcome = InstanceLock::Outcome;

// Each test has a runtime folder of its own; the variables are put back afterwards.
class InstanceLockTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
            m_saved.emplace_back(name, qgetenv(name));
        }
        ASSERT_TRUE(QDir().mkpath(Runtime()));
        qputenv("XDG_RUNTIME_DIR", Runtime().toLocal8Bit());
    }
    void TearDown() override {
        for (const auto& [name, value] : m_saved) {
            if (value.isNull()) {
                qunsetenv(name);
            } else {
                qputenv(name, value);
            }
        }
    }
    QString Runtime() const { return m_dir.filePath(QStringLiteral("run")); }
    QString Path(const char* relative) const {
        return m_dir.filePath(QString::fromLatin1(relative));
    }

    // The second start runs in its own thread here, as it would in its own process, so that
    // the first one's event loop answers it.
    static Answer Ask(const InstanceLock& second, int profile = -1) {
        std::atomic<bool> done{false};
        Answer answer = Answer::None;
        std::thread caller([&] {
            answer = second.AskOther(profile);
            done = true;
        });
        test::WaitUntil([&] { return done.load(); }, 10000);
        caller.join();
        return answer;
    }

    QTemporaryDir m_dir;
    std::vector<std::pair<const char*, QByteArray>> m_saved;
};

TEST_F(InstanceLockTest, ASecondStartFindsTheFirstAndHandsItItsProfile) {
    const QString ini = Path("not-yet/BrxW.ini");
    InstanceLock first(ini);
    ASSERT_EQ(first.Acquire(), Outcome::Owner);
    EXPECT_TRUE(first.LockPath().startsWith(Runtime() + QStringLiteral("/brxw/")));
    EXPECT_TRUE(QFileInfo::exists(first.LockPath()));
    EXPECT_EQ(QDir(Path("not-yet")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList());
    int shown = 0;
    QObject::connect(&first, &InstanceLock::showRequested, [&shown] { ++shown; });

    InstanceLock second(ini);
    EXPECT_EQ(second.Acquire(), Outcome::OtherRunning);
    EXPECT_EQ(second.OtherPid(), QCoreApplication::applicationPid());
    EXPECT_EQ(Ask(second), Answer::Shown);
    EXPECT_EQ(shown, 1);
    // A profile with nobody to take it is said to be ignored; then the owner takes it.
    EXPECT_EQ(Ask(second, 2), Answer::Ignored);
    std::vector<int> handed;
    first.SetProfileHandler([&handed](int n) {
        handed.push_back(n);
        return n != 1;
    });
    EXPECT_EQ(Ask(second, 2), Answer::Connecting);
    EXPECT_EQ(Ask(second, 1), Answer::Ignored);
    EXPECT_EQ(handed, (std::vector<int>{2, 1}));
    EXPECT_EQ(shown, 4);

    // Another file in the same folder runs alongside.
    InstanceLock other(Path("not-yet/Other.ini"));
    EXPECT_EQ(other.Acquire(), Outcome::Owner);
}

TEST_F(InstanceLockTest, AFolderReachedThroughALinkIsTheSameFile) {
    ASSERT_TRUE(QDir().mkpath(Path("real")));
    ASSERT_TRUE(QFile::link(Path("real"), Path("linked")));
    InstanceLock first(Path("real/BrxW.ini"));
    ASSERT_EQ(first.Acquire(), Outcome::Owner);
    int shown = 0;
    QObject::connect(&first, &InstanceLock::showRequested, [&shown] { ++shown; });
    InstanceLock second(Path("linked/BrxW.ini"));
    ASSERT_EQ(second.Acquire(), Outcome::OtherRunning);
    EXPECT_EQ(Ask(second), Answer::Shown);
    EXPECT_EQ(shown, 1);
}

TEST_F(InstanceLockTest, ALockLeftByADeadProgramIsTakenOverAndAnswersAgain) {
    const QString ini = Path("BrxW.ini");
    // A program that took the lock and its socket and was killed.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InstanceLock dying(ini);
        _exit(dying.Acquire() == Outcome::Owner ? 0 : 1);  // no unlock, no socket closed
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_EQ(
        QDir(Runtime() + QStringLiteral("/brxw")).entryList(QDir::Files | QDir::System).size(),
        2);  // its lock and its socket

    InstanceLock next(ini);
    ASSERT_EQ(next.Acquire(), Outcome::Owner);
    InstanceLock second(ini);
    ASSERT_EQ(second.Acquire(), Outcome::OtherRunning);
    EXPECT_EQ(Ask(second), Answer::Shown);
}

// Root writes anywhere: the read-only folder is tried by an unprivileged child.
TEST_F(InstanceLockTest, AnIniInAReadOnlyFolderIsLockedAsWell) {
    ASSERT_EQ(::chmod(m_dir.path().toLocal8Bit().constData(), 0755), 0);
    const uid_t user = ::geteuid() == 0 ? 65534 : ::geteuid();
    ASSERT_EQ(::chown(Runtime().toLocal8Bit().constData(), user, static_cast<gid_t>(-1)), 0);
    ASSERT_EQ(::chmod(Runtime().toLocal8Bit().constData(), 0700), 0);
    ASSERT_TRUE(QDir().mkpath(Path("ro")));
    ASSERT_EQ(::chmod(Path("ro").toLocal8Bit().constData(), 0555), 0);
    const QString ini = Path("ro/BrxW.ini");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && ::setuid(user) != 0) {
            _exit(10);
        }
        InstanceLock first(ini);
        if (first.Acquire() != Outcome::Owner) {
            _exit(11);
        }
        InstanceLock second(ini);
        _exit(second.Acquire() == Outcome::OtherRunning ? 0 : 12);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 10) {
        GTEST_SKIP() << "no unprivileged user to run as";
    }
    EXPECT_EQ(WEXITSTATUS(status), 0) << "11: not locked, 12: the second start ran too";
}

// Without $XDG_RUNTIME_DIR: a private folder of this user's in the temporary folder; one that
// is not a private folder (a link planted there) is not used, and the program runs unlocked.
TEST_F(InstanceLockTest, WithoutARuntimeFolderAPrivateFolderInTmpHoldsTheLock) {
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", Path("tmp").toLocal8Bit());
    ASSERT_TRUE(QDir().mkpath(Path("tmp")));
    const QString own = Path("tmp") + QStringLiteral("/brxw-%1").arg(::geteuid());
    {
        InstanceLock lock(Path("BrxW.ini"));
        ASSERT_EQ(lock.Acquire(), Outcome::Owner);
        EXPECT_EQ(QFileInfo(lock.LockPath()).absolutePath(), own);
        struct stat info {};
        ASSERT_EQ(::stat(own.toLocal8Bit().constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0700u);
    }
    ASSERT_TRUE(QDir(own).removeRecursively());
    ASSERT_TRUE(QDir().mkpath(Path("elsewhere")));
    ASSERT_TRUE(QFile::link(Path("elsewhere"), own));
    InstanceLock planted(Path("BrxW.ini"));
    EXPECT_EQ(planted.Acquire(), Outcome::Unlocked);
    EXPECT_TRUE(QDir(Path("elsewhere")).isEmpty());
    // A relative runtime folder is not one either.
    qputenv("XDG_RUNTIME_DIR", "run");
    EXPECT_EQ(InstanceLock::LockFolder(), QString());
}

}  // namespace
}  // namespace brxw
