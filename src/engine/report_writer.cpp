#include "engine/report_writer.h"

#include <bit>
#include <cmath>

#include "text/number_format.h"
#include "text/numbers.h"

namespace brakefell {
namespace {

// Below 10^15 the nearest whole number of a double is exact, and rounding its binary value
// half away from zero agrees with rounding its shortest decimal form, which is what the report's
// number patterns do. Amounts are written digit by digit straight into the report there; larger
// ones go through the pattern formatter.
constexpr double kDirectLimit = 1e15;

bool WrittenDirectly(double value) {
    return value >= 0 && value < kDirectLimit && !std::signbit(value);
}

// The whole number nearest to `value` (0 <= value < 10^15), halves away from zero.
std::uint64_t RoundedWhole(double value) {
    auto whole = static_cast<std::uint64_t>(value);
    if (value - static_cast<double>(whole) >= 0.5) {  // the fraction is exact
        ++whole;
    }
    return whole;
}

// Characters of `whole` grouped by thousands: 1,234,567 has nine; 0 has none.
qsizetype GroupedLength(std::uint64_t whole) {
    static constexpr std::uint64_t kPowersOfTen[] = {1ULL,
                                                     10ULL,
                                                     100ULL,
                                                     1000ULL,
                                                     10000ULL,
                                                     100000ULL,
                                                     1000000ULL,
                                                     10000000ULL,
                                                     100000000ULL,
                                                     1000000000ULL,
                                                     10000000000ULL,
                                                     100000000000ULL,
                                                     1000000000000ULL,
                                                     10000000000000ULL,
                                                     100000000000000ULL,
                                                     1000000000000000ULL,
                                                     10000000000000000ULL};
    if (whole == 0) {
        return 0;
    }
    // log10 from the bit length (1233 / 4096 ~ log10 2), corrected by one comparison.
    const auto estimate = static_cast<std::size_t>(std::bit_width(whole) * 1233 >> 12);
    const qsizetype digits = static_cast<qsizetype>(estimate) + (whole >= kPowersOfTen[estimate]);
    return digits + (digits - 1) / 3;
}

// Writes `whole` (> 0) grouped by thousands so that it ends just before `end`.
void WriteGrouped(std::uint64_t whole, char16_t* end) {
    for (; whole >= 1000; whole /= 1000) {
        const auto group = static_cast<unsigned>(whole % 1000);
        *--end = static_cast<char16_t>(u'0' + group % 10);
        *--end = static_cast<char16_t>(u'0' + group / 10 % 10);
        *--end = static_cast<char16_t>(u'0' + group / 100);
        *--end = u',';
    }
    auto rest = static_cast<unsigned>(whole);
    do {
        *--end = static_cast<char16_t>(u'0' + rest % 10);
        rest /= 10;
    } while (rest > 0);
}

}  // namespace

bool FigureGuard::admit(double value) {
    if (std::isfinite(value)) {
        return true;
    }
    allFinite_ = false;
    return false;
}

ReportWriter::ReportWriter(FigureGuard& guard, qsizetype capacity) : guard_(guard) {
    grow(capacity);
}

QString ReportWriter::take() {
    buffer_.truncate(length_);
    QString text = std::move(buffer_);
    buffer_ = QString();
    data_ = nullptr;
    length_ = 0;
    capacity_ = 0;
    return text;
}

void ReportWriter::grow(qsizetype needed) {
    buffer_.resize(std::max({needed, 2 * capacity_, qsizetype{16}}));
    data_ = reinterpret_cast<char16_t*>(buffer_.data());
    capacity_ = buffer_.size();
}

ReportWriter& ReportWriter::amount(double value, std::int16_t width) {
    if (!guard_.admit(value) || !(value > 0)) {
        return *this;  // an amount of 0 or less takes no columns
    }
    if (!WrittenDirectly(value)) {
        return text(FormatAmount(value, width, kAlignRight));
    }
    const std::uint64_t whole = RoundedWhole(value);
    const qsizetype length = GroupedLength(whole);
    const qsizetype blankCount = std::max<qsizetype>(width - length, 0);
    char16_t* at = room(blankCount + length);
    std::fill_n(at, blankCount, u' ');
    if (whole > 0) {
        WriteGrouped(whole, at + blankCount + length);
    }
    return *this;
}

ReportWriter& ReportWriter::whole(double value, bool zeroAsDigit) {
    if (!guard_.admit(value)) {
        return *this;
    }
    if (!WrittenDirectly(value)) {
        return text(FormatNumber(value, zeroAsDigit ? u"###,###,##0" : u"###,###,###"));
    }
    const std::uint64_t whole = RoundedWhole(value);
    if (whole == 0) {
        return zeroAsDigit ? text(u"0") : *this;
    }
    const qsizetype length = GroupedLength(whole);
    WriteGrouped(whole, room(length) + length);
    return *this;
}

ReportWriter& ReportWriter::number(double value, QStringView pattern) {
    if (guard_.admit(value)) {
        text(FormatNumber(value, pattern));
    }
    return *this;
}

ReportWriter& ReportWriter::count(double value) {
    if (guard_.admit(value)) {
        text(GeneralNumberText(value));
    }
    return *this;
}

ReportWriter& ReportWriter::padded(const QString& text, std::int16_t width,
                                   std::int16_t alignFlag) {
    return this->text(PadDisplayText(text, width, alignFlag));
}

}  // namespace brakefell
