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

double MetricReading(Metric metric, double value) {
    const double scale = metric.kind == MetricKind::KillTime ? 100 : 1;
    const double scaled = value * scale;
    // Away from a half, the text shows the nearest whole number of its last digit: its rounding
    // of the digits as read (15 significant) moves a value by far less than the margin. Only
    // near a half is the text written out to decide, so that the optimiser's millions of readings
    // cost little.
    if (std::abs(scaled) < 1e12 && std::abs(scaled - std::floor(scaled) - 0.5) > 0.01) {
        return std::round(scaled);
    }
    std::u16string text = MetricValueText(metric, value);
    std::erase(text, u',');
    return std::round(NumberOf(text) * scale);  // the digits up to the unit
}

std::u16string MetricDeltaText(Metric metric, std::optional<double> delta) {
    return delta ? Signed(FormatNumber(*delta, PatternOf(metric))) : std::u16string();
}

std::u16string PercentText(std::optional<double> percent) {
    return percent ? Signed(FormatNumber(*percent, u"0.00")) + u'%' : std::u16string();
}

std::u16string GapText(std::optional<double> gap) {
    return gap ? FormatNumber(*gap, u"0.00") + u'%' : std::u16string();
}

std::u16string StandingText(Metric metric, const Optimization& optimization) {
    if (!optimization.standing) {
        return {};
    }
    const Standing& standing = *optimization.standing;
    // A search cut short ranks the build among what it reached, and says so.
    const std::u16string_view among = optimization.cancelled ? u"탐색한 조합 중 " : u"";
    if (standing.rank <= 1) {
        return u"지금 빌드가 " + std::u16string(among) + u"가장 좋습니다";
    }
    std::u16string text = u"지금 빌드: " + std::u16string(among) +
                          FormatNumber(static_cast<double>(standing.rank), u"#,##0") + u"위";
    if (standing.gap) {
        // Short of the best: lower damage, a longer kill time.
        text +=
            u", 최고보다 " + GapText(standing.gap) + (HigherIsBetter(metric) ? u" 낮음" : u" 높음");
    }
    return text;
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
