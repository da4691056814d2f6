#include "platform/card_file_lock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace quillbox {

CardFileLock::CardFileLock(const std::string& directory)
{
    // The directory, not quillbox.db: the save replaces the file by a rename,
    // and a lock on the old file would not cover the new one.
    m_fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0) {
        m_error = std::strerror(errno);
        return;
    }
    // flock() rather than fcntl(): its locks belong to the open file, so two
    // windows in one process exclude each other too.
    int result;
    do {
        result = ::flock(m_fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        m_state = State::Held;
        return;
    }
    if (errno == EWOULDBLOCK)
        m_state = State::HeldElsewhere;
    else
        m_error = std::strerror(errno);
    ::close(m_fd);
    m_fd = -1;
}

CardFileLock::~CardFileLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // releases the lock
}

} // namespace quillbox
