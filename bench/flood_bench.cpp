// A flood of monitoring traffic from the reference peer through the real session, dispatch and
// monitoring window, offscreen. It measures how fast frames are shown and how long the event
// loop is ever kept from running a 10 ms timer (what an operator would feel as a frozen window),
// also after the window was busy for a moment and a backlog of frames built up.
// Usage: brxw_flood_bench [frames [stall-ms]]. It reports; it never fails on time.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <thread>

#include "config/app_config.h"
#include "panel/control_panel.h"
#include "resources/command_ids.h"
#include "support/running_peer.h"
#include "support/wait.h"
#include "textwin/text_ring.h"
#include "textwin/text_wnd.h"
#include "textwin/traffic_dlg.h"

namespace {

// Counts the paints of one widget.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
    int paints = 0;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const int frames = argc > 1 ? std::max(1, atoi(argv[1])) : 20000;
    const int stallMs = argc > 2 ? std::max(0, atoi(argv[2])) : 300;

    QTemporaryDir dir;
    brxw::AppConfig config(dir.filePath(QStringLiteral("BrxW.ini")));
    brxw::test::RunningPeer peer;
    brxw::RemoteConfig profile = brxw::AppConfig::DefaultProfile(0);
    profile.hostName = "127.0.0.1";
    profile.port = peer.Port();
    config.SaveProfile(0, profile);

    brxw::CControlPanel panel(config, brxw::Session::Timing{10, 3600 * 1000});
    panel.show();
    panel.Initialise("");
    panel.OnCommand(brxw::cmd::kConnectRemote0);
    if (!brxw::test::WaitUntil([&] { return panel.GetSession().LoggedIn(); })) {
        std::fprintf(stderr, "flood: no login\n");
        return 1;
    }
    panel.OnCommand(brxw::cmd::kMonitoringWindow);
    brxw::test::WaitUntil([&] { return peer.OptionsByte() == (140 | 16); });
    PaintCounter counter;
    panel.Monitoring()->TextView()->viewport()->installEventFilter(&counter);

    // The longest wait of a 10 ms timer while the flood is shown.
    QElapsedTimer sinceTick;
    qint64 worstGap = 0;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout,
                     [&] { worstGap = std::max(worstGap, sinceTick.restart()); });

    const QByteArray line =
        "fm Q1ABC to Q2XYZ ctl I00 pid F0 [14:03] flood of monitoring traffic\n";
    const std::uint64_t baseline = panel.Monitoring()->TextView()->Ring().Revision();
    QElapsedTimer clock;
    clock.start();
    sinceTick.start();
    ticker.start();
    // The peer is fed from a thread of its own, so that feeding it costs the window nothing.
    std::thread feeder([&] {
        for (int i = 0; i < frames; ++i) {
            peer.Server().SendTraffic(16, 0, static_cast<quint8>(i % 10), line);
        }
    });
    // The window is busy for a moment (as behind a modal box) while the flood goes on, so a
    // backlog of queued frames builds up; what counts is how the window copes with it.
    std::this_thread::sleep_for(std::chrono::milliseconds(stallMs));
    sinceTick.restart();
    // Every frame shown is one append to the monitoring view's ring.
    const auto& ring = panel.Monitoring()->TextView()->Ring();
    const std::uint64_t before = baseline;
    std::uint64_t shown = 0;
    brxw::test::WaitUntil(
        [&] {
            shown = ring.Revision() - before;
            return shown >= static_cast<std::uint64_t>(frames);
        },
        120000);
    const double seconds = clock.elapsed() / 1000.0;
    ticker.stop();
    feeder.join();

    std::printf("flood: %llu monitoring frames shown in %.2f s (%.0f frames/s)\n",
                static_cast<unsigned long long>(shown), seconds, double(shown) / seconds);
    std::printf("flood: %d paints of the monitoring view (%.1f frames per paint)\n", counter.paints,
                counter.paints ? double(shown) / counter.paints : 0.0);
    std::printf("flood: after a %d ms stall, longest wait of a 10 ms timer: %lld ms\n", stallMs,
                static_cast<long long>(worstGap));
    return shown >= static_cast<std::uint64_t>(frames) ? 0 : 1;
}
