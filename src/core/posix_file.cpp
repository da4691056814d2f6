// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/posix_file.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <random>
#include <sys/file.h>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace quillbox::posix {

namespace {

constexpr std::string_view TemporaryTag = ".quillbox-tmp-";

FaultInjector& faultInjector()
{
    static FaultInjector injector;
    return injector;
}

/// The injected errno for `op` on `path`, or 0 (always, outside tests).
int injected(Operation op, const std::string& path)
{
    const FaultInjector& injector = faultInjector();
    return injector ? injector(op, path) : 0;
}

/// Sets errno to an injected fault and says whether there was one.
bool fails(Operation op, const std::string& path)
{
    if (const int e = injected(op, path)) {
        errno = e;
        return true;
    }
    return false;
}

/// Six random name characters for a temporary file.
std::string randomSuffix()
{
    static constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 rng {std::random_device {}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof Alphabet - 2);
    std::string suffix(6, ' ');
    for (char& c : suffix)
        c = Alphabet[pick(rng)];
    return suffix;
}

bool isAlnum(char c) noexcept
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool processGone(pid_t pid) noexcept
{
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

} // namespace

std::string describe(int error)
{
    if (error == ENOTREGULAR)
        return "not a regular file";
    return std::system_category().message(error);
}

std::string describeFailure(std::string_view what, const std::string& path, int error)
{
    std::string out(what);
    return out.append(" ").append(path).append(": ").append(describe(error));
}

void setFaultInjector(FaultInjector injector)
{
    faultInjector() = std::move(injector);
}

Fd::~Fd()
{
    close();
}

Fd::Fd(Fd&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
{
}

Fd& Fd::operator=(Fd&& other) noexcept
{
    if (this != &other) {
        close();
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

int Fd::close() noexcept
{
    const int fd = std::exchange(m_fd, -1);
    if (fd < 0)
        return 0;
    // Linux frees the descriptor even when close fails; never retry it.
    return ::close(fd) == 0 ? 0 : errno;
}

int openFile(const std::string& path, int flags, Fd& out, mode_t mode)
{
    if (fails(Operation::Open, path))
        return errno;
    int fd;
    do
        fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return errno;
    out = Fd(fd);
    return 0;
}

int readAll(int fd, std::string& out, std::size_t sizeHint)
{
    if (const int e = injected(Operation::Read, {}))
        return e;
    out.clear();
    // The size is only a hint: the file may change while it is read.
    out.reserve(std::min<std::size_t>(sizeHint, std::size_t {1} << 26));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return 0;
        out.append(buffer, static_cast<std::size_t>(n));
    }
}

int readSome(int fd, std::string& out, std::size_t capacity)
{
    if (const int e = injected(Operation::Read, {}))
        return e;
    out.resize(capacity);
    for (;;) {
        const ssize_t n = ::read(fd, out.data(), capacity);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int e = errno;
            out.clear();
            return e;
        }
        out.resize(static_cast<std::size_t>(n));
        return 0;
    }
}

int writeAll(int fd, std::string_view bytes)
{
    if (const int e = injected(Operation::Write, {}))
        return e;
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

int syncFile(int fd)
{
    if (const int e = injected(Operation::Sync, {}))
        return e;
    int rc;
    do
        rc = ::fsync(fd);
    while (rc != 0 && errno == EINTR);
    return rc == 0 ? 0 : errno;
}

int truncateFile(int fd, off_t size)
{
    if (const int e = injected(Operation::Truncate, {}))
        return e;
    int rc;
    do
        rc = ::ftruncate(fd, size);
    while (rc != 0 && errno == EINTR);
    return rc == 0 ? 0 : errno;
}

int claimSpace(int fd, off_t size)
{
    if (const int e = injected(Operation::Allocate, {}))
        return e;
    // posix_fallocate returns its error rather than setting errno.
    const int e = ::posix_fallocate(fd, 0, size);
    return e == EOPNOTSUPP || e == EINVAL ? 0 : e;
}

void guardStandardStreams()
{
    for (int stream = 0; stream <= 2; ++stream) {
        if (::fcntl(stream, F_GETFD) != -1 || errno != EBADF)
            continue;
        // The lowest free number is `stream` itself; a path-only descriptor
        // can be neither read nor written.
        const int placeholder = ::open("/dev/null", O_PATH);
        if (placeholder != stream && placeholder >= 0)
            ::close(placeholder);
    }
}

int tryLock(int fd)
{
    if (const int e = injected(Operation::Lock, {}))
        return e;
    int rc;
    do
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    while (rc != 0 && errno == EINTR);
    return rc == 0 ? 0 : errno;
}

int fileStatus(const std::string& path, struct stat& status)
{
    return ::stat(path.c_str(), &status) == 0 ? 0 : errno;
}

int linkStatus(const std::string& path, struct stat& status)
{
    return ::lstat(path.c_str(), &status) == 0 ? 0 : errno;
}

int openStatus(int fd, struct stat& status)
{
    return ::fstat(fd, &status) == 0 ? 0 : errno;
}

int setPermissions(int fd, mode_t mode)
{
    if (const int e = injected(Operation::Chmod, {}))
        return e;
    return ::fchmod(fd, mode) == 0 ? 0 : errno;
}

std::string userName(uid_t uid)
{
    passwd entry {};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return found->pw_name;
    return std::to_string(uid);
}

std::string currentDirectory(int& error)
{
    error = 0;
    std::string path(PATH_MAX, '\0');
    if (::getcwd(path.data(), path.size()) == nullptr) {
        error = errno;
        return {};
    }
    path.resize(std::char_traits<char>::length(path.c_str()));
    return path;
}

int mayWrite(const std::string& path)
{
    return ::access(path.c_str(), W_OK) == 0 ? 0 : errno;
}

int readFile(const std::string& path, std::string& bytes, struct stat* status)
{
    // Look before opening: opening a device may already do something.
    struct stat st { };
    if (::stat(path.c_str(), &st) != 0)
        return errno;
    if (S_ISDIR(st.st_mode))
        return EISDIR;
    if (!S_ISREG(st.st_mode))
        return ENOTREGULAR;
    Fd fd;
    // O_NONBLOCK: should a FIFO take the file's place meanwhile, the open
    // does not wait for a writer, and fstat below turns it away.
    if (const int e = openFile(path, O_RDONLY | O_NONBLOCK, fd))
        return e;
    if (::fstat(fd.get(), &st) != 0)
        return errno;
    if (!S_ISREG(st.st_mode))
        return S_ISDIR(st.st_mode) ? EISDIR : ENOTREGULAR;
    if (status)
        *status = st;
    return readAll(fd.get(), bytes, static_cast<std::size_t>(st.st_size));
}

std::string followLinks(const std::string& path, RefusedLink* refused)
{
    if (refused)
        *refused = {};
    std::string current = path;
    // The kernel's own limit on a chain of links; a loop ends here too, and
    // the open or rename that follows then reports it.
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st { };
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        struct stat dir { };
        const bool shared = ::stat(directoryOf(current).c_str(), &dir) == 0 && (dir.st_mode & S_ISVTX)
            && (dir.st_mode & S_IWOTH);
        if (shared && st.st_uid != ::geteuid() && st.st_uid != dir.st_uid) {
            if (refused)
                *refused = {current, st.st_uid};
            return current;
        }
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= target.size())
            return current;
        target.resize(static_cast<std::size_t>(n));
        current = target.front() == '/' ? target : joinPath(directoryOf(current), target);
    }
    return current;
}

std::string describeRefusedLink(const RefusedLink& refused)
{
    return "the symbolic link " + refused.link + " belongs to " + userName(refused.owner)
        + " in a directory everyone may write, and such a link is followed only when it is yours or the "
          "directory owner's";
}

std::string directoryOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string fileNameOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string joinPath(const std::string& directory, std::string_view name)
{
    if (directory.empty())
        return std::string(name);
    std::string out = directory;
    if (out.back() != '/')
        out += '/';
    return out.append(name);
}

std::string temporaryName(const std::string& target)
{
    return joinPath(directoryOf(target), ".") + fileNameOf(target) + std::string(TemporaryTag)
        + std::to_string(::getpid()) + '-' + randomSuffix();
}

int createTemporary(const std::string& target, Fd& out, std::string& path)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = temporaryName(target);
        const int e = openFile(path, O_RDWR | O_CREAT | O_EXCL, out, 0666);
        if (e == EEXIST)
            continue;
        if (e != 0)
            return e;
        // Advisory and released with the descriptor, even when the process
        // is killed. A file system without locks still has the process id.
        ::flock(out.get(), LOCK_EX | LOCK_NB);
        return 0;
    }
    return EEXIST;
}

