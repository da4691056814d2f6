// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/csv.h"

#include "core/utf8.h"

namespace quillbox::csv {

std::string writeRow(const Row& fields)
{
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        const std::string& field = fields[i];
        // A lone empty field would make an empty line, which holds no
        // record; a byte-order mark at the start of a file is taken away.
        const bool mustQuote = field.find_first_of(",\"\r\n") != std::string::npos
            || (fields.size() == 1 && field.empty()) || field.starts_with(utf8::ByteOrderMark);
        if (!mustQuote) {
            out += field;
            continue;
        }
        out += '"';
        for (const char c : field) {
            if (c == '"')
                out += '"';
            out += c;
        }
        out += '"';
    }
    out += "\r\n";
    return out;
}

namespace {

enum class Encoding { Unknown, Utf8, Utf16Le, Utf16Be };
enum class Where { RecordStart, FieldStart, Unquoted, Quoted, QuoteInQuoted, AfterQuoted };

/// The bytes a UTF-8 sequence with lead byte `c` takes; 0 for a byte that
/// cannot lead one.
std::size_t sequenceLength(unsigned char c)
{
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        return 2;
    if (c >= 0xE0 && c <= 0xEF)
        return 3;
    if (c >= 0xF0 && c <= 0xF4)
        return 4;
    return 0;
}

/// `field` without a UTF-8 sequence cut short at its end.
void dropCutSequence(std::string& field)
{
    std::size_t lead = field.size();
    while (
        lead > 0 && field.size() - lead < 4 && (static_cast<unsigned char>(field[lead - 1]) & 0xC0) == 0x80)
        --lead;
    if (lead == 0)
        return;
    --lead;
    const std::size_t need = sequenceLength(static_cast<unsigned char>(field[lead]));
    if (need > 1 && field.size() - lead < need)
        field.resize(lead);
}

} // namespace

struct Reader::State : ReadStatus {
    RowHandler onRow;

    Encoding encoding = Encoding::Unknown;
    std::string prefix; // the first bytes, until the encoding is known
    std::string carry; // a UTF-8 sequence or UTF-16 unit cut by a piece's end
    char16_t highSurrogate = 0;
    std::string converted;

    int line = 1;
    bool lastWasCr = false; // a CR just ended a line; an LF after it is the same end
    Where where = Where::RecordStart;
    int quoteOpened = 0;
    Row row;
    std::string field;

    void failEncoding() { fail(line, "the text is neither UTF-8 nor UTF-16 with its byte-order mark"); }

    std::size_t rowBytes = 0;

    void addByte(char c)
    {
        if (field.size() < MaxFieldBytes && rowBytes < MaxRowBytes) {
            field += c;
            ++rowBytes;
        }
    }

    void endField()
    {
        dropCutSequence(field);
        if (row.size() >= MaxFields) {
            fail(line, "a record of more than " + std::to_string(MaxFields) + " fields");
            return;
        }
        row.push_back(std::move(field));
        field.clear();
    }

    void endRecord()
    {
        endField();
        if (!ok)
            return;
        if (onRow)
            onRow(std::move(row));
        row.clear();
        rowBytes = 0;
        where = Where::RecordStart;
    }

    /// A line break outside quotes: CR, LF, or the LF of a CR LF.
    bool lineBreak(char c)
    {
        if (c == '\n' && lastWasCr) {
            lastWasCr = false;
            return true; // already counted with its CR
        }
        lastWasCr = c == '\r';
        ++line;
        return false;
    }

    /// One byte of valid UTF-8 text.
    void take(char c)
    {
        const bool isBreak = c == '\r' || c == '\n';
        const bool secondHalf = c == '\n' && lastWasCr;
        if (!isBreak)
            lastWasCr = false;
        switch (where) {
        case Where::RecordStart:
            if (isBreak) {
                lineBreak(c); // an empty line holds no record
                return;
            }
            where = Where::FieldStart;
            [[fallthrough]];
        case Where::FieldStart:
            if (c == '"') {
                where = Where::Quoted;
                quoteOpened = line;
                return;
            }
            where = Where::Unquoted;
            [[fallthrough]];
        case Where::Unquoted:
            if (c == ',') {
                endField();
                where = Where::FieldStart;
            } else if (isBreak) {
                if (secondHalf) {
                    lineBreak(c);
                    return;
                }
                lineBreak(c);
                endRecord();
            } else {
                addByte(c);
            }
            return;
        case Where::Quoted:
            if (c == '"') {
                where = Where::QuoteInQuoted;
                return;
            }
            if (isBreak)
                lineBreak(c);
            addByte(c);
            return;
        case Where::QuoteInQuoted:
            if (c == '"') {
                addByte('"');
                where = Where::Quoted;
                return;
            }
            where = Where::AfterQuoted;
            [[fallthrough]];
        case Where::AfterQuoted:
            if (c == ',') {
                endField();
                where = Where::FieldStart;
            } else if (isBreak) {
                lineBreak(c);
                endRecord();
            } else {
                fail(line, "a quoted field goes on after its closing quote");
            }
            return;
        }
    }

    void takeText(std::string_view text)
    {
        for (const char c : text) {
            take(c);
            if (!ok)
                return;
        }
    }

