#include "editions/window_layout.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace brakefell {
namespace {

constexpr auto kForm = LayoutParent::Form;
constexpr auto kFrame1 = LayoutParent::Frame1;

constexpr FontSpec kWindowFont{};
constexpr FontSpec kReportFont{TypeFace::FixedPitch, 9, false};
constexpr FontSpec kButtonFont{TypeFace::Window, 12, true};

constexpr int kRowHeight = 270;  // text boxes, check boxes, option buttons, labels
constexpr int kListHeight = 300;
constexpr int kHeadingHeight = 300;
constexpr int kUnitWidth = 240;  // the "%" after a box

// Tops of the rows of the stat column: row i stands at first + i * step.
struct Rows {
    int first;
    int step;
    constexpr int operator[](int row) const { return first + row * step; }
};

constexpr LayoutItem Control(const char* name, LayoutParent parent, int left, int top, int width,
                             int height = kRowHeight, FontSpec font = kWindowFont) {
    return {name, nullptr, parent, left, top, width, height, font, TextAlign::Left, nullptr};
}

constexpr LayoutItem List(const char* name, LayoutParent parent, int left, int top, int width) {
    return Control(name, parent, left, top, width, kListHeight);
}

// A fixed label; `names` is the input it stands for, when it is one's label.
constexpr LayoutItem Caption(const char* text, LayoutParent parent, int left, int top, int width,
                             const char* names = nullptr) {
    return {nullptr,    text,        parent,          left, top, width,
            kRowHeight, kWindowFont, TextAlign::Left, names};
}

constexpr LayoutItem Unit(const char* text, LayoutParent parent, int left, int top,
                          int width = kUnitWidth) {
    return {nullptr,    text,        parent,          left,   top, width,
            kRowHeight, kWindowFont, TextAlign::Left, nullptr};
}

constexpr LayoutItem Heading(const char* text, LayoutParent parent, int left, int top, int width) {
    return {
        nullptr,           text,   parent, left, top, width, kHeadingHeight, kSectionHeadingFont,
        TextAlign::Centre, nullptr};
}

constexpr LayoutItem FullWidthHeading(const char* text, int top) {
    return Heading(text, kFrame1, 120, top, 4335);
}

template <typename T, std::size_t... N>
constexpr auto Join(const std::array<T, N>&... parts) {
    std::array<T, (N + ...)> all{};
    std::size_t next = 0;
    ((std::copy(parts.begin(), parts.end(), all.begin() + next), next += N), ...);
    return all;
}

// An element bonus box with its name before and "%" after, in one of three columns.
constexpr std::array<LayoutItem, 3> ElementBox(const char* caption, const char* box, int column,
                                               int top) {
    constexpr int kColumnLeft[] = {120, 1680, 3120};
    const int left = kColumnLeft[column];
    return {Caption(caption, kFrame1, left, top, 450, box),
            Control(box, kFrame1, left + 480, top, 615), Unit("%", kFrame1, left + 1110, top)};
}

constexpr std::array<LayoutItem, 5> WeaponSpeedRow(int top) {
    return {Caption("무기 공속", kFrame1, 120, top, 945, "cboWeaponSpeed"),
            List("cboWeaponSpeed", kFrame1, 1080, top, 855),
            Caption("무기 추가 공속", kFrame1, 2040, top, 1215, "txtWeaponExtraSpeed"),
            Control("txtWeaponExtraSpeed", kFrame1, 3270, top, 465), Unit("%", kFrame1, 3750, top)};
}

// "기본 데미지" with its minimum and maximum boxes.
constexpr std::array<LayoutItem, 4> WeaponDamageRow(int left, int top) {
    const int boxLeft = left + 1200;
    return {Caption("기본 데미지", kFrame1, left, top, 1155, "txtWeaponDamageMin"),
            Control("txtWeaponDamageMin", kFrame1, boxLeft, top, 660),
            {nullptr, "-", kFrame1, boxLeft + 675, top, 150, kRowHeight, kWindowFont,
             TextAlign::Centre, nullptr},
            Control("txtWeaponDamageMax", kFrame1, boxLeft + 840, top, 660)};
}

// The statistics and the per-skill bonuses stand in three columns of 1440 twips each.
constexpr int kColumnLeft[] = {120, 1560, 3000};

// A statistic: its name, its box and, for a percent figure, "%" after the box.
constexpr std::array<LayoutItem, 3> StatBox(const char* caption, const char* box, int column,
                                            int top) {
    const int left = kColumnLeft[column];
    return {Caption(caption, kFrame1, left, top, 690, box),
            Control(box, kFrame1, left + 705, top, 465), Unit("%", kFrame1, left + 1185, top)};
}

constexpr auto StatSection(Rows r) {
    return Join(
        std::array{FullWidthHeading("-능력치(세부속성 그대로 입력)-", r[6]),
                   Caption("민첩", kFrame1, 120, r[7], 690, "txtMainStat"),
                   Control("txtMainStat", kFrame1, 825, r[7], 675)},
        StatBox("극대피해", "txtCriticalDamage", 1, r[7]), StatBox("테스커", "txtTesker", 2, r[7]),
        StatBox("공격속도", "txtAttackSpeed", 0, r[8]),
        StatBox("극대확률", "txtCriticalChance", 1, r[8]),
        StatBox("정.피.증", "txtEnchantElite", 2, r[8]),
        std::array{Caption("재사용 대기시간 감소", kFrame1, 120, r[9], 1905, "txtDecreaseTime"),
                   Control("txtDecreaseTime", kFrame1, 2040, r[9], 525),
                   Unit("%", kFrame1, 2580, r[9])});
}

// One per-skill bonus box with the skill's name before it.
constexpr std::array<LayoutItem, 2> SkillBox(const char* skillName, const char* box, int column,
                                             int top) {
    const int left = kColumnLeft[column];
    return {Caption(skillName, kFrame1, left, top, 945, box),
            Control(box, kFrame1, left + 960, top, 465)};
}

constexpr auto SkillSection(Rows r) {
    return Join(
        std::array{Heading("-스킬 증가-", kFrame1, 120, r[10], 1425)},
        SkillBox("투검", "txtSkill(5)", 1, r[10]), SkillBox("동료", "txtSkill(14)", 2, r[10]),
        SkillBox("굶주린 화살", "txtSkill(0)", 0, r[11]),
        SkillBox("속박탄", "txtSkill(1)", 0, r[12]), SkillBox("올가미", "txtSkill(2)", 0, r[13]),
        SkillBox("회피 사격", "txtSkill(3)", 0, r[14]), SkillBox("수류탄", "txtSkill(4)", 0, r[15]),
        SkillBox("연발사격", "txtSkill(6)", 1, r[11]),
        SkillBox("회전표창", "txtSkill(7)", 1, r[12]),
        SkillBox("원소화살", "txtSkill(8)", 1, r[13]),
        SkillBox("자동 쇠뇌", "txtSkill(18)", 1, r[14]),
        SkillBox("다발사격", "txtSkill(21)", 1, r[15]), SkillBox("복수", "txtSkill(19)", 2, r[11]),
        SkillBox("복수의 비", "txtSkill(23)", 2, r[12]), SkillBox("난사", "txtSkill(20)", 2, r[13]),
        SkillBox("칼날 부채", "txtSkill(16)", 2, r[14]),
        SkillBox("확산탄", "txtSkill(22)", 2, r[15]));
}

constexpr std::array<LayoutItem, 7> PassiveSection(Rows r) {
    return {FullWidthHeading("-지속 스킬-", r[16]),
            Control("chkPassiveAim", kFrame1, 120, r[17], 1425),
            Control("chkPassiveArrow", kFrame1, 1560, r[17], 1425),
            Control("chkPassiveRenovate", kFrame1, 3000, r[17], 1455),
            Control("chkPassiveWeak", kFrame1, 120, r[18], 1425),
            Control("chkPassiveTrajectory", kFrame1, 1560, r[18], 1425),
            Control("chkGrenadier", kFrame1, 3000, r[18], 1455)};
}

constexpr std::array<LayoutItem, 17> GemSection(Rows r) {
    return {FullWidthHeading("-전설 보석-", r[19]),
            Control("chkGemStrong", kFrame1, 120, r[20], 1545),
            Control("txtGemStrong", kFrame1, 1680, r[20], 465),
            Control("chkMorePain", kFrame1, 2400, r[20], 1545),
            Control("txtMorePain", kFrame1, 3960, r[20], 465),
            Control("chkGemLocked", kFrame1, 120, r[21], 1545),
            Control("txtGemLocked", kFrame1, 1680, r[21], 465),
            Control("chkGemSummon", kFrame1, 2400, r[21], 1545),
            Control("txtGemSummon", kFrame1, 3960, r[21], 465),
            Control("chkGemPoison", kFrame1, 120, r[22], 1545),
            Control("txtGemPoison", kFrame1, 1680, r[22], 465),
            Control("optGemPoison(0)", kFrame1, 2760, r[22], 945),
            Control("optGemPoison(1)", kFrame1, 3720, r[22], 735),
            Control("chkGemJ", kFrame1, 120, r[23], 1545),
            Control("txtGemJ", kFrame1, 1680, r[23], 465),
            Caption("거리", kFrame1, 2220, r[23], 405, "cboGemJMeter"),
            List("cboGemJMeter", kFrame1, 2640, r[23], 735)};
}

constexpr std::array<LayoutItem, 3> SlotRow(int slot, int top) {
    constexpr const char* kSkill[] = {"cboUsingSkill(0)", "cboUsingSkill(1)", "cboUsingSkill(2)",
                                      "cboUsingSkill(3)", "cboUsingSkill(4)", "cboUsingSkill(5)"};
    constexpr const char* kRune[] = {"cboUsingSkillRune(0)", "cboUsingSkillRune(1)",
                                     "cboUsingSkillRune(2)", "cboUsingSkillRune(3)",
                                     "cboUsingSkillRune(4)", "cboUsingSkillRune(5)"};
    constexpr const char* kElement[] = {"lblSkillElement(0)", "lblSkillElement(1)",
                                        "lblSkillElement(2)", "lblSkillElement(3)",
                                        "lblSkillElement(4)", "lblSkillElement(5)"};
    return {List(kSkill[slot], kFrame1, 120, top, 1380),
            List(kRune[slot], kFrame1, 1545, top, 1755),
            Control(kElement[slot], kFrame1, 3345, top, 1110)};
}

constexpr auto SlotSection(Rows r) {
    return Join(std::array{FullWidthHeading("-사용 스킬-", r[24])}, SlotRow(0, r[25]),
                SlotRow(1, r[26]), SlotRow(2, r[27]), SlotRow(3, r[28]), SlotRow(4, r[29]),
                SlotRow(5, r[30]));
}

// The two voodoo options inside their borderless frame, the same in both editions.
constexpr std::array<LayoutItem, 2> kVoodooOptions{
    Control("optVoodooDance", LayoutParent::fraVoodoo, 0, 0, 1545),
    Control("optVoodooETC", LayoutParent::fraVoodoo, 1560, 0, 855)};

// The damage-over-time frame and its two boxes, which take the window's default font.
constexpr std::array<LayoutItem, 3> MoreDamage(int left, int top, int width) {
    constexpr auto kInFrame = LayoutParent::fraMoreDamage;
    return {Control("fraMoreDamage", kForm, left, top, width, 2055),
            Control("txtResult(7)", kInFrame, 120, 360, width - 240, 735),
            Control("txtResult(8)", kInFrame, 120, 1200, width - 240, 735)};
}

constexpr LayoutItem ReportBox(const char* name, int left, int top, int width, int height,
                               FontSpec font = kReportFont) {
    return Control(name, kForm, left, top, width, height, font);
}

// ---- Full edition -------------------------------------------------------------------------

constexpr Rows kFullRows{240, 360};

constexpr auto kFullItems = Join(
    std::array{Control("Frame1", kForm, 0, 120, 4575, 12855),
               FullWidthHeading("-무기-", kFullRows[0])},
    WeaponSpeedRow(kFullRows[1]), WeaponDamageRow(120, kFullRows[2]),
    std::array{FullWidthHeading("-속성 피해-", kFullRows[3])},
    ElementBox("화염", "txtEnchant(1)", 0, kFullRows[4]),
    ElementBox("냉기", "txtEnchant(2)", 1, kFullRows[4]),
    ElementBox("번개", "txtEnchant(5)", 2, kFullRows[4]),
    ElementBox("물리", "txtEnchant(3)", 0, kFullRows[5]),
    ElementBox("독", "txtEnchant(4)", 1, kFullRows[5]),
    ElementBox("신성", "txtEnchant(6)", 2, kFullRows[5]), StatSection(kFullRows),
    SkillSection(kFullRows), PassiveSection(kFullRows), GemSection(kFullRows),
    SlotSection(kFullRows),
    std::array{FullWidthHeading("-결과 계산 적용 변수-", kFullRows[31]),
               Control("chkCrossbow", kFrame1, 120, kFullRows[32], 1545),
               Control("chkMark", kFrame1, 1680, kFullRows[32], 1545),
               Control("chkCompanion", kFrame1, 3240, kFullRows[32], 1215),
               Control("chkVoodoo", kFrame1, 120, kFullRows[33], 1785),
               Control("fraVoodoo", kFrame1, 1920, kFullRows[33], 2535),
               Control("chkOurGemPoison", kFrame1, 120, kFullRows[34], 2265),
               List("cboOurGemPoison", kFrame1, 2400, kFullRows[34], 735),
               // In the free corner under "동료-늑대": the window had no other room.
               Control("cmdAnalysis", kFrame1, 3240, kFullRows[34] - 30, 1215, 390)},
    kVoodooOptions,
    std::array{ReportBox("txtResult(0)", 4680, 120, 14415, 1680),
               ReportBox("txtResult(1)", 4680, 1800, 14415, 1680),
               ReportBox("txtResult(2)", 4680, 3480, 14415, 1680),
               ReportBox("txtResult(3)", 4680, 5160, 14415, 1680),
               ReportBox("txtResult(4)", 4680, 6840, 14415, 1680),
               ReportBox("txtResult(5)", 4680, 8520, 14415, 1680),
               ReportBox("txtResult(6)", 4680, 10320, 4815, 1335)},
    MoreDamage(4680, 11760, 4815),
    std::array{
        ReportBox("txtBowCycleResult", 9600, 10320, 9495, 3495, {TypeFace::FixedPitch, 9.75, true}),
        ReportBox("Text1", 6600, 240, 10455, 12255, kWindowFont),
        Control("cmdOpen", kForm, 120, 13080, 1095, 735),
        Control("cmdSaveStat", kForm, 1320, 13080, 1095, 735),
        Control("cmdCalculation", kForm, 2520, 13080, 1935, 735, kButtonFont)});

// Tab walks both windows alike through the stat column, the slots, the buttons and the report
// boxes; the section "-결과 계산 적용 변수-" and the gems after it, which the two windows place
// differently, it walks where each window puts them.
constexpr auto kTabOrderStart = std::to_array<const char*>({
    "cboWeaponSpeed",       "txtWeaponExtraSpeed",  "txtWeaponDamageMin",   "txtWeaponDamageMax",
    "txtEnchant(1)",        "txtEnchant(2)",        "txtEnchant(3)",        "txtEnchant(4)",
    "txtMainStat",          "txtAttackSpeed",       "txtCriticalDamage",    "txtCriticalChance",
    "txtEnchantElite",      "txtSkill(0)",          "txtSkill(1)",          "txtSkill(2)",
    "txtSkill(3)",          "txtSkill(4)",          "txtSkill(5)",          "txtSkill(6)",
    "txtSkill(7)",          "txtSkill(8)",          "txtSkill(18)",         "txtSkill(16)",
    "txtSkill(20)",         "txtSkill(21)",         "txtSkill(22)",         "chkPassiveAim",
    "chkPassiveWeak",       "chkPassiveArrow",      "chkPassiveTrajectory", "chkGemStrong",
    "chkGemLocked",         "chkGemSummon",         "txtGemStrong",         "txtGemLocked",
    "txtGemSummon",         "txtEnchant(5)",        "cboUsingSkill(0)",     "cboUsingSkill(1)",
    "cboUsingSkill(2)",     "cboUsingSkill(3)",     "cboUsingSkill(4)",     "cboUsingSkill(5)",
    "cboUsingSkillRune(0)", "cboUsingSkillRune(1)", "cboUsingSkillRune(2)", "cboUsingSkillRune(3)",
    "cboUsingSkillRune(4)", "cboUsingSkillRune(5)", "cmdCalculation",       "txtTesker",
    "txtSkill(14)",         "txtSkill(19)",         "txtSkill(23)",         "txtEnchant(6)",
    "cmdSaveStat",
});

constexpr auto kTabOrderMiddle = std::to_array<const char*>({
    "txtMorePain",        "chkMorePain",  "cmdOpen",           "txtResult(0)",
    "txtResult(1)",       "txtResult(2)", "txtResult(3)",      "txtResult(4)",
    "txtResult(6)",       "txtResult(7)", "txtBowCycleResult", "txtDecreaseTime",
    "chkPassiveRenovate", "Text1",        "txtResult(5)",      "txtGemPoison",
    "chkGemPoison",       "txtResult(8)", "optGemPoison(0)",   "optGemPoison(1)",
});

constexpr auto kFullTabOrder =
    Join(kTabOrderStart, std::to_array<const char*>({"chkCrossbow", "chkMark", "chkCompanion"}),
         kTabOrderMiddle,
         std::to_array<const char*>({
             "chkGrenadier",
             "chkVoodoo",
             "chkGemJ",
             "cboGemJMeter",
             "txtGemJ",
             "optVoodooETC",
             "optVoodooDance",
             "chkOurGemPoison",
             "cboOurGemPoison",
             "cmdAnalysis",
         }));

constexpr WindowLayout kFullLayout{
    "Brakefell 데미지 계산기(v007)", 19125, 13920, kFullItems, kFullTabOrder, {}};

// ---- Lite edition -------------------------------------------------------------------------
// A window for 1024 × 768 screens: the stat column is shorter (tighter rows, the weapon damage on
// the heading row), the command buttons and the section "-결과 계산 적용 변수-" stand at the top
// of the report area, and the hit blocks take two columns.

constexpr Rows kLiteRows{240, 330};

constexpr auto kLiteItems = Join(
    std::array{
        Control("Frame1", kForm, 0, 60, 4575, 10455),
        Heading("-무기-", kFrame1, 120, kLiteRows[0], 825),
    },
    WeaponDamageRow(960, kLiteRows[0]), WeaponSpeedRow(kLiteRows[1]),
    std::array{FullWidthHeading("-속성 피해-", kLiteRows[2])},
    ElementBox("화염", "txtEnchant(1)", 0, kLiteRows[3]),
    ElementBox("냉기", "txtEnchant(2)", 1, kLiteRows[3]),
    ElementBox("물리", "txtEnchant(3)", 0, kLiteRows[4]),
    ElementBox("독", "txtEnchant(4)", 1, kLiteRows[4]),
    ElementBox("번개", "txtEnchant(5)", 0, kLiteRows[5]),
    ElementBox("신성", "txtEnchant(6)", 1, kLiteRows[5]), StatSection(kLiteRows),
    SkillSection(kLiteRows), PassiveSection(kLiteRows), GemSection(kLiteRows),
    SlotSection(kLiteRows),
    std::array{
        Caption("※ 본 프로그램은 1024 × 768 화면에 최적화 되어 제작되었습니다.", kForm, 9480, 120,
                5760),
        Control("cmdOpen", kForm, 4680, 120, 1095, 735),
        Control("cmdSaveStat", kForm, 5880, 120, 1095, 735),
        Control("cmdCalculation", kForm, 7080, 120, 1935, 735, kButtonFont),
        Heading("-결과 계산 적용 변수-", kForm, 4680, 960, 2535),
        Control("chkVoodoo", kForm, 7320, 960, 1785),
        Control("fraVoodoo", kForm, 9120, 960, 2535),
        Control("chkCrossbow", kForm, 4680, 1320, 1545),
        Control("chkMark", kForm, 6240, 1320, 1545),
        Control("chkCompanion", kForm, 7800, 1320, 1215),
        Control("chkOurGemPoison", kForm, 9120, 1320, 2265),
        List("cboOurGemPoison", kForm, 11400, 1320, 735),
        // In the free room under the notice, at the right end of the options.
        Control("cmdAnalysis", kForm, 14040, 960, 1095, 735),
    },
    kVoodooOptions,
    std::array{ReportBox("txtResult(0)", 4680, 1800, 5280, 1680),
               ReportBox("txtResult(1)", 4680, 3480, 5280, 1680),
               ReportBox("txtResult(2)", 4680, 5160, 5280, 1680),
               ReportBox("txtResult(3)", 9960, 1800, 5280, 1680),
               ReportBox("txtResult(4)", 9960, 3480, 5280, 1680),
               ReportBox("txtResult(5)", 9960, 5160, 5280, 1680),
               ReportBox("txtResult(6)", 4680, 6960, 3465, 1335)},
    MoreDamage(4680, 8400, 3465),
    std::array{
        ReportBox("txtBowCycleResult", 8160, 6960, 7095, 3495, {TypeFace::FixedPitch, 9, true}),
        ReportBox("Text1", 4680, 1800, 10560, 8655, kWindowFont)});

constexpr auto kLiteTabOrder = Join(kTabOrderStart, kTabOrderMiddle,
                                    std::to_array<const char*>({
                                        "chkCompanion",
                                        "chkMark",
                                        "chkCrossbow",
                                        "chkGrenadier",
                                        "cboOurGemPoison",
                                        "chkOurGemPoison",
                                        "optVoodooDance",
                                        "optVoodooETC",
                                        "chkVoodoo",
                                        "txtGemJ",
                                        "cboGemJMeter",
                                        "chkGemJ",
                                        "cmdAnalysis",
                                    }));

constexpr CaptionOverride kLiteCaptions[] = {{"chkCompanion", "동물-늑대"}};

constexpr WindowLayout kLiteLayout{
    "Brakefell 데미지 계산기 (Lite)", 15270, 10530, kLiteItems, kLiteTabOrder, kLiteCaptions};

}  // namespace

const WindowLayout& LayoutOf(Edition edition) {
    return edition == Edition::Lite ? kLiteLayout : kFullLayout;
}

}  // namespace brakefell
