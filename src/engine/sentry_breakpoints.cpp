#include "engine/sentry_breakpoints.h"

#include "editions/report_texts.h"
#include "text/number_format.h"

namespace brakefell {
namespace {
// The voodoo buff lends the sentries 20 percentage points of attack speed.
constexpr double kVoodooAllowance = 20;
}  // namespace

double SentryBaseSpeed(const CharacterSheet& sheet) {
    return sheet.weaponSpeedValue * (1 + sheet.txtWeaponExtraSpeed / 100) *
           (1 + sheet.txtTesker / 100);
}

std::optional<std::array<BreakpointNeed, 5>> BreakpointNeeds(const CharacterSheet& sheet) {
    const double base = SentryBaseSpeed(sheet);
    if (base == 0) {
        return std::nullopt;
    }
    const double allowance = sheet.chkVoodoo != 0 ? kVoodooAllowance : 0;
    std::array<BreakpointNeed, 5> needs{};
    for (std::size_t i = 0; i < kSentryBreakpoints.size(); ++i) {
        const double needed = (kSentryBreakpoints[i] / base - 1) * 100;
        needs[i] = {needed, needed - sheet.txtAttackSpeed - allowance};
    }
    return needs;
}

void WriteBreakpointBlock(ReportWriter& out, const CharacterSheet& sheet, Edition edition) {
    const std::int16_t width = ReportTextsOf(edition).breakpointColumnWidth;
    const auto needs = BreakpointNeeds(sheet);
    const bool voodoo = sheet.chkVoodoo != 0;
    out.text(u"-자동쇠뇌 공속 계산-").lineEnd();
    for (int i = 0; i < static_cast<int>(kSentryBreakpoints.size()); ++i) {
        out.text(BreakpointLabel(edition, i, voodoo));
        if (!needs) {
            out.padded(QStringLiteral("-"), width, kAlignRight)
                .padded(QStringLiteral("-"), width, kAlignRight)
                .lineEnd();
            continue;
        }
        const BreakpointNeed& need = (*needs)[static_cast<std::size_t>(i)];
        if (!out.guard().admit(need.needed) || !out.guard().admit(need.missing)) {
            continue;
        }
        QString neededText = FormatNumber(need.needed, u"0.00");
        neededText.append(u"% ");
        QString missingText(u'(');
        missingText.append(FormatNumber(need.missing, u"#.00")).append(u"%)");
        out.padded(neededText, width, kAlignRight)
            .padded(missingText, width, kAlignRight)
            .lineEnd();
    }
}

}  // namespace brakefell
