#include "text/number_format.h"

#include <algorithm>
#include <cmath>

#include "text/cp949.h"
#include "text/grouped_whole.h"
#include "text/number_pattern.h"

namespace brakefell {

namespace {

// The text with blanks up to width columns, built in one allocation; a text wider than the
// width comes back whole.
QString Padded(QStringView text, int columns, std::int16_t width, std::int16_t alignFlag) {
    if (columns > width) {
        return text.toString();
    }
    const qsizetype blanks = width - columns;
    QString padded(blanks + text.size(), Qt::Uninitialized);
    QChar* out = padded.data();
    if (alignFlag == kAlignRight) {
        std::fill_n(out, blanks, QChar(u' '));
        std::copy(text.begin(), text.end(), out + blanks);
    } else {
        std::copy(text.begin(), text.end(), out);
        std::fill_n(out + text.size(), blanks, QChar(u' '));
    }
    return padded;
}

}  // namespace

QString FormatNumber(double value, QStringView pattern) {
    PatternText text;
    FormatByPattern(value, pattern, text);
    return QString(reinterpret_cast<const QChar*>(text.constData()), text.size());
}

QString FormatAmount(double value, std::int16_t width, std::int16_t alignFlag) {
    // Zero, negative and not-a-number amounts take no columns; an infinite one is no amount
    // either and must not turn into a row of blanks.
    if (!(value > 0) || !std::isfinite(value)) {
        return {};
    }
    if (HasExactWhole(value)) {
        const std::uint64_t whole = RoundedWhole(value);
        const qsizetype length = GroupedLength(whole);
        char16_t digits[32];
        if (whole > 0) {
            WriteGrouped(whole, digits + length);
        }
        return Padded(QStringView(digits, length), static_cast<int>(length), width, alignFlag);
    }
    PatternText text;
    FormatByPattern(value, u"###,###,###,###", text);
    const QStringView view(text.constData(), text.size());
    return Padded(view, static_cast<int>(view.size()), width, alignFlag);
}

QString PadDisplayText(const QString& text, std::int16_t width, std::int16_t alignFlag) {
    if (text.isEmpty()) {
        return text;
    }
    const int columns = DisplayWidth(text);
    return columns > width ? text : Padded(text, columns, width, alignFlag);
}

}  // namespace brakefell
