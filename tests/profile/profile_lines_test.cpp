// The 65 lines of a profile: the exact bytes written, and how each line read back is applied.
#include "profile/profile_lines.h"

#include <gtest/gtest.h>

#include <array>
#include <iterator>

#include "form/skill_slots.h"
#include "form/start_up_lists.h"
#include "test_catalogue.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

// A window after start-up: small lists filled, skill slots at their defaults.
class StartedForm {
  public:
    explicit StartedForm(int skills = kSkillCount) : catalogue_(testing::MakeCatalogue(skills)) {
        FillStartUpLists(form);
        FillSkillSlots(form);
    }

  private:
    SkillCatalogue catalogue_;

  public:
    FormState form{catalogue_};
};

std::string Lines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

// The profile of a window after start-up, written out by hand line by line.
const std::vector<std::string> kDefaultLines = {
    " 0 ",  "6",    "2154", "2652", "80",   "0",    "0",    "0",   "0",   "0",    // 1-10
    "8830", "27",   "311",  "36.5", "0",    "41",   "19.6", "0",   "0",   "0",    // 11-20
    "0",    "0",    "0",    "0",    "0",    "0",    "0",    "0",   "29",  "0",    // 21-30
    "0",    "14",   "25",   "0",    " 1 ",  " 0 ",  " 1 ",  " 1 ", " 0 ", " 0 ",  // 31-40
    "30",   " 1 ",  "34",   " 1 ",  "33",   " 0 ",  "True", "34",  " 0 ", "30",   // 41-50
    " 15 ", " 22 ", " 10 ", " 14 ", " 18 ", " 21 ", " 1 ",  " 5 ", " 3 ", " 5 ",  // 51-60
    " 4 ",  " 5 ",  " 0 ",  "34",   " 0 ",                                        // 61-65
};

TEST(WriteProfile, ADefaultWindowGivesExactlyTheseBytes) {
    StartedForm started;
    EXPECT_EQ(WriteProfile(started.form), Lines(kDefaultLines));
}

TEST(WriteProfile, NegativeValuesFlagAndKoreanTextInTheirDisplayForm) {
    StartedForm started;
    FormState& form = started.form;
    form.setListIndex(u"cboGemJMeter", -1);
    form.setListIndex(u"cboWeaponSpeed", 2);
    form.setCheck(u"chkPassiveRenovate", 2);
    form.setOption(u"optGemPoison(1)", true);
    form.setText(u"txtMainStat", u"가나다 민첩");
    form.setText(u"txtGemJ", u"");
    form.setListIndex(u"cboUsingSkill(0)", 0);

    const std::vector<std::string> lines = testing::Split(WriteProfile(form), "\n");
    ASSERT_EQ(lines.size(), 66);  // 65 lines, each ended, then nothing
    EXPECT_EQ(lines[0], " 2 \r");
    EXPECT_EQ(lines[10], "\xB0\xA1\xB3\xAA\xB4\xD9 \xB9\xCE\xC3\xB8\r");  // code page 949
    EXPECT_EQ(lines[38], " 2 \r");
    EXPECT_EQ(lines[46], "False\r");
    EXPECT_EQ(lines[50], " 0 \r");
    EXPECT_EQ(lines[56], " 0 \r");  // the skill change chose rune 0
    EXPECT_EQ(lines[63], "\r");
    EXPECT_EQ(lines[64], "-1 \r");
    EXPECT_EQ(lines[65], "");
}

TEST(WriteProfile, ACarriageReturnInATextCannotShiftTheLinesAfterIt) {
    StartedForm started;
    started.form.setText(u"txtMainStat", u"88\r30");
    const std::string bytes = WriteProfile(started.form);
    EXPECT_EQ(bytes, Lines(kDefaultLines));
}

// Three profiles written out by hand in file order, one column each. Every text line differs
// from every other; the integer lines hold triples chosen so that any two lines differ in at
// least one column. So writing or reading any two lines in each other's place changes bytes or
// values in one of the three.
struct HandWrittenLine {
    const char* control;
    std::array<const char*, 3> line;  // the line as it stands in profiles A, B and C
};

constexpr HandWrittenLine Text(const char* control, const char* text) {
    return {control, {text, text, text}};
}

