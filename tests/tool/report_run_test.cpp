#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <random>

#include "catalogue/catalogue_reader.h"
#include "desktop_adapters/desktop_platform.h"
#include "desktop_adapters/qt_text.h"
#include "engine_fixtures.h"
#include "form/skill_slots.h"
#include "form/start_up_lists.h"
#include "profile/profile_lines.h"
#include "random_characters.h"
#include "report_run.h"
#include "typed_sheet.h"

using namespace brakefell;
using namespace brakefell::report;

namespace {

const QString kShippedCatalogue = QStringLiteral(BRAKEFELL_SOURCE_DIR "/data/Gloamstalker007.txt");

class ReportRun : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(programDir.isValid());
        folders = {PathOf(programDir.path()), PathOf(programDir.filePath("user"))};
    }

    RunResult Run(ReportOptions options) {
        if (options.cataloguePath.isEmpty()) {
            options.cataloguePath = kShippedCatalogue;
        }
        return RunReport(options, folders, desktop.platform());
    }

    QJsonObject RunJson(ReportOptions options) {
        options.json = true;
        const RunResult result = Run(options);
        EXPECT_EQ(result.exitStatus, kExitOk) << result.errorText.toStdString();
        return QJsonDocument::fromJson(result.standardOutput).object();
    }

    static ReportOptions With(std::initializer_list<ControlAssignment> assignments) {
        ReportOptions options;
        options.assignments = assignments;
        return options;
    }

    QString WriteFile(const QString& name, const QByteArray& bytes) {
        const QString path = programDir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir programDir;
    DesktopPlatform desktop;
    ProgramFolders folders;
};

QJsonObject Inputs(const QJsonObject& json) {
    return json["inputs"].toObject();
}
QJsonObject Box(const QJsonObject& json, const char* name) {
    return json["boxes"].toObject()[QString::fromLatin1(name)].toObject();
}

}  // namespace

TEST_F(ReportRun, DefaultCharacterGivesTheWindowsStartState) {
    const QJsonObject json = RunJson({});
    EXPECT_EQ(json["edition"].toString(), "full");
    // The tool's calculations are nobody's history.
    EXPECT_FALSE(QDir(programDir.filePath("user")).exists("CalculationHistory.txt"));

    const QJsonObject inputs = Inputs(json);
    EXPECT_EQ(inputs["txtMainStat"].toString(), "8830");
    EXPECT_EQ(inputs["txtCriticalChance"].toString(), "36.5");
    EXPECT_EQ(inputs["txtSkill(18)"].toString(), "29");
    EXPECT_EQ(inputs["chkCrossbow"].toInt(), 1);
    EXPECT_EQ(inputs["chkGrenadier"].toInt(), 0);
    EXPECT_EQ(inputs["cboWeaponSpeed"].toInt(), 0);
    EXPECT_EQ(inputs["cboGemJMeter"].toInt(), 0);
    EXPECT_EQ(inputs["cboOurGemPoison"].toInt(), 0);
    EXPECT_TRUE(inputs["optGemPoison(0)"].toBool());
    EXPECT_FALSE(inputs["optGemPoison(1)"].toBool());
    EXPECT_TRUE(inputs["optVoodooDance"].toBool());

    const int skills[6] = {15, 22, 10, 14, 18, 21};
    const int runes[6] = {1, 5, 3, 5, 4, 5};
    SkillCatalogue catalogue;
    ASSERT_TRUE(LoadSkillCatalogue(DiskStorage(), PathOf(kShippedCatalogue), catalogue).ok);
    for (int i = 0; i < 6; ++i) {
        const QString slot = QString::number(i);
        EXPECT_EQ(inputs["cboUsingSkill(" + slot + ")"].toInt(), skills[i]);
        EXPECT_EQ(inputs["cboUsingSkillRune(" + slot + ")"].toInt(), runes[i]);
        const QJsonArray items = inputs["cboUsingSkillRune(" + slot + ").items"].toArray();
        ASSERT_EQ(items.size(), 6);
        for (int r = 0; r < 6; ++r) {
            EXPECT_EQ(items[r].toString(), QStringOf(catalogue[skills[i]].runes[r].name));
        }
    }

    // Sentry mode is on by default: the breakpoints and the per-second box are filled.
    EXPECT_TRUE(Box(json, "txtResult(0)")["visible"].toBool());
    EXPECT_TRUE(
        Box(json, "txtResult(6)")["text"].toString().startsWith("-자동쇠뇌 공속 계산-\r\n"));
    EXPECT_TRUE(Box(json, "txtBowCycleResult")["text"].toString().startsWith("공속"));
    EXPECT_FALSE(Box(json, "Text1")["visible"].toBool());
    EXPECT_FALSE(Box(json, "Text1")["text"].toString().isEmpty());
    EXPECT_EQ(json["labels"].toObject().size(), 6);
}

