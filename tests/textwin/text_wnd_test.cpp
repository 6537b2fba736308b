// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/text_wnd.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPaintEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "textwin/colour_scheme.h"
#include "textwin/find_bar.h"
#include "textwin/text_wnd_accessible.h"

namespace brxw {
namespace {

using namespace std::string_literals;

constexpr Colour kRed = 0x000000FF;
constexpr Colour kGreen = 0x0000FF00;
constexpr Colour kBlue = 0x00FF0000;

class TextWnd : public ::testing::Test {
protected:
    void SetUp() override {
        QFont font(QStringLiteral("DejaVu Sans Mono"));
        font.setPixelSize(16);
        font.setBold(true);
        wnd.SetTextFont(font, true);
        wnd.resize(760, 240);
        wnd.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&wnd));
    }
    QImage Grab() {
        wnd.FlushUpdates();
        return wnd.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QRect Cells(int row, int from, int to) const {
        const int lh = wnd.View().LineHeight();
        const int cw = wnd.View().CharWidth();
        return QRect(2 + from * cw, row * lh, (to - from) * cw, lh);
    }
    static int Count(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& is) {
        int count = 0;
        const QRect inside = area.intersected(image.rect());
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x) {
                count += is(image.pixel(x, y)) ? 1 : 0;
            }
        }
        return count;
    }
    // A pixel clearly of one hue: that channel well above both others.
    static std::function<bool(QRgb)> Mostly(int channel) {
        return [channel](QRgb p) {
            const int c[3] = {qRed(p), qGreen(p), qBlue(p)};
            return c[channel] - std::max(c[(channel + 1) % 3], c[(channel + 2) % 3]) > 100;
        };
    }

    CTextWnd wnd;
};

TEST_F(TextWnd, PaintsColouredLinesInTheirRows) {
    wnd.AppendText("#### MMMM\n", kRed);
    wnd.AppendText("#### MMMM\n", kGreen);
    wnd.AppendText("MMMM", kRed);
    wnd.AppendText("MMMM\n", kBlue);
    const QImage image = Grab();
    const int page = wnd.View().PageLines();
    ASSERT_GE(page, 5);
    EXPECT_GT(Count(image, Cells(page - 4, 0, 9), Mostly(0)), 20);
    EXPECT_GT(Count(image, Cells(page - 3, 0, 9), Mostly(1)), 20);
    EXPECT_EQ(Count(image, Cells(page - 3, 0, 80), Mostly(0)), 0);
    // The colour changes where the blue text began.
    EXPECT_EQ(Count(image, Cells(page - 2, 0, 4), Mostly(2)), 0);
    EXPECT_GT(Count(image, Cells(page - 2, 4, 8), Mostly(2)), 10);
    EXPECT_EQ(Count(image, Cells(page - 2, 4, 8), Mostly(0)), 0);
    const auto notWhite = [](QRgb p) { return p != qRgb(255, 255, 255); };
    const int lh = wnd.View().LineHeight();
    EXPECT_EQ(Count(image, QRect(0, 0, image.width(), (page - 4) * lh), notWhite), 0);
    EXPECT_EQ(Count(image, Cells(page - 1, 0, 80), notWhite), 0);
}

TEST_F(TextWnd, HighlightInvertsSelectedCellsWhileShown) {
    wnd.AppendText("MMMM\n", kRed);
    const int page = wnd.View().PageLines();
    wnd.SetSelectionShown(false);  // as without the focus
    wnd.SelectAll();
    const auto black = [](QRgb p) { return p == qRgb(0, 0, 0); };
    const QRect blankCells = Cells(page - 1, 0, 79).intersected(wnd.viewport()->rect());
    EXPECT_EQ(Count(Grab(), blankCells, black), 0);
    wnd.SetSelectionShown(true);
    const QImage image = Grab();
    EXPECT_EQ(Count(image, blankCells, black), blankCells.width() * blankCells.height());
    const auto cyan = [](QRgb p) { return qRed(p) < 100 && qGreen(p) > 150 && qBlue(p) > 150; };
    EXPECT_GT(Count(image, Cells(page - 2, 0, 4), cyan), 10);           // red text inverted
    EXPECT_EQ(Count(image, QRect(0, 0, 2, image.height()), black), 0);  // the margin stays
    wnd.ClearSelection();
    EXPECT_EQ(Count(Grab(), blankCells, black), 0);
}

TEST_F(TextWnd, ContextMenuEnableRules) {
    const QString texts[] = {QStringLiteral("Copy selection\tCtrl+C"),
                             QStringLiteral("Print selection\tCtrl+P"),
                             QStringLiteral("Select All\tCtrl+A")};
    const int commands[] = {32820, 32819, 32818};
    for (bool withSelection : {false, true}) {
        if (withSelection) {
            wnd.SelectAll();
        }
        const std::unique_ptr<QMenu> menu = wnd.CreateContextMenu();
        const QList<QAction*> actions = menu->actions();
        ASSERT_EQ(actions.size(), 3);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(actions[i]->text(), texts[i]);
            EXPECT_EQ(actions[i]->data().toInt(), commands[i]);
            EXPECT_EQ(actions[i]->isEnabled(), withSelection || i == 2) << i;
        }
    }
}

