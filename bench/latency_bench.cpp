// SPDX-License-Identifier: GPL-3.0-or-later
// B7: the latency the operator feels, with the four traffic windows shown, offscreen.
// - Frame to screen: from the receive thread's read that brought a frame's last byte to the end
//   of the monitoring window's first paint that began with the frame's line in its ring.
// - Enter to wire: from the Enter key's event entering the queue of the user-interface thread
//   to the console line's bytes handed to the socket.
// Each is measured at 10 probe frames (and 10 Enter keys) a second on a quiet link, then with the
// same probes inside a flood of 20 000 frames/s (numbered monitoring, console and channel
// frames in writes of 10 ms worth, as B2). The times are taken in the program by the link's
// probes (link/latency_probe.h) and by a filter around the window's paint; nothing sleeps but
// the feeder that paces the flood. The references are the same paths' floor in the same run: a
// plain socket read on a thread posted to a widget's update() until that widget's paint ends,
// and a QLineEdit whose returnPressed writes to a socket.
// Usage: brxw_latency_bench [seconds-per-phase]. It reports; it never fails on time.
#include <sys/socket.h>
#include <unistd.h>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "bench_panel.h"
#include "bench_stats.h"
#include "config/app_config.h"
#include "link/latency_probe.h"
#include "panel/control_panel.h"
#include "peer/lib/flood.h"
#include "peer/lib/peer_wire.h"
#include "support/running_peer.h"
#include "support/wait.h"
#include "textwin/console_dlg.h"
#include "textwin/input_edit.h"
#include "textwin/text_ring.h"
#include "textwin/text_wnd.h"
#include "textwin/traffic_dlg.h"

namespace {

using brxw::bench::kRuns;
using brxw::bench::Row;
using Clock = brxw::probe::Clock;

constexpr int kProbeIntervalMs = 100;  // 10 probes a second
constexpr int kFloodFramesPerSecond = 20000;
constexpr int kSliceMs = 10;
constexpr int kFloodFramesPerSlice = kFloodFramesPerSecond * kSliceMs / 1000;
constexpr int kMaxProbes = 1 << 16;

long long Ns(Clock::time_point at) {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(at.time_since_epoch()).count();
}

// Per probe number: when its frame's last byte was read, when its Enter was posted and when its
// line was written; 0 until then.
std::array<std::atomic<long long>, kMaxProbes> g_arrived{};
std::array<std::atomic<long long>, kMaxProbes> g_posted{};
std::array<std::atomic<long long>, kMaxProbes> g_written{};

// The number after each `tag` in bytes, stamped with at.
void StampTagged(std::string_view bytes, std::string_view tag, Clock::time_point at,
                 std::array<std::atomic<long long>, kMaxProbes>& stamps) {
    for (std::size_t at0 = bytes.find(tag); at0 != std::string_view::npos;
         at0 = bytes.find(tag, at0 + tag.size())) {
        const int n = std::atoi(std::string(bytes.substr(at0 + tag.size(), 8)).c_str());
        if (n > 0 && n < kMaxProbes) {
            stamps[static_cast<std::size_t>(n)].store(Ns(at));
        }
    }
}

void OnFramesRead(std::string_view bytes, Clock::time_point at) {
    StampTagged(bytes, "probe ", at, g_arrived);
}

void OnBytesWritten(std::string_view bytes, Clock::time_point at) {
    StampTagged(bytes, "enter ", at, g_written);
}

double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(fraction * double(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

// Opens the scroll area's viewportEvent, through which its viewport's paint reaches the window.
struct ScrollAreaOpener : QAbstractScrollArea {
    using QAbstractScrollArea::viewportEvent;
};

// Paints the text window itself from its viewport's paint event and stamps the end of the paint
// for every probe line that was in the ring when the paint began.
class PaintStamper : public QObject {
public:
    explicit PaintStamper(brxw::CTextWnd& view) : m_view(view) {
        view.viewport()->installEventFilter(this);
    }
    void Expect(int next) { m_next = next; }
    std::vector<double> latenciesMs;

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Paint) {
            return false;
        }
        const int newest = NewestProbe();
        bool (QAbstractScrollArea::*paint)(QEvent*) = &ScrollAreaOpener::viewportEvent;
        (m_view.*paint)(event);
        const long long done = Ns(Clock::now());
        for (; m_next > 0 && m_next <= newest; ++m_next) {
            const long long arrived = g_arrived[static_cast<std::size_t>(m_next)].load();
            if (arrived != 0) {
                latenciesMs.push_back(double(done - arrived) / 1e6);
            }
        }
        return true;
    }

private:
    // The number of the newest "probe <n>" line in the ring, 0 for none.
    int NewestProbe() const {
        const brxw::TextRing& ring = m_view.Ring();
        if (!ring.Allocated()) {
            return 0;
        }
        for (int back = 0; back < ring.LineCount(); ++back) {
            const std::string_view cells =
                ring.Line(brxw::WrapSlot(ring.WriteLine() - back)).Cells();
            if (cells.substr(0, 6) == "probe ") {
                return std::atoi(std::string(cells.substr(6, 8)).c_str());
            }
        }
        return 0;
    }

    brxw::CTextWnd& m_view;
    int m_next = 0;
};

// The floor of the frame path: a thread's blocking read of a socket, posted to a widget's
// update(); stamped when that widget's paint ends.
class FloorWidget : public QWidget {
public:
    std::atomic<long long> readAt{0};
    std::vector<double> latenciesMs;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.drawText(rect(), Qt::AlignLeft, QStringLiteral("probe"));
        painter.end();
        const long long read = readAt.exchange(0);
        if (read != 0) {
            latenciesMs.push_back(double(Ns(Clock::now()) - read) / 1e6);
        }
    }
};