const HandWrittenLine kHandWritten[] = {
    {"cboWeaponSpeed", {" 2 ", " 1 ", " 0 "}},
    Text("txtWeaponExtraSpeed", "7"),
    Text("txtWeaponDamageMin", "2101"),
    Text("txtWeaponDamageMax", "2702"),
    Text("txtEnchant(1)", "81"),
    Text("txtEnchant(2)", "12"),
    Text("txtEnchant(3)", "13"),
    Text("txtEnchant(4)", "14"),
    Text("txtEnchant(5)", "15"),
    Text("txtEnchant(6)", "16"),
    Text("txtMainStat", "8831"),
    Text("txtAttackSpeed", "27.5"),
    Text("txtCriticalDamage", "312"),
    Text("txtCriticalChance", "36.6"),
    Text("txtTesker", "3"),
    Text("txtEnchantElite", "42"),
    Text("txtDecreaseTime", "19.7"),
    Text("txtSkill(0)", "100"),
    Text("txtSkill(1)", "101"),
    Text("txtSkill(2)", "102"),
    Text("txtSkill(3)", "103"),
    Text("txtSkill(4)", "104"),
    Text("txtSkill(5)", "105"),
    Text("txtSkill(6)", "106"),
    Text("txtSkill(7)", "107"),
    Text("txtSkill(8)", "108"),
    Text("txtSkill(14)", "114"),
    Text("txtSkill(16)", "116"),
    Text("txtSkill(18)", "118"),
    Text("txtSkill(19)", "119"),
    Text("txtSkill(20)", "120"),
    Text("txtSkill(21)", "121"),
    Text("txtSkill(22)", "122"),
    Text("txtSkill(23)", "123"),
    {"chkPassiveAim", {" 0 ", " 0 ", " 1 "}},
    {"chkPassiveArrow", {" 0 ", " 1 ", " 0 "}},
    {"chkPassiveWeak", {" 1 ", " 0 ", " 0 "}},
    {"chkPassiveTrajectory", {" 0 ", " 1 ", " 1 "}},
    {"chkPassiveRenovate", {" 1 ", " 0 ", " 1 "}},
    {"chkGemStrong", {" 1 ", " 1 ", " 0 "}},
    Text("txtGemStrong", "31"),
    {"chkGemLocked", {" 2 ", " 0 ", " 0 "}},
    Text("txtGemLocked", "35"),
    {"chkGemSummon", {" 0 ", " 2 ", " 0 "}},
    Text("txtGemSummon", "36"),
    {"chkGemPoison", {" 0 ", " 0 ", " 2 "}},
    {"optGemPoison(0)", {"True", "False", "True"}},
    Text("txtGemPoison", "37"),
    {"chkMorePain", {" 1 ", " 1 ", " 1 "}},
    Text("txtMorePain", "38"),
    {"cboUsingSkill(0)", {" 6 ", " 12 ", " 18 "}},
    {"cboUsingSkill(1)", {" 7 ", " 13 ", " 19 "}},
    {"cboUsingSkill(2)", {" 8 ", " 14 ", " 20 "}},
    {"cboUsingSkill(3)", {" 9 ", " 15 ", " 21 "}},
    {"cboUsingSkill(4)", {" 10 ", " 16 ", " 22 "}},
    {"cboUsingSkill(5)", {" 11 ", " 17 ", " 23 "}},
    {"cboUsingSkillRune(0)", {" 0 ", " 5 ", " 3 "}},
    {"cboUsingSkillRune(1)", {" 1 ", " 4 ", " 5 "}},
    {"cboUsingSkillRune(2)", {" 2 ", " 3 ", " 1 "}},
    {"cboUsingSkillRune(3)", {" 3 ", " 2 ", " 4 "}},
    {"cboUsingSkillRune(4)", {" 4 ", " 1 ", " 0 "}},
    {"cboUsingSkillRune(5)", {" 5 ", " 0 ", " 2 "}},
    {"chkGemJ", {" 2 ", " 2 ", " 1 "}},
    Text("txtGemJ", "39"),
    {"cboGemJMeter", {" 4 ", " 3 ", " 2 "}},
};
static_assert(std::size(kHandWritten) == 65);

std::string HandWrittenProfile(int column) {
    std::vector<std::string> lines;
    for (const HandWrittenLine& row : kHandWritten) {
        lines.push_back(row.line[column]);
    }
    return Lines(lines);
}

