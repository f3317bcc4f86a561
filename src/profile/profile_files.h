#pragma once
// Moving a profile between a file and the form, and the commands "열기", "저장" and the last-run
// file.

#include <QByteArrayView>
#include <QString>

#include "form/command_outcome.h"
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

// Which profile a command reads or writes: the last-run file LastData.cfg without a dialog (at
// start-up and shutdown), or a file the person chooses in a dialog ("열기", "저장").
enum class ProfileSource { LastRun, ChosenFile };

// The commands tell the person what went wrong with one message box and return how they ended.
CommandOutcome LoadProfile(ProfileSource source, FormState& form, const ProgramFolders& folders,
                           UserPrompts& prompts);
CommandOutcome SaveProfile(ProfileSource source, const FormState& form,
                           const ProgramFolders& folders, UserPrompts& prompts);

// What "열기" and "저장" do once the file is chosen.
CommandOutcome LoadProfileAt(const QString& path, FormState& form, UserPrompts& prompts);
CommandOutcome SaveProfileAt(const QString& path, const FormState& form, UserPrompts& prompts);

}  // namespace brakefell
