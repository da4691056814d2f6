// Comma-separated values as RFC 4180 describes them: records end in CR LF,
// a field holding a comma, a quote or a line break is quoted, and a quote
// inside it is doubled.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillbox::csv {

using Row = std::vector<std::string>;

/// One record with its CR LF; fields quoted only where they must be.
std::string writeRow(const Row& fields);

struct ReadResult {
    bool ok = true;
    /// On failure: the line (from 1) where the fault lies and what it is.
    int errorLine = 0;
    std::string error;
    std::vector<Row> rows;
};

/// Reads every record of `text`. Records may end in CR LF or LF alone; a
/// UTF-8 byte-order mark is skipped; empty lines between records are
/// skipped. Quoted fields keep their line breaks as they stand. A quote
/// inside an unquoted field is kept as a character. Fails on a quoted field
/// that is never closed or that goes on after its closing quote.
ReadResult read(std::string_view text);

} // namespace quillbox::csv
