#pragma once
// What the report adds while the sentries fire the skills: the breakpoint block of txtResult(6),
// the damage-over-time blocks of txtResult(7) and (8), and the cycle report of txtBowCycleResult
// with its bracket header, per-second lines, shares and kill times.

#include <string_view>

#include "editions/edition.h"
#include "engine/figures.h"
#include "engine/report/report_writer.h"

namespace brakefell {

// Written in place of the per-second lines when the sentries are in the slowest bracket and one
// of the skills 5, 21 or 22 is used: no rotation is known there.
inline constexpr std::u16string_view kNoRotationNotice =
    u"이 공속 구간에서는 스킬 사이클이 정해져 있지 않아 초당 피해량을 계산하지 않습니다.";

// "공속" + the speed as "#.0000" + the bracket's label, e.g. 공속1.5012(1.45946 - 1.74193 구간).
void WriteBracketHeader(ReportWriter& out, const SentrySpeedFigures& speed);

// "-자동쇠뇌 공속 계산-" and one line per breakpoint, each ending in CR LF. Both columns are
// padded to the edition's width; an undefined need shows "-" in both.
void WriteBreakpointBlock(ReportWriter& out, const SentrySpeedFigures& speed, Edition edition);

// The heading and the normal and elite damage per second of one gem, without a final line end.
void WriteBleedGemBlock(ReportWriter& out, const DamageOverTimeFigures& dot);
void WritePoisonGemBlock(ReportWriter& out, const DamageOverTimeFigures& dot);

// CR LF, the heading, CR LF and the one line of the four kill times, without a line end. A
// sentry that comes after the target is dead is "이전에 끝" and ends the list.
void WriteKillTimeLines(ReportWriter& out, const KillTimeFigures& times);

// The whole text of txtBowCycleResult.
void WriteCycleReport(ReportWriter& out, const BuildFigures& figures);

}  // namespace brakefell
