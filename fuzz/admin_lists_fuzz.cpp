// SPDX-License-Identifier: GPL-3.0-or-later
// The pending-forward list and the remote directory listing (files the dispatch received), the
// Date column, and the remote browser's Open and Up over the listed names.
//
// Input: a selector byte, then the file, or browser operations.
// Properties: one forward entry per line read, each at most 79 bytes and coloured by the status
// its counts give; listing items have a name within 255 bytes and a size within 79, directories
// first and file order kept within a type; a Date column is "dd/mm    rest" or empty; the
// browser's directory always starts with "/" and stays within 255 bytes, Open requests it
// without its "/", Up never climbs above the root.
#include <algorithm>
#include <cstdio>
#include <optional>

#include "admin/forward_list.h"
#include "admin/record_exchange.h"
#include "admin/remote_listing.h"
#include "checks.h"
#include "fuzz_support.h"

namespace brxw {
namespace {

using namespace admin;

void CheckForward(std::string_view file) {
    const std::vector<std::string> entries = ReadForwardList(file);
    FUZZ_CHECK(entries.size() == ChunkedLines(file, kKeyLineBytes).size(),
               "not one forward entry per line");
    for (const std::string& entry : entries) {
        FUZZ_CHECK(entry.size() <= kMaxForwardEntryBytes, "forward entry over 79 bytes");
        FUZZ_CHECK(entry.size() >= 3 && entry[0] >= '0' && entry[0] <= '2' && entry[1] == ' ',
                   "forward entry without its status: " + fuzz::Show(entry));
        const std::uint32_t colour = ForwardColour(entry);
        FUZZ_CHECK(colour == (entry[0] == '1'   ? kForwardBlue
                              : entry[0] == '2' ? kForwardRed
                                                : kForwardBlack),
                   "forward colour");
        if (entry != "0 .") {
            // "%d %s\t%d/%d - %dK": the status is the one its counts give.
            const std::size_t tab = entry.rfind('\t');
            FUZZ_CHECK(tab != std::string::npos, "forward entry without its counts");
            const std::vector<long> counts =
                fuzz::ReferenceScan(std::string_view(entry).substr(tab + 1), 1);
            const std::size_t slash = entry.find('/', tab);
            const std::vector<long> second =
                fuzz::ReferenceScan(std::string_view(entry).substr(slash + 1), 1);
            FUZZ_CHECK(counts.size() == 1 && second.size() == 1 &&
                           ForwardStatus(static_cast<int>(counts[0]),
                                         static_cast<int>(second[0])) == entry[0] - '0',
                       "forward status differs from its counts: " + fuzz::Show(entry));
        }
    }
    FUZZ_CHECK(ForwardRequest(true, 3) == "START 3" && ForwardRequest(false, 0) == "STOP 0",
               "forward requests");
}

void CheckListing(std::string_view file) {
    const std::vector<ListingItem> items = ReadListing(file);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ListingItem& item = items[i];
        FUZZ_CHECK(!item.name.empty() && item.name.size() <= kMaxRemoteNameBytes &&
                       item.size.size() <= kMaxSizeWordBytes,
                   "listing item beyond its limits");
        FUZZ_CHECK(!item.IsDirectory() || item.size.empty(), "a directory with a size");
        FUZZ_CHECK(
            item.name.find_first_of(std::string_view(" \t\n\v\f\r\0", 7)) == std::string::npos,
            "a name of more than one word");
        if (i > 0) {
            FUZZ_CHECK(static_cast<unsigned char>(items[i - 1].type) >=
                           static_cast<unsigned char>(item.type),
                       "listing not sorted by type");
        }
        FUZZ_CHECK(item.date.empty() || item.date.find("/") != std::string::npos,
                   "date column: " + fuzz::Show(item.date));
    }
}

void CheckDate(std::string_view word) {
    const std::string text = DateText(word);
    const int month = MonthNumber(word.substr(0, word.find('-')));
    FUZZ_CHECK(month >= 1 && month <= 13, "month number");
    if (text.empty()) {
        return;
    }
    char two[3] = {};
    std::snprintf(two, sizeof two, "%02d", month);
    const std::size_t slash = text.find('/');
    FUZZ_CHECK(slash != std::string::npos && text.substr(slash + 1, 2) == two &&
                   text.substr(slash + 3, 4) == "    ",
               "date column: " + fuzz::Show(text));
}

void Browse(fuzz::ByteReader& in) {
    RemoteBrowser browser;
    while (!in.Empty()) {
        const std::string before = browser.Current();
        const std::optional<std::string> asked = browser.Asked();
        switch (in.Byte() % 5) {
            case 0: {
                const char type = static_cast<char>(in.Byte());
                browser.ItemChanged(std::string(in.Piece()), type);
                break;
            }
            case 1: {
                const RemoteBrowser::Step step = browser.Open();
                FUZZ_CHECK(browser.Current() == before, "Open moved before its listing");
                if (step.send) {
                    FUZZ_CHECK(step.refusal.empty(), "a step sent and refused");
                    FUZZ_CHECK(step.request.path.rfind(before == "/" ? "/" : before + "/", 0) == 0,
                               "Open outside the directory listed");
                    if (step.request.kind == 1) {
                        FUZZ_CHECK(!asked && !step.request.endsDialog &&
                                       step.request.text == step.request.path.substr(1),
                                   "Open on a directory");
                    } else {
                        FUZZ_CHECK(step.request.kind == 2 && step.request.endsDialog,
                                   "Open on a file");
                    }
                    browser.Sent(step.request);
                }
                break;
            }
            case 2: {
                const RemoteBrowser::Step step = browser.Up();
                FUZZ_CHECK(step.send == !asked, "Up while a listing is awaited");
                if (step.send) {
                    FUZZ_CHECK(
                        step.request.kind == 1 && step.request.text == step.request.path &&
                            (step.request.path.size() < before.size() || step.request.path == "/"),
                        "Up did not climb");
                    browser.Sent(step.request);
                    FUZZ_CHECK(browser.Asked() == step.request.path, "Up not awaited");
                }
                break;
            }
            case 3: {
                const bool file = browser.AskedFile();
                const bool shown = browser.ListingArrived();
                FUZZ_CHECK(!asked || (file ? !shown : shown && browser.Current() == *asked),
                           "the listing awaited not shown, or shown for a file");
                FUZZ_CHECK((file ? browser.Asked() == asked : !browser.Asked()) &&
                               browser.Display() == browser.Current(),
                           "display differs");
                break;
            }
            default: {
                const std::uint8_t how = in.Byte();
                if ((how & 2) != 0) {
                    const bool file = browser.AskedFile();
                    FUZZ_CHECK(!asked || browser.FileArrived() == file, "file arrival");
                    FUZZ_CHECK(browser.Current() == before, "a file moved the directory");
                } else {
                    FUZZ_CHECK(browser.GiveUp((how & 1) != 0) == asked && !browser.Asked(),
                               "given up");
                }
                break;
            }
        }
        FUZZ_CHECK(!browser.Current().empty() && browser.Current().front() == '/' &&
                       browser.Current().size() <= kMaxRemotePathBytes,
                   "current directory: " + fuzz::Show(browser.Current()));
    }
}

}  // namespace
}  // namespace brxw

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brxw;
    fuzz::ByteReader in(data, size);
    const std::uint8_t selector = in.Byte();
    switch (selector % 4) {
        case 0:
            CheckForward(fuzz::ExactText(in.Rest()).View());
            break;
        case 1:
            CheckListing(fuzz::ExactText(in.Rest()).View());
            break;
        case 2:
            CheckDate(fuzz::ExactText(in.Rest()).View());
            break;
        default:
            Browse(in);
            break;
    }
    return 0;
}
