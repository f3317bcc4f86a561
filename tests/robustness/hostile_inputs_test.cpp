// What a player can throw at the calculator: absurd numbers in the boxes, a damaged catalogue,
// broken or strange profiles, folders that cannot be written. Each gives a clear message (or a
// sober report), nothing crashes, and the files the player keeps stay byte-for-byte as they were.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "engine/calculation.h"
#include "form/messages.h"
#include "profile/atomic_file.h"
#include "profile/profile_files.h"
#include "profile/profile_lines.h"
#include "recording_prompts.h"
#include "session/calculator_session.h"

namespace brakefell {
namespace {

using testing::RecordingPrompts;

const QString kCatalogueError = QString::fromUtf8(messages::kCatalogueLoadError);
const QString kOpenError = QString::fromUtf8(messages::kProfileOpenError);
const QString kSaveError = QString::fromUtf8(messages::kProfileSaveError);
const QString kRefused = QString::fromUtf8(messages::kCalculationRefused);

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ShippedCatalogue() {
    return ReadAll(QStringLiteral(BRAKEFELL_CATALOGUE_PATH));
}

// A program folder with the shipped catalogue and a last-run file from an earlier session.
class HostileInputs : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        ASSERT_TRUE(QDir().mkpath(programDir()));
        WriteAll(catalogue(), ShippedCatalogue());
        lastRun = EarlierLastRun();
        WriteAll(lastRunFile(), lastRun);
    }

    QString programDir() const { return temp.filePath("app"); }
    QString userDir() const { return temp.filePath("user"); }
    QString catalogue() const { return programDir() + "/Gloamstalker007.txt"; }
    QString lastRunFile() const { return programDir() + "/LastData.cfg"; }
    ProgramFolders folders() const { return {programDir(), userDir()}; }

    // The profile a player left behind: a few values that differ from the defaults.
    QByteArray EarlierLastRun() {
        SkillCatalogue shipped;
        RecordingPrompts quiet;
        CalculatorSession earlier(Edition::Full, folders(), quiet);
        EXPECT_TRUE(earlier.startUp({catalogue(), false}));
        earlier.form().setText(u"txtMainStat", "9123");
        earlier.form().setText(u"txtSkill(22)", "민첩 31");
        earlier.form().setListIndex(u"cboUsingSkill(2)", 5);
        earlier.form().setListIndex(u"cboUsingSkillRune(2)", 2);
        return WriteProfile(earlier.form());
    }

    QTemporaryDir temp;
    RecordingPrompts prompts;
    QByteArray lastRun;
};

