#include "profile/profile_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "form/messages.h"
#include "profile/atomic_file.h"
#include "profile/last_run_file.h"
#include "profile/profile_lines.h"

namespace brakefell {
namespace {

constexpr qint64 kChunkSize = 64 * 1024;
// A profile is a few hundred bytes; reading stops here so that a huge or endless file chosen by
// mistake cannot exhaust memory. Lines that end before the limit still apply.
constexpr qint64 kReadLimit = 16 * 1024 * 1024;

// Reads until the 65 lines are in, the file ends, or the limit is reached. When the reading
// stops early, an unfinished last line is dropped so that it is not applied cut short.
QByteArray ReadProfileBytes(QFile& file) {
    QByteArray bytes;
    qsizetype lineEnds = 0;
    bool cutShort = false;
    while (lineEnds < kProfileLineCount) {
        if (bytes.size() >= kReadLimit) {
            cutShort = true;
            break;
        }
        const QByteArray chunk = file.read(kChunkSize);
        if (chunk.isEmpty()) {
            cutShort = file.error() != QFileDevice::NoError;
            break;
        }
        lineEnds += chunk.count('\r');
        bytes += chunk;
    }
    if (cutShort) {
        bytes.truncate(bytes.lastIndexOf('\r') + 1);
    }
    return bytes;
}

}  // namespace

ProfileFileStatus LoadProfileFile(const QString& path, FormState& form) {
    // Folders, devices and pipes are refused: a pipe would block and a device never end.
    if (!QFileInfo(path).isFile()) {
        return ProfileFileStatus::NotOpened;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return ProfileFileStatus::NotOpened;
    }
    const QByteArray bytes = ReadProfileBytes(file);
    return ReadProfile(bytes, form).complete ? ProfileFileStatus::Done
                                             : ProfileFileStatus::ReadFailed;
}

ProfileFileStatus SaveProfileFile(const QString& path, const FormState& form) {
    const QByteArray bytes = WriteProfile(form);
    return ReplaceFileContents(
        path, [&bytes](QIODevice& out) { return out.write(bytes) == bytes.size(); });
}

CommandOutcome LoadProfileAt(const QString& path, FormState& form, UserPrompts& prompts) {
    switch (LoadProfileFile(path, form)) {
        case ProfileFileStatus::Done:
            return {};
        case ProfileFileStatus::NotOpened:
            // A name that does not exist is passed over in silence; a file that is there but cannot
            // be read (a folder, no access) is reported, so the person knows nothing was loaded.
            if (!QFileInfo::exists(path)) {
                return CommandOutcome::Ended(CommandEnd::Failed);
            }
            break;
        case ProfileFileStatus::ReadFailed:
        case ProfileFileStatus::WriteFailed:
            break;
    }
    return FailedWithMessage(prompts, messages::kProfileOpenError);
}

CommandOutcome SaveProfileAt(const QString& path, const FormState& form, UserPrompts& prompts) {
    // Also when the file could not even be created: the inputs were not saved.
    if (SaveProfileFile(path, form) != ProfileFileStatus::Done) {
        return FailedWithMessage(prompts, messages::kProfileSaveError);
    }
    return {};
}

CommandOutcome LoadProfile(ProfileSource source, FormState& form, const ProgramFolders& folders,
                           UserPrompts& prompts) {
    if (source == ProfileSource::LastRun) {
        const std::optional<QString> lastRun = FindLastRunFile(folders);
        if (!lastRun) {
            const QString sentence = QString::fromUtf8(messages::kNoLastRunFile);
            prompts.showMessage(sentence);
            return CommandOutcome::Ended(CommandEnd::Done, sentence);  // the defaults stay
        }
        return LoadProfileAt(*lastRun, form, prompts);
    }
    const std::optional<QString> chosen = prompts.chooseFileToOpen(folders.programDir);
    if (!chosen) {
        return CommandOutcome::Ended(CommandEnd::Cancelled);
    }
    return LoadProfileAt(*chosen, form, prompts);
}

CommandOutcome SaveProfile(ProfileSource source, const FormState& form,
                           const ProgramFolders& folders, UserPrompts& prompts) {
    if (source == ProfileSource::ChosenFile) {
        const std::optional<QString> chosen = prompts.chooseFileToSave(folders.programDir);
        if (!chosen) {
            return CommandOutcome::Ended(CommandEnd::Cancelled);
        }
        return SaveProfileAt(*chosen, form, prompts);
    }
    ProfileFileStatus status = ProfileFileStatus::NotOpened;
    if (!folders.programDir.isEmpty()) {
        status = SaveProfileFile(LastRunSavePath(folders.programDir), form);
    }
    // The program's folder refused the file: keep the last run in the user's folder.
    if (status != ProfileFileStatus::Done && !folders.userDataDir.isEmpty() &&
        QDir().mkpath(folders.userDataDir)) {
        status = SaveProfileFile(LastRunSavePath(folders.userDataDir), form);
    }
    if (status != ProfileFileStatus::Done) {
        return FailedWithMessage(prompts, messages::kProfileSaveError);
    }
    return {};
}

}  // namespace brakefell
