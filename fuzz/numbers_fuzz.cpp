// Typed texts through NumberOf and the flags, and the resulting numbers through every pattern
// the report uses: no crash, and never an "inf" or "nan" in a report text. Where the C++ library
// converts floating point itself, the fallback conversions must agree with it on any bytes.
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "text/cp949.h"
#include "text/double_chars.h"
#include "text/number_format.h"
#include "text/numbers.h"

using namespace brakefell;

namespace {

void CheckReportText(std::u16string_view text) {
    if (fuzz::HoldsInfOrNan(text)) {
        __builtin_trap();
    }
}

// The fallback reads what the library reads, to the last bit, and writes what it writes.
void CheckFallback([[maybe_unused]] std::string_view bytes, [[maybe_unused]] double raw) {
#if BRAKEFELL_STD_HAS_FLOAT_CHARCONV
    const char* first = bytes.data();
    const char* last = first + bytes.size();
    const std::size_t sign = !bytes.empty() && bytes[0] == '-' ? 1 : 0;
    const bool number =
        bytes.size() > sign && ((bytes[sign] >= '0' && bytes[sign] <= '9') || bytes[sign] == '.');
    if (number) {
        double library = 0;
        double fallback = 0;
        const auto expected = std::from_chars(first, last, library);
        const auto found = fallback::DecimalFromChars(first, last, fallback);
        if (found.ptr != expected.ptr || found.ec != expected.ec ||
            std::bit_cast<std::uint64_t>(library) != std::bit_cast<std::uint64_t>(fallback)) {
            __builtin_trap();
        }
    }
    if (std::isfinite(raw)) {
        for (int precision = 0; precision <= 16; ++precision) {
            char library[64];
            char fallback[64];
            const auto expected =
                std::to_chars(library, library + 64, raw, std::chars_format::scientific, precision);
            const auto found = fallback::ScientificChars(fallback, fallback + 64, raw, precision);
            if (std::string_view(library, expected.ptr) != std::string_view(fallback, found.ptr)) {
                __builtin_trap();
            }
        }
    }
#endif
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string text = DecodeCp949(bytes);
    if (DisplayWidth(text) < 0) {
        __builtin_trap();
    }
    // Decoding what was encoded gives the text back, with "?" for bytes that were not valid.
    std::u16string expected = text;
    for (char16_t& c : expected) {
        c = c == u'\uFFFD' ? u'?' : c;
    }
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
    CheckFallback(bytes, raw);
    for (const double number : {value, raw, value / 100, -value}) {
        if (!std::isfinite(number)) {
            continue;
        }
        for (const char16_t* pattern : {u"###,###,###,###", u"###,###,###", u"###,###,##0", u"0.00",
                                        u"#.00", u"#.0000", u"0.0", u"0.0%", u"0.00초"}) {
            CheckReportText(FormatNumber(number, pattern));
        }
        CheckReportText(FormatAmount(number, 12, kAlignRight));
        CheckReportText(GeneralNumberText(number));
    }
    CheckReportText(FormatAmount(raw, 12, kAlignRight));
    (void)PadDisplayText(text, static_cast<std::int16_t>(size % 64) - 8, kAlignRight);
    return 0;
}
