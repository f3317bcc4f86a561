#pragma once
// How a command of the form ended ("계산", "열기", "저장", start-up, shutdown), so that callers
// learn it from the command itself and never from what was shown to the person.

#include <string>
#include <string_view>
#include <utility>

#include "engine/figures.h"
#include "platform/user_prompts.h"

namespace brakefell {

enum class CommandEnd {
    Done,       // did what it was asked
    Cancelled,  // the person cancelled a dialog: nothing changed, nothing was said
    Refused,    // the calculation refused the inputs (see `refusal`)
    Failed,     // a file could not be read or written (see `message`)
};

struct CommandOutcome {
    CommandEnd end = CommandEnd::Done;
    Refusal refusal = Refusal::None;
    // The sentence the person was shown, if any; a command may be done and still say something
    // ("지난 저장 파일이 존재하지 않습니다.").
    std::u16string message;

    explicit operator bool() const { return end == CommandEnd::Done; }

    static CommandOutcome Ended(CommandEnd end, std::u16string message = {}) {
        CommandOutcome outcome;
        outcome.end = end;
        outcome.message = std::move(message);
        return outcome;
    }
    static CommandOutcome Refused(Refusal why, std::u16string message) {
        CommandOutcome outcome = Ended(CommandEnd::Refused, std::move(message));
        outcome.refusal = why;
        return outcome;
    }
};

// A command that failed with one sentence, shown to the person and kept in the outcome.
inline CommandOutcome FailedWithMessage(UserPrompts& prompts, std::u16string_view sentence) {
    CommandOutcome outcome = CommandOutcome::Ended(CommandEnd::Failed, std::u16string(sentence));
    prompts.showMessage(outcome.message);
    return outcome;
}

}  // namespace brakefell
