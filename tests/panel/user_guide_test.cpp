// SPDX-License-Identifier: GPL-3.0-or-later
// Help > User guide: the installed guide beside the program wins over the build tree's copy,
// which serves a program run from the build tree; with neither, both places are named.
#include "panel/user_guide.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/qt_printers.h"
#include "support/test_files.h"

namespace brxw {
namespace {

TEST(UserGuide, InstalledBesideTheProgramFirstThenTheBuildTreeElseBothPlacesNamed) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString bin = root.filePath(QStringLiteral("usr/bin"));
    const QString installed = root.filePath(QStringLiteral("usr/share/doc/brxw/guide.html"));
    const QString buildTree = root.filePath(QStringLiteral("build/doc/guide.html"));
    const QString relative = QStringLiteral("../share/doc/brxw/guide.html");
    ASSERT_TRUE(QDir().mkpath(bin));
    test::WriteFile(installed, "installed");
    test::WriteFile(buildTree, "build");

    // The program's folder, not the working directory, anchors the installed path.
    GuideSearch search = FindUserGuide(bin, relative, buildTree);
    EXPECT_EQ(search.found, QDir::cleanPath(installed));
    EXPECT_EQ(search.tried, QStringList{QDir::cleanPath(installed)});

    ASSERT_TRUE(QFile::remove(installed));
    search = FindUserGuide(bin, relative, buildTree);
    EXPECT_EQ(search.found, QDir::cleanPath(buildTree));
    EXPECT_EQ(search.tried, (QStringList{QDir::cleanPath(installed), QDir::cleanPath(buildTree)}));

    // A folder of that name is no guide.
    ASSERT_TRUE(QFile::remove(buildTree));
    ASSERT_TRUE(QDir().mkpath(buildTree));
    search = FindUserGuide(bin, relative, buildTree);
    EXPECT_TRUE(search.found.isEmpty()) << search.found.toStdString();
    EXPECT_EQ(search.tried, (QStringList{QDir::cleanPath(installed), QDir::cleanPath(buildTree)}));
}

}  // namespace
}  // namespace brxw
