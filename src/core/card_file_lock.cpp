#include "core/card_file_lock.h"

#include "core/posix_file.h"

#include <cerrno>
#include <fcntl.h>

namespace quillbox {

CardFileLock::CardFileLock(const std::string& directory)
{
    // The directory, not quillbox.db: the save replaces the file by a rename,
    // and a lock on the old file would not cover the new one.
    posix::Fd fd;
    if (const int e = posix::openFile(directory, O_RDONLY | O_DIRECTORY, fd)) {
        m_error = posix::describe(e);
        return;
    }
    const int e = posix::tryLock(fd.get());
    if (e == 0) {
        m_fd = std::move(fd);
        m_state = State::Held;
    } else if (e == EWOULDBLOCK) {
        m_state = State::HeldElsewhere;
    } else {
        m_error = posix::describe(e);
    }
}

CardFileLock::~CardFileLock() = default;

} // namespace quillbox
