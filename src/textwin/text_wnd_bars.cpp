// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of CTextWnd that serve the bars under the text: the find bar with its shortcuts and
// the highlight of matches, and the scrolled-back indicator with the count it shows.
#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QShortcut>
#include <functional>
#include <string>
#include <utility>

#include "text/charset.h"
#include "textwin/colour_scheme.h"
#include "textwin/find_bar.h"
#include "textwin/qt_colour.h"
#include "textwin/text_wnd.h"

namespace brxw {

void CTextWnd::ConnectBars() {
    m_findBar->hide();
    m_backBar->hide();
    connect(m_findBar, &CFindBar::FindRequested, this,
            [this](bool forward) { FindAgain(forward); });
    connect(m_findBar, &CFindBar::PatternChanged, this, &CTextWnd::OnPatternChanged);
    connect(m_findBar, &CFindBar::HighlightChanged, this, &CTextWnd::RepaintAll);
    connect(m_findBar, &CFindBar::CloseRequested, this, &CTextWnd::CloseFindBar);
    // The current match stays in sight while the operator works in the bar.
    connect(m_findBar, &CFindBar::FocusEntered, this, [this] { SetSelectionShown(true); });
    connect(m_findBar, &CFindBar::FocusLeftWindow, this, [this] { SetSelectionShown(false); });
    connect(m_backBar, &CScrolledBackBar::Clicked, this, &CTextWnd::ScrollToNewest);
    // Wherever the focus is in the window holding the text (the console's input line too).
    const auto addShortcut = [this](const QKeySequence& keys, const std::function<void()>& run) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, run);
    };
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), [this] { OpenFindBar(); });
    addShortcut(QKeySequence(Qt::Key_F3), [this] { FindAgain(true); });
    addShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { FindAgain(false); });
}

void CTextWnd::ApplyColours() {
    m_findBar->ApplyColours();
    m_backBar->ApplyColours();
    RepaintAll();
}

void CTextWnd::ScrollToNewest() {
    ScrollLines(m_ring.LineCount());
}

void CTextWnd::NoteViewMoved() {
    if (m_view.Following()) {
        m_newLines = 0;
    }
}

void CTextWnd::OpenFindBar() {
    const std::string selected = m_view.SelectedText();
    if (!selected.empty() && selected.find_first_of("\r\n") == std::string::npos) {
        m_findBar->Field()->setText(AnsiToQString(selected));
    }
    if (m_findBar->isHidden()) {
        m_findBar->show();
        LayoutBars();
        if (m_findBar->HighlightAll()) {
            RepaintAll();
        }
    }
    m_findBar->Field()->setFocus(Qt::ShortcutFocusReason);
    m_findBar->Field()->selectAll();
}

void CTextWnd::CloseFindBar() {
    if (m_findBar->isHidden()) {
        return;
    }
    m_findBar->hide();
    m_findBar->ClearOutcome();
    LayoutBars();
    if (m_findBar->HighlightAll()) {
        RepaintAll();
    }
    QWidget* home = m_focusHome != nullptr ? m_focusHome.data() : this;
    home->setFocus(Qt::OtherFocusReason);
}

void CTextWnd::OnPatternChanged() {
    const QString text = m_findBar->Text();
    std::string needle = QStringToAnsi(text);
    // A character the code page lacks would turn into '?' and find question marks.
    if (AnsiToQString(needle) != text) {
        needle.clear();
    }
    m_search.SetPattern(std::move(needle), m_findBar->MatchCase());
    ++m_findEpoch;
    m_findBar->ClearOutcome();
    if (m_findBar->HighlightAll() && !m_findBar->isHidden()) {
        RepaintAll();
    }
}

FindOutcome CTextWnd::FindAgain(bool forward) {
    if (m_findBar->Text().isEmpty()) {
        OpenFindBar();
        return FindOutcome::kNotFound;
    }
    const FindResult found = m_search.Find(m_ring, m_view.SearchOrigin(forward), forward);
    m_findBar->ShowOutcome(found.outcome);
    if (found.outcome == FindOutcome::kNotFound) {
        if (m_findBar->isHidden()) {
            QApplication::beep();
        }
        return found.outcome;
    }
    const Selection before = m_view.CurrentSelection();
    m_view.SelectColumns(found.match.slot, found.match.from, found.match.to);
    m_view.ScrollIntoView(found.match.slot);
    ShowColumns(found.match.from, found.match.to);
    NoteViewMoved();
    MarkSelectionChange(before, m_view.SelectionShown());
    ScheduleFlush();
    return found.outcome;
}

void CTextWnd::LayoutBars() {
    const int findHeight =
        m_findBar->isHidden() ? 0 : m_findBar->heightForWidth(viewport()->width());
    const int backHeight = m_backShown ? m_backBar->sizeHint().height() : 0;
    if (viewportMargins().bottom() != findHeight + backHeight) {
        const int pageLines = m_view.PageLines();
        m_barsChanging = true;
        setViewportMargins(0, 0, 0, findHeight + backHeight);
        m_barsChanging = false;
        // Set here rather than on the viewport's resize event, which a hidden window gets late.
        m_view.SetClientSizeKeepingTop(viewport()->width(), viewport()->height());
        if (m_view.PageLines() != pageLines) {
            RepaintAll();
        }
    }
    const QRect port = viewport()->geometry();
    m_backBar->setGeometry(port.left(), port.bottom() + 1, port.width(), backHeight);
    m_findBar->setGeometry(port.left(), port.bottom() + 1 + backHeight, port.width(), findHeight);
}

void CTextWnd::UpdateScrolledBack() {
    const bool back = !m_view.Following();
    if (back) {
        m_backBar->SetNewLines(m_newLines);
    }
    if (back != m_backShown) {
        m_backShown = back;
        m_backBar->setVisible(back);
        LayoutBars();
    }
}

// Only the rows being painted are searched, so highlighting costs nothing while traffic scrolls
// past rows that are not repainted.
void CTextWnd::PaintMatches(QPainter& painter, const TextLine& line, int y) const {
    // Matches of "Highlight all": dark text on amber reads well whatever colour the traffic
    // has, and the selection (inverted: white on dark blue) still tells the current match apart.
    const ColourPair& colours = CurrentColours().findMatch;
    const int charWidth = m_view.CharWidth();
    painter.setPen(ToQColor(colours.text));
    for (const ColumnRange& cells : m_search.MatchesIn(line)) {
        painter.fillRect(QRect(TextViewState::kLeftMargin + cells.from * charWidth, y,
                               (cells.to - cells.from) * charWidth, m_view.LineHeight()),
                         ToQColor(colours.background));
        PaintCells(painter, line, cells.from, cells.to, y);
    }
}

}  // namespace brxw
