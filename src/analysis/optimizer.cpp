#include "analysis/optimizer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <optional>
#include <span>
#include <utility>

#include "analysis/analysis_texts.h"
#include "engine/compute_figures.h"
#include "form/controls.h"
#include "form/sheet_fields.h"
#include "text/strings.h"

namespace brakefell {
namespace {

// The "-전설 보석-" and "-지속 스킬-" check boxes, in the window's order.
using CheckBoxes = std::span<const SheetField* const>;
constexpr CheckBoxes kGems = kGemCheckBoxes;
constexpr CheckBoxes kPassives = kPassiveCheckBoxes;

unsigned OnMask(const CharacterSheet& sheet, CheckBoxes boxes) {
    unsigned mask = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (WholeIn(*boxes[i], sheet) == 1) {
            mask |= 1u << i;
        }
    }
    return mask;
}

// Every set of the boxes with as many on as now; just the current set when the boxes stay.
std::vector<unsigned> Masks(const CharacterSheet& sheet, CheckBoxes boxes, bool vary) {
    const unsigned now = OnMask(sheet, boxes);
    if (!vary) {
        return {now};
    }
    std::vector<unsigned> masks;
    for (unsigned mask = 0; mask < (1u << boxes.size()); ++mask) {
        if (std::popcount(mask) == std::popcount(now)) {
            masks.push_back(mask);
        }
    }
    return masks;
}

// On where the mask says; a box that is off stays as it is (a grayed box counts as off too).
void ApplyMask(CharacterSheet& sheet, const CharacterSheet& original, CheckBoxes boxes,
               unsigned mask) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        int& box = boxes[i]->whole(sheet);
        const int was = WholeIn(*boxes[i], original);
        box = (mask >> i & 1u) != 0 ? 1 : (was == 1 ? 0 : was);
    }
}

}  // namespace

// One combination as an index: the character variant (gems and passives) times the runes.
class OptimizationCombinations {
  public:
    OptimizationCombinations(const CharacterSheet& sheet, const OptimizeChoices& choices)
        : sheet_(sheet),
          gemMasks_(Masks(sheet, kGems, choices.gems)),
          passiveMasks_(Masks(sheet, kPassives, choices.passives)) {
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const int skill = sheet.cboUsingSkill[slot];
            if (choices.runes && skill >= 0 && skill < kSkillCount) {
                variedSlots_.push_back(slot);
                runeCombinations_ *= kRuneCount;
            }
        }
    }

    long long variants() const {
        return static_cast<long long>(gemMasks_.size() * passiveMasks_.size());
    }
    long long runeCombinations() const { return runeCombinations_; }
    long long total() const { return variants() * runeCombinations_; }

    CharacterSheet variant(long long variant) const {
        CharacterSheet sheet = sheet_;
        const auto gems = static_cast<std::size_t>(variant) % gemMasks_.size();
        const auto passives = static_cast<std::size_t>(variant) / gemMasks_.size();
        ApplyMask(sheet, sheet_, kGems, gemMasks_[gems]);
        ApplyMask(sheet, sheet_, kPassives, passiveMasks_[passives]);
        return sheet;
    }

    void setRunes(CharacterSheet& sheet, long long runes) const {
        for (const int slot : variedSlots_) {
            sheet.cboUsingSkillRune[slot] = static_cast<int>(runes % kRuneCount);
            runes /= kRuneCount;
        }
    }

    CharacterSheet at(long long index) const {
        CharacterSheet sheet = variant(index / runeCombinations_);
        setRunes(sheet, index % runeCombinations_);
        return sheet;
    }

    // What differs from the character's own choices, slots first, then gems, then passives.
    std::vector<ChoiceChange> changes(const CharacterSheet& sheet) const {
        std::vector<ChoiceChange> changes;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            if (sheet.cboUsingSkillRune[slot] != sheet_.cboUsingSkillRune[slot]) {
                changes.push_back({IndexedName("cboUsingSkillRune", slot),
                                   sheet_.cboUsingSkillRune[slot], sheet.cboUsingSkillRune[slot]});
            }
        }
        const auto boxes = [&](CheckBoxes list) {
            for (const SheetField* box : list) {
                const int now = WholeIn(*box, sheet);
                const int was = WholeIn(*box, sheet_);
                if (now != was) {
                    changes.push_back({Utf16OfLatin1(box->control), was, now});
                }
            }
        };
        boxes(kGems);
        boxes(kPassives);
        return changes;
    }

  private:
    const CharacterSheet& sheet_;
    std::vector<unsigned> gemMasks_;
    std::vector<unsigned> passiveMasks_;
    std::vector<int> variedSlots_;
    long long runeCombinations_ = 1;
};

