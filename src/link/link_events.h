// The events the receive thread posts to the user-interface thread. Each carries the generation
// of the session whose thread posted it, so that a notice from a replaced session is ignored.
#pragma once

#include <QEvent>
#include <cstdint>

namespace brxw {

inline constexpr QEvent::Type kFrameQueuedEvent = static_cast<QEvent::Type>(QEvent::User + 5);
inline constexpr QEvent::Type kLinkBrokenEvent = static_cast<QEvent::Type>(QEvent::User + 6);

class LinkEvent : public QEvent {
public:
    LinkEvent(QEvent::Type type, std::uint64_t generation)
        : QEvent(type), m_generation(generation) {}
    std::uint64_t Generation() const { return m_generation; }

private:
    std::uint64_t m_generation;
};

}  // namespace brxw
