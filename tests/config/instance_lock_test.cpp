// SPDX-License-Identifier: GPL-3.0-or-later
// One program per BrxW.ini: the lock beside the file, the call that brings the first program
// forward, a lock left by a dead program, and another file beside it.
#include "config/instance_lock.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

#include "support/wait.h"

namespace brxw {
namespace {

using Outcome = InstanceLock::Outcome;

TEST(InstanceLock, ASecondStartFindsTheFirstAndAsksItForItsWindow) {
    QTemporaryDir dir;
    const QString ini = QDir(dir.path()).filePath(QStringLiteral("not-yet/BrxW.ini"));
    InstanceLock first(ini);
    ASSERT_EQ(first.Acquire(), Outcome::Owner);
    EXPECT_TRUE(QFileInfo::exists(ini + QStringLiteral(".lock")));
    int asked = 0;
    QObject::connect(&first, &InstanceLock::showRequested, [&asked] { ++asked; });

    // The second start runs in its own thread here, as it would in its own process, so that
    // the first one's event loop answers it.
    InstanceLock second(ini);
    EXPECT_EQ(second.Acquire(), Outcome::OtherRunning);
    EXPECT_EQ(second.OtherPid(), QCoreApplication::applicationPid());
    bool shown = false;
    std::thread caller([&] { shown = second.AskOtherToShow(); });
    EXPECT_TRUE(test::WaitUntil([&] { return asked == 1; }));
    caller.join();
    EXPECT_TRUE(shown);

    // Another file in the same folder runs alongside.
    InstanceLock other(QDir(dir.path()).filePath(QStringLiteral("not-yet/Other.ini")));
    EXPECT_EQ(other.Acquire(), Outcome::Owner);
}

TEST(InstanceLock, ALockLeftByADeadProgramIsTakenOverAndAnswersAgain) {
    QTemporaryDir dir;
    const QString ini = QDir(dir.path()).filePath(QStringLiteral("BrxW.ini"));
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
    ASSERT_TRUE(QFileInfo::exists(ini + QStringLiteral(".lock")));

    InstanceLock next(ini);
    ASSERT_EQ(next.Acquire(), Outcome::Owner);
    int asked = 0;
    QObject::connect(&next, &InstanceLock::showRequested, [&asked] { ++asked; });
    InstanceLock second(ini);
    ASSERT_EQ(second.Acquire(), Outcome::OtherRunning);
    bool shown = false;
    std::thread caller([&] { shown = second.AskOtherToShow(); });
    EXPECT_TRUE(test::WaitUntil([&] { return asked == 1; }));
    caller.join();
    EXPECT_TRUE(shown);
}

TEST(InstanceLock, APlaceThatTakesNoLockLeavesTheProgramToRunAsBefore) {
    QTemporaryDir dir;
    // The INI's folder is a plain file: no lock can be made beside it.
    const QString blocker = QDir(dir.path()).filePath(QStringLiteral("file"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    InstanceLock lock(QDir(blocker).filePath(QStringLiteral("BrxW.ini")));
    EXPECT_EQ(lock.Acquire(), Outcome::Unlocked);
}

}  // namespace
}  // namespace brxw
