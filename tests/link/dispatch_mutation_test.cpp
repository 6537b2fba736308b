// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of random and mutated frame streams through the dispatch (seeded, so a failure
// repeats): no crash, no over-read (each frame is its own exact-size heap buffer under the
// sanitizers), no file outside the working directory, and no temporary file left behind.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <random>

#include "link/dispatcher.h"
#include "link/frame.h"
#include "link/frame_queue.h"
#include "support/fake_dispatch_target.h"

namespace brxw {
namespace {

class FrameSource {
public:
    explicit FrameSource(std::uint32_t seed) : m_random(seed) {}

    std::string Next() {
        static const std::string kSeeds[] = {
            std::string("a/b/c.txt\0"
                        "40",
                        12),
            std::string("../x\0"
                        "9",
                        6),
            std::string("CON\0"
                        "3",
                        5),
            std::string("\0"
                        "0",
                        2),
            "\x04"
            "123",
            std::string("\x00\x07\x00hello", 8),
            "05Q1ABC  12:00 00:01 3 12 0/0",
            std::string(27, 'm'),
        };
        const int category = PickCategory();
        int kind = Pick(0, 12);
        std::string payload;
        switch (Pick(0, 3)) {
            case 0:
                payload = kSeeds[Pick(0, std::size(kSeeds) - 1)];
                break;
            case 1:
                payload = Mutate(kSeeds[Pick(0, std::size(kSeeds) - 1)]);
                break;
            case 2:
                break;  // empty: an end frame
            default:
                payload = RandomBytes(Pick(0, 1020));
                break;
        }
        if (Pick(0, 9) == 0) {
            kind = Pick(0, 255);
        }
        std::string frame = EncodeFrame(static_cast<std::uint8_t>(kind), payload);
        frame[0] = static_cast<char>(category);
        return frame;
    }

    int Pick(std::size_t low, std::size_t high) {
        return static_cast<int>(std::uniform_int_distribution<std::size_t>(low, high)(m_random));
    }

private:
    int PickCategory() {
        static const int kCategories[] = {0, 0, 0, 0, 1, 2, 4, 8, 16, 32, 64, 128, 128, 3, 255};
        return kCategories[Pick(0, std::size(kCategories) - 1)];
    }
    std::string RandomBytes(std::size_t count) {
        std::string bytes(count, '\0');
        for (char& c : bytes) {
            c = static_cast<char>(Pick(0, 255));
        }
        return bytes;
    }
    std::string Mutate(std::string bytes) {
        const int edits = Pick(1, 4);
        for (int i = 0; i < edits && !bytes.empty(); ++i) {
            const std::size_t at = static_cast<std::size_t>(Pick(0, bytes.size() - 1));
            switch (Pick(0, 2)) {
                case 0:
                    bytes[at] = static_cast<char>(Pick(0, 255));
                    break;
                case 1:
                    bytes.erase(at, 1);
                    break;
                default:
                    bytes.insert(at, 1, static_cast<char>(Pick(0, 255)));
                    break;
            }
        }
        return bytes;
    }

    std::mt19937 m_random;
};

TEST(DispatchMutation, RandomFrameStreamsStayInsideTheWorkingDirectory) {
    QTemporaryDir outer;
    const QString work = outer.filePath(QStringLiteral("work"));
    ASSERT_TRUE(QDir().mkpath(work));
    FrameQueue queue;
    test::FakeDispatchTarget target;
    Dispatcher dispatcher(queue, target, work);

    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        FrameSource source(seed);
        target.consoleCreated = seed % 2 == 0;
        target.monitoringCreated = seed % 3 == 0;
        target.remoteFilesOpen = seed % 4 == 0;
        target.userPropertiesOpen = seed % 5 == 0;
        for (int i = 0; i < 120; ++i) {
            const std::string bytes = source.Next();
            ASSERT_TRUE(queue.PushFrame(bytes.data(), bytes.size()));
            dispatcher.DispatchOne();
            target.calls.clear();
        }
        dispatcher.SessionEnded();
        const QStringList outside =
            QDir(outer.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        ASSERT_EQ(outside, QStringList{"work"}) << "seed " << seed;
        const QStringList temporaries =
            QDir(work).entryList({QStringLiteral(".brx_reception_*")}, QDir::Files | QDir::Hidden);
        ASSERT_TRUE(temporaries.isEmpty()) << "seed " << seed;
    }
}

}  // namespace
}  // namespace brxw
