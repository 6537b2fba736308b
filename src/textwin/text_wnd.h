// SPDX-License-Identifier: GPL-3.0-or-later
// CTextWnd: the scrolling, terminal-like text view every traffic window is made of. It shows the
// last 500 lines of 80 columns of its TextRing, newest at the bottom unless the operator has
// scrolled back, and lets the operator select text with the mouse, copy it, select everything and
// print the selection (also from its context menu).
//
// The widget only paints and forwards input: the ring keeps the text, TextViewState keeps the
// bottom line, the selection and the arithmetic. Appends and scrolls are collected and shown on a
// frame clock, at most once per kFrameIntervalMs however fast traffic arrives (FlushUpdates): the
// pixels of rows still on screen are moved once, and only rows whose slots changed are repainted.
// A window that is minimised or not exposed is not flushed at all; it catches up in one full
// repaint when it shows again. A row painted a second time unchanged is kept as an image, so that
// full repaints (exposure, scroll bar drags, selections) draw unchanged rows as copies.
//
// Under the text it can show a find bar (Ctrl+F; F3 and Shift+F3 search again with the bar closed)
// and, while the view is scrolled back, an indicator that counts the lines that came in since. A
// window narrower than its widest stored line (lines have up to 80 columns) scrolls sideways with
// a horizontal scroll bar.
//
// For screen readers (text_wnd_accessible.h) it reads as text, and F9 toggles a review line: a
// line caret, outlined on screen, that Up, Down, Page Up, Page Down, Home and End move through the
// scrollback (Escape or F9 again leaves it; outside review these keys scroll as always). While an
// assistive technology listens, the window tells it what text came and went, at most every
// kTellIntervalMs however fast traffic arrives; while none listens it does nothing of the kind.
//
// Owned by the window that holds it (console and traffic windows), for the whole program run;
// the font belongs to the control panel, the text window keeps a copy. User-interface thread only.
#pragma once

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QRawFont>
#include <QTimer>
#include <bitset>
#include <functional>
#include <memory>
#include <string_view>
#include <utility>

#include "text/code_page.h"
#include "textwin/ring_search.h"
#include "textwin/ring_text.h"
#include "textwin/text_ring.h"
#include "textwin/text_view_state.h"

class QMenu;
class QWindow;

namespace brxw {

class CFindBar;
class CScrolledBackBar;

class CTextWnd : public QAbstractScrollArea, private QAccessible::ActivationObserver {
    Q_OBJECT

public:
    // Commands of the context menu, with the numbers the program gives them everywhere.
    static constexpr int kSelectAllCommand = 32818;
    static constexpr int kPrintSelectionCommand = 32819;
    static constexpr int kCopySelectionCommand = 32820;

    explicit CTextWnd(QWidget* parent = nullptr);
    ~CTextWnd() override;

    // Appends received bytes (Windows code page, or the OEM code page outside ANSI mode) in colour
    // (0x00BBGGRR). Bytes of every value are stored; a null pointer or a length below 1 appends
    // nothing.
    void AppendText(const char* bytes, int length, Colour colour);
    void AppendText(std::string_view bytes, Colour colour);

    // Takes a copy of font for all drawing; with redraw the whole window is repainted.
    void SetTextFont(const QFont& font, bool redraw);
    void SetAnsiMode(bool ansi);
    // The stored text moves from one Windows code page to another (TextRing::Recode).
    void Recode(const std::array<unsigned char, 256>& table);
    void ClearSelection();
    // The highlight shows only while set; the console sets it while its input line has the focus.
    void SetSelectionShown(bool shown);
    void CopySelection();
    void SelectAll();
    // Asks for a printer and prints the selection on it; nothing when the selection is empty.
    void PrintSelection();
    // Moves the view n lines towards newer (n > 0) or older lines.
    void ScrollLines(int n);
    // Back to the newest line: End, or a click on the scrolled-back indicator.
    void ScrollToNewest();
    // Repaints the text and its bars in the current colour scheme (textwin/colour_scheme.h).
    void ApplyColours();
    // Lines completed since the view left the newest line; 0 while it follows the output.
    long long NewLinesBelow() const { return m_newLines; }

