// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/card_file.h"

#include "core/posix_file.h"
#include "core/sync_state.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <new>
#include <optional>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace quillbox {

namespace {

using posix::Fd;

// A length field is a signed 16-bit count that includes the terminator;
// a field of the greatest length can only hold its text without one.
constexpr std::size_t MaxField = 32767;

int readLength(std::string_view bytes, std::size_t pos) noexcept
{
    const auto lo = static_cast<unsigned char>(bytes[pos]);
    const auto hi = static_cast<unsigned char>(bytes[pos + 1]);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
}

/// Walks the records of a card file's bytes in file order, skipping those
/// with a length of 0 or below. Never reads out of bounds.
class RecordReader {
public:
    explicit RecordReader(std::string_view bytes) noexcept
        : m_bytes(bytes)
    {
    }

    struct Record {
        /// Where the record's length field begins.
        std::size_t start = 0;
        /// The bytes of its field that are there: fewer than the length
        /// says (even none) when the file ends inside it.
        std::string_view field;
    };

    /// The next record; nullopt at the end of the bytes.
    std::optional<Record> next() noexcept
    {
        while (m_bytes.size() - m_pos >= 2) {
            const std::size_t start = m_pos;
            const int length = readLength(m_bytes, m_pos);
            m_pos += 2;
            if (length <= 0)
                continue;
            const std::string_view field = m_bytes.substr(m_pos, static_cast<std::size_t>(length));
            m_damagedEnd = m_damagedEnd || field.size() < static_cast<std::size_t>(length);
            m_pos += field.size();
            return Record {start, field};
        }
        // A lone length byte: no text follows, so there is no card.
        if (m_pos < m_bytes.size()) {
            m_damagedEnd = true;
            m_pos = m_bytes.size();
        }
        return std::nullopt;
    }

    /// The bytes ended inside a record.
    bool damagedEnd() const noexcept { return m_damagedEnd; }

    /// The text a field holds: up to its first NUL; a field without one (cut
    /// off, or written by something else) ends at the field's end.
    static std::string_view textOf(std::string_view field) noexcept
    {
        return field.substr(0, field.find('\0'));
    }

private:
    std::string_view m_bytes;
    std::size_t m_pos = 0;
    bool m_damagedEnd = false;
};

CardFileSave failure(std::string_view what, const std::string& path, int error)
{
    return {false, posix::describeFailure(what, path, error), {}, {}, {}};
}

/// A complete copy of the file `db` is now, under a temporary name beside
/// `bak`: a hard link, or a synced copy where the file system refuses
/// links. Empty `staged` and ok when `db` does not exist.
CardFileSave stageBackup(
    const std::string& db, const struct stat& old, const std::string& bak, std::string& staged)
{
    staged = posix::temporaryName(bak);
    int linked = posix::linkFile(db, staged);
    for (int attempt = 0; linked == EEXIST && attempt < 100; ++attempt)
        linked = posix::linkFile(db, staged = posix::temporaryName(bak));
    if (linked == 0)
        return {};
    staged.clear();
    if (linked == ENOENT)
        return {};
    if (linked != EPERM && linked != EMLINK && linked != ENOTSUP && linked != EXDEV)
        return failure("Cannot back up to", bak, linked);
    std::string bytes;
    Fd out;
    if (const int e = posix::readFile(db, bytes))
        return e == ENOENT ? CardFileSave {} : failure("Cannot read", db, e);
    if (const int e = posix::createTemporary(bak, out, staged))
        return failure("Cannot back up to", bak, e);
    // The copy is as private as the file it copies, as a link would be.
    int e = posix::copyAccess(out.get(), old);
    if (e == 0)
        e = posix::writeAndSync(out, bytes);
    if (e != 0) {
        posix::removeFile(staged);
        return failure("Cannot write", staged, e);
    }
    return {};
}

/// A name beside `db` for a card file that could not be read, which no
/// file has yet: "<db>.unread-<date>-<time>", with "-2", "-3" ... added
/// when that is taken.
std::string unreadName(const std::string& db, int attempt)
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    ::localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    std::string name = db + ".unread-" + stamp;
    return attempt == 0 ? name : name + '-' + std::to_string(attempt + 1);
}

/// Moves the file at `db` to a name of its own, never over another file.
int moveAside(const std::string& db, std::string& movedTo)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        movedTo = unreadName(db, attempt);
        const int e = posix::renameNoReplace(db, movedTo);
        if (e != EEXIST)
            return e;
    }
    return EEXIST;
}

} // namespace

