// Share codes' compression on the desktop: the bytes of zlib at its best compression, which every
// face must write alike, and an expansion that takes one whole stream and nothing else.
#include "desktop_adapters/zlib_deflate.h"

#include <gtest/gtest.h>

#include <random>

namespace brakefell {
namespace {

std::string Hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (const char byte : bytes) {
        hex += kDigits[static_cast<unsigned char>(byte) >> 4];
        hex += kDigits[static_cast<unsigned char>(byte) & 15];
    }
    return hex;
}

TEST(ZlibDeflate, CompressesAsZlibDoesAtItsBestCompression) {
    const ZlibDeflate deflate;
    // Written down from another program's zlib at level 9.
    EXPECT_EQ(Hex(deflate.compress("hello hello hello")), "78dacb48cdc9c957c84090003a2e067d");
    EXPECT_EQ(Hex(deflate.compress("")), "78da030000000001");
}

TEST(ZlibDeflate, ExpandsWhatItCompressedUpToTheLimit) {
    const ZlibDeflate deflate;
    std::mt19937_64 random(9);
    for (const std::size_t size : {0u, 1u, 65u, 100'000u}) {
        std::string bytes(size, '\0');
        for (char& byte : bytes) {
            byte = static_cast<char>(random() % 7);
        }
        const std::string packed = deflate.compress(bytes);
        EXPECT_EQ(deflate.expand(packed, size), bytes) << size;
        if (size > 0) {
            EXPECT_EQ(deflate.expand(packed, size - 1), std::nullopt) << size;
        }
    }
}

TEST(ZlibDeflate, ExpandsOneWholeStreamAndNothingElse) {
    const ZlibDeflate deflate;
    const std::string packed = deflate.compress("a profile of a few hundred bytes");
    const std::string notStreams[] = {
        "",
        "not compressed at all",
        packed.substr(0, packed.size() - 1),  // the checksum cut short
        packed.substr(0, 2),                  // the header alone
        packed + "x",                         // more after the stream
        packed + packed,                      // a second stream
    };
    for (const std::string& bytes : notStreams) {
        EXPECT_EQ(deflate.expand(bytes, 1024), std::nullopt) << Hex(bytes);
    }
    std::string damaged = packed;
    damaged[damaged.size() - 2] ^= 1;  // the checksum no longer fits
    EXPECT_EQ(deflate.expand(damaged, 1024), std::nullopt);
}

}  // namespace
}  // namespace brakefell
