// The calculation history: bounded to the last 200, the same entries after a restart, shared
// with another window, and a damaged file set aside with its good lines kept.
#include "session/calculation_history.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "desktop_adapters/desktop_platform.h"
#include "file_size_limit.h"
#include "profile/share_code.h"
#include "temp_folder.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

namespace fs = std::filesystem;

// The time of history entry `i` as the history's file writes it: 10:00 on 2026-12-08, UTC, and
// `i` seconds.
std::string TimeText(int i) {
    const int second = 10 * 3600 + i;
    char text[32];
    std::snprintf(text, sizeof text, "2026-12-%02dT%02d:%02d:%02d.000Z", 8 + second / 86400,
                  second / 3600 % 24, second / 60 % 60, second % 60);
    return text;
}

class HistoryFile : public ::testing::Test {
  protected:
    // Stand-ins for builds: the history keeps them without reading them.
    SharedBuild BuildNumber(int i) const {
        return {testing::Repeated(std::to_string(i) + "\r\n", 65),
                "1\r\nchkMark=" + std::to_string(i % 2) + "\r\n"};
    }
    std::string LineOf(int i) const {
        return TimeText(i) + ' ' + Latin1OfUtf16(ShareCodeOf(desktop.deflate, BuildNumber(i))) +
               "\r\n";
    }
    std::vector<SharedBuild> Builds(CalculationHistory& history) const {
        std::vector<SharedBuild> builds;
        for (const HistoryEntry& entry : history.entries()) {
            builds.push_back(entry.build);
        }
        return builds;
    }
    std::vector<SharedBuild> BuildsNumbered(const std::vector<int>& numbers) const {
        std::vector<SharedBuild> builds;
        for (const int i : numbers) {
            builds.push_back(BuildNumber(i));
        }
        return builds;
    }
    UtcMillis TimeNumber(int i) const {
        return 1796724000000 + i * 1000;  // 2026-12-08T10:00:00Z and `i` seconds
    }
    std::string FileBytes() const { return testing::ReadFileBytes(path).value_or(""); }
    void WriteFile(const std::string& bytes) const {
        ASSERT_TRUE(testing::WriteFileBytes(path, bytes));
    }
    CalculationHistory History() { return CalculationHistory(desktop.platform(), path); }

    DesktopPlatform desktop;
    testing::TempFolder dir;
    // In a folder that does not exist yet, as on a first run.
    std::string folder = dir.filePath("user-data");
    std::string path = folder + "/" + kHistoryFileName;
};

TEST_F(HistoryFile, KeepsTheLast200AndReadsThemBackAfterARestart) {
    CalculationHistory history = History();
    EXPECT_TRUE(history.entries().empty());
    for (int i = 0; i < 205; ++i) {
        ASSERT_TRUE(history.add(TimeNumber(i), BuildNumber(i)));
    }
    ASSERT_EQ(history.entries().size(), 200u);
    EXPECT_EQ(history.entries().front().build, BuildNumber(5));
    EXPECT_EQ(history.entries().back().build, BuildNumber(204));

    CalculationHistory restarted = History();
    const std::vector<HistoryEntry>& entries = restarted.entries();
    ASSERT_EQ(entries.size(), 200u);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].time, TimeNumber(static_cast<int>(i) + 5));
        EXPECT_EQ(entries[i].build, BuildNumber(static_cast<int>(i) + 5));
    }
    // One line per entry: the time in UTC, then the inputs' share code.
    const std::string first = FileBytes().substr(0, FileBytes().find("\r\n"));
    EXPECT_EQ(first + "\r\n", LineOf(5));
}

TEST_F(HistoryFile, TwoWindowsAddToOneHistoryInTheOrderOfTheirCalculations) {
    CalculationHistory full = History();
    CalculationHistory lite = History();
    full.add(TimeNumber(1), BuildNumber(1));
    lite.add(TimeNumber(3), BuildNumber(3));
    full.add(TimeNumber(4), BuildNumber(4));
    // The lite window's calculation at 2 reaches the file after the full window's at 4.
    lite.add(TimeNumber(2), BuildNumber(2));
    full.add(TimeNumber(5), BuildNumber(5));
    const auto all = BuildsNumbered({1, 2, 3, 4, 5});
    EXPECT_EQ(Builds(full), all);
    EXPECT_EQ(Builds(lite), BuildsNumbered({1, 2, 3, 4}));
    CalculationHistory restarted = History();
    EXPECT_EQ(Builds(restarted), all);
}

TEST_F(HistoryFile, TwoWritesCrossingLoseNoEntryOnceEachWriterHearsOfTheOther) {
    CalculationHistory first = History();
    CalculationHistory second = History();
    first.add(TimeNumber(1), BuildNumber(1));
    second.add(TimeNumber(2), BuildNumber(2));
    // The first writer read the file before the second wrote, and writes over it.
    const std::string missingTwo = FileBytes();
    first.add(TimeNumber(3), BuildNumber(3));
    WriteFile(missingTwo.substr(0, missingTwo.find("\r\n") + 2) + LineOf(3));
    EXPECT_TRUE(second.reconcile());
    EXPECT_TRUE(first.reconcile());
    CalculationHistory restarted = History();
    EXPECT_EQ(Builds(restarted), BuildsNumbered({1, 2, 3}));
    const std::string settled = FileBytes();
    EXPECT_TRUE(first.reconcile());
    EXPECT_EQ(FileBytes(), settled) << "a file that holds every entry is not written again";
}