// Sets each control by its name from the hand-written line, in file order (skills before runes).
void SetFromHandWritten(FormState& form, int column) {
    for (const HandWrittenLine& row : kHandWritten) {
        const std::u16string name = Utf16OfLatin1(row.control);
        const std::u16string line = Utf16OfLatin1(row.line[column]);
        switch (form.at(name).kind) {
            case ControlKind::TextBox:
                form.setText(name, line);
                break;
            case ControlKind::CheckBox:
                form.setCheck(name, std::stoi(row.line[column]));
                break;
            case ControlKind::DropDown:
                form.setListIndex(name, std::stoi(row.line[column]));
                break;
            default:
                form.setOption(name, line == u"True");
                break;
        }
    }
}

TEST(HandWrittenProfiles, EachControlIsWrittenOnItsOwnLine) {
    for (int column = 0; column < 3; ++column) {
        StartedForm started;
        SetFromHandWritten(started.form, column);
        EXPECT_EQ(WriteProfile(started.form), HandWrittenProfile(column)) << "profile " << column;
    }
}

TEST(HandWrittenProfiles, EachLineIsReadIntoItsOwnControl) {
    for (int column = 0; column < 3; ++column) {
        StartedForm started;
        ASSERT_TRUE(ReadProfile(HandWrittenProfile(column), started.form).complete);
        for (const HandWrittenLine& row : kHandWritten) {
            const ControlState& control = started.form.at(Utf16OfLatin1(row.control));
            const std::u16string line = Utf16OfLatin1(row.line[column]);
            if (control.kind == ControlKind::TextBox) {
                EXPECT_EQ(control.text, line) << row.control << " in profile " << column;
            } else if (control.kind == ControlKind::OptionButton) {
                EXPECT_EQ(control.value, line == u"True" ? 1 : 0) << row.control;
            } else {
                EXPECT_EQ(control.value, std::stoi(row.line[column]))
                    << row.control << " in profile " << column;
            }
        }
    }
}

// A form whose every stored input differs from the defaults.
void SetEveryStoredInput(FormState& form) {
    form.setListIndex(u"cboWeaponSpeed", 1);
    form.setText(u"txtWeaponExtraSpeed", u"7");
    form.setText(u"txtWeaponDamageMin", u"1000");
    form.setText(u"txtWeaponDamageMax", u"2000 최대");
    for (int element = 1; element <= 6; ++element) {
        form.setText(IndexedName("txtEnchant", element), IntegerText(element * 10 + 1));
    }
    form.setText(u"txtMainStat", u"12345");
    form.setText(u"txtAttackSpeed", u"33.3");
    form.setText(u"txtCriticalDamage", u"444");
    form.setText(u"txtCriticalChance", u"55.5");
    form.setText(u"txtTesker", u"6");
    form.setText(u"txtEnchantElite", u"");
    form.setText(u"txtDecreaseTime", u"  8  ");
    for (int skill : {0, 1, 2, 3, 4, 5, 6, 7, 8, 14, 16, 18, 19, 20, 21, 22, 23}) {
        form.setText(IndexedName("txtSkill", skill), IntegerText(skill + 100));
    }
    form.setCheck(u"chkPassiveAim", 0);
    form.setCheck(u"chkPassiveArrow", 1);
    form.setCheck(u"chkPassiveWeak", 0);
    form.setCheck(u"chkPassiveTrajectory", 2);
    form.setCheck(u"chkPassiveRenovate", 1);
    form.setCheck(u"chkGemStrong", 1);
    form.setText(u"txtGemStrong", u"41");
    form.setCheck(u"chkGemLocked", 0);
    form.setText(u"txtGemLocked", u"42");
    form.setCheck(u"chkGemSummon", 0);
    form.setText(u"txtGemSummon", u"43");
    form.setCheck(u"chkGemPoison", 1);
    form.setOption(u"optGemPoison(1)", true);
    form.setText(u"txtGemPoison", u"44");
    form.setCheck(u"chkMorePain", 1);
    form.setText(u"txtMorePain", u"45");
    const int skills[] = {0, 5, 7, 8, 23, 9};
    const int runes[] = {5, 4, 3, 2, 1, 0};
    for (int slot = 0; slot < kSlotCount; ++slot) {
        form.setListIndex(SkillListName(slot), skills[slot]);
        form.setListIndex(RuneListName(slot), runes[slot]);
    }
    form.setCheck(u"chkGemJ", 1);
    form.setText(u"txtGemJ", u"46");
    form.setListIndex(u"cboGemJMeter", 3);
}

