#include <cmath>
#include <cstdlib>

#include "text/decimal_digits.h"
#include "text/numbers.h"

namespace brakefell {

namespace {

constexpr int kSignificantDigits = 15;

void AppendExponent(QString& text, int exponent) {
    text += exponent < 0 ? u"E-" : u"E+";
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) {
        text += u'0';  // the classic form has at least two exponent digits: 1E+20, 1E-05
    }
    text += QString::number(magnitude);
}

// The digits with the point where it belongs, zeros filled in, never an exponent.
QString PlainDigits(bool negative, const DecimalDigits& d) {
    QString text;
    text.reserve(d.count + std::abs(d.pointPosition) + 3);
    if (negative) {
        text += u'-';
    }
    if (d.pointPosition <= 0) {
        text += u"0.";
        text += QString(-d.pointPosition, u'0');
        text += QLatin1StringView(d.digits.data(), d.count);
        return text;
    }
    for (int i = 0; i < d.pointPosition; ++i) {
        text += QLatin1Char(i < d.count ? d.digits[i] : '0');
    }
    if (d.count > d.pointPosition) {
        text += u'.';
        text += QLatin1StringView(d.digits.data() + d.pointPosition, d.count - d.pointPosition);
    }
    return text;
}

}  // namespace

// Plain notation for values from 0.0001 up to 15 integer digits; beyond that the exponent form
// "1E+20" / "1.5E-07", like the classic general number text. Not a number gives the empty text.
QString GeneralNumberText(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    const DecimalDigits d = RoundedDigits(std::fabs(value), kSignificantDigits);
    if (d.count == 0) {
        return QStringLiteral("0");
    }
    const int exponent = d.pointPosition - 1;  // of the form d.ddd
    if (exponent >= -4 && exponent < kSignificantDigits) {
        return PlainDigits(value < 0, d);
    }
    QString text;
    if (value < 0) {
        text += u'-';
    }
    text += QLatin1Char(d.digits[0]);
    if (d.count > 1) {
        text += u'.';
        text += QLatin1StringView(d.digits.data() + 1, d.count - 1);
    }
    AppendExponent(text, exponent);
    return text;
}

QString PlainNumberText(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    const DecimalDigits d = RoundedDigits(std::fabs(value), kSignificantDigits);
    return d.count == 0 ? QStringLiteral("0") : PlainDigits(value < 0, d);
}

}  // namespace brakefell
