// SPDX-License-Identifier: GPL-3.0-or-later
// Test entry point for tests that need Qt's event loop but no windows.
#include <gtest/gtest.h>
#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
