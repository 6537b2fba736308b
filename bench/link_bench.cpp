// SPDX-License-Identifier: GPL-3.0-or-later
// B1: frames per second from the socket into the window rings. The reference peer floods each
// reader with the same numbered frames (monitoring, console, channel, monitoring; 69-byte lines)
// as fast as the socket takes them. Per run, three readers take one flood each:
//   - the program: session, receive thread, queue, dispatch and the four traffic windows,
//     offscreen;
//   - a plain reader doing only select, a header recv and a payload recv per frame;
//   - a reader doing one large recv at a time and cutting the frames in place.
// Each is timed from the request the peer floods on (the program's options update, the plain
// readers' login reply) to the flood's last frame; the plain readers only count the frames.
// Usage: brxw_link_bench [frames-per-flood]. It reports; it never fails on time.
// With QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 it measures with accessibility on and a listener
// attached (bench_panel.h).
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench_panel.h"
#include "bench_stats.h"
#include "link/login.h"
#include "panel/control_panel.h"
#include "peer/lib/flood.h"
#include "support/running_peer.h"
#include "textwin/text_ring.h"
#include "textwin/text_wnd.h"
#include "textwin/traffic_dlg.h"

namespace {

using brxw::bench::kRuns;
using brxw::bench::Row;

constexpr int kAllTraffic = 16 | 32 | 64;

// A frame of the flood: traffic whose text (after channel, colour and a zero) starts "flood ".
bool IsFloodFrame(const char* payload, std::size_t length) {
    return length > 9 && std::memcmp(payload + 3, "flood ", 6) == 0;
}

class PlainReader {
public:
    explicit PlainReader(quint16 port) {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            return;
        }
        // Subscribed to every traffic category from the login on: the peer floods at once.
        Send(brxw::LoginLine(kAllTraffic, "Q0QQQ"));
        char challenge[256];
        const ssize_t got = ::recv(m_fd, challenge, sizeof challenge, 0);
        if (got <= 0) {
            return;
        }
        m_reply = brxw::LoginReply(
            brxw::ChallengeWord(std::string_view(challenge, std::size_t(got))), "7305");
        m_ok = true;
    }
    ~PlainReader() { ::close(m_fd); }
    PlainReader(const PlainReader&) = delete;
    PlainReader& operator=(const PlainReader&) = delete;

    // select, then a header recv and a payload recv per frame. Seconds from the login reply
    // (the peer floods on it) to the flood's last frame; negative when the stream ended early.
    double FrameByFrame(int frames) {
        char buffer[4 + 1020];
        int seen = 0;
        QElapsedTimer clock;
        clock.start();
        Send(m_reply);
        while (m_ok && seen < frames) {
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(m_fd, &readable);
            if (::select(m_fd + 1, &readable, nullptr, nullptr, nullptr) <= 0 ||
                !ReadExactly(buffer, 4)) {
                break;
            }
            const std::size_t length =
                std::size_t(std::uint8_t(buffer[2])) | std::size_t(std::uint8_t(buffer[3])) << 8;
            if (length > 1020 || !ReadExactly(buffer + 4, length)) {
                break;
            }
            seen += IsFloodFrame(buffer + 4, length) ? 1 : 0;
        }
        return seen == frames ? clock.nsecsElapsed() / 1e9 : -1;
    }

    // One large recv at a time, the frames cut in place.
    double Buffered(int frames) {
        std::vector<char> buffer(1 << 20);
        std::size_t held = 0;
        int seen = 0;
        QElapsedTimer clock;
        clock.start();
        Send(m_reply);
        while (m_ok && seen < frames) {
            const ssize_t got = ::recv(m_fd, buffer.data() + held, buffer.size() - held, 0);
            if (got <= 0) {
                break;
            }
            held += std::size_t(got);
            std::size_t at = 0;
            while (held - at >= 4) {
                const std::size_t length = std::size_t(std::uint8_t(buffer[at + 2])) |
                                           std::size_t(std::uint8_t(buffer[at + 3])) << 8;
                if (held - at < 4 + length) {
                    break;
                }
                seen += IsFloodFrame(buffer.data() + at + 4, length) ? 1 : 0;
                at += 4 + length;
            }
            std::memmove(buffer.data(), buffer.data() + at, held - at);
            held -= at;
        }
        return seen == frames ? clock.nsecsElapsed() / 1e9 : -1;
    }

private:
    void Send(const std::string& bytes) {
        m_ok = ::send(m_fd, bytes.data(), bytes.size(), MSG_NOSIGNAL) == ssize_t(bytes.size());
    }
    bool ReadExactly(char* into, std::size_t count) {
        std::size_t done = 0;
        while (done < count) {
            const ssize_t got = ::recv(m_fd, into + done, count - done, 0);
            if (got <= 0) {
                return false;
            }
            done += std::size_t(got);
        }
        return true;
    }

