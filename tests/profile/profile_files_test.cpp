// Profile files on disk: the buttons' dialogs, the last-run file, and saves that must never
// destroy the previous file.
#include "profile/profile_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "desktop_adapters/disk_storage.h"
#include "file_size_limit.h"
#include "form/messages.h"
#include "form/skill_slots.h"
#include "form/start_up_lists.h"
#include "profile/last_run_file.h"
#include "profile/profile_lines.h"
#include "recording_prompts.h"
#include "temp_folder.h"
#include "test_catalogue.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

namespace fs = std::filesystem;
using testing::RecordingPrompts;
using Messages = std::vector<std::u16string>;
using Names = std::vector<std::string>;

const std::u16string kNoLastRun(messages::kNoLastRunFile);
const std::u16string kOpenError(messages::kProfileOpenError);
const std::u16string kSaveError(messages::kProfileSaveError);

std::string ReadBytes(const std::string& path) {
    return testing::ReadFileBytes(path).value_or("<unreadable>");
}

void WriteBytes(const std::string& path, std::string_view bytes) {
    ASSERT_TRUE(testing::WriteFileBytes(path, bytes)) << path;
}

class ProfileFilesTest : public ::testing::Test {
  protected:
    testing::TempFolder temp;
    DiskStorage storage;
    SkillCatalogue catalogue = testing::MakeCatalogue();
    FormState form{catalogue};
    RecordingPrompts prompts;
    ProgramFolders folders;

    void SetUp() override {
        FillStartUpLists(form);
        FillSkillSlots(form);
        fs::create_directories(temp.filePath("app"));
        folders = {temp.filePath("app"), temp.filePath("user")};
    }

    std::string path(const std::string& name) const { return temp.filePath(name); }

