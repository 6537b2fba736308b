// SPDX-License-Identifier: GPL-3.0-or-later
// B5: resident memory after login with all four traffic windows open, and the time from the
// process start to the control panel shown, each against a bare Qt Widgets window started the
// same way in the same run. Every sample is a fresh child process of this program; the peer runs
// in the parent, so that its memory is not counted. Each panel starts as it usually does: with a
// copy of a BrxW.ini that holds the loopback profile and what an earlier start wrote back (the
// parent prepares it, so writing the profile is not counted as start-up).
// Usage: brxw_start_bench. It reports; it never fails on time.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <vector>

#include "bench_panel.h"
#include "bench_stats.h"
#include "config/app_config.h"
#include "panel/control_panel.h"
#include "resources/command_ids.h"
#include "support/running_peer.h"
#include "support/wait.h"

namespace {

using brxw::bench::kRuns;
using brxw::bench::Row;

// VmRSS of this process in kilobytes.
long ResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    return 0;
}

// Prints "rss <kB>" once the start-up work has settled, and ends the child.
int ReportResidentOnceSettled(QApplication& app) {
    QTimer::singleShot(200, &app, [] {
        std::printf("rss %ld\n", ResidentKb());
        std::fflush(stdout);
        QApplication::quit();
    });
    return app.exec();
}

// The child's side: prints "shown" the moment its window is shown, then "rss <kB>" once settled.
int RunBare(QApplication& app) {
    QWidget window;
    window.resize(640, 480);
    window.show();
    std::printf("shown\n");
    std::fflush(stdout);
    return ReportResidentOnceSettled(app);
}

int RunPanel(QApplication& app, const QString& iniPath) {
    brxw::AppConfig config(iniPath);
    brxw::CControlPanel panel(config, brxw::Session::Timing{10, 3600 * 1000});
    panel.show();
    panel.Initialise("");
    std::printf("shown\n");
    std::fflush(stdout);
    if (!brxw::bench::LogInWithAllWindows(panel)) {
        return 1;
    }
    return ReportResidentOnceSettled(app);
}

struct Sample {
    double startMs = 0;
    double rssKb = 0;
};

// Starts this program as a child in mode, timing from the start to its "shown" line.
Sample Measure(const QString& mode, const QString& argument) {
    QProcess child;
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    Sample sample;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {mode, argument});
    QByteArray out;
    while (child.waitForReadyRead(30000)) {
        out += child.readAllStandardOutput();
        if (sample.startMs == 0 && out.contains("shown\n")) {
            sample.startMs = double(clock.nsecsElapsed()) / 1e6;
        }
        if (out.contains("rss ")) {
            break;
        }
    }
    out += child.readAllStandardOutput();
    // The figures are in; how long the child takes to shut down is not measured here.
    child.kill();
    child.waitForFinished(30000);
    const qsizetype at = out.indexOf("rss ");
    sample.rssKb = at < 0 ? 0 : out.mid(at + 4).trimmed().toDouble();
    return sample;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() > 1 && args[1] == QLatin1String("bare")) {
        return RunBare(app);
    }
    if (args.size() > 2 && args[1] == QLatin1String("panel")) {
        return RunPanel(app, args[2]);
    }
    brxw::test::RunningPeer peer;
    QTemporaryDir dir;
    const QString prepared = dir.filePath(QStringLiteral("prepared.ini"));
    {
        brxw::AppConfig config(prepared);
        brxw::bench::SaveLoopbackProfile(config, peer.Port());
    }
    // A first start, not measured, writes back the settings' defaults as any first start does.
    const QString firstStart = dir.filePath(QStringLiteral("first.ini"));
    QFile::copy(prepared, firstStart);
    Measure(QStringLiteral("panel"), firstStart);
    QFile::remove(prepared);
    QFile::copy(firstStart, prepared);
    int copies = 0;
    // A fresh copy per child: a run's logins and window states do not carry over.
    const auto freshCopy = [&] {
        const QString path = dir.filePath(QStringLiteral("BrxW-%1.ini").arg(++copies));
        QFile::copy(prepared, path);
        return path;
    };
    std::vector<double> rss, rssRatio, start, startRatio;
    for (int run = 0; run < kRuns; ++run) {
        const Sample bare = Measure(QStringLiteral("bare"), QString());
        const Sample panel = Measure(QStringLiteral("panel"), freshCopy());
        if (bare.rssKb <= 0 || panel.rssKb <= 0 || bare.startMs <= 0 || panel.startMs <= 0) {
            std::fprintf(stderr, "start: a child did not report\n");
            return 1;
        }
        rss.push_back(panel.rssKb / 1024.0);
        rssRatio.push_back(panel.rssKb / bare.rssKb);
        start.push_back(panel.startMs);
        startRatio.push_back(panel.startMs / bare.startMs);
    }
    Row("B5", "resident memory after login, all windows open ÷ a bare Qt Widgets window", rss, "MB",
        rssRatio, "≤ 1.3");
    Row("B5", "start-up to the panel shown ÷ the bare window", start, "ms", startRatio, "≤ 1.5");
    return 0;
}
