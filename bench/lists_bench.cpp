// SPDX-License-Identifier: GPL-3.0-or-later
// B6: the administration lists at a big BBS's scale. The reference peer serves a generated BBS
// (100 000 messages, 10 000 users, 200 forward partners, a folder of 5 000 files); the program
// runs offscreen and, per list, is timed from the request (LIST, or the folder's listing) to its
// dialog shown and usable: the list filled and painted and, for the record dialogs, the first
// entry chosen and its record's reply applied. The reference, measured in the same run on the
// very file the program received: the time the same transfer took, then the same keys read from
// that file into a plain QStringList and set on a shown QListWidget with addItems. Memory per key
// is the heap the filled dialog holds over the keys, against the reference widget's. The operator's
// actions on the full lists (find by typing, select, Add user, Del user, Apply) are timed against
// 50 ms each.
// Usage: brxw_lists_bench [messages]. It reports; it never fails on time.
#include <malloc.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "admin/admin_dialogs.h"
#include "admin/message_properties_dlg.h"
#include "admin/pending_forward_dlg.h"
#include "admin/remote_files_dlg.h"
#include "admin/user_properties_dlg.h"
#include "bench_panel.h"
#include "bench_stats.h"
#include "link/dispatcher.h"
#include "panel/control_panel.h"
#include "support/running_peer.h"

namespace {

using brxw::bench::kRuns;
using brxw::bench::Row;

// Bytes of the heap in use, small blocks and mapped ones.
double HeapBytes() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

double Ms(qint64 ns) {
    return static_cast<double>(ns) / 1e6;
}

// The loop RunUntil runs, which the panel ends as soon as what it waits for has happened.
QEventLoop* g_waiting = nullptr;

void Wake() {
    if (g_waiting != nullptr) {
        g_waiting->quit();
    }
}

// Runs the event loop until done() holds (checked when the panel wakes it, and every
// millisecond), at most a minute. False on time-out.
bool RunUntil(const std::function<bool()>& done) {
    if (done()) {
        return true;
    }
    QEventLoop loop;
    QEventLoop* outer = g_waiting;
    g_waiting = &loop;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) {
            loop.quit();
        }
    });
    bool late = false;
    QTimer::singleShot(60000, &loop, [&] {
        late = true;
        loop.quit();
    });
    poll.start();
    while (!done() && !late) {
        loop.exec();  // a wake for another wait ends it early: look again
    }
    g_waiting = outer;
    return done();
}

// The panel with the dispatch's hand-overs timed: when a list file is complete, the clock is
// read and the file copied aside for the reference, before the program reads it.
class TimedPanel : public brxw::CControlPanel {
public:
    using CControlPanel::CControlPanel;

    QElapsedTimer clock;
    qint64 receivedNs = 0;
    qint64 fillStartNs = 0;
    double heapBefore = 0;
    QString copy;
    bool replied = false;
    bool listingShown = false;

    void OpenPendingForward(const QString& path) override {
        Arrived(path);
        CControlPanel::OpenPendingForward(path);
    }
    void OpenUserProperties(const QString& path) override {
        Arrived(path);
        CControlPanel::OpenUserProperties(path);
    }
    void OpenMessageProperties(const QString& path) override {
        Arrived(path);
        CControlPanel::OpenMessageProperties(path);
    }
    void DirectoryListingReceived(const QString& path) override {
        Arrived(path);
        CControlPanel::DirectoryListingReceived(path);
        listingShown = true;
        Wake();
    }
    void UserRecordReply(std::string_view payload) override {
        CControlPanel::UserRecordReply(payload);
        replied = true;
        Wake();
    }
    void MessageRecordReply(std::string_view payload) override {
        CControlPanel::MessageRecordReply(payload);
        replied = true;
        Wake();
    }

private:
    void Arrived(const QString& path) {
        receivedNs = clock.nsecsElapsed();
        QFile::remove(copy);
        QFile::copy(path, copy);
        heapBefore = HeapBytes();
        fillStartNs = clock.nsecsElapsed();  // the copy is not the program's work
    }
};

enum class Keys { Messages, Users, Forward, Listing };

