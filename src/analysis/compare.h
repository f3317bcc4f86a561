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
    std::u16string a;        // what it holds: a text, a check box's state, a list's chosen entry
    std::u16string b;
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

// What an input holds, as the comparison shows it.
std::u16string InputValueText(const ControlState& control);

}  // namespace brakefell