    Names filesIn(const std::string& folder) const {
        Names names;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // A profile that differs from the form's defaults in one visible place.
    std::string profileWithMainStat(const std::string& mainStat) {
        SkillCatalogue other = testing::MakeCatalogue();
        FormState source(other);
        FillStartUpLists(source);
        FillSkillSlots(source);
        source.setText(u"txtMainStat", Utf16OfLatin1(mainStat));
        return WriteProfile(source);
    }
};

TEST_F(ProfileFilesTest, ANameTypedWithoutExtensionIsSavedAndOpenedAsTyped) {
    form.setText(u"txtTesker", u"17");
    prompts.saveAnswers.push_back(path("app/my hero"));
    SaveProfile(ProfileSource::ChosenFile, form, folders, storage, prompts);
    ASSERT_TRUE(fs::exists(path("app/my hero")));
    EXPECT_FALSE(fs::exists(path("app/my hero.cfg")));
    EXPECT_EQ(ReadBytes(path("app/my hero")), WriteProfile(form));

    form.setText(u"txtTesker", u"0");
    prompts.openAnswers.push_back(path("app/my hero"));
    LoadProfile(ProfileSource::ChosenFile, form, folders, storage, prompts);
    EXPECT_EQ(form.at(u"txtTesker").text, u"17");
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(prompts.dialogFolders, Names({folders.programDir, folders.programDir}));
}

TEST_F(ProfileFilesTest, CancelledDialogsChangeNothingAndSayNothing) {
    const std::string before = WriteProfile(form);
    prompts.openAnswers.push_back(std::nullopt);
    prompts.saveAnswers.push_back(std::nullopt);
    LoadProfile(ProfileSource::ChosenFile, form, folders, storage, prompts);
    SaveProfile(ProfileSource::ChosenFile, form, folders, storage, prompts);
    EXPECT_EQ(prompts.dialogsShown, 2);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(WriteProfile(form), before);
    EXPECT_TRUE(filesIn(folders.programDir).empty());
}

TEST_F(ProfileFilesTest, OpeningANameThatDoesNotExistSaysNothing) {
    prompts.openAnswers.push_back(path("app/nobody.cfg"));
    LoadProfile(ProfileSource::ChosenFile, form, folders, storage, prompts);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(form.at(u"txtMainStat").text, u"8830");
}

TEST_F(ProfileFilesTest, OpeningSomethingThatIsNotAReadableFileIsReported) {
    fs::create_directories(path("app/folder.cfg"));
    for (const std::string& chosen : {path("app/folder.cfg"), std::string("/dev/null")}) {
        prompts.messages.clear();
        prompts.openAnswers.push_back(chosen);
        LoadProfile(ProfileSource::ChosenFile, form, folders, storage, prompts);
        EXPECT_EQ(prompts.messages, Messages{kOpenError}) << chosen;
        EXPECT_EQ(form.at(u"txtMainStat").text, u"8830");
    }
}

TEST_F(ProfileFilesTest, OpeningAShortProfileReportsAndKeepsWhatWasApplied) {
    std::string bytes = profileWithMainStat("4321");
    bytes.resize(bytes.rfind("\r\n", bytes.size() - 3) + 2);  // 64 lines
    WriteBytes(path("short.cfg"), bytes);
    form.setListIndex(u"cboGemJMeter", 4);

    prompts.openAnswers.push_back(path("short.cfg"));
    LoadProfile(ProfileSource::ChosenFile, form, folders, storage, prompts);
    EXPECT_EQ(prompts.messages, Messages{kOpenError});
    EXPECT_EQ(form.at(u"txtMainStat").text, u"4321");
    EXPECT_EQ(form.at(u"cboGemJMeter").value, 4);
    EXPECT_EQ(LoadProfileFile(storage, path("short.cfg"), form), ProfileFileStatus::ReadFailed);
}

TEST_F(ProfileFilesTest, GarbageIsReportedWithoutHarm) {
    // A megabyte without a single line end: one endless first line, then the file ends.
    std::string garbage(1024 * 1024, '\0');
    for (std::size_t i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<char>(0x80 + (static_cast<unsigned>(i) * 7919u) % 0x7Fu);
    }
    WriteBytes(path("garbage.cfg"), garbage);
    prompts.openAnswers.push_back(path("garbage.cfg"));
    LoadProfile(ProfileSource::ChosenFile, form, folders, storage, prompts);
    EXPECT_EQ(prompts.messages, Messages{kOpenError});
    EXPECT_EQ(form.at(u"txtWeaponExtraSpeed").text, u"6");
}

TEST_F(ProfileFilesTest, AnEndlessLineStopsTheReadButLinesBeforeItApply) {
    std::string bytes = profileWithMainStat("5555");
    const std::size_t afterLine11 = bytes.find("5555\r\n") + 6;
    bytes.resize(afterLine11);
    bytes += std::string(17 * 1024 * 1024, '9');  // line 12 never ends within reach
    WriteBytes(path("endless.cfg"), bytes);

    EXPECT_EQ(LoadProfileFile(storage, path("endless.cfg"), form), ProfileFileStatus::ReadFailed);
    EXPECT_EQ(form.at(u"txtMainStat").text, u"5555");
    EXPECT_EQ(form.at(u"txtAttackSpeed").text, u"27");
}

TEST_F(ProfileFilesTest, SavingIntoWhatCannotHoldAFileIsReported) {
    fs::create_directories(path("app/taken.cfg"));
    for (const std::string& target : {path("app/taken.cfg"), path("missing/folder/x.cfg")}) {
        prompts.messages.clear();
        prompts.saveAnswers.push_back(target);
        SaveProfile(ProfileSource::ChosenFile, form, folders, storage, prompts);
        EXPECT_EQ(prompts.messages, Messages{kSaveError}) << target;
    }
    EXPECT_TRUE(fs::is_directory(path("app/taken.cfg")));
    EXPECT_TRUE(fs::is_empty(path("app/taken.cfg")));
}

TEST_F(ProfileFilesTest, AnInterruptedSaveLeavesThePreviousFileAsItWas) {
    const std::string previous = profileWithMainStat("1111");
    WriteBytes(path("app/keep.cfg"), previous);
    const std::string next = WriteProfile(form);
    {
        // The disk fills up halfway through the new profile.
        const testing::FileSizeLimit full(next.size() / 2);
        EXPECT_EQ(SaveProfileFile(storage, path("app/keep.cfg"), form),
                  ProfileFileStatus::WriteFailed);
    }
    EXPECT_EQ(ReadBytes(path("app/keep.cfg")), previous);
    EXPECT_EQ(filesIn(folders.programDir), Names{"keep.cfg"});

    EXPECT_EQ(SaveProfileFile(storage, path("app/keep.cfg"), form), ProfileFileStatus::Done);
    EXPECT_EQ(ReadBytes(path("app/keep.cfg")), next);
    EXPECT_EQ(filesIn(folders.programDir), Names{"keep.cfg"});
}

TEST_F(ProfileFilesTest, NoLastRunFileIsSaidOnceAndChangesNothing) {
    const std::string before = WriteProfile(form);
    LoadProfile(ProfileSource::LastRun, form, folders, storage, prompts);
    EXPECT_EQ(prompts.messages, Messages{kNoLastRun});
    EXPECT_EQ(WriteProfile(form), before);
    EXPECT_EQ(prompts.dialogsShown, 0);
}

TEST_F(ProfileFilesTest, TheLastRunIsWrittenBesideTheProgramWithoutAsking) {
    form.setText(u"txtGemLocked", u"50");
    SaveProfile(ProfileSource::LastRun, form, folders, storage, prompts);
    EXPECT_EQ(prompts.dialogsShown, 0);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(filesIn(folders.programDir), Names{"LastData.cfg"});
    EXPECT_EQ(ReadBytes(path("app/LastData.cfg")), WriteProfile(form));
}

TEST_F(ProfileFilesTest, TheLastRunFileIsFoundAndReplacedUnderItsOwnSpelling) {
    WriteBytes(path("app/LASTDATA.CFG"), profileWithMainStat("777"));
    LoadProfile(ProfileSource::LastRun, form, folders, storage, prompts);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(form.at(u"txtMainStat").text, u"777");

    form.setText(u"txtMainStat", u"778");
    SaveProfile(ProfileSource::LastRun, form, folders, storage, prompts);
    EXPECT_EQ(filesIn(folders.programDir), Names{"LASTDATA.CFG"});
    EXPECT_EQ(ReadBytes(path("app/LASTDATA.CFG")), WriteProfile(form));
}

TEST_F(ProfileFilesTest, TheUsualSpellingWinsOverOthersAndFoldersDoNotCount) {
    WriteBytes(path("app/lastdata.cfg"), "a");
    WriteBytes(path("app/LastData.cfg"), "b");
    EXPECT_EQ(FindLastRunFileIn(storage, folders.programDir), path("app/LastData.cfg"));

    fs::create_directories(path("other/LastData.cfg"));
    EXPECT_EQ(FindLastRunFileIn(storage, path("other")), std::string());
    EXPECT_EQ(LastRunSavePath(storage, path("other")), path("other/LastData.cfg"));
    EXPECT_EQ(FindLastRunFileIn(storage, std::string()), std::string());
}

TEST_F(ProfileFilesTest, OfTwoSpellingsTheUsualOneIsReadAndRewrittenWhicheverSortsFirst) {
    // "LASTDATA.CFG" sorts before "LastData.cfg": a rule that took the first match by name
    // would read and replace the wrong file.
    const std::string other = profileWithMainStat("111");
    WriteBytes(path("app/LASTDATA.CFG"), other);
    WriteBytes(path("app/LastData.cfg"), profileWithMainStat("222"));
    LoadProfile(ProfileSource::LastRun, form, folders, storage, prompts);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(form.at(u"txtMainStat").text, u"222");

    form.setText(u"txtMainStat", u"333");
    SaveProfile(ProfileSource::LastRun, form, folders, storage, prompts);
    EXPECT_EQ(filesIn(folders.programDir), (Names{"LASTDATA.CFG", "LastData.cfg"}));
    EXPECT_EQ(ReadBytes(path("app/LastData.cfg")), WriteProfile(form));
    EXPECT_EQ(ReadBytes(path("app/LASTDATA.CFG")), other);
}

TEST_F(ProfileFilesTest, ALastRunFileThatCannotBeOpenedIsReported) {
    // A pipe under the name: there, but no file to read (and reading it would block).
    ASSERT_EQ(::mkfifo(path("app/LastData.cfg").c_str(), 0600), 0);
    LoadProfile(ProfileSource::LastRun, form, folders, storage, prompts);
    EXPECT_EQ(prompts.messages, Messages{kOpenError});
    EXPECT_EQ(form.at(u"txtMainStat").text, u"8830");
}

TEST_F(ProfileFilesTest, AnUnwritableProgramFolderSendsTheLastRunToTheUserFolder) {
    WriteBytes(path("plain-file"), "x");
    const ProgramFolders locked{path("plain-file"), path("user/deeper")};
    form.setText(u"txtGemJ", u"48");
    SaveProfile(ProfileSource::LastRun, form, locked, storage, prompts);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(ReadBytes(path("user/deeper/LastData.cfg")), WriteProfile(form));

    form.setText(u"txtGemJ", u"0");
    LoadProfile(ProfileSource::LastRun, form, locked, storage, prompts);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(form.at(u"txtGemJ").text, u"48");
}

TEST_F(ProfileFilesTest, TheNewerOfTheTwoLastRunFilesIsRead) {
    fs::create_directories(folders.userDataDir);
    WriteBytes(path("app/LastData.cfg"), profileWithMainStat("100"));
    WriteBytes(path("user/LastData.cfg"), profileWithMainStat("200"));
    const fs::file_time_type now = fs::file_time_type::clock::now();
    const auto setTime = [](const std::string& file, fs::file_time_type time) {
        fs::last_write_time(file, time);
    };
    using std::chrono::seconds;

    setTime(path("app/LastData.cfg"), now - seconds(60));
    setTime(path("user/LastData.cfg"), now);
    EXPECT_EQ(FindLastRunFile(storage, folders), path("user/LastData.cfg"));

    setTime(path("app/LastData.cfg"), now + seconds(60));
    EXPECT_EQ(FindLastRunFile(storage, folders), path("app/LastData.cfg"));

    setTime(path("user/LastData.cfg"), now + seconds(60));
    // A tie: beside the program.
    EXPECT_EQ(FindLastRunFile(storage, folders), path("app/LastData.cfg"));
}

}  // namespace
}  // namespace brakefell
