// SPDX-License-Identifier: GPL-3.0-or-later
// File transfers and requests: names sent as given, the root folder's fence, listings,
// uploads, record exchange and message text.
#include "peer/lib/peer_wire.h"
#include "peer/raw_client.h"
#include "support/running_peer.h"
#include "support/test_files.h"
#include "support/wait.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace brxw::test {
namespace {

using peer::PeerConfig;

// One transfer as the client receives it: first frame, data frames, end frame.
struct Transfer {
    QByteArray name;
    QByteArray size;
    QByteArray data;
    std::vector<int> pieces;
};

class PeerTransfers : public ::testing::Test {
protected:
    PeerTransfers() {
        m_root = m_base.path() + QStringLiteral("/root");
        WriteFile(m_root + QStringLiteral("/init.cfg"), "callsign Q4BBS\n");
        WriteFile(m_root + QStringLiteral("/mail/welcome.txt"), QByteArray(2500, 'w'));
        WriteFile(m_base.path() + QStringLiteral("/secret.txt"), "outside the root\n");
        QFile::link(m_base.path() + QStringLiteral("/secret.txt"),
                    m_root + QStringLiteral("/link.txt"));
        QDir().mkpath(m_root + QStringLiteral("/empty"));
        PeerConfig config;
        config.rootDir = m_root;
        config.pieceSize = 1000;
        m_peer = std::make_unique<RunningPeer>(config);
        EXPECT_TRUE(m_client.LogIn(m_peer->Port()));
        // Capabilities, the station count and the station lines of the login.
        EXPECT_TRUE(m_client.WaitForFrames(2 + peer::DefaultStations().size()));
        m_client.ClearFrames();
    }

    std::optional<Transfer> Receive(quint8 kind) {
        const auto first = m_client.WaitFor(0, kind);
        if (!first) {
            return std::nullopt;
        }
        Transfer t;
        const qsizetype zero = first->payload.indexOf('\0');
        t.name = first->payload.left(zero);
        t.size = zero < 0 ? QByteArray() : first->payload.mid(zero + 1);
        for (;;) {
            const auto frame = m_client.WaitFor(0, kind);
            if (!frame) {
                return std::nullopt;
            }
            if (frame->payload.isEmpty()) {
                return t;
            }
            t.data += frame->payload;
            t.pieces.push_back(static_cast<int>(frame->payload.size()));
        }
    }

    // A request whose answer proves that the requests sent before it were all handled.
    void SendMarkerAndWait() {
        m_client.SendRecord(9, "GET");
        ASSERT_TRUE(m_client.WaitFor(0, 9));
    }

    QTemporaryDir m_base;
    QString m_root;
    std::unique_ptr<RunningPeer> m_peer;
    RawClient m_client;
};

TEST_F(PeerTransfers, HostileNamesAndSizesAreSentAsGiven) {
    const QByteArray names[] = {"../../x", "/etc/x", "..\\x", "CON", "a/b/c.txt", ""};
    for (const QByteArray& name : names) {
        m_peer->SendFile(2, name, "abc", 2);
        const auto t = Receive(2);
        ASSERT_TRUE(t);
        EXPECT_EQ(t->name, name);
        EXPECT_EQ(t->size, "3");
        EXPECT_EQ(t->data, "abc");
        EXPECT_EQ(t->pieces, (std::vector<int>{2, 1}));
    }
    m_peer->Server().SendFileAnnouncement(8, "zero.txt", 0);
    const auto first = m_client.WaitFor(0, 8);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->payload, QByteArray("zero.txt\0"
                                         "0",
                                         10));

    m_peer->SendFile(3, "empty.txt", {});
    const auto empty = Receive(3);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->size, "0");
    EXPECT_TRUE(empty->pieces.empty());
}

