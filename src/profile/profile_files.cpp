#include "profile/profile_files.h"

#include <cstddef>

#include "form/messages.h"
#include "profile/last_run_file.h"
#include "profile/profile_lines.h"

namespace brakefell {
namespace {

// A profile is a few hundred bytes; reading stops here so that a huge file chosen by mistake
// cannot exhaust memory. Lines that end before the limit still apply.
constexpr std::size_t kReadLimit = 16 * 1024 * 1024;

ProfileFileStatus StatusOf(ReplaceStatus replaced) {
    switch (replaced) {
        case ReplaceStatus::Done:
            return ProfileFileStatus::Done;
        case ReplaceStatus::NotOpened:
            return ProfileFileStatus::NotOpened;
        case ReplaceStatus::WriteFailed:
            break;
    }
    return ProfileFileStatus::WriteFailed;
}

}  // namespace

ProfileFileStatus LoadProfileFile(const Storage& storage, std::string_view path, FormState& form) {
    // Folders, devices and pipes are refused: a pipe would block and a device never end.
    std::optional<FileContents> file = storage.read(path, kReadLimit);
    if (!file) {
        return ProfileFileStatus::NotOpened;
    }
    // A reading that stopped early (at the limit, which the file may go past, or at a read
    // error) drops its unfinished last line, so that the line is not applied cut short.
    if (!file->whole || file->bytes.size() >= kReadLimit) {
        file->bytes.erase(file->bytes.rfind('\r') + 1);
    }
    return ReadProfile(file->bytes, form).complete ? ProfileFileStatus::Done
                                                   : ProfileFileStatus::ReadFailed;
}

ProfileFileStatus SaveProfileFile(Storage& storage, std::string_view path, const FormState& form) {
    return StatusOf(storage.replace(path, WriteProfile(form)));
}

CommandOutcome LoadProfileAt(std::string_view path, FormState& form, const Storage& storage,
                             UserPrompts& prompts) {
    switch (LoadProfileFile(storage, path, form)) {
        case ProfileFileStatus::Done:
            return {};
        case ProfileFileStatus::NotOpened:
            // A name that does not exist is passed over in silence; a file that is there but cannot
            // be read (a folder, no access) is reported, so the person knows nothing was loaded.
            if (storage.kindOf(path) == PathKind::None) {
                return CommandOutcome::Ended(CommandEnd::Failed);
            }
            break;
        case ProfileFileStatus::ReadFailed:
        case ProfileFileStatus::WriteFailed:
            break;
    }
    return FailedWithMessage(prompts, messages::kProfileOpenError);
}

CommandOutcome SaveProfileAt(std::string_view path, const FormState& form, Storage& storage,
                             UserPrompts& prompts) {
    // Also when the file could not even be created: the inputs were not saved.
    if (SaveProfileFile(storage, path, form) != ProfileFileStatus::Done) {
        return FailedWithMessage(prompts, messages::kProfileSaveError);
    }
    return {};
}

CommandOutcome LoadProfile(ProfileSource source, FormState& form, const ProgramFolders& folders,
                           const Storage& storage, UserPrompts& prompts) {
    if (source == ProfileSource::LastRun) {
        const std::optional<std::string> lastRun = FindLastRunFile(storage, folders);
        if (!lastRun) {
            prompts.showMessage(messages::kNoLastRunFile);
            // The defaults stay.
            return CommandOutcome::Ended(CommandEnd::Done,
                                         std::u16string(messages::kNoLastRunFile));
        }
        return LoadProfileAt(*lastRun, form, storage, prompts);
    }
    const std::optional<std::string> chosen = prompts.chooseFileToOpen(folders.programDir);
    if (!chosen) {
        return CommandOutcome::Ended(CommandEnd::Cancelled);
    }
    return LoadProfileAt(*chosen, form, storage, prompts);
}

CommandOutcome SaveProfile(ProfileSource source, const FormState& form,
                           const ProgramFolders& folders, Storage& storage, UserPrompts& prompts) {
    if (source == ProfileSource::ChosenFile) {
        const std::optional<std::string> chosen = prompts.chooseFileToSave(folders.programDir);
        if (!chosen) {
            return CommandOutcome::Ended(CommandEnd::Cancelled);
        }
        return SaveProfileAt(*chosen, form, storage, prompts);
    }
    ProfileFileStatus status = ProfileFileStatus::NotOpened;
    if (!folders.programDir.empty()) {
        status = SaveProfileFile(storage, LastRunSavePath(storage, folders.programDir), form);
    }
    // The program's folder refused the file: keep the last run in the user's folder.
    if (status != ProfileFileStatus::Done && !folders.userDataDir.empty() &&
        storage.makeFolders(folders.userDataDir)) {
        status = SaveProfileFile(storage, LastRunSavePath(storage, folders.userDataDir), form);
    }
    if (status != ProfileFileStatus::Done) {
        return FailedWithMessage(prompts, messages::kProfileSaveError);
    }
    return {};
}

}  // namespace brakefell
