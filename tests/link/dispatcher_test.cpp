// SPDX-License-Identifier: GPL-3.0-or-later
// Routing of inbound frames, the reception slot and safe file names, against a recording fake.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <set>

#include "link/dispatcher.h"
#include "link/frame.h"
#include "link/frame_queue.h"
#include "link/traffic_colour.h"
#include "resources/command_ids.h"
#include "support/fake_dispatch_target.h"

namespace brxw {
namespace {

using Calls = std::vector<std::string>;

InboundFrame Frame(int category, int kind, std::string_view payload) {
    std::string bytes = EncodeFrame(static_cast<std::uint8_t>(kind), payload);
    bytes[0] = static_cast<char>(category);
    return InboundFrame(bytes.data(), bytes.size());
}

std::string Traffic(int channel, int trafficByte, std::string_view text) {
    std::string payload{static_cast<char>(channel), static_cast<char>(trafficByte), '\0'};
    return payload + std::string(text);
}

std::string Announce(std::string_view name, std::string_view size) {
    return std::string(name) + '\0' + std::string(size);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class DispatcherTest : public ::testing::Test {
protected:
    DispatcherTest() : m_work(m_outer.filePath(QStringLiteral("work"))) { QDir().mkpath(m_work); }

    void Feed(int category, int kind, std::string_view payload) {
        m_dispatcher.Dispatch(Frame(category, kind, payload));
    }
    QStringList WorkFiles() const {
        return QDir(m_work).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }
    QStringList OuterEntries() const {
        return QDir(m_outer.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir m_outer;
    QString m_work;
    FrameQueue m_queue;
    test::FakeDispatchTarget m_target;
    Dispatcher m_dispatcher{m_queue, m_target, m_work};
};

TEST_F(DispatcherTest, SubscriptionStreamsGoToTheirConsumers) {
    m_target.consoleCreated = true;
    m_target.monitoringCreated = true;
    Feed(1, 0, "2 5 40");
    Feed(2, 0, "20000 1500 150000 7");
    Feed(4, 0, "12");
    Feed(8, 0, "05Q1ABC");
    Feed(16, 0, Traffic(0, 4, "mon"));
    Feed(32, 0, Traffic(0, 6, "con"));
    Feed(64, 0, Traffic(-3, 2, "chan"));
    const Calls expected = {
        "MessageCounters 2 5 40",
        "SystemStatus 20000 1500 150000 7",
        "StationCount 12",
        "StationLine 05Q1ABC",
        "MonitoringText " + std::to_string(TrafficColour(4)) + " mon",
        // The console is always navy, whatever the traffic byte says.
        "ConsoleText " + std::to_string(TrafficColour(0)) + " con",
        "ChannelTraffic -3 2 chan",
    };
    EXPECT_EQ(m_target.calls, expected);
}

TEST_F(DispatcherTest, ShortTrafficUnknownCategoriesAndKindsAreIgnored) {
    m_target.consoleCreated = m_target.monitoringCreated = true;
    for (int category : {16, 32, 64}) {
        Feed(category, 0, "");
        Feed(category, 0, "\x01\x02\x03");
    }
    for (int category : {3, 5, 17, 255}) {
        Feed(category, 0, "anything");
    }
    for (int kind : {5, 11, 200, 255}) {
        Feed(0, kind, "anything");
    }
    Feed(128, 0, "");  // a notice without its code byte
    Feed(128, 0, "\x05");
    Feed(128, 0, "\xFF");
    EXPECT_TRUE(m_target.calls.empty()) << m_target.calls.front();
    EXPECT_TRUE(WorkFiles().isEmpty());
}

TEST_F(DispatcherTest, TrafficForWindowsNotCreatedIsDropped) {
    Feed(16, 0, Traffic(0, 1, "monitor text"));
    Feed(32, 0, Traffic(0, 1, "console text"));
    EXPECT_TRUE(m_target.calls.empty());
}

TEST_F(DispatcherTest, ConsoleTextOfExactly27BytesWithoutAConsoleIsShownInABox) {
    for (std::size_t length : {26u, 27u, 28u}) {
        Feed(32, 0, Traffic(0, 0, std::string(length, 'x')));
    }
    EXPECT_EQ(m_target.calls, Calls{"ShowWarning Message " + std::string(27, 'x')});
}

TEST_F(DispatcherTest, CapabilitiesShowTheirButtons) {
    Feed(0, 0, "\x04\x05\x05\x14");
    const std::set<std::string> shown(m_target.calls.begin(), m_target.calls.end());
    const std::set<std::string> expected = {
        "ShowToolbarButton " + std::to_string(cmd::kPendingForward),
        "ShowToolbarButton " + std::to_string(cmd::kDisconnectChannel),
        "ShowToolbarButton " + std::to_string(cmd::kImmediateDisconnect)};
    EXPECT_EQ(shown, expected);

    m_target.calls.clear();
    Feed(0, 0, std::string("\x01\x02\x03\x06\x07\x09\x00\x08", 8));
    const Calls all = {"ShowToolbarButton " + std::to_string(cmd::kOpenConfigFile),
                       "ShowToolbarButton " + std::to_string(cmd::kOpenConfigFile),
                       "ShowToolbarButton " + std::to_string(cmd::kOpenConfigFile),
                       "ShowToolbarButton " + std::to_string(cmd::kEditUserProperties),
                       "ShowToolbarButton " + std::to_string(cmd::kEditMessageProperties),
                       "ServerOptionsAvailable"};
    EXPECT_EQ(m_target.calls, all);
}

TEST_F(DispatcherTest, ServerOptionsAndPactorReports) {
    Feed(0, 9, "A 1 Option");
    Feed(0, 10, "1 0");
    EXPECT_EQ(m_target.calls, (Calls{"ServerOptionsList A 1 Option", "PactorState 1 0"}));
}

TEST_F(DispatcherTest, ConsoleNotices) {
    // Without a console window, 0 and 1 do nothing and 2 only warns.
    Feed(128, 0, "\x00");
    Feed(128, 0, "\x01");
    Feed(128, 0, "\x02");
    EXPECT_EQ(m_target.calls, Calls{"ShowWarning brxW Remote console is already connected"});

    m_target.calls.clear();
    m_target.consoleCreated = true;
    m_target.options = 140 | 32;
    Feed(128, 0, std::string(1, '\0'));
    Feed(128, 0, "\x01");
    Feed(128, 0, "\x02");
    EXPECT_EQ(m_target.calls,
              (Calls{"ToggleConsole", "ShowConsole", "HideConsole",
                     "ShowWarning brxW Remote console is already connected", "ToggleConsole"}));

    m_target.calls.clear();
    m_target.options = 140;  // console traffic not subscribed: nothing to close
    Feed(128, 0, std::string(1, '\0'));
    EXPECT_TRUE(m_target.calls.empty());
}

TEST_F(DispatcherTest, NewMessageNoticeCreatesAnEmptyMessageFile) {
    QFile old(QDir(m_work).filePath("brx_message.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an old message");
    old.close();
    Feed(128, 0, "\x03");
    EXPECT_EQ(m_target.calls, Calls{"OpenInEditor brx_message.txt"});
    EXPECT_EQ(ReadFile(QDir(m_work).filePath("brx_message.txt")), QByteArray());
    EXPECT_TRUE(m_dispatcher.MessageEdit());
}

TEST_F(DispatcherTest, EditMessageNoticeAsksForTheMessage) {
    Feed(128, 0,
         "\x04"
         "123");
    Feed(128, 0,
         "\x04"
         "-7x");
    Feed(128, 0, "\x04");
    EXPECT_EQ(m_target.calls,
              (Calls{"SendRequest 8 MSG 123", "SendRequest 8 MSG -7", "SendRequest 8 MSG 0"}));
    EXPECT_TRUE(m_dispatcher.MessageEdit());
}

TEST_F(DispatcherTest, FetchedFileIsStoredUnderItsLastComponentAndOpened) {
    Feed(0, 2, Announce("a/b/c.txt", "11"));
    Feed(0, 2, "hello ");
    Feed(0, 2, std::string("w\0rld", 5));
    EXPECT_TRUE(m_dispatcher.Slot().InProgress());
    Feed(0, 2, "");
    EXPECT_EQ(m_target.calls, (Calls{"ProgressBegin 11", "ProgressUpdate 6", "ProgressUpdate 11",
                                     "ProgressEnd", "OpenInEditor c.txt"}));
    EXPECT_EQ(ReadFile(QDir(m_work).filePath("c.txt")), QByteArray("hello w\0rld", 11));
    EXPECT_FALSE(m_dispatcher.Slot().InProgress());
    EXPECT_EQ(WorkFiles(), QStringList{"c.txt"});  // no temporary file left behind
}

TEST_F(DispatcherTest, SizeZeroAnnouncements) {
    // Generic kinds: nothing starts, and the next frame is a first frame again.
    Feed(0, 8, Announce("m.txt", "0"));
    Feed(0, 3, "no zero byte, so size 0");
    EXPECT_FALSE(m_dispatcher.Slot().InProgress());
    Feed(0, 3, Announce("f.txt", "2"));
    EXPECT_TRUE(m_dispatcher.Slot().InProgress());
    m_dispatcher.SessionEnded();

    // Named kinds: the file is created empty, no reception and no indicator, and the end
    // action opens the dialog on the empty list.
    m_target.calls.clear();
    Feed(0, 4, Announce("ignored", "0"));
    EXPECT_FALSE(m_dispatcher.Slot().InProgress());
    EXPECT_EQ(ReadFile(QDir(m_work).filePath("forward.txt")), QByteArray());
    EXPECT_EQ(m_target.calls, Calls{"OpenPendingForward forward.txt"});

    // A record reply that arrives after its dialog has closed has no size field: it announces
    // nothing, and no empty dialog opens.
    m_target.calls.clear();
    Feed(0, 6, "1 Q1ABC\n14 0\n");
    Feed(0, 7, "");
    EXPECT_TRUE(m_target.calls.empty());
    EXPECT_FALSE(QFile::exists(QDir(m_work).filePath("service.txt")));
}

TEST_F(DispatcherTest, DirectoryListingWithoutTheDialogLeavesNothing) {
    Feed(0, 1, Announce("dir", "5"));
    Feed(0, 1, "a.txt");
    Feed(0, 1, "");
    EXPECT_TRUE(m_target.calls.empty());
    EXPECT_TRUE(WorkFiles().isEmpty());
}

TEST_F(DispatcherTest, NamedReceptionsEndInTheirDialogs) {
    m_target.remoteFilesOpen = true;
    Feed(0, 1, Announce("x", "3"));
    Feed(0, 1, "a b");
    Feed(0, 1, "");
    EXPECT_EQ(m_target.calls.back(), "DirectoryListing brx_directory.txt");
    EXPECT_EQ(ReadFile(QDir(m_work).filePath("brx_directory.txt")), QByteArray("a b"));

    Feed(0, 4, Announce("x", "1"));
    Feed(0, 4, "F");
    Feed(0, 4, "");
    EXPECT_EQ(m_target.calls.back(), "OpenPendingForward forward.txt");
    EXPECT_TRUE(QFile::exists(QDir(m_work).filePath("forward.txt")));  // left for the dialog

    m_target.pendingForwardOpen = true;  // a second list while one is shown is discarded
    Feed(0, 4, Announce("x", "1"));
    Feed(0, 4, "G");
    Feed(0, 4, "");
    EXPECT_FALSE(QFile::exists(QDir(m_work).filePath("forward.txt")));

    Feed(0, 6, Announce("x", "1"));
    Feed(0, 6, "U");
    Feed(0, 6, "");
    EXPECT_EQ(m_target.calls.back(), "OpenUserProperties service.txt");
    EXPECT_FALSE(QFile::exists(QDir(m_work).filePath("service.txt")));  // deleted once closed

    Feed(0, 7, Announce("x", "1"));
    Feed(0, 7, "M");
    Feed(0, 7, "");
    EXPECT_EQ(m_target.calls.back(), "OpenMessageProperties service.txt");

    // Without the working directory nothing can be stored: each end says which file and why,
    // and no dialog opens on a list that is not there; a new message's file is reported too.
    ASSERT_TRUE(QDir(m_work).removeRecursively());
    m_target.calls.clear();
    Feed(0, 7, Announce("x", "1"));
    Feed(0, 7, "M");
    Feed(0, 7, "");
    Feed(0, 6, Announce("x", "0"));
    Feed(0, 1, Announce("x", "3"));
    Feed(0, 1, "a b");
    Feed(0, 1, "");
    Feed(128, 0, "\x03");
    Calls failures;
    for (const std::string& call : m_target.calls) {
        const bool dialog = call.rfind("DirectoryListing", 0) == 0 ||
                            (call.rfind("Open", 0) == 0 && call.rfind("OpenInEditor", 0) != 0);
        EXPECT_FALSE(dialog) << call;
        if (call.rfind("ReceptionFailed", 0) == 0) {
            failures.push_back(call);
        }
    }
    const std::string reason = ": No such file or directory";
    EXPECT_EQ(failures, (Calls{"ReceptionFailed 7 service.txt" + reason,
                               "ReceptionFailed 6 service.txt" + reason,
                               "ReceptionFailed 1 brx_directory.txt" + reason,
                               "ReceptionFailed 8 brx_message.txt" + reason}));
}

TEST_F(DispatcherTest, RecordRepliesGoToAnOpenDialogEvenWhenEmpty) {
    m_target.userPropertiesOpen = true;
    m_target.messagePropertiesOpen = true;
    Feed(0, 6, "");
    Feed(0, 6, "1 Q1ABC");
    Feed(0, 7, "2 Title");
    EXPECT_EQ(m_target.calls,
              (Calls{"UserRecordReply ", "UserRecordReply 1 Q1ABC", "MessageRecordReply 2 Title"}));
    EXPECT_FALSE(m_dispatcher.Slot().InProgress());
}

TEST_F(DispatcherTest, AReceptionTakesFramesOfOtherKindsAndItsEndKindDecides) {
    Feed(0, 2, Announce("data.bin", "4"));
    Feed(0, 8, "ab");
    Feed(0, 3, "cd");
    m_target.calls.clear();
    Feed(0, 4, "");  // ends as a pending-forward list would
    EXPECT_EQ(m_target.calls, (Calls{"ProgressEnd", "OpenPendingForward data.bin"}));
    EXPECT_EQ(ReadFile(QDir(m_work).filePath("data.bin")), QByteArray("abcd"));
}

// A new-message notice and record replies for an open dialog arrive between the frames of a
// transfer; neither may end it or take its data, even data holding a zero byte.
TEST_F(DispatcherTest, AReceptionGoesOnThroughNoticesAndRecordReplies) {
    Feed(0, 2, Announce("data.bin", "6"));
    Feed(0, 2, "ab");
    Feed(128, 0, "\x03");
    m_target.userPropertiesOpen = true;
    m_target.messagePropertiesOpen = true;
    Feed(0, 6, "1 Q1ABC");
    Feed(0, 7, "");
    m_target.userPropertiesOpen = m_target.messagePropertiesOpen = false;
    Feed(0, 2, std::string("c\0d", 3));
    Feed(0, 2, "e");
    Feed(0, 2, "");
    EXPECT_EQ(m_target.calls,
              (Calls{"ProgressBegin 6", "ProgressUpdate 2", "OpenInEditor brx_message.txt",
                     "UserRecordReply 1 Q1ABC", "MessageRecordReply ", "ProgressUpdate 5",
                     "ProgressUpdate 6", "ProgressEnd", "OpenInEditor data.bin"}));
    EXPECT_EQ(ReadFile(QDir(m_work).filePath("data.bin")), QByteArray("abc\0de", 6));
    EXPECT_EQ(ReadFile(QDir(m_work).filePath("brx_message.txt")), QByteArray());
    EXPECT_TRUE(m_dispatcher.MessageEdit());
    EXPECT_FALSE(m_dispatcher.Slot().InProgress());
    QStringList files = WorkFiles();
    files.sort();
    EXPECT_EQ(files, (QStringList{"brx_message.txt", "data.bin"}));
}

TEST_F(DispatcherTest, ASessionEndDropsTheTransferInProgress) {
    QFile old(QDir(m_work).filePath("c.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("previous");
    old.close();
    Feed(0, 2, Announce("c.txt", "100"));
    Feed(0, 2, "partial");
    m_dispatcher.SessionEnded();
    EXPECT_EQ(m_target.calls.back(), "ProgressEnd");
    EXPECT_FALSE(m_dispatcher.Slot().InProgress());
    EXPECT_EQ(ReadFile(QDir(m_work).filePath("c.txt")), QByteArray("previous"));
    EXPECT_EQ(WorkFiles(), QStringList{"c.txt"});
    // The next session's first frame is a first frame, not data of the old transfer.
    Feed(0, 2, Announce("d.txt", "1"));
    EXPECT_EQ(m_dispatcher.Slot().Name(), "d.txt");
}

TEST_F(DispatcherTest, HostileNamesNeverWriteOutsideTheWorkingDirectory) {
    const char* names[] = {"../../x", "/etc/x",  "..\\x", "CON",  "..",
                           "C:evil",  "nul.txt", "a/b/",  "LPT1", "tab\tname"};
    for (const char* name : names) {
        Feed(0, 2, Announce(name, "1"));
        Feed(0, 2, "z");
        Feed(0, 2, "");
    }
    EXPECT_EQ(OuterEntries(), QStringList{"work"});
    QStringList files = WorkFiles();
    files.sort();
    EXPECT_EQ(files, (QStringList{"brx_received.txt", "x"}));
}

TEST_F(DispatcherTest, AnExistingSymbolicLinkIsReplacedNotFollowed) {
    const QString outside = m_outer.filePath(QStringLiteral("outside.txt"));
    QFile target(outside);
    ASSERT_TRUE(target.open(QIODevice::WriteOnly));
    target.write("keep me");
    target.close();
    ASSERT_TRUE(QFile::link(outside, QDir(m_work).filePath("c.txt")));
    Feed(0, 2, Announce("c.txt", "3"));
    Feed(0, 2, "new");
    Feed(0, 2, "");
    EXPECT_EQ(ReadFile(outside), QByteArray("keep me"));
    EXPECT_FALSE(QFileInfo(QDir(m_work).filePath("c.txt")).isSymLink());
    EXPECT_EQ(ReadFile(QDir(m_work).filePath("c.txt")), QByteArray("new"));
}

TEST(SafeFileName, KeepsPlainNamesAndReplacesRefusedOnes) {
    const std::pair<std::string, std::string> cases[] = {
        {"c.txt", "c.txt"},
        {"a/b/c.txt", "c.txt"},
        {"dir\\file.txt", "file.txt"},
        {"../../x", "x"},
        {"", "brx_received.txt"},
        {".", "brx_received.txt"},
        {".bashrc", "brx_received.txt"},
        {"home/.profile", "brx_received.txt"},
        {"..hidden", "brx_received.txt"},
        {"a/..", "brx_received.txt"},
        {"CON", "brx_received.txt"},
        {"com7.log", "brx_received.txt"},
        {"console.txt", "console.txt"},
        {"C:x", "brx_received.txt"},
        {std::string(256, 'n'), "brx_received.txt"},
        {std::string(255, 'n'), std::string(255, 'n')},
        {"bell\x07", "brx_received.txt"},
        {"caf\xE9.txt", "caf\xE9.txt"},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(SafeFileName(in), out) << in;
    }
}

TEST(Announcement, NameZeroByteAndSize) {
    EXPECT_EQ(ParseAnnouncement(Announce("a.txt", "1234")), (TransferAnnouncement{"a.txt", 1234}));
    EXPECT_EQ(ParseAnnouncement(Announce("a.txt", "12ab")), (TransferAnnouncement{"a.txt", 12}));
    EXPECT_EQ(ParseAnnouncement(Announce("a.txt", "")), (TransferAnnouncement{"a.txt", 0}));
    EXPECT_EQ(ParseAnnouncement("no size"), (TransferAnnouncement{"no size", 0}));
    EXPECT_EQ(ParseAnnouncement(Announce("big", "99999999999")).size, INT32_MAX);
}

}  // namespace
}  // namespace brxw
