// SPDX-License-Identifier: GPL-3.0-or-later
// Test entry point for tests that need Qt's event loop but no windows.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    // Whatever a test writes where it runs, or into the user's state folder (logs, copies of
    // what was sent, kept drafts), goes to a folder of its own, never into the source tree or
    // the tester's home.
    QTemporaryDir scratch;
    if (scratch.isValid()) {
        QDir::setCurrent(scratch.path());
        qputenv("XDG_STATE_HOME",
                QDir(scratch.path()).filePath(QStringLiteral("state")).toLocal8Bit());
#ifdef _WIN32
        // Windows keeps the state folder in the local application data.
        qputenv("LOCALAPPDATA",
                QDir::toNativeSeparators(QDir(scratch.path()).filePath(QStringLiteral("local")))
                    .toLocal8Bit());
#endif
    }
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