// The reference: the keys of the file into a QStringList, set on a shown QListWidget.
struct Reference {
    double ms = 0;
    double bytesPerKey = 0;
    int keys = 0;
};
Reference PlainFill(const QString& path, Keys kind) {
    const double before = HeapBytes();
    QElapsedTimer clock;
    clock.start();
    auto* list = new QListWidget;
    int count = 0;
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        QStringList keys;
        for (const QByteArray& line : bytes.split('\n')) {
            if (line.isEmpty()) {
                continue;
            }
            const QList<QByteArray> words = line.simplified().split(' ');
            switch (kind) {
                case Keys::Messages:
                    keys.append(QString::fromLatin1(words[0]));
                    break;
                case Keys::Users:
                    if (words.size() == 1) {
                        keys.append(QString::fromLatin1(words[0]));
                    }
                    break;
                case Keys::Forward:
                    keys.append(QString::fromLatin1(line));
                    break;
                case Keys::Listing:
                    keys.append(QString::fromLatin1(words.value(2)));
                    break;
            }
        }
        list->addItems(keys);
        count = static_cast<int>(keys.size());
    }
    list->resize(400, 500);
    list->show();
    list->repaint();
    Reference result;
    result.ms = Ms(clock.nsecsElapsed());
    result.keys = count;
    result.bytesPerKey = (HeapBytes() - before) / std::max(count, 1);
    delete list;
    return result;
}

// One list's figures over the runs.
struct Series {
    std::vector<double> total, reference, totalRatio, fill, plain, fillRatio, memory, plainMemory,
        memoryRatio;
    void Add(double receivedMs, double fillMs, double heapPerKey, const Reference& ref) {
        total.push_back(receivedMs + fillMs);
        reference.push_back(receivedMs + ref.ms);
        totalRatio.push_back(total.back() / reference.back());
        fill.push_back(fillMs);
        plain.push_back(ref.ms);
        fillRatio.push_back(fillMs / ref.ms);
        memory.push_back(heapPerKey);
        plainMemory.push_back(ref.bytesPerKey);
        memoryRatio.push_back(heapPerKey / ref.bytesPerKey);
    }
    void Print(const char* name) const {
        const std::string what = std::string(name);
        Row("B6",
            (what + ": request to dialog shown and usable ÷ the same transfer + plain "
                    "QStringList into QListWidget::addItems")
                .c_str(),
            total, "ms", totalRatio, "≤ 1.5");
        Row("B6", (what + ": the reference above").c_str(), reference, "ms", totalRatio, "—");
        Row("B6", (what + ": file received to usable ÷ the plain read and addItems alone").c_str(),
            fill, "ms", fillRatio, "—");
        Row("B6", (what + ": heap per key of the dialog ÷ the plain QListWidget's").c_str(), memory,
            "bytes", memoryRatio, "≤ 2");
    }
};

// An operator action's times, each against 50 ms.
struct Actions {
    std::map<std::string, std::vector<double>> ms;
    void Add(const std::string& what, double value) { ms[what].push_back(value); }
    void Print() const {
        for (const auto& [what, values] : ms) {
            std::vector<double> ratios;
            for (double v : values) {
                ratios.push_back(v / 50.0);
            }
            Row("B6", (what + " ÷ 50 ms").c_str(), values, "ms", ratios, "≤ 50 ms (ratio ≤ 1)");
        }
    }
};

// Types `text` into the widget as key presses, as the operator would.
void Type(QWidget& widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&widget, &release);
    }
}

// One key press and its release, as the operator's.
void Key(QWidget& widget, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &release);
}

