#include "engine/report/report_writer.h"

#include <cmath>

#include "text/grouped_whole.h"
#include "text/number_format.h"
#include "text/numbers.h"

namespace brakefell {

ReportWriter::ReportWriter(std::size_t capacity) {
    grow(capacity);
}

std::u16string ReportWriter::take() {
    buffer_.resize(length_);
    std::u16string text = std::move(buffer_);
    buffer_ = std::u16string();
    data_ = nullptr;
    length_ = 0;
    capacity_ = 0;
    return text;
}

void ReportWriter::grow(std::size_t needed) {
    buffer_.resize(std::max({needed, 2 * capacity_, std::size_t{16}}));
    data_ = buffer_.data();
    capacity_ = buffer_.size();
}

ReportWriter& ReportWriter::amount(double value, std::int16_t width) {
    if (!(value > 0)) {
        return *this;  // an amount of 0 or less takes no columns
    }
    if (!HasExactWhole(value)) {
        return text(FormatAmount(value, width, kAlignRight));
    }
    const std::uint64_t whole = RoundedWhole(value);
    const std::ptrdiff_t length = GroupedLength(whole);
    const std::ptrdiff_t blankCount = std::max<std::ptrdiff_t>(width - length, 0);
    char16_t* at = room(static_cast<std::size_t>(blankCount + length));
    std::fill_n(at, blankCount, u' ');
    if (whole > 0) {
        WriteGrouped(whole, at + blankCount + length);
    }
    return *this;
}

ReportWriter& ReportWriter::whole(double value, bool zeroAsDigit) {
    if (!HasExactWhole(value)) {
        return text(FormatNumber(value, zeroAsDigit ? u"###,###,##0" : u"###,###,###"));
    }
    const std::uint64_t whole = RoundedWhole(value);
    if (whole == 0) {
        return zeroAsDigit ? text(u"0") : *this;
    }
    const std::ptrdiff_t length = GroupedLength(whole);
    WriteGrouped(whole, room(static_cast<std::size_t>(length)) + length);
    return *this;
}

ReportWriter& ReportWriter::number(double value, std::u16string_view pattern) {
    return text(FormatNumber(value, pattern));
}

ReportWriter& ReportWriter::count(double value) {
    return text(GeneralNumberText(value));
}

ReportWriter& ReportWriter::padded(std::u16string_view text, std::int16_t width,
                                   std::int16_t alignFlag) {
    return this->text(PadDisplayText(text, width, alignFlag));
}

}  // namespace brakefell
