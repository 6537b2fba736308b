// SPDX-License-Identifier: GPL-3.0-or-later
// CCounterPanel: the Status or the Messages panel of the control panel — a frame whose caption
// is a check box, with three owner-drawn lines (CCounterLine) beneath it.
//
// Each line is a label right-aligned against its value; the label column is as wide as the
// widest label any panel line can carry in the widget's font, so the values of both panels
// start at the same x and no label or value is clipped. Hiding the frame hides its lines but
// leaves the check box, so the operator can subscribe again.
//
// The control panel owns both panels (as children) and decides what they show: SetLines after a
// report, ShowFrame, Clear when a subscription or session ends. User-interface thread only.
#pragma once

#include <QWidget>

#include "panel/counters.h"

class QCheckBox;
class QGroupBox;

namespace brxw {

// One line of a panel: draws the label (the text before the first tab) right-aligned so that it
// ends at LabelRight(), and the value (after the tab) from ValueLeft() on, both in the line's
// colour, over the frame's own background. An empty text draws nothing; a text without a tab
// only the label.
class CCounterLine : public QWidget {
public:
    explicit CCounterLine(QWidget* parent = nullptr);

    void SetLine(const PanelLine& line);
    const PanelLine& Line() const { return m_line; }
    // The label without its colon ("Held msgs") and the value ("3"), as assistive technology
    // reads them; empty while the line shows nothing.
    QString LabelText() const;
    QString ValueText() const;

    // In pixels from the left edge, in the current font.
    int LabelRight() const;
    int ValueLeft() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    PanelLine m_line;
};

class CCounterPanel : public QWidget {
    Q_OBJECT

public:
    // captionKey: counter_text::kStatusCaption or kMessagesCaption, untranslated; the panel
    // shows its translation.
    explicit CCounterPanel(const QString& captionKey, QWidget* parent = nullptr);

    // The three lines from top to bottom; they are repainted at once.
    void SetLines(const PanelLines& lines);
    // Every line empty and black.
    void Clear();
    PanelLines Lines() const;

    // Shows or hides the frame with its lines; the check box stays.
    void ShowFrame(bool shown);
    bool FrameShown() const;

    bool IsChecked() const;
    // Sets the check box without emitting toggled.
    void SetChecked(bool checked);

    QCheckBox* CheckBox() const { return m_check; }
    QGroupBox* Frame() const { return m_frame; }
    CCounterLine* LineWidget(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The operator clicked the check box.
    void toggled(bool checked);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int FrameTop() const;
    // Places the check box over the frame's top edge and the frame below its middle.
    void Relayout();

    QGroupBox* m_frame = nullptr;
    QCheckBox* m_check = nullptr;
    CCounterLine* m_lines[3] = {};
};

}  // namespace brxw
