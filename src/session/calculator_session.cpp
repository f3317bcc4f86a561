// Everything of the session but calculate(), which lives with the engine.
#include "session/calculator_session.h"

#include "catalogue/catalogue_reader.h"
#include "form/messages.h"
#include "form/skill_slots.h"
#include "form/start_up_lists.h"
#include "profile/profile_files.h"

namespace brakefell {
namespace {

constexpr std::int16_t kLastRunMode = -1;
constexpr std::int16_t kDialogMode = 0;

}  // namespace

CalculatorSession::CalculatorSession(Edition edition, ProgramFolders folders, UserPrompts& prompts)
    : edition_(edition),
      folders_(std::move(folders)),
      prompts_(prompts),
      catalogue_(std::make_unique<SkillCatalogue>()),
      form_(std::make_unique<FormState>(*catalogue_)),
      engine_(std::make_unique<EngineState>()) {}

bool CalculatorSession::startUp(const StartupOptions& options) {
    FillStartUpLists(*form_);

    const QString cataloguePath =
        options.cataloguePath.isEmpty()
            ? folders_.programDir + u'/' + QString::fromLatin1(kCatalogueFileName)
            : options.cataloguePath;
    // A file that holds no skill at all (a catalogue saved with bare LF line ends reads as one
    // long comment line) leaves nothing to calculate with: it fails like a damaged one.
    const CatalogueLoadResult loaded = LoadSkillCatalogue(cataloguePath, *catalogue_);
    catalogueLoaded_ = loaded.ok && loaded.skillsStored > 0;
    if (!catalogueLoaded_) {
        // The skill slots stay empty and the last run is not restored: a profile's skill
        // lines could not name entries of empty lists anyway.
        prompts_.showMessage(QString::fromUtf8(messages::kCatalogueLoadError));
        return false;
    }

    FillSkillSlots(*form_);
    if (options.loadLastRun) {
        LoadProfile(kLastRunMode, *form_, folders_, prompts_);
    }
    return true;
}

void CalculatorSession::openProfile() {
    LoadProfile(kDialogMode, *form_, folders_, prompts_);
}

void CalculatorSession::saveProfile() {
    SaveProfile(kDialogMode, *form_, folders_, prompts_);
}

void CalculatorSession::shutDown() {
    if (!catalogueLoaded_) {
        return;
    }
    SaveProfile(kLastRunMode, *form_, folders_, prompts_);
}

}  // namespace brakefell
