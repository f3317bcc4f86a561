#include "analysis/compare.h"

#include <iterator>

#include "analysis/named_figures.h"
#include "engine/compute_figures.h"
#include "form/controls.h"
#include "form/input_captions.h"
#include "form/option_pairs.h"
#include "text/strings.h"

namespace brakefell {
namespace {

// An input whose value tells the build; of a pair of options only the first, which tells both.
bool IsInput(const ControlState& control) {
    return IsInputKind(control.kind) && !IsSecondOption(control.name);
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

std::u16string SwitchText(const ControlState& control) {
    if (control.value == 1) {
        return u"켬";
    }
    return control.kind == ControlKind::CheckBox && control.value == 2 ? u"흐림" : u"끔";
}

std::u16string ShownInputValueText(const ControlState& control) {
    return control.kind == ControlKind::CheckBox || control.kind == ControlKind::OptionButton
               ? SwitchText(control)
               : InputValueText(control);
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
        const ControlState& other = b.at(control->name);
        comparison.inputs.push_back({control->name, InputCaption(control->name),
                                     InputValueText(*control), InputValueText(other),
                                     ShownInputValueText(*control), ShownInputValueText(other)});
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
