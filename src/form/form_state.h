#pragma once
// Every control of the calculator window with its value and visibility, and the reactions that run
// whenever a selection or a check box changes, by the user or by code: one implementation for the
// window, the headless tool and the profiles.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/skill_catalogue.h"
#include "engine/character_sheet.h"
#include "form/controls.h"

namespace brakefell {

class FormState {
  public:
    // All controls with the initial values of a freshly loaded window (before start-up fills the
    // lists). The catalogue is the one the slot lists show; it must outlive the form.
    explicit FormState(const SkillCatalogue& catalogue);

    // The inputs are a value: a copy (a snapshot, a scratch form to read a build into) takes the
    // controls, their name index and the catalogue, never the listener. Assigning keeps the
    // target's listener and tells it nothing; adopt() does.
    FormState(const FormState& other);
    FormState(FormState&& other) noexcept;
    FormState& operator=(const FormState& other);
    FormState& operator=(FormState&& other) noexcept;
    ~FormState();

    // Takes the controls of `read` (a copy of this form that a build was read into whole), and
    // tells the listener of every control that changed, as the changes one by one would have.
    void adopt(FormState&& read);

    const std::vector<ControlState>& controls() const { return controls_; }
    const ControlState* find(std::u16string_view name) const;  // nullptr for an unknown name
    // The name must exist: an unknown name is a programming error and throws std::out_of_range.
    const ControlState& at(std::u16string_view name) const;
    const SkillCatalogue& catalogue() const { return *catalogue_; }

    // Changes. Each runs the same side effects as the user's change in the window:
    // a skill choice refills that slot's rune list and selects rune 0; a rune choice sets the
    // slot's element label; chkOurGemPoison and chkVoodoo show or hide what they refine.
    // The reactions run every time, even when the value does not change. Misuse by code is a
    // programming error and throws: an unknown name (std::out_of_range), a control of another
    // kind (std::invalid_argument), a check box value outside 0-2 (std::invalid_argument) or a
    // list index outside -1 .. item count - 1 (std::out_of_range). Callers holding untrusted
    // values, such as the profile reader, check them first.
    void setText(std::u16string_view name, std::u16string_view text);
    void setCheck(std::u16string_view name, int value);
    void setListIndex(std::u16string_view name, int index);
    void setOption(std::u16string_view name, bool selected);  // selecting one clears its partner

    // Used by start-up, the slot reactions and the calculation.
    void clearList(std::u16string_view name);
    void appendItem(std::u16string_view name, std::u16string_view item);
    void setVisible(std::u16string_view name, bool visible);
    void setLabel(std::u16string_view name, std::u16string_view caption, Rgb color);

    // The inputs of one calculation as they stand now.
    CharacterSheet characterSheet() const;

    // Called after every change of a control (value, items, visibility, caption), so that a
    // window can redraw just that control.
    using ChangeListener = std::function<void(const ControlState&)>;
    void setChangeListener(ChangeListener listener) { listener_ = std::move(listener); }

  private:
    int indexOf(std::u16string_view name) const;  // -1 for an unknown name
    ControlState& mutableAt(std::u16string_view name, ControlKind kind);
    ControlState& mutableAt(std::u16string_view name);
    void changed(const ControlState& control);

    const SkillCatalogue* catalogue_;
    std::vector<ControlState> controls_;
    std::vector<int> byName_;  // indexes into controls_, sorted by name for lookup
    ChangeListener listener_;
};

}  // namespace brakefell
