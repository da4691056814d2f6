// One writer per card file: an advisory lock on the directory that holds
// quillbox.db, held by the window for its whole run and by an import while
// it writes. The system releases it when its process ends, however it ends,
// so a crashed run never blocks the next.
#pragma once

#include "core/posix_file.h"

#include <string>

namespace quillbox {

class CardFileLock {
public:
    enum class State {
        /// This object holds the lock until it is destroyed.
        Held,
        /// Another process (or another lock in this one) holds it.
        HeldElsewhere,
        /// The directory could not be opened or does not support locks;
        /// nothing is held and error() says why.
        Unavailable,
    };

    /// Tries once to take the lock on `directory`; never waits.
    explicit CardFileLock(const std::string& directory);
    ~CardFileLock();
    CardFileLock(const CardFileLock&) = delete;
    CardFileLock& operator=(const CardFileLock&) = delete;

    State state() const noexcept { return m_state; }
    bool held() const noexcept { return m_state == State::Held; }
    /// The system's reason when state() is Unavailable.
    const std::string& error() const noexcept { return m_error; }

private:
    /// Open while the lock is held; closing it releases the lock.
    posix::Fd m_fd;
    State m_state = State::Unavailable;
    std::string m_error;
};

} // namespace quillbox