    int m_fd = -1;
    bool m_ok = false;
    std::string m_reply;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    int frames = argc > 1 ? std::max(4, atoi(argv[1])) : 100000;
    frames -= frames % 4;  // the last frame of a flood is a monitoring frame

    brxw::peer::PeerConfig peerConfig;
    peerConfig.floodFrames = frames;
    peerConfig.floodMix = brxw::peer::FloodMix{{16, 32, 64, 16}, 4};
    brxw::test::RunningPeer peer(peerConfig);

    QTemporaryDir dir;
    brxw::AppConfig config(dir.filePath(QStringLiteral("BrxW.ini")));
    brxw::bench::SaveLoopbackProfile(config, peer.Port());
    brxw::CControlPanel panel(config, brxw::Session::Timing{10, 3600 * 1000});
    panel.show();
    panel.Initialise("");
    const std::shared_ptr<brxw::bench::Listened> told = brxw::bench::ListenIfAsked();

    // One flood into the program's windows: each time the monitoring window opens again, the
    // client subscribes anew and the peer floods it. Seconds from that options update to the
    // flood's last line stored; negative when the flood did not arrive within a minute.
    const auto program = [&](bool first) {
        QElapsedTimer clock;
        clock.start();  // the warm-up's time includes the login
        if (first) {
            if (!brxw::bench::LogInWithAllWindows(panel)) {
                return -1.0;
            }
        } else {
            panel.OnCommand(brxw::cmd::kMonitoringWindow);  // closes it
            clock.start();
            panel.OnCommand(brxw::cmd::kMonitoringWindow);
        }
        const brxw::TextRing& ring = panel.Monitoring()->TextView()->Ring();
        const std::uint64_t before = ring.Revision();
        const std::uint64_t lines = std::uint64_t(frames) / 2;
        QEventLoop loop;
        QTimer poll;
        poll.setTimerType(Qt::PreciseTimer);
        poll.setInterval(1);
        bool done = false;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (ring.Revision() - before >= lines) {
                done = true;
                loop.quit();
            }
        });
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        poll.start();
        loop.exec();
        return done ? clock.nsecsElapsed() / 1e9 : -1.0;
    };

    bool complete = program(true) > 0;  // a warm-up: log in, open the windows, one flood
    {
        PlainReader warm(peer.Port());
        complete = complete && warm.Buffered(frames) > 0;
    }
    std::vector<double> rate, byFrameRatio, bufferedRatio, byFrameRate, bufferedRate;
    for (int run = 0; run < kRuns && complete; ++run) {
        const double programSeconds = program(false);
        PlainReader first(peer.Port());
        const double byFrameSeconds = first.FrameByFrame(frames);
        PlainReader second(peer.Port());
        const double bufferedSeconds = second.Buffered(frames);
        if (programSeconds <= 0 || byFrameSeconds <= 0 || bufferedSeconds <= 0) {
            complete = false;
            break;
        }
        rate.push_back(frames / programSeconds);
        byFrameRate.push_back(frames / byFrameSeconds);
        bufferedRate.push_back(frames / bufferedSeconds);
        byFrameRatio.push_back(rate.back() / byFrameRate.back());
        bufferedRatio.push_back(rate.back() / bufferedRate.back());
    }
    std::printf("(B1: %d frames per flood, %zu runs)\n", frames, rate.size());
    if (told) {
        std::printf("(B1: accessibility on, a stand-in listener: %lld text events)\n",
                    told->events);
    }
    if (!complete) {
        std::printf("(B1: a flood did not arrive whole)\n");
        return 1;
    }
    // Rows measured with accessibility on say so, so that both kinds can stand in one table.
    const std::string on = told ? ", accessibility on with a listener" : "";
    Row("B1",
        (std::string("frames/s, socket to window ring ÷ a reader doing select + header recv + "
                     "payload recv") +
         on)
            .c_str(),
        rate, "frames/s", byFrameRatio, "≥ 0.9");
    Row("B1",
        (std::string("frames/s, socket to window ring ÷ one large buffered recv parsed in place") +
         on)
            .c_str(),
        rate, "frames/s", bufferedRatio, "≥ 0.2");
    Row("B1", (std::string("the select + header + payload reader (reference)") + on).c_str(),
        byFrameRate, "frames/s", byFrameRatio, "—");
    Row("B1", (std::string("the buffered reader (reference)") + on).c_str(), bufferedRate,
        "frames/s", bufferedRatio, "—");
    return 0;
}
