#include "engine/report_writer.h"

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

class GroupedWhole {
  public:
    // The whole number nearest to `value` (0 <= value < 10^15), grouped by thousands; the empty
    // text for 0.
    explicit GroupedWhole(double value) {
        auto n = static_cast<std::uint64_t>(value);
        if (value - static_cast<double>(n) >= 0.5) {  // the fraction is exact: halves go up
            ++n;
        }
        for (int digits = 1; n > 0; ++digits, n /= 10) {
            text_[--begin_] = static_cast<char16_t>(u'0' + n % 10);
            if (digits % 3 == 0 && n >= 10) {
                text_[--begin_] = u',';
            }
        }
    }
    QStringView view() const { return QStringView(text_ + begin_, kCapacity - begin_); }

  private:
    static constexpr int kCapacity = 24;  // 15 digits and 4 commas
    char16_t text_[kCapacity];
    int begin_ = kCapacity;
};

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

void ReportWriter::blanks(qsizetype count) {
    if (count > 0) {
        std::fill_n(room(count), count, u' ');
    }
}

ReportWriter& ReportWriter::amount(double value, std::int16_t width) {
    if (!guard_.admit(value) || !(value > 0)) {
        return *this;  // an amount of 0 or less takes no columns
    }
    if (!WrittenDirectly(value)) {
        return text(FormatAmount(value, width, kAlignRight));
    }
    const GroupedWhole digits(value);
    blanks(width - digits.view().size());
    return text(digits.view());
}

ReportWriter& ReportWriter::whole(double value, bool zeroAsDigit) {
    if (!guard_.admit(value)) {
        return *this;
    }
    if (!WrittenDirectly(value)) {
        return text(FormatNumber(value, zeroAsDigit ? u"###,###,##0" : u"###,###,###"));
    }
    const GroupedWhole digits(value);
    if (digits.view().isEmpty() && zeroAsDigit) {
        return text(u"0");
    }
    return text(digits.view());
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
