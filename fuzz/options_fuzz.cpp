// SPDX-License-Identifier: GPL-3.0-or-later
// The server's option lists (category 0, kind 9) into the Options menu's items, interleaved with
// capability 9 (attach) and the end of the session (detach).
//
// Input: operations, each an opcode byte and its arguments.
// Properties: "GET" is asked once per attachment; lists are ignored while detached; items stay
// one per letter A..Z with ids in the command range and one-line labels of at most 79 bytes;
// the same list twice changes nothing the second time; a later list only moves check marks of
// known letters; every item's command asks for the opposite of its mark (checks.h).
#include "checks.h"
#include "fuzz_support.h"
#include "link/server_options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brxw;
    fuzz::ByteReader in(data, size);
    ServerOptions options;
    while (!in.Empty()) {
        switch (in.Byte() % 6) {
            case 0: {
                const bool wasAttached = options.Attached();
                const auto request = options.Attach();
                FUZZ_CHECK(wasAttached ? !request : request == std::string("GET"),
                           "the list asked for twice or not at all");
                break;
            }
            case 1:
                options.Detach();
                FUZZ_CHECK(!options.Attached() && options.Items().empty(), "items after detach");
                break;
            default: {
                const fuzz::ExactText list(in.Bytes(in.Word() % 2048));
                const std::vector<ServerOptionItem> before = options.Items();
                options.List(list.View());
                const std::vector<ServerOptionItem>& after = options.Items();
                if (!options.Attached()) {
                    FUZZ_CHECK(after.empty(), "a list taken while detached");
                }
                // Known letters keep their place and label; new ones come after them.
                FUZZ_CHECK(after.size() >= before.size(), "a list removed items");
                for (std::size_t i = 0; i < before.size(); ++i) {
                    FUZZ_CHECK(after[i].id == before[i].id && after[i].label == before[i].label,
                               "a list moved or relabelled a known item");
                }
                const std::vector<ServerOptionItem> once = after;
                options.List(list.View());
                FUZZ_CHECK(options.Items() == once, "the same list twice changed the items");
                break;
            }
        }
        fuzz::CheckServerOptions(options);
    }
    return 0;
}
