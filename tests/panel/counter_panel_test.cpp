// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/counter_panel.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

namespace brxw {
namespace {

struct Ink {
    int labelRight = -1;
    int valueLeft = -1;
    int left = 1000;
    int right = -1;
    int top = 1000;
    int bottom = -1;
    int red = 0;
};

// Where a line drew, split into label and value halfway between the two columns.
Ink InkOf(CCounterLine* line) {
    const QImage image = line->grab().toImage();
    const int split = (line->LabelRight() + line->ValueLeft()) / 2;
    Ink ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            if (qGray(p.rgb()) >= 160) {
                continue;
            }
            ink.red += p.red() > 200 && p.green() < 80;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
            if (x < split) {
                ink.labelRight = std::max(ink.labelRight, x);
            } else if (ink.valueLeft < 0 || x < ink.valueLeft) {
                ink.valueLeft = x;
            }
        }
    }
    return ink;
}

class CounterPanelTest : public ::testing::Test {
protected:
    void Show(const PanelLines& lines) {
        panel.SetLines(lines);
        panel.adjustSize();
        panel.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    }

    CCounterPanel panel{QString::fromLatin1(counter_text::kMessagesCaption)};
};

TEST_F(CounterPanelTest, LabelsRightAlignedAgainstLeftAlignedValuesInTheirColours) {
    Show(MessageCounterLines("0 0 40"));
    Ink ink[3];
    for (int i = 0; i < 3; ++i) {
        ink[i] = InkOf(panel.LineWidget(i));
        EXPECT_LT(ink[i].labelRight, ink[i].valueLeft) << i;
        EXPECT_EQ(ink[i].red, 0);
    }
    // Every label ends in ':', so right alignment gives one right edge.
    EXPECT_EQ(ink[0].labelRight, ink[1].labelRight);
    EXPECT_EQ(ink[1].labelRight, ink[2].labelRight);
    EXPECT_NEAR(ink[0].valueLeft, ink[2].valueLeft, 2);

    panel.SetLines(MessageCounterLines("2 5 40"));
    EXPECT_EQ(InkOf(panel.LineWidget(0)).red, 0);
    EXPECT_GT(InkOf(panel.LineWidget(1)).red, 10);
    EXPECT_GT(InkOf(panel.LineWidget(2)).red, 10);
}

TEST_F(CounterPanelTest, NothingIsClippedEvenForTheWidestValues) {
    for (const PanelLines& lines :
         {SystemStatusLines("20000 1500 1999 7"), SystemStatusLines("1 -99999999999 -5"),
          MessageCounterLines("2147483647 -2147483648 99999999999")}) {
        Show(lines);
        for (int i = 0; i < 3; ++i) {
            CCounterLine* line = panel.LineWidget(i);
            SCOPED_TRACE(line->Line().text);
            EXPECT_GE(line->width(), line->minimumSizeHint().width());
            const Ink ink = InkOf(line);
            EXPECT_GT(ink.left, 0);
            EXPECT_LT(ink.right, line->width() - 1);
            EXPECT_GE(ink.top, 0);
            EXPECT_LT(ink.bottom, line->height());
            // The line lies inside the frame, below the check box.
            const QRect inFrame(line->mapTo(&panel, QPoint(0, 0)), line->size());
            EXPECT_TRUE(panel.Frame()->geometry().contains(inFrame));
            EXPECT_GE(inFrame.top(), panel.CheckBox()->geometry().bottom());
        }
    }
}

TEST_F(CounterPanelTest, ClearFrameAndCheckBox) {
    Show(MessageCounterLines("1 1 1"));
    QSignalSpy toggled(&panel, &CCounterPanel::toggled);

    panel.SetChecked(true);
    EXPECT_TRUE(panel.IsChecked());
    EXPECT_EQ(toggled.count(), 0);
    QTest::mouseClick(panel.CheckBox(), Qt::LeftButton);
    ASSERT_EQ(toggled.count(), 1);
    EXPECT_FALSE(toggled.first().at(0).toBool());

    panel.Clear();
    EXPECT_EQ(panel.Lines(), PanelLines{});
    EXPECT_EQ(InkOf(panel.LineWidget(1)).right, -1);
    panel.ShowFrame(false);
    EXPECT_FALSE(panel.LineWidget(0)->isVisible());
    EXPECT_TRUE(panel.CheckBox()->isVisible());

    // A text without a tab draws only its label.
    panel.SetLines({PanelLine{0, "Only :"}, {}, {}});
    const Ink label = InkOf(panel.LineWidget(0));
    EXPECT_GE(label.labelRight, 0);
    EXPECT_EQ(label.valueLeft, -1);
}

}  // namespace
}  // namespace brxw
