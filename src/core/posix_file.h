// SPDX-License-Identifier: GPL-3.0-or-later
// The one file layer of the program: whole-file reads and writes, file
// status, unique temporary files beside a target, atomic and no-replace
// renames, truncation, space claims, advisory locks, and one way of
// describing a system error. Every raw file call of the program is made
// here, so a test can make any of them fail. Every call returns 0 or an
// errno value; nothing here throws or shows anything.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/types.h>
#include <vector>

namespace quillbox::posix {

/// The system's reason for `error` ("Permission denied").
std::string describe(int error);
/// "<what> <path>: <reason>", the form every failed file step is reported in.
std::string describeFailure(std::string_view what, const std::string& path, int error);

/// The operations a test may make fail (see setFaultInjector).
enum class Operation {
    Open,
    Read,
    Write,
    Sync,
    Truncate,
    Allocate,
    Rename,
    Link,
    Unlink,
    Chmod,
    SyncDirectory,
    Lock
};

/// Called before each operation with the path it concerns; a non-zero
/// result makes the operation fail with that errno without doing it. For
/// tests only: production code never sets one. Pass {} to remove it.
using FaultInjector = std::function<int(Operation, const std::string& path)>;
void setFaultInjector(FaultInjector injector);

/// An open file descriptor, closed when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd = -1) noexcept
        : m_fd(fd)
    {
    }
    ~Fd();
    Fd(Fd&& other) noexcept;
    Fd& operator=(Fd&& other) noexcept;
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;

    int get() const noexcept { return m_fd; }
    bool valid() const noexcept { return m_fd >= 0; }
    /// Closes now: 0, or the errno of a failed close (where some file
    /// systems report a delayed write error). Never retried.
    int close() noexcept;

private:
    int m_fd;
};

/// Fills each of standard input, output and error that the program was
/// started without with a placeholder that fails every read and write with
/// EBADF. Otherwise the next file opened takes its number, and cards meant
/// for "standard output" are written into it. Call before anything opens a
/// file.
void guardStandardStreams();

/// Opens `path` (O_CLOEXEC added, EINTR retried) into `out`.
int openFile(const std::string& path, int flags, Fd& out, mode_t mode = 0);
/// Reads from the current position to end of file into `out`.
int readAll(int fd, std::string& out, std::size_t sizeHint = 0);
/// Reads the next bytes at the current position, at most `capacity`, into
/// `out` (emptied first; empty at the end of the file).
int readSome(int fd, std::string& out, std::size_t capacity);
/// Writes all of `bytes` at the current position.
int writeAll(int fd, std::string_view bytes);
/// fsync, EINTR retried.
int syncFile(int fd);
/// ftruncate: the open file `fd` made `size` bytes long.
int truncateFile(int fd, off_t size);
/// Claims disk space for the first `size` bytes of the open file `fd`, so
/// that writing them cannot run out of space. A file system that cannot
/// claim space ahead counts as done.
int claimSpace(int fd, off_t size);
/// Takes an exclusive advisory lock (flock) on the open file `fd` without
/// waiting: EWOULDBLOCK when another open file holds it. The lock belongs
/// to the open file, so two in one process exclude each other too, and it
/// ends when the file is closed, however the process ends.
int tryLock(int fd);

/// stat(2) and lstat(2) of `path` into `status`.
int fileStatus(const std::string& path, struct stat& status);
int linkStatus(const std::string& path, struct stat& status);
/// fstat(2) of the open file `fd`.
int openStatus(int fd, struct stat& status);
/// fchmod(2): the open file `fd` gets permission bits `mode`.
int setPermissions(int fd, mode_t mode);
/// The login name of user `uid`, or its number when it has none.
std::string userName(uid_t uid);
/// The current directory as the file system spells it (getcwd(3)); empty
/// when it cannot be had (removed meanwhile), with the reason in `error`.
std::string currentDirectory(int& error);
/// access(2) for writing: 0 when this process may write `path`.
int mayWrite(const std::string& path);

/// Reads the whole regular file `path` into `bytes`, and its status into
/// `status` when given. Never opens anything but a regular file, so a
/// FIFO or device in its place is neither blocked on nor read: those give
/// ENOTREGULAR, a directory EISDIR, a missing file ENOENT.
inline constexpr int ENOTREGULAR = -1;
int readFile(const std::string& path, std::string& bytes, struct stat* status = nullptr);

