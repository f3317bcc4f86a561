#include <cmath>
#include <cstdlib>

#include "text/decimal_digits.h"
#include "text/numbers.h"
#include "text/strings.h"

namespace brakefell {

namespace {

constexpr int kSignificantDigits = 15;

void AppendDigits(std::u16string& text, const char* digits, int count) {
    for (int i = 0; i < count; ++i) {
        text += static_cast<char16_t>(digits[i]);
    }
}

void AppendExponent(std::u16string& text, int exponent) {
    text += exponent < 0 ? u"E-" : u"E+";
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) {
        text += u'0';  // the exponent has at least two digits: 1E+20, 1E-05
    }
    text += IntegerText(magnitude);
}

// The digits with the point where it belongs, zeros filled in, never an exponent.
std::u16string PlainDigits(bool negative, const DecimalDigits& d) {
    std::u16string text;
    text.reserve(static_cast<std::size_t>(d.count + std::abs(d.pointPosition) + 3));
    if (negative) {
        text += u'-';
    }
    if (d.pointPosition <= 0) {
        text += u"0.";
        text.append(static_cast<std::size_t>(-d.pointPosition), u'0');
        AppendDigits(text, d.digits.data(), d.count);
        return text;
    }
    for (int i = 0; i < d.pointPosition; ++i) {
        text += static_cast<char16_t>(i < d.count ? d.digits[i] : '0');
    }
    if (d.count > d.pointPosition) {
        text += u'.';
        AppendDigits(text, d.digits.data() + d.pointPosition, d.count - d.pointPosition);
    }
    return text;
}

}  // namespace

// Plain notation for values from 0.0001 up to 15 integer digits; beyond that the exponent form
// "1E+20" / "1.5E-07", with an upper-case E and a signed exponent. Not a number gives the empty
// text.
std::u16string GeneralNumberText(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    const DecimalDigits d = RoundedDigits(std::fabs(value), kSignificantDigits);
    if (d.count == 0) {
        return u"0";
    }
    const int exponent = d.pointPosition - 1;  // of the form d.ddd
    if (exponent >= -4 && exponent < kSignificantDigits) {
        return PlainDigits(value < 0, d);
    }
    std::u16string text;
    if (value < 0) {
        text += u'-';
    }
    text += static_cast<char16_t>(d.digits[0]);
    if (d.count > 1) {
        text += u'.';
        AppendDigits(text, d.digits.data() + 1, d.count - 1);
    }
    AppendExponent(text, exponent);
    return text;
}

std::u16string PlainNumberText(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    const DecimalDigits d = RoundedDigits(std::fabs(value), kSignificantDigits);
    return d.count == 0 ? u"0" : PlainDigits(value < 0, d);
}

}  // namespace brakefell
