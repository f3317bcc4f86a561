// What a player can throw at the calculator: absurd numbers in the boxes, a damaged catalogue,
// broken or strange profiles, folders that cannot be written. Each gives a clear message (or a
// sober report), nothing crashes, and the files the player keeps stay byte-for-byte as they were.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QProcess>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "desktop_adapters/desktop_platform.h"
#include "engine/report/calculation.h"
#include "form/messages.h"
#include "profile/profile_files.h"
#include "profile/profile_lines.h"
#include "recording_prompts.h"
#include "session/calculator_session.h"
#include "temp_folder.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

namespace fs = std::filesystem;
using testing::RecordingPrompts;
using Messages = std::vector<std::u16string>;

const std::u16string kCatalogueError(messages::kCatalogueLoadError);
const std::u16string kOpenError(messages::kProfileOpenError);
const std::u16string kSaveError(messages::kProfileSaveError);
const std::u16string kRefused(messages::kCalculationRefused);

std::string ReadAll(const std::string& path) {
    return testing::ReadFileBytes(path).value_or("<unreadable>");
}

void WriteAll(const std::string& path, std::string_view bytes) {
    ASSERT_TRUE(testing::WriteFileBytes(path, bytes)) << path;
}

std::string ShippedCatalogue() {
    return ReadAll(BRAKEFELL_CATALOGUE_PATH);
}

// The names in a folder that end in `suffix`, in order.
std::vector<std::string> NamesEndingIn(const std::string& folder, std::string_view suffix) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.ends_with(suffix)) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A program folder with the shipped catalogue and a last-run file from an earlier session.
class HostileInputs : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(fs::create_directories(programDir()));
        WriteAll(catalogue(), ShippedCatalogue());
        lastRun = EarlierLastRun();
        WriteAll(lastRunFile(), lastRun);
    }

    std::string programDir() const { return temp.filePath("app"); }
    std::string userDir() const { return temp.filePath("user"); }
    std::string catalogue() const { return programDir() + "/Gloamstalker007.txt"; }
    std::string lastRunFile() const { return programDir() + "/LastData.cfg"; }
    ProgramFolders folders() const { return {programDir(), userDir()}; }

    // The profile a player left behind: a few values that differ from the defaults.
    std::string EarlierLastRun() {
        SkillCatalogue shipped;
        RecordingPrompts quiet;
        CalculatorSession earlier(Edition::Full, folders(), desktop.platform(), quiet);
        EXPECT_TRUE(earlier.startUp({catalogue(), false}));
        earlier.form().setText(u"txtMainStat", u"9123");
        earlier.form().setText(u"txtSkill(22)", u"민첩 31");
        earlier.form().setListIndex(u"cboUsingSkill(2)", 5);
        earlier.form().setListIndex(u"cboUsingSkillRune(2)", 2);
        return WriteProfile(earlier.form());
    }

    testing::TempFolder temp;
    DesktopPlatform desktop;
    RecordingPrompts prompts;
    std::string lastRun;
};

TEST_F(HostileInputs, AbsurdNumbersAreRefusedOrReportedAndSurviveTheNextStart) {
    const struct {
        const char* box;
        std::u16string text;
        bool refused;
    } cases[] = {
        {"txtWeaponDamageMax", u"1e308", true},  // overflows once multiplied
        {"txtWeaponDamageMax", u"1e309", true},  // no double holds it
        {"txtMainStat", u"-1e308", true},
        {"txtWeaponDamageMin", u"-1e308", true},      // overflows to minus infinity
        {"txtCriticalChance", u"&HFFFFFFFF", false},  // reads -1
        {"txtWeaponDamageMin", u"-100", false},       // negative damage prints as nothing
        {"txtAttackSpeed", std::u16string(100000, u'9'), true},
        {"txtTesker", std::u16string(100000, u'가'), false},  // not a number: reads 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " = " + Utf8OfUtf16(c.text.substr(0, 20)));
        WriteAll(lastRunFile(), lastRun);
        RecordingPrompts person;
        CalculatorSession session(Edition::Full, folders(), desktop.platform(), person);
        ASSERT_TRUE(session.startUp());
        session.form().setText(Utf16OfLatin1(c.box), c.text);
        person.messages.clear();
        session.calculate();

        if (c.refused) {
            EXPECT_EQ(person.messages, Messages{kRefused});
            for (int k = 0; k < 9; ++k) {
                EXPECT_TRUE(session.form().at(IndexedName("txtResult", k)).text.empty());
            }
        } else {
            EXPECT_TRUE(person.messages.empty());
            EXPECT_TRUE(session.form().at(u"txtResult(0)").visible);
        }
        for (const ControlState& box : session.form().controls()) {
            if (box.kind == ControlKind::ResultBox) {
                EXPECT_FALSE(testing::Contains(box.text, u"inf") ||
                             testing::Contains(box.text, u"nan"))
                    << Utf8OfUtf16(box.name);
            }
        }

        // Whatever was typed comes back at the next start exactly as typed.
        session.shutDown();
        RecordingPrompts next;
        CalculatorSession restarted(Edition::Full, folders(), desktop.platform(), next);
        ASSERT_TRUE(restarted.startUp());
        EXPECT_TRUE(next.messages.empty());
        EXPECT_EQ(restarted.form().at(Utf16OfLatin1(c.box)).text, c.text);
    }
}

