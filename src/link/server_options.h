// SPDX-License-Identifier: GPL-3.0-or-later
// The server's on/off options as check items of the control panel's Options menu: attached by
// capability 9 (which asks for the list once per session), filled and re-checked by every
// kind-9 option list, and detached when the session ends so that only "Settings" remains.
// Plain logic, no widgets: the panel's option items (panel/server_option_items.h) show Items()
// and send what Attach() and Toggle() return. Owned by those items; user-interface thread only.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brxw {

// Options menu command ids: 35200 + (letter - 'A'), for the 27 letters 'A' to 'Z' and '['.
// Only this range is handled as commands.
inline constexpr int kServerOptionFirstId = 35200;
inline constexpr int kServerOptionLastId = 35226;
// Labels are kept to this many bytes.
inline constexpr std::size_t kServerOptionLabelMax = 79;

struct ServerOptionItem {
    int id = 0;
    char letter = 0;
    std::string label;
    bool checked = false;

    bool operator==(const ServerOptionItem&) const = default;
};

class ServerOptions {
public:
    // Capability 9. Returns the request for the list ("GET", kind 9) the first time in a
    // session; nothing while already attached.
    std::optional<std::string> Attach();
    // A kind-9 list: a title line, then "%c %d %[^\n]" per option. Letters new to the menu
    // become items in their order of arrival; known ones only take the new check mark. Lines
    // that do not scan, have no label or carry a letter outside 'A' to '[' are passed over, so no
    // item ever has an id outside the command range. Ignored while detached.
    void List(std::string_view text);
    // The item's command: "SET %c %d" (kind 9) asking for the opposite of its check mark; the
    // mark itself changes with the server's next list. None for an id without an item.
    std::optional<std::string> Toggle(int id) const;
    // The session ended: every item goes.
    void Detach();

    bool Attached() const { return m_attached; }
    const std::vector<ServerOptionItem>& Items() const { return m_items; }
    static bool IsOptionCommand(int id) {
        return id >= kServerOptionFirstId && id <= kServerOptionLastId;
    }

private:
    bool m_attached = false;
    std::vector<ServerOptionItem> m_items;
};

}  // namespace brxw
