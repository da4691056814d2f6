#include "core/card_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <new>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace quillbox {

namespace {

// A length field is a signed 16-bit count that includes the terminator.
constexpr std::size_t MaxTextLength = 32766;

int readLength(std::string_view bytes, std::size_t pos) noexcept
{
    const auto lo = static_cast<unsigned char>(bytes[pos]);
    const auto hi = static_cast<unsigned char>(bytes[pos + 1]);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
}

std::string reason(int error)
{
    return std::system_category().message(error);
}

std::string joinPath(const std::string& directory, const char* name)
{
    if (directory.empty())
        return name;
    if (directory.back() == '/')
        return directory + name;
    return directory + '/' + name;
}

// Closes a descriptor on every path out of a function unless released.
class Fd {
public:
    explicit Fd(int fd = -1) noexcept
        : m_fd(fd)
    {
    }
    ~Fd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;

    int get() const noexcept { return m_fd; }
    bool valid() const noexcept { return m_fd >= 0; }
    /// Closes now and returns 0, or the errno of a failed close (which on
    /// some file systems is where a delayed write error shows).
    int close() noexcept
    {
        const int fd = std::exchange(m_fd, -1);
        if (fd < 0)
            return 0;
        // Linux frees the descriptor even when close fails; never retry it.
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

int openRetrying(const char* path, int flags, mode_t mode = 0) noexcept
{
    int fd;
    do
        fd = ::open(path, flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

/// Writes all of `bytes`; returns 0 or the errno of the failed write.
int writeAll(int fd, std::string_view bytes) noexcept
{
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return EIO;
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return 0;
}

/// Reads to end of file into `out`; returns 0 or the errno of the failed read.
int readAll(int fd, std::string& out, std::size_t sizeHint)
{
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

int fsyncRetrying(int fd) noexcept
{
    int rc;
    do
        rc = ::fsync(fd);
    while (rc != 0 && errno == EINTR);
    return rc == 0 ? 0 : errno;
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

/// Creates a new file named `base` plus six random characters, exclusively,
/// with the mode a plain create would give (0666 less the umask). Returns the
/// descriptor and fills `path`, or -1 with errno set.
int createUnique(const std::string& base, std::string& path)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = base + randomSuffix();
        const int fd = openRetrying(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

void removeQuietly(const std::string& path) noexcept
{
    const int saved = errno;
    ::unlink(path.c_str());
    errno = saved;
}

CardFileSave failure(std::string what, const std::string& path, int error)
{
    return {false, std::move(what) + ' ' + path + ": " + reason(error)};
}

/// Writes `bytes` to the new file `out` (named `path`), syncs and closes it.
/// On failure the file is removed and the result says why.
CardFileSave writeNewFile(Fd& out, const std::string& path, std::string_view bytes)
{
    int e = writeAll(out.get(), bytes);
    if (e == 0)
        e = fsyncRetrying(out.get());
    if (const int c = out.close(); e == 0)
        e = c;
    if (e != 0) {
        removeQuietly(path);
        return failure("Cannot write", path, e);
    }
    return {};
}

/// Makes `bak` the file `db` is now, atomically: the backup is assembled under
/// a temporary name (a hard link, or a synced copy where linking is refused)
/// and renamed over `bak`, so a backup that exists is always complete.
/// Returns ok when `db` does not exist (nothing to back up).
CardFileSave backUp(const std::string& db, const std::string& bak)
{
    std::string staged;
    for (int attempt = 0;; ++attempt) {
        staged = bak + '.' + randomSuffix();
        if (::link(db.c_str(), staged.c_str()) == 0)
            break;
        const int error = errno;
        if (error == ENOENT)
            return {};
        if (error == EEXIST && attempt < 100)
            continue;
        if (error != EPERM && error != EMLINK && error != ENOTSUP && error != EXDEV)
            return failure("Cannot back up to", bak, error);

        // The file system will not link (or the db is not a plain file):
        // copy it instead.
        Fd in(openRetrying(db.c_str(), O_RDONLY | O_NONBLOCK));
        if (!in.valid())
            return errno == ENOENT ? CardFileSave {} : failure("Cannot read", db, errno);
        struct stat st { };
        if (::fstat(in.get(), &st) != 0)
            return failure("Cannot read", db, errno);
        if (!S_ISREG(st.st_mode))
            return failure("Cannot read", db, S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
        std::string bytes;
        if (const int e = readAll(in.get(), bytes, static_cast<std::size_t>(st.st_size)))
            return failure("Cannot read", db, e);
        Fd out(createUnique(bak + '.', staged));
        if (!out.valid())
            return failure("Cannot back up to", bak, errno);
        if (CardFileSave written = writeNewFile(out, staged, bytes); !written.ok)
            return written;
        break;
    }
    if (::rename(staged.c_str(), bak.c_str()) != 0) {
        const int error = errno;
        removeQuietly(staged);
        return failure("Cannot back up to", bak, error);
    }
    // rename() between two links to one file succeeds without removing the
    // source (a backup left by an interrupted save can be such a link).
    removeQuietly(staged);
    return {};
}

/// Makes a completed rename durable. File systems that cannot sync a
/// directory say so with EINVAL; the rename stands there all the same.
CardFileSave syncDirectory(const std::string& directory)
{
    const std::string dir = directory.empty() ? std::string(".") : directory;
    Fd fd(openRetrying(dir.c_str(), O_RDONLY | O_DIRECTORY));
    if (!fd.valid())
        return failure("Cannot sync directory", dir, errno);
    const int e = fsyncRetrying(fd.get());
    if (e != 0 && e != EINVAL && e != EROFS)
        return failure("Cannot sync directory", dir, e);
    return {};
}

} // namespace

CardFileParse parseCardRecords(std::string_view bytes, CardCollection& cards)
{
    CardFileParse result;
    const std::size_t size = bytes.size();
    const std::size_t room = static_cast<std::size_t>(MaxCards - std::min(cards.CardCount, MaxCards));
    std::vector<std::string_view> texts;
    texts.reserve(std::min(room, size / 3));
    std::size_t pos = 0;
    while (pos < size) {
        if (size - pos < 2) {
            // A lone length byte: no text follows, so there is no card.
            result.damagedEnd = true;
            break;
        }
        const std::size_t recordStart = pos;
        const int length = readLength(bytes, pos);
        pos += 2;
        if (length <= 0)
            continue;

        if (texts.size() >= room) {
            // The box is full: keep the rest of the file as it stands so a
            // save writes it back unchanged, and count what it holds.
            result.heldBackRecords.assign(bytes.substr(recordStart));
            std::size_t p = recordStart;
            while (size - p >= 2) {
                const int n = readLength(bytes, p);
                p += 2;
                if (n <= 0)
                    continue;
                ++result.heldBack;
                if (size - p < static_cast<std::size_t>(n)) {
                    result.damagedEnd = true;
                    p = size;
                    break;
                }
                p += static_cast<std::size_t>(n);
            }
            if (p < size)
                result.damagedEnd = true;
            break;
        }

        const std::size_t available = size - pos;
        const std::size_t taken = std::min(static_cast<std::size_t>(length), available);
        if (taken < static_cast<std::size_t>(length))
            result.damagedEnd = true;
        if (taken == 0)
            break;
        std::string_view field = bytes.substr(pos, taken);
        pos += taken;
        // The text ends at its first NUL; a field without one (cut off, or
        // written by something else) ends at the field's end.
        if (const auto nul = field.find('\0'); nul != std::string_view::npos)
            field = field.substr(0, nul);
        texts.push_back(field);
    }
    if (texts.empty())
        return result;

    // Filing the records in file order would shift up to 2000 table entries
    // per record. Filed in ascending order (equal texts in file order) each
    // lands at the end, or just before its equals, and the table ends up
    // exactly as filing in file order leaves it: equal texts in reverse file
    // order.
    std::vector<std::string_view> ordered = texts;
    std::stable_sort(ordered.begin(), ordered.end(),
        [](std::string_view a, std::string_view b) { return compareCardTexts(a, b) < 0; });
    for (const std::string_view text : ordered) {
        cards.CardTable[StagingSlot].assign(text);
        cards.InsertCard();
    }
    // The last record of the file would have been filed last, before any
    // card equal to it; that is where it is now.
    cards.CurrentCard = cards.insertionSlot(texts.back());
    return result;
}

std::string serialiseCardRecords(const CardCollection& cards, std::string_view heldBackRecords)
{
    std::size_t total = heldBackRecords.size();
    for (int i = 1; i <= cards.CardCount; ++i)
        total += cards.CardTable[i].size() + 3;
    std::string out;
    out.reserve(total);
    for (int i = 1; i <= cards.CardCount; ++i) {
        std::string_view text = cards.CardTable[i];
        // Neither can come from the card box; cut so the record stays
        // readable rather than writing a length that does not fit.
        text = text.substr(0, text.find('\0'));
        if (text.size() > MaxTextLength)
            text = text.substr(0, MaxTextLength);
        const auto length = static_cast<std::uint16_t>(text.size() + 1);
        out += static_cast<char>(length & 0xFF);
        out += static_cast<char>(length >> 8);
        out += text;
        out += '\0';
    }
    out += heldBackRecords;
    return out;
}

CardFile::CardFile(std::string directory)
    : m_directory(std::move(directory))
{
}

std::string CardFile::cardFilePath() const
{
    return joinPath(m_directory, CardFileName);
}

std::string CardFile::backupFilePath() const
{
    return joinPath(m_directory, BackupFileName);
}

CardFileLoad CardFile::LoadCardFile(CardCollection& cards)
{
    CardFileLoad result;
    cards.clear();
    m_heldBack.clear();

    const std::string path = cardFilePath();
    // O_NONBLOCK so that a FIFO under the card file's name cannot stall us.
    Fd fd(openRetrying(path.c_str(), O_RDONLY | O_NONBLOCK));
    if (!fd.valid()) {
        if (errno != ENOENT)
            result.error = reason(errno);
        return result;
    }
    struct stat st { };
    if (::fstat(fd.get(), &st) != 0) {
        result.error = reason(errno);
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        result.error = reason(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
        return result;
    }
    std::string bytes;
    CardFileParse parsed;
    try {
        if (const int e = readAll(fd.get(), bytes, static_cast<std::size_t>(st.st_size))) {
            result.error = reason(e);
            return result;
        }
        fd.close();
        parsed = parseCardRecords(bytes, cards);
    } catch (const std::bad_alloc&) {
        // Only a file far beyond any card box gets here.
        cards.clear();
        result.error = reason(ENOMEM);
        return result;
    }
    result.present = true;
    result.heldBack = parsed.heldBack;
    result.damagedEnd = parsed.damagedEnd;
    m_heldBack = std::move(parsed.heldBackRecords);
    return result;
}

CardFileSave CardFile::SaveCardFile(const CardCollection& cards)
{
    return SaveCardFileTo(cards, m_directory);
}

CardFileSave CardFile::SaveCardFileTo(const CardCollection& cards, const std::string& directory) const
{
    const std::string db = joinPath(directory, CardFileName);
    const std::string bak = joinPath(directory, BackupFileName);

    if (cards.CardCount == 0 && m_heldBack.empty()) {
        // An empty box is stored as no file at all; the backup stays.
        if (::unlink(db.c_str()) != 0 && errno != ENOENT)
            return failure("Cannot delete", db, errno);
        return {};
    }

    const std::string bytes = serialiseCardRecords(cards, m_heldBack);
    std::string temporary;
    Fd out(createUnique(db + '.', temporary));
    if (!out.valid())
        return failure("Cannot create a new card file in", directory.empty() ? "." : directory, errno);
    if (CardFileSave written = writeNewFile(out, temporary, bytes); !written.ok)
        return written;

    if (CardFileSave backup = backUp(db, bak); !backup.ok) {
        removeQuietly(temporary);
        return backup;
    }

    if (::rename(temporary.c_str(), db.c_str()) != 0) {
        const int error = errno;
        removeQuietly(temporary);
        return failure("Cannot replace", db, error);
    }
    return syncDirectory(directory);
}

} // namespace quillbox