TEST_F(TextWnd, CopyPutsDecodedTextOnTheClipboard) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));
    wnd.CopySelection();  // nothing selected: the clipboard stays
    EXPECT_EQ(clipboard->text(), QStringLiteral("before"));
    // OEM bytes for e-acute, u-umlaut and sharp s, and a zero byte.
    wnd.AppendText("caf\x82 \x81\nGr\x81\xE1"s + "e a\0b\n"s, kRed);
    wnd.SelectAll();
    wnd.CopySelection();
    const QString text = clipboard->text();
    EXPECT_TRUE(text.endsWith(QStringLiteral("caf\u00E9 \u00FC\r\nGr\u00FC\u00DFe a") + QChar(0) +
                              QStringLiteral("b\r\n\r\n")));
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), kRingLines);

    wnd.AppendText("  call_sign9-x\n", kRed);
    QTest::mouseDClick(wnd.viewport(), Qt::LeftButton, {},
                       Cells(wnd.View().PageLines() - 2, 5, 6).center());
    wnd.CopySelection();
    EXPECT_EQ(clipboard->text(), QStringLiteral("call_sign9"));
}

TEST_F(TextWnd, KeysThumbAndCtrlA) {
    for (int i = 0; i < 100; ++i) {
        wnd.AppendText("line " + std::to_string(i) + "\n", kRed);
    }
    wnd.FlushUpdates();
    const auto topText = [this] {
        return wnd.Ring().Line(wnd.View().TopLine()).Cells().substr(0, 7);
    };
    QTest::keyClick(&wnd, Qt::Key_Home);
    EXPECT_EQ(topText(), "line 0 ");  // the oldest line, however far back
    QTest::keyClick(&wnd, Qt::Key_PageDown);
    EXPECT_EQ(wnd.View().TopLine(), wnd.View().PageLines());
    QTest::keyClick(&wnd, Qt::Key_End);
    EXPECT_TRUE(wnd.View().Following());

    QScrollBar* bar = wnd.verticalScrollBar();
    EXPECT_EQ(bar->maximum(), 101 - wnd.View().PageLines());
    bar->setSliderDown(true);
    bar->setSliderPosition(30);
    bar->setSliderDown(false);
    EXPECT_EQ(topText(), "line 30");
    QKeyEvent selectAll(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
    QCoreApplication::sendEvent(&wnd, &selectAll);
    EXPECT_TRUE(selectAll.isAccepted());  // the character goes no further
    EXPECT_EQ(wnd.View().CurrentSelection(), wnd.Ring().WholeRing());
}

// The context menu takes the focus while it is open; the selection must stay in sight, so the
// operator sees what Copy or Print will take.
TEST_F(TextWnd, SelectionStaysShownWhileTheContextMenuIsOpen) {
    wnd.AppendText("take this\n", kRed);
    wnd.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&wnd));
    wnd.setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(wnd.hasFocus());
    wnd.SelectAll();
    ASSERT_TRUE(wnd.View().SelectionShown());

    bool menuOpen = false;
    bool shownWhileOpen = false;
    QTimer::singleShot(0, &wnd, [&] {
        QWidget* popup = QApplication::activePopupWidget();
        menuOpen = popup != nullptr;
        shownWhileOpen = wnd.View().SelectionShown();
        if (popup != nullptr) {
            popup->close();
        }
    });
    const QPoint at = wnd.viewport()->rect().center();
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, wnd.viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(wnd.viewport(), &request);
    EXPECT_TRUE(menuOpen);
    EXPECT_TRUE(shownWhileOpen);
    // Losing the focus to another widget still hides it.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(wnd.View().SelectionShown());
}

TEST_F(TextWnd, FloodRepaintsOnceAndANewLineOnlyItsRows) {
    struct CountPaints : QObject {
        int paints = 0;
        QRegion painted;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                ++paints;
                painted += static_cast<QPaintEvent*>(event)->region();
            }
            return false;
        }
    } counter;
    QCoreApplication::processEvents();
    wnd.viewport()->installEventFilter(&counter);
    for (int i = 0; i < 3000; ++i) {
        wnd.AppendText("flooding traffic line " + std::to_string(i) + "\n", kGreen);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.paints > 0; }, 2000));
    QCoreApplication::processEvents();
    EXPECT_LE(counter.paints, 2);
    EXPECT_EQ(wnd.verticalScrollBar()->maximum(), kRingLines - wnd.View().PageLines());
    // A following view moves its pixels up: only the finished row and the new one are painted.
    counter.paints = 0;
    counter.painted = {};
    wnd.AppendText("one more\n", kGreen);
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.paints > 0; }, 2000));
    EXPECT_LE(counter.painted.boundingRect().height(), 2 * wnd.View().LineHeight());
    wnd.viewport()->removeEventFilter(&counter);
}

