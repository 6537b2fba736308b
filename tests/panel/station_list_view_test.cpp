// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/station_list_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <array>
#include <vector>

#include "settings/font_mapping.h"

namespace brxw {
namespace {

QFont MonoFont(int pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(pixelSize);
    return font;
}

bool IsInk(QRgb pixel) {
    return qGray(pixel) < 160;
}

// The x where each word of ink starts inside `area` of the image; ink columns closer than
// `gap` pixels belong to the same word.
std::vector<int> WordStarts(const QImage& image, const QRect& area, int gap) {
    std::vector<int> starts;
    int lastInk = -1000;
    for (int x = area.left(); x <= area.right(); ++x) {
        bool ink = false;
        for (int y = area.top(); y <= area.bottom() && !ink; ++y) {
            ink = IsInk(image.pixel(x, y));
        }
        if (ink) {
            if (x - lastInk > gap) {
                starts.push_back(x);
            }
            lastInk = x;
        }
    }
    return starts;
}

class StationListViewTest : public ::testing::Test {
protected:
    void Show(int pixelSize) { Show(MonoFont(pixelSize)); }
    void Show(const QFont& font) {
        view.SetFont(font);
        view.resize(700, 300);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    QRect RowRect(int row) const {
        QListView* listView = view.ListView();
        const QRect item = listView->visualRect(listView->model()->index(row, 0));
        return QRect(listView->viewport()->mapTo(&view, item.topLeft()), item.size());
    }

    StationList list;
    CStationListView view{list};
};

TEST_F(StationListViewTest, RowFieldsStartUnderTheirColumnTitlesAtAnySize) {
    ASSERT_TRUE(IsMonospaced(MonoFont(12)));
    // The row repeats the header's words where it can, so aligned words have the same ink.
    list.ApplyStationLine("05 Callsign Start Time 1 2 C/Fwd");
    view.Update();
    for (int pixelSize : {10, 13, 20}) {
        SCOPED_TRACE(pixelSize);
        Show(pixelSize);
        const QImage image = view.grab().toImage();
        const int charWidth = QFontMetrics(MonoFont(pixelSize)).horizontalAdvance(QLatin1Char('x'));
        const std::vector<int> header =
            WordStarts(image, view.Header()->geometry(), charWidth * 3 / 4);
        const std::vector<int> row = WordStarts(image, RowRect(0), charWidth * 3 / 4);
        ASSERT_EQ(header.size(), 7u);
        ASSERT_EQ(row.size(), 7u);
        for (std::size_t column : {1u, 2u, 3u, 6u}) {
            EXPECT_NEAR(row[column], header[column], 1) << "column " << column;
        }
        // "05", "1" and "2" start under "Ch", "Rt" and "Buf" with other glyphs.
        for (std::size_t column : {0u, 4u, 5u}) {
            EXPECT_NEAR(row[column], header[column], charWidth / 2) << "column " << column;
        }
        EXPECT_EQ(RowRect(0).height(), QFontMetrics(MonoFont(pixelSize)).height());
    }
}

// The operator may pick a proportional text font; the list keeps a fixed pitch at that size, so
// the digits of Rt and Buf stay under their titles, and room for the whole header.
TEST_F(StationListViewTest, AProportionalTextFontKeepsTheColumnsUnderTheHeader) {
    list.ApplyStationLine("02 Q8VWY-15 14:05 100:00 13 888 in");
    list.ApplyStationLine("11 W 14:05 00:00 1 1 1/1");
    view.Update();
    for (int pixelSize : {13, 24}) {
        SCOPED_TRACE(pixelSize);
        QFont proportional(QStringLiteral("DejaVu Sans"));
        proportional.setPixelSize(pixelSize);
        ASSERT_FALSE(IsMonospaced(proportional));
        Show(proportional);
        const QFont& used = view.Delegate().Font();
        EXPECT_TRUE(IsMonospaced(used));
        EXPECT_EQ(QFontInfo(used).pixelSize(), pixelSize);
        EXPECT_EQ(view.Header()->font(), used);
        EXPECT_GE(view.minimumWidth(),
                  view.Header()->sizeHint().width() +
                      view.ListView()->verticalScrollBar()->sizeHint().width());

        const QImage image = view.grab().toImage();
        const int gap = QFontMetrics(used).horizontalAdvance(QLatin1Char('x')) * 3 / 4;
        const std::vector<int> header = WordStarts(image, view.Header()->geometry(), gap);
        ASSERT_EQ(header.size(), 7u);
        for (int row : {0, 1}) {
            const std::vector<int> words = WordStarts(image, RowRect(row), gap);
            ASSERT_EQ(words.size(), 7u) << "row " << row;
            for (std::size_t column = 0; column < 7; ++column) {
                EXPECT_NEAR(words[column], header[column], gap)
                    << "row " << row << " column " << column;
            }
        }
    }
}

TEST_F(StationListViewTest, RowColoursAndGreySelection) {
    list.ApplyStationLine("<3 RED a b 1 2 c");
    list.ApplyStationLine(">5 BLUE a b 1 2 c");
    list.ApplyStationLine("7 BLACK a b 1 2 c");
    list.Select(2);
    view.Update();
    Show(13);
    const QImage image = view.grab().toImage();

    // Pixels of each pure colour in a row: red, blue, black.
    auto count = [&](const QRect& rect) {
        std::array<int, 3> c{};
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const QColor p = image.pixelColor(x, y);
                c[0] += p.red() > 200 && p.green() < 80 && p.blue() < 80;
                c[1] += p.blue() > 200 && p.red() < 80 && p.green() < 80;
                c[2] += p.red() < 60 && p.green() < 60 && p.blue() < 60;
            }
        }
        return c;
    };
    for (int row = 0; row < 3; ++row) {
        const std::array<int, 3> c = count(RowRect(row));
        for (int colour = 0; colour < 3; ++colour) {
            EXPECT_EQ(c[colour] > 20, colour == row) << "row " << row << " colour " << colour;
        }
    }

