// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/traffic_dlg.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "config/app_config.h"
#include "link/traffic_colour.h"
#include "text/text_scan.h"
#include "textwin/text_wnd.h"

namespace brxw {
namespace {

// Stands for the control panel: records the notices a window posts and hides it as the panel
// does.
class NoticeRecorder : public QObject {
public:
    std::vector<int> notices;
    QWidget* hideOnNotice = nullptr;

protected:
    bool event(QEvent* event) override {
        if (event->type() >= QEvent::User) {
            notices.push_back(event->type());
            if (hideOnNotice != nullptr) {
                hideOnNotice->hide();
            }
            return true;
        }
        return QObject::event(event);
    }
};

struct WindowCase {
    char letter;
    const char* title;
    int notice;
    bool closeBox;
};

class TrafficWindow : public ::testing::TestWithParam<WindowCase> {};

TEST_P(TrafficWindow, TitleCloseBoxAndNoticeFollowTheLetter) {
    const WindowCase& c = GetParam();
    NoticeRecorder owner;
    CTrafficDlg dlg(c.letter, &owner, nullptr);
    dlg.SetPlacement(0, 0, 400, 300);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    EXPECT_EQ(dlg.windowTitle(), QString::fromLatin1(c.title));
    EXPECT_EQ(dlg.windowFlags().testFlag(Qt::WindowCloseButtonHint), c.closeBox);
    EXPECT_TRUE(dlg.windowFlags().testFlag(Qt::Tool));

    QTest::keyClick(&dlg, Qt::Key_Return);
    QTest::keyClick(dlg.TextView(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(&owner);
    EXPECT_TRUE(owner.notices.empty());

    dlg.close();
    QCoreApplication::sendPostedEvents(&owner);
    EXPECT_EQ(owner.notices, std::vector<int>{c.notice});
    EXPECT_TRUE(dlg.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Letters, TrafficWindow,
                         ::testing::Values(WindowCase{'m', "Monitoring", QEvent::User + 2, true},
                                           WindowCase{'a', "All channels", QEvent::User + 3, false},
                                           WindowCase{'o', "Channel 1", QEvent::User + 4, true},
                                           WindowCase{'?', "Channel 1", QEvent::User + 4, true}));

TEST(TrafficDlg, MonitoringKeepsItsTextWhenShownAgain) {
    NoticeRecorder owner;
    CTrafficDlg dlg('m', &owner, nullptr);
    owner.hideOnNotice = &dlg;
    dlg.SetPlacement(0, 0, 400, 300);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    dlg.AppendText("heard QA1ABC\n", TrafficColour(2));
    dlg.close();
    QCoreApplication::sendPostedEvents(&owner);
    EXPECT_FALSE(dlg.isVisible());
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    const TextLine& line = dlg.TextView()->Ring().Line(0);
    EXPECT_EQ(line.Cells().substr(0, 12), "heard QA1ABC");
    EXPECT_EQ(line.startColour, TrafficColour(2));
}

TEST(TrafficDlg, OneChannelWindowWritesItsKeysInTheProfileInUse) {
    QTemporaryDir dir;
    AppConfig config(dir.filePath("BrxW.ini"));
    config.SetCurrentIndex(2);
    CTrafficDlg dlg('o', nullptr, &config);
    dlg.SetPlacement(10, 20, 400, 300);
    // Placing is the window's first move and size change, shown or not.
    EXPECT_EQ(config.Store().Read("Remote 2", "Position_o"), "0010 0020");
    EXPECT_EQ(config.Store().Read("Remote 2", "Size_o"), "0400 0300");
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    dlg.move(30, 40);
    QCoreApplication::processEvents();
    EXPECT_EQ(config.Store().Read("Remote 2", "Position_o"), "0030 0040");
    EXPECT_FALSE(config.Store().Has("Remote 0", "Position_o"));

    // The keys hold the whole window, so what is written places the window as it was.
    dlg.resize(420, 310);
    QCoreApplication::processEvents();
    EXPECT_EQ(dlg.TextView()->geometry(), QRect(0, 0, 420, 310));
    const std::string size = config.Store().Read("Remote 2", "Size_o");
    const std::vector<long> wh = ScanLongs(size, 2);
    ASSERT_EQ(wh.size(), 2u);
    EXPECT_EQ(QSize(int(wh[0]), int(wh[1])), dlg.frameGeometry().size());
    CTrafficDlg again('o', nullptr, nullptr);
    again.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    again.SetPlacement(30, 40, int(wh[0]), int(wh[1]));
    QCoreApplication::processEvents();
    EXPECT_EQ(again.frameGeometry(), dlg.frameGeometry());
}

// Each life of the window is placed as the opening command places it, from a store read afresh
// from the same file (a restart), and finds the window where the operator left it: moved only in
// the first life, resized only in the second.
TEST(TrafficDlg, PlacementSurvivesDestroyingAndCreatingTheWindow) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("BrxW.ini");
    const std::function<void(CTrafficDlg&)> operatorDoes[] = {
        [](CTrafficDlg& dlg) { dlg.move(150, 120); },
        [](CTrafficDlg& dlg) { dlg.resize(500, 350); },
        [](CTrafficDlg&) {},
    };
    QRect left;
    QSize inside;
    for (const auto& act : operatorDoes) {
        AppConfig config(ini);
        config.SetCurrentIndex(1);
        CTrafficDlg dlg('m', nullptr, &config);
        const Placement placement = ReadPlacement(config, 'm', kTrafficPlacement);
        dlg.SetPlacement(placement.x, placement.y, placement.width, placement.height);
        dlg.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
        QCoreApplication::processEvents();
        // The placement is the whole window, also when its frame came only with showing it.
        EXPECT_EQ(dlg.frameGeometry().size(), QSize(placement.width, placement.height));
        if (!left.isNull()) {
            EXPECT_EQ(dlg.frameGeometry(), left);
        }
        act(dlg);
        QCoreApplication::processEvents();
        left = dlg.frameGeometry();
        inside = dlg.size();
    }
    EXPECT_EQ(left.topLeft(), QPoint(150, 120));
    EXPECT_EQ(inside, QSize(500, 350));
}

TEST(TrafficDlg, ChannelAndTitleFromTheStationList) {
    CTrafficDlg dlg('o', nullptr, nullptr);
    dlg.SetChannel(3);
    dlg.SetTitleText("Channel 3 : F\xE9LIX");
    EXPECT_EQ(dlg.Channel(), 3);
    EXPECT_EQ(dlg.windowTitle(), QString::fromUtf8("Channel 3 : F\xC3\xA9LIX"));
}

TEST(TrafficDlg, AbsurdPlacementsGiveAReachableWindowOfSensibleSize) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    struct {
        int x, y, w, h;
    } const cases[] = {{0, 0, 0, 0},
                       {0, 0, -50, 7},
                       {-20000, -20000, 999999, 999999},
                       {screen.right() + 5000, 0, 400, 300},
                       {0, INT32_MIN, 400, 300}};
    for (const auto& c : cases) {
        CTrafficDlg dlg('a', nullptr, nullptr);
        dlg.SetPlacement(c.x, c.y, c.w, c.h);
        const QRect placed = dlg.frameGeometry();
        EXPECT_GE(placed.width(), kMinWindowWidth);
        EXPECT_GE(placed.height(), kMinWindowHeight);
        EXPECT_LE(placed.width(), std::max(kMinWindowWidth, screen.width()));
        EXPECT_LE(placed.height(), std::max(kMinWindowHeight, screen.height()));
        EXPECT_TRUE(placed.intersects(screen)) << c.x << "," << c.y;
    }
}

}  // namespace
}  // namespace brxw