// Appends and scrolls move the pixels of rows still on screen and repaint only the changed rows;
// the screen must then equal a full repaint. It catches up within a few frames; a row moved to
// the wrong place never would, nor a window restored without catching up.
TEST_F(TextWnd, MovedPixelsMatchAFullRepaint) {
    const auto screenMatchesRepaint = [this] {
        wnd.FlushUpdates();  // so that grab() paints the state the screen is heading for
        return QTest::qWaitFor(
            [this] {
                return wnd.screen()
                           ->grabWindow(wnd.winId())
                           .toImage()
                           .convertToFormat(QImage::Format_RGB32) ==
                       wnd.grab().toImage().convertToFormat(QImage::Format_RGB32);
            },
            2000);
    };
    wnd.SetSelectionShown(true);
    for (int i = 0; i < 30; ++i) {
        wnd.AppendText("line " + std::to_string(i) + (i % 3 ? "\n" : " "), i % 2 ? kRed : kBlue);
        if (i % 4 == 0) {
            ASSERT_TRUE(screenMatchesRepaint()) << "after line " << i;
        }
    }
    ASSERT_TRUE(screenMatchesRepaint());
    const QPoint pointer = Cells(5, 7, 8).center();
    QTest::mousePress(wnd.viewport(), Qt::LeftButton, {}, Cells(2, 3, 4).center());
    QMouseEvent drag(QEvent::MouseMove, pointer, wnd.viewport()->mapToGlobal(pointer), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(wnd.viewport(), &drag);
    ASSERT_TRUE(screenMatchesRepaint());
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(&wnd, Qt::Key_Up);
        ASSERT_TRUE(screenMatchesRepaint()) << "after Up " << i;
    }
    QTest::mouseRelease(wnd.viewport(), Qt::LeftButton, {}, pointer);
    // Three lines up, the end under the pointer is back on the anchor's line.
    const Selection& sel = wnd.View().CurrentSelection();
    EXPECT_EQ(sel, (Selection{sel.anchor, MakePosition(SlotOf(sel.anchor), 7)}));
    wnd.AppendText("more\n", kGreen);
    ASSERT_TRUE(screenMatchesRepaint());
    QTest::keyClick(&wnd, Qt::Key_End);
    EXPECT_TRUE(screenMatchesRepaint());
    // A minimised window is not flushed; restored, it shows what came in meanwhile.
    wnd.showMinimized();
    QCoreApplication::processEvents();
    for (int i = 0; i < 3; ++i) {
        wnd.AppendText("while minimised " + std::to_string(i) + "\n", kRed);
        wnd.FlushUpdates();
    }
    wnd.showNormal();
    EXPECT_TRUE(screenMatchesRepaint());
}

