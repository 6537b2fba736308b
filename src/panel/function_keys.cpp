// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/function_keys.h"

#include <QAction>
#include <QKeyEvent>

#include "panel/control_panel.h"
#include "resources/command_ids.h"

namespace brxw {

FunctionKeyFilter::FunctionKeyFilter(CControlPanel& panel, QObject* parent)
    : QObject(parent), m_panel(panel) {}

int FunctionKeyFilter::CommandForKey(int key) {
    switch (key) {
        case Qt::Key_F2:
            return cmd::kConsoleWindow;
        case Qt::Key_F4:
            return cmd::kPendingForward;
        case Qt::Key_F5:
            return cmd::kMonitoringWindow;
        case Qt::Key_F6:
            return cmd::kAllChannelsWindow;
        case Qt::Key_F7:
            return cmd::kOneChannelWindow;
        default:
            return 0;
    }
}

bool FunctionKeyFilter::IsSystemCloseKey(const QKeyEvent& key) {
    // Alt+F4 closes the window it is pressed in (the File menu's Exit names it); every other
    // press of the four keys is a command, whatever modifier is held.
    return key.key() == Qt::Key_F4 && (key.modifiers() & Qt::AltModifier) != 0;
}

bool FunctionKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    // Shortcut overrides are claimed too, so that no widget's own binding of these keys wins.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        // F8 goes on to the next of the program's windows, Shift+F8 back.
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (key->key() == Qt::Key_F8 &&
            (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
            if (event->type() == QEvent::KeyPress) {
                m_panel.CycleWindows(modifiers == Qt::NoModifier);
            }
            event->accept();
            return true;
        }
        const int command = CommandForKey(key->key());
        if (command != 0 && !IsSystemCloseKey(*key)) {
            // Like their menu items, the keys do nothing while their command is disabled (the
            // window toggles before login).
            QAction* action = m_panel.Action(command);
            if (event->type() == QEvent::KeyPress && !key->isAutoRepeat() &&
                (action == nullptr || action->isEnabled())) {
                m_panel.OnCommand(command);
            }
            event->accept();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace brxw
