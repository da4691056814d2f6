// SPDX-License-Identifier: GPL-3.0-or-later
// The card file: quillbox.db, a plain sequence of records
//   [int16 little-endian length = text length + 1][text bytes][NUL]
// with one backup generation, quillbox.bak, in the same directory.
#pragma once

#include "core/card_table.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillbox {

inline constexpr const char* CardFileName = "quillbox.db";
inline constexpr const char* BackupFileName = "quillbox.bak";

/// What parsing a card file's bytes found besides the cards it filed.
struct CardFileParse {
    /// Records beyond MaxCards, kept byte for byte (length fields included)
    /// so that the next save writes them back after the cards.
    std::string heldBackRecords;
    /// Number of records in heldBackRecords.
    int heldBack = 0;
    /// The file ended inside a record (a lone length byte, or fewer text
    /// bytes than the length says). Text bytes that were there became a
    /// card (or stay in heldBackRecords when the box was full).
    bool damagedEnd = false;
};

/// Files every record of `bytes` into the (empty) collection through
/// InsertCard, up to MaxCards; the rest is held back. Records with a length
/// of 0 or below are skipped; a text ends at its first NUL or at the end of
/// its field. The table and CurrentCard end exactly as filing the records
/// one by one in file order leaves them. Never reads out of bounds, whatever
/// the input. Leaves CardsChanged false.
CardFileParse parseCardRecords(std::string_view bytes, CardCollection& cards);

/// The texts of every record of `bytes` in file order, as loading reads
/// them (records with a length of 0 or below skipped, a text ending at its
/// first NUL or its field's end). Never reads out of bounds.
std::vector<std::string> recordTexts(std::string_view bytes);

/// The bytes a save writes: cards 1..CardCount as records, then
/// `heldBackRecords` unchanged. A text is written up to its first NUL and at
/// most 32767 bytes long, the most a length field can say; a text of
/// exactly that length is written without its terminator, as it was read.
std::string serialiseCardRecords(const CardCollection& cards, std::string_view heldBackRecords);

struct CardFileLoad {
    /// False when quillbox.db could not be opened (missing or unreadable).
    bool present = false;
    /// The system's reason when present is false and the file exists but
    /// could not be read; empty when it is simply missing.
    std::string error;
    int heldBack = 0;
    bool damagedEnd = false;
};

struct CardFileSave {
    bool ok = true;
    /// On failure: what failed and the system's reason, for the user.
    std::string error;
    /// The name a card file that could not be read at start was moved to
    /// before the first save over it (this save or an earlier one); empty
    /// when there was none. The user must be told, whatever `ok` says.
    std::string movedAside;
    /// On success: what failed after the new file had taken the card
    /// file's place, so that it could not be confirmed on disk ("<what
    /// failed> <path>: <system reason>"); empty when nothing did. The cards
    /// were saved all the same.
    std::string unconfirmed;
    /// On success: where the previous card file was kept (quillbox.bak
    /// beside the file quillbox.db leads to); empty when there was none.
    std::string backup;
};

/// The sentences that tell the user where an unread card file was kept
/// (see CardFileSave::movedAside) and what of a successful save could not
/// be confirmed (CardFileSave::unconfirmed); empty when there is nothing
/// to tell.
std::string saveNotice(const CardFileSave& save);

/// The card file and its backup in one directory. Remembers records held
/// back at load so every save writes them again.
class CardFile {
public:
    explicit CardFile(std::string directory);

    const std::string& directory() const noexcept { return m_directory; }
    /// Full path of quillbox.db.
    std::string cardFilePath() const;

    /// Empties the collection and fills it from quillbox.db; remembers any
    /// held-back records for the next save (and forgets earlier ones). On
    /// failure the collection stays empty, and a file that exists but could
    /// not be read is remembered so that the next save keeps it. Only a
    /// regular file is ever opened: anything else is "not a regular file".
    /// First removes the temporary files of saves cut short in the
    /// directory (see posix::removeStaleTemporaries). Never throws.
    CardFileLoad LoadCardFile(CardCollection& cards);

    /// Writes the collection (and any held-back records) crash-safely: a
    /// temporary file is written and synced with the old file's permission
    /// bits (and owner and group where allowed), renamed over quillbox.db,
    /// and only then does the previous quillbox.db become quillbox.bak. On
    /// any failure quillbox.db and quillbox.bak are left as they were. With
    /// no cards and nothing held back, quillbox.db is deleted (a missing one
    /// is no error) and quillbox.bak left alone. On success quillbox.bak
    /// holds the previous quillbox.db byte for byte (unchanged when there
    /// was none). A symbolic link named quillbox.db is written through: the
    /// files are made beside its final target, and the link stays. A card
    /// file the last load could not read, or one that is not a regular file,
    /// is first moved aside (see CardFileSave::movedAside) and never
    /// overwritten or deleted. When quillbox.db no longer leads where it did
    /// at the last load (a link changed meanwhile), nothing is written: the
    /// lock guarded the file that was read. Otherwise, when the directory
    /// syncs with a vdir, the edits the collection holds that are not yet on
    /// record are first added to its edit trail (see sync::recordEdits). The
    /// error reads "<what failed> <path>:
    /// <system reason>". No temporary file is left behind unless the process
    /// dies during the save; the next load removes those.
    CardFileSave SaveCardFile(const CardCollection& cards);

    /// Saves into another directory (used when the home directory refuses
    /// the save); the held-back records go along.
    CardFileSave SaveCardFileTo(const CardCollection& cards, const std::string& directory) const;

    /// The texts of the records held back at the last load, in file order.
    std::vector<std::string> heldBackTexts() const;

private:
    CardFileSave saveInto(const CardCollection& cards, const std::string& directory, bool unread) const;

    std::string m_directory;
    std::string m_heldBack;
    bool m_unread = false;
    std::string m_movedAside;
    /// Where quillbox.db led at the last load, links followed.
    std::string m_loadedFrom;
    /// How many of the collection's EditedCards are on record for sync.
    std::size_t m_editsRecorded = 0;
};

} // namespace quillbox
