// What the page reads of the window: the stat column as sections for a narrow screen, the report
// boxes in reading order, and each edition's captions.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "catalogue/skill_catalogue.h"
#include "editions/layout_sections.h"
#include "form/control_table.h"
#include "form/form_state.h"
#include "form/report_boxes.h"
#include "text/strings.h"

namespace brakefell {
namespace {

// A field as text: "label: part part", each part a control's name or its text in quotes.
std::string FieldText(const LayoutField& field) {
    std::string text = field.label != nullptr ? std::string(field.label) + ":" : "";
    for (const LayoutPart& part : field.parts) {
        text += part.control != nullptr ? std::string(" ") + part.control
                                        : std::string(" \"") + part.text + "\"";
    }
    return text + (field.wholeRow ? " [row]" : "");
}

const LayoutSection& SectionNamed(const std::vector<LayoutSection>& sections, const char* name) {
    for (const LayoutSection& section : sections) {
        if (std::string_view(section.heading) == name) {
            return section;
        }
    }
    throw std::out_of_range(name);
}

TEST(LayoutSections, FieldsKeepWhatBelongsTogetherOnOneLine) {
    const std::vector<LayoutSection> sections = SectionsOf(LayoutOf(Edition::Full));
    std::vector<std::string> headings;
    for (const LayoutSection& section : sections) {
        headings.push_back(section.heading);
    }
    EXPECT_EQ(headings,
              (std::vector<std::string>{"-무기-", "-속성 피해-", "-능력치(세부속성 그대로 입력)-",
                                        "-스킬 증가-", "-지속 스킬-", "-전설 보석-", "-사용 스킬-",
                                        "-결과 계산 적용 변수-"}));
    const std::map<const char*, std::vector<std::string>> expected = {
        {"-무기-",
         {"무기 공속: cboWeaponSpeed", "무기 추가 공속: txtWeaponExtraSpeed \"%\"",
          "기본 데미지: txtWeaponDamageMin \"-\" txtWeaponDamageMax [row]"}},
        {"-전설 보석-",
         {" chkGemStrong txtGemStrong", " chkMorePain txtMorePain", " chkGemLocked txtGemLocked",
          " chkGemSummon txtGemSummon", " chkGemPoison txtGemPoison", " optGemPoison(0)",
          " optGemPoison(1)", " chkGemJ txtGemJ", "거리: cboGemJMeter"}},
        {"-결과 계산 적용 변수-",
         {" chkCrossbow", " chkMark", " chkCompanion", " chkVoodoo fraVoodoo [row]", " cmdAnalysis",
          " chkOurGemPoison cboOurGemPoison [row]"}},
    };
    for (const auto& [heading, fields] : expected) {
        std::vector<std::string> shown;
        for (const LayoutField& field : SectionNamed(sections, heading).fields) {
            shown.push_back(FieldText(field));
        }
        EXPECT_EQ(shown, fields) << heading;
    }
    const LayoutSection& slots = SectionNamed(sections, "-사용 스킬-");
    ASSERT_EQ(slots.fields.size(), 6u);
    EXPECT_EQ(FieldText(slots.fields[3]),
              " cboUsingSkill(3) cboUsingSkillRune(3) lblSkillElement(3) [row]");
}

// Both editions offer the same inputs, whatever their windows' arrangement: the fields of the one
// hold exactly the controls of the other, each once.
TEST(LayoutSections, BothEditionsPlaceEveryInputInOneField) {
    std::map<Edition, std::map<std::string, int>> placed;
    for (const Edition edition : {Edition::Full, Edition::Lite}) {
        for (const LayoutSection& section : SectionsOf(LayoutOf(edition))) {
            for (const LayoutField& field : section.fields) {
                EXPECT_FALSE(field.parts.empty()) << FieldText(field);
                for (const LayoutPart& part : field.parts) {
                    // The command buttons stand wherever each window had room for them.
                    if (part.control != nullptr &&
                        FindControlSpec(part.control)->kind != ControlKind::CommandButton) {
                        ++placed[edition][part.control];
                    }
                }
            }
        }
        for (const LayoutItem& item : LayoutOf(edition).items) {
            if (item.control != nullptr && item.parent == LayoutParent::Frame1 &&
                FindControlSpec(item.control)->kind != ControlKind::CommandButton) {
                EXPECT_EQ(placed[edition][item.control], 1) << item.control;
            }
        }
    }
    EXPECT_EQ(placed[Edition::Full], placed[Edition::Lite]);
}

TEST(ReportBoxes, TheFramesBoxesShowOnlyWithTheirFrame) {
    const SkillCatalogue catalogue;
    FormState form(catalogue);
    form.setVisible(u"txtResult(7)", true);
    form.setVisible(u"txtResult(2)", true);
    std::vector<std::u16string> names;
    std::vector<std::u16string> shown;
    for (const ReportBox& box : ReportBoxesInReadingOrder(form)) {
        names.emplace_back(box.name);
        if (box.shown) {
            shown.emplace_back(box.name);
        }
    }
    EXPECT_EQ(names, (std::vector<std::u16string>{u"txtResult(0)", u"txtResult(1)", u"txtResult(2)",
                                                  u"txtResult(3)", u"txtResult(4)", u"txtResult(5)",
                                                  u"txtResult(6)", u"txtResult(7)", u"txtResult(8)",
                                                  u"txtBowCycleResult"}));
    EXPECT_EQ(shown, (std::vector<std::u16string>{u"txtResult(2)", u"txtBowCycleResult"}));
    form.setVisible(u"fraMoreDamage", true);
    EXPECT_TRUE(ReportBoxesInReadingOrder(form)[7].shown);
    EXPECT_FALSE(ReportBoxesInReadingOrder(form)[8].shown);
}

TEST(ControlCaptions, TheLiteWindowNamesTheWolfItsOwnWay) {
    const ControlSpec& wolf = *FindControlSpec("chkCompanion");
    EXPECT_EQ(std::string(CaptionIn(Edition::Full, wolf)), "동료-늑대");
    EXPECT_EQ(std::string(CaptionIn(Edition::Lite, wolf)), "동물-늑대");
    EXPECT_EQ(std::string(CaptionIn(Edition::Lite, *FindControlSpec("chkMark"))), "죽음의 표식");
    EXPECT_EQ(FindControlSpec("chkNothing"), nullptr);
}

}  // namespace
}  // namespace brakefell
