// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/counter_panel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPainter>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "resources/translate.h"
#include "text/charset.h"
#include "textwin/colour_scheme.h"
#include "textwin/qt_colour.h"
#include "textwin/text_wnd_accessible.h"

namespace brxw {
namespace {

// Blank pixels left of the longest label, and between a label's end and its value.
constexpr int kLeftPad = 2;
constexpr int kGap = 3;
// The room a line asks for at least: the widest value scaling gives for a positive figure.
constexpr std::string_view kTypicalValue = "10239 KB";

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

// A label of counter_text::kLabels in the sysop's language.
QString LabelShown(std::string_view label) {
    return Tr("brxw::Counters", std::string(label).c_str());
}

// A label as assistive technology names its line: "Held msgs :" is "Held msgs".
QString LabelName(QString label) {
    return label.remove(QLatin1Char(':')).trimmed();
}

// The figure a value starts with ("10239 KB" gives 10239), or nothing when it starts with none.
QVariant LeadingNumber(const QString& value) {
    const QString number = value.section(QLatin1Char(' '), 0, 0);
    bool ok = false;
    const long long n = number.toLongLong(&ok);
    return ok ? QVariant(n) : QVariant();
}

// A painted line as assistive technology reads it: a read-only text named after its label
// ("Held msgs") whose value is the figure shown ("3"), also as a number where it starts with one.
class CounterLineAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit CounterLineAccessible(CCounterLine* line)
        : QAccessibleWidget(line, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const auto* line = static_cast<const CCounterLine*>(widget());
        switch (t) {
            case QAccessible::Name: {
                const QString label = line->LabelText();
                return label.isEmpty() ? line->accessibleName() : label;
            }
            case QAccessible::Value:
            case QAccessible::Description:
                return line->ValueText();
            default:
                return QAccessibleWidget::text(t);
        }
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override {
        return LeadingNumber(static_cast<const CCounterLine*>(widget())->ValueText());
    }
    void setCurrentValue(const QVariant&) override {}  // shown, never set by the operator
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return {}; }
    QVariant minimumStepSize() const override { return {}; }
};

QAccessibleInterface* CounterLineFactory(const QString& key, QObject* object) {
    if (key == QLatin1String("QWidget")) {
        if (auto* line = dynamic_cast<CCounterLine*>(object)) {
            return new CounterLineAccessible(line);
        }
    }
    return nullptr;
}

}  // namespace

// ---- CCounterLine ----

CCounterLine::CCounterLine(QWidget* parent) : QWidget(parent) {
    // Before the first query for this widget's interface, which is cached from then on; the
    // toolkit ignores a factory installed twice.
    QAccessible::installFactory(CounterLineFactory);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QString CCounterLine::LabelText() const {
    return LabelName(Split(m_line.text).label);
}

QString CCounterLine::ValueText() const {
    return Split(m_line.text).value.trimmed();
}

void CCounterLine::SetLine(const PanelLine& line) {
    if (line == m_line) {
        return;
    }
    const QSize before = minimumSizeHint();
    // A screen reader hears of a changed figure, and only of a changed one (a colour alone is
    // no news to it); nothing is compared while none listens.
    const bool listening = AccessibilityListening();
    const QString label = listening ? LabelText() : QString();
    const QString value = listening ? ValueText() : QString();
    m_line = line;
    if (listening) {
        if (LabelText() != label) {
            QAccessibleEvent named(this, QAccessible::NameChanged);
            NotifyAccessibility(named);
        }
        if (ValueText() != value) {
            QAccessibleValueChangeEvent changed(this, LeadingNumber(ValueText()));
            NotifyAccessibility(changed);
            QAccessibleEvent described(this, QAccessible::DescriptionChanged);
            NotifyAccessibility(described);
        }
    }
    if (minimumSizeHint() != before) {
        updateGeometry();
    }
    update();
}

int CCounterLine::LabelRight() const {
    const QFontMetrics metrics(font());
    int widest = 0;
    for (std::string_view label : counter_text::kLabels) {
        widest = std::max(widest, metrics.horizontalAdvance(LabelShown(label)));
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

CCounterPanel::CCounterPanel(const QString& captionKey, QWidget* parent) : QWidget(parent) {
    const QString caption = Tr("brxw::Counters", captionKey.toLatin1().constData());
    m_frame = new QGroupBox(this);
    auto* layout = new QVBoxLayout(m_frame);
    layout->setSpacing(1);
    // What each line counts, for assistive technology also while it shows nothing.
    const bool status = captionKey == QLatin1String(counter_text::kStatusCaption);
    for (std::size_t i = 0; i < std::size(m_lines); ++i) {
        m_lines[i] = new CCounterLine(m_frame);
        m_lines[i]->setAccessibleName(
            LabelName(LabelShown(counter_text::kLabels[i + (status ? 0 : 3)])));
        layout->addWidget(m_lines[i]);
    }
    m_frame->setAccessibleName(caption);
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
