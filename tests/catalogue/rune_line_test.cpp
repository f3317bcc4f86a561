// How one rune line's fields become a RuneRecord: field counts, conversions and what stays
// stored when a field fails.

#include <gtest/gtest.h>

#include "catalogue_test_support.h"

namespace brakefell {
namespace {

using test::Cp949;

struct RuneLineCase {
    const char* line;  // UTF-8
    bool loads;
    RuneRecord rune;  // rune 0 after reading, also after a failure
};

const RuneLineCase kRuneLineCases[] = {
    // Five fields: the later fields keep their empty values.
    {"a/True/1.5/1/0",
     true,
     {.name = u"a", .mainCoefficient = 1.5, .elementCode = 1, .hasDamage = true}},
    // Eight fields: ExtraOnCrit and the reserved flags stay false.
    {"a/False/0/2.5/0/true/0.3/TRUE",
     true,
     {.name = u"a",
      .elementCode = 2,
      .isMultiHit = true,
      .extraCoefficient = 0.3,
      .extraIsRocket = true}},
    {"a/1/2/3/4/note",
     true,
     {.name = u"a", .mainCoefficient = 2, .elementCode = 3, .reservedValue = 4, .hasDamage = true}},
    {"a/True/1/1/0/True/0.5",
     false,
     {.name = u"a",
      .mainCoefficient = 1,
      .elementCode = 1,
      .hasDamage = true,
      .isMultiHit = true,
      .extraCoefficient = 0.5}},
    {"a/True/1/1/0/True/0.5/False/True",
     true,
     {.name = u"a",
      .mainCoefficient = 1,
      .elementCode = 1,
      .hasDamage = true,
      .isMultiHit = true,
      .extraCoefficient = 0.5,
      .extraOnCrit = true}},
    {"a/True/1/1/0/True/0.5/False/True/True",
     false,
     {.name = u"a",
      .mainCoefficient = 1,
      .elementCode = 1,
      .hasDamage = true,
      .isMultiHit = true,
      .extraCoefficient = 0.5,
      .extraOnCrit = true,
      .reservedFlag1 = true}},
    {"a/tRUE/1/1/0/1/0/-1/FALSE/false/TRUE/x/y",
     true,
     {.name = u"a",
      .mainCoefficient = 1,
      .elementCode = 1,
      .hasDamage = true,
      .isMultiHit = true,
      .extraIsRocket = true,
      .reservedFlag2 = true}},
    // Too few fields: nothing is stored, not even the name.
    {"a/True/1/1", false, {}},
    {"", false, {}},
    // Conversions fail one at a time, leaving the fields before them.
    {"a/yes/1/1/0", false, {.name = u"a"}},
    {"a//1/1/0", false, {.name = u"a"}},
    {"a/True/1/40000/0", false, {.name = u"a", .mainCoefficient = 1, .hasDamage = true}},
    {"a/True/1/1/-32769",
     false,
     {.name = u"a", .mainCoefficient = 1, .elementCode = 1, .hasDamage = true}},
    {"a/True/1/1/0/maybe/2/True/True/True/True",
     false,
     {.name = u"a", .mainCoefficient = 1, .elementCode = 1, .hasDamage = true}},
    {"a/True/1/1/0/True/2/no/True/True/True",
     false,
     {.name = u"a",
      .mainCoefficient = 1,
      .elementCode = 1,
      .hasDamage = true,
      .isMultiHit = true,
      .extraCoefficient = 2}},
    // Letters read as 0; integers round halves to even; the reader does not judge elements.
    {"a/True/abc/3.5/2.5",
     true,
     {.name = u"a", .elementCode = 4, .reservedValue = 2, .hasDamage = true}},
    {"a/0/1/-1/-32768",
     true,
     {.name = u"a", .mainCoefficient = 1, .elementCode = -1, .reservedValue = -32768}},
    // The name is field 0 unchanged: blanks and a leading ">" included.
    {" 불씨 칼날 /True/6.2/1/20",
     true,
     {.name = u" 불씨 칼날 ",
      .mainCoefficient = 6.2,
      .elementCode = 1,
      .reservedValue = 20,
      .hasDamage = true}},
    {">b/True/1/1/0",
     true,
     {.name = u">b", .mainCoefficient = 1, .elementCode = 1, .hasDamage = true}},
};

TEST(RuneLine, FieldsAreStoredUpToTheFirstFailure) {
    for (const RuneLineCase& c : kRuneLineCases) {
        SCOPED_TRACE(c.line);
        const test::Parsed parsed =
            test::Parse(">s\r\n" + Cp949(c.line) + "\r\n" + test::RuneLines(kRuneCount - 1));
        EXPECT_EQ(parsed.result.ok, c.loads);
        EXPECT_EQ(parsed.result.failedLine, c.loads ? 0 : 2);
        EXPECT_EQ(parsed.result.skillsStored, 1);
        EXPECT_EQ((*parsed.catalogue)[0].runes[0], c.rune);
        EXPECT_EQ((*parsed.catalogue)[0].runes[1].name, c.loads ? u"r" : u"");
    }
}

}  // namespace
}  // namespace brakefell
