// SPDX-License-Identifier: GPL-3.0-or-later
#include "peer/lib/client_stream_parser.h"

#include <algorithm>
#include <ostream>

namespace brxw::peer {

namespace {

constexpr char kCtrlZ = 26;
const QByteArray kAbort = QByteArrayLiteral("\n/ABORT\n");
constexpr qsizetype kTailKeep = 8;  // enough for "\n/ABORT\n" and 26 10

}  // namespace

void PrintTo(const ClientEvent& event, std::ostream* os) {
    static const char* const kTypes[] = {"ConsoleLine", "OptionsUpdate", "Record", "MessageText",
                                         "MessageAborted"};
    *os << '{' << kTypes[static_cast<int>(event.type)] << ", kind " << int(event.kind)
        << ", options " << int(event.options) << ", \"" << event.text.toStdString() << '"'
        << (event.truncated ? ", truncated" : "") << '}';
}

void ClientStreamParser::SetMessageMode(bool on) {
    m_messageMode = on;
    m_message.clear();
    m_messageTail.clear();
    m_messageTruncated = false;
}

void ClientStreamParser::Append(QByteArrayView bytes) {
    if (m_pos >= m_input.size()) {
        m_input.clear();
        m_pos = 0;
    } else if (m_pos > 0) {
        m_input.remove(0, m_pos);
        m_pos = 0;
    }
    m_input.append(bytes);
}

bool ClientStreamParser::Next(ClientEvent& event) {
    while (m_pos < m_input.size()) {
        const char byte = m_input[m_pos++];
        switch (m_state) {
            case State::Text:
                if (byte == '\0') {
                    m_state = State::RecordKind;
                    break;
                }
                if (m_messageMode ? TakeMessageByte(byte, event) : TakeTextByte(byte, event)) {
                    return true;
                }
                break;
            case State::RecordKind:
                m_kind = static_cast<quint8>(byte);
                m_state = m_kind == 0 ? State::OptionsByte : State::LengthLow;
                break;
            case State::OptionsByte:
                m_state = State::Text;
                event = ClientEvent{};
                event.type = ClientEvent::Type::OptionsUpdate;
                event.options = static_cast<quint8>(byte);
                return true;
            case State::LengthLow:
                m_length = static_cast<quint8>(byte);
                m_state = State::LengthHigh;
                break;
            case State::LengthHigh:
                m_length |= static_cast<quint8>(byte) << 8;
                m_payload.clear();
                m_state = State::Payload;
                if (m_length == 0) {
                    m_state = State::Text;
                    event = ClientEvent{};
                    event.type = ClientEvent::Type::Record;
                    event.kind = m_kind;
                    return true;
                }
                m_payload.reserve(m_length);
                break;
            case State::Payload: {
                // Take as much of the payload as is queued in one go.
                --m_pos;
                const qsizetype take =
                    std::min<qsizetype>(m_length - m_payload.size(), m_input.size() - m_pos);
                m_payload.append(m_input.constData() + m_pos, take);
                m_pos += take;
                if (m_payload.size() == m_length) {
                    m_state = State::Text;
                    event = ClientEvent{};
                    event.type = ClientEvent::Type::Record;
                    event.kind = m_kind;
                    event.text = std::move(m_payload);
                    m_payload = QByteArray();
                    return true;
                }
                break;
            }
        }
    }
    return false;
}

bool ClientStreamParser::TakeTextByte(char byte, ClientEvent& event) {
    if (byte != '\n') {
        if (m_line.size() < kMaxConsoleLine) {
            m_line.append(byte);
        } else {
            m_lineTruncated = true;
        }
        return false;
    }
    event = ClientEvent{};
    event.type = ClientEvent::Type::ConsoleLine;
    if (m_line.endsWith('\r')) {
        m_line.chop(1);
    }
    event.text = std::move(m_line);
    event.truncated = m_lineTruncated;
    m_line = QByteArray();
    m_lineTruncated = false;
    return true;
}

bool ClientStreamParser::TakeMessageByte(char byte, ClientEvent& event) {
    if (m_message.size() < kMaxMessage) {
        m_message.append(byte);
    } else {
        m_messageTruncated = true;
    }
    m_messageTail.append(byte);
    if (m_messageTail.size() > kTailKeep) {
        m_messageTail.remove(0, m_messageTail.size() - kTailKeep);
    }
    if (byte != '\n') {
        return false;
    }

    const bool ended = m_messageTail.endsWith(QByteArrayView("\x1a\n", 2));
    const bool aborted = !ended && m_messageTail.endsWith(kAbort);
    if (!ended && !aborted) {
        return false;
    }
    event = ClientEvent{};
    if (ended) {
        event.type = ClientEvent::Type::MessageText;
        // Cut the terminator when it is inside the kept text.
        if (!m_messageTruncated) {
            m_message.chop(2);
        } else if (m_message.endsWith(kCtrlZ)) {
            m_message.chop(1);
        }
        event.text = std::move(m_message);
        event.truncated = m_messageTruncated;
    } else {
        event.type = ClientEvent::Type::MessageAborted;
    }
    m_messageMode = false;
    m_message = QByteArray();
    m_messageTail.clear();
    m_messageTruncated = false;
    return true;
}

}  // namespace brxw::peer
