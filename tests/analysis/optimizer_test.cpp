// The optimiser against a brute force of its own: every combination calculated on its own, from
// scratch, and the ranking checked for what it promises (optimizer.h) rather than ranked again.
#include "analysis/optimizer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <limits>
#include <map>
#include <ostream>
#include <random>
#include <set>
#include <span>
#include <tuple>
#include <vector>

#include "analysis/analysis_texts.h"
#include "analysis/optimization_merger.h"
#include "analysis_fixtures.h"
#include "desktop_adapters/optimizer_threads.h"
#include "form/sheet_fields.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {

void PrintTo(const Standing& standing, std::ostream* out) {
    *out << "rank " << standing.rank << ", gap " << standing.gap.value_or(-1) << '%';
}

namespace {

using testing::MakeRune;

// Skills the rotation knows, each with runes of different worth and kind, and six companions.
SkillCatalogue SmallCatalogue() {
    SkillCatalogue c = testing::BlankCatalogue();
    for (int r = 0; r < kRuneCount; ++r) {
        c[5].runes[r] = MakeRune({"투척", 1.0 + 0.5 * r, 1 + r % 6});
        c[21].runes[r] = MakeRune({"화살비", 3.0 - 0.3 * r, 1 + (r + 2) % 6, r % 2 == 1, 0.4 * r});
        c[22].runes[r] = MakeRune({"파편", 2.0 + (r == 3 ? 2.0 : 0.0), 3, r >= 4, 1.0, r == 5});
        c[18].runes[r] = MakeRune({"쇠뇌", 0.8 + 0.1 * r, 1 + r % 3, r == 1, 0.4});
        c[14].runes[r] = MakeRune({"동료", 0.5 + 0.1 * r, 3});
    }
    c[10].runes[3] = MakeRune({"덫", 4.0, 1});
    c[5].runes[3] = MakeRune({"투척", 1.0 + 1e-9, 1});  // a hair above rune 0: it reads the same
    c[5].runes[2].hasDamage = false;                    // a rune that shows nothing
    return c;
}

CharacterSheet SmallSheet() {
    CharacterSheet sheet = testing::PlainSheet();
    sheet.chkCrossbow = 1;
    sheet.txtAttackSpeed = 45;
    sheet.txtCriticalChance = 40;
    sheet.txtCriticalDamage = 150;
    sheet.txtEnchant = {0, 20, 10, 30, 0, 40, 5};
    sheet.chkPassiveAim = 1;
    sheet.chkPassiveWeak = 1;
    sheet.chkGemLocked = 1;
    sheet.chkGemJ = 1;
    sheet.chkMorePain = 2;  // grayed: counts as off, and stays as it is
    sheet.cboUsingSkill = {5, 21, 22, 18, 14, 10};
    sheet.cboUsingSkillRune = {0, 1, 2, 3, 4, 3};
    return sheet;
}

// One combination calculated on its own, from scratch: its value, how many choices it changes and
// every choice in order (the runes of the six slots, then the gems, then the passives).
struct Tried {
    double value;
    int changes;
    std::vector<int> choices;
};

Tried TriedOf(double value, const CharacterSheet& sheet, const CharacterSheet& original) {
    Tried tried{value, 0, {}};
    const auto add = [&](int now, int was) {
        tried.choices.push_back(now);
        tried.changes += now != was;
    };
    for (int slot = 0; slot < kSlotCount; ++slot) {
        add(sheet.cboUsingSkillRune[slot], original.cboUsingSkillRune[slot]);
    }
    for (const auto& boxes : {std::span<const SheetField* const>(kGemCheckBoxes),
                              std::span<const SheetField* const>(kPassiveCheckBoxes)}) {
        for (const SheetField* box : boxes) {
            add(WholeIn(*box, sheet), WholeIn(*box, original));
        }
    }
    return tried;
}

// The sheet after the optimiser's changes, made one by one as --set would make them.
CharacterSheet Applied(const CharacterSheet& sheet, const OptimizedBuild& build) {
    CharacterSheet changed = sheet;
    for (const ChoiceChange& change : build.changes) {
        const SheetField* field = FindSheetField(Utf8OfUtf16(change.name));
        EXPECT_NE(field, nullptr) << Utf8OfUtf16(change.name);
        if (field != nullptr) {
            EXPECT_EQ(field->whole(changed), change.from);
            field->whole(changed) = change.to;
        }
    }
    return changed;
}

// The ranking checked for what it promises against every combination calculated on its own: as
// many entries as it may keep, each a different value as the player reads it, best first, the best
// there are; each stands for every combination that reads the same (its ties) and is the simplest
// of them: the fewest changes, then the lowest choices in the earlier slots. Applied on their own,
// its changes give its value.
void ExpectRanksTheBest(const Optimization& found, const std::vector<Tried>& all, Metric metric,
                        const CharacterSheet& sheet, const MetricProbe& probe, std::size_t top) {
    std::map<std::u16string, std::vector<const Tried*>> readingAlike;
    for (const Tried& tried : all) {
        readingAlike[MetricValueText(metric, tried.value)].push_back(&tried);
    }
    const auto better = [higher = HigherIsBetter(metric)](double a, double b) {
        return higher ? a > b : a < b;
    };
    std::vector<double> bestOfEach;  // the best value of each reading, best first
    for (const auto& [reading, alike] : readingAlike) {
        bestOfEach.push_back(
            (*std::min_element(alike.begin(), alike.end(), [&](const Tried* a, const Tried* b) {
                return better(a->value, b->value);
            }))->value);
    }
    std::sort(bestOfEach.begin(), bestOfEach.end(), better);
    ASSERT_EQ(found.top.size(), std::min(top, bestOfEach.size()));
    for (std::size_t i = 0; i < found.top.size(); ++i) {
        SCOPED_TRACE(::testing::Message() << "rank " << i + 1);
        const OptimizedBuild& build = found.top[i];
        const std::u16string reading = MetricValueText(metric, build.value);
        EXPECT_EQ(reading, MetricValueText(metric, bestOfEach[i]));
        const std::vector<const Tried*>& alike = readingAlike.at(reading);
        EXPECT_EQ(build.ties + 1, static_cast<long long>(alike.size()));
        const Tried& simplest =
            **std::min_element(alike.begin(), alike.end(), [](const Tried* a, const Tried* b) {
                return std::tie(a->changes, a->choices) < std::tie(b->changes, b->choices);
            });
        const CharacterSheet changed = Applied(sheet, build);
        EXPECT_EQ(TriedOf(build.value, changed, sheet).choices, simplest.choices);
        EXPECT_EQ(probe(changed).value, build.value);
    }
}

// The ranges of a search cut at random places no longer than `longest`, reckoned by it and by
// `worker` (as a worker of its own would hold a search of the same inputs) in turn, then merged
// one by one in a shuffled order, by a merger, and two by two.
std::vector<OptimizationRange> MergedInAnyOrder(const OptimizationSearch& search,
                                                const OptimizationSearch& worker, long long longest,
                                                std::mt19937_64& random) {
    std::vector<OptimizationRange> ranges;
    for (long long begin = 0; begin < search.total();) {
        const long long end = std::min(search.total(), begin + 1 + (long long)(random() % longest));
        ranges.push_back((ranges.size() % 2 == 0 ? search : worker).compute(begin, end));
        begin = end;
    }
    std::shuffle(ranges.begin(), ranges.end(), random);
    std::vector<OptimizationRange> merged(1);
    OptimizationMerger merger(worker);
    for (const OptimizationRange& range : ranges) {
        search.merge(merged[0], range);
        merger.add(range);
    }
    merged.push_back(merger.take());
    while (ranges.size() > 1) {
        std::vector<OptimizationRange> pairs;
        for (std::size_t i = 0; i + 1 < ranges.size(); i += 2) {
            search.merge(ranges[i], ranges[i + 1]);
            pairs.push_back(ranges[i]);
        }
        if (ranges.size() % 2 == 1) {
            pairs.push_back(ranges.back());
        }
        ranges = pairs;
    }
    merged.push_back(ranges.front());
    return merged;
}

// Where the character stands by every combination calculated on its own: 1 + the readings that
// show better than its own, each once, and how far it falls short of the simplest combination of
// the best reading (0 when nothing reads better).
Standing ExpectedStanding(const std::vector<Tried>& all, double base, const MetricProbe& probe) {
    const auto reading = [&](double value) { return MetricValueText(probe.metric(), value); };
    std::set<std::u16string> better;
    const Tried* best = &all.front();
    for (const Tried& tried : all) {
        if (probe.improvement(tried.value, base) > 0 && reading(tried.value) != reading(base)) {
            better.insert(reading(tried.value));
        }
        const bool same = reading(tried.value) == reading(best->value);
        if (same ? std::tie(tried.changes, tried.choices) < std::tie(best->changes, best->choices)
                 : probe.improvement(tried.value, best->value) > 0) {
            best = &tried;
        }
    }
    const double gap = better.empty() ? 0 : 100 * std::abs(best->value - base) / best->value;
    return {1 + static_cast<long long>(better.size()), gap};
}

TEST(Optimizer, EveryRuneCombinationLikeABruteForce) {
    const SkillCatalogue catalogue = SmallCatalogue();
    const CharacterSheet sheet = SmallSheet();
    std::mt19937_64 random(6);
    for (const char* name : {"dps", "kill-time-3", "hit-2"}) {
        const Metric metric = *MetricNamed(Utf16OfLatin1(name));
        const MetricProbe probe(catalogue, metric);
        std::vector<Tried> all;
        CharacterSheet tried = sheet;
        for (int combination = 0; combination < 46656; ++combination) {
            for (int slot = 0, rest = combination; slot < kSlotCount; ++slot, rest /= kRuneCount) {
                tried.cboUsingSkillRune[slot] = rest % kRuneCount;
            }
            if (const auto value = probe(tried).value) {
                all.push_back(TriedOf(*value, tried, sheet));
            }
        }
        // In one range on this thread, and in many on the desktop's threads.
        for (const Optimization& found : {Optimize(sheet, probe, {.runes = true}, 5),
                                          OptimizeOnThreads(sheet, probe, {.runes = true}, 5)}) {
            EXPECT_EQ(found.combinations, 46656) << name;
            EXPECT_FALSE(found.cancelled);
            EXPECT_EQ(found.base, probe(sheet).value);
            ExpectRanksTheBest(found, all, metric, sheet, probe, 5);
        }
        // The character beyond the one entry kept, then with the best's choices made by hand; its
        // standing the same however the search is cut and merged.
        const OptimizationSearch search(sheet, probe, {.runes = true}, 1);
        const Standing standing = ExpectedStanding(all, *search.base(), probe);
        EXPECT_GT(standing.rank, 1) << name;
        for (const OptimizationRange& merged : MergedInAnyOrder(search, search, 3000, random)) {
            EXPECT_EQ(search.finish(merged, false).standing, standing) << name;
        }
        OptimizationRange whole = search.compute(0, search.total());
        const Optimization found = search.finish(whole, false);
        whole.better.clear();  // handed on without its readings: no rank rather than the first
        whole.ranked = 0;
        EXPECT_FALSE(search.finish(whole, false).standing.has_value());
        const CharacterSheet best = Applied(sheet, found.top[0]);
        EXPECT_EQ(Optimize(best, probe, {.runes = true}, 1).standing, (Standing{1, 0.0})) << name;
    }
}

TEST(Optimizer, GemsAndPassivesKeepHowManyAreOn) {
    const SkillCatalogue catalogue = SmallCatalogue();
    const CharacterSheet sheet = SmallSheet();  // two gems on (one grayed), two passives on
    const MetricProbe probe(catalogue, *MetricNamed(u"dps"));
    int CharacterSheet::*const gems[] = {
        &CharacterSheet::chkGemStrong, &CharacterSheet::chkMorePain,  &CharacterSheet::chkGemLocked,
        &CharacterSheet::chkGemSummon, &CharacterSheet::chkGemPoison, &CharacterSheet::chkGemJ};
    int CharacterSheet::*const passives[] = {
        &CharacterSheet::chkPassiveAim, &CharacterSheet::chkPassiveArrow,
        &CharacterSheet::chkPassiveRenovate, &CharacterSheet::chkPassiveWeak,
        &CharacterSheet::chkPassiveTrajectory};
    std::vector<Tried> all;
    for (unsigned gemMask = 0; gemMask < 64; ++gemMask) {
        for (unsigned passiveMask = 0; passiveMask < 32; ++passiveMask) {
            if (std::popcount(gemMask) != 2 || std::popcount(passiveMask) != 2) {
                continue;
            }
            CharacterSheet tried = sheet;
            for (int i = 0; i < 6; ++i) {
                const bool on = gemMask >> i & 1u;
                tried.*gems[i] = on ? 1 : (sheet.*gems[i] == 1 ? 0 : sheet.*gems[i]);
            }
            for (int i = 0; i < 5; ++i) {
                const bool on = passiveMask >> i & 1u;
                tried.*passives[i] = on ? 1 : (sheet.*passives[i] == 1 ? 0 : sheet.*passives[i]);
            }
            if (const auto value = probe(tried).value) {
                all.push_back(TriedOf(*value, tried, sheet));
            }
        }
    }
    const Optimization found =
        OptimizeOnThreads(sheet, probe, {.gems = true, .passives = true}, 10);
    EXPECT_EQ(found.combinations, 15 * 10);
    ExpectRanksTheBest(found, all, *MetricNamed(u"dps"), sheet, probe, 10);
    for (const OptimizedBuild& build : found.top) {
        for (const ChoiceChange& change : build.changes) {
            EXPECT_NE(change.name, u"chkMorePain");  // grayed and off stays so
        }
    }
}

TEST(Optimizer, CancelledEarlyAndTellsItsProgress) {
    const SkillCatalogue catalogue = SmallCatalogue();
    const CharacterSheet sheet = SmallSheet();
    const MetricProbe probe(catalogue, *MetricNamed(u"dps"));
    const std::atomic<bool> cancel{true};
    const Optimization stopped = OptimizeOnThreads(sheet, probe, {.runes = true, .gems = true}, 3,
                                                   {.progress = {}, .cancel = &cancel});
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_LT(stopped.combinations, 46656);

    long long lastDone = -1;
    long long total = 0;
    bool backwards = false;
    const Optimization done = OptimizeOnThreads(sheet, probe, {.runes = true}, 3,
                                                {.progress =
                                                     [&](long long d, long long t) {
                                                         backwards |= d < lastDone;
                                                         lastDone = d;
                                                         total = t;
                                                     },
                                                 .threads = 2});
    EXPECT_FALSE(done.cancelled);
    EXPECT_FALSE(backwards);
    EXPECT_EQ(total, 46656);
    EXPECT_EQ(lastDone, 46656);
    EXPECT_EQ(done.top.size(), 3u);
}

TEST(Optimizer, NothingToFindForInputsThatCannotBeReckoned) {
    CharacterSheet sheet = SmallSheet();
    sheet.txtMainStat = std::numeric_limits<double>::infinity();
    const SkillCatalogue catalogue = SmallCatalogue();
    const MetricProbe probe(catalogue, *MetricNamed(u"dps"));
    for (const Optimization& found : {Optimize(sheet, probe, {.runes = true}, 3),
                                      OptimizeOnThreads(sheet, probe, {.runes = true}, 3)}) {
        EXPECT_FALSE(found.base.has_value());
        EXPECT_TRUE(found.top.empty());
        EXPECT_EQ(found.combinations, 0);
    }
}

// The ranges of a search may be reckoned anywhere and merged in any order: they rank as the whole
// search does, ties included (the slot hit leaves most runes of the other slots without effect),
// and place the character where it does.
TEST(Optimizer, RangesMergedInAnyOrderRankAsTheWholeSearch) {
    const SkillCatalogue catalogue = SmallCatalogue();
    const CharacterSheet sheet = SmallSheet();
    std::mt19937_64 random(46656);
    for (const char* name : {"dps", "kill-time-2", "hit-2"}) {
        const MetricProbe probe(catalogue, *MetricNamed(Utf16OfLatin1(name)));
        const OptimizationSearch search(sheet, probe, {.runes = true, .passives = true}, 7);
        const Optimization whole = search.finish(search.compute(0, search.total()), false);
        ASSERT_FALSE(whole.top.empty()) << name;
        const OptimizationSearch worker(sheet, probe, {.runes = true, .passives = true}, 7);
        for (const OptimizationRange& merged : MergedInAnyOrder(search, worker, 9000, random)) {
            const Optimization found = search.finish(merged, false);
            EXPECT_EQ(found.combinations, search.total()) << name;
            EXPECT_EQ(found.standing->rank, whole.standing->rank) << name;
            EXPECT_EQ(found.standing->gap, whole.standing->gap) << name;
            ASSERT_EQ(found.top.size(), whole.top.size()) << name;
            for (std::size_t i = 0; i < whole.top.size(); ++i) {
                EXPECT_EQ(found.top[i].value, whole.top[i].value) << name << " rank " << i + 1;
                EXPECT_EQ(found.top[i].ties, whole.top[i].ties) << name << " rank " << i + 1;
                EXPECT_EQ(Applied(sheet, found.top[i]), Applied(sheet, whole.top[i]))
                    << name << " rank " << i + 1;
            }
        }
    }
}

}  // namespace
}  // namespace brakefell
