#pragma once
// The sentences the form shows in its message boxes.

namespace brakefell::messages {

inline constexpr char kCatalogueLoadError[] = "데이터 로딩 중 에러가 발생했습니다.";
inline constexpr char kNoLastRunFile[] = "지난 저장 파일이 존재하지 않습니다.";
inline constexpr char kProfileOpenError[] = "파일을 여는 도중 에러가 발생했습니다.";
inline constexpr char kProfileSaveError[] = "파일을 저장하는 도중 에러가 발생했습니다.";

}  // namespace brakefell::messages
