#include "form/skill_slots.h"

#include "form/form_state.h"
#include "text/strings.h"

namespace brakefell {
namespace {

std::optional<int> SlotOf(std::u16string_view controlName, std::u16string_view arrayName) {
    // Exactly "<arrayName>(<digit>)" with a digit below the slot count.
    if (controlName.size() != arrayName.size() + 3 || !controlName.starts_with(arrayName) ||
        controlName[arrayName.size()] != u'(' || controlName.back() != u')') {
        return std::nullopt;
    }
    const int slot = controlName[arrayName.size() + 1] - u'0';
    if (slot < 0 || slot >= kSlotCount) {
        return std::nullopt;
    }
    return slot;
}

bool IsCatalogueSkill(int skill) {
    return skill >= 0 && skill < kSkillCount;
}

}  // namespace

std::u16string SkillListName(int slot) {
    return IndexedName("cboUsingSkill", slot);
}

std::u16string RuneListName(int slot) {
    return IndexedName("cboUsingSkillRune", slot);
}

std::u16string ElementLabelName(int slot) {
    return IndexedName("lblSkillElement", slot);
}

std::optional<int> SlotOfSkillList(std::u16string_view controlName) {
    return SlotOf(controlName, u"cboUsingSkill");
}

std::optional<int> SlotOfRuneList(std::u16string_view controlName) {
    return SlotOf(controlName, u"cboUsingSkillRune");
}

std::optional<ElementStyle> ElementStyleOf(int elementCode) {
    switch (elementCode) {
        case 1:
            return ElementStyle{"화염 속성", {255, 0, 0}};
        case 2:
            return ElementStyle{"냉기 속성", {0, 0, 255}};
        case 3:
            return ElementStyle{"물리 속성", {0, 0, 0}};
        case 4:
            return ElementStyle{"독 속성", {0, 175, 0}};
        case 5:
            return ElementStyle{"번개 속성", {0, 175, 175}};
        case 6:
            return ElementStyle{"신성 속성", {100, 100, 100}};
        default:
            return std::nullopt;
    }
}

void RefillRuneList(FormState& form, int slot) {
    const std::u16string runeList = RuneListName(slot);
    form.clearList(runeList);
    const int skill = form.at(SkillListName(slot)).value;
    if (!IsCatalogueSkill(skill)) {
        return;  // no skill chosen: the slot has no runes to offer
    }
    for (const RuneRecord& rune : form.catalogue()[skill].runes) {
        form.appendItem(runeList, rune.name);
    }
    form.setListIndex(runeList, 0);
}

void ShowRuneElement(FormState& form, int slot) {
    const int skill = form.at(SkillListName(slot)).value;
    const int rune = form.at(RuneListName(slot)).value;
    if (!IsCatalogueSkill(skill) || rune < 0 || rune >= kRuneCount) {
        return;
    }
    const auto style = ElementStyleOf(form.catalogue()[skill].runes[rune].elementCode);
    if (style) {
        form.setLabel(ElementLabelName(slot), Utf16OfUtf8(style->caption), style->color);
    }
}

void FillSkillSlots(FormState& form) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const std::u16string skillList = SkillListName(slot);
        form.clearList(skillList);
        for (const SkillRecord& skill : form.catalogue()) {
            form.appendItem(skillList, skill.name);
        }
        form.setListIndex(skillList, slot);
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        form.setListIndex(SkillListName(slot), kDefaultSlots[slot].skill);
        form.setListIndex(RuneListName(slot), kDefaultSlots[slot].rune);
    }
}

}  // namespace brakefell
