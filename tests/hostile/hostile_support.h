// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the hostile-peer suite and the soak share: frames as the server writes them, and the
// session wired to the dispatch as the control panel wires them, with recording fakes.

#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "config/app_config.h"
#include "hostile/scripted_peer.h"
#include "link/dispatcher.h"
#include "link/session.h"
#include "support/fake_dispatch_target.h"
#include "support/fake_session_host.h"
#include "support/wait.h"

namespace brxw::test {

// One inbound frame on the wire: category, kind, 16-bit little-endian length, payload.
inline std::string WireFrame(std::uint8_t category, std::uint8_t kind, std::string_view payload,
                             std::size_t announced = std::string_view::npos) {
    const std::size_t length = announced == std::string_view::npos ? payload.size() : announced;
    std::string frame{char(category), char(kind), char(length & 0xFF), char((length >> 8) & 0xFF)};
    frame.append(payload);
    return frame;
}

// The first frame of a file transfer: name, a zero byte, the size in decimal.
inline std::string Announcement(std::uint8_t kind, std::string_view name, std::size_t size) {
    std::string payload(name);
    payload.push_back('\0');
    payload += std::to_string(size);
    return WireFrame(0, kind, payload);
}

// count bytes of any value, drawn from random.
inline std::string RandomBytes(std::mt19937& random, std::size_t count) {
    std::string bytes(count, '\0');
    for (char& c : bytes) {
        c = char(random() & 0xFF);
    }
    return bytes;
}

// Frames a confused or hostile server might send: random categories (also ones no stream uses)
// and kinds 0 to 12, with payloads that are transfer announcements whose names climb with "..",
// empty end frames, notice codes with numbers, or random bytes.
inline std::string GarbageFrames(std::mt19937& random, int count) {
    static const std::uint8_t kCategories[] = {0,  0,  0,  0,   1,   2, 4,  8,
                                               16, 32, 64, 128, 128, 3, 255};
    std::string frames;
    for (int i = 0; i < count; ++i) {
        const std::uint8_t category = kCategories[random() % std::size(kCategories)];
        const std::uint8_t kind = std::uint8_t(random() % 13);
        std::string payload;
        switch (random() % 6) {
            case 0:
            case 1:
                payload = std::string(random() % 2 == 0 ? "../" : "a/b/") +
                          std::to_string(random() % 5) + '\0' + std::to_string(random() % 300);
                break;
            case 2:
                break;
            case 3:
                payload = char(random() % 6) + std::to_string(random() % 1000);
                break;
            default:
                payload = RandomBytes(random, random() % 80);
        }
        frames += WireFrame(category, kind, payload);
    }
    return frames;
}

// As the control panel does: a session that ends drops the reception in progress.
class PanelLikeHost : public FakeSessionHost {
public:
    void SessionStateChanged(bool loggedIn) override {
        FakeSessionHost::SessionStateChanged(loggedIn);
        if (!loggedIn && dispatcher != nullptr) {
            dispatcher->SessionEnded();
        }
    }
    Dispatcher* dispatcher = nullptr;
};

// The client side of every case: profile 0 points at a ScriptedPeer; the countdown never ticks
// by itself (the cases tick it); frames go through the real dispatch into a recording target.
class HostileFixture {
public:
    HostileFixture()
        : m_config(m_dir.filePath(QStringLiteral("BrxW.ini"))),
          m_work(m_dir.filePath(QStringLiteral("work"))) {
        QDir().mkpath(m_work);
        PointProfileAt(m_peer.Port());
        m_host.dispatcher = &m_dispatcher;
        m_host.onFrame = [this](const InboundFrame& frame) { m_dispatcher.Dispatch(frame); };
        m_target.consoleCreated = true;
        m_target.monitoringCreated = true;
    }

    void PointProfileAt(int port, const std::string& host = "127.0.0.1") {
        RemoteConfig profile = AppConfig::DefaultProfile(0);
        profile.hostName = host;
        profile.port = port;
        m_config.SaveProfile(0, profile);
    }

    using State = Session::State;

    bool WaitForState(State state, int timeoutMs = 10000) {
        return WaitUntil([&] { return m_session.CurrentState() == state; }, timeoutMs);
    }
    // The peer has played its script to the end and closed: nothing more is on its way.
    bool WaitForPeerDone(int timeoutMs = 10000) {
        return WaitUntil([&] { return m_peer.Finished() == m_peer.Accepted(); }, timeoutMs);
    }
    bool LogIn() {
        const int before = m_host.logins;
        m_session.Connect(0);
        return WaitUntil([&] { return m_host.logins > before; });
    }

    QTemporaryDir m_dir;
    AppConfig m_config;
    QString m_work;
    ScriptedPeer m_peer;
    PanelLikeHost m_host;
    FakeDispatchTarget m_target;
    Session m_session{m_config, m_host, Session::Timing{10, 3600 * 1000, 5000}};
    Dispatcher m_dispatcher{m_session.Queue(), m_target, m_work};
};

}  // namespace brxw::test
