// SPDX-License-Identifier: GPL-3.0-or-later
// The two bars a text window (CTextWnd) shows under its text: the find bar (Ctrl+F) and the
// scrolled-back indicator. Both belong to the text window, which places them, feeds them and acts
// on what they report; they keep no text state of their own.
//
// User-interface thread only.
#pragma once

#include <QLabel>
#include <QWidget>

#include "textwin/ring_search.h"

class QCheckBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace brxw {

// The find bar: the text to find, "Match case", "Next", "Previous", "Highlight all", what the
// last search found, and a close button. Enter finds the next match, Shift+Enter the previous
// one, Escape closes the bar; none of these reaches the window behind it.
class CFindBar : public QWidget {
    Q_OBJECT

public:
    explicit CFindBar(QWidget* parent = nullptr);

    QLineEdit* Field() const { return m_field; }
    QCheckBox* MatchCaseBox() const { return m_matchCase; }
    QCheckBox* HighlightAllBox() const { return m_highlightAll; }
    QLabel* StatusLabel() const { return m_status; }
    QString Text() const;
    bool MatchCase() const;
    bool HighlightAll() const;
    // "Wrapped" or "Not found" after a search; nothing after a plain find or when cleared.
    void ShowOutcome(FindOutcome outcome);
    void ClearOutcome();
    // Takes the bar's colours from the current colour scheme.
    void ApplyColours();
    // One row of controls when the bar is this wide; two when it is narrower (a large font in a
    // narrow window), so that none is cut.
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    bool TwoRows() const { return m_twoRows; }

signals:
    void FindRequested(bool forward);
    // The text or "Match case" changed.
    void PatternChanged();
    void HighlightChanged();
    void CloseRequested();
    // The focus came to one of the bar's controls, or left them for another window.
    void FocusEntered();
    void FocusLeftWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Clicks on the bar's background must not reach the text window behind it.
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int OneRowWidth() const;
    void Arrange(bool twoRows);

    QHBoxLayout* m_firstRow = nullptr;
    QHBoxLayout* m_secondRow = nullptr;
    bool m_twoRows = false;
    QLineEdit* m_field;
    QCheckBox* m_matchCase;
    QPushButton* m_next;
    QPushButton* m_previous;
    QCheckBox* m_highlightAll;
    QLabel* m_status;
    QToolButton* m_close;
};

// The scrolled-back indicator: says that the view is not at the newest line and how many lines
// have come in since it left; a click returns to the newest line.
class CScrolledBackBar : public QLabel {
    Q_OBJECT

public:
    explicit CScrolledBackBar(QWidget* parent = nullptr);

    // Changes the text only when the count differs, so a flood costs one repaint per frame.
    void SetNewLines(long long count);
    long long NewLines() const { return m_count; }
    // Takes the bar's colours from the current colour scheme.
    void ApplyColours();

signals:
    void Clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    long long m_count = -1;
};

}  // namespace brxw
