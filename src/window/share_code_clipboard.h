#pragma once
// Share codes through the clipboard, for every window that offers them (the main window's
// Ctrl+Shift+C and Ctrl+Shift+V, and the buttons of "빌드 분석").

#include <QWidget>

#include "session/calculator_session.h"

namespace brakefell {

// The inputs' share code to the clipboard, confirmed in a tooltip over `near`.
void CopyShareCode(const CalculatorSession& session, QWidget& near);

// The clipboard's code read as "열기" reads a profile.
CommandOutcome PasteShareCode(CalculatorSession& session);

}  // namespace brakefell
