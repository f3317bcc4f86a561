#include "engine/cycle_table.h"

#include <array>

#include "catalogue/skill_catalogue.h"
#include "engine/sentry_brackets.h"

namespace brakefell {
namespace {

using CycleRow = std::array<std::optional<CycleEntry>, kSentryBracketCount>;

// Rows by the skills used among 5, 21 and 22; columns by bracket row 0 to 7.
// Entry: {cycle length, lead uses, uses of 5, of 21, of 22}.
constexpr CycleRow kNone{{{{0.9, 1, 0, 0, 0}},
                          {{0.8, 1, 0, 0, 0}},
                          {{0.7, 1, 0, 0, 0}},
                          {{0.6, 1, 0, 0, 0}},
                          {{0.5, 1, 0, 0, 0}},
                          {{0.4, 1, 0, 0, 0}},
                          {{0.3, 1, 0, 0, 0}},
                          {{0.2, 1, 0, 0, 0}}}};
constexpr CycleRow k22{{std::nullopt,
                        {{2.4, 2, 0, 0, 1}},
                        {{2.8, 3, 0, 0, 1}},
                        {{2.4, 3, 0, 0, 1}},
                        {{2.5, 4, 0, 0, 1}},
                        {{2.4, 5, 0, 0, 1}},
                        {{2.4, 7, 0, 0, 1}},
                        {{2.2, 10, 0, 0, 1}}}};
constexpr CycleRow k21{{std::nullopt,
                        {{2.4, 2, 0, 1, 0}},
                        {{1.4, 1, 0, 1, 0}},
                        {{1.2, 1, 0, 1, 0}},
                        {{1.0, 1, 0, 1, 0}},
                        {{1.2, 2, 0, 1, 0}},
                        {{0.9, 2, 0, 1, 0}},
                        {{0.8, 3, 0, 1, 0}}}};
constexpr CycleRow k5{{std::nullopt,
                       {{2.4, 2, 1, 0, 0}},
                       {{1.4, 1, 1, 0, 0}},
                       {{1.2, 1, 1, 0, 0}},
                       {{1.0, 1, 1, 0, 0}},
                       {{1.2, 2, 1, 0, 0}},
                       {{0.9, 2, 1, 0, 0}},
                       {{0.8, 3, 1, 0, 0}}}};
constexpr CycleRow k21And22{{std::nullopt,
                             {{2.4, 1, 0, 1, 1}},
                             {{2.8, 1, 0, 2, 1}},
                             {{2.4, 1, 0, 2, 1}},
                             {{2.5, 2, 0, 2, 1}},
                             {{2.4, 3, 0, 2, 1}},
                             {{4.8, 9, 0, 5, 2}},
                             {{6.6, 22, 0, 8, 3}}}};
constexpr CycleRow k5And22{{std::nullopt,
                            {{2.4, 1, 1, 0, 1}},
                            {{2.8, 1, 2, 0, 1}},
                            {{2.4, 1, 2, 0, 1}},
                            {{2.5, 2, 2, 0, 1}},
                            {{2.4, 3, 2, 0, 1}},
                            {{4.8, 9, 5, 0, 2}},
                            {{6.6, 22, 8, 0, 3}}}};
constexpr CycleRow k5And21{{std::nullopt,
                            {{1.6, 0, 1, 1, 0}},
                            {{2.8, 0, 2, 2, 0}},
                            {{1.2, 0, 2, 1, 0}},
                            {{1.0, 0, 1, 1, 0}},
                            {{1.2, 1, 1, 1, 0}},
                            {{0.9, 1, 1, 1, 0}},
                            {{0.8, 2, 1, 1, 0}}}};
constexpr CycleRow k5And21And22{{std::nullopt,
                                 {{2.4, 0, 1, 1, 1}},
                                 {{2.8, 0, 1, 2, 1}},
                                 {{2.4, 0, 1, 2, 1}},
                                 {{2.5, 0, 2, 2, 1}},
                                 {{2.4, 1, 2, 2, 1}},
                                 {{4.8, 4, 5, 5, 2}},
                                 {{6.6, 14, 8, 8, 3}}}};

const CycleRow& RowFor(bool has5, bool has21, bool has22) {
    if (has5) {
        if (has21) {
            return has22 ? k5And21And22 : k5And21;
        }
        return has22 ? k5And22 : k5;
    }
    if (has21) {
        return has22 ? k21And22 : k21;
    }
    return has22 ? k22 : kNone;
}

}  // namespace

std::optional<CycleEntry> CycleEntryFor(bool hasFanOfKnives, bool hasMultishot,
                                        bool hasClusterArrow, int bracketRow) {
    return RowFor(hasFanOfKnives, hasMultishot, hasClusterArrow)
        .at(static_cast<std::size_t>(bracketRow));
}

int CycleLeadSkill(bool hasElementalArrow, bool hasSpinningStar) {
    if (hasElementalArrow) {
        return kSkillElementalArrow;
    }
    return hasSpinningStar ? kSkillSpinningStar : kSkillSentry;
}

}  // namespace brakefell
