#pragma once
// The sentences the form shows in its message boxes.

#include <string_view>

namespace brakefell::messages {

inline constexpr std::u16string_view kCatalogueLoadError = u"데이터 로딩 중 에러가 발생했습니다.";
inline constexpr std::u16string_view kNoLastRunFile = u"지난 저장 파일이 존재하지 않습니다.";
inline constexpr std::u16string_view kProfileOpenError = u"파일을 여는 도중 에러가 발생했습니다.";
inline constexpr std::u16string_view kProfileSaveError =
    u"파일을 저장하는 도중 에러가 발생했습니다.";
// Shown when a pasted share code is not one, or does not hold a profile.
inline constexpr std::u16string_view kShareCodeError = u"올바른 빌드 코드가 아닙니다.";
// Shown when "계산" refuses the inputs: a selection outside its list, a rune of an unknown
// element, a number too large to work with.
inline constexpr std::u16string_view kCalculationRefused =
    u"입력값이 계산할 수 있는 범위를 벗어났습니다.";

}  // namespace brakefell::messages