// Ctrl+F, Enter, Shift+Enter, Escape and F3 as the operator uses them: the match is selected,
// brought into view and copied by Ctrl+C, the search wraps and says so.
TEST_F(TextWnd, FindBarKeysSelectScrollWrapAndCopy) {
    for (int i = 0; i < 300; ++i) {
        wnd.AppendText(i == 20 || i == 250 ? "from QA1ABC-" + std::to_string(i) + "\n"
                                           : "line " + std::to_string(i) + "\n",
                       kRed);
    }
    wnd.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&wnd));
    wnd.setFocus(Qt::OtherFocusReason);
    QTest::keyClick(&wnd, Qt::Key_F, Qt::ControlModifier);
    CFindBar* bar = wnd.FindBar();
    ASSERT_TRUE(bar->isVisible());
    ASSERT_TRUE(bar->Field()->hasFocus());
    EXPECT_LE(bar->geometry().top(), wnd.viewport()->geometry().bottom() + 1);  // under the text
    QTest::keyClicks(bar->Field(), "qa1abc");
    const auto selected = [this] {
        return wnd.Ring().SelectionText(wnd.View().CurrentSelection());
    };
    const auto shown = [this] {
        return wnd.View().RowOfSlot(SlotOf(wnd.View().CurrentSelection().anchor)) >= 0;
    };
    QTest::keyClick(bar->Field(), Qt::Key_Return);  // from the top row on: wraps to the oldest
    EXPECT_EQ(selected(), "QA1ABC");
    EXPECT_EQ(SlotOf(wnd.View().CurrentSelection().anchor), 20);
    EXPECT_TRUE(shown());
    EXPECT_EQ(bar->StatusLabel()->text(), QStringLiteral("Wrapped"));
    EXPECT_TRUE(wnd.View().SelectionShown());  // in sight while the field has the focus
    QTest::keyClick(bar->Field(), Qt::Key_Return);
    EXPECT_EQ(SlotOf(wnd.View().CurrentSelection().anchor), 250);
    EXPECT_TRUE(shown());
    EXPECT_EQ(bar->StatusLabel()->text(), QString());
    QTest::keyClick(bar->Field(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(SlotOf(wnd.View().CurrentSelection().anchor), 20);
    bar->MatchCaseBox()->setChecked(true);
    QTest::keyClick(bar->Field(), Qt::Key_Return);
    EXPECT_EQ(bar->StatusLabel()->text(), QStringLiteral("Not found"));
    EXPECT_EQ(SlotOf(wnd.View().CurrentSelection().anchor), 20);  // stays on the last match
    bar->MatchCaseBox()->setChecked(false);

    QTest::keyClick(bar->Field(), Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(wnd.hasFocus());
    EXPECT_EQ(wnd.viewport()->height(), wnd.height() - 2 * wnd.frameWidth());
    QTest::keyClick(&wnd, Qt::Key_F3);  // the last search, with the bar closed
    EXPECT_EQ(SlotOf(wnd.View().CurrentSelection().anchor), 250);
    QTest::keyClick(&wnd, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(SlotOf(wnd.View().CurrentSelection().anchor), 20);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&wnd, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("QA1ABC"));
    // Ctrl+F with the match selected offers it again as the text to find.
    bar->Field()->clear();
    QTest::keyClick(&wnd, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(bar->Field()->text(), QStringLiteral("QA1ABC"));
    wnd.setFocus(Qt::MouseFocusReason);  // Escape in the text closes the bar too
    QTest::keyClick(&wnd, Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
}

TEST_F(TextWnd, HighlightAllMarksMatchesOnScreenWhileTheBarIsOpen) {
    wnd.AppendText("KK\n", kRed);
    wnd.AppendText("xx KK yy kk\n", 0x0000FFFF);  // yellow, nearly unreadable on white
    wnd.OpenFindBar();
    wnd.FindBar()->Field()->setText(QStringLiteral("kk"));
    wnd.FindBar()->HighlightAllBox()->setChecked(true);
    const auto amber = [](QRgb p) {
        return qRed(p) > 230 && qGreen(p) > 170 && qGreen(p) < 230 && qBlue(p) < 100;
    };
    const auto black = [](QRgb p) { return qRed(p) < 60 && qGreen(p) < 60 && qBlue(p) < 60; };
    QImage image = Grab();
    const int page = wnd.View().PageLines();
    const QRect cell = Cells(page - 2, 3, 5);
    EXPECT_GT(Count(image, cell, amber), cell.width() * cell.height() / 2);
    EXPECT_GT(Count(image, cell, black), 10);  // the text over it is dark, whatever its colour
    EXPECT_GT(Count(image, Cells(page - 2, 9, 11), amber), 0);
    EXPECT_GT(Count(image, Cells(page - 3, 0, 2), amber), 0);
    EXPECT_EQ(Count(image, Cells(page - 2, 0, 3), amber), 0);
    EXPECT_EQ(Count(image, Cells(page - 2, 5, 9), amber), 0);
    wnd.CloseFindBar();
    image = Grab();
    EXPECT_EQ(Count(image, wnd.viewport()->rect(), amber), 0);
}

// With a large font in a narrow window the find bar takes two rows: every control keeps the
// width it needs and lies inside the bar, and the text above makes room for it.
TEST_F(TextWnd, FindBarTakesTwoRowsRatherThanCuttingItsControls) {
    CFindBar* bar = wnd.FindBar();
    wnd.OpenFindBar();
    QCoreApplication::processEvents();
    EXPECT_FALSE(bar->TwoRows());  // 760 pixels hold one row of the usual font
    const int oneRow = bar->height();
    QFont large = bar->font();
    large.setPixelSize(24);  // a 12-point font at 192 dots per inch
    bar->setFont(large);
    wnd.resize(590, 300);  // the windows' first width
    QCoreApplication::processEvents();
    EXPECT_TRUE(bar->TwoRows());
    EXPECT_GT(bar->height(), oneRow);
    EXPECT_EQ(bar->geometry().top(), wnd.viewport()->geometry().bottom() + 1);
    for (QWidget* control : bar->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(bar->rect().contains(control->geometry()))
            << control->metaObject()->className();
        EXPECT_GE(control->width(), control->minimumSizeHint().width())
            << control->metaObject()->className();
    }
    wnd.resize(1600, 300);
    QCoreApplication::processEvents();
    EXPECT_FALSE(bar->TwoRows());
}

// While scrolled back the indicator counts what arrives, on the frame clock however fast it
// comes, and End or a click returns to the newest line.
TEST_F(TextWnd, ScrolledBackIndicatorCountsAFloodAndEndOrAClickReturns) {
    for (int i = 0; i < 100; ++i) {
        wnd.AppendText("line " + std::to_string(i) + "\n", kRed);
    }
    wnd.FlushUpdates();
    CScrolledBackBar* back = wnd.ScrolledBackBar();
    EXPECT_FALSE(back->isVisible());
    QTest::keyClick(&wnd, Qt::Key_Home);
    wnd.FlushUpdates();
    ASSERT_TRUE(back->isVisible());
    EXPECT_TRUE(back->text().contains(QStringLiteral("Scrolled back")));
    // The bar takes the bottom rows: the oldest line stays in the top row.
    EXPECT_EQ(wnd.Ring().Line(wnd.View().TopLine()).Cells().substr(0, 7), "line 0 ");

    struct CountPaints : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            paints += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter;
    QCoreApplication::processEvents();
    back->installEventFilter(&counter);
    for (int i = 0; i < 3000; ++i) {
        wnd.AppendText("flood " + std::to_string(i) + "\n", kGreen);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.paints > 0; }, 2000));
    QCoreApplication::processEvents();
    EXPECT_LE(counter.paints, 2);
    back->removeEventFilter(&counter);
    EXPECT_EQ(wnd.NewLinesBelow(), 3000);
    EXPECT_TRUE(back->text().contains(QStringLiteral("3000 new lines")));

    QTest::keyClick(&wnd, Qt::Key_End);
    wnd.FlushUpdates();
    EXPECT_FALSE(back->isVisible());
    EXPECT_EQ(wnd.NewLinesBelow(), 0);
    EXPECT_EQ(wnd.viewport()->height(), wnd.height() - 2 * wnd.frameWidth());
    // Scrolled back again, the count starts afresh; a click on the bar returns.
    QTest::keyClick(&wnd, Qt::Key_PageUp);
    wnd.AppendText("one\n", kGreen);
    wnd.FlushUpdates();
    EXPECT_TRUE(back->text().contains(QStringLiteral("1 new line ")));
    QTest::mouseClick(back, Qt::LeftButton);
    wnd.FlushUpdates();
    EXPECT_TRUE(wnd.View().Following());
    EXPECT_FALSE(back->isVisible());
}

TEST_F(TextWnd, ZeroHeightDoesNotBreak) {
    wnd.resize(300, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(wnd.View().PageLines(), 0);
    for (int i = 0; i < 50; ++i) {
        wnd.AppendText("line\n", kRed);
    }
    QTest::keyClick(&wnd, Qt::Key_PageUp);
    QTest::mouseClick(wnd.viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    wnd.SelectAll();
    wnd.grab();
    wnd.resize(300, 200);
    QCoreApplication::processEvents();
    EXPECT_GT(wnd.View().PageLines(), 0);
    EXPECT_FALSE(Grab().isNull());
}

// What a screen reader reads: the ring's lines in order as one text, by line, word and
// character, where each character is on screen, and the window's own selection.
TEST_F(TextWnd, ScreenReaderReadsTheRingAsTextByLineAndSharesTheSelection) {
    wnd.setWindowTitle(QStringLiteral("Monitoring"));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&wnd);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::EditableText);
    EXPECT_TRUE(iface->state().readOnly);
    EXPECT_TRUE(iface->state().multiLine);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Monitoring"));
    QStringList children;
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(iface->indexOfChild(child), i);
        EXPECT_EQ(child->parent(), iface);
        children << child->text(QAccessible::Name);
    }
    EXPECT_TRUE(children.contains(QStringLiteral("Find"))) << children.join(u',').toStdString();
    EXPECT_TRUE(children.contains(QStringLiteral("Scrolled back")));
    QAccessibleTextInterface* text = iface->textInterface();
    ASSERT_NE(text, nullptr);

    // 1200 lines wrap the ring: the 499 newest complete lines stay, trailing blanks and control
    // bytes shown as blanks cut, then the line still being written.
    for (int i = 0; i < 1200; ++i) {
        wnd.AppendText("line " + std::to_string(i) + " \r\n", i % 2 != 0 ? kRed : kGreen);
    }
    wnd.AppendText("prompt> ", kBlue);
    QString expected;
    for (int i = 701; i < 1200; ++i) {
        expected += QStringLiteral("line %1\n").arg(i);
    }
    expected += QStringLiteral("prompt>");
    ASSERT_EQ(text->characterCount(), expected.size());
    EXPECT_EQ(text->text(0, text->characterCount()), expected);

    const int at = static_cast<int>(expected.indexOf(QStringLiteral("line 703\n")));
    int start = 0;
    int end = 0;
    EXPECT_EQ(text->textAtOffset(at + 6, QAccessible::LineBoundary, &start, &end),
              QStringLiteral("line 703\n"));
    EXPECT_EQ(start, at);
    EXPECT_EQ(end, at + 9);
    EXPECT_EQ(text->textBeforeOffset(at + 6, QAccessible::LineBoundary, &start, &end),
              QStringLiteral("line 702\n"));
    EXPECT_EQ(text->textAfterOffset(at + 6, QAccessible::LineBoundary, &start, &end),
              QStringLiteral("line 704\n"));
    EXPECT_EQ(text->textAtOffset(expected.size(), QAccessible::LineBoundary, &start, &end),
              QStringLiteral("prompt>"));
    EXPECT_EQ(text->textAtOffset(at + 6, QAccessible::WordBoundary, &start, &end),
              QStringLiteral("703"));
    EXPECT_EQ(text->textAtOffset(at + 6, QAccessible::CharBoundary, &start, &end),
              QStringLiteral("0"));

    // The newest complete line is in the row above the prompt; its characters are where painted.
    const int page = wnd.View().PageLines();
    const int newest = static_cast<int>(expected.indexOf(QStringLiteral("line 1199")));
    const QRect cell = text->characterRect(newest + 6);
    EXPECT_EQ(cell,
              QRect(wnd.viewport()->mapToGlobal(Cells(page - 2, 6, 7).topLeft()), cell.size()));
    EXPECT_EQ(cell.size(), Cells(page - 2, 6, 7).size());
    EXPECT_EQ(text->offsetAtPoint(cell.center()), newest + 6);
    EXPECT_TRUE(text->characterRect(0).isEmpty());  // scrolled out

    text->setSelection(0, at + 5, at + 13);                      // "703\nline"
    EXPECT_EQ(wnd.View().SelectedText(), "703 \r\r\nline\r\n");  // the bytes as stored
    EXPECT_EQ(text->selectionCount(), 1);
    text->selection(0, &start, &end);
    EXPECT_EQ(start, at + 5);
    EXPECT_EQ(end, at + 13);
    wnd.SelectAll();
    text->selection(0, &start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, expected.size());
    text->removeSelection(0);
    EXPECT_EQ(text->selectionCount(), 0);
    EXPECT_TRUE(wnd.View().CurrentSelection().Empty());
}

// The ends of the text, a selection dragged upward and a hidden window, as a screen reader and a
// magnifier meet them.
TEST_F(TextWnd, ScreenReaderMeetsTheEndAnUpwardDragAndOnlyTextThatShows) {
    std::vector<QString> inserted;
    SetAccessibilityStandIn([&inserted](QAccessibleEvent& event) {
        if (event.type() == QAccessible::TextInserted) {
            inserted.push_back(static_cast<QAccessibleTextInsertEvent&>(event).textInserted());
        }
    });
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(&wnd)->textInterface();
    wnd.AppendText("one\ntwo\nend", kRed);
    ASSERT_EQ(text->text(0, -1), QStringLiteral("one\ntwo\nend"));
    const int length = text->characterCount();
    int start = -2;
    int end = -2;
    EXPECT_EQ(text->textAtOffset(length - 1, QAccessible::CharBoundary, &start, &end), "d");
    EXPECT_EQ(std::pair(start, end), std::pair(length - 1, length));
    EXPECT_EQ(text->textBeforeOffset(length, QAccessible::CharBoundary, &start, &end), "d");
    EXPECT_EQ(text->textAtOffset(length, QAccessible::CharBoundary, &start, &end), "");
    EXPECT_EQ(std::pair(start, end), std::pair(length, length));
    EXPECT_EQ(text->textAfterOffset(length - 1, QAccessible::CharBoundary, &start, &end), "");

    // The caret sits after the last character: its cell is the one right of it.
    ASSERT_EQ(text->cursorPosition(), length);
    const QRect last = text->characterRect(length - 1);
    const QRect caret = text->characterRect(length);
    ASSERT_FALSE(last.isEmpty());
    EXPECT_EQ(caret, last.translated(last.width(), 0));

    // Dragged from "end" up into "one": read back in reading order.
    const int bottom = wnd.View().RowOfSlot(2);
    QTest::mousePress(wnd.viewport(), Qt::LeftButton, {}, Cells(bottom, 2, 3).center());
    const QPoint up = Cells(bottom - 2, 1, 2).center();
    QMouseEvent drag(QEvent::MouseMove, up, wnd.viewport()->mapToGlobal(up), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(wnd.viewport(), &drag);
    QTest::mouseRelease(wnd.viewport(), Qt::LeftButton, {}, up);
    ASSERT_EQ(text->selectionCount(), 1);
    text->selection(0, &start, &end);
    EXPECT_EQ(std::pair(start, end), std::pair(1, 10));

    // Hidden, the window tells nothing; shown again, it tells what came meanwhile.
    QTest::qWait(2 * CTextWnd::kTellIntervalMs);
    inserted.clear();
    wnd.hide();
    wnd.AppendText("\nunseen\n", kRed);
    QTest::qWait(2 * CTextWnd::kTellIntervalMs);
    EXPECT_TRUE(inserted.empty());
    wnd.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&wnd));
    QTest::qWait(2 * CTextWnd::kTellIntervalMs);
    ASSERT_EQ(inserted.size(), 1u);
    EXPECT_TRUE(inserted.front().contains(QStringLiteral("unseen")));
    SetAccessibilityStandIn({});
}

