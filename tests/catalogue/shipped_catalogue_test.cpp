// The catalogue file that ships beside the program: it must load whole, keep the skill order the
// rest of the program relies on, and carry the data the sentry build is calculated from.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "catalogue_test_support.h"
#include "desktop_adapters/disk_storage.h"

namespace brakefell {
namespace {

const std::string kShippedPath = std::string(BRAKEFELL_SOURCE_DIR "/data/") + kCatalogueFileName;

std::string ShippedBytes() {
    return testing::ReadFileBytes(kShippedPath).value_or(std::string());
}

// How many times `part` stands in `text`, the ones found skipped.
std::size_t Count(std::string_view text, std::string_view part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos;
         at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

class ShippedCatalogue : public ::testing::Test {
  protected:
    void SetUp() override {
        const CatalogueLoadResult result =
            LoadSkillCatalogue(DiskStorage(), kShippedPath, catalogue_);
        ASSERT_TRUE(result.ok) << "failed at line " << result.failedLine;
        ASSERT_EQ(result.skillsStored, kSkillCount);
    }
    const RuneRecord& rune(int skill, int rune) const { return catalogue_[skill].runes[rune]; }

    SkillCatalogue catalogue_;
};

TEST_F(ShippedCatalogue, SkillsKeepTheirFixedIndexes) {
    const std::pair<int, const char*> fixed[] = {
        {0, "굶주린 화살"}, {1, "속박탄"},     {2, "올가미"},   {3, "회피 사격"}, {4, "수류탄"},
        {5, "투검"},        {6, "연발사격"},   {7, "회전표창"}, {8, "원소화살"},  {14, "동료"},
        {16, "칼날 부채"},  {18, "자동 쇠뇌"}, {19, "복수"},    {20, "난사"},     {21, "다발사격"},
        {22, "확산탄"},     {23, "복수의 비"},
    };
    for (const auto& [index, name] : fixed) {
        EXPECT_EQ(catalogue_[index].name, Utf16OfUtf8(name)) << index;
    }
    std::set<std::u16string> names;
    for (const SkillRecord& skill : catalogue_) {
        EXPECT_FALSE(skill.name.empty());
        names.insert(skill.name);
    }
    EXPECT_EQ(names.size(), std::size_t{kSkillCount});
}

TEST_F(ShippedCatalogue, EveryRuneIsPlausible) {
    for (int s = 0; s < kSkillCount; ++s) {
        std::set<std::u16string> runeNames;
        for (int r = 0; r < kRuneCount; ++r) {
            SCOPED_TRACE(::testing::Message() << "skill " << s << " rune " << r);
            const RuneRecord& x = rune(s, r);
            EXPECT_FALSE(TrimmedSpaces(x.name).empty());
            runeNames.insert(x.name);
            EXPECT_GE(x.elementCode, 1);
            EXPECT_LE(x.elementCode, 6);
            EXPECT_EQ(x.hasDamage, x.mainCoefficient > 0);
            EXPECT_LE(x.mainCoefficient, 12);
            // Extra-hit data without the multi-hit flag would never be shown.
            EXPECT_EQ(x.isMultiHit, x.extraCoefficient > 0);
            EXPECT_TRUE(x.isMultiHit || (!x.extraIsRocket && !x.extraOnCrit));
            EXPECT_FALSE(x.extraIsRocket && x.extraOnCrit);  // on-crit is ignored for rockets
        }
        EXPECT_EQ(runeNames.size(), std::size_t{kRuneCount}) << "skill " << s;
    }
}

TEST_F(ShippedCatalogue, CarriesTheSentryBuild) {
    for (int r = 0; r < kRuneCount; ++r) {
        EXPECT_TRUE(rune(kSkillCompanion, r).hasDamage) << r;
        EXPECT_FALSE(rune(kSkillCompanion, r).isMultiHit) << r;
    }
    const RuneRecord& rocketSentry = rune(kSkillSentry, 1);
    EXPECT_TRUE(rocketSentry.hasDamage && rocketSentry.isMultiHit && rocketSentry.extraIsRocket);

    int rockets = 0;
    int onCrit = 0;
    for (int skill : {kSkillFanOfKnives, kSkillSpinningStar, kSkillElementalArrow, kSkillMultishot,
                      kSkillClusterArrow}) {
        int multiHit = 0;
        for (const RuneRecord& x : catalogue_[skill].runes) {
            multiHit += x.isMultiHit;
            rockets += x.extraIsRocket;
            onCrit += x.extraOnCrit;
        }
        EXPECT_GE(multiHit, 2) << skill;
    }
    EXPECT_GE(rockets, 3);
    EXPECT_GE(onCrit, 3);

    // The default slots show blocks for these picks.
    for (const auto& [skill, r] : {std::pair{22, 5}, {21, 5}, {18, 4}, {14, 5}}) {
        EXPECT_TRUE(rune(skill, r).hasDamage) << skill << '/' << r;
    }
    int fire = 0;
    for (const SkillRecord& skill : catalogue_) {
        for (const RuneRecord& x : skill.runes) {
            fire += x.hasDamage && x.elementCode == 1;
        }
    }
    EXPECT_GE(fire, 25);
}

TEST(ShippedCatalogueFile, IsCodePage949WithCrLfAndRegularRuneLines) {
    const std::string bytes = ShippedBytes();
    ASSERT_FALSE(bytes.empty());
    EXPECT_TRUE(bytes.ends_with("\r\n"));
    EXPECT_EQ(Count(bytes, "\r"), Count(bytes, "\r\n"));
    EXPECT_EQ(Count(bytes, "\n"), Count(bytes, "\r\n"));

    const std::u16string text = DecodeCp949(bytes);
    EXPECT_EQ(text.find(u'\uFFFD'), std::u16string::npos);
    EXPECT_EQ(EncodeCp949(text), bytes);

    const std::vector<std::u16string> lines = testing::Lines(text);
    ASSERT_FALSE(lines.front().starts_with(u'>')) << "the file opens with an explanation";
    int headers = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].starts_with(u'>')) {
            continue;
        }
        ++headers;
        for (std::size_t r = i + 1; r <= i + kRuneCount && r < lines.size(); ++r) {
            const std::vector<std::u16string> fields = testing::Split(lines[r], u"/");
            const bool shortNoDamage = fields.size() == 5 && fields[1] == u"False";
            EXPECT_TRUE(fields.size() == 11 || shortNoDamage) << Utf8OfUtf16(lines[r]);
        }
        i += kRuneCount;
    }
    EXPECT_EQ(headers, kSkillCount);
}

}  // namespace
}  // namespace brakefell
