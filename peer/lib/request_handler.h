// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Answers what a logged-in client asks: the framed requests of kinds 1 to 10 (listings,
// fetches, uploads, forward list, disconnects, user and message records, message text,
// server options, Pactor), console lines and message text. Owned by PeerServer; server
// thread only.

#include "peer/lib/bbs_store.h"
#include "peer/lib/client_stream_parser.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace brxw::peer {

class PeerConnection;
class RootFolder;
class StationTable;

// Writes one file transfer of the kind to the connection: first frame, data frames, end frame.
void SendTransfer(PeerConnection& connection, quint8 kind, QByteArrayView name, QByteArrayView data,
                  int pieceSize, qint64 announcedSize = -1);

class RequestHandler {
public:
    struct Hooks {
        std::function<void(int channel)> removeStation;
        std::function<void(const QString&)> log;
        // A sysop's Pactor command for the controller, and a changed option list: the server
        // reports the outcome to the clients that show it.
        std::function<void(PeerConnection& asker, PactorChange change)> pactor;
        std::function<void()> optionsChanged;
    };

    static constexpr qint64 kMaxUpload = 8 * 1024 * 1024;

    RequestHandler(BbsStore& store, RootFolder& root, const StationTable& stations, int pieceSize,
                   int pactorPort, Hooks hooks);

    void HandleRecord(PeerConnection& connection, quint8 kind, const QByteArray& payload);
    void HandleConsoleLine(PeerConnection& connection, const QByteArray& line);
    void HandleMessage(PeerConnection& connection, const ClientEvent& event);

private:
    void Directory(PeerConnection& connection, const QByteArray& path);
    void Fetch(PeerConnection& connection, const QByteArray& path);
    void Upload(PeerConnection& connection, const QByteArray& payload);
    void Forward(PeerConnection& connection, const QByteArray& text);
    void Disconnect(const QByteArray& text);
    void Users(PeerConnection& connection, const QByteArray& text);
    void Messages(PeerConnection& connection, const QByteArray& text);
    void MessageText(PeerConnection& connection, const QByteArray& text);
    void Options(PeerConnection& connection, const QByteArray& text);
    void Pactor(PeerConnection& connection, const QByteArray& text);

    BbsStore& m_store;
    RootFolder& m_root;
    const StationTable& m_stations;
    int m_pieceSize;
    int m_pactorPort;
    Hooks m_hooks;
};

}  // namespace brxw::peer
