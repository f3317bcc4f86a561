#pragma once
// The words of "빌드 분석"'s own controls, written once for every face that shows them: the
// window's widgets and the page's elements. Each has a name (the window's object name, the page's
// element), what it shows (a button's or a check box's text; for a control without a caption of
// its own, what a screen reader says; for the chart's hover line, what it says before any point)
// and its tool tip.

#include <span>
#include <string_view>

namespace brakefell {

struct AnalysisWord {
    const char* name;
    const char* caption;
    const char* tip;
};

// Every word, the five tabs first in the order they stand.
std::span<const AnalysisWord> AnalysisWords();
// The tabs alone: 스탯 가치, 비교, 그래프, 최적화, 기록.
std::span<const AnalysisWord> AnalysisTabWords();

// The word of that name; an unknown name is a programming error and throws std::out_of_range.
const AnalysisWord& AnalysisWordOf(std::string_view name);

// What the optimiser says of the inputs changed since its result was found.
inline constexpr char16_t kResultOutOfDate[] =
    u"입력이 바뀌었습니다. 이 결과는 지난 입력의 것입니다. \"시작\"으로 다시 찾으세요.";
// ... when nothing is chosen to vary.
inline constexpr char16_t kNothingToVary[] = u"바꿔 볼 것을 하나 이상 고르세요.";
// ... while it searches.
inline constexpr char16_t kSearching[] = u"찾는 중…";
// What 비교 says while it has no build B.
inline constexpr char16_t kNoBuildB[] =
    u"B가 없습니다. \"현재 상태를 B로 고정\" 또는 \"B 프로필 열기…\"로 비교할 빌드를 정하세요.";

// Which build B is, %1 standing for the time it was pinned or the file's name.
inline constexpr char16_t kWhichBPinned[] = u"B: %1에 고정한 입력";
inline constexpr char16_t kWhichBFile[] = u"B: %1";
inline constexpr char16_t kWhichBCode[] = u"B: 붙여 넣은 코드";

}  // namespace brakefell
