#include "engine/slot_blocks.h"

#include "engine/hit_blocks.h"

namespace brakefell {

namespace {
constexpr int kUsedSlotCount = 6;
constexpr qsizetype kBlockCapacity = 1024;  // characters of one block, with room to spare
}  // namespace

ShownBlocks WriteSlotBlocks(const CharacterSheet& sheet, const SkillCatalogue& catalogue,
                            const CharacterMultipliers& m, const ReportTexts& texts,
                            std::array<ResultBoxText, 9>& boxes, EngineState& state,
                            FigureGuard& guard) {
    ShownBlocks blocks;
    for (int slot = 0; slot < kUsedSlotCount; ++slot) {
        const int s = sheet.cboUsingSkill[slot];
        const int r = sheet.cboUsingSkillRune[slot];
        const RuneRecord& rune = catalogue[s].Runes[r];
        if (!rune.HasDamage) {
            continue;  // no gap: the next shown slot takes this box
        }
        if (s == kSkillCompanion) {
            blocks.HasCompanionSlot = true;
        }

        const int k = blocks.count;
        ResultBoxText& box = boxes[k];
        box.visible = true;
        ReportWriter out(guard, kBlockCapacity);
        const double q = m.CritDamageMultiplier;
        if (rune.IsMultiHit) {
            WriteMultiHitBlock(out, texts, catalogue[s].Name, rune.Name, state.hitTable[s].Runes[r],
                               q);
        } else if (m.SentryFiredMode && s == kSkillCompanion) {
            WriteCompanionBlock(out, texts, catalogue[s].Name, state.hitTable[kSkillCompanion], q);
        } else {
            WriteSingleHitBlock(out, texts, catalogue[s].Name, rune.Name,
                                state.hitTable[s].Runes[r], q);
        }

        box.text = out.take();

        state.ShownSkill.resize(k + 1);
        state.ShownRune.resize(k + 1);
        state.ShownSkill[k] = static_cast<std::int16_t>(s);
        state.ShownRune[k] = static_cast<std::int16_t>(r);
        ++blocks.count;
    }
    return blocks;
}

}  // namespace brakefell
