// Inputs no editor should produce: NUL bytes, broken code page 949, absurd sizes and counts.
// The reader must neither crash nor slow down beyond linear time.

#include <gtest/gtest.h>
#include <string_view>

#include "catalogue_test_support.h"
#include "desktop_adapters/disk_storage.h"
#include "temp_folder.h"

namespace brakefell {
namespace {

using namespace std::string_view_literals;
using test::SkillBlock;
using test::SkillBlocks;

using testing::Repeated;

constexpr std::size_t k5MB = std::size_t{5} * 1024 * 1024;
constexpr std::size_t k50MB = 10 * k5MB;

std::string Raw(std::string_view bytes) {
    return std::string(bytes);
}

std::u16string Utf16(std::u16string_view text) {
    return std::u16string(text);
}

TEST(HostileCatalogue, NulBytesStayInsideTheirTexts) {
    const test::Parsed parsed =
        test::Parse(Raw(">a\0b\r\nr\0/True/1/1/0\r\n"sv) + test::RuneLines(5));
    ASSERT_TRUE(parsed.result.ok);
    EXPECT_EQ((*parsed.catalogue)[0].name, Utf16(u"a\0b"sv));
    EXPECT_EQ((*parsed.catalogue)[0].runes[0].name, Utf16(u"r\0"sv));

    const test::Parsed flag = test::Parse(Raw(">a\r\nr/Tr\0ue/1/1/0\r\n"sv) + test::RuneLines(5));
    EXPECT_FALSE(flag.result.ok);
    EXPECT_EQ(flag.result.failedLine, 2);
}

TEST(HostileCatalogue, BrokenCodePageBytesNeitherFailNorSwallowSeparators) {
    // A lead byte without its trail byte right before "/" must not take the "/" with it.
    const test::Parsed parsed =
        test::Parse(Raw(">\x81\xFF\r\n\xFE/True/2/1/0\r\n"sv) + test::RuneLines(5));
    ASSERT_TRUE(parsed.result.ok);
    EXPECT_EQ((*parsed.catalogue)[0].name, Utf16(u"\uFFFD\uFFFD"sv));
    EXPECT_EQ((*parsed.catalogue)[0].runes[0].name, Utf16(u"\uFFFD"sv));
    EXPECT_EQ((*parsed.catalogue)[0].runes[0].mainCoefficient, 2);
}

TEST(HostileCatalogue, ManyLinesAndFieldsAreReadInLinearTime) {
    const std::string fieldFlood = ">a\r\n" + std::string(test::kFullRuneLine) +
                                   Repeated("/x", 1'000'000) + "\r\n" + test::RuneLines(5);
    const test::Parsed flooded = test::Parse(fieldFlood);
    EXPECT_TRUE(flooded.result.ok);
    EXPECT_EQ((*flooded.catalogue)[0].runes[0].name, u"r");

    const std::string commented = Repeated(test::Cp949("# 설명 줄\r\n"), 10'000) + SkillBlocks(24);
    EXPECT_EQ(test::Parse(commented).result.skillsStored, 24);

    const test::Parsed crOnly = test::Parse(std::string(k5MB, '\r'));
    EXPECT_TRUE(crOnly.result.ok);
    EXPECT_EQ(crOnly.result.skillsStored, 0);

    // One long line of LF line ends: a header whose rune lines never come.
    const std::string hugeHeader = ">" + Repeated(test::Cp949("사냥꾼\n"), k5MB / 7);
    const test::Parsed huge = test::Parse(hugeHeader);
    EXPECT_FALSE(huge.result.ok);
    EXPECT_EQ(huge.result.failedLine, 2);
    EXPECT_EQ((*huge.catalogue)[0].name.size(), k5MB / 7 * 4);
}

TEST(HostileCatalogue, A50MegabyteFileLoadsFromDisk) {
    const testing::TempFolder dir;
    const std::string comment = test::Cp949("# 쓸모없는 설명이 아주 길게 이어집니다.\r\n");
    const std::string comments = Repeated(comment, k50MB / kSkillCount / comment.size());
    std::string bytes;
    for (int skill = 0; skill < kSkillCount; ++skill) {
        bytes += comments;
        bytes += SkillBlock(std::to_string(skill).c_str());
    }
    ASSERT_GE(bytes.size(), k50MB - 1024 * 1024);
    const std::string path = dir.filePath(kCatalogueFileName);
    ASSERT_TRUE(testing::WriteFileBytes(path, bytes));

    SkillCatalogue catalogue;
    const CatalogueLoadResult result = LoadSkillCatalogue(DiskStorage(), path, catalogue);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.skillsStored, 24);
    EXPECT_EQ(catalogue[23].name, u"23");
}

}  // namespace
}  // namespace brakefell
