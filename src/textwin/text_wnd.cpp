// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/text_wnd.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPaintEngine>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>
#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

#include "text/charset.h"
#include "textwin/colour_scheme.h"
#include "textwin/find_bar.h"
#include "textwin/text_print.h"
#include "textwin/text_wnd_accessible.h"
#include "textwin/qt_colour.h"

namespace brxw {

namespace {

constexpr int kLeftMargin = TextViewState::kLeftMargin;
// A window caption is read with room for 79 bytes.
constexpr std::size_t kCaptionLimit = 79;

bool SameCells(const ColumnRange& a, const ColumnRange& b) {
    return (a.Empty() && b.Empty()) || a == b;
}

// Ctrl+A, Ctrl+C and Ctrl+P produce these characters; they must not reach the parent window.
bool IsDiscardedCharacter(const QString& text) {
    if (text.size() != 1) {
        return false;
    }
    const char16_t ch = text.at(0).unicode();
    return ch == 1 || ch == 3 || ch == 16;
}

bool IsCommandShortcut(const QKeyEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        return false;
    }
    const int key = event->key();
    return key == Qt::Key_A || key == Qt::Key_C || key == Qt::Key_P || key == Qt::Key_Insert;
}

}  // namespace

CTextWnd::CTextWnd(QWidget* parent)
    : QAbstractScrollArea(parent),
      m_view(m_ring),
      m_findBar(new CFindBar(this)),
      m_backBar(new CScrolledBackBar(this)) {
    // Before anything below asks the toolkit for this window's interface, which it then keeps.
    InstallTextWndAccessibility();
    setObjectName(QStringLiteral("Display"));
    setAccessibleName(tr("Display"));
    setFocusPolicy(Qt::StrongFocus);
    // The horizontal bar shows while the window is narrower than its widest stored line (its
    // range is then above 0); the keys Left and Right scroll it.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setAccessibleName(tr("Scroll through the lines"));
    horizontalScrollBar()->setAccessibleName(tr("Scroll sideways"));
    // paintEvent fills every pixel it is asked for with the background first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            &CTextWnd::OnScrollAction);
    m_font = font();
    UpdateMetrics();
    SyncScrollBar(false);
    SyncHorizontalBar();
    ConnectBars();

    m_tellTimer.setSingleShot(true);
    connect(&m_tellTimer, &QTimer::timeout, this, &CTextWnd::TellListener);
    QAccessible::installActivationObserver(this);
    if (AccessibilityListening()) {
        accessibilityActiveChanged(true);
    }
}

CTextWnd::~CTextWnd() {
    QAccessible::removeActivationObserver(this);
}

void CTextWnd::AppendText(const char* bytes, int length, Colour colour) {
    if (bytes == nullptr || length <= 0) {
        return;
    }
    AppendText(std::string_view(bytes, static_cast<std::size_t>(length)), colour);
}

void CTextWnd::AppendText(std::string_view bytes, Colour colour) {
    if (bytes.empty()) {
        return;
    }
    const Selection before = m_view.CurrentSelection();
    const AppendResult appended = m_ring.AppendText(bytes, colour);
    const int reviewBefore = m_view.ReviewSlot();
    m_view.AfterAppend(appended);
    if (m_view.ReviewSlot() != reviewBefore) {
        m_dirty.set(static_cast<std::size_t>(m_view.ReviewSlot()));
    }
    if (m_view.Following()) {
        m_newLines = 0;
    } else {
        m_newLines += appended.linesEnded;
    }
    MarkSelectionChange(before, m_view.SelectionShown());
    ScheduleFlush();
}

void CTextWnd::SetTextFont(const QFont& font, bool redraw) {
    m_font = font;
    UpdateMetrics();
    SyncHorizontalBar();
    m_fullRepaint = true;
    if (redraw) {
        ScheduleFlush();
    }
}

