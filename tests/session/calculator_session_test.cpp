// Start-up and shutdown of one calculator, with the catalogue and the last-run file in a
// temporary program folder.
#include "session/calculator_session.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "desktop_adapters/desktop_platform.h"
#include "form/messages.h"
#include "recording_prompts.h"
#include "temp_folder.h"
#include "test_catalogue.h"
#include "text/cp949.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

using testing::RecordingPrompts;

const std::u16string kCatalogueError(messages::kCatalogueLoadError);
const std::u16string kNoLastRun(messages::kNoLastRunFile);
const std::u16string kSaveError(messages::kProfileSaveError);

void WriteFile(const std::string& path, const std::string& bytes) {
    ASSERT_TRUE(testing::WriteFileBytes(path, bytes)) << path;
}

class SessionTest : public ::testing::Test {
  protected:
    testing::TempFolder temp;
    DesktopPlatform desktop;
    RecordingPrompts prompts;

    ProgramFolders folders() const { return {temp.filePath("app"), temp.filePath("user/data")}; }

    void SetUp() override {
        ASSERT_TRUE(std::filesystem::create_directories(temp.filePath("app")));
    }

    void shipCatalogue(const std::string& folder, int skills = kSkillCount) {
        WriteFile(folder + "/Gloamstalker007.txt", EncodeCp949(testing::CatalogueFileText(skills)));
    }
};

TEST_F(SessionTest, WithoutACatalogueTheSmallListsAreFilledAndTheSlotsStayEmpty) {
    // A last-run file is there but must not be read after the catalogue failed.
    WriteFile(temp.filePath("app/LastData.cfg"), std::string(" 1 \r\n1234\r\n"));
    CalculatorSession session(Edition::Full, folders(), desktop.platform(), prompts);

    EXPECT_FALSE(session.startUp());
    EXPECT_EQ(prompts.messages, std::vector<std::u16string>{kCatalogueError});

    const FormState& form = session.form();
    EXPECT_EQ(form.at(u"cboWeaponSpeed").value, 0);
    EXPECT_EQ(form.at(u"cboGemJMeter").items,
              std::vector<std::u16string>({u"10", u"20", u"30", u"40", u"50"}));
    EXPECT_EQ(form.at(u"cboGemJMeter").value, 0);
    EXPECT_EQ(form.at(u"cboOurGemPoison").items,
              std::vector<std::u16string>({u"1개", u"2개", u"3개"}));
    EXPECT_EQ(form.at(u"cboOurGemPoison").value, 0);
    EXPECT_FALSE(form.at(u"cboOurGemPoison").visible);
    for (int slot = 0; slot < 6; ++slot) {
        EXPECT_TRUE(form.at(IndexedName("cboUsingSkill", slot)).items.empty());
        EXPECT_EQ(form.at(IndexedName("cboUsingSkill", slot)).value, -1);
        EXPECT_TRUE(form.at(IndexedName("cboUsingSkillRune", slot)).items.empty());
        EXPECT_TRUE(form.at(IndexedName("lblSkillElement", slot)).text.empty());
    }
    EXPECT_EQ(form.at(u"txtWeaponExtraSpeed").text, u"6");
}

TEST_F(SessionTest, ClosingAfterTheCatalogueFailedKeepsTheLastRunFileAsItWas) {
    const std::string lastRun(" 2 \r\n7\r\n민첩 9000\r\n");
    WriteFile(temp.filePath("app/LastData.cfg"), lastRun);
    CalculatorSession session(Edition::Full, folders(), desktop.platform(), prompts);
    ASSERT_FALSE(session.startUp());

    session.form().setText(u"txtMainStat", u"1");
    session.shutDown();

    EXPECT_EQ(testing::ReadFileBytes(temp.filePath("app/LastData.cfg")), lastRun);
    EXPECT_EQ(prompts.messages, std::vector<std::u16string>{kCatalogueError});
    EXPECT_FALSE(std::filesystem::exists(temp.filePath("user/data/LastData.cfg")));
}

