// SPDX-License-Identifier: GPL-3.0-or-later
// B2: a flood of traffic from the reference peer through the real session, dispatch and the four
// traffic windows, offscreen, at a steady 20 000 frames/s (numbered frames of monitoring, console
// and channel traffic, sent in writes of 10 ms worth). Five runs with the windows shown and five
// with them hidden (still subscribed, so every frame is still stored); per run it reports the
// paints per second of the monitoring window, the UI thread's CPU time and the longest lateness
// of a 10 ms UI timer. The main thread runs its own event loop throughout: no polling sleeps.
// Usage: brxw_flood_bench [frames-per-run]. It reports; it never fails on time.
// With QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 it measures with accessibility on and a listener
// attached (bench_panel.h).
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

#include "bench_panel.h"
#include "bench_stats.h"
#include "config/app_config.h"
#include "panel/control_panel.h"
#include "peer/lib/flood.h"
#include "resources/command_ids.h"
#include "support/running_peer.h"
#include "support/wait.h"
#include "textwin/console_dlg.h"
#include "textwin/text_ring.h"
#include "textwin/text_wnd.h"
#include "textwin/traffic_dlg.h"

namespace {

using brxw::bench::kRuns;
using brxw::bench::Row;

constexpr int kFramesPerSecond = 20000;
constexpr int kSliceMs = 10;
constexpr int kFramesPerSlice = kFramesPerSecond * kSliceMs / 1000;

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

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

struct RunResult {
    double seconds = 0;
    double paintsPerSecond = 0;
    double uiCpuSeconds = 0;
    qint64 worstLatenessMs = 0;
    bool complete = false;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    int frames = argc > 1 ? std::max(kFramesPerSlice, atoi(argv[1])) : 40000;
    frames -= frames % kFramesPerSlice;

    QTemporaryDir dir;
    brxw::AppConfig config(dir.filePath(QStringLiteral("BrxW.ini")));
    brxw::test::RunningPeer peer;
    brxw::bench::SaveLoopbackProfile(config, peer.Port());

    brxw::CControlPanel panel(config, brxw::Session::Timing{10, 3600 * 1000});
    panel.show();
    panel.Initialise("");
    if (!brxw::bench::LogInWithAllWindows(panel)) {
        std::fprintf(stderr, "flood: no login\n");
        return 1;
    }
    std::vector<QWidget*> windows = brxw::bench::FourWindowsSubscribed(panel, peer);
    std::printf("(B2: %zu windows open, options byte %d, %d frames per run)\n", windows.size(),
                peer.OptionsByte(), frames);

    for (QWidget* window : windows) {
        if (auto* text = window->findChild<brxw::CTextWnd*>()) {
            std::printf("(B2: %s shows %d rows in %d × %d px)\n", qPrintable(window->windowTitle()),
                        text->View().PageLines(), text->viewport()->width(),
                        text->viewport()->height());
        }
    }
    const std::shared_ptr<brxw::bench::Listened> told = brxw::bench::ListenIfAsked();
    double shownSeconds = 0;
    brxw::CTextWnd* monitoring = panel.Monitoring()->TextView();
    PaintCounter counter;
    monitoring->viewport()->installEventFilter(&counter);
    // Monitoring, console, channel, monitoring: the last frame of a run is a monitoring frame.
    const brxw::peer::FloodMix mix{{16, 32, 64, 16}, 4};
    qint64 nextFrame = 0;

    const auto runOnce = [&](bool shown) {
        for (QWidget* window : windows) {
            window->setVisible(shown);
        }
        QApplication::processEvents();
        counter.paints = 0;
        const std::uint64_t monitoringBefore = monitoring->Ring().Revision();
        const std::uint64_t monitoringFrames = static_cast<std::uint64_t>(frames) / 2;
        const qint64 first = nextFrame;
        nextFrame += frames;

        RunResult result;
        QEventLoop loop;
        QElapsedTimer sinceTick;
        QTimer ticker;
        ticker.setTimerType(Qt::PreciseTimer);
        ticker.setInterval(kSliceMs);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            result.worstLatenessMs =
                std::max(result.worstLatenessMs, sinceTick.restart() - kSliceMs);
            if (monitoring->Ring().Revision() - monitoringBefore >= monitoringFrames) {
                result.complete = true;
                loop.quit();
            }
        });
        QTimer giveUp;
        giveUp.setSingleShot(true);
        QObject::connect(&giveUp, &QTimer::timeout, &loop, &QEventLoop::quit);