void CTextWnd::UpdateMetrics() {
    const QFontMetrics metrics(m_font, viewport());
    const int average = metrics.averageCharWidth();
    const int charWidth = average > 0 ? average : metrics.horizontalAdvance(QLatin1Char('x'));
    m_view.SetMetrics(metrics.height() + std::max(0, metrics.leading()), charWidth);
    m_ascent = metrics.ascent();
    m_rawFont = QRawFont::fromFont(m_font);
    ++m_fontEpoch;
}

void CTextWnd::SetAnsiMode(bool ansi) {
    if (m_ring.SetAnsiMode(ansi)) {
        ScheduleFlush();
    }
}

void CTextWnd::Recode(const std::array<unsigned char, 256>& table) {
    m_ring.Recode(table);
    ScheduleFlush();
}

void CTextWnd::ClearSelection() {
    const Selection before = m_view.CurrentSelection();
    m_view.ClearSelection();
    MarkSelectionChange(before, m_view.SelectionShown());
}

void CTextWnd::SetSelectionShown(bool shown) {
    const bool before = m_view.SelectionShown();
    m_view.SetSelectionShown(shown);
    MarkSelectionChange(m_view.CurrentSelection(), before);
}

void CTextWnd::CopySelection() {
    const std::string text = m_view.CopyText();
    if (text.empty()) {
        return;
    }
    QGuiApplication::clipboard()->setText(AnsiToQString(text));
}

void CTextWnd::SelectAll() {
    m_view.SelectAll();
    RepaintAll();
}

void CTextWnd::PrintSelection() {
    if (m_view.CurrentSelection().Empty()) {
        return;
    }
    const std::vector<PrintLine> lines = m_view.PrintLines();
    std::string caption = QStringToAnsi(window()->windowTitle());
    if (caption.size() > kCaptionLimit) {
        caption.resize(kCaptionLimit);
    }
    PrintLinesWithDialog(this, lines, caption, PaperFont(m_font, logicalDpiY()));
}

void CTextWnd::ScrollLines(int n) {
    const Selection before = m_view.CurrentSelection();
    m_view.ScrollLines(n);
    NoteViewMoved();
    MarkSelectionChange(before, m_view.SelectionShown());
    ScheduleFlush();
}

std::unique_ptr<QMenu> CTextWnd::CreateContextMenu() {
    auto menu = std::make_unique<QMenu>(this);
    const bool hasSelection = !m_view.CurrentSelection().Empty();
    struct Item {
        const char* text;
        const char* prompt;
        int command;
        bool enabled;
        void (CTextWnd::*run)();
    };
    const Item items[] = {
        {QT_TRANSLATE_NOOP("brxw::CTextWnd", "Copy selection\tCtrl+C"),
         QT_TRANSLATE_NOOP("brxw::CTextWnd", "Copies selected text to the clipboard"),
         kCopySelectionCommand, hasSelection, &CTextWnd::CopySelection},
        {QT_TRANSLATE_NOOP("brxw::CTextWnd", "Print selection\tCtrl+P"),
         QT_TRANSLATE_NOOP("brxw::CTextWnd", "Sends the selected text to the default printer"),
         kPrintSelectionCommand, hasSelection, &CTextWnd::PrintSelection},
        {QT_TRANSLATE_NOOP("brxw::CTextWnd", "Select All\tCtrl+A"),
         QT_TRANSLATE_NOOP("brxw::CTextWnd", "Selects the whole buffer"), kSelectAllCommand, true,
         &CTextWnd::SelectAll},
    };
    for (const Item& item : items) {
        QAction* action = menu->addAction(tr(item.text));
        action->setStatusTip(tr(item.prompt));
        action->setData(item.command);
        action->setEnabled(item.enabled);
        connect(action, &QAction::triggered, this, item.run);
    }
    if (m_logIsOn && m_setLog) {
        menu->addSeparator();
        QAction* log = menu->addAction(tr("Log to file"));
        log->setStatusTip(tr("Writes every line of this window to a daily file"));
        log->setCheckable(true);
        log->setChecked(m_logIsOn());
        connect(log, &QAction::triggered, this, [this](bool on) { m_setLog(on); });
    }
    return menu;
}

