// Share codes: a build travels as one line and comes back as the very profile "저장" writes, read
// by the same reader as "열기"; anything that is not a code changes nothing and says so once.
#include "profile/share_code.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>

#include "engine/report/calculation_report.h"
#include "engine_fixtures.h"
#include "form/messages.h"
#include "form/skill_slots.h"
#include "form/start_up_lists.h"
#include "profile/profile_lines.h"
#include "random_characters.h"
#include "recording_prompts.h"
#include "session/run_calculation.h"
#include "typed_sheet.h"

namespace brakefell {
namespace {

std::unique_ptr<FormState> StartedForm() {
    auto form = std::make_unique<FormState>(testing::ShippedCatalogue());
    FillStartUpLists(*form);
    FillSkillSlots(*form);
    return form;
}

QStringList ReportOf(FormState& form, Edition edition) {
    ShownLists shown;
    RunCalculation(form, shown, edition);
    QStringList boxes;
    for (int box = 0; box < kResultBoxCount; ++box) {
        boxes << form.at(QStringLiteral("txtResult(%1)").arg(box)).text;
    }
    return boxes;
}

QString CodeOfBytes(const QByteArray& bytes) {
    return QString::fromLatin1(kShareCodePrefix) +
           QString::fromLatin1(
               bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

QByteArray Zlib(const QByteArray& bytes) {
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    QByteArray packed(static_cast<qsizetype>(size), '\0');
    compress(reinterpret_cast<Bytef*>(packed.data()), &size,
             reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uLong>(bytes.size()));
    packed.truncate(static_cast<qsizetype>(size));
    return packed;
}

// The code gives what opening the saved profile gives: the same bytes, the same report. (What a
// profile does not hold, the options applied to the result, stays as the reader's form has it.)
TEST(ShareCodes, RandomCharactersComeBackByteForByteWithTheReportOfTheSavedProfile) {
    std::mt19937_64 random(20261209);
    const int cases = testing::RandomCaseCount(60);
    for (int i = 0; i < cases; ++i) {
        auto typed = StartedForm();
        testing::TypeSheetInto(testing::RandomCharacter(random), *typed);
        const QByteArray profile = WriteProfile(*typed);
        const QString code = ShareCodeOf(*typed);
        SCOPED_TRACE(code.toStdString());

        EXPECT_TRUE(code.startsWith(QLatin1StringView("BF1.")));
        EXPECT_LT(code.size(), 500);
        EXPECT_EQ(ProfileOfShareCode(code), profile);

        auto pasted = StartedForm();
        testing::RecordingPrompts prompts;
        ASSERT_TRUE(LoadShareCode(code, *pasted, prompts));
        EXPECT_TRUE(prompts.messages.isEmpty());
        EXPECT_EQ(WriteProfile(*pasted), profile);

        auto opened = StartedForm();
        ASSERT_TRUE(ReadProfile(profile, *opened).complete);
        const Edition edition = i % 2 == 0 ? Edition::Full : Edition::Lite;
        EXPECT_EQ(ReportOf(*pasted, edition), ReportOf(*opened, edition));
    }
}

TEST(ShareCodes, BlanksAndLineBreaksAroundAPastedCodeDoNotMatter) {
    auto form = StartedForm();
    const QString code = ShareCodeOf(*form);
    EXPECT_EQ(ProfileOfShareCode(QStringLiteral(" \r\n") + code + QStringLiteral("\n\t")),
              WriteProfile(*form));
}

TEST(ShareCodes, WhatIsNotACodeShowsOneSentenceAndChangesNothing) {
    auto original = StartedForm();
    const QByteArray profile = WriteProfile(*original);
    const QString good = ShareCodeOfProfile(profile);
    const QString body = good.mid(4);
    QByteArray bomb(2 * 1024 * 1024, ' ');  // a small code that would expand to 2 MB

    const QString notCodes[] = {
        QString(),
        QStringLiteral("BF1."),
        QStringLiteral("BF2.") + body,                        // another version
        QStringLiteral("bf1.") + body,                        // the prefix is exact
        body,                                                 // no prefix
        QStringLiteral("BF1.") + body.left(body.size() - 6),  // cut short
        QStringLiteral("BF1.") + body + QStringLiteral("!"),  // not base64url
        QStringLiteral("BF1.") + body.left(10) + QStringLiteral(" ") +
            body.mid(10),                                      // a blank inside
        QStringLiteral("BF1.") + body + QStringLiteral("=="),  // padding
        QStringLiteral("BF1.A"),                               // no whole byte
        CodeOfBytes(Zlib(profile) + "more"),                   // bytes after the stream
        CodeOfBytes("not compressed at all"),
        CodeOfBytes(Zlib("a few words, not a profile")),
        CodeOfBytes(Zlib(profile.left(profile.size() / 2))),  // half a profile
        CodeOfBytes(Zlib(bomb)),
        QStringLiteral("BF1.") + QString(2 * 1024 * 1024, u'A'),  // far longer than any code
    };
    for (const QString& notCode : notCodes) {
        SCOPED_TRACE(notCode.left(80).toStdString());
        // A form that differs from the defaults, so that a partly applied profile would show.
        auto form = StartedForm();
        form->setText(QStringLiteral("txtWeaponDamageMin"), QStringLiteral("1999"));
        const QByteArray before = WriteProfile(*form);
        testing::RecordingPrompts prompts;

        const CommandOutcome outcome = LoadShareCode(notCode, *form, prompts);

        EXPECT_FALSE(outcome);
        EXPECT_EQ(prompts.messages, QStringList{QString::fromUtf8(messages::kShareCodeError)});
        EXPECT_EQ(WriteProfile(*form), before);
    }
}

TEST(ShareCodes, ExpandUpToTheLimitAndNoFurther) {
    const QByteArray atLimit(kShareCodeLargestProfile, 'x');
    EXPECT_EQ(ProfileOfShareCode(ShareCodeOfProfile(atLimit)), atLimit);
    EXPECT_EQ(ProfileOfShareCode(ShareCodeOfProfile(atLimit + 'x')), std::nullopt);
}

}  // namespace
}  // namespace brakefell
