// SPDX-License-Identifier: GPL-3.0-or-later
#include "admin/remote_listing.h"

#include <algorithm>
#include <array>

#include "admin/admin_texts.h"
#include "admin/record_exchange.h"
#include "link/dispatcher.h"
#include "resources/strings.h"
#include "text/text_scan.h"

namespace brxw::admin {

std::vector<ListingItem> ReadListing(std::string_view file) {
    std::vector<ListingItem> items;
    for (std::string_view line : ChunkedLines(file, kListingLineBytes)) {
        if (line.empty()) {
            continue;
        }
        std::size_t pos = 1;  // "%c" takes the first character, white space or not
        const std::string_view size = NextWord(line, pos);
        const std::string_view name = NextWord(line, pos);
        const std::string_view date = NextWord(line, pos);
        if (name.empty() || size.size() > kMaxSizeWordBytes || name.size() > kMaxRemoteNameBytes) {
            continue;
        }
        ListingItem item;
        item.type = line.front();
        item.name = std::string(name);
        if (!item.IsDirectory()) {
            item.size = std::string(size);  // directories show no size
        }
        item.date = DateText(date);
        items.push_back(std::move(item));
    }
    std::stable_sort(items.begin(), items.end(), [](const ListingItem& a, const ListingItem& b) {
        return static_cast<unsigned char>(a.type) > static_cast<unsigned char>(b.type);
    });
    return items;
}

int MonthNumber(std::string_view month) {
    static constexpr std::array<std::string_view, 12> kMonths = {
        "jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec"};
    if (month.size() == 3) {
        std::string lower(month);
        for (char& c : lower) {
            c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
        for (std::size_t i = 0; i < kMonths.size(); ++i) {
            if (lower == kMonths[i]) {
                return static_cast<int>(i) + 1;
            }
        }
    }
    return 13;
}

std::string DateText(std::string_view word) {
    // "%[^-]-%d-%s": a month text before the first "-", a day, then the rest after a "-".
    if (word.size() > kMaxDateWordBytes) {
        return {};
    }
    const std::size_t dash = word.find('-');
    if (dash == 0 || dash == std::string_view::npos) {
        return {};
    }
    const std::string_view month = word.substr(0, dash);
    std::size_t pos = dash + 1;
    long day = 0;
    if (!ScanNextLong(word, pos, day) || pos >= word.size() || word[pos] != '-') {
        return {};
    }
    const std::string_view rest = word.substr(pos + 1);
    if (rest.empty() || month.size() > kMaxDatePartBytes || rest.size() > kMaxDatePartBytes ||
        day < -9999 || day > 9999) {
        return {};
    }
    return StrPrintf("%02d/%02d    %s", static_cast<int>(day), MonthNumber(month),
                     std::string(rest).c_str());
}

RemoteBrowser::Request RemoteBrowser::Start() {
    m_current = "/";
    m_asked = m_current;
    m_askedFile = false;
    m_late.reset();
    ClearChoice();
    return {kind::kDirectory, {}, false, m_current};
}

void RemoteBrowser::ItemChanged(std::string name, char type) {
    m_name = std::move(name);
    m_type = type;
}

RemoteBrowser::Step RemoteBrowser::Open() const {
    if (m_type == 0) {
        return {};
    }
    const std::string path = m_current == "/" ? "/" + m_name : m_current + "/" + m_name;
    if (path.size() > kMaxRemotePathBytes) {
        return {false,
                {},
                TrPrintf(text::kContext, text::kPathTooLong, path.c_str(), kMaxRemotePathBytes)};
    }
    if (m_asked) {
        return {};  // one at a time: the next answer would be taken for this one's
    }
    if (m_type == 'd') {
        return {true, {kind::kDirectory, path.substr(1), false, path}, {}};
    }
    return {true, {kind::kFetchedFile, path.substr(1), true, path}, {}};
}

RemoteBrowser::Step RemoteBrowser::Up() const {
    if (m_asked) {
        return {};
    }
    // Everything from the last "/" goes; nothing left is the root.
    const std::size_t slash = m_current.rfind('/');
    const std::string parent =
        slash == std::string::npos || slash == 0 ? std::string(1, '/') : m_current.substr(0, slash);
    return {true, {kind::kDirectory, parent, false, parent}, {}};
}

void RemoteBrowser::Sent(const Request& request) {
    m_asked = request.path;
    m_askedFile = request.kind != kind::kDirectory;
    m_late.reset();
    ClearChoice();  // the name belonged to the directory shown, and a second Open must not
                    // ask for it again
}

bool RemoteBrowser::ListingArrived() {
    const bool asked = m_asked && !m_askedFile;
    if (!asked && !(!m_asked && m_late && !m_lateFile)) {
        return false;
    }
    m_current = asked ? *m_asked : *m_late;
    m_asked.reset();
    m_late.reset();
    ClearChoice();
    return true;
}

bool RemoteBrowser::FileArrived() {
    if (!(m_asked ? m_askedFile : m_late && m_lateFile)) {
        return false;
    }
    m_asked.reset();
    m_late.reset();
    return true;
}

std::optional<std::string> RemoteBrowser::GiveUp(bool mayComeLate) {
    std::optional<std::string> given = std::move(m_asked);
    m_asked.reset();
    m_late = mayComeLate ? given : std::nullopt;
    m_lateFile = m_askedFile;
    return given;
}

}  // namespace brxw::admin
