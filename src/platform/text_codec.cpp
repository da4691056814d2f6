// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text_codec.h"

#include "core/cp1252.h"
#include "core/utf8.h"

#include <QFile>

namespace quillbox {

namespace {

/// A path byte that is not UTF-8 crosses as U+DC00 plus its value: a lone
/// low surrogate, which no well-formed text holds.
constexpr char16_t EscapeBase = 0xDC00;

} // namespace

QString toQString(std::string_view bytes)
{
    const std::u16string wide = cp1252::toUtf16(bytes);
    return QString(reinterpret_cast<const QChar*>(wide.data()), static_cast<qsizetype>(wide.size()));
}

std::string fromQString(const QString& text)
{
    return cp1252::fromUtf16(std::u16string_view(
        reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())));
}

QString representableOnly(const QString& text)
{
    return toQString(fromQString(text));
}

QString pathText(std::string_view bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    while (!bytes.empty()) {
        const utf8::Decoded d = utf8::decode(bytes);
        if (!d.valid) {
            text += QChar(static_cast<char16_t>(EscapeBase + static_cast<unsigned char>(bytes.front())));
            bytes.remove_prefix(1);
            continue;
        }
        const char32_t c = d.c;
        text += QString::fromUcs4(&c, 1);
        bytes.remove_prefix(d.length);
    }
    return text;
}

std::string pathBytes(const QString& path)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(path.size()));
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t u = path.at(i).unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < path.size() && path.at(i + 1).isLowSurrogate()) {
            utf8::append(bytes, QChar::surrogateToUcs4(u, path.at(++i).unicode()));
        } else if (u >= EscapeBase + 0x80 && u <= EscapeBase + 0xFF) {
            bytes += static_cast<char>(u - EscapeBase);
        } else {
            utf8::append(bytes, u);
        }
    }
    return bytes;
}

} // namespace quillbox