TEST_F(HostileInputs, AnInfiniteNumberInAnyBoxTheCalculationReadsIsRefused) {
    // Every number box the calculation reads, written out by hand: whether the box matters for
    // this character or not, and with the sentries on or off, an infinite number is refused.
    const char* const boxes[] = {
        "txtWeaponExtraSpeed", "txtWeaponDamageMin",
        "txtWeaponDamageMax",  "txtEnchant(1)",
        "txtEnchant(2)",       "txtEnchant(3)",
        "txtEnchant(4)",       "txtEnchant(5)",
        "txtEnchant(6)",       "txtMainStat",
        "txtCriticalDamage",   "txtTesker",
        "txtAttackSpeed",      "txtCriticalChance",
        "txtEnchantElite",     "txtDecreaseTime",
        "txtSkill(0)",         "txtSkill(1)",
        "txtSkill(2)",         "txtSkill(3)",
        "txtSkill(4)",         "txtSkill(5)",
        "txtSkill(6)",         "txtSkill(7)",
        "txtSkill(8)",         "txtSkill(14)",
        "txtSkill(16)",        "txtSkill(18)",
        "txtSkill(19)",        "txtSkill(20)",
        "txtSkill(21)",        "txtSkill(22)",
        "txtSkill(23)",        "txtMorePain",
        "txtGemLocked",        "txtGemSummon",
        "txtGemPoison",        "txtGemJ",
    };
    RecordingPrompts person;
    CalculatorSession session(Edition::Full, folders(), desktop.platform(), person);
    ASSERT_TRUE(session.startUp({catalogue(), false}));
    FormState& form = session.form();
    for (const int crossbow : {1, 0}) {
        form.setCheck(u"chkCrossbow", crossbow);
        for (const char* box : boxes) {
            const std::u16string name = Utf16OfLatin1(box);
            const std::u16string typed = form.at(name).text;
            for (const std::u16string_view infinite : {u"1e999", u"-1e999"}) {
                SCOPED_TRACE(std::string(box) + " = " + Utf8OfUtf16(infinite) +
                             (crossbow ? ", sentries on" : ", sentries off"));
                form.setText(name, infinite);
                person.messages.clear();
                session.calculate();
                EXPECT_EQ(person.messages, Messages{kRefused});
                EXPECT_FALSE(form.at(u"txtResult(0)").visible);
            }
            form.setText(name, typed);
        }
    }
    // The one gem level the calculation never reads is no reason to refuse.
    form.setText(u"txtGemStrong", u"1e999");
    person.messages.clear();
    session.calculate();
    EXPECT_TRUE(person.messages.empty());
}

