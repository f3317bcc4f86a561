#include "editions/report_texts.h"

#include <array>

namespace brakefell {
namespace {

constexpr ReportTexts kFullTexts{
    .hitLinesShowRange = true,
    .baseHitLabel = u"=>> 기본 최소-최대[평균]: ",
    .critHitLabel = u"=>> 극대 최소-최대[평균]: ",
    .companionHeading = u"(모든 동료 합산) >",
    .companionLinesShowEach = true,
    .companionBaseLabel = u"=>> 기본 평균 [합계]: ",
    .companionCritLabel = u"=>> 극대 평균 [합계]: ",
    .breakpointColumnWidth = 10,
};

constexpr ReportTexts kLiteTexts{
    .hitLinesShowRange = false,
    .baseHitLabel = u"=>> 기본[평균]: [",
    .critHitLabel = u"=>> 극대[평균]: [",
    .companionHeading = u"(모든 동물 합산) >",
    .companionLinesShowEach = false,
    .companionBaseLabel = u"=>> 기본[합계]: [",
    .companionCritLabel = u"=>> 극대[합계]: [",
    .breakpointColumnWidth = 9,
};

constexpr std::array<std::u16string_view, 5> kFullBreakpointLabels{
    u"1.45946 에 필요한 공속: ", u"1.74194 에 필요한 공속: ", u"2.16001 에 필요한 공속: ",
    u"2.84211 에 필요한 공속: ", u"4.15386 에 필요한 공속: "};

constexpr std::array<std::u16string_view, 5> kLiteBreakpointLabels{
    u"1.459에 필요공속: ", u"1.741에 필요공속: ", u"2.160에 필요공속: ", u"2.842에 필요공속: ",
    u"4.154에 필요공속: "};

// With the voodoo buff the lite edition rounds the second breakpoint up.
constexpr std::u16string_view kLiteSecondLabelWithVoodoo = u"1.742에 필요공속: ";

}  // namespace

const ReportTexts& ReportTextsOf(Edition edition) {
    return edition == Edition::Lite ? kLiteTexts : kFullTexts;
}

std::u16string_view BreakpointLabel(Edition edition, int index, bool voodooChecked) {
    if (edition == Edition::Full) {
        return kFullBreakpointLabels.at(static_cast<std::size_t>(index));
    }
    if (index == 1 && voodooChecked) {
        return kLiteSecondLabelWithVoodoo;
    }
    return kLiteBreakpointLabels.at(static_cast<std::size_t>(index));
}

}  // namespace brakefell