TEST_F(PeerTransfers, FetchServesFilesInsideTheRootOnly) {
    m_client.SendRecord(2, "mail/welcome.txt");
    const auto t = Receive(2);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->name, "mail/welcome.txt");
    EXPECT_EQ(t->size, "2500");
    EXPECT_EQ(t->data, QByteArray(2500, 'w'));
    EXPECT_EQ(t->pieces, (std::vector<int>{1000, 1000, 500}));

    const QByteArray refused[] = {"../secret.txt",
                                  "mail/../../secret.txt",
                                  "link.txt",
                                  m_base.path().toLocal8Bit() + "/secret.txt",
                                  "mail\\..\\..\\secret.txt",
                                  "mail",
                                  "nothing.txt"};
    const size_t before = m_client.Frames().size();
    for (const QByteArray& path : refused) {
        m_client.SendRecord(2, path);
    }
    SendMarkerAndWait();
    EXPECT_EQ(m_client.Frames().size(), before + 1) << "only the marker's answer";

    // A leading "/" means the root, as the file browser sends it.
    m_client.SendRecord(2, "/init.cfg");
    const auto rooted = Receive(2);
    ASSERT_TRUE(rooted);
    EXPECT_EQ(rooted->data, "callsign Q4BBS\n");
}

TEST_F(PeerTransfers, ListingLinesDescribeTheDirectory) {
    m_client.SendRecord(1, "");
    const auto t = Receive(1);
    ASSERT_TRUE(t);
    const QByteArrayList lines = t->data.split('\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("d 0 empty ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith("d 0 mail ")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("- 15 init.cfg ")) << lines[2].toStdString();
    EXPECT_FALSE(t->data.contains("link.txt")) << "a link out of the root is not listed";
    EXPECT_EQ(t->size, QByteArray::number(t->data.size()));
    // mon-dd-rest, as the browser reads it.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^- 15 init.cfg [a-z]{3}-\\d\\d-\\S+$"))
                    .match(QString::fromLatin1(lines[2]))
                    .hasMatch());

    m_client.SendRecord(1, "/mail");
    const auto mail = Receive(1);
    ASSERT_TRUE(mail);
    EXPECT_TRUE(mail->data.startsWith("- 2500 welcome.txt ")) << mail->data.toStdString();

    const size_t before = m_client.Frames().size();
    m_client.SendRecord(1, "..");
    m_client.SendRecord(1, "mail/../..");
    m_client.SendRecord(1, "init.cfg");
    SendMarkerAndWait();
    EXPECT_EQ(m_client.Frames().size(), before + 1) << "nothing for a path out or a file";
}

