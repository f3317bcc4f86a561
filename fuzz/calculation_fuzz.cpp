// Arbitrary character sheets and slot choices through the whole calculation, in both editions
// and twice in a row (the hit table and the shown slots persist): never a crash, never "inf" or
// "nan" in a box, and a refused calculation leaves every box empty.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <limits>

#include "engine/report/calculation.h"
#include "fuzz_support.h"

using namespace brakefell;

namespace {

double PickNumber(FuzzedDataProvider& input) {
    static constexpr double kInteresting[] = {
        0,
        1,
        -1,
        0.5,
        100,
        -100,
        36.5,
        311,
        8830,
        1e308,
        -1e308,
        1e-308,
        4.15386,
        1.45946,
        std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN(),
    };
    if (input.ConsumeBool()) {
        return input.PickValueInArray(kInteresting);
    }
    return input.ConsumeFloatingPoint<double>();
}

int PickState(FuzzedDataProvider& input, int low, int high) {
    return input.ConsumeIntegralInRange(low, high);
}

CharacterSheet PickSheet(FuzzedDataProvider& input) {
    CharacterSheet sheet;
    if (input.ConsumeBool()) {
        return sheet;  // the defaults, with the slots below
    }
    sheet.cboWeaponSpeed = PickState(input, -1, 2);
    sheet.weaponSpeedValue = input.ConsumeBool() ? PickNumber(input) : 1.4;
    for (double* number :
         {&sheet.txtWeaponExtraSpeed, &sheet.txtWeaponDamageMin, &sheet.txtWeaponDamageMax,
          &sheet.txtMainStat, &sheet.txtCriticalDamage, &sheet.txtTesker, &sheet.txtAttackSpeed,
          &sheet.txtCriticalChance, &sheet.txtEnchantElite, &sheet.txtDecreaseTime,
          &sheet.txtGemStrong, &sheet.txtMorePain, &sheet.txtGemLocked, &sheet.txtGemSummon,
          &sheet.txtGemPoison, &sheet.txtGemJ}) {
        if (input.ConsumeBool()) {
            *number = PickNumber(input);
        }
    }
    for (double& bonus : sheet.txtEnchant) {
        bonus = input.ConsumeBool() ? PickNumber(input) : bonus;
    }
    for (double& bonus : sheet.txtSkill) {
        bonus = input.ConsumeBool() ? PickNumber(input) : bonus;
    }
    for (int* flag : {&sheet.chkPassiveAim, &sheet.chkPassiveArrow, &sheet.chkPassiveRenovate,
                      &sheet.chkPassiveWeak, &sheet.chkPassiveTrajectory, &sheet.chkGemStrong,
                      &sheet.chkMorePain, &sheet.chkGemLocked, &sheet.chkGemSummon,
                      &sheet.chkGemPoison, &sheet.chkGemJ, &sheet.chkCrossbow, &sheet.chkMark,
                      &sheet.chkCompanion, &sheet.chkVoodoo, &sheet.chkOurGemPoison}) {
        *flag = PickState(input, 0, 2);
    }
    sheet.optGemPoisonBuffOnly = input.ConsumeBool();
    sheet.optVoodooDance = input.ConsumeBool();
    sheet.cboGemJMeter = PickState(input, -1, 4);
    sheet.cboOurGemPoison = PickState(input, -1, 2);
    return sheet;
}

void PickSlots(FuzzedDataProvider& input, CharacterSheet& sheet) {
    for (int i = 0; i < 6; ++i) {
        // Mostly valid choices, now and then a missing or impossible one.
        const bool wild = input.ConsumeIntegralInRange(0, 15) == 0;
        sheet.cboUsingSkill[i] = wild ? PickState(input, -2, 30) : PickState(input, 0, 23);
        sheet.cboUsingSkillRune[i] = wild ? PickState(input, -2, 8) : PickState(input, 0, 5);
    }
}

void CheckBox(std::u16string_view text, bool mustBeEmpty) {
    if (mustBeEmpty && !text.empty()) {
        __builtin_trap();
    }
    if (fuzz::HoldsInfOrNan(text)) {
        __builtin_trap();
    }
}

void CheckReport(const CalculationReport& report) {
    const bool refused = report.refusal != Refusal::None;
    for (const ResultBoxText& box : report.resultBoxes) {
        CheckBox(box.text, refused);
        if (refused && box.visible) {
            __builtin_trap();
        }
    }
    if (report.totals) {
        CheckBox(*report.totals, refused);
    }
    CheckBox(report.trace, refused);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    for (int run = 0; run < 2; ++run) {
        CharacterSheet sheet = PickSheet(input);
        PickSlots(input, sheet);
        const Edition edition = input.ConsumeBool() ? Edition::Lite : Edition::Full;
        const CalculationReport report = Calculate(sheet, fuzz::ShippedCatalogue(), edition);
        CheckReport(report);
        // The same inputs give the same report: nothing is carried from one calculation on.
        const CalculationReport again = Calculate(sheet, fuzz::ShippedCatalogue(), edition);
        if (again.trace != report.trace || again.totals != report.totals ||
            again.resultBoxes[0].text != report.resultBoxes[0].text) {
            __builtin_trap();
        }
    }
    return 0;
}
