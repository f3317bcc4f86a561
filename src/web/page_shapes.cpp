#include "web/page_shapes.h"

#include <emscripten/bind.h>

#include "form/sheet_fields.h"
#include "text/strings.h"

namespace brakefell::web {
namespace {

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

const char* RoleName(ControlRole role) {
    switch (role) {
        case ControlRole::None:
            return "";
        case ControlRole::Calculate:
            return "calculate";
        case ControlRole::Open:
            return "open";
        case ControlRole::Save:
            return "save";
        case ControlRole::Analysis:
            return "analysis";
        case ControlRole::ReportBox:
            return "report";
        case ControlRole::Totals:
            return "totals";
        case ControlRole::Trace:
            return "trace";
    }
    return "";
}

// The frame a layout item stands in, by the frame's control name; the form itself is "".
std::u16string ParentName(LayoutParent parent) {
    switch (parent) {
        case LayoutParent::Form:
            return u"";
        case LayoutParent::Frame1:
            return u"Frame1";
        case LayoutParent::fraVoodoo:
            return u"fraVoodoo";
        case LayoutParent::fraMoreDamage:
            return u"fraMoreDamage";
    }
    return u"";
}

std::u16string TextOf(const char* utf8) {
    return utf8 == nullptr ? std::u16string() : Utf16OfUtf8(utf8);
}

// The page draws the window at its own size with one CSS pixel for each of the window's pixels.
double PixelsOf(int twips) {
    return static_cast<double>(twips) / kTwipsPerPixel;
}

}  // namespace

PageOutcome PageOutcomeOf(const CommandOutcome& outcome) {
    return {EndName(outcome.end), outcome.message};
}

PageControl PageControlOf(const ControlState& control, Edition edition) {
    PageControl shape;
    shape.name = control.name;
    shape.kind = KindName(control.kind);
    const std::string name = Utf8OfUtf16(control.name);
    if (const ControlSpec* entry = FindControlSpec(name)) {
        shape.role = RoleName(entry->role);
        shape.caption = TextOf(CaptionIn(edition, *entry));
        shape.tooltip = TextOf(entry->tooltip);
        shape.look = entry->look;
    }
    shape.text = control.text;
    shape.value = control.value;
    shape.items = control.items;
    shape.visible = control.visible;
    const SheetField* field = FindSheetField(name);
    shape.number = field != nullptr && field->kind == SheetFieldKind::Number;
    shape.color = control.color;
    return shape;
}

PageLayout PageLayoutOf(const WindowLayout& layout) {
    PageLayout shape{
        TextOf(layout.caption), PixelsOf(layout.clientWidth), PixelsOf(layout.clientHeight), {}};
    for (const LayoutItem& item : layout.items) {
        shape.items.push_back(
            {TextOf(item.control), TextOf(item.text), TextOf(item.names), ParentName(item.parent),
             PixelsOf(item.left), PixelsOf(item.top), PixelsOf(item.width), PixelsOf(item.height),
             item.font.face == TypeFace::FixedPitch ? "fixed" : "window", item.font.points,
             item.font.bold, item.align == TextAlign::Centre, IsSectionHeading(item)});
    }
    return shape;
}

std::vector<PageSection> PageSectionsOf(const WindowLayout& layout) {
    std::vector<PageSection> shapes;
    for (const LayoutSection& section : SectionsOf(layout)) {
        PageSection shape{TextOf(section.heading), {}};
        for (const LayoutField& field : section.fields) {
            PageField fieldShape{TextOf(field.label), {}, field.wholeRow};
            for (const LayoutPart& part : field.parts) {
                fieldShape.parts.push_back({TextOf(part.control), TextOf(part.text)});
            }
            shape.fields.push_back(std::move(fieldShape));
        }
        shapes.push_back(std::move(shape));
    }
    return shapes;
}

EMSCRIPTEN_BINDINGS(brakefell_shapes) {
    using emscripten::value_object;
    emscripten::register_vector<std::u16string>("Texts");
    value_object<PageOutcome>("PageOutcome")
        .field("end", &PageOutcome::end)
        .field("message", &PageOutcome::message);
    value_object<Rgb>("Rgb")
        .field("red", &Rgb::red)
        .field("green", &Rgb::green)
        .field("blue", &Rgb::blue);
    value_object<ControlLook>("ControlLook")
        .field("coloured", &ControlLook::coloured)
        .field("colour", &ControlLook::colour)
        .field("emphasised", &ControlLook::emphasised);
    value_object<PageControl>("PageControl")
        .field("name", &PageControl::name)
        .field("kind", &PageControl::kind)
        .field("role", &PageControl::role)
        .field("caption", &PageControl::caption)
        .field("tooltip", &PageControl::tooltip)
        .field("text", &PageControl::text)
        .field("value", &PageControl::value)
        .field("items", &PageControl::items)
        .field("visible", &PageControl::visible)
        .field("number", &PageControl::number)
        .field("color", &PageControl::color)
        .field("look", &PageControl::look);
    emscripten::register_vector<PageControl>("PageControls");
    value_object<PageLayoutItem>("PageLayoutItem")
        .field("control", &PageLayoutItem::control)
        .field("text", &PageLayoutItem::text)
        .field("names", &PageLayoutItem::names)
        .field("parent", &PageLayoutItem::parent)
        .field("left", &PageLayoutItem::left)
        .field("top", &PageLayoutItem::top)
        .field("width", &PageLayoutItem::width)
        .field("height", &PageLayoutItem::height)
        .field("face", &PageLayoutItem::face)
        .field("points", &PageLayoutItem::points)
        .field("bold", &PageLayoutItem::bold)
        .field("centred", &PageLayoutItem::centred)
        .field("heading", &PageLayoutItem::heading);
    emscripten::register_vector<PageLayoutItem>("PageLayoutItems");
    value_object<PageLayout>("PageLayout")
        .field("caption", &PageLayout::caption)
        .field("width", &PageLayout::width)
        .field("height", &PageLayout::height)
        .field("items", &PageLayout::items);
    value_object<PagePart>("PagePart")
        .field("control", &PagePart::control)
        .field("text", &PagePart::text);
    emscripten::register_vector<PagePart>("PageParts");
    value_object<PageField>("PageField")
        .field("label", &PageField::label)
        .field("parts", &PageField::parts)
        .field("wholeRow", &PageField::wholeRow);
    emscripten::register_vector<PageField>("PageFields");
    value_object<PageSection>("PageSection")
        .field("heading", &PageSection::heading)
        .field("fields", &PageSection::fields);
    emscripten::register_vector<PageSection>("PageSections");
    value_object<PageReportBox>("PageReportBox")
        .field("name", &PageReportBox::name)
        .field("text", &PageReportBox::text)
        .field("shown", &PageReportBox::shown);
    emscripten::register_vector<PageReportBox>("PageReportBoxes");
}

}  // namespace brakefell::web
