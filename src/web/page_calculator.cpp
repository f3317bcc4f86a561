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
#include "form/sheet_fields.h"
#include "profile/profile_lines.h"
#include "profile/share_code.h"
#include "session/calculator_session.h"
#include "text/strings.h"
#include "web/page_host.h"

namespace brakefell::web {
namespace {

using emscripten::val;

const char* KindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::TextBox:
            return "text";
        case ControlKind::ResultBox:
            return "result";
        case ControlKind::CheckBox:
            return "check";
        case ControlKind::DropDown:
            return "list";
        case ControlKind::OptionButton:
            return "option";
        case ControlKind::Label:
            return "label";
        case ControlKind::Frame:
            return "frame";
        case ControlKind::CommandButton:
            return "button";
    }
    return "";
}

const char* ParentName(LayoutParent parent) {
    switch (parent) {
        case LayoutParent::Form:
            return "Form";
        case LayoutParent::Frame1:
            return "Frame1";
        case LayoutParent::fraVoodoo:
            return "fraVoodoo";
        case LayoutParent::fraMoreDamage:
            return "fraMoreDamage";
    }
    return "Form";
}

val TextOrNull(const char* utf8) {
    return utf8 == nullptr ? val::null() : val(Utf16OfUtf8(utf8));
}

const char* EndName(CommandEnd end) {
    switch (end) {
        case CommandEnd::Done:
            return "done";
        case CommandEnd::Cancelled:
            return "cancelled";
        case CommandEnd::Refused:
            return "refused";
        case CommandEnd::Failed:
            return "failed";
    }
    return "";
}

val Outcome(const CommandOutcome& outcome) {
    val result = val::object();
    result.set("end", std::string(EndName(outcome.end)));
    result.set("message", outcome.message);
    return result;
}

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
              Platform{storage_, deflate_, clock_}, prompts_)) {}

    val startUp() { return Outcome(session_->startUp()); }
    val calculate() { return Outcome(session_->calculate()); }
    val openProfileFile(const std::string& path) {
        return Outcome(session_->openProfileFile(path));
    }
    val openShareCode(const std::u16string& text) { return Outcome(session_->openShareCode(text)); }
    val shutDown() { return Outcome(session_->shutDown()); }
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

    val controls() const {
        val list = val::array();
        const Edition edition = session_->edition();
        for (const ControlState& control : session_->form().controls()) {
            val item = val::object();
            item.set("name", control.name);
            item.set("kind", std::string(KindName(control.kind)));
            const ControlSpec* entry = FindControlSpec(Utf8OfUtf16(control.name));
            item.set("caption", TextOrNull(entry != nullptr ? CaptionIn(edition, *entry) : ""));
            item.set("tooltip", TextOrNull(entry != nullptr ? entry->tooltip : ""));
            item.set("text", control.text);
            item.set("value", control.value);
            val items = val::array();
            for (const std::u16string& entry : control.items) {
                items.call<void>("push", entry);
            }
            item.set("items", items);
            item.set("visible", control.visible);
            // A box the calculation reads as a number: a phone offers its number keys.
            const SheetField* field = FindSheetField(Utf8OfUtf16(control.name));
            item.set("number", field != nullptr && field->kind == SheetFieldKind::Number);
            val color = val::array();
            color.call<void>("push", control.color.red);
            color.call<void>("push", control.color.green);
            color.call<void>("push", control.color.blue);
            item.set("color", color);
            list.call<void>("push", item);
        }
        return list;
    }

    val layout() const {
        const WindowLayout& layout = LayoutOf(session_->edition());
        val result = val::object();
        result.set("caption", Utf16OfUtf8(layout.caption));
        result.set("width", layout.clientWidth);
        result.set("height", layout.clientHeight);
        val items = val::array();
        for (const LayoutItem& entry : layout.items) {
            val item = val::object();
            item.set("control", TextOrNull(entry.control));
            item.set("text", TextOrNull(entry.text));
            item.set("names", TextOrNull(entry.names));
            item.set("parent", std::string(ParentName(entry.parent)));
            item.set("left", entry.left);
            item.set("top", entry.top);
            item.set("width", entry.width);
            item.set("height", entry.height);
            item.set("face",
                     std::string(entry.font.face == TypeFace::FixedPitch ? "fixed" : "window"));
            item.set("points", entry.font.points);
            item.set("bold", entry.font.bold);
            item.set("centred", entry.align == TextAlign::Centre);
            item.set("heading", IsSectionHeading(entry));
            items.call<void>("push", item);
        }
        result.set("items", items);
        return result;
    }

    val sections() const {
        val list = val::array();
        for (const LayoutSection& section : SectionsOf(LayoutOf(session_->edition()))) {
            val fields = val::array();
            for (const LayoutField& field : section.fields) {
                val item = val::object();
                item.set("label", TextOrNull(field.label));
                val parts = val::array();
                for (const LayoutPart& part : field.parts) {
                    val piece = val::object();
                    piece.set("control", TextOrNull(part.control));
                    piece.set("text", TextOrNull(part.text));
                    parts.call<void>("push", piece);
                }
                item.set("parts", parts);
                item.set("wholeRow", field.wholeRow);
                fields.call<void>("push", item);
            }
            val item = val::object();
            item.set("heading", Utf16OfUtf8(section.heading));
            item.set("fields", fields);
            list.call<void>("push", item);
        }
        return list;
    }

    // The controls in the order in which Tab (and a phone keyboard's "next") moves the focus.
    val tabOrder() const {
        val list = val::array();
        for (const char* name : LayoutOf(session_->edition()).tabOrder) {
            list.call<void>("push", Utf16OfUtf8(name));
        }
        return list;
    }

    // Every report box in the order a person reads them, with whether the window shows it.
    val reportBoxes() const {
        val list = val::array();
        for (const ReportBox& box : ReportBoxesInReadingOrder(session_->form())) {
            val item = val::object();
            item.set("name", std::u16string(box.name));
            item.set("text", std::u16string(box.text));
            item.set("shown", box.shown);
            list.call<void>("push", item);
        }
        return list;
    }

  private:
    HostStorage storage_;
    HostDeflate deflate_;
    HostClock clock_;
    HostPrompts prompts_;
    std::unique_ptr<CalculatorSession> session_;
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
        .function("layout", &PageCalculator::layout)
        .function("sections", &PageCalculator::sections)
        .function("tabOrder", &PageCalculator::tabOrder)
        .function("reportBoxes", &PageCalculator::reportBoxes);
}

}  // namespace brakefell::web
