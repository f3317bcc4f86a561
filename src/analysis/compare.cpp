#include "analysis/compare.h"

#include <iterator>

#include "analysis/named_figures.h"
#include "engine/compute_figures.h"
#include "form/input_captions.h"
#include "text/strings.h"

namespace brakefell {
namespace {

bool IsInput(const ControlState& control) {
    switch (control.kind) {
        case ControlKind::TextBox:
        case ControlKind::CheckBox:
        case ControlKind::DropDown:
            return true;
        case ControlKind::OptionButton:
            // One option of each pair says which of the two is selected.
            return control.name != u"optGemPoison(1)" && control.name != u"optVoodooETC";
        default:
            return false;
    }
}

}  // namespace

std::u16string InputValueText(const ControlState& control) {
    switch (control.kind) {
        case ControlKind::TextBox:
            return control.text;
        case ControlKind::DropDown:
            return control.value >= 0 && control.value < std::ssize(control.items)
                       ? control.items[static_cast<std::size_t>(control.value)]
                       : std::u16string();
        default:
            return IntegerText(control.value);
    }
}

Comparison CompareBuilds(const FormState& a, const FormState& b, Metric metric) {
    Comparison comparison;
    comparison.metric = metric;
    const BuildFigures figuresA = ComputeFigures(a.characterSheet(), a.catalogue());
    const BuildFigures figuresB = ComputeFigures(b.characterSheet(), b.catalogue());
    const std::vector<NamedFigure> listA = MainFigures(figuresA);
    const std::vector<NamedFigure> listB = MainFigures(figuresB);
    for (std::size_t i = 0; i < listA.size(); ++i) {
        FigureComparison row{listA[i].key, listA[i].label, listA[i].value, listB[i].value, {},
                             {},           listA[i].better};
        if (row.a && row.b) {
            row.difference = *row.b - *row.a;
            row.percent = PercentOf(*row.difference, *row.a);
        }
        comparison.figures.push_back(row);
    }
    for (const ControlState* control : DifferingInputs(a, b)) {
        comparison.inputs.push_back({control->name, InputCaption(control->name),
                                     InputValueText(*control),
                                     InputValueText(b.at(control->name))});
    }
    return comparison;
}

std::vector<const ControlState*> DifferingInputs(const FormState& a, const FormState& b) {
    std::vector<const ControlState*> differing;
    for (const ControlState& control : a.controls()) {
        if (!IsInput(control)) {
            continue;
        }
        const ControlState& other = b.at(control.name);
        // Two runes may share a name: a list differs by its chosen entry, not by the entry's text.
        if (control.text != other.text || control.value != other.value) {
            differing.push_back(&control);
        }
    }
    return differing;
}

}  // namespace brakefell
