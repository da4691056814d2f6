#include "core/card_file.h"

#include "core/posix_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <new>
#include <utility>
#include <vector>

namespace quillbox {

namespace {

using posix::Fd;

// A length field is a signed 16-bit count that includes the terminator.
constexpr std::size_t MaxTextLength = 32766;

int readLength(std::string_view bytes, std::size_t pos) noexcept
{
    const auto lo = static_cast<unsigned char>(bytes[pos]);
    const auto hi = static_cast<unsigned char>(bytes[pos + 1]);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
}

CardFileSave failure(std::string_view what, const std::string& path, int error)
{
    return {false, posix::describeFailure(what, path, error)};
}

/// Makes `bak` the file `db` is now, atomically: the backup is assembled under
/// a temporary name (a hard link, or a synced copy where linking is refused)
/// and renamed over `bak`, so a backup that exists is always complete.
/// Returns ok when `db` does not exist (nothing to back up).
CardFileSave backUp(const std::string& db, const std::string& bak)
{
    std::string staged = posix::temporaryName(bak);
    int linked = posix::linkFile(db, staged);
    for (int attempt = 0; linked == EEXIST && attempt < 100; ++attempt)
        linked = posix::linkFile(db, staged = posix::temporaryName(bak));
    if (const int e = linked; e != 0) {
        if (e == ENOENT)
            return {};
        if (e != EPERM && e != EMLINK && e != ENOTSUP && e != EXDEV)
            return failure("Cannot back up to", bak, e);
        // The file system will not link (or the db is not a plain file):
        // copy it instead.
        std::string bytes;
        Fd out;
        if (const int r = posix::readFile(db, bytes))
            return r == ENOENT ? CardFileSave {} : failure("Cannot read", db, r);
        if (const int c = posix::createTemporary(bak, out, staged))
            return failure("Cannot back up to", bak, c);
        if (const int w = posix::writeAndSync(out, bytes)) {
            posix::removeFile(staged);
            return failure("Cannot write", staged, w);
        }
    }
    if (const int e = posix::renameFile(staged, bak)) {
        posix::removeFile(staged);
        return failure("Cannot back up to", bak, e);
    }
    // rename() between two links to one file succeeds without removing the
    // source (a backup left by an interrupted save can be such a link).
    posix::removeFile(staged);
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
    return posix::joinPath(m_directory, CardFileName);
}

CardFileLoad CardFile::LoadCardFile(CardCollection& cards)
{
    CardFileLoad result;
    cards.clear();
    m_heldBack.clear();

    std::string bytes;
    CardFileParse parsed;
    try {
        if (const int e = posix::readFile(cardFilePath(), bytes)) {
            if (e != ENOENT)
                result.error = posix::describe(e);
            return result;
        }
        parsed = parseCardRecords(bytes, cards);
    } catch (const std::bad_alloc&) {
        // Only a file far beyond any card box gets here.
        cards.clear();
        result.error = posix::describe(ENOMEM);
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
    const std::string db = posix::joinPath(directory, CardFileName);
    const std::string bak = posix::joinPath(directory, BackupFileName);

    if (cards.CardCount == 0 && m_heldBack.empty()) {
        // An empty box is stored as no file at all; the backup stays.
        if (const int e = posix::removeFile(db); e != 0 && e != ENOENT)
            return failure("Cannot delete", db, e);
        return {};
    }

    const std::string bytes = serialiseCardRecords(cards, m_heldBack);
    std::string temporary;
    Fd out;
    if (const int e = posix::createTemporary(db, out, temporary))
        return failure("Cannot create a new card file in", directory.empty() ? "." : directory, e);
    if (const int e = posix::writeAndSync(out, bytes)) {
        posix::removeFile(temporary);
        return failure("Cannot write", temporary, e);
    }

    if (CardFileSave backup = backUp(db, bak); !backup.ok) {
        posix::removeFile(temporary);
        return backup;
    }

    if (const int e = posix::renameFile(temporary, db)) {
        posix::removeFile(temporary);
        return failure("Cannot replace", db, e);
    }
    if (const int e = posix::syncDirectory(directory))
        return failure("Cannot sync directory", directory.empty() ? "." : directory, e);
    return {};
}

} // namespace quillbox
