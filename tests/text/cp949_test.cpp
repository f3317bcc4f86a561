#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <string>
#include <string_view>

#include "text/cp949.h"

namespace brakefell {
namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;

constexpr char16_t kReplacement = 0xFFFD;

// The C library's own CP949 converter, the independent reference for the table.
class LibcConverter {
  public:
    LibcConverter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~LibcConverter() {
        if (Ok()) {
            iconv_close(handle_);
        }
    }
    LibcConverter(const LibcConverter&) = delete;
    LibcConverter& operator=(const LibcConverter&) = delete;

    bool Ok() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // The converted bytes, nullopt when the converter rejects any part of the input.
    std::optional<std::string> Convert(const std::string& input) const {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        std::string in = input;
        char out[32];
        char* inPointer = in.data();
        size_t inLeft = static_cast<size_t>(in.size());
        char* outPointer = out;
        size_t outLeft = sizeof out;
        if (iconv(handle_, &inPointer, &inLeft, &outPointer, &outLeft) == static_cast<size_t>(-1) ||
            inLeft != 0) {
            return std::nullopt;
        }
        return std::string(out, sizeof out - outLeft);
    }

  private:
    iconv_t handle_;
};

std::string Utf16Bytes(char16_t unit) {
    const char bytes[2] = {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return std::string(bytes, 2);
}

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values) {
        bytes += static_cast<char>(v);
    }
    return bytes;
}

TEST(Cp949Table, DecodesEveryDoubleByteCellLikeTheCLibrary) {
    const LibcConverter toUtf16("UTF-16LE", "CP949");
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "the page's C library has no code page 949 to compare with";
#endif
    ASSERT_TRUE(toUtf16.Ok());
    int mapped = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x00; trail <= 0xFF; ++trail) {
            const std::string pair = Bytes({lead, trail});
            const std::u16string ours = DecodeCp949(pair);
            const auto reference = toUtf16.Convert(pair);
            if (reference) {
                ASSERT_EQ(reference->size(), 2) << lead << ' ' << trail;
                const char16_t expected =
                    static_cast<char16_t>(static_cast<unsigned char>((*reference)[0]) |
                                          static_cast<unsigned char>((*reference)[1]) << 8);
                ASSERT_EQ(ours, std::u16string(1, expected)) << lead << ' ' << trail;
                ++mapped;
            } else {
                // A rejected pair starts with a replacement; an ASCII byte after it survives.
                ASSERT_GE(ours.size(), 1);
                EXPECT_EQ(ours[0], kReplacement) << lead << ' ' << trail;
                const std::u16string rest = ours.substr(1);
                if (trail < 0x80) {
                    EXPECT_EQ(rest, std::u16string(1, static_cast<char16_t>(trail)))
                        << lead << ' ' << trail;
                } else {
                    EXPECT_EQ(rest, std::u16string(1, kReplacement)) << lead << ' ' << trail;
                }
            }
        }
    }
    EXPECT_EQ(mapped, 17048);
}

TEST(Cp949Table, EncodesTheWholeBasicPlaneLikeTheCLibrary) {
    const LibcConverter fromUtf16("CP949", "UTF-16LE");
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "the page's C library has no code page 949 to compare with";
#endif
    ASSERT_TRUE(fromUtf16.Ok());
    int doubleByte = 0;
    for (int unit = 0; unit <= 0xFFFF; ++unit) {
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            continue;
        }
        const std::u16string character(1, static_cast<char16_t>(unit));
        const std::string ours = EncodeCp949(character);
        const auto reference = fromUtf16.Convert(Utf16Bytes(static_cast<char16_t>(unit)));
        ASSERT_EQ(ours, reference.value_or("?")) << std::hex << unit;
        ASSERT_EQ(DisplayWidth(character), static_cast<int>(ours.size())) << std::hex << unit;
        if (reference && reference->size() == 2) {
            ++doubleByte;
            EXPECT_EQ(DecodeCp949(ours), character) << std::hex << unit;
        }
    }
    EXPECT_EQ(doubleByte, 17048);
}

