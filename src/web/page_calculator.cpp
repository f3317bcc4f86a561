// The calculator as the page sees it: one object per edition over the very session the desktop
// programs drive, with its controls, layout, commands and report as plain JavaScript values.
// Every rule stays in the core; this file only turns its answers into values the page can read.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <memory>
#include <string>

#include "analysis/analysis_texts.h"
#include "analysis/apply_changes.h"
#include "editions/layout_sections.h"
#include "editions/window_layout.h"
#include "form/control_assignment.h"
#include "form/control_table.h"
#include "form/report_boxes.h"
#include "profile/profile_lines.h"
#include "profile/share_code.h"
#include "profile/shared_build.h"
#include "session/calculator_session.h"
#include "text/strings.h"
#include "web/page_analysis_shapes.h"
#include "web/page_host.h"
#include "web/page_shapes.h"

namespace brakefell::web {
namespace {

using emscripten::val;

Edition EditionOf(const std::string& name) {
    return EditionNamed(Utf16OfUtf8(name)).value_or(Edition::Full);
}

}  // namespace

class PageCalculator {
  public:
    // `host`: the page's services (web/site/host.js). `programFolder`: where the host keeps the
    // catalogue and the last run's inputs.
    PageCalculator(const std::string& edition, val host, const std::string& programFolder)
        : storage_(host),
          deflate_(host),
          clock_(host),
          prompts_(host),
          session_(std::make_unique<CalculatorSession>(
              EditionOf(edition), ProgramFolders{programFolder, programFolder},
              Platform{storage_, deflate_, clock_}, prompts_)) {
        session_->onControlChanged([this](const ControlState& control) { noteChange(control); });
    }

    // The page keeps a history of calculations, as the window does.
    PageOutcome startUp() {
        StartupOptions options;
        options.recordHistory = true;
        return PageOutcomeOf(session_->startUp(options));
    }
    PageOutcome calculate() { return PageOutcomeOf(session_->calculate()); }
    PageOutcome openProfileFile(const std::string& path) {
        return PageOutcomeOf(session_->openProfileFile(path));
    }
    PageOutcome openShareCode(const std::u16string& text) {
        return PageOutcomeOf(session_->openShareCode(text));
    }
    PageOutcome shutDown() { return PageOutcomeOf(session_->shutDown()); }
    std::u16string shareCode() const { return session_->shareCode(); }
    val profileBytes() const { return JsBytes(WriteProfile(session_->form())); }
    // The build whole, as the analyses' workers read it (BuildOfBytes).
    val buildBytes() const { return JsBytes(BytesOfBuild(BuildOf(session_->form()))); }
    // Counts every change of the inputs: an analysis asked at one count is stale at another.
    double inputsGeneration() const { return static_cast<double>(session_->inputsGeneration()); }

    // B for 비교 from a pasted code or link, as a build's bytes; empty when it is no code.
    val buildBytesOfCode(const std::u16string& text) const {
        const std::optional<SharedBuild> build = BuildOfShareCode(deflate_, text);
        return JsBytes(build ? BytesOfBuild(*build) : std::string());
    }
    // ... from a profile file's bytes: the profile alone, the other inputs as a fresh start has
    // them. Whether it reads is the analyses' to say.
    static val buildBytesOfProfile(const val& profile) {
        return JsBytes(BytesOfBuild(SharedBuild{BytesOfJs(profile), std::nullopt}));
    }

    // The history for 기록, oldest first: {entries: [{time (ms since 1970, UTC), build (bytes)}],
    // skipped: the lines of the stored history that could not be read}.
    val history() {
        val entries = val::array();
        for (const HistoryEntry& entry : session_->history().entries()) {
            val shape = val::object();
            shape.set("time", static_cast<double>(entry.time));
            shape.set("build", JsBytes(BytesOfBuild(entry.build)));
            entries.call<void>("push", shape);
        }
        val answer = val::object();
        answer.set("entries", entries);
        answer.set("skipped", session_->history().skippedLines());
        return answer;
    }

    // The entry of that time back in the inputs, and calculated; refused when the history no
    // longer holds it (200 newer ones came after it).
    PageOutcome restore(double time) {
        const std::vector<HistoryEntry>& entries = session_->history().entries();
        const auto entry = std::find_if(entries.rbegin(), entries.rend(), [time](const auto& each) {
            return static_cast<double>(each.time) == time;
        });
        if (entry == entries.rend()) {
            return PageOutcomeOf(CommandOutcome::Ended(CommandEnd::Refused));
        }
        return PageOutcomeOf(session_->restore(*entry));
    }

    // Tells the history's entries apart from those of before, cheaply: their count and the time
    // of the newest.
    std::string historyMark() {
        const std::vector<HistoryEntry>& entries = session_->history().entries();
        return std::to_string(entries.size()) + ' ' +
               std::to_string(entries.empty() ? 0 : entries.back().time);
    }

    // Another page of the site has written the history: its entries join this one's, and none of
    // this page's is lost.
    void historyChanged() { session_->history().reconcile(); }

