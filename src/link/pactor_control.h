// SPDX-License-Identifier: GPL-3.0-or-later
// The server's Pactor controller as the control panel shows it: a "Pactor" menu and three
// toolbar buttons that follow the kind-10 state reports, and the commands those controls send.
// Plain logic, no widgets: the panel's Pactor menu (panel/pactor_menu.h) shows View() and sends
// what Command() returns. Owned by that menu; user-interface thread only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brxw {

namespace pactor_bit {
inline constexpr std::uint32_t kLinkMode = 1;  // on a link: Receive and Send apply, Scan does not
inline constexpr std::uint32_t kScanning = 2;  // used while kLinkMode is clear
inline constexpr std::uint32_t kSending = 4;   // used while kLinkMode is set; clear: receiving
}  // namespace pactor_bit

// One of the three controls: its toolbar button and its menu item. The button shows pressed
// exactly when the item is checked; the item is grayed when not enabled.
struct PactorItemView {
    bool buttonVisible = false;
    bool checked = false;
    bool enabled = false;

    bool operator==(const PactorItemView&) const = default;
};

struct PactorView {
    bool menuPresent = false;
    PactorItemView scan;
    PactorItemView receive;
    PactorItemView send;

    bool operator==(const PactorView&) const = default;
};

class PactorControl {
public:
    // A kind-10 report, "%d %d": port and state. The first report after the controls were
    // removed (or of a session) creates them and fixes the port; later ports are not compared.
    // A report that does not scan as two numbers changes nothing; false then.
    bool Report(std::string_view text);
    // The Status frame was hidden or the session ended: buttons hidden, menu gone.
    void Remove();

    bool Present() const { return m_present; }
    int Port() const { return m_port; }
    std::uint32_t State() const { return m_state; }
    PactorView View() const;

    // The kind-10 text that the Scan, Receive or Send command sends; none for other commands
    // and while the controls are absent (no port is known then). The marks change only when
    // the server reports its new state.
    std::optional<std::string> Command(int command) const;

private:
    bool m_present = false;
    int m_port = 0;
    std::uint32_t m_state = 0;
};

}  // namespace brxw