TEST(Cp949Table, HoldsAllHangulSyllablesInTheirTwoAreas) {
    // 2,350 syllables in the KS X 1001 area, the other 8,822 in the extension in Unicode order.
    int wansung = 0;
    unsigned previousExtension = 0;
    bool extensionInOrder = true;
    for (char16_t syllable = 0xAC00; syllable <= 0xD7A3; ++syllable) {
        const std::string bytes = EncodeCp949(std::u16string(1, syllable));
        ASSERT_EQ(bytes.size(), 2u);
        const unsigned lead = static_cast<unsigned char>(bytes[0]);
        const unsigned trail = static_cast<unsigned char>(bytes[1]);
        if (lead >= 0xB0 && lead <= 0xC8 && trail >= 0xA1) {
            ++wansung;
        } else {
            const unsigned code = lead << 8 | trail;
            extensionInOrder = extensionInOrder && code > previousExtension;
            previousExtension = code;
        }
    }
    EXPECT_EQ(wansung, 2350);
    EXPECT_TRUE(extensionInOrder);
}

struct DecodeCase {
    std::string bytes;
    std::u16string_view expected;  // a view, so that NUL characters keep their place
};

class DecodeCp949Test : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeCp949Test, ReplacesEachOffendingByte) {
    const std::u16string_view expected = GetParam().expected;
    EXPECT_EQ(DecodeCp949(GetParam().bytes), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, DecodeCp949Test,
    testing::Values(DecodeCase{"", u""}, DecodeCase{"a\\b/c~", u"a\\b/c~"},
                    DecodeCase{"\0x\0"s, u"\0x\0"sv},
                    DecodeCase{Bytes({0xB0, 0xA1, 0x41, 0xC8, 0xFE}), u"가A힝"},
                    DecodeCase{Bytes({0x81, 0x41}), u"갂"}, DecodeCase{Bytes({0xB0}), u"\uFFFD"},
                    DecodeCase{Bytes({0x41, 0xB0}), u"A\uFFFD"},
                    DecodeCase{Bytes({0x80, 0x41}), u"\uFFFDA"},
                    DecodeCase{Bytes({0xFF, 0xB0, 0xA1}), u"\uFFFD가"},
                    DecodeCase{Bytes({0xB0, 0x20, 0xB0, 0xA1}), u"\uFFFD 가"},
                    DecodeCase{Bytes({0xC9, 0xA1, 0xB0, 0xA1}), u"\uFFFD\uFFFD가"},
                    DecodeCase{Bytes({0xB0, 0xB0, 0xA1}), u"같\uFFFD"},
                    DecodeCase{Bytes({0xA1, 0x00}), u"\uFFFD\0"sv}));

struct EncodeCase {
    const char16_t* text;
    std::string expected;
};

class EncodeCp949Test : public testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeCp949Test, WritesBytesOrQuestionMarks) {
    const EncodeCase& c = GetParam();
    const std::u16string text = c.text;
    EXPECT_EQ(EncodeCp949(text), c.expected);
    EXPECT_EQ(DisplayWidth(text), static_cast<int>(c.expected.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EncodeCp949Test,
    testing::Values(EncodeCase{u"", ""}, EncodeCase{u"a\\b", "a\\b"},
                    EncodeCase{u"가힝힣", Bytes({0xB0, 0xA1, 0xC8, 0xFE, 0xC6, 0x52})},
                    EncodeCase{u"갂", Bytes({0x81, 0x41})}, EncodeCase{u"\U0001F600!", "?!"},
                    EncodeCase{u"é", "?"}, EncodeCase{u"\u0080", "?"}, EncodeCase{u"\uFFFD", "?"},
                    EncodeCase{u"\uE000", "?"}));

TEST(EncodeCp949Surrogates, LoneHalvesBecomeOneQuestionMarkEach) {
    const char16_t units[] = {0xD83D, u'a', 0xDE00, 0xD83D};
    const std::u16string_view text(units, 4);
    EXPECT_EQ(EncodeCp949(text), "?a??");
    EXPECT_EQ(DisplayWidth(text), 4);
}

TEST(Cp949RoundTrip, KeepsKoreanTextAndSymbols) {
    const std::u16string text = u"굴림체 ▶ 자동 쇠뇌 ±5% ① 漢字 ㄱㅏ\r\n";
    EXPECT_EQ(DecodeCp949(EncodeCp949(text)), text);
    EXPECT_EQ(DisplayWidth(text), static_cast<int>(EncodeCp949(text).size()));
}

}  // namespace
}  // namespace brakefell
