#pragma once
// The few conversions the core needs between its texts (UTF-16, so that every index, length and
// display width counts the window's UTF-16 units) and bytes (std::string): UTF-8 for the
// sentences and names written in the sources, Latin-1 for the all-ASCII lines of the history,
// whole numbers as text, blanks around a pasted code, base64url for share codes. Code page 949,
// the encoding of the files, has its own header (cp949.h).

#include <optional>
#include <string>
#include <string_view>

namespace brakefell {

// Bytes that are not UTF-8 become U+FFFD, one for each byte of a sequence that breaks off.
std::u16string Utf16OfUtf8(std::string_view utf8);
// A surrogate half without its partner becomes "?".
std::string Utf8OfUtf16(std::u16string_view text);

// One character per byte.
std::u16string Utf16OfLatin1(std::string_view bytes);
// One byte per character; a character beyond U+00FF becomes "?".
std::string Latin1OfUtf16(std::u16string_view text);

// "-12", "0", "42".
std::u16string IntegerText(long long value);

// A whole number written plainly: an optional minus sign and decimal digits, nothing around them
// (no blank, no "+"); nullopt otherwise, or when it does not fit an int. For values that a
// person or a file names exactly, such as a list's index, never for the figures of the sheet.
std::optional<int> StrictInteger(std::u16string_view text);
std::optional<int> StrictInteger(std::string_view text);

// The text without the white space around it: the blanks, tabs and line breaks a chat program
// adds, and the other Unicode spaces (no-break, ideographic, line and paragraph separators).
std::u16string_view TrimmedSpaces(std::u16string_view text);

// `text` without the leading and trailing characters that `isTrimmed` picks.
template <typename Picks>
std::u16string_view Trimmed(std::u16string_view text, Picks isTrimmed) {
    while (!text.empty() && isTrimmed(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isTrimmed(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Whether `text` holds exactly the ASCII characters of `ascii` (a control's name, say).
bool EqualsAscii(std::u16string_view text, std::string_view ascii);

// Whether `text` is `lowerAsciiWord` in any letter case. Letters compare by Unicode case
// folding, so the long s "ſ" counts as "s" and the Kelvin sign as "k".
bool EqualsIgnoringCase(std::u16string_view text, std::string_view lowerAsciiWord);

// Base64 with "-" and "_" for "+" and "/", and without "=" padding.
std::string Base64UrlOf(std::string_view bytes);
// Reads what Base64UrlOf writes: nullopt for the empty text, a character outside the alphabet,
// or a length one more than a multiple of four, which no encoder writes. Bits past the last
// whole byte are ignored.
std::optional<std::string> BytesOfBase64Url(std::string_view text);

}  // namespace brakefell
