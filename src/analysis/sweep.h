#pragma once
// One number box from a start to an end by a step: the metric at each point, and the places
// (to 0.01) where the sentries change bracket.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "analysis/metric_probe.h"
#include "analysis/number_boxes.h"

namespace brakefell {

// The most points a sweep computes: the window's and the tool's, and the page's, whose worker
// hands every point over to a phone's browser (its default range always keeps to it).
inline constexpr long long kMostSweepPoints = 100'000;
inline constexpr long long kMostPagePoints = 1'000;

// The box a chart first puts on its x axis: the attack speed, whose brackets show as cliffs.
inline constexpr char kFirstSweptBox[] = "txtAttackSpeed";

struct SweepRequest {
    const NumberBox* box = nullptr;
    double from = 0;
    double to = 0;
    double step = 0;
    long long mostPoints = kMostSweepPoints;  // more points are refused
};

struct SweepPoint {
    double value = 0;              // what the box holds there
    std::optional<double> metric;  // nullopt: refused, or no such value
};

struct Sweep {
    Metric metric;
    std::u16string name;  // the box
    std::vector<SweepPoint> points;
    // The least values (in steps of 0.01 from the start) at which the bracket differs from the
    // point before.
    std::vector<double> bracketChanges;
};

// The number of points from..to by step; nullopt when step <= 0, from > to, or more than
// `mostPoints`.
std::optional<long long> SweepPointCount(double from, double to, double step,
                                         long long mostPoints = kMostSweepPoints);

// The most points, as a player reads it: "100,000".
std::u16string MostPointsText(long long mostPoints);

// Why the request cannot be swept, in one sentence a player reads (the window's chart, the tool's
// error, the page's chart): no such box, a step not above 0, a start past the end, more points
// than the request's most. Empty when it can be swept.
std::u16string SweepRefusal(const SweepRequest& request);

// At most kMostPagePoints (a thousand) points, both ends counted, by the finest step of 1, 2 or 5
// times a power of ten that keeps to them, around the box's value:
// main stat and weapon damage 5,000 either side, critical damage 500, attack speed 30 below and 60
// above, other boxes 50; never below 0 for a value that is not below 0.
SweepRequest DefaultSweepRange(const NumberBox& box, double value);

// The header of a sweep's CSV: the names scripts read ("txtAttackSpeed,dps"), or the captions a
// player reads ("공격속도,초당 피해량(정예)"; none holds a comma).
enum class CsvHeader { Names, Captions };

// The header, then "value,metric" per point; an empty metric where there is none. Lines end in LF;
// UTF-8.
std::string SweepCsv(const Sweep& sweep, CsvHeader header = CsvHeader::Names);

// SweepRefusal's sentence, or the sweep.
std::variant<std::u16string, Sweep> ComputeSweep(const CharacterSheet& sheet,
                                                 const SweepRequest& request,
                                                 const MetricProbe& probe);

}  // namespace brakefell
