#include "engine/report/trace.h"

namespace brakefell {

void WriteTrace(ReportWriter& out, const SkillHitTable& table, const SkillCatalogue& catalogue) {
    for (int skill = 0; skill < kSkillCount; ++skill) {
        const SkillHitEntry& entry = table[skill];
        out.lineEnd().text(u"<").text(entry.name).text(u">").lineEnd();
        for (int r = 0; r < kRuneCount; ++r) {
            if (!catalogue[skill].runes[r].hasDamage) {
                continue;
            }
            const RuneHitRecord& record = entry.runes[r];
            out.text(u"-")
                .text(record.name)
                .text(u": ")
                .whole(record.main.normal.min, false)
                .text(u"(+")
                .whole(record.extra.normal.min, true)
                .text(u")-")
                .whole(record.main.normal.max, false)
                .text(u"(+")
                .whole(record.extra.normal.max, true)
                .text(u")")
                .lineEnd();
        }
    }
}

}  // namespace brakefell
