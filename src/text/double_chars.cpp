#include "text/double_chars.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace brakefell {
namespace {

constexpr int kMostPrecision = 40;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether a decimal number starts here: after an optional "-", a digit or a point.
bool StartsNumber(const char* first, const char* last) {
    if (first != last && *first == '-') {
        ++first;
    }
    return first != last && (IsDigit(*first) || *first == '.');
}

// The significant digits of a decimal number and the power of ten they are to be multiplied by.
// Digits past the first kKept only matter as "something nonzero", which one more digit "1" keeps:
// a double's halfway points have at most 767 significant digits.
class DecimalMantissa {
  public:
    static constexpr int kKept = 800;

    void integerDigit(char c) {
        if (digits_.empty() && c == '0') {
            return;
        }
        if (!keep(c)) {
            ++exponent_;  // a dropped digit before the point still counts a place
        }
    }
    void fractionDigit(char c) {
        if (digits_.empty() && c == '0') {
            --exponent_;
            return;
        }
        if (keep(c)) {
            --exponent_;
        }
    }
    void scale(long long exponent) { exponent_ += exponent; }
    bool isZero() const { return digits_.empty(); }

    // "<digits>e<exponent>": no decimal point, so the locale's separator plays no part.
    std::string text(bool negative) const {
        std::string text = negative ? "-" : "";
        text += digits_;
        long long exponent = exponent_;
        if (sticky_) {
            text += '1';
            --exponent;
        }
        text += 'e';
        text += std::to_string(exponent);
        return text;
    }

  private:
    bool keep(char c) {
        if (digits_.size() < kKept) {
            digits_ += c;
            return true;
        }
        sticky_ = sticky_ || c != '0';
        return false;
    }

    std::string digits_;
    long long exponent_ = 0;  // the value is digits_ * 10^exponent_
    bool sticky_ = false;
};

// The exponent's digits, held far beyond any double's range and far from overflow.
long long ExponentValue(const char*& p, const char* last) {
    constexpr long long kCap = 1'000'000'000;
    long long value = 0;
    for (; p != last && IsDigit(*p); ++p) {
        if (value < kCap) {
            value = value * 10 + (*p - '0');
        }
    }
    return value;
}

}  // namespace

namespace fallback {

std::to_chars_result ScientificChars(char* first, char* last, double value, int precision) {
    if (precision < 0 || precision > kMostPrecision) {
        return {last, std::errc::invalid_argument};
    }
    std::array<char, kMostPrecision + 64> printed;
    const int length = std::snprintf(printed.data(), printed.size(), "%.*e", precision, value);
    if (length < 0) {
        return {last, std::errc::invalid_argument};
    }
    // printf writes the locale's decimal separator, which may be "," or more than one byte:
    // everything between the first digit and the others is taken for it.
    std::string normal;
    const char* p = printed.data();
    const char* end = p + length;
    if (p != end && *p == '-') {
        normal += *p++;
    }
    if (p == end || !IsDigit(*p)) {
        normal.append(p, end);  // "inf" or "nan"
    } else {
        normal += *p++;
        if (precision > 0) {
            normal += '.';
            while (p != end && !IsDigit(*p)) {
                ++p;
            }
            while (p != end && IsDigit(*p)) {
                normal += *p++;
            }
        }
        normal.append(p, end);  // "e+XX"
    }
    if (static_cast<std::ptrdiff_t>(normal.size()) > last - first) {
        return {last, std::errc::value_too_large};
    }
    return {std::copy(normal.begin(), normal.end(), first), std::errc()};
}

std::from_chars_result DecimalFromChars(const char* first, const char* last, double& value) {
    if (!StartsNumber(first, last)) {
        return {first, std::errc::invalid_argument};
    }
    const char* p = first;
    const bool negative = *p == '-';
    if (negative) {
        ++p;
    }
    DecimalMantissa mantissa;
    bool anyDigit = false;
    for (; p != last && IsDigit(*p); ++p) {
        mantissa.integerDigit(*p);
        anyDigit = true;
    }
    if (p != last && *p == '.') {
        ++p;
        for (; p != last && IsDigit(*p); ++p) {
            mantissa.fractionDigit(*p);
            anyDigit = true;
        }
    }
    if (!anyDigit) {
        return {first, std::errc::invalid_argument};
    }
    if (p != last && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        const bool negativeExponent = q != last && *q == '-';
        if (q != last && (*q == '-' || *q == '+')) {
            ++q;
        }
        if (q != last && IsDigit(*q)) {
            const long long exponent = ExponentValue(q, last);
            mantissa.scale(negativeExponent ? -exponent : exponent);
            p = q;
        }
    }
    if (mantissa.isZero()) {
        value = negative ? -0.0 : 0.0;
        return {p, std::errc()};
    }
    const std::string text = mantissa.text(negative);
    const double read = std::strtod(text.c_str(), nullptr);
    if (std::isinf(read) || read == 0) {
        return {p, std::errc::result_out_of_range};
    }
    value = read;
    return {p, std::errc()};
}

}  // namespace fallback

#if BRAKEFELL_STD_HAS_FLOAT_CHARCONV && !BRAKEFELL_FLOAT_FALLBACK

std::to_chars_result ScientificChars(char* first, char* last, double value, int precision) {
    if (precision < 0 || precision > kMostPrecision) {
        return {last, std::errc::invalid_argument};
    }
    return std::to_chars(first, last, value, std::chars_format::scientific, precision);
}

std::from_chars_result DecimalFromChars(const char* first, const char* last, double& value) {
    if (!StartsNumber(first, last)) {
        return {first, std::errc::invalid_argument};  // no "inf" or "nan"
    }
    return std::from_chars(first, last, value);
}

#else

std::to_chars_result ScientificChars(char* first, char* last, double value, int precision) {
    return fallback::ScientificChars(first, last, value, precision);
}

std::from_chars_result DecimalFromChars(const char* first, const char* last, double& value) {
    return fallback::DecimalFromChars(first, last, value);
}

#endif

}  // namespace brakefell
