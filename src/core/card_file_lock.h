// SPDX-License-Identifier: GPL-3.0-or-later
// One writer per card file: an advisory lock on the lock file
// .quillbox.lock beside the card file's real place (after links), held by
// the window for its whole run and by an import or a sync while it
// writes. The system releases it when its process ends, however it ends,
// so a crashed run never blocks the next. The lock file itself stays: removing it would
// race with the next one to lock.
#pragma once

#include "core/posix_file.h"

#include <string>

namespace quillbox {

inline constexpr const char* LockFileName = ".quillbox.lock";

class CardFileLock {
public:
    enum class State {
        /// This object holds the lock until it is destroyed.
        Held,
        /// Another process (or another lock in this one) holds it.
        HeldElsewhere,
        /// The lock file could not be made or opened (a directory that
        /// cannot hold it, a link in its place) or does not support locks;
        /// nothing is held and warning() says why.
        Unavailable,
        /// The lock file belongs to another user, who could hold it to keep
        /// this one out; it is not honoured, nothing is held, and warning()
        /// names the owner.
        NotOurs,
    };

    /// Tries once to take the lock for the card file in `directory`: on
    /// the lock file beside the file that quillbox.db leads to, made with
    /// mode 0600 when missing and never opened through a link. Never waits.
    explicit CardFileLock(const std::string& directory);
    ~CardFileLock();
    CardFileLock(const CardFileLock&) = delete;
    CardFileLock& operator=(const CardFileLock&) = delete;

    State state() const noexcept { return m_state; }
    bool held() const noexcept { return m_state == State::Held; }
    /// The lock file this object tried.
    const std::string& lockFilePath() const noexcept { return m_path; }
    /// For Unavailable and NotOurs: the sentence that tells the user the
    /// card file is used without a lock, and why. Empty otherwise.
    const std::string& warning() const noexcept { return m_warning; }

private:
    /// Open while the lock is held; closing it releases the lock.
    posix::Fd m_fd;
    State m_state = State::Unavailable;
    std::string m_path;
    std::string m_warning;
};

} // namespace quillbox
