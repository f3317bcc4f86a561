#include "text/strings.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

namespace brakefell {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendCodePoint(std::u16string& text, char32_t code) {
    if (code < 0x10000) {
        text += static_cast<char16_t>(code);
        return;
    }
    code -= 0x10000;
    text += static_cast<char16_t>(0xD800 + (code >> 10));
    text += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
}

void AppendUtf8(std::string& bytes, char32_t code) {
    if (code < 0x80) {
        bytes += static_cast<char>(code);
    } else if (code < 0x800) {
        bytes += static_cast<char>(0xC0 | code >> 6);
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        bytes += static_cast<char>(0xE0 | code >> 12);
        bytes += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | code >> 18);
        bytes += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        bytes += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The continuation bytes a lead byte announces and the range its second byte must fall in, which
// rules out overlong forms, surrogates and code points past U+10FFFF; 0 for a byte that leads
// nothing.
struct Utf8Lead {
    int continuations = 0;
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
};

Utf8Lead LeadOf(unsigned char byte) {
    if (byte >= 0xC2 && byte <= 0xDF) {
        return {1};
    }
    if (byte == 0xE0) {
        return {2, 0xA0, 0xBF};
    }
    if (byte == 0xED) {
        return {2, 0x80, 0x9F};
    }
    if (byte >= 0xE1 && byte <= 0xEF) {
        return {2};
    }
    if (byte == 0xF0) {
        return {3, 0x90, 0xBF};
    }
    if (byte >= 0xF1 && byte <= 0xF3) {
        return {3};
    }
    if (byte == 0xF4) {
        return {3, 0x80, 0x8F};
    }
    return {0};
}

bool IsUnicodeSpace(char16_t unit) {
    return unit == 0x20 || (unit >= 0x09 && unit <= 0x0D) || unit == 0x85 || unit == 0xA0 ||
           unit == 0x1680 || (unit >= 0x2000 && unit <= 0x200A) || unit == 0x2028 ||
           unit == 0x2029 || unit == 0x202F || unit == 0x205F || unit == 0x3000;
}

// The letter as compared without case: lower-case ASCII for every character that folds to one.
char16_t Folded(char16_t unit) {
    if (unit >= u'A' && unit <= u'Z') {
        return static_cast<char16_t>(unit - u'A' + u'a');
    }
    if (unit == 0x017F) {
        return u's';  // LATIN SMALL LETTER LONG S
    }
    if (unit == 0x212A) {
        return u'k';  // KELVIN SIGN
    }
    return unit;
}

constexpr char kBase64UrlAlphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

int Base64UrlValue(char c) {
    if (c >= 'A' && c <= 'Z') {
        return c - 'A';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 26;
    }
    if (c >= '0' && c <= '9') {
        return c - '0' + 52;
    }
    if (c == '-') {
        return 62;
    }
    if (c == '_') {
        return 63;
    }
    return -1;
}

}  // namespace

std::u16string Utf16OfUtf8(std::string_view utf8) {
    std::u16string text;
    text.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            text += static_cast<char16_t>(byte);
            ++i;
            continue;
        }
        const Utf8Lead lead = LeadOf(byte);
        char32_t code = byte & (0x3F >> lead.continuations);
        std::size_t next = i + 1;
        bool complete = lead.continuations > 0;
        for (int k = 0; k < lead.continuations; ++k, ++next) {
            const auto following = next < utf8.size() ? static_cast<unsigned char>(utf8[next]) : 0;
            const unsigned char low = k == 0 ? lead.secondLow : 0x80;
            const unsigned char high = k == 0 ? lead.secondHigh : 0xBF;
            if (next >= utf8.size() || following < low || following > high) {
                complete = false;
                break;
            }
            code = code << 6 | (following & 0x3F);
        }
        next = std::max(next, i + 1);
        if (complete) {
            AppendCodePoint(text, code);
        } else {
            text.append(next - i, kReplacement);  // one for each byte taken
        }
        i = next;
    }
    return text;
}

std::string Utf8OfUtf16(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            AppendUtf8(bytes, 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            bytes += '?';
        } else {
            AppendUtf8(bytes, unit);
        }
    }
    return bytes;
}

std::u16string Utf16OfLatin1(std::string_view bytes) {
    std::u16string text(bytes.size(), u'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text[i] = static_cast<unsigned char>(bytes[i]);
    }
    return text;
}

std::string Latin1OfUtf16(std::u16string_view text) {
    std::string bytes(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        bytes[i] = text[i] <= 0xFF ? static_cast<char>(text[i]) : '?';
    }
    return bytes;
}

std::u16string IntegerText(long long value) {
    std::array<char, 24> digits;
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    return Utf16OfLatin1(std::string_view(digits.data(), end - digits.data()));
}

namespace {

template <typename Char>
std::optional<int> StrictIntegerOf(std::basic_string_view<Char> text) {
    const bool negative = !text.empty() && text.front() == Char('-');
    const std::basic_string_view<Char> digits = negative ? text.substr(1) : text;
    if (digits.empty()) {
        return std::nullopt;
    }
    long long value = 0;
    for (const Char digit : digits) {
        if (digit < Char('0') || digit > Char('9')) {
            return std::nullopt;
        }
        value = value * 10 + (digit - Char('0'));
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1) {
            return std::nullopt;
        }
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

}  // namespace

std::optional<int> StrictInteger(std::u16string_view text) {
    return StrictIntegerOf(text);
}

std::optional<int> StrictInteger(std::string_view text) {
    return StrictIntegerOf(text);
}

std::u16string_view TrimmedSpaces(std::u16string_view text) {
    return Trimmed(text, IsUnicodeSpace);
}

bool EqualsAscii(std::u16string_view text, std::string_view ascii) {
    return std::equal(text.begin(), text.end(), ascii.begin(), ascii.end(),
                      [](char16_t unit, char c) { return unit == static_cast<unsigned char>(c); });
}

bool EqualsIgnoringCase(std::u16string_view text, std::string_view lowerAsciiWord) {
    if (text.size() != lowerAsciiWord.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (Folded(text[i]) != static_cast<unsigned char>(lowerAsciiWord[i])) {
            return false;
        }
    }
    return true;
}

std::string Base64UrlOf(std::string_view bytes) {
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    unsigned bits = 0;
    int pending = 0;
    for (const char byte : bytes) {
        bits = bits << 8 | static_cast<unsigned char>(byte);
        pending += 8;
        while (pending >= 6) {
            pending -= 6;
            text += kBase64UrlAlphabet[bits >> pending & 0x3F];
        }
    }
    if (pending > 0) {
        text += kBase64UrlAlphabet[bits << (6 - pending) & 0x3F];
    }
    return text;
}

std::optional<std::string> BytesOfBase64Url(std::string_view text) {
    if (text.empty() || text.size() % 4 == 1) {
        return std::nullopt;
    }
    std::string bytes;
    bytes.reserve(text.size() / 4 * 3 + 2);
    unsigned bits = 0;
    int pending = 0;
    for (const char c : text) {
        const int value = Base64UrlValue(c);
        if (value < 0) {
            return std::nullopt;
        }
        bits = (bits << 6 | static_cast<unsigned>(value)) & 0xFFFF;
        pending += 6;
        if (pending >= 8) {
            pending -= 8;
            bytes += static_cast<char>(bits >> pending & 0xFF);
        }
    }
    return bytes;
}

}  // namespace brakefell
