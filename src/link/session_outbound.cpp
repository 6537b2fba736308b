// SPDX-License-Identifier: GPL-3.0-or-later
// The outbound operations of the session: frames, the options update, plain text, uploads and
// message text. All run on the user-interface thread and send nothing without a session socket;
// a file that was not sent is never deleted.
#include <QFile>

#include "link/dispatcher.h"
#include "link/latency_probe.h"
#include "link/message_text.h"
#include "link/session.h"
#include "link/socket_errors.h"

namespace brxw {

namespace {
constexpr qint64 kUploadPiece = 1000;
}

void Session::Send(std::string_view bytes) {
    // A send that failed part-way has broken the stream; shutting the socket down makes the
    // receive thread report the broken link, which closes the session and schedules the
    // reconnection as for any lost link. The failure is kept as the reason: the receive thread
    // sees only the end of stream that the shutdown causes.
    if (!m_socket.IsOpen()) {
        return;
    }
    if (m_socket.SendAll(bytes)) {
        if (const probe::BytesWritten written =
                probe::bytesWritten.load(std::memory_order_relaxed)) {
            written(bytes, probe::Clock::now());
        }
    } else {
        const int code = LastSocketError();
        if (!m_sendFailure) {
            // The send time-out ends a blocked send with "would block".
            m_sendFailure = code == wsa::kWouldBlock || code == wsa::kTimedOut
                                ? LinkReport{LinkReport::Kind::SendTimedOut}
                                : LinkReport{LinkReport::Kind::SendFailed, code};
        }
        m_socket.Shutdown();
    }
}

void Session::SendFrame(std::uint8_t kind, std::string_view text) {
    if (kind == kind::kFetchedFile) {
        // The fetched file comes back to the editor; its upload goes to the same path.
        m_remoteFilePath = std::string(text);
    }
    Send(EncodeFrame(kind, text));
}

void Session::SendOptions() {
    Send(EncodeOptionsUpdate(m_options));
}

void Session::SendRawText(std::string_view text) {
    Send(text);
}

bool Session::UploadFile(const QString& localPath) {
    // Without a session nothing goes out, and the file is all that is left of the operator's
    // work: it stays where it is.
    if (!m_socket.IsOpen()) {
        return false;
    }
    // Without a path the server would take the first piece of the file for one.
    if (m_remoteFilePath.empty()) {
        return false;
    }
    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;  // left in place for the operator
    }
    constexpr std::uint8_t kUploadKind = 3;
    SendFrame(kUploadKind, m_remoteFilePath);
    // Pieces of up to 1000 bytes; the upload always ends with one empty frame, also after a
    // read error, so the server never waits for the rest of a file.
    for (;;) {
        const QByteArray piece = file.read(kUploadPiece);
        SendFrame(kUploadKind, std::string_view(piece.constData(), std::size_t(piece.size())));
        if (piece.isEmpty()) {
            break;
        }
    }
    file.close();
    QFile::remove(localPath);
    return true;
}

bool Session::SendMessageText(const QString& localPath, bool abort, bool ansiCharset) {
    if (!m_socket.IsOpen()) {
        return false;  // as for an upload, the message stays in its file
    }
    if (abort) {
        SendRawText(kMessageAbort);
        QFile::remove(localPath);
        return true;
    }
    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray content = file.readAll();
    file.close();
    // Whatever was read is sent, and the terminator always follows, so the server never waits.
    SendRawText(MessageWireText(std::string_view(content.constData(), std::size_t(content.size())),
                                ansiCharset));
    QFile::remove(localPath);
    return true;
}

}  // namespace brxw
