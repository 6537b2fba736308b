// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/pactor_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "link/dispatcher.h"
#include "resources/command_ids.h"
#include "resources/command_prompts.h"

namespace brxw {

namespace {

// Before "&Help": File, Window, Connect, Config and Options come first.
constexpr int kMenuPosition = 5;

void ApplyButton(QAction* button, const PactorItemView& view) {
    button->setVisible(view.buttonVisible);
    button->setChecked(view.checked);
    button->setEnabled(view.buttonVisible && view.enabled);
}

void ApplyItem(QAction* item, const PactorItemView& view) {
    if (item != nullptr) {
        item->setChecked(view.checked);
        item->setEnabled(view.enabled);
    }
}

}  // namespace

CPactorMenu::CPactorMenu(QMenuBar& menuBar, Buttons buttons, SendFrame send, QObject* parent)
    : QObject(parent), m_menuBar(menuBar), m_buttons(buttons), m_send(std::move(send)) {
    for (QAction* button : {m_buttons.scan, m_buttons.receive, m_buttons.send}) {
        button->setCheckable(true);
    }
    Apply();
}

QAction* CPactorMenu::Item(int command) const {
    switch (command) {
        case cmd::kPactorScan:
            return m_scanItem;
        case cmd::kPactorReceive:
            return m_receiveItem;
        case cmd::kPactorSend:
            return m_sendItem;
        default:
            return nullptr;
    }
}

void CPactorMenu::CreateMenu() {
    m_menu = new QMenu(tr("&Pactor"), &m_menuBar);
    const auto addItem = [this](const QString& text, int command) {
        QAction* item = m_menu->addAction(text);
        item->setCheckable(true);
        item->setStatusTip(CommandPromptShown(command).section(QLatin1Char('\n'), 0, 0));
        connect(item, &QAction::triggered, this, [this, command] { Press(command); });
        return item;
    };
    m_scanItem = addItem(tr("Scan"), cmd::kPactorScan);
    m_sendItem = addItem(tr("Send"), cmd::kPactorSend);
    m_receiveItem = addItem(tr("Receive"), cmd::kPactorReceive);
    connect(m_menu, &QMenu::aboutToHide, this, &CPactorMenu::menuClosed);
    const QList<QAction*> menus = m_menuBar.actions();
    m_menuBar.insertMenu(menus.size() > kMenuPosition ? menus[kMenuPosition] : nullptr, m_menu);
}

void CPactorMenu::Report(std::string_view text) {
    if (!m_control.Report(text)) {
        return;
    }
    if (m_menu == nullptr) {
        CreateMenu();
    }
    Apply();
}

void CPactorMenu::Remove() {
    m_control.Remove();
    if (m_menu != nullptr) {
        // Deleted later: the removal may come while the menu is open or one of its items is
        // still delivering its trigger.
        m_menuBar.removeAction(m_menu->menuAction());
        m_menu->hide();
        m_menu->deleteLater();
        m_menu = nullptr;
        m_scanItem = m_receiveItem = m_sendItem = nullptr;
    }
    Apply();
}

void CPactorMenu::Press(int command) {
    if (const auto text = m_control.Command(command)) {
        m_send(kind::kPactor, *text);
    }
    // A checkable item or button has just flipped its own mark; the marks follow the server's
    // report, not the press.
    Apply();
}

void CPactorMenu::UpdateButtons() {
    const PactorView view = m_control.View();
    ApplyButton(m_buttons.scan, view.scan);
    ApplyButton(m_buttons.receive, view.receive);
    ApplyButton(m_buttons.send, view.send);
}

void CPactorMenu::Apply() {
    const PactorView view = m_control.View();
    UpdateButtons();
    ApplyItem(m_scanItem, view.scan);
    ApplyItem(m_receiveItem, view.receive);
    ApplyItem(m_sendItem, view.send);
}

}  // namespace brxw
