// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/window_log.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QtGlobal>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "config/app_config.h"
#include "link/link_events.h"
#include "text/charset.h"

namespace brxw {

QString MakePrivateFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (info.isDir()) {
        return {};
    }
    if (info.exists()) {
        return QDir::toNativeSeparators(folder) + QStringLiteral(": ") +
               QString::fromLocal8Bit(std::strerror(ENOTDIR));
    }
    const QString parent = QFileInfo(folder).absolutePath();
    if (parent != folder) {
        const QString fault = MakePrivateFolder(parent);
        if (!fault.isEmpty()) {
            return fault;
        }
    }
    errno = 0;
    if (!QDir().mkdir(folder,
                      QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner) &&
        !QFileInfo(folder).isDir()) {
        const int error = errno;
        return QDir::toNativeSeparators(folder) + QStringLiteral(": ") +
               QString::fromLocal8Bit(std::strerror(error != 0 ? error : EACCES));
    }
    return {};
}

namespace {

constexpr std::size_t kStampLength = 9;  // "HH:MM:SS "

const QEvent::Type kLogFailedEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

struct WindowNames {
    std::string_view name;
    std::string_view key;
    std::string_view title;
};
constexpr std::array<WindowNames, kLogWindowCount> kWindowNames = {{
    {"console", "Log_Console", QT_TRANSLATE_NOOP("brxw::WindowLogs", "Con&sole")},
    {"monitoring", "Log_Monitoring", QT_TRANSLATE_NOOP("brxw::WindowLogs", "&Monitoring")},
    {"allchannels", "Log_AllChannels", QT_TRANSLATE_NOOP("brxw::WindowLogs", "&All channels")},
    {"channel", "Log_Channel", QT_TRANSLATE_NOOP("brxw::WindowLogs", "One c&hannel")},
}};

const WindowNames& NamesOf(LogWindow window) {
    return kWindowNames[static_cast<std::size_t>(window) % kWindowNames.size()];
}

}  // namespace

std::string_view LogWindowName(LogWindow window) {
    return NamesOf(window).name;
}

std::string_view LogWindowKey(LogWindow window) {
    return NamesOf(window).key;
}

std::string_view LogWindowTitle(LogWindow window) {
    return NamesOf(window).title;
}

QString SafeFileNamePart(const QString& name) {
    QString part;
    for (const QChar ch : name) {
        if (part.size() == kProfilePartLimit) {
            break;
        }
        part.append(ch.isLetterOrNumber() ? ch : QLatin1Char('_'));
    }
    bool meaningful = false;
    for (const QChar ch : part) {
        meaningful = meaningful || ch != QLatin1Char('_');
    }
    return meaningful ? part : QStringLiteral("brxw");
}

QString LogFileName(const QString& profilePart, LogWindow window, QDate day) {
    return QStringLiteral("%1-%2-%3.log")
        .arg(profilePart, QLatin1String(LogWindowName(window)),
             day.toString(QStringLiteral("yyyy-MM-dd")));
}

// LogWriter

LogWriter::LogWriter(FailureReport onFailure, std::size_t capacity)
    : m_onFailure(std::move(onFailure)), m_capacity(capacity < 1 ? 1 : capacity) {
    m_thread = std::thread([this] { Run(); });
}

LogWriter::~LogWriter() {
    Stop();
}

void LogWriter::Push(Entry entry) {
    if (m_queue.empty()) {
        m_wake.notify_one();
    }
    m_queue.push_back(std::move(entry));
}

void LogWriter::PushDropped(int index) {
    const auto window = static_cast<LogWindow>(index);
    Push({Entry::Kind::Dropped,
          window,
          m_droppedSince[static_cast<std::size_t>(index)],
          {},
          m_dropped[static_cast<std::size_t>(index)],
          nullptr});
    m_dropped[static_cast<std::size_t>(index)] = 0;
}

void LogWriter::SetTarget(const QString& folder, const QString& profilePart, bool createFolder) {
    auto target = std::make_shared<const Target>(Target{folder, profilePart, createFolder});
    const std::lock_guard lock(m_mutex);
    if (!m_stopping) {
        Push({Entry::Kind::Target, LogWindow::kConsole, 0, {}, 0, std::move(target)});
    }
}