void CTextWnd::SetLogSwitch(std::function<bool()> isOn, std::function<void(bool)> set) {
    m_logIsOn = std::move(isOn);
    m_setLog = std::move(set);
}

void CTextWnd::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu = CreateContextMenu();
    menu->exec(event->globalPos());
}

void CTextWnd::ScheduleFlush() {
    if (m_flushPending) {
        return;
    }
    m_flushPending = true;
    // However many appends arrive, the window flushes (and so paints) once per frame interval.
    const qint64 since = m_lastFlush.isValid() ? m_lastFlush.elapsed() : kFrameIntervalMs;
    const int wait =
        static_cast<int>(std::clamp<qint64>(kFrameIntervalMs - since, 0, kFrameIntervalMs));
    QTimer::singleShot(wait, Qt::PreciseTimer, this, [this] {
        if (m_flushPending) {
            FlushUpdates();
        }
    });
}

void CTextWnd::RepaintAll() {
    m_fullRepaint = true;
    ScheduleFlush();
}

void CTextWnd::FlushUpdates() {
    m_flushPending = false;
    m_lastFlush.start();
    UpdateScrolledBack();
    SyncScrollBar(false);
    const std::bitset<kRingLines> dirty = m_dirty | m_ring.DirtySlots();
    m_dirty.reset();
    m_ring.ClearDirty();
    if (MeasureLines(dirty)) {
        SyncHorizontalBar();
    }

    const int pageLines = m_view.PageLines();
    const int lineHeight = m_view.LineHeight();
    int moved = WrapSlot(m_view.BottomLine() - m_paintedBottom);
    if (moved > kRingLines / 2) {
        moved -= kRingLines;
    }
    m_paintedBottom = m_view.BottomLine();
    if (m_told && m_toldRevision != m_ring.Revision()) {
        ScheduleTell();
    }
    QWidget* port = viewport();
    if (!OnScreen()) {
        // Nothing to move or paint that anyone sees; when the window shows again the toolkit
        // paints it whole, from the view as it is then.
        m_flushSkipped = true;
        m_fullRepaint = true;
        return;
    }
    m_flushSkipped = false;
    if (m_fullRepaint || std::abs(moved) >= pageLines) {
        m_fullRepaint = false;
        port->update();
        return;
    }
    if (moved != 0) {
        // Rows still on screen keep their pixels; Qt repaints the strip that opens up.
        port->scroll(0, -moved * lineHeight, QRect(0, 0, port->width(), pageLines * lineHeight));
    }
    for (int row = 0; row < pageLines; ++row) {
        if (dirty.test(static_cast<std::size_t>(m_view.SlotOfRow(row)))) {
            port->update(QRect(0, row * lineHeight, port->width(), lineHeight));
        }
    }
}

bool CTextWnd::OnScreen() const {
    if (!isVisible()) {
        return false;
    }
    const QWidget* top = window();
    if (top->isMinimized()) {
        return false;
    }
    const QWindow* handle = top->windowHandle();
    return handle == nullptr || handle->isExposed();
}

void CTextWnd::SyncScrollBar(bool duringAction) {
    const ScrollBarState bar = m_view.ScrollBar();
    QScrollBar* scrollBar = verticalScrollBar();
    // The platform's range runs to the last line; Qt's to the last position of the page.
    scrollBar->setRange(0, std::max(0, bar.maximum - bar.page + 1));
    scrollBar->setPageStep(std::max(1, bar.page));
    scrollBar->setSingleStep(1);
    if (duringAction) {
        // The slider applies this position once the action's handler returns.
        scrollBar->setSliderPosition(bar.position);
    } else {
        // setValue, unlike setSliderPosition, reports no action back to OnScrollAction.
        scrollBar->setValue(bar.position);
    }
}