double TimeMs(const std::function<void()>& action) {
    QElapsedTimer clock;
    clock.start();
    action();
    return Ms(clock.nsecsElapsed());
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const int messages = argc > 1 ? std::max(100, atoi(argv[1])) : 100000;

    brxw::peer::PeerConfig peerConfig;
    peerConfig.scale = messages;
    peerConfig.seed = 2026;
    brxw::test::RunningPeer peer(peerConfig);

    QTemporaryDir dir;
    brxw::AppConfig config(dir.filePath(QStringLiteral("BrxW.ini")));
    brxw::bench::SaveLoopbackProfile(config, peer.Port());
    TimedPanel panel(config, brxw::Session::Timing{10, 3600 * 1000}, nullptr,
                     dir.filePath(QString()));
    panel.copy = dir.filePath(QStringLiteral("received-copy"));
    panel.show();
    panel.Initialise("");
    panel.OnCommand(brxw::cmd::kConnectRemote0);
    // Logged in, and the administration buttons the BBS offers are there.
    if (!RunUntil([&] {
            return panel.GetSession().LoggedIn() &&
                   panel.Action(brxw::cmd::kEditUserProperties)->isVisible();
        })) {
        std::printf("(B6: no login)\n");
        return 1;
    }

    std::map<std::string, Series> series;
    Actions actions;
    bool complete = true;

    // The work done inside each dialog as it opens, set per list before its request.
    std::function<void(QDialog*)> inside;
    QObject::connect(&panel.AdminDialogs(), &brxw::admin::CAdminDialogs::dialogOpened, &panel,
                     [&](QDialog* dialog) { inside(dialog); });

    // A record dialog: usable once the first entry's record is applied. With `act`, the
    // operator's actions are timed once the dialog is usable.
    const auto recordDialog = [&](int command, Keys kind, const char* name, bool act) {
        double usableMs = 0, heapPerKey = 0;
        bool ok = false;
        inside = [&](QDialog* dialog) {
            auto* messagesDlg = qobject_cast<brxw::admin::CMessagePropertiesDlg*>(dialog);
            auto* usersDlg = qobject_cast<brxw::admin::CUserPropertiesDlg*>(dialog);
            QListWidget* list = messagesDlg != nullptr ? messagesDlg->KeyList()
                                : usersDlg != nullptr  ? usersDlg->UserList()
                                                       : nullptr;
            QPushButton* apply = messagesDlg != nullptr ? messagesDlg->ApplyButton()
                                 : usersDlg != nullptr  ? usersDlg->ApplyButton()
                                                        : nullptr;
            const double heapAfter = HeapBytes();
            if (list == nullptr || list->count() == 0) {
                dialog->reject();
                return;
            }
            heapPerKey = (heapAfter - panel.heapBefore) / list->count();
            panel.replied = false;
            list->setCurrentRow(0);  // the operator's first move chooses the first entry
            ok = RunUntil([&] { return panel.replied; });
            dialog->repaint();
            usableMs = Ms(panel.clock.nsecsElapsed() - panel.fillStartNs);
            if (ok && act) {
                const auto choose = [&](int row) {
                    panel.replied = false;
                    list->setCurrentRow(row);
                    RunUntil([&] { return panel.replied && apply->isEnabled(); });
                };
                const std::string n = name;
                // Typing a key's first letters finds it; then the reply is let in.
                const QString wanted = list->item(list->count() / 2)->text().left(3);
                list->setFocus();
                actions.Add(n + ": typing \"" + wanted.toStdString() + "\" to find it",
                            TimeMs([&] { Type(*list, wanted); }));
                RunUntil([&] { return apply->isEnabled(); });
                actions.Add(n + ": choosing an entry until its record is shown",
                            TimeMs([&] { choose(list->count() * 3 / 4); }));
                actions.Add(n + ": End to the last entry, until its record is shown", TimeMs([&] {
                                panel.replied = false;
                                Key(*list, Qt::Key_End);
                                RunUntil([&] { return panel.replied && apply->isEnabled(); });
                            }));
                actions.Add(n + ": Apply", TimeMs([&] { apply->click(); }));
                if (usersDlg != nullptr) {
                    usersDlg->SetAskCallsign(
                        [](QWidget*) { return std::optional<std::string>("Q9ZZZZ"); });
                    actions.Add(n + ": Add user", TimeMs([&] { usersDlg->AddUser(); }));
                    actions.Add(n + ": Del user (the user just added)",
                                TimeMs([&] { usersDlg->DeleteUser(); }));
                }
            }
            dialog->reject();
        };
        panel.clock.start();
        panel.OnCommand(command);
        const std::uint8_t listKind = command == brxw::cmd::kEditMessageProperties
                                          ? brxw::kind::kMessageRecords
                                          : brxw::kind::kUserRecords;
        const bool closed = RunUntil([&] {
            return !panel.AdminDialogs().ListAsked(listKind) &&
                   panel.AdminDialogs().Running() == nullptr;
        });
        if (!ok || !closed) {
            std::fprintf(stderr, "B6: %s: %s\n", name,
                         ok ? "the dialog did not end" : "not usable");
            complete = false;
            return;
        }
        const Reference ref = PlainFill(panel.copy, kind);
        series[name].Add(Ms(panel.receivedNs), usableMs, heapPerKey, ref);
    };

    const auto forwardDialog = [&](bool counted) {
        double usableMs = 0, heapPerKey = 0;
        bool ok = false;
        inside = [&](QDialog* dialog) {
            auto* forward = qobject_cast<brxw::admin::CPendingForwardDlg*>(dialog);
            const double heapAfter = HeapBytes();
            QListWidget* list = forward != nullptr ? forward->List() : nullptr;
            if (list != nullptr && list->count() > 0) {
                dialog->repaint();
                usableMs = Ms(panel.clock.nsecsElapsed() - panel.fillStartNs);
                heapPerKey = (heapAfter - panel.heapBefore) / list->count();
                const double chooseMs = TimeMs([&] { list->setCurrentRow(list->count() / 2); });
                if (counted) {
                    actions.Add("pending forward: choosing an entry", chooseMs);
                }
                ok = true;
            }
            dialog->reject();
        };
        panel.clock.start();
        panel.OnCommand(brxw::cmd::kPendingForward);
        const bool closed = RunUntil([&] {
            return !panel.AdminDialogs().ListAsked(brxw::kind::kForward) &&
                   panel.AdminDialogs().Running() == nullptr;
        });
        if (!ok || !closed) {
            complete = false;
            return;
        }
        series["forward"].Add(Ms(panel.receivedNs), usableMs, heapPerKey,
                              PlainFill(panel.copy, Keys::Forward));
    };

    // The remote files: each run opens the browser, which shows the root, and opens files/ from
    // there. A browser of its own each time: a view keeps the room it had for a listing's rows
    // after a smaller one replaces it, which would hide the rows' cost from the next big one.
    const auto filesDialog = [&](bool counted) {
        inside = [&](QDialog* dialog) {
            auto* files = qobject_cast<brxw::admin::CRemoteFilesDlg*>(dialog);
            QTreeView* tree = files != nullptr ? files->Tree() : nullptr;
            if (tree == nullptr || !RunUntil([&] { return tree->model()->rowCount() > 0; })) {
                dialog->reject();
                complete = false;
                return;
            }
            const QAbstractItemModel& rows = *tree->model();
            const QModelIndexList found = rows.match(rows.index(0, 0), Qt::DisplayRole,
                                                     QStringLiteral("files"), 1, Qt::MatchExactly);
            if (found.isEmpty()) {
                dialog->reject();
                complete = false;
                return;
            }
            tree->setCurrentIndex(found.front());
            panel.listingShown = false;
            panel.clock.start();
            files->Open();
            if (!RunUntil([&] { return panel.listingShown; })) {
                dialog->reject();
                complete = false;
                return;
            }
            dialog->repaint();
            const double usableMs = Ms(panel.clock.nsecsElapsed() - panel.fillStartNs);
            const double heapPerKey =
                (HeapBytes() - panel.heapBefore) / std::max(rows.rowCount(), 1);
            // End, the farthest move: a tree of rows of differing heights measures every row
            // above the last. Then a name typed up to its dot, each letter a search through the
            // rows' names, and an entry chosen.
            tree->setFocus();
            const double endMs = TimeMs([&] { Key(*tree, Qt::Key_End); });
            const QString wanted =
                rows.index(rows.rowCount() / 2, 0).data().toString().section(u'.', 0, 0);
            const double typeMs = TimeMs([&] { Type(*tree, wanted); });
            const double chooseMs =
                TimeMs([&] { tree->setCurrentIndex(rows.index(rows.rowCount() * 3 / 4, 0)); });
            if (counted) {
                actions.Add("remote files: End to the last entry", endMs);
                actions.Add("remote files: typing \"" + wanted.toStdString() + "\" to find it",
                            typeMs);
                actions.Add("remote files: choosing an entry", chooseMs);
                series["remote files"].Add(Ms(panel.receivedNs), usableMs, heapPerKey,
                                           PlainFill(panel.copy, Keys::Listing));
            }
            dialog->reject();
        };
        panel.OnCommand(brxw::cmd::kOpenConfigFile);
        RunUntil([&] { return panel.AdminDialogs().Running() == nullptr; });
    };

    // A warm-up of each, then the runs.
    for (int run = 0; run <= kRuns && complete; ++run) {
        const bool counted = run > 0;
        recordDialog(brxw::cmd::kEditMessageProperties, Keys::Messages, "messages", counted);
        recordDialog(brxw::cmd::kEditUserProperties, Keys::Users, "users", counted);
        forwardDialog(counted);
        if (!counted) {
            series.clear();
            actions.ms.clear();
        }
    }
    for (int run = 0; run <= kRuns && complete; ++run) {
        filesDialog(run > 0);
    }
    std::printf("(B6: %d messages, %zu runs)\n", messages, series["users"].total.size());
    if (!complete) {
        std::printf("(B6: a list did not arrive or its dialog did not become usable)\n");
        return 1;
    }
    const auto named = [](const char* what, int count) {
        return std::string(what) + " (" + std::to_string(count) + ")";
    };
    series["messages"].Print(named("messages", messages).c_str());
    series["users"].Print(named("users", std::max(messages / 10, 1)).c_str());
    series["forward"].Print(named("pending forward", std::max(messages / 500, 1)).c_str());
    series["remote files"].Print(
        named("remote files, one folder", std::max(messages / 20, 1)).c_str());
    actions.Print();
    return 0;
}
