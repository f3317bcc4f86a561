#include "form/control_table.h"

#include <array>
#include <string_view>
#include <unordered_map>

#include "editions/window_layout.h"

namespace brakefell {
namespace {

constexpr bool kShown = true;
constexpr bool kHidden = false;

constexpr ControlSpec Text(const char* name, const char* text) {
    return {name, ControlKind::TextBox, "", "", text, 0, kShown};
}

constexpr ControlSpec Check(const char* name, const char* caption, int checked,
                            const char* tooltip = "", bool visible = kShown) {
    return {name, ControlKind::CheckBox, caption, tooltip, "", checked, visible};
}

constexpr ControlSpec Option(const char* name, const char* caption, int selected, bool visible) {
    return {name, ControlKind::OptionButton, caption, "", "", selected, visible};
}

// Lists start with no selection; start-up fills and selects them.
constexpr ControlSpec List(const char* name, bool visible, const char* tooltip = "",
                           std::span<const char* const> items = {}) {
    return {name, ControlKind::DropDown, "", tooltip, "", -1, visible, items};
}

constexpr ControlSpec Frame(const char* name, const char* caption, bool visible) {
    return {name, ControlKind::Frame, caption, "", "", 0, visible};
}

// A report box shows no caption; its caption is what a screen reader calls it.
constexpr ControlSpec Result(const char* name, const char* spoken, bool visible,
                             ControlRole role = ControlRole::ReportBox, ControlLook look = {}) {
    return {name, ControlKind::ResultBox, spoken, "", "", 0, visible, {}, role, look};
}

constexpr ControlSpec ElementLabel(const char* name) {
    return {name, ControlKind::Label, "", "", "", 0, kShown};
}

// The tooltip names the keys that press the button as well.
constexpr ControlSpec Button(const char* name, const char* caption, const char* tooltip,
                             ControlRole role, ControlLook look = {}) {
    return {name, ControlKind::CommandButton, caption, tooltip, "", 0, kShown, {}, role, look};
}

// The sentries' totals stand out in dark red, and "계산" among the buttons.
constexpr ControlLook kTotalsLook{true, {192, 0, 0}, true};
constexpr ControlLook kMainCommandLook{false, {}, true};

constexpr std::array<const char*, 3> kWeaponSpeedItems{"1.1", "1.4", "1.6"};

constexpr char kFiveSentriesTip[] = "쇠뇌를 총 5개로 계산";

// The window's controls from top to bottom of the stat column, then the report area.
constexpr ControlSpec kControls[] = {
    Frame("Frame1", "능력치", kShown),

    // -무기-
    List("cboWeaponSpeed", kShown, "", kWeaponSpeedItems),
    Text("txtWeaponExtraSpeed", "6"),
    Text("txtWeaponDamageMin", "2154"),
    Text("txtWeaponDamageMax", "2652"),

    // -속성 피해-: the index is the element code
    Text("txtEnchant(1)", "80"),
    Text("txtEnchant(2)", "0"),
    Text("txtEnchant(3)", "0"),
    Text("txtEnchant(4)", "0"),
    Text("txtEnchant(5)", "0"),
    Text("txtEnchant(6)", "0"),

    // -능력치(세부속성 그대로 입력)-
    Text("txtMainStat", "8830"),
    Text("txtCriticalDamage", "311"),
    Text("txtTesker", "0"),
    Text("txtAttackSpeed", "27"),
    Text("txtCriticalChance", "36.5"),
    Text("txtEnchantElite", "41"),
    Text("txtDecreaseTime", "19.6"),

    // -스킬 증가-: the index is the catalogue skill; skills 9-13, 15 and 17 have no box
    Text("txtSkill(0)", "0"),
    Text("txtSkill(1)", "0"),
    Text("txtSkill(2)", "0"),
    Text("txtSkill(3)", "0"),
    Text("txtSkill(4)", "0"),
    Text("txtSkill(5)", "0"),
    Text("txtSkill(6)", "0"),
    Text("txtSkill(7)", "0"),
    Text("txtSkill(8)", "0"),
    Text("txtSkill(14)", "0"),
    Text("txtSkill(16)", "0"),
    Text("txtSkill(18)", "29"),
    Text("txtSkill(19)", "0"),
    Text("txtSkill(20)", "0"),
    Text("txtSkill(21)", "14"),
    Text("txtSkill(22)", "25"),
    Text("txtSkill(23)", "0"),

    // -지속 스킬-
    Check("chkPassiveAim", "침착한 조준", 1),
    Check("chkPassiveArrow", "궁술", 0),
    Check("chkPassiveRenovate", "맞춤 개조", 0, kFiveSentriesTip),
    Check("chkPassiveWeak", "약자 도태", 1),
    Check("chkPassiveTrajectory", "탄도학", 1),
    Check("chkGrenadier", "척탄병", 0, kFiveSentriesTip, kHidden),  // never shown, never read

    // -전설 보석-
    Check("chkGemStrong", "강한자의 파멸", 0,
          "강한자 버프를 받고 있다고 가정할 때 체크(정피증은 따로 입력)"),
    Text("txtGemStrong", "30"),
    Check("chkMorePain", "증통제", 0, "증통제는 끊임없이 도트데미지를 주는 것으로 계산됨"),
    Text("txtMorePain", "30"),
    Check("chkGemLocked", "갇힌자의 파멸", 1),
    Text("txtGemLocked", "34"),
    Check("chkGemSummon", "강제자", 1),
    Text("txtGemSummon", "33"),
    Check("chkGemPoison", "잘 듣는 독", 0),
    Text("txtGemPoison", "34"),
    // Kept in profiles although nothing ever shows them.
    Option("optGemPoison(0)", "버프만", 1, kHidden),
    Option("optGemPoison(1)", "착용", 0, kHidden),
    Check("chkGemJ", "제이의 복수", 0),
    Text("txtGemJ", "34"),
    List("cboGemJMeter", kShown, "유지하고자 하는 거리"),

    // -사용 스킬-: one row per used-skill slot
    List("cboUsingSkill(0)", kShown),
    List("cboUsingSkillRune(0)", kShown),
    ElementLabel("lblSkillElement(0)"),
    List("cboUsingSkill(1)", kShown),
    List("cboUsingSkillRune(1)", kShown),
    ElementLabel("lblSkillElement(1)"),
    List("cboUsingSkill(2)", kShown),
    List("cboUsingSkillRune(2)", kShown),
    ElementLabel("lblSkillElement(2)"),
    List("cboUsingSkill(3)", kShown),
    List("cboUsingSkillRune(3)", kShown),
    ElementLabel("lblSkillElement(3)"),
    List("cboUsingSkill(4)", kShown),
    List("cboUsingSkillRune(4)", kShown),
    ElementLabel("lblSkillElement(4)"),
    List("cboUsingSkill(5)", kShown),
    List("cboUsingSkillRune(5)", kShown),
    ElementLabel("lblSkillElement(5)"),

    // -결과 계산 적용 변수-
    Check("chkCrossbow", "쇠뇌 발사체", 1,
          "세트 효과로 자동 쇠뇌가 발사하는 발사체의 데미지로 계산합니다"),
    Check("chkMark", "죽음의 표식", 0, "대상이 죽음의 표식을 받았다고 가정할 경우"),
    Check("chkCompanion", "동료-늑대", 0, "동물-늑대 버프를 받고 있다고 가정할 경우"),
    Check("chkVoodoo", "대재앙의 부두술", 0,
          "대재앙의 부두술-광란의춤사위 버프를 받고 있을 때 공격력과 공속 증가 적용"),
    // The frame alone carries the visibility of the two voodoo options inside it.
    Frame("fraVoodoo", "", kHidden),
    Option("optVoodooDance", "광란의 춤사위", 1, kShown),
    Option("optVoodooETC", "기타", 0, kShown),
    Check("chkOurGemPoison", "잘 듣는 독(타 플레이어)", 0),
    List("cboOurGemPoison", kHidden),

    // The report area.
    Result("txtResult(0)", "사용 스킬 1 보고서", kHidden),
    Result("txtResult(1)", "사용 스킬 2 보고서", kHidden),
    Result("txtResult(2)", "사용 스킬 3 보고서", kHidden),
    Result("txtResult(3)", "사용 스킬 4 보고서", kHidden),
    Result("txtResult(4)", "사용 스킬 5 보고서", kHidden),
    Result("txtResult(5)", "사용 스킬 6 보고서", kHidden),
    Result("txtResult(6)", "쇠뇌 공격속도 구간", kHidden),
    Frame("fraMoreDamage", "추가데미지", kHidden),
    Result("txtResult(7)", "추가데미지 1", kHidden),
    Result("txtResult(8)", "추가데미지 2", kHidden),
    Result("txtBowCycleResult", "초당 피해량 합계", kShown, ControlRole::Totals, kTotalsLook),
    Result("Text1", "계산 과정", kHidden, ControlRole::Trace),
    Button("cmdOpen", "열기", "열기 (Ctrl+O)", ControlRole::Open),
    Button("cmdSaveStat", "저장", "저장 (Ctrl+S)", ControlRole::Save),
    Button("cmdCalculation", "계산", "계산 (F5, Ctrl+Enter)", ControlRole::Calculate,
           kMainCommandLook),
    Button("cmdAnalysis", "분석", "분석 (F2)", ControlRole::Analysis),
};

}  // namespace

std::span<const ControlSpec> ControlTable() {
    return kControls;
}

const ControlSpec* FindControlSpec(std::string_view name) {
    // Asked once per control whenever a face shapes the whole form: an index, not a walk.
    static const std::unordered_map<std::string_view, const ControlSpec*> index = [] {
        std::unordered_map<std::string_view, const ControlSpec*> entries;
        for (const ControlSpec& entry : kControls) {
            entries.emplace(entry.name, &entry);
        }
        return entries;
    }();
    const auto found = index.find(name);
    return found == index.end() ? nullptr : found->second;
}

const char* CaptionIn(Edition edition, const ControlSpec& control) {
    for (const CaptionOverride& own : LayoutOf(edition).captions) {
        if (std::string_view(own.control) == control.name) {
            return own.caption;
        }
    }
    return control.caption;
}

}  // namespace brakefell
