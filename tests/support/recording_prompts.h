#pragma once
// A person in front of the form, as the tests play them: every message shown is recorded, and
// the file dialogs return the answers the test scripted (nullopt: the person cancels). With
// `unscriptedDialogFails`, a dialog the test gave no answer for fails the test.

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

#include "form/user_prompts.h"

namespace brakefell::testing {

class RecordingPrompts : public UserPrompts {
  public:
    void showMessage(const QString& sentence) override { messages.append(sentence); }

    std::optional<QString> chooseFileToOpen(const QString& initialDir) override {
        return answer(openAnswers, initialDir);
    }

    std::optional<QString> chooseFileToSave(const QString& initialDir) override {
        return answer(saveAnswers, initialDir);
    }

    QStringList messages;
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    QStringList dialogFolders;  // the folder each dialog was asked to start in
    int dialogsShown = 0;
    bool unscriptedDialogFails = false;

  private:
    std::optional<QString> answer(std::deque<std::optional<QString>>& answers,
                                  const QString& initialDir) {
        ++dialogsShown;
        dialogFolders.append(initialDir);
        std::optional<QString> next;
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
