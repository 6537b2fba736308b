// SPDX-License-Identifier: GPL-3.0-or-later
// The remote file browser's logic: the directory listing file, the Date column, and the paths
// that Open and Up request. Logic only; any thread.
#pragma once

#include <cstdint>
#include <optional>
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
// The list only ever holds what the server listed, and a path is only ever built from the
// directory whose listing it shows: a request for another directory changes nothing until its
// listing arrives. One request is awaited at a time, a listing or a file: a second file would
// take the place of the first as the path its upload goes back to.
class RemoteBrowser {
public:
    struct Request {
        std::uint8_t kind = 0;  // kind::kDirectory a listing, kind::kFetchedFile a file
        std::string text;
        bool endsDialog = false;  // a file: the dialog ends once it has arrived
        std::string path;         // the remote path asked for, with its leading "/"
    };
    struct Step {
        bool send = false;  // false: nothing to do, or refused (see refusal)
        Request request;
        std::string refusal;
    };

    // The directory whose listing the list shows, "/" at start.
    const std::string& Current() const { return m_current; }
    // What "Directory :" shows: the directory listed.
    const std::string& Display() const { return m_current; }
    // The directory whose listing, or the file, that is awaited, if any.
    const std::optional<std::string>& Asked() const { return m_asked; }
    bool AskedFile() const { return m_asked && m_askedFile; }
    const std::string& Name() const { return m_name; }
    char SelectedType() const { return m_type; }

    // The request the dialog sends as it starts, and again when a new session begins: the
    // root's listing. Nothing listed before is chosen any more.
    Request Start();
    // The list reports an item changed (became current).
    void ItemChanged(std::string name, char type);
    // No item is chosen any more (Open does nothing until the next item change).
    void ClearChoice() { ItemChanged({}, 0); }
    // What Open and Up would ask for; nothing changes until Sent, and nothing is asked while
    // a request is awaited.
    Step Open() const;
    Step Up() const;
    // The request went out: its listing or file is awaited, and no item is chosen any more.
    void Sent(const Request& request);
    // A listing arrived: true when it is the one awaited (or one given up on since, with no
    // request after it), which the list then shows; false for a listing nobody asked for.
    bool ListingArrived();
    // A fetched file arrived: true when a file was awaited (or given up on since).
    bool FileArrived();
    // The awaited listing or file will not come (the link was lost, or no answer came in
    // time): the path it was asked for. `mayComeLate`: one that still arrives before the next
    // request is taken as the answer.
    std::optional<std::string> GiveUp(bool mayComeLate);

private:
    std::string m_current = "/";
    std::optional<std::string> m_asked;
    bool m_askedFile = false;
    std::optional<std::string> m_late;
    bool m_lateFile = false;
    std::string m_name;
    char m_type = 0;
};

}  // namespace brxw::admin
