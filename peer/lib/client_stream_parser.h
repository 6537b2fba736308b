// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Incremental reader of what a logged-in client sends: plain text (console lines ending in
// "\n"; while a message is expected, message text ending in the bytes 26 10, or "\n/ABORT\n")
// mixed with records that start with a zero byte (the three-byte options update 0, 0, options;
// or 0, kind, length low, length high, payload). Bytes may arrive split anywhere.
// Owned by one PeerConnection and used on its thread only. Memory stays bounded whatever
// the client sends.

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <iosfwd>

namespace brxw::peer {

struct ClientEvent {
    enum class Type {
        ConsoleLine,     // text: the line without its "\n" (and without one trailing "\r")
        OptionsUpdate,   // options: the new options byte
        Record,          // kind 1..255, text: the payload
        MessageText,     // text: the message without its terminator
        MessageAborted,  // the client gave up the message
    };
    Type type = Type::ConsoleLine;
    quint8 kind = 0;
    quint8 options = 0;
    QByteArray text;
    bool truncated = false;  // the text was cut at its limit

    bool operator==(const ClientEvent&) const = default;
};

// For test failure messages.
void PrintTo(const ClientEvent& event, std::ostream* os);

class ClientStreamParser {
public:
    static constexpr qsizetype kMaxConsoleLine = 4096;
    static constexpr qsizetype kMaxMessage = 1024 * 1024;

    // While set, plain text is message text until its terminator; reaching the terminator
    // clears it again.
    void SetMessageMode(bool on);
    bool MessageMode() const { return m_messageMode; }

    // Queues bytes for Next(). Bytes not yet consumed are kept; the caller bounds each call.
    void Append(QByteArrayView bytes);

    // Consumes queued bytes up to the end of the next complete event. False when the queued
    // bytes end before one completes (they are kept in the partial state).
    bool Next(ClientEvent& event);

    bool HasPendingInput() const { return m_pos < m_input.size(); }

private:
    enum class State { Text, RecordKind, OptionsByte, LengthLow, LengthHigh, Payload };

    bool TakeTextByte(char byte, ClientEvent& event);
    bool TakeMessageByte(char byte, ClientEvent& event);

    QByteArray m_input;
    qsizetype m_pos = 0;

    State m_state = State::Text;
    bool m_messageMode = false;

    QByteArray m_line;
    bool m_lineTruncated = false;

    QByteArray m_message;
    bool m_messageTruncated = false;
    QByteArray m_messageTail;  // last bytes of the message, kept after truncation

    quint8 m_kind = 0;
    int m_length = 0;
    QByteArray m_payload;
};

}  // namespace brxw::peer
