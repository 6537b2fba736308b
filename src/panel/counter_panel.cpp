// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/counter_panel.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPainter>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "text/charset.h"
#include "textwin/colour_scheme.h"

namespace brxw {
namespace {

// Blank pixels left of the longest label, and between a label's end and its value.
constexpr int kLeftPad = 2;
constexpr int kGap = 3;
// The room a line asks for at least: the widest value scaling gives for a positive figure.
constexpr std::string_view kTypicalValue = "10239 KB";

QColor ToQColor(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

struct SplitText {
    QString label;
    QString value;
};

SplitText Split(const std::string& text) {
    const std::size_t tab = text.find('\t');
    if (tab == std::string::npos) {
        return {AnsiToQString(text), {}};
    }
    const std::string_view view(text);
    return {AnsiToQString(view.substr(0, tab)), AnsiToQString(view.substr(tab + 1))};
}

}  // namespace

// ---- CCounterLine ----

CCounterLine::CCounterLine(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void CCounterLine::SetLine(const PanelLine& line) {
    if (line == m_line) {
        return;
    }
    const QSize before = minimumSizeHint();
    m_line = line;
    if (minimumSizeHint() != before) {
        updateGeometry();
    }
    update();
}

int CCounterLine::LabelRight() const {
    const QFontMetrics metrics(font());
    int widest = 0;
    for (std::string_view label : counter_text::kLabels) {
        widest = std::max(widest, metrics.horizontalAdvance(AnsiToQString(label)));
    }
    return kLeftPad + widest;
}

int CCounterLine::ValueLeft() const {
    return LabelRight() + kGap;
}

QSize CCounterLine::sizeHint() const {
    const QFontMetrics metrics(font());
    const int value = std::max(metrics.horizontalAdvance(AnsiToQString(kTypicalValue)),
                               metrics.horizontalAdvance(Split(m_line.text).value));
    return QSize(ValueLeft() + value + kLeftPad, metrics.height());
}

QSize CCounterLine::minimumSizeHint() const {
    const QFontMetrics metrics(font());
    return QSize(ValueLeft() + metrics.horizontalAdvance(Split(m_line.text).value) + kLeftPad,
                 metrics.height());
}

void CCounterLine::paintEvent(QPaintEvent*) {
    // The line is not opaque: what lies beneath it (the frame's own background) is its fill.
    QPainter painter(this);
    if (m_line.text.empty()) {
        return;
    }
    const SplitText parts = Split(m_line.text);
    painter.setPen(ToQColor(CurrentColours().Counter(m_line.colour)));
    const int h = height();
    painter.drawText(QRect(0, 0, LabelRight(), h),
                     Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, parts.label);
    if (!parts.value.isEmpty()) {
        painter.drawText(QRect(ValueLeft(), 0, std::max(width() - ValueLeft(), 0), h),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, parts.value);
    }
}

void CCounterLine::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

// ---- CCounterPanel ----

CCounterPanel::CCounterPanel(const QString& caption, QWidget* parent) : QWidget(parent) {
    m_frame = new QGroupBox(this);
    auto* layout = new QVBoxLayout(m_frame);
    layout->setSpacing(1);
    for (CCounterLine*& line : m_lines) {
        line = new CCounterLine(m_frame);
        layout->addWidget(line);
    }
    // The check box lies over the frame's top edge as its caption; it is created last so that
    // it stays on top, and paints its own background across the frame line.
    m_check = new QCheckBox(caption, this);
    m_check->setAutoFillBackground(true);
    connect(m_check, &QCheckBox::clicked, this, &CCounterPanel::toggled);
    Relayout();
}

void CCounterPanel::SetLines(const PanelLines& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        m_lines[i]->SetLine(lines[i]);
    }
}

void CCounterPanel::Clear() {
    SetLines(PanelLines{});
}

PanelLines CCounterPanel::Lines() const {
    return {m_lines[0]->Line(), m_lines[1]->Line(), m_lines[2]->Line()};
}

void CCounterPanel::ShowFrame(bool shown) {
    m_frame->setVisible(shown);
}

bool CCounterPanel::FrameShown() const {
    return !m_frame->isHidden();
}

bool CCounterPanel::IsChecked() const {
    return m_check->isChecked();
}

void CCounterPanel::SetChecked(bool checked) {
    const QSignalBlocker blocker(this);
    m_check->setChecked(checked);
}

CCounterLine* CCounterPanel::LineWidget(int index) const {
    return index >= 0 && index < 3 ? m_lines[index] : nullptr;
}

int CCounterPanel::FrameTop() const {
    return m_check->sizeHint().height() / 2;
}

QSize CCounterPanel::sizeHint() const {
    const QSize check = m_check->sizeHint();
    const QSize frame = m_frame->sizeHint();
    const int indent = QFontMetrics(font()).averageCharWidth();
    return QSize(std::max(frame.width(), check.width() + 2 * indent), FrameTop() + frame.height());
}

QSize CCounterPanel::minimumSizeHint() const {
    const QSize check = m_check->sizeHint();
    const QSize frame = m_frame->minimumSizeHint();
    const int indent = QFontMetrics(font()).averageCharWidth();
    return QSize(std::max(frame.width(), check.width() + 2 * indent), FrameTop() + frame.height());
}

void CCounterPanel::resizeEvent(QResizeEvent*) {
    Relayout();
}

void CCounterPanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        Relayout();
        updateGeometry();
    }
}

void CCounterPanel::Relayout() {
    const QSize check = m_check->sizeHint();
    const int indent = QFontMetrics(font()).averageCharWidth();
    const int top = FrameTop();
    m_check->setGeometry(indent, 0, check.width(), check.height());
    // The lines start below the check box, whatever margin the style gives a frame.
    m_frame->layout()->setContentsMargins(3, check.height() - top + 1, 3, 3);
    m_frame->setGeometry(0, top, width(), std::max(height() - top, 0));
}

}  // namespace brxw
