#pragma once
// A person in front of the form, as the tests play them: every message shown is recorded, and
// the file dialogs return the answers the test scripted (nullopt: the person cancels). With
// `unscriptedDialogFails`, a dialog the test gave no answer for fails the test.

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/user_prompts.h"

namespace brakefell::testing {

class RecordingPrompts : public UserPrompts {
  public:
    void showMessage(std::u16string_view sentence) override { messages.emplace_back(sentence); }

    std::optional<std::string> chooseFileToOpen(const std::string& initialDir) override {
        return answer(openAnswers, initialDir);
    }

    std::optional<std::string> chooseFileToSave(const std::string& initialDir) override {
        return answer(saveAnswers, initialDir);
    }

    std::vector<std::u16string> messages;
    std::deque<std::optional<std::string>> openAnswers;  // paths, UTF-8
    std::deque<std::optional<std::string>> saveAnswers;
    std::vector<std::string> dialogFolders;  // the folder each dialog was asked to start in
    int dialogsShown = 0;
    bool unscriptedDialogFails = false;

  private:
    std::optional<std::string> answer(std::deque<std::optional<std::string>>& answers,
                                      const std::string& initialDir) {
        ++dialogsShown;
        dialogFolders.push_back(initialDir);
        std::optional<std::string> next;
        if (answers.empty() && unscriptedDialogFails) {
            ADD_FAILURE() << "a dialog the test did not expect was shown";
        }
        if (!answers.empty()) {
            next.swap(answers.front());
            answers.pop_front();
        }
        return next;
    }
};

}  // namespace brakefell::testing
