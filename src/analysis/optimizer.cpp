#include "analysis/optimizer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "engine/compute_figures.h"
#include "form/controls.h"

namespace brakefell {
namespace {

using CheckBoxField = int CharacterSheet::*;

struct CheckBoxChoice {
    const char* name;
    CheckBoxField field;
};

// The "-전설 보석-" and "-지속 스킬-" sections, in the window's order.
constexpr std::array<CheckBoxChoice, 6> kGems{{
    {"chkGemStrong", &CharacterSheet::chkGemStrong},
    {"chkMorePain", &CharacterSheet::chkMorePain},
    {"chkGemLocked", &CharacterSheet::chkGemLocked},
    {"chkGemSummon", &CharacterSheet::chkGemSummon},
    {"chkGemPoison", &CharacterSheet::chkGemPoison},
    {"chkGemJ", &CharacterSheet::chkGemJ},
}};
constexpr std::array<CheckBoxChoice, 5> kPassives{{
    {"chkPassiveAim", &CharacterSheet::chkPassiveAim},
    {"chkPassiveArrow", &CharacterSheet::chkPassiveArrow},
    {"chkPassiveRenovate", &CharacterSheet::chkPassiveRenovate},
    {"chkPassiveWeak", &CharacterSheet::chkPassiveWeak},
    {"chkPassiveTrajectory", &CharacterSheet::chkPassiveTrajectory},
}};

constexpr long long kChunk = 256;  // combinations a thread takes at a time

template <std::size_t N>
unsigned OnMask(const CharacterSheet& sheet, const std::array<CheckBoxChoice, N>& boxes) {
    unsigned mask = 0;
    for (std::size_t i = 0; i < N; ++i) {
        if (sheet.*boxes[i].field == 1) {
            mask |= 1u << i;
        }
    }
    return mask;
}

// Every set of the boxes with as many on as now; just the current set when the boxes stay.
template <std::size_t N>
std::vector<unsigned> Masks(const CharacterSheet& sheet, const std::array<CheckBoxChoice, N>& boxes,
                            bool vary) {
    const unsigned now = OnMask(sheet, boxes);
    if (!vary) {
        return {now};
    }
    std::vector<unsigned> masks;
    for (unsigned mask = 0; mask < (1u << N); ++mask) {
        if (std::popcount(mask) == std::popcount(now)) {
            masks.push_back(mask);
        }
    }
    return masks;
}

// On where the mask says; a box that is off stays as it is (a grayed box counts as off too).
template <std::size_t N>
void ApplyMask(CharacterSheet& sheet, const CharacterSheet& original,
               const std::array<CheckBoxChoice, N>& boxes, unsigned mask) {
    for (std::size_t i = 0; i < N; ++i) {
        int& box = sheet.*boxes[i].field;
        const int was = original.*boxes[i].field;
        box = (mask >> i & 1u) != 0 ? 1 : (was == 1 ? 0 : was);
    }
}

// One combination as an index: the character variant (gems and passives) times the runes.
class Combinations {
  public:
    Combinations(const CharacterSheet& sheet, const OptimizeChoices& choices)
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

    CharacterSheet Variant(long long variant) const {
        CharacterSheet sheet = sheet_;
        const auto gems = static_cast<std::size_t>(variant) % gemMasks_.size();
        const auto passives = static_cast<std::size_t>(variant) / gemMasks_.size();
        ApplyMask(sheet, sheet_, kGems, gemMasks_[gems]);
        ApplyMask(sheet, sheet_, kPassives, passiveMasks_[passives]);
        return sheet;
    }

    void SetRunes(CharacterSheet& sheet, long long runes) const {
        for (const int slot : variedSlots_) {
            sheet.cboUsingSkillRune[slot] = static_cast<int>(runes % kRuneCount);
            runes /= kRuneCount;
        }
    }

    CharacterSheet At(long long index) const {
        CharacterSheet sheet = Variant(index / runeCombinations_);
        SetRunes(sheet, index % runeCombinations_);
        return sheet;
    }

