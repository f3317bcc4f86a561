#pragma once
// Moving a profile between a file and the form, and the commands "열기", "저장" and the last-run
// file.

#include <QString>
#include <cstdint>

#include "form/form_state.h"
#include "form/user_prompts.h"
#include "profile/program_folders.h"

namespace brakefell {

enum class ProfileFileStatus {
    Done,
    NotOpened,    // the file could not be opened (missing, no access, a folder)
    ReadFailed,   // opened, but a line could not be applied: earlier lines stay applied
    WriteFailed,  // the previous file, if any, is left as it was
};

ProfileFileStatus LoadProfileFile(const QString& path, FormState& form);
// Writes to a temporary file beside the target and replaces the target only when complete.
ProfileFileStatus SaveProfileFile(const QString& path, const FormState& form);

// Mode -1: the last-run file LastData.cfg without a dialog; any other mode asks the person.
void LoadProfile(std::int16_t mode, FormState& form, const ProgramFolders& folders,
                 UserPrompts& prompts);
void SaveProfile(std::int16_t mode, const FormState& form, const ProgramFolders& folders,
                 UserPrompts& prompts);

}  // namespace brakefell
