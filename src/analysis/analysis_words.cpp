#include "analysis/analysis_words.h"

#include <array>
#include <stdexcept>
#include <string>

namespace brakefell {
namespace {

constexpr std::size_t kTabCount = 5;

constexpr auto kWords = std::to_array<AnalysisWord>({
    // The tabs, in the order they stand.
    {"statValuesTab", "스탯 가치", "입력 칸 하나를 한 단계 바꿀 때 지표가 얼마나 바뀌는지"},
    {"comparisonTab", "비교", "지금 입력을 기준 빌드(B)와 비교"},
    {"chartTab", "그래프", "입력 칸 하나의 값에 따른 지표"},
    {"optimizerTab", "최적화", "룬, 전설 보석, 지속 스킬의 가장 좋은 조합"},
    {"historyTab", "기록", "지난 계산들과 그 지표"},
    // Above the tabs.
    {"analysisTitle", "빌드 분석", ""},
    {"analysisBack", "← 입력", "계산기의 입력으로 돌아갑니다"},
    {"metric", "지표", "모든 탭이 이 지표로 빌드를 잽니다"},
    {"metricLabel", "지표:", ""},
    {"metricFallback", "", ""},
    {"tabs", "분석", ""},
    {"copyCode", "코드 복사", "지금 입력의 빌드 코드를 클립보드에 (Ctrl+Shift+C)"},
    {"pasteCode", "코드 붙여넣기", "클립보드의 빌드 코드를 입력으로 (Ctrl+Shift+V)"},
    // 스탯 가치.
    {"statValues", "스탯 가치",
     "각 칸을 한 단계 올리거나 내렸을 때 지표가 얼마나 변하는지와, 같은 효과를 내는 민첩입니다. "
     "머리글을 누르면 정렬되고, 창이 좁으면 덜 중요한 열부터 숨겨집니다."},
    {"cliffs", "공격속도 구간이 바뀌는 곳",
     "공격속도를 얼마나 바꾸면 구간이 바뀌는지, 그때의 지표 값입니다."},
    {"showUnchanged", "변화 없는 칸도 보기",
     "올려도 내려도 지표가 변하지 않는 칸까지 표에 보입니다."},
    // 비교.
    {"snapshotB", "현재 상태를 B로 고정",
     "지금의 입력을 기준(B)으로 고정합니다. 그 뒤에 입력을 바꾸면 기준과 비교해 보입니다."},
    {"openB", "B 프로필 열기…", "저장해 둔 프로필을 기준(B)으로 엽니다."},
    {"pasteB", "B 코드 붙여넣기…", "빌드 코드나 링크를 기준(B)으로 엽니다."},
    {"whichB", "B: 없음", ""},
    {"figures", "기준과 지금의 수치",
     "차이는 지금 − 기준, %는 기준 대비입니다. 지금이 더 좋으면 초록, 더 나쁘면 빨강입니다 "
     "(처치 시간은 짧을수록 좋음)."},
    {"inputsDiffer", "다른 입력", "기준(B)과 지금 사이에 값이 다른 입력입니다."},
    // 그래프. The step's tip holds %1 for the most points of the face that shows it.
    {"chartBoxLabel", "입력:", ""},
    {"chartBox", "가로축 입력", "가로축에 둘 입력 칸"},
    {"chartRangeLabel", "범위:", ""},
    {"chartFrom", "범위 시작", "가로축의 시작 값"},
    {"chartRangeTo", "~", ""},
    {"chartTo", "범위 끝", "가로축의 끝 값"},
    {"chartStepLabel", "간격:", ""},
    {"chartStep", "간격", "계산할 점 사이의 간격 (점은 %1개까지)"},
    {"chartReset", "기본 범위", "입력 칸의 지금 값 둘레로 범위와 간격을 되돌립니다"},
    {"chartCsv", "CSV 저장…", "그래프의 점을 CSV 파일로 저장합니다 (머리줄은 한글 이름)"},
    {"chart", "그래프", "입력 칸의 값에 따른 지표; 점선은 쇠뇌의 공격속도 구간이 바뀌는 곳"},
    {"chartHover", "선 위에 마우스를 올리면 그 점의 값이 나옵니다.",
     "마우스 아래에 가장 가까운, 실제로 계산한 점의 값"},
    {"chartNow", "지금", ""},
    {"chartBaseline", "기준 (B)", ""},
    {"chartMarker", "지금 값", ""},
    {"chartCsvUnsaved", "CSV를 저장하지 못했습니다.", ""},
    // 최적화.
    {"optimizeChoices", "바꿔 볼 것:", ""},
    {"optimizeRunes", "룬", "여섯 슬롯의 룬을 모두 바꿔 봅니다 (최대 46,656가지)"},
    {"optimizeGems", "전설 보석", "켜 둔 전설 보석의 수는 그대로, 어느 보석을 켤지 바꿔 봅니다"},
    {"optimizePassives", "지속 스킬",
     "켜 둔 지속 스킬의 수는 그대로, 어느 지속 스킬을 켤지 바꿔 봅니다"},
    {"optimizeCountLabel", "상위 N개:", ""},
    {"optimizeCount", "보여 줄 개수", "결과 표에 보여 줄 서로 다른 결과의 수"},
    {"optimizeStart", "시작", "지금 입력으로 모든 조합을 계산합니다"},
    {"optimizeCancel", "취소", "찾기를 멈추고 그때까지 찾은 결과를 보여 줍니다"},
    {"optimizeProgress", "진행", "계산한 조합의 비율"},
    {"optimizeResults", "최적화 결과",
     "지표가 좋은 순서; 같은 값을 내는 조합은 바꿀 것이 가장 적은 하나만"},
    {"optimizeApply", "적용", "고른 결과의 바꿀 것을 입력에 적용하고 계산합니다"},
    {"optimizeStatus", "", "찾기의 상태"},
    // 기록.
    {"history", "계산 기록",
     "계산할 때마다 남는 기록, 최근 것부터\n"
     "지표, 차이: 위에서 고른 지표와 바로 앞 기록에서 달라진 만큼\n"
     "바뀐 입력: 바로 앞 기록과 다른 입력 (세 개까지, 나머지는 \"외 N개\")\n"
     "두 번 누르거나 Enter: 그 입력으로 되돌리고 계산"},
    {"historySummary", "",
     "읽을 수 없는 줄이 있던 기록 파일은 사용자 데이터 폴더에 이름 끝에 .damaged를 붙여 남겨 "
     "두었습니다. 나머지 기록은 모두 아래에 있습니다."},
    {"historyPages", "", "\"계산\"을 누를 때마다 그 입력이 여기에 남습니다 (최근 200개)"},
    // Every tab with tables.
    {"csv", "CSV 저장", "보이는 표를 스프레드시트용 CSV 파일로 저장합니다"},
});

}  // namespace

std::span<const AnalysisWord> AnalysisWords() {
    return kWords;
}

std::span<const AnalysisWord> AnalysisTabWords() {
    return std::span(kWords).first(kTabCount);
}

const AnalysisWord& AnalysisWordOf(std::string_view name) {
    for (const AnalysisWord& word : kWords) {
        if (name == word.name) {
            return word;
        }
    }
    throw std::out_of_range("no analysis word " + std::string(name));
}

}  // namespace brakefell
