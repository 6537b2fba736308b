// SPDX-License-Identifier: GPL-3.0-or-later
// The soak: numbered frames of every category in random segment sizes, none lost and none out
// of order; connect and disconnect cycles, and lost links with the reconnection after each,
// with no growth in threads, descriptors or memory. ctest runs small counts; ./run soak sets
// BRXW_SOAK_FRAMES and BRXW_SOAK_CYCLES to the full ones (a million frames, a thousand cycles).
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "hostile/hostile_support.h"

namespace brxw::test {
namespace {

std::int64_t CountFromEnvironment(const char* name, std::int64_t fallback) {
    const char* text = std::getenv(name);
    const long long value = text != nullptr ? std::atoll(text) : 0;
    return value > 0 ? value : fallback;
}

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
// The sanitizers hold freed memory back on purpose; LeakSanitizer judges leaks there instead.
constexpr bool kMemoryIsMeaningful = false;
#else
constexpr bool kMemoryIsMeaningful = true;
#endif

struct Resources {
    int threads = 0;
    int descriptors = 0;
    long residentKb = 0;
};

int Entries(const char* folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++count;
    }
    return count;
}

Resources Measure() {
    Resources now;
    now.threads = Entries("/proc/self/task");
    now.descriptors = Entries("/proc/self/fd");
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    now.residentKb = resident * (::sysconf(_SC_PAGESIZE) / 1024);
    return now;
}

// Threads and descriptors as before the cycles; resident memory grown by less than 2 MB.
void ExpectNoGrowth(const char* what, const Resources& before, const Resources& after,
                    std::int64_t cycles) {
    std::printf(
        "[soak] %s: %lld cycles; threads %d -> %d, descriptors %d -> %d, resident %ld KB "
        "-> %ld KB (%+ld KB)\n",
        what, static_cast<long long>(cycles), before.threads, after.threads, before.descriptors,
        after.descriptors, before.residentKb, after.residentKb,
        after.residentKb - before.residentKb);
    EXPECT_EQ(after.threads, before.threads);
    EXPECT_EQ(after.descriptors, before.descriptors);
    if (kMemoryIsMeaningful) {
        EXPECT_LT(after.residentKb - before.residentKb, 2048);
    }
}

// Frame n of the flood: its category, kind and length follow from n; the payload starts with n
// in ten decimal digits and is filled with one letter. Lengths run from 10 to 1020.
constexpr std::uint8_t kCategories[] = {0, 1, 2, 4, 8, 16, 32, 64, 128};

struct NumberedFrame {
    explicit NumberedFrame(std::uint64_t n)
        : category(kCategories[n % std::size(kCategories)]),
          kind(std::uint8_t(category == 0 ? (n / 9) % 11 : (n >> 3) & 0xFF)),
          length(10 + (n % 97 == 0 ? (n * 7919) % 1011 : (n * 31) % 90)),
          fill(char('a' + n % 26)) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%010llu", static_cast<unsigned long long>(n));
        number = digits;
    }
    std::string Wire() const {
        return WireFrame(category, kind, number + std::string(length - number.size(), fill));
    }
    bool Matches(const InboundFrame& frame) const {
        const std::string_view payload = frame.Payload();
        return frame.Category() == category && frame.Kind() == kind && payload.size() == length &&
               payload.substr(0, 10) == number &&
               payload.find_first_not_of(fill, 10) == std::string_view::npos;
    }

    std::uint8_t category;
    std::uint8_t kind;
    std::size_t length;
    char fill;
    std::string number;
};

class Soak : public ::testing::Test, public HostileFixture {};

