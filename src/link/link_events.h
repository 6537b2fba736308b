// SPDX-License-Identifier: GPL-3.0-or-later
// The events the receive thread posts to the user-interface thread. Each carries the generation
// of the session whose thread posted it, so that a notice from a replaced session is ignored.
#pragma once

#include <QEvent>
#include <cstdint>

#if defined(__SANITIZE_THREAD__)
#define BRXW_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define BRXW_TSAN 1
#endif
#endif
#ifdef BRXW_TSAN
extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);
#endif

namespace brxw {

// Qt's event queue hands a posted event from the receive thread to the user-interface thread
// under a mutex that ThreadSanitizer cannot see (the Qt libraries are not instrumented). These
// two marks state that hand-over: the poster releases the event, the receiver acquires it
// before reading it. They compile to nothing in other builds.
inline void MarkEventPosted([[maybe_unused]] QEvent* event) {
#ifdef BRXW_TSAN
    __tsan_release(event);
#endif
}
inline void MarkEventReceived([[maybe_unused]] QEvent* event) {
#ifdef BRXW_TSAN
    __tsan_acquire(event);
#endif
}

inline constexpr QEvent::Type kFrameQueuedEvent = static_cast<QEvent::Type>(QEvent::User + 5);
inline constexpr QEvent::Type kLinkBrokenEvent = static_cast<QEvent::Type>(QEvent::User + 6);

// What the receive thread saw when its loop ended (LinkBroken only).
enum class LinkEndCause {
    EndOfStream,   // the server closed its side
    ReceiveError,  // select or recv failed; the code is the Windows Sockets number
    FrameTooLong,  // a header announced more than 1020 bytes; the code is that length
};

class LinkEvent : public QEvent {
public:
    LinkEvent(QEvent::Type type, std::uint64_t generation,
              LinkEndCause cause = LinkEndCause::EndOfStream, int code = 0)
        : QEvent(type), m_generation(generation), m_cause(cause), m_code(code) {}
    std::uint64_t Generation() const { return m_generation; }
    LinkEndCause Cause() const { return m_cause; }
    int Code() const { return m_code; }

private:
    // Written before the event is posted and only read after it arrives: the posting is the
    // hand-over (see MarkEventPosted).
    std::uint64_t m_generation;
    LinkEndCause m_cause;
    int m_code;
};

}  // namespace brxw
