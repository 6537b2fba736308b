// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/traffic_dlg.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>

#include "config/app_config.h"
#include "resources/translate.h"
#include "text/charset.h"
#include "text/text_scan.h"
#include "textwin/text_wnd.h"
#include "textwin/text_wnd_accessible.h"

namespace brxw {
namespace {

// How much of a window's top edge must lie on a screen for the operator to grab its caption.
constexpr int kGripWidth = 40;
constexpr int kGripHeight = 20;

Qt::WindowFlags ToolWindowFlags(bool closeBox) {
    Qt::WindowFlags flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeBox) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    return flags;
}

// p no larger than the desktop, and moved to the primary screen when no screen shows enough of
// its caption to drag it: stored values may come from a larger or a disconnected monitor.
Placement FitToScreens(Placement p) {
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary == nullptr) {
        return p;
    }
    const QRect desktop = primary->virtualGeometry();
    if (desktop.width() >= kMinWindowWidth && desktop.height() >= kMinWindowHeight) {
        p.width = std::min(p.width, desktop.width());
        p.height = std::min(p.height, desktop.height());
    }
    const QRect grip(p.x, p.y, p.width, kGripHeight);
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect shown = screen->geometry().intersected(grip);
        if (!shown.isEmpty() && shown.width() >= kGripWidth) {
            return p;
        }
    }
    const QRect area = primary->availableGeometry();
    p.x = area.left();
    p.y = area.top();
    return p;
}

// The window system has put no frame around the window (yet).
bool IsNoFrame(QSize frame) {
    return frame.width() <= 0 && frame.height() <= 0;
}

QString TrafficTitle(char letter, int channel) {
    switch (letter) {
        case 'a':
            return Tr("brxw::CTrafficDlg", "All channels");
        case 'm':
            return Tr("brxw::CTrafficDlg", "Monitoring");
        default:
            return Tr("brxw::CTrafficDlg", "Channel %1").arg(channel);
    }
}

QEvent::Type TrafficCloseNotice(char letter) {
    switch (letter) {
        case 'm':
            return kMonitoringClosedEvent;
        case 'a':
            return kAllChannelsClosedEvent;
        default:
            return kChannelClosedEvent;
    }
}

}  // namespace

CPlacedDlg::CPlacedDlg(char letter, QEvent::Type closeNotice, QObject* owner, AppConfig* config,
                       bool closeBox, QWidget* parent)
    : QDialog(parent, ToolWindowFlags(closeBox)),
      m_letter(letter),
      m_closeNotice(closeNotice),
      m_owner(owner),
      m_config(config) {}

void CPlacedDlg::SetPlacement(int x, int y, int width, int height) {
    m_placement = FitToScreens(ClampPlacement({x, y, width, height}));
    m_placed = true;
    // The rectangle includes the frame; the frame's extent is known once the window was shown.
    const QSize frame = frameGeometry().size() - geometry().size();
    m_frameUnknown = IsNoFrame(frame) && !isVisible();
    move(m_placement.x, m_placement.y);
    resize(std::max(1, m_placement.width - std::max(0, frame.width())),
           std::max(1, m_placement.height - std::max(0, frame.height())));
    // Written here too: Qt holds back the move and resize events of a hidden window.
    WritePair(PositionKey(m_letter), m_placement.x, m_placement.y);
    WritePair(SizeKey(m_letter), m_placement.width, m_placement.height);
}

void CPlacedDlg::FitFrame() {
    if (!m_frameUnknown || !isVisible()) {
        return;
    }
    const QSize frame = frameGeometry().size() - geometry().size();
    if (IsNoFrame(frame)) {
        return;  // no frame yet, or none at all
    }
    m_frameUnknown = false;
    resize(std::max(1, m_placement.width - frame.width()),
           std::max(1, m_placement.height - frame.height()));
}

void CPlacedDlg::WritePair(const std::string& key, int a, int b) {
    if (m_config != nullptr) {
        m_config->WriteProfileText(key, FormatPair(a, b));
    }
}

void CPlacedDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FitFrame();
}

void CPlacedDlg::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    FitFrame();
    if (Tracking()) {
        const QRect frame = frameGeometry();
        WritePair(PositionKey(m_letter), frame.left(), frame.top());
    }
}

void CPlacedDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FitFrame();
    if (Tracking()) {
        const QRect frame = frameGeometry();
        WritePair(SizeKey(m_letter), frame.width(), frame.height());
    }
}

void CPlacedDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (m_owner != nullptr) {
        QCoreApplication::postEvent(m_owner, new QEvent(m_closeNotice));
    }
}

void CPlacedDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            OnDefaultButton();
            event->accept();
            return;
        case Qt::Key_Escape:
        case Qt::Key_Cancel:
            event->accept();
            return;
        case Qt::Key_Pause:  // Ctrl+Break
            if (event->modifiers() & Qt::ControlModifier) {
                event->accept();
                return;
            }
            break;
        default:
            break;
    }
    QDialog::keyPressEvent(event);
}

CTrafficDlg::CTrafficDlg(char letter, QObject* owner, AppConfig* config, QWidget* parent)
    : CPlacedDlg(letter, TrafficCloseNotice(letter), owner, config, letter != 'a', parent),
      m_view(new CTextWnd(this)) {
    setWindowTitle(TrafficTitle(letter, m_channel));
    resize(kTrafficPlacement.width, kTrafficPlacement.height);
}

void CTrafficDlg::SetTextFont(const QFont& font, bool redraw) {
    m_view->SetTextFont(font, redraw);
}

void CTrafficDlg::SetAnsiMode(bool ansi) {
    m_view->SetAnsiMode(ansi);
}

void CTrafficDlg::AppendText(std::string_view bytes, Colour colour) {
    m_view->AppendText(bytes, colour);
}

void CTrafficDlg::SetTitleText(const std::string& title) {
    setWindowTitle(AnsiToQString(title));
    // The text window is named after its window.
    if (AccessibilityListening()) {
        QAccessibleEvent renamed(m_view, QAccessible::NameChanged);
        NotifyAccessibility(renamed);
    }
}

void CTrafficDlg::resizeEvent(QResizeEvent* event) {
    m_view->setGeometry(0, 0, std::max(0, width()), std::max(0, height()));
    CPlacedDlg::resizeEvent(event);
}

}  // namespace brxw