namespace {

// A combination with what it is ranked by, standing for the `ties` others whose metric shows the
// same.
struct Candidate {
    double value;
    int changes;
    std::array<int, kSlotCount + kGems.size() + kPassives.size()> choices;
    long long index;
    long long ties = 0;
    std::u16string shown;  // the metric as the player reads it; filled when the candidate is kept
};

// Of two combinations whose metric shows the same, the one to suggest: fewer changes, then the
// lower choice in the earlier slot.
bool Simpler(const Candidate& a, const Candidate& b) {
    if (a.changes != b.changes) {
        return a.changes < b.changes;
    }
    return a.choices < b.choices;
}

Candidate MakeCandidate(double value, const CharacterSheet& sheet, const CharacterSheet& original,
                        long long index) {
    Candidate candidate{value, 0, {}, index, 0, {}};
    std::size_t at = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        candidate.choices[at++] = sheet.cboUsingSkillRune[slot];
        candidate.changes += sheet.cboUsingSkillRune[slot] != original.cboUsingSkillRune[slot];
    }
    for (const CheckBoxes list : {kGems, kPassives}) {
        for (const SheetField* box : list) {
            const int now = WholeIn(*box, sheet);
            candidate.choices[at++] = now;
            candidate.changes += now != WholeIn(*box, original);
        }
    }
    return candidate;
}

// The best few distinct outcomes seen so far, best first, each standing for every combination
// offered whose metric shows the same. Every combination of an outcome that stays among the best
// is counted: once an outcome falls out, as many better ones are kept, so it cannot come back.
class Best {
  public:
    Best(std::size_t size, Metric metric)
        : size_(size),
          metric_(metric),
          higher_(HigherIsBetter(metric)),
          unit_(metric.kind == MetricKind::KillTime ? 0.01 : 1.0) {}

    void offer(Candidate candidate) {
        if (size_ == 0) {
            return;
        }
        // Most combinations are worse than every outcome kept by more than the last shown digit:
        // they are dropped without writing their number out.
        if (kept_.size() == size_ && Better(kept_.back().value, candidate.value) &&
            std::abs(kept_.back().value - candidate.value) > unit_) {
            return;
        }
        const auto same = std::find_if(kept_.begin(), kept_.end(), [&](const Candidate& outcome) {
            return outcome.value == candidate.value;
        });
        candidate.shown =
            same != kept_.end() ? same->shown : MetricValueText(metric_, candidate.value);
        const auto outcome = std::find_if(kept_.begin(), kept_.end(), [&](const Candidate& kept) {
            return kept.shown == candidate.shown;
        });
        if (outcome != kept_.end()) {
            const long long ties = outcome->ties + candidate.ties + 1;
            if (Simpler(candidate, *outcome)) {
                *outcome = std::move(candidate);
            }
            outcome->ties = ties;
            return;
        }
        const auto at = std::find_if(kept_.begin(), kept_.end(), [&](const Candidate& kept) {
            return Better(candidate.value, kept.value);
        });
        if (at == kept_.end() && kept_.size() == size_) {
            return;
        }
        kept_.insert(at, std::move(candidate));
        if (kept_.size() > size_) {
            kept_.pop_back();
        }
    }

    const std::vector<Candidate>& kept() const { return kept_; }

  private:
    bool Better(double a, double b) const { return higher_ ? a > b : a < b; }

    std::size_t size_;
    Metric metric_;
    bool higher_;
    double unit_;  // the last digit the player reads: two shown the same lie closer than this
    std::vector<Candidate> kept_;
};

Candidate CandidateOf(const OptimizationRange::Found& found,
                      const OptimizationCombinations& combinations,
                      const CharacterSheet& original) {
    Candidate candidate =
        MakeCandidate(found.value, combinations.at(found.index), original, found.index);
    candidate.ties = found.ties;
    return candidate;
}

// The readings better than the character's, each once and in order when taken. A range where
// many combinations read alike holds each reading about once: the list is tidied whenever it has
// doubled since it was last tidied.
class BetterReadings {
  public:
    void add(double reading) {
        readings_.push_back(reading);
        if (readings_.size() >= tidyAt_) {
            tidy();
            tidyAt_ = std::max(kLeastTidy, 2 * readings_.size());
        }
    }

    std::vector<double> take() {
        tidy();
        return std::move(readings_);
    }

  private:
    static constexpr std::size_t kLeastTidy = 4096;

    void tidy() {
        std::sort(readings_.begin(), readings_.end());
        readings_.erase(std::unique(readings_.begin(), readings_.end()), readings_.end());
    }

    std::vector<double> readings_;
    std::size_t tidyAt_ = kLeastTidy;
};

