// The calculation history: bounded to the last 200, the same entries after a restart, shared
// with another window, and a damaged file set aside without a word.
#include "session/calculation_history.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "profile/share_code.h"

namespace brakefell {
namespace {

class HistoryFile : public ::testing::Test {
  protected:
    // Stand-ins for builds: the history keeps them without reading them.
    SharedBuild BuildNumber(int i) const {
        return {QStringLiteral("%1\r\n").arg(i).repeated(65).toLatin1(),
                QStringLiteral("1\r\nchkMark=%1\r\n").arg(i % 2).toLatin1()};
    }
    QByteArray LineOf(int i) const {
        return TimeNumber(i).toString(Qt::ISODateWithMs).toLatin1() + ' ' +
               ShareCodeOf(BuildNumber(i)).toLatin1() + "\r\n";
    }
    std::vector<SharedBuild> Builds(CalculationHistory& history) const {
        std::vector<SharedBuild> builds;
        for (const HistoryEntry& entry : history.entries()) {
            builds.push_back(entry.build);
        }
        return builds;
    }
    std::vector<SharedBuild> BuildsNumbered(std::initializer_list<int> numbers) const {
        std::vector<SharedBuild> builds;
        for (const int i : numbers) {
            builds.push_back(BuildNumber(i));
        }
        return builds;
    }
    QDateTime TimeNumber(int i) const {
        return QDateTime(QDate(2026, 12, 8), QTime(10, 0), Qt::UTC).addSecs(i);
    }
    QByteArray FileBytes() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void WriteFile(const QByteArray& bytes) const {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir;
    // In a folder that does not exist yet, as on a first run.
    QString path = dir.filePath(QStringLiteral("user-data/") + kHistoryFileName);
};

TEST_F(HistoryFile, KeepsTheLast200AndReadsThemBackAfterARestart) {
    CalculationHistory history(path);
    EXPECT_TRUE(history.entries().empty());
    for (int i = 0; i < 205; ++i) {
        ASSERT_TRUE(history.add(TimeNumber(i), BuildNumber(i)));
    }
    ASSERT_EQ(history.entries().size(), 200u);
    EXPECT_EQ(history.entries().front().build, BuildNumber(5));
    EXPECT_EQ(history.entries().back().build, BuildNumber(204));

    CalculationHistory restarted(path);
    const std::vector<HistoryEntry>& entries = restarted.entries();
    ASSERT_EQ(entries.size(), 200u);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].time, TimeNumber(static_cast<int>(i) + 5));
        EXPECT_EQ(entries[i].build, BuildNumber(static_cast<int>(i) + 5));
    }
    // One line per entry: the time in UTC, then the inputs' share code.
    const QByteArray first = FileBytes().left(FileBytes().indexOf("\r\n"));
    EXPECT_EQ(first + "\r\n", LineOf(5));
}

TEST_F(HistoryFile, TwoWindowsAddToOneHistoryInTheOrderOfTheirCalculations) {
    CalculationHistory full(path);
    CalculationHistory lite(path);
    full.add(TimeNumber(1), BuildNumber(1));
    lite.add(TimeNumber(3), BuildNumber(3));
    full.add(TimeNumber(4), BuildNumber(4));
    // The lite window's calculation at 2 reaches the file after the full window's at 4.
    lite.add(TimeNumber(2), BuildNumber(2));
    full.add(TimeNumber(5), BuildNumber(5));
    const auto all = BuildsNumbered({1, 2, 3, 4, 5});
    EXPECT_EQ(Builds(full), all);
    EXPECT_EQ(Builds(lite), BuildsNumbered({1, 2, 3, 4}));
    CalculationHistory restarted(path);
    EXPECT_EQ(Builds(restarted), all);
}

TEST_F(HistoryFile, ALongerFileIsReadAsItsLast200AndOldLinesStillRead) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QByteArray bytes;
    for (int i = 0; i < 205; ++i) {
        bytes += LineOf(i);
    }
    // A line of the first version: the time and the profile's code alone.
    const SharedBuild profileOnly{BuildNumber(205).profile, std::nullopt};
    const QByteArray oldLine = TimeNumber(205).toString(Qt::ISODateWithMs).toLatin1() + ' ' +
                               ShareCodeOf(profileOnly).toLatin1() + "\r\n";
    ASSERT_TRUE(oldLine.contains(" BF1."));
    WriteFile(bytes + oldLine);

    CalculationHistory history(path);
    ASSERT_EQ(history.entries().size(), 200u);
    EXPECT_EQ(history.entries().front().build, BuildNumber(6));
    EXPECT_EQ(history.entries().back().build, profileOnly);
    ASSERT_TRUE(history.add(TimeNumber(206), BuildNumber(206)));
    EXPECT_TRUE(FileBytes().startsWith(LineOf(7)));
    EXPECT_TRUE(FileBytes().endsWith(oldLine + LineOf(206)));
}

TEST_F(HistoryFile, ADamagedFileIsSetAsideAndANewOneStarted) {
    const QByteArray goodLine = LineOf(1);
    const QByteArray damaged[] = {
        goodLine + "2026-12-08T10:00:01.000Z BF1.broken\r\n",  // a code cut short
        goodLine + "yesterday " + goodLine.mid(25),            // a time that is not one
        QByteArray("\x00\x01\x02 garbage", 12),
        QByteArray(5 * 1024 * 1024, 'A'),  // far larger than 200 entries
    };
    for (const QByteArray& bytes : damaged) {
        SCOPED_TRACE(bytes.left(40).toStdString());
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(QFileInfo(path).absolutePath());
        WriteFile(bytes);

        CalculationHistory history(path);
        EXPECT_TRUE(history.entries().empty());
        QFile aside(path + QStringLiteral(".damaged"));
        ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
        EXPECT_EQ(aside.readAll(), bytes);  // kept whole, for reading by hand

        ASSERT_TRUE(history.add(TimeNumber(7), BuildNumber(7)));
        ASSERT_EQ(CalculationHistory(path).entries().size(), 1u);
    }
}

TEST_F(HistoryFile, ASecondDamagedFileDoesNotReplaceTheFirst) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    WriteFile("first damage");
    CalculationHistory(path).entries();
    WriteFile("second damage");
    CalculationHistory(path).entries();

    const QStringList aside =
        QFileInfo(path).dir().entryList({QStringLiteral("*.damaged")}, QDir::Files);
    EXPECT_EQ(aside.size(), 2);
}

TEST_F(HistoryFile, AFileThatCannotBeWrittenLosesNothingOfThisRun) {
    // The history's place is taken by a folder: nothing can be written there.
    QDir().mkpath(path);
    CalculationHistory history(path);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_FALSE(history.add(TimeNumber(i), BuildNumber(i)));
    }
    EXPECT_EQ(Builds(history), BuildsNumbered({1, 2, 3}));
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(HistoryFile, ADamagedFileSetAsideKeepsTheEntriesOfThisRun) {
    CalculationHistory history(path);
    history.add(TimeNumber(1), BuildNumber(1));
    WriteFile("damaged by something else");
    history.add(TimeNumber(2), BuildNumber(2));
    EXPECT_EQ(Builds(history), BuildsNumbered({1, 2}));
    EXPECT_EQ(Builds(*std::make_unique<CalculationHistory>(path)), BuildsNumbered({1, 2}));
}

}  // namespace
}  // namespace brakefell
