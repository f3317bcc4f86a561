#include "analysis/metric_choice.h"

#include "analysis/analysis_texts.h"
#include "engine/input_checks.h"
#include "form/messages.h"

namespace brakefell {
namespace {

// No slot's rune deals damage and the sentries do not fire the skills.
constexpr char16_t kNoMetric[] =
    u"이 입력에는 잴 지표가 없습니다: 피해를 주는 룬이 없고 쇠뇌가 스킬을 쓰지 않습니다.";

}  // namespace

MetricChoice ChooseMetric(std::optional<Metric> asked, const CharacterSheet& sheet,
                          const SkillCatalogue& catalogue) {
    MetricChoice choice{asked, {}, {}, {}};
    if (asked) {
        choice.missing = MetricMissing(*asked, sheet, catalogue);
    }
    if (!asked || !choice.missing.empty()) {
        choice.metric = DefaultMetric(sheet, catalogue);
        if (!choice.metric) {
            choice.note = asked ? choice.missing : std::u16string(kNoMetric);
        } else if (asked) {
            choice.fallback = MetricFallbackText(*asked, *choice.metric, choice.missing);
        }
    }
    if (choice.note.empty() && CheckInputs(sheet) != Refusal::None) {
        choice.note = messages::kCalculationRefused;
    }
    if (!choice.note.empty()) {
        choice.metric.reset();
    }
    return choice;
}

}  // namespace brakefell
