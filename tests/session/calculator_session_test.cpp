// Start-up and shutdown of one calculator, with the catalogue and the last-run file in a
// temporary program folder.
#include "session/calculator_session.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "form/messages.h"
#include "recording_prompts.h"
#include "test_catalogue.h"
#include "text/cp949.h"

namespace brakefell {
namespace {

using testing::RecordingPrompts;

const QString kCatalogueError = QString::fromUtf8(messages::kCatalogueLoadError);
const QString kNoLastRun = QString::fromUtf8(messages::kNoLastRunFile);
const QString kSaveError = QString::fromUtf8(messages::kProfileSaveError);

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

class SessionTest : public ::testing::Test {
  protected:
    QTemporaryDir temp;
    RecordingPrompts prompts;

    ProgramFolders folders() const { return {temp.filePath("app"), temp.filePath("user/data")}; }

    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        ASSERT_TRUE(QDir().mkpath(temp.filePath("app")));
    }

    void shipCatalogue(const QString& folder, int skills = kSkillCount) {
        WriteFile(folder + "/Gloamstalker007.txt", EncodeCp949(testing::CatalogueFileText(skills)));
    }
};

TEST_F(SessionTest, WithoutACatalogueTheSmallListsAreFilledAndTheSlotsStayEmpty) {
    // A last-run file is there but must not be read after the catalogue failed.
    WriteFile(temp.filePath("app/LastData.cfg"), QByteArray(" 1 \r\n1234\r\n"));
    CalculatorSession session(Edition::Full, folders(), prompts);

    EXPECT_FALSE(session.startUp());
    EXPECT_EQ(prompts.messages, QStringList{kCatalogueError});

    const FormState& form = session.form();
    EXPECT_EQ(form.at(u"cboWeaponSpeed").value, 0);
    EXPECT_EQ(form.at(u"cboGemJMeter").items, QStringList({"10", "20", "30", "40", "50"}));
    EXPECT_EQ(form.at(u"cboGemJMeter").value, 0);
    EXPECT_EQ(form.at(u"cboOurGemPoison").items, QStringList({"1개", "2개", "3개"}));
    EXPECT_EQ(form.at(u"cboOurGemPoison").value, 0);
    EXPECT_FALSE(form.at(u"cboOurGemPoison").visible);
    for (int slot = 0; slot < 6; ++slot) {
        EXPECT_TRUE(form.at(IndexedName("cboUsingSkill", slot)).items.isEmpty());
        EXPECT_EQ(form.at(IndexedName("cboUsingSkill", slot)).value, -1);
        EXPECT_TRUE(form.at(IndexedName("cboUsingSkillRune", slot)).items.isEmpty());
        EXPECT_TRUE(form.at(IndexedName("lblSkillElement", slot)).text.isEmpty());
    }
    EXPECT_EQ(form.at(u"txtWeaponExtraSpeed").text, "6");
}

TEST_F(SessionTest, ClosingAfterTheCatalogueFailedKeepsTheLastRunFileAsItWas) {
    const QByteArray lastRun(" 2 \r\n7\r\n민첩 9000\r\n");
    WriteFile(temp.filePath("app/LastData.cfg"), lastRun);
    CalculatorSession session(Edition::Full, folders(), prompts);
    ASSERT_FALSE(session.startUp());

    session.form().setText(u"txtMainStat", "1");
    session.shutDown();

    QFile file(temp.filePath("app/LastData.cfg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), lastRun);
    EXPECT_EQ(prompts.messages, QStringList{kCatalogueError});
    EXPECT_FALSE(QFileInfo::exists(temp.filePath("user/data/LastData.cfg")));
}

TEST_F(SessionTest, ACatalogueWithoutAnySkillFailsToLoad) {
    // Saved with bare LF line ends, the file is a single comment line.
    QByteArray lineFeedsOnly = EncodeCp949(testing::CatalogueFileText(kSkillCount));
    lineFeedsOnly.replace("\r\n", "\n");
    WriteFile(temp.filePath("app/Gloamstalker007.txt"), "# 설명\n" + lineFeedsOnly);
    CalculatorSession session(Edition::Full, folders(), prompts);

    EXPECT_FALSE(session.startUp());
    EXPECT_EQ(prompts.messages, QStringList{kCatalogueError});
    EXPECT_TRUE(session.form().at(u"cboUsingSkill(0)").items.isEmpty());
}

TEST_F(SessionTest, FirstStartShowsTheDefaultsAndSaysThereIsNoLastRun) {
    shipCatalogue(temp.filePath("app"));
    CalculatorSession session(Edition::Full, folders(), prompts);

    EXPECT_TRUE(session.startUp());
    EXPECT_EQ(prompts.messages, QStringList{kNoLastRun});
    EXPECT_TRUE(session.form().characterSheet() == CharacterSheet{});
    EXPECT_EQ(session.catalogue()[15].Name, "스킬 15");
    EXPECT_EQ(session.form().at(u"cboUsingSkillRune(0)").items[1], "룬 15-1");
    EXPECT_EQ(session.form().at(u"lblSkillElement(0)").text, "냉기 속성");
    EXPECT_EQ(session.form().at(u"lblSkillElement(4)").text, "번개 속성");
}

TEST_F(SessionTest, ShutdownKeepsTheInputsForTheNextStart) {
    shipCatalogue(temp.filePath("app"));
    {
        CalculatorSession first(Edition::Full, folders(), prompts);
        first.startUp();
        first.form().setText(u"txtMainStat", "9999 민첩");
        first.form().setListIndex(u"cboUsingSkill(3)", 7);
        first.form().setListIndex(u"cboUsingSkillRune(3)", 2);
        first.form().setCheck(u"chkGemJ", 1);
        first.shutDown();
    }
    EXPECT_TRUE(QFile::exists(temp.filePath("app/LastData.cfg")));
    prompts.messages.clear();

    CalculatorSession second(Edition::Lite, folders(), prompts);
    EXPECT_TRUE(second.startUp());
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('|').toStdString();
    EXPECT_EQ(second.form().at(u"txtMainStat").text, "9999 민첩");
    EXPECT_EQ(second.form().at(u"cboUsingSkill(3)").value, 7);
    EXPECT_EQ(second.form().at(u"cboUsingSkillRune(3)").value, 2);
    EXPECT_EQ(second.form().at(u"cboUsingSkillRune(3)").items[0], "룬 7-0");
    EXPECT_EQ(second.form().at(u"lblSkillElement(3)").text, "물리 속성");
    EXPECT_EQ(second.form().at(u"chkGemJ").value, 1);
}

TEST_F(SessionTest, ACatalogueElsewhereAndNoLastRunForTheHeadlessTool) {
    shipCatalogue(temp.path(), 5);
    WriteFile(temp.filePath("app/LastData.cfg"), QByteArray(" 1 \r\n1234\r\n"));
    CalculatorSession session(Edition::Full, folders(), prompts);

    StartupOptions options;
    options.cataloguePath = temp.filePath("Gloamstalker007.txt");
    options.loadLastRun = false;
    EXPECT_TRUE(session.startUp(options));
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(session.catalogue()[4].Name, "스킬 4");
    EXPECT_EQ(session.catalogue()[5].Name, "");
    EXPECT_EQ(session.form().at(u"txtWeaponExtraSpeed").text, "6");
    EXPECT_EQ(session.form().at(u"cboWeaponSpeed").value, 0);
}

TEST_F(SessionTest, AShutdownThatCannotSaveAnywhereSaysSo) {
    WriteFile(temp.filePath("locked"), "not a folder");
    const ProgramFolders nowhere{temp.filePath("locked"), temp.filePath("locked/user")};
    shipCatalogue(temp.path());
    StartupOptions options;
    options.cataloguePath = temp.filePath("Gloamstalker007.txt");
    CalculatorSession session(Edition::Full, nowhere, prompts);
    session.startUp(options);
    prompts.messages.clear();
    session.shutDown();
    EXPECT_EQ(prompts.messages, QStringList{kSaveError});
}

TEST_F(SessionTest, TheButtonsSaveAndOpenTheChosenProfile) {
    shipCatalogue(temp.filePath("app"));
    CalculatorSession session(Edition::Full, folders(), prompts);
    session.startUp();
    prompts.messages.clear();

    session.form().setText(u"txtCriticalChance", "55.5");
    prompts.saveAnswers.push_back(temp.filePath("hero.cfg"));
    session.saveProfile();

    session.form().setText(u"txtCriticalChance", "1");
    session.form().setText(u"txtResult(0)", "지난 보고서");
    prompts.openAnswers.push_back(temp.filePath("hero.cfg"));
    session.openProfile();

    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(session.form().at(u"txtCriticalChance").text, "55.5");
    EXPECT_EQ(session.form().at(u"txtResult(0)").text, "지난 보고서");  // no recalculation
}

}  // namespace
}  // namespace brakefell
