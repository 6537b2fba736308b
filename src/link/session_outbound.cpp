// The outbound operations of the session: frames, the options update, plain text, uploads and
// message text. All run on the user-interface thread and send nothing without a session socket.
#include <QFile>

#include "link/message_text.h"
#include "link/session.h"

namespace brxw {

namespace {
constexpr qint64 kUploadPiece = 1000;
}

void Session::SendFrame(std::uint8_t kind, std::string_view text) {
    if (m_socket.IsOpen()) {
        m_socket.SendAll(EncodeFrame(kind, text));
    }
}

void Session::SendOptions() {
    if (m_socket.IsOpen()) {
        m_socket.SendAll(EncodeOptionsUpdate(m_options));
    }
}

void Session::SendRawText(std::string_view text) {
    if (m_socket.IsOpen()) {
        m_socket.SendAll(text);
    }
}

void Session::UploadFile(const QString& localPath) {
    if (!m_socket.IsOpen()) {
        QFile::remove(localPath);
        return;
    }
    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return;  // left in place for the operator
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
}

void Session::SendMessageText(const QString& localPath, bool abort, bool ansiCharset) {
    if (!m_socket.IsOpen()) {
        QFile::remove(localPath);
        return;
    }
    if (abort) {
        SendRawText(kMessageAbort);
        QFile::remove(localPath);
        return;
    }
    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    const QByteArray content = file.readAll();
    file.close();
    // Whatever was read is sent, and the terminator always follows, so the server never waits.
    SendRawText(MessageWireText(std::string_view(content.constData(), std::size_t(content.size())),
                                ansiCharset));
    QFile::remove(localPath);
}

}  // namespace brxw
