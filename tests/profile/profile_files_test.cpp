// Profile files on disk: the buttons' dialogs, the last-run file, and saves that must never
// destroy the previous file.
#include "profile/profile_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "form/messages.h"
#include "form/skill_slots.h"
#include "form/start_up_lists.h"
#include "profile/atomic_file.h"
#include "profile/last_run_file.h"
#include "profile/profile_lines.h"
#include "recording_prompts.h"
#include "test_catalogue.h"

namespace brakefell {
namespace {

using testing::RecordingPrompts;

const QString kNoLastRun = QString::fromUtf8(messages::kNoLastRunFile);
const QString kOpenError = QString::fromUtf8(messages::kProfileOpenError);
const QString kSaveError = QString::fromUtf8(messages::kProfileSaveError);

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class ProfileFilesTest : public ::testing::Test {
  protected:
    QTemporaryDir temp;
    SkillCatalogue catalogue = testing::MakeCatalogue();
    FormState form{catalogue};
    RecordingPrompts prompts;
    ProgramFolders folders;

    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        FillStartUpLists(form);
        FillSkillSlots(form);
        QDir().mkpath(temp.filePath("app"));
        folders = {temp.filePath("app"), temp.filePath("user")};
    }

    QString path(const QString& name) const { return temp.filePath(name); }

