#include "platform/text_codec.h"

#include "core/cp1252.h"

#include <QFile>

namespace quillbox {

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
    return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string pathBytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace quillbox
