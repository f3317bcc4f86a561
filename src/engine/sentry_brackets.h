#pragma once
// A sentry's time between shots drops in steps as its attack speed grows: the eight brackets of
// the sentries' attack speed, each with its shot interval and its label in the report.

#include <array>
#include <string_view>

namespace brakefell {

struct SentryBracket {
    double lowerBound;    // inclusive, attacks per second
    double upperBound;    // inclusive
    double shotInterval;  // seconds between two shots of one sentry
    std::u16string_view bracketLabel;
};

inline constexpr int kSentryBracketCount = 8;
inline constexpr int kFastestBracket = 7;  // from 4.15386 up; no bounds of its own

inline constexpr std::array<SentryBracket, kSentryBracketCount> kSentryBrackets{{
    {0.98182, 1.10203, 0.9, u"(0.98182 - 1.10203 구간)"},
    {1.10204, 1.25581, 0.8, u"(1.10204 - 1.25581 구간)"},
    {1.25582, 1.45945, 0.7, u"(1.25582 - 1.45945 구간)"},
    {1.45946, 1.74193, 0.6, u"(1.45946 - 1.74193 구간)"},
    {1.74194, 2.16, 0.5, u"(1.74194 - 2.16 구간)"},
    {2.16001, 2.8421, 0.4, u"(2.16001 - 2.8421 구간)"},
    {2.84211, 4.15385, 0.3, u"(2.84211 - 4.15385 구간)"},
    {4.15386, 0, 0.2, u"(4.15386 이상 구간)"},
}};

// The bracket row of a sentry attack speed (4 decimals): the first of rows 0 to 6 whose bounds
// hold it, else row 7.
int SentryBracketRow(double sentryAttackSpeed);

// True for a speed slower than the slowest bracket, which only negative inputs can give: no
// bracket describes such a sentry.
bool BelowSentryBrackets(double sentryAttackSpeed);

}  // namespace brakefell