    /// UTF-8 input: checked, then read.
    void feedUtf8(std::string_view bytes)
    {
        std::string joinedCarry;
        if (!carry.empty()) {
            joinedCarry = carry;
            joinedCarry.append(bytes.substr(0, std::min<std::size_t>(bytes.size(), 4)));
            const std::size_t need = sequenceLength(static_cast<unsigned char>(joinedCarry[0]));
            if (joinedCarry.size() < need) {
                carry = joinedCarry;
                return;
            }
            if (!utf8::decode(std::string_view(joinedCarry).substr(0, need)).valid) {
                failEncoding();
                return;
            }
            takeText(std::string_view(joinedCarry).substr(0, need));
            bytes.remove_prefix(need - carry.size());
            carry.clear();
        }
        std::size_t start = 0;
        std::size_t i = 0;
        while (i < bytes.size() && ok) {
            const auto c = static_cast<unsigned char>(bytes[i]);
            if (c == 0) {
                takeText(bytes.substr(start, i - start));
                fail(line, "a NUL byte: this is not a text file");
                return;
            }
            if (c < 0x80) {
                ++i;
                continue;
            }
            const std::size_t need = sequenceLength(c);
            if (need == 0) {
                takeText(bytes.substr(start, i - start));
                failEncoding();
                return;
            }
            if (i + need > bytes.size()) {
                carry.assign(bytes.substr(i));
                break;
            }
            if (!utf8::decode(bytes.substr(i, need)).valid) {
                takeText(bytes.substr(start, i - start));
                failEncoding();
                return;
            }
            i += need;
        }
        takeText(bytes.substr(start, (carry.empty() ? bytes.size() : i) - start));
    }

    void feedUtf16(std::string_view bytes)
    {
        converted.clear();
        std::string pair = carry;
        std::size_t i = 0;
        const auto unit = [this](unsigned char a, unsigned char b) {
            return static_cast<char16_t>(encoding == Encoding::Utf16Le ? a | b << 8 : a << 8 | b);
        };
        const auto takeUnit = [this](char16_t u) {
            if (highSurrogate != 0) {
                if (u < 0xDC00 || u > 0xDFFF)
                    return false;
                utf8::append(converted, 0x10000 + ((highSurrogate - 0xD800) << 10) + (u - 0xDC00));
                highSurrogate = 0;
                return true;
            }
            if (u >= 0xD800 && u <= 0xDBFF) {
                highSurrogate = u;
                return true;
            }
            if (u >= 0xDC00 && u <= 0xDFFF)
                return false;
            if (u == 0) {
                takeText(converted);
                converted.clear();
                fail(line, "a NUL character: this is not a text file");
                return false;
            }
            utf8::append(converted, u);
            return true;
        };
        if (!pair.empty() && !bytes.empty()) {
            carry.clear();
            if (!takeUnit(unit(static_cast<unsigned char>(pair[0]), static_cast<unsigned char>(bytes[0])))) {
                takeText(converted);
                failEncoding();
                return;
            }
            i = 1;
        }
        for (; i + 1 < bytes.size(); i += 2) {
            if (!takeUnit(
                    unit(static_cast<unsigned char>(bytes[i]), static_cast<unsigned char>(bytes[i + 1])))) {
                takeText(converted);
                failEncoding();
                return;
            }
            if (converted.size() >= 64 * 1024) {
                takeText(converted);
                converted.clear();
                if (!ok)
                    return;
            }
        }
        if (i < bytes.size())
            carry.assign(1, bytes[i]);
        takeText(converted);
    }

    void feed(std::string_view bytes)
    {
        if (encoding == Encoding::Unknown) {
            const std::size_t take = std::min<std::size_t>(bytes.size(), 3 - prefix.size());
            prefix.append(bytes.substr(0, take));
            bytes.remove_prefix(take);
            if (prefix.size() < 3)
                return;
            decide();
        }
        route(bytes);
    }

    void decide()
    {
        std::string start = std::move(prefix);
        prefix.clear();
        std::string_view rest = start;
        if (rest.starts_with("\xFF\xFE")) {
            encoding = Encoding::Utf16Le;
            rest.remove_prefix(2);
        } else if (rest.starts_with("\xFE\xFF")) {
            encoding = Encoding::Utf16Be;
            rest.remove_prefix(2);
        } else {
            encoding = Encoding::Utf8;
            rest = utf8::withoutByteOrderMark(rest);
        }
        route(rest);
    }

    void route(std::string_view bytes)
    {
        if (!ok || bytes.empty())
            return;
        if (encoding == Encoding::Utf8)
            feedUtf8(bytes);
        else
            feedUtf16(bytes);
    }

    void finish()
    {
        if (!ok)
            return;
        if (encoding == Encoding::Unknown)
            decide();
        if (!ok)
            return;
        if (!carry.empty() || highSurrogate != 0) {
            failEncoding();
            return;
        }
        switch (where) {
        case Where::RecordStart:
            return;
        case Where::Quoted:
            fail(quoteOpened, "a quoted field is never closed");
            return;
        default:
            endRecord();
        }
    }
};

Reader::Reader(RowHandler onRow)
    : m(std::make_unique<State>())
{
    m->onRow = std::move(onRow);
}

Reader::~Reader() = default;

bool Reader::feed(std::string_view bytes)
{
    if (m->ok)
        m->feed(bytes);
    return m->ok;
}

bool Reader::finish()
{
    m->finish();
    return m->ok;
}

const ReadStatus& Reader::status() const
{
    return *m;
}

ReadResult read(std::string_view text)
{
    ReadResult result;
    Reader reader([&result](Row&& row) { result.rows.push_back(std::move(row)); });
    reader.feed(text);
    reader.finish();
    if (!reader.status().ok) {
        static_cast<ReadStatus&>(result) = reader.status();
        result.rows.clear();
    }
    return result;
}

} // namespace quillbox::csv
