#include "desktop_adapters/zlib_deflate.h"

#include <zlib.h>

#include <array>

namespace brakefell {

std::string ZlibDeflate::compress(std::string_view bytes) const {
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    std::string packed(static_cast<std::size_t>(size), '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
                  reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uLong>(bytes.size()),
                  Z_BEST_COMPRESSION) != Z_OK) {
        return {};
    }
    packed.resize(static_cast<std::size_t>(size));
    return packed;
}

std::optional<std::string> ZlibDeflate::expand(std::string_view packed, std::size_t limit) const {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) {
        return std::nullopt;
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    std::string expanded;
    // Chunk by chunk, so that a small code that claims a huge profile stops at the limit instead
    // of filling the memory.
    std::array<char, 16 * 1024> chunk;
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk.data());
        stream.avail_out = static_cast<uInt>(chunk.size());
        status = inflate(&stream, Z_NO_FLUSH);
        const std::size_t produced = chunk.size() - stream.avail_out;
        if (expanded.size() + produced > limit) {
            status = Z_MEM_ERROR;
            break;
        }
        expanded.append(chunk.data(), produced);
    }
    const bool whole = status == Z_STREAM_END && stream.avail_in == 0;
    inflateEnd(&stream);
    if (!whole) {
        return std::nullopt;
    }
    return expanded;
}

}  // namespace brakefell
