#pragma once
// The working trace of Text1: under a heading per catalogue skill, one line per rune that deals
// damage with the lowest and highest roll of its main and extra hit.

#include "catalogue/skill_catalogue.h"
#include "engine/figures.h"
#include "engine/report/report_writer.h"

namespace brakefell {

void WriteTrace(ReportWriter& out, const SkillHitTable& table, const SkillCatalogue& catalogue);

}  // namespace brakefell