// F7 toggles a line caret a screen reader follows; outside it the keys scroll as always.
TEST_F(TextWnd, ReviewLineMovesWithTheKeysIsOutlinedAndToldAsTheCaret) {
    std::vector<int> carets;
    SetAccessibilityStandIn([&carets](QAccessibleEvent& event) {
        if (event.type() == QAccessible::TextCaretMoved) {
            carets.push_back(static_cast<QAccessibleTextCursorEvent&>(event).cursorPosition());
        }
    });
    for (int i = 0; i < 100; ++i) {
        wnd.AppendText("line " + std::to_string(i) + "\n", kRed);
    }
    wnd.setFocus(Qt::OtherFocusReason);
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(&wnd)->textInterface();
    const auto caretLine = [text] {
        int start = 0;
        int end = 0;
        return text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end);
    };
    const auto outlined = [this](int row) {
        // The outline inverts the white margin at the row's left edge.
        const QRect edge(0, row * wnd.View().LineHeight() + 1, 2, wnd.View().LineHeight() - 2);
        return Count(Grab(), edge, [](QRgb p) { return p == qRgb(0, 0, 0); }) ==
               edge.width() * edge.height();
    };
    const int page = wnd.View().PageLines();
    ASSERT_GE(page, 4);

    QTest::keyClick(&wnd, Qt::Key_Up);  // not reviewing: the view scrolls, the caret stays
    EXPECT_FALSE(wnd.View().Following());
    EXPECT_EQ(text->cursorPosition(), text->characterCount());
    QTest::keyClick(&wnd, Qt::Key_End);
    EXPECT_TRUE(carets.empty());
    EXPECT_FALSE(outlined(page - 2));

    QTest::keyClick(&wnd, Qt::Key_F9);  // on the newest line with text, above the empty one
    EXPECT_EQ(caretLine(), QStringLiteral("line 99\n"));
    ASSERT_EQ(carets.size(), 1u);
    EXPECT_EQ(carets.back(), text->cursorPosition());
    EXPECT_TRUE(outlined(page - 2));
    QTest::keyClick(&wnd, Qt::Key_Up);
    QTest::keyClick(&wnd, Qt::Key_Up);
    EXPECT_EQ(caretLine(), QStringLiteral("line 97\n"));
    EXPECT_TRUE(wnd.View().Following());  // still on screen: the view stays
    EXPECT_TRUE(outlined(page - 4));
    EXPECT_FALSE(outlined(page - 2));
    QTest::keyClick(&wnd, Qt::Key_PageUp);
    EXPECT_EQ(caretLine(), QStringLiteral("line %1\n").arg(97 - page));
    EXPECT_EQ(wnd.View().RowOfSlot(wnd.View().ReviewSlot()), 0);  // scrolled just enough
    QTest::keyClick(&wnd, Qt::Key_Home);
    EXPECT_EQ(caretLine(), QStringLiteral("line 0\n"));
    EXPECT_EQ(text->cursorPosition(), 0);
    EXPECT_TRUE(outlined(0));
    QTest::keyClick(&wnd, Qt::Key_Down);
    EXPECT_EQ(caretLine(), QStringLiteral("line 1\n"));
    QTest::keyClick(&wnd, Qt::Key_End);
    EXPECT_EQ(caretLine(), QStringLiteral("line 99\n"));
    EXPECT_EQ(carets.size(), 7u);
    EXPECT_EQ(carets.back(), text->cursorPosition());

    // The review line keeps its text while the oldest lines are dropped under it.
    QTest::keyClick(&wnd, Qt::Key_Home);
    for (int i = 100; i < 510; ++i) {
        wnd.AppendText("line " + std::to_string(i) + "\n", kRed);
    }
    EXPECT_EQ(caretLine(), QStringLiteral("line 11\n"));  // the oldest line left

    QTest::keyClick(&wnd, Qt::Key_Escape);
    EXPECT_FALSE(wnd.View().Reviewing());
    EXPECT_EQ(text->cursorPosition(), text->characterCount());
    const int top = wnd.View().TopLine();
    QTest::keyClick(&wnd, Qt::Key_Down);  // scrolls again
    EXPECT_EQ(wnd.View().TopLine(), WrapSlot(top + 1));
    QTest::keyClick(&wnd, Qt::Key_F9);
    QTest::keyClick(&wnd, Qt::Key_F9);  // the key leaves review too
    EXPECT_FALSE(wnd.View().Reviewing());
    SetAccessibilityStandIn({});
}

