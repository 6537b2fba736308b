// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/find_bar.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "textwin/colour_scheme.h"
#include "textwin/qt_colour.h"

namespace brxw {

namespace {

constexpr QMargins kMargins(4, 2, 2, 2);
constexpr int kSpacing = 6;

void Paint(QWidget* widget, const ColourPair& colours) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ToQColor(colours.background));
    palette.setColor(QPalette::WindowText, ToQColor(colours.text));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace

CFindBar::CFindBar(QWidget* parent)
    : QWidget(parent),
      m_field(new QLineEdit(this)),
      m_matchCase(new QCheckBox(tr("Match case"), this)),
      m_next(new QPushButton(tr("Next"), this)),
      m_previous(new QPushButton(tr("Previous"), this)),
      m_highlightAll(new QCheckBox(tr("Highlight all"), this)),
      m_status(new QLabel(this)),
      m_close(new QToolButton(this)) {
    setObjectName(QStringLiteral("findBar"));
    setAccessibleName(tr("Find"));
    ApplyColours();
    m_field->setObjectName(QStringLiteral("findText"));
    m_field->setPlaceholderText(tr("Find"));
    m_field->setAccessibleName(tr("Text to find"));
    m_field->setClearButtonEnabled(true);
    m_field->setMinimumWidth(m_field->fontMetrics().averageCharWidth() * 12);
    m_next->setToolTip(tr("Next match (Enter, F3)"));
    m_previous->setToolTip(tr("Previous match (Shift+Enter, Shift+F3)"));
    m_close->setText(QStringLiteral("\u2715"));
    m_close->setAutoRaise(true);
    m_close->setToolTip(tr("Close (Escape)"));
    m_close->setAccessibleName(tr("Close find bar"));
    m_status->setMinimumWidth(m_status->fontMetrics().horizontalAdvance(tr("Not found")));
    // A click on a button leaves the focus in the field, so Enter goes on searching.
    for (QWidget* control : std::initializer_list<QWidget*>{m_matchCase, m_next, m_previous,
                                                            m_highlightAll, m_close}) {
        control->setFocusPolicy(Qt::TabFocus);
    }
    for (QPushButton* button : {m_next, m_previous}) {
        button->setAutoDefault(false);
    }

    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(kMargins);
    rows->setSpacing(kSpacing);
    m_firstRow = new QHBoxLayout;
    m_secondRow = new QHBoxLayout;
    for (QHBoxLayout* row : {m_firstRow, m_secondRow}) {
        row->setSpacing(kSpacing);
        rows->addLayout(row);
    }
    Arrange(false);

    for (QWidget* control : findChildren<QWidget*>()) {
        control->installEventFilter(this);
    }
    connect(m_field, &QLineEdit::textChanged, this, &CFindBar::PatternChanged);
    connect(m_matchCase, &QCheckBox::toggled, this, &CFindBar::PatternChanged);
    connect(m_highlightAll, &QCheckBox::toggled, this, &CFindBar::HighlightChanged);
    connect(m_next, &QPushButton::clicked, this, [this] { emit FindRequested(true); });
    connect(m_previous, &QPushButton::clicked, this, [this] { emit FindRequested(false); });
    connect(m_close, &QToolButton::clicked, this, &CFindBar::CloseRequested);
}

int CFindBar::OneRowWidth() const {
    int width = kMargins.left() + kMargins.right() + 6 * kSpacing + m_field->minimumWidth();
    for (const QWidget* control : std::initializer_list<const QWidget*>{
             m_matchCase, m_next, m_previous, m_highlightAll, m_status, m_close}) {
        width += std::max(control->sizeHint().width(), control->minimumWidth());
    }
    return width;
}

int CFindBar::heightForWidth(int width) const {
    int row = 0;
    for (const QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        row = std::max(row, control->sizeHint().height());
    }
    const int rows = width < OneRowWidth() ? 2 : 1;
    return kMargins.top() + kMargins.bottom() + rows * row + (rows - 1) * kSpacing;
}

void CFindBar::Arrange(bool twoRows) {
    if (twoRows == m_twoRows && m_firstRow->count() > 0) {
        return;
    }
    m_twoRows = twoRows;
    for (QHBoxLayout* row : {m_firstRow, m_secondRow}) {
        while (QLayoutItem* item = row->takeAt(0)) {
            delete item;  // the widgets stay, as children of the bar
        }
    }
    m_firstRow->addWidget(m_field, 1);
    if (twoRows) {
        // The field with its buttons, then the switches and what the last search found.
        m_firstRow->addWidget(m_next);
        m_firstRow->addWidget(m_previous);
        m_firstRow->addWidget(m_close);
        m_secondRow->addWidget(m_matchCase);
        m_secondRow->addWidget(m_highlightAll);
        m_secondRow->addWidget(m_status, 1);
        return;
    }
    // One row: everything in reading order.
    m_firstRow->addWidget(m_matchCase);
    m_firstRow->addWidget(m_next);
    m_firstRow->addWidget(m_previous);
    m_firstRow->addWidget(m_highlightAll);
    m_firstRow->addWidget(m_status);
    m_firstRow->addWidget(m_close);
}

void CFindBar::resizeEvent(QResizeEvent* event) {
    // With a large font in a narrow window the controls take two rows rather than being cut.
    Arrange(width() < OneRowWidth());
    QWidget::resizeEvent(event);
}

QString CFindBar::Text() const {
    return m_field->text();
}

bool CFindBar::MatchCase() const {
    return m_matchCase->isChecked();
}

bool CFindBar::HighlightAll() const {
    return m_highlightAll->isChecked();
}

void CFindBar::ShowOutcome(FindOutcome outcome) {
    switch (outcome) {
        case FindOutcome::kFound:
            m_status->clear();
            break;
        case FindOutcome::kWrapped:
            //: The search passed the newest line and went on from the oldest, or the other way
            //: round (Previous): the same text for both.
            m_status->setText(tr("Wrapped"));
            break;
        case FindOutcome::kNotFound:
            m_status->setText(tr("Not found"));
            break;
    }
}

void CFindBar::ClearOutcome() {
    m_status->clear();
}

bool CFindBar::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            // Before the field sees them: it would pass Enter on to the window's default button.
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                key->key() == Qt::Key_Escape) {
                keyPressEvent(key);
                return true;
            }
            break;
        }
        case QEvent::FocusIn:
            emit FocusEntered();
            break;
        case QEvent::FocusOut: {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            const QWidget* now = QApplication::focusWidget();
            if (reason != Qt::PopupFocusReason && (now == nullptr || now->window() != window())) {
                emit FocusLeftWindow();
            }
            break;
        }
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void CFindBar::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit FindRequested((event->modifiers() & Qt::ShiftModifier) == 0);
            break;
        case Qt::Key_Escape:
            emit CloseRequested();
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

