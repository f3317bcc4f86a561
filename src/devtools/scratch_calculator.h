#pragma once
// What the developer programs share at start-up: the calculator's look (its font and the Korean
// texts of Qt's own dialogs), the edition asked for on the command line (edition_argument.h), and
// a calculator of that edition running in a scratch program folder with a copy of the shipped
// catalogue, so the real LastData.cfg and history are neither read nor written.

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

#include "desktop_adapters/desktop_platform.h"
#include "devtools/edition_argument.h"
#include "platform/user_prompts.h"
#include "session/calculator_session.h"
#include "window/calculator_window.h"

namespace brakefell {

// The calculator's font and the Korean texts of Qt's dialogs, for an application just made.
void LookLikeTheCalculator(QApplication& app);

// Prints what the program would tell the person, and answers every dialog with "cancel".
class ConsolePrompts : public UserPrompts {
  public:
    void showMessage(std::u16string_view sentence) override;
    std::optional<std::string> chooseFileToOpen(const std::string&) override;
    std::optional<std::string> chooseFileToSave(const std::string&) override;
};

// A calculator started as the window program starts it, in a scratch folder; its window is made,
// not shown.
class ScratchCalculator {
  public:
    explicit ScratchCalculator(Edition edition);

    // The user's data folder (the history lives there), to fill before the window needs it.
    QString userDataDir() const { return folder_.filePath(QStringLiteral("user")); }
    CalculatorSession& session() { return session_; }
    CalculatorWindow& window() { return *window_; }

  private:
    QTemporaryDir folder_;
    ConsolePrompts prompts_;
    DesktopPlatform desktop_;
    CalculatorSession session_;
    std::unique_ptr<CalculatorWindow> window_;
};

}  // namespace brakefell
