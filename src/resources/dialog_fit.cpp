// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/dialog_fit.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace brxw {

namespace {

// The smallest body shown: a few lines of a few words, so that something is always readable.
constexpr int kMinimumLines = 4;
constexpr int kMinimumColumns = 24;

QRect AvailableArea(const QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

// The window manager's frame: known once the window has been shown, guessed before (a title bar
// of about two lines of the dialog's font and thin borders).
QSize FrameExtra(const QWidget* window) {
    const QSize known = window->frameGeometry().size() - window->geometry().size();
    if (known.width() > 0 || known.height() > 0) {
        return known;
    }
    const int border = std::max(1, window->style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
    const int title = std::max(window->style()->pixelMetric(QStyle::PM_TitleBarHeight),
                               2 * QFontMetrics(window->font()).height());
    return {2 * border, title + 2 * border};
}

class CFitOnShow : public QObject {
public:
    explicit CFitOnShow(QWidget* window) : QObject(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == parent()) {
            FitNow(static_cast<QWidget*>(watched));
        }
        return false;
    }
};

}  // namespace

CFittingScrollArea::CFittingScrollArea(QWidget* body, QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setFocusPolicy(Qt::NoFocus);
    // Wrapped texts get the height they need at the width given, and the rest scrolls, also
    // for a body without a layout of its own (a tab widget); one without such texts answers -1.
    QSizePolicy policy = body->sizePolicy();
    policy.setHeightForWidth(true);
    body->setSizePolicy(policy);
    setWidget(body);
}

QSize CFittingScrollArea::sizeHint() const {
    const QWidget* body = widget();
    if (body == nullptr) {
        return QScrollArea::sizeHint();
    }
    const QMargins margins = contentsMargins();
    QSize wanted = body->sizeHint().expandedTo(body->minimumSizeHint());
    wanted.setHeight(std::max(wanted.height(), body->heightForWidth(wanted.width())));
    return wanted + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize CFittingScrollArea::minimumSizeHint() const {
    const QFontMetrics metrics(font());
    const QSize least(kMinimumColumns * metrics.averageCharWidth(),
                      kMinimumLines * metrics.height());
    const QSize bars(verticalScrollBar()->sizeHint().width(),
                     horizontalScrollBar()->sizeHint().height());
    const QSize body = widget() != nullptr ? widget()->minimumSizeHint() : least;
    return body.boundedTo(least) + bars;
}

void FitToScreen(QWidget* window) {
    window->installEventFilter(new CFitOnShow(window));
}

void FitNow(QWidget* window) {
    const QRect area = AvailableArea(window);
    if (area.isEmpty()) {
        return;
    }
    if (window->layout() != nullptr) {
        window->layout()->activate();
    }
    const QSize frame = FrameExtra(window);
    const QSize room = (area.size() - frame).expandedTo(window->minimumSize());
    const QSize wanted = window->sizeHint().expandedTo(window->size());
    window->resize(wanted.boundedTo(room).expandedTo(window->minimumSize()));
    // The whole frame inside the area, its top left corner first.
    const QSize outer = window->size() + frame;
    QPoint at = window->pos();
    at.setX(
        std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())));
    at.setY(
        std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
    window->move(at);
}

}  // namespace brxw
