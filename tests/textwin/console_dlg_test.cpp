// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/console_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <functional>
#include <string>
#include <vector>

#include "link/traffic_colour.h"
#include "textwin/find_bar.h"
#include "textwin/input_edit.h"
#include "textwin/text_wnd.h"

namespace brxw {
namespace {

// Stands for the control panel: records the notices the window posts.
class NoticeRecorder : public QObject {
public:
    std::vector<int> notices;

protected:
    bool event(QEvent* event) override {
        if (event->type() >= QEvent::User) {
            notices.push_back(event->type());
            return true;
        }
        return QObject::event(event);
    }
};

class Console : public ::testing::Test {
protected:
    void SetUp() override {
        m_dlg.SetPlacement(10, 10, 590, 395);
        m_dlg.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_dlg));
    }

    CInputEdit* Input() { return m_dlg.InputLine(); }
    CTextWnd* View() { return m_dlg.TextView(); }
    QString InputText() { return Input()->toPlainText(); }
    int Caret() { return Input()->textCursor().position(); }
    void SetInput(const QString& text, int caret) {
        Input()->setPlainText(text);
        QTextCursor cursor = Input()->textCursor();
        cursor.setPosition(caret);
        Input()->setTextCursor(cursor);
    }
    // Types text that QTest::keyClicks cannot (it knows ASCII only), as a keyboard would.
    void Type(const QString& text) {
        for (const QChar ch : text) {
            QTest::sendKeyEvent(QTest::Click, Input(), Qt::Key(ch.toUpper().unicode()), QString(ch),
                                Qt::NoModifier);
        }
    }
    // The newest completed line of the console's text view.
    const TextLine& LastLine() {
        return View()->Ring().Line(WrapSlot(View()->Ring().WriteLine() - 1));
    }
    std::string LastLineText() {
        const std::string_view cells = LastLine().Cells();
        return std::string(cells.substr(0, TrimmedLength(cells)));
    }

    NoticeRecorder m_owner;
    std::vector<std::string> m_sent;
    CConsoleDlg m_dlg{&m_owner, nullptr,
                      [this](std::string_view bytes) { m_sent.emplace_back(bytes); }};
};

