#pragma once
// The controls of the calculator window as plain values: what each holds and whether it shows.
// The window draws them; the headless tool, the profiles and the tests read and change them.

#include <string>
#include <vector>

namespace brakefell {

enum class ControlKind {
    TextBox,        // input text box (txtMainStat, txtSkill(18), ...)
    ResultBox,      // read-only multi-line report box (txtResult(k), txtBowCycleResult, Text1)
    CheckBox,       // value 0 unchecked, 1 checked, 2 grayed
    DropDown,       // fixed list; value is the selected index, -1 for none
    OptionButton,   // value 1 selected, 0 not
    Label,          // caption and text colour (lblSkillElement(i))
    Frame,          // only its visibility changes (fraVoodoo, fraMoreDamage)
    CommandButton,  // cmdOpen, cmdSaveStat, cmdCalculation
};

// What a control is for, as far as a face must know it to serve it: the command a button gives,
// or the part of the report a box holds. Inputs, labels and frames have none; a face serves
// them by their kind alone.
enum class ControlRole {
    None,
    Calculate,  // "계산"
    Open,       // 열기: a profile file
    Save,       // 저장: the inputs as a profile file
    Analysis,   // "빌드 분석"
    ReportBox,  // a block of the report
    Totals,     // the sentries' cycle, damage per second and time to kill
    Trace,      // the engine's working trace, never shown
};

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

struct ControlState {
    std::u16string name;  // exactly the control's name: "txtSkill(18)", "cboUsingSkillRune(3)"
    ControlKind kind = ControlKind::TextBox;
    std::u16string text;                // text of a text/result box; caption of a label
    int value = 0;                      // check box state, selected list index, or option state
    std::vector<std::u16string> items;  // list entries of a drop-down list
    bool visible = true;
    Rgb color;  // text colour of a label
    bool operator==(const ControlState&) const = default;
};

// The kinds a person changes: text boxes, check boxes, lists and option buttons.
constexpr bool IsInputKind(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::CheckBox ||
           kind == ControlKind::DropDown || kind == ControlKind::OptionButton;
}

// Names of the indexed controls, as the window and the files spell them.
// IndexedName("txtSkill", 18) == u"txtSkill(18)"
std::u16string IndexedName(const char* arrayName, int index);

}  // namespace brakefell
