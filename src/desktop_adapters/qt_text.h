#pragma once
// The desktop's edges between Qt's types and the core's: texts are UTF-16 on both sides, bytes
// are bytes, and paths are UTF-8 in the core (what Qt writes to the file system on Linux).

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>

namespace brakefell {

inline QString QStringOf(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string TextOf(const QString& text) {
    return text.toStdU16String();
}

inline QString QPathOf(std::string_view path) {
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

inline std::string PathOf(const QString& path) {
    return path.toUtf8().toStdString();
}

inline QByteArray QBytesOf(std::string_view bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace brakefell
