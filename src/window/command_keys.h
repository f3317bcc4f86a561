#pragma once
// The keys of the calculator's commands, the same in every window the player works in: the main
// window and "빌드 분석". A player who pressed F5 or Ctrl+S in one expects it in the other.

#include <QWidget>

#include "session/calculator_session.h"

namespace brakefell {

// F5, Ctrl+Enter: "계산"; Ctrl+O: "열기"; Ctrl+S: "저장"; Ctrl+Shift+C and Ctrl+Shift+V: the
// share code to and from the clipboard (confirmed over `window`). Each works while `window` is
// the active window.
void AddCommandKeys(QWidget& window, CalculatorSession& session);

}  // namespace brakefell
