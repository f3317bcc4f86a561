// Typed texts through NumberOf and the flags, and the resulting numbers through every pattern
// the report uses: no crash, and never an "inf" or "nan" in a report text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "text/cp949.h"
#include "text/number_format.h"
#include "text/numbers.h"

using namespace brakefell;

namespace {

void CheckReportText(const QString& text) {
    if (text.contains(u"inf", Qt::CaseInsensitive) || text.contains(u"nan", Qt::CaseInsensitive)) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = DecodeCp949(bytes);
    if (DisplayWidth(text) < 0) {
        __builtin_trap();
    }
    // Decoding what was encoded gives the text back, with "?" for bytes that were not valid.
    QString expected = text;
    expected.replace(QChar(QChar::ReplacementCharacter), u'?');
    if (DecodeCp949(EncodeCp949(text)) != expected) {
        __builtin_trap();
    }

    (void)FlagOf(text);
    const double value = NumberOf(text);
    (void)RoundToInt16(value);

    double raw = 0;
    if (size >= sizeof raw) {
        std::memcpy(&raw, data, sizeof raw);
    }
    for (const double number : {value, raw, value / 100, -value}) {
        if (!std::isfinite(number)) {
            continue;
        }
        for (const char16_t* pattern : {u"###,###,###,###", u"###,###,###", u"###,###,##0", u"0.00",
                                        u"#.00", u"#.0000", u"0.0", u"0.0%", u"0.00초"}) {
            CheckReportText(FormatNumber(number, QStringView(pattern)));
        }
        CheckReportText(FormatAmount(number, 12, kAlignRight));
        CheckReportText(GeneralNumberText(number));
    }
    CheckReportText(FormatAmount(raw, 12, kAlignRight));
    (void)PadDisplayText(text, static_cast<std::int16_t>(size % 64) - 8, kAlignRight);
    return 0;
}