// A flood is told in a few removals and insertions that, applied in order to the text the
// listener found, give the text as it is; while nothing listens nothing is kept or told.
TEST_F(TextWnd, FloodIsToldInAFewBatchedEventsThatRebuildTheText) {
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(&wnd)->textInterface();
    QString mirror;
    int events = 0;
    bool consistent = true;
    const auto listener = [&](QAccessibleEvent& event) {
        if (event.type() == QAccessible::TextInserted) {
            auto& inserted = static_cast<QAccessibleTextInsertEvent&>(event);
            consistent = consistent && inserted.changePosition() <= mirror.size();
            mirror.insert(inserted.changePosition(), inserted.textInserted());
            ++events;
        } else if (event.type() == QAccessible::TextRemoved) {
            auto& removed = static_cast<QAccessibleTextRemoveEvent&>(event);
            const QString gone = removed.textRemoved();
            consistent = consistent && mirror.mid(removed.changePosition(), gone.size()) == gone;
            mirror.remove(removed.changePosition(), gone.size());
            ++events;
        }
    };
    for (int i = 0; i < 300; ++i) {
        wnd.AppendText("before " + std::to_string(i) + "\n", kRed);
    }
    QTest::qWait(20);
    SetAccessibilityStandIn(listener);
    mirror = text->text(0, text->characterCount());  // what the listener finds

    QElapsedTimer clock;
    clock.start();
    for (int burst = 0; burst < 40; ++burst) {
        for (int i = 0; i < 100; ++i) {
            wnd.AppendText("burst " + std::to_string(burst) + " line " + std::to_string(i) + "\n",
                           kGreen);
        }
        wnd.AppendText("partial ", kBlue);  // ends with the next burst's first line
        QTest::qWait(25);
    }
    const qint64 floodMs = clock.elapsed();
    QTest::qWait(2 * CTextWnd::kTellIntervalMs);
    EXPECT_TRUE(consistent);
    EXPECT_EQ(mirror, text->text(0, text->characterCount()));
    EXPECT_GE(events, 2);
    // A removal and an insertion at most per interval, and the last one after the flood.
    EXPECT_LE(events, 2 * (floodMs / CTextWnd::kTellIntervalMs + 2)) << floodMs << " ms";

    SetAccessibilityStandIn({});
    const int told = events;
    for (int i = 0; i < 1000; ++i) {
        wnd.AppendText("unheard " + std::to_string(i) + "\n", kRed);
    }
    QTest::qWait(2 * CTextWnd::kTellIntervalMs);
    EXPECT_EQ(events, told);
    // A listener that comes back starts from the text it finds, not from what it missed.
    wnd.AppendText("caf\x82\n", kRed);  // an e acute in the OEM code page
    SetAccessibilityStandIn(listener);
    mirror = text->text(0, text->characterCount());
    wnd.AppendText("heard\n", kRed);
    QTest::qWait(2 * CTextWnd::kTellIntervalMs);
    EXPECT_EQ(events, told + 2);  // the oldest line out, the new one in
    EXPECT_TRUE(consistent);
    EXPECT_EQ(mirror, text->text(0, text->characterCount()));
    // Stored text read again under the other code page changes inside the text, not at its ends.
    const QString before = mirror;
    wnd.SetAnsiMode(true);
    QTest::qWait(2 * CTextWnd::kTellIntervalMs);
    EXPECT_NE(mirror, before);
    EXPECT_TRUE(consistent);
    EXPECT_EQ(mirror, text->text(0, text->characterCount()));
    SetAccessibilityStandIn({});
}

