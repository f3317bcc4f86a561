// The layout of the catalogue file: line ends, headers, comment lines, the 24-skill bound and
// the line a failure is reported at; and reading the file from disk.

#include <gtest/gtest.h>

#include "catalogue_test_support.h"
#include "desktop_adapters/disk_storage.h"
#include "temp_folder.h"

namespace brakefell {
namespace {

using test::Cp949;
using test::SkillBlock;
using test::SkillBlocks;

struct LayoutCase {
    const char* what;
    std::string bytes;
    bool loads;
    int skillsStored;
    int failedLine;
};

std::vector<LayoutCase> LayoutCases() {
    const std::string lfOnly = SkillBlock("a", "\n");
    std::string noFinalLineEnd = SkillBlock("a");
    noFinalLineEnd.resize(noFinalLineEnd.size() - 2);
    return {
        {"24 skills between comments", Cp949("# 설명\r\n") + SkillBlocks(24, "\r\n", "#\r\n\r\n"),
         true, 24, 0},
        {"10 skills", SkillBlocks(10), true, 10, 0},
        {"a 25th header", SkillBlocks(25), false, 24, 24 * 7 + 1},
        {"end of file after the third rune", ">s\r\n" + test::RuneLines(3), false, 1, 5},
        {"a header on the last line", "#\r\n>s", false, 1, 3},
        {"a blank line after a header", ">s\r\n\r\n" + test::RuneLines(6), false, 1, 2},
        {"a bad rune in the third skill",
         SkillBlocks(2) + ">c\r\n" + test::RuneLines(1) + "r/maybe/1/1/0", false, 3, 17},
        {"an empty file", "", true, 0, 0},
        {"only comments, one of them a blank before \">\"", " >x\r\n#\r\n", true, 0, 0},
        {"CR line ends", SkillBlocks(2, "\r"), true, 2, 0},
        {"CR, CR CR LF and CR LF mixed", SkillBlock("a", "\r") + "\r\r\n" + SkillBlock("b"), true,
         2, 0},
        {"no line end after the last rune", noFinalLineEnd, true, 1, 0},
        // A lone LF does not end a line: such a file is one single line.
        {"LF line ends after a comment", "#\n" + lfOnly, true, 0, 0},
        {"LF line ends from a header on", lfOnly, false, 1, 2},
    };
}

TEST(CatalogueFile, LayoutDecidesSkillsAndFailureLine) {
    for (const LayoutCase& c : LayoutCases()) {
        SCOPED_TRACE(c.what);
        const test::Parsed parsed = test::Parse(c.bytes);
        EXPECT_EQ(parsed.result.ok, c.loads);
        EXPECT_EQ(parsed.result.skillsStored, c.skillsStored);
        EXPECT_EQ(parsed.result.failedLine, c.failedLine);
    }
}

TEST(CatalogueFile, HeaderNamesLoseOnlyTheirOuterBlanks) {
    const std::pair<const char*, const char*> cases[] = {
        {"> 굶주린 화살 ", "굶주린 화살"}, {">", ""},         {">   ", ""},
        {">\t이름\t", "\t이름\t"},         {">a  b", "a  b"}, {">>a", ">a"},
    };
    for (const auto& [header, name] : cases) {
        SCOPED_TRACE(header);
        const test::Parsed parsed =
            test::Parse(Cp949(header) + "\r\n" + test::RuneLines(kRuneCount));
        EXPECT_TRUE(parsed.result.ok);
        EXPECT_EQ((*parsed.catalogue)[0].name, Utf16OfUtf8(name));
    }
}

TEST(CatalogueFile, WhatWasStoredBeforeAFailureStays) {
    const test::Parsed parsed = test::Parse(
        SkillBlock("굶주린 화살") + ">b\r\nx/True/2/1/0\r\ny/True/3/70000/0\r\nz/True/4/1/0\r\n");
    ASSERT_FALSE(parsed.result.ok);
    EXPECT_EQ(parsed.result.failedLine, 10);
    const SkillCatalogue& catalogue = *parsed.catalogue;
    EXPECT_EQ(catalogue[0].name, u"굶주린 화살");
    EXPECT_EQ(catalogue[0].runes[5].mainCoefficient, 1);
    EXPECT_EQ(catalogue[1].name, u"b");
    EXPECT_EQ(
        catalogue[1].runes[0],
        (RuneRecord{.name = u"x", .mainCoefficient = 2, .elementCode = 1, .hasDamage = true}));
    EXPECT_EQ(catalogue[1].runes[1],
              (RuneRecord{.name = u"y", .mainCoefficient = 3, .hasDamage = true}));
    EXPECT_EQ(catalogue[1].runes[2], RuneRecord{});
    for (int skill = 2; skill < kSkillCount; ++skill) {
        EXPECT_EQ(catalogue[skill], SkillRecord{}) << skill;
    }
}

TEST(CatalogueFile, SkillsNotInTheFileStayEmpty) {
    const test::Parsed parsed = test::Parse(SkillBlocks(10));
    ASSERT_TRUE(parsed.result.ok);
    EXPECT_EQ((*parsed.catalogue)[9].name, u"9");
    for (int skill = 10; skill < kSkillCount; ++skill) {
        EXPECT_EQ((*parsed.catalogue)[skill], SkillRecord{}) << skill;
    }
}

TEST(CatalogueFile, UnreadablePathsFailAtLineZero) {
    const testing::TempFolder dir;
    const std::string paths[] = {dir.filePath("missing.txt"), dir.path(), std::string(),
                                 "/dev/zero"};
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        SkillCatalogue catalogue;
        const CatalogueLoadResult result = LoadSkillCatalogue(DiskStorage(), path, catalogue);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.failedLine, 0);
        EXPECT_EQ(result.skillsStored, 0);
        EXPECT_EQ(catalogue[0], SkillRecord{});
    }
}

TEST(CatalogueFile, LoadsFromDiskAsFromMemory) {
    const testing::TempFolder dir;
    const std::string bytes = SkillBlocks(3) + ">d\r\nbad\r\n";
    const std::string path = dir.filePath(kCatalogueFileName);
    ASSERT_TRUE(testing::WriteFileBytes(path, bytes));

    SkillCatalogue fromDisk;
    const CatalogueLoadResult result = LoadSkillCatalogue(DiskStorage(), path, fromDisk);
    const test::Parsed fromMemory = test::Parse(bytes);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.skillsStored, 4);
    EXPECT_EQ(result.failedLine, 23);
    EXPECT_EQ(fromDisk, *fromMemory.catalogue);
}

}  // namespace
}  // namespace brakefell
