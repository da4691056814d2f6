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

ReadResult read(std::string_view text)
{
    ReadResult result;
    text = utf8::withoutByteOrderMark(text);

    int line = 1;
    std::size_t i = 0;
    while (i < text.size()) {
        // An empty line between records holds no record.
        if (text[i] == '\n' || (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            i += text[i] == '\r' ? 2 : 1;
            ++line;
            continue;
        }
        Row row;
        for (;;) {
            std::string field;
            if (i < text.size() && text[i] == '"') {
                const int opened = line;
                ++i;
                for (;;) {
                    if (i >= text.size()) {
                        result = {false, opened, "a quoted field is never closed", {}};
                        return result;
                    }
                    const char c = text[i++];
                    if (c == '"') {
                        if (i < text.size() && text[i] == '"') {
                            field += '"';
                            ++i;
                            continue;
                        }
                        break;
                    }
                    if (c == '\n')
                        ++line;
                    field += c;
                }
                if (i < text.size() && text[i] != ',' && text[i] != '\n'
                    && !(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                    && !(text[i] == '\r' && i + 1 == text.size())) {
                    result = {false, line, "a quoted field goes on after its closing quote", {}};
                    return result;
                }
            } else {
                while (i < text.size() && text[i] != ',' && text[i] != '\n'
                    && !(text[i] == '\r' && (i + 1 == text.size() || text[i + 1] == '\n')))
                    field += text[i++];
            }
            row.push_back(std::move(field));
            if (i < text.size() && text[i] == ',') {
                ++i;
                continue;
            }
            break;
        }
        if (i < text.size() && text[i] == '\r')
            ++i;
        if (i < text.size() && text[i] == '\n') {
            ++i;
            ++line;
        }
        result.rows.push_back(std::move(row));
    }
    return result;
}

} // namespace quillbox::csv
