// The calculator as the page sees it: one object per edition over the very session the desktop
// programs drive, with its controls, layout, commands and report as plain JavaScript values.
// Every rule stays in the core; this file only turns its answers into values the page can read.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <memory>
#include <string>

#include "editions/layout_sections.h"
#include "editions/window_layout.h"
#include "form/control_assignment.h"
#include "form/control_table.h"
#include "form/report_boxes.h"
#include "profile/profile_lines.h"
#include "profile/share_code.h"
#include "session/calculator_session.h"
#include "text/strings.h"
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

    PageOutcome startUp() { return PageOutcomeOf(session_->startUp()); }
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

    // Every control the page offers, as the core holds it now.
    std::vector<PageControl> controls() const {
        std::vector<PageControl> shapes;
        for (const ControlState& control : session_->form().controls()) {
            if (offered(control)) {
                shapes.push_back(PageControlOf(control, session_->edition()));
            }
        }
        return shapes;
    }

    // The controls that changed since the page last asked, in the form's order, as the window
    // hears of them one by one.
    std::vector<PageControl> takeChanges() {
        std::vector<PageControl> shapes;
        const std::vector<ControlState>& controls = session_->form().controls();
        for (std::size_t at = 0; at < controls.size(); ++at) {
            if (changed_[at] && offered(controls[at])) {
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

    bool offered(const ControlState& control) const {
        const ControlSpec* entry = FindControlSpec(Utf8OfUtf16(control.name));
        return entry == nullptr || FaceOffers(Face::Page, *entry);
    }

    void noteChange(const ControlState& control) {
        const FormState& form = session_->form();
        changed_[static_cast<std::size_t>(form.find(control.name) - form.controls().data())] = true;
    }
};

EMSCRIPTEN_BINDINGS(brakefell) {
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
        .function("assign", &PageCalculator::assign)
        .function("controls", &PageCalculator::controls)
        .function("takeChanges", &PageCalculator::takeChanges)
        .function("layout", &PageCalculator::layout)
        .function("sections", &PageCalculator::sections)
        .function("tabOrder", &PageCalculator::tabOrder)
        .function("reportBoxes", &PageCalculator::reportBoxes);
}

}  // namespace brakefell::web