void LogWriter::Append(LogWindow window, std::int64_t when, std::string line) {
    const auto index = static_cast<std::size_t>(window);
    const std::lock_guard lock(m_mutex);
    if (m_stopping) {
        return;
    }
    if (m_queue.size() >= m_capacity) {
        if (m_dropped[index]++ == 0) {
            m_droppedSince[index] = when;
        }
        return;
    }
    if (m_dropped[index] != 0) {
        PushDropped(static_cast<int>(index));
    }
    Push({Entry::Kind::Line, window, when, std::move(line), 0, nullptr});
}

void LogWriter::Close(LogWindow window) {
    const std::lock_guard lock(m_mutex);
    if (m_stopping) {
        return;
    }
    if (m_dropped[static_cast<std::size_t>(window)] != 0) {
        PushDropped(static_cast<int>(window));
    }
    Push({Entry::Kind::Close, window, 0, {}, 0, nullptr});
}

void LogWriter::Stop() {
    if (m_stopped) {
        return;
    }
    m_stopped = true;
    {
        const std::lock_guard lock(m_mutex);
        for (int index = 0; index < kLogWindowCount; ++index) {
            if (m_dropped[static_cast<std::size_t>(index)] != 0) {
                PushDropped(index);
            }
        }
        m_stopping = true;
        m_wake.notify_one();
    }
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

std::vector<LogWriter::Failure> LogWriter::TakeFailures() {
    const std::lock_guard lock(m_mutex);
    return std::exchange(m_failures, {});
}

void LogWriter::Run() {
    std::vector<Entry> batch;
    for (;;) {
        bool stopping = false;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return !m_queue.empty() || m_stopping; });
            batch.swap(m_queue);
            stopping = m_stopping;
        }
        for (const Entry& entry : batch) {
            Handle(entry);
        }
        batch.clear();
        // Every batch reaches the system before the thread sleeps: a crash loses only what is
        // still being written.
        for (int index = 0; index < kLogWindowCount; ++index) {
            OpenLog& log = m_logs[static_cast<std::size_t>(index)];
            if (log.file.isOpen() && !log.file.flush()) {
                Fail(static_cast<LogWindow>(index), log.file.errorString());
            }
        }
        // Stop queues nothing after it is set, so this batch held everything.
        if (stopping) {
            break;
        }
    }
    for (const LogWindow window : kLogWindows) {
        CloseFile(window);
    }
}

void LogWriter::Handle(const Entry& entry) {
    switch (entry.kind) {
        case Entry::Kind::Line:
            WriteLine(entry.window, entry.when, entry.text);
            break;
        case Entry::Kind::Dropped: {
            const std::string text = "--- " + std::to_string(entry.count) +
                                     (entry.count == 1 ? " line" : " lines") +
                                     " dropped: the log file did not keep up ---";
            WriteLine(entry.window, entry.when, text);
            break;
        }
        case Entry::Kind::Close:
            CloseFile(entry.window);
            m_logs[static_cast<std::size_t>(entry.window)].failed = false;
            break;
        case Entry::Kind::Target:
            for (const LogWindow window : kLogWindows) {
                CloseFile(window);
            }
            m_target = entry.target;
            break;
    }
}

void LogWriter::Stamp(std::int64_t when) {
    const std::int64_t second = when >= 0 ? when / 1000 : (when - 999) / 1000;
    if (m_stampValid && second == m_stampSecond) {
        return;
    }
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(second * 1000);
    const QTime time = local.time();
    m_stampDay = local.date();
    std::snprintf(m_stampText.data(), m_stampText.size(), "%02d:%02d:%02d", time.hour(),
                  time.minute(), time.second());
    m_stampText[kStampLength - 1] = ' ';
    m_stampSecond = second;
    m_stampValid = true;
}