/// A symbolic link that followLinks() would not follow, and its owner.
struct RefusedLink {
    std::string link;
    uid_t owner = 0;
};

/// Where a write to `path` must land: the final target of a chain of
/// symbolic links (resolved even when the last one dangles), otherwise
/// `path` itself. Replacing the target keeps every link a link. A link is
/// followed only as the kernel's protected_symlinks rule allows: in a
/// sticky directory that everyone may write, only a link of this process's
/// user or of the directory's owner, so that no one can plant a link there
/// that leads another user's writes into their own files. The walk stops at
/// a link the rule refuses, which is returned and described in `refused`
/// (when given); `refused->link` stays empty otherwise.
std::string followLinks(const std::string& path, RefusedLink* refused = nullptr);
/// Why `refused` is not followed, naming the link and its owner.
std::string describeRefusedLink(const RefusedLink& refused);

/// The directory part of `path` ("." for a bare name) and the name part.
std::string directoryOf(const std::string& path);
std::string fileNameOf(const std::string& path);
/// `directory` and `name` joined by one '/'; `name` alone for "".
std::string joinPath(const std::string& directory, std::string_view name);

/// Creates a new, empty file beside `target` under a temporary name of the
/// program's own (see isTemporaryName), exclusively, with 0666 less the
/// umask, and holds a lock on it while `out` stays open so that
/// removeStaleTemporaries() never takes it for an abandoned one.
int createTemporary(const std::string& target, Fd& out, std::string& path);
/// A fresh temporary name beside `target` of the same form, not created:
/// for link(), which makes the file itself.
std::string temporaryName(const std::string& target);
/// True for the names createTemporary() makes: "." + target name +
/// ".quillbox-tmp-" + process id + "-" + six letters or digits.
bool isTemporaryName(std::string_view name);
/// The process id a temporary name carries, or -1.
pid_t temporaryOwner(std::string_view name);

/// Removes, in `directory` alone (one pass over its entries), every
/// temporary file of the program's naming whose saving process is gone and
/// that no open save holds locked. Returns how many it removed.
int removeStaleTemporaries(const std::string& directory);

/// Writes `bytes` to the new file `fd` (named `path`), syncs and closes it.
int writeAndSync(Fd& fd, std::string_view bytes);

/// rename(2), and unlink(2) that keeps errno.
int renameFile(const std::string& from, const std::string& to);
/// Renames `from` to `to` only when no file has that name (EEXIST when one
/// has). Where the file system has no such rename, looks first and then
/// renames, which another process could race; nothing here does.
int renameNoReplace(const std::string& from, const std::string& to);
int removeFile(const std::string& path);
/// link(2).
int linkFile(const std::string& from, const std::string& to);

/// Makes the renames in `directory` durable. File systems that cannot sync
/// a directory (EINVAL, EROFS) count as done.
int syncDirectory(const std::string& directory);

/// Gives the open file `fd` the permission bits of `like`, and its owner
/// and group where the process may set them (a refused change of owner is
/// no error).
int copyAccess(int fd, const struct stat& like);

/// lstat(2) of `path`: a link is described, not followed.
int statPath(const std::string& path, struct stat& out);

/// One entry of a directory, described by lstat.
struct DirectoryEntry {
    std::string name;
    struct stat status { };
};
/// Every entry of `directory` but "." and "..", in no particular order. An
/// entry that vanishes while being described is left out.
int listDirectory(const std::string& directory, std::vector<DirectoryEntry>& out);

/// mkdir(2) with 0777 less the umask.
int makeDirectory(const std::string& path);

/// The absolute path of an existing `path` with every link and "." or ".."
/// resolved (realpath(3)).
int absolutePath(const std::string& path, std::string& out);

/// Writes `bytes` to a new temporary file beside `target` (see
/// createTemporary), describes it into `status` and closes it, unsynced:
/// for batches that flush many files at once with syncFileSystem(). On
/// failure the temporary file is removed.
int writeTemporary(const std::string& target, std::string_view bytes, std::string& path, struct stat& status);

/// Flushes every file written on the file system that holds `directory`
/// (syncfs(2)): one flush for a batch of files.
int syncFileSystem(const std::string& directory);

/// Replaces `target` with `bytes` so that a crash at any instant leaves the
/// old file or the new one: a temporary file beside it is written and
/// synced, renamed over it, and the directory synced. On failure `target`
/// is as it was and the temporary file is gone.
int replaceFileDurably(const std::string& target, std::string_view bytes);

} // namespace quillbox::posix
