// SPDX-License-Identifier: GPL-3.0-or-later
// Logging to file: every line a text window completes (console, monitoring, all channels, one
// channel) can also go to a daily file "<profile>-<window>-YYYY-MM-DD.log" in a folder the
// operator picks, each line stamped "HH:MM:SS " in local time.
//
// LogWriter is the writing thread: appends only put a line on its queue, it writes and flushes
// on its own thread, so a slow or stalled disk never holds up a window. WindowLogs is the
// operator's side: the switches and preferences in section "Settings" of BrxW.ini, the line
// observers it hangs on the windows' rings, and the report when a file cannot be written.
#pragma once

#include <QDate>
#include <QFile>
#include <QObject>
#include <QString>
#include <array>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "textwin/text_ring.h"

namespace brxw {

class AppConfig;

enum class LogWindow { kConsole, kMonitoring, kAllChannels, kChannel };
inline constexpr int kLogWindowCount = 4;
inline constexpr std::array<LogWindow, kLogWindowCount> kLogWindows = {
    LogWindow::kConsole, LogWindow::kMonitoring, LogWindow::kAllChannels, LogWindow::kChannel};

// The window's part of its file names: "console", "monitoring", "allchannels", "channel".
std::string_view LogWindowName(LogWindow window);
// The key in [Settings] that switches its log: "Log_Console", "Log_Monitoring",
// "Log_AllChannels", "Log_Channel" (1 on, absent or 0 off).
std::string_view LogWindowKey(LogWindow window);
// What the operator calls it, with the mnemonic of its box on the Logging page ("Con&sole"),
// for translation.
std::string_view LogWindowTitle(LogWindow window);
// The folder of the files; absent or empty: the user's state folder, "$XDG_STATE_HOME/brxw"
// (~/.local/state/brxw; on Windows %LOCALAPPDATA%\brxW), made private (0700) when it is first
// needed. A relative name is taken
// from the folder of BrxW.ini, as it always was.
inline constexpr std::string_view kLogFolderKey = "LogFolder";
// 1: lines are written in UTF-8; absent or 0: in the window's own character set, byte for byte.
inline constexpr std::string_view kLogUtf8Key = "LogUtf8";
// A folder name is read with room for a Windows path (MAX_PATH less its terminator).
inline constexpr std::size_t kLogFolderLimit = 259;

// A profile name (operator's text from BrxW.ini, so untrusted) made into a file-name part:
// letters and digits are kept, every other character (separators, dots, blanks, control
// characters) becomes '_', and the result is cut to kProfilePartLimit characters. A name that
// leaves nothing gives "brxw". The result never holds a path separator or a dot.
inline constexpr int kProfilePartLimit = 32;
QString SafeFileNamePart(const QString& name);
// Makes folder and each missing parent readable by the user alone (logs, kept drafts and sent
// copies hold the BBS's traffic and mail); empty when it exists or was made, otherwise the
// folder and the system's reason.
QString MakePrivateFolder(const QString& folder);
// "<profilePart>-<window>-YYYY-MM-DD.log".
QString LogFileName(const QString& profilePart, LogWindow window, QDate day);

// The writing thread. Append, Close, SetTarget and Stop are called from one thread (the
// user-interface thread) and never wait for the disk: they only put an entry on a queue that one
// mutex guards. The thread takes the whole queue at a time, writes it and flushes every open file
// before it sleeps again, so a line is on its way to disk well within a second of its append.
//
// The queue is bounded: when the thread does not keep up (a stalled disk under a flood), the
// lines beyond the bound are counted rather than kept, and the file gets one line saying how many
// were dropped where they were dropped. When a file cannot be opened or written, that window's
// lines are dropped until its Close, and the failure is reported once: the report callback runs on
// the writing thread and the reasons wait in TakeFailures.
class LogWriter {
public:
    static constexpr std::size_t kDefaultCapacity = 65536;

    using FailureReport = std::function<void()>;
    struct Failure {
        LogWindow window;
        QString reason;  // "<file name>: <what the system said>"
    };

    explicit LogWriter(FailureReport onFailure = {}, std::size_t capacity = kDefaultCapacity);
    ~LogWriter();
    LogWriter(const LogWriter&) = delete;
    LogWriter& operator=(const LogWriter&) = delete;

    // The folder and the profile part of the file names of lines appended from now on; files
    // open for earlier lines are closed.
    // With createFolder, a missing folder is made (with its missing parents) readable by the user
    // alone before the first file opens in it.
    void SetTarget(const QString& folder, const QString& profilePart, bool createFolder = false);
    // A line without its line end, stamped with when (milliseconds since the epoch).
    void Append(LogWindow window, std::int64_t when, std::string line);
    // Closes the window's file once what is queued before is written, and lets a window whose
    // file failed log again.
    void Close(LogWindow window);
    // Writes everything queued, closes the files and joins the thread. Appends after it are
    // ignored. Called again, does nothing.
    void Stop();

