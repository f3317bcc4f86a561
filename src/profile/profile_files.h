#pragma once
// Moving a profile between a file and the form, and the commands "열기", "저장" and the last-run
// file.

#include <string_view>

#include "form/command_outcome.h"
#include "form/form_state.h"
#include "platform/storage.h"
#include "platform/user_prompts.h"
#include "profile/program_folders.h"

namespace brakefell {

enum class ProfileFileStatus {
    Done,
    NotOpened,    // the file could not be opened (missing, no access, a folder)
    ReadFailed,   // opened, but a line could not be applied: earlier lines stay applied
    WriteFailed,  // the previous file, if any, is left as it was
};

ProfileFileStatus LoadProfileFile(const Storage& storage, std::string_view path, FormState& form);
// The new file takes the old one's place only once it is complete (Storage::replace).
ProfileFileStatus SaveProfileFile(Storage& storage, std::string_view path, const FormState& form);

// Which profile a command reads or writes: the last-run file LastData.cfg without a dialog (at
// start-up and shutdown), or a file the person chooses in a dialog ("열기", "저장").
enum class ProfileSource { LastRun, ChosenFile };

// The commands tell the person what went wrong with one message box and return how they ended.
CommandOutcome LoadProfile(ProfileSource source, FormState& form, const ProgramFolders& folders,
                           const Storage& storage, UserPrompts& prompts);
CommandOutcome SaveProfile(ProfileSource source, const FormState& form,
                           const ProgramFolders& folders, Storage& storage, UserPrompts& prompts);

// What "열기" and "저장" do once the file is chosen.
CommandOutcome LoadProfileAt(std::string_view path, FormState& form, const Storage& storage,
                             UserPrompts& prompts);
CommandOutcome SaveProfileAt(std::string_view path, const FormState& form, Storage& storage,
                             UserPrompts& prompts);

}  // namespace brakefell
