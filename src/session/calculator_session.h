#pragma once
// One running calculator: the catalogue, the form's controls, what one calculation leaves for the
// next, and the commands behind the window's events. The window and the headless tool both drive
// this object, so every rule runs the same way in both. Every command returns how it ended.
//
// Data flow of "계산": FormState::characterSheet() -> ComputeFigures -> WriteReport -> the
// report's texts into the form's result boxes (RunCalculation).

#include <memory>
#include <string>
#include <string_view>

#include "catalogue/skill_catalogue.h"
#include "editions/edition.h"
#include "engine/shown_lists.h"
#include "form/command_outcome.h"
#include "form/form_state.h"
#include "form/user_prompts.h"
#include "platform/platform.h"
#include "profile/program_folders.h"
#include "profile/shared_build.h"

namespace brakefell {

struct StartupOptions {
    std::string cataloguePath;  // empty: Gloamstalker007.txt in the program's folder
    bool loadLastRun = true;    // the headless tool starts from the defaults
};

class CalculatorSession {
  public:
    // The platform's storage, compression and clock must outlive the session.
    CalculatorSession(Edition edition, ProgramFolders folders, const Platform& platform,
                      UserPrompts& prompts);

    // Form_Load: fills the small lists, reads the catalogue, fills the skill slots with their
    // defaults, then reads the last-run profile. Fails when the catalogue could not be read.
    CommandOutcome startUp(const StartupOptions& options = {});
    CommandOutcome calculate();    // cmdCalculation_Click ("계산")
    CommandOutcome openProfile();  // cmdOpen_Click ("열기")
    CommandOutcome saveProfile();  // cmdSaveStat_Click ("저장")
    // "열기" and "저장" with the file already chosen.
    CommandOutcome openProfileFile(std::string_view path);
    CommandOutcome saveProfileFile(std::string_view path);
    // Share codes: the code of the inputs now, and a code read as "열기" reads a profile.
    std::u16string shareCode() const;
    CommandOutcome openShareCode(std::u16string_view code);
    // A build kept in memory (a history entry) read as "열기" reads a file, only when whole.
    CommandOutcome openBuild(const SharedBuild& build);
    // Form_Unload: saves the last-run profile; never refuses. After a failed start-up the last
    // run was never read into the window, so its file is left as it is rather than replaced by
    // defaults and empty skill slots.
    CommandOutcome shutDown();

    FormState& form() { return *form_; }
    const FormState& form() const { return *form_; }
    const SkillCatalogue& catalogue() const { return *catalogue_; }
    Edition edition() const { return edition_; }
    const ProgramFolders& folders() const { return folders_; }
    const Platform& platform() const { return platform_; }
    const ShownLists& shown() const { return shown_; }
    // The person in front of the window: its dialogs and message boxes.
    UserPrompts& prompts() { return prompts_; }

  private:
    Edition edition_;
    ProgramFolders folders_;
    Platform platform_;
    UserPrompts& prompts_;
    std::unique_ptr<SkillCatalogue> catalogue_;
    std::unique_ptr<FormState> form_;
    ShownLists shown_;
    bool catalogueLoaded_ = false;
};

}  // namespace brakefell
