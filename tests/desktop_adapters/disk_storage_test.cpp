// The desktop's files and folders as the core is promised them: what a path is, reads up to a
// limit that say whether they got the whole file, replacements that never lose the old file, and
// folder listings.
#include "desktop_adapters/disk_storage.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "file_size_limit.h"
#include "temp_folder.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class DiskStorageTest : public ::testing::Test {
  protected:
    std::string path(const std::string& name) const { return temp.filePath(name); }
    void write(const std::string& name, std::string_view bytes) {
        ASSERT_TRUE(testing::WriteFileBytes(path(name), bytes));
    }
    Names namesIn(const std::string& folder) const {
        Names names = storage.entryNames(folder);
        std::sort(names.begin(), names.end());
        return names;
    }

    testing::TempFolder temp;
    DiskStorage storage;
};

TEST_F(DiskStorageTest, TellsWhatAPathIsFollowingLinks) {
    write("file", "x");
    fs::create_directory(path("folder"));
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    fs::create_symlink(path("file"), path("link to file"));
    fs::create_symlink(path("folder"), path("link to folder"));
    fs::create_symlink(path("nothing"), path("broken link"));
    EXPECT_EQ(storage.kindOf(path("file")), PathKind::File);
    EXPECT_EQ(storage.kindOf(path("folder")), PathKind::Folder);
    EXPECT_EQ(storage.kindOf(path("pipe")), PathKind::Other);
    EXPECT_EQ(storage.kindOf("/dev/null"), PathKind::Other);
    EXPECT_EQ(storage.kindOf(path("link to file")), PathKind::File);
    EXPECT_EQ(storage.kindOf(path("link to folder")), PathKind::Folder);
    EXPECT_EQ(storage.kindOf(path("broken link")), PathKind::None);
    EXPECT_EQ(storage.kindOf(path("nothing")), PathKind::None);
    EXPECT_EQ(storage.kindOf(""), PathKind::None);
}

TEST_F(DiskStorageTest, ReadsUpToTheLimitAndSaysWhetherThatWasAll) {
    write("ten", "0123456789");
    const auto whole = storage.read(path("ten"), 100);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->bytes, "0123456789");
    EXPECT_TRUE(whole->whole);

    const auto exactly = storage.read(path("ten"), 10);
    ASSERT_TRUE(exactly);
    EXPECT_EQ(exactly->bytes, "0123456789");
    EXPECT_TRUE(exactly->whole) << "nothing is left past the limit";

    const auto cut = storage.read(path("ten"), 9);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->bytes, "012345678");
    EXPECT_FALSE(cut->whole);

    // Larger than one chunk of the reader.
    const std::string big(200 * 1024 + 7, 'b');
    write("big", big);
    EXPECT_EQ(storage.read(path("big"), big.size())->bytes, big);
    EXPECT_EQ(storage.read(path("big"), 150 * 1024)->bytes.size(), 150u * 1024);

    write("empty", "");
    EXPECT_EQ(storage.read(path("empty"), 10)->bytes, "");
    EXPECT_TRUE(storage.read(path("empty"), 10)->whole);
}

TEST_F(DiskStorageTest, ReadsOnlyRegularFilesThatOpen) {
    fs::create_directory(path("folder"));
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);  // reading would block
    for (const std::string& notAFile :
         {path("missing"), path("folder"), path("pipe"), std::string("/dev/zero"), std::string()}) {
        EXPECT_EQ(storage.read(notAFile, 10), std::nullopt) << notAFile;
    }
}

TEST_F(DiskStorageTest, AFileThatCannotBeOpenedIsNotRead) {
    write("locked", "secret");
    fs::permissions(path("locked"), fs::perms::none);
    if (::access(path("locked").c_str(), R_OK) == 0) {
        GTEST_SKIP() << "this user reads files without read permission";
    }
    EXPECT_EQ(storage.read(path("locked"), 10), std::nullopt);
}

TEST_F(DiskStorageTest, ReplacesWholeOrLeavesThePreviousFileAsItWas) {
    EXPECT_EQ(storage.replace(path("new"), "first"), ReplaceStatus::Done);
    EXPECT_EQ(testing::ReadFileBytes(path("new")), "first");
    EXPECT_EQ(storage.replace(path("new"), "second, longer"), ReplaceStatus::Done);
    EXPECT_EQ(testing::ReadFileBytes(path("new")), "second, longer");
    EXPECT_EQ(storage.replace(path("new"), ""), ReplaceStatus::Done);
    EXPECT_EQ(testing::ReadFileBytes(path("new")), "");

    const std::string previous = "the player's profile";
    write("kept", previous);
    {
        const testing::FileSizeLimit full(100);
        EXPECT_EQ(storage.replace(path("kept"), std::string(1000, 'n')),
                  ReplaceStatus::WriteFailed);
    }
    EXPECT_EQ(testing::ReadFileBytes(path("kept")), previous);
    EXPECT_EQ(namesIn(temp.path()), (Names{"kept", "new"})) << "no temporary file left behind";
}

TEST_F(DiskStorageTest, NeverReplacesWhatIsNotARegularFile) {
    fs::create_directory(path("folder"));
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    EXPECT_EQ(storage.replace(path("folder"), "x"), ReplaceStatus::NotOpened);
    EXPECT_EQ(storage.replace(path("pipe"), "x"), ReplaceStatus::NotOpened);
    EXPECT_EQ(storage.replace(path("missing/folder/file"), "x"), ReplaceStatus::NotOpened);
    EXPECT_TRUE(fs::is_directory(path("folder")));
    EXPECT_TRUE(fs::is_fifo(path("pipe")));
    EXPECT_FALSE(fs::exists(path("missing")));
}

TEST_F(DiskStorageTest, ListsEveryEntryButTheDots) {
    write(".hidden", "");
    write("LastData.cfg", "");
    write("분석.cfg", "");
    fs::create_directory(path("folder"));
    EXPECT_EQ(namesIn(temp.path()), (Names{".hidden", "LastData.cfg", "folder", "분석.cfg"}));
    EXPECT_EQ(namesIn(path("folder")), Names{});
    EXPECT_EQ(namesIn(path("missing")), Names{});
}

TEST_F(DiskStorageTest, RenamesMakesFoldersAndTellsWhenAFileWasWritten) {
    write("a", "moved");
    EXPECT_TRUE(storage.rename(path("a"), path("b")));
    EXPECT_FALSE(fs::exists(path("a")));
    EXPECT_EQ(testing::ReadFileBytes(path("b")), "moved");
    EXPECT_FALSE(storage.rename(path("a"), path("c")));

    EXPECT_TRUE(storage.makeFolders(path("x/y/z")));
    EXPECT_TRUE(fs::is_directory(path("x/y/z")));
    EXPECT_TRUE(storage.makeFolders(path("x/y/z")));  // already there
    EXPECT_FALSE(storage.makeFolders(path("b/under a file")));

    const auto when = fs::file_time_type::clock::now() - std::chrono::hours(24);
    fs::last_write_time(path("b"), when);
    const auto seconds = [](std::optional<UtcMillis> millis) { return *millis / 1000; };
    const auto expected = std::chrono::duration_cast<std::chrono::seconds>(
                              std::chrono::file_clock::to_sys(when).time_since_epoch())
                              .count();
    EXPECT_EQ(seconds(storage.modifiedTime(path("b"))), expected);
    EXPECT_EQ(storage.modifiedTime(path("missing")), std::nullopt);
}

}  // namespace
}  // namespace brakefell