    QStringList filesIn(const QString& folder) const {
        return QDir(folder).entryList(
            QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    // A profile that differs from the form's defaults in one visible place.
    QByteArray profileWithMainStat(const QByteArray& mainStat) {
        SkillCatalogue other = testing::MakeCatalogue();
        FormState source(other);
        FillStartUpLists(source);
        FillSkillSlots(source);
        source.setText(u"txtMainStat", QString::fromLatin1(mainStat));
        return WriteProfile(source);
    }
};

TEST_F(ProfileFilesTest, ANameTypedWithoutExtensionIsSavedAndOpenedAsTyped) {
    form.setText(u"txtTesker", "17");
    prompts.saveAnswers.push_back(path("app/my hero"));
    SaveProfile(ProfileSource::ChosenFile, form, folders, prompts);
    ASSERT_TRUE(QFile::exists(path("app/my hero")));
    EXPECT_FALSE(QFile::exists(path("app/my hero.cfg")));
    EXPECT_EQ(ReadBytes(path("app/my hero")), WriteProfile(form));

    form.setText(u"txtTesker", "0");
    prompts.openAnswers.push_back(path("app/my hero"));
    LoadProfile(ProfileSource::ChosenFile, form, folders, prompts);
    EXPECT_EQ(form.at(u"txtTesker").text, "17");
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(prompts.dialogFolders, QStringList({folders.programDir, folders.programDir}));
}

TEST_F(ProfileFilesTest, CancelledDialogsChangeNothingAndSayNothing) {
    const QByteArray before = WriteProfile(form);
    prompts.openAnswers.push_back(std::nullopt);
    prompts.saveAnswers.push_back(std::nullopt);
    LoadProfile(ProfileSource::ChosenFile, form, folders, prompts);
    SaveProfile(ProfileSource::ChosenFile, form, folders, prompts);
    EXPECT_EQ(prompts.dialogsShown, 2);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(WriteProfile(form), before);
    EXPECT_TRUE(filesIn(folders.programDir).isEmpty());
}

TEST_F(ProfileFilesTest, OpeningANameThatDoesNotExistSaysNothing) {
    prompts.openAnswers.push_back(path("app/nobody.cfg"));
    LoadProfile(ProfileSource::ChosenFile, form, folders, prompts);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(form.at(u"txtMainStat").text, "8830");
}

TEST_F(ProfileFilesTest, OpeningSomethingThatIsNotAReadableFileIsReported) {
    QDir().mkpath(path("app/folder.cfg"));
    for (const QString& chosen : {path("app/folder.cfg"), QString("/dev/null")}) {
        prompts.messages.clear();
        prompts.openAnswers.push_back(chosen);
        LoadProfile(ProfileSource::ChosenFile, form, folders, prompts);
        EXPECT_EQ(prompts.messages, QStringList{kOpenError}) << chosen.toStdString();
        EXPECT_EQ(form.at(u"txtMainStat").text, "8830");
    }
}

TEST_F(ProfileFilesTest, OpeningAShortProfileReportsAndKeepsWhatWasApplied) {
    QByteArray bytes = profileWithMainStat("4321");
    bytes.chop(bytes.size() - bytes.lastIndexOf("\r\n", bytes.size() - 3) - 2);  // 64 lines
    WriteBytes(path("short.cfg"), bytes);
    form.setListIndex(u"cboGemJMeter", 4);

    prompts.openAnswers.push_back(path("short.cfg"));
    LoadProfile(ProfileSource::ChosenFile, form, folders, prompts);
    EXPECT_EQ(prompts.messages, QStringList{kOpenError});
    EXPECT_EQ(form.at(u"txtMainStat").text, "4321");
    EXPECT_EQ(form.at(u"cboGemJMeter").value, 4);
    EXPECT_EQ(LoadProfileFile(path("short.cfg"), form), ProfileFileStatus::ReadFailed);
}

TEST_F(ProfileFilesTest, GarbageIsReportedWithoutHarm) {
    // A megabyte without a single line end: one endless first line, then the file ends.
    QByteArray garbage(1024 * 1024, '\0');
    for (int i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<char>(0x80 + (static_cast<unsigned>(i) * 7919u) % 0x7Fu);
    }
    WriteBytes(path("garbage.cfg"), garbage);
    prompts.openAnswers.push_back(path("garbage.cfg"));
    LoadProfile(ProfileSource::ChosenFile, form, folders, prompts);
    EXPECT_EQ(prompts.messages, QStringList{kOpenError});
    EXPECT_EQ(form.at(u"txtWeaponExtraSpeed").text, "6");
}

TEST_F(ProfileFilesTest, AnEndlessLineStopsTheReadButLinesBeforeItApply) {
    QByteArray bytes = profileWithMainStat("5555");
    const qsizetype afterLine11 = bytes.indexOf("5555\r\n") + 6;
    bytes.truncate(afterLine11);
    bytes += QByteArray(17 * 1024 * 1024, '9');  // line 12 never ends within reach
    WriteBytes(path("endless.cfg"), bytes);

    EXPECT_EQ(LoadProfileFile(path("endless.cfg"), form), ProfileFileStatus::ReadFailed);
    EXPECT_EQ(form.at(u"txtMainStat").text, "5555");
    EXPECT_EQ(form.at(u"txtAttackSpeed").text, "27");
}

TEST_F(ProfileFilesTest, SavingIntoWhatCannotHoldAFileIsReported) {
    QDir().mkpath(path("app/taken.cfg"));
    for (const QString& target : {path("app/taken.cfg"), path("missing/folder/x.cfg")}) {
        prompts.messages.clear();
        prompts.saveAnswers.push_back(target);
        SaveProfile(ProfileSource::ChosenFile, form, folders, prompts);
        EXPECT_EQ(prompts.messages, QStringList{kSaveError}) << target.toStdString();
    }
    EXPECT_TRUE(QFileInfo(path("app/taken.cfg")).isDir());
    EXPECT_TRUE(QDir(path("app/taken.cfg")).isEmpty());
}

TEST_F(ProfileFilesTest, AnInterruptedSaveLeavesThePreviousFileAsItWas) {
    const QByteArray previous = profileWithMainStat("1111");
    WriteBytes(path("app/keep.cfg"), previous);
    const QByteArray next = WriteProfile(form);

    const auto halfThenFail = [&next](QIODevice& out) {
        out.write(next.left(next.size() / 2));
        return false;
    };
    EXPECT_EQ(ReplaceFileContents(path("app/keep.cfg"), halfThenFail),
              ProfileFileStatus::WriteFailed);
    EXPECT_EQ(ReadBytes(path("app/keep.cfg")), previous);
    EXPECT_EQ(filesIn(folders.programDir), QStringList{"keep.cfg"});

    EXPECT_EQ(SaveProfileFile(path("app/keep.cfg"), form), ProfileFileStatus::Done);
    EXPECT_EQ(ReadBytes(path("app/keep.cfg")), next);
    EXPECT_EQ(filesIn(folders.programDir), QStringList{"keep.cfg"});
}

TEST_F(ProfileFilesTest, NoLastRunFileIsSaidOnceAndChangesNothing) {
    const QByteArray before = WriteProfile(form);
    LoadProfile(ProfileSource::LastRun, form, folders, prompts);
    EXPECT_EQ(prompts.messages, QStringList{kNoLastRun});
    EXPECT_EQ(WriteProfile(form), before);
    EXPECT_EQ(prompts.dialogsShown, 0);
}

TEST_F(ProfileFilesTest, TheLastRunIsWrittenBesideTheProgramWithoutAsking) {
    form.setText(u"txtGemLocked", "50");
    SaveProfile(ProfileSource::LastRun, form, folders, prompts);
    EXPECT_EQ(prompts.dialogsShown, 0);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(filesIn(folders.programDir), QStringList{"LastData.cfg"});
    EXPECT_EQ(ReadBytes(path("app/LastData.cfg")), WriteProfile(form));
}

TEST_F(ProfileFilesTest, TheLastRunFileIsFoundAndReplacedUnderItsOwnSpelling) {
    WriteBytes(path("app/LASTDATA.CFG"), profileWithMainStat("777"));
    LoadProfile(ProfileSource::LastRun, form, folders, prompts);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(form.at(u"txtMainStat").text, "777");

    form.setText(u"txtMainStat", "778");
    SaveProfile(ProfileSource::LastRun, form, folders, prompts);
    EXPECT_EQ(filesIn(folders.programDir), QStringList{"LASTDATA.CFG"});
    EXPECT_EQ(ReadBytes(path("app/LASTDATA.CFG")), WriteProfile(form));
}

TEST_F(ProfileFilesTest, TheUsualSpellingWinsOverOthersAndFoldersDoNotCount) {
    WriteBytes(path("app/lastdata.cfg"), "a");
    WriteBytes(path("app/LastData.cfg"), "b");
    EXPECT_EQ(FindLastRunFileIn(folders.programDir), path("app/LastData.cfg"));

    QDir().mkpath(path("other/LastData.cfg"));
    EXPECT_EQ(FindLastRunFileIn(path("other")), QString());
    EXPECT_EQ(LastRunSavePath(path("other")), path("other/LastData.cfg"));
    EXPECT_EQ(FindLastRunFileIn(QString()), QString());
}

TEST_F(ProfileFilesTest, OfTwoSpellingsTheUsualOneIsReadAndRewrittenWhicheverSortsFirst) {
    // "LASTDATA.CFG" sorts before "LastData.cfg": a rule that took the first match by name
    // would read and replace the wrong file.
    const QByteArray other = profileWithMainStat("111");
    WriteBytes(path("app/LASTDATA.CFG"), other);
    WriteBytes(path("app/LastData.cfg"), profileWithMainStat("222"));
    LoadProfile(ProfileSource::LastRun, form, folders, prompts);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(form.at(u"txtMainStat").text, "222");

    form.setText(u"txtMainStat", "333");
    SaveProfile(ProfileSource::LastRun, form, folders, prompts);
    EXPECT_EQ(filesIn(folders.programDir), (QStringList{"LASTDATA.CFG", "LastData.cfg"}));
    EXPECT_EQ(ReadBytes(path("app/LastData.cfg")), WriteProfile(form));
    EXPECT_EQ(ReadBytes(path("app/LASTDATA.CFG")), other);
}

TEST_F(ProfileFilesTest, ALastRunFileThatCannotBeOpenedIsReported) {
    // A pipe under the name: there, but no file to read (and reading it would block).
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("app/LastData.cfg")).constData(), 0600), 0);
    LoadProfile(ProfileSource::LastRun, form, folders, prompts);
    EXPECT_EQ(prompts.messages, QStringList{kOpenError});
    EXPECT_EQ(form.at(u"txtMainStat").text, "8830");
}

