// SPDX-License-Identifier: GPL-3.0-or-later
// F2, F4, F5, F6 and F7 work in every window of the program: this application-wide filter turns
// them into the control panel's commands before any window sees them, with or without Shift,
// Ctrl or Alt held (Alt+F4 excepted: it closes the window). F8 and Shift+F8 move the keyboard
// through the program's open windows, the panel among them.
#pragma once

#include <QObject>

class QKeyEvent;

namespace brxw {

class CControlPanel;

class FunctionKeyFilter : public QObject {
    Q_OBJECT
public:
    explicit FunctionKeyFilter(CControlPanel& panel, QObject* parent = nullptr);
    // The command a key stands for, or 0.
    static int CommandForKey(int key);
    // Alt+F4, which is left to the window system.
    static bool IsSystemCloseKey(const QKeyEvent& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CControlPanel& m_panel;
};

}  // namespace brxw