TEST_F(Soak, NumberedFramesOfEveryCategoryArriveAllAndInOrder) {
    const std::int64_t total = CountFromEnvironment("BRXW_SOAK_FRAMES", 20000);
    std::int64_t sent = 0;
    PeerScript script = ScriptedPeer::Login();
    script.segmentMax = 1400;
    script.seed = 11;
    script.closeAfterWriting = true;
    script.more = [&sent, total](std::string& bytes) {
        for (int i = 0; i < 256 && sent < total; ++i) {
            bytes += NumberedFrame(std::uint64_t(sent++)).Wire();
        }
        return !bytes.empty();
    };
    std::int64_t received = 0;
    std::int64_t firstWrong = -1;
    m_host.onFrame = [&](const InboundFrame& frame) {
        if (!NumberedFrame(std::uint64_t(received)).Matches(frame)) {
            firstWrong = firstWrong < 0 ? received : firstWrong;
        }
        ++received;
    };
    m_peer.Queue(script);
    QElapsedTimer clock;
    clock.start();
    m_session.Connect(0);
    // The peer closes after the last frame: the lost link shows every frame first.
    ASSERT_TRUE(WaitUntil([&] { return m_session.CurrentState() == State::WaitingToReconnect; },
                          int(60000 + total / 5)));
    const double seconds = double(clock.elapsed()) / 1000.0;
    std::printf("[soak] %lld numbered frames (%lld bytes) in %.1f s, %.0f frames/s\n",
                static_cast<long long>(received), static_cast<long long>(m_peer.Written()), seconds,
                double(received) / seconds);
    EXPECT_EQ(received, total);
    EXPECT_EQ(firstWrong, -1) << "frame " << firstWrong << " is not the one sent there";
    EXPECT_EQ(m_host.logins, 1);
}

// The same few frames in each session, through the dispatch: six calls.
std::string SessionFrames() {
    return WireFrame(0, 0, "\x04\x05") + WireFrame(4, 0, "3") +
           WireFrame(8, 0, "01Q1ABC     14:07 00:12   3  120 0/0") +
           WireFrame(32, 0, std::string("\0\0\0console line", 15));
}
constexpr std::size_t kCallsPerSession = 6;

TEST_F(Soak, ConnectAndDisconnectCyclesLeaveNothingBehind) {
    const std::int64_t cycles = CountFromEnvironment("BRXW_SOAK_CYCLES", 60);
    const std::string frames = SessionFrames();
    auto cycle = [&] {
        m_peer.Queue(ScriptedPeer::Login(frames));
        ASSERT_TRUE(LogIn());
        ASSERT_TRUE(WaitUntil([&] { return m_target.calls.size() == kCallsPerSession; }));
        m_session.Disconnect();
        ASSERT_EQ(m_session.CurrentState(), State::Idle);
        ASSERT_TRUE(WaitForPeerDone());
        m_target.calls.clear();
        m_host.statusTexts.clear();
    };
    for (int i = 0; i < 10; ++i) {
        ASSERT_NO_FATAL_FAILURE(cycle());
    }
    const Resources before = Measure();
    for (std::int64_t i = 0; i < cycles; ++i) {
        ASSERT_NO_FATAL_FAILURE(cycle()) << "cycle " << i;
    }
    const Resources after = Measure();
    ExpectNoGrowth("connect and disconnect", before, after, cycles);
    EXPECT_EQ(m_peer.Accepted(), cycles + 10);
}

TEST_F(Soak, ReconnectionAfterEachDropLeavesNothingBehind) {
    const std::int64_t cycles = CountFromEnvironment("BRXW_SOAK_CYCLES", 60);
    const std::string frames = SessionFrames();
    auto queue = [&] {
        PeerScript script = ScriptedPeer::Login(frames);
        script.closeAfterWriting = true;
        m_peer.Queue(script);
    };
    // The peer drops each session after its frames: handled as a lost link, and measured
    // there, when no connection is open on either side.
    auto settle = [&] {
        ASSERT_TRUE(WaitUntil([&] {
            return m_session.CurrentState() == State::WaitingToReconnect &&
                   m_peer.Finished() == m_peer.Accepted();
        }));
        ASSERT_EQ(m_target.calls.size(), kCallsPerSession);
        ASSERT_EQ(m_session.Countdown(), 60);
        m_target.calls.clear();
        m_host.statusTexts.clear();  // the test's own record would grow otherwise
    };
    // The countdown's last tick connects again.
    auto reconnect = [&] {
        queue();
        for (int tick = 0; tick < 60; ++tick) {
            m_session.CountdownTick();
        }
    };
    queue();
    m_session.Connect(0);
    ASSERT_NO_FATAL_FAILURE(settle());
    for (int i = 0; i < 10; ++i) {
        reconnect();
        ASSERT_NO_FATAL_FAILURE(settle());
    }
    const Resources before = Measure();
    for (std::int64_t i = 0; i < cycles; ++i) {
        reconnect();
        ASSERT_NO_FATAL_FAILURE(settle()) << "cycle " << i;
    }
    const Resources after = Measure();
    ExpectNoGrowth("lost link and reconnection", before, after, cycles);
    EXPECT_EQ(m_host.logins, cycles + 10 + 1);
    EXPECT_TRUE(m_host.warnings.empty());
}

}  // namespace
}  // namespace brxw::test