// The controls a profile does not carry, set away from their start-up values.
void SetEveryControlOutsideTheProfile(FormState& form) {
    form.setCheck(u"chkCompanion", 1);
    form.setCheck(u"chkMark", 1);
    form.setCheck(u"chkCrossbow", 0);
    form.setCheck(u"chkGrenadier", 1);
    form.setCheck(u"chkVoodoo", 1);
    form.setOption(u"optVoodooETC", true);
    form.setCheck(u"chkOurGemPoison", 1);
    form.setListIndex(u"cboOurGemPoison", 2);
    form.setText(u"Text1", u"trace");
    form.setText(u"txtBowCycleResult", u"report");
}

TEST(ReadProfile, SavingThenLoadingRestoresAllSixtyFiveAndNothingElse) {
    StartedForm source;
    SetEveryStoredInput(source.form);
    const std::string bytes = WriteProfile(source.form);

    StartedForm target;
    SetEveryControlOutsideTheProfile(target.form);
    const std::vector<ControlState> targetBefore = target.form.controls();
    const ProfileReadResult result = ReadProfile(bytes, target.form);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(result.linesApplied, 65);

    // Written again, the loaded form gives the very same bytes.
    EXPECT_EQ(WriteProfile(target.form), bytes);
    const CharacterSheet loaded = target.form.characterSheet();
    const CharacterSheet saved = source.form.characterSheet();
    EXPECT_EQ(loaded.txtWeaponDamageMax, 2000);
    EXPECT_EQ(loaded.cboUsingSkill, saved.cboUsingSkill);
    EXPECT_EQ(loaded.cboUsingSkillRune, saved.cboUsingSkillRune);
    EXPECT_EQ(target.form.at(u"txtDecreaseTime").text, u"  8  ");
    EXPECT_EQ(target.form.at(u"txtEnchantElite").text, u"");
    EXPECT_EQ(target.form.at(u"lblSkillElement(0)").text, u"신성 속성");
    EXPECT_EQ(target.form.at(u"cboUsingSkillRune(5)").items[0], u"룬 9-0");
    EXPECT_FALSE(loaded.optGemPoisonBuffOnly);

    for (const char* untouched : {"chkCompanion", "chkMark", "chkCrossbow", "chkGrenadier",
                                  "chkVoodoo", "optVoodooDance", "optVoodooETC", "chkOurGemPoison",
                                  "cboOurGemPoison", "Text1", "txtBowCycleResult", "fraVoodoo"}) {
        const ControlState& now = target.form.at(Utf16OfLatin1(untouched));
        const auto before = std::find_if(targetBefore.begin(), targetBefore.end(),
                                         [&](const ControlState& c) { return c.name == now.name; });
        EXPECT_EQ(now.value, before->value) << untouched;
        EXPECT_EQ(now.text, before->text) << untouched;
        EXPECT_EQ(now.visible, before->visible) << untouched;
    }
}

std::string ProfileWithLine(int lineNumber, const std::string& value) {
    std::vector<std::string> lines = kDefaultLines;
    lines[lineNumber - 1] = value;
    return Lines(lines);
}

TEST(ReadProfile, AFileOfSixtyFourLinesAppliesThemAllThenStops) {
    StartedForm started;
    started.form.setListIndex(u"cboGemJMeter", 2);
    std::vector<std::string> lines = kDefaultLines;
    lines[63] = "99";  // txtGemJ, line 64
    lines.pop_back();

    const ProfileReadResult result = ReadProfile(Lines(lines), started.form);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.linesApplied, 64);
    EXPECT_EQ(started.form.at(u"txtGemJ").text, u"99");
    EXPECT_EQ(started.form.at(u"cboGemJMeter").value, 2);
}