    // Opens the find bar with the focus in its field (Ctrl+F); a selection within one line
    // becomes the text to find.
    void OpenFindBar();
    // Closes it and gives the focus to the focus home.
    void CloseFindBar();
    // Selects the next (forward) or previous match of the find bar's text and scrolls it into
    // view (Enter and Shift+Enter in the bar, F3 and Shift+F3 in the window); opens the bar when
    // there is nothing to find yet.
    FindOutcome FindAgain(bool forward);
    // The widget that takes the focus when the find bar closes (the console's input line); this
    // window when none is set.
    void SetFocusHome(QWidget* home) { m_focusHome = home; }
    CFindBar* FindBar() const { return m_findBar; }
    CScrolledBackBar* ScrolledBackBar() const { return m_backBar; }

    // The context menu as it would open now; Copy and Print are enabled only with a selection.
    // With a log switch set it ends, after a separator, in the check item "Log to file".
    std::unique_ptr<QMenu> CreateContextMenu();
    // The window's "Log to file" switch: isOn reads it, set turns it.
    void SetLogSwitch(std::function<bool()> isOn, std::function<void(bool)> set);
    // The observer told of every line the window completes (TextRing::SetLineObserver).
    void SetLineObserver(LineObserver* observer) { m_ring.SetLineObserver(observer); }

    // The shortest time between two flushes: about 60 a second.
    static constexpr int kFrameIntervalMs = 16;
    // The shortest time between two reports of changed text to a listening assistive technology.
    static constexpr int kTellIntervalMs = 250;
    // Toggles the review line while the window has the focus.
    static constexpr int kReviewKey = Qt::Key_F9;

    // What assistive technology asks (text_wnd_accessible.cpp). The text as a screen reader
    // reads it, read again only when the ring changed since.
    const RingText& ReadText() const;
    // The caret: the start of the review line, or without one the end of the text.
    int CaretOffset() const;
    // Puts the review line on the line holding offset (starting review).
    void SetCaretOffset(int offset);
    void StartReview();
    void StopReview();
    // The selection in offsets of ReadText, start first; equal when there is none.
    std::pair<int, int> SelectionOffsets() const;
    void SelectOffsets(int start, int end);
    // A ring position's cell in viewport pixels; empty while its row is not on screen.
    QRect CellRect(int position) const;
    // The offset of the character under a viewport point; -1 where there is none.
    int OffsetAtPoint(const QPoint& point) const;
    // Scrolls the line holding offset into the window.
    void ShowOffset(int offset);

    // Shows what appends, scrolls and selection changes have queued: scroll bar, moved pixels and
    // the repainted rows. Runs by itself after a change, on the frame clock.
    void FlushUpdates();

    const TextRing& Ring() const { return m_ring; }
    const TextViewState& View() const { return m_view; }
    const QFont& TextFont() const { return m_font; }

