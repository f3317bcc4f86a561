// The promises of the core's platform ports (src/platform), held against whichever side this
// program is built with (port_face.h): the desktop's and the page's run these very cases, so a
// place where the two keep them differently fails on one of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "port_face.h"

namespace brakefell::testing {
namespace {

using Names = std::vector<std::string>;

UtcMillis TestsOwnNow() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

class PortContract : public ::testing::Test {
  protected:
    std::string at(const std::string& name) const { return face.folder + "/" + name; }
    Storage& storage() { return face.storage; }
    std::optional<std::string> bytesOf(const std::string& name) {
        const auto contents = storage().read(at(name), 1 << 20);
        return contents ? std::optional(contents->bytes) : std::nullopt;
    }
    Names namesIn(const std::string& folder) {
        Names names = storage().entryNames(folder);
        std::sort(names.begin(), names.end());
        return names;
    }

    PortFace face;
};

TEST_F(PortContract, ReadsUpToTheLimitAndSaysWhetherThatWasAll) {
    ASSERT_EQ(storage().replace(at("ten"), "0123456789"), ReplaceStatus::Done);
    struct Case {
        std::size_t limit;
        std::string bytes;
        bool whole;
    };
    for (const Case& c : {Case{100, "0123456789", true}, Case{10, "0123456789", true},
                          Case{9, "012345678", false}, Case{0, "", false}}) {
        const auto contents = storage().read(at("ten"), c.limit);
        ASSERT_TRUE(contents) << c.limit;
        EXPECT_EQ(contents->bytes, c.bytes) << c.limit;
        EXPECT_EQ(contents->whole, c.whole) << c.limit;
    }
    ASSERT_TRUE(storage().makeFolders(at("folder")));
    EXPECT_EQ(storage().read(at("missing"), 10), std::nullopt);
    EXPECT_EQ(storage().read(at("folder"), 10), std::nullopt);
}

TEST_F(PortContract, ReplacesWholeOrNotAtAll) {
    EXPECT_EQ(storage().replace(at("last run"), "first"), ReplaceStatus::Done);
    EXPECT_EQ(storage().replace(at("last run"), "2nd"), ReplaceStatus::Done);
    EXPECT_EQ(bytesOf("last run"), "2nd");
    EXPECT_EQ(storage().replace(at("empty"), ""), ReplaceStatus::Done);
    EXPECT_EQ(bytesOf("empty"), "");

    ASSERT_TRUE(storage().makeFolders(at("folder")));
    EXPECT_EQ(storage().replace(at("missing/file"), "x"), ReplaceStatus::NotOpened);
    EXPECT_EQ(storage().replace(at("folder"), "x"), ReplaceStatus::NotOpened);
    EXPECT_EQ(storage().kindOf(at("folder")), PathKind::Folder);

    face.setFull(true);
    EXPECT_EQ(storage().replace(at("last run"), std::string(1000, 'n')),
              ReplaceStatus::WriteFailed);
    EXPECT_EQ(storage().replace(at("new"), "x"), ReplaceStatus::WriteFailed);
    face.setFull(false);
    EXPECT_EQ(bytesOf("last run"), "2nd");
    EXPECT_EQ(namesIn(face.folder), (Names{"empty", "folder", "last run"}));
}

TEST_F(PortContract, KnowsFoldersTheirEntriesAndTheirFiles) {
    ASSERT_EQ(storage().replace(at(".hidden"), "h"), ReplaceStatus::Done);
    ASSERT_EQ(storage().replace(at("history"), "line"), ReplaceStatus::Done);
    EXPECT_TRUE(storage().makeFolders(at("a/b/c")));
    EXPECT_TRUE(storage().makeFolders(at("a/b/c")));
    EXPECT_FALSE(storage().makeFolders(at("history/under a file")));
    EXPECT_EQ(namesIn(face.folder), (Names{".hidden", "a", "history"}));
    EXPECT_EQ(namesIn(at("a")), Names{"b"});
    EXPECT_EQ(namesIn(at("missing")), Names{});
    EXPECT_EQ(storage().kindOf(at("history")), PathKind::File);
    EXPECT_EQ(storage().kindOf(at("a/b")), PathKind::Folder);
    EXPECT_EQ(storage().kindOf(at("missing")), PathKind::None);

    EXPECT_TRUE(storage().rename(at("history"), at("history set aside")));
    EXPECT_EQ(storage().kindOf(at("history")), PathKind::None);
    EXPECT_EQ(bytesOf("history set aside"), "line");
    EXPECT_FALSE(storage().rename(at("history"), at("again")));

    const UtcMillis written = *storage().modifiedTime(at("history set aside"));
    EXPECT_LT(std::abs(written - TestsOwnNow()), 5000) << written;
    EXPECT_EQ(storage().modifiedTime(at("missing")), std::nullopt);
}

TEST_F(PortContract, TheClockIsUtcMillisecondsThatNeverGoBack) {
    const UtcMillis first = face.clock.now();
    const UtcMillis second = face.clock.now();
    EXPECT_LT(std::abs(first - TestsOwnNow()), 5000) << first;
    EXPECT_LE(first, second);
}

// What zlib itself writes at level 9 (written down from another program's zlib): every side's
// share codes are the same bytes.
struct Packed {
    std::string bytes;
    std::string hex;
};
std::vector<Packed> PackedByZlib() {
    std::string repeated;
    std::string repeatedHex =
        "78daedc8a10dc0200004404fc22e24184c47403101b2a6ea05e3770f72272f2773bf"
        "dfcace33466fb5c418638c31";
    for (int i = 0; i < 5000; ++i) {
        repeated += "txtMainStat=8830\r\n";
    }
    for (int i = 0; i < 42; ++i) {
        repeatedHex += "c618638c31";
    }
    repeatedHex += "c61863ae981f4dfc7fb3";
    return {{"", "78da030000000001"},
            {"hello hello hello", "78dacb48cdc9c957c84090003a2e067d"},
            {"txtMainStat=8830\r\nchkSkill21=1\r\ncboRune3=7\r\n",
             "78da2ba928f14dcccc0b2e492cb1b5b03036e0e54acec80ecececcc93132b43504f292f2834af3528d"
             "6dcd79b90046260d52"},
            {repeated, repeatedHex}};
}

std::string Hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (const char byte : bytes) {
        hex += kDigits[static_cast<unsigned char>(byte) >> 4];
        hex += kDigits[static_cast<unsigned char>(byte) & 15];
    }
    return hex;
}

TEST_F(PortContract, CompressesAsZlibAndExpandsUpToTheLimit) {
    for (const Packed& packed : PackedByZlib()) {
        const std::string stream = face.deflate.compress(packed.bytes);
        EXPECT_EQ(Hex(stream), packed.hex) << packed.bytes.size();
        const std::size_t size = packed.bytes.size();
        EXPECT_EQ(face.deflate.expand(stream, size), packed.bytes) << size;
        if (size > 0) {
            EXPECT_EQ(face.deflate.expand(stream, size - 1), std::nullopt) << size;
        }
    }
}

TEST_F(PortContract, ExpandsOneWholeStreamAndNothingElse) {
    const std::string stream = face.deflate.compress("a profile of a few hundred bytes");
    std::string damaged = stream;
    damaged[damaged.size() - 2] ^= 1;  // the checksum no longer fits
    for (const std::string& bytes : {std::string(), std::string("not compressed at all"), damaged,
                                     stream.substr(0, stream.size() - 1),  // cut short
                                     stream.substr(0, 2),                  // the header alone
                                     stream + "x", stream + '\0', stream + stream}) {
        EXPECT_EQ(face.deflate.expand(bytes, 1024), std::nullopt) << Hex(bytes);
    }
}

}  // namespace
}  // namespace brakefell::testing
