// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/dispatcher.h"

#include <QDir>
#include <QFile>

#include "link/dispatch_target.h"
#include "link/frame.h"
#include "link/frame_queue.h"
#include "link/traffic_colour.h"
#include "resources/command_ids.h"
#include "resources/strings.h"
#include "resources/translate.h"
#include "text/text_scan.h"

namespace brxw {

namespace {
// Traffic payloads: channel, traffic byte, one unused byte, then the text.
constexpr std::size_t kTrafficTextOffset = 3;
// A console text of exactly this length, arriving while the console was never opened, is a
// message the server means the operator to see.
constexpr std::size_t kConsoleMessageLength = 27;
constexpr std::uint8_t kConsoleBit = category::kConsole;

// Transfers that end in the editor; the others end in an administration dialog.
bool ShowsInEditor(std::uint8_t kind) {
    return kind != kind::kDirectory && kind != kind::kForward && kind != kind::kUserRecords &&
           kind != kind::kMessageRecords;
}
}  // namespace

Dispatcher::Dispatcher(FrameQueue& queue, DispatchTarget& target, QString workingDirectory)
    : m_queue(queue),
      m_target(target),
      m_directory(std::move(workingDirectory)),
      m_reception(m_directory) {}

QString Dispatcher::WorkingPath(const char* name) const {
    return QDir(m_directory).filePath(QString::fromLatin1(name));
}

void Dispatcher::DispatchOne() {
    if (auto frame = m_queue.PopFrame()) {
        Dispatch(*frame);
    }
}

void Dispatcher::SessionEnded() {
    m_messageOrphaned = true;
    if (m_reception.InProgress()) {
        m_reception.Abort();
        m_target.ProgressEnd();
    }
}

void Dispatcher::Dispatch(const InboundFrame& frame) {
    const std::string_view payload = frame.Payload();
    switch (frame.Category()) {
        case category::kReply:
            Reply(frame.Kind(), payload);
            break;
        case category::kMessageCounters:
            m_target.MessageCounters(payload);
            break;
        case category::kSystemStatus:
            m_target.SystemStatus(payload);
            break;
        case category::kStationCount:
            m_target.StationCount(payload);
            break;
        case category::kStationLine:
            m_target.StationLine(payload);
            break;
        case category::kMonitoring:
            Monitoring(payload);
            break;
        case category::kConsole:
            Console(payload);
            break;
        case category::kChannel:
            if (payload.size() > kTrafficTextOffset) {
                m_target.ChannelTraffic(static_cast<signed char>(payload[0]),
                                        static_cast<std::uint8_t>(payload[1]),
                                        payload.substr(kTrafficTextOffset));
            }
            break;
        case category::kNotice:
            Notice(payload);
            break;
        default:
            break;  // not a category of this protocol
    }
}

void Dispatcher::Console(std::string_view payload) {
    if (payload.size() <= kTrafficTextOffset) {
        return;
    }
    const std::string_view text = payload.substr(kTrafficTextOffset);
    if (m_target.ConsoleCreated()) {
        m_target.ConsoleText(text, TrafficColour(0));
    } else if (text.size() == kConsoleMessageLength) {
        m_target.ShowWarning(TrAnsi("brxw::Dispatcher", "Message"), std::string(text));
    }
}

void Dispatcher::Monitoring(std::string_view payload) {
    if (payload.size() > kTrafficTextOffset && m_target.MonitoringCreated()) {
        m_target.MonitoringText(payload.substr(kTrafficTextOffset),
                                TrafficColour(static_cast<unsigned char>(payload[1])));
    }
}

void Dispatcher::Capabilities(std::string_view payload) {
    for (char byte : payload) {
        switch (static_cast<unsigned char>(byte)) {
            case 1:
            case 2:
            case 3:
                m_target.ShowToolbarButton(cmd::kOpenConfigFile);
                break;
            case 4:
                m_target.ShowToolbarButton(cmd::kPendingForward);
                break;
            case 5:
                m_target.ShowToolbarButton(cmd::kDisconnectChannel);
                m_target.ShowToolbarButton(cmd::kImmediateDisconnect);
                break;
            case 6:
                m_target.ShowToolbarButton(cmd::kEditUserProperties);
                break;
            case 7:
                m_target.ShowToolbarButton(cmd::kEditMessageProperties);
                break;
            case 9:
                m_target.ServerOptionsAvailable();
                break;
            default:
                break;
        }
    }
}

void Dispatcher::Notice(std::string_view payload) {
    if (payload.empty()) {
        return;
    }
    const auto closeConsole = [this] {
        if (m_target.ConsoleCreated() && (m_target.Options() & kConsoleBit) != 0) {
            m_target.ToggleConsole();
        }
    };
    switch (static_cast<signed char>(payload[0])) {
        case 0:
            closeConsole();
            break;
        case 1:
            if (m_target.ConsoleCreated()) {
                m_target.ShowConsole();
            }
            break;
        case 2:
            if (m_target.ConsoleCreated()) {
                m_target.HideConsole();
            }
            m_target.ShowWarning(str::kPanelTitle,
                                 TrAnsi("brxw::Dispatcher", "Remote console is already connected"));
            closeConsole();
            break;
        case 3:
            // Only the message file: a reception in progress goes on.
            if (!m_reception.CreateEmpty(kMessageFile)) {
                m_target.ReceptionFailed(kind::kMessageText, WorkingPath(kMessageFile),
                                         m_reception.Failure());
            }
            SetMessageEdit(true);
            m_target.OpenInEditor(WorkingPath(kMessageFile));
            break;
        case 4: {
            const long number = ScanLeadingLong(payload.substr(1));
            SetMessageEdit(true);
            m_target.SendRequest(kind::kMessageText, StrPrintf("MSG %ld", number));
            break;
        }
        default:
            break;
    }
}

bool Dispatcher::TakenByReception(std::uint8_t kind) const {
    switch (kind) {
        case kind::kDirectory:
        case kind::kFetchedFile:
        case kind::kFile:
        case kind::kForward:
        case kind::kMessageText:
            return true;
        case kind::kUserRecords:
            return !m_target.UserPropertiesOpen();
        case kind::kMessageRecords:
            return !m_target.MessagePropertiesOpen();
        default:
            return false;
    }
}

void Dispatcher::Reply(std::uint8_t kind, std::string_view payload) {
    if (m_reception.InProgress() && TakenByReception(kind)) {
        Continue(kind, payload);
        return;
    }
    switch (kind) {
        case kind::kCapabilities:
            Capabilities(payload);
            break;
        case kind::kDirectory:
            // A listing nobody asked for is not written.
            if (m_target.RemoteFilesOpen()) {
                StartNamed(kind, payload);
            }
            break;
        case kind::kFetchedFile:
        case kind::kFile:
        case kind::kMessageText:
            StartGeneric(payload);
            break;
        case kind::kForward:
            StartNamed(kind, payload);
            break;
        case kind::kUserRecords:
            if (m_target.UserPropertiesOpen()) {
                m_target.UserRecordReply(payload);
            } else {
                StartNamed(kind, payload);
            }
            break;
        case kind::kMessageRecords:
            if (m_target.MessagePropertiesOpen()) {
                m_target.MessageRecordReply(payload);
            } else {
                StartNamed(kind, payload);
            }
            break;
        case kind::kServerOptions:
            m_target.ServerOptionsList(payload);
            break;
        case kind::kPactor:
            m_target.PactorState(payload);
            break;
        default:
            break;
    }
}

void Dispatcher::StartGeneric(std::string_view payload) {
    const TransferAnnouncement announcement = ParseAnnouncement(payload);
    if (m_reception.Begin(SafeFileName(announcement.name), announcement.size) &&
        m_reception.FileOpen()) {
        m_target.ProgressBegin(announcement.size);
    }
}

void Dispatcher::StartNamed(std::uint8_t kind, std::string_view payload) {
    const char* name = kind == kind::kDirectory ? kDirectoryFile
                       : kind == kind::kForward ? kForwardFile
                                                : kServiceFile;
    // Without the zero byte there is no size field, so this is no announcement: a record reply
    // that came after its dialog had closed, say. It must not open an empty dialog.
    if (payload.find('\0') == std::string_view::npos) {
        return;
    }
    const TransferAnnouncement announcement = ParseAnnouncement(payload);
    if (announcement.size == 0) {
        // An empty list (no users, no forwards, an empty directory) comes announced with size
        // 0: no reception starts, but the file is created empty and its end action runs, so
        // that its dialog opens, or shows the empty list.
        if (!m_reception.CreateEmpty(name)) {
            m_target.ReceptionFailed(kind, WorkingPath(name), m_reception.Failure());
            return;
        }
        EndAction(kind, WorkingPath(name));
        return;
    }
    if (m_reception.Begin(name, announcement.size) && m_reception.FileOpen()) {
        m_target.ProgressBegin(announcement.size);
    }
}

void Dispatcher::Continue(std::uint8_t kind, std::string_view payload) {
    if (!payload.empty()) {
        m_reception.Append(payload);
        if (m_reception.FileOpen()) {
            m_target.ProgressUpdate(m_reception.Received());
        }
        return;
    }
    const QString path = m_reception.Path();
    const bool written = m_reception.Finish();
    m_target.ProgressEnd();
    if (!written) {
        m_target.ReceptionFailed(kind, path, m_reception.Failure());
        if (!ShowsInEditor(kind)) {
            return;  // no dialog on a list that is not there (or is an older one)
        }
    }
    EndAction(kind, path);
}

void Dispatcher::EndAction(std::uint8_t kind, const QString& path) {
    switch (kind) {
        case kind::kDirectory:
            if (m_target.RemoteFilesOpen()) {
                m_target.DirectoryListingReceived(path);
            } else {
                QFile::remove(path);  // nobody is left to read it
            }
            break;
        case kind::kForward:
            if (m_target.PendingForwardOpen()) {
                QFile::remove(path);
            } else {
                m_target.OpenPendingForward(path);
            }
            break;
        case kind::kUserRecords:
            m_target.OpenUserProperties(path);
            QFile::remove(WorkingPath(kServiceFile));
            break;
        case kind::kMessageRecords:
            m_target.OpenMessageProperties(path);
            QFile::remove(WorkingPath(kServiceFile));
            break;
        default:
            m_target.OpenInEditor(path);
            break;
    }
}

}  // namespace brxw
