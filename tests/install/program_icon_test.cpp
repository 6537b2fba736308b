// SPDX-License-Identifier: GPL-3.0-or-later
// The windows show the icon that is installed for the desktop, sharp at every installed size:
// the PNGs of packaging/icons reach the program as a resource of the widgets library. About
// shows the version the package and "--version" carry.
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPixmap>

#include <gtest/gtest.h>

#include "panel/about_dlg.h"
#include "resources/toolbar_icons.h"

namespace {

TEST(ProgramIcon, IsTheInstalledIconAtEverySize) {
    const QIcon icon = brxw::ProgramIcon();
    ASSERT_FALSE(icon.isNull()) << "the icon resource is not linked into the program";
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString file = QStringLiteral(BRXW_ICON_DIR "/brxw-%1.png").arg(size);
        // A pixmap holds premultiplied pixels: compare in that form, or rounding differs.
        const QImage installed = QImage(file).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_FALSE(installed.isNull()) << file.toStdString();
        const QImage shown =
            icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(shown.size(), installed.size()) << size << " px";
        EXPECT_TRUE(shown == installed) << "the " << size << " px icon is not the installed one";
    }
}

TEST(ProgramVersion, AboutShowsTheProjectVersion) {
    brxw::CAboutDlg about;
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        texts.append(label->text());
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("<b>brxW</b> version " BRXW_VERSION)))
        << texts.join(QLatin1Char('|')).toStdString();
}

}  // namespace