// Narrower than its widest line, the window scrolls sideways: the text is painted shifted, and
// clicks and a screen reader's character rectangles map through the same shift.
TEST_F(TextWnd, NarrowWindowScrollsSidewaysAndMapsPointsThroughTheShift) {
    QScrollBar* bar = wnd.horizontalScrollBar();
    const auto settle = [this] {
        wnd.FlushUpdates();
        QCoreApplication::processEvents();
    };
    wnd.AppendText("short\n", kRed);
    wnd.resize(400, 240);
    settle();
    EXPECT_FALSE(bar->isVisible());                             // nothing is out of sight
    wnd.AppendText(std::string(70, ' ') + "MMMMMMMMMM", kRed);  // its 80th column ends it
    settle();
    ASSERT_TRUE(bar->isVisible());
    const int cw = wnd.View().CharWidth();
    EXPECT_EQ(bar->maximum(), 2 + 80 * cw - wnd.viewport()->width());
    bar->setValue(bar->maximum());
    const int shift = bar->value();
    const int row = wnd.View().PageLines() - 2;
    const QImage image = Grab();
    EXPECT_GT(Count(image, Cells(row, 70, 80).translated(-shift, 0), Mostly(0)), 20);
    EXPECT_EQ(Count(image, Cells(row - 1, 0, 80).translated(-shift, 0), Mostly(0)), 0);  // "short"

    QTest::mouseDClick(wnd.viewport(), Qt::LeftButton, {},
                       Cells(row, 75, 76).translated(-shift, 0).center());
    EXPECT_EQ(wnd.View().SelectedText(), "MMMMMMMMMM");
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(&wnd)->textInterface();
    const int offset = text->characterCount() - 5;  // column 76: 4 columns and "\n" after it
    const QRect cell = text->characterRect(offset);
    EXPECT_EQ(cell.topLeft(),
              wnd.viewport()->mapToGlobal(Cells(row, 76, 77).translated(-shift, 0).topLeft()));
    EXPECT_EQ(text->offsetAtPoint(cell.center()), offset);

    wnd.resize(1000, 240);
    settle();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(wnd.View().ScrollX(), 0);
}

