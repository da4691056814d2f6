// The card file: quillbox.db, a plain sequence of records
//   [int16 little-endian length = text length + 1][text bytes][NUL]
// with one backup generation, quillbox.bak, in the same directory.
#pragma once

#include "core/card_table.h"

#include <string>
#include <string_view>

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
    /// bytes than the length says); the bytes there became a card.
    bool damagedEnd = false;
};

/// Files every record of `bytes` into the (empty) collection through
/// InsertCard, up to MaxCards; the rest is held back. Never reads out of
/// bounds, whatever the input. Leaves CardsChanged false.
CardFileParse parseCardRecords(std::string_view bytes, CardCollection& cards);

/// The bytes a save writes: cards 1..CardCount as records, then
/// `heldBackRecords` unchanged.
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
};

/// The card file and its backup in one directory. Remembers records held
/// back at load so every save writes them again.
class CardFile {
public:
    explicit CardFile(std::string directory);

    const std::string& directory() const noexcept { return m_directory; }
    /// Full paths of quillbox.db and quillbox.bak.
    std::string cardFilePath() const;
    std::string backupFilePath() const;

    /// Fills the empty collection from quillbox.db. Never throws.
    CardFileLoad LoadCardFile(CardCollection& cards);

    /// Writes the collection (and any held-back records) crash-safely: a
    /// temporary file is written and synced, the current quillbox.db becomes
    /// quillbox.bak, and the temporary file is renamed over quillbox.db. On
    /// any failure quillbox.db is left as it was. With no cards and nothing
    /// held back, quillbox.db is deleted and quillbox.bak left alone.
    CardFileSave SaveCardFile(const CardCollection& cards);

    /// Saves into another directory (used when the home directory refuses
    /// the save); the held-back records go along.
    CardFileSave SaveCardFileTo(const CardCollection& cards, const std::string& directory) const;

    const std::string& heldBackRecords() const noexcept { return m_heldBack; }

private:
    std::string m_directory;
    std::string m_heldBack;
};

}  // namespace quillbox