        // The frames are built beforehand, so that the feeder only writes.
        std::vector<QByteArray> slices;
        for (qint64 at = first; at < first + frames; at += kFramesPerSlice) {
            slices.push_back(brxw::peer::FloodFrames(mix, at, kFramesPerSlice));
        }
        const double cpuBefore = ThreadCpuSeconds();
        QElapsedTimer clock;
        clock.start();
        sinceTick.start();
        ticker.start();
        giveUp.start(60000);
        std::thread feeder([&] {
            auto next = std::chrono::steady_clock::now();
            for (const QByteArray& slice : slices) {
                peer.Server().SendRaw(slice);
                next += std::chrono::milliseconds(kSliceMs);
                std::this_thread::sleep_until(next);
            }
        });
        loop.exec();
        result.seconds = clock.elapsed() / 1000.0;
        result.uiCpuSeconds = ThreadCpuSeconds() - cpuBefore;
        ticker.stop();
        feeder.join();
        result.paintsPerSecond = counter.paints / result.seconds;
        return result;
    };

    std::vector<double> paints, cpuShown, cpuHidden, cpuRatio, lateness, latenessRatio;
    bool complete = true;
    for (int run = 0; run < kRuns; ++run) {
        const RunResult hidden = runOnce(false);
        const RunResult shown = runOnce(true);
        shownSeconds += shown.seconds;
        complete = complete && hidden.complete && shown.complete;
        paints.push_back(shown.paintsPerSecond);
        cpuShown.push_back(shown.uiCpuSeconds / shown.seconds * 100.0);
        cpuHidden.push_back(hidden.uiCpuSeconds / hidden.seconds * 100.0);
        cpuRatio.push_back(shown.uiCpuSeconds / std::max(1e-6, hidden.uiCpuSeconds));
        lateness.push_back(double(shown.worstLatenessMs));
        latenessRatio.push_back(double(shown.worstLatenessMs) / 50.0);
    }
    std::vector<double> frameRate(paints.size(), double(kFramesPerSecond));
    std::vector<double> paintRatio;
    for (double p : paints) {
        paintRatio.push_back(p / 60.0);
    }
    // Rows measured with accessibility on say so, so that both kinds can stand in one table.
    const std::string on = told ? ", accessibility on with a listener" : "";
    Row("B2",
        (std::string("paints/s of the shown monitoring window at 20 000 frames/s ÷ 60") + on)
            .c_str(),
        paints, "paints/s", paintRatio, "≤ 60/s (ratio ≤ 1)");
    Row("B2",
        (std::string("UI-thread CPU, four windows shown ÷ hidden, 20 000 frames/s") + on).c_str(),
        cpuShown, "% of a core shown", cpuRatio, "≤ 1.5");
    Row("B2",
        (std::string("UI-thread CPU with the windows hidden (the reference above)") + on).c_str(),
        cpuHidden, "% of a core", cpuRatio, "—");
    Row("B2", (std::string("lateness of a 10 ms UI timer during the flood ÷ 50 ms") + on).c_str(),
        lateness, "ms", latenessRatio, "≤ 50 ms every run (ratio ≤ 1)");
    if (told) {
        std::printf(
            "(B2: accessibility on, a stand-in listener: %lld text events, %.1f/s per shown "
            "window)\n",
            told->events,
            double(told->events) / std::max(1e-6, shownSeconds) / double(windows.size()));
    }
    if (!complete) {
        std::printf("(B2: some run did not show every frame within a minute)\n");
    }
    return complete ? 0 : 1;
}
