// SPDX-License-Identifier: GPL-3.0-or-later
// The control panel's Pactor controls: the "&Pactor" menu, inserted before "&Help" by the first
// state report and removed when the Status frame is hidden or the session ends, and the three
// toolbar buttons (the panel's actions) shown, pressed and grayed as PactorControl says.
// Owned by the control panel; user-interface thread only.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <string_view>

#include "link/pactor_control.h"

class QAction;
class QMenu;
class QMenuBar;

namespace brxw {

class CPactorMenu : public QObject {
    Q_OBJECT
public:
    struct Buttons {
        QAction* scan;
        QAction* receive;
        QAction* send;
    };
    using SendFrame = std::function<void(std::uint8_t kind, std::string_view text)>;

    CPactorMenu(QMenuBar& menuBar, Buttons buttons, SendFrame send, QObject* parent = nullptr);

    // A kind-10 state report.
    void Report(std::string_view text);
    // Hides the buttons and takes the menu out of the menu bar.
    void Remove();
    // Scan, Receive or Send from the menu or the toolbar.
    void Press(int command);
    // The toolbar's idle update: the buttons pressed and grayed as the last report says.
    void UpdateButtons();

    // The pop-up while it is in the menu bar, and its items (null while absent).
    QMenu* Menu() const { return m_menu; }
    QAction* Item(int command) const;
    const PactorControl& Control() const { return m_control; }

signals:
    void menuClosed();

private:
    void CreateMenu();
    void Apply();

    QMenuBar& m_menuBar;
    Buttons m_buttons;
    SendFrame m_send;
    PactorControl m_control;
    QMenu* m_menu = nullptr;
    QAction* m_scanItem = nullptr;
    QAction* m_receiveItem = nullptr;
    QAction* m_sendItem = nullptr;
};

}  // namespace brxw
