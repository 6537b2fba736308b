// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/server_option_items.h"

#include <QAction>
#include <QMenu>

#include "link/dispatcher.h"
#include "text/charset.h"

namespace brxw {

namespace {

// The server's label as menu text: an ampersand is shown as itself, never taken as a mnemonic,
// and a tab does not push text into the shortcut column.
QString MenuText(const std::string& label) {
    QString text = AnsiToQString(label);
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return text;
}

}  // namespace

CServerOptionItems::CServerOptionItems(QMenu& optionsMenu, SendFrame send, QObject* parent)
    : QObject(parent), m_menu(optionsMenu), m_send(std::move(send)) {}

QAction* CServerOptionItems::Item(int id) const {
    const auto it = m_items.find(id);
    return it == m_items.end() ? nullptr : it->second;
}

void CServerOptionItems::Attach() {
    if (const auto request = m_options.Attach()) {
        m_send(kind::kServerOptions, *request);
    }
}

void CServerOptionItems::List(std::string_view text) {
    m_options.List(text);
    Sync();
}

void CServerOptionItems::Toggle(int id) {
    if (const auto request = m_options.Toggle(id)) {
        m_send(kind::kServerOptions, *request);
    }
    // The item flipped its own mark when triggered; the mark follows the server's next list.
    Sync();
}

void CServerOptionItems::Detach() {
    m_options.Detach();
    for (const auto& [id, item] : m_items) {
        // Deleted later: the session may end while the item is still delivering its trigger.
        m_menu.removeAction(item);
        item->deleteLater();
    }
    m_items.clear();
}

void CServerOptionItems::Sync() {
    for (const ServerOptionItem& option : m_options.Items()) {
        QAction*& item = m_items[option.id];
        if (item == nullptr) {
            item = new QAction(MenuText(option.label), &m_menu);
            item->setCheckable(true);
            item->setData(QChar::fromLatin1(option.letter));
            connect(item, &QAction::triggered, this, [this, id = option.id] { Toggle(id); });
            m_menu.addAction(item);
        }
        item->setChecked(option.checked);
    }
}

}  // namespace brxw
