// SPDX-License-Identifier: GPL-3.0-or-later
// Two-way sync of the card file with a vdir: a directory of one .vcf file
// per contact, as vdirsyncer, khard and other contact tools keep it. Each
// contact is compared with what was last synced on both sides; a change on
// one side goes to the other, a change on both keeps both versions, and a
// deletion travels only when the other side did not change the contact.
#pragma once

#include "core/card_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillbox::sync {

/// How one side of a contact stands against what was last synced.
enum class Side { Unchanged, Changed, Deleted };

/// What sync does with a contact known from the last sync.
enum class Decision {
    Nothing,
    /// The card changed: its vCard is rewritten in the vdir.
    SendChange,
    /// The contact changed in the vdir: the change is merged into the card.
    TakeChange,
    /// Both changed: the card stays, and the vdir's version comes in as a
    /// conflict copy.
    KeepBoth,
    /// The card was deleted: so is the .vcf file.
    DeleteFile,
    /// The .vcf file was deleted: so is the card.
    DeleteCard,
    /// The card changed and the file was deleted: the card goes out again.
    SendAgain,
    /// The card was deleted and the file changed: the contact comes back.
    TakeAgain,
    /// Deleted on both sides: forgotten.
    Forget,
};

/// The decision for a contact whose card and file stand as given.
Decision decide(Side card, Side vdir);

struct SyncCounts {
    int sentNew = 0;
    int sentChanged = 0;
    int sentDeleted = 0;
    int takenNew = 0;
    int takenChanged = 0;
    int takenDeleted = 0;
    /// Contacts changed on both sides, kept as a conflict copy.
    int conflicts = 0;
    /// Contacts that stay in the vdir only: the card file is full, or
    /// their text runs over what a card holds.
    int notAdded = 0;
    friend bool operator==(const SyncCounts&, const SyncCounts&) = default;
};

struct SyncResult {
    /// False when sync stopped (error says why); nothing was then changed
    /// unless `error` says so.
    bool ok = true;
    std::string error;
    SyncCounts counts;
    /// Files of the vdir left alone, each "NAME: why".
    std::vector<std::string> leftAlone;
    /// True when the card file was saved.
    bool savedCards = false;
    /// What of the card file's save could not be confirmed on disk (see
    /// CardFileSave::unconfirmed); empty when nothing.
    std::string unconfirmed;
};

/// Syncs the card file of `file` with the vdir `vdir` (created when
/// missing) both ways. The card file is saved as the window saves it; each
/// .vcf file is written through a temporary file and a rename, the batch is
/// flushed at once and the directory synced once; the state file beside
/// the card file is written last. Stops, changing nothing, when the state
/// file is damaged or belongs to another vdir, when the card file cannot
/// be read or has a damaged end. The caller holds the card file's lock.
SyncResult syncWithVdir(CardFile& file, const std::string& vdir);

/// The card text a contact changed in the vdir gives: `baseCard` (synced
/// with `baseVcf`) with the line of each mapped property that changed
/// between `baseVcf` and `newVcf` replaced, added or removed, and its
/// other lines kept. Stored form (CR LF, ending in CR LF).
std::string mergeContactChange(std::string_view baseCard, std::string_view baseVcf, std::string_view newVcf);

/// What a sync did, one count a line, then the files left alone.
std::string describeSync(const SyncResult& result);

} // namespace quillbox::sync
