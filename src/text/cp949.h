#pragma once
// Code page 949 (Unified Hangul Code), the encoding of every file the program reads or writes,
// and the display width that lines up the report's columns in a fixed-pitch Korean font.

#include <string>
#include <string_view>

namespace brakefell {

// Bytes that are not valid code page 949 decode to U+FFFD, one per offending byte: a lone or
// final lead byte gives one and an ASCII byte after it is read on its own; an unmapped pair of
// non-ASCII bytes (such as the user-defined areas) gives two. NUL decodes to U+0000.
std::u16string DecodeCp949(std::string_view bytes);

// Characters the code page cannot encode become "?", a character beyond the BMP (a surrogate
// pair) one "?", a lone surrogate half one "?" too.
std::string EncodeCp949(std::u16string_view text);

// Number of code page 949 bytes of the text: ASCII 1, Hangul and other double-byte characters 2,
// a character the code page cannot encode 1.
int DisplayWidth(std::u16string_view text);

}  // namespace brakefell
