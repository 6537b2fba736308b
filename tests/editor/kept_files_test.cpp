// SPDX-License-Identifier: GPL-3.0-or-later
// The copies of what was sent: their names from untrusted profile names and paths, their titles,
// never one over another, and the pruning by age and count.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "editor/kept_files.h"
#include "support/test_files.h"

namespace brxw {
namespace {

TEST(SentCopies, AreSafelyNamedNeverOverwrittenAndPrunedByAgeAndCount) {
    const QDateTime when(QDate(2026, 12, 8), QTime(13, 5, 9));
    EXPECT_EQ(SentCopyName(QStringLiteral("Home BBS"), QStringLiteral("conf/init.cfg"), when),
              QStringLiteral("Home_BBS-2026-12-08_130509-conf_init_cfg.txt"));
    const QString hostile =
        SentCopyName(QStringLiteral("../.."), QStringLiteral("..\\x/.bashrc\n"), when);
    EXPECT_FALSE(hostile.contains(u'/') || hostile.contains(u'\\') || hostile.startsWith(u'.'))
        << hostile.toStdString();
    EXPECT_EQ(MessageTitle("\r\n>quoted\r\n  Thanks, fine \r\n>more", QStringLiteral("msg1")),
              QStringLiteral("Thanks, fine"));
    EXPECT_EQ(MessageTitle("\r\n>only quotes\r\n", QStringLiteral("msg1")), QStringLiteral("msg1"));

    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("state/sent"));
    QString failure;
    const QString first = KeepSentCopy(folder, QStringLiteral("a.txt"), "one", &failure);
    const QString second = KeepSentCopy(folder, QStringLiteral("a.txt"), "two", &failure);
    EXPECT_EQ(first, QDir(folder).filePath(QStringLiteral("a.txt")));
    EXPECT_EQ(second, QDir(folder).filePath(QStringLiteral("a-2.txt")));
    EXPECT_EQ(test::ReadFile(first), "one");
    EXPECT_EQ(test::ReadFile(second), "two");
    EXPECT_TRUE(failure.isEmpty());
    // A folder that cannot be made: no path, and the reason.
    test::WriteFile(dir.filePath(QStringLiteral("file")), "x");
    EXPECT_TRUE(KeepSentCopy(dir.filePath(QStringLiteral("file/sent")), QStringLiteral("b.txt"),
                             "x", &failure)
                    .isEmpty());
    EXPECT_FALSE(failure.isEmpty());

    // Ages in days: the one past the limit goes, then the oldest beyond the count.
    const QDateTime now = QDateTime::currentDateTime();
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    for (const int days : {100, 10, 5, 1, 0}) {
        const QString path = QDir(folder).filePath(QStringLiteral("%1.txt").arg(days));
        test::WriteFile(path, "x");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(now.addDays(-days), QFileDevice::FileModificationTime));
    }
    test::WriteFile(QDir(folder).filePath(QStringLiteral("notes.md")), "not a copy");
    EXPECT_EQ(PruneSentCopies(folder, now, 90, 3), 2);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("0.txt"), QStringLiteral("1.txt"),
                           QStringLiteral("5.txt"), QStringLiteral("notes.md")}));
    EXPECT_EQ(PruneSentCopies(folder, now.addDays(6), 10, 200), 1);  // 5 days old, then 11
}

}  // namespace
}  // namespace brxw
