// Inputs no editor should produce: NUL bytes, broken code page 949, absurd sizes and counts.
// The reader must neither crash nor slow down beyond linear time.

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <string_view>

#include "catalogue_test_support.h"

namespace brakefell {
namespace {

using namespace std::string_view_literals;
using test::SkillBlock;
using test::SkillBlocks;

constexpr qsizetype k5MB = qsizetype{5} * 1024 * 1024;
constexpr qsizetype k50MB = 10 * k5MB;

QByteArray Raw(std::string_view bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString Utf16(std::u16string_view text) {
    return QStringView(text).toString();
}

TEST(HostileCatalogue, NulBytesStayInsideTheirTexts) {
    const test::Parsed parsed =
        test::Parse(Raw(">a\0b\r\nr\0/True/1/1/0\r\n"sv) + test::RuneLines(5));
    ASSERT_TRUE(parsed.result.ok);
    EXPECT_EQ((*parsed.catalogue)[0].Name, Utf16(u"a\0b"sv));
    EXPECT_EQ((*parsed.catalogue)[0].Runes[0].Name, Utf16(u"r\0"sv));

    const test::Parsed flag = test::Parse(Raw(">a\r\nr/Tr\0ue/1/1/0\r\n"sv) + test::RuneLines(5));
    EXPECT_FALSE(flag.result.ok);
    EXPECT_EQ(flag.result.failedLine, 2);
}

TEST(HostileCatalogue, BrokenCodePageBytesNeitherFailNorSwallowSeparators) {
    // A lead byte without its trail byte right before "/" must not take the "/" with it.
    const test::Parsed parsed =
        test::Parse(Raw(">\x81\xFF\r\n\xFE/True/2/1/0\r\n"sv) + test::RuneLines(5));
    ASSERT_TRUE(parsed.result.ok);
    EXPECT_EQ((*parsed.catalogue)[0].Name, Utf16(u"\uFFFD\uFFFD"sv));
    EXPECT_EQ((*parsed.catalogue)[0].Runes[0].Name, Utf16(u"\uFFFD"sv));
    EXPECT_EQ((*parsed.catalogue)[0].Runes[0].MainCoefficient, 2);
}

TEST(HostileCatalogue, ManyLinesAndFieldsAreReadInLinearTime) {
    const QByteArray fieldFlood = ">a\r\n" + QByteArray(test::kFullRuneLine) +
                                  QByteArray("/x").repeated(1'000'000) + "\r\n" +
                                  test::RuneLines(5);
    const test::Parsed flooded = test::Parse(fieldFlood);
    EXPECT_TRUE(flooded.result.ok);
    EXPECT_EQ((*flooded.catalogue)[0].Runes[0].Name, "r");

    const QByteArray commented = test::Cp949("# 설명 줄\r\n").repeated(10'000) + SkillBlocks(24);
    EXPECT_EQ(test::Parse(commented).result.skillsStored, 24);

    const test::Parsed crOnly = test::Parse(QByteArray(k5MB, '\r'));
    EXPECT_TRUE(crOnly.result.ok);
    EXPECT_EQ(crOnly.result.skillsStored, 0);

    // One long line of LF line ends: a header whose rune lines never come.
    const QByteArray hugeHeader = ">" + test::Cp949("사냥꾼\n").repeated(k5MB / 7);
    const test::Parsed huge = test::Parse(hugeHeader);
    EXPECT_FALSE(huge.result.ok);
    EXPECT_EQ(huge.result.failedLine, 2);
    EXPECT_EQ((*huge.catalogue)[0].Name.size(), k5MB / 7 * 4);
}

TEST(HostileCatalogue, A50MegabyteFileLoadsFromDisk) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath(kCatalogueFileName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray comment = test::Cp949("# 쓸모없는 설명이 아주 길게 이어집니다.\r\n");
    const QByteArray comments = comment.repeated(k50MB / kSkillCount / comment.size());
    for (int skill = 0; skill < kSkillCount; ++skill) {
        file.write(comments);
        file.write(SkillBlock(QByteArray::number(skill).constData()));
    }
    file.close();
    ASSERT_GE(file.size(), k50MB - 1024 * 1024);

    SkillCatalogue catalogue;
    const CatalogueLoadResult result = LoadSkillCatalogue(file.fileName(), catalogue);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.skillsStored, 24);
    EXPECT_EQ(catalogue[23].Name, "23");
}

}  // namespace
}  // namespace brakefell
