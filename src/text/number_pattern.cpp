#include "text/number_pattern.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>

#include "text/readable_decimal.h"

namespace brakefell {

namespace {

bool IsPlaceholder(char16_t c) {
    return c == u'0' || c == u'#';
}

// What a pattern asks for, found in one pass over it.
struct PatternShape {
    std::ptrdiff_t pointIndex = -1;  // the first "."; -1 when the pattern has none
    std::ptrdiff_t firstIntegerPlaceholder = -1;
    std::ptrdiff_t lastIntegerPlaceholder = -1;
    int integerPlaceholders = 0;
    int fractionPlaceholders = 0;
    int lastZeroFractionPlaceholder = -1;  // fraction digits up to here are always shown
    int percentSigns = 0;
    bool grouping = false;

    // A "," between two integer placeholders asks for grouping and is not shown itself.
    bool IsGroupingComma(std::ptrdiff_t index) const {
        return index > firstIntegerPlaceholder && index < lastIntegerPlaceholder &&
               firstIntegerPlaceholder >= 0;
    }
};

PatternShape ShapeOf(std::u16string_view pattern) {
    PatternShape shape;
    for (std::ptrdiff_t i = 0; i < std::ssize(pattern); ++i) {
        const char16_t c = pattern[static_cast<std::size_t>(i)];
        if (c == u'%') {
            ++shape.percentSigns;
        } else if (c == u'.' && shape.pointIndex < 0) {
            shape.pointIndex = i;
        } else if (IsPlaceholder(c) && shape.pointIndex < 0) {
            if (shape.firstIntegerPlaceholder < 0) {
                shape.firstIntegerPlaceholder = i;
            }
            shape.lastIntegerPlaceholder = i;
            ++shape.integerPlaceholders;
        } else if (IsPlaceholder(c)) {
            if (c == u'0') {
                shape.lastZeroFractionPlaceholder = shape.fractionPlaceholders;
            }
            ++shape.fractionPlaceholders;
        }
    }
    for (std::ptrdiff_t i = shape.firstIntegerPlaceholder + 1; i < shape.lastIntegerPlaceholder;
         ++i) {
        if (pattern[static_cast<std::size_t>(i)] == u',') {
            shape.grouping = true;
        }
    }
    return shape;
}

// The magnitude rounded half away from zero to a number of decimals, as plain digits.
struct RoundedMagnitude {
    std::array<char, 24> digits{};  // no leading zero
    int count = 0;                  // digits used; 0 for zero
    int pointPosition = 0;          // the value is 0.<digits> * 10^pointPosition

    bool IsZero() const { return count == 0; }
    int IntegerDigitCount() const { return pointPosition > 0 ? pointPosition : 0; }
    char IntegerDigit(int i) const { return i < count ? digits[i] : '0'; }
    char FractionDigit(int k) const {
        const int index = pointPosition + k;
        return index >= 0 && index < count ? digits[index] : '0';
    }
    void Assign(const char* from, int length) {
        std::copy(from, from + length, digits.begin());
        count = length;
    }
};

// Rounds the digits the user would read (15 significant digits), half away from zero, so 2.675
// gives 2.68. Percent signs move the decimal point instead of multiplying, which would add binary
// noise.
RoundedMagnitude RoundDecimal(double magnitude, int decimals, int percentSigns) {
    RoundedMagnitude rounded;
    const int places = decimals + 2 * percentSigns;  // of the value before the percent signs
    std::uint64_t units = 0;
    if (RoundsAsRead(magnitude, places, units)) {
        // Every amount and time of the report goes here.
        if (units == 0) {
            return rounded;
        }
        char buffer[24];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, units).ptr;
        rounded.Assign(buffer, static_cast<int>(end - buffer));
        rounded.pointPosition = static_cast<int>(end - buffer) - decimals;
        return rounded;
    }
    const DecimalDigits read = RoundReadable(magnitude, places, HalfRule::AwayFromZero);
    if (read.count == 0) {
        return rounded;
    }
    rounded.Assign(read.digits.data(), read.count);
    rounded.pointPosition = read.pointPosition + 2 * percentSigns;
    return rounded;
}

// Writes the integer digits into the placeholders right-aligned: digits beyond the placeholders
// all go to the first one, "0" placeholders show leading zeros and "#" ones do not.
class IntegerWriter {
  public:
    IntegerWriter(const RoundedMagnitude& number, const PatternShape& shape, std::u16string& out)
        : number_(number), shape_(shape), out_(out), length_(number.IntegerDigitCount()) {}

    void Placeholder(char16_t kind) {
        const int position = shape_.integerPlaceholders - 1 - placeholdersSeen_;  // from the right
        if (placeholdersSeen_++ == 0) {
            for (int i = 0; i < length_ - shape_.integerPlaceholders; ++i) {
                Digit(number_.IntegerDigit(i), length_ - 1 - i);
            }
        }
        if (position < length_) {
            Digit(number_.IntegerDigit(length_ - 1 - position), position);
        } else if (kind == u'0' || started_) {
            Digit('0', position);
        }
    }

    // A pattern without integer placeholders still shows the integer part before the point.
    void AllDigits() {
        for (int i = 0; i < length_; ++i) {
            Digit(number_.IntegerDigit(i), length_ - 1 - i);
        }
    }

  private:
    void Digit(char digit, int position) {
        out_ += static_cast<char16_t>(digit);
        started_ = true;
        if (shape_.grouping && position > 0 && position % 3 == 0) {
            out_ += u',';
        }
    }

    const RoundedMagnitude& number_;
    const PatternShape& shape_;
    std::u16string& out_;
    int length_;
    int placeholdersSeen_ = 0;
    bool started_ = false;
};

// The index of the last fraction digit to show: "0" placeholders always show, "#" ones only up
// to the last nonzero digit.
int LastShownFractionDigit(const RoundedMagnitude& number, const PatternShape& shape) {
    int last = shape.lastZeroFractionPlaceholder;
    for (int k = shape.fractionPlaceholders - 1; k > last; --k) {
        if (number.FractionDigit(k) != '0') {
            return k;
        }
    }
    return last;
}

}  // namespace

void FormatByPattern(double value, std::u16string_view pattern, std::u16string& out) {
    if (!std::isfinite(value)) {
        return;  // the engine never formats these; show nothing rather than "inf"
    }
    const PatternShape shape = ShapeOf(pattern);
    const RoundedMagnitude number =
        RoundDecimal(std::fabs(value), shape.fractionPlaceholders, shape.percentSigns);
    const int lastShownFraction = LastShownFractionDigit(number, shape);

    if (value < 0 && !number.IsZero()) {
        out += u'-';  // a value that rounds to zero shows no sign
    }
    IntegerWriter integer(number, shape, out);
    int fractionSeen = 0;
    for (std::ptrdiff_t i = 0; i < std::ssize(pattern); ++i) {
        const char16_t c = pattern[static_cast<std::size_t>(i)];
        const bool inFraction = shape.pointIndex >= 0 && i > shape.pointIndex;
        if (i == shape.pointIndex) {
            if (shape.integerPlaceholders == 0) {
                integer.AllDigits();
            }
            out += u'.';
        } else if (IsPlaceholder(c) && !inFraction) {
            integer.Placeholder(c);
        } else if (IsPlaceholder(c)) {
            const int k = fractionSeen++;
            if (k <= lastShownFraction) {
                out += static_cast<char16_t>(number.FractionDigit(k));
            }
        } else if (c == u',' && !inFraction && shape.IsGroupingComma(i)) {
            // grouping is written with the digits
        } else {
            out += c;
        }
    }
}

}  // namespace brakefell
