// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/server_options.h"

#include <algorithm>

#include "text/text_scan.h"

namespace brxw {

namespace {

struct OptionLine {
    char letter = 0;
    bool on = false;
    std::string label;
};

// "%c %d %[^\n]" on one line (the line feed already cut off). A line is C text to the
// server: a NUL byte ends it.
std::optional<OptionLine> ScanOptionLine(std::string_view line) {
    line = line.substr(0, line.find('\0'));
    if (line.empty()) {
        return std::nullopt;
    }
    OptionLine option;
    option.letter = line[0];
    std::size_t pos = 1;
    long value = 0;
    if (!ScanNextLong(line, pos, value)) {
        return std::nullopt;
    }
    while (pos < line.size() && IsCSpace(line[pos])) {
        ++pos;
    }
    std::string_view label = line.substr(pos);
    // A list written with CR LF line ends leaves the CR behind; it is no part of the label.
    if (!label.empty() && label.back() == '\r') {
        label.remove_suffix(1);
    }
    if (label.empty()) {
        return std::nullopt;
    }
    option.on = value != 0;
    option.label = std::string(label.substr(0, kServerOptionLabelMax));
    return option;
}

}  // namespace

std::optional<std::string> ServerOptions::Attach() {
    if (m_attached) {
        return std::nullopt;
    }
    m_attached = true;
    return std::string("GET");
}

void ServerOptions::List(std::string_view text) {
    if (!m_attached) {
        return;
    }
    std::size_t start = text.find('\n');  // the title line is not an option
    while (start != std::string_view::npos) {
        const std::size_t end = text.find('\n', start + 1);
        const std::string_view line = text.substr(
            start + 1, end == std::string_view::npos ? std::string_view::npos : end - start - 1);
        start = end;
        const auto option = ScanOptionLine(line);
        if (!option) {
            continue;
        }
        // Letters run from 'A' to the character after 'Z' ('['), one command id each.
        const int id = kServerOptionFirstId + (static_cast<unsigned char>(option->letter) - 'A');
        if (option->letter < 'A' || !IsOptionCommand(id)) {
            continue;
        }
        auto item = std::find_if(m_items.begin(), m_items.end(),
                                 [id](const ServerOptionItem& i) { return i.id == id; });
        if (item == m_items.end()) {
            m_items.push_back({id, option->letter, option->label, option->on});
        } else {
            item->checked = option->on;
        }
    }
}

std::optional<std::string> ServerOptions::Toggle(int id) const {
    for (const ServerOptionItem& item : m_items) {
        if (item.id == id) {
            return std::string("SET ") + item.letter + (item.checked ? " 0" : " 1");
        }
    }
    return std::nullopt;
}

void ServerOptions::Detach() {
    m_attached = false;
    m_items.clear();
}

}  // namespace brxw
