// The core's text conversions: UTF-8 and Latin-1 both ways, whole numbers, the white space around
// a pasted code, letters without case, and base64url, each against values worked out by hand.
#include "text/strings.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace brakefell {
namespace {

using namespace std::string_literals;

struct Utf8Case {
    std::string bytes;
    std::u16string text;
};

TEST(Utf8, DecodesValidTextAndReplacesEveryByteOfABrokenSequence) {
    const Utf8Case cases[] = {
        {"", u""},
        {"abc", u"abc"},
        {"\xEB\xB6\x84\xEC\x84\x9D", u"분석"},
        {"\xC2\xA0", u"\u00A0"},
        {"\xF0\x9F\x98\x80", u"\U0001F600"},  // four bytes: a surrogate pair
        {"\x80", u"\uFFFD"},                  // a continuation byte alone
        {"\xC0\xAF", u"\uFFFD\uFFFD"},        // an overlong "/" : neither byte leads
        {"\xE0\x80\x80", u"\uFFFD\uFFFD\uFFFD"},
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},            // a surrogate written as UTF-8
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
        {"\xEB\xB6", u"\uFFFD\uFFFD"},  // cut short: one replacement for each byte
        {"\xEB\xB6x", u"\uFFFD\uFFFDx"},
        {"\xF0\x9F\x98", u"\uFFFD\uFFFD\uFFFD"},
        {"a\xFF"s + "b", u"a\uFFFDb"},
        {"\0x"s, u"\0x"s},
    };
    for (const Utf8Case& c : cases) {
        EXPECT_EQ(Utf16OfUtf8(c.bytes), c.text) << c.bytes;
    }
}

TEST(Utf8, EncodesEveryCharacterAndLoneSurrogatesAsQuestionMarks) {
    const Utf8Case cases[] = {
        {"", u""},
        {"A~", u"A~"},
        {"\xC3\xA9", u"é"},
        {"\xEB\xB6\x84\xEC\x84\x9D", u"분석"},
        {"\xF0\x9F\x98\x80", u"\U0001F600"},
        {"?", u"\xD800"s},
        {"?x", u"\xDC00x"s},
        {"??", u"\xDC00\xD800"s},
    };
    for (const Utf8Case& c : cases) {
        EXPECT_EQ(Utf8OfUtf16(c.text), c.bytes);
    }
}

TEST(Latin1, OneCharacterPerByteAndAQuestionMarkBeyondIt) {
    EXPECT_EQ(Utf16OfLatin1("a\xE9\xFF"), u"aé\u00FF");
    EXPECT_EQ(Latin1OfUtf16(u"aé\u00FF분"), "a\xE9\xFF?");
    EXPECT_EQ(Latin1OfUtf16(u""), "");
}

TEST(IntegerText, WritesEveryWholeNumber) {
    EXPECT_EQ(IntegerText(0), u"0");
    EXPECT_EQ(IntegerText(-12), u"-12");
    EXPECT_EQ(IntegerText(46656), u"46656");
    EXPECT_EQ(IntegerText(LLONG_MAX), u"9223372036854775807");
    EXPECT_EQ(IntegerText(LLONG_MIN), u"-9223372036854775808");
}

TEST(TrimmedSpaces, DropsEveryKindOfSpaceAroundButNothingInside) {
    EXPECT_EQ(
        TrimmedSpaces(u" \t\r\n\v\f BF2.a b \u00A0\u3000\u2028\u2029\u202F\u205F\u0085\u1680"),
        u"BF2.a b");
    EXPECT_EQ(TrimmedSpaces(u"\u2000\u200Ax\u2000"), u"x");
    // Not spaces: the zero-width space, a byte-order mark, an ideographic full stop.
    EXPECT_EQ(TrimmedSpaces(u"\u200Bx\uFEFF"), u"\u200Bx\uFEFF");
    EXPECT_EQ(TrimmedSpaces(u"   "), u"");
}

TEST(EqualsIgnoringCase, FoldsLettersAsTheProgramAlwaysHas) {
    EXPECT_TRUE(EqualsIgnoringCase(u"TRUE", "true"));
    EXPECT_TRUE(EqualsIgnoringCase(u"fAlSe", "false"));
    EXPECT_TRUE(EqualsIgnoringCase(u"LASTDATA.CFG", "lastdata.cfg"));
    EXPECT_TRUE(EqualsIgnoringCase(u"fal\u017Fe", "false"));  // the long s folds to s
    EXPECT_TRUE(EqualsIgnoringCase(u"\u212A", "k"));          // the Kelvin sign to k
    EXPECT_FALSE(EqualsIgnoringCase(u"tru", "true"));
    EXPECT_FALSE(EqualsIgnoringCase(u"truee", "true"));
    EXPECT_FALSE(EqualsIgnoringCase(u"tr ue", "true"));
    EXPECT_FALSE(EqualsIgnoringCase(u"\uFF34rue", "true"));  // a full-width letter is another
    EXPECT_FALSE(EqualsIgnoringCase(u"lastdata_cfg", "lastdata.cfg"));
}

TEST(Base64Url, WritesTheStandardVectorsWithTheUrlAlphabetAndNoPadding) {
    const std::pair<std::string, std::string> vectors[] = {
        {"", ""},
        {"f", "Zg"},
        {"fo", "Zm8"},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg"},
        {"fooba", "Zm9vYmE"},
        {"foobar", "Zm9vYmFy"},
        {"\xFB\xFF", "-_8"},  // "+/8=" in the standard alphabet
        {"\x00\x10\x83"s, "ABCD"},
    };
    for (const auto& [bytes, text] : vectors) {
        EXPECT_EQ(Base64UrlOf(bytes), text);
        if (!text.empty()) {
            EXPECT_EQ(BytesOfBase64Url(text), bytes) << text;
        }
    }
}

TEST(Base64Url, RefusesWhatNoEncoderWrites) {
    for (const char* text :
         {"", "A", "Zm9vY", "Zm9v+", "Zm9v/", "Zm8=", "Zm 8", "Zm\n8", "Z\xC3\xA9"}) {
        EXPECT_EQ(BytesOfBase64Url(text), std::nullopt) << text;
    }
    // Bits past the last whole byte do not count.
    EXPECT_EQ(BytesOfBase64Url("Zh"), "f");
}

}  // namespace
}  // namespace brakefell
