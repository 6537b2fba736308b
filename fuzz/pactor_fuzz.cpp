// SPDX-License-Identifier: GPL-3.0-or-later
// Pactor state reports (category 0, kind 10, "%d %d") interleaved with the Status frame being
// hidden, which removes the controls.
//
// Input: operations, each an opcode byte and its arguments.
// Properties: a report that scans as two numbers takes its state, one that does not changes
// nothing; the port is the one of the first report after the controls appeared; the buttons and
// marks follow the state bits and the commands say what the marks show (checks.h).
#include "checks.h"
#include "fuzz_support.h"
#include "link/pactor_control.h"

#include <algorithm>
#include <climits>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brxw;
    fuzz::ByteReader in(data, size);
    PactorControl pactor;
    while (!in.Empty()) {
        if (in.Byte() % 8 == 0) {
            pactor.Remove();
            fuzz::CheckPactor(pactor);
            continue;
        }
        const fuzz::ExactText report(in.Piece());
        const bool present = pactor.Present();
        const int port = pactor.Port();
        const std::uint32_t state = pactor.State();
        const std::vector<long> numbers = fuzz::ReferenceScan(report.View(), 2);
        const bool taken = pactor.Report(report.View());
        FUZZ_CHECK(taken == (numbers.size() == 2),
                   "report taken or refused wrongly: " + fuzz::Show(report.View()));
        if (!taken) {
            FUZZ_CHECK(
                pactor.Present() == present && pactor.Port() == port && pactor.State() == state,
                "a refused report changed the controls");
        } else {
            const auto clamp = [](long n) {
                return static_cast<int>(std::clamp<long>(n, INT_MIN, INT_MAX));
            };
            FUZZ_CHECK(pactor.Present(), "a report left the controls absent");
            FUZZ_CHECK(pactor.Port() == (present ? port : clamp(numbers[0])),
                       "Pactor port not the first report's");
            FUZZ_CHECK(pactor.State() == static_cast<std::uint32_t>(clamp(numbers[1])),
                       "Pactor state not the report's");
        }
        fuzz::CheckPactor(pactor);
    }
    return 0;
}
