// Share codes: a build travels as one line and comes back whole: the very profile "저장" writes,
// read by the same reader as "열기", and every other input a calculation reads. Codes of the first
// version still open; anything that is not a code changes nothing and says so once.
#include "profile/share_code.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <random>

#include "desktop_adapters/qt_text.h"
#include "desktop_adapters/zlib_deflate.h"
#include "engine/report/calculation_report.h"
#include "engine_fixtures.h"
#include "form/control_table.h"
#include "form/messages.h"
#include "form/skill_slots.h"
#include "form/start_up_lists.h"
#include "profile/build_options.h"
#include "profile/profile_lines.h"
#include "random_characters.h"
#include "recording_prompts.h"
#include "session/run_calculation.h"
#include "text/strings.h"
#include "text_helpers.h"
#include "typed_sheet.h"

namespace brakefell {
namespace {

const ZlibDeflate kDeflate;

std::u16string ShareCodeOf(const SharedBuild& build) {
    return brakefell::ShareCodeOf(kDeflate, build);
}
std::u16string ShareCodeOf(const FormState& form) {
    return brakefell::ShareCodeOf(kDeflate, form);
}
std::optional<SharedBuild> BuildOfShareCode(std::u16string_view code) {
    return brakefell::BuildOfShareCode(kDeflate, code);
}
CommandOutcome LoadShareCode(std::u16string_view code, FormState& form, UserPrompts& prompts) {
    return brakefell::LoadShareCode(kDeflate, code, form, prompts);
}

std::unique_ptr<FormState> StartedForm() {
    auto form = std::make_unique<FormState>(testing::ShippedCatalogue());
    FillStartUpLists(*form);
    FillSkillSlots(*form);
    return form;
}

std::vector<std::u16string> ReportOf(FormState& form, Edition edition) {
    RunCalculation(form, edition);
    std::vector<std::u16string> boxes;
    for (int box = 0; box < kResultBoxCount; ++box) {
        boxes.push_back(form.at(IndexedName("txtResult", box)).text);
    }
    boxes.push_back(form.at(u"txtBowCycleResult").text);
    return boxes;
}

// Base64url by another hand than the program's.
std::u16string Block(const std::string& bytes) {
    return Utf16OfLatin1(
        QBytesOf(bytes)
            .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals)
            .toStdString());
}

std::string Zlib(const std::string& bytes) {
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    std::string packed(static_cast<std::size_t>(size), '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
              reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uLong>(bytes.size()),
              Z_BEST_COMPRESSION);
    packed.resize(static_cast<std::size_t>(size));
    return packed;
}

std::u16string FirstVersionCode(const std::string& profile) {
    return u"BF1." + Block(Zlib(profile));
}

std::u16string WholeCode(const std::string& profile, const std::string& options) {
    return u"BF2." + Block(Zlib(profile)) + u'.' + Block(Zlib(options));
}

// The options that differ from the defaults on every count, so that a code that left them as
// they were would show.
void TurnEveryOption(FormState& form) {
    form.setCheck(u"chkCrossbow", 1 - form.at(u"chkCrossbow").value);
    form.setCheck(u"chkMark", 1);
    form.setCheck(u"chkCompanion", 1);
    form.setCheck(u"chkVoodoo", 1);
    form.setOption(u"optVoodooETC", true);
    form.setCheck(u"chkOurGemPoison", 1);
    form.setListIndex(u"cboOurGemPoison", 2);
    form.setCheck(u"chkGrenadier", 1);
}

// A friend who pastes the code sees what the sender saw: the same inputs, the same report.
TEST(ShareCodes, RandomBuildsComeBackWhole) {
    std::mt19937_64 random(20261209);
    const int cases = testing::RandomCaseCount(60);
    for (int i = 0; i < cases; ++i) {
        auto sender = StartedForm();
        testing::TypeSheetInto(testing::RandomCharacter(random), *sender);
        sender->setCheck(u"chkGrenadier", static_cast<int>(random() % 3));
        const std::u16string code = ShareCodeOf(*sender);
        SCOPED_TRACE(Utf8OfUtf16(code));
        EXPECT_TRUE(code.starts_with(u"BF2."));
        EXPECT_EQ(BuildOfShareCode(code), BuildOf(*sender));
        EXPECT_EQ(BuildOfBytes(BytesOfBuild(BuildOf(*sender))), BuildOf(*sender));

        auto friendForm = StartedForm();
        TurnEveryOption(*friendForm);
        testing::RecordingPrompts prompts;
        ASSERT_TRUE(LoadShareCode(code, *friendForm, prompts));
        EXPECT_TRUE(prompts.messages.empty());
        for (const ControlState& control : sender->controls()) {
            EXPECT_EQ(friendForm->at(control.name).value, control.value)
                << Utf8OfUtf16(control.name);
            EXPECT_EQ(friendForm->at(control.name).text, control.text) << Utf8OfUtf16(control.name);
        }
        const Edition edition = i % 2 == 0 ? Edition::Full : Edition::Lite;
        EXPECT_EQ(ReportOf(*friendForm, edition), ReportOf(*sender, edition));
    }
}

// Whatever input the window has, a change of it changes the profile or the options beside it,
// never both: the profile keeps its 65 lines and the code misses nothing.
TEST(ShareCodes, EveryInputTravelsInExactlyOneBlock) {
    for (const ControlSpec& entry : ControlTable()) {
        auto form = StartedForm();
        const std::u16string name = Utf16OfLatin1(entry.name);
        const ControlState& control = form->at(name);
        const SharedBuild before = BuildOf(*form);
        switch (entry.kind) {
            case ControlKind::TextBox:
                form->setText(name, control.text + u'7');
                break;
            case ControlKind::CheckBox:
                form->setCheck(name, 2);
                break;
            case ControlKind::DropDown:
                form->setListIndex(name, control.value == 1 ? 0 : 1);
                break;
            case ControlKind::OptionButton:
                form->setOption(name, control.value == 0);
                break;
            default:
                continue;
        }
        const SharedBuild after = BuildOf(*form);
        SCOPED_TRACE(entry.name);
        EXPECT_NE(after.profile != before.profile, after.options != before.options);
        EXPECT_EQ(testing::Split(after.profile, "\r\n").size(), kProfileLineCount + 1u);
    }
}

TEST(ShareCodes, FirstVersionCodesReadTheProfileAndLeaveTheOtherInputs) {
    auto sender = StartedForm();
    sender->setText(u"txtMainStat", u"12345");
    sender->setCheck(u"chkCrossbow", 0);
    const std::u16string code = FirstVersionCode(WriteProfile(*sender));
    ASSERT_EQ(BuildOfShareCode(code), (SharedBuild{WriteProfile(*sender), std::nullopt}));
    EXPECT_EQ(ShareCodeOf(*BuildOfShareCode(code)), code);  // a history line keeps its code

    auto reader = StartedForm();
    TurnEveryOption(*reader);
    const std::string readersOptions = WriteBuildOptions(*reader);
    testing::RecordingPrompts prompts;
    ASSERT_TRUE(LoadShareCode(code, *reader, prompts));
    EXPECT_EQ(WriteProfile(*reader), WriteProfile(*sender));
    EXPECT_EQ(WriteBuildOptions(*reader), readersOptions);
}

// As chat programs paste it, and as the page's "링크 복사" gives it.
TEST(ShareCodes, BlanksAroundACodeAndALinkBeforeItDoNotMatter) {
    auto form = StartedForm();
    form->setCheck(u"chkMark", 1);
    const std::u16string code = ShareCodeOf(*form);
    for (const std::u16string& pasted :
         {u" \r\n" + code + u"\n\t", u"https://example.org/brakefell/#" + code,
          u"http://127.0.0.1:8080/index.html?x=1#" + code + u"\n"}) {
        EXPECT_EQ(BuildOfShareCode(pasted), BuildOf(*form)) << Utf8OfUtf16(pasted);
    }
    EXPECT_EQ(BuildOfShareCode(u"https://example.org/brakefell/#"), std::nullopt);
    EXPECT_EQ(BuildOfShareCode(u"https://example.org/brakefell/"), std::nullopt);
}

TEST(ShareCodes, WhatIsNotACodeShowsOneSentenceAndChangesNothing) {
    auto original = StartedForm();
    const std::string profile = WriteProfile(*original);
    const std::string options = WriteBuildOptions(*original);
    const std::u16string body = FirstVersionCode(profile).substr(4);
    const std::u16string optionsBlock = Block(Zlib(options));
    std::string bomb(2 * 1024 * 1024, ' ');  // a small code that would expand to 2 MB

    const std::u16string notCodes[] = {
        std::u16string(),
        u"BF1.",
        u"BF3." + body,                                         // another version
        u"bf1." + body,                                         // the prefix is exact
        body,                                                   // no prefix
        u"BF1." + body.substr(0, body.size() - 6),              // cut short
        u"BF1." + body + u"!",                                  // not base64url
        u"BF1." + body.substr(0, 10) + u" " + body.substr(10),  // a blank inside
        u"BF1." + body + u"==",                                 // padding
        u"BF1.A",                                               // no whole byte
        u"BF1." + Block(Zlib(profile) + "more"),                // bytes after the stream
        u"BF1." + Block("not compressed at all"),
        FirstVersionCode("a few words, not a profile"),
        FirstVersionCode(profile.substr(0, profile.size() / 2)),  // half a profile
        FirstVersionCode(bomb),
        u"BF1." + std::u16string(2 * 1024 * 1024, u'A'),  // far longer than any code
        // Whole builds: two blocks, both whole, and a list this program knows.
        u"BF1." + body + u'.' + optionsBlock,  // the first version has one block
        u"BF2." + body,                        // the options are missing
        u"BF2." + body + u'.',
        u"BF2." + body + u'.' + optionsBlock + u'.' + optionsBlock,
        u"BF2." + body + u'.' + optionsBlock.substr(0, optionsBlock.size() - 4),
        u"BF2." + body + u'.' + Block(Zlib(options) + "x"),
        u"BF2." + body + u'.' + Block(Zlib(bomb)),
        WholeCode(profile.substr(0, profile.size() / 2), options),
        WholeCode(profile, "2\r\nchkCrossbow=0\r\n"),           // a later list
        WholeCode(profile, "chkCrossbow=0\r\n"),                // no version
        WholeCode(profile, "1\r\nchkWhatever=1\r\n"),           // not an input of the list
        WholeCode(profile, "1\r\ntxtMainStat=1\r\n"),           // the profile holds that one
        WholeCode(profile, "1\r\nchkMark=1\r\nchkMark=0\r\n"),  // twice
        WholeCode(profile, "1\r\nchkCrossbow=3\r\n"),
        WholeCode(profile, "1\r\nchkCrossbow= 1\r\n"),
        WholeCode(profile, "1\r\nchkCrossbow\r\n"),
        WholeCode(profile, "1\r\ncboOurGemPoison=3\r\n"),
        WholeCode(profile, "1\r\ncboOurGemPoison=-2\r\n"),
        WholeCode(profile, "1\r\noptVoodooETC=2\r\n"),
        // A good list after a damaged line still changes nothing.
        WholeCode(profile, "1\r\nchkMark=1\r\nchkCompanion=9\r\n"),
    };
    for (const std::u16string& notCode : notCodes) {
        SCOPED_TRACE(Utf8OfUtf16(notCode.substr(0, 80)));
        // A form that differs from the defaults, so that a partly applied build would show.
        auto form = StartedForm();
        form->setText(u"txtWeaponDamageMin", u"1999");
        const SharedBuild before = BuildOf(*form);
        testing::RecordingPrompts prompts;
        int told = 0;
        form->setChangeListener([&](const ControlState&) { ++told; });

        const CommandOutcome outcome = LoadShareCode(notCode, *form, prompts);

        EXPECT_FALSE(outcome);
        EXPECT_EQ(told, 0) << "the window heard of a change";
        EXPECT_EQ(prompts.messages,
                  std::vector<std::u16string>{std::u16string(messages::kShareCodeError)});
        EXPECT_EQ(BuildOf(*form), before);
    }
}

// A build travels to a page's worker as one string of bytes; anything else is no build.
TEST(ShareCodes, ABuildAsBytesComesBackWholeAndNothingElseReads) {
    const std::string profile = WriteProfile(*StartedForm());
    for (const SharedBuild& build : {SharedBuild{profile, "1\r\nchkMark=1\r\n"},
                                     SharedBuild{profile, std::nullopt}, SharedBuild{"", ""}}) {
        EXPECT_EQ(BuildOfBytes(BytesOfBuild(build)), build);
    }
    const std::string bytes = BytesOfBuild({profile, "1\r\n"});
    for (const std::string& notBuild :
         {std::string(), bytes.substr(0, bytes.size() - 1), bytes + "x", std::string("3 -\nab"),
          std::string("3 -\nabcd"), std::string("-1 -\n"), std::string("3 x\nabc"),
          std::string("3 1\nabc"), std::string("3\nabc")}) {
        EXPECT_EQ(BuildOfBytes(notBuild), std::nullopt) << notBuild.substr(0, 20);
    }
}

TEST(ShareCodes, AListNeedNotNameEveryInput) {
    auto form = StartedForm();
    form->setCheck(u"chkMark", 1);
    const std::u16string code = WholeCode(WriteProfile(*form), "1\r\nchkCrossbow=0\r\n");
    testing::RecordingPrompts prompts;
    ASSERT_TRUE(LoadShareCode(code, *form, prompts));
    EXPECT_EQ(form->at(u"chkCrossbow").value, 0);
    EXPECT_EQ(form->at(u"chkMark").value, 1);
}

TEST(ShareCodes, ExpandUpToTheLimitAndNoFurther) {
    const std::string atLimit(kShareCodeLargestBlock, 'x');
    const SharedBuild whole{atLimit, atLimit};
    EXPECT_EQ(BuildOfShareCode(ShareCodeOf(whole)), whole);
    EXPECT_EQ(BuildOfShareCode(FirstVersionCode(atLimit + 'x')), std::nullopt);
    EXPECT_EQ(BuildOfShareCode(WholeCode("x", atLimit + 'x')), std::nullopt);
}

struct StoredStream {
    std::string bytes;   // what it expands to
    std::string stream;  // exactly the size asked for
};

// A well-made zlib stream of exactly `size` bytes that expands to nearly `largest` bytes: the
// bytes in stored blocks, then empty stored blocks of 5 bytes each to make up the size.
StoredStream StoredStreamOfSize(std::size_t size, std::size_t largest) {
    constexpr std::size_t kFullBlock = 0xffff;
    constexpr std::size_t kFraming = 2 + 5 + 4;  // header, the last empty block, checksum
    std::size_t count = largest;
    const auto bare = [](std::size_t n) {
        return kFraming + n + 5 * ((n + kFullBlock - 1) / kFullBlock);
    };
    while (bare(count) > size || (size - bare(count)) % 5 != 0) {
        --count;
    }
    StoredStream made{std::string(count, 'x'), std::string("\x78\x01", 2)};
    const auto storedBlock = [&made](std::string_view data, bool last) {
        const auto length = static_cast<std::uint16_t>(data.size());
        made.stream += static_cast<char>(last ? 1 : 0);
        made.stream += static_cast<char>(length & 0xff);
        made.stream += static_cast<char>(length >> 8);
        made.stream += static_cast<char>(~length & 0xff);
        made.stream += static_cast<char>((~length >> 8) & 0xff);
        made.stream += data;
    };
    for (std::size_t at = 0; at < count; at += kFullBlock) {
        storedBlock(std::string_view(made.bytes).substr(at, std::min(kFullBlock, count - at)),
                    false);
    }
    while (made.stream.size() + 5 + 4 < size) {
        storedBlock({}, false);
    }
    storedBlock({}, true);
    const uLong adler =
        adler32(adler32(0, nullptr, 0), reinterpret_cast<const Bytef*>(made.bytes.data()), count);
    for (int shift = 24; shift >= 0; shift -= 8) {
        made.stream += static_cast<char>((adler >> shift) & 0xff);
    }
    return made;
}

// A block of exactly the longest length is decoded; a block one step longer that would expand
// just as well is refused on its length alone.
TEST(ShareCodes, TheLengthBoundComesBeforeAnyDecoding) {
    constexpr std::size_t kLongestStream = kShareCodeLongestBlock / 4 * 3;
    const StoredStream atBound = StoredStreamOfSize(kLongestStream, kShareCodeLargestBlock);
    const StoredStream beyond = StoredStreamOfSize(kLongestStream + 3, kShareCodeLargestBlock);
    ASSERT_EQ(atBound.stream.size(), kLongestStream);
    ASSERT_EQ(Block(atBound.stream).size(), kShareCodeLongestBlock);
    ASSERT_EQ(Block(beyond.stream).size(), kShareCodeLongestBlock + 4);

    const std::u16string options = Block(Zlib("1\r\n"));
    const auto code = [](const std::u16string& prefix, const std::u16string& body) {
        return prefix + body;
    };
    EXPECT_EQ(BuildOfShareCode(code(u"BF1.", Block(atBound.stream))),
              (SharedBuild{atBound.bytes, std::nullopt}));
    EXPECT_EQ(BuildOfShareCode(code(u"BF2.", Block(atBound.stream) + u'.' + options)),
              (SharedBuild{atBound.bytes, std::string("1\r\n")}));
    // The least compressed form of the largest profile, every byte in stored blocks, is a code:
    // the bound is the base64 length of that stream, whatever the constant says.
    constexpr std::size_t kStoredBlock = 0xffff;
    const std::size_t storedSize = 11 + kShareCodeLargestBlock +
                                   5 * ((kShareCodeLargestBlock + kStoredBlock - 1) / kStoredBlock);
    const StoredStream largest = StoredStreamOfSize(storedSize, kShareCodeLargestBlock);
    ASSERT_EQ(largest.bytes.size(), kShareCodeLargestBlock);
    EXPECT_EQ(BuildOfShareCode(code(u"BF1.", Block(largest.stream))),
              (SharedBuild{largest.bytes, std::nullopt}));
    // The same streams a few bytes longer expand just as well, but are never decoded.
    EXPECT_EQ(BuildOfShareCode(code(u"BF1.", Block(beyond.stream))), std::nullopt);
    EXPECT_EQ(BuildOfShareCode(code(u"BF2.", Block(beyond.stream) + u'.' + options)), std::nullopt);
    EXPECT_EQ(BuildOfShareCode(code(u"BF2.", options + u'.' + Block(beyond.stream))), std::nullopt);
}

}  // namespace
}  // namespace brakefell
