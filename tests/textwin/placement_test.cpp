// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/placement.h"

#include "config/app_config.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <ostream>
#include <string>
#include <vector>

namespace brxw {

void PrintTo(const Placement& p, std::ostream* os) {
    *os << p.x << "," << p.y << " " << p.width << "x" << p.height;
}

namespace {

struct Key {
    std::string name;
    std::string value;
};

struct ReadCase {
    const char* name;
    std::vector<Key> keys;  // written to "Remote 0" before reading
    char letter;
    Placement expected;
};

class ReadingPlacement : public ::testing::TestWithParam<ReadCase> {
protected:
    QTemporaryDir m_dir;
    AppConfig m_config{m_dir.filePath("BrxW.ini")};
};

TEST_P(ReadingPlacement, GivesTheStoredOrDefaultPlacement) {
    const ReadCase& c = GetParam();
    m_config.SetCurrentIndex(0);
    for (const Key& key : c.keys) {
        ASSERT_TRUE(m_config.WriteProfileText(key.name, key.value));
    }
    EXPECT_EQ(ReadPlacement(m_config, c.letter, kTrafficPlacement), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Placement, ReadingPlacement,
    ::testing::Values(
        ReadCase{"NoKeys", {}, 'm', kTrafficPlacement},
        ReadCase{
            "PositionWithoutSizeIsNotRead", {{"Position_m", "0300 0200"}}, 'm', kTrafficPlacement},
        ReadCase{"SizeOnly", {{"Size_m", "0700 0500"}}, 'm', {0, 0, 700, 500}},
        ReadCase{"SizeAndPosition",
                 {{"Size_a", "0700 0500"}, {"Position_a", "0030 0040"}},
                 'a',
                 {30, 40, 700, 500}},
        ReadCase{"ConsoleKeys",
                 {{"Size_c", "0400 0300"}, {"Position_c", "0001 0002"}},
                 'c',
                 {1, 2, 400, 300}},
        ReadCase{"NonLetterUsesOneChannelKeys", {{"Size_o", "0400 0300"}}, '\0', {0, 0, 400, 300}},
        ReadCase{"SizeNotANumber",
                 {{"Size_m", "wide"}, {"Position_m", "0030 0040"}},
                 'm',
                 kTrafficPlacement},
        ReadCase{"SizeZero", {{"Size_m", "0000 0000"}}, 'm', kTrafficPlacement},
        ReadCase{"SizeTinyClampedUp",
                 {{"Size_m", "0001 0002"}},
                 'm',
                 {0, 0, kMinWindowWidth, kMinWindowHeight}},
        ReadCase{"SizeHugeClampedDown",
                 {{"Size_m", "99999999999999999999 70000"}},
                 'm',
                 {0, 0, kMaxWindowExtent, kMaxWindowExtent}},
        ReadCase{"PositionHugeClamped",
                 {{"Size_m", "0700 0500"}, {"Position_m", "-99999999999 88888"}},
                 'm',
                 {-kMaxWindowCoordinate, kMaxWindowCoordinate, 700, 500}},
        ReadCase{"PositionInvalidKeepsDefault",
                 {{"Size_m", "0700 0500"}, {"Position_m", "left top"}},
                 'm',
                 {0, 0, 700, 500}}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(Placement, NothingIsReadWithoutACurrentConfiguration) {
    QTemporaryDir dir;
    AppConfig config(dir.filePath("BrxW.ini"));
    config.SetCurrentIndex(0);
    ASSERT_TRUE(config.WriteProfileText("Size_c", "0700 0500"));
    config.SetCurrentIndex(-1);
    EXPECT_EQ(ReadPlacement(config, 'c', kConsolePlacement), kConsolePlacement);
}

TEST(Placement, KeysAndClamping) {
    EXPECT_EQ(SizeKey('c'), "Size_c");
    EXPECT_EQ(PositionKey('a'), "Position_a");
    EXPECT_EQ(PositionKey('\xE9'), "Position_o");
    EXPECT_EQ(SizeKey('1'), "Size_o");
    EXPECT_EQ(ClampPlacement({5, 6, 590, 400}), (Placement{5, 6, 590, 400}));
    EXPECT_EQ(ClampPlacement({-1 << 30, 1 << 30, 0, -5}),
              (Placement{-kMaxWindowCoordinate, kMaxWindowCoordinate, kMinWindowWidth,
                         kMinWindowHeight}));
}

}  // namespace
}  // namespace brxw