TEST_F(HostileInputs, ADamagedCatalogueNeverCostsTheLastRun) {
    std::string invalidBytes = ShippedCatalogue();
    invalidBytes.replace(invalidBytes.find('>') + 1, 2, "\x80\xff");
    std::string withNul = ShippedCatalogue();
    withNul.insert(withNul.find('/'), 1, '\0');
    std::string comments;
    for (int line = 0; line < 10000; ++line) {
        comments += "# 설명 줄\r\n";
    }
    std::string huge = ShippedCatalogue();
    huge += std::string(50 * 1024 * 1024, 'x');
    const std::string lineFeedsOnly = testing::ReplaceAll(ShippedCatalogue(), "\r\n", "\n");
    std::string twentyFiveSkills = ShippedCatalogue() + "\r\n>스물다섯째\r\n";
    for (int rune = 0; rune < 6; ++rune) {
        twentyFiveSkills += "룬/True/1/1/0/False/0/False/False/False/False\r\n";
    }

    const struct {
        const char* what;
        std::string bytes;
        bool loads;
    } cases[] = {
        {"invalid code page 949 bytes in a name", invalidBytes, true},
        {"a NUL byte in a rune line", withNul, true},
        {"10,000 comment lines first", comments + ShippedCatalogue(), true},
        {"50 MB of trailing text on the last line", huge, true},
        {"line feeds only", lineFeedsOnly, false},
        {"25 skill headers", twentyFiveSkills, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteAll(catalogue(), c.bytes);
        WriteAll(lastRunFile(), lastRun);
        RecordingPrompts person;
        CalculatorSession session(Edition::Full, folders(), desktop.platform(), person);
        EXPECT_EQ(static_cast<bool>(session.startUp()), c.loads);
        if (c.loads) {
            EXPECT_TRUE(person.messages.empty())
                << Utf8OfUtf16(testing::Join(person.messages, u"|"));
            EXPECT_EQ(session.form().at(u"txtMainStat").text, u"9123");
            session.calculate();
        } else {
            EXPECT_EQ(person.messages, Messages{kCatalogueError});
            session.calculate();  // a window without skills still answers "계산"
        }
        session.shutDown();
        if (!c.loads) {
            EXPECT_EQ(ReadAll(lastRunFile()), lastRun);
        } else {
            EXPECT_EQ(ReadAll(lastRunFile()).substr(0, 200),
                      WriteProfile(session.form()).substr(0, 200));
        }
    }
}

TEST_F(HostileInputs, BrokenProfilesAreReportedAndLeftUntouched) {
    // Garbage without a line end: one long first line and then the end of the file.
    std::string garbage(1024 * 1024, '\0');
    for (std::size_t i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<char>((i * 7919 + 17) % 251);
        if (garbage[i] == '\r') {
            garbage[i] = 'x';
        }
    }
    const std::string invalidBytes = testing::ReplaceAll(lastRun, "9123", "\x81\x20\xfe\xff");
    const std::string longLine = testing::ReplaceAll(lastRun, "9123", std::string(10000, '7'));
    ASSERT_TRUE(fs::create_directories(temp.filePath("profiles/a folder.cfg")));

    const struct {
        const char* what;
        std::string bytes;  // empty: the path is a folder
        std::u16string message;
        std::u16string mainStatAfter;
    } cases[] = {
        {"1 MB of garbage", garbage, kOpenError, u"8830"},
        {"invalid code page 949 bytes", invalidBytes, u"", u"\uFFFD \uFFFD\uFFFD"},
        {"a 10,000-character line", longLine, u"", std::u16string(10000, u'7')},
        {"a folder", {}, kOpenError, u"8830"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = c.bytes.empty() ? temp.filePath("profiles/a folder.cfg")
                                                 : temp.filePath("profiles/broken.cfg");
        if (!c.bytes.empty()) {
            WriteAll(path, c.bytes);
        }
        RecordingPrompts person;
        CalculatorSession session(Edition::Full, folders(), desktop.platform(), person);
        ASSERT_TRUE(session.startUp({catalogue(), false}));
        person.openAnswers.push_back(path);
        session.openProfile();

        EXPECT_EQ(person.messages, c.message.empty() ? Messages{} : Messages{c.message});
        if (c.message.empty() || c.what != std::string("invalid code page 949 bytes")) {
            EXPECT_EQ(session.form().at(u"txtMainStat").text, c.mainStatAfter);
        }
        if (!c.bytes.empty()) {
            EXPECT_EQ(ReadAll(path), c.bytes) << "opening never writes";
        }
        EXPECT_EQ(ReadAll(lastRunFile()), lastRun);
    }
}

TEST_F(HostileInputs, ALastRunThatCannotBeReadIsReportedAndNotOverwrittenByAccident) {
    // A last-run "file" that is a folder: there is nothing to read, the next close saves the
    // inputs where they can be found again.
    fs::remove(lastRunFile());
    ASSERT_TRUE(fs::create_directories(lastRunFile()));
    RecordingPrompts person;
    CalculatorSession session(Edition::Full, folders(), desktop.platform(), person);
    ASSERT_TRUE(session.startUp());
    EXPECT_EQ(person.messages.size(), 1u);
    session.form().setText(u"txtMainStat", u"7777");
    session.shutDown();

    RecordingPrompts next;
    CalculatorSession restarted(Edition::Full, folders(), desktop.platform(), next);
    ASSERT_TRUE(restarted.startUp());
    EXPECT_TRUE(next.messages.empty()) << Utf8OfUtf16(testing::Join(next.messages, u"|"));
    EXPECT_EQ(restarted.form().at(u"txtMainStat").text, u"7777");
    EXPECT_TRUE(fs::is_directory(lastRunFile()));
}

// chattr +i makes a folder unwritable even for root, where permission bits do not.
bool MakeImmutable(const std::string& folder, bool immutable) {
    return QProcess::execute("chattr", {immutable ? "+i" : "-i", QString::fromStdString(folder)}) ==
           0;
}

TEST_F(HostileInputs, AReadOnlyProgramFolderKeepsTheLastRunInTheUserFolder) {
    if (!MakeImmutable(programDir(), true)) {
        GTEST_SKIP() << "this file system cannot make a folder read-only for this user";
    }
    RecordingPrompts person;
    {
        CalculatorSession session(Edition::Full, folders(), desktop.platform(), person);
        ASSERT_TRUE(session.startUp());
        session.form().setText(u"txtMainStat", u"4242");
        session.shutDown();
    }
    RecordingPrompts next;
    CalculatorSession restarted(Edition::Full, folders(), desktop.platform(), next);
    ASSERT_TRUE(restarted.startUp());
    MakeImmutable(programDir(), false);

    EXPECT_TRUE(person.messages.empty()) << Utf8OfUtf16(testing::Join(person.messages, u"|"));
    EXPECT_TRUE(next.messages.empty());
    EXPECT_EQ(restarted.form().at(u"txtMainStat").text, u"4242");
    EXPECT_EQ(ReadAll(lastRunFile()), lastRun);
    EXPECT_TRUE(fs::exists(userDir() + "/LastData.cfg"));
}

TEST_F(HostileInputs, SavingToAFullDiskSaysSoAndLeavesTheDeviceAlone) {
    const std::string full = temp.filePath("full");
    if (mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
        GTEST_SKIP() << "cannot make a full-disk device here";
    }
    RecordingPrompts person;
    CalculatorSession session(Edition::Full, folders(), desktop.platform(), person);
    ASSERT_TRUE(session.startUp());
    person.messages.clear();
    person.saveAnswers.push_back(full);
    session.saveProfile();

    EXPECT_EQ(person.messages, Messages{kSaveError});
    struct stat info {};
    ASSERT_EQ(stat(full.c_str(), &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode)) << "the device was replaced by a file";
    std::vector<std::string> left;
    for (const fs::directory_entry& entry : fs::directory_iterator(temp.path())) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && (name.ends_with(".tmp") || name.starts_with("full."))) {
            left.push_back(name);
        }
    }
    EXPECT_TRUE(left.empty());
}

TEST_F(HostileInputs, ASaveKilledHalfwayLeavesThePreviousProfileAndNoHalfProfile) {
    // A child process starts saving over the player's profile and is killed with half of the
    // new profile written: the system stops it as it writes past the size it may give a file.
    const std::string profile = temp.filePath("mine.cfg");
    WriteAll(profile, lastRun);
    const std::string bytes = WriteProfile(FormState(SkillCatalogue{}));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        const rlimit half{bytes.size() / 2, bytes.size() / 2};
        setrlimit(RLIMIT_FSIZE, &half);
        DiskStorage().replace(profile, bytes);  // killed here, in the middle of the save
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ)
        << "the save was not stopped halfway";

    EXPECT_EQ(ReadAll(profile), lastRun);
    // The unfinished temporary file is not a profile: the "*.cfg" dialogs never offer it.
    EXPECT_EQ(NamesEndingIn(temp.path(), ".cfg"), std::vector<std::string>{"mine.cfg"});
}

}  // namespace
}  // namespace brakefell
