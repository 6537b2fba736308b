// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/channel_router.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/traffic_colour.h"

namespace brxw {
namespace {

class FakeSink : public TrafficSink {
public:
    bool Exists() const override { return exists; }
    std::optional<int> Channel() const override { return channel; }
    void AppendText(std::string_view text, std::uint32_t colour) override {
        appended.push_back(std::string(text) + "@" + std::to_string(colour));
    }

    bool exists = true;
    std::optional<int> channel;
    std::vector<std::string> appended;  // "text@colour"
};

std::string In(const std::string& text, int code) {
    return text + "@" + std::to_string(TrafficColour(code));
}

class ChannelRouterTest : public ::testing::Test {
protected:
    FakeSink all;
    FakeSink one;
    ChannelRouter router{all, one};
    const std::string marker3 = In("[ -- Channel changed to 3 -- ]\n", 2);
};

TEST_F(ChannelRouterTest, MarkerOnlyBeforeTheFirstTrafficOfANewlyChosenChannel) {
    router.Route(-1, 0xFF, "x");  // no channel chosen yet: not even channel -1 gets in
    EXPECT_TRUE(one.appended.empty());
    one.channel = 2;
    router.Route(2, 1, "two");
    one.appended.clear();

    one.channel = 3;
    router.Route(2, 1, "still two");
    router.Route(3, 4, "first");
    router.Route(3, 5, "second");
    EXPECT_EQ(one.appended, (std::vector<std::string>{marker3, In("first", 4), In("second", 5)}));
    EXPECT_EQ(all.appended.size(), 5u);
    EXPECT_EQ(all.appended.back(), In("second", 5));

    // Away and back without traffic between: 3 is still the last channel shown.
    one.appended.clear();
    one.channel = 9;
    one.channel = 3;
    router.Route(3, 0, "again");
    EXPECT_EQ(one.appended, (std::vector<std::string>{In("again", 0)}));
}

TEST_F(ChannelRouterTest, Bit1KeepsAFrameOutOfTheOneChannelWindow) {
    one.channel = 3;
    for (std::uint8_t traffic : {2, 3, 6, 0x82}) {
        router.Route(3, traffic, "all only");
    }
    EXPECT_TRUE(one.appended.empty());
    EXPECT_EQ(all.appended.size(), 4u);
    // Such frames are not shown, so the next plain frame still brings the marker.
    router.Route(3, 1, "shown");
    EXPECT_EQ(one.appended, (std::vector<std::string>{marker3, In("shown", 1)}));
}

TEST_F(ChannelRouterTest, WindowsThatDoNotExistAreSkipped) {
    all.exists = false;
    one.exists = false;
    one.channel = 3;
    router.Route(3, 0, "x");
    EXPECT_EQ(router.LastChannelShown(), -1);
    one.exists = true;
    router.Route(3, 0, "y");
    EXPECT_TRUE(all.appended.empty());
    EXPECT_EQ(one.appended, (std::vector<std::string>{marker3, In("y", 0)}));
}

}  // namespace
}  // namespace brxw
