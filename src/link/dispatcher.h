// SPDX-License-Identifier: GPL-3.0-or-later
// The inbound dispatch: each frame the session takes from the queue, one at a time and in order,
// routed by category and kind to the panels, the text windows, the dialogs and the reception slot.
//
// Owned by the control panel with the session; user-interface thread only. A modal dialog opened
// at the end of a reception runs its own event loop, during which further frames are dispatched
// (that is how record replies reach it), so the slot is idle before any such call.
#pragma once

#include <QString>
#include <cstdint>
#include <string_view>

#include "link/reception.h"

namespace brxw {

class DispatchTarget;
class FrameQueue;
class InboundFrame;

// Request and reply kinds of category 0.
namespace kind {
inline constexpr std::uint8_t kCapabilities = 0;
inline constexpr std::uint8_t kDirectory = 1;
inline constexpr std::uint8_t kFetchedFile = 2;
inline constexpr std::uint8_t kFile = 3;
inline constexpr std::uint8_t kForward = 4;
inline constexpr std::uint8_t kDisconnectChannel = 5;
inline constexpr std::uint8_t kUserRecords = 6;
inline constexpr std::uint8_t kMessageRecords = 7;
inline constexpr std::uint8_t kMessageText = 8;
inline constexpr std::uint8_t kServerOptions = 9;
inline constexpr std::uint8_t kPactor = 10;
}  // namespace kind

// Files the named receptions write, in the working directory.
inline constexpr const char* kDirectoryFile = "brx_directory.txt";
inline constexpr const char* kForwardFile = "forward.txt";
inline constexpr const char* kServiceFile = "service.txt";
inline constexpr const char* kMessageFile = "brx_message.txt";

class Dispatcher {
public:
    Dispatcher(FrameQueue& queue, DispatchTarget& target, QString workingDirectory);

    // Pops one frame and routes it; nothing when the queue is empty.
    void DispatchOne();
    void Dispatch(const InboundFrame& frame);
    // The session ended: a transfer in progress is dropped so that it cannot swallow the next
    // session's first frames.
    void SessionEnded();

    bool MessageEdit() const { return m_messageEdit; }
    void SetMessageEdit(bool on) {
        m_messageEdit = on;
        m_messageOrphaned = false;
    }
    // The session that asked for the message has ended: nobody waits for its text any more, and
    // plain text sent to a later session would be read as console commands.
    bool MessageOrphaned() const { return m_messageEdit && m_messageOrphaned; }
    const Reception& Slot() const { return m_reception; }
    QString WorkingPath(const char* name) const;

private:
    void Reply(std::uint8_t kind, std::string_view payload);
    void Capabilities(std::string_view payload);
    void Notice(std::string_view payload);
    void Console(std::string_view payload);
    void Monitoring(std::string_view payload);
    void StartGeneric(std::string_view payload);
    void StartNamed(std::uint8_t kind, std::string_view payload);
    void Continue(std::uint8_t kind, std::string_view payload);
    void EndAction(std::uint8_t kind, const QString& path);
    bool TakenByReception(std::uint8_t kind) const;

    FrameQueue& m_queue;
    DispatchTarget& m_target;
    QString m_directory;
    Reception m_reception;
    bool m_messageEdit = false;
    bool m_messageOrphaned = false;
};

}  // namespace brxw