TEST_F(HistoryFile, ALongerFileIsReadAsItsLast200AndOldLinesStillRead) {
    fs::create_directories(folder);
    std::string bytes;
    for (int i = 0; i < 205; ++i) {
        bytes += LineOf(i);
    }
    // A line of the first version: the time and the profile's code alone.
    const SharedBuild profileOnly{BuildNumber(205).profile, std::nullopt};
    const std::string oldLine =
        TimeText(205) + ' ' + Latin1OfUtf16(ShareCodeOf(desktop.deflate, profileOnly)) + "\r\n";
    ASSERT_NE(oldLine.find(" BF1."), std::string::npos);
    WriteFile(bytes + oldLine);

    CalculationHistory history = History();
    ASSERT_EQ(history.entries().size(), 200u);
    EXPECT_EQ(history.entries().front().build, BuildNumber(6));
    EXPECT_EQ(history.entries().back().build, profileOnly);
    ASSERT_TRUE(history.add(TimeNumber(206), BuildNumber(206)));
    EXPECT_TRUE(FileBytes().starts_with(LineOf(7)));
    EXPECT_TRUE(FileBytes().ends_with(oldLine + LineOf(206)));
}

// A bad line costs only itself: the good lines stay, the file as it was is set aside for reading
// by hand, and the history says how many lines it skipped.
TEST_F(HistoryFile, ADamagedFileKeepsItsGoodLinesAndIsSetAside) {
    const std::string first = LineOf(1);
    const std::string second = LineOf(2);
    const struct {
        std::string bytes;
        std::vector<int> kept;
        int skipped;
    } damaged[] = {
        {first + "2026-12-08T10:00:01.000Z BF1.broken\r\n" + second, {1, 2}, 1},  // cut short
        {"yesterday " + first.substr(25) + second, {2}, 1},  // a time that is not one
        // Blank lines (an editor's) are no damage.
        {std::string("\x00\x01\x02 garbage\r\n", 13) + first + "\r\n\r\n", {1}, 1},
        {std::string(5 * 1024 * 1024, 'A'), {}, 0},  // far larger than 200 entries: not ours
    };
    for (const auto& [bytes, kept, skipped] : damaged) {
        SCOPED_TRACE(bytes.substr(0, 40));
        fs::remove_all(folder);
        fs::create_directories(folder);
        WriteFile(bytes);

        CalculationHistory history = History();
        EXPECT_EQ(Builds(history), BuildsNumbered(kept));
        EXPECT_EQ(history.skippedLines(), skipped);
        // Kept whole, for reading by hand.
        EXPECT_EQ(testing::ReadFileBytes(path + ".damaged"), bytes);
        // The good lines are in the file again before any calculation, and nothing is skipped
        // twice.
        CalculationHistory restarted = History();
        EXPECT_EQ(Builds(restarted), BuildsNumbered(kept));
        EXPECT_EQ(restarted.skippedLines(), 0);

        ASSERT_TRUE(history.add(TimeNumber(7), BuildNumber(7)));
        EXPECT_EQ(History().entries().size(), kept.size() + 1);
    }
}

TEST_F(HistoryFile, ASecondDamagedFileDoesNotReplaceTheFirst) {
    fs::create_directories(folder);
    WriteFile("first damage");
    History().entries();
    WriteFile("second damage");
    History().entries();

    std::vector<std::string> aside;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == ".damaged") {
            aside.push_back(testing::ReadFileBytes(entry.path().string()).value_or(""));
        }
    }
    std::sort(aside.begin(), aside.end());
    EXPECT_EQ(aside, (std::vector<std::string>{"first damage", "second damage"}));
}

TEST_F(HistoryFile, AFileThatCannotBeWrittenLosesNothingOfThisRun) {
    // The history's place is taken by a folder: nothing can be written there.
    fs::create_directories(path);
    CalculationHistory history = History();
    for (int i = 1; i <= 3; ++i) {
        EXPECT_FALSE(history.add(TimeNumber(i), BuildNumber(i)));
    }
    EXPECT_EQ(Builds(history), BuildsNumbered({1, 2, 3}));
    EXPECT_TRUE(fs::is_directory(path));

    // A full disk: the file opens but the write fails. That is no entry written, and the file
    // keeps what it had.
    fs::remove_all(path);
    CalculationHistory second = History();
    ASSERT_TRUE(second.add(TimeNumber(4), BuildNumber(4)));
    const std::string written = FileBytes();
    {
        const testing::FileSizeLimit full(written.size() + 10);
        EXPECT_FALSE(second.add(TimeNumber(5), BuildNumber(5)));
    }
    EXPECT_EQ(FileBytes(), written);
    EXPECT_EQ(Builds(second), BuildsNumbered({4, 5}));
}

TEST_F(HistoryFile, ADamagedFileSetAsideKeepsTheEntriesOfThisRun) {
    CalculationHistory history = History();
    history.add(TimeNumber(1), BuildNumber(1));
    WriteFile("damaged by something else");
    history.add(TimeNumber(2), BuildNumber(2));
    EXPECT_EQ(Builds(history), BuildsNumbered({1, 2}));
    CalculationHistory restarted = History();
    EXPECT_EQ(Builds(restarted), BuildsNumbered({1, 2}));
}

}  // namespace
}  // namespace brakefell