CardFileParse parseCardRecords(std::string_view bytes, CardCollection& cards)
{
    CardFileParse result;
    const std::size_t room = static_cast<std::size_t>(MaxCards - std::min(cards.CardCount, MaxCards));
    std::vector<std::string_view> texts;
    texts.reserve(std::min(room, bytes.size() / 3));
    RecordReader reader(bytes);
    while (const auto record = reader.next()) {
        if (texts.size() >= room) {
            // The box is full: keep the rest of the file as it stands so a
            // save writes it back unchanged, and count what it holds.
            result.heldBackRecords.assign(bytes.substr(record->start));
            for (result.heldBack = 1; reader.next(); ++result.heldBack) { }
            break;
        }
        if (record->field.empty())
            break;
        texts.push_back(RecordReader::textOf(record->field));
    }
    result.damagedEnd = reader.damagedEnd();
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

std::vector<std::string> recordTexts(std::string_view bytes)
{
    std::vector<std::string> texts;
    RecordReader reader(bytes);
    while (const auto record = reader.next())
        texts.emplace_back(RecordReader::textOf(record->field));
    return texts;
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
        // Neither a NUL nor a text beyond a field can come from the card
        // box; cut so the record stays readable rather than writing a
        // length that does not fit.
        text = text.substr(0, std::min(text.find('\0'), MaxField));
        // A text that fills a whole field was loaded from one without a
        // terminator: written back the same way, it keeps its last byte.
        const bool terminated = text.size() < MaxField;
        const auto length = static_cast<std::uint16_t>(text.size() + (terminated ? 1 : 0));
        out += static_cast<char>(length & 0xFF);
        out += static_cast<char>(length >> 8);
        out += text;
        if (terminated)
            out += '\0';
    }
    out += heldBackRecords;
    return out;
}

std::string saveNotice(const CardFileSave& save)
{
    std::string notice;
    if (!save.movedAside.empty())
        notice = "The card file that could not be read at start was kept as " + save.movedAside + ".";
    if (!save.unconfirmed.empty()) {
        notice += notice.empty() ? "" : " ";
        notice += "The cards were saved, but this could not be confirmed: " + save.unconfirmed + ".";
    }
    return notice;
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
    m_unread = false;
    m_loadedFrom = posix::followLinks(cardFilePath());
    m_editsRecorded = 0;
    // Saves that a crash or a kill cut short leave their temporary files.
    posix::removeStaleTemporaries(m_directory);

    std::string bytes;
    CardFileParse parsed;
    try {
        if (const int e = posix::readFile(cardFilePath(), bytes)) {
            if (e != ENOENT)
                result.error = posix::describe(e);
            // A directory is never replaced; anything else unread is kept
            // aside at the first save, never overwritten.
            m_unread = e != ENOENT && e != EISDIR;
            return result;
        }
        parsed = parseCardRecords(bytes, cards);
    } catch (const std::bad_alloc&) {
        // Only a file far beyond any card box gets here.
        cards.clear();
        result.error = posix::describe(ENOMEM);
        m_unread = true;
        return result;
    }
    result.present = true;
    result.heldBack = parsed.heldBack;
    result.damagedEnd = parsed.damagedEnd;
    m_heldBack = std::move(parsed.heldBackRecords);
    return result;
}

std::vector<std::string> CardFile::heldBackTexts() const
{
    return recordTexts(m_heldBack);
}

CardFileSave CardFile::SaveCardFile(const CardCollection& cards)
{
    if (const std::string now = posix::followLinks(cardFilePath());
        !m_loadedFrom.empty() && now != m_loadedFrom) {
        return {false,
            "Cannot save to " + cardFilePath() + ": it now leads to " + now + ", not to " + m_loadedFrom
                + ", the card file that was read and locked",
            m_movedAside, {}, {}};
    }
    // Edits go on record before the cards they produce, so that at every
    // instant of the save the record covers the card file on disk. A
    // failure costs only the edits' identity for sync, never a card.
    if (m_editsRecorded > cards.EditedCards.size())
        m_editsRecorded = 0;
    if (m_editsRecorded < cards.EditedCards.size()) {
        const std::vector<std::pair<std::string, std::string>> fresh(
            cards.EditedCards.begin() + static_cast<std::ptrdiff_t>(m_editsRecorded),
            cards.EditedCards.end());
        if (sync::recordEdits(m_directory, fresh) == 0)
            m_editsRecorded = cards.EditedCards.size();
    }
    CardFileSave result = saveInto(cards, m_directory, m_unread);
    if (!result.movedAside.empty()) {
        m_unread = false;
        m_movedAside = result.movedAside;
    }
    result.movedAside = m_movedAside;
    return result;
}

