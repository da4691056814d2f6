// SPDX-License-Identifier: GPL-3.0-or-later
// Comma-separated values as RFC 4180 describes them: records end in CR LF,
// a field holding a comma, a quote or a line break is quoted, and a quote
// inside it is doubled.
#pragma once

#include "core/read_status.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillbox::csv {

using Row = std::vector<std::string>;

/// One record with its CR LF; fields quoted only where they must be.
std::string writeRow(const Row& fields);

/// A field kept beyond this many bytes is cut (a card holds far less).
inline constexpr std::size_t MaxFieldBytes = 64 * 1024;
/// A record keeps at most this many bytes; the fields beyond are cut.
inline constexpr std::size_t MaxRowBytes = 1024 * 1024;
/// A record with more fields than this stops the reading.
inline constexpr std::size_t MaxFields = 4096;

/// Reads CSV records from input given in pieces of any size, holding only
/// the record being read. The text is UTF-8 (a byte-order mark skipped) or
/// UTF-16 of either byte order with its byte-order mark; rows come out in
/// UTF-8. Records end in CR LF, LF or CR alone; empty lines between records
/// are skipped. Quoted fields keep their line breaks as they stand; a quote
/// inside an unquoted field is kept as a character.
///
/// Stops, with the line (from 1) and the reason, at: a NUL byte, text that
/// is neither valid UTF-8 nor UTF-16 with its mark, a quoted field never
/// closed or going on after its closing quote, or a record of more than
/// MaxFields fields. After a stop, feed() does nothing.
class Reader {
public:
    using RowHandler = std::function<void(Row&&)>;
    explicit Reader(RowHandler onRow);
    ~Reader();
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    /// The next bytes of the input. False once the reading has stopped.
    bool feed(std::string_view bytes);
    /// The end of the input. False when the reading stopped.
    bool finish();

    const ReadStatus& status() const;

private:
    struct State;
    std::unique_ptr<State> m;
};

struct ReadResult : ReadStatus {
    std::vector<Row> rows;
};

/// Reads all of `text` with a Reader; on failure no rows are given.
ReadResult read(std::string_view text);

} // namespace quillbox::csv
