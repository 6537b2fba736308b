// SPDX-License-Identifier: GPL-3.0-or-later
// Test entry point for widget tests; they run offscreen unless a platform is chosen.
#include <gtest/gtest.h>
#include <QApplication>
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
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
