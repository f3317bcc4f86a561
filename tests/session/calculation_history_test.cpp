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
    QByteArray ProfileNumber(int i) const {
        return QStringLiteral("%1\r\n").arg(i).repeated(65).toLatin1();
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
        ASSERT_TRUE(history.add(TimeNumber(i), ProfileNumber(i)));
    }
    ASSERT_EQ(history.entries().size(), 200u);
    EXPECT_EQ(history.entries().front().profile, ProfileNumber(5));
    EXPECT_EQ(history.entries().back().profile, ProfileNumber(204));

    CalculationHistory restarted(path);
    const std::vector<HistoryEntry>& entries = restarted.entries();
    ASSERT_EQ(entries.size(), 200u);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].time, TimeNumber(static_cast<int>(i) + 5));
        EXPECT_EQ(entries[i].profile, ProfileNumber(static_cast<int>(i) + 5));
    }
    // One line per entry: the time in UTC, then the inputs' share code.
    const QByteArray first = FileBytes().left(FileBytes().indexOf("\r\n"));
    EXPECT_EQ(first, "2026-12-08T10:00:05.000Z " + ShareCodeOfProfile(ProfileNumber(5)).toLatin1());
}

TEST_F(HistoryFile, TwoWindowsAddToOneHistory) {
    CalculationHistory full(path);
    CalculationHistory lite(path);
    full.add(TimeNumber(1), ProfileNumber(1));
    lite.add(TimeNumber(2), ProfileNumber(2));
    full.add(TimeNumber(3), ProfileNumber(3));
    ASSERT_EQ(CalculationHistory(path).entries().size(), 3u);
    EXPECT_EQ(CalculationHistory(path).entries()[1].profile, ProfileNumber(2));
}

TEST_F(HistoryFile, ADamagedFileIsSetAsideAndANewOneStarted) {
    const QByteArray goodLine =
        "2026-12-08T10:00:00.000Z " + ShareCodeOfProfile(ProfileNumber(1)).toLatin1() + "\r\n";
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

        ASSERT_TRUE(history.add(TimeNumber(7), ProfileNumber(7)));
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

TEST_F(HistoryFile, AFolderThatCannotBeWrittenLosesNothingOfThisRun) {
    // The history's place is taken by a folder: nothing can be written there.
    QDir().mkpath(path);
    CalculationHistory history(path);
    EXPECT_FALSE(history.add(TimeNumber(1), ProfileNumber(1)));
    EXPECT_EQ(history.entries().size(), 1u);
    EXPECT_TRUE(QFileInfo(path).isDir());
}

}  // namespace
}  // namespace brakefell