TEST_F(SessionTest, ACatalogueWithoutAnySkillFailsToLoad) {
    // Saved with bare LF line ends, the file is a single comment line.
    std::string lineFeedsOnly = EncodeCp949(testing::CatalogueFileText(kSkillCount));
    lineFeedsOnly = testing::ReplaceAll(lineFeedsOnly, "\r\n", "\n");
    WriteFile(temp.filePath("app/Gloamstalker007.txt"), "# 설명\n" + lineFeedsOnly);
    CalculatorSession session(Edition::Full, folders(), desktop.platform(), prompts);

    EXPECT_FALSE(session.startUp());
    EXPECT_EQ(prompts.messages, std::vector<std::u16string>{kCatalogueError});
    EXPECT_TRUE(session.form().at(u"cboUsingSkill(0)").items.empty());
}

TEST_F(SessionTest, FirstStartShowsTheDefaultsAndSaysThereIsNoLastRun) {
    shipCatalogue(temp.filePath("app"));
    CalculatorSession session(Edition::Full, folders(), desktop.platform(), prompts);

    EXPECT_TRUE(session.startUp());
    EXPECT_EQ(prompts.messages, std::vector<std::u16string>{kNoLastRun});
    EXPECT_TRUE(session.form().characterSheet() == CharacterSheet{});
    EXPECT_EQ(session.catalogue()[15].name, u"스킬 15");
    EXPECT_EQ(session.form().at(u"cboUsingSkillRune(0)").items[1], u"룬 15-1");
    EXPECT_EQ(session.form().at(u"lblSkillElement(0)").text, u"냉기 속성");
    EXPECT_EQ(session.form().at(u"lblSkillElement(4)").text, u"번개 속성");
}

TEST_F(SessionTest, ShutdownKeepsTheInputsForTheNextStart) {
    shipCatalogue(temp.filePath("app"));
    {
        CalculatorSession first(Edition::Full, folders(), desktop.platform(), prompts);
        first.startUp();
        first.form().setText(u"txtMainStat", u"9999 민첩");
        first.form().setListIndex(u"cboUsingSkill(3)", 7);
        first.form().setListIndex(u"cboUsingSkillRune(3)", 2);
        first.form().setCheck(u"chkGemJ", 1);
        first.shutDown();
    }
    EXPECT_TRUE(std::filesystem::exists(temp.filePath("app/LastData.cfg")));
    prompts.messages.clear();

    CalculatorSession second(Edition::Lite, folders(), desktop.platform(), prompts);
    EXPECT_TRUE(second.startUp());
    EXPECT_TRUE(prompts.messages.empty()) << Utf8OfUtf16(testing::Join(prompts.messages, u"|"));
    EXPECT_EQ(second.form().at(u"txtMainStat").text, u"9999 민첩");
    EXPECT_EQ(second.form().at(u"cboUsingSkill(3)").value, 7);
    EXPECT_EQ(second.form().at(u"cboUsingSkillRune(3)").value, 2);
    EXPECT_EQ(second.form().at(u"cboUsingSkillRune(3)").items[0], u"룬 7-0");
    EXPECT_EQ(second.form().at(u"lblSkillElement(3)").text, u"물리 속성");
    EXPECT_EQ(second.form().at(u"chkGemJ").value, 1);
}

TEST_F(SessionTest, ACatalogueElsewhereAndNoLastRunForTheHeadlessTool) {
    shipCatalogue(temp.path(), 5);
    WriteFile(temp.filePath("app/LastData.cfg"), std::string(" 1 \r\n1234\r\n"));
    CalculatorSession session(Edition::Full, folders(), desktop.platform(), prompts);

    StartupOptions options;
    options.cataloguePath = temp.filePath("Gloamstalker007.txt");
    options.loadLastRun = false;
    EXPECT_TRUE(session.startUp(options));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(session.catalogue()[4].name, u"스킬 4");
    EXPECT_EQ(session.catalogue()[5].name, u"");
    EXPECT_EQ(session.form().at(u"txtWeaponExtraSpeed").text, u"6");
    EXPECT_EQ(session.form().at(u"cboWeaponSpeed").value, 0);
}