TEST(ReadProfile, ASkillOutsideTheListStopsAfterTheLinesBeforeIt) {
    StartedForm started;
    std::vector<std::string> lines = kDefaultLines;
    lines[49] = "77";    // txtMorePain, line 50
    lines[50] = " 3 ";   // slot 0, line 51
    lines[51] = " 4 ";   // slot 1, line 52
    lines[52] = " 30 ";  // slot 2, line 53: the list has 24 entries
    lines[53] = " 6 ";

    const ProfileReadResult result = ReadProfile(Lines(lines), started.form);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.linesApplied, 52);
    EXPECT_EQ(started.form.at(u"txtMorePain").text, u"77");
    EXPECT_EQ(started.form.at(u"cboUsingSkill(0)").value, 3);
    EXPECT_EQ(started.form.at(u"cboUsingSkill(1)").value, 4);
    EXPECT_EQ(started.form.at(u"cboUsingSkill(2)").value, 10);
    EXPECT_EQ(started.form.at(u"cboUsingSkill(3)").value, 14);
    // Slot 0's skill change refilled its runes and chose the first.
    EXPECT_EQ(started.form.at(u"cboUsingSkillRune(0)").value, 0);
    EXPECT_EQ(started.form.at(u"cboUsingSkillRune(0)").items[0], u"룬 3-0");
}

TEST(ReadProfile, TheFlagLineSelectsTheBuffOptionOnlyForTheExactWord) {
    const struct {
        std::string line;
        bool buffOnly;
    } cases[] = {
        {"True", true},   {"true", false},  {"TRUE", false}, {"False", false},
        {" True", false}, {"True ", false}, {"", false},     {"1", false},
    };
    for (const auto& c : cases) {
        StartedForm started;
        // Start from the other option, so that the line is seen to choose.
        started.form.setOption(u"optGemPoison(0)", !c.buffOnly);
        const ProfileReadResult result = ReadProfile(ProfileWithLine(47, c.line), started.form);
        EXPECT_TRUE(result.complete) << c.line;
        EXPECT_EQ(started.form.at(u"optGemPoison(0)").value, c.buffOnly ? 1 : 0) << c.line;
        EXPECT_EQ(started.form.at(u"optGemPoison(1)").value, c.buffOnly ? 0 : 1) << c.line;
    }
}

struct IntegerCase {
    int line;
    std::string text;
    int expected;  // the value applied, or -99 when the line must stop the read
};

void PrintTo(const IntegerCase& c, std::ostream* out) {
    *out << "line " << c.line << " \"" << c.text << "\"";
}

constexpr int kStops = -99;

