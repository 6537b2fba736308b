// SPDX-License-Identifier: GPL-3.0-or-later
// The byte stream from the server, as the receive thread assembles it into frames and the
// dispatch routes them to a recording control panel whose panels are the real logic: station
// list, channel routing, counters, Pactor controls, server options, the record exchange and the
// readers of the received lists.
//
// Input: one byte of panel state (which windows and dialogs exist), then the stream.
//
// Properties: frames leave the queue as they went in and in order; a length over 1020 ends the
// stream; each stream reaches only a window that exists; the progress indicator is on only while
// a reception runs; every received file holds exactly the data frames of its transfer, lies in
// the working directory under a plain name and is the only file the dispatch leaves there; the
// panels keep their own promises (see checks.h).
#include <QDir>
#include <QString>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "admin/forward_list.h"
#include "admin/record_exchange.h"
#include "admin/remote_listing.h"
#include "checks.h"
#include "fuzz_support.h"
#include "link/dispatch_target.h"
#include "link/dispatcher.h"
#include "link/frame.h"
#include "link/frame_queue.h"
#include "link/pactor_control.h"
#include "link/reception.h"
#include "link/server_options.h"
#include "link/traffic_colour.h"
#include "panel/channel_router.h"
#include "panel/counters.h"
#include "panel/station_list.h"
#include "resources/command_ids.h"
#include "resources/strings.h"
#include "text/charset.h"
#include "text/text_scan.h"