// Full repaints draw rows kept as images from earlier paints. Through every change of what a row
// shows (its text, the code page, the colours, the font, the selection, the find highlight, the
// review line, the sideways scroll and the width) the window must look exactly as when every row
// is painted afresh: the first paint after the change (kept rows reused), the next (kept rows
// made) and the one after (drawn from them).
TEST_F(TextWnd, KeptRowsLookExactlyLikeFreshPaintsThroughEveryChange) {
    const auto sameAsFresh = [this](const char* after) {
        wnd.FlushUpdates();
        QImage kept[3];
        for (QImage& image : kept) {
            image = wnd.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        }
        wnd.SetRowCache(false);
        const QImage fresh = wnd.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        wnd.SetRowCache(true);
        for (const QImage& image : kept) {
            EXPECT_TRUE(image == fresh) << "after " << after;
        }
    };
    for (int i = 0; i < 40; ++i) {
        const std::string text =
            i % 5 == 4 ? "" : "line " + std::to_string(i) + " \xE9t\xE9 MMKK\x01";
        wnd.AppendText(text, i % 3 == 0 ? kRed : kBlue);
        wnd.AppendText(i % 4 == 0 ? " tail KK in green" : "", kGreen);
        wnd.AppendText(i == 30 ? std::string(60, '=') + " the end of a long line\n" : "\n", kGreen);
    }
    wnd.AppendText("partial", kRed);
    sameAsFresh("the first lines");
    wnd.setFocus(Qt::OtherFocusReason);
    wnd.SetSelectionShown(true);
    const int length = static_cast<int>(wnd.ReadText().Text().size());
    wnd.SelectOffsets(length - 300, length - 120);
    sameAsFresh("a selection");
    wnd.SelectOffsets(length - 200, length - 10);
    sameAsFresh("the selection moved");
    wnd.OpenFindBar();
    wnd.FindBar()->Field()->setText(QStringLiteral("KK"));
    wnd.FindBar()->HighlightAllBox()->setChecked(true);
    wnd.setFocus(Qt::OtherFocusReason);
    sameAsFresh("highlight all");
    wnd.FindBar()->Field()->setText(QStringLiteral("tail"));
    sameAsFresh("another pattern");
    wnd.StartReview();
    sameAsFresh("the review line");
    QTest::keyClick(&wnd, Qt::Key_Up);
    sameAsFresh("the review line moved");
    wnd.StopReview();
    wnd.AppendText(" more", kBlue);  // the write line changes in place
    sameAsFresh("an append to a shown line");
    wnd.SetAnsiMode(true);
    sameAsFresh("the code page");
    SetCurrentColourScheme(ColourScheme::kDark);
    wnd.ApplyColours();
    sameAsFresh("the colour scheme");
    SetCurrentColourScheme(ColourScheme::kClassic);
    wnd.ApplyColours();
    sameAsFresh("the classic colours again");
    QFont font = wnd.TextFont();
    font.setBold(false);  // rows of the same height
    wnd.SetTextFont(font, true);
    sameAsFresh("the font");
    wnd.resize(420, 240);
    QCoreApplication::processEvents();
    sameAsFresh("the width");
    wnd.horizontalScrollBar()->setValue(wnd.horizontalScrollBar()->maximum() / 2);
    sameAsFresh("a sideways scroll");
    wnd.ScrollLines(-7);
    sameAsFresh("a scroll back");
    wnd.CloseFindBar();
    sameAsFresh("the find bar closed");
}

}  // namespace
}  // namespace brxw
