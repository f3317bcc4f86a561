#include "text/cp949.h"

#include <cstdint>
#include <optional>

#include "text/cp949_table.h"

namespace brakefell {

namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr char16_t kFirstSyllable = 0xAC00;
constexpr char16_t kLastSyllable = 0xD7A3;

bool IsLeadByte(unsigned byte) {
    return byte >= cp949::kLeadFirst && byte <= cp949::kLeadLast;
}

// The character of a lead/trail pair, or 0 when the pair is not one.
char16_t DecodePair(unsigned lead, unsigned trail) {
    if (trail < cp949::kTrailFirst || trail > cp949::kTrailLast) {
        return 0;
    }
    return cp949::kDecodeCells[(lead - cp949::kLeadFirst) * cp949::kTrailCount +
                               (trail - cp949::kTrailFirst)];
}

// The two bytes (lead << 8 | trail) of a double-byte character, nullopt when it has none.
std::optional<std::uint16_t> EncodeDoubleByte(char16_t unit) {
    unsigned low = 0;
    unsigned high = cp949::kMappedCount;
    while (low < high) {
        const unsigned middle = low + (high - low) / 2;
        const char16_t found = cp949::kDecodeCells[cp949::kCellsByUnit[middle]];
        if (found < unit) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    if (low == cp949::kMappedCount) {
        return std::nullopt;
    }
    const unsigned cell = cp949::kCellsByUnit[low];
    if (cp949::kDecodeCells[cell] != unit) {
        return std::nullopt;
    }
    const unsigned lead = cp949::kLeadFirst + cell / cp949::kTrailCount;
    const unsigned trail = cp949::kTrailFirst + cell % cp949::kTrailCount;
    return static_cast<std::uint16_t>(lead << 8 | trail);
}

// A character beyond the BMP: a high surrogate followed by a low one.
bool IsSurrogatePairAt(std::u16string_view text, std::size_t i) {
    return text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
           text[i + 1] <= 0xDFFF;
}

}  // namespace

std::u16string DecodeCp949(std::string_view bytes) {
    std::u16string text(bytes.size(), u'\0');
    char16_t* out = text.data();
    std::size_t written = 0;
    const std::size_t size = bytes.size();
    std::size_t i = 0;
    while (i < size) {
        const unsigned byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            out[written++] = static_cast<char16_t>(byte);
            ++i;
            continue;
        }
        if (!IsLeadByte(byte) || i + 1 == size) {
            out[written++] = kReplacement;
            ++i;
            continue;
        }
        const unsigned trail = static_cast<unsigned char>(bytes[i + 1]);
        if (const char16_t unit = DecodePair(byte, trail)) {
            out[written++] = unit;
            i += 2;
        } else if (trail < 0x80) {
            // A stray lead byte: the ASCII byte after it is read on its own.
            out[written++] = kReplacement;
            ++i;
        } else {
            // An unmapped pair (user-defined area and the like): one replacement per byte.
            out[written++] = kReplacement;
            out[written++] = kReplacement;
            i += 2;
        }
    }
    text.resize(written);
    return text;
}

std::string EncodeCp949(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit < 0x80) {
            bytes += static_cast<char>(unit);
        } else if (IsSurrogatePairAt(text, i)) {
            ++i;  // never in the code page: one "?" for the whole character
            bytes += '?';
        } else if (const auto code = EncodeDoubleByte(unit)) {
            bytes += static_cast<char>(*code >> 8);
            bytes += static_cast<char>(*code & 0xFF);
        } else {
            bytes += '?';
        }
    }
    return bytes;
}

int DisplayWidth(std::u16string_view text) {
    int width = 0;
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size; ++i) {
        const char16_t unit = text[i];
        if (unit < 0x80) {
            width += 1;
        } else if (unit >= kFirstSyllable && unit <= kLastSyllable) {
            width += 2;  // the code page holds every Hangul syllable, no look-up needed
        } else if (IsSurrogatePairAt(text, i)) {
            ++i;
            width += 1;
        } else {
            width += EncodeDoubleByte(unit) ? 2 : 1;
        }
    }
    return width;
}

}  // namespace brakefell
