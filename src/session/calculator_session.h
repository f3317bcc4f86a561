#pragma once
// One running calculator: the catalogue, the form's controls, the engine's tables and the
// handlers of the window's events. The window and the headless tool both drive this object, so
// every rule runs the same way in both.

#include <memory>

#include "catalogue/skill_catalogue.h"
#include "editions/edition.h"
#include "engine/calculation.h"
#include "form/form_state.h"
#include "form/user_prompts.h"
#include "profile/program_folders.h"

namespace brakefell {

struct StartupOptions {
    QString cataloguePath;    // empty: Gloamstalker007.txt in the program's folder
    bool loadLastRun = true;  // the headless tool starts from the defaults
};

class CalculatorSession {
  public:
    CalculatorSession(Edition edition, ProgramFolders folders, UserPrompts& prompts);

    // Form_Load: fills the small lists, reads the catalogue, fills the skill slots with their
    // defaults, then reads the last-run profile. Returns false when the catalogue failed.
    bool startUp(const StartupOptions& options = {});
    void calculate();    // cmdCalculation_Click ("계산")
    void openProfile();  // cmdOpen_Click ("열기")
    void saveProfile();  // cmdSaveStat_Click ("저장")
    // Form_Unload: saves the last-run profile; never refuses. After a failed start-up the last
    // run was never read into the window, so its file is left as it is rather than replaced by
    // defaults and empty skill slots.
    void shutDown();

    FormState& form() { return *form_; }
    const FormState& form() const { return *form_; }
    const SkillCatalogue& catalogue() const { return *catalogue_; }
    Edition edition() const { return edition_; }
    const ProgramFolders& folders() const { return folders_; }
    const EngineState& engine() const { return *engine_; }

  private:
    Edition edition_;
    ProgramFolders folders_;
    UserPrompts& prompts_;
    std::unique_ptr<SkillCatalogue> catalogue_;
    std::unique_ptr<FormState> form_;
    std::unique_ptr<EngineState> engine_;
    bool catalogueLoaded_ = false;
};

}  // namespace brakefell
