// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/pactor_control.h"

#include <algorithm>
#include <climits>

#include "resources/command_ids.h"
#include "text/text_scan.h"

namespace brxw {

namespace {

int ClampToInt(long value) {
    return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

}  // namespace

bool PactorControl::Report(std::string_view text) {
    const std::vector<long> numbers = ScanLongs(text, 2);
    if (numbers.size() < 2) {
        return false;
    }
    if (!m_present) {
        m_present = true;
        m_port = ClampToInt(numbers[0]);
    }
    m_state = static_cast<std::uint32_t>(ClampToInt(numbers[1]));
    return true;
}

void PactorControl::Remove() {
    m_present = false;
}

PactorView PactorControl::View() const {
    PactorView view;
    if (!m_present) {
        return view;
    }
    view.menuPresent = true;
    if (m_state & pactor_bit::kLinkMode) {
        const bool sending = (m_state & pactor_bit::kSending) != 0;
        view.scan = {false, false, false};
        view.receive = {!sending, !sending, true};
        view.send = {sending, sending, true};
    } else {
        view.scan = {true, (m_state & pactor_bit::kScanning) != 0, true};
        view.receive = {false, false, false};
        view.send = {false, false, false};
    }
    return view;
}

std::optional<std::string> PactorControl::Command(int command) const {
    if (!m_present) {
        return std::nullopt;
    }
    const PactorView view = View();
    const std::string port = std::to_string(m_port);
    switch (command) {
        case cmd::kPactorScan:
            return "SCAN " + port + (view.scan.checked ? " 0" : " 1");
        case cmd::kPactorReceive:
        case cmd::kPactorSend:
            return (view.receive.checked ? "BRK " : "CHO ") + port;
        default:
            return std::nullopt;
    }
}

}  // namespace brxw