    // Right of the text: the selected row is light grey, the others the window colour.
    const int x = RowRect(0).right() - 3;
    EXPECT_EQ(image.pixelColor(x, RowRect(2).center().y()), QColor(192, 192, 192));
    EXPECT_EQ(image.pixelColor(x, RowRect(0).center().y()),
              view.ListView()->palette().color(QPalette::Base));
}

TEST_F(StationListViewTest, OperatorSelectionAndPressBelowTheLastRow) {
    list.ApplyStationLine("3 C3");
    list.ApplyStationLine("9 C9");
    view.Update();
    Show(13);
    QSignalSpy changed(&view, &CStationListView::SelectionChangedByOperator);
    QSignalSpy doubleClicked(&view, &CStationListView::StationDoubleClicked);
    QWidget* viewport = view.ListView()->viewport();
    auto inViewport = [&](const QRect& rect) { return viewport->mapFrom(&view, rect.center()); };

    QTest::mouseClick(viewport, Qt::LeftButton, {}, inViewport(RowRect(1)));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(list.ReadSelection(), (SelectedStation{9, "C9"}));

    QTest::mousePress(viewport, Qt::LeftButton, {},
                      QPoint(20, RowRect(1).bottom() + 3 * RowRect(1).height()));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_FALSE(list.Selected().has_value());
    EXPECT_FALSE(view.ListView()->selectionModel()->hasSelection());
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(20, viewport->height() - 2));

    // A double click arrives as press, release, double-click event, release.
    QTest::mouseClick(viewport, Qt::LeftButton, {}, inViewport(RowRect(0)));
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, inViewport(RowRect(0)));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, inViewport(RowRect(0)));
    EXPECT_EQ(doubleClicked.count(), 1);
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(list.ReadSelection(), (SelectedStation{3, "C3"}));
}

TEST_F(StationListViewTest, UpdatesTouchOnlyChangedRowsAndMoveTheSelectionSilently) {
    list.ApplyStationLine("3 C3");
    list.ApplyStationLine("9 C9");
    list.Select(1);
    view.Update();
    QAbstractItemModel* model = view.ListView()->model();
    QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
    QSignalSpy operatorChange(&view, &CStationListView::SelectionChangedByOperator);
    auto selectedRow = [&] {
        const QModelIndexList rows = view.ListView()->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.first().row() : -1;
    };

    view.Apply(list.ApplyStationLine("1 C1"));
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted.takeFirst().at(1).toInt(), 0);
    EXPECT_EQ(selectedRow(), 2);

    view.Apply(list.ApplyStationLine("<3 C3 a b 1 2 c"));
    EXPECT_EQ(inserted.count() + removed.count(), 0);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.takeFirst().at(0).toModelIndex().row(), 1);
    EXPECT_EQ(model->index(1, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));

    view.Apply(list.ApplyStationLine("abc"));  // rejected
    view.Apply(list.ApplyStationLine("!9"));
    EXPECT_EQ(removed.count(), 1);
    EXPECT_EQ(selectedRow(), -1);
    EXPECT_EQ(model->rowCount(), 2);
    EXPECT_EQ(operatorChange.count(), 0);

    list.Clear();
    view.Update();
    EXPECT_EQ(model->rowCount(), 0);
}

}  // namespace
}  // namespace brxw