void CTextWnd::OnScrollAction(int action) {
    QScrollBar* scrollBar = verticalScrollBar();
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            ScrollLines(-1);
            break;
        case QAbstractSlider::SliderSingleStepAdd:
            ScrollLines(1);
            break;
        case QAbstractSlider::SliderPageStepSub:
            ScrollLines(-m_view.PageLines());
            break;
        case QAbstractSlider::SliderPageStepAdd:
            ScrollLines(m_view.PageLines());
            break;
        case QAbstractSlider::SliderToMinimum:
            ScrollLines(-m_ring.LineCount());
            break;
        case QAbstractSlider::SliderToMaximum:
            ScrollLines(m_ring.LineCount());
            break;
        case QAbstractSlider::SliderMove:
            m_view.ScrollToThumb(scrollBar->sliderPosition());
            NoteViewMoved();
            RepaintAll();
            break;
        default:
            break;
    }
    SyncScrollBar(true);
}

void CTextWnd::scrollContentsBy(int dx, int /*dy*/) {
    // The view scrolls itself up and down (FlushUpdates); the vertical scroll bar only reports the
    // operator's actions. Sideways the bar holds the position.
    if (dx != 0) {
        m_view.SetScrollX(horizontalScrollBar()->value());
        RepaintAll();
    }
}

void CTextWnd::SyncHorizontalBar() {
    QScrollBar* bar = horizontalScrollBar();
    const int width = viewport()->width();
    bar->setRange(0, std::max(0, m_view.TextWidth() - width));
    bar->setPageStep(std::max(1, width));
    bar->setSingleStep(m_view.CharWidth());
    if (m_view.ScrollX() != bar->value()) {
        m_view.SetScrollX(bar->value());
        RepaintAll();
    }
}

bool CTextWnd::MeasureLines(const std::bitset<kRingLines>& dirty) {
    if (dirty.none()) {
        return false;
    }
    int widest = 0;
    for (int slot = 0; slot < kRingLines; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        if (dirty.test(index)) {
            m_lineColumns[index] =
                static_cast<std::uint8_t>(TrimmedLength(m_ring.Line(slot).Cells()));
        }
        widest = std::max<int>(widest, m_lineColumns[index]);
    }
    if (widest == m_view.TextColumns()) {
        return false;
    }
    m_view.SetTextColumns(widest);
    return true;
}

void CTextWnd::ShowColumns(int from, int to) {
    const int charWidth = m_view.CharWidth();
    const int left = from * charWidth;
    const int right = kLeftMargin + to * charWidth;
    const int width = viewport()->width();
    int x = m_view.ScrollX();
    if (left < x) {
        x = left;
    } else if (right > x + width) {
        x = std::min(left, right - width);
    }
    horizontalScrollBar()->setValue(x);
}

bool CTextWnd::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        IsCommandShortcut(static_cast<QKeyEvent*>(event))) {
        // Ctrl+A, Ctrl+C, Ctrl+P and Ctrl+Insert belong to this window while it has the focus.
        event->accept();
        return true;
    }
    return QAbstractScrollArea::event(event);
}

void CTextWnd::keyPressEvent(QKeyEvent* event) {
    if (ReviewKey(event)) {
        event->accept();
        return;
    }
    const bool control = (event->modifiers() & Qt::ControlModifier) != 0;
    switch (event->key()) {
        case Qt::Key_Up:
            ScrollLines(-1);
            break;
        case Qt::Key_Down:
            ScrollLines(1);
            break;
        case Qt::Key_PageUp:
            ScrollLines(-m_view.PageLines());
            break;
        case Qt::Key_PageDown:
            ScrollLines(m_view.PageLines());
            break;
        case Qt::Key_Home:
            ScrollLines(-m_ring.LineCount());
            break;
        case Qt::Key_End:
            ScrollLines(m_ring.LineCount());
            break;
        case Qt::Key_Escape:
            // Closes an open find bar; otherwise Escape goes on to the window as before.
            if (m_findBar->isHidden()) {
                QAbstractScrollArea::keyPressEvent(event);
                return;
            }
            CloseFindBar();
            break;
        case Qt::Key_Insert:
        case Qt::Key_C:
            if (!control) {
                QAbstractScrollArea::keyPressEvent(event);
                return;
            }
            CopySelection();
            break;
        case Qt::Key_A:
            if (!control) {
                QAbstractScrollArea::keyPressEvent(event);
                return;
            }
            SelectAll();
            break;
        case Qt::Key_P:
            if (!control) {
                QAbstractScrollArea::keyPressEvent(event);
                return;
            }
            PrintSelection();
            break;
        default:
            if (!IsDiscardedCharacter(event->text())) {
                QAbstractScrollArea::keyPressEvent(event);
                return;
            }
            break;
    }
    event->accept();
}