class IntegerLines : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerLines, AreReadAsRoundedNumbersAndCheckedAgainstTheirControl) {
    const IntegerCase& c = GetParam();
    const std::u16string control = c.line == 1    ? u"cboWeaponSpeed"
                                   : c.line == 35 ? u"chkPassiveAim"
                                   : c.line == 51 ? u"cboUsingSkill(0)"
                                   : c.line == 57 ? u"cboUsingSkillRune(0)"
                                                  : u"cboGemJMeter";
    StartedForm started;
    const ProfileReadResult result = ReadProfile(ProfileWithLine(c.line, c.text), started.form);
    if (c.expected == kStops) {
        EXPECT_FALSE(result.complete);
        EXPECT_EQ(result.linesApplied, c.line - 1);
        // The control holds what the lines before left in it.
        StartedForm linesBefore;
        ReadProfile(Lines({kDefaultLines.begin(), kDefaultLines.begin() + (c.line - 1)}),
                    linesBefore.form);
        EXPECT_EQ(started.form.at(control).value, linesBefore.form.at(control).value);
    } else {
        EXPECT_TRUE(result.complete);
        EXPECT_EQ(started.form.at(control).value, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(BlanksAndRounding, IntegerLines,
                         ::testing::Values(IntegerCase{51, " 3 ", 3}, IntegerCase{51, "3", 3},
                                           IntegerCase{51, "   3   ", 3}, IntegerCase{51, "\t3", 3},
                                           IntegerCase{51, "2.5", 2}, IntegerCase{51, "3.5", 4},
                                           IntegerCase{51, "1 2", 12}, IntegerCase{51, "&H10", 16},
                                           IntegerCase{51, "", 0}, IntegerCase{51, "abc", 0},
                                           IntegerCase{51, "23", 23}, IntegerCase{1, "2", 2},
                                           IntegerCase{1, "0.5", 0}, IntegerCase{1, "1.5", 2}));

INSTANTIATE_TEST_SUITE_P(
    ListBounds, IntegerLines,
    ::testing::Values(IntegerCase{1, "-1 ", -1}, IntegerCase{65, "-1 ", -1},
                      IntegerCase{65, " 4 ", 4}, IntegerCase{65, " 5 ", kStops},
                      IntegerCase{1, " 3 ", kStops}, IntegerCase{1, "-2 ", kStops},
                      IntegerCase{51, "-1 ", kStops}, IntegerCase{51, " 24 ", kStops},
                      IntegerCase{57, "-1 ", kStops}, IntegerCase{57, " 5 ", 5},
                      IntegerCase{57, " 6 ", kStops}, IntegerCase{57, "5.5", kStops},
                      IntegerCase{1, "40000", kStops}, IntegerCase{1, "-32769", kStops}));

INSTANTIATE_TEST_SUITE_P(CheckBoxStates, IntegerLines,
                         ::testing::Values(IntegerCase{35, " 0 ", 0}, IntegerCase{35, " 1 ", 1},
                                           IntegerCase{35, " 2 ", 2},
                                           IntegerCase{35, " 3 ", kStops},
                                           IntegerCase{35, "-1 ", kStops}));

TEST(ReadProfile, KoreanTextComesBackUnchangedFromCodePage949) {
    StartedForm started;
    const std::string korean = "\xB0\xA1\xB3\xAA\xB4\xD9 \xB9\xCE\xC3\xB8";  // "가나다 민첩"
    EXPECT_TRUE(ReadProfile(ProfileWithLine(11, korean), started.form).complete);
    EXPECT_EQ(started.form.at(u"txtMainStat").text, u"가나다 민첩");
    EXPECT_EQ(WriteProfile(started.form), ProfileWithLine(11, korean));
}

TEST(ReadProfile, LinesEndAtCarriageReturnsAndKeepLoneLineFeeds) {
    StartedForm started;
    std::string bytes = Lines(kDefaultLines);
    bytes = testing::ReplaceAll(bytes, "\r\n2154\r\n", "\r2154\r");  // lines 2-4 end in bare CRs
    bytes = testing::ReplaceAll(bytes, "\r\n8830\r\n", "\r\n88\n30\r\n");
    EXPECT_TRUE(ReadProfile(bytes, started.form).complete);
    EXPECT_EQ(started.form.at(u"txtWeaponDamageMin").text, u"2154");
    EXPECT_EQ(started.form.at(u"txtWeaponDamageMax").text, u"2652");
    EXPECT_EQ(started.form.at(u"txtMainStat").text, u"88\n30");
}

TEST(ReadProfile, TheLastLineNeedsNoLineEndAndLinesAfterItAreIgnored) {
    StartedForm started;
    std::string bytes = Lines(kDefaultLines);
    bytes.resize(bytes.size() - 2);
    bytes.replace(bytes.size() - 3, 3, " 3 ");
    EXPECT_TRUE(ReadProfile(bytes, started.form).complete);
    EXPECT_EQ(started.form.at(u"cboGemJMeter").value, 3);

    StartedForm other;
    const std::string longer = Lines(kDefaultLines) + "garbage\r\n 99 \r\n\xFF\xFF";
    EXPECT_TRUE(ReadProfile(longer, other.form).complete);
}

TEST(ReadProfile, InvalidCodePage949AndVeryLongTextsLoadWithoutHarm) {
    StartedForm started;
    const std::string longLine(10000, '7');
    std::string bytes = ProfileWithLine(2, longLine);
    bytes = testing::ReplaceAll(bytes, "\r\n8830\r\n", "\r\n\xFF\x80\xC8\r\n");
    EXPECT_TRUE(ReadProfile(bytes, started.form).complete);
    EXPECT_EQ(started.form.at(u"txtWeaponExtraSpeed").text.size(), 10000);
    EXPECT_FALSE(started.form.at(u"txtMainStat").text.empty());
}

TEST(ReadProfile, AnEmptyFileAppliesNothing) {
    StartedForm started;
    const ProfileReadResult result = ReadProfile(std::string(), started.form);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.linesApplied, 0);
    EXPECT_EQ(started.form.at(u"cboWeaponSpeed").value, 0);
}

}  // namespace
}  // namespace brakefell
