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

/// A file path, or a message naming one, in the file system's encoding
/// (not the card texts' code page) to a QString.
QString pathText(std::string_view bytes);
/// A QString path to the file system's encoding.
std::string pathBytes(const QString& path);

} // namespace quillbox