CardFileSave CardFile::SaveCardFileTo(const CardCollection& cards, const std::string& directory) const
{
    return saveInto(cards, directory, false);
}

CardFileSave CardFile::saveInto(const CardCollection& cards, const std::string& directory, bool unread) const
{
    // Through a link to the file it names, so the link stays a link and
    // the backup lies beside the cards it backs up.
    posix::RefusedLink refused;
    const std::string db = posix::followLinks(posix::joinPath(directory, CardFileName), &refused);
    if (!refused.link.empty())
        return {
            false, "Cannot save to " + refused.link + ": " + posix::describeRefusedLink(refused), {}, {}, {}};
    const std::string home = posix::directoryOf(db);
    const std::string bak = posix::joinPath(home, BackupFileName);

    struct stat old { };
    const bool exists = posix::fileStatus(db, old) == 0;
    // A card file that could not be read, or that is no file at all (a
    // FIFO, a socket, a device), is neither written through, deleted nor
    // backed up: it moves aside under a name of its own.
    const bool keepAside = exists && (unread || (!S_ISREG(old.st_mode) && !S_ISDIR(old.st_mode)));
    if (cards.CardCount == 0 && m_heldBack.empty()) {
        // An empty box is stored as no file at all; the backup stays.
        if (keepAside)
            return {};
        if (const int e = posix::removeFile(db); e != 0 && e != ENOENT)
            return failure("Cannot delete", db, e);
        return {};
    }

    CardFileSave result;
    if (keepAside) {
        if (const int e = moveAside(db, result.movedAside))
            return failure("Cannot move aside the unread", db, e);
        if (const int e = posix::syncDirectory(home))
            return {
                false, posix::describeFailure("Cannot sync directory", home, e), result.movedAside, {}, {}};
    }
    const bool replacing = exists && !keepAside;

    const std::string bytes = serialiseCardRecords(cards, m_heldBack);
    std::string temporary;
    Fd out;
    const auto failed = [&](std::string_view what, const std::string& path, int e) {
        return CardFileSave {false, posix::describeFailure(what, path, e), result.movedAside, {}, {}};
    };
    if (const int e = posix::createTemporary(db, out, temporary))
        return failed("Cannot create a new card file in", home, e);
    // The new file gets the old one's access, or a private file would be
    // saved readable for everyone.
    int e = replacing && S_ISREG(old.st_mode) ? posix::copyAccess(out.get(), old) : 0;
    if (e == 0)
        e = posix::writeAndSync(out, bytes);
    if (e != 0) {
        posix::removeFile(temporary);
        return failed("Cannot write", temporary, e);
    }

    // The backup is staged before the card file is replaced and takes its
    // name only after: every failure leaves both files as they were.
    std::string staged;
    if (replacing) {
        if (CardFileSave backup = stageBackup(db, old, bak, staged); !backup.ok) {
            posix::removeFile(temporary);
            backup.movedAside = result.movedAside;
            return backup;
        }
    }
    if (const int r = posix::renameFile(temporary, db)) {
        posix::removeFile(temporary);
        if (!staged.empty())
            posix::removeFile(staged);
        return failed("Cannot replace", db, r);
    }
    if (!staged.empty()) {
        if (const int r = posix::renameFile(staged, bak)) {
            // Put the previous card file back: the staged name is a link
            // to it (or a complete copy).
            if (posix::renameFile(staged, db) != 0) {
                // The new cards stay in place: saved, without a backup.
                posix::removeFile(staged);
                result.unconfirmed = posix::describeFailure("Cannot back up to", bak, r);
                posix::syncDirectory(home);
                return result;
            }
            posix::syncDirectory(home);
            return failed("Cannot back up to", bak, r);
        }
        // rename() between two links to one file succeeds without removing
        // the source (a backup left by an interrupted save can be such a link).
        posix::removeFile(staged);
        result.backup = bak;
    }
    // From here on the cards are saved: a failure only leaves it unconfirmed.
    if (const int r = posix::syncDirectory(home))
        result.unconfirmed = posix::describeFailure("Cannot sync directory", home, r);
    return result;
}

} // namespace quillbox