bool isTemporaryName(std::string_view name)
{
    return temporaryOwner(name) > 0;
}

pid_t temporaryOwner(std::string_view name)
{
    const auto tag = name.find(TemporaryTag);
    if (name.size() < 2 || name.front() != '.' || tag == std::string_view::npos || tag < 2)
        return -1;
    std::string_view rest = name.substr(tag + TemporaryTag.size());
    const auto dash = rest.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash > 9 || rest.size() != dash + 7)
        return -1;
    pid_t pid = 0;
    for (const char c : rest.substr(0, dash)) {
        if (c < '0' || c > '9')
            return -1;
        pid = pid * 10 + (c - '0');
    }
    const std::string_view suffix = rest.substr(dash + 1);
    if (!std::all_of(suffix.begin(), suffix.end(), isAlnum))
        return -1;
    return pid > 0 ? pid : -1;
}

int removeStaleTemporaries(const std::string& directory)
{
    const std::string dir = directory.empty() ? std::string(".") : directory;
    DIR* stream = ::opendir(dir.c_str());
    if (!stream)
        return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(stream)) {
        const std::string_view name = entry->d_name;
        const pid_t owner = temporaryOwner(name);
        if (owner <= 0)
            continue;
        // Our own process's saves are not stale, whatever their lock says.
        if (owner == ::getpid() || !processGone(owner))
            continue;
        const std::string path = joinPath(dir, name);
        // A copy on another machine sharing the directory may reuse a
        // process id that is gone here: its save holds the lock.
        Fd fd;
        if (openFile(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK, fd) != 0)
            continue;
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0)
            continue;
        if (removeFile(path) == 0)
            ++removed;
    }
    ::closedir(stream);
    return removed;
}

