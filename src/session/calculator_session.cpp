#include "session/calculator_session.h"

#include "catalogue/catalogue_reader.h"
#include "form/messages.h"
#include "form/skill_slots.h"
#include "form/start_up_lists.h"
#include "platform/paths.h"
#include "profile/profile_files.h"
#include "profile/share_code.h"
#include "session/run_calculation.h"

namespace brakefell {
namespace {

// The history lives in the user's folder: the program's own folder may not be writable.
std::string HistoryPath(const ProgramFolders& folders) {
    return folders.userDataDir.empty() ? std::string()
                                       : PathInFolder(folders.userDataDir, kHistoryFileName);
}

}  // namespace

CalculatorSession::CalculatorSession(Edition edition, ProgramFolders folders,
                                     const Platform& platform, UserPrompts& prompts)
    : edition_(edition),
      folders_(std::move(folders)),
      platform_(platform),
      prompts_(prompts),
      catalogue_(std::make_unique<SkillCatalogue>()),
      form_(*catalogue_),
      history_(platform, HistoryPath(folders_)) {
    form_.setChangeListener([this](const ControlState& control) {
        controlListeners_.call(control);
        if (IsInputKind(control.kind)) {
            ++inputsGeneration_;
            inputsListeners_.call();
        }
    });
}

CalculatorSession::~CalculatorSession() {
    form_.setChangeListener({});
}

CommandOutcome CalculatorSession::startUp(const StartupOptions& options) {
    recordHistory_ = options.recordHistory;
    FillStartUpLists(form_);

    const std::string cataloguePath = options.cataloguePath.empty()
                                          ? PathInFolder(folders_.programDir, kCatalogueFileName)
                                          : options.cataloguePath;
    // A file that holds no skill at all (a catalogue saved with bare LF line ends reads as one
    // long comment line) leaves nothing to calculate with: it fails like a damaged one.
    const CatalogueLoadResult loaded =
        LoadSkillCatalogue(platform_.storage, cataloguePath, *catalogue_);
    catalogueLoaded_ = loaded.ok && loaded.skillsStored > 0;
    if (!catalogueLoaded_) {
        // The skill slots stay empty and the last run is not restored: a profile's skill
        // lines could not name entries of empty lists anyway.
        return FailedWithMessage(prompts_, messages::kCatalogueLoadError);
    }

    FillSkillSlots(form_);
    if (!options.loadLastRun) {
        return {};
    }
    // A last run that cannot be read leaves the defaults: start-up itself has succeeded.
    CommandOutcome lastRun =
        LoadProfile(ProfileSource::LastRun, form_, folders_, platform_.storage, prompts_);
    lastRun.end = CommandEnd::Done;
    return lastRun;
}

CommandOutcome CalculatorSession::calculate() {
    const Refusal refusal = RunCalculation(form_, edition_);
    CommandOutcome outcome;
    if (refusal != Refusal::None) {
        outcome = CommandOutcome::Refused(refusal, std::u16string(messages::kCalculationRefused));
        prompts_.showMessage(outcome.message);
    } else if (recordHistory_) {
        // "계산" pressed again on the same build, or the newest entry restored, tells nothing new:
        // the history keeps one entry for it. A history that cannot be written costs this run
        // nothing: the entry stays in memory.
        const SharedBuild build = BuildOf(form_);
        const std::vector<HistoryEntry>& entries = history_.entries();
        if (entries.empty() || entries.back().build != build) {
            history_.add(platform_.clock.now(), build);
        }
    }
    calculatedListeners_.call(outcome);
    return outcome;
}

CommandOutcome CalculatorSession::openProfile() {
    return LoadProfile(ProfileSource::ChosenFile, form_, folders_, platform_.storage, prompts_);
}

CommandOutcome CalculatorSession::saveProfile() {
    return SaveProfile(ProfileSource::ChosenFile, form_, folders_, platform_.storage, prompts_);
}

CommandOutcome CalculatorSession::openProfileFile(std::string_view path) {
    return LoadProfileAt(path, form_, platform_.storage, prompts_);
}

CommandOutcome CalculatorSession::saveProfileFile(std::string_view path) {
    return SaveProfileAt(path, form_, platform_.storage, prompts_);
}

std::u16string CalculatorSession::shareCode() const {
    return ShareCodeOf(platform_.deflate, form_);
}

CommandOutcome CalculatorSession::openShareCode(std::u16string_view code) {
    return LoadShareCode(platform_.deflate, code, form_, prompts_);
}

CommandOutcome CalculatorSession::openBuild(const SharedBuild& build) {
    return LoadBuild(build, form_, prompts_);
}

CommandOutcome CalculatorSession::restore(HistoryEntry entry) {
    // `entry` is a copy: the calculation adds to the history it may have come from.
    CommandOutcome read = openBuild(entry.build);
    if (!read) {
        return read;
    }
    return calculate();
}

ListenerId CalculatorSession::onControlChanged(std::function<void(const ControlState&)> listener) {
    controlListeners_.add(++lastListener_, std::move(listener));
    return lastListener_;
}

ListenerId CalculatorSession::onInputsChanged(std::function<void()> listener) {
    inputsListeners_.add(++lastListener_, std::move(listener));
    return lastListener_;
}

ListenerId CalculatorSession::onCalculated(std::function<void(const CommandOutcome&)> listener) {
    calculatedListeners_.add(++lastListener_, std::move(listener));
    return lastListener_;
}

void CalculatorSession::removeListener(ListenerId id) {
    controlListeners_.remove(id);
    inputsListeners_.remove(id);
    calculatedListeners_.remove(id);
}

CommandOutcome CalculatorSession::shutDown() {
    if (!catalogueLoaded_) {
        return {};
    }
    return SaveProfile(ProfileSource::LastRun, form_, folders_, platform_.storage, prompts_);
}

}  // namespace brakefell
