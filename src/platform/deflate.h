#pragma once
// The compression of share codes: a zlib stream, so that a code made by any face reads in any
// other, and made at zlib's best compression, so that every face writes the very same code.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace brakefell {

class Deflate {
  public:
    virtual ~Deflate() = default;

    // The bytes as one zlib stream at the best compression (level 9, the default window and
    // memory); the empty text only when compressing failed.
    virtual std::string compress(std::string_view bytes) const = 0;

    // The bytes of exactly one whole zlib stream with nothing after it; nullopt when the stream
    // is damaged, cut short, followed by more bytes, or would expand beyond `limit` bytes (it
    // stops there rather than fill the memory).
    virtual std::optional<std::string> expand(std::string_view packed, std::size_t limit) const = 0;
};

}  // namespace brakefell
