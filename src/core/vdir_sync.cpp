// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/vdir_sync.h"

#include "core/card_box.h"
#include "core/contact_mapping.h"
#include "core/posix_file.h"
#include "core/sync_state.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace quillbox::sync {

namespace {

constexpr std::string_view ConflictSuffix = " (conflict copy)";

FileStamp stampOf(const struct stat& st)
{
    return {static_cast<std::int64_t>(st.st_size), static_cast<std::int64_t>(st.st_mtim.tv_sec),
        static_cast<std::int64_t>(st.st_mtim.tv_nsec), static_cast<std::int64_t>(st.st_ino)};
}

std::vector<std::string> cardLinesOf(std::string_view card)
{
    if (card.ends_with("\r\n"))
        card.remove_suffix(2);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = card.find("\r\n", start);
        lines.emplace_back(card.substr(start, end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 2;
    }
    return lines;
}

std::string joinedCard(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& line : lines)
        out += line + "\r\n";
    return out;
}

/// Where `run` begins in `lines`, or lines.size().
std::size_t findRun(const std::vector<std::string>& lines, const std::vector<std::string>& run)
{
    if (run.empty() || run.size() > lines.size())
        return lines.size();
    for (std::size_t i = 0; i + run.size() <= lines.size(); ++i) {
        if (std::equal(run.begin(), run.end(), lines.begin() + static_cast<std::ptrdiff_t>(i)))
            return i;
    }
    return lines.size();
}

std::vector<mapping::ContentLine> mappedOf(std::string_view vcf)
{
    std::vector<mapping::ContentLine> lines = mapping::contentLines(vcf);
    std::erase_if(lines, [](const mapping::ContentLine& l) { return !l.mapped || l.cardLines.empty(); });
    return lines;
}

std::string uidOf(std::string_view vcf, std::string_view fileName)
{
    for (const mapping::ContentLine& line : mapping::contentLines(vcf)) {
        if (line.name != "UID")
            continue;
        std::string_view raw = line.raw;
        raw.remove_prefix(std::min(raw.size(), raw.find(':') + 1));
        while (!raw.empty() && (raw.back() == '\n' || raw.back() == '\r' || raw.back() == ' '))
            raw.remove_suffix(1);
        if (!raw.empty())
            return std::string(raw);
    }
    return std::string(fileName.substr(0, fileName.rfind('.')));
}

std::string newUid()
{
    static std::random_device device;
    static std::mt19937_64 generator(
        (static_cast<std::uint64_t>(device()) << 32) ^ device() ^ static_cast<std::uint64_t>(::getpid()));
    const std::uint64_t a = generator();
    const std::uint64_t b = generator();
    char text[40];
    std::snprintf(text, sizeof text, "%08x-%04x-4%03x-%04x-%012llx", static_cast<unsigned>(a >> 32),
        static_cast<unsigned>((a >> 16) & 0xFFFF), static_cast<unsigned>(a & 0xFFF),
        static_cast<unsigned>(0x8000 | ((b >> 48) & 0x3FFF)),
        static_cast<unsigned long long>(b & 0xFFFFFFFFFFFFull));
    return text;
}

std::string withConflictTitle(std::string_view card)
{
    std::vector<std::string> lines = cardLinesOf(card);
    lines.front() += ConflictSuffix;
    return joinedCard(lines);
}

/// A .vcf file to write, and the contact whose state it updates.
struct PendingWrite {
    std::string name;
    std::string bytes;
    std::size_t contact = 0;
    std::string temporary;
    struct stat status { };
};

/// The work of one sync, decided before anything is written.
class Sync {
public:
    Sync(CardFile& file, std::string vdir)
        : m_file(file)
        , m_vdir(std::move(vdir))
    {
    }

    SyncResult run();

private:
    bool loadState();
    bool loadCards();
    void listVdir();
    void matchCards();
    void decideKnown();
    void takeNewFiles();
    void sendNewCards();
    bool write();

    /// Reads a file of the vdir; false (and the file left alone) when it
    /// cannot be read.
    bool readContact(const std::string& name, std::string& bytes);
    bool roomForCard() const { return m_projectedCount < MaxCards; }
    void addCard(std::string text)
    {
        ++m_projectedCount;
        m_added.push_back(std::move(text));
    }
    void removeCard(int index)
    {
        --m_projectedCount;
        m_removed.push_back(index);
    }
    void writeFile(std::size_t contact, std::string bytes)
    {
        m_writes.push_back({m_contacts[contact].fileName, std::move(bytes), contact, {}, {}});
    }
    std::string cardText(int index) const { return std::string(m_cards.card(index)); }

