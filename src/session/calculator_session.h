#pragma once
// One running calculator: the catalogue, the form's controls, what one calculation leaves for the
// next (the skills the boxes show, the history of calculations), and the commands behind the
// window's events. The window, the headless tool and the page all drive this object, so every rule
// runs the same way in each. Every command returns how it ended, and whoever follows the session
// (a window and its companion) hears of every change of the inputs and every calculation through
// plain callbacks.
//
// Data flow of "계산": FormState::characterSheet() -> ComputeFigures -> WriteReport -> the
// report's texts into the form's result boxes (RunCalculation) -> the history, when recorded ->
// the calculation's listeners.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "catalogue/skill_catalogue.h"
#include "editions/edition.h"
#include "form/command_outcome.h"
#include "form/form_state.h"
#include "platform/platform.h"
#include "platform/user_prompts.h"
#include "profile/program_folders.h"
#include "profile/shared_build.h"
#include "session/calculation_history.h"
#include "session/listener_list.h"

namespace brakefell {

struct StartupOptions {
    std::string cataloguePath;  // empty: Gloamstalker007.txt in the program's folder
    bool loadLastRun = true;    // the headless tool starts from the defaults
    // Every calculation that is not refused goes into the history (the window asks for this),
    // unless its whole build is the newest entry's; otherwise the history is neither read nor
    // written unless its entries are asked for.
    bool recordHistory = false;
};

class CalculatorSession {
  public:
    // The platform's storage, compression and clock must outlive the session.
    CalculatorSession(Edition edition, ProgramFolders folders, const Platform& platform,
                      UserPrompts& prompts);
    ~CalculatorSession();
    CalculatorSession(const CalculatorSession&) = delete;
    CalculatorSession& operator=(const CalculatorSession&) = delete;

    // The window opening: fills the small lists, reads the catalogue, fills the skill slots with
    // their defaults, then reads the last-run profile. Fails when the catalogue could not be read.
    CommandOutcome startUp(const StartupOptions& options = {});
    CommandOutcome calculate();    // "계산": the report of the inputs now
    CommandOutcome openProfile();  // "열기": a profile the player chooses
    CommandOutcome saveProfile();  // "저장": the inputs to a profile the player names
    // "열기" and "저장" with the file already chosen.
    CommandOutcome openProfileFile(std::string_view path);
    CommandOutcome saveProfileFile(std::string_view path);
    // Share codes: the code of the inputs now, and a code read as "열기" reads a profile.
    std::u16string shareCode() const;
    CommandOutcome openShareCode(std::u16string_view code);
    // A build kept in memory (a history entry) read as "열기" reads a file, only when whole.
    CommandOutcome openBuild(const SharedBuild& build);
    // A history entry's build read as openBuild reads it, then "계산"; nothing is calculated when
    // the build cannot be read. The newest entry restored stays the newest; any other comes back
    // as a new newest entry of the same build.
    CommandOutcome restore(HistoryEntry entry);
    // The window closing: saves the last-run profile; never refuses. After a failed start-up the
    // last run was never read into the window, so its file is left as it is rather than replaced by
    // defaults and empty skill slots.
    CommandOutcome shutDown();

    FormState& form() { return form_; }
    const FormState& form() const { return form_; }
    const SkillCatalogue& catalogue() const { return *catalogue_; }
    Edition edition() const { return edition_; }
    const ProgramFolders& folders() const { return folders_; }
    const Platform& platform() const { return platform_; }
    // The person in front of the window: its dialogs and message boxes.
    UserPrompts& prompts() { return prompts_; }

    // The calculations of this and earlier runs (in the user's data folder; for this run only
    // when there is none), shared with the other edition.
    CalculationHistory& history() { return history_; }
    bool recordsHistory() const { return recordHistory_; }

    // Counts every change of an input, by a person, a reaction or a profile: work done for the
    // inputs of one count belongs to other inputs once the count has moved on.
    std::uint64_t inputsGeneration() const { return inputsGeneration_; }

    // Listeners, called on the thread that changed the form: after every change of a control
    // (value, items, visibility, caption), after every change of an input (the generation has
    // moved on), and after every "계산" with how it ended (a calculation taken is in the history
    // by then, when recorded). The session listens to its form: nobody else sets the form's own
    // listener.
    ListenerId onControlChanged(std::function<void(const ControlState&)> listener);
    ListenerId onInputsChanged(std::function<void()> listener);
    ListenerId onCalculated(std::function<void(const CommandOutcome&)> listener);
    void removeListener(ListenerId id);

  private:
    Edition edition_;
    ProgramFolders folders_;
    Platform platform_;
    UserPrompts& prompts_;
    std::unique_ptr<SkillCatalogue> catalogue_;
    FormState form_;
    bool catalogueLoaded_ = false;
    bool recordHistory_ = false;
    CalculationHistory history_;
    std::uint64_t inputsGeneration_ = 0;
    ListenerList<const ControlState&> controlListeners_;
    ListenerList<> inputsListeners_;
    ListenerList<const CommandOutcome&> calculatedListeners_;
    ListenerId lastListener_ = 0;
};

}  // namespace brakefell