void CFindBar::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void CFindBar::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
}

// Readable on the text area above it and distinct from it.
void CFindBar::ApplyColours() {
    Paint(this, CurrentColours().findBar);
}

void CScrolledBackBar::ApplyColours() {
    Paint(this, CurrentColours().scrolledBackBar);
}

CScrolledBackBar::CScrolledBackBar(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("scrolledBack"));
    // A fixed name: the count changes up to every frame during traffic, and a screen reader would
    // be told of every change of a name taken from the text.
    setAccessibleName(tr("Scrolled back"));
    setAccessibleDescription(tr("End returns to the newest line"));
    ApplyColours();
    setAlignment(Qt::AlignCenter);
    setMargin(2);
    setCursor(Qt::PointingHandCursor);
    setToolTip(tr("Back to the newest line"));
    SetNewLines(0);
}

void CScrolledBackBar::SetNewLines(long long count) {
    if (count == m_count) {
        return;
    }
    m_count = count;
    // The arrow and the dash stay out of the translated words: the ANSI page has no arrow.
    const QString lines = count <= 0   ? tr("Scrolled back")
                          : count == 1 ? tr("1 new line")
                                       : tr("%1 new lines").arg(count);
    setText(QStringLiteral("\u25BC ") + lines + QStringLiteral(" \u2014 ") + tr("End to return"));
}

void CScrolledBackBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit Clicked();
    }
    event->accept();
}

}  // namespace brxw