    CardFile& m_file;
    std::string m_vdir;
    std::string m_statePath;
    SyncResult m_result;
    SyncState m_state;
    CardCollection m_cards;
    int m_projectedCount = 0;

    /// The vdir's .vcf files by name, with their status.
    std::unordered_map<std::string, struct stat> m_files;
    std::unordered_map<std::string, bool> m_seen;

    /// Per known contact: its card (0 when none), how each side stands,
    /// and the file's bytes when it changed.
    std::vector<SyncedContact> m_contacts;
    std::vector<int> m_cardOf;
    std::vector<Side> m_cardSide;
    std::vector<Side> m_fileSide;
    std::vector<std::string> m_newVcf;
    std::vector<bool> m_keep;
    std::vector<bool> m_claimed;

    std::vector<std::string> m_added;
    std::vector<int> m_removed;
    std::vector<PendingWrite> m_writes;
    std::vector<std::string> m_deletes;
    bool m_stateChanged = false;
};

SyncResult Sync::run()
{
    if (!loadState() || !loadCards())
        return m_result;
    listVdir();
    matchCards();
    decideKnown();
    takeNewFiles();
    sendNewCards();
    if (!write())
        m_result.ok = false;
    return m_result;
}

bool Sync::loadState()
{
    std::string absolute;
    int e = posix::absolutePath(m_vdir, absolute);
    if (e == ENOENT) {
        if (const int made = posix::makeDirectory(m_vdir)) {
            m_result
                = {false, posix::describeFailure("Cannot create the vdir", m_vdir, made), {}, {}, false, {}};
            return false;
        }
        e = posix::absolutePath(m_vdir, absolute);
    }
    if (e != 0) {
        m_result = {false, posix::describeFailure("Cannot open the vdir", m_vdir, e), {}, {}, false, {}};
        return false;
    }
    struct stat st { };
    if (posix::statPath(absolute, st) != 0 || !S_ISDIR(st.st_mode)) {
        m_result = {false, "The vdir " + m_vdir + " is not a directory.", {}, {}, false, {}};
        return false;
    }
    m_vdir = absolute;
    m_statePath = posix::joinPath(m_file.directory(), StateFileName);
    std::string bytes;
    e = posix::readFile(m_statePath, bytes);
    if (e == ENOENT) {
        m_state.vdir = m_vdir;
        return true;
    }
    std::string why;
    if (e != 0)
        why = posix::describe(e);
    else if (!parseState(bytes, m_state, why))
        why = "it cannot be used: " + why;
    else if (m_state.vdir != m_vdir)
        why = "it belongs to the vdir " + m_state.vdir;
    if (why.empty())
        return true;
    m_result = {false,
        "The sync state file " + m_statePath + " is not for this vdir (" + why
            + "). Nothing was synced. Sync with that vdir, or move the state file away to sync with " + m_vdir
            + " as for the first time.",
        {}, {}, false, {}};
    if (e != 0)
        m_result.error = posix::describeFailure("Cannot read the sync state file", m_statePath, e)
            + ". Nothing was synced.";
    else if (m_state.vdir.empty() || m_state.vdir == m_vdir)
        m_result.error = "The sync state file " + m_statePath + " is damaged (" + why
            + "). Nothing was synced. Move it away to sync as for the first time: contacts are then "
              "matched to cards by their text.";
    return false;
}

bool Sync::loadCards()
{
    const CardFileLoad load = m_file.LoadCardFile(m_cards);
    if (!load.present && !load.error.empty()) {
        m_result
            = {false, "Cannot read " + m_file.cardFilePath() + ": " + load.error + ". Nothing was synced.",
                {}, {}, false, {}};
        return false;
    }
    if (load.damagedEnd) {
        m_result = {false,
            "The card file " + m_file.cardFilePath()
                + " is damaged at its end; open it in the window first. Nothing was synced.",
            {}, {}, false, {}};
        return false;
    }
    m_projectedCount = m_cards.CardCount;
    m_claimed.assign(static_cast<std::size_t>(m_cards.CardCount) + 1, false);
    return true;
}

void Sync::listVdir()
{
    std::vector<posix::DirectoryEntry> entries;
    entries.reserve(m_state.contacts.size() + 16);
    if (const int e = posix::listDirectory(m_vdir, entries))
        m_result.leftAlone.push_back(". : " + posix::describe(e));
    for (posix::DirectoryEntry& entry : entries) {
        // Hidden files are the tools' own: temporary files and the like.
        if (entry.name.starts_with('.'))
            continue;
        if (!entry.name.ends_with(".vcf")) {
            m_result.leftAlone.push_back(entry.name + ": not a contact (.vcf) file");
            continue;
        }
        if (!S_ISREG(entry.status.st_mode)) {
            m_result.leftAlone.push_back(entry.name + ": not a regular file");
            continue;
        }
        m_files.emplace(std::move(entry.name), entry.status);
    }
}

void Sync::matchCards()
{
    // Exact texts first, then edits the window recorded, then deletions.
    std::unordered_map<std::string_view, std::vector<int>> byText;
    byText.reserve(static_cast<std::size_t>(m_cards.CardCount));
    for (int i = m_cards.CardCount; i >= 1; --i)
        byText[m_cards.card(i)].push_back(i);
    const auto claim = [&](std::string_view text) {
        const auto found = byText.find(text);
        if (found == byText.end() || found->second.empty())
            return 0;
        const int index = found->second.back();
        found->second.pop_back();
        m_claimed[static_cast<std::size_t>(index)] = true;
        return index;
    };
    m_contacts = std::move(m_state.contacts);
    const std::size_t n = m_contacts.size();
    m_cardOf.assign(n, 0);
    m_cardSide.assign(n, Side::Deleted);
    for (std::size_t k = 0; k < n; ++k) {
        if ((m_cardOf[k] = claim(m_contacts[k].card)) != 0)
            m_cardSide[k] = Side::Unchanged;
    }
    std::vector<EditChain> trail;
    for (std::size_t k = 0; k < n; ++k) {
        if (m_cardOf[k] != 0)
            continue;
        if (trail.empty())
            trail = readTrail(m_file.directory());
        for (const EditChain& chain : trail) {
            if (chain.size() < 2 || chain.front() != m_contacts[k].card)
                continue;
            // The latest text of the chain that the card file holds: a save
            // cut short leaves an earlier one.
            for (std::size_t t = chain.size() - 1; t >= 1 && m_cardOf[k] == 0; --t)
                m_cardOf[k] = claim(chain[t]);
            if (m_cardOf[k] != 0) {
                m_cardSide[k] = Side::Changed;
                break;
            }
        }
    }
}

bool Sync::readContact(const std::string& name, std::string& bytes)
{
    if (const int e = posix::readFile(posix::joinPath(m_vdir, name), bytes)) {
        m_result.leftAlone.push_back(name + ": " + posix::describe(e));
        return false;
    }
    const mapping::CardIn in = mapping::cardOf(bytes);
    if (!in.ok) {
        m_result.leftAlone.push_back(name + ": not a readable vCard (" + in.error + ")");
        return false;
    }
    return true;
}

void Sync::decideKnown()
{
    const std::size_t n = m_contacts.size();
    m_fileSide.assign(n, Side::Deleted);
    m_newVcf.assign(n, {});
    m_keep.assign(n, true);
    for (std::size_t k = 0; k < n; ++k) {
        SyncedContact& contact = m_contacts[k];
        m_seen[contact.fileName] = true;
        const auto file = m_files.find(contact.fileName);
        // The file's new stamp is taken only with its contents: a change
        // not taken in (it does not fit) is found again next time.
        FileStamp stamp = contact.stamp;
        if (file != m_files.end()) {
            stamp = stampOf(file->second);
            if (stamp == contact.stamp) {
                m_fileSide[k] = Side::Unchanged;
            } else {
                std::string bytes;
                if (!readContact(contact.fileName, bytes))
                    continue; // left alone, and so is its card
                // A file rewritten without a change to what the card shows
                // (a server that reorders lines) is a new base, not a change.
                const std::string merged = bytes == contact.vcf
                    ? contact.card
                    : mergeContactChange(contact.card, contact.vcf, bytes);
                m_fileSide[k] = merged == contact.card ? Side::Unchanged : Side::Changed;
                if (m_fileSide[k] == Side::Unchanged) {
                    contact.vcf = std::move(bytes);
                    contact.stamp = stamp;
                    m_stateChanged = true;
                } else {
                    m_newVcf[k] = std::move(bytes);
                }
            }
        }
        const int card = m_cardOf[k];
        const std::string uid = uidOf(contact.vcf, contact.fileName);
        switch (decide(m_cardSide[k], m_fileSide[k])) {
        case Decision::Nothing:
            break;
        case Decision::SendChange:
            contact.card = cardText(card);
            writeFile(k, mapping::rewriteMapped(contact.vcf, contact.card, uid));
            ++m_result.counts.sentChanged;
            break;
        case Decision::SendAgain:
            contact.card = cardText(card);
            writeFile(k, mapping::rewriteMapped(contact.vcf, contact.card, uid));
            ++m_result.counts.sentNew;
            break;
        case Decision::TakeChange: {
            const std::string merged = mergeContactChange(contact.card, contact.vcf, m_newVcf[k]);
            if (!mapping::fitsOnCard(merged)) {
                ++m_result.counts.notAdded;
                break;
            }
            removeCard(card);
            addCard(merged);
            contact.card = merged;
            contact.vcf = std::move(m_newVcf[k]);
            contact.stamp = stamp;
            ++m_result.counts.takenChanged;
            break;
        }
        case Decision::KeepBoth: {
            const std::string current = cardText(card);
            const std::string merged = mergeContactChange(contact.card, contact.vcf, m_newVcf[k]);
            if (merged == current) {
                // Both sides made the same change.
                contact.card = current;
                contact.vcf = std::move(m_newVcf[k]);
                contact.stamp = stamp;
                break;
            }
            const std::string copy = withConflictTitle(merged);
            if (!mapping::fitsOnCard(copy) || !roomForCard()) {
                ++m_result.counts.notAdded;
                break;
            }
            addCard(copy);
            contact.card = current;
            writeFile(k, mapping::rewriteMapped(m_newVcf[k], current, uid));
            ++m_result.counts.conflicts;
            break;
        }
        case Decision::DeleteFile:
            m_deletes.push_back(contact.fileName);
            m_keep[k] = false;
            ++m_result.counts.sentDeleted;
            break;
        case Decision::DeleteCard:
            removeCard(card);
            m_keep[k] = false;
            ++m_result.counts.takenDeleted;
            break;
        case Decision::TakeAgain: {
            const std::string merged = mergeContactChange(contact.card, contact.vcf, m_newVcf[k]);
            if (!mapping::fitsOnCard(merged) || !roomForCard()) {
                ++m_result.counts.notAdded;
                break;
            }
            addCard(merged);
            contact.card = merged;
            contact.vcf = std::move(m_newVcf[k]);
            contact.stamp = stamp;
            ++m_result.counts.takenNew;
            break;
        }
        case Decision::Forget:
            m_keep[k] = false;
            break;
        }
        if (decide(m_cardSide[k], m_fileSide[k]) != Decision::Nothing || !(contact.stamp == stamp))
            m_stateChanged = true;
    }
}

void Sync::takeNewFiles()
{
    std::unordered_map<std::string_view, std::vector<int>> unclaimed;
    for (int i = m_cards.CardCount; i >= 1; --i) {
        if (!m_claimed[static_cast<std::size_t>(i)])
            unclaimed[m_cards.card(i)].push_back(i);
    }
    // In name order, so that which contacts fit a nearly full box does not
    // depend on the directory's order.
    std::vector<std::string> names;
    for (const auto& [name, status] : m_files) {
        if (!m_seen.contains(name))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        std::string bytes;
        if (!readContact(name, bytes))
            continue;
        const mapping::CardIn in = mapping::cardOf(bytes);
        SyncedContact contact {name, stampOf(m_files[name]), in.text, std::move(bytes)};
        const auto same = unclaimed.find(in.text);
        if (same != unclaimed.end() && !same->second.empty()) {
            // The same contact on both sides, as a first sync finds them.
            m_claimed[static_cast<std::size_t>(same->second.back())] = true;
            same->second.pop_back();
        } else if (!in.fits || !roomForCard()) {
            ++m_result.counts.notAdded;
            continue;
        } else {
            addCard(in.text);
            ++m_result.counts.takenNew;
        }
        m_contacts.push_back(std::move(contact));
        m_keep.push_back(true);
        m_stateChanged = true;
    }
}

void Sync::sendNewCards()
{
    for (int i = 1; i <= m_cards.CardCount; ++i) {
        if (m_claimed[static_cast<std::size_t>(i)])
            continue;
        std::string uid = newUid();
        while (m_files.contains(uid + ".vcf"))
            uid = newUid();
        m_contacts.push_back({uid + ".vcf", {}, cardText(i), mapping::vcardOf(m_cards.card(i), uid)});
        m_keep.push_back(true);
        writeFile(m_contacts.size() - 1, m_contacts.back().vcf);
        ++m_result.counts.sentNew;
        m_stateChanged = true;
    }
}

bool Sync::write()
{
    // The vdir first: each file through a temporary one, one flush for all,
    // then the renames and one sync of the directory.
    const auto fail = [&](std::string_view what, const std::string& path, int e) {
        m_result.error = posix::describeFailure(what, path, e) + ". The sync stopped; run it again.";
        for (const PendingWrite& w : m_writes) {
            if (!w.temporary.empty())
                posix::removeFile(w.temporary);
        }
        return false;
    };
    for (PendingWrite& w : m_writes) {
        const std::string target = posix::joinPath(m_vdir, w.name);
        if (const int e = posix::writeTemporary(target, w.bytes, w.temporary, w.status)) {
            w.temporary.clear();
            return fail("Cannot write", target, e);
        }
    }
    if (!m_writes.empty()) {
        if (const int e = posix::syncFileSystem(m_vdir))
            return fail("Cannot flush the files of", m_vdir, e);
    }
    for (PendingWrite& w : m_writes) {
        const std::string target = posix::joinPath(m_vdir, w.name);
        if (const int e = posix::renameFile(w.temporary, target))
            return fail("Cannot write", target, e);
        w.temporary.clear();
        m_contacts[w.contact].stamp = stampOf(w.status);
        m_contacts[w.contact].vcf = std::move(w.bytes);
    }
    for (const std::string& name : m_deletes) {
        const std::string path = posix::joinPath(m_vdir, name);
        if (const int e = posix::removeFile(path); e != 0 && e != ENOENT)
            return fail("Cannot delete", path, e);
    }
    if (!m_writes.empty() || !m_deletes.empty()) {
        if (const int e = posix::syncDirectory(m_vdir))
            return fail("Cannot sync the directory", m_vdir, e);
    }

    // Then the card file, as the window saves it.
    if (!m_added.empty() || !m_removed.empty()) {
        std::sort(m_removed.begin(), m_removed.end(), std::greater<>());
        for (const int index : m_removed)
            m_cards.RemoveCard(index);
        for (const std::string& text : m_added) {
            m_cards.CardTable[StagingSlot] = text;
            m_cards.InsertCard();
        }
        m_cards.CardsChanged = true;
        const CardFileSave saved = m_file.SaveCardFile(m_cards);
        if (!saved.ok) {
            m_result.error = saved.error + ". The cards were not saved; the sync stopped. Run it again.";
            return false;
        }
        m_result.savedCards = true;
        m_result.unconfirmed = saved.unconfirmed;
    }

    // The state file last: until it is written, the next sync finds the
    // work above done on both sides and takes it for agreement.
    if (m_stateChanged) {
        SyncState state;
        state.vdir = m_vdir;
        state.contacts.reserve(m_contacts.size());
        for (std::size_t k = 0; k < m_contacts.size(); ++k) {
            if (m_keep[k])
                state.contacts.push_back(std::move(m_contacts[k]));
        }
        if (const int e = posix::replaceFileDurably(m_statePath, serialiseState(state))) {
            m_result.error = posix::describeFailure("Cannot write the sync state file", m_statePath, e)
                + ". The cards and the vdir are synced; the next sync will match them by their text.";
            return false;
        }
    }
    // The recorded edits are now part of the state.
    posix::removeFile(posix::joinPath(m_file.directory(), EditTrailFileName));
    return true;
}

} // namespace

