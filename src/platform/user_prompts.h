#pragma once
// What the form asks of the person in front of it: a message box and the two file dialogs.
// The window gives them modal dialogs; tests record what was asked and shown; the headless tool
// has nobody there. Paths are UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace brakefell {

class UserPrompts {
  public:
    virtual ~UserPrompts() = default;

    // A modal message box: the one Korean sentence, OK only, titled with the program's name.
    virtual void showMessage(std::u16string_view sentence) = 0;

    // The open/save dialogs start in `initialDir` and offer the one filter
    // "케릭터 설정파일(*.cfg)" (pattern *.cfg). nullopt when the person cancels.
    virtual std::optional<std::string> chooseFileToOpen(const std::string& initialDir) = 0;
    virtual std::optional<std::string> chooseFileToSave(const std::string& initialDir) = 0;
};

// No one in front: nothing is shown and every dialog is cancelled. Whoever drives the form this
// way learns how each command ended from the command's outcome.
class NobodyThere final : public UserPrompts {
  public:
    void showMessage(std::u16string_view) override {}
    std::optional<std::string> chooseFileToOpen(const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseFileToSave(const std::string&) override {
        return std::nullopt;
    }
};

}  // namespace brakefell