TEST_F(ReportRun, AssignmentsRunTheWindowsReactions) {
    const QJsonObject json = RunJson(With({{"cboUsingSkillRune(2)", "4"},
                                           {"cboUsingSkill(2)", "5"},
                                           {"optVoodooETC", "1"},
                                           {"optGemPoison(0)", "0"},
                                           {"txtMainStat", "9000abc"},
                                           {"chkPassiveAim", "2"}}));
    const QJsonObject inputs = Inputs(json);
    EXPECT_EQ(inputs["cboUsingSkill(2)"].toInt(), 5);
    EXPECT_EQ(inputs["cboUsingSkillRune(2)"].toInt(), 0) << "a new skill starts at rune 0";
    EXPECT_FALSE(inputs["optVoodooDance"].toBool());
    EXPECT_TRUE(inputs["optVoodooETC"].toBool());
    EXPECT_FALSE(inputs["optGemPoison(0)"].toBool());
    EXPECT_TRUE(inputs["optGemPoison(1)"].toBool());
    EXPECT_EQ(inputs["txtMainStat"].toString(), "9000abc");
    EXPECT_EQ(inputs["chkPassiveAim"].toInt(), 2);

    SkillCatalogue catalogue;
    ASSERT_TRUE(LoadSkillCatalogue(DiskStorage(), PathOf(kShippedCatalogue), catalogue).ok);
    EXPECT_EQ(inputs["cboUsingSkillRune(2).items"].toArray()[3].toString(),
              QStringOf(catalogue[5].runes[3].name));
}

// What a player does to share a build: --share-code of the inputs, then --code on another machine
// gives the same inputs and the same report, the options applied to the result included.
TEST_F(ReportRun, RandomBuildsComeBackWholeThroughTheirCodes) {
    std::mt19937_64 random(16);
    const int cases = brakefell::testing::RandomCaseCount(40);
    for (int i = 0; i < cases; ++i) {
        FormState typed(brakefell::testing::ShippedCatalogue());
        FillStartUpLists(typed);
        FillSkillSlots(typed);
        brakefell::testing::TypeSheetInto(brakefell::testing::RandomCharacter(random), typed);
        ReportOptions sender;
        sender.edition = i % 2 == 0 ? Edition::Full : Edition::Lite;
        for (const ControlState& control : typed.controls()) {
            if (control.kind == ControlKind::TextBox) {
                sender.assignments.push_back({QStringOf(control.name), QStringOf(control.text)});
            } else if (control.kind == ControlKind::CheckBox ||
                       control.kind == ControlKind::DropDown ||
                       (control.kind == ControlKind::OptionButton && control.value == 1)) {
                sender.assignments.push_back(
                    {QStringOf(control.name), QString::number(control.value)});
            }
        }
        ReportOptions copy = sender;
        copy.printShareCode = true;
        const RunResult code = Run(copy);
        ASSERT_EQ(code.exitStatus, kExitOk) << code.errorText.toStdString();

        ReportOptions pasted;
        pasted.edition = sender.edition;
        pasted.shareCode = QString::fromUtf8(code.standardOutput);
        SCOPED_TRACE(pasted.shareCode.toStdString());
        EXPECT_EQ(RunJson(pasted), RunJson(sender));
    }
}

TEST_F(ReportRun, CrossbowOffLeavesTheSentryBoxesOut) {
    const QJsonObject json = RunJson(With({{"chkCrossbow", "0"}}));
    EXPECT_FALSE(Box(json, "txtResult(6)")["visible"].toBool());
    EXPECT_EQ(Box(json, "txtResult(6)")["text"].toString(), "");
    EXPECT_EQ(Box(json, "txtBowCycleResult")["text"].toString(), "")
        << "a fresh window's per-second box is empty and keeps its text without sentries";
    EXPECT_FALSE(json["boxes"].toObject()["fraMoreDamage"].toObject()["visible"].toBool());
}

TEST_F(ReportRun, LiteEditionPrintsAveragesOnly) {
    ReportOptions full;
    ReportOptions lite;
    lite.edition = Edition::Lite;
    const RunResult fullResult = Run(full);
    const RunResult liteResult = Run(lite);
    ASSERT_EQ(fullResult.exitStatus, kExitOk);
    ASSERT_EQ(liteResult.exitStatus, kExitOk);
    EXPECT_TRUE(fullResult.standardOutput.contains("최소-최대"));
    EXPECT_FALSE(liteResult.standardOutput.contains("최소-최대"));
    EXPECT_FALSE(liteResult.standardOutput.contains("×2"));
    EXPECT_EQ(RunJson(lite)["edition"].toString(), "lite");
}

TEST_F(ReportRun, PlainTextIsTheVisibleBoxesWithBlankLinesBetween) {
    const QJsonObject json = RunJson({});
    const RunResult plain = Run({});
    ASSERT_EQ(plain.exitStatus, kExitOk);

    QStringList expected;
    const QJsonObject boxes = json["boxes"].toObject();
    const bool moreDamage = boxes["fraMoreDamage"].toObject()["visible"].toBool();
    for (const char* name :
         {"txtResult(0)", "txtResult(1)", "txtResult(2)", "txtResult(3)", "txtResult(4)",
          "txtResult(5)", "txtResult(6)", "txtResult(7)", "txtResult(8)", "txtBowCycleResult"}) {
        const QJsonObject box = boxes[QString::fromLatin1(name)].toObject();
        const bool inFrame =
            QByteArray(name) == "txtResult(7)" || QByteArray(name) == "txtResult(8)";
        if (box["visible"].toBool() && (!inFrame || moreDamage) &&
            !box["text"].toString().isEmpty()) {
            expected << box["text"].toString().replace("\r\n", "\n");
        }
    }
    EXPECT_EQ(QString::fromUtf8(plain.standardOutput), expected.join("\n\n") + "\n");
    EXPECT_FALSE(plain.standardOutput.contains('\r'));
}