Decision decide(Side card, Side vdir)
{
    static constexpr Decision table[3][3] = {
        // vdir:  Unchanged             Changed               Deleted
        {Decision::Nothing, Decision::TakeChange, Decision::DeleteCard}, // card unchanged
        {Decision::SendChange, Decision::KeepBoth, Decision::SendAgain}, // card changed
        {Decision::DeleteFile, Decision::TakeAgain, Decision::Forget}, // card deleted
    };
    return table[static_cast<int>(card)][static_cast<int>(vdir)];
}

std::string mergeContactChange(std::string_view baseCard, std::string_view baseVcf, std::string_view newVcf)
{
    std::vector<mapping::ContentLine> before = mappedOf(baseVcf);
    std::vector<mapping::ContentLine> after = mappedOf(newVcf);
    // Properties the same on both sides change nothing.
    std::vector<bool> beforeSame(before.size(), false);
    std::vector<bool> afterSame(after.size(), false);
    for (std::size_t i = 0; i < before.size(); ++i) {
        for (std::size_t j = 0; j < after.size(); ++j) {
            if (!afterSame[j] && before[i].key == after[j].key && before[i].cardLines == after[j].cardLines) {
                beforeSame[i] = afterSame[j] = true;
                break;
            }
        }
    }
    std::vector<std::string> lines = cardLinesOf(baseCard);
    const auto insertAfterKind = [&](const mapping::ContentLine& added) {
        // Lines the card already shows are not added twice.
        if (findRun(lines, added.cardLines) < lines.size()
            || (!added.bareLines.empty() && findRun(lines, added.bareLines) < lines.size()))
            return;
        // After the lines of the last property of its kind, else at the end.
        std::size_t at = lines.size();
        for (const mapping::ContentLine& b : before) {
            if (b.name != added.name)
                continue;
            std::size_t found = findRun(lines, b.cardLines);
            std::size_t size = b.cardLines.size();
            if (found == lines.size() && !b.bareLines.empty()) {
                found = findRun(lines, b.bareLines);
                size = b.bareLines.size();
            }
            if (found < lines.size())
                at = found + size;
        }
        lines.insert(
            lines.begin() + static_cast<std::ptrdiff_t>(at), added.cardLines.begin(), added.cardLines.end());
    };
    std::vector<bool> afterUsed = afterSame;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (beforeSame[i])
            continue;
        std::size_t pair = after.size();
        for (std::size_t j = 0; j < after.size() && pair == after.size(); ++j) {
            if (!afterUsed[j] && after[j].key == before[i].key)
                pair = j;
        }
        // The lines as laid out, else a bare number as a card may hold it;
        // a replacement keeps the form found.
        const std::vector<std::string>* owned = &before[i].cardLines;
        std::size_t at = findRun(lines, *owned);
        const bool bare = at == lines.size() && !before[i].bareLines.empty();
        if (bare) {
            owned = &before[i].bareLines;
            at = findRun(lines, *owned);
        }
        if (pair < after.size()) {
            afterUsed[pair] = true;
            const std::vector<std::string>& next
                = bare && !after[pair].bareLines.empty() ? after[pair].bareLines : after[pair].cardLines;
            if (at < lines.size()) {
                lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at),
                    lines.begin() + static_cast<std::ptrdiff_t>(at + owned->size()));
                lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), next.begin(), next.end());
            } else {
                insertAfterKind(after[pair]);
            }
        } else if (at < lines.size() && at > 0) {
            // A removed property takes its lines along; the title stays, as
            // a card always has a first line.
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at),
                lines.begin() + static_cast<std::ptrdiff_t>(at + owned->size()));
        }
    }
    for (std::size_t j = 0; j < after.size(); ++j) {
        if (!afterUsed[j])
            insertAfterKind(after[j]);
    }
    if (lines.empty())
        lines.emplace_back();
    return joinedCard(lines);
}

SyncResult syncWithVdir(CardFile& file, const std::string& vdir)
{
    return Sync(file, vdir).run();
}

std::string describeSync(const SyncResult& result)
{
    const SyncCounts& c = result.counts;
    std::string out;
    out += "Sent to the vdir: " + std::to_string(c.sentNew) + " new, " + std::to_string(c.sentChanged)
        + " changed, " + std::to_string(c.sentDeleted) + " deleted.\n";
    out += "Taken from the vdir: " + std::to_string(c.takenNew) + " new, " + std::to_string(c.takenChanged)
        + " changed, " + std::to_string(c.takenDeleted) + " deleted.\n";
    out += "Conflicts kept as copies: " + std::to_string(c.conflicts) + ".\n";
    out += "Not added (card file full or text too long): " + std::to_string(c.notAdded) + ".\n";
    for (const std::string& name : result.leftAlone)
        out += "Left alone: " + name + "\n";
    return out;
}

} // namespace quillbox::sync
