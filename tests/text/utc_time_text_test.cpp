// History times as text: the calendar both ways, offsets, and what is not a time.
#include "text/utc_time_text.h"

#include <gtest/gtest.h>

namespace brakefell {
namespace {

struct TimeCase {
    const char* text;
    UtcMillis time;  // worked out with another calendar implementation
};

// Leap days, the century rule both ways, the start of the epoch and times before it.
constexpr TimeCase kTimes[] = {
    {"1970-01-01T00:00:00.000Z", 0},
    {"1969-12-31T23:59:59.999Z", -1},
    {"2026-12-08T10:00:05.000Z", 1796724005000},
    {"2000-02-29T23:59:59.999Z", 951868799999},
    {"1900-03-01T00:00:00.000Z", -2203891200000},
    {"2400-02-29T12:00:00.000Z", 13574606400000},
    {"0001-01-01T00:00:00.000Z", -62135596800000},
    {"9999-12-31T23:59:59.999Z", 253402300799999},
};

TEST(UtcTimeText, WritesAndReadsTheCalendar) {
    for (const TimeCase& c : kTimes) {
        EXPECT_EQ(IsoUtcText(c.time), c.text);
        EXPECT_EQ(UtcMillisOfIsoText(c.text), c.time) << c.text;
    }
    // Every day of four centuries comes back through the text.
    for (UtcMillis day = -146'097; day < 146'097; ++day) {
        const UtcMillis time = day * 86'400'000 + 45'296'789;  // 12:34:56.789
        ASSERT_EQ(UtcMillisOfIsoText(IsoUtcText(time)), time) << IsoUtcText(time);
    }
}

TEST(UtcTimeText, ReadsOtherOffsetsAndPrecisions) {
    const UtcMillis time = 1796724005000;  // 2026-12-08T10:00:05Z
    for (const char* text :
         {"2026-12-08T19:00:05.000+09:00", "2026-12-08T19:00:05+0900", "2026-12-08T19:00:05+09",
          "2026-12-08T19:00:05+9", "2026-12-08T04:30:05-05:30", "2026-12-08T10:00:05Z",
          "2026-12-08T10:00:05", "2026-12-08 10:00:05Z", "2026-12-08T10:00:05.0004Z",
          "2026-12-08T10:00:05,000Z", "2026-12-09T00:00:05+14:00"}) {
        EXPECT_EQ(UtcMillisOfIsoText(text), time) << text;
    }
    EXPECT_EQ(UtcMillisOfIsoText("2026-12-08T10:00:05.5Z"), time + 500);
    EXPECT_EQ(UtcMillisOfIsoText("2026-12-08T10:00:05.123456Z"), time + 123);
    EXPECT_EQ(UtcMillisOfIsoText("2026-12-08T10:00:05.0005Z"), time + 1);  // the nearest one
    EXPECT_EQ(UtcMillisOfIsoText("2026-12-08T10:00:05.9999Z"), time + 1000);
    EXPECT_EQ(UtcMillisOfIsoText("2026-12-08T10:00Z"), time - 5000);
    EXPECT_EQ(UtcMillisOfIsoText("2026-12-08"), time - 36'005'000);
    EXPECT_EQ(UtcMillisOfIsoText("2026-12-07T24:00:00Z"), time - 36'005'000);
}

TEST(UtcTimeText, RefusesWhatIsNotATime) {
    for (const char* text : {"",
                             "yesterday",
                             "2026-12-08T",
                             "2026-12-08T10Z",
                             "2026-12-08x10:00:05Z",
                             "2026-13-01T00:00:00Z",
                             "2026-00-01T00:00:00Z",
                             "2026-02-29T00:00:00Z",
                             "1900-02-29T00:00:00Z",
                             "2026-04-31T00:00:00Z",
                             "2026-12-08T24:00:01Z",
                             "2026-12-08T25:00:00Z",
                             "2026-12-08T10:60:00Z",
                             "2026-12-08T10:00:60Z",
                             "2026-12-08T10:00:05.Z",
                             "2026-12-08T10:00:05.000ZZ",
                             "2026-12-08T10:00:05.000 ",
                             "2026-12-08T10:00:05+24:00",
                             "2026-12-08T10:00:05+09:60",
                             "2026-12-08T10:00:05+",
                             "+2026-12-08T10:00:05Z",
                             "26-12-08T10:00:05Z",
                             "2026-1-08T10:00:05Z"}) {
        EXPECT_EQ(UtcMillisOfIsoText(text), std::nullopt) << text;
    }
}

TEST(UtcTimeText, WritesTheCompactFormOfFileNames) {
    EXPECT_EQ(CompactUtcText(1796724005007), "20261208-100005-007");
    EXPECT_EQ(CompactUtcText(-1), "19691231-235959-999");
}

}  // namespace
}  // namespace brakefell