struct Floors {
    std::vector<double> frameMs;
    std::vector<double> enterMs;
};

// Runs both floors for `probes` probes, 10 a second.
Floors MeasureFloors(int probes) {
    Floors floors;
    int frameFds[2];
    int enterFds[2];
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, frameFds) != 0 ||
        socketpair(AF_UNIX, SOCK_STREAM, 0, enterFds) != 0) {
        return floors;
    }
    FloorWidget widget;
    widget.resize(590, 300);
    widget.show();
    QLineEdit line;
    line.show();
    long long enterPosted = 0;
    QObject::connect(&line, &QLineEdit::returnPressed, [&] {
        const QByteArray bytes = line.text().toLatin1() + "\r";
        if (::send(enterFds[0], bytes.constData(), size_t(bytes.size()), 0) > 0) {
            floors.enterMs.push_back(double(Ns(Clock::now()) - enterPosted) / 1e6);
        }
        line.clear();
    });
    std::thread reader([&] {
        char byte = 0;
        while (::recv(frameFds[1], &byte, 1, 0) == 1 && byte != 'q') {
            widget.readAt.store(Ns(Clock::now()));
            QMetaObject::invokeMethod(
                &widget, [&widget] { widget.update(); }, Qt::QueuedConnection);
        }
    });
    QApplication::processEvents();
    int sent = 0;
    QEventLoop loop;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (sent++ == probes) {
            loop.quit();
            return;
        }
        ::send(frameFds[0], "p", 1, 0);
        line.setText(QStringLiteral("enter"));
        enterPosted = Ns(Clock::now());
        QCoreApplication::postEvent(
            &line, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
    });
    ticker.start(kProbeIntervalMs);
    loop.exec();
    ::send(frameFds[0], "q", 1, 0);
    reader.join();
    floors.frameMs = widget.latenciesMs;
    for (int fd : {frameFds[0], frameFds[1], enterFds[0], enterFds[1]}) {
        ::close(fd);
    }
    return floors;
}

struct PhaseResult {
    std::vector<double> frameMs;
    std::vector<double> enterMs;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const int probesPerPhase = seconds * 1000 / kProbeIntervalMs;

