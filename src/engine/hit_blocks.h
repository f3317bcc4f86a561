#pragma once
// The report block of one used skill slot: a single-hit block, a multi-hit block that shows the
// extra hit beside the main hit, or the companion block that sums all six companions. Lines are
// joined by CR LF; the last line has no line end.

#include <QStringView>

#include "editions/report_texts.h"
#include "engine/calculation.h"
#include "engine/report_writer.h"

namespace brakefell {

// q is the critical damage factor.
void WriteSingleHitBlock(ReportWriter& out, const ReportTexts& texts, QStringView skillName,
                         QStringView runeName, const RuneHitRecord& rune, double q);

void WriteMultiHitBlock(ReportWriter& out, const ReportTexts& texts, QStringView skillName,
                        QStringView runeName, const RuneHitRecord& rune, double q);

// The six runes of the companion skill are six companions out at once; the sums take every
// rune's record as the table holds it.
void WriteCompanionBlock(ReportWriter& out, const ReportTexts& texts, QStringView skillName,
                         const SkillHitEntry& companions, double q);

}  // namespace brakefell
