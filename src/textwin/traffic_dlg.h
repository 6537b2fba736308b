// SPDX-License-Identifier: GPL-3.0-or-later
// The traffic windows: small tool windows of the control panel that show server traffic in a text
// view. CPlacedDlg is what all four share (the console window builds on it too); CTrafficDlg is
// the monitoring ('m'), all-channels ('a') and one-channel ('o') window.
//
// The control panel owns the windows from its construction to its destruction; a window is only
// ever hidden and shown again, so its text survives closing. The panel places a window before
// showing it (SetPlacement with what ReadPlacement gives); the placement itself and every move
// and size change after it are written to "Position_<letter>" and "Size_<letter>" of the current
// remote configuration, so the window opens again where the operator left it. The close box never
// closes a window: it tells the owner (a posted QEvent::User + n), and the owner hides it and
// updates its menus and subscriptions.
//
// User-interface thread only.
#pragma once

#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <string>
#include <string_view>

#include "textwin/placement.h"
#include "textwin/text_ring.h"

class QFont;

namespace brxw {

class AppConfig;
class CTextWnd;

// The notices posted to the owner when the operator closes a window.
inline constexpr QEvent::Type kConsoleClosedEvent = static_cast<QEvent::Type>(QEvent::User + 1);
inline constexpr QEvent::Type kMonitoringClosedEvent = static_cast<QEvent::Type>(QEvent::User + 2);
inline constexpr QEvent::Type kAllChannelsClosedEvent = static_cast<QEvent::Type>(QEvent::User + 3);
inline constexpr QEvent::Type kChannelClosedEvent = static_cast<QEvent::Type>(QEvent::User + 4);

class CPlacedDlg : public QDialog {
    Q_OBJECT

public:
    // Moves and sizes the whole window, frame included, to the rectangle in screen pixels. Sizes
    // are clamped (ClampPlacement, and no larger than the desktop); a window whose caption would
    // lie off every screen is brought to the top left of the primary screen, so the operator can
    // always reach it.
    void SetPlacement(int x, int y, int width, int height);
    // The rectangle last given to SetPlacement, after clamping.
    const Placement& StoredPlacement() const { return m_placement; }
    char Letter() const { return m_letter; }

    // Escape never ends these windows; only the owner hides them.
    void reject() override {}

protected:
    // letter builds the placement keys; closeNotice is posted to owner (may be null) when the
    // operator closes the window; config (may be null) receives the placement keys. Without
    // closeBox the window has no close button and no system menu.
    CPlacedDlg(char letter, QEvent::Type closeNotice, QObject* owner, AppConfig* config,
               bool closeBox, QWidget* parent);

    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Enter with the focus on no control that takes it; nothing unless a window says otherwise.
    virtual void OnDefaultButton() {}

private:
    // Placing the window is its first move and size change and writes both keys, so the size key,
    // without which the position is never read, exists as soon as the window does. After that the
    // keys follow the moves and size changes of the shown window: the events a hidden window
    // gets when it is shown only repeat its placement, with a frame the window system has not yet
    // put around it. The size the constructor gives is no placement and is not written.
    bool Tracking() const { return m_placed && isVisible(); }
    void WritePair(const std::string& key, int a, int b);
    // A window placed before it had a frame got the whole rectangle as its inside; once the frame
    // is known the inside is made smaller by it, as a placement on a framed window would.
    void FitFrame();

    char m_letter;
    QEvent::Type m_closeNotice;
    QPointer<QObject> m_owner;
    AppConfig* m_config;
    Placement m_placement{};
    bool m_placed = false;
    bool m_frameUnknown = false;
};

class CTrafficDlg : public CPlacedDlg {
    Q_OBJECT

public:
    // letter: 'm' monitoring, 'a' all channels, anything else one channel.
    CTrafficDlg(char letter, QObject* owner, AppConfig* config, QWidget* parent = nullptr);

    void SetTextFont(const QFont& font, bool redraw);
    void SetAnsiMode(bool ansi);
    void AppendText(std::string_view bytes, Colour colour);

    // The one-channel window's channel (set by the station list with the title).
    int Channel() const { return m_channel; }
    void SetChannel(int channel) { m_channel = channel; }
    // A title in Windows code page bytes, e.g. "Channel 3 : Q1ABC".
    void SetTitleText(const std::string& title);

    CTextWnd* TextView() const { return m_view; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    CTextWnd* m_view;
    // Before the operator picks a station the window shows channel 1, as its caption always did.
    int m_channel = 1;
};

}  // namespace brxw