    std::vector<Failure> TakeFailures();

private:
    struct Target {
        QString folder;
        QString profilePart;
        bool createFolder;
    };
    struct Entry {
        enum class Kind : std::uint8_t { Line, Dropped, Close, Target };
        Kind kind;
        LogWindow window;
        std::int64_t when;
        std::string text;
        std::uint64_t count;
        std::shared_ptr<const Target> target;
    };
    // The writing thread's own state of one window.
    struct OpenLog {
        QFile file;
        QDate day;
        bool failed = false;
    };

    void Push(Entry entry);  // with m_mutex held
    void PushDropped(int index);
    void Run();
    void Handle(const Entry& entry);
    void WriteLine(LogWindow window, std::int64_t when, std::string_view text);
    void Fail(LogWindow window, const QString& reason);
    void CloseFile(LogWindow window);
    // The local day and "HH:MM:SS " of when, worked out once per second of stamps.
    void Stamp(std::int64_t when);

    const FailureReport m_onFailure;
    const std::size_t m_capacity;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::vector<Entry> m_queue;
    std::array<std::uint64_t, kLogWindowCount> m_dropped{};
    std::array<std::int64_t, kLogWindowCount> m_droppedSince{};
    std::vector<Failure> m_failures;
    bool m_stopping = false;
    bool m_stopped = false;  // the user-interface thread's own note that Stop has run

    // Writing thread only.
    std::shared_ptr<const Target> m_target;
    std::array<OpenLog, kLogWindowCount> m_logs;
    std::int64_t m_stampSecond = 0;
    bool m_stampValid = false;
    QDate m_stampDay;
    std::array<char, 9> m_stampText{};
    std::string m_buffer;

    std::thread m_thread;
};

// The operator's logging: which windows log, where, in which character set; owned by the control
// panel, user-interface thread only. Nothing runs and nothing is written to BrxW.ini until a
// window is switched on: the writing thread starts with the first window that logs.
class WindowLogs : public QObject {
    Q_OBJECT

public:
    // Milliseconds since the epoch; tests set the time of day.
    using Clock = std::function<std::int64_t()>;
    // How the logs reach one window: hanging an observer on its ring (null takes it off) and the
    // line the ring has not completed yet.
    struct Binding {
        std::function<void(LineObserver*)> observe;
        std::function<std::string_view()> partialLine;
    };

    explicit WindowLogs(AppConfig& config, Clock clock = {},
                        std::size_t capacity = LogWriter::kDefaultCapacity,
                        QObject* parent = nullptr);
    // Shutdown; the bindings must still be valid.
    ~WindowLogs() override;

    void Bind(LogWindow window, Binding binding);
    // Reads the keys and switches on the windows they name. Writes nothing.
    void Load();

    bool Enabled(LogWindow window) const { return m_windows[Index(window)].on; }
    // Each setter compares with the current value; when it differs the value is written to
    // BrxW.ini and applied, and true is returned. Switching a window off writes the line it has
    // not completed and closes its file.
    bool SetEnabled(LogWindow window, bool on);
    // The stored folder; empty: the default one.
    const QString& Folder() const { return m_folder; }
    // "$XDG_STATE_HOME/brxw", or "~/.local/state/brxw" when that is unset or not absolute;
    // on Windows "%LOCALAPPDATA%\brxW".
    static QString DefaultFolder();
    // The folder the files go to: the stored one (a relative name from BrxW.ini's folder), or
    // the default one.
    QString EffectiveFolder() const;
    bool SetFolder(const QString& folder);
    bool Utf8() const { return m_utf8; }
    bool SetUtf8(bool utf8);

    // A profile was edited: the files follow its name from the next line on.
    void ProfileEdited();

    // Ends logging for the program's end: the lines not completed are written, every file is
    // closed and the writing thread joined. The switches stay as stored.
    void Shutdown();

signals:
    // "Logging stopped: <reason>", once for each window whose file failed; that window no longer
    // logs until it is switched on again. Its stored switch stays on for the next start.
    void Stopped(const QString& text);

protected:
    bool event(QEvent* event) override;

private:
    class Sink : public LineObserver {
    public:
        void LineCompleted(std::string_view bytes) override;
        WindowLogs* logs = nullptr;
        LogWindow window = LogWindow::kConsole;
    };
    struct Window {
        Sink sink;
        Binding binding;
        bool on = false;
    };
    static std::size_t Index(LogWindow window) { return static_cast<std::size_t>(window); }

    void Switch(LogWindow window, bool on);
    void Log(LogWindow window, std::string_view bytes);
    void FollowProfile();
    void UpdateTarget();
    void OnFailures();

    AppConfig& m_config;
    Clock m_clock;
    std::size_t m_capacity;
    std::array<Window, kLogWindowCount> m_windows;
    QString m_folder;
    bool m_utf8 = false;
    std::unique_ptr<LogWriter> m_writer;
    // The profile the writer's file names were made for (-1 none).
    int m_targetIndex = -1;
    bool m_shutDown = false;
};

}  // namespace brxw
