#include "analysis/sweep.h"

#include <algorithm>
#include <cmath>

#include "analysis/search.h"
#include "engine/sentry_breakpoints.h"
#include "form/input_captions.h"
#include "text/number_format.h"
#include "text/numbers.h"
#include "text/strings.h"

namespace brakefell {
namespace {

constexpr double kHundredth = 0.01;
// A point count that lands within this share of a step of a whole number is that number:
// 0.1 to 0.3 by 0.1 has three points although 0.2 / 0.1 is not quite 2 in binary.
constexpr double kStepSlack = 1e-9;

CharacterSheet At(const CharacterSheet& sheet, const NumberBox& box, double value) {
    CharacterSheet changed = sheet;
    SetBoxValue(box, changed, value);
    return changed;
}

}  // namespace

SweepRequest DefaultSweepRange(const NumberBox& box, double value) {
    double below = 50 * box.step;
    double above = below;
    if (std::string_view(box.name) == "txtAttackSpeed") {
        below = 30;
        above = 60;
    }
    const double from = value >= 0 ? std::max(0.0, value - below) : value - below;
    const double to = value + above;
    if (!(to - from > 0) || !std::isfinite(to - from)) {
        return {&box, from, to, box.step};  // too far out to sweep around: one point, or none
    }
    // The first of 1, 2, 5, 10, 20, 50... (and tenths) that keeps to the page's thousand points,
    // counted as the sweep counts them: both ends are points, so a thousand steps would be one too
    // many. The window and the page so start from the same range. The power of ten below a
    // thousandth of the range is too fine; start there.
    double power = std::pow(10.0, std::floor(std::log10((to - from) / kMostPagePoints)));
    for (;; power *= 10) {
        for (const double times : {1.0, 2.0, 5.0}) {
            if (SweepPointCount(from, to, power * times, kMostPagePoints)) {
                return {&box, from, to, power * times};
            }
        }
    }
}

std::string SweepCsv(const Sweep& sweep, CsvHeader header) {
    std::u16string text =
        header == CsvHeader::Names
            ? sweep.name + u',' + MetricName(sweep.metric) + u'\n'
            : InputCaption(sweep.name) + u',' + MetricCaption(sweep.metric) + u'\n';
    for (const SweepPoint& point : sweep.points) {
        text += PlainNumberText(point.value) + u',' +
                (point.metric ? PlainNumberText(*point.metric) : std::u16string()) + u'\n';
    }
    return Utf8OfUtf16(text);
}

std::optional<long long> SweepPointCount(double from, double to, double step,
                                         long long mostPoints) {
    if (!(step > 0) || !(from <= to) || !std::isfinite(from) || !std::isfinite(to)) {
        return std::nullopt;
    }
    const double intervals = std::floor((to - from) / step + kStepSlack);
    if (!(intervals < static_cast<double>(mostPoints))) {
        return std::nullopt;
    }
    return static_cast<long long>(intervals) + 1;
}

std::u16string MostPointsText(long long mostPoints) {
    return FormatNumber(static_cast<double>(mostPoints), u"#,##0");
}

std::u16string SweepRefusal(const SweepRequest& request) {
    if (request.box == nullptr) {
        return u"그런 숫자 칸은 없습니다.";
    }
    if (!(request.step > 0)) {
        return u"간격은 0보다 커야 합니다.";
    }
    if (!std::isfinite(request.from) || !std::isfinite(request.to)) {
        return u"범위의 시작과 끝은 수여야 합니다.";
    }
    if (!(request.from <= request.to)) {
        return u"범위의 시작은 끝 이하여야 합니다.";
    }
    if (!SweepPointCount(request.from, request.to, request.step, request.mostPoints)) {
        return u"점은 " + MostPointsText(request.mostPoints) +
               u"개 이하여야 합니다: 범위를 좁히거나 간격을 넓히세요.";
    }
    return {};
}

std::variant<std::u16string, Sweep> ComputeSweep(const CharacterSheet& sheet,
                                                 const SweepRequest& request,
                                                 const MetricProbe& probe) {
    if (std::u16string why = SweepRefusal(request); !why.empty()) {
        return why;
    }
    const auto count = SweepPointCount(request.from, request.to, request.step, request.mostPoints);
    const NumberBox& box = *request.box;
    Sweep sweep;
    sweep.metric = probe.metric();
    sweep.name = Utf16OfLatin1(box.name);
    sweep.points.reserve(static_cast<std::size_t>(*count));
    const bool brackets = sheet.chkCrossbow == 1;
    int previousRow = 0;
    for (long long i = 0; i < *count; ++i) {
        const double value = request.from + static_cast<double>(i) * request.step;
        const CharacterSheet there = At(sheet, box, value);
        sweep.points.push_back({BoxValue(box, there), probe(there).value});
        if (!brackets) {
            continue;
        }
        const int row = SentryBracketRowOf(there);
        if (i > 0 && row != previousRow) {
            // The least hundredth past the point before at which the bracket is no longer its.
            const double before = request.from + static_cast<double>(i - 1) * request.step;
            const auto hundredths = static_cast<std::int64_t>(std::ceil(request.step / kHundredth));
            const auto first = LeastHolding(
                [&](std::int64_t n) {
                    return SentryBracketRowOf(At(sheet, box, before + n * kHundredth)) !=
                           previousRow;
                },
                1, std::max<std::int64_t>(hundredths, 1));
            sweep.bracketChanges.push_back(
                first ? BoxValue(box, At(sheet, box, before + *first * kHundredth))
                      : sweep.points.back().value);
        }
        previousRow = row;
    }
    return sweep;
}

}  // namespace brakefell
