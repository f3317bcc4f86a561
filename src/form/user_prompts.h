#pragma once
// What the form asks of the person in front of it: a message box and the two file dialogs.
// The window gives them modal dialogs; tests record what was asked and shown; the headless tool
// has nobody there.

#include <QString>
#include <optional>

namespace brakefell {

class UserPrompts {
  public:
    virtual ~UserPrompts() = default;

    // A modal message box: the one Korean sentence, OK only, titled with the program's name.
    virtual void showMessage(const QString& sentence) = 0;

    // The open/save dialogs start in `initialDir` and offer the one filter
    // "케릭터 설정파일(*.cfg)" (pattern *.cfg). nullopt when the person cancels.
    virtual std::optional<QString> chooseFileToOpen(const QString& initialDir) = 0;
    virtual std::optional<QString> chooseFileToSave(const QString& initialDir) = 0;
};

// No one in front: nothing is shown and every dialog is cancelled. Whoever drives the form this
// way learns how each command ended from the command's outcome.
class NobodyThere final : public UserPrompts {
  public:
    void showMessage(const QString&) override {}
    std::optional<QString> chooseFileToOpen(const QString&) override { return std::nullopt; }
    std::optional<QString> chooseFileToSave(const QString&) override { return std::nullopt; }
};

}  // namespace brakefell
