// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The BBS's administrative data as the remote console exposes it: user records (kind 6),
// message records (kind 7) with their texts (kind 8), the pending-forward list (kind 4), the
// server options (kind 9) and the Pactor controller (kind 10). An in-memory store seeded with
// a few plausible entries, or generated at a big BBS's scale; every size is bounded. Owned by
// PeerServer; server thread only.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace brxw::peer {

// What moves the Pactor controller: the sysop's commands (scan on or off, break in while
// receiving, change over while sending) and the radio side (a caller links in, the link ends).
enum class PactorChange { ScanOn, ScanOff, BreakIn, ChangeOver, LinkUp, LinkDown };

// Numbered field lines of one record, the record exchange's unit.
using FieldMap = std::map<int, QByteArray>;

class BbsStore {
public:
    static constexpr int kMaxRecords = 1000;
    static constexpr qsizetype kMaxKey = 19;

    BbsStore();

    // Replaces the built-in records with those of dataDir/records: messages.txt and users.txt
    // ("[key]" lines, each followed by its field lines), choices.txt ("value text" lines) and
    // forward.txt ("name first second kilobytes" lines); each file only when it can be read.
    void Load(const QString& dataDir);

    // Replaces every record with a big BBS made from `seed` (the same seed, the same BBS):
    // `messages` messages numbered from 1, a tenth as many users, a five-hundredth as many
    // forward partners (at least one of each). The messages are not stored but made from their
    // number whenever asked for, until one is written; the limits on adding grow with the size.
    void Generate(int messages, std::uint64_t seed);

    // Key lists sent as the answer to "LIST".
    QByteArray UserKeyList() const;
    QByteArray MessageKeyList() const;

    // "number value" lines, at most 1020 bytes; nullopt for an unknown key.
    std::optional<QByteArray> UserReply(QByteArrayView key) const;
    std::optional<QByteArray> MessageReply(QByteArrayView key) const;

    // "PUT key length\n" followed by field lines; false when the key is unknown or the
    // request malformed.
    bool PutUser(QByteArrayView request);
    bool PutMessage(QByteArrayView request);
    bool NewUser(QByteArrayView callsign);
    bool DeleteUser(QByteArrayView callsign);

    QByteArray ForwardList() const;  // "%d %s %d %d %dK" lines
    bool StartForward(int index);
    bool StopForward(int index);
    bool ForwardActive(int index) const;

    QByteArray OptionList() const;  // a title line, then "%c %d %s" lines
    // value != 0 switches the option on; true when the option exists and changed.
    bool SetOption(char letter, int value);

    // The Pactor state's bits.
    static constexpr int kPactorLink = 1;
    static constexpr int kPactorScanning = 2;
    static constexpr int kPactorSending = 4;
    // "%d %d": port and state (1 link, 2 scanning, 4 sending).
    QByteArray PactorReport(int port) const;
    int PactorState() const { return m_pactorState; }
    // True when the state changed. Scanning switches only without a link, break-in only
    // while receiving, change-over only while sending; a link ends back in the scanning
    // state it started from.
    bool ChangePactor(PactorChange change);

    std::optional<QByteArray> MessageText(qint64 number) const;
    // Stores the text of an existing message, or of a new one when number < 0; returns the
    // number used, or -1 when the store is full.
    qint64 StoreMessageText(qint64 number, const QByteArray& text);

    int UserCount() const { return static_cast<int>(m_users.size()); }
    int MessageCount() const;
    int ForwardCount() const { return static_cast<int>(m_forward.size()); }

private:
    struct ForwardEntry {
        QByteArray name;
        int first = 0;
        int second = 0;
        int kilobytes = 0;
        bool active = false;
    };
    struct ServerOption {
        char letter = 'A';
        int value = 0;
        QByteArray label;
    };

    // The key and the known fields of a "PUT key length\n" request whose body has that length.
    static std::optional<std::pair<QByteArray, FieldMap>> ParsePut(
        QByteArrayView request, std::initializer_list<int> known);
    static QByteArray Reply(const FieldMap& fields);
    // The fields of message `number`, stored or generated; nullopt when there is none.
    std::optional<FieldMap> MessageFields(qint64 number) const;
    bool IsGenerated(qint64 number) const { return number >= 1 && number <= m_generated; }
    FieldMap GeneratedMessage(qint64 number) const;
    // The stored fields of message `number`, about to be written: a generated one is stored
    // from now on. Null when there is no such message.
    FieldMap* WrittenMessage(qint64 number);

    std::map<QByteArray, FieldMap> m_users;  // key: upper-case callsign
    std::map<qint64, FieldMap> m_messages;   // a generated one only once written
    qint64 m_generated = 0;                  // messages 1..m_generated are generated
    std::uint64_t m_generator = 0;           // their seed
    std::vector<QByteArray> m_generatedCalls;
    int m_maxRecords = kMaxRecords;
    std::map<qint64, QByteArray> m_texts;
    std::vector<ForwardEntry> m_forward;
    std::vector<std::pair<int, QByteArray>> m_choices;  // field 17's numbered choices
    std::vector<ServerOption> m_options;
    int m_pactorState = 0;
    bool m_scanBeforeLink = false;
};

}  // namespace brxw::peer