namespace brxw {
namespace {

namespace fs = std::filesystem;

// One working directory per process, emptied after every input.
class WorkDir {
public:
    WorkDir() : m_scratch("dispatch"), m_qpath(QString::fromStdString(m_scratch.Path().string())) {}
    const fs::path& Path() const { return m_scratch.Path(); }
    const QString& QPath() const { return m_qpath; }

private:
    fuzz::ScratchDirectory m_scratch;
    QString m_qpath;
};

WorkDir& Work() {
    static WorkDir dir;
    return dir;
}

std::string FileContents(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    if (!in) {
        return "<missing>";
    }
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The control panel as the dispatch sees it, with the real logic behind the panels.
class RecordingPanel : public DispatchTarget {
public:
    explicit RecordingPanel(std::uint8_t flags) : m_router(m_all, m_one) {
        consoleCreated = (flags & 0x01) != 0;
        monitoringCreated = (flags & 0x02) != 0;
        remoteFilesOpen = (flags & 0x04) != 0;
        pendingForwardOpen = (flags & 0x08) != 0;
        userPropertiesOpen = (flags & 0x10) != 0;
        messagePropertiesOpen = (flags & 0x20) != 0;
        options = kOptionsAtConnect | ((flags & 0x40) != 0 ? category::kConsole : 0u);
        m_all.exists = (flags & 0x80) != 0;
        m_one.exists = m_all.exists;
        m_one.channel = flags & 0x07;
    }

    // What the file of the reception that ends now must hold; set by the harness before the
    // frame that ends it.
    std::optional<std::string> expectedFile;
    std::string receptionName;        // the slot's name when the reception began
    std::set<std::string> leftFiles;  // names the dispatch may leave there, in UTF-8

    bool consoleCreated = false;
    bool monitoringCreated = false;
    bool remoteFilesOpen = false;
    bool pendingForwardOpen = false;
    bool userPropertiesOpen = false;
    bool messagePropertiesOpen = false;
    std::uint32_t options = kOptionsAtConnect;
    bool progress = false;

    void MessageCounters(std::string_view t) override { fuzz::CheckMessageCounters(t); }
    void SystemStatus(std::string_view t) override { fuzz::CheckSystemStatus(t); }
    void StationCount(std::string_view t) override {
        FUZZ_CHECK(ParseStationCount(t) >= 0, "a negative station count");
    }
    void StationLine(std::string_view t) override {
        fuzz::ApplyAndCheckStationLine(m_stations, t, m_one.channel);
    }
    void ChannelTraffic(int channel, std::uint8_t trafficByte, std::string_view text) override {
        FUZZ_CHECK(channel >= -128 && channel <= 127, "channel beyond a signed byte");
        FUZZ_CHECK(!text.empty(), "channel traffic without text");
        fuzz::RouteAndCheck(m_router, m_all, m_one, channel, trafficByte, text);
    }
    bool ConsoleCreated() const override { return consoleCreated; }
    void ConsoleText(std::string_view t, std::uint32_t colour) override {
        FUZZ_CHECK(consoleCreated, "console text for a console never created");
        FUZZ_CHECK(colour == TrafficColour(0), "console text not navy");
        FUZZ_CHECK(!t.empty(), "empty console text");
    }
    void ShowConsole() override { FUZZ_CHECK(consoleCreated, "showing a console never created"); }
    void HideConsole() override { FUZZ_CHECK(consoleCreated, "hiding a console never created"); }
    void ToggleConsole() override {
        FUZZ_CHECK(consoleCreated && (options & category::kConsole) != 0,
                   "console closed that was not open");
        options &= ~std::uint32_t{category::kConsole};  // the toggle hides it and clears the bit
    }
    bool MonitoringCreated() const override { return monitoringCreated; }
    void MonitoringText(std::string_view t, std::uint32_t) override {
        FUZZ_CHECK(monitoringCreated, "monitoring text for a window never created");
        FUZZ_CHECK(!t.empty(), "empty monitoring text");
    }
    std::uint32_t Options() const override { return options; }
    void ShowToolbarButton(int command) override {
        static const std::set<int> kButtons = {
            cmd::kOpenConfigFile,      cmd::kPendingForward,     cmd::kDisconnectChannel,
            cmd::kImmediateDisconnect, cmd::kEditUserProperties, cmd::kEditMessageProperties};
        FUZZ_CHECK(kButtons.count(command) == 1, "a button no capability shows");
    }
    void ServerOptionsAvailable() override {
        if (const auto request = m_options.Attach()) {
            SendRequest(9, *request);
        }
    }
    void ServerOptionsList(std::string_view t) override {
        m_options.List(t);
        fuzz::CheckServerOptions(m_options);
    }
    void PactorState(std::string_view t) override {
        m_pactor.Report(t);
        fuzz::CheckPactor(m_pactor);
    }
    void ShowWarning(const std::string& caption, const std::string& text) override {
        if (caption == "Message") {
            FUZZ_CHECK(!consoleCreated && text.size() == 27, "a console message box out of place");
        } else {
            FUZZ_CHECK(caption == str::kPanelTitle && text == "Remote console is already connected",
                       "an unexpected message box: " + fuzz::Show(caption + ": " + text));
        }
    }
    void SendRequest(std::uint8_t kind, std::string_view t) override {
        if (kind == 8) {
            // "MSG %ld": a number that reads back as itself.
            FUZZ_CHECK(t.substr(0, 4) == "MSG ", "message request without MSG");
            const std::string number(t.substr(4));
            FUZZ_CHECK(std::to_string(ScanLeadingLong(number)) == number,
                       "message request number: " + fuzz::Show(t));
        } else {
            FUZZ_CHECK(kind == 9 && t == "GET", "an unexpected request: " + fuzz::Show(t));
        }
    }
    void ReceptionFailed(std::uint8_t, const QString& path, const QString& reason) override {
        // The working directory is writable: every file the server sends can be stored.
        FUZZ_CHECK(false, "a received file that could not be stored: " + NameInWorkDir(path) +
                              ": " + reason.toStdString());
    }
    void OpenInEditor(const QString& path) override {
        const std::string name = NameInWorkDir(path);
        if (name == kMessageFile && !expectedFile) {
            FUZZ_CHECK(FileContents(path).empty(), "a new message file that is not empty");
        } else {
            EndOfReception(path, name);
        }
    }
    void ProgressBegin(std::int32_t total) override {
        FUZZ_CHECK(!progress, "a second progress indicator");
        FUZZ_CHECK(total != 0, "progress for a transfer announced empty");
        progress = true;
    }
    void ProgressUpdate(std::int32_t received) override {
        FUZZ_CHECK(progress, "progress update without an indicator");
        FUZZ_CHECK(received > 0, "progress update without data");
    }
    void ProgressEnd() override { progress = false; }
    bool RemoteFilesOpen() const override { return remoteFilesOpen; }
    void DirectoryListingReceived(const QString& path) override {
        FUZZ_CHECK(remoteFilesOpen, "a listing for a closed dialog");
        EndOfReception(path, NameInWorkDir(path));
    }
    bool PendingForwardOpen() const override { return pendingForwardOpen; }
    void OpenPendingForward(const QString& path) override {
        FUZZ_CHECK(!pendingForwardOpen, "a second pending-forward dialog");
        EndOfReception(path, NameInWorkDir(path));
    }
    bool UserPropertiesOpen() const override { return userPropertiesOpen; }
    void UserRecordReply(std::string_view payload) override {
        FUZZ_CHECK(userPropertiesOpen, "a user record for a closed dialog");
        admin::UserRecord record;
        admin::ApplyUserReply(record, payload, NextCharset());
    }
    void OpenUserProperties(const QString& path) override {
        FUZZ_CHECK(!userPropertiesOpen, "a second user dialog");
        EndOfReception(path, NameInWorkDir(path));
    }
    bool MessagePropertiesOpen() const override { return messagePropertiesOpen; }
    void MessageRecordReply(std::string_view payload) override {
        FUZZ_CHECK(messagePropertiesOpen, "a message record for a closed dialog");
        admin::MessageRecord record;
        admin::ApplyMessageReply(record, payload, NextCharset());
    }
    void OpenMessageProperties(const QString& path) override {
        FUZZ_CHECK(!messagePropertiesOpen, "a second message dialog");
        EndOfReception(path, NameInWorkDir(path));
    }

private:
    // The AnsiChar setting for the next record reply: both settings, in turn.
    bool NextCharset() {
        m_ansiChar = !m_ansiChar;
        return m_ansiChar;
    }

    // The file name of path, which must lie directly in the working directory.
    static std::string NameInWorkDir(const QString& path) {
        const int slash = path.lastIndexOf(QLatin1Char('/'));
        FUZZ_CHECK(slash >= 0 && path.left(slash) == Work().QPath(),
                   "a file outside the working directory: " + fuzz::Show(path.toStdString()));
        const std::string name = QStringToAnsi(path.mid(slash + 1));
        FUZZ_CHECK(!name.empty() && name.front() != '.' && name.size() <= 255,
                   "not a plain file name: " + fuzz::Show(name));
        return name;
    }

    void EndOfReception(const QString& path, const std::string& name) {
        FUZZ_CHECK(expectedFile.has_value(), "a reception ended that the stream did not end");
        FUZZ_CHECK(name == receptionName, "received under another name: " + fuzz::Show(name));
        FUZZ_CHECK(!progress, "progress indicator still on after the reception");
        const std::string got = FileContents(path);
        FUZZ_CHECK(got == *expectedFile, "received file differs: got " +
                                             std::to_string(got.size()) + " bytes, sent " +
                                             std::to_string(expectedFile->size()));
        // What the dialog that opens on the file reads from it.
        const fuzz::ExactText file(got);
        admin::ReadForwardList(file.View());
        admin::ReadListing(file.View());
        admin::ReadUserKeys(file.View());
        admin::ReadMessageKeys(file.View());
        expectedFile.reset();
        // As the file system spells it.
        leftFiles.insert(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1).toStdString());
    }

    StationList m_stations;
    fuzz::RecordingSink m_all;
    fuzz::RecordingSink m_one;
    ChannelRouter m_router;
    PactorControl m_pactor;
    ServerOptions m_options;
    bool m_ansiChar = false;
};

bool IsReceptionKind(std::uint8_t kind) {
    return kind == kind::kDirectory || kind == kind::kFetchedFile || kind == kind::kFile ||
           kind == kind::kForward || kind == kind::kUserRecords || kind == kind::kMessageRecords ||
           kind == kind::kMessageText;
}

// Whether a frame of kind continues a reception in progress, as the protocol defines it.
bool Continues(const RecordingPanel& panel, std::uint8_t kind) {
    if (kind == kind::kUserRecords) {
        return !panel.userPropertiesOpen;
    }
    if (kind == kind::kMessageRecords) {
        return !panel.messagePropertiesOpen;
    }
    return IsReceptionKind(kind);
}

// The first frame of a list transfer (name, NUL, decimal size) that announces an empty list: the
// named file it creates, or nothing when the frame starts a transfer, has no size field or is not
// a list at all.
std::optional<std::string> EmptyListFile(const RecordingPanel& panel, std::uint8_t kind,
                                         std::string_view payload) {
    const std::size_t zero = payload.find('\0');
    const TransferAnnouncement announced = ParseAnnouncement(fuzz::ExactText(payload).View());
    FUZZ_CHECK(announced.name == payload.substr(0, zero), "announced name");
    const long size = zero == std::string_view::npos
                          ? 0
                          : std::clamp<long>(fuzz::ReferenceLeadingLong(payload.substr(zero + 1)),
                                             INT32_MIN, INT32_MAX);
    FUZZ_CHECK(announced.size == size, "announced size of " + fuzz::Show(payload));
    // Without its size field a frame announces nothing (a record reply after its dialog closed).
    if (size != 0 || zero == std::string_view::npos) {
        return std::nullopt;
    }
    switch (kind) {
        case kind::kDirectory:
            return panel.remoteFilesOpen ? std::optional<std::string>(kDirectoryFile)
                                         : std::nullopt;
        case kind::kForward:
            return std::string(kForwardFile);
        case kind::kUserRecords:
            return panel.userPropertiesOpen ? std::nullopt
                                            : std::optional<std::string>(kServiceFile);
        case kind::kMessageRecords:
            return panel.messagePropertiesOpen ? std::nullopt
                                               : std::optional<std::string>(kServiceFile);
        default:
            return std::nullopt;
    }
}

// Whether the end of a reception hands its file to someone: a listing nobody waits for and a
// forward list while the dialog is already open are deleted instead.
bool EndsInCall(const RecordingPanel& panel, std::uint8_t kind) {
    if (kind == kind::kDirectory) {
        return panel.remoteFilesOpen;
    }
    if (kind == kind::kForward) {
        return !panel.pendingForwardOpen;
    }
    return true;
}

void CheckDirectory(const RecordingPanel& panel) {
    for (const auto& entry : fs::directory_iterator(Work().Path())) {
        const std::string name = entry.path().filename().string();
        const bool allowed = panel.leftFiles.count(name) == 1 || name == kServiceFile ||
                             name == kForwardFile || name == kDirectoryFile || name == kMessageFile;
        FUZZ_CHECK(allowed, "a file the dispatch should not have left: " + fuzz::Show(name));
    }
}

void EmptyDirectory() {
    for (const auto& entry : fs::directory_iterator(Work().Path())) {
        std::error_code ignored;
        fs::remove(entry.path(), ignored);
    }
}

}  // namespace
}  // namespace brxw

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brxw;
    fuzz::ByteReader reader(data, size);
    RecordingPanel panel(reader.Byte());
    FrameQueue queue;
    std::string expected;  // the data of the reception in progress
    {
        Dispatcher dispatcher(queue, panel, Work().QPath());
        const std::string_view stream = reader.Rest();
        std::size_t pos = 0;
        std::vector<std::string_view> batch;
        bool streamOpen = true;
        while (streamOpen) {
            // The receive thread: whole frames only; a length over the buffer loses the stream.
            batch.clear();
            FrameBatch pushed;
            while (batch.size() < 8 && stream.size() - pos >= kFrameHeaderSize) {
                const FrameHeader header =
                    DecodeHeader(reinterpret_cast<const unsigned char*>(stream.data() + pos));
                if (header.length > kMaxInboundPayload ||
                    stream.size() - pos - kFrameHeaderSize < header.length) {
                    streamOpen = false;
                    break;
                }
                const std::string_view frame = stream.substr(pos, kFrameHeaderSize + header.length);
                FUZZ_CHECK(!pushed.Add(frame.data(), frame.size() - 1),
                           "a batch took a frame shorter than its length");
                FUZZ_CHECK(pushed.Add(frame.data(), frame.size()), "a whole frame refused");
                batch.push_back(frame);
                pos += frame.size();
            }
            if (batch.empty()) {
                break;
            }
            // Everything before was taken: the queue is empty, so the reader is to be told.
            FUZZ_CHECK(queue.PushBatch(std::move(pushed)), "no notice asked for an empty queue");
            FUZZ_CHECK(queue.Size() == batch.size(), "the queue lost or gained frames");
            for (const std::string_view sent : batch) {
                const std::optional<InboundFrame> frame = queue.PopFrame();
                FUZZ_CHECK(frame && frame->Size() == sent.size(), "a frame left the queue changed");
                FUZZ_CHECK(frame->Payload() == sent.substr(kFrameHeaderSize),
                           "a payload left the queue changed");
                FUZZ_CHECK(frame->PayloadText()[frame->Payload().size()] == '\0',
                           "payload not NUL-terminated");

                const bool wasReceiving = dispatcher.Slot().InProgress();
                const bool reply = frame->Category() == category::kReply;
                const bool continues = wasReceiving && reply && Continues(panel, frame->Kind());
                const std::optional<std::string> listedEmpty =
                    wasReceiving || !reply ? std::nullopt
                                           : EmptyListFile(panel, frame->Kind(), frame->Payload());
                if (continues && !frame->Payload().empty()) {
                    expected.append(frame->Payload());
                } else if (continues) {
                    panel.expectedFile = expected;
                    expected.clear();
                } else if (listedEmpty) {
                    // An empty list is announced with size 0: its file is created empty and its
                    // dialog opens on it at once.
                    panel.expectedFile = "";
                    panel.receptionName = *listedEmpty;
                }
                dispatcher.Dispatch(*frame);

                if (((continues && frame->Payload().empty()) || listedEmpty) &&
                    EndsInCall(panel, frame->Kind())) {
                    FUZZ_CHECK(!panel.expectedFile, "a reception ended without its end action");
                }
                panel.expectedFile.reset();
                if (!wasReceiving && dispatcher.Slot().InProgress()) {
                    FUZZ_CHECK(reply && IsReceptionKind(frame->Kind()), "a reception from nowhere");
                    expected.clear();
                    panel.receptionName = dispatcher.Slot().Name();
                    const std::string& name = panel.receptionName;
                    FUZZ_CHECK(!name.empty() && name.front() != '.' &&
                                   name.find_first_of("/\\") == std::string::npos,
                               "not a plain file name: " + fuzz::Show(name));
                }
                FUZZ_CHECK(!panel.progress || dispatcher.Slot().InProgress(),
                           "progress indicator on while no reception runs");
            }
            FUZZ_CHECK(queue.Size() == 0, "frames left in the queue");
        }
        dispatcher.SessionEnded();
        FUZZ_CHECK(!panel.progress, "progress indicator on after the session ended");
        FUZZ_CHECK(!dispatcher.Slot().InProgress(), "a reception survived the session");
    }
    CheckDirectory(panel);
    EmptyDirectory();
    return 0;
}
