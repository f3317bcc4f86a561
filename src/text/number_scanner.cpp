#include "text/number_scanner.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <system_error>

#include "text/double_chars.h"

namespace brakefell {

namespace {

constexpr int kEnd = -1;

// Walks the text and skips the blanks, tabs and line feeds that a typed number may hold anywhere.
class BlankSkippingCursor {
  public:
    explicit BlankSkippingCursor(std::u16string_view text) : text_(text) { SkipBlanks(); }

    int Peek() const { return position_ < text_.size() ? text_[position_] : kEnd; }
    void Advance() {
        ++position_;
        SkipBlanks();
    }
    bool AtEnd() const { return position_ == text_.size(); }
    std::size_t Position() const { return position_; }
    void Rewind(std::size_t position) { position_ = position; }

  private:
    void SkipBlanks() {
        while (position_ < text_.size()) {
            const char16_t unit = text_[position_];
            if (unit != u' ' && unit != u'\t' && unit != u'\n') {
                break;
            }
            ++position_;
        }
    }

    std::u16string_view text_;
    std::size_t position_ = 0;
};

bool IsDigit(int c) {
    return c >= '0' && c <= '9';
}

int DigitValue(int c, int base) {
    int value = 99;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < base ? value : -1;
}

// The significant digits of a decimal number and where its point stands, collected without
// limit on the text's length: digits past the first kKept only matter as "something nonzero".
class SignificantDigits {
  public:
    static constexpr int kKept = 800;  // more than the 767 digits a double can ever need

    void AddIntegerDigit(int c) {
        if (count_ == 0 && c == '0') {
            return;  // a leading zero
        }
        Add(c);
        ++pointPosition_;
    }
    void AddFractionDigit(int c) {
        if (count_ == 0 && c == '0') {
            --pointPosition_;  // a zero right after the point moves the digits down
            return;
        }
        Add(c);
    }
    bool IsZero() const { return count_ == 0; }

    // The magnitude digits * 10^(exponent + pointPosition - count).
    double Magnitude(std::int64_t exponent) const {
        const std::int64_t decimalExponent = pointPosition_ + exponent;  // of the form 0.ddd
        if (decimalExponent > 400) {
            return std::numeric_limits<double>::infinity();
        }
        if (decimalExponent < -400) {
            return 0.0;
        }
        std::array<char, kKept + 2 + 24> buffer{};
        int length = 0;
        for (int i = 0; i < count_; ++i) {
            buffer[length++] = digits_[i];
        }
        if (sticky_) {
            buffer[length++] = '1';
        }
        buffer[length++] = 'e';
        const std::int64_t scale = decimalExponent - length + 1;
        const auto written = std::to_chars(buffer.data() + length, buffer.data() + buffer.size(),
                                           static_cast<long long>(scale));
        double value = 0.0;
        const auto result = DecimalFromChars(buffer.data(), written.ptr, value);
        if (result.ec == std::errc::result_out_of_range) {
            return decimalExponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        }
        return value;
    }

  private:
    void Add(int c) {
        if (count_ < kKept) {
            digits_[count_++] = static_cast<char>(c);
        } else if (c != '0') {
            sticky_ = true;
        }
    }

    std::array<char, kKept> digits_{};
    int count_ = 0;
    bool sticky_ = false;
    std::int64_t pointPosition_ = 0;
};

// The exponent after "e"/"E"; the cursor stays before the "e" when no digit follows.
std::int64_t ReadExponent(BlankSkippingCursor& cursor) {
    const std::size_t start = cursor.Position();
    if (cursor.Peek() != 'e' && cursor.Peek() != 'E') {
        return 0;
    }
    cursor.Advance();
    bool negative = false;
    if (cursor.Peek() == '+' || cursor.Peek() == '-') {
        negative = cursor.Peek() == '-';
        cursor.Advance();
    }
    if (!IsDigit(cursor.Peek())) {
        cursor.Rewind(start);
        return 0;
    }
    constexpr std::int64_t kCap = 1'000'000'000;  // far beyond any double, far from overflow
    std::int64_t exponent = 0;
    while (IsDigit(cursor.Peek())) {
        if (exponent < kCap) {
            exponent = exponent * 10 + (cursor.Peek() - '0');
        }
        cursor.Advance();
    }
    return negative ? -exponent : exponent;
}

ScannedNumber ScanDecimal(BlankSkippingCursor& cursor) {
    ScannedNumber scanned;
    bool negative = false;
    if (cursor.Peek() == '+' || cursor.Peek() == '-') {
        negative = cursor.Peek() == '-';
        cursor.Advance();
    }
    SignificantDigits digits;
    while (IsDigit(cursor.Peek())) {
        digits.AddIntegerDigit(cursor.Peek());
        scanned.hasDigits = true;
        cursor.Advance();
    }
    if (cursor.Peek() == '.') {
        cursor.Advance();
        while (IsDigit(cursor.Peek())) {
            digits.AddFractionDigit(cursor.Peek());
            scanned.hasDigits = true;
            cursor.Advance();
        }
    }
    if (!scanned.hasDigits) {
        return scanned;
    }
    const std::int64_t exponent = ReadExponent(cursor);
    if (!digits.IsZero()) {
        const double magnitude = digits.Magnitude(exponent);
        scanned.value = negative && magnitude != 0.0 ? -magnitude : magnitude;
    }
    return scanned;
}

// "&H" and "&O" integers. A value that fits 32 bits is read as a signed 32-bit integer, so
// "&HFFFFFFFF" is -1 (its 32 bits read as two's complement); a longer one is its plain value.
ScannedNumber ScanPrefixedInteger(BlankSkippingCursor& cursor, int base) {
    ScannedNumber scanned;
    std::uint64_t exact = 0;
    double approximate = 0.0;
    bool fitsExactly = true;
    for (int digit; (digit = DigitValue(cursor.Peek(), base)) >= 0; cursor.Advance()) {
        scanned.hasDigits = true;
        if (fitsExactly && exact > (std::numeric_limits<std::uint64_t>::max() >> 4)) {
            fitsExactly = false;
            approximate = static_cast<double>(exact);
        }
        if (fitsExactly) {
            exact = exact * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        } else {
            approximate = approximate * base + digit;
        }
    }
    if (!fitsExactly) {
        scanned.value = approximate;
    } else if (exact <= std::numeric_limits<std::uint32_t>::max()) {
        scanned.value = static_cast<std::int32_t>(static_cast<std::uint32_t>(exact));
    } else {
        scanned.value = static_cast<double>(exact);
    }
    return scanned;
}

int PrefixBase(int letter) {
    if (letter == 'H' || letter == 'h') {
        return 16;
    }
    if (letter == 'O' || letter == 'o') {
        return 8;
    }
    return 0;
}

}  // namespace

ScannedNumber ScanLeadingNumber(std::u16string_view text) {
    BlankSkippingCursor cursor(text);
    ScannedNumber scanned;
    if (cursor.Peek() == '&') {
        cursor.Advance();
        const int base = PrefixBase(cursor.Peek());
        if (base == 0) {
            return scanned;  // "&" followed by anything else is no number
        }
        cursor.Advance();
        scanned = ScanPrefixedInteger(cursor, base);
    } else {
        scanned = ScanDecimal(cursor);
    }
    scanned.reachedEnd = cursor.AtEnd();
    return scanned;
}

}  // namespace brakefell
