#include "analysis/analysis_texts.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "form/input_captions.h"
#include "text/number_format.h"
#include "text/numbers.h"
#include "text/strings.h"

namespace brakefell {
namespace {

std::u16string_view PatternOf(Metric metric) {
    return metric.kind == MetricKind::KillTime ? u"#,##0.00초" : u"#,##0";
}

// A plus sign before what is not negative and does not read as zero.
std::u16string Signed(std::u16string text) {
    if (!text.starts_with(u'-') && text.find_first_of(u"123456789") != std::u16string::npos) {
        text.insert(text.begin(), u'+');
    }
    return text;
}

std::u16string_view FigurePattern(std::u16string_view key) {
    if (key.starts_with(u"kill_time")) {
        return u"#,##0.00초";
    }
    if (key.ends_with(u"attack_speed")) {
        return u"0.0000";
    }
    if (key == u"cycle_length") {
        return u"0.0초";
    }
    return u"#,##0";
}

}  // namespace

std::u16string FigureText(std::u16string_view key, std::optional<double> value) {
    return value ? FormatNumber(*value, FigurePattern(key)) : std::u16string();
}

std::u16string FigureDeltaText(std::u16string_view key, std::optional<double> delta) {
    return delta ? Signed(FormatNumber(*delta, FigurePattern(key))) : std::u16string();
}

std::u16string MetricValueText(Metric metric, std::optional<double> value) {
    return value ? FormatNumber(*value, PatternOf(metric)) : std::u16string();
}

std::u16string MetricDeltaText(Metric metric, std::optional<double> delta) {
    return delta ? Signed(FormatNumber(*delta, PatternOf(metric))) : std::u16string();
}

std::u16string PercentText(std::optional<double> percent) {
    return percent ? Signed(FormatNumber(*percent, u"0.00")) + u'%' : std::u16string();
}

std::u16string PlainText(std::optional<double> value) {
    return value ? PlainNumberText(*value) : std::u16string();
}

std::u16string AnalysisHeading(std::u16string_view what, Metric metric) {
    return std::u16string(what) + u" - " + MetricCaption(metric) +
           (HigherIsBetter(metric) ? u" (높을수록 좋음)" : u" (낮을수록 좋음)");
}

std::u16string MetricChoiceCaption(Metric metric) {
    return HigherIsBetter(metric) ? MetricCaption(metric)
                                  : MetricCaption(metric) + u" (낮을수록 좋음)";
}

std::u16string MetricFallbackText(Metric chosen, Metric shown, std::u16string_view why) {
    return MetricCaption(chosen) + u" 대신 " + MetricCaption(shown) + u"을(를) 보여 줍니다: " +
           std::u16string(why);
}

std::u16string ChoiceChangeText(const FormState& form, const ChoiceChange& change) {
    const ControlState* control = form.find(change.name);
    if (control != nullptr && control->kind == ControlKind::DropDown) {
        const auto item = [&](int index) {
            return index >= 0 && index < std::ssize(control->items)
                       ? control->items[static_cast<std::size_t>(index)]
                       : IntegerText(index);
        };
        return InputCaption(change.name) + u": " + item(change.from) + u" → " + item(change.to);
    }
    return InputCaption(change.name) + (change.to == 1 ? u" 켬" : u" 끔");
}

}  // namespace brakefell

namespace brakefell {

std::u16string SearchSizeText(long long total) {
    return FormatNumber(static_cast<double>(total), u"#,##0") + u"가지 조합을 계산합니다…";
}

std::u16string SearchProgressText(long long done, long long total,
                                  std::optional<double> secondsLeft) {
    const double share =
        total > 0 ? std::floor(100.0 * static_cast<double>(done) / static_cast<double>(total)) : 0;
    std::u16string text = FormatNumber(static_cast<double>(done), u"#,##0") + u" / " +
                          FormatNumber(static_cast<double>(total), u"#,##0") + u"가지 (" +
                          FormatNumber(share, u"0") + u"%)";
    if (secondsLeft) {
        text += u", 남은 시간 약 " +
                FormatNumber(std::ceil(std::max(0.0, *secondsLeft)), u"#,##0") + u"초";
    }
    return text;
}

}  // namespace brakefell
