#pragma once
// Code page 949 (Unified Hangul Code), the encoding of every file the program reads or writes,
// and the display width that lines up the report's columns in a fixed-pitch Korean font.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace brakefell {

// Bytes that are not valid code page 949 decode to U+FFFD, one per offending byte.
QString DecodeCp949(QByteArrayView bytes);

// Characters the code page cannot encode become "?".
QByteArray EncodeCp949(QStringView text);

// Number of code page 949 bytes of the text: ASCII 1, Hangul and other double-byte characters 2,
// a character the code page cannot encode 1.
int DisplayWidth(QStringView text);

}  // namespace brakefell