void LogWriter::WriteLine(LogWindow window, std::int64_t when, std::string_view text) {
    OpenLog& log = m_logs[static_cast<std::size_t>(window)];
    if (log.failed) {
        return;
    }
    Stamp(when);
    if (log.file.isOpen() && log.day != m_stampDay) {
        CloseFile(window);  // a new file begins at local midnight
        if (log.failed) {
            return;
        }
    }
    if (!log.file.isOpen()) {
        const QString folder = m_target ? m_target->folder : QString();
        const QString name = LogFileName(m_target ? m_target->profilePart : QStringLiteral("brxw"),
                                         window, m_stampDay);
        if (m_target && m_target->createFolder) {
            const QString fault = MakePrivateFolder(folder);
            if (!fault.isEmpty()) {
                Fail(window, fault);
                return;
            }
        }
        log.file.setFileName(QDir(folder).filePath(name));
        // Text mode: each line ends as the platform's text files do.
        if (!log.file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
            Fail(window, name + QStringLiteral(": ") + log.file.errorString());
            return;
        }
        log.day = m_stampDay;
    }
    m_buffer.assign(m_stampText.data(), kStampLength);
    m_buffer.append(text);
    m_buffer.push_back('\n');
    if (log.file.write(m_buffer.data(), static_cast<qint64>(m_buffer.size())) !=
        static_cast<qint64>(m_buffer.size())) {
        Fail(window, log.file.errorString());
    }
}

void LogWriter::CloseFile(LogWindow window) {
    OpenLog& log = m_logs[static_cast<std::size_t>(window)];
    if (!log.file.isOpen()) {
        return;
    }
    if (!log.file.flush()) {
        Fail(window, log.file.errorString());
        return;
    }
    log.file.close();
}

void LogWriter::Fail(LogWindow window, const QString& reason) {
    OpenLog& log = m_logs[static_cast<std::size_t>(window)];
    QString text = reason;
    if (log.file.isOpen()) {
        text = QFileInfo(log.file.fileName()).fileName() + QStringLiteral(": ") + reason;
        // What is still buffered cannot be written either; close without trying again.
        log.file.unsetError();
        log.file.close();
    }
    log.failed = true;
    {
        const std::lock_guard lock(m_mutex);
        m_failures.push_back({window, text});
    }
    if (m_onFailure) {
        m_onFailure();
    }
}

// WindowLogs

WindowLogs::WindowLogs(AppConfig& config, Clock clock, std::size_t capacity, QObject* parent)
    : QObject(parent),
      m_config(config),
      m_clock(clock ? std::move(clock) : [] { return QDateTime::currentMSecsSinceEpoch(); }),
      m_capacity(capacity) {
    for (const LogWindow window : kLogWindows) {
        Window& w = m_windows[Index(window)];
        w.sink.logs = this;
        w.sink.window = window;
    }
}

WindowLogs::~WindowLogs() {
    Shutdown();
}

void WindowLogs::Bind(LogWindow window, Binding binding) {
    Window& w = m_windows[Index(window)];
    w.binding = std::move(binding);
    if (w.on && w.binding.observe) {
        w.binding.observe(&w.sink);
    }
}

void WindowLogs::Load() {
    const IniStore& store = m_config.Store();
    const std::string folder = store.Read(kSettingsSection, kLogFolderKey, {}, kLogFolderLimit + 1);
    m_folder = AnsiToQString(folder);
    m_utf8 = std::atoi(store.Read(kSettingsSection, kLogUtf8Key).c_str()) != 0;
    for (const LogWindow window : kLogWindows) {
        const bool on = std::atoi(store.Read(kSettingsSection, LogWindowKey(window)).c_str()) != 0;
        if (on != Enabled(window)) {
            Switch(window, on);
        }
    }
}

bool WindowLogs::SetEnabled(LogWindow window, bool on) {
    if (on == Enabled(window) || m_shutDown) {
        return false;
    }
    m_config.WriteSetting(kSettingsSection, LogWindowKey(window), on ? "1" : "0");
    Switch(window, on);
    return true;
}

QString WindowLogs::DefaultFolder() {
#ifdef _WIN32
    // The user's local (not roaming) application data: logs and drafts stay on this computer.
    QString local = QDir::fromNativeSeparators(qEnvironmentVariable("LOCALAPPDATA"));
    if (local.isEmpty() || !QDir::isAbsolutePath(local)) {
        local = QDir::home().filePath(QStringLiteral("AppData/Local"));
    }
    return QDir(local).filePath(QStringLiteral("brxW"));
#else
    // A relative XDG_STATE_HOME is ignored, as the desktop's other programs ignore it.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state)) {
        state = QDir::home().filePath(QStringLiteral(".local/state"));
    }
    return QDir(state).filePath(QStringLiteral("brxw"));
#endif
}

