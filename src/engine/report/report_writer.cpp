#include "engine/report/report_writer.h"

#include <cmath>

#include "text/grouped_whole.h"
#include "text/number_format.h"
#include "text/numbers.h"

namespace brakefell {

ReportWriter::ReportWriter(qsizetype capacity) {
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
    if (!(value > 0)) {
        return *this;  // an amount of 0 or less takes no columns
    }
    if (!HasExactWhole(value)) {
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
    if (!HasExactWhole(value)) {
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
    return text(FormatNumber(value, pattern));
}

ReportWriter& ReportWriter::count(double value) {
    return text(GeneralNumberText(value));
}

ReportWriter& ReportWriter::padded(const QString& text, std::int16_t width,
                                   std::int16_t alignFlag) {
    return this->text(PadDisplayText(text, width, alignFlag));
}

}  // namespace brakefell