TEST_F(HostileInputs, AbsurdNumbersAreRefusedOrReportedAndSurviveTheNextStart) {
    const struct {
        const char* box;
        QString text;
        bool refused;
    } cases[] = {
        {"txtWeaponDamageMax", "1e308", true},  // overflows once multiplied
        {"txtWeaponDamageMax", "1e309", true},  // no double holds it
        {"txtMainStat", "-1e308", true},
        {"txtWeaponDamageMin", "-1e308", true},      // overflows to minus infinity
        {"txtCriticalChance", "&HFFFFFFFF", false},  // reads -1
        {"txtWeaponDamageMin", "-100", false},       // negative damage prints as nothing
        {"txtAttackSpeed", QString(100000, u'9'), true},
        {"txtTesker", QString(100000, u'가'), false},  // not a number: reads 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " = " + c.text.left(20).toStdString());
        WriteAll(lastRunFile(), lastRun);
        RecordingPrompts person;
        CalculatorSession session(Edition::Full, folders(), person);
        ASSERT_TRUE(session.startUp());
        session.form().setText(QString::fromLatin1(c.box), c.text);
        person.messages.clear();
        session.calculate();

        if (c.refused) {
            EXPECT_EQ(person.messages, QStringList{kRefused});
            for (int k = 0; k < 9; ++k) {
                EXPECT_TRUE(session.form().at(IndexedName("txtResult", k)).text.isEmpty());
            }
        } else {
            EXPECT_TRUE(person.messages.isEmpty());
            EXPECT_TRUE(session.form().at(u"txtResult(0)").visible);
        }
        for (const ControlState& box : session.form().controls()) {
            if (box.kind == ControlKind::ResultBox) {
                EXPECT_FALSE(box.text.contains("inf") || box.text.contains("nan"))
                    << box.name.toStdString();
            }
        }

        // Whatever was typed comes back at the next start exactly as typed.
        session.shutDown();
        RecordingPrompts next;
        CalculatorSession restarted(Edition::Full, folders(), next);
        ASSERT_TRUE(restarted.startUp());
        EXPECT_TRUE(next.messages.isEmpty());
        EXPECT_EQ(restarted.form().at(QString::fromLatin1(c.box)).text, c.text);
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
    CalculatorSession session(Edition::Full, folders(), person);
    ASSERT_TRUE(session.startUp({catalogue(), false}));
    FormState& form = session.form();
    for (const int crossbow : {1, 0}) {
        form.setCheck(u"chkCrossbow", crossbow);
        for (const char* box : boxes) {
            const QString name = QString::fromLatin1(box);
            const QString typed = form.at(name).text;
            for (const QString& infinite : {QStringLiteral("1e999"), QStringLiteral("-1e999")}) {
                SCOPED_TRACE(std::string(box) + " = " + infinite.toStdString() +
                             (crossbow ? ", sentries on" : ", sentries off"));
                form.setText(name, infinite);
                person.messages.clear();
                session.calculate();
                EXPECT_EQ(person.messages, QStringList{kRefused});
                EXPECT_FALSE(form.at(u"txtResult(0)").visible);
            }
            form.setText(name, typed);
        }
    }
    // The one gem level the calculation never reads is no reason to refuse.
    form.setText(u"txtGemStrong", QStringLiteral("1e999"));
    person.messages.clear();
    session.calculate();
    EXPECT_TRUE(person.messages.isEmpty());
}

TEST_F(HostileInputs, ADamagedCatalogueNeverCostsTheLastRun) {
    QByteArray invalidBytes = ShippedCatalogue();
    invalidBytes.replace(invalidBytes.indexOf('>') + 1, 2, "\x80\xff");
    QByteArray withNul = ShippedCatalogue();
    withNul.insert(withNul.indexOf("/"), '\0');
    QByteArray comments;
    for (int line = 0; line < 10000; ++line) {
        comments += "# 설명 줄\r\n";
    }
    QByteArray huge = ShippedCatalogue();
    huge += QByteArray(50 * 1024 * 1024, 'x');
    QByteArray lineFeedsOnly = ShippedCatalogue();
    lineFeedsOnly.replace("\r\n", "\n");
    QByteArray twentyFiveSkills = ShippedCatalogue() + "\r\n>스물다섯째\r\n";
    for (int rune = 0; rune < 6; ++rune) {
        twentyFiveSkills += "룬/True/1/1/0/False/0/False/False/False/False\r\n";
    }

    const struct {
        const char* what;
        QByteArray bytes;
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
        CalculatorSession session(Edition::Full, folders(), person);
        EXPECT_EQ(static_cast<bool>(session.startUp()), c.loads);
        if (c.loads) {
            EXPECT_TRUE(person.messages.isEmpty()) << person.messages.join('|').toStdString();
            EXPECT_EQ(session.form().at(u"txtMainStat").text, "9123");
            session.calculate();
        } else {
            EXPECT_EQ(person.messages, QStringList{kCatalogueError});
            session.calculate();  // a window without skills still answers "계산"
        }
        session.shutDown();
        if (!c.loads) {
            EXPECT_EQ(ReadAll(lastRunFile()), lastRun);
        } else {
            EXPECT_EQ(ReadAll(lastRunFile()).left(200), WriteProfile(session.form()).left(200));
        }
    }
}

TEST_F(HostileInputs, BrokenProfilesAreReportedAndLeftUntouched) {
    // Garbage without a line end: one long first line and then the end of the file.
    QByteArray garbage(1024 * 1024, '\0');
    for (int i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<char>((qint64{i} * 7919 + 17) % 251);
        if (garbage[i] == '\r') {
            garbage[i] = 'x';
        }
    }
    QByteArray invalidBytes = lastRun;
    invalidBytes.replace("9123", "\x81\x20\xfe\xff");
    QByteArray longLine = lastRun;
    longLine.replace("9123", QByteArray(10000, '7'));
    ASSERT_TRUE(QDir().mkpath(temp.filePath("profiles/a folder.cfg")));

    const struct {
        const char* what;
        QByteArray bytes;  // empty: the path is a folder
        QString message;
        QString mainStatAfter;
    } cases[] = {
        {"1 MB of garbage", garbage, kOpenError, "8830"},
        {"invalid code page 949 bytes", invalidBytes, "", QString::fromUtf8("\uFFFD \uFFFD\uFFFD")},
        {"a 10,000-character line", longLine, "", QString(10000, u'7')},
        {"a folder", {}, kOpenError, "8830"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = c.bytes.isEmpty() ? temp.filePath("profiles/a folder.cfg")
                                               : temp.filePath("profiles/broken.cfg");
        if (!c.bytes.isEmpty()) {
            WriteAll(path, c.bytes);
        }
        RecordingPrompts person;
        CalculatorSession session(Edition::Full, folders(), person);
        ASSERT_TRUE(session.startUp({catalogue(), false}));
        person.openAnswers.push_back(path);
        session.openProfile();

        EXPECT_EQ(person.messages, c.message.isEmpty() ? QStringList{} : QStringList{c.message});
        if (c.message.isEmpty() || c.what != std::string("invalid code page 949 bytes")) {
            EXPECT_EQ(session.form().at(u"txtMainStat").text, c.mainStatAfter);
        }
        if (!c.bytes.isEmpty()) {
            EXPECT_EQ(ReadAll(path), c.bytes) << "opening never writes";
        }
        EXPECT_EQ(ReadAll(lastRunFile()), lastRun);
    }
}

TEST_F(HostileInputs, ALastRunThatCannotBeReadIsReportedAndNotOverwrittenByAccident) {
    // A last-run "file" that is a folder: there is nothing to read, the next close saves the
    // inputs where they can be found again.
    QFile::remove(lastRunFile());
    ASSERT_TRUE(QDir().mkpath(lastRunFile()));
    RecordingPrompts person;
    CalculatorSession session(Edition::Full, folders(), person);
    ASSERT_TRUE(session.startUp());
    EXPECT_EQ(person.messages.size(), 1);
    session.form().setText(u"txtMainStat", "7777");
    session.shutDown();

    RecordingPrompts next;
    CalculatorSession restarted(Edition::Full, folders(), next);
    ASSERT_TRUE(restarted.startUp());
    EXPECT_TRUE(next.messages.isEmpty()) << next.messages.join('|').toStdString();
    EXPECT_EQ(restarted.form().at(u"txtMainStat").text, "7777");
    EXPECT_TRUE(QFileInfo(lastRunFile()).isDir());
}

// chattr +i makes a folder unwritable even for root, where permission bits do not.
bool MakeImmutable(const QString& folder, bool immutable) {
    return QProcess::execute("chattr", {immutable ? "+i" : "-i", folder}) == 0;
}

TEST_F(HostileInputs, AReadOnlyProgramFolderKeepsTheLastRunInTheUserFolder) {
    if (!MakeImmutable(programDir(), true)) {
        GTEST_SKIP() << "this file system cannot make a folder read-only for this user";
    }
    RecordingPrompts person;
    {
        CalculatorSession session(Edition::Full, folders(), person);
        ASSERT_TRUE(session.startUp());
        session.form().setText(u"txtMainStat", "4242");
        session.shutDown();
    }
    RecordingPrompts next;
    CalculatorSession restarted(Edition::Full, folders(), next);
    ASSERT_TRUE(restarted.startUp());
    MakeImmutable(programDir(), false);

    EXPECT_TRUE(person.messages.isEmpty()) << person.messages.join('|').toStdString();
    EXPECT_TRUE(next.messages.isEmpty());
    EXPECT_EQ(restarted.form().at(u"txtMainStat").text, "4242");
    EXPECT_EQ(ReadAll(lastRunFile()), lastRun);
    EXPECT_TRUE(QFileInfo::exists(userDir() + "/LastData.cfg"));
}

TEST_F(HostileInputs, SavingToAFullDiskSaysSoAndLeavesTheDeviceAlone) {
    const QString full = temp.filePath("full");
    if (mknod(full.toLocal8Bit().constData(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
        GTEST_SKIP() << "cannot make a full-disk device here";
    }
    RecordingPrompts person;
    CalculatorSession session(Edition::Full, folders(), person);
    ASSERT_TRUE(session.startUp());
    person.messages.clear();
    person.saveAnswers.push_back(full);
    session.saveProfile();

    EXPECT_EQ(person.messages, QStringList{kSaveError});
    struct stat info {};
    ASSERT_EQ(stat(full.toLocal8Bit().constData(), &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode)) << "the device was replaced by a file";
    EXPECT_EQ(QDir(temp.path()).entryList({"*.tmp", "full.*"}, QDir::Files).size(), 0);
}

TEST_F(HostileInputs, ASaveKilledHalfwayLeavesThePreviousProfileAndNoHalfProfile) {
    // A child process starts saving over the player's profile and is killed with half of the
    // new profile written.
    const QString profile = temp.filePath("mine.cfg");
    WriteAll(profile, lastRun);
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const QByteArray bytes = WriteProfile(FormState(SkillCatalogue{}));
        ReplaceFileContents(profile, [&](QIODevice& out) {
            out.write(bytes.left(bytes.size() / 2));
            static_cast<QFileDevice&>(out).flush();
            const char go = 1;
            (void)!write(ready[1], &go, 1);
            pause();  // killed here, in the middle of the save
            return true;
        });
        _exit(0);
    }
    char go = 0;
    ASSERT_EQ(read(ready[0], &go, 1), 1);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(ready[0]);
    close(ready[1]);

    EXPECT_EQ(ReadAll(profile), lastRun);
    // The unfinished temporary file is not a profile: the "*.cfg" dialogs never offer it.
    EXPECT_EQ(QDir(temp.path()).entryList({"*.cfg"}, QDir::Files), QStringList{"mine.cfg"});
}

}  // namespace
}  // namespace brakefell
