// SPDX-License-Identifier: GPL-3.0-or-later
// The remote file browser's logic: the directory listing file, the Date column, and the paths
// that Open and Up request. Logic only; any thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brxw::admin {

inline constexpr std::size_t kListingLineBytes = 299;
inline constexpr std::size_t kMaxSizeWordBytes = 79;
inline constexpr std::size_t kMaxRemoteNameBytes = 255;
inline constexpr std::size_t kMaxDateWordBytes = 79;
inline constexpr std::size_t kMaxDatePartBytes = 19;
inline constexpr std::size_t kMaxRemotePathBytes = 255;

struct ListingItem {
    char type = 0;  // 'd' a directory, any other character a file
    std::string size;
    std::string name;
    std::string date;  // the Date column's text
    bool IsDirectory() const { return type == 'd'; }
    bool operator==(const ListingItem&) const = default;
};

// The items of a listing file ("%c %s %s %s": type, size, name, date word), directories
// first (by type character, larger first; file order kept within a type). Lines without a
// name are skipped, and so are lines whose size or name exceed their limits: a cut name would
// open another file.
std::vector<ListingItem> ReadListing(std::string_view file);

// 1 to 12 for jan to dec in any letter case, 13 for anything else.
int MonthNumber(std::string_view month);
// "%02d/%02d    %s" (day, month number, rest) from a "month-day-rest" word; empty when the
// word has not that form or its parts exceed their limits.
std::string DateText(std::string_view word);

// The directory the browser shows and the item last chosen; Open and Up say what to request.
class RemoteBrowser {
public:
    struct Request {
        std::uint8_t kind = 0;  // kind::kDirectory a listing, kind::kFetchedFile a file
        std::string text;
        bool endsDialog = false;
    };
    struct Step {
        bool send = false;  // false: nothing to do, or refused (see refusal)
        Request request;
        std::string refusal;
    };

    const std::string& Current() const { return m_current; }
    const std::string& Display() const { return m_display; }
    const std::string& Name() const { return m_name; }
    char SelectedType() const { return m_type; }

    // The request the dialog sends as it starts: the root's listing.
    static Request Start() { return {1, {}, false}; }
    // The list reports an item changed (became current).
    void ItemChanged(std::string name, char type);
    // No item is chosen any more (Open does nothing until the next item change).
    void ClearChoice() { ItemChanged({}, 0); }
    // A listing arrived and fills the list.
    void ListingShown() { m_display = m_current; }
    // Both leave no item chosen: the name belonged to the directory shown before.
    Step Open();
    Step Up();

private:
    std::string m_current = "/";
    std::string m_display = "/";
    std::string m_name;
    char m_type = 0;
};

}  // namespace brxw::admin
