// The sheet's field table against the profile's lines, the control table and the hand-typed sheet
// of tests/support, which names every field on its own.

#include "form/sheet_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string_view>

#include "engine_fixtures.h"
#include "form/control_table.h"
#include "form/form_state.h"
#include "form/skill_slots.h"
#include "form/start_up_lists.h"
#include "profile/profile_layout.h"
#include "random_characters.h"
#include "typed_sheet.h"

namespace brakefell {
namespace {

long RowsNamed(std::string_view control) {
    return std::ranges::count_if(SheetFields(),
                                 [&](const SheetField& row) { return control == row.control; });
}

// What each kind of row reads from, by the control's kind.
ControlKind KindRead(SheetFieldKind kind) {
    switch (kind) {
        case SheetFieldKind::Number:
            return ControlKind::TextBox;
        case SheetFieldKind::CheckBox:
            return ControlKind::CheckBox;
        case SheetFieldKind::List:
        case SheetFieldKind::NumberList:
            return ControlKind::DropDown;
        case SheetFieldKind::Option:
            break;
    }
    return ControlKind::OptionButton;
}

TEST(SheetFields, EachControlOfTheProfileHasOneRowAndEachRowAControlOfItsKind) {
    for (const ProfileLine& line : ProfileLayout()) {
        EXPECT_EQ(RowsNamed(line.control), 1) << line.control;
    }
    for (const SheetField& row : SheetFields()) {
        EXPECT_EQ(RowsNamed(row.control), 1) << row.control;
        const ControlSpec* control = FindControlSpec(row.control);
        ASSERT_NE(control, nullptr) << row.control;
        EXPECT_EQ(control->kind, KindRead(row.kind)) << row.control;
    }
}

TEST(SheetFields, TheSheetReadThroughTheTableIsTheTypedSheetOverRandomCharacters) {
    std::mt19937_64 random(20261218);
    for (int c = 0; c < testing::RandomCaseCount(200); ++c) {
        const CharacterSheet typed = testing::RandomCharacter(random);
        FormState form(testing::ShippedCatalogue());
        FillStartUpLists(form);
        FillSkillSlots(form);
        testing::TypeSheetInto(typed, form);
        EXPECT_TRUE(form.characterSheet() == typed) << "case " << c;
    }
}

}  // namespace
}  // namespace brakefell