    // "적용": an optimiser's suggestion made in the inputs as a person makes it, then calculated.
    // False when the inputs no longer take it.
    bool applySuggestion(const val& changes) {
        if (!ApplyChoiceChanges(session_->form(), ChangesOfJs(changes))) {
            return false;
        }
        session_->calculate();
        return true;
    }

    // A person's change of one control, with the window's reactions; the empty text when it was
    // taken, else why not.
    std::u16string assign(const std::u16string& name, const std::u16string& value) {
        return ApplyAssignment(session_->form(), name, value);
    }

    // What a code holds, written again as a code: the page's compression against the desktop's.
    std::u16string reshareCode(const std::u16string& code) const {
        const std::optional<SharedBuild> build = BuildOfShareCode(deflate_, code);
        return build ? ShareCodeOf(deflate_, *build) : std::u16string();
    }

    // Every control, as the core holds it now.
    std::vector<PageControl> controls() const {
        std::vector<PageControl> shapes;
        for (const ControlState& control : session_->form().controls()) {
            shapes.push_back(PageControlOf(control, session_->edition()));
        }
        return shapes;
    }

    // The controls that changed since the page last asked, in the form's order, as the window
    // hears of them one by one.
    std::vector<PageControl> takeChanges() {
        std::vector<PageControl> shapes;
        const std::vector<ControlState>& controls = session_->form().controls();
        for (std::size_t at = 0; at < controls.size(); ++at) {
            if (changed_[at]) {
                shapes.push_back(PageControlOf(controls[at], session_->edition()));
            }
        }
        changed_.assign(changed_.size(), false);
        return shapes;
    }

    PageLayout layout() const { return PageLayoutOf(LayoutOf(session_->edition())); }

    std::vector<PageSection> sections() const {
        return PageSectionsOf(LayoutOf(session_->edition()));
    }

    // The controls in the order in which Tab (and a phone keyboard's "next") moves the focus.
    std::vector<std::u16string> tabOrder() const {
        std::vector<std::u16string> names;
        for (const char* name : LayoutOf(session_->edition()).tabOrder) {
            names.push_back(Utf16OfUtf8(name));
        }
        return names;
    }

    // Every report box in the order a person reads them, with whether the window shows it.
    std::vector<PageReportBox> reportBoxes() const {
        std::vector<PageReportBox> boxes;
        for (const ReportBox& box : ReportBoxesInReadingOrder(session_->form())) {
            boxes.push_back({std::u16string(box.name), std::u16string(box.text), box.shown});
        }
        return boxes;
    }

  private:
    HostStorage storage_;
    HostDeflate deflate_;
    HostClock clock_;
    HostPrompts prompts_;
    std::unique_ptr<CalculatorSession> session_;
    std::vector<bool> changed_ = std::vector<bool>(session_->form().controls().size(), false);

    void noteChange(const ControlState& control) {
        const FormState& form = session_->form();
        changed_[static_cast<std::size_t>(form.find(control.name) - form.controls().data())] = true;
    }
};

// How far the optimiser's workers have come, in the analyses' own words; a negative time left is
// none yet.
std::u16string SearchProgress(double done, double total, double secondsLeft) {
    return SearchProgressText(static_cast<long long>(done), static_cast<long long>(total),
                              secondsLeft < 0 ? std::nullopt : std::optional(secondsLeft));
}

EMSCRIPTEN_BINDINGS(brakefell) {
    emscripten::function("searchProgressText", &SearchProgress);
    emscripten::class_<PageCalculator>("Calculator")
        .constructor<const std::string&, val, const std::string&>()
        .function("startUp", &PageCalculator::startUp)
        .function("calculate", &PageCalculator::calculate)
        .function("openProfileFile", &PageCalculator::openProfileFile)
        .function("openShareCode", &PageCalculator::openShareCode)
        .function("shutDown", &PageCalculator::shutDown)
        .function("shareCode", &PageCalculator::shareCode)
        .function("reshareCode", &PageCalculator::reshareCode)
        .function("profileBytes", &PageCalculator::profileBytes)
        .function("buildBytes", &PageCalculator::buildBytes)
        .function("inputsGeneration", &PageCalculator::inputsGeneration)
        .function("applySuggestion", &PageCalculator::applySuggestion)
        .function("buildBytesOfCode", &PageCalculator::buildBytesOfCode)
        .function("history", &PageCalculator::history)
        .function("restore", &PageCalculator::restore)
        .function("historyChanged", &PageCalculator::historyChanged)
        .function("historyMark", &PageCalculator::historyMark)
        .class_function("buildBytesOfProfile", &PageCalculator::buildBytesOfProfile)
        .function("assign", &PageCalculator::assign)
        .function("controls", &PageCalculator::controls)
        .function("takeChanges", &PageCalculator::takeChanges)
        .function("layout", &PageCalculator::layout)
        .function("sections", &PageCalculator::sections)
        .function("tabOrder", &PageCalculator::tabOrder)
        .function("reportBoxes", &PageCalculator::reportBoxes);
}

}  // namespace brakefell::web