QString WindowLogs::EffectiveFolder() const {
    if (m_folder.isEmpty()) {
        return DefaultFolder();
    }
    // A hand-edited relative name is taken from BrxW.ini's folder, never the working directory.
    return QDir(QFileInfo(m_config.Store().Path()).absolutePath()).filePath(m_folder);
}

bool WindowLogs::SetFolder(const QString& folder) {
    if (folder == m_folder) {
        return false;
    }
    m_folder = folder;
    m_config.WriteSetting(kSettingsSection, kLogFolderKey, QStringToAnsi(folder));
    if (m_writer) {
        UpdateTarget();
    }
    return true;
}

bool WindowLogs::SetUtf8(bool utf8) {
    if (utf8 == m_utf8) {
        return false;
    }
    m_utf8 = utf8;
    m_config.WriteSetting(kSettingsSection, kLogUtf8Key, utf8 ? "1" : "0");
    return true;
}

void WindowLogs::Switch(LogWindow window, bool on) {
    Window& w = m_windows[Index(window)];
    if (on) {
        if (!m_writer) {
            m_writer = std::make_unique<LogWriter>(
                [this] {
                    auto* event = new QEvent(kLogFailedEvent);
                    MarkEventPosted(event);
                    QCoreApplication::postEvent(this, event);
                },
                m_capacity);
            UpdateTarget();
        }
        w.on = true;
        if (w.binding.observe) {
            w.binding.observe(&w.sink);
        }
        return;
    }
    w.on = false;
    if (w.binding.observe) {
        w.binding.observe(nullptr);
    }
    if (m_writer) {
        if (w.binding.partialLine) {
            const std::string_view partial = w.binding.partialLine();
            if (!partial.empty()) {
                Log(window, partial);
            }
        }
        m_writer->Close(window);
    }
}

void WindowLogs::Sink::LineCompleted(std::string_view bytes) {
    logs->Log(window, bytes);
}

void WindowLogs::Log(LogWindow window, std::string_view bytes) {
    FollowProfile();
    std::string line = m_utf8 ? AnsiToQString(bytes).toUtf8().toStdString() : std::string(bytes);
    m_writer->Append(window, m_clock(), std::move(line));
}

void WindowLogs::FollowProfile() {
    if (m_config.CurrentIndex() != m_targetIndex) {
        UpdateTarget();
    }
}

void WindowLogs::UpdateTarget() {
    m_targetIndex =
        AppConfig::IsProfileNumber(m_config.CurrentIndex()) ? m_config.CurrentIndex() : -1;
    const QString name =
        m_targetIndex < 0 ? QString() : AnsiToQString(m_config.LoadProfile(m_targetIndex).name);
    m_writer->SetTarget(EffectiveFolder(), SafeFileNamePart(name), m_folder.isEmpty());
}

void WindowLogs::ProfileEdited() {
    if (m_writer) {
        UpdateTarget();
    }
}

void WindowLogs::Shutdown() {
    if (m_shutDown) {
        return;
    }
    m_shutDown = true;
    for (const LogWindow window : kLogWindows) {
        Window& w = m_windows[Index(window)];
        if (!w.on) {
            continue;
        }
        if (w.binding.observe) {
            w.binding.observe(nullptr);
        }
        // At a clean end the line still being written is kept.
        if (w.binding.partialLine) {
            const std::string_view partial = w.binding.partialLine();
            if (!partial.empty()) {
                Log(window, partial);
            }
        }
    }
    if (m_writer) {
        m_writer->Stop();
    }
}

bool WindowLogs::event(QEvent* event) {
    if (event->type() != kLogFailedEvent) {
        return QObject::event(event);
    }
    MarkEventReceived(event);
    OnFailures();
    return true;
}

void WindowLogs::OnFailures() {
    if (!m_writer) {
        return;
    }
    for (const LogWriter::Failure& failure : m_writer->TakeFailures()) {
        Window& w = m_windows[Index(failure.window)];
        if (!w.on) {
            continue;  // switched off meanwhile; its Close has let the writer go on
        }
        // Off for this run only: the stored switch stays, so the next start tries again.
        w.on = false;
        if (w.binding.observe) {
            w.binding.observe(nullptr);
        }
        m_writer->Close(failure.window);
        emit Stopped(tr("Logging stopped: %1").arg(failure.reason));
    }
}

}  // namespace brxw
