#pragma once
// Qt's own texts in Korean: the buttons of message boxes ("확인") and the labels and buttons of
// the open and save dialogs, whatever the person's locale. The program's own texts are Korean
// already.

class QCoreApplication;

namespace brakefell {

// Loads Qt's Korean translations (qtbase_ko.qm from Qt's translations folder) into the
// application. Without the file Qt keeps its English texts; nothing else changes. Returns whether
// the translations were loaded.
bool InstallKoreanQtTexts(QCoreApplication& application);

}  // namespace brakefell