TEST_F(Console, TypedLineIsSentEchoedInPurpleAndAFreshLineFollows) {
    QTest::keyClicks(Input(), "abc");
    EXPECT_TRUE(m_sent.empty());  // never key by key
    QTest::keyClick(Input(), Qt::Key_Return);
    EXPECT_EQ(m_sent, std::vector<std::string>{"abc\n"});
    EXPECT_EQ(LastLineText(), "abc");
    EXPECT_EQ(LastLine().startColour, kEchoColour);
    EXPECT_EQ(InputText(), "abc\n");
    EXPECT_EQ(Caret(), 4);

    QTest::keyClick(Input(), Qt::Key_Enter);  // the keypad's, on the empty last line
    EXPECT_EQ(m_sent.back(), "\n");
    EXPECT_EQ(Input()->blockCount(), 2);
}
TEST_F(Console, EnterOnAnEarlierLineSendsItWholeAndMovesOn) {
    SetInput("first\nsecond\nthird", 2);
    QTest::keyClick(Input(), Qt::Key_Return);
    EXPECT_EQ(m_sent, std::vector<std::string>{"first\n"});
    EXPECT_EQ(InputText(), "first\nsecond\nthird");
    EXPECT_EQ(Caret(), 12);  // end of "second"
    QTest::keyClick(Input(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(m_sent.back(), "second\n");
    EXPECT_EQ(InputText(), "first\nsecond\nthird");
}

TEST_F(Console, FullLinesWrapBeforeTheirLastWord) {
    const std::string head(70, 'a');
    QTest::keyClicks(Input(), QString::fromStdString(head + " bbbbbbbb"));
    QTest::keyClick(Input(), Qt::Key_Z);
    EXPECT_EQ(m_sent, std::vector<std::string>{head + "\n"});
    EXPECT_EQ(InputText(), QString::fromStdString(head + "\nbbbbbbbbz"));

    SetInput(QString::fromStdString(head + " bbbbbbbb"), 79);
    QTest::keyClick(Input(), Qt::Key_Backspace);
    EXPECT_EQ(m_sent.back(), head + "\n");
    EXPECT_EQ(InputText(), QString::fromStdString(head + "\nbbbbbbb"));
}
TEST_F(Console, TwentyFirstLineDropsTheFirst) {
    for (int i = 1; i <= 20; ++i) {
        QTest::keyClicks(Input(), QStringLiteral("l%1").arg(i));
        QTest::keyClick(Input(), Qt::Key_Return);
    }
    EXPECT_EQ(Input()->blockCount(), 20);
    EXPECT_EQ(Input()->document()->firstBlock().text(), "l2");
    EXPECT_TRUE(Input()->textCursor().atEnd());
}
TEST_F(Console, CtrlCCopiesTheViewsSelectionAndClearsIt) {
    QApplication::clipboard()->setText("before");
    m_dlg.AppendText("hello\n", TrafficColour(0));
    View()->SelectAll();
    SetInput("typed", 0);
    Input()->selectAll();
    QTest::keyClick(Input(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QApplication::clipboard()->text().contains("hello"));
    EXPECT_FALSE(QApplication::clipboard()->text().contains("typed"));
    EXPECT_TRUE(View()->View().CurrentSelection().Empty());
    EXPECT_EQ(InputText(), "typed");
}

TEST_F(Console, TypingAndClickingInTheInputClearTheViewsSelection) {
    m_dlg.AppendText("hello\n", TrafficColour(0));
    for (const auto& act : std::vector<std::function<void()>>{
             [&] { QTest::keyClick(Input(), Qt::Key_A); },
             [&] { QTest::mouseClick(Input()->viewport(), Qt::LeftButton); }}) {
        View()->SelectAll();
        act();
        EXPECT_TRUE(View()->View().CurrentSelection().Empty());
    }
}
TEST_F(Console, ViewSelectionShowsWhileTheInputHasTheFocus) {
    m_dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_dlg));
    m_dlg.FocusInput();
    EXPECT_TRUE(Input()->hasFocus());
    EXPECT_TRUE(View()->View().SelectionShown());
    Input()->clearFocus();
    EXPECT_FALSE(View()->View().SelectionShown());
}

// Find works from the input line, where the operator's keyboard is, and gives it back: Enter in
// the find bar searches and never sends the input, Escape closes only the bar, and End in an empty
// input takes the view back to the newest line.
TEST_F(Console, FindFromTheInputLineAndBackToIt) {
    for (int i = 0; i < 100; ++i) {
        m_dlg.AppendText("console " + std::to_string(i) + "\n", 0);
    }
    m_dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_dlg));
    m_dlg.FocusInput();
    QTest::keyClicks(Input(), "typed");
    QTest::keyClick(Input(), Qt::Key_F, Qt::ControlModifier);
    CFindBar* bar = View()->FindBar();
    ASSERT_TRUE(bar->Field()->hasFocus());
    QTest::keyClicks(bar->Field(), "console 7");
    QTest::keyClick(bar->Field(), Qt::Key_Return, Qt::ShiftModifier);  // the newest first
    EXPECT_EQ(View()->Ring().SelectionText(View()->View().CurrentSelection()), "console 7");
    EXPECT_EQ(SlotOf(View()->View().CurrentSelection().anchor), 79);
    QTest::keyClick(bar->Field(), Qt::Key_Enter);
    EXPECT_TRUE(m_sent.empty());
    QTest::keyClick(bar->Field(), Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(m_dlg.isVisible());
    EXPECT_TRUE(Input()->hasFocus());
    EXPECT_EQ(InputText(), QStringLiteral("typed"));

    QTest::keyClick(Input(), Qt::Key_F3, Qt::ShiftModifier);  // bar closed: searches all the same
    EXPECT_EQ(SlotOf(View()->View().CurrentSelection().anchor), 79);
    View()->ScrollLines(-50);
    ASSERT_FALSE(View()->View().Following());
    QTest::keyClick(Input(), Qt::Key_End);  // the input has text: End is the input's
    EXPECT_FALSE(View()->View().Following());
    SetInput(QString(), 0);
    QTest::keyClick(Input(), Qt::Key_End);
    EXPECT_TRUE(View()->View().Following());
}

TEST_F(Console, EscapeCtrlBreakAndTheCloseBoxLeaveItOpen) {
    QTest::keyClick(Input(), Qt::Key_Escape);
    QTest::keyClick(View(), Qt::Key_Escape);
    QTest::sendKeyEvent(QTest::Click, &m_dlg, Qt::Key_Pause, QString(), Qt::ControlModifier);
    QTest::sendKeyEvent(QTest::Click, &m_dlg, Qt::Key_Cancel, QString(), Qt::NoModifier);
    EXPECT_TRUE(m_dlg.isVisible());
    EXPECT_TRUE(m_owner.notices.empty());

    m_dlg.close();
    QCoreApplication::sendPostedEvents(&m_owner);
    EXPECT_TRUE(m_dlg.isVisible());  // the owner hides it
    EXPECT_EQ(m_owner.notices, std::vector<int>{QEvent::User + 1});
}

