// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sync_state.h"

#include "core/posix_file.h"

#include <cerrno>
#include <charconv>
#include <cstdio>

namespace quillbox::sync {

namespace {

constexpr std::string_view StateHeader = "QUILLBOX-SYNC 1\n";
constexpr std::string_view TrailHeader = "QUILLBOX-EDITS 1\n";

std::uint64_t checksum(std::string_view bytes)
{
    // FNV-1a: enough to tell a damaged file from a sound one.
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string hex(std::uint64_t value)
{
    char buffer[17];
    std::snprintf(buffer, sizeof buffer, "%016llx", static_cast<unsigned long long>(value));
    return buffer;
}

void putString(std::string& out, std::string_view s)
{
    out += std::to_string(s.size());
    out += ':';
    out += s;
}

void putNumber(std::string& out, std::int64_t n)
{
    out += std::to_string(n);
    out += ' ';
}

/// Reads the fields serialise*() writes; every read fails on anything else.
class Reader {
public:
    explicit Reader(std::string_view bytes)
        : m_rest(bytes)
    {
    }
    bool literal(std::string_view s)
    {
        if (!m_rest.starts_with(s))
            return false;
        m_rest.remove_prefix(s.size());
        return true;
    }
    bool number(std::int64_t& n, char end)
    {
        const auto [ptr, ec] = std::from_chars(m_rest.data(), m_rest.data() + m_rest.size(), n);
        if (ec != std::errc() || ptr == m_rest.data() + m_rest.size() || *ptr != end)
            return false;
        m_rest.remove_prefix(static_cast<std::size_t>(ptr - m_rest.data()) + 1);
        return true;
    }
    bool string(std::string& s)
    {
        std::int64_t length = 0;
        if (!number(length, ':') || length < 0 || static_cast<std::uint64_t>(length) > m_rest.size())
            return false;
        s.assign(m_rest.substr(0, static_cast<std::size_t>(length)));
        m_rest.remove_prefix(static_cast<std::size_t>(length));
        return true;
    }
    bool atEnd() const { return m_rest.empty(); }

private:
    std::string_view m_rest;
};

/// Splits off and checks the closing "end <checksum>" line.
bool checkedBody(std::string_view bytes, std::string_view& body)
{
    constexpr std::size_t tail = 4 + 16 + 1; // "end " + hex + "\n"
    if (bytes.size() < tail || !bytes.ends_with('\n'))
        return false;
    body = bytes.substr(0, bytes.size() - tail);
    const std::string_view end = bytes.substr(body.size());
    return end.starts_with("end ") && end.substr(4, 16) == hex(checksum(body));
}

std::string closed(std::string body)
{
    const std::string sum = hex(checksum(body));
    return body + "end " + sum + "\n";
}

} // namespace

std::string serialiseState(const SyncState& state)
{
    std::string out(StateHeader);
    std::size_t size = out.size() + state.vdir.size() + 64;
    for (const SyncedContact& c : state.contacts)
        size += c.fileName.size() + c.card.size() + c.vcf.size() + 96;
    out.reserve(size);
    out += "vdir ";
    putString(out, state.vdir);
    out += "\ncontacts ";
    putNumber(out, static_cast<std::int64_t>(state.contacts.size()));
    out += '\n';
    for (const SyncedContact& c : state.contacts) {
        out += "c ";
        putString(out, c.fileName);
        out += ' ';
        putNumber(out, c.stamp.size);
        putNumber(out, c.stamp.seconds);
        putNumber(out, c.stamp.nanoseconds);
        putNumber(out, c.stamp.inode);
        putString(out, c.card);
        out += ' ';
        putString(out, c.vcf);
        out += '\n';
    }
    return closed(std::move(out));
}

bool parseState(std::string_view bytes, SyncState& state, std::string& error)
{
    state = {};
    if (!bytes.starts_with(StateHeader)) {
        error = "it is not a Quillbox sync state file";
        return false;
    }
    std::string_view body;
    if (!checkedBody(bytes, body)) {
        error = "its checksum does not match (the file is damaged or was cut short)";
        return false;
    }
    Reader in(body.substr(StateHeader.size()));
    std::int64_t count = 0;
    bool ok = in.literal("vdir ") && in.string(state.vdir) && in.literal("\ncontacts ")
        && in.number(count, ' ') && in.literal("\n") && count >= 0;
    for (std::int64_t i = 0; ok && i < count; ++i) {
        SyncedContact c;
        ok = in.literal("c ") && in.string(c.fileName) && in.literal(" ") && in.number(c.stamp.size, ' ')
            && in.number(c.stamp.seconds, ' ') && in.number(c.stamp.nanoseconds, ' ')
            && in.number(c.stamp.inode, ' ') && in.string(c.card) && in.literal(" ") && in.string(c.vcf)
            && in.literal("\n");
        if (ok)
            state.contacts.push_back(std::move(c));
    }
    if (!ok || !in.atEnd()) {
        state = {};
        error = "its contents are not in the expected form";
        return false;
    }
    return true;
}

std::string serialiseTrail(const std::vector<EditChain>& chains)
{
    std::string out(TrailHeader);
    for (const EditChain& chain : chains) {
        out += "chain ";
        putNumber(out, static_cast<std::int64_t>(chain.size()));
        for (const std::string& text : chain)
            putString(out, text);
        out += '\n';
    }
    return closed(std::move(out));
}

bool parseTrail(std::string_view bytes, std::vector<EditChain>& chains)
{
    chains.clear();
    std::string_view body;
    if (!bytes.starts_with(TrailHeader) || !checkedBody(bytes, body))
        return false;
    Reader in(body.substr(TrailHeader.size()));
    while (!in.atEnd()) {
        std::int64_t count = 0;
        EditChain chain;
        bool ok = in.literal("chain ") && in.number(count, ' ') && count >= 0;
        for (std::int64_t i = 0; ok && i < count; ++i)
            ok = in.string(chain.emplace_back());
        if (!ok || !in.literal("\n")) {
            chains.clear();
            return false;
        }
        chains.push_back(std::move(chain));
    }
    return true;
}

void extendTrail(
    std::vector<EditChain>& chains, const std::vector<std::pair<std::string, std::string>>& edits)
{
    for (const auto& [from, to] : edits) {
        if (from == to)
            continue;
        EditChain* extended = nullptr;
        for (EditChain& chain : chains) {
            if (!chain.empty() && chain.back() == from) {
                extended = &chain;
                break;
            }
        }
        if (extended)
            extended->push_back(to);
        else
            chains.push_back({from, to});
    }
}

int recordEdits(const std::string& directory, const std::vector<std::pair<std::string, std::string>>& edits)
{
    struct stat st { };
    if (edits.empty() || posix::statPath(posix::joinPath(directory, StateFileName), st) != 0)
        return 0;
    std::vector<EditChain> chains = readTrail(directory);
    extendTrail(chains, edits);
    return posix::replaceFileDurably(posix::joinPath(directory, EditTrailFileName), serialiseTrail(chains));
}

std::vector<EditChain> readTrail(const std::string& directory)
{
    std::string bytes;
    std::vector<EditChain> chains;
    if (posix::readFile(posix::joinPath(directory, EditTrailFileName), bytes) == 0)
        parseTrail(bytes, chains);
    return chains;
}

} // namespace quillbox::sync
