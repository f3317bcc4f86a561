#include "engine/report/trace.h"

namespace brakefell {

void WriteTrace(ReportWriter& out, const SkillHitTable& table, const SkillCatalogue& catalogue) {
    for (int skill = 0; skill < kSkillCount; ++skill) {
        const SkillHitEntry& entry = table[skill];
        out.lineEnd().text(u"<").text(entry.Name).text(u">").lineEnd();
        for (int r = 0; r < kRuneCount; ++r) {
            if (!catalogue[skill].Runes[r].HasDamage) {
                continue;
            }
            const RuneHitRecord& record = entry.Runes[r];
            out.text(u"-")
                .text(record.Name)
                .text(u": ")
                .whole(record.MainNormalMin, false)
                .text(u"(+")
                .whole(record.ExtraNormalMin, true)
                .text(u")-")
                .whole(record.MainNormalMax, false)
                .text(u"(+")
                .whole(record.ExtraNormalMax, true)
                .text(u")")
                .lineEnd();
        }
    }
}

}  // namespace brakefell