    // Whether paints may draw rows kept from earlier paints (the default). Off, every row is
    // painted afresh, and what is kept stays as it was; the two must look the same.
    void SetRowCache(bool on) { m_rowCacheOn = on; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // The window holding this one: when it is restored or exposed again after flushes were left
    // out, the view catches up.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void accessibilityActiveChanged(bool active) override;
    // Starts the clock for telling the listener, unless it runs or nobody would hear.
    void ScheduleTell();
    // Tells the listener what text left the top and what came in since it was last told.
    void TellListener();
    // Review keys while the review line is on; false for a key that review leaves alone.
    bool ReviewKey(const QKeyEvent* event);
    // After the review line moved or came or went: repaints its rows, tells of the caret.
    void ReviewChanged(int slotBefore);
    // The scroll bar under the text: its range follows the window's width, the font and the
    // widest stored line.
    void SyncHorizontalBar();
    // Counts the columns of the slots in dirty again; true when the widest line changed.
    bool MeasureLines(const std::bitset<kRingLines>& dirty);
    // Scrolls sideways so that columns from..to of a line are on screen.
    void ShowColumns(int from, int to);
    void UpdateMetrics();
    void OnScrollAction(int action);
    void SyncScrollBar(bool duringAction);
    void ScheduleFlush();
    void RepaintAll();
    // Queues the rows whose highlight differs between before and the current selection.
    void MarkSelectionChange(const Selection& before, bool shownBefore);
    int PositionAt(const QMouseEvent* event) const;
    // Whether the window can be seen: shown, not minimised, and its window exposed.
    bool OnScreen() const;
    // Paints the row showing slot with its top at y, over a background already filled.
    void PaintRow(QPainter& painter, int slot, int y) const;
    void PaintCells(QPainter& painter, const TextLine& line, int from, int to, int y) const;

    // Everything a row's pixels depend on besides its slot: a kept row is drawn only while all of
    // it is the same as when the row was painted.
    struct RowLook {
        const void* colours = nullptr;  // the scheme's table: one fixed table per scheme
        CodePage codePage{};
        std::uint64_t fontEpoch = 0;
        std::uint64_t findEpoch = 0;
        bool findShown = false;
        int width = 0;
        int lineHeight = 0;
        int scrollX = 0;
        int scale = 0;
        bool operator==(const RowLook&) const = default;
    };
    // What one slot looked like when it was last painted, and its image from its second paint on.
    struct KeptRow {
        QImage image;
        std::uint32_t generation = 0;
        ColumnRange selected;
        bool review = false;
        bool seen = false;
    };
    // Draws the row of slot at y from the kept image and returns true, or returns false when the
    // caller must paint it (it is painted into the image here when it was painted unchanged
    // before).
    bool DrawKeptRow(QPainter& painter, int slot, int y);
    // The look for the painter's device; scale 0 when kept rows cannot be used with it.
    RowLook CurrentLook(const QPainter& painter) const;
    // Forgets the kept rows of slots outside the window.
    void DropRowsOffScreen();
    // The glyph of each byte of the ANSI code page in the raw font, rebuilt when either changes.
    void UpdateGlyphTable() const;
    // The find bar's and the indicator's signals and the find shortcuts (text_wnd_bars.cpp).
    void ConnectBars();
    void PaintMatches(QPainter& painter, const TextLine& line, int y) const;
    // Shows or hides the scrolled-back indicator and refreshes its count (on the frame clock).
    void UpdateScrolledBack();
    // Places the bars under the text and gives the text what is left.
    void LayoutBars();
    void OnPatternChanged();
    // After the view moved by the operator's doing: at the newest line the count starts again.
    void NoteViewMoved();

    TextRing m_ring;
    TextViewState m_view;
    QFont m_font;
    QRawFont m_rawFont;
    int m_ascent = 0;
    // The bottom line the pixels on screen were drawn for.
    int m_paintedBottom = 0;
    bool m_flushPending = false;
    QElapsedTimer m_lastFlush;
    bool m_fullRepaint = true;
    // Slots to repaint at the next flush, besides the ring's own dirty slots.
    std::bitset<kRingLines> m_dirty;
    // A flush was left out while the window could not be seen.
    bool m_flushSkipped = false;
    QPointer<QWidget> m_watchedWindow;
    QPointer<QWindow> m_watchedHandle;

    bool m_rowCacheOn = true;
    RowLook m_keptLook;
    std::unique_ptr<KeptRow[]> m_keptRows;  // one per slot, made at the first kept row
    std::uint64_t m_fontEpoch = 0;
    std::uint64_t m_findEpoch = 0;
    // How each byte shows: kBlankCell, kRunCell (m_glyphOf holds its glyph) or kFallbackCell.
    mutable std::array<std::uint8_t, 256> m_cellKind{};
    mutable std::array<quint32, 256> m_glyphOf{};
    mutable CodePage m_glyphPage{};
    mutable std::uint64_t m_glyphEpoch = ~std::uint64_t{0};

    RingSearch m_search;
    CFindBar* m_findBar;
    CScrolledBackBar* m_backBar;
    QPointer<QWidget> m_focusHome;
    bool m_backShown = false;
    // The viewport is being resized for the bars; LayoutBars updates the view itself.
    bool m_barsChanging = false;
    long long m_newLines = 0;
    std::function<bool()> m_logIsOn;
    std::function<void(bool)> m_setLog;

    // The columns of each slot up to its last non-blank cell.
    std::array<std::uint8_t, kRingLines> m_lineColumns{};
    mutable RingText m_readText;
    // The ring's revision m_readText was read at; none at first.
    mutable std::uint64_t m_readRevision = ~std::uint64_t{0};
    // What the listening assistive technology was last told; none while nothing listens.
    std::unique_ptr<RingText> m_told;
    std::uint64_t m_toldRevision = 0;
    QTimer m_tellTimer;
    QElapsedTimer m_lastTold;
};

}  // namespace brxw