    QTemporaryDir dir;
    brxw::AppConfig config(dir.filePath(QStringLiteral("BrxW.ini")));
    brxw::test::RunningPeer peer;
    brxw::bench::SaveLoopbackProfile(config, peer.Port());
    brxw::CControlPanel panel(config, brxw::Session::Timing{10, 3600 * 1000});
    panel.show();
    panel.Initialise("");
    if (!brxw::bench::LogInWithAllWindows(panel)) {
        std::fprintf(stderr, "latency: no login\n");
        return 1;
    }
    std::vector<QWidget*> windows = brxw::bench::FourWindowsSubscribed(panel, peer);
    for (QWidget* window : windows) {
        window->show();
    }
    brxw::CInputEdit* input = panel.Console()->InputLine();
    std::printf("(B7: %zu windows shown, %d probes per phase)\n", windows.size(), probesPerPhase);

    brxw::probe::framesRead.store(&OnFramesRead);
    brxw::probe::bytesWritten.store(&OnBytesWritten);
    PaintStamper stamper(*panel.Monitoring()->TextView());
    const brxw::peer::FloodMix mix{{16, 32, 64, 16}, 4};
    qint64 nextFlood = 0;
    int nextProbe = 1;

    const auto phase = [&](bool flood) {
        PhaseResult result;
        const int first = nextProbe;
        nextProbe += probesPerPhase;
        stamper.latenciesMs.clear();
        stamper.Expect(first);
        // The flood's slices are built beforehand, so that the feeder only writes.
        std::vector<QByteArray> slices;
        if (flood) {
            const int sliceCount = probesPerPhase * kProbeIntervalMs / kSliceMs;
            for (int i = 0; i < sliceCount; ++i) {
                slices.push_back(brxw::peer::FloodFrames(mix, nextFlood, kFloodFramesPerSlice));
                nextFlood += kFloodFramesPerSlice;
            }
        }
        // The feeder stands for the server and the keyboard: every 10 ms a slice of the flood,
        // every 100 ms a probe frame and, 50 ms later, the console line's keys, 10 ms after them
        // Enter, queued from this thread whenever they come, busy user-interface thread or not.
        std::atomic<bool> fed{false};
        std::thread feeder([&] {
            auto next = Clock::now();
            const int ticks = probesPerPhase * kProbeIntervalMs / kSliceMs;
            for (int tick = 0; tick < ticks; ++tick) {
                if (flood) {
                    peer.Server().SendRaw(slices[static_cast<std::size_t>(tick)]);
                }
                const int n = first + tick / (kProbeIntervalMs / kSliceMs);
                if (tick % (kProbeIntervalMs / kSliceMs) == 0) {
                    const QByteArray line = "probe " + QByteArray::number(n) + '\n';
                    peer.Server().SendRaw(brxw::peer::BuildFrame(
                        brxw::peer::kMonitoring, 0, brxw::peer::TrafficPayload(0, 0, line)));
                } else if (tick % (kProbeIntervalMs / kSliceMs) == 5) {
                    for (const QChar c : QStringLiteral("enter %1").arg(n)) {
                        QCoreApplication::postEvent(
                            input, new QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString(c)));
                    }
                } else if (tick % (kProbeIntervalMs / kSliceMs) == 6) {
                    g_posted[static_cast<std::size_t>(n)].store(Ns(Clock::now()));
                    QCoreApplication::postEvent(
                        input, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
                }
                next += std::chrono::milliseconds(kSliceMs);
                std::this_thread::sleep_until(next);
            }
            fed.store(true);
        });
        QEventLoop loop;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            if (fed.load()) {
                loop.quit();
            }
        });
        ticker.start(kProbeIntervalMs);
        loop.exec();
        ticker.stop();
        feeder.join();
        // The last probes' paints and lines.
        brxw::test::WaitUntil(
            [&] {
                return g_written[static_cast<std::size_t>(nextProbe - 1)].load() != 0 &&
                       static_cast<int>(stamper.latenciesMs.size()) >= probesPerPhase - 1;
            },
            2000);
        result.frameMs = stamper.latenciesMs;
        for (int n = first; n < nextProbe; ++n) {
            const long long posted = g_posted[static_cast<std::size_t>(n)].load();
            const long long written = g_written[static_cast<std::size_t>(n)].load();
            if (posted != 0 && written != 0) {
                result.enterMs.push_back(double(written - posted) / 1e6);
            }
        }
        return result;
    };

    struct Series {
        std::vector<double> median, p99, medianRatio, p99Ratio;
        void Add(const std::vector<double>& ms, const std::vector<double>& floorMs) {
            const double m = Percentile(ms, 0.5);
            const double p = Percentile(ms, 0.99);
            median.push_back(m);
            p99.push_back(p);
            medianRatio.push_back(m / std::max(1e-6, Percentile(floorMs, 0.5)));
            p99Ratio.push_back(p / std::max(1e-6, Percentile(floorMs, 0.99)));
        }
    };
    Series quietFrame, floodFrame, quietEnter, floodEnter, floorFrame, floorEnter;
    int short_ = 0;
    for (int run = 0; run < kRuns; ++run) {
        const Floors floors = MeasureFloors(probesPerPhase);
        const PhaseResult quiet = phase(false);
        const PhaseResult flooded = phase(true);
        for (const PhaseResult* r : {&quiet, &flooded}) {
            if (static_cast<int>(r->frameMs.size()) < probesPerPhase / 2 ||
                static_cast<int>(r->enterMs.size()) < probesPerPhase / 2) {
                ++short_;
            }
        }
        quietFrame.Add(quiet.frameMs, floors.frameMs);
        floodFrame.Add(flooded.frameMs, floors.frameMs);
        quietEnter.Add(quiet.enterMs, floors.enterMs);
        floodEnter.Add(flooded.enterMs, floors.enterMs);
        floorFrame.Add(floors.frameMs, floors.frameMs);
        floorEnter.Add(floors.enterMs, floors.enterMs);
    }
    brxw::probe::framesRead.store(nullptr);
    brxw::probe::bytesWritten.store(nullptr);

    const char* frameRef = "÷ a socket read on a thread to a QWidget::update() paint";
    const auto row = [](const std::string& what, const std::vector<double>& figures,
                        const std::vector<double>& ratios, const char* target) {
        Row("B7", what.c_str(), figures, "ms", ratios, target);
    };
    row(std::string("frame to screen, 10 frames/s, four windows shown, median ") + frameRef,
        quietFrame.median, quietFrame.medianRatio, "≤ 20 ms (the figure)");
    row(std::string("frame to screen, 10 frames/s, 99th percentile ") + frameRef, quietFrame.p99,
        quietFrame.p99Ratio, "≤ 50 ms (the figure)");
    row(std::string("frame to screen during a 20 000 frames/s flood, median ") + frameRef,
        floodFrame.median, floodFrame.medianRatio, "≤ 20 ms (the figure)");
    row(std::string("frame to screen during a 20 000 frames/s flood, 99th percentile ") + frameRef,
        floodFrame.p99, floodFrame.p99Ratio, "≤ 50 ms (the figure)");
    row("the socket read to QWidget::update() paint, median (reference)", floorFrame.median,
        floorFrame.medianRatio, "—");
    row("the socket read to QWidget::update() paint, 99th percentile (reference)", floorFrame.p99,
        floorFrame.p99Ratio, "—");
    const char* enterRef = "÷ a QLineEdit's returnPressed writing to a socket";
    row(std::string("Enter in the console's input line to its bytes on the wire, 10/s, median ") +
            enterRef,
        quietEnter.median, quietEnter.medianRatio, "≤ 5 ms (the figure)");
    row(std::string("Enter to wire during a 20 000 frames/s flood, median ") + enterRef,
        floodEnter.median, floodEnter.medianRatio, "≤ 5 ms (the figure)");
    row(std::string("Enter to wire during a 20 000 frames/s flood, 99th percentile ") + enterRef,
        floodEnter.p99, floodEnter.p99Ratio, "—");
    row("the QLineEdit's Enter to the socket, median (reference)", floorEnter.median,
        floorEnter.medianRatio, "—");
    if (short_ > 0) {
        std::printf("(B7: %d phases got fewer than half their probes)\n", short_);
    }
    return short_ > 0 ? 1 : 0;
}