    // What differs from the character's own choices, slots first, then gems, then passives.
    std::vector<ChoiceChange> Changes(const CharacterSheet& sheet) const {
        std::vector<ChoiceChange> changes;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            if (sheet.cboUsingSkillRune[slot] != sheet_.cboUsingSkillRune[slot]) {
                changes.push_back({IndexedName("cboUsingSkillRune", slot),
                                   sheet_.cboUsingSkillRune[slot], sheet.cboUsingSkillRune[slot]});
            }
        }
        const auto boxes = [&](const auto& list) {
            for (const CheckBoxChoice& box : list) {
                if (sheet.*box.field != sheet_.*box.field) {
                    changes.push_back(
                        {QString::fromLatin1(box.name), sheet_.*box.field, sheet.*box.field});
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

struct Candidate {
    double value;
    int changes;
    std::array<int, kSlotCount + kGems.size() + kPassives.size()> choices;
    long long index;
};

// Better value first; equal values: fewer changes, then the lower choice in the earlier slot.
class Ranking {
  public:
    explicit Ranking(bool higherIsBetter) : higher_(higherIsBetter) {}

    bool operator()(const Candidate& a, const Candidate& b) const {
        if (a.value != b.value) {
            return higher_ ? a.value > b.value : a.value < b.value;
        }
        if (a.changes != b.changes) {
            return a.changes < b.changes;
        }
        return a.choices < b.choices;
    }

  private:
    bool higher_;
};

Candidate MakeCandidate(double value, const CharacterSheet& sheet, const CharacterSheet& original,
                        long long index) {
    Candidate candidate{value, 0, {}, index};
    std::size_t at = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        candidate.choices[at++] = sheet.cboUsingSkillRune[slot];
        candidate.changes += sheet.cboUsingSkillRune[slot] != original.cboUsingSkillRune[slot];
    }
    for (const auto* list : {kGems.data(), kPassives.data()}) {
        const std::size_t count = list == kGems.data() ? kGems.size() : kPassives.size();
        for (std::size_t i = 0; i < count; ++i) {
            candidate.choices[at++] = sheet.*list[i].field;
            candidate.changes += sheet.*list[i].field != original.*list[i].field;
        }
    }
    return candidate;
}

// The best few seen so far, best first.
class Best {
  public:
    Best(std::size_t size, Ranking ranking) : size_(size), ranking_(ranking) {}

    void Offer(const Candidate& candidate) {
        if (kept_.size() == size_ && !ranking_(candidate, kept_.back())) {
            return;
        }
        kept_.insert(std::upper_bound(kept_.begin(), kept_.end(), candidate, ranking_), candidate);
        if (kept_.size() > size_) {
            kept_.pop_back();
        }
    }

    const std::vector<Candidate>& kept() const { return kept_; }

  private:
    std::size_t size_;
    Ranking ranking_;
    std::vector<Candidate> kept_;
};

class Search {
  public:
    Search(const CharacterSheet& sheet, const MetricProbe& probe, const Combinations& combinations,
           int top, const std::atomic<bool>* cancel)
        : sheet_(sheet),
          probe_(probe),
          combinations_(combinations),
          top_(static_cast<std::size_t>(top)),
          cancel_(cancel) {}

    // One thread: takes chunks of combinations until none are left.
    void Work() {
        Best best(top_, Ranking(HigherIsBetter(probe_.metric())));
        long long variant = -1;
        CharacterSheet variantSheet;
        BuildFigures figures;
        bool variantRefused = false;
        for (;;) {
            if (cancel_ != nullptr && cancel_->load()) {
                break;
            }
            const long long start = next_.fetch_add(kChunk);
            const long long end = std::min(start + kChunk, combinations_.total());
            if (start >= end) {
                break;
            }
            for (long long index = start; index < end; ++index) {
                const long long thisVariant = index / combinations_.runeCombinations();
                if (thisVariant != variant) {
                    // Everything but the runes' part is the same for all runes of one variant:
                    // reckoned once, then only the slots' part again for each set of runes.
                    variant = thisVariant;
                    variantSheet = combinations_.Variant(variant);
                    figures =
                        ComputeCharacterFigures(variantSheet, probe_.catalogue(), probe_.edition());
                    variantRefused = figures.refusal != Refusal::None;
                }
                if (variantRefused) {
                    continue;
                }
                CharacterSheet sheet = variantSheet;
                combinations_.SetRunes(sheet, index % combinations_.runeCombinations());
                figures.refusal = Refusal::None;
                ComputeSlotFigures(sheet, probe_.catalogue(), figures);
                if (const auto value = MetricValue(probe_.metric(), figures)) {
                    best.Offer(MakeCandidate(*value, sheet, sheet_, index));
                }
            }
            done_ += end - start;
        }
        const std::lock_guard lock(mutex_);
        for (const Candidate& candidate : best.kept()) {
            merged_.push_back(candidate);
        }
        ++finished_;
        wake_.notify_all();
    }

    // Waits for `threads` workers, telling the progress now and then.
    void Wait(int threads, const std::function<void(long long, long long)>& progress) {
        std::unique_lock lock(mutex_);
        while (finished_ < threads) {
            wake_.wait_for(lock, std::chrono::milliseconds(25));
            if (progress && finished_ < threads) {
                lock.unlock();
                progress(done(), combinations_.total());
                lock.lock();
            }
        }
        if (progress) {
            lock.unlock();
            progress(done(), combinations_.total());
        }
    }

    std::vector<Candidate> Result() const {
        std::vector<Candidate> all = merged_;
        std::sort(all.begin(), all.end(), Ranking(HigherIsBetter(probe_.metric())));
        if (all.size() > top_) {
            all.resize(top_);
        }
        return all;
    }

    long long done() const { return std::min(done_.load(), combinations_.total()); }

  private:
    const CharacterSheet& sheet_;
    const MetricProbe& probe_;
    const Combinations& combinations_;
    std::size_t top_;
    const std::atomic<bool>* cancel_;
    std::atomic<long long> next_{0};
    std::atomic<long long> done_{0};
    std::mutex mutex_;
    std::condition_variable wake_;
    int finished_ = 0;
    std::vector<Candidate> merged_;
};

}  // namespace

Optimization Optimize(const CharacterSheet& sheet, const MetricProbe& probe,
                      const OptimizeChoices& choices, int top, const OptimizeControl& control) {
    Optimization result;
    result.base = probe(sheet).value;
    if (!result.base || top < 1) {
        return result;
    }
    const Combinations combinations(sheet, choices);
    Search search(sheet, probe, combinations, top, control.cancel);
    const int threads =
        std::max(1, control.threads > 0 ? control.threads
                                        : static_cast<int>(std::thread::hardware_concurrency()));
    std::vector<std::thread> workers;
    workers.reserve(static_cast<std::size_t>(threads));
    for (int i = 0; i < threads; ++i) {
        workers.emplace_back([&search] { search.Work(); });
    }
    search.Wait(threads, control.progress);
    for (std::thread& worker : workers) {
        worker.join();
    }
    result.cancelled = control.cancel != nullptr && control.cancel->load();
    result.combinations = search.done();
    for (const Candidate& candidate : search.Result()) {
        const CharacterSheet best = combinations.At(candidate.index);
        result.top.push_back({candidate.value,
                              PercentOf(candidate.value - *result.base, *result.base),
                              combinations.Changes(best)});
    }
    return result;
}

}  // namespace brakefell