int CTextWnd::PositionAt(const QMouseEvent* event) const {
    const QPoint point = event->position().toPoint();
    return m_view.PositionFromPoint(point.x(), point.y());
}

void CTextWnd::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const Selection before = m_view.CurrentSelection();
    m_view.PressAt(PositionAt(event), (event->modifiers() & Qt::ShiftModifier) != 0);
    MarkSelectionChange(before, m_view.SelectionShown());
    event->accept();
}

void CTextWnd::mouseMoveEvent(QMouseEvent* event) {
    const Selection before = m_view.CurrentSelection();
    m_view.DragTo(PositionAt(event), (event->buttons() & Qt::LeftButton) != 0);
    MarkSelectionChange(before, m_view.SelectionShown());
    event->accept();
}

void CTextWnd::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_view.Release();
    }
    event->accept();
}

void CTextWnd::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseDoubleClickEvent(event);
        return;
    }
    const Selection before = m_view.CurrentSelection();
    const QPoint point = event->position().toPoint();
    m_view.SelectWordAt(point.x(), point.y(), (event->modifiers() & Qt::ControlModifier) != 0);
    MarkSelectionChange(before, m_view.SelectionShown());
    event->accept();
}

void CTextWnd::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    SetSelectionShown(true);
}

void CTextWnd::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    // The context menu takes the focus while it is open; the operator must still see what Copy
    // and Print would take.
    if (event->reason() != Qt::PopupFocusReason) {
        SetSelectionShown(false);
    }
}

void CTextWnd::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (m_barsChanging) {
        return;
    }
    LayoutBars();
    const int pageLines = m_view.PageLines();
    m_view.SetClientSize(viewport()->width(), viewport()->height());
    SyncHorizontalBar();
    // Qt repaints a resized widget itself; only a change of the rows shown (the scroll bar coming
    // and going changes just the width) needs the whole view redrawn and the bar updated.
    if (m_view.PageLines() != pageLines) {
        RepaintAll();
    }
}

void CTextWnd::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    QWidget* top = window();
    if (m_watchedWindow != top) {
        if (m_watchedWindow != nullptr) {
            m_watchedWindow->removeEventFilter(this);
        }
        m_watchedWindow = top;
        top->installEventFilter(this);
    }
    QWindow* handle = top->windowHandle();
    if (m_watchedHandle != handle) {
        if (m_watchedHandle != nullptr) {
            m_watchedHandle->removeEventFilter(this);
        }
        m_watchedHandle = handle;
        if (handle != nullptr) {
            handle->installEventFilter(this);
        }
    }
    if (m_told && m_toldRevision != m_ring.Revision()) {
        ScheduleTell();
    }
}

