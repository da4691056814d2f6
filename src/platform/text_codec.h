// SPDX-License-Identifier: GPL-3.0-or-later
// The one border between QString and the program's Windows-1252 bytes.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace quillbox {

/// Bytes in Windows-1252 to a QString.
QString toQString(std::string_view bytes);
/// A QString to Windows-1252 bytes; characters outside the code page
/// become '?'.
std::string fromQString(const QString& text);
/// `text` with every character outside Windows-1252 replaced by '?', as it
/// would be stored.
QString representableOnly(const QString& text);

/// A file path, or a message naming one, as the file system spells it
/// (UTF-8, not the card texts' code page) to a QString. A byte that is not
/// part of UTF-8 (a Latin-1 name, say) becomes the lone surrogate U+DC80 +
/// its value less 0x80, so that no path is lost on the way: pathBytes()
/// gives every byte back.
QString pathText(std::string_view bytes);
/// A QString path to the file system's bytes; the reverse of pathText().
std::string pathBytes(const QString& path);

} // namespace quillbox