TEST_F(ReportRun, RefusedAssignmentsAreUsageErrors) {
    const QList<ControlAssignment> refused = {
        {"txtNoSuchBox", "1"},    {"txtSkill(9)", "1"},       {"chkCrossbow", "3"},
        {"chkCrossbow", "yes"},   {"chkCrossbow", "1.0"},     {"cboWeaponSpeed", "3"},
        {"cboWeaponSpeed", "-2"}, {"cboUsingSkill(0)", "24"}, {"cboUsingSkillRune(0)", "6"},
        {"optVoodooETC", "2"},    {"txtResult(0)", "x"},      {"lblSkillElement(0)", "x"},
        {"cmdCalculation", "1"},  {"fraVoodoo", "1"},
    };
    for (const ControlAssignment& assignment : refused) {
        const RunResult result = Run(With({assignment}));
        EXPECT_EQ(result.exitStatus, kExitUsage)
            << assignment.name.toStdString() << "=" << assignment.value.toStdString();
        EXPECT_TRUE(result.standardOutput.isEmpty());
        EXPECT_TRUE(result.errorText.contains("usage:"));
    }
}

TEST_F(ReportRun, CatalogueFailureIsStatusThree) {
    ReportOptions options;
    options.cataloguePath = programDir.filePath("missing.txt");
    const RunResult result = RunReport(options, folders, desktop.platform());
    EXPECT_EQ(result.exitStatus, kExitCatalogue);
    EXPECT_EQ(result.errorText, "데이터 로딩 중 에러가 발생했습니다.");
    EXPECT_TRUE(result.standardOutput.isEmpty());
}

TEST_F(ReportRun, ProfileFailureIsStatusFour) {
    ReportOptions missing;
    missing.profilePath = programDir.filePath("nothing.cfg");
    EXPECT_EQ(Run(missing).exitStatus, kExitProfile);

    QByteArray shortProfile;
    for (int line = 0; line < 64; ++line) {
        shortProfile += " 0 \r\n";
    }
    ReportOptions truncated;
    truncated.profilePath = WriteFile("short.cfg", shortProfile);
    const RunResult result = Run(truncated);
    EXPECT_EQ(result.exitStatus, kExitProfile);
    EXPECT_EQ(result.errorText, "파일을 여는 도중 에러가 발생했습니다.");
    EXPECT_TRUE(result.standardOutput.isEmpty());
}

TEST_F(ReportRun, OutOfRangeInputIsRefusedWithStatusFive) {
    for (const char* huge : {"1e309", "-1e309"}) {
        const RunResult result = Run(With({{"txtWeaponDamageMax", QString::fromLatin1(huge)}}));
        EXPECT_EQ(result.exitStatus, kExitRefused) << huge;
        EXPECT_FALSE(result.errorText.isEmpty());
        EXPECT_TRUE(result.standardOutput.isEmpty());
    }
    const RunResult noSkill = Run(With({{"cboUsingSkill(0)", "-1"}}));
    EXPECT_EQ(noSkill.exitStatus, kExitRefused);
}

TEST_F(ReportRun, SavedProfileOpensToTheSameReport) {
    ReportOptions save = With({{"txtMainStat", "9100"},
                               {"cboUsingSkill(1)", "5"},
                               {"cboUsingSkillRune(1)", "2"},
                               {"txtSkill(5)", "투검 보너스"}});
    save.saveProfilePath = programDir.filePath("character.cfg");
    save.json = true;
    const RunResult saved = Run(save);
    ASSERT_EQ(saved.exitStatus, kExitOk) << saved.errorText.toStdString();

    QFile file(save.saveProfilePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("\r\n"), kProfileLineCount);

    ReportOptions reopen;
    reopen.profilePath = save.saveProfilePath;
    reopen.json = true;
    const RunResult reopened = Run(reopen);
    ASSERT_EQ(reopened.exitStatus, kExitOk);
    EXPECT_EQ(reopened.standardOutput, saved.standardOutput);
}

TEST_F(ReportRun, SaveFailureIsStatusSixAndLeavesNothingOnStandardOutput) {
    ReportOptions intoFolder;
    intoFolder.saveProfilePath = programDir.path();  // a folder cannot take a profile
    const RunResult result = Run(intoFolder);
    EXPECT_EQ(result.exitStatus, kExitSave);
    EXPECT_EQ(result.errorText, "파일을 저장하는 도중 에러가 발생했습니다.");
    EXPECT_TRUE(result.standardOutput.isEmpty());
}