TEST_F(SessionTest, AShutdownThatCannotSaveAnywhereSaysSo) {
    WriteFile(temp.filePath("locked"), "not a folder");
    const ProgramFolders nowhere{temp.filePath("locked"), temp.filePath("locked/user")};
    shipCatalogue(temp.path());
    StartupOptions options;
    options.cataloguePath = temp.filePath("Gloamstalker007.txt");
    CalculatorSession session(Edition::Full, nowhere, desktop.platform(), prompts);
    session.startUp(options);
    prompts.messages.clear();
    session.shutDown();
    EXPECT_EQ(prompts.messages, std::vector<std::u16string>{kSaveError});
}

TEST_F(SessionTest, TheButtonsSaveAndOpenTheChosenProfile) {
    shipCatalogue(temp.filePath("app"));
    CalculatorSession session(Edition::Full, folders(), desktop.platform(), prompts);
    session.startUp();
    prompts.messages.clear();

    session.form().setText(u"txtCriticalChance", u"55.5");
    prompts.saveAnswers.push_back(temp.filePath("hero.cfg"));
    session.saveProfile();

    session.form().setText(u"txtCriticalChance", u"1");
    session.form().setText(u"txtResult(0)", u"지난 보고서");
    prompts.openAnswers.push_back(temp.filePath("hero.cfg"));
    session.openProfile();

    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(session.form().at(u"txtCriticalChance").text, u"55.5");
    EXPECT_EQ(session.form().at(u"txtResult(0)").text, u"지난 보고서");  // no recalculation
}

// What a calculation leaves behind. A session started for a window records every calculation that
// is not refused and not of the newest entry's build, keeps it in the user's history file, and
// restores an entry with the report of then; the headless tool's session records nothing and
// writes no history.
TEST_F(SessionTest, OnlyAWindowsSessionRecordsAndAnEntryRestoresItsReport) {
    shipCatalogue(temp.filePath("app"));
    const std::string historyFile = folders().userDataDir + "/" + kHistoryFileName;
    const auto report = [](const CalculatorSession& session) {
        std::u16string boxes;
        for (const ControlState& control : session.form().controls()) {
            if (control.kind == ControlKind::ResultBox) {
                boxes += control.text + u'|';
            }
        }
        return boxes;
    };
    for (const bool window : {false, true}) {
        SCOPED_TRACE(window ? "window" : "tool");
        CalculatorSession session(Edition::Full, folders(), desktop.platform(), prompts);
        StartupOptions options;
        options.loadLastRun = false;
        options.recordHistory = window;
        ASSERT_TRUE(session.startUp(options));
        int calculations = 0;
        session.onCalculated([&](const CommandOutcome&) { ++calculations; });

        session.form().setText(u"txtMainStat", u"8000");
        const std::uint64_t typed = session.inputsGeneration();
        ASSERT_TRUE(session.calculate());
        EXPECT_EQ(session.inputsGeneration(), typed) << "a report is not an input";
        const std::u16string first = report(session);
        session.form().setText(u"txtMainStat", u"9000");
        ASSERT_TRUE(session.calculate());
        ASSERT_NE(report(session), first);
        session.form().setText(u"txtMainStat", u"1e999");
        EXPECT_FALSE(session.calculate());
        EXPECT_EQ(calculations, 3);  // the refused one too
        EXPECT_EQ(std::filesystem::exists(historyFile), window);
        if (!window) {
            EXPECT_TRUE(session.history().entries().empty());
            continue;
        }
        ASSERT_EQ(session.history().entries().size(), 2u);

        const std::uint64_t generation = session.inputsGeneration();
        EXPECT_TRUE(session.restore(session.history().entries().front()));
        EXPECT_GT(session.inputsGeneration(), generation);
        EXPECT_EQ(session.form().at(u"txtMainStat").text, u"8000");
        EXPECT_EQ(report(session), first);
        EXPECT_EQ(session.history().entries().size(), 3u);

        // The newest build again, restored or pressed again, is no new entry.
        EXPECT_TRUE(session.restore(session.history().entries().back()));
        EXPECT_TRUE(session.calculate());
        EXPECT_EQ(session.history().entries().size(), 3u);
        EXPECT_EQ(calculations, 6);
        // A build that differs in an option box alone is another build.
        session.form().setCheck(u"chkCrossbow", 1 - session.form().at(u"chkCrossbow").value);
        EXPECT_TRUE(session.calculate());
        EXPECT_EQ(session.history().entries().size(), 4u);
    }
}

}  // namespace
}  // namespace brakefell
