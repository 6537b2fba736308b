// SPDX-License-Identifier: GPL-3.0-or-later
#include "peer/lib/request_handler.h"

#include "peer/lib/bbs_store.h"
#include "peer/lib/peer_connection.h"
#include "peer/lib/peer_wire.h"
#include "peer/lib/root_folder.h"
#include "peer/lib/station_table.h"

#include <optional>

namespace brxw::peer {

namespace {

// The request text, which ends at a zero byte if one slipped in.
QByteArray Text(const QByteArray& payload) {
    const qsizetype zero = payload.indexOf('\0');
    return zero < 0 ? payload : payload.left(zero);
}

QByteArrayList Words(const QByteArray& text) {
    return text.simplified().split(' ');
}

QString Printable(QByteArrayView bytes) {
    QString out;
    for (const char c : bytes.first(std::min<qsizetype>(bytes.size(), 80))) {
        const auto u = static_cast<unsigned char>(c);
        out += (u >= 0x20 && u < 0x7f) ? QChar(c) : QChar(u'.');
    }
    return out;
}

// One log line for a record written, added or deleted, or refused.
void LogChange(const std::function<void(const QString&)>& log, const char* what,
               const QByteArray& verb, const QByteArray& key, bool done) {
    log(QStringLiteral("%1 %2 %3%4")
            .arg(QString::fromLatin1(verb), QString::fromLatin1(what), Printable(key),
                 done ? QString() : QStringLiteral(" refused")));
}

// A list with nothing in it is only announced, with size 0: the client then creates its file
// empty and opens the list at once, and would read an end frame as a new announcement.
void SendList(PeerConnection& connection, quint8 kind, QByteArrayView name, const QByteArray& data,
              int pieceSize) {
    if (data.isEmpty()) {
        connection.SendFrame(kReply, kind, name.toByteArray() + '\0' + '0');
        return;
    }
    SendTransfer(connection, kind, name, data, pieceSize);
}

}  // namespace

void SendTransfer(PeerConnection& connection, quint8 kind, QByteArrayView name, QByteArrayView data,
                  int pieceSize, qint64 announcedSize) {
    for (const QByteArray& payload : TransferPayloads(name, data, pieceSize, announcedSize)) {
        if (!connection.SendFrame(kReply, kind, payload)) {
            return;
        }
    }
}

RequestHandler::RequestHandler(BbsStore& store, RootFolder& root, const StationTable& stations,
                               int pieceSize, int pactorPort, Hooks hooks)
    : m_store(store),
      m_root(root),
      m_stations(stations),
      m_pieceSize(pieceSize),
      m_pactorPort(pactorPort),
      m_hooks(std::move(hooks)) {}

void RequestHandler::HandleRecord(PeerConnection& connection, quint8 kind,
                                  const QByteArray& payload) {
    // An upload in progress takes every kind-3 frame; the path frame starts one.
    if (kind == kUpload) {
        Upload(connection, payload);
        return;
    }
    const QByteArray text = Text(payload);
    switch (kind) {
        case kDirectory:
            Directory(connection, text);
            break;
        case kFetch:
            Fetch(connection, text);
            break;
        case kForward:
            Forward(connection, text);
            break;
        case kDisconnect:
            Disconnect(text);
            break;
        case kUsers:
            Users(connection, payload);
            break;
        case kMessages:
            Messages(connection, payload);
            break;
        case kMessageText:
            MessageText(connection, text);
            break;
        case kOptions:
            Options(connection, text);
            break;
        case kPactor:
            Pactor(connection, text);
            break;
        default:
            m_hooks.log(QStringLiteral("ignored request of kind %1").arg(kind));
            break;
    }
}

void RequestHandler::Directory(PeerConnection& connection, const QByteArray& path) {
    const auto listing = m_root.Listing(path);
    if (!listing) {
        m_hooks.log(QStringLiteral("refused listing of \"%1\"").arg(Printable(path)));
        return;
    }
    const QByteArray name = path.isEmpty() || path == "/" ? QByteArray("/") : path;
    SendList(connection, kDirectory, name, *listing, m_pieceSize);
}

void RequestHandler::Fetch(PeerConnection& connection, const QByteArray& path) {
    const auto bytes = m_root.ReadFile(path);
    if (!bytes) {
        m_hooks.log(QStringLiteral("refused fetch of \"%1\"").arg(Printable(path)));
        return;
    }
    SendTransfer(connection, kFetch, path, *bytes, m_pieceSize);
}

void RequestHandler::Upload(PeerConnection& connection, const QByteArray& payload) {
    PeerConnection::Upload& upload = connection.CurrentUpload();
    if (!upload.active) {
        if (payload.isEmpty()) {
            return;  // an end frame without a path: nothing to store
        }
        upload = PeerConnection::Upload{};
        upload.active = true;
        upload.path = Text(payload).left(RootFolder::kMaxPathBytes + 1);
        return;
    }
    if (!payload.isEmpty()) {
        if (upload.data.size() + payload.size() > kMaxUpload) {
            upload.overflow = true;
        } else {
            upload.data += payload;
        }
        return;
    }
    const bool stored = !upload.overflow && m_root.StoreFile(upload.path, upload.data);
    m_hooks.log(QStringLiteral("%1 upload of \"%2\" (%3 bytes)")
                    .arg(stored ? QStringLiteral("stored") : QStringLiteral("refused"),
                         Printable(upload.path))
                    .arg(upload.data.size()));
    upload = PeerConnection::Upload{};
}

void RequestHandler::Forward(PeerConnection& connection, const QByteArray& text) {
    const QByteArrayList words = Words(text);
    if (words.value(0) == "LIST") {
        SendList(connection, kForward, "forward", m_store.ForwardList(), m_pieceSize);
    } else if ((words.value(0) == "START" || words.value(0) == "STOP") && words.size() == 2) {
        bool ok = false;
        const int index = words[1].toInt(&ok);
        const bool start = words[0] == "START";
        const bool done = ok && (start ? m_store.StartForward(index) : m_store.StopForward(index));
        LogChange(m_hooks.log, "forward", start ? "start" : "stop", words[1], done);
    }
}

void RequestHandler::Disconnect(const QByteArray& text) {
    // "%02d %s %d": channel, callsign, 1 for an immediate disconnect.
    const QByteArrayList words = Words(text);
    bool ok = false;
    const int channel = words.value(0).toInt(&ok);
    if (!ok || words.size() < 2) {
        return;
    }
    const PeerStation* station = m_stations.Find(channel);
    if (station != nullptr && station->callsign.toUpper() == words[1].toUpper()) {
        m_hooks.log(QStringLiteral("disconnecting channel %1 (%2)")
                        .arg(channel)
                        .arg(QString::fromLatin1(station->callsign)));
        m_hooks.removeStation(channel);
    }
}

void RequestHandler::Users(PeerConnection& connection, const QByteArray& payload) {
    const QByteArray text = Text(payload);
    const QByteArrayList words = Words(text);
    const QByteArray verb = words.value(0);
    if (verb == "LIST") {
        SendList(connection, kUsers, "users", m_store.UserKeyList(), m_pieceSize);
    } else if (verb == "GET") {
        if (const auto reply = m_store.UserReply(words.value(1))) {
            connection.SendFrame(kReply, kUsers, *reply);
        }
    } else if (verb == "PUT" || verb == "NEW" || verb == "DEL") {
        const bool done = verb == "PUT"   ? m_store.PutUser(text)
                          : verb == "NEW" ? m_store.NewUser(words.value(1))
                                          : m_store.DeleteUser(words.value(1));
        LogChange(m_hooks.log, "user", verb, words.value(1), done);
    }
}

void RequestHandler::Messages(PeerConnection& connection, const QByteArray& payload) {
    const QByteArray text = Text(payload);
    const QByteArrayList words = Words(text);
    const QByteArray verb = words.value(0);
    if (verb == "LIST") {
        SendList(connection, kMessages, "messages", m_store.MessageKeyList(), m_pieceSize);
    } else if (verb == "GET") {
        if (const auto reply = m_store.MessageReply(words.value(1))) {
            connection.SendFrame(kReply, kMessages, *reply);
        }
    } else if (verb == "PUT") {
        LogChange(m_hooks.log, "message", verb, words.value(1), m_store.PutMessage(text));
    }
}

void RequestHandler::MessageText(PeerConnection& connection, const QByteArray& text) {
    // "MSG %ld": the client will send the edited text back as plain text.
    const QByteArrayList words = Words(text);
    bool ok = false;
    const qint64 number = words.value(1).toLongLong(&ok);
    if (words.value(0) != "MSG" || !ok) {
        return;
    }
    const auto body = m_store.MessageText(number);
    if (!body) {
        m_hooks.log(QStringLiteral("no message %1").arg(number));
        return;
    }
    connection.ExpectMessage(number);
    SendTransfer(connection, kMessageText, "msg" + QByteArray::number(number) + ".txt", *body,
                 m_pieceSize);
}

void RequestHandler::Options(PeerConnection& connection, const QByteArray& text) {
    // "GET", or "SET %c %d"; anything else is refused without an answer.
    const QByteArrayList words = Words(text);
    if (words.value(0) == "GET" && words.size() == 1) {
        connection.SendFrame(kReply, kOptions, m_store.OptionList());
        return;
    }
    bool ok = false;
    const int value = words.value(2).toInt(&ok);
    if (words.value(0) != "SET" || words.size() != 3 || words[1].size() != 1 || !ok) {
        m_hooks.log(QStringLiteral("refused option request \"%1\"").arg(Printable(text)));
        return;
    }
    // The client's check marks follow the list: a change goes to every client, an
    // unchanged or unknown option is answered with the list as it stands.
    if (m_store.SetOption(words[1][0], value)) {
        m_hooks.optionsChanged();
    } else {
        connection.SendFrame(kReply, kOptions, m_store.OptionList());
    }
}

void RequestHandler::Pactor(PeerConnection& connection, const QByteArray& text) {
    // "SCAN %d %d", "BRK %d" and "CHO %d", each for our controller's port.
    const QByteArrayList words = Words(text);
    const QByteArray verb = words.value(0);
    bool portOk = false;
    const int port = words.value(1).toInt(&portOk);
    bool valueOk = false;
    const int value = words.value(2).toInt(&valueOk);
    std::optional<PactorChange> change;
    if (m_pactorPort >= 0 && portOk && port == m_pactorPort) {
        if (verb == "SCAN" && words.size() == 3 && valueOk) {
            change = value != 0 ? PactorChange::ScanOn : PactorChange::ScanOff;
        } else if (verb == "BRK" && words.size() == 2) {
            change = PactorChange::BreakIn;
        } else if (verb == "CHO" && words.size() == 2) {
            change = PactorChange::ChangeOver;
        }
    }
    if (!change) {
        m_hooks.log(QStringLiteral("refused Pactor request \"%1\"").arg(Printable(text)));
        return;
    }
    m_hooks.pactor(connection, *change);
}

void RequestHandler::HandleConsoleLine(PeerConnection& connection, const QByteArray& line) {
    connection.SendStream(kConsole, 0, TrafficPayload(0, 0, line + '\n'));
    // Two console commands hand the sysop's editor a message: "COMPOSE" a new one, "EDIT n"
    // message n. Either way the text that comes back is taken as message text.
    const QByteArrayList words = Words(line);
    const QByteArray verb = words.value(0).toUpper();
    if (verb == "COMPOSE" && words.size() == 1) {
        if (connection.SendStream(kNotice, 0, NoticePayload(kComposeMessage, {}))) {
            connection.ExpectMessage(-1);
        }
    } else if (verb == "EDIT" && words.size() == 2) {
        bool ok = false;
        const qint64 number = words[1].toLongLong(&ok);
        if (ok && m_store.MessageText(number) &&
            connection.SendStream(kNotice, 0, NoticePayload(kEditMessage, words[1]))) {
            connection.ExpectMessage(number);
        }
    }
}

void RequestHandler::HandleMessage(PeerConnection& connection, const ClientEvent& event) {
    const qint64 wanted = connection.ExpectedMessage();
    if (event.type == ClientEvent::Type::MessageAborted) {
        m_hooks.log(QStringLiteral("message aborted"));
        return;
    }
    const qint64 number = m_store.StoreMessageText(wanted, event.text);
    m_hooks.log(QStringLiteral("message %1 stored (%2 bytes)").arg(number).arg(event.text.size()));
}

}  // namespace brxw::peer
