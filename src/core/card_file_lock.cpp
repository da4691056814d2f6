// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/card_file_lock.h"

#include "core/card_file.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace quillbox {

namespace {

std::string unguarded(const std::string& why)
{
    return why + "; the card file is used without a lock, so another Quillbox could change it meanwhile.";
}

} // namespace

CardFileLock::CardFileLock(const std::string& directory)
{
    // A file beside the card file, not quillbox.db itself: the save replaces
    // that by a rename, and a lock on the old file would not cover the new
    // one. Beside where a link leads, so that every path to the file meets
    // the same lock.
    const std::string cardFile = posix::followLinks(posix::joinPath(directory, CardFileName));
    m_path = posix::joinPath(posix::directoryOf(cardFile), LockFileName);
    posix::Fd fd;
    int e = posix::openFile(m_path, O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK, fd, 0600);
    struct stat status { };
    if (e == 0)
        e = posix::openStatus(fd.get(), status);
    if (e == 0 && !S_ISREG(status.st_mode))
        e = posix::ENOTREGULAR;
    if (e != 0) {
        m_warning = unguarded("The lock file " + m_path + " cannot be used ("
            + (e == ELOOP ? std::string("it is a symbolic link") : posix::describe(e)) + ")");
        return;
    }
    // Anyone who may open the lock file may take the lock: only a file of
    // our own, open to us alone, is honoured.
    if (status.st_uid != ::geteuid()) {
        m_state = State::NotOurs;
        m_warning = unguarded("The lock file " + m_path + " belongs to " + posix::userName(status.st_uid)
            + ", not to you; it is not honoured");
        return;
    }
    if ((status.st_mode & 07777) != 0600)
        posix::setPermissions(fd.get(), 0600);
    e = posix::tryLock(fd.get());
    if (e == 0) {
        m_fd = std::move(fd);
        m_state = State::Held;
    } else if (e == EWOULDBLOCK) {
        m_state = State::HeldElsewhere;
    } else {
        m_warning = unguarded("The card file cannot be locked (" + m_path + ": " + posix::describe(e) + ")");
    }
}

CardFileLock::~CardFileLock() = default;

} // namespace quillbox