bool CTextWnd::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (m_flushSkipped && (type == QEvent::WindowStateChange || type == QEvent::Expose)) {
        RepaintAll();
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

void CTextWnd::hideEvent(QHideEvent* event) {
    QAbstractScrollArea::hideEvent(event);
    // A hidden window keeps no images; they are made again from the ring when it shows.
    m_keptRows.reset();
}

void CTextWnd::MarkSelectionChange(const Selection& before, bool shownBefore) {
    const Selection& after = m_view.CurrentSelection();
    const bool shown = m_view.SelectionShown();
    // Appends move an empty selection along with the text; it shows nothing before or after.
    const bool nothingBefore = !shownBefore || before.Empty();
    const bool nothingAfter = !shown || after.Empty();
    if ((before == after && shownBefore == shown) || (nothingBefore && nothingAfter)) {
        return;
    }
    for (int row = 0; row < m_view.PageLines(); ++row) {
        const int slot = m_view.SlotOfRow(row);
        const ColumnRange was = shownBefore ? m_ring.SelectedColumns(slot, before) : ColumnRange{};
        const ColumnRange now = shown ? m_ring.SelectedColumns(slot, after) : ColumnRange{};
        if (!SameCells(was, now)) {
            m_dirty.set(static_cast<std::size_t>(slot));
        }
    }
    ScheduleFlush();
}

void CTextWnd::paintEvent(QPaintEvent* event) {
    if (m_view.BottomLine() != m_paintedBottom) {
        // Pixels painted now already show the new position, so the queued flush must not move
        // them again.
        RepaintAll();
    }
    if (m_flushSkipped) {
        // Shown again: the bars catch up with what came in meanwhile.
        ScheduleFlush();
    }
    QPainter painter(viewport());
    const QRect area = event->rect();
    const QColor background = ToQColor(CurrentColours().textBackground);
    painter.setFont(m_font);
    const int lineHeight = m_view.LineHeight();
    const int width = viewport()->width();
    const int first = std::max(0, area.top() / lineHeight);
    const int last = std::min(m_view.PageLines() - 1, area.bottom() / lineHeight);
    bool keep = m_rowCacheOn;
    if (keep) {
        const RowLook look = CurrentLook(painter);
        keep = look.scale > 0;
        if (keep && !(look == m_keptLook)) {
            m_keptRows.reset();
            m_keptLook = look;
        }
    }
    for (int row = first; row <= last; ++row) {
        const int slot = m_view.SlotOfRow(row);
        const int y = row * lineHeight;
        if (keep && DrawKeptRow(painter, slot, y)) {
            continue;
        }
        painter.fillRect(QRect(0, y, width, lineHeight) & area, background);
        PaintRow(painter, slot, y);
    }
    // Below the last whole row.
    const int below = std::max(area.top(), (last + 1) * lineHeight);
    if (below <= area.bottom()) {
        painter.fillRect(QRect(area.left(), below, area.width(), area.bottom() - below + 1),
                         background);
    }
    if (keep) {
        DropRowsOffScreen();
    }
}

CTextWnd::RowLook CTextWnd::CurrentLook(const QPainter& painter) const {
    RowLook look;
    look.colours = &CurrentColours();
    look.codePage = AnsiCodePage();
    look.fontEpoch = m_fontEpoch;
    look.findEpoch = m_findEpoch;
    look.findShown = !m_findBar->isHidden() && m_findBar->HighlightAll();
    look.width = viewport()->width();
    look.lineHeight = m_view.LineHeight();
    look.scrollX = m_view.ScrollX();
    // A kept image is copied pixel for pixel only onto whole device pixels at its own scale;
    // anything else (a fractional scale, a rotated or shifted print) paints every row afresh.
    const QPaintDevice* device =
        painter.paintEngine() != nullptr ? painter.paintEngine()->paintDevice() : nullptr;
    const qreal ratio = device != nullptr ? device->devicePixelRatio() : 0.0;
    const int scale = qRound(ratio);
    const QTransform transform = painter.deviceTransform();
    const auto whole = [](qreal value) { return value == std::round(value); };
    if (scale >= 1 && qFuzzyCompare(ratio, qreal(scale)) &&
        transform.type() <= QTransform::TxScale && transform.m11() == scale &&
        transform.m22() == scale && whole(transform.dx()) && whole(transform.dy())) {
        look.scale = scale;
    }
    return look;
}

bool CTextWnd::DrawKeptRow(QPainter& painter, int slot, int y) {
    const TextLine& line = m_ring.Line(slot);
    const bool review = slot == m_view.ReviewSlot();
    ColumnRange selected = m_view.SelectionShown()
                               ? m_ring.SelectedColumns(slot, m_view.CurrentSelection())
                               : ColumnRange{};
    if (selected.Empty()) {
        selected = {};
    }
    if (!review && selected.Empty() && TrimmedLength(line.Cells()) == 0) {
        return false;  // only background: a fill costs less than a copy
    }
    if (!m_keptRows) {
        m_keptRows = std::make_unique<KeptRow[]>(kRingLines);
    }
    KeptRow& kept = m_keptRows[static_cast<std::size_t>(WrapSlot(slot))];
    const std::uint32_t generation = m_ring.Generation(slot);
    if (!kept.seen || kept.generation != generation || kept.selected != selected ||
        kept.review != review) {
        // Painted as it is the first time: most rows of scrolling traffic are never painted
        // again, and an image would only cost them a copy.
        kept.image = QImage();
        kept.generation = generation;
        kept.selected = selected;
        kept.review = review;
        kept.seen = true;
        return false;
    }
    if (kept.image.isNull()) {
        const int scale = m_keptLook.scale;
        const int width = m_keptLook.width;
        const int lineHeight = m_keptLook.lineHeight;
        if (width <= 0 || lineHeight <= 0) {
            return false;
        }
        // Opaque, as the window is, so that text is smoothed the same way in both.
        QImage image(width * scale, lineHeight * scale, QImage::Format_RGB32);
        if (image.isNull()) {
            return false;
        }
        image.setDevicePixelRatio(scale);
        // Fonts given in points come out the same size as in the window.
        image.setDotsPerMeterX(qRound(viewport()->logicalDpiX() / 0.0254));
        image.setDotsPerMeterY(qRound(viewport()->logicalDpiY() / 0.0254));
        image.fill(ToQColor(CurrentColours().textBackground));
        QPainter rowPainter(&image);
        rowPainter.setRenderHints(painter.renderHints());
        rowPainter.setLayoutDirection(painter.layoutDirection());
        rowPainter.setFont(m_font);
        PaintRow(rowPainter, slot, 0);
        rowPainter.end();
        kept.image = std::move(image);
    }
    painter.drawImage(QPoint(0, y), kept.image);
    return true;
}

void CTextWnd::DropRowsOffScreen() {
    if (!m_keptRows) {
        return;
    }
    for (int slot = 0; slot < kRingLines; ++slot) {
        KeptRow& kept = m_keptRows[static_cast<std::size_t>(slot)];
        if (kept.seen && m_view.RowOfSlot(slot) < 0) {
            kept = KeptRow();
        }
    }
}

void CTextWnd::PaintRow(QPainter& painter, int slot, int y) const {
    const TextLine& line = m_ring.Line(slot);
    const int lineHeight = m_view.LineHeight();
    const int charWidth = m_view.CharWidth();
    const QRect rowRect(kLeftMargin, y, std::max(0, viewport()->width() - kLeftMargin), lineHeight);
    painter.setClipRect(rowRect);
    // The clip stays where it is set; the text moves left by what is scrolled out.
    painter.translate(-m_view.ScrollX(), 0);

    const SchemeColours& colours = CurrentColours();
    const int change = std::clamp(static_cast<int>(line.changeColumn), 0, kLineColumns);
    painter.setPen(ToQColor(colours.Traffic(line.startColour)));
    if (change > 0) {
        PaintCells(painter, line, 0, change, y);
        painter.setPen(ToQColor(colours.Traffic(line.secondColour)));
        PaintCells(painter, line, change, kLineColumns, y);
    } else {
        PaintCells(painter, line, 0, kLineColumns, y);
    }
    if (!m_findBar->isHidden() && m_findBar->HighlightAll()) {
        PaintMatches(painter, line, y);
    }

    if (m_view.SelectionShown()) {
        const ColumnRange cells = m_ring.SelectedColumns(slot, m_view.CurrentSelection());
        const QRect rect(kLeftMargin + cells.from * charWidth, y,
                         (cells.to - cells.from) * charWidth, lineHeight);
        if (!cells.Empty() && colours.invertSelection) {
            // White in difference mode inverts, so the highlight shows the text's own colours
            // inverted.
            painter.setCompositionMode(QPainter::CompositionMode_Difference);
            painter.fillRect(rect, Qt::white);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        } else if (!cells.Empty()) {
            // Inverted colours are not all readable: the scheme's own pair instead.
            painter.fillRect(rect, ToQColor(colours.selection.background));
            painter.setPen(ToQColor(colours.selection.text));
            PaintCells(painter, line, cells.from, cells.to, y);
        }
    }
    painter.resetTransform();
    if (slot == m_view.ReviewSlot()) {
        // The review line's outline inverts what is under it, so it shows on any colours; its
        // sides are the left margin and the right edge, clear of the first column's glyphs.
        painter.setClipRect(QRect(0, y, viewport()->width(), lineHeight));
        painter.setCompositionMode(QPainter::CompositionMode_Difference);
        const int width = viewport()->width();
        painter.fillRect(QRect(0, y, width, 1), Qt::white);
        painter.fillRect(QRect(0, y + lineHeight - 1, width, 1), Qt::white);
        painter.fillRect(QRect(0, y + 1, kLeftMargin, lineHeight - 2), Qt::white);
        painter.fillRect(QRect(width - kLeftMargin, y + 1, kLeftMargin, lineHeight - 2), Qt::white);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    painter.setClipping(false);
}

// How a byte of the ANSI code page shows (m_cellKind).
enum : std::uint8_t { kBlankCell, kRunCell, kFallbackCell };

void CTextWnd::UpdateGlyphTable() const {
    const CodePage page = AnsiCodePage();
    if (m_glyphEpoch == m_fontEpoch && m_glyphPage == page) {
        return;
    }
    m_glyphEpoch = m_fontEpoch;
    m_glyphPage = page;
    QString chars;
    for (int byte = 0; byte < 256; ++byte) {
        chars.append(QChar(AnsiToUnicode(static_cast<unsigned char>(byte))));
    }
    const QList<quint32> glyphs =
        m_rawFont.isValid() ? m_rawFont.glyphIndexesForString(chars) : QList<quint32>();
    for (int byte = 0; byte < 256; ++byte) {
        const QChar ch = chars.at(byte);
        const auto index = static_cast<std::size_t>(byte);
        m_glyphOf[index] = 0;
        if (ch == QLatin1Char(' ') || !ch.isPrint()) {
            m_cellKind[index] = kBlankCell;
        } else if (glyphs.size() == chars.size() && glyphs[byte] != 0) {
            m_cellKind[index] = kRunCell;
            m_glyphOf[index] = glyphs[byte];
        } else {
            m_cellKind[index] = kFallbackCell;
        }
    }
}

// Every glyph sits at the left edge of its own column, so the highlight (which works in columns)
// covers exactly the glyphs it selects, whatever the font's real advances are. Control bytes keep
// their cell and show as blanks.
void CTextWnd::PaintCells(QPainter& painter, const TextLine& line, int from, int to, int y) const {
    UpdateGlyphTable();
    const int charWidth = m_view.CharWidth();
    const int baseline = y + m_ascent;
    std::array<quint32, kLineColumns> runGlyphs;
    std::array<QPointF, kLineColumns> runPositions;
    int count = 0;
    for (int column = std::max(0, from); column < std::min(to, kLineColumns); ++column) {
        const unsigned char byte = line.Cell(column);
        const int x = column * charWidth;
        switch (m_cellKind[byte]) {
            case kRunCell:
                runGlyphs[static_cast<std::size_t>(count)] = m_glyphOf[byte];
                runPositions[static_cast<std::size_t>(count)] = QPointF(x, 0);
                ++count;
                break;
            case kFallbackCell:
                // Not in the font itself: let the font fall back to another face for this one.
                painter.drawText(QPoint(kLeftMargin + x, baseline),
                                 QString(QChar(AnsiToUnicode(byte))));
                break;
            default:
                break;
        }
    }
    if (count > 0) {
        QGlyphRun run;
        run.setRawFont(m_rawFont);
        run.setRawData(runGlyphs.data(), runPositions.data(), count);
        painter.drawGlyphRun(QPointF(kLeftMargin, baseline), run);
    }
}

}  // namespace brxw