TEST_F(PeerTransfers, UploadsLandInsideTheRootUnderSafeNames) {
    auto upload = [&](const QByteArray& path, const QByteArray& data) {
        m_client.SendRecord(3, path);
        for (qsizetype at = 0; at < data.size(); at += 1000) {
            m_client.SendRecord(3, data.mid(at, 1000));
        }
        m_client.SendRecord(3, {});
    };
    upload("mail/new.txt", QByteArray(1500, 'n'));
    upload("init.cfg", "replaced\n");
    upload("../escape.txt", "x");
    upload("/tmp/../../escape.txt", "x");
    upload("nodir/file.txt", "x");
    upload("CON", "x");
    upload(".hidden", "x");
    upload("link.txt", "x");
    upload("mail", "x");
    SendMarkerAndWait();

    EXPECT_EQ(ReadFile(m_root + QStringLiteral("/mail/new.txt")), QByteArray(1500, 'n'));
    EXPECT_EQ(ReadFile(m_root + QStringLiteral("/init.cfg")), "replaced\n");
    EXPECT_EQ(ReadFile(m_base.path() + QStringLiteral("/secret.txt")), "outside the root\n");
    const QStringList base = QDir(m_base.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    EXPECT_EQ(base, (QStringList{QStringLiteral("root"), QStringLiteral("secret.txt")}));
    const QStringList root = QDir(m_root).entryList(QDir::NoDotAndDotDot | QDir::AllEntries |
                                                    QDir::Hidden | QDir::System);
    EXPECT_EQ(root, (QStringList{QStringLiteral("empty"), QStringLiteral("init.cfg"),
                                 QStringLiteral("link.txt"), QStringLiteral("mail")}));
}

TEST_F(PeerTransfers, ListRequestsAnswerWithATransferOfTheirKind) {
    for (const quint8 kind : {4, 6, 7}) {
        m_client.SendRecord(kind, "LIST");
        const auto t = Receive(kind);
        ASSERT_TRUE(t) << int(kind);
        EXPECT_FALSE(t->data.isEmpty());
        EXPECT_EQ(t->size, QByteArray::number(t->data.size()));
    }
}

TEST_F(PeerTransfers, RecordsAreReadAndWrittenBack) {
    m_client.SendRecord(7, "GET 4711");
    const auto reply = m_client.WaitFor(0, 7);
    ASSERT_TRUE(reply);
    EXPECT_TRUE(reply->payload.contains("\n11 Meeting on Saturday\n"));
    EXPECT_LE(reply->payload.size(), peer::kMaxPayload);

    const QByteArray body = "1 B\n2 Y\n11 New title\n";
    m_client.SendRecord(7, "PUT 4711 " + QByteArray::number(body.size()) + "\n" + body);
    m_client.SendRecord(7, "GET 4711");
    const auto after = m_client.WaitFor(0, 7);
    ASSERT_TRUE(after);
    EXPECT_TRUE(after->payload.startsWith("1 B\n2 Y\n"));
    EXPECT_TRUE(after->payload.contains("\n11 New title\n"));

    m_client.SendRecord(6, "NEW q7new");
    m_client.SendRecord(6, "GET Q7NEW");
    const auto user = m_client.WaitFor(0, 6);
    ASSERT_TRUE(user);
    EXPECT_TRUE(user->payload.startsWith("1 Q7NEW\n"));
    m_client.SendRecord(6, "DEL Q7NEW");
    m_client.SendRecord(6, "GET Q7NEW");
    SendMarkerAndWait();
    EXPECT_EQ(m_client.FramesOf(0).size(), 4u) << "no reply for a deleted user";
}

TEST_F(PeerTransfers, MessageIsFetchedThenTakenBackAsPlainText) {
    m_client.SendRecord(8, "MSG 4712");
    const auto t = Receive(8);
    ASSERT_TRUE(t);
    EXPECT_TRUE(t->data.contains("Antenna for sale"));

    m_client.Write("Edited text\nsecond line\n\x1a\n");
    m_client.SendRecord(8, "MSG 4712");
    const auto again = Receive(8);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->data, "Edited text\nsecond line\n");

    // Compose a new one, then give up: nothing is stored, and console lines work again.
    m_peer->SendNotice(peer::kComposeMessage);
    m_client.Write("\n/ABORT\n");
    m_client.SendOptions(140 | 32);
    m_client.Write("after\n");
    const auto echo = m_client.WaitFor(32);
    ASSERT_TRUE(echo);
    EXPECT_EQ(echo->payload.mid(3), "after\n");
}

// The sysop's console commands hand the editor a message to answer or to write; the text that
// comes back is stored, an unknown message number gets no notice.
TEST_F(PeerTransfers, ConsoleCommandsHandTheEditorAMessage) {
    m_client.Write("EDIT 4713\n");
    const auto edit = m_client.WaitFor(128);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->payload, QByteArray("\x04") + "4713");
    m_client.Write("Answered\nin two lines\n\x1a\n");
    m_client.SendRecord(8, "MSG 4713");
    const auto stored = Receive(8);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->data, "Answered\nin two lines\n");
    m_client.Write("\n/ABORT\n");  // the fetch asked for an answer too

    m_client.Write("compose\n");
    const auto compose = m_client.WaitFor(128);
    ASSERT_TRUE(compose);
    EXPECT_EQ(compose->payload, "\x03");
    m_client.Write("\n/ABORT\n");
    m_client.Write("EDIT 99999999\n");
    m_client.Write("EDIT\n");
    SendMarkerAndWait();
    EXPECT_EQ(m_client.FramesOf(128).size(), 2u);
}

TEST_F(PeerTransfers, UnknownKindsAndAMissingPactorControllerGetNoAnswer) {
    m_client.SendRecord(10, "SCAN 1 1");  // no Pactor controller configured
    m_client.SendRecord(11, "whatever");
    m_client.SendRecord(255, QByteArray(3000, 'z'));
    SendMarkerAndWait();
    EXPECT_EQ(m_client.FramesOf(0).size(), 1u);  // the marker's answer
    EXPECT_TRUE(m_client.IsOpen());
}

}  // namespace
}  // namespace brxw::test
