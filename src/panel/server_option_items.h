// SPDX-License-Identifier: GPL-3.0-or-later
// The server's option items in the control panel's Options menu, after "Settings": one check
// item per option letter, marked as the server's latest list says; triggering one asks the
// server to switch the option. Owned by the control panel; user-interface thread only.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <map>
#include <string_view>

#include "link/server_options.h"

class QAction;
class QMenu;

namespace brxw {

class CServerOptionItems : public QObject {
    Q_OBJECT
public:
    using SendFrame = std::function<void(std::uint8_t kind, std::string_view text)>;

    CServerOptionItems(QMenu& optionsMenu, SendFrame send, QObject* parent = nullptr);

    // Capability 9: asks for the list, once per session.
    void Attach();
    // A kind-9 option list.
    void List(std::string_view text);
    // An option item was triggered (ids 35200 to 35226).
    void Toggle(int id);
    // The session ended: the items go, "Settings" stays.
    void Detach();

    // The item of an option command, null when there is none.
    QAction* Item(int id) const;
    // The Options menu the items are added to.
    QMenu& Menu() const { return m_menu; }
    const ServerOptions& Options() const { return m_options; }

private:
    void Sync();

    QMenu& m_menu;
    SendFrame m_send;
    ServerOptions m_options;
    std::map<int, QAction*> m_items;
};

}  // namespace brxw