TEST_F(Console, OemModeSendsTheOemByteAndEchoesTheCharacter) {
    m_dlg.SetAnsiMode(false);
    Type(QString::fromUtf8("caf\xC3\xA9"));
    QTest::keyClick(Input(), Qt::Key_Return);
    EXPECT_EQ(m_sent, std::vector<std::string>{"caf\x82\n"});
    EXPECT_EQ(LastLineText(), "caf\xE9");
}
TEST_F(Console, SwitchingTheCharsetKeepsTheTypedText) {
    m_dlg.SetAnsiMode(false);
    Type(QString::fromUtf8("\xC3\xA9t\xC3\xA9"));
    m_dlg.SetAnsiMode(true);
    EXPECT_EQ(InputText(), QString::fromUtf8("\xC3\xA9t\xC3\xA9"));
    QTest::keyClick(Input(), Qt::Key_Return);
    EXPECT_EQ(m_sent.back(), "\xE9t\xE9\n");
    EXPECT_EQ(LastLineText(), "\xE9t\xE9");
}
// AltGr types characters: Windows reports it as Ctrl+Alt, other systems as a shift of its own.
// Such a character goes through the line's rules like any other typed one; Ctrl alone types none.
TEST_F(Console, AltGrCharactersReachTheLineAsTyped) {
    const auto altGr = [this](Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers) {
        QTest::sendKeyEvent(QTest::Click, Input(), key, text, modifiers);
    };
    m_dlg.SetAnsiMode(true);
    m_dlg.AppendText("hello\n", TrafficColour(0));
    View()->SelectAll();
    altGr(Qt::Key_E, QString::fromUtf8("\xE2\x82\xAC"), Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(View()->View().CurrentSelection().Empty());
    altGr(Qt::Key_7, QStringLiteral("{"), Qt::GroupSwitchModifier);
    altGr(Qt::Key_B, QStringLiteral("\x02"), Qt::ControlModifier);
    EXPECT_EQ(InputText(), QString::fromUtf8("\xE2\x82\xAC{"));
    QTest::keyClick(Input(), Qt::Key_Return);
    EXPECT_EQ(m_sent, std::vector<std::string>{"\x80{\n"});

    // At the end of a full line the character sends the line and starts the next one.
    const std::string full(79, 'a');
    SetInput(QString::fromStdString(full), 79);
    altGr(Qt::Key_Q, QStringLiteral("@"), Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(m_sent.back(), full + "\n");
    EXPECT_EQ(InputText(), QString::fromStdString(full + "\n@"));
}
TEST_F(Console, EnterOutsideTheInputSendsTheWholeCaretLineAndEmptiesTheInput) {
    const std::string longLine(150, 'q');
    SetInput(QString::fromStdString("one\n" + longLine + "\nthree"), 6);
    QTest::keyClick(View(), Qt::Key_Return);
    EXPECT_EQ(m_sent, std::vector<std::string>{longLine + "\n"});
    EXPECT_EQ(InputText(), "");
    EXPECT_EQ(View()->Ring().Line(WrapSlot(View()->Ring().WriteLine() - 2)).startColour,
              kEchoColour);
}

TEST_F(Console, PasteKeepsToWhatCanBeSent) {
    QApplication::clipboard()->setText(QString::fromUtf8("a\r\nb\xE2\x82\xAC\xD0\x96"));
    QTest::keyClick(Input(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(InputText(), QString::fromUtf8("a\nb\xE2\x82\xAC?"));  // the euro is in 1252
}

TEST_F(Console, InputIsAlways77PixelsAtTheBottom) {
    for (const int height : {300, 50, 0}) {
        m_dlg.resize(500, height);
        QCoreApplication::processEvents();
        EXPECT_EQ(View()->geometry(), QRect(0, 0, 500, std::max(0, m_dlg.height() - 77)));
        EXPECT_EQ(Input()->geometry(), QRect(0, View()->height(), 500, 77));
    }
}

TEST_F(Console, ALargeTextFontGrowsTheInputToFourLines) {
    m_dlg.resize(500, 400);
    QFont large = m_dlg.font();
    large.setPixelSize(40);
    m_dlg.SetTextFont(large, true);
    QCoreApplication::processEvents();
    const int lines = QFontMetrics(large).lineSpacing() * CConsoleDlg::kInputLines;
    EXPECT_GE(Input()->height(), lines);
    EXPECT_EQ(Input()->geometry().bottom(), m_dlg.height() - 1);
    EXPECT_EQ(View()->height(), m_dlg.height() - Input()->height());
    // Typing shows the caret's line whole: nothing of the text lies under the edge.
    EXPECT_GE(Input()->viewport()->height(), lines);
}
}  // namespace
}  // namespace brxw