int writeAndSync(Fd& fd, std::string_view bytes)
{
    int e = writeAll(fd.get(), bytes);
    if (e == 0)
        e = syncFile(fd.get());
    if (const int c = fd.close(); e == 0)
        e = c;
    return e;
}

int renameFile(const std::string& from, const std::string& to)
{
    if (fails(Operation::Rename, to))
        return errno;
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int renameNoReplace(const std::string& from, const std::string& to)
{
    if (fails(Operation::Rename, to))
        return errno;
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    struct stat st { };
    if (::lstat(to.c_str(), &st) == 0)
        return EEXIST;
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int removeFile(const std::string& path)
{
    const int saved = errno;
    int e = 0;
    if (fails(Operation::Unlink, path) || ::unlink(path.c_str()) != 0)
        e = errno;
    errno = saved;
    return e;
}

int linkFile(const std::string& from, const std::string& to)
{
    if (fails(Operation::Link, to))
        return errno;
    return ::link(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int syncDirectory(const std::string& directory)
{
    const std::string dir = directory.empty() ? std::string(".") : directory;
    if (fails(Operation::SyncDirectory, dir))
        return errno;
    Fd fd;
    if (const int e = openFile(dir, O_RDONLY | O_DIRECTORY, fd))
        return e;
    const int e = syncFile(fd.get());
    return e == EINVAL || e == EROFS ? 0 : e;
}

int copyAccess(int fd, const struct stat& like)
{
    if (const int e = injected(Operation::Chmod, {}))
        return e;
    // Owner first: a change of owner may clear the set-id bits.
    if (::fchown(fd, like.st_uid, like.st_gid) != 0
        && ::fchown(fd, static_cast<uid_t>(-1), like.st_gid) != 0) {
        // Only the owner's own groups, or root, may be given; keep ours.
    }
    return ::fchmod(fd, like.st_mode & 07777) == 0 ? 0 : errno;
}

} // namespace quillbox::posix

namespace quillbox::posix {

int statPath(const std::string& path, struct stat& out)
{
    return ::lstat(path.c_str(), &out) == 0 ? 0 : errno;
}

int listDirectory(const std::string& directory, std::vector<DirectoryEntry>& out)
{
    const std::string dir = directory.empty() ? std::string(".") : directory;
    if (fails(Operation::Open, dir))
        return errno;
    DIR* stream = ::opendir(dir.c_str());
    if (!stream)
        return errno;
    const int dirFd = ::dirfd(stream);
    errno = 0;
    while (const dirent* entry = ::readdir(stream)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        DirectoryEntry item;
        item.name = name;
        // Relative to the open directory: one lookup per entry, not a walk
        // of the whole path.
        if (::fstatat(dirFd, entry->d_name, &item.status, AT_SYMLINK_NOFOLLOW) == 0)
            out.push_back(std::move(item));
        errno = 0;
    }
    const int e = errno;
    ::closedir(stream);
    return e;
}

int makeDirectory(const std::string& path)
{
    return ::mkdir(path.c_str(), 0777) == 0 ? 0 : errno;
}

int absolutePath(const std::string& path, std::string& out)
{
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return errno;
    out = resolved;
    std::free(resolved);
    return 0;
}

int writeTemporary(const std::string& target, std::string_view bytes, std::string& path, struct stat& status)
{
    Fd fd;
    if (const int e = createTemporary(target, fd, path))
        return e;
    int e = writeAll(fd.get(), bytes);
    if (e == 0 && ::fstat(fd.get(), &status) != 0)
        e = errno;
    if (const int c = fd.close(); e == 0)
        e = c;
    if (e != 0)
        removeFile(path);
    return e;
}

int syncFileSystem(const std::string& directory)
{
    const std::string dir = directory.empty() ? std::string(".") : directory;
    if (fails(Operation::Sync, dir))
        return errno;
    Fd fd;
    if (const int e = openFile(dir, O_RDONLY | O_DIRECTORY, fd))
        return e;
    return ::syncfs(fd.get()) == 0 ? 0 : errno;
}

int replaceFileDurably(const std::string& target, std::string_view bytes)
{
    Fd fd;
    std::string temp;
    if (const int e = createTemporary(target, fd, temp))
        return e;
    int e = writeAndSync(fd, bytes);
    if (e == 0)
        e = renameFile(temp, target);
    if (e != 0) {
        removeFile(temp);
        return e;
    }
    return syncDirectory(directoryOf(target));
}

} // namespace quillbox::posix
