#pragma once
// Two builds side by side under one catalogue: every main figure of each with the
// difference, and the inputs in which they differ.

#include <optional>
#include <string>
#include <vector>

#include "analysis/metric.h"
#include "form/form_state.h"

namespace brakefell {

struct FigureComparison {
    std::u16string key;
    std::u16string label;
    std::optional<double> a;
    std::optional<double> b;
    std::optional<double> difference;  // b - a: swapping the builds negates it
    std::optional<double> percent;     // 100 x difference / a
    int better = 1;                    // +1 more is better, -1 less, 0 neither
};

struct InputDifference {
    std::u16string name;     // the control
    std::u16string caption;  // its Korean name
    // What it holds as the tool's JSON carries it: a text, a check box's state as a number
    // ("1"), a list's chosen entry.
    std::u16string a;
    std::u16string b;
    // The same as players read it: a check box or an option "켬", "끔" or "흐림" (SwitchText).
    std::u16string shownA;
    std::u16string shownB;
};

struct Comparison {
    Metric metric;
    std::vector<FigureComparison> figures;
    std::vector<InputDifference> inputs;
};

// The forms' inputs as they stand now; both forms show the same catalogue.
Comparison CompareBuilds(const FormState& a, const FormState& b, Metric metric);

// The inputs in which the two forms differ, in the window's order; a pair of options counts once,
// by the option that says which of the two is chosen.
std::vector<const ControlState*> DifferingInputs(const FormState& a, const FormState& b);

// What an input holds, as the comparison's JSON carries it.
std::u16string InputValueText(const ControlState& control);

// A check box's or an option's state as players read it, in every table that shows one: "켬"
// (1), "흐림" (a check box's 2, greyed), else "끔".
std::u16string SwitchText(const ControlState& control);

// InputValueText, with a check box's or an option's state as SwitchText.
std::u16string ShownInputValueText(const ControlState& control);

}  // namespace brakefell