TEST_F(ProfileFilesTest, AnUnwritableProgramFolderSendsTheLastRunToTheUserFolder) {
    WriteBytes(path("plain-file"), "x");
    const ProgramFolders locked{path("plain-file"), path("user/deeper")};
    form.setText(u"txtGemJ", "48");
    SaveProfile(ProfileSource::LastRun, form, locked, prompts);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(ReadBytes(path("user/deeper/LastData.cfg")), WriteProfile(form));

    form.setText(u"txtGemJ", "0");
    LoadProfile(ProfileSource::LastRun, form, locked, prompts);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(form.at(u"txtGemJ").text, "48");
}

TEST_F(ProfileFilesTest, TheNewerOfTheTwoLastRunFilesIsRead) {
    QDir().mkpath(folders.userDataDir);
    WriteBytes(path("app/LastData.cfg"), profileWithMainStat("100"));
    WriteBytes(path("user/LastData.cfg"), profileWithMainStat("200"));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const auto setTime = [](const QString& file, const QDateTime& time) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(time, QFileDevice::FileModificationTime));
    };

    setTime(path("app/LastData.cfg"), now.addSecs(-60));
    setTime(path("user/LastData.cfg"), now);
    EXPECT_EQ(FindLastRunFile(folders), path("user/LastData.cfg"));

    setTime(path("app/LastData.cfg"), now.addSecs(60));
    EXPECT_EQ(FindLastRunFile(folders), path("app/LastData.cfg"));

    setTime(path("user/LastData.cfg"), now.addSecs(60));
    EXPECT_EQ(FindLastRunFile(folders), path("app/LastData.cfg"));  // a tie: beside the program
}

}  // namespace
}  // namespace brakefell
