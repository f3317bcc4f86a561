// What changed between two builds, as the history tells it beside each entry: the window's own
// words and values, never a control's name.
#include "analysis/input_changes.h"

#include <gtest/gtest.h>

#include <regex>

#include "analysis_fixtures.h"
#include "text/strings.h"

namespace brakefell {
namespace {

TEST(InputChanges, TellTheChangedInputsInTheWindowsWords) {
    testing::StartedForm started;
    const FormState& before = started.form;
    FormState after = before;
    EXPECT_EQ(InputChangesText(InputChanges(before, after)), u"변화 없음");

    const std::u16string stat = before.find(u"txtMainStat")->text;
    after.setText(u"txtMainStat", u"9000");
    EXPECT_EQ(InputChangesText(InputChanges(before, after)), u"민첩 " + stat + u"→9000");

    // A list by its entries, a check box and the newly chosen of two options by their state.
    const ControlState& rune = *before.find(u"cboUsingSkillRune(0)");
    const int otherRune = rune.value == 1 ? 2 : 1;
    after.setListIndex(u"cboUsingSkillRune(0)", otherRune);
    after.setCheck(u"chkGemJ", before.find(u"chkGemJ")->value == 1 ? 0 : 1);
    after.setCheck(u"chkVoodoo", 1);
    const bool dance = before.find(u"optVoodooDance")->value == 1;
    after.setOption(dance ? u"optVoodooETC" : u"optVoodooDance", true);
    after.setText(u"txtAttackSpeed", u"");

    const std::vector<InputChange> changes = InputChanges(before, after);
    ASSERT_GE(changes.size(), 6u);
    for (const InputChange& change : changes) {
        EXPECT_NE(change.from, change.to) << Utf8OfUtf16(change.control);
        if (change.control == u"cboUsingSkillRune(0)") {
            EXPECT_EQ(change.to, rune.items.at(static_cast<std::size_t>(otherRune)));
        }
        if (change.control == u"txtAttackSpeed") {
            EXPECT_EQ(change.to, u"(빈칸)");
        }
    }
    const std::string text = Utf8OfUtf16(InputChangesText(changes));
    EXPECT_EQ(std::count(text.begin(), text.end(), ','), 2) << text;
    EXPECT_TRUE(text.ends_with(" 외 " + std::to_string(changes.size() - 3) + "개")) << text;
    // Three are told whole, with nothing left over to count.
    const std::string three = Utf8OfUtf16(InputChangesText({changes.begin(), changes.begin() + 3}));
    EXPECT_EQ(three.find("외"), std::string::npos) << three;
    // Players read captions only.
    EXPECT_FALSE(std::regex_search(text, std::regex("txt|chk|cbo|opt"))) << text;
}

}  // namespace
}  // namespace brakefell