std::vector<OptimizationRange::Found> FoundOf(const Best& best) {
    std::vector<OptimizationRange::Found> found;
    for (const Candidate& candidate : best.kept()) {
        found.push_back({candidate.index, candidate.value, candidate.ties});
    }
    return found;
}

}  // namespace

OptimizationSearch::OptimizationSearch(const CharacterSheet& sheet, const MetricProbe& probe,
                                       const OptimizeChoices& choices, int top)
    : sheet_(sheet),
      probe_(probe),
      top_(static_cast<std::size_t>(std::max(top, 0))),
      base_(probe(sheet).value),
      baseReading_(base_ ? std::optional(MetricReading(probe.metric(), *base_)) : std::nullopt),
      combinations_(std::make_unique<OptimizationCombinations>(sheet_, choices)) {}

OptimizationSearch::~OptimizationSearch() = default;

long long OptimizationSearch::total() const {
    return base_ && top_ > 0 ? combinations_->total() : 0;
}

OptimizationRange OptimizationSearch::compute(long long begin, long long end) const {
    OptimizationRange range;
    end = std::min(end, total());
    if (begin >= end) {
        return range;
    }
    const OptimizationCombinations& combinations = *combinations_;
    Best best(top_, probe_.metric());
    BetterReadings better;
    long long variant = -1;
    CharacterSheet variantSheet;
    std::optional<RuneTrials> trials;
    for (long long index = begin; index < end; ++index) {
        const long long thisVariant = index / combinations.runeCombinations();
        if (thisVariant != variant) {
            // Everything but the runes' part is the same for all runes of one variant: reckoned
            // once, then only the slots' part again for each set of runes.
            variant = thisVariant;
            variantSheet = combinations.variant(variant);
            trials.emplace(variantSheet, probe_.catalogue());
        }
        if (trials->characterRefusal() != Refusal::None) {
            continue;
        }
        CharacterSheet sheet = variantSheet;
        combinations.setRunes(sheet, index % combinations.runeCombinations());
        if (const auto value = MetricValue(probe_.metric(), trials->withRunes(sheet))) {
            best.offer(MakeCandidate(*value, sheet, sheet_, index));
            // Only a value beyond the character's own can read better than it.
            if (probe_.improvement(*value, *base_) > 0) {
                const double reading = MetricReading(probe_.metric(), *value);
                if (reading != *baseReading_) {
                    better.add(reading);
                }
            }
        }
    }
    range.done = end - begin;
    range.best = FoundOf(best);
    range.better = better.take();
    range.ranked = range.done;
    return range;
}

void OptimizationSearch::merge(OptimizationRange& into, const OptimizationRange& range) const {
    Best best(top_, probe_.metric());
    for (const std::vector<OptimizationRange::Found>* list :
         {&std::as_const(into.best), &range.best}) {
        for (const OptimizationRange::Found& found : *list) {
            best.offer(CandidateOf(found, *combinations_, sheet_));
        }
    }
    into.done += range.done;
    into.best = FoundOf(best);
    std::vector<double> better;
    better.reserve(into.better.size() + range.better.size());
    std::set_union(into.better.begin(), into.better.end(), range.better.begin(), range.better.end(),
                   std::back_inserter(better));
    into.better = std::move(better);
    into.ranked += range.ranked;
}

Optimization OptimizationSearch::finish(const OptimizationRange& merged, bool cancelled) const {
    Optimization result;
    result.base = base_;
    result.cancelled = cancelled;
    result.combinations = merged.done;
    result.total = total();
    if (!base_) {
        return result;
    }
    // Shares of the gap to the best, as a share of the best itself.
    const auto gapTo = [](double best, double value) {
        return PercentOf(std::abs(best - value), std::abs(best));
    };
    for (const OptimizationRange::Found& found : merged.best) {
        result.top.push_back({found.value, PercentOf(found.value - *base_, *base_),
                              combinations_->changes(combinations_->at(found.index)), found.ties,
                              gapTo(merged.best.front().value, found.value)});
    }
    if (merged.ranked != merged.done) {
        return result;  // some better readings are missing: any rank would flatter the character
    }
    Standing standing;
    standing.rank = 1 + static_cast<long long>(merged.better.size());
    // With a reading better than the character's, the first entry is the best; without, the
    // character itself is as good as any (a cancelled search may not have reached it).
    standing.gap = gapTo(standing.rank > 1 ? merged.best.front().value : *base_, *base_);
    result.standing = standing;
    return result;
}

Optimization Optimize(const CharacterSheet& sheet, const MetricProbe& probe,
                      const OptimizeChoices& choices, int top) {
    const OptimizationSearch search(sheet, probe, choices, top);
    return search.finish(search.compute(0, search.total()), false);
}

}  // namespace brakefell
