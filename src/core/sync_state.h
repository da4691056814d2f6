// SPDX-License-Identifier: GPL-3.0-or-later
// What sync remembers between runs, in two files beside the card file:
// the state file (quillbox.sync: the vdir's path, and per contact its
// file, the file's stamp, the card text and the vCard last synced), and
// the edit trail (quillbox.edits: the texts each card edited in the window
// went through since the last sync, so that an edit stays the same
// contact). Both are written crash-safely and checked when read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillbox::sync {

inline constexpr const char* StateFileName = "quillbox.sync";
inline constexpr const char* EditTrailFileName = "quillbox.edits";

/// What tells a vdir file changed without reading it.
struct FileStamp {
    std::int64_t size = -1;
    std::int64_t seconds = 0;
    std::int64_t nanoseconds = 0;
    std::int64_t inode = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

struct SyncedContact {
    /// The file's name in the vdir ("<uid>.vcf" for contacts made here).
    std::string fileName;
    FileStamp stamp;
    /// The stored card text last synced (Windows-1252, CR LF).
    std::string card;
    /// The file's bytes last synced.
    std::string vcf;
};

struct SyncState {
    /// The vdir's absolute path.
    std::string vdir;
    std::vector<SyncedContact> contacts;
};

/// The state file's bytes: a header, the fields as length-prefixed
/// strings, and a checksum over everything before it.
std::string serialiseState(const SyncState& state);
/// Reads what serialiseState() wrote. False, with `error` saying what is
/// wrong, for anything else: a foreign file, a cut one, a wrong checksum.
bool parseState(std::string_view bytes, SyncState& state, std::string& error);

/// The texts one card went through, oldest first: the text it had when
/// it was last synced (or first edited) and each text an edit gave it.
using EditChain = std::vector<std::string>;

std::string serialiseTrail(const std::vector<EditChain>& chains);
/// False for bytes serialiseTrail() did not write; `chains` is then empty.
bool parseTrail(std::string_view bytes, std::vector<EditChain>& chains);

/// Adds each edit (old text, new text) to the chain that ends in its old
/// text, or begins a chain with it.
void extendTrail(
    std::vector<EditChain>& chains, const std::vector<std::pair<std::string, std::string>>& edits);

/// Records `edits` in the edit trail of `directory` before the card file
/// is saved there: read, extended and replaced crash-safely. Does nothing
/// (and returns 0) when the directory has no state file, as nothing syncs
/// there. Returns 0 or an errno value.
int recordEdits(const std::string& directory, const std::vector<std::pair<std::string, std::string>>& edits);

/// The edit trail of `directory`; empty when it is missing or damaged.
std::vector<EditChain> readTrail(const std::string& directory);

} // namespace quillbox::sync
